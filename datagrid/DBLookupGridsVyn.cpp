// The lookup grid: the master and list fields, the key value and the
// special row, whole-row geometry, keys, type-ahead and mouse choosing.
#include "datagrid/DBLookupGridsVyn.h"

#include "datagrid/DBLookupGridColumnsVyn.h"

#include <algorithm>

#include "platform/data/field.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/msgqueue.h"

namespace {

// One time for all lookup grids: type-ahead goes on within 2000 ms.
Cardinal lastSearchTick = 0;
constexpr Cardinal kSearchPause = 2000;
constexpr std::size_t kSearchLength = 32;
constexpr UINT_PTR kListScrollTimer = 0x4C53;

}  // namespace

bool IsTypeAheadField(const TField* field) {
    if (!field) return false;
    const TFieldType type = field->DataType();
    const bool text = type == ftString || type == ftWideString || type == ftFixedChar;
    return text && (field->FieldKind() == fkData || field->FieldKind() == fkInternalCalc);
}

Variant KeyFieldValues(const std::vector<TField*>& fields) {
    if (fields.empty()) return Null();
    if (fields.size() == 1) return fields.front()->Value();
    std::vector<Variant> values;
    for (TField* field : fields) values.push_back(field->Value());
    return VarArrayOf(std::span<const Variant>(values));
}

void CheckListBindingChangeable(TComponent* control, bool lookupMode, const TDataLink* masterLink) {
    if (lookupMode) DatabaseError(SPropDefByLookup, control);
    if (masterLink->DataSourceFixed()) DatabaseError(SDataSourceFixed, control);
}

bool KeyFitsFields(const Variant& key, std::size_t keyFieldCount) {
    if (VarIsArray(key))
        return keyFieldCount > 1 && VarArrayDimCount(key) == 1 &&
               VarArrayHighBound(key, 1) - VarArrayLowBound(key, 1) + 1 == static_cast<int>(keyFieldCount);
    return keyFieldCount == 1;
}

bool LocateKey(TDataSet* list, const AnsiString& keyField, const Variant& key, std::size_t keyFieldCount) {
    if (VarIsNull(key) || VarIsEmpty(key) || !list || !list->Active() || !KeyFitsFields(key, keyFieldCount))
        return false;
    try {
        return list->Locate(keyField, key, {});
    } catch (const Exception&) {
        return false;
    }
}

TField* MasterLookupField(const std::vector<TField*>& masterFields) {
    return masterFields.size() == 1 && masterFields.front()->Lookup() ? masterFields.front() : nullptr;
}

TLookupListFieldsVyn FindListFields(TDataSet* list, const AnsiString& keyField, const AnsiString& listField,
                                    int listFieldIndex, const TField* lookupField) {
    TLookupListFieldsVyn found;
    found.keyFields = list->GetFieldList(keyField);
    found.listFields = list->GetFieldList(listField);
    std::vector<TField*>& fields = found.listFields;
    if (lookupField) {
        found.displayField = list->FieldByName(lookupField->LookupResultField());
        if (std::find(fields.begin(), fields.end(), found.displayField) == fields.end())
            fields.insert(fields.begin(), found.displayField);
    } else {
        if (fields.empty()) fields = found.keyFields;
        const bool inRange = listFieldIndex >= 0 && listFieldIndex < static_cast<int>(fields.size());
        found.displayField = fields.empty() ? nullptr : fields[static_cast<std::size_t>(inRange ? listFieldIndex : 0)];
    }
    return found;
}

// ---- The master link --------------------------------------------------------------------------------

void TLookupGridDataLinkVyn::ActiveChanged() { grid_->ResolveDataFields(); }
void TLookupGridDataLinkVyn::LayoutChanged() { grid_->ResolveDataFields(); }
void TLookupGridDataLinkVyn::RecordChanged(TField* field) { grid_->MasterRecordChanged(field); }

void TLookupGridDataLinkVyn::FocusControl(TField** field) {
    if (!*field || grid_->DataField().empty()) return;
    TDataSet* dataSet = DataSet();
    const std::vector<TField*> fields = dataSet ? dataSet->GetFieldList(grid_->DataField()) : std::vector<TField*>();
    if (!fields.empty() && fields.front() == *field && grid_->CanFocus()) {
        *field = nullptr;
        grid_->SetFocus();
    }
}

