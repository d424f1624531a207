// TCustomComboBox and TComboBox over the "ComboBox" window class.
#include "platform/ui/stdctrls_combo.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/commctrl.h"

// The combo box's Items: kept here and, while the window exists, in it.
class TCustomComboBox::Strings : public TStrings {
public:
    explicit Strings(TCustomComboBox* combo) : combo_(combo) {}

    int Add(const AnsiString& s) override {
        if (!combo_->sorted_) return TStrings::Add(s);
        const auto at = std::upper_bound(items_.begin(), items_.end(), s,
                                         [](const AnsiString& t, const Item& i) { return CompareText(t, i.text) < 0; });
        const int index = int(at - items_.begin());
        Insert(index, s);
        return index;
    }
    void Clear() override {
        items_.clear();
        if (combo_->HandleAllocated()) SendMessage(combo_->Handle(), CB_RESETCONTENT, 0, 0);
    }
    void Delete(int index) override {
        if (index < 0 || index >= GetCount()) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
        items_.erase(items_.begin() + index);
        if (combo_->HandleAllocated()) SendMessage(combo_->Handle(), CB_DELETESTRING, WPARAM(index), 0);
    }
    void Insert(int index, const AnsiString& s) override {
        if (index < 0 || index > GetCount()) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
        items_.insert(items_.begin() + index, Item{s, nullptr});
        if (combo_->HandleAllocated()) SendMessage(combo_->Handle(), CB_INSERTSTRING, WPARAM(index), LPARAM(s.c_str()));
    }
    // Fills a new window with the items.
    void Fill(HWND window) const {
        for (const Item& item : items_) SendMessage(window, CB_ADDSTRING, 0, LPARAM(item.text.c_str()));
    }

protected:
    AnsiString Get(int index) const override {
        if (index < 0 || index >= GetCount()) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
        return items_[std::size_t(index)].text;
    }
    int GetCount() const override { return int(items_.size()); }
    TObject* GetObject(int index) const override {
        return index >= 0 && index < GetCount() ? items_[std::size_t(index)].object : nullptr;
    }
    void PutObject(int index, TObject* object) override {
        if (index >= 0 && index < GetCount()) items_[std::size_t(index)].object = object;
    }

private:
    struct Item {
        AnsiString text;
        TObject* object;
    };
    TCustomComboBox* combo_;
    std::vector<Item> items_;
};

void TCustomComboBox::Published(TPublished<TCustomComboBox>& p) {
    p.Property("CharCase", &TCustomComboBox::CharCase, &TCustomComboBox::SetCharCase).Default(ecNormal);
    p.Property("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount).Default(8);
    p.Property("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight).Default(16);
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
    : TWinControl(owner), items_(std::make_unique<Strings>(this)) {
    // The dropped list holds the capture, not the control.
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
}

TCustomComboBox::~TCustomComboBox() = default;

TStrings* TCustomComboBox::Items() const { return items_.get(); }
void TCustomComboBox::SetItems(TStrings* v) { items_->Assign(v); }

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "ComboBox");
    static constexpr DWORD kinds[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                      CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
    params.Style |= kinds[style_] | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    if (charCase_ == ecUpperCase) params.Style |= CBS_UPPERCASE;
    if (charCase_ == ecLowerCase) params.Style |= CBS_LOWERCASE;
    // The window's height is the height of the list dropped down.
    params.Height = Height() + dropDownCount_ * itemHeight_ + 2;
}

void TCustomComboBox::CreateWnd() {
    const AnsiString text = TWinControl::GetText();
    TWinControl::CreateWnd();
    items_->Fill(Handle());
    SendMessage(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
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
    if (!v) return;
    auto* sorted = TStringList::Create();
    std::unique_ptr<TStringList> owned(sorted);
    sorted->Assign(items_.get());
    sorted->Sort();
    items_->Assign(sorted);
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

void TCustomComboBox::SetItemHeight(Integer v) {
    itemHeight_ = v;
    if (HandleAllocated()) SendMessage(Handle(), CB_SETITEMHEIGHT, 0, v);
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

void TCustomComboBox::Change() { onChange_(this); }
void TCustomComboBox::DropDown() { onDropDown_(this); }
void TCustomComboBox::CloseUp() { onCloseUp_(this); }
void TCustomComboBox::Select() { onSelect_(this); }

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
