// TDataSet: cursor, editing, bookmarks, search, filter, sort and events.
#include "platform/data/dataset.h"

#include <algorithm>

#include "platform/data/datasource.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/updatescope.h"
#include "platform/rtl/valuerestorer.h"

namespace {

bool IsTextType(TFieldType type) {
    return type == ftString || type == ftWideString || type == ftFixedChar || type == ftMemo ||
           type == ftFmtMemo || type == ftGuid;
}

bool IsDateType(TFieldType type) {
    return type == ftDate || type == ftTime || type == ftDateTime || type == ftTimeStamp;
}

bool IsEditing(TDataSetState state) { return state == dsEdit || state == dsInsert; }

}  // namespace

void DatabaseError(const AnsiString& message, TComponent* component) {
    if (component && !component->Name().empty()) throw EDatabaseError(component->Name() + ": " + message);
    throw EDatabaseError(message);
}

void DatabaseErrorFmt(const AnsiString& format, TVarRecs args, TComponent* component) {
    DatabaseError(Format(format, args), component);
}

TDataSet::TDataSet(TComponent* owner)
    : TComponent(owner), fields_(std::make_unique<TFields>(this)), fieldDefs_(std::make_unique<TFieldDefs>(this)) {}

TDataSet::~TDataSet() {
    // Closing without events: the handlers' owners may be gone already.
    state_ = dsInactive;
    DestroyDefaultFields();
    for (int i = fields_->Count() - 1; i >= 0; --i) {
        TField* field = fields_->Fields(i);
        fields_->Remove(field);
        field->SetDataSet(nullptr);
    }
    for (TDataSource* source : std::vector<TDataSource*>(sources_)) source->SetDataSet(nullptr);
}

void TDataSet::CheckActive() const {
    if (!Active()) DatabaseError(SDataSetClosed, const_cast<TDataSet*>(this));
}

void TDataSet::CheckInactive() const {
    if (Active() && state_ != dsOpening) DatabaseError(SDataSetOpen, const_cast<TDataSet*>(this));
}

// ---- life ---------------------------------------------------------------

void TDataSet::SetActive(bool value) {
    if (ComponentState().Contains(csLoading)) {
        streamedActive_ = value;
        return;
    }
    if (value == Active()) return;
    if (value) {
        BeforeOpen_(this);
        state_ = dsOpening;
        try {
            OpenCursor();
        } catch (...) {
            state_ = dsInactive;
            CloseCursor();
            throw;
        }
        state_ = dsInactive;
        SetState(dsBrowse);
        AfterOpen_(this);
        if (records_.Count() > 0) AfterScroll_(this);
    } else {
        // A pending edit is dropped with the rest of the snapshot.
        BeforeClose_(this);
        SetState(dsInactive);
        CloseCursor();
        AfterClose_(this);
    }
}

namespace {

void DescribeColumns(TFieldDefs& defs, const std::vector<TColumnDescription>& columns) {
    defs.Clear();
    for (const TColumnDescription& column : columns) defs.Add(column.name, column.dataType, column.size, column.required);
}

}  // namespace

void TDataSet::InitFieldDefs() {
    if (Active()) return;
    std::vector<TColumnDescription> columns;
    RecordList records;
    InternalOpen(columns, records);
    InternalClose();
    DescribeColumns(*fieldDefs_, columns);
}

void TDataSet::OpenCursor() {
    std::vector<TColumnDescription> columns;
    RecordList records;
    InternalOpen(columns, records);
    DescribeColumns(*fieldDefs_, columns);
    records_ = std::move(records);
    CreateFields(columns);
    calcValues_.clear();
    calcValid_.clear();
    if (filtered_) {
        filterPredicate_ = FilterTextPredicate(filter_);
        records_.SetFilter([this](RecordList::Row row) { return AcceptRow(row); });
    }
    position_ = activePosition_ = records_.Count() > 0 ? 0 : -1;
    bof_ = true;
    eof_ = records_.Count() == 0;
}

void TDataSet::CloseCursor() {
    InternalClose();
    DestroyDefaultFields();
    for (int i = 0; i < fields_->Count(); ++i) fields_->Fields(i)->Bind(-1, -1);
    records_ = RecordList();
    sort_.clear();
    editBuffer_.clear();
    calcValues_.clear();
    calcValid_.clear();
    position_ = activePosition_ = -1;
    bof_ = eof_ = true;
    modified_ = false;
}

