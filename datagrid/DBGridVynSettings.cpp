#include "datagrid/DBGridVynSettings.h"

#include "datagrid/DBGridVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/msgqueue.h"
#include "platform/win/winuser.h"


// ---- Scroll bars ---------------------------------------------------------------------------

void TDBGridVynScrollBar::Published(TPublished<TDBGridVynScrollBar>& p) {
    p.Property("ExtScrollBar", &TDBGridVynScrollBar::ExtScrollBar, &TDBGridVynScrollBar::SetExtScrollBar);
    p.Property("Tracking", &TDBGridVynScrollBar::Tracking, &TDBGridVynScrollBar::SetTracking).Default(false);
    p.Property("Visible", &TDBGridVynScrollBar::Visible, &TDBGridVynScrollBar::SetVisible).Default(true);
}

TDBGridVynScrollBar::TDBGridVynScrollBar(TCustomDBGridVyn* grid, TScrollBarKind kind) : grid_(grid), kind_(kind) {}

TDBGridVynScrollBar::~TDBGridVynScrollBar() { SetExtScrollBar(nullptr); }

namespace {
// The window procedure a control starts with.
TWndMethod StandardWindowProc(TScrollBar* bar) { return TWndMethod(bar, &TControl::WndProc); }
}  // namespace

void TDBGridVynScrollBar::SetExtScrollBar(TScrollBar* v) {
    if (v == extScrollBar_) return;
    if (v && !(v->WindowProc() == StandardWindowProc(v)))
        throw Exception("Possible " + v->Name() + " already attached to the other control.");
    if (extScrollBar_) extScrollBar_->SetWindowProc(StandardWindowProc(extScrollBar_));
    extScrollBar_ = v;
    if (v) {
        v->FreeNotification(grid_);
        v->SetWindowProc(TWndMethod(this, &TDBGridVynScrollBar::ExtScrollBarWndProc));
    }
    SyncExtScrollBar();
    if (grid_->ComponentState().Contains(csDestroying) || !grid_->HandleAllocated()) return;
    if (kind_ == sbVertical) grid_->UpdateVertScrollBar();
    grid_->RequestLayout();
}

void TDBGridVynScrollBar::ExtScrollBarWndProc(TMessage& Message) {
    if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL)
        SendMessage(grid_->Handle(), kind_ == sbHorizontal ? WM_HSCROLL : WM_VSCROLL, Message.WParam, Message.LParam);
    extScrollBar_->WndProc(Message);
}

void TDBGridVynScrollBar::SetVisible(bool v) {
    visibleMode_ = v ? sbAutoShowVyn : sbNeverShowVyn;
    SyncExtScrollBar();
}

void TDBGridVynScrollBar::SyncExtScrollBar() {
    if (extScrollBar_) extScrollBar_->SetVisible(Visible());
}

bool TDBGridVynScrollBar::ShowingNow() const {
    if (extScrollBar_) return extScrollBar_->Visible();
    if (!Visible() || !grid_->HandleAllocated()) return false;
    return GetWindowLongPtr(grid_->Handle(), GWL_STYLE) & (kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL);
}

bool TDBGridVynScrollBar::ReadScrollInfo(SCROLLINFO& info) const {
    if (extScrollBar_) return GetScrollInfo(extScrollBar_->Handle(), SB_CTL, &info);
    return GetScrollInfo(grid_->Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, &info);
}

TPersistent* TDBGridVynScrollBar::GetOwner() const { return grid_; }

void TDBGridVynScrollBar::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TDBGridVynScrollBar*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetVisible(other->Visible());
    SetTracking(other->Tracking());
    SetExtScrollBar(other->ExtScrollBar());
}

void TDBGridVynScrollBar::SetVisibleMode(TScrollBarVisibleModeVyn v) {
    if (v == visibleMode_) return;
    visibleMode_ = v;
    if (kind_ == sbVertical) grid_->UpdateVertScrollBar();
    grid_->RequestLayout();
}

void TVertDBGridVynScrollBar::Published(TPublished<TVertDBGridVynScrollBar>& p) {
    p.Property("Visible", &TVertDBGridVynScrollBar::Visible, &TVertDBGridVynScrollBar::SetVisible).Stored(false);
    p.Property("VisibleMode", &TVertDBGridVynScrollBar::VisibleMode, &TVertDBGridVynScrollBar::SetVisibleMode)
        .Default(sbAutoShowVyn);
}

// ---- Filter row --------------------------------------------------------------------------------