// ---- Creation -----------------------------------------------------------------------------------------

TDBLookupGridVyn::TDBLookupGridVyn(TComponent* owner)
    : TCustomDBGridVyn(owner),
      masterLink_(std::make_unique<TLookupGridDataLinkVyn>(this)),
      specRow_(std::make_unique<TSpecRowVyn>(this)) {
    SetOptions(TDBGridOptions{dgColLines, dgRowSelect});
    SetOptionsVyn(OptionsVyn() + TDBGridVynOptions{dghTraceColSizing});
    VertScrollBar()->SetTracking(true);
    SetFlat(true);
    SetDrawMemoText(true);
    SetTabStop(false);
    SetVTitleMargin(5);
    SetParentColor(false);
    specRow_->SetOnChangeNotify(TNotifyEvent(this, &TDBLookupGridVyn::SpecRowChanged));
}

TDBLookupGridVyn::~TDBLookupGridVyn() { masterLink_->SetDataSource(nullptr); }

TDataSet* TDBLookupGridVyn::ListDataSet() const { return DataLink()->DataSet(); }

void TDBLookupGridVyn::SetLookupOptions(TDBLookupGridVynOptions v) {
    lookupOptions_ = v;
    TDBGridOptions grid = Options();
    TDBGridVynOptions own = OptionsVyn();
    const auto map = [v](auto& set, TDBLookupGridVynOption option, auto member) {
        v.Contains(option) ? set.Include(member) : set.Exclude(member);
    };
    map(grid, dlgColumnResizeVyn, dgColumnResize);
    map(grid, dlgColLinesVyn, dgColLines);
    map(grid, dlgRowLinesVyn, dgRowLines);
    map(own, dlgAutoSortMarkingVyn, dghAutoSortMarking);
    map(own, dlgMultiSortMarkingVyn, dghMultiSortMarking);
    SetOptions(grid);
    SetOptionsVyn(own);
}

// ---- Properties ---------------------------------------------------------------------------------------

void TDBLookupGridVyn::SetMasterSource(TDataSource* v) {
    if (!(masterLink_->DataSourceFixed() && Loading())) masterLink_->SetDataSource(v);
    if (v) v->FreeNotification(this);
}

void TDBLookupGridVyn::SetDataField(const AnsiString& v) {
    if (dataField_ == v) return;
    dataField_ = v;
    ResolveDataFields();
}

void TDBLookupGridVyn::SetListSource(TDataSource* v) {
    CheckListBindingChangeable(this, lookupMode_, masterLink_.get());
    SetDataSource(v);
}

void TDBLookupGridVyn::SetKeyField(const AnsiString& v) {
    CheckListBindingChangeable(this, lookupMode_, masterLink_.get());
    if (keyField_ == v) return;
    keyField_ = v;
    ResolveListFields();
    FitToContent();
}

void TDBLookupGridVyn::SetListField(const AnsiString& v) {
    if (listField_ == v) return;
    listField_ = v;
    ResolveListFields();
    FitToContent();
}

void TDBLookupGridVyn::SetListFieldIndex(int v) {
    if (listFieldIndex_ == v) return;
    listFieldIndex_ = v;
    ResolveListFields();
}

void TDBLookupGridVyn::SetKeyValue(const Variant& v) {
    if (SameVariantValue(keyValue_, v)) return;
    keyValue_ = v;
    AfterKeyValueChange();
}

void TDBLookupGridVyn::SetShowTitles(bool v) {
    if (ShowTitles() == v) return;
    SetOptions(v ? Options() + TDBGridOptions{dgTitles} : Options() - TDBGridOptions{dgTitles});
    SetHeight(HeightForRows(listRowCount_));
}

void TDBLookupGridVyn::Notification(TComponent* component, TOperation operation) {
    TCustomDBGridVyn::Notification(component, operation);
    if (operation == opRemove && masterLink_ && component == masterLink_->DataSource())
        masterLink_->SetDataSource(nullptr);
}

// ---- Master fields ----------------------------------------------------------------------------------

