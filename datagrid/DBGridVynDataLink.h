// TGridDataLinkVyn, a grid's link to its data source, which turns the
// dataset's notifications into the grid's operations and maps grid columns
// to fields; and TBookmarkListVyn, the grid's selected records, kept in the
// dataset's bookmark order.
#pragma once

#include <memory>
#include <vector>

#include "platform/data/datasource.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/grids.h"

class TCustomDBGridVyn;
class TField;

class TGridDataLinkVyn : public TDataLink {
    SERVIORA_CLASS(TGridDataLinkVyn, TDataLink)
public:
    explicit TGridDataLinkVyn(TCustomDBGridVyn* grid);
    ~TGridDataLinkVyn() override;

    // Appends the field named so to the map (-1 when a sparse map does not
    // find it); a dense map raises for an unknown name. Answers true.
    bool MapField(const AnsiString& fieldName);
    void ClearFieldMap();
    // The field of mapped column `index`, or nullptr.
    TField* MappedField(int index) const;
    int MappedCount() const { return mappedCount_; }
    // Whether the columns are the dataset's default fields.
    bool UsesDefaultFields() const;
    bool SparseMap() const { return sparseMap_; }
    void SetSparseMap(bool v) { sparseMap_ = v; }

    // The current cell's text was changed and not yet written to its field.
    bool EditModified() const { return editModified_; }
    void MarkModified() { editModified_ = true; }
    // Drops a pending cell edit, or else cancels the record's edit.
    void ResetRecord();

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void EditingChanged() override;
    void FocusControl(TField** field) override;
    void LayoutChanged() override;
    void RecordChanged(TField* field) override;
    void UpdateData() override;

private:
    TCustomDBGridVyn* grid_;
    std::vector<int> fieldMap_;
    int mappedCount_ = 0;
    bool updating_ = false;
    bool editModified_ = false;
    bool sparseMap_ = false;
};

class TBookmarkListVyn : public TObject {
    SERVIORA_CLASS(TBookmarkListVyn, TObject)
public:
    explicit TBookmarkListVyn(TCustomDBGridVyn* grid);
    ~TBookmarkListVyn() override;

    int Count() const { return list_->Count(); }
    TBookmarkStr Items(int index) const { return list_->Strings(index); }
    void ClearAll();
    int CompareMarks(const TBookmarkStr& a, const TBookmarkStr& b) const;
    // The dataset's current bookmark; raises on a closed dataset.
    TBookmarkStr CurrentBookmark() const;
    // Whether `bookmark` is listed, with its index or the place it would take.
    bool FindBookmark(const TBookmarkStr& bookmark, int& index);
    int IndexOfBookmark(const TBookmarkStr& bookmark);
    bool CurrentRowMarked();
    void SetCurrentRowMarked(bool value);
    void SetLinkActive(bool value);
    // Deletes every marked record from the dataset, last first.
    void DeleteMarked();
    // The grid rows on screen that show marked records, or all -1.
    TGridRect MarkedRowsRect();

private:
    void ListChanged(TObject* sender);
    void StateChanged();
    // In-memory-table mode reads the rows in view from the memory table.
    TGridRect MemTableMarkedRowsRect();
    TGridRect MarkedRowsSpan(int first, int last) const;

    TCustomDBGridVyn* grid_;
    std::unique_ptr<TStringList> list_;
    TBookmarkStr cacheText_;
    bool cacheFound_ = false;
    int cacheIndex_ = -1;
    bool linkActive_ = false;
};