void TDataSet::CreateFields(const std::vector<TColumnDescription>& columns) {
    defaultFields_ = fields_->Count() == 0;
    if (defaultFields_) {
        for (int i = 0; i < fieldDefs_->Count(); ++i) {
            TField* field = fieldDefs_->Items(i)->CreateField(this, this);
            field->SetOrigin(columns[i].origin);
        }
    }
    int calcSlot = 0;
    for (int i = 0; i < fields_->Count(); ++i) {
        TField* field = fields_->Fields(i);
        if (field->FieldKind() == fkData) {
            const int column = fieldDefs_->IndexOf(field->FieldName());
            if (column < 0) DatabaseErrorFmt(SFieldNotFound, {field->FieldName()}, this);
            field->Bind(column, -1);
            if (field->Origin().empty()) field->SetOrigin(columns[column].origin);
        } else {
            field->Bind(-1, calcSlot++);
        }
    }
}

void TDataSet::DestroyDefaultFields() {
    if (!defaultFields_) return;
    defaultFields_ = false;
    while (fields_->Count() > 0) delete fields_->Fields(fields_->Count() - 1);
}

void TDataSet::SetState(TDataSetState state) {
    if (state == state_) return;
    state_ = state;
    modified_ = false;
    DataEvent(deUpdateState, 0);
}

// ---- notifications ------------------------------------------------------

void TDataSet::DataEvent(TDataEvent event, std::intptr_t info) {
    if (event == deFieldChange && autoCalcFields_) {
        auto* field = reinterpret_cast<TField*>(info);
        if (field && field->FieldKind() == fkData && position_ >= 0 && CurrentRow() < calcValid_.size())
            calcValid_[CurrentRow()] = false;
    }
    if (ControlsDisabled()) {
        // Only a change between open and closed gets through, as its own
        // event; everything else is told as one change when enabled again.
        if (event != deUpdateState) return;
        event = deDisabledStateChange;
        info = Active() ? 1 : 0;
    }
    for (TDataSource* source : std::vector<TDataSource*>(sources_)) source->DataEvent(event, info);
}

void TDataSet::DisableControls() {
    if (disableCount_ == 0) disabledState_ = state_;
    ++disableCount_;
}

void TDataSet::EnableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ > 0) return;
    if (disabledState_ != state_) DataEvent(deUpdateState, 0);
    if (disabledState_ != dsInactive && state_ != dsInactive) DataEvent(deDataSetChange, 0);
}

void TDataSet::AddSource(TDataSource* source) { sources_.push_back(source); }

void TDataSet::RemoveSource(TDataSource* source) { std::erase(sources_, source); }

bool TDataSet::IsLinkedTo(TDataSource*) const {
    // Datasets here have no master source, so no chain can lead back.
    return false;
}

// ---- cell access --------------------------------------------------------

bool TDataSet::HasActiveRecord() const { return Active() && activePosition_ >= 0; }

Variant TDataSet::GetAggregateValue(const TField*) const { return Null(); }

CellView TDataSet::ReadCell(const TField* field) const {
    std::optional<RecordList::Row> row;
    if (probeRow_)
        row = probeRow_;
    else if (state_ == dsCalcFields && calcRow_)
        row = calcRow_;
    else if (HasActiveRecord())
        row = ActiveRow();
    if (!row) return {};

    const int column = field->Column();
    if (column >= 0) {
        if (!readStored_ && !editBuffer_.empty() && position_ >= 0 && *row == CurrentRow()) {
            const CellValue& cell = editBuffer_[column];
            return {cell.type, cell.integer, cell.real, cell.bytes};
        }
        return records_.Rows().Cell(*row, column);
    }
    if (field->CalcSlot() < 0) return {};
    if (state_ != dsCalcFields && (*row >= calcValid_.size() || !calcValid_[*row])) CalculateFields(*row);
    if (*row >= calcValues_.size() || calcValues_[*row].empty()) return {};
    const CellValue& cell = calcValues_[*row][field->CalcSlot()];
    return {cell.type, cell.integer, cell.real, cell.bytes};
}

