// TListView and its columns and items over "SysListView32".
#include "platform/ui/comctrls_listview.h"

#include "platform/ui/commctrl.h"

namespace {
constexpr UINT checkedImage = INDEXTOSTATEIMAGEMASK(2), uncheckedImage = INDEXTOSTATEIMAGEMASK(1);

int FormatOf(TAlignment alignment) {
    return alignment == taRightJustify ? LVCFMT_RIGHT : alignment == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
}
}  // namespace

// ---- columns -------------------------------------------------------------------------

AnsiString TListColumn::Caption() const { return caption_; }
Integer TListColumn::Width() const {
    return view_->HandleAllocated() ? Integer(SendMessage(view_->Handle(), LVM_GETCOLUMNWIDTH, WPARAM(index_), 0))
                                    : width_;
}
TAlignment TListColumn::Alignment() const { return alignment_; }

void TListColumn::SetCaption(const AnsiString& v) {
    caption_ = v;
    view_->MirrorColumn(*this, false);
}

void TListColumn::SetWidth(Integer v) {
    width_ = v;
    view_->MirrorColumn(*this, false);
}

void TListColumn::SetAlignment(TAlignment v) {
    alignment_ = v;
    view_->MirrorColumn(*this, false);
}

TListColumns::~TListColumns() = default;

TListColumn* TListColumns::Add() {
    columns_.push_back(std::make_unique<TListColumn>(view_, Count()));
    view_->MirrorColumn(*columns_.back(), true);
    return columns_.back().get();
}

void TListColumns::Clear() {
    if (view_->HandleAllocated())
        for (int i = Count() - 1; i >= 0; --i) SendMessage(view_->Handle(), LVM_DELETECOLUMN, WPARAM(i), 0);
    columns_.clear();
}

void TListView::MirrorColumn(const TListColumn& column, bool insert) {
    if (!HandleAllocated()) return;
    LVCOLUMN record;
    record.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    record.pszText = const_cast<char*>(column.caption_.c_str());
    record.cx = column.width_;
    record.fmt = FormatOf(column.alignment_);
    record.iSubItem = column.index_;
    SendMessage(Handle(), insert ? LVM_INSERTCOLUMN : LVM_SETCOLUMN, WPARAM(column.index_), LPARAM(&record));
}

// ---- items ----------------------------------------------------------------------------

TListItem::TListItem(TListView* view, int index) : view_(view), index_(index), subItems_(TStringList::Create()) {
    subItems_->SetOnChange([this](TObject*) { SubItemsChanged(); });
}

TListItem::~TListItem() { subItems_->SetOnChange(nullptr); }

AnsiString TListItem::Caption() const { return caption_; }

void TListItem::SetCaption(const AnsiString& v) {
    caption_ = v;
    Mirror();
}

void TListItem::SubItemsChanged() { Mirror(); }

void TListItem::Mirror() const {
    if (!view_->HandleAllocated()) return;
    const HWND window = view_->Handle();
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = index_;
    item.pszText = const_cast<char*>(caption_.c_str());
    SendMessage(window, LVM_SETITEM, 0, LPARAM(&item));
    for (int i = 0; i < subItems_->Count(); ++i) {
        const AnsiString text = subItems_->Strings(i);
        item.iSubItem = i + 1;
        item.pszText = const_cast<char*>(text.c_str());
        SendMessage(window, LVM_SETITEM, 0, LPARAM(&item));
    }
}

bool TListItem::Checked() const {
    if (view_->HandleAllocated())
        checked_ = (SendMessage(view_->Handle(), LVM_GETITEMSTATE, WPARAM(index_), LVIS_STATEIMAGEMASK) ==
                    LRESULT(checkedImage));
    return checked_;
}

void TListItem::SetChecked(bool v) {
    checked_ = v;
    if (!view_->HandleAllocated()) return;
    LVITEM state;
    state.state = v ? checkedImage : uncheckedImage;
    state.stateMask = LVIS_STATEIMAGEMASK;
    SendMessage(view_->Handle(), LVM_SETITEMSTATE, WPARAM(index_), LPARAM(&state));
}

bool TListItem::Selected() const {
    if (view_->HandleAllocated())
        selected_ = SendMessage(view_->Handle(), LVM_GETITEMSTATE, WPARAM(index_), LVIS_SELECTED) != 0;
    return selected_;
}

