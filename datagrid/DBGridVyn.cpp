// The grid's creation and destruction, its properties and options, the
// layout brackets and the layout pass's column steps, and its reactions to
// the data link.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynFilterEdit.h"

#include <algorithm>

#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/DBGridVynLib.h"
#include "datagrid/DBGridVynSelection.h"
#include "datagrid/DBGridVynStyle.h"
#include "platform/data/dataset.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"

namespace {
// The base-grid options the grid always starts from.
const TGridOptions kBaseGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                    goColSizing,     goColMoving,     goEditing,  goTabs};
}  // namespace

// ---- Life ------------------------------------------------------------------------------------

TCustomDBGridVyn::TCustomDBGridVyn(TComponent* owner) : TCustomGrid(owner) {
    AttachDefaultStyle();
    TCustomGrid::SetDefaultDrawing(false);
    AcquireDrawBitmap();
    TCustomGrid::SetScrollBars(ssHorizontal);
    TCustomGrid::SetOptions(kBaseGridOptions);
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks});
    columnDefValues_.reset(CreateColumnDefValues());
    columns_.reset(CreateColumns());
    visibleColumns_ = std::make_unique<TColumnsVynList>();
    SetColCount(2);
    SetRowCount(2);
    dataLink_ = std::make_unique<TGridDataLinkVyn>(this);
    SetColor(clWindow);
    SetParentColor(false);
    titleFont_ = std::make_unique<TFont>();
    titleFont_->SetOnChange(TNotifyEvent(this, &TCustomDBGridVyn::TitleFontChanged));
    bookmarks_ = std::make_unique<TBookmarkListVyn>(this);
    sumList_ = std::make_unique<TDBGridVynSumList>(this);
    sumList_->SetSumListChanged(TNotifyEvent(this, &TCustomDBGridVyn::SumListChanged));
    sumList_->SetOnRecalcAll(TNotifyEvent(this, &TCustomDBGridVyn::SumListRecalcAll));
    sumList_->SetOnAfterRecalcAll(TNotifyEvent(this, &TCustomDBGridVyn::SumListAfterRecalcAll));
    horzScrollBar_.reset(CreateScrollBar(sbHorizontal));
    vertScrollBar_.reset(static_cast<TVertDBGridVynScrollBar*>(CreateScrollBar(sbVertical)));
    sortMarkedColumns_ = std::make_unique<TColumnsVynList>();
    selection_ = std::make_unique<TDBGridVynSelection>(this);
    footerFont_ = std::make_unique<TFont>();
    footerFont_->SetOnChange(TNotifyEvent(this, &TCustomDBGridVyn::FooterFontChanged));
    cellParams_ = std::make_unique<TColCellParamsVyn>();
    stFilter_ = std::make_unique<TSTDBGridVynFilter>(this);
    titleImageLink_ = std::make_unique<TChangeLink>();
    titleRoot_ = std::make_unique<THeadTreeNode>("Root", 0, 0);
    titleImageLink_->SetOnChange(TNotifyEvent(this, &TCustomDBGridVyn::TitleImageListChanged));
    topDataOffset_ = CalcTopDataOffset();
    UpdateGridOptions();
    SetTabStop(true);
}

TCustomDBGridVyn::~TCustomDBGridVyn() {
    DetachStyle();
    cellParams_.reset();
    selection_->Reset();
    columns_.reset();
    columnDefValues_.reset();
    visibleColumns_.reset();
    sortMarkedColumns_.reset();
    dataLink_.reset();
    horzScrollBar_.reset();
    vertScrollBar_.reset();
    bookmarks_.reset();
    titleImageLink_.reset();
    ReleaseDrawBitmap();
}

void TCustomDBGridVyn::BeforeDestruction() {
    // The link's last notifications must find the grid whole.
    dataLink_->SetDataSource(nullptr);
    delete filterEditor_;
    filterEditor_ = nullptr;
    TCustomGrid::BeforeDestruction();
}

