// The grid's selection: which cells each kind holds, how it is extended and
// cleared, and the part of the screen a change repaints.
#include "datagrid/DBGridVynSelection.h"

#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataLink.h"
#include "platform/data/dataset.h"
#include "platform/gdi/windef.h"
#include "platform/win/winpaint.h"

// ---- Columns --------------------------------------------------------------------------------------

void TDBGridVynSelectionCols::InsertOrdered(TColumnVyn* column) {
    std::vector<TColumnVyn*> items;
    for (int i = 0; i < Count(); ++i) items.push_back(Items(i));
    const auto at = std::find_if(items.begin(), items.end(),
                                 [&](TColumnVyn* listed) { return listed->Index() > column->Index(); });
    items.insert(at, column);
    Clear();
    for (TColumnVyn* item : items) Add(item);
}

void TDBGridVynSelectionCols::RemoveAllColumns() {
    for (int i = 0; i < Count(); ++i) grid_->InvalidateCol(grid_->DataToRawColumn(Items(i)->Index()));
    Clear();
    shiftAnchor_ = nullptr;
}

void TDBGridVynSelectionCols::ResetUnlessColumns() {
    if (grid_->Selection()->Kind() != gstColumns) grid_->Selection()->Reset();
}

void TDBGridVynSelectionCols::SettleKind() {
    grid_->Selection()->SetKind(Count() > 0 ? gstColumns : gstNon);
}

void TDBGridVynSelectionCols::ToggleColumn(TColumnVyn* column) {
    ResetUnlessColumns();
    if (IndexOf(column) >= 0)
        Remove(column);
    else
        InsertOrdered(column);
    grid_->InvalidateCol(grid_->DataToRawColumn(column->Index()));
    shiftAnchor_ = shiftEnd_ = column;
    SettleKind();
    shiftAdded_.Clear();
}

void TDBGridVynSelectionCols::SelectColumn(TColumnVyn* column, bool keepOthers) {
    ResetUnlessColumns();
    if (!keepOthers) RemoveAllColumns();
    if (IndexOf(column) < 0) InsertOrdered(column);
    grid_->InvalidateCol(grid_->DataToRawColumn(column->Index()));
    shiftAnchor_ = shiftEnd_ = column;
    grid_->Selection()->SetKind(gstColumns);
    shiftAdded_.Clear();
}

void TDBGridVynSelectionCols::StepColumn(int index, bool adding) {
    TColumnVyn* column = grid_->Columns()->Items(index);
    const bool selecting = IndexOf(shiftAnchor_) >= 0;
    const bool listed = IndexOf(column) >= 0;
    if (adding) {
        if (selecting && !listed && column->Visible())
            InsertOrdered(column);
        else if (!selecting && listed && column != shiftAnchor_)
            Remove(column);
        else
            return;
        shiftAdded_.Add(column);
    } else {
        if (shiftAdded_.IndexOf(column) < 0) return;
        if (selecting && listed && column != shiftAnchor_)
            Remove(column);
        else if (!selecting && !listed && column->Visible())
            InsertOrdered(column);
        else
            return;
        shiftAdded_.Remove(column);
    }
    grid_->InvalidateCol(grid_->DataToRawColumn(index));
}

void TDBGridVynSelectionCols::ExtendTo(TColumnVyn* column) {
    ResetUnlessColumns();
    if (!shiftAnchor_) {
        SelectColumn(column, true);
        shiftAnchor_ = column;
    } else {
        const int a = shiftAnchor_->Index();
        const int e = shiftEnd_ ? shiftEnd_->Index() : a;
        const int c = column->Index();
        if (e == a || (e > a && c > e) || (e < a && c < e)) {
            const int step = c < e ? -1 : 1;
            for (int i = e; i != c + step; i += step) StepColumn(i, true);
        } else {
            // Walking back towards the anchor undoes this extension; past
            // the anchor it extends on the other side.
            const int step = c < e ? -1 : 1;
            const bool crosses = step < 0 ? c < a : c > a;
            const int undoEnd = crosses ? a : c;
            for (int i = e; i != undoEnd; i += step) StepColumn(i, false);
            if (crosses)
                for (int i = a; i != c + step; i += step) StepColumn(i, true);
        }
    }
    shiftEnd_ = column;
    SettleKind();
}

