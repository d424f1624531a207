// TDataSet: a cursor over the rows of a client-side snapshot, with fields,
// editing, bookmarks, search, filtering, in-memory sorting and the
// notifications that keep data sources and data-aware controls current.
//
// The storage is the descendant's business (TCustomADODataSet reads an SQL
// statement and writes rows back through the rowid): it fills the snapshot
// when the dataset opens and writes single rows when one is posted or
// deleted. Everything else happens here, on the snapshot.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "platform/data/db_types.h"
#include "platform/data/field.h"
#include "platform/data/record_list.h"
#include "platform/rtl/component.h"
#include "platform/rtl/events.h"
#include "platform/rtl/format.h"
#include "platform/rtl/list.h"
#include "platform/rtl/variant.h"

class TStream;
class TStrings;

class TDataSource;
class TDataLink;

SERVIORA_ENUM(TDataAction, daFail, daAbort, daRetry)

SERVIORA_EVENT_TYPE(TDataSetNotifyEvent, void(TDataSet* DataSet));
SERVIORA_EVENT_TYPE(TFilterRecordEvent, void(TDataSet* DataSet, bool& Accept));
SERVIORA_EVENT_TYPE(TDataSetErrorEvent, void(TDataSet* DataSet, EDatabaseError* E, TDataAction& Action));

// A column of the storage, described when the dataset opens.
struct TColumnDescription {
    AnsiString name;
    TFieldType dataType = ftString;
    int size = 0;
    bool required = false;
    AnsiString origin;  // "table.column" where the column comes from a table
};

class TDataSet : public TComponent {
    SERVIORA_CLASS(TDataSet, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TDataSet(TComponent* owner);
    ~TDataSet() override;

    // Life.
    bool Active() const { return state_ != dsInactive; }
    void SetActive(bool value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return state_; }

    // Tells the data-aware controls to read the records again and computes
    // calculated fields afresh. The snapshot always holds the current
    // record, so the modes (rmExact, rmCenter) ask for nothing more.
    void Resync(TResyncModes mode);
    // Whether calculated fields are computed again when a field of the
    // record being edited changes (else once per record read).
    bool AutoCalcFields() const { return autoCalcFields_; }
    void SetAutoCalcFields(bool value) { autoCalcFields_ = value; }
    // Options for the Filter text. The ADO datasets' filter texts compare
    // as the provider does and leave them unread.
    TFilterOptions FilterOptions() const { return filterOptions_; }
    void SetFilterOptions(TFilterOptions value) { filterOptions_ = value; }
    // Reads the rows again from the storage, after posting a pending edit;
    // the current record stays current where it still exists, else the
    // position does. Filter and order apply to the new rows.
    void Refresh();
    // The cursor is the snapshot's own position, so it never goes stale;
    // these serve callers written for cursors that do.
    void CursorPosChanged() {}
    void UpdateCursorPos() {}
    // Navigation. Bof is true after First and after an attempt to move
    // before the first row; Eof after Last and after an attempt to move past
    // the last; both on an empty set.
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    // Moves by up to `distance` rows, stopping at the ends; answers the
    // distance moved.
    int MoveBy(int distance);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    bool IsEmpty() const;
    // 1-based position of the current row in the current order (0 when none).
    int RecNo() const;
    void SetRecNo(int value);
    int RecordCount() const;
    // Whether RecNo and RecordCount number the records (a descendant without
    // record numbers answers false).
    virtual bool IsSequenced() const { return true; }

    // Bookmarks: the identity as text of the record the fields read (the
    // current one unless a data link switched its active record); compared
    // in the current (possibly sorted) order.
    TBookmarkStr Bookmark() const;
    void SetBookmark(const TBookmarkStr& bookmark) { GotoBookmark(bookmark); }
    TBookmarkStr GetBookmark() const { return Bookmark(); }
    void GotoBookmark(const TBookmarkStr& bookmark);
    void FreeBookmark(const TBookmarkStr&) {}
    bool BookmarkValid(const TBookmarkStr& bookmark) const;
    bool BookmarkAvailable() const;
    // Negative, 0 or positive as `a` comes before, with or after `b`; an
    // empty bookmark comes before every other.
    int CompareBookmarks(const TBookmarkStr& a, const TBookmarkStr& b) const;

    // Search. Key values: one value, or a variant array for several fields
    // ("A;B"). Locate moves to the first match in the current order.
    bool Locate(const AnsiString& keyFields, const Variant& keyValues, TLocateOptions options);
    // The result fields' value(s) of the first match, or Null; the cursor stays.
    Variant Lookup(const AnsiString& keyFields, const Variant& keyValues, const AnsiString& resultFields);

    // Filtering through OnFilterRecord and, where a descendant reads it
    // (FilterTextPredicate), the Filter text, while Filtered is true. A
    // text the descendant cannot read raises and leaves the rows as they were.
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool value);
    const AnsiString& Filter() const { return filter_; }
    void SetFilter(const AnsiString& value);