void TDataSet::WriteCell(TField* field, CellValue value) {
    if (state_ == dsCalcFields && field->CalcSlot() >= 0 && calcRow_) {
        calcValues_[*calcRow_][field->CalcSlot()] = std::move(value);
        return;
    }
    if (!IsEditing(state_)) DatabaseError(SNotEditing, this);
    if (!field->CanModify()) DatabaseErrorFmt(SFieldReadOnly, {field->DisplayName()}, this);
    const int column = field->Column();
    CellValue previous = editBuffer_[column];
    editBuffer_[column] = std::move(value);
    try {
        field->OnValidate()(field);
    } catch (...) {
        editBuffer_[column] = std::move(previous);
        throw;
    }
    editChanged_[column] = true;
    modified_ = true;
    DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(field));
    field->OnChange()(field);
}

void TDataSet::CalculateFields(RecordList::Row row) const {
    auto& self = const_cast<TDataSet&>(*this);
    int slots = 0;
    for (int i = 0; i < fields_->Count(); ++i)
        if (fields_->Fields(i)->CalcSlot() >= 0) ++slots;
    if (slots == 0) return;
    if (calcValues_.size() < records_.Rows().RowCount()) {
        calcValues_.resize(records_.Rows().RowCount());
        calcValid_.resize(records_.Rows().RowCount(), false);
    }
    calcValues_[row].assign(slots, CellValue::Null());
    ValueRestorer<TDataSetState> state(self.state_, dsCalcFields);
    ValueRestorer<std::optional<RecordList::Row>> calcRow(calcRow_, row);
    ValueRestorer<std::optional<RecordList::Row>> probe(self.probeRow_, std::nullopt);
    for (int i = 0; i < fields_->Count(); ++i) {
        TField* field = fields_->Fields(i);
        if (field->FieldKind() != fkLookup || !field->LookupDataSet()) continue;
        field->SetAsVariant(field->LookupValue(FieldValues(field->KeyFields())));
    }
    OnCalcFields_(&self);
    calcValid_[row] = true;
}

// ---- navigation ---------------------------------------------------------

bool TDataSet::IsEmpty() const { return !Active() || records_.Count() == 0; }

int TDataSet::RecNo() const { return Active() && position_ >= 0 ? position_ + 1 : 0; }

int TDataSet::RecordCount() const {
    if (!Active()) return 0;
    return records_.Count() - (state_ == dsInsert ? 1 : 0);
}

void TDataSet::SetPosition(int position) {
    position_ = activePosition_ = records_.Count() == 0 ? -1 : std::clamp(position, 0, records_.Count() - 1);
}

void TDataSet::First() {
    CheckBrowseMode();
    BeforeScroll_(this);
    SetPosition(0);
    bof_ = true;
    eof_ = records_.Count() == 0;
    DataEvent(deDataSetChange, 0);
    AfterScroll_(this);
}

void TDataSet::Last() {
    CheckBrowseMode();
    BeforeScroll_(this);
    SetPosition(records_.Count() - 1);
    eof_ = true;
    bof_ = records_.Count() == 0;
    DataEvent(deDataSetChange, 0);
    AfterScroll_(this);
}

int TDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    BeforeScroll_(this);
    if (distance == 0 || (distance > 0 && eof_) || (distance < 0 && bof_)) return 0;
    const int from = position_;
    SetPosition(position_ + distance);
    const int moved = position_ - from;
    bof_ = distance < 0 && moved > distance;
    eof_ = distance > 0 && moved < distance;
    DataEvent(deDataSetScroll, moved);
    AfterScroll_(this);
    return moved;
}

void TDataSet::SetRecNo(int value) {
    CheckBrowseMode();
    if (records_.Count() == 0 || value == RecNo()) return;
    BeforeScroll_(this);
    SetPosition(value - 1);
    bof_ = eof_ = false;
    DataEvent(deDataSetChange, 0);
    AfterScroll_(this);
}

void TDataSet::SetActiveRecordPosition(int position) {
    if (Active() && position >= 0 && position < records_.Count()) activePosition_ = position;
}

// ---- bookmarks ----------------------------------------------------------

namespace {

std::optional<RecordList::Row> ParseBookmark(const TBookmarkStr& bookmark) {
    if (bookmark.empty() || bookmark.size() > 10) return std::nullopt;
    Int64 value = 0;
    for (char c : bookmark) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > UINT32_MAX) return std::nullopt;
    return static_cast<RecordList::Row>(value);
}

}  // namespace

bool TDataSet::BookmarkAvailable() const { return Active() && position_ >= 0 && state_ != dsInsert; }

