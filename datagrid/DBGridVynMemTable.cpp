// The grid over a dataset that offers all of its rows (IMemTableVyn): one
// grid row per presented row instead of one per buffered record, rows read on
// demand, scrolling by grid rows, and, for a tree, the node lines and boxes in
// the first visible column that a click or a numpad key expands and collapses.
#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynColumns.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "datagrid/ToolCtrlsVynMemTable.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/winscroll.h"
#include "platform/win/winuser.h"

namespace {

constexpr int kTreeLevelWidth = 18;

}  // namespace

// ---- Entering and leaving the mode -----------------------------------------------------------------

void TCustomDBGridVyn::CheckMemTableMode() {
    IMemTableVyn* const old = memTable_;
    TDataSet* dataSet = dataLink_ ? dataLink_->DataSet() : nullptr;
    IMemTableVyn* offered = dataSet ? dynamic_cast<IMemTableVyn*>(dataSet) : nullptr;
    memTable_ = memTableAllowed_ && footerRowCount_ == 0 ? offered : nullptr;
    memTableDataSet_ = memTable_ ? dataSet : nullptr;
    if (memTable_ == old) return;
    if (memTable_) dataSet->FreeNotification(this);
    RequestLayout();
}

void TCustomDBGridVyn::SetMemTableModeAllowed(bool v) {
    if (v == memTableAllowed_) return;
    memTableAllowed_ = v;
    CheckMemTableMode();
}

void TCustomDBGridVyn::MemTableDataSetRemoved(TComponent* component) {
    if (!memTable_ || component != memTableDataSet_) return;
    // Being destroyed: its interface is no longer asked anything.
    memTable_ = nullptr;
    memTableDataSet_ = nullptr;
    RequestLayout();
}

// ---- Rows and the current row ------------------------------------------------------------------------

int TCustomDBGridVyn::PresentedRowCount() const {
    if (!dataLink_->Active()) return 0;
    return memTable_ ? memTable_->RecordCount() : dataLink_->RecordCount();
}

int TCustomDBGridVyn::MemTableRowOfBookmark(const TBookmarkStr& bookmark, bool& found) {
    TDataSet* dataSet = dataLink_->DataSet();
    // Presented rows keep bookmark order, so a bisection reads few of them.
    int lo = 0;
    int hi = PresentedRowCount() - 1;
    found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        BeginRowRead(mid);
        int order = 0;
        try {
            order = dataSet->CompareBookmarks(dataSet->Bookmark(), bookmark);
        } catch (...) {
            EndRowRead();
            throw;
        }
        EndRowRead();
        if (order < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (order == 0) found = true;
        }
    }
    return lo;
}

int TCustomDBGridVyn::MemTableLastRowOnScreen() const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    return std::min(info.Vert.LastVisibleCell() - topDataOffset_, PresentedRowCount() - 1);
}

void TCustomDBGridVyn::MemTableMoveToRow(int row, bool show) {
    const int col = Col();
    const bool moveAnchor = !memTableRepositioning_;
    // A column left of the scrolling ones is reached through the first scrolling column of the row.
    if (col < FixedCols() && !memTableRepositioning_) MoveColRow(FixedCols(), row, moveAnchor, show);
    MoveColRow(col, row, moveAnchor, show);
    // An always-shown editor goes along to the new row.
    if (EditorAlwaysVisible() && InplaceEditor() && InplaceEditor()->Visible()) ShowEditorNow();
}

void TCustomDBGridVyn::MemTableRecalcRowCount() {
    SetRowCount(std::max(PresentedRowCount(), 1) + topDataOffset_);
    if (HandleAllocated()) {
        MemTableUpdateTopRow();
        if (dataLink_->Active()) {
            const int index = memTable_->CurrentRecordIndex();
            if (index != Row() - topDataOffset_) {
                InvalidateRow(Row());
                MemTableMoveToRow(index < 0 ? FixedRows() : index + topDataOffset_, false);
                InvalidateRow(Row());
            }
        }
    }
    MemTableFetchVisible();
    Invalidate();
}

void TCustomDBGridVyn::MemTableRecordChanged() {
    if (incSearchActive_ && !incSearchMoving_) EndIncSearch();
    SetRowCount(std::max(PresentedRowCount(), 1) + topDataOffset_);
    if (dataLink_->Active()) {
        InvalidateRow(Row());
        if (HandleAllocated() && !Loading()) {
            const int index = memTable_->CurrentRecordIndex();
            const int row = index < 0 ? FixedRows() : index + topDataOffset_;
            if (row != Row()) {
                if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
                // The current row is kept in view, as keys and the wheel expect.
                MemTableMoveToRow(row, true);
                InvalidateEditor();
                InvalidateRow(Row());
            } else if (TField* selected = SelectedField();
                       selected && FieldEditText(columns_->Items(SelectedIndex())) != editText_) {
                InvalidateEditor();
            }
        }
    }
    MemTableUpdateVertScrollBar();
}