void TSTDBGridVynFilter::Published(TPublished<TSTDBGridVynFilter>& p) {
    p.Property("Local", &TSTDBGridVynFilter::Local, &TSTDBGridVynFilter::SetLocal).Default(false);
    p.Property("Visible", &TSTDBGridVynFilter::Visible, &TSTDBGridVynFilter::SetVisible).Default(false);
}

TPersistent* TSTDBGridVynFilter::GetOwner() const { return grid_; }

void TSTDBGridVynFilter::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TSTDBGridVynFilter*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetLocal(other->Local());
    SetVisible(other->Visible());
}


void TSTColumnFilterVyn::Published(TPublished<TSTColumnFilterVyn>& p) {
    p.Property("DataField", &TSTColumnFilterVyn::DataField, &TSTColumnFilterVyn::SetDataField);
    p.Property("KeyField", &TSTColumnFilterVyn::KeyField, &TSTColumnFilterVyn::SetKeyField);
    p.Property("ListField", &TSTColumnFilterVyn::ListField, &TSTColumnFilterVyn::SetListField);
    p.Property("ListSource", &TSTColumnFilterVyn::ListSource, &TSTColumnFilterVyn::SetListSource);
    p.Property("Visible", &TSTColumnFilterVyn::Visible, &TSTColumnFilterVyn::SetVisible).Default(true);
}

void TSTColumnFilterVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TSTColumnFilterVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetDataField(other->DataField());
    SetKeyField(other->KeyField());
    SetListField(other->ListField());
    SetListSource(other->ListSource());
    SetVisible(other->Visible());
}

// ---- Recently typed texts -------------------------------------------------------------------------

void TMRUListVyn::Published(TPublished<TMRUListVyn>& p) {
    p.Property("AutoAdd", &TMRUListVyn::AutoAdd, &TMRUListVyn::SetAutoAdd).Default(true);
    p.Property("Active", &TMRUListVyn::Active, &TMRUListVyn::SetActive).Default(false);
    p.Property("CaseSensitive", &TMRUListVyn::CaseSensitive, &TMRUListVyn::SetCaseSensitive).Default(false);
    p.Property("Items", &TMRUListVyn::Items, &TMRUListVyn::SetItems);
    p.Property("Limit", &TMRUListVyn::Limit, &TMRUListVyn::SetLimit).Default(100);
    p.Property("Rows", &TMRUListVyn::Rows, &TMRUListVyn::SetRows).Default(7);
}

TMRUListVyn::TMRUListVyn(TPersistent* owner) : owner_(owner), items_(std::make_unique<TStringList>()) {}

TMRUListVyn::~TMRUListVyn() = default;

void TMRUListVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TMRUListVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetActive(other->Active());
    SetCaseSensitive(other->CaseSensitive());
    SetItems(other->Items());
    SetLimit(other->Limit());
    SetRows(other->Rows());
}

void TMRUListVyn::SetActive(bool v) {
    if (v == active_) return;
    active_ = v;
    onActiveChanged_(this);
}

void TMRUListVyn::SetLimit(int v) {
    limit_ = v;
    TrimToLimit();
}

void TMRUListVyn::TrimToLimit() {
    // The oldest texts go first.
    while (items_->Count() > std::max(limit_, 0)) items_->Delete(0);
}

void TMRUListVyn::RequestCloseUp(bool accept) { onCloseUpRequest_(this, accept); }
void TMRUListVyn::RequestDropDown() { onDropDownRequest_(this); }