    // Editing.
    void Edit();
    void Insert();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    bool Modified() const { return modified_; }
    virtual bool CanModify() const;
    // Lets the data links write their controls' contents into the fields.
    void UpdateRecord();
    // Posts a pending edit (after letting the links write) and leaves the
    // dataset browsing; does nothing when browsing.
    void CheckBrowseMode();

    // Whole records from a list of values, one per field in field order:
    // fewer values leave the other fields as they are, a nil pointer clears
    // its field. SetFields writes the record being edited; AppendRecord and
    // InsertRecord add a record and post it.
    void SetFields(std::span<const TVarRec> values);
    void AppendRecord(std::span<const TVarRec> values);
    void InsertRecord(std::span<const TVarRec> values);
    // Clears every data field of the record being edited.
    void ClearFields();

    // Searching in the current order: FindFirst and FindLast go to the
    // ends, FindNext and FindPrior one record on; each answers, and Found
    // keeps, whether a record was reached.
    bool FindFirst();
    bool FindLast();
    bool FindNext();
    bool FindPrior();
    bool Found() const { return found_; }

    // Data-aware controls.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }

    // Fields.
    TFields* Fields() const { return fields_.get(); }
    int FieldCount() const { return fields_->Count(); }
    TFieldDefs* FieldDefs() const { return fieldDefs_.get(); }
    // Reads the column definitions from the storage, which a closed dataset
    // opens and closes for it; an open one holds them already.
    void InitFieldDefs();
    // True when the fields were made from the storage's columns at opening
    // (no persistent fields).
    bool DefaultFields() const { return defaultFields_; }
    // EDatabaseError "Field 'X' not found" for an unknown name.
    TField* FieldByName(const AnsiString& name) const;
    TField* FindField(const AnsiString& name) const { return fields_->FindField(name); }
    // A stream holding the current record's bytes of a blob field, for
    // reading; the caller frees it.
    TStream* CreateBlobStream(TField* field) const;
    // Adds the fields named in a ";"-separated list, raising for an unknown one.
    void GetFieldList(TList* list, const AnsiString& fieldNames) const;
    std::vector<TField*> GetFieldList(const AnsiString& fieldNames) const;
    // Clears the list and fills it with the fields' names in display order,
    // or the field definitions' names while the dataset has no fields.
    virtual void GetFieldNames(TStrings* list) const;
    // The value of an aggregate field over the records; Null from a dataset
    // that maintains no aggregates, as this layer's datasets are.
    virtual Variant GetAggregateValue(const TField* field) const;
    // The record buffer in the native format: each field with bytes, in
    // field order, as a flag byte (1: a value) and its DataSize bytes.
    // RecordSize is the buffer's length, in the platform's 16-bit word.
    Word RecordSize() const;
    // Where a field's bytes start in the buffer; -1 for a field without any.
    int FieldOffset(const TField* field) const;
    // The buffer of the record the fields read; empty when there is none.
    std::string ActiveBuffer() const;
    // Copies the current record's buffer into `buffer` (RecordSize bytes);
    // false, leaving it alone, when there is no current record.
    bool GetCurrentRecord(char* buffer) const;
    // Copies the zero-terminated `source` into `dest` and answers its
    // length: ANSI and OEM texts share one code page here.
    int Translate(const char* source, char* dest, bool toOem) const;
    // One field's value, or a variant array for several ("A;B").
    Variant FieldValues(const AnsiString& fieldNames) const;
    void SetFieldValues(const AnsiString& fieldNames, const Variant& value);

    // The in-memory order: "A, B DESC"; "" restores the order of reading.
    // Stable; keeps the current row; raises for an unknown field.
    const AnsiString& SortText() const { return sort_; }
    void SetSortText(const AnsiString& sort);