TBookmarkStr TDataSet::Bookmark() const {
    // The record the fields read: a link reading another row of its window
    // gets that row's bookmark.
    return BookmarkAvailable() ? IntToStr(static_cast<Int64>(ActiveRow())) : TBookmarkStr();
}

bool TDataSet::BookmarkValid(const TBookmarkStr& bookmark) const {
    const auto row = ParseBookmark(bookmark);
    return Active() && row && records_.IsLive(*row);
}

void TDataSet::GotoBookmark(const TBookmarkStr& bookmark) {
    CheckBrowseMode();
    if (!BookmarkValid(bookmark)) DatabaseError(SInvalidBookmark, this);
    BeforeScroll_(this);
    SetPosition(records_.PositionOf(*ParseBookmark(bookmark)));
    bof_ = eof_ = false;
    DataEvent(deDataSetChange, 0);
    AfterScroll_(this);
}

int TDataSet::CompareBookmarks(const TBookmarkStr& a, const TBookmarkStr& b) const {
    const auto rowA = ParseBookmark(a);
    const auto rowB = ParseBookmark(b);
    if (!rowA || !rowB) return (rowA ? 1 : 0) - (rowB ? 1 : 0);
    const int positionA = records_.PositionOf(*rowA);
    const int positionB = records_.PositionOf(*rowB);
    return positionA < positionB ? -1 : (positionA > positionB ? 1 : 0);
}

// ---- fields -------------------------------------------------------------

TStream* TDataSet::CreateBlobStream(TField* field) const { return new TStringStream(field->AsString()); }

TField* TDataSet::FieldByName(const AnsiString& name) const {
    TField* field = fields_->FindField(name);
    if (!field) DatabaseErrorFmt(SFieldNotFound, {name}, const_cast<TDataSet*>(this));
    return field;
}

std::vector<TField*> TDataSet::GetFieldList(const AnsiString& fieldNames) const {
    std::vector<TField*> result;
    for (const AnsiString& name : SplitFieldNames(fieldNames)) result.push_back(FieldByName(name));
    return result;
}

void TDataSet::GetFieldNames(TStrings* list) const {
    WithinUpdate(*list, [&] {
        list->Clear();
        if (FieldCount() > 0) {
            for (int i = 0; i < FieldCount(); ++i) list->Add(Fields()->Fields(i)->FieldName());
            return;
        }
        for (int i = 0; i < FieldDefs()->Count(); ++i) list->Add(FieldDefs()->Items(i)->Name());
    });
}

void TDataSet::GetFieldList(TList* list, const AnsiString& fieldNames) const {
    for (TField* field : GetFieldList(fieldNames)) list->Add(field);
}

Variant TDataSet::FieldValues(const AnsiString& fieldNames) const {
    const std::vector<TField*> fields = GetFieldList(fieldNames);
    if (fields.size() == 1) return fields.front()->Value();
    std::vector<Variant> values;
    for (TField* field : fields) values.push_back(field->Value());
    return VarArrayOf(std::span<const Variant>(values));
}

void TDataSet::SetFieldValues(const AnsiString& fieldNames, const Variant& value) {
    const std::vector<TField*> fields = GetFieldList(fieldNames);
    if (fields.size() == 1) return fields.front()->SetValue(value);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->SetValue(VarArrayGet(value, {VarArrayLowBound(value, 1) + static_cast<int>(i)}));
}

// ---- search -------------------------------------------------------------

namespace {

bool FieldMatches(const TField* field, const Variant& key, TLocateOptions options) {
    if (VarIsNull(key) || VarIsEmpty(key)) return field->IsNull();
    if (field->IsNull()) return false;
    const bool partial = options.Contains(loPartialKey);
    if (IsTextType(field->DataType()) || partial) {
        AnsiString value = field->AsString();
        const AnsiString wanted = VarToStr(key);
        if (partial && value.size() > wanted.size()) {
            // A prefix that ends inside a character matches nothing.
            if (AnsiCharStart(value, wanted.size()) != wanted.size()) return false;
            value.resize(wanted.size());
        }
        return options.Contains(loCaseInsensitive) ? AnsiSameText(value, wanted) : value == wanted;
    }
    try {
        return VarCompareValue(field->Value(), key) == vrEqual;
    } catch (const EVariantError&) {
        return false;  // a key of another kind matches no row
    }
}

}  // namespace