void TCustomDBGridVyn::AfterConstruction() {
    TCustomGrid::AfterConstruction();
    // The constructor could reach only this class's factories; a
    // descendant's are reached now. The objects are still empty.
    columnDefValues_.reset(CreateColumnDefValues());
    columns_.reset(CreateColumns());
    horzScrollBar_.reset(CreateScrollBar(sbHorizontal));
    vertScrollBar_.reset(static_cast<TVertDBGridVynScrollBar*>(CreateScrollBar(sbVertical)));
}

TDBGridVynColumnDefValuesVyn* TCustomDBGridVyn::CreateColumnDefValues() {
    return new TDBGridVynColumnDefValuesVyn(this);
}

TDBGridColumnsVyn* TCustomDBGridVyn::CreateColumns() {
    return new TDBGridColumnsVyn(this, TDBGridColumnVyn::StaticClass());
}

TDBGridVynScrollBar* TCustomDBGridVyn::CreateScrollBar(TScrollBarKind kind) {
    if (kind == sbVertical) return new TVertDBGridVynScrollBar(this);
    return new TDBGridVynScrollBar(this, kind);
}

// ---- Style -----------------------------------------------------------------------------------

void TCustomDBGridVyn::AttachDefaultStyle() {
    style_ = DefaultGridStyle();
    if (style_)
        style_->AddGrid(this);
    else if (columns_)  // a grid still being made has nothing to lay out
        RequestLayout();
}

void TCustomDBGridVyn::DetachStyle() {
    if (style_) style_->RemoveGrid(this);
    style_ = nullptr;
}

void TCustomDBGridVyn::SetStyle(TDBGridVynStyle* style) {
    if (style && style == style_) return;
    DetachStyle();
    if (style) {
        style_ = style;
        style_->AddGrid(this);
    } else {
        AttachDefaultStyle();
    }
    Invalidate();
}

// ---- Properties ---------------------------------------------------------------------------------

void TCustomDBGridVyn::SetAllowedSelections(TDBGridVynAllowedSelections v) {
    allowedSelections_ = v;
    if (selection_->Kind() != gstNon && !v.Contains(selection_->Kind())) selection_->Reset();
}

void TCustomDBGridVyn::SetAutoFitColWidths(bool v) {
    if (v == autoFitColWidths_) return;
    autoFitColWidths_ = v;
    TCustomGrid::SetScrollBars(v ? ssNone : ssHorizontal);
    RequestLayout();
}

void TCustomDBGridVyn::SetDefaultDrawing(bool v) {
    if (v == defaultDrawing_) return;
    defaultDrawing_ = v;
    Invalidate();
}

void TCustomDBGridVyn::SetDrawMemoText(bool v) {
    if (v == drawMemoText_) return;
    drawMemoText_ = v;
    Invalidate();
}

void TCustomDBGridVyn::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    titleTextMargin_ = v ? 2 : 4;
    if (HandleAllocated()) RecreateWnd();
    RequestLayout();
}

void TCustomDBGridVyn::SetFooterColor(TColor v) {
    if (v == footerColor_) return;
    footerColor_ = v;
    if (!Loading() && !selfChangingFromParent_) SetParentColor(false);
    if (footerRowCount_ > 0) InvalidateFooter();
}

void TCustomDBGridVyn::SetFooterRowCount(int v) {
    if (v < 0 || v == footerRowCount_) return;
    footerRowCount_ = v;
    CheckMemTableMode();
    RequestLayout();
}

void TCustomDBGridVyn::SetFrozenCols(int v) {
    if (v < 0 || v == frozenCols_) return;
    frozenCols_ = v;
    RequestLayout();
}

void TCustomDBGridVyn::SetMinAutoFitWidth(int v) {
    minAutoFitWidth_ = v;
    RequestLayout();
}