void TCustomDBGridVyn::MemTableFetchVisible() {
    if (memTableFetching_ || !HandleAllocated() || !dataLink_->Active()) return;
    ValueRestorer<bool> fetching(memTableFetching_, true);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const TGridAxisDrawInfo& rows = info.Vert;
    if (rows.GridBoundary < rows.GridExtent)
        memTable_->FetchRecords((rows.GridExtent - rows.GridBoundary) / std::max(DefaultRowHeight(), 1) + 1);
    else if (rows.LastFullVisibleCell == RowCount() - 1)
        memTable_->FetchRecords(1);
}

// ---- Scrolling ------------------------------------------------------------------------------------------

void TCustomDBGridVyn::MemTableUpdateVertScrollBar() {
    if (!HandleAllocated()) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const int min = 1;
    const int max = RowCount() - FixedRows();
    const int page = info.Vert.LastFullVisibleCell - TopRow() + 1;
    const int pos = TopRow() - FixedRows() + 1;
    SCROLLINFO current{};
    current.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, &current);
    if (current.nMin == min && current.nMax == max && static_cast<int>(current.nPage) == page && current.nPos == pos)
        return;
    SCROLLINFO info2{};
    info2.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info2.nMin = min;
    info2.nMax = max;
    info2.nPage = static_cast<UINT>(std::max(page, 0));
    info2.nPos = pos;
    SetScrollInfo(Handle(), SB_VERT, &info2, TRUE);
}

void TCustomDBGridVyn::MemTableVertScroll(int code, int trackPosition) {
    if (!dataLink_->Active()) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    int top = TopRow();
    bool move = true;
    switch (code) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: {
            // The smallest top row that still shows the current top row whole.
            const int room = info.Vert.GridExtent - info.Vert.FixedBoundary;
            int used = info.Vert.Advance(top);
            int first = top;
            while (first - 1 >= FixedRows() && used + info.Vert.Advance(first - 1) <= room) used += info.Vert.Advance(--first);
            top -= std::max(top - first, 1);
            break;
        }
        case SB_PAGEDOWN: top += std::max(info.Vert.LastFullVisibleCell - top, 1); break;
        case SB_TOP: top = FixedRows(); break;
        case SB_BOTTOM: top = RowCount(); break;
        case SB_THUMBPOSITION: top = FixedRows() + trackPosition - 1; break;
        case SB_THUMBTRACK:
            move = vertScrollBar_->Tracking();
            top = FixedRows() + trackPosition - 1;
            break;
        default: move = false;
    }
    if (move) MemTableSafeMoveTop(top);
    MemTableUpdateVertScrollBar();
}

bool TCustomDBGridVyn::MemTableMouseWheel(bool down, TShiftState shift, TPoint mousePos) {
    const TMouseWheelUpDownEvent& handler = down ? OnMouseWheelDown() : OnMouseWheelUp();
    if (handler) {
        bool handled = false;
        handler(this, shift, mousePos, handled);
        if (handled) return true;
    }
    if (!dataLink_->Active()) return true;
    const int sign = down ? 1 : -1;
    const bool shifted = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    if (shifted) {
        dataLink_->DataSet()->MoveBy(sign * (ctrl ? VisibleRowCount() : 1));
    } else if (ctrl) {
        if (down) memTable_->FetchRecords(VisibleRowCount());
        MemTableVertScroll(down ? SB_PAGEDOWN : SB_PAGEUP, 0);
    } else {
        MemTableVertScroll(down ? SB_LINEDOWN : SB_LINEUP, 0);
    }
    return true;
}

void TCustomDBGridVyn::MemTableSafeMoveTop(int row) {
    row = std::clamp(row, FixedRows(), std::max(RowCount() - 1, FixedRows()));
    row = std::max(std::min(row, CalcMaxTopLeftCell().Y), FixedRows());
    SetTopRow(row);
    MemTableUpdateVertScrollBar();
}

void TCustomDBGridVyn::MemTableUpdateTopRow() {
    const int maxTop = CalcMaxTopLeftCell().Y;
    if (maxTop < TopRow()) SetTopRow(std::max(maxTop, FixedRows()));
}

// ---- The tree ---------------------------------------------------------------------------------------------

int TCustomDBGridVyn::TreeNodeAreaWidth() const {
    if (!memTable_ || !dataLink_->Active() || memTable_->RecordCount() == 0 || !memTable_->TreeViewMode()) return 0;
    return std::max(memTable_->NodeLevel(), 0) * kTreeLevelWidth;
}

bool TCustomDBGridVyn::TreeNodeColumn(TColumnVyn* column) const {
    return TreeNodeAreaWidth() > 0 && VisibleColumns()->Count() > 0 && VisibleColumns()->Items(0) == column;
}

void TCustomDBGridVyn::DrawTreeNodeArea(int dataCol, int dataRow, const TRect& rect, TGridDrawState state) {
    if (!memTable_ || !memTable_->TreeViewMode()) return;
    TCanvas* canvas = Canvas();
    const TColor saved = canvas->Brush()->Color();
    TColor background = columns_->Items(dataCol)->Color();
    // The selection colours, without touching the font the cell's text uses.
    TFont scratch;
    scratch.Assign(canvas->Font());
    GetDataCellColors(dataCol, dataRow, &scratch, background, state, AnsiString());
    canvas->Brush()->SetColor(background);
    DrawTreeNodes(canvas, rect);
    canvas->Brush()->SetColor(saved);
}