    // Events.
#define SERVIORA_DATASET_EVENT(Name, Type) \
    const Type& Name() const { return Name##_; } \
    void Set##Name(const Type& handler) { Name##_ = handler; }
    SERVIORA_DATASET_EVENT(BeforeOpen, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterOpen, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeClose, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterClose, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeInsert, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterInsert, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeEdit, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterEdit, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforePost, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterPost, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeCancel, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterCancel, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeDelete, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterDelete, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeScroll, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterScroll, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(BeforeRefresh, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(AfterRefresh, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(OnCalcFields, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(OnNewRecord, TDataSetNotifyEvent)
    SERVIORA_DATASET_EVENT(OnFilterRecord, TFilterRecordEvent)
    SERVIORA_DATASET_EVENT(OnPostError, TDataSetErrorEvent)
    SERVIORA_DATASET_EVENT(OnEditError, TDataSetErrorEvent)
    SERVIORA_DATASET_EVENT(OnDeleteError, TDataSetErrorEvent)
#undef SERVIORA_DATASET_EVENT

    // Whether this dataset is (directly or through a chain of masters)
    // linked to `source`; a data source refuses such a dataset.
    bool IsLinkedTo(TDataSource* source) const;

    // The record the fields read: normally the current one; a data link
    // switches it to read another buffered row (see TDataLink::SetActiveRecord).
    int ActiveRecordPosition() const { return activePosition_; }
    void SetActiveRecordPosition(int position);

    // Tells every data source (and through it every link) of an event.
    void DataEvent(TDataEvent event, std::intptr_t info);

    // Form descriptions: persistent fields are written nested in their
    // dataset; Active read from a description takes effect in Loaded.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Loaded() override;

protected:
    // Storage. InternalOpen describes the columns and fills the rows (one
    // cell per column, in the order described).
    virtual void InternalOpen(std::vector<TColumnDescription>& columns, RecordList& records) = 0;
    virtual void InternalClose() {}
    // Writes a posted row; `changed` lists the columns assigned while
    // editing. May update the row's cells (defaults the storage applied) and
    // its rowid through `records`.
    virtual void InternalPost(RecordList& records, RecordList::Row row, bool inserting,
                              const std::vector<int>& changed) = 0;
    virtual void InternalDelete(RecordList& records, RecordList::Row row) = 0;
    // Whether rows may be written at all (a read-only result answers false).
    virtual bool StorageCanModify() const = 0;
    // The test of a record that a Filter text stands for; none (every
    // record passes) where the dataset does not read filter texts.
    virtual std::function<bool()> FilterTextPredicate(const AnsiString&) { return {}; }

    void CheckActive() const;
    void CheckInactive() const;

private:
    friend class TField;
    friend class TDataSource;

    // Field access to the snapshot.
    CellView ReadCell(const TField* field) const;
    void WriteCell(TField* field, CellValue value);
    bool HasActiveRecord() const;

    void SetState(TDataSetState state);
    // Insert (before the current row) or Append (after the last).
    void AddRecord(bool append);
    void OpenCursor();
    void CloseCursor();
    void CreateFields(const std::vector<TColumnDescription>& columns);
    void DestroyDefaultFields();
    void AddSource(TDataSource* source);
    void RemoveSource(TDataSource* source);

    // Moves the cursor (and the active record) to `position`, clamped to
    // the rows; callers set Bof and Eof.
    void SetPosition(int position);
    std::optional<int> FindRecord(const std::vector<TField*>& fields, const Variant& values,
                                  TLocateOptions options) const;
    bool AcceptRow(RecordList::Row row);
    void CalculateFields(RecordList::Row row) const;
    bool HandleError(const TDataSetErrorEvent& handler, EDatabaseError& error);
    RecordList::Row CurrentRow() const { return records_.RowAt(position_); }
    RecordList::Row ActiveRow() const { return records_.RowAt(activePosition_); }

    TDataSetState state_ = dsInactive;
    std::unique_ptr<TFields> fields_;
    std::unique_ptr<TFieldDefs> fieldDefs_;
    bool defaultFields_ = false;
    std::vector<TDataSource*> sources_;

    RecordList records_;
    int position_ = -1;        // current row's position; -1 when empty
    int activePosition_ = -1;  // row the fields read
    bool bof_ = true;
    bool eof_ = true;

    // Editing: the current row's cells while editing or inserting.
    std::vector<CellValue> editBuffer_;
    std::vector<bool> editChanged_;
    bool modified_ = false;
    bool found_ = false;
    // Calculated and lookup values per row, computed when first read.
    mutable std::vector<std::vector<CellValue>> calcValues_;
    mutable std::vector<bool> calcValid_;
    mutable std::optional<RecordList::Row> calcRow_;
    std::optional<RecordList::Row> probeRow_;  // row read while filtering or searching
    mutable bool readStored_ = false;          // fields read the stored record, not the edit

    bool streamedActive_ = false;
    bool filtered_ = false;
    bool autoCalcFields_ = true;
    TFilterOptions filterOptions_;
    AnsiString filter_;
    std::function<bool()> filterPredicate_;
    AnsiString sort_;

    int disableCount_ = 0;
    TDataSetState disabledState_ = dsInactive;

    TDataSetNotifyEvent BeforeOpen_, AfterOpen_, BeforeClose_, AfterClose_, BeforeInsert_, AfterInsert_,
        BeforeEdit_, AfterEdit_, BeforePost_, AfterPost_, BeforeCancel_, AfterCancel_, BeforeDelete_,
        AfterDelete_, BeforeScroll_, AfterScroll_, BeforeRefresh_, AfterRefresh_, OnCalcFields_, OnNewRecord_;
    TFilterRecordEvent OnFilterRecord_;
    TDataSetErrorEvent OnPostError_, OnEditError_, OnDeleteError_;
};
