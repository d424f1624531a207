// TListView and its columns and items over "SysListView32".
#include "platform/ui/comctrls_listview.h"

#include "platform/win/commctrl.h"

namespace {
constexpr UINT checkedImage = INDEXTOSTATEIMAGEMASK(2), uncheckedImage = INDEXTOSTATEIMAGEMASK(1);

int FormatOf(TAlignment alignment) {
    return alignment == taRightJustify ? LVCFMT_RIGHT : alignment == taCenter ? LVCFMT_CENTER : LVCFMT_LEFT;
}
}  // namespace

// ---- columns -------------------------------------------------------------------------

void TListColumn::Published(TPublished<TListColumn>& p) {
    p.Property("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment).Default(taLeftJustify);
    p.Property("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
    p.Property("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
}

// The collection has taken the item in before this body runs; only now are
// the column's values there to put into the window.
TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {
    if (TListView* view = View()) view->MirrorColumn(*this, true);
}

TListColumn::~TListColumn() {
    TListView* view = View();
    if (view && view->HandleAllocated()) SendMessage(view->Handle(), LVM_DELETECOLUMN, WPARAM(Index()), 0);
}

TListView* TListColumn::View() const {
    auto* columns = dynamic_cast<TListColumns*>(Collection());
    return columns ? columns->View() : nullptr;
}

void TListColumn::Assign(TPersistent* source) {
    auto* column = dynamic_cast<TListColumn*>(source);
    if (!column) {
        TCollectionItem::Assign(source);
        return;
    }
    caption_ = column->caption_;
    width_ = column->Width();
    alignment_ = column->alignment_;
    Changed(false);
}

AnsiString TListColumn::Caption() const { return caption_; }
Integer TListColumn::Width() const {
    TListView* view = View();
    return view && view->HandleAllocated()
               ? Integer(SendMessage(view->Handle(), LVM_GETCOLUMNWIDTH, WPARAM(Index()), 0))
               : width_;
}
TAlignment TListColumn::Alignment() const { return alignment_; }

void TListColumn::SetCaption(const AnsiString& v) {
    caption_ = v;
    Changed(false);
}

void TListColumn::SetWidth(Integer v) {
    width_ = v;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment v) {
    alignment_ = v;
    Changed(false);
}

TListColumns::TListColumns(TListView* view) : TOwnedCollection(view, TListColumn::StaticClass()), view_(view) {}

void TListColumns::Update(TCollectionItem* item) {
    if (item) {
        view_->MirrorColumn(*static_cast<TListColumn*>(item), false);
        return;
    }
    for (int i = 0; i < Count(); ++i) view_->MirrorColumn(*Items(i), false);
}

void TListView::MirrorColumn(const TListColumn& column, bool insert) {
    if (!HandleAllocated()) return;
    LVCOLUMN record;
    record.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    record.pszText = const_cast<char*>(column.caption_.c_str());
    record.cx = column.width_;
    record.fmt = FormatOf(column.alignment_);
    record.iSubItem = column.Index();
    SendMessage(Handle(), insert ? LVM_INSERTCOLUMN : LVM_SETCOLUMN, WPARAM(column.Index()), LPARAM(&record));
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
    p.Property("Columns", &TListView::Columns, &TListView::SetColumns);
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