std::optional<int> TDataSet::FindRecord(const std::vector<TField*>& fields, const Variant& values,
                                        TLocateOptions options) const {
    std::vector<Variant> keys;
    if (fields.size() == 1) {
        keys.push_back(VarIsArray(values) ? VarArrayGet(values, {VarArrayLowBound(values, 1)}) : values);
    } else {
        for (std::size_t i = 0; i < fields.size(); ++i)
            keys.push_back(VarArrayGet(values, {VarArrayLowBound(values, 1) + static_cast<int>(i)}));
    }
    auto& self = const_cast<TDataSet&>(*this);
    for (int position = 0; position < records_.Count(); ++position) {
        ValueRestorer<std::optional<RecordList::Row>> probe(self.probeRow_, records_.RowAt(position));
        bool all = true;
        for (std::size_t i = 0; i < fields.size() && all; ++i) all = FieldMatches(fields[i], keys[i], options);
        if (all) return position;
    }
    return std::nullopt;
}

bool TDataSet::Locate(const AnsiString& keyFields, const Variant& keyValues, TLocateOptions options) {
    CheckBrowseMode();
    const std::optional<int> found = FindRecord(GetFieldList(keyFields), keyValues, options);
    if (!found) return false;
    BeforeScroll_(this);
    SetPosition(*found);
    bof_ = eof_ = false;
    DataEvent(deDataSetChange, 0);
    AfterScroll_(this);
    return true;
}

Variant TDataSet::Lookup(const AnsiString& keyFields, const Variant& keyValues, const AnsiString& resultFields) {
    CheckBrowseMode();
    const std::optional<int> found = FindRecord(GetFieldList(keyFields), keyValues, {});
    if (!found) return Null();
    ValueRestorer<std::optional<RecordList::Row>> probe(probeRow_, records_.RowAt(*found));
    return FieldValues(resultFields);
}

// ---- filter and sort ----------------------------------------------------

bool TDataSet::AcceptRow(RecordList::Row row) {
    ValueRestorer<std::optional<RecordList::Row>> probe(probeRow_, row);
    ValueRestorer<TDataSetState> state(state_, dsFilter);
    if (filterPredicate_ && !filterPredicate_()) return false;
    bool accept = true;
    OnFilterRecord_(this, accept);
    return accept;
}

void TDataSet::SetFiltered(bool value) {
    if (value == filtered_) return;
    if (!Active()) {
        filtered_ = value;
        return;
    }
    CheckBrowseMode();
    // Read first: a text that does not read changes nothing.
    std::function<bool()> predicate = value ? FilterTextPredicate(filter_) : nullptr;
    filtered_ = value;
    filterPredicate_ = std::move(predicate);
    if (filtered_)
        records_.SetFilter([this](RecordList::Row row) { return AcceptRow(row); });
    else
        records_.SetFilter(nullptr);
    First();
}

void TDataSet::SetFilter(const AnsiString& value) {
    if (!Active() || !filtered_) {
        filter_ = value;
        return;
    }
    CheckBrowseMode();
    std::function<bool()> predicate = FilterTextPredicate(value);
    filter_ = value;
    // A dataset that reads no filter texts keeps its rows and its place.
    if (!predicate && !filterPredicate_) return;
    filterPredicate_ = std::move(predicate);
    records_.SetFilter([this](RecordList::Row row) { return AcceptRow(row); });
    First();
}

void TDataSet::SetSortText(const AnsiString& sort) {
    CheckActive();
    CheckBrowseMode();
    std::vector<RecordList::SortKey> keys;
    for (AnsiString item : SplitFieldNames(StringReplace(sort, ",", ";", rfReplaceAll))) {
        RecordList::SortKey key;
        const AnsiString upper = UpperCase(item);
        for (const char* suffix : {" DESC", " ASC"}) {
            const std::size_t length = std::char_traits<char>::length(suffix);
            if (upper.size() > length && upper.compare(upper.size() - length, length, suffix) == 0) {
                key.descending = suffix[1] == 'D';
                item = Trim(item.substr(0, item.size() - length));
                break;
            }
        }
        if (item.size() > 2 && item.front() == '[' && item.back() == ']') item = item.substr(1, item.size() - 2);
        TField* field = FieldByName(item);
        if (field->Column() < 0) DatabaseErrorFmt(SFieldNotFound, {item}, this);
        key.column = field->Column();
        key.dateText = IsDateType(field->DataType());
        keys.push_back(key);
    }
    const std::optional<RecordList::Row> current =
        position_ >= 0 ? std::optional<RecordList::Row>(CurrentRow()) : std::nullopt;
    records_.Sort(keys);
    sort_ = sort;
    if (current) SetPosition(records_.PositionOf(*current));
    DataEvent(deDataSetChange, 0);
}