void TDBGridVynSelectionCols::Resync() {
    std::vector<TColumnVyn*> kept;
    TDBGridColumnsVyn* columns = grid_->Columns();
    for (int i = 0; i < Count(); ++i) {
        TColumnVyn* listed = Items(i);
        for (int j = 0; j < columns->Count(); ++j)
            if (columns->Items(j) == listed) kept.push_back(listed);
    }
    std::sort(kept.begin(), kept.end(), [](TColumnVyn* x, TColumnVyn* y) { return x->Index() < y->Index(); });
    Clear();
    for (TColumnVyn* column : kept) Add(column);
}

TGridRect TDBGridVynSelectionCols::ToGridRect() const {
    int low = -1;
    int high = -1;
    for (int i = 0; i < Count(); ++i) {
        const int index = Items(i)->Index();
        if (low < 0 || index < low) low = index;
        high = std::max(high, index);
    }
    return {grid_->DataToRawColumn(low), 0, grid_->DataToRawColumn(high), grid_->RowCount()};
}

// ---- Rectangle ------------------------------------------------------------------------------------

void TDBGridVynSelectionRect::ClearRect() {
    anchor_ = {};
    end_ = {};
    grid_->Invalidate();
}

bool TDBGridVynSelectionRect::Usable() const {
    TDataSource* source = grid_->DataSource();
    return source && source->DataSet() && grid_->DataLink()->Active();
}

void TDBGridVynSelectionRect::RequireUsable(const char* message) const {
    if (!Usable()) RaiseInvalidGridOperation(message);
}

int TDBGridVynSelectionRect::Compare(const TBookmarkStr& a, const TBookmarkStr& b) const {
    return grid_->DataLink()->DataSet()->CompareBookmarks(a, b);
}

TBookmarkStr TDBGridVynSelectionRect::TopBookmark() const {
    RequireUsable("Error in TDBGridVynSelectionRect.GetTopRow");
    return Compare(anchor_.Row, end_.Row) <= 0 ? anchor_.Row : end_.Row;
}

TBookmarkStr TDBGridVynSelectionRect::BottomBookmark() const {
    RequireUsable("Error in TDBGridVynSelectionRect.GetBottomRow");
    return Compare(anchor_.Row, end_.Row) >= 0 ? anchor_.Row : end_.Row;
}

int TDBGridVynSelectionRect::LeftColumn() const {
    RequireUsable("Error in TDBGridVynSelectionRect.GetLeftCol");
    return std::min(anchor_.Col, end_.Col);
}

int TDBGridVynSelectionRect::RightColumn() const {
    RequireUsable("Error in TDBGridVynSelectionRect.GetRightCol");
    return std::max(anchor_.Col, end_.Col);
}

bool TDBGridVynSelectionRect::ContainsCell(int column, const TBookmarkStr& bookmark) const {
    RequireUsable("Error in function TDBGridVynSelectionRect.CellSelected");
    if (Compare(bookmark, TopBookmark()) < 0 || Compare(bookmark, BottomBookmark()) > 0) return false;
    return column >= LeftColumn() && column <= RightColumn();
}