void TDBLookupGridVyn::ResolveDataFields() {
    masterFields_.clear();
    masterKeyFields_.clear();
    if (masterLink_->Active() && !dataField_.empty()) {
        TDataSet* master = masterLink_->DataSet();
        if (ListSource() && ListSource()->IsLinkedTo(master)) DatabaseError(SCircularDataLink, this);
        masterFields_ = master->GetFieldList(dataField_);
        TField* lookup = MasterLookupField(masterFields_);
        if (lookup) {
            masterKeyFields_ = master->GetFieldList(lookup->KeyFields());
            if (!lookupSource_) lookupSource_ = std::make_unique<TDataSource>(nullptr);
            lookupSource_->SetDataSet(lookup->LookupDataSet());
            lookupMode_ = true;
            keyField_ = lookup->LookupKeyFields();
            SetDataSource(lookupSource_.get());
        } else {
            masterKeyFields_ = masterFields_;
        }
        if (!lookup && lookupMode_) {
            lookupMode_ = false;
            SetDataSource(nullptr);
            lookupSource_.reset();
        }
    }
    MasterRecordChanged(nullptr);
}

void TDBLookupGridVyn::MasterRecordChanged(TField* field) {
    if (field && std::find(masterKeyFields_.begin(), masterKeyFields_.end(), field) == masterKeyFields_.end()) return;
    SetKeyValue(masterLink_->Active() ? KeyFieldValues(masterKeyFields_) : Null());
}

// ---- List fields ---------------------------------------------------------------------------------------

void TDBLookupGridVyn::ResolveListFields() {
    listActive_ = false;
    displayField_ = nullptr;
    listFields_.clear();
    keyFields_.clear();
    try {
        if (DataLink()->Active() && !keyField_.empty()) {
            TDataSet* list = ListDataSet();
            if (masterLink_->DataSource() && masterLink_->DataSource()->IsLinkedTo(list))
                DatabaseError(SCircularDataLink, this);
            TLookupListFieldsVyn found =
                FindListFields(list, keyField_, listField_, listFieldIndex_, lookupMode_ ? masterFields_.front() : nullptr);
            keyFields_ = std::move(found.keyFields);
            listFields_ = std::move(found.listFields);
            displayField_ = found.displayField;
            listActive_ = true;
        }
    } catch (...) {
        listActive_ ? AfterKeyValueChange() : ListDataChanged();
        throw;
    }
    if (lookupMode_ && !masterFields_.empty()) keyField_ = masterFields_.front()->LookupKeyFields();
    listActive_ ? AfterKeyValueChange() : ListDataChanged();
    RequestLayout();
}

bool TDBLookupGridVyn::KeyValueFitsFields() const { return KeyFitsFields(keyValue_, keyFields_.size()); }

bool TDBLookupGridVyn::FindKeyInList() { return LocateKey(ListDataSet(), keyField_, keyValue_, keyFields_.size()); }

Variant TDBLookupGridVyn::CurrentKey() const { return KeyFieldValues(keyFields_); }

// ---- The key value ---------------------------------------------------------------------------------

void TDBLookupGridVyn::AfterKeyValueChange() {
    if (specRow_->Visible()) {
        specRowSelected_ = specRow_->MatchesKey(keyValue_);
        if (!specRowSelected_ && !locked_ && specRow_->ShowIfNotInKeyList()) {
            if (FindKeyInList())
                ListDataChanged();
            else
                specRowSelected_ = true;
        }
    } else {
        specRowSelected_ = false;
    }
    bool found = false;
    if (listActive_ && !locked_) {
        found = FindKeyInList();
        if (found || specRowSelected_)
            ListDataChanged();
        else
            ListDataSet()->First();
    } else if (listActive_) {
        found = SameVariantValue(CurrentKey(), keyValue_);
    }
    // A key the list does not hold shows no record's text.
    if (specRow_->Visible() && specRowSelected_)
        selectedText_ = specRow_->CellText(listFieldIndex_);
    else
        selectedText_ = found && displayField_ ? displayField_->DisplayText() : AnsiString();
    Invalidate();
}

void TDBLookupGridVyn::ListDataChanged() {
    if (HandleAllocated()) RequestLayout();
}

void TDBLookupGridVyn::ApplyKeyValue(const Variant& value) {
    if (masterKeyFields_.empty()) {
        SetKeyValue(value);
    } else if (masterLink_->Edit()) {
        if (masterKeyFields_.size() == 1) {
            masterKeyFields_.front()->SetValue(value);
        } else {
            for (std::size_t i = 0; i < masterKeyFields_.size(); ++i)
                masterKeyFields_[i]->SetValue(VarIsArray(value) ? VarArrayGet(value, {static_cast<int>(i)})
                                                                : Null());
        }
    }
    RecordChanged(nullptr);
    Invalidate();
    Click();
}

