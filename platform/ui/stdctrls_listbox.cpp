// TCustomListBox and TListBox over the "ListBox" class.
#include "platform/ui/stdctrls_listbox.h"

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"

void TCustomListBox::Published(TPublished<TCustomListBox>& p) {
    p.Property("Columns", &TCustomListBox::Columns, &TCustomListBox::SetColumns).Default(0);
    p.Property("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true);
    p.Property("Items", &TCustomListBox::Items, &TCustomListBox::SetItems);
    p.Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect);
    p.Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted);
    p.Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard);
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomListControl(owner),
      items_(std::make_unique<TWindowItems>(this, TItemMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT},
                                            [this] { return sorted_; })) {
    controlStyle_.Exclude(csCaptureMouse);
    controlStyle_.Exclude(csClickEvents);
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
}

TCustomListBox::~TCustomListBox() = default;

TStrings* TCustomListBox::Items() const { return items_.get(); }

void TCustomListBox::CreateParams(TCreateParams& params) {
    TCustomListControl::CreateParams(params);
    CreateSubClass(params, "ListBox");
    params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (multiSelect_) params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (style_ == lbOwnerDrawFixed) params.Style |= LBS_OWNERDRAWFIXED;
    if (style_ == lbOwnerDrawVariable) params.Style |= LBS_OWNERDRAWVARIABLE;
    if (columns_ > 0) params.Style |= LBS_MULTICOLUMN;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
    TCustomListControl::CreateWnd();
    // Before the items come, so that variable ones start from it.
    if (style_ != lbStandard) SendMessage(Handle(), LB_SETITEMHEIGHT, 0, ItemHeight());
    items_->Fill(Handle());
    if (columns_ > 0) SendMessage(Handle(), LB_SETCOLUMNWIDTH, WPARAM(Width() / columns_), 0);
    SetItemIndex(itemIndex_);
}

void TCustomListBox::Recreate() {
    if (!HandleAllocated()) return;
    itemIndex_ = ItemIndex();
    Perform(CM_RECREATEWND, 0, 0);
}

Integer TCustomListBox::ItemIndex() {
    return HandleAllocated() ? Integer(SendMessage(Handle(), LB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomListBox::SetItemIndex(Integer v) {
    itemIndex_ = v;
    if (!HandleAllocated()) return;
    if (multiSelect_)
        SendMessage(Handle(), LB_SETCARETINDEX, WPARAM(v), 0);
    else
        SendMessage(Handle(), LB_SETCURSEL, WPARAM(v), 0);
}

void TCustomListBox::SetMultiSelect(bool v) {
    if (multiSelect_ == v) return;
    multiSelect_ = v;
    Recreate();
}

void TCustomListBox::SetExtendedSelect(bool v) {
    if (extendedSelect_ == v) return;
    extendedSelect_ = v;
    Recreate();
}

bool TCustomListBox::Selected(Integer index) {
    const LRESULT result = SendMessage(Handle(), LB_GETSEL, WPARAM(index), 0);
    if (result == LB_ERR) throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return result != 0;
}

void TCustomListBox::SetSelected(Integer index, bool v) {
    if (multiSelect_)
        SendMessage(Handle(), LB_SETSEL, v, LPARAM(index));
    else
        SendMessage(Handle(), LB_SETCURSEL, v ? WPARAM(index) : WPARAM(-1), 0);
}

Integer TCustomListBox::SelCount() {
    return multiSelect_ ? Integer(SendMessage(Handle(), LB_GETSELCOUNT, 0, 0)) : -1;
}

void TCustomListBox::SetSorted(bool v) {
    if (sorted_ == v) return;
    sorted_ = v;
    if (v) items_->SortItems();
}

void TCustomListBox::SetStyle(TListBoxStyle v) {
    if (style_ == v) return;
    style_ = v;
    Recreate();
}

// Owner-drawn items are measured again; standard ones follow the font.
void TCustomListBox::ItemHeightChanged() {
    if (style_ != lbStandard) Recreate();
}

Integer TCustomListBox::TopIndex() { return Integer(SendMessage(Handle(), LB_GETTOPINDEX, 0, 0)); }
void TCustomListBox::SetTopIndex(Integer v) { SendMessage(Handle(), LB_SETTOPINDEX, WPARAM(v), 0); }

void TCustomListBox::SetColumns(Integer v) {
    if (columns_ == v) return;
    columns_ = std::max<Integer>(0, v);
    Recreate();
}

Integer TCustomListBox::ItemAtPos(TPoint pos, bool existing) {
    const LRESULT hit = SendMessage(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(pos.x, pos.y));
    if (HIWORD(hit) == 0) return LOWORD(hit);
    return existing ? -1 : Items()->Count();
}

TRect TCustomListBox::ItemRect(Integer index) {
    RECT r{};
    SendMessage(Handle(), LB_GETITEMRECT, WPARAM(index), LPARAM(&r));
    return r;
}

void TCustomListBox::CNCommand(TMessage& Message) {
    switch (HIWORD(Message.WParam)) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
    }
}
