#include "datagrid/DBGridVynDataLink.h"

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "platform/rtl/valuerestorer.h"

namespace {
// The largest number of entries the field map may hold.
constexpr int kMaxMapSize = 0x0FFFFFFF;
}  // namespace

// ---- TGridDataLinkVyn ------------------------------------------------------------

TGridDataLinkVyn::TGridDataLinkVyn(TCustomDBGridVyn* grid) : grid_(grid) { SetVisualControl(true); }

TGridDataLinkVyn::~TGridDataLinkVyn() { ClearFieldMap(); }

bool TGridDataLinkVyn::MapField(const AnsiString& fieldName) {
    if (mappedCount_ >= kMaxMapSize) RaiseInvalidGridOperation("Grid requested to display more than 256 columns");
    TDataSet* dataSet = DataSet();
    TField* field = sparseMap_ ? dataSet->FindField(fieldName) : dataSet->FieldByName(fieldName);
    if (mappedCount_ >= static_cast<int>(fieldMap_.size())) {
        const int capacity = static_cast<int>(fieldMap_.size());
        const int grown = std::min(std::max(capacity == 0 ? 8 : capacity * 2, mappedCount_ + 1), kMaxMapSize);
        fieldMap_.resize(static_cast<std::size_t>(grown));
    }
    fieldMap_[static_cast<std::size_t>(mappedCount_)] = field ? field->Index() : -1;
    if (field) field->FreeNotification(grid_);
    ++mappedCount_;
    return true;
}

void TGridDataLinkVyn::ClearFieldMap() {
    fieldMap_.clear();
    fieldMap_.shrink_to_fit();
    mappedCount_ = 0;
}

TField* TGridDataLinkVyn::MappedField(int index) const {
    if (index < 0 || index >= mappedCount_) return nullptr;
    const int fieldIndex = fieldMap_[static_cast<std::size_t>(index)];
    if (fieldIndex < 0) return nullptr;
    return DataSet()->Fields()->Fields(fieldIndex);
}

bool TGridDataLinkVyn::UsesDefaultFields() const {
    TDataSet* dataSet = DataSet();
    if (!dataSet) return true;
    if (sparseMap_)
        for (int i = 0; i < mappedCount_; ++i)
            if (fieldMap_[static_cast<std::size_t>(i)] < 0) return false;
    return dataSet->DefaultFields();
}

void TGridDataLinkVyn::ResetRecord() {
    if (editModified_)
        RecordChanged(nullptr);
    else
        DataSet()->Cancel();
}

void TGridDataLinkVyn::ActiveChanged() {
    grid_->LinkActiveChanged(Active());
    editModified_ = false;
}

void TGridDataLinkVyn::DataSetChanged() {
    grid_->RebuildLayout();
    editModified_ = false;
}

void TGridDataLinkVyn::DataSetScrolled(int distance) { grid_->DataScrolled(distance); }

void TGridDataLinkVyn::EditingChanged() { grid_->InvalidateIndicator(); }

void TGridDataLinkVyn::FocusControl(TField** field) {
    if (!*field) return;
    grid_->SelectColumnOfField(*field);
    if (grid_->SelectedField() == *field && grid_->TrySetFocus()) {
        *field = nullptr;
        grid_->ShowEditorNow();
    }
}

void TGridDataLinkVyn::LayoutChanged() {
    {
        ValueRestorer<bool> inLayout(grid_->inLinkLayout_, true);
        grid_->RequestLayout();
    }
    TDataLink::LayoutChanged();
}

void TGridDataLinkVyn::RecordChanged(TField* field) {
    grid_->RecordChanged(field);
    editModified_ = false;
}

void TGridDataLinkVyn::UpdateData() {
    if (updating_) return;
    ValueRestorer<bool> guard(updating_, true);
    if (editModified_) grid_->ApplyEditText();
    editModified_ = false;
}

// ---- TBookmarkListVyn ---------------------------------------------------------------

TBookmarkListVyn::TBookmarkListVyn(TCustomDBGridVyn* grid) : grid_(grid), list_(std::make_unique<TStringList>()) {
    list_->SetOnChange(TNotifyEvent(this, &TBookmarkListVyn::ListChanged));
}

TBookmarkListVyn::~TBookmarkListVyn() {
    ClearAll();
    StateChanged();
}

void TBookmarkListVyn::ListChanged(TObject*) {
    cacheText_.clear();
    cacheIndex_ = -1;
}