void TDBLookupGridVyn::SpecRowChanged(TObject*) {
    RequestLayout();
    AfterKeyValueChange();
}

void TDBLookupGridVyn::ChooseCurrentRecord() {
    const ValueRestorer<bool> lock(locked_, true);
    const Variant key = CurrentKey();
    specRowSelected_ = false;
    if (!SameVariantValue(key, keyValue_)) ApplyKeyValue(key);
    selectedText_ = displayField_ ? displayField_->DisplayText() : AnsiString();
    Invalidate();
}

void TDBLookupGridVyn::ChooseSpecRow() {
    const ValueRestorer<bool> lock(locked_, true);
    if (!SameVariantValue(specRow_->Value(), keyValue_)) ApplyKeyValue(specRow_->Value());
    specRowSelected_ = true;
    selectedText_ = specRow_->CellText(listFieldIndex_);
    Invalidate();
}

void TDBLookupGridVyn::ChooseRecordAt(int x, int y) {
    if (!listActive_) return;
    const int titles = TitleRowCount();
    y = std::min(y, ClientHeight() - 1);
    const TGridCoord cell = MouseCoord(x, y);
    if (specRow_->Visible() && cell.Y == titles) return ChooseSpecRow();
    const int row = cell.Y - TopDataOffset();
    if (cell.Y < 0 || row < 0 || row >= DataLink()->RecordCount()) return;
    ListDataSet()->MoveBy(row - DataLink()->ActiveRecord());
    ChooseCurrentRecord();
}

// ---- Geometry -----------------------------------------------------------------------------------------

int TDBLookupGridVyn::FrameSize() const { return Height() - ClientHeight(); }

int TDBLookupGridVyn::ListRowHeight() const {
    return DefaultRowHeight() + (Options().Contains(dgRowLines) ? GridLineWidth() : 0);
}

int TDBLookupGridVyn::SpecRowHeight() const { return ListRowHeight(); }

int TDBLookupGridVyn::TitlePixels() const {
    return ShowTitles() && RowCount() > 0 ? RowHeights(0) : 0;
}

int TDBLookupGridVyn::ContentWidth() const {
    const int line = Options().Contains(dgColLines) ? GridLineWidth() : 0;
    int width = 0;
    for (int i = 0; i < VisibleColumns()->Count(); ++i) width += VisibleColumns()->Items(i)->Width() + line;
    return width;
}

void TDBLookupGridVyn::SetAutoFitColWidths(bool v) {
    autoFitColWidths_ = v;
    SetScrollBars(v ? ssNone : ssHorizontal);
    SetListRowCount(listRowCount_);
    RefreshListScrollBar();
    FitToContent();
}

void TDBLookupGridVyn::FitToContent() {
    if (fitting_ || !autoFitColWidths_) return;
    const ValueRestorer<bool> guard(fitting_, true);
    // The grid's own fitting runs once; the widths it gives stay the
    // columns' own.
    TCustomDBGridVyn::SetAutoFitColWidths(true);
    for (int i = 0; i < Columns()->Count(); ++i) Columns()->Items(i)->SetWidth(Columns()->Items(i)->Width());
    TCustomDBGridVyn::SetAutoFitColWidths(false);
    SetScrollBars(ssNone);
    SetListRowCount(listRowCount_);
}

void TDBLookupGridVyn::ColWidthsChanged() {
    TCustomDBGridVyn::ColWidthsChanged();
    if (autoFitColWidths_ && !fitting_ && GridState() == gsColSizing) SetClientWidth(ContentWidth());
}

int TDBLookupGridVyn::HeightForRows(int rows) const {
    const int line = Options().Contains(dgRowLines) ? GridLineWidth() : 0;
    return TitlePixels() + line + rows * ListRowHeight() + FrameSize() + SpecRowPixels();
}

void TDBLookupGridVyn::SetListRowCount(int v) {
    listRowCount_ = std::clamp(v, 1, 100);
    SetHeight(HeightForRows(listRowCount_));
}