void TDBGridVynSelectionRect::ExtendTo(int column, const TBookmarkStr& bookmark, bool extend) {
    TDBGridVynSelection* selection = grid_->Selection();
    if (selection->Kind() != gstRectangle) selection->Reset();
    const TDBCell oldAnchor = anchor_;
    const TDBCell oldEnd = end_;
    if (!anchor_.IsSet() || !extend) anchor_ = {column, bookmark};
    end_ = {column, bookmark};
    if (anchor_.Col != end_.Col || Compare(anchor_.Row, end_.Row) != 0)
        selection->SetKind(gstRectangle);
    else if (selection->Kind() == gstRectangle)
        selection->SetKind(gstNon);
    if (!grid_->HandleAllocated()) return;
    const auto box = [this](const TDBCell& a, const TDBCell& b) -> RECT {
        if (!a.IsSet() || !b.IsSet()) return {0, 0, 0, 0};
        const bool aFirst = Compare(a.Row, b.Row) <= 0;
        return ScreenBox(a.Col, aFirst ? a.Row : b.Row, aFirst ? b.Row : a.Row, b.Col);
    };
    const RECT before = box(oldAnchor, oldEnd);
    const RECT after = box(anchor_, end_);
    const HWND window = grid_->Handle();
    RECT common{};
    if (!IntersectRect(&common, &before, &after)) {
        InvalidateRect(window, &before, FALSE);
        InvalidateRect(window, &after, FALSE);
        return;
    }
    RECT whole{};
    UnionRect(&whole, &before, &after);
    const RECT bands[] = {{whole.left, whole.top, common.left, whole.bottom},
                          {common.left, whole.top, common.right, common.top},
                          {common.right, whole.top, whole.right, whole.bottom},
                          {common.left, common.bottom, common.right, whole.bottom}};
    for (const RECT& band : bands)
        if (band.right > band.left && band.bottom > band.top) InvalidateRect(window, &band, FALSE);
}

int TDBGridVynSelectionRect::FindBufferedRow(const TBookmarkStr& bookmark) const {
    TGridDataLinkVyn* link = grid_->DataLink();
    for (int i = 0; i < link->RecordCount(); ++i) {
        link->SetActiveRecord(i);
        if (Compare(link->DataSet()->Bookmark(), bookmark) == 0) return i;
    }
    return -1;
}

namespace {

// Keeps a link's active record over a scan of its buffer.
class TActiveRecordKeeper {
public:
    explicit TActiveRecordKeeper(TGridDataLinkVyn* link) : link_(link), saved_(link->ActiveRecord()) {}
    ~TActiveRecordKeeper() { link_->SetActiveRecord(saved_); }
    TActiveRecordKeeper(const TActiveRecordKeeper&) = delete;
    TActiveRecordKeeper& operator=(const TActiveRecordKeeper&) = delete;

private:
    TGridDataLinkVyn* link_;
    int saved_;
};

}  // namespace

TRect TDBGridVynSelectionRect::ScreenBox(int leftColumn, const TBookmarkStr& top, const TBookmarkStr& bottom,
                                         int rightColumn) const {
    if (leftColumn > rightColumn) std::swap(leftColumn, rightColumn);
    const bool ordered = Compare(top, bottom) <= 0;
    const TBookmarkStr& upper = ordered ? top : bottom;
    const TBookmarkStr& lower = ordered ? bottom : top;
    const int offset = grid_->TopDataOffset();
    if (grid_->MemTableMode()) {
        bool found = false;
        return grid_->BoxRect(grid_->DataToRawColumn(leftColumn), grid_->MemTableRowOfBookmark(upper, found) + offset,
                              grid_->DataToRawColumn(rightColumn), grid_->MemTableRowOfBookmark(lower, found) + offset);
    }
    TGridDataLinkVyn* link = grid_->DataLink();
    TActiveRecordKeeper keeper(link);
    int topRow = 0;
    link->SetActiveRecord(0);
    if (Compare(upper, link->DataSet()->Bookmark()) >= 0) {
        topRow = FindBufferedRow(upper);
        if (topRow < 0) topRow = link->RecordCount();
    }
    int bottomRow = grid_->VisibleDataRowCount();
    link->SetActiveRecord(std::max(link->RecordCount() - 1, 0));
    if (Compare(lower, link->DataSet()->Bookmark()) <= 0) bottomRow = FindBufferedRow(lower);
    return grid_->BoxRect(grid_->DataToRawColumn(leftColumn), topRow + offset, grid_->DataToRawColumn(rightColumn),
                          bottomRow + offset);
}

