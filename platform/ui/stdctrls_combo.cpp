// TCustomComboBox and TComboBox over the "ComboBox" window class.
#include "platform/ui/stdctrls_combo.h"

#include <algorithm>
#include <utility>

#include "platform/win/commctrl.h"

namespace {

// Emptying the list leaves the text in the box as it was.
class TComboBoxItems final : public TWindowItems {
public:
    TComboBoxItems(TCustomComboBox* combo, std::function<bool()> sorted)
        : TWindowItems(combo, TItemMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT}, std::move(sorted)),
          combo_(combo) {}

    void Clear() override {
        const AnsiString text = combo_->Text();
        TWindowItems::Clear();
        if (!text.empty()) combo_->SetText(text);
    }

private:
    TCustomComboBox* combo_;
};

}  // namespace

void TCustomComboBox::Published(TPublished<TCustomComboBox>& p) {
    p.Property("CharCase", &TCustomComboBox::CharCase, &TCustomComboBox::SetCharCase).Default(ecNormal);
    p.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
    p.Property("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems);
    p.Property("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength).Default(0);
    p.Property("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted);
    p.Property("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle).Default(csDropDown);
    p.Property("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText);
    p.Property("OnChange", &TCustomComboBox::OnChange, &TCustomComboBox::SetOnChange);
    p.Property("OnCloseUp", &TCustomComboBox::OnCloseUp, &TCustomComboBox::SetOnCloseUp);
    p.Property("OnDropDown", &TCustomComboBox::OnDropDown, &TCustomComboBox::SetOnDropDown);
    p.Property("OnSelect", &TCustomComboBox::OnSelect, &TCustomComboBox::SetOnSelect);
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TCustomListControl(owner),
      items_(std::make_unique<TComboBoxItems>(this, [this] { return sorted_; })) {
    // The dropped list holds the capture, not the control.
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
}

// The edit outlives this part of the object while the window is destroyed:
// it gets its own procedure back first.
TCustomComboBox::~TCustomComboBox() {
    if (editHandle_ && IsWindow(editHandle_)) SetWindowLongPtr(editHandle_, GWLP_WNDPROC, LONG_PTR(editDefProc_));
    FreeObjectInstance(editInstance_);
}

TStrings* TCustomComboBox::Items() const { return items_.get(); }
void TCustomComboBox::SetItems(TStrings* v) { items_->Assign(v); }

bool TCustomComboBox::Focused() const {
    const HWND focus = GetFocus();
    return TCustomListControl::Focused() || (focus && focus == editHandle_);
}

void TCustomComboBox::Clear() {
    items_->Clear();
    SetText("");
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TCustomListControl::CreateParams(params);
    CreateSubClass(params, "ComboBox");
    static constexpr DWORD kinds[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    params.Style |= kinds[style_] | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    if (charCase_ == ecUpperCase) params.Style |= CBS_UPPERCASE;
    if (charCase_ == ecLowerCase) params.Style |= CBS_LOWERCASE;
    // The window's height is the height of the list dropped down.
    params.Height = Height() + dropDownCount_ * ItemHeight() + 2;
}

void TCustomComboBox::CreateWnd() {
    const AnsiString text = TWinControl::GetText();
    TCustomListControl::CreateWnd();
    editHandle_ = GetWindow(Handle(), GW_CHILD);
    if (editHandle_) {
        if (!editInstance_) editInstance_ = MakeObjectInstance(TWndMethod(this, &TCustomComboBox::EditWndProc));
        editDefProc_ = WNDPROC(GetWindowLongPtr(editHandle_, GWLP_WNDPROC));
        SetWindowLongPtr(editHandle_, GWLP_WNDPROC, LONG_PTR(editInstance_));
    }
    // Before the items come, so that variable ones start from it; an
    // owner-drawn selection field is as high as the items.
    if (OwnerDrawn()) SendMessage(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), ItemHeight());
    SendMessage(Handle(), CB_SETITEMHEIGHT, 0, ItemHeight());
    items_->Fill(Handle());
    if (maxLength_) SendMessage(Handle(), CB_LIMITTEXT, WPARAM(maxLength_), 0);
    if (itemIndex_ >= 0) SendMessage(Handle(), CB_SETCURSEL, WPARAM(itemIndex_), 0);
    else if (style_ == csDropDown || style_ == csSimple) SetWindowText(Handle(), text.c_str());
}

void TCustomComboBox::Recreate() {
    if (HandleAllocated()) {
        itemIndex_ = ItemIndex();
        Perform(CM_RECREATEWND, 0, 0);
    }
}

const AnsiString& TCustomComboBox::GetText() const {
    if (!HandleAllocated()) return TWinControl::GetText();
    shownText_ = WindowTextOf(const_cast<TCustomComboBox*>(this)->Handle());
    return shownText_;
}

Integer TCustomComboBox::ItemIndex() {
    return HandleAllocated() ? Integer(SendMessage(Handle(), CB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomComboBox::SetItemIndex(Integer v) {
    itemIndex_ = v;
    if (HandleAllocated()) SendMessage(Handle(), CB_SETCURSEL, WPARAM(v), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
    if (style_ == v) return;
    style_ = v;
    Recreate();
}

void TCustomComboBox::SetSorted(bool v) {
    if (sorted_ == v) return;
    sorted_ = v;
    if (v) items_->SortItems();
}

void TCustomComboBox::SetMaxLength(Integer v) {
    maxLength_ = std::max<Integer>(0, v);
    if (HandleAllocated()) SendMessage(Handle(), CB_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomComboBox::SetCharCase(TEditCharCase v) {
    if (charCase_ == v) return;
    charCase_ = v;
    Recreate();
}

// Owner-drawn items are measured again.
void TCustomComboBox::ItemHeightChanged() {
    if (OwnerDrawn())
        Recreate();
    else
        SendMessage(Handle(), CB_SETITEMHEIGHT, 0, ItemHeight());
}

bool TCustomComboBox::DroppedDown() {
    return HandleAllocated() && SendMessage(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool v) { SendMessage(Handle(), CB_SHOWDROPDOWN, v, 0); }

Integer TCustomComboBox::SelStart() {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), CB_GETEDITSEL, WPARAM(&start), LPARAM(&end));
    return Integer(start);
}

void TCustomComboBox::SetSelStart(Integer v) { SendMessage(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(v, v)); }

Integer TCustomComboBox::SelLength() {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), CB_GETEDITSEL, WPARAM(&start), LPARAM(&end));
    return Integer(end - start);
}

void TCustomComboBox::SetSelLength(Integer v) {
    const Integer start = SelStart();
    SendMessage(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, start + v));
}

AnsiString TCustomComboBox::SelText() {
    DWORD start = 0, end = 0;
    SendMessage(Handle(), CB_GETEDITSEL, WPARAM(&start), LPARAM(&end));
    return end > start ? Text().substr(start, end - start) : AnsiString();
}

void TCustomComboBox::SetSelText(const AnsiString& v) {
    COMBOBOXINFO info{};
    if (GetComboBoxInfo(Handle(), &info) && info.hwndItem) SendMessage(info.hwndItem, EM_REPLACESEL, TRUE, LPARAM(v.c_str()));
}

void TCustomComboBox::SelectAll() { SendMessage(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF)); }

void TCustomComboBox::Change() { onChange_(this); }
void TCustomComboBox::DropDown() { onDropDown_(this); }
void TCustomComboBox::CloseUp() { onCloseUp_(this); }
void TCustomComboBox::Select() { onSelect_(this); }

void TCustomComboBox::CMWantSpecialKey(TMessage& Message) {
    Message.Result = (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE) && DroppedDown() ? 1 : 0;
}

// Keys go through the control first, as they do for the control's own
// window; what is left reaches the edit.
void TCustomComboBox::EditWndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (ReflectKey(Message, Message.Msg == WM_SYSKEYDOWN ? CN_SYSKEYDOWN : CN_KEYDOWN)) return;
        break;
    case WM_CHAR:
        if (ReflectKey(Message, CN_CHAR)) return;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        Word key = Word(Message.WParam);
        KeyUp(key, KeyDataToShiftState(Message.LParam));
        if (key == 0) return;
        Message.WParam = key;
        break;
    }
    case WM_MOUSEMOVE: NoteMouseOver(editHandle_); break;
    case WM_MOUSELEAVE: Perform(WM_MOUSELEAVE, 0, 0); break;
    default: break;
    }
    Message.Result = CallWindowProc(editDefProc_, editHandle_, Message.Msg, Message.WParam, Message.LParam);
}

void TCustomComboBox::CNCommand(TMessage& Message) {
    switch (HIWORD(Message.WParam)) {
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_SELCHANGE:
        Change();
        Select();
        break;
    default: break;
    }
}