void TListItem::SetSelected(bool v) {
    selected_ = v;
    if (!view_->HandleAllocated()) return;
    LVITEM state;
    state.state = v ? LVIS_SELECTED : 0;
    state.stateMask = LVIS_SELECTED;
    SendMessage(view_->Handle(), LVM_SETITEMSTATE, WPARAM(index_), LPARAM(&state));
}

TListItems::~TListItems() = default;

TListItem* TListItems::Add() {
    items_.push_back(std::make_unique<TListItem>(view_, Count()));
    if (view_->HandleAllocated()) {
        LVITEM item;
        item.mask = LVIF_TEXT;
        item.iItem = Count() - 1;
        char empty[] = "";
        item.pszText = empty;
        SendMessage(view_->Handle(), LVM_INSERTITEM, 0, LPARAM(&item));
    }
    return items_.back().get();
}

void TListItems::Clear() {
    items_.clear();
    if (view_->HandleAllocated()) SendMessage(view_->Handle(), LVM_DELETEALLITEMS, 0, 0);
}

void TListItems::Delete(int index) {
    items_.erase(items_.begin() + index);
    if (view_->HandleAllocated()) SendMessage(view_->Handle(), LVM_DELETEITEM, WPARAM(index), 0);
    Renumber();
}

void TListItems::Renumber() {
    for (std::size_t i = 0; i < items_.size(); ++i) items_[i]->index_ = int(i);
}

// ---- the view ---------------------------------------------------------------------------

void TListView::Published(TPublished<TListView>& p) {
    p.Property("Checkboxes", &TListView::Checkboxes, &TListView::SetCheckboxes);
    p.Property("GridLines", &TListView::GridLines, &TListView::SetGridLines);
    p.Property("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly);
    p.Property("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect);
    p.Property("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle).Default(vsIcon);
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>(this)), items_(std::make_unique<TListItems>(this)) {
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
}

TListView::~TListView() {
    items_.reset();
    columns_.reset();
}

void TListView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "SysListView32");
    params.Style |= DWORD(viewStyle_ == vsReport ? LVS_REPORT : viewStyle_ == vsList ? LVS_LIST
                          : viewStyle_ == vsSmallIcon ? LVS_SMALLICON : LVS_ICON) | LVS_SHOWSELALWAYS;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessage(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LPARAM(exStyle_));
    for (int i = 0; i < columns_->Count(); ++i) MirrorColumn(*columns_->Items(i), true);
    for (int i = 0; i < items_->Count(); ++i) {
        TListItem* row = items_->Item(i);
        LVITEM item;
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(row->caption_.c_str());
        SendMessage(Handle(), LVM_INSERTITEM, 0, LPARAM(&item));
        row->Mirror();
        const bool checked = row->checked_, selected = row->selected_;
        row->SetChecked(checked);
        row->SetSelected(selected);
    }
}

void TListView::SetExStyle(DWORD bit, bool on) {
    exStyle_ = on ? exStyle_ | bit : exStyle_ & ~bit;
    if (HandleAllocated()) SendMessage(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, bit, LPARAM(exStyle_));
}

void TListView::SetCheckboxes(bool v) { SetExStyle(LVS_EX_CHECKBOXES, v); }
void TListView::SetGridLines(bool v) { SetExStyle(LVS_EX_GRIDLINES, v); }
void TListView::SetRowSelect(bool v) { SetExStyle(LVS_EX_FULLROWSELECT, v); }

void TListView::SetViewStyle(TViewStyle v) {
    if (viewStyle_ == v) return;
    viewStyle_ = v;
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

TListItem* TListView::Selected() const {
    for (int i = 0; i < items_->Count(); ++i)
        if (items_->Item(i)->Selected()) return items_->Item(i);
    return nullptr;
}

bool TListView::Checkboxes() const { return (exStyle_ & LVS_EX_CHECKBOXES) != 0; }
bool TListView::GridLines() const { return (exStyle_ & LVS_EX_GRIDLINES) != 0; }
bool TListView::RowSelect() const { return (exStyle_ & LVS_EX_FULLROWSELECT) != 0; }