int TMRUListVyn::Compare(const AnsiString& a, const AnsiString& b) const {
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TMRUListVyn::RememberText(const AnsiString& text) {
    if (Trim(text).empty()) return;
    for (int i = 0; i < items_->Count(); ++i)
        if (Compare(items_->Strings(i), text) == 0) {
            items_->Move(i, items_->Count() - 1);
            return;
        }
    items_->Add(text);
    TrimToLimit();
}

bool TMRUListVyn::FilterInto(TStrings* target, const AnsiString& maskText) {
    target->BeginUpdate();
    target->Clear();
    target->EndUpdate();
    for (int i = 0; i < items_->Count(); ++i) {
        const AnsiString item = items_->Strings(i);
        // The item's first characters that take as many bytes as the mask;
        // a character cut in half matches nothing.
        std::size_t end = 0;
        while (end < maskText.size() && end < item.size()) end += AnsiCharSize(item, end);
        bool accept = end == maskText.size() && Compare(item.substr(0, end), maskText) == 0;
        onFilterItem_(this, accept);
        if (accept) target->Add(item);
        MSG key;
        if (i % 100 == 0 && stopOnPendingKey_ && PeekMessage(&key, 0, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE))
            return false;
    }
    return true;
}

// ---- Drop-down box ------------------------------------------------------------------------------------

void TColumnDropDownBoxVyn::Published(TPublished<TColumnDropDownBoxVyn>& p) {
    using C = TColumnDropDownBoxVyn;
    p.Property("AutoFitColWidths", &C::AutoFitColWidths, &C::SetAutoFitColWidths).Default(true);
    p.Property("ColumnDefValues", &C::ColumnDefValues, &C::SetColumnDefValues);
    p.Property("Columns", &C::Columns, &C::SetColumns).Stored(&C::ColumnsStored);
    p.Property("ListSource", &C::ListSource, &C::SetListSource);
    p.Property("Options", &C::Options, &C::SetOptions).Default(TDBLookupGridVynOptions{dlgColLinesVyn}.Bits());
    p.Property("UseMultiTitle", &C::UseMultiTitle, &C::SetUseMultiTitle).Default(false);
}

TColumnDropDownBoxVyn::TColumnDropDownBoxVyn(TPersistent* owner)
    : owner_(owner), specRow_(std::make_unique<TSpecRowVyn>(this)) {}

TColumnDropDownBoxVyn::~TColumnDropDownBoxVyn() = default;

IDropDownBoxOwnerVyn* TColumnDropDownBoxVyn::Owner() const { return dynamic_cast<IDropDownBoxOwnerVyn*>(owner_); }

TPopupDataGridVyn* TColumnDropDownBoxVyn::ExistingGrid() const {
    IDropDownBoxOwnerVyn* owner = Owner();
    return owner ? owner->ExistingDropDownGrid() : nullptr;
}

TPopupDataGridVyn* TColumnDropDownBoxVyn::Grid() const {
    IDropDownBoxOwnerVyn* owner = Owner();
    return owner ? owner->DropDownGrid() : nullptr;
}

TColumnDefValuesVyn* TColumnDropDownBoxVyn::ColumnDefValues() const {
    TPopupDataGridVyn* grid = ExistingGrid();
    return grid ? grid->ColumnDefValues() : nullptr;
}

void TColumnDropDownBoxVyn::SetColumnDefValues(TColumnDefValuesVyn* v) {
    if (TPopupDataGridVyn* grid = Grid()) grid->ColumnDefValues()->Assign(v);
}

TDBGridColumnsVyn* TColumnDropDownBoxVyn::Columns() const {
    TPopupDataGridVyn* grid = ExistingGrid();
    return grid ? grid->Columns() : nullptr;
}

void TColumnDropDownBoxVyn::SetColumns(TDBGridColumnsVyn* v) {
    if (TPopupDataGridVyn* grid = Grid()) grid->Columns()->Assign(v);
}

bool TColumnDropDownBoxVyn::ColumnsStored() const {
    TDBGridColumnsVyn* columns = Columns();
    return columns && columns->Customized();
}

TDBLookupGridVynOptions TColumnDropDownBoxVyn::Options() const {
    IDropDownBoxOwnerVyn* owner = Owner();
    return owner ? owner->DropDownGridOptions() : TDBLookupGridVynOptions{};
}

void TColumnDropDownBoxVyn::SetOptions(TDBLookupGridVynOptions v) {
    if (IDropDownBoxOwnerVyn* owner = Owner()) owner->SetDropDownGridOptions(v);
}

void TColumnDropDownBoxVyn::SetListSource(TDataSource* v) {
    if (v == listSource_) return;
    listSource_ = v;
    if (IDropDownBoxOwnerVyn* owner = Owner()) owner->FreeNotificationTo(v);
}

void TColumnDropDownBoxVyn::SetSpecRow(TSpecRowVyn* v) { specRow_->Assign(v); }

void TColumnDropDownBoxVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TColumnDropDownBoxVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetAlign(other->Align());
    SetAutoDrop(other->AutoDrop());
    SetAutoFitColWidths(other->AutoFitColWidths());
    // A source without a drop-down grid has nothing of it to copy.
    if (TPopupDataGridVyn* theirs = other->ExistingGrid()) {
        SetColumnDefValues(theirs->ColumnDefValues());
        if (theirs->Columns()->Customized())
            SetColumns(theirs->Columns());
        else if (TDBGridColumnsVyn* columns = Columns())
            columns->Clear();
        SetOptions(other->Options());
    }
    SetRows(other->Rows());
    SetWidth(other->Width());
    SetSizable(other->Sizable());
    SetShowTitles(other->ShowTitles());
    SetUseMultiTitle(other->UseMultiTitle());
    SetListSource(other->ListSource());
}