void TCustomDBGridVyn::SetOptions(TDBGridOptions v) {
    if (v.Contains(dgRowSelect)) {
        v.Exclude(dgEditing);
        v.Exclude(dgAlwaysShowEditor);
    }
    if (v == options_) return;
    const TDBGridOptions old = options_;
    options_ = v;
    if (old.Contains(dgMultiSelect) && !v.Contains(dgMultiSelect)) bookmarks_->ClearAll();
    UpdateGridOptions();
    static const TDBGridOption kLayoutOptions[] = {dgEditing,   dgAlwaysShowEditor, dgTitles,    dgIndicator,
                                                   dgColLines,  dgRowLines,         dgRowSelect, dgAlwaysShowSelection};
    for (TDBGridOption option : kLayoutOptions)
        if (old.Contains(option) != v.Contains(option)) {
            RequestLayout();
            break;
        }
    if (EditorMode()) InvalidateEditor();
}

void TCustomDBGridVyn::UpdateGridOptions() {
    TGridOptions grid = TCustomGrid::Options();
    auto map = [&grid](bool on, std::initializer_list<TGridOption> options) {
        for (TGridOption option : options) on ? grid.Include(option) : grid.Exclude(option);
    };
    map(options_.Contains(dgEditing), {goEditing});
    map(options_.Contains(dgAlwaysShowEditor), {goAlwaysShowEditor});
    map(options_.Contains(dgColumnResize), {goColSizing, goColMoving});
    map(options_.Contains(dgColLines), {goFixedVertLine, goVertLine});
    map(options_.Contains(dgRowLines), {goFixedHorzLine, goHorzLine});
    map(options_.Contains(dgTabs), {goTabs});
    map(options_.Contains(dgRowSelect), {goRowSelect});
    map(rowSizingAllowed_, {goRowSizing});
    TCustomGrid::SetOptions(grid);
}

void TCustomDBGridVyn::SetOptionsVyn(TDBGridVynOptions v) {
    const bool multiSortDropped = optionsVyn_.Contains(dghMultiSortMarking) && !v.Contains(dghMultiSortMarking);
    optionsVyn_ = v;
    if (multiSortDropped && sortMarkedColumns_->Count() > 1) {
        // Only the first marked column keeps its marker (and its index 1).
        std::vector<TColumnVyn*> others;
        for (int i = 1; i < sortMarkedColumns_->Count(); ++i) others.push_back(sortMarkedColumns_->Items(i));
        for (TColumnVyn* column : others) column->Title()->SetSortMarker(smNoneVyn);
        RebuildSortMarkedColumns();
    }
    RequestLayout();
}

void TCustomDBGridVyn::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    Invalidate();
}

void TCustomDBGridVyn::SetRowHeight(int v) {
    rowHeight_ = std::max(v, 0);
    RequestLayout();
}

void TCustomDBGridVyn::SetRowLines(int v) {
    rowLines_ = std::max(v, 0);
    RequestLayout();
}

void TCustomDBGridVyn::SetRowSizingAllowed(bool v) {
    if (v == rowSizingAllowed_) return;
    rowSizingAllowed_ = v;
    UpdateGridOptions();
}

void TCustomDBGridVyn::SetTitleHeight(int v) {
    titleHeight_ = v;
    RequestLayout();
}

void TCustomDBGridVyn::SetTitleLines(int v) {
    titleLines_ = v;
    RequestLayout();
}

void TCustomDBGridVyn::SetVTitleMargin(int v) {
    vTitleMargin_ = v;
    RequestLayout();
}

void TCustomDBGridVyn::SetUseMultiTitle(bool v) {
    useMultiTitle_ = v;
    RequestLayout();
}

void TCustomDBGridVyn::SetTitleImages(TCustomImageList* v) {
    titleImageLink_->SetSender(v);
    if (v) v->FreeNotification(this);
    RequestLayout();
}

void TCustomDBGridVyn::TitleImageListChanged(TObject*) { RequestLayout(); }

void TCustomDBGridVyn::TitleFontChanged(TObject*) {
    if (!Loading() && !selfChangingFromParent_) SetParentFont(false);
    if (options_.Contains(dgTitles)) RequestLayout();
}