void TCustomDBGridVyn::DrawTreeNodes(TCanvas* canvas, const TRect& rect) {
    if (!memTable_ || !memTable_->TreeViewMode()) return;
    const TColor background = canvas->Brush()->Color();
    const int level = memTable_->NodeLevel();
    TRect element{rect.left, rect.top, rect.left + kTreeLevelWidth, rect.bottom};
    auto draw = [&](int kind) {
        canvas->Brush()->SetColor(background);
        canvas->Brush()->SetStyle(bsSolid);
        if (kind < 0)
            canvas->FillRect(element);
        else
            DrawTreeElement(canvas, element, kind);
        element.left += kTreeLevelWidth;
        element.right += kTreeLevelWidth;
    };
    for (int l = 1; l < level; ++l) draw(memTable_->NodeLineContinues(l) ? 9 : -1);
    const int last = memTable_->NodeLineContinues(level) ? 0 : 1;
    draw(memTable_->NodeHasChildren() ? (memTable_->NodeExpanded() ? 0 : 3) + last : 6 + last);
    canvas->Brush()->SetColor(background);
}

void TCustomDBGridVyn::DrawTreeElement(TCanvas* canvas, const TRect& rect, int element) {
    canvas->FillRect(rect);
    // Rows move by odd pitches: the dots keep their screen phase as the rows scroll.
    const bool parity = DefaultRowHeight() % 2 == 1 && TopRow() % 2 == 1;
    PaintTreeElement(canvas, rect, element, parity);
}

bool TCustomDBGridVyn::MTTreeNodeClick(int x, int y) {
    if (!memTable_ || !memTable_->TreeViewMode() || !dataLink_->Active()) return false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < topDataOffset_ || cell.Y >= RowCount() || VisibleColumns()->Count() == 0) return false;
    if (RawToDataColumn(cell.X) != VisibleColumns()->Items(0)->Index()) return false;
    if (cell.Y - topDataOffset_ >= memTable_->RecordCount()) return false;
    TDataSet* dataSet = dataLink_->DataSet();
    const TBookmarkStr bookmark = dataSet->Bookmark();
    const int oldTop = TopRow();
    const int recNo = dataSet->RecNo() + cell.Y - Row();
    const bool otherRow = cell.Y != Row();
    if (otherRow) memTable_->ReadRowEnter(recNo - 1);
    const int area = TreeNodeAreaWidth();
    const bool expanded = memTable_->NodeExpanded();
    const bool hasChildren = memTable_->NodeHasChildren();
    if (otherRow) memTable_->ReadRowLeave();
    const TRect rect = CellRect(cell.X, cell.Y);
    // The tree area leads the cell: at its right edge right to left.
    const int offset = UseRightToLeftAlignment() ? rect.right - 1 - x : x - rect.left;
    if (offset < 0 || offset >= area) return false;
    dataSet->DisableControls();
    bool controlsEnabled = false;
    try {
        ValueRestorer<bool> suppress(paintSuppressed_, true);
        ValueRestorer<bool> repositioning(memTableRepositioning_, true);
        int current = 0;
        if (hasChildren && offset >= area - kTreeLevelWidth) current = memTable_->SetNodeExpanded(recNo, !expanded);
        if (current > 0 && current != dataSet->RecNo())
            dataSet->SetRecNo(current);
        else if (dataSet->BookmarkValid(bookmark))
            dataSet->GotoBookmark(bookmark);
        controlsEnabled = true;
        dataSet->EnableControls();
        MemTableSafeMoveTop(oldTop);
    } catch (...) {
        if (!controlsEnabled) dataSet->EnableControls();
        Invalidate();
        MemTableUpdateVertScrollBar();
        throw;
    }
    Invalidate();
    MemTableUpdateVertScrollBar();
    return true;
}

void TCustomDBGridVyn::MTToggleCurrentNode(int expand) {
    if (!memTable_ || !memTable_->TreeViewMode() || !dataLink_->Active() || memTable_->RecordCount() == 0) return;
    if (!memTable_->NodeHasChildren()) return;
    const bool wanted = expand < 0 ? !memTable_->NodeExpanded() : expand > 0;
    if (wanted == memTable_->NodeExpanded()) return;
    TDataSet* dataSet = dataLink_->DataSet();
    const int oldTop = TopRow();
    dataSet->DisableControls();
    try {
        ValueRestorer<bool> repositioning(memTableRepositioning_, true);
        const int current = memTable_->SetNodeExpanded(dataSet->RecNo(), wanted);
        if (current > 0 && current != dataSet->RecNo()) dataSet->SetRecNo(current);
    } catch (...) {
        dataSet->EnableControls();
        throw;
    }
    dataSet->EnableControls();
    MemTableSafeMoveTop(oldTop);
    Invalidate();
}