// ---- editing ------------------------------------------------------------

bool TDataSet::CanModify() const { return Active() && StorageCanModify(); }

void TDataSet::UpdateRecord() {
    if (!IsEditing(state_)) DatabaseError(SNotEditing, this);
    DataEvent(deUpdateRecord, 0);
}

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode, 0);
    if (IsEditing(state_)) {
        UpdateRecord();
        if (modified_)
            Post();
        else
            Cancel();
    }
}

void TDataSet::Edit() {
    if (IsEditing(state_)) return;
    CheckActive();
    if (!CanModify()) DatabaseError(SDataSetReadOnly, this);
    if (records_.Count() == 0) return Append();
    CheckBrowseMode();
    BeforeEdit_(this);
    editBuffer_ = records_.Rows().Row(CurrentRow());
    editChanged_.assign(editBuffer_.size(), false);
    SetState(dsEdit);
    DataEvent(deRecordChange, 0);
    AfterEdit_(this);
}

void TDataSet::Insert() { AddRecord(false); }

void TDataSet::Append() { AddRecord(true); }

void TDataSet::AddRecord(bool append) {
    CheckActive();
    if (!CanModify()) DatabaseError(SDataSetReadOnly, this);
    CheckBrowseMode();
    BeforeInsert_(this);
    BeforeScroll_(this);
    const int position = append || position_ < 0 ? records_.Count() : position_;
    editBuffer_.assign(fieldDefs_->Count(), CellValue::Null());
    editChanged_.assign(editBuffer_.size(), false);
    records_.Insert(position, editBuffer_);
    position_ = activePosition_ = position;
    bof_ = false;
    eof_ = append;
    SetState(dsInsert);
    OnNewRecord_(this);
    modified_ = false;
    DataEvent(deDataSetChange, 0);
    AfterInsert_(this);
    AfterScroll_(this);
}

bool TDataSet::HandleError(const TDataSetErrorEvent& handler, EDatabaseError& error) {
    TDataAction action = daFail;
    handler(this, &error, action);
    if (action == daAbort) Abort();
    return action == daRetry;
}

void TDataSet::Post() {
    CheckActive();
    if (!IsEditing(state_)) return;
    UpdateRecord();
    DataEvent(deCheckBrowseMode, 0);
    BeforePost_(this);
    for (int i = 0; i < fields_->Count(); ++i) {
        TField* field = fields_->Fields(i);
        if (field->Required() && field->FieldKind() == fkData && field->IsNull()) {
            field->FocusControl();
            DatabaseErrorFmt(SFieldRequired, {field->DisplayName()}, this);
        }
    }
    const bool inserting = state_ == dsInsert;
    const RecordList::Row row = CurrentRow();
    std::vector<int> changed;
    for (std::size_t c = 0; c < editChanged_.size(); ++c)
        if (editChanged_[c]) changed.push_back(static_cast<int>(c));
    const std::vector<CellValue> before = records_.Rows().Row(row);
    for (;;) {
        records_.Rows().ReplaceRow(row, editBuffer_);
        try {
            InternalPost(records_, row, inserting, changed);
            break;
        } catch (EDatabaseError& error) {
            records_.Rows().ReplaceRow(row, before);
            if (!HandleError(OnPostError_, error)) throw;
        }
    }
    editBuffer_.clear();
    if (row < calcValid_.size()) calcValid_[row] = false;
    SetState(dsBrowse);
    DataEvent(deDataSetChange, 0);
    AfterPost_(this);
}

void TDataSet::Cancel() {
    if (!IsEditing(state_)) return;
    DataEvent(deCheckBrowseMode, 0);
    BeforeCancel_(this);
    if (CurrentRow() < calcValid_.size()) calcValid_[CurrentRow()] = false;
    if (state_ == dsInsert) {
        records_.Remove(position_);
        SetPosition(position_);
        bof_ = eof_ = records_.Count() == 0;
    }
    editBuffer_.clear();
    SetState(dsBrowse);
    DataEvent(deDataSetChange, 0);
    AfterCancel_(this);
}