void TCustomDBGridVyn::FooterFontChanged(TObject*) {
    if (!Loading() && !selfChangingFromParent_) SetParentFont(false);
    if (footerRowCount_ > 0) RequestLayout();
}

void TCustomDBGridVyn::SumListChanged(TObject*) { InvalidateFooter(); }
void TCustomDBGridVyn::SumListRecalcAll(TObject*) { OnSumListRecalcAll_(sumList_.get()); }
void TCustomDBGridVyn::SumListAfterRecalcAll(TObject*) { OnSumListAfterRecalcAll_(sumList_.get()); }

void TCustomDBGridVyn::SetDataSource(TDataSource* v) {
    if (v == DataSource()) return;
    selection_->Reset();
    dataLink_->SetDataSource(v);
    if (v) v->FreeNotification(this);
    LinkActiveChanged(dataLink_->Active());
    sumList_->SetWatchedDataSet(v ? v->DataSet() : nullptr);
}

int TCustomDBGridVyn::FilterRowCount() const { return stFilter_ && stFilter_->Visible() ? 1 : 0; }

void TCustomDBGridVyn::Notification(TComponent* component, TOperation operation) {
    TCustomGrid::Notification(component, operation);
    if (operation != opRemove) return;
    MemTableDataSetRemoved(component);
    if (dataLink_ && component == DataSource()) SetDataSource(nullptr);
    if (titleImageLink_ && component == TitleImages()) SetTitleImages(nullptr);
    for (TDBGridVynScrollBar* bar : {horzScrollBar_.get(), static_cast<TDBGridVynScrollBar*>(vertScrollBar_.get())})
        if (bar && component == bar->ExtScrollBar()) bar->SetExtScrollBar(nullptr);
    if (!columns_) return;
    for (int i = 0; i < columns_->Count(); ++i) {
        TColumnVyn* column = columns_->Items(i);
        if (column->field_ == component) column->field_ = nullptr;
        if (column->PopupMenu() == component) column->SetPopupMenu(nullptr);
        if (column->ImageList() == component) column->SetImageList(nullptr);
        if (column->DropDownBox()->ListSource() == component) column->DropDownBox()->SetListSource(nullptr);
    }
}

// ---- Coordinates --------------------------------------------------------------------------------

TField* TCustomDBGridVyn::SelectedField() const {
    const int index = SelectedIndex();
    if (index < 0 || index >= columns_->Count()) return nullptr;
    return columns_->Items(index)->BoundField();
}

void TCustomDBGridVyn::SelectColumnOfField(TField* field) {
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->Items(i)->BoundField() == field) {
            SelectColumnByIndex(i);
            return;
        }
}

void TCustomDBGridVyn::SelectColumnByIndex(int index) {
    const int col = DataToRawColumn(index);
    if (col < FixedCols() || col >= ColCount()) return;
    MoveColRow(col, Row(), true, true);
}

// ---- Layout brackets --------------------------------------------------------------------------------

void TCustomDBGridVyn::BeginUpdate() { ++updateLock_; }

void TCustomDBGridVyn::EndUpdate() {
    if (updateLock_ > 0) --updateLock_;
}

void TCustomDBGridVyn::BeginLayout() {
    BeginUpdate();
    if (layoutLock_ == 0) columns_->BeginUpdate();
    ++layoutLock_;
}

void TCustomDBGridVyn::EndLayout() {
    if (layoutLock_ == 0) return;
    auto close = [this] {
        if (layoutLock_ == 1) columns_->EndUpdate();
        --layoutLock_;
        EndUpdate();
    };
    try {
        if (layoutLock_ == 1) LayoutPass();
    } catch (...) {
        close();
        throw;
    }
    close();
}

void TCustomDBGridVyn::CancelLayout() {
    if (layoutLock_ == 0) return;
    if (layoutLock_ == 1) columns_->EndUpdate();
    --layoutLock_;
    EndUpdate();
}