void TDBLookupGridVyn::SetBounds(int left, int top, int width, int height) {
    if (ListRowHeight() > 0) {
        const int line = Options().Contains(dgRowLines) ? GridLineWidth() : 0;
        listRowCount_ =
            std::max((height - FrameSize() - TitlePixels() - SpecRowPixels() - line) / ListRowHeight(), 1);
        height = HeightForRows(listRowCount_);
    }
    const bool resized = width != Width() || height != Height();
    TCustomDBGridVyn::SetBounds(left, top, width, height);
    if (resized && autoFitColWidths_) FitToContent();
}

int TDBLookupGridVyn::FilterRowCount() const {
    return TCustomDBGridVyn::FilterRowCount() + (specRow_ && specRow_->Visible() ? 1 : 0);
}

// ---- Grid reactions -----------------------------------------------------------------------------------

TDBGridColumnsVyn* TDBLookupGridVyn::CreateColumns() {
    return new TDBGridColumnsVyn(this, TDBLookupGridColumnVyn::StaticClass());
}

namespace {

// `items` with the entry at `from` moved to `to`, joined by ";".
AnsiString MovedEntries(TStrings* items, int from, int to) {
    while (items->Count() <= std::max(from, to)) items->Add(AnsiString());
    const AnsiString moved = items->Strings(from);
    items->Delete(from);
    items->Insert(to, moved);
    AnsiString joined;
    for (int i = 0; i < items->Count(); ++i) joined += (i ? ";" : "") + items->Strings(i);
    return joined;
}

}  // namespace

void TDBLookupGridVyn::ColumnMoved(int fromIndex, int toIndex) {
    const int from = RawToDataColumn(fromIndex), to = RawToDataColumn(toIndex);
    const bool carry = listActive_ && from != to && dynamic_cast<TDBLookupGridColumnVyn*>(Columns()->Items(from));
    // Read before the move: columns made from the list fields are made
    // again in the list's order.
    TStringList names;
    for (int i = 0; i < Columns()->Count(); ++i) names.Add(Columns()->Items(i)->FieldName());
    const bool fromListFields = !Columns()->Customized();
    TCustomDBGridVyn::ColumnMoved(fromIndex, toIndex);
    if (!carry) return;
    TStringList cells;
    SplitCellsText(&cells, specRow_->CellsText());
    specRow_->LockChanges();
    specRow_->SetCellsText(MovedEntries(&cells, from, to));
    specRow_->UnlockChanges();
    if (listFieldIndex_ == from)
        listFieldIndex_ = to;
    else if (from < listFieldIndex_ && listFieldIndex_ <= to)
        --listFieldIndex_;
    else if (to <= listFieldIndex_ && listFieldIndex_ < from)
        ++listFieldIndex_;
    if (fromListFields) SetListField(MovedEntries(&names, from, to));
}

void TDBLookupGridVyn::BuildFieldMap() {
    if (Columns()->Customized()) return TCustomDBGridVyn::BuildFieldMap();
    DataLink()->SetSparseMap(false);
    for (TField* field : listFields_) DataLink()->MapField(field->FieldName());
}

void TDBLookupGridVyn::LinkActiveChanged(bool active) {
    ResolveListFields();
    TCustomDBGridVyn::LinkActiveChanged(active);
    FitToContent();
}

void TDBLookupGridVyn::DataScrolled(int distance) {
    BeginLayout();
    try {
        TCustomDBGridVyn::DataScrolled(distance);
    } catch (...) {
        EndLayout();
        throw;
    }
    EndLayout();
    ListDataChanged();
}

void TDBLookupGridVyn::RebuildLayout() {
    TCustomDBGridVyn::RebuildLayout();
    ListDataChanged();
}

void TDBLookupGridVyn::RecalcRowCount() {
    if (inRowCount_) return;
    const ValueRestorer<bool> guard(inRowCount_, true);
    TCustomDBGridVyn::RecalcRowCount();
}

bool TDBLookupGridVyn::GetDataCellColors(int, int, TFont* font, TColor& background, TGridDrawState& state,
                                         const AnsiString&) {
    const bool keyRow = UpdateLock() == 0 && listActive_ && !specRowSelected_ && !keyFields_.empty() &&
                        SameVariantValue(CurrentKey(), keyValue_);
    if (!keyRow) {
        // Only the key's row shows as chosen, not the grid's current row.
        state.Exclude(gdSelected);
        state.Exclude(gdFocused);
        return false;
    }
    font->SetColor(clHighlightText);
    background = clHighlight;
    return true;
}