void TBookmarkListVyn::StateChanged() {
    if (TDBGridVynSelection* selection = grid_->Selection()) selection->DropIfEmpty();
}

void TBookmarkListVyn::ClearAll() {
    if (list_->Count() == 0) return;
    list_->Clear();
    StateChanged();
    grid_->Invalidate();
}

int TBookmarkListVyn::CompareMarks(const TBookmarkStr& a, const TBookmarkStr& b) const {
    return grid_->DataLink()->DataSet()->CompareBookmarks(a, b);
}

TBookmarkStr TBookmarkListVyn::CurrentBookmark() const {
    if (!linkActive_) RaiseInvalidGridOperation("Cannot perform this operation on a closed dataset");
    return grid_->DataLink()->DataSet()->Bookmark();
}

bool TBookmarkListVyn::FindBookmark(const TBookmarkStr& bookmark, int& index) {
    if (bookmark == cacheText_ && cacheIndex_ >= 0) {
        index = cacheIndex_;
        return cacheFound_;
    }
    bool found = false;
    int lo = 0;
    int hi = list_->Count() - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = CompareMarks(list_->Strings(mid), bookmark);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                lo = mid;
            }
        }
    }
    index = lo;
    cacheText_ = bookmark;
    cacheIndex_ = lo;
    cacheFound_ = found;
    return found;
}

int TBookmarkListVyn::IndexOfBookmark(const TBookmarkStr& bookmark) {
    int index;
    return FindBookmark(bookmark, index) ? index : -1;
}

bool TBookmarkListVyn::CurrentRowMarked() {
    int index;
    return FindBookmark(CurrentBookmark(), index);
}

void TBookmarkListVyn::SetCurrentRowMarked(bool value) {
    const TBookmarkStr bookmark = CurrentBookmark();
    int index;
    if (FindBookmark(bookmark, index) == value) return;
    if (value)
        list_->Insert(index, bookmark);
    else
        list_->Delete(index);
    grid_->InvalidateRow(grid_->Row());
    TDBGridVynSelection* selection = grid_->Selection();
    if (selection->Kind() != gstRecordBookmarks && list_->Count() > 0) {
        selection->Reset();
        selection->SetKind(gstRecordBookmarks);
    }
    StateChanged();
}

void TBookmarkListVyn::SetLinkActive(bool value) {
    ClearAll();
    StateChanged();
    linkActive_ = value;
}

void TBookmarkListVyn::DeleteMarked() {
    TDataSet* dataSet = grid_->DataLink()->DataSet();
    dataSet->DisableControls();
    try {
        for (int i = list_->Count() - 1; i >= 0; --i) {
            dataSet->SetBookmark(list_->Strings(i));
            dataSet->Delete();
            list_->Delete(i);
        }
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
    StateChanged();
}

TGridRect TBookmarkListVyn::MarkedRowsRect() {
    int first = -1;
    int last = -1;
    TGridDataLinkVyn* link = grid_->DataLink();
    if (link->Active()) {
        if (grid_->MemTableMode()) return MemTableMarkedRowsRect();
        const int saved = link->ActiveRecord();
        try {
            for (int i = 0; i < link->RecordCount(); ++i) {
                link->SetActiveRecord(i);
                if (IndexOfBookmark(link->DataSet()->Bookmark()) < 0) continue;
                if (first < 0) first = i;
                last = i;
            }
        } catch (...) {
            link->SetActiveRecord(saved);
            throw;
        }
        link->SetActiveRecord(saved);
    }
    return MarkedRowsSpan(first, last);
}

TGridRect TBookmarkListVyn::MarkedRowsSpan(int first, int last) const {
    if (first < 0) return {-1, -1, -1, -1};
    const int offset = grid_->TopDataOffset();
    return {0, offset + first, grid_->ColCount() - 1, offset + last};
}

TGridRect TBookmarkListVyn::MemTableMarkedRowsRect() {
    int first = -1;
    int last = -1;
    const int lastRow = grid_->MemTableLastRowOnScreen();
    for (int row = grid_->TopRow() - grid_->TopDataOffset(); row <= lastRow; ++row) {
        grid_->BeginRowRead(row);
        bool marked = false;
        try {
            marked = IndexOfBookmark(grid_->DataLink()->DataSet()->Bookmark()) >= 0;
        } catch (...) {
            grid_->EndRowRead();
            throw;
        }
        grid_->EndRowRead();
        if (!marked) continue;
        if (first < 0) first = row;
        last = row;
    }
    return MarkedRowsSpan(first, last);
}