bool TCustomDBGridVyn::BeginLayoutIfFree() {
    if (layoutLock_ > 0 || updateLock_ > 0) return false;
    BeginLayout();
    return true;
}

void TCustomDBGridVyn::RequestLayout() {
    if (BeginLayoutIfFree()) EndLayout();
}

void TCustomDBGridVyn::PostDeferredLayout() {
    if (HandleAllocated()) {
        MSG queued;
        if (!PeekMessage(&queued, Handle(), WM_DEFERRED_LAYOUT_VYN, WM_DEFERRED_LAYOUT_VYN, PM_NOREMOVE))
            PostMessage(Handle(), WM_DEFERRED_LAYOUT_VYN, 0, 0);
    }
    CancelLayout();
}

void TCustomDBGridVyn::DiscardPendingMessage(UINT message) {
    if (!HandleAllocated()) return;
    MSG removed;
    if (PeekMessage(&removed, Handle(), message, message, PM_REMOVE) && removed.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(removed.wParam));
}

void TCustomDBGridVyn::RebuildSortMarkedColumns() {
    sortMarkedColumns_->Clear();
    std::vector<TColumnVyn*> marked;
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->Items(i)->Title()->SortMarker() != smNoneVyn) marked.push_back(columns_->Items(i));
    std::stable_sort(marked.begin(), marked.end(), [](TColumnVyn* a, TColumnVyn* b) {
        return a->Title()->SortIndex() < b->Title()->SortIndex();
    });
    for (TColumnVyn* column : marked) sortMarkedColumns_->Add(column);
}

void TCustomDBGridVyn::GetDatasetFields(std::vector<TField*>& fields) const {
    TDataSet* dataSet = dataLink_->DataSet();
    if (!dataSet) return;
    for (int i = 0; i < dataSet->FieldCount(); ++i) fields.push_back(dataSet->Fields()->Fields(i));
}

// ---- Reactions to the data link --------------------------------------------------------------------

void TCustomDBGridVyn::LinkActiveChanged(bool active) {
    if (!active) HideEditor();
    selection_->DataLinkActiveChanged(active);
    sumList_->SetWatchedDataSet(DataSource() ? DataSource()->DataSet() : nullptr);
    RequestLayout();
    if (active && EditorAlwaysVisible()) ShowEditorNow();
    UpdateVertScrollBar();
    CheckMemTableMode();
}


void TCustomDBGridVyn::InvalidateIndicator() {
    if (!options_.Contains(dgIndicator) || !HandleAllocated()) return;
    InvalidateCell(0, indicatorRow_ >= 0 && indicatorRow_ < RowCount() ? indicatorRow_ : Row());
}

void TCustomDBGridVyn::InvalidateSelection() {
    if (selection_->Kind() != gstNon) Invalidate();
    InvalidateRow(Row());
}

int TCustomDBGridVyn::VisibleDataRowCount() const {
    if (footerRowCount_ == 0) return VisibleRowCount();
    return std::max(VisibleRowCount() - footerRowCount_ - 1, 1);
}

bool TCustomDBGridVyn::SelectionKindAllowed(TDBGridVynSelectionType kind) const {
    if (kind == gstNon) return true;
    if (!options_.Contains(dgMultiSelect) || !allowedSelections_.Contains(kind)) return false;
    return (kind != gstRectangle && kind != gstColumns) || !options_.Contains(dgRowSelect);
}

void TCustomDBGridVyn::InvalidateFooter() {
    if (footerRowCount_ == 0 || !HandleAllocated()) return;
    for (int row = std::max(RowCount() - footerRowCount_, 0); row < RowCount(); ++row) InvalidateRow(row);
}

bool TCustomDBGridVyn::ColumnEditable(int col) const {
    const int index = RawToDataColumn(col);
    if (index < 0 || index >= columns_->Count() || !options_.Contains(dgEditing) || readOnly_) return false;
    TColumnVyn* column = columns_->Items(index);
    TField* field = column->BoundField();
    return !column->ReadOnly() && field && field->CanModify();
}