void TDBLookupGridVyn::DrawFilterCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                                      const TCellTypeVyn& type, bool& highlighted) {
    if (!specRow_->Visible()) return TCustomDBGridVyn::DrawFilterCell(column, col, row, rect, state, type, highlighted);
    TCanvas* canvas = Canvas();
    auto* lookupColumn = dynamic_cast<TDBLookupGridColumnVyn*>(column);
    TGridColumnSpecCellVyn* cell = lookupColumn ? lookupColumn->SpecCell() : nullptr;
    canvas->SetFont(cell ? cell->Font() : specRow_->Font());
    TColor background = cell ? cell->Color() : specRow_->Color();
    if (specRowSelected_) {
        canvas->Font()->SetColor(clHighlightText);
        background = clHighlight;
    }
    canvas->Brush()->SetColor(background);
    // Placed as the data cells place their text.
    WriteCellText(canvas, rect, 0, 0, true, false, tlTop, column->Alignment(),
                  cell ? cell->Text() : specRow_->CellText(column->Index()),
                  Flat() ? 1 : 2, 2, true);
    if (specRowSelected_) canvas->DrawFocusRect(rect);
    highlighted = specRowSelected_;
}

// ---- Keys ------------------------------------------------------------------------------------------------

bool TDBLookupGridVyn::ValueEditable() {
    if (!listActive_ || masterLink_->ReadOnly()) return false;
    if (!masterLink_->DataSource()) return true;
    if (masterKeyFields_.empty()) return false;
    return std::all_of(masterKeyFields_.begin(), masterKeyFields_.end(),
                       [](TField* field) { return field->CanModify(); });
}

void TDBLookupGridVyn::MoveChoice(int step, bool toFirst, bool toLast) {
    TDataSet* list = ListDataSet();
    searchText_.clear();
    if (toFirst || toLast) {
        toFirst ? list->First() : list->Last();
        return ChooseCurrentRecord();
    }
    if (specRowSelected_ && specRow_->Visible()) {
        if (step < 0) return;
        list->First();
        return ChooseCurrentRecord();
    }
    // Nothing chosen yet: any move chooses the first record, or the keys
    // could never choose anything.
    if (VarIsNull(keyValue_) || VarIsEmpty(keyValue_)) {
        list->First();
        return ChooseCurrentRecord();
    }
    // The move starts at the key's record; a key no longer in the list is
    // shown again first.
    if (!FindKeyInList()) {
        AfterKeyValueChange();
        return;
    }
    const int moved = list->MoveBy(step);
    if (step < 0 && moved == 0 && specRow_->Visible()) {
        ChooseSpecRow();
        list->First();
        return;
    }
    ChooseCurrentRecord();
}

void TDBLookupGridVyn::KeyDown(Word& key, TShiftState shift) {
    if (!ValueEditable()) return TCustomDBGridVyn::KeyDown(key, shift);
    const int page = std::max(VisibleDataRowCount() - 1, 1);
    const bool horizontal = !HorzScrollBar()->Visible();
    switch (key) {
        case VK_PRIOR: MoveChoice(-page, false, false); break;
        case VK_NEXT: MoveChoice(page, false, false); break;
        case VK_HOME: MoveChoice(0, true, false); break;
        case VK_END: MoveChoice(0, false, true); break;
        case VK_UP: MoveChoice(-1, false, false); break;
        case VK_DOWN: MoveChoice(1, false, false); break;
        case VK_LEFT:
        case VK_RIGHT:
            if (!horizontal) return TCustomDBGridVyn::KeyDown(key, shift);
            MoveChoice(key == VK_LEFT ? -1 : 1, false, false);
            break;
        default: return TCustomDBGridVyn::KeyDown(key, shift);
    }
    key = 0;
}

void TDBLookupGridVyn::KeyPress(char& key) {
    if (IsTypeAheadField(displayField_) && ValueEditable()) {
        IncrementalSearch(key);
        key = 0;
        return;
    }
    TCustomDBGridVyn::KeyPress(key);
}