void TDataSet::Delete() {
    CheckActive();
    if (state_ == dsInsert) return Cancel();
    if (records_.Count() == 0) DatabaseError(SDataSetEmpty, this);
    if (!CanModify()) DatabaseError(SDataSetReadOnly, this);
    DataEvent(deCheckBrowseMode, 0);
    BeforeDelete_(this);
    BeforeScroll_(this);
    for (;;) {
        try {
            InternalDelete(records_, CurrentRow());
            break;
        } catch (EDatabaseError& error) {
            if (!HandleError(OnDeleteError_, error)) throw;
        }
    }
    records_.Remove(position_);
    editBuffer_.clear();
    SetState(dsBrowse);
    SetPosition(position_);
    bof_ = eof_ = records_.Count() == 0;
    DataEvent(deDataSetChange, 0);
    AfterDelete_(this);
    AfterScroll_(this);
}

// ---- form descriptions --------------------------------------------------

void TDataSet::Loaded() {
    TComponent::Loaded();
    if (streamedActive_) SetActive(true);
}

void TDataSet::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (int i = 0; i < fields_->Count(); ++i) {
        TField* field = fields_->Fields(i);
        if (field->Owner() == root) proc(field);
    }
}

void TDataSet::Published(TPublished<TDataSet>& p) {
    p.Property("Active", &TDataSet::Active, &TDataSet::SetActive).Default(false);
    p.Property("AutoCalcFields", &TDataSet::AutoCalcFields, &TDataSet::SetAutoCalcFields).Default(true);
    p.Property("Filter", &TDataSet::Filter, &TDataSet::SetFilter);
    p.Property("Filtered", &TDataSet::Filtered, &TDataSet::SetFiltered).Default(false);
    p.Property("BeforeOpen", &TDataSet::BeforeOpen, &TDataSet::SetBeforeOpen);
    p.Property("AfterOpen", &TDataSet::AfterOpen, &TDataSet::SetAfterOpen);
    p.Property("BeforeClose", &TDataSet::BeforeClose, &TDataSet::SetBeforeClose);
    p.Property("AfterClose", &TDataSet::AfterClose, &TDataSet::SetAfterClose);
    p.Property("BeforeInsert", &TDataSet::BeforeInsert, &TDataSet::SetBeforeInsert);
    p.Property("AfterInsert", &TDataSet::AfterInsert, &TDataSet::SetAfterInsert);
    p.Property("BeforeEdit", &TDataSet::BeforeEdit, &TDataSet::SetBeforeEdit);
    p.Property("AfterEdit", &TDataSet::AfterEdit, &TDataSet::SetAfterEdit);
    p.Property("BeforePost", &TDataSet::BeforePost, &TDataSet::SetBeforePost);
    p.Property("AfterPost", &TDataSet::AfterPost, &TDataSet::SetAfterPost);
    p.Property("BeforeCancel", &TDataSet::BeforeCancel, &TDataSet::SetBeforeCancel);
    p.Property("AfterCancel", &TDataSet::AfterCancel, &TDataSet::SetAfterCancel);
    p.Property("BeforeDelete", &TDataSet::BeforeDelete, &TDataSet::SetBeforeDelete);
    p.Property("AfterDelete", &TDataSet::AfterDelete, &TDataSet::SetAfterDelete);
    p.Property("BeforeScroll", &TDataSet::BeforeScroll, &TDataSet::SetBeforeScroll);
    p.Property("AfterScroll", &TDataSet::AfterScroll, &TDataSet::SetAfterScroll);
    p.Property("BeforeRefresh", &TDataSet::BeforeRefresh, &TDataSet::SetBeforeRefresh);
    p.Property("AfterRefresh", &TDataSet::AfterRefresh, &TDataSet::SetAfterRefresh);
    p.Property("OnCalcFields", &TDataSet::OnCalcFields, &TDataSet::SetOnCalcFields);
    p.Property("OnDeleteError", &TDataSet::OnDeleteError, &TDataSet::SetOnDeleteError);
    p.Property("OnEditError", &TDataSet::OnEditError, &TDataSet::SetOnEditError);
    p.Property("OnFilterRecord", &TDataSet::OnFilterRecord, &TDataSet::SetOnFilterRecord);
    p.Property("OnNewRecord", &TDataSet::OnNewRecord, &TDataSet::SetOnNewRecord);
    p.Property("OnPostError", &TDataSet::OnPostError, &TDataSet::SetOnPostError);
}