bool TCustomDBGridVyn::EditAllowed() const {
    if (!dataLink_->Active()) return false;
    TDataSet* dataSet = dataLink_->DataSet();
    return (allowedOperations_.Contains(alopUpdateVyn) || dataSet->State() == dsInsert) &&
           (!dataSet->IsEmpty() || allowedOperations_.Contains(alopInsertVyn) ||
            allowedOperations_.Contains(alopAppendVyn));
}

bool TCustomDBGridVyn::TrySetFocus() {
    if (!CanFocus()) return true;
    SetFocus();
    const HWND focus = GetFocus();
    if (focus != Handle() && !(InplaceEditor() && InplaceEditor()->HandleAllocated() &&
                                focus == InplaceEditor()->Handle())) {
        TCustomForm* form = Screen->ActiveCustomForm();
        if (auto* main = dynamic_cast<TForm*>(form); main && main->FormStyle() == fsMDIForm) ::SetFocus(Handle());
    }
    const HWND now = GetFocus();
    return now == Handle() || (InplaceEditor() && InplaceEditor()->HandleAllocated() && now == InplaceEditor()->Handle());
}

bool TCustomDBGridVyn::EditorAlwaysVisible() const {
    return options_.Contains(dgAlwaysShowEditor) && !filterRowEditing_;
}

void TCustomDBGridVyn::ShowEditorNow() {
    if (filterRowEditing_)
        ShowFilterEditor(true);
    else
        ShowEditor();
}

// ---- Event hooks ----------------------------------------------------------------------------------

void TCustomDBGridVyn::CellClick(TColumnVyn* column) { OnCellClick_(column); }

void TCustomDBGridVyn::CheckTitleButton(int col, bool& enabled) {
    if (col < 0 || col >= columns_->Count()) {
        enabled = false;
        return;
    }
    OnCheckButton_(this, col, columns_->Items(col), enabled);
}

void TCustomDBGridVyn::ColEnter() {
    ApplyIme();
    OnColEnter_(this);
}

void TCustomDBGridVyn::ColExit() { OnColExit_(this); }
void TCustomDBGridVyn::TitleBtnClick(int col, TColumnVyn* column) { OnTitleBtnClick_(this, col, column); }

void TCustomDBGridVyn::DrawColumnCell(const TRect& rect, int dataCol, TColumnVyn* column, TGridDrawState state) {
    OnDrawColumnCell_(this, rect, dataCol, column, state);
}

void TCustomDBGridVyn::DrawDataCell(const TRect& rect, TField* field, TGridDrawState state) {
    OnDrawDataCell_(this, rect, field, state);
}

void TCustomDBGridVyn::EditButtonClick() { OnEditButtonClick_(this); }

void TCustomDBGridVyn::GetCellParams(TColumnVyn* column, TFont* font, TColor& background, TGridDrawState state) {
    OnGetCellParams_(this, column, font, background, state);
}

void TCustomDBGridVyn::GetFooterParams(int dataCol, int row, TColumnVyn* column, TFont* font, TColor& background,
                                       TAlignment& alignment, TGridDrawState state, AnsiString& text) {
    OnGetFooterParams_(this, dataCol, row, column, font, background, alignment, state, text);
}

void TCustomDBGridVyn::TitleClick(TColumnVyn* column) { OnTitleClick_(column); }

// ---- Input methods ----------------------------------------------------------------------------------

void TCustomDBGridVyn::UpdateIme() {
    SetImeMode(defaultImeMode_);
    SetImeName(defaultImeName_);
    const int index = SelectedIndex();
    if (index >= 0 && index < columns_->Count()) {
        TColumnVyn* column = columns_->Items(index);
        if (column->Owns(cvImeMode)) SetImeMode(column->ImeMode());
        if (column->Owns(cvImeName)) SetImeName(column->ImeName());
    }
    if (TInplaceEdit* editor = InplaceEditor()) {
        editor->SetImeMode(ImeMode());
        editor->SetImeName(ImeName());
    }
}