void TDBLookupGridVyn::IncrementalSearch(char key) {
    if (key == '\b' || key == '\x1B') {
        searchText_.clear();
        return;
    }
    if (static_cast<unsigned char>(key) < 32) return;
    const Cardinal now = GetTickCount();
    if (now - lastSearchTick > kSearchPause) searchText_.clear();
    lastSearchTick = now;
    // A double-byte character's further bytes wait as the next WM_CHARs.
    AnsiString typed(1, key);
    if (IsDBCSLeadByte(static_cast<unsigned char>(key)) && HandleAllocated()) {
        std::size_t wanted = 2;
        MSG message;
        while (typed.size() < wanted) {
            if (PeekMessage(&message, 0, WM_QUIT, WM_QUIT, PM_REMOVE)) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            if (!PeekMessage(&message, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE)) break;
            typed += static_cast<char>(message.wParam);
            // A trail byte that is a digit makes a four-byte character.
            if (typed.size() == 2 && typed[1] >= '0' && typed[1] <= '9') wanted = 4;
        }
    }
    // The text never ends in half a character.
    if (searchText_.size() + typed.size() > kSearchLength) return;
    const AnsiString text = searchText_ + typed;
    try {
        if (ListDataSet()->Locate(displayField_->FieldName(), Variant(text),
                                  TLocateOptions{loCaseInsensitive, loPartialKey})) {
            searchText_ = text;
            ChooseCurrentRecord();
        }
    } catch (const Exception&) {
        searchText_ = text;
    }
}

// ---- Mouse ------------------------------------------------------------------------------------------------

void TDBLookupGridVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    const bool onList = cell.Y >= TitleRowCount() && cell.X >= 0;
    if (!onList || !listActive_) return TCustomDBGridVyn::MouseDown(button, shift, x, y);
    if (OnMouseDown()) OnMouseDown()(this, button, shift, x, y);
    if (button != mbLeft) return;
    searchText_.clear();
    if (!mouseWithoutFocus_) {
        if (CanFocus()) SetFocus();
        if (!Focused()) return;
    }
    if (!ValueEditable()) return;
    if (shift.Contains(ssDouble) && cell.Y - TopDataOffset() == DataLink()->ActiveRecord()) return DblClick();
    tracking_ = true;
    SetMouseCapture(true);
    ChooseRecordAt(x, y);
}

void TDBLookupGridVyn::MouseMove(TShiftState shift, int x, int y) {
    if (tracking_) {
        ChooseRecordAt(x, y);
        AutoScrollFrom(y);
    }
    TCustomDBGridVyn::MouseMove(shift, x, y);
}

void TDBLookupGridVyn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (!tracking_) return TCustomDBGridVyn::MouseUp(button, shift, x, y);
    tracking_ = false;
    AutoScrollFrom(0);
    SetMouseCapture(false);
    ChooseRecordAt(x, y);
    if (OnMouseUp()) OnMouseUp()(this, button, shift, x, y);
}

bool TDBLookupGridVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (!listActive_) return TCustomDBGridVyn::DoMouseWheelDown(shift, mousePos);
    ListDataSet()->MoveBy(DataLink()->RecordCount() - DataLink()->ActiveRecord());
    return true;
}

bool TDBLookupGridVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (!listActive_) return TCustomDBGridVyn::DoMouseWheelUp(shift, mousePos);
    ListDataSet()->MoveBy(-DataLink()->ActiveRecord() - 1);
    return true;
}

// ---- Messages -----------------------------------------------------------------------------------------

void TDBLookupGridVyn::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TDBLookupGridVyn::WMSetFocusVyn(TMessage& Message) {
    searchText_.clear();
    hasFocus_ = true;
    TCustomDBGridVyn::Dispatch(Message);
    Invalidate();
}

void TDBLookupGridVyn::WMKillFocusLookup(TMessage& Message) {
    hasFocus_ = false;
    TCustomDBGridVyn::Dispatch(Message);
    Invalidate();
}

// ---- Scrolling the list ------------------------------------------------------------------------------

void TDBLookupGridVyn::AutoScrollFrom(int y) {
    const int top = TitlePixels();
    const int distance = y < top ? top - y : y >= ClientHeight() ? y - ClientHeight() + 1 : 0;
    autoScrollDirection_ = !tracking_ || distance == 0 ? 0 : y < top ? -1 : 1;
    if (!HandleAllocated()) return;
    if (autoScrollDirection_ == 0) {
        KillTimer(Handle(), kListScrollTimer);
        return;
    }
    SetTimer(Handle(), kListScrollTimer, static_cast<UINT>(std::max(0, 200 - 15 * distance)));
}