TGridRect TDBGridVynSelectionRect::ToGridRect() const {
    TGridRect result{-1, -1, -1, -1};
    TGridDataLinkVyn* link = grid_->DataLink();
    if (!link->Active() || !anchor_.IsSet() || !end_.IsSet()) return result;
    const TBookmarkStr top = TopBookmark();
    const TBookmarkStr bottom = BottomBookmark();
    int first = -1;
    int last = -1;
    if (grid_->MemTableMode()) {
        bool found = false;
        first = grid_->MemTableRowOfBookmark(top, found);
        if (first >= grid_->PresentedRowCount()) first = -1;
        last = grid_->MemTableRowOfBookmark(bottom, found);
        if (!found) --last;
        if (last < first) first = last = -1;
    } else {
        TActiveRecordKeeper keeper(link);
        for (int i = 0; i < link->RecordCount(); ++i) {
            link->SetActiveRecord(i);
            const TBookmarkStr here = link->DataSet()->Bookmark();
            if (first < 0 && Compare(here, top) >= 0) first = i;
            if (Compare(here, bottom) <= 0) last = i;
        }
    }
    if (first < 0 || last < 0) return result;
    const int offset = grid_->TopDataOffset();
    return {grid_->DataToRawColumn(LeftColumn()), first + offset, grid_->DataToRawColumn(RightColumn()),
            last + offset};
}

// ---- The selection --------------------------------------------------------------------------------

TDBGridVynSelection::TDBGridVynSelection(TCustomDBGridVyn* grid)
    : grid_(grid),
      columns_(std::make_unique<TDBGridVynSelectionCols>(grid)),
      rect_(std::make_unique<TDBGridVynSelectionRect>(grid)) {}

TDBGridVynSelection::~TDBGridVynSelection() = default;

void TDBGridVynSelection::SetKind(TDBGridVynSelectionType kind) {
    if (kind == kind_) return;
    kind_ = kind;
    grid_->InvalidateEditor();
}

bool TDBGridVynSelection::ContainsCell(int column, const TBookmarkStr& bookmark) const {
    switch (kind_) {
        case gstRecordBookmarks: return grid_->SelectedRows()->IndexOfBookmark(bookmark) >= 0;
        case gstRectangle: return column >= 0 && rect_->ContainsCell(column, bookmark);
        case gstColumns:
            return column >= 0 && column < grid_->Columns()->Count() &&
                   columns_->IndexOf(grid_->Columns()->Items(column)) >= 0;
        case gstAll: return true;
        case gstNon: break;
    }
    return false;
}

TGridRect TDBGridVynSelection::ToGridRect() const {
    switch (kind_) {
        case gstRecordBookmarks: return grid_->SelectedRows()->MarkedRowsRect();
        case gstRectangle: return rect_->ToGridRect();
        case gstColumns: return columns_->ToGridRect();
        case gstAll: return {0, 0, grid_->ColCount(), grid_->RowCount()};
        case gstNon: break;
    }
    return {-1, -1, -1, -1};
}

void TDBGridVynSelection::Reset() {
    auto finish = [this] {
        kind_ = gstNon;
        if (grid_->Options().Contains(dgAlwaysShowEditor) && grid_->EditorAlwaysVisible()) grid_->ShowEditorNow();
    };
    try {
        switch (kind_) {
        case gstRecordBookmarks: grid_->SelectedRows()->ClearAll(); break;
        case gstRectangle: rect_->ClearRect(); break;
        case gstColumns: columns_->RemoveAllColumns(); break;
        case gstAll: grid_->Invalidate(); break;
        case gstNon: break;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TDBGridVynSelection::MarkAll() {
    if (kind_ == gstAll) return;
    if (kind_ != gstNon) Reset();
    kind_ = gstAll;
    grid_->Invalidate();
}

void TDBGridVynSelection::DropIfEmpty() {
    const bool empty = (kind_ == gstRecordBookmarks && grid_->SelectedRows()->Count() == 0) ||
                       (kind_ == gstColumns && columns_->Count() == 0);
    if (!empty) return;
    kind_ = gstNon;
    grid_->Invalidate();
}

void TDBGridVynSelection::DataLinkActiveChanged(bool active) {
    grid_->SelectedRows()->SetLinkActive(active);
    Reset();
}
