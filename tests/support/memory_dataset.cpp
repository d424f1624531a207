#include "support/memory_dataset.h"

#include <algorithm>

#include "platform/data/iso_date.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"

SERVIORA_REGISTER_CLASS(TMemoryDataSet);

void TMemoryDataSet::Published(TPublished<TMemoryDataSet>& p) {
    p.Property("MasterSource", &TMemoryDataSet::MasterSource, &TMemoryDataSet::SetMasterSource);
}

TMemoryDataSet::TMemoryDataSet(TComponent* owner) : TDataSet(owner) {}

void TMemoryDataSet::AddColumn(const AnsiString& name, TFieldType type, int size) {
    CheckInactive();
    TColumnDescription column;
    column.name = name;
    column.dataType = type;
    column.size = type == ftString && size == 0 ? 50 : size;
    columns_.push_back(column);
}

void TMemoryDataSet::AddRow(const std::vector<Variant>& values) {
    std::vector<CellValue> cells;
    std::size_t i = 0;
    for (const Variant& value : values) {
        const TFieldType type = i < columns_.size() ? columns_[i].dataType : ftString;
        cells.push_back(CellOf(value, type));
        ++i;
    }
    cells.resize(columns_.size());
    rows_.emplace_back(std::move(cells));
}

int TMemoryDataSet::StoredRowCount() const {
    return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const auto& row) { return row.has_value(); }));
}

CellValue TMemoryDataSet::CellOf(const Variant& value, TFieldType type) const {
    if (VarIsNull(value) || VarIsEmpty(value)) return CellValue::Null();
    switch (type) {
    case ftBoolean: return CellValue::Integer(value.AsBoolean() ? 1 : 0);
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint: return CellValue::Integer(value.AsInt64());
    case ftFloat:
    case ftCurrency:
    case ftBCD:
    case ftFMTBcd: return CellValue::Real(value.AsDouble());
    case ftDate:
    case ftTime:
    case ftDateTime:
        if (value.VarType() == varDate) return CellValue::Text(DateTimeToIso(value.AsDateTime()));
        return CellValue::Text(value.AsString());
    case ftBlob:
    case ftBytes:
    case ftVarBytes:
    case ftGraphic:
    case ftTypedBinary: return CellValue::Blob(value.AsString());
    default: return CellValue::Text(AnsiToUtf8(value.AsString()));
    }
}

void TMemoryDataSet::InternalOpen(std::vector<TColumnDescription>& columns, RecordList& records) {
    columns = columns_;
    RowStore store(static_cast<int>(columns_.size()));
    std::vector<std::int64_t> rowids;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!rows_[i]) continue;
        store.AppendRow(*rows_[i]);
        rowids.push_back(static_cast<std::int64_t>(i + 1));
    }
    records = RecordList(std::move(store), std::move(rowids));
}

void TMemoryDataSet::InternalPost(RecordList& records, RecordList::Row row, bool inserting, const std::vector<int>&) {
    if (readOnly_) DatabaseError(SDataSetReadOnly, this);
    std::vector<CellValue> cells = records.Rows().Row(row);
    if (inserting) {
        rows_.emplace_back(std::move(cells));
        records.SetRowid(row, static_cast<std::int64_t>(rows_.size()));
        return;
    }
    rows_[static_cast<std::size_t>(records.Rowid(row) - 1)] = std::move(cells);
}

void TMemoryDataSet::InternalDelete(RecordList& records, RecordList::Row row) {
    if (readOnly_) DatabaseError(SDataSetReadOnly, this);
    if (failDelete_) DatabaseError("Record cannot be deleted", this);
    rows_[static_cast<std::size_t>(records.Rowid(row) - 1)].reset();
}
