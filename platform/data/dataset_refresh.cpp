// TDataSet::Refresh: the snapshot read again, the fields and the user's
// place kept; Resync: the controls told to read the records again.
#include <optional>

#include "platform/data/dataset.h"

void TDataSet::Refresh() {
    CheckActive();
    CheckBrowseMode();
    BeforeRefresh_(this);
    std::vector<TColumnDescription> columns;
    RecordList records;
    InternalOpen(columns, records);
    if (static_cast<int>(columns.size()) != fieldDefs_->Count()) {
        // The storage changed shape: the fields must be made again.
        Close();
        Open();
        AfterRefresh_(this);
        return;
    }
    const int oldPosition = position_;
    const std::optional<std::int64_t> rowid =
        position_ >= 0 ? std::optional<std::int64_t>(records_.Rowid(CurrentRow())) : std::nullopt;
    records_ = std::move(records);
    calcValues_.clear();
    calcValid_.clear();
    if (filtered_) records_.SetFilter([this](RecordList::Row row) { return AcceptRow(row); });
    int position = oldPosition;
    for (int i = 0; rowid && i < records_.Count(); ++i)
        if (records_.Rowid(records_.RowAt(i)) == *rowid) {
            position = i;
            break;
        }
    SetPosition(position);
    bof_ = eof_ = records_.Count() == 0;
    if (!sort_.empty()) SetSortText(AnsiString(sort_));
    DataEvent(deDataSetChange, 0);
    AfterRefresh_(this);
}

void TDataSet::Resync(TResyncModes) {
    CheckActive();
    calcValid_.assign(calcValid_.size(), false);
    DataEvent(deDataSetChange, 0);
}
