// TMemoryDataSet: a dataset over a vector of rows kept in memory, for tests
// of data-aware controls that need no database. Columns and rows are given
// while it is closed; edits, inserts and deletes write back into the rows,
// so they survive a reopen. Switches make it answer as unsequenced, refuse
// every write, or fail its deletes.
#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/data/dataset.h"
#include "platform/data/datasource.h"

class TMemoryDataSet : public TDataSet {
    SERVIORA_CLASS(TMemoryDataSet, TDataSet)
    SERVIORA_PUBLISHED
public:
    explicit TMemoryDataSet(TComponent* owner);

    // A column of the rows; only while closed.
    void AddColumn(const AnsiString& name, TFieldType type, int size = 0);
    // One row, a value per column (Null or Unassigned for none); dates as
    // varDate or ISO text.
    void AddRow(std::initializer_list<Variant> values) { AddRow(std::vector<Variant>(values)); }
    void AddRow(const std::vector<Variant>& values);
    // The stored rows still present, in the order they were added.
    int StoredRowCount() const;

    bool IsSequenced() const override { return sequenced_; }
    void SetSequenced(bool value) { sequenced_ = value; }
    // Every write raises "Cannot modify a read-only dataset".
    void SetReadOnly(bool value) { readOnly_ = value; }
    // Deletes raise EDatabaseError before anything is removed.
    void SetFailDelete(bool value) { failDelete_ = value; }

    // The value every aggregate field of the dataset reads.
    Variant GetAggregateValue(const TField*) const override { return aggregateValue_; }
    void SetAggregateValue(const Variant& value) { aggregateValue_ = value; }

    // Published as a master-detail dataset publishes it; the dataset only keeps it.
    TDataSource* MasterSource() const { return masterSource_; }
    void SetMasterSource(TDataSource* value) { masterSource_ = value; }

protected:
    void InternalOpen(std::vector<TColumnDescription>& columns, RecordList& records) override;
    void InternalPost(RecordList& records, RecordList::Row row, bool inserting,
                      const std::vector<int>& changed) override;
    void InternalDelete(RecordList& records, RecordList::Row row) override;
    bool StorageCanModify() const override { return !readOnly_; }

private:
    Variant aggregateValue_ = Null();
    CellValue CellOf(const Variant& value, TFieldType type) const;

    std::vector<TColumnDescription> columns_;
    // Indexed by rowid - 1; a deleted row stays as an empty slot.
    std::vector<std::optional<std::vector<CellValue>>> rows_;
    bool sequenced_ = true;
    bool readOnly_ = false;
    bool failDelete_ = false;
    TDataSource* masterSource_ = nullptr;
};