void TDBLookupGridVyn::AutoScrollStep() {
    if (!listActive_ || autoScrollDirection_ == 0) return;
    TDataSet* list = ListDataSet();
    if (autoScrollDirection_ < 0) {
        if (specRowSelected_) return;
        // Above the first record stands the special row.
        if (list->MoveBy(-1) == 0 && specRow_->Visible()) return ChooseSpecRow();
    } else if (specRowSelected_) {
        list->First();
    } else {
        list->MoveBy(1);
    }
    ChooseCurrentRecord();
}

void TDBLookupGridVyn::WMTimerList(TMessage& Message) {
    if (Message.WParam != kListScrollTimer) return TCustomDBGridVyn::Dispatch(Message);
    AutoScrollStep();
}

void TDBLookupGridVyn::UpdateVertScrollBar() { RefreshListScrollBar(); }

void TDBLookupGridVyn::WMSetCursorList(TMessage& Message) {
    TPoint p{};
    GetCursorPos(&p);
    p = ScreenToClient(p);
    const bool overSpecRow = specRow_->Visible() && MouseCoord(p.x, p.y).Y == TitleRowCount();
    if (!overSpecRow) return TCustomDBGridVyn::Dispatch(Message);
    ::SetCursor(LoadCursor(0, IDC_ARROW));
    Message.Result = 1;
}

void TDBLookupGridVyn::CMRecreateWndList(TMessage& Message) {
    if (!fitting_) TCustomDBGridVyn::Dispatch(Message);
}

void TDBLookupGridVyn::RefreshListScrollBar() {
    if (!HandleAllocated()) return;
    int max = 2, page = 0, pos = 0;
    bool scrolls = false;
    if (listActive_) {
        TDataSet* list = ListDataSet();
        if (list->IsSequenced()) {
            max = std::max(list->RecordCount() - 1, 0);
            page = listRowCount_;
            pos = std::max(list->RecNo() - DataLink()->ActiveRecord() - 1, 0);
            scrolls = list->RecordCount() > page;
        } else {
            scrolls = DataLink()->RecordCount() >= listRowCount_;
            max = scrolls ? 4 : 0;
            pos = list->Bof() ? 0 : list->Eof() ? 4 : 2;
        }
    }
    SCROLLINFO current{};
    current.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, &current);
    if (current.nMin != 0 || current.nMax != max || static_cast<int>(current.nPage) != page || current.nPos != pos) {
        SCROLLINFO info{};
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = max;
        info.nPage = static_cast<UINT>(page);
        info.nPos = pos;
        SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    }
    ShowScrollBar(Handle(), SB_VERT, scrolls);
}

void TDBLookupGridVyn::WMVScrollList(TMessage& Message) {
    if (!listActive_) return;
    TDataSet* list = ListDataSet();
    const int buffered = DataLink()->RecordCount();
    const int active = DataLink()->ActiveRecord();
    switch (LOWORD(Message.WParam)) {
        case SB_LINEUP: list->MoveBy(-active - 1); break;
        case SB_LINEDOWN: list->MoveBy(buffered - active); break;
        case SB_PAGEUP: list->MoveBy(-active - std::max(buffered - 1, 1)); break;
        case SB_PAGEDOWN: list->MoveBy(buffered - 1 - active + std::max(buffered - 1, 1)); break;
        case SB_THUMBPOSITION:
            switch (HIWORD(Message.WParam)) {
                case 0: list->First(); break;
                case 1: list->MoveBy(-active - std::max(buffered - 1, 1)); break;
                case 3: list->MoveBy(buffered - 1 - active + std::max(buffered - 1, 1)); break;
                case 4: list->Last(); break;
                default: break;
            }
            break;
        case SB_THUMBTRACK:
            if (list->IsSequenced()) {
                SCROLLINFO info{};
                info.fMask = SIF_TRACKPOS;
                GetScrollInfo(Handle(), SB_VERT, &info);
                list->MoveBy(info.nTrackPos + 1 - list->RecNo());
            }
            break;
        case SB_TOP: list->First(); break;
        case SB_BOTTOM: list->Last(); break;
        default: break;
    }
    RefreshListScrollBar();
}