void TCustomDBGridVyn::ApplyIme() {
    // The platform's one input method is switched on or off with the mode.
    UpdateIme();
}

// ---- Window and streaming -------------------------------------------------------------------------

void TCustomDBGridVyn::CreateWnd() {
    BeginUpdate();
    try {
        TCustomGrid::CreateWnd();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    editButtonWidth_ = flat_ ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
    editButtonHeight_ = EditButtonHeightFor(DefaultRowHeight());
    if (autoFitColWidths_) {
        RequestLayout();
    } else {
        RecalcRowCount();
        RecordChanged(nullptr);
    }
    UpdateVertScrollBar();
    defaultImeMode_ = ImeMode();
    defaultImeName_ = ImeName();
}

void TCustomDBGridVyn::Loaded() {
    TCustomGrid::Loaded();
    if (columns_->Count() > 0) SetColCount(columns_->Count());
    if (autoFitColWidths_) {
        columns_->BeginUpdate();
        for (int i = 0; i < columns_->Count(); ++i)
            columns_->Items(i)->SetAutoFitBaseWidth(columns_->Items(i)->Width());
        columns_->EndUpdate();
        TCustomGrid::SetScrollBars(ssNone);
    }
    RebuildSortMarkedColumns();
    if (DataSource()) sumList_->AfterLoad();
    RequestLayout();
    BeginLayout();
    PostDeferredLayout();
}

void TCustomDBGridVyn::DefineProperties(TFiler* filer) {
    TCustomGrid::DefineProperties(filer);
    filer->DefineProperty(
        "Columns", [this](TReader* reader) { ReadColumns(reader); }, [this](TWriter* writer) { WriteColumns(writer); },
        ColumnsStored());
}

bool TCustomDBGridVyn::ColumnsStored() const {
    // Written forms have no ancestor here; a customized set is written whole.
    return columns_->Customized();
}

void TCustomDBGridVyn::ReadColumns(TReader* reader) {
    columns_->Clear();
    reader->ReadCollection(columns_.get());
}

void TCustomDBGridVyn::WriteColumns(TWriter* writer) { writer->WriteCollection(columns_.get()); }

TInplaceEdit* TCustomDBGridVyn::CreateEditor() { return TDBGridInplaceEdit::Create(this); }

void TCustomDBGridVyn::DefaultHandler(TMessage& Message) {
    TCustomGrid::DefaultHandler(Message);
    if (Message.Msg != WM_RBUTTONUP) return;
    const TGridCoord cell = MouseCoord(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    const int index = RawToDataColumn(cell.X);
    if (cell.Y < topDataOffset_ || index < 0 || index >= columns_->Count()) return;
    TPopupMenu* menu = columns_->Items(index)->PopupMenu();
    if (!menu || !menu->AutoPopup()) return;
    SendMessage(Handle(), WM_CANCELMODE, 0, 0);
    menu->SetPopupComponent(this);
    POINT at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    ::ClientToScreen(Handle(), &at);
    menu->Popup(at.x, at.y);
    Message.Result = 1;
}

void TCustomDBGridVyn::ColumnMoved(int fromIndex, int toIndex) {
    stFilter_->BeginUpdate();
    try {
        const int from = RawToDataColumn(fromIndex);
        const int to = RawToDataColumn(toIndex);
        columns_->Items(from)->SetIndex(to);
        OnColumnMoved_(this, from, to);
        // The column being filtered keeps its filter editor.
        if (filterColumn_ == from)
            filterColumn_ = to;
        else if (filterColumn_ > from && filterColumn_ <= to)
            --filterColumn_;
        else if (filterColumn_ < from && filterColumn_ >= to)
            ++filterColumn_;
    } catch (...) {
        stFilter_->EndUpdate();
        throw;
    }
    stFilter_->EndUpdate();
    RefreshFilterEditor();
}
