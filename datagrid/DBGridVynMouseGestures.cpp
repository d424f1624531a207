// The grid's mouse gestures beyond the plain click: double clicks on
// dividers and cells, sizing of frozen columns and live (traced) sizing,
// column selection from the bottom band of the titles, drag selection of
// rows and rectangles with its timed scrolling, the cursor that announces
// each of them, the horizontal bar's tracking and cancelling.
#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynLib.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "platform/win/msgqueue.h"
#include "platform/win/winpaint.h"

namespace {

enum MouseGestureKind { kNoGesture = 0, kSelectingRows = 1, kSelectingColumns = 2, kSelectingRect = 3, kFrozenSizing = 6 };
// The band at the bottom of a title cell in which a press selects columns.
constexpr int kColumnSelectBand = 7;
constexpr int kColumnSelectInterval = 60;

bool StepsOnClick(const TColumnVyn* column) {
    return column->ValueKind() == cvkCheckbox || column->ValueKind() == cvkImageList;
}

}  // namespace

TRect TCustomDBGridVyn::DataAreaBox() const {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TRect box{info.Horz.FixedBoundary, info.Vert.FixedBoundary, info.Horz.GridBoundary, info.Vert.GridBoundary};
    if (footerRowCount_ > 0) {
        const TRect spacer = CellRect(0, RowCount() - footerRowCount_ - 1);
        if (spacer.bottom > spacer.top) box.bottom = spacer.top;
    }
    return box;
}

int TCustomDBGridVyn::SizedColumnLeft(int col) const {
    const int line = options_.Contains(dgColLines) ? GridLineWidth() : 0;
    int left = 0;
    if (col < FixedCols()) {
        for (int i = 0; i < col; ++i) left += ColWidths(i) + line;
        return left;
    }
    for (int i = 0; i < FixedCols(); ++i) left += ColWidths(i) + line;
    for (int i = LeftCol(); i < col; ++i) left += ColWidths(i) + line;
    return left;
}

void TCustomDBGridVyn::ApplyTracedWidth(int col, int position) {
    if (autoFitColWidths_ && !ComponentState().Contains(csDesigning)) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        if (position >= info.Horz.GridBoundary - (columns_->Count() - col) * (1 + GridLineWidth())) return;
    }
    SetColWidths(col, std::max(1, position - SizedColumnLeft(col)));
}

int TCustomDBGridVyn::FrozenSizingHitTest(int x, int y, int& position, int& offset, int& column) const {
    if (!TCustomGrid::Options().Contains(goColSizing) || frozenCols_ == 0) return kNoGesture;
    const int line = GridLineWidth();
    int titleBottom = 0;
    for (int row = 0; row < TitleRowCount(); ++row) titleBottom += RowHeights(row) + line;
    if (y >= titleBottom) return kNoGesture;
    const int near = line <= 6 ? (7 - line) / 2 : 0;
    const int band = std::max(line, 7);
    const int width = ClientWidth();
    if (UseRightToLeftAlignment()) x = width - x;
    int edge = 0;
    for (int col = 0; col < FixedCols(); ++col) {
        edge += ColWidths(col);
        if (col >= indicatorOffset_) {
            if (edge > width) {
                TGridDrawInfo info;
                CalcDrawInfo(info);
                if (info.Horz.GridExtent == width && x >= width - near) {
                    position = width;
                    offset = width - x;
                    column = col;
                    return kFrozenSizing;
                }
                return kNoGesture;
            }
            if (x >= edge - near && x <= edge + band - near) {
                position = edge;
                offset = edge - x;
                column = col;
                return kFrozenSizing;
            }
        }
        edge += line;
    }
    return kNoGesture;
}

void TCustomDBGridVyn::DrawSizingLine() {
    if (!HandleAllocated()) return;
    const HDC dc = GetDC(Handle());
    const HPEN pen = CreatePen(PS_DOT, 1, RGB(255, 255, 255));
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const int oldMode = SetROP2(dc, R2_XORPEN);
    const TRect client = ClientRect();
    if (GridState() == gsRowSizing) {
        MoveToEx(dc, 0, SizingPos(), nullptr);
        LineTo(dc, client.right, SizingPos());
    } else {
        MoveToEx(dc, frozenSizingPos_, 0, nullptr);
        LineTo(dc, frozenSizingPos_, client.bottom);
    }
    SetROP2(dc, oldMode);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    ReleaseDC(Handle(), dc);
}

bool TCustomDBGridVyn::OnColumnSelectBand(int x, int y) const {
    if (ComponentState().Contains(csDesigning) || !dataLink_->Active() || !options_.Contains(dgMultiSelect) ||
        !options_.Contains(dgTitles) || options_.Contains(dgRowSelect) || !allowedSelections_.Contains(gstColumns))
        return false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.Y != 0 || cell.X < indicatorOffset_ || RawToDataColumn(cell.X) >= columns_->Count()) return false;
    const TRect rect = CellRect(cell.X, 0);
    return y >= rect.bottom - kColumnSelectBand;
}

bool TCustomDBGridVyn::GesturePress(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbRight) SetMouseCapture(true);
    pressedCheckCell_ = {-1, -1};
    pressPoint_ = movePoint_ = TPoint{x, y};
    if (!TrySetFocus()) return true;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TGridState sizing = gsNormal;
    int index = 0, sizingPos = 0, sizingOfs = 0;
    CalcSizingState(x, y, sizing, index, sizingPos, sizingOfs, info);
    int frozenPos = 0, frozenOfs = 0, frozenCol = -1;
    if (button == mbLeft && shift.Contains(ssDouble)) {
        if (sizing != gsColSizing && FrozenSizingHitTest(x, y, frozenPos, frozenOfs, frozenCol) == kFrozenSizing) {
            sizing = gsColSizing;
            index = frozenCol;
        }
        bool fitted = false;
        const int sized = RawToDataColumn(index);
        if (sizing == gsColSizing && optionsVyn_.Contains(dghDblClickOptimizeColWidth) && sized >= 0 &&
            sized < columns_->Count()) {
            OptimizeColumnWidths(columns_->Items(sized));
            fitted = true;
        } else if (dataLink_->Active()) {
            const TGridCoord cell = MouseCoord(x, y);
            const int data = RawToDataColumn(cell.X);
            if (cell.Y >= 0 && data >= 0 && data < columns_->Count() && GetCellType(cell.X, cell.Y).Vert == 2) {
                TColumnVyn* column = columns_->Items(data);
                if (StepsOnClick(column) && column->DblClickNextVal()) column->StepValue(shift.Contains(ssShift) ? -1 : 1);
            }
        }
        if (!fitted) DblClick();
        TControl::MouseDown(button, shift, x, y);
        return true;
    }
    if (button == mbLeft && FrozenSizingHitTest(x, y, frozenPos, frozenOfs, frozenCol) == kFrozenSizing) {
        mouseGesture_ = kFrozenSizing;
        frozenSizingPos_ = frozenPos;
        frozenSizingOfs_ = frozenOfs;
        frozenSizingCol_ = frozenCol;
        if (!optionsVyn_.Contains(dghTraceColSizing)) DrawSizingLine();
        return true;
    }
    if (sizing != gsNormal) {
        if (dataLink_->Active()) dataLink_->UpdateRecord();
        if (optionsVyn_.Contains(dghTraceColSizing) && button == mbLeft && sizing == gsColSizing) {
            // The base grid's sizing state without its line: the width follows the pointer.
            if (UseRightToLeftAlignment()) sizingPos = ClientWidth() - sizingPos;
            SetGridState(gsColSizing);
            SetSizingIndex(index);
            SetSizingPos(sizingPos);
            SetSizingOfs(sizingOfs);
            tracedSizing_ = true;
            SetMouseCapture(true);
        } else {
            TCustomGrid::MouseDown(button, shift, x, y);
        }
        return true;
    }
    if (OnColumnSelectBand(x, y)) {
        const TGridCoord cell = MouseCoord(x, y);
        TColumnVyn* column = columns_->Items(RawToDataColumn(cell.X));
        InvalidateCol(cell.X);
        mouseGesture_ = kSelectingColumns;
        StartSelectTimer(kColumnSelectInterval);
        if (shift.Contains(ssShift)) {
            selection_->Columns()->ExtendTo(column);
        } else if (shift.Contains(ssCtrl)) {
            selection_->Columns()->ToggleColumn(column);
        } else {
            Invalidate();
            selection_->Columns()->SelectColumn(column, false);
        }
        return true;
    }
    return false;
}

bool TCustomDBGridVyn::TitleAreaPress(TMouseButton button, TShiftState shift, int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0 || cell.Y >= TitleRowCount()) return false;
    if (!ComponentState().Contains(csDesigning) && !options_.Contains(dgColumnResize)) return false;
    if (cell.X == 0 && cell.Y == 0 && indicatorOffset_ > 0 && options_.Contains(dgMultiSelect) &&
        dataLink_->Active() && allowedSelections_.Contains(gstAll)) {
        if (selection_->Kind() != gstNon)
            selection_->Reset();
        else
            selection_->MarkAll();
        InvalidateEditor();
    }
    if (dataLink_->Active()) dataLink_->UpdateRecord();
    Canvas()->Pen()->SetColor(clSilver);
    TCustomGrid::MouseDown(button, shift, x, y);
    return true;
}

bool TCustomDBGridVyn::GestureMove(TShiftState shift, int x, int y) {
    movePoint_ = TPoint{x, y};
    if (dragPending_) {
        dragPending_ = false;
        BeginDrag(true);
        return true;
    }
    if (mouseSelectingRows_ || selectingCells_ || mouseGesture_ == kSelectingRect) {
        const TRect box = DataAreaBox();
        const TRect client = ClientRect();
        const int px = std::clamp(x, static_cast<int>(client.left), static_cast<int>(client.right) - 1);
        const int py = std::clamp(y, static_cast<int>(client.top), static_cast<int>(client.bottom) - 1);
        const TGridCoord cell = MouseCoord(px, py);
        if (py > box.top && py < box.bottom && cell.Y >= topDataOffset_ && cell.Y != Row())
            MoveWithSelection(shift.Contains(ssLeft) && (x != pressPoint_.x || y != pressPoint_.y), cell.Y - Row(),
                              false, mouseGesture_ != kSelectingRect);
        if (selectingCells_ && px > box.left && px < box.right && cell.X >= indicatorOffset_ && cell.X != Col()) {
            MoveToColumn(cell.X, cell.X > Col() ? 1 : -1, false);
            if (mouseGesture_ == kSelectingRect)
                selection_->Rect()->ExtendTo(SelectedIndex(), dataLink_->DataSet()->Bookmark(), true);
        }
        moveShift_ = shift;
        SelectionAutoScroll();
    }
    if (mouseGesture_ == kSelectingColumns) {
        const TRect box = DataAreaBox();
        const TGridCoord cell = MouseCoord(x, 0);
        const int data = RawToDataColumn(cell.X);
        if (x < box.left || x >= box.right || data < 0 || data >= columns_->Count())
            SelectionAutoScroll();
        else
            selection_->Columns()->ExtendTo(columns_->Items(data));
    }
    const bool traced = optionsVyn_.Contains(dghTraceColSizing);
    if (traced && tracedSizing_ && GridState() == gsColSizing) {
        ApplyTracedWidth(SizingIndex(), x + SizingOfs());
        return true;
    }
    if (mouseGesture_ == kFrozenSizing) {
        if (traced) {
            ApplyTracedWidth(frozenSizingCol_, x + frozenSizingOfs_);
        } else {
            DrawSizingLine();
            frozenSizingPos_ = x + frozenSizingOfs_;
            DrawSizingLine();
        }
    }
    return false;
}

bool TCustomDBGridVyn::GestureRelease(TMouseButton button, TShiftState shift, int x, int y) {
    if (mouseGesture_ == kFrozenSizing && !optionsVyn_.Contains(dghTraceColSizing)) {
        DrawSizingLine();
        const int width = frozenSizingPos_ - SizedColumnLeft(frozenSizingCol_);
        if (width > 1) SetColWidths(frozenSizingCol_, width);
    }
    if (dragPending_) {
        // A press on a selected cell that never became a drag is a click.
        dragPending_ = false;
        if (shift.Contains(ssCtrl) && options_.Contains(dgMultiSelect))
            bookmarks_->SetCurrentRowMarked(!bookmarks_->CurrentRowMarked());
        else if (optionsVyn_.Contains(dghClearSelection))
            ClearSelection();
    } else if (tracedSizing_) {
        tracedSizing_ = false;
        SetGridState(gsNormal);
        if (MouseCapture()) SetMouseCapture(false);
        return true;
    }
    const int gesture = mouseGesture_;
    mouseGesture_ = kNoGesture;
    if (GridState() == gsRowSizing) rowResized_ = true;
    if (rightButtonMovesColumn_) {
        rightButtonMovesColumn_ = false;
        if (MouseCapture()) SetMouseCapture(false);
        if (button == mbRight) {
            TCustomGrid::MouseUp(mbLeft, shift, x, y);
            return true;
        }
    }
    if (mouseSelectingRows_ || selectingCells_) CancelTitleButtonPress();
    if (gesture != kNoGesture) StopSelectTimer();
    return false;
}

void TCustomDBGridVyn::StartSelectTimer(int interval) {
    if (!HandleAllocated() || interval == selectTimerInterval_) return;
    SetTimer(Handle(), kGridSelectTimer, static_cast<UINT>(interval));
    selectTimerInterval_ = interval;
}

void TCustomDBGridVyn::StopSelectTimer() {
    if (selectTimerInterval_ >= 0 && HandleAllocated()) KillTimer(Handle(), kGridSelectTimer);
    selectTimerInterval_ = -1;
}

void TCustomDBGridVyn::SelectionAutoScroll() {
    const TRect box = DataAreaBox();
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const int lastCol = ColCount() - 1;
    if (mouseGesture_ == kSelectingColumns) {
        int distance = 0;
        int target = -1;
        if (movePoint_.x >= box.right) {
            distance = movePoint_.x - box.right;
            if (info.Horz.LastFullVisibleCell < lastCol) SetLeftCol(LeftCol() + 1);
            CalcDrawInfo(info);
            target = info.Horz.LastFullVisibleCell;
        } else if (movePoint_.x < box.left) {
            distance = box.left - movePoint_.x;
            if (LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            target = LeftCol();
        }
        const int data = RawToDataColumn(target);
        if (data >= 0 && data < columns_->Count()) selection_->Columns()->ExtendTo(columns_->Items(data));
        StartSelectTimer(std::max(0, 200 - 10 * distance));
        return;
    }
    int vertical = 0, horizontal = 0, distance = 0;
    if (movePoint_.y < box.top) {
        vertical = -1;
        distance = box.top - movePoint_.y;
    } else if (movePoint_.y >= box.bottom) {
        vertical = 1;
        distance = movePoint_.y - box.bottom;
    }
    if (movePoint_.x >= box.right) {
        horizontal = 1;
        distance = std::max(distance, static_cast<int>(movePoint_.x - box.right));
    } else if (movePoint_.x < box.left) {
        horizontal = -1;
        distance = std::max(distance, static_cast<int>(box.left - movePoint_.x));
    }
    if (vertical == 0 && horizontal == 0) {
        StopSelectTimer();
        return;
    }
    // Six pixels a record, eight records a tick at most.
    const int records = std::min(distance / 6, 8);
    TDataSet* dataSet = dataLink_->DataSet();
    BeginUpdate();
    try {
        if (vertical != 0 && mouseGesture_ != kSelectingRect)
            MoveWithSelection(moveShift_.Contains(ssLeft), vertical * records, false, true);
        if (horizontal != 0 && selectingCells_) {
            if (horizontal < 0 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            if (horizontal > 0 && info.Horz.LastFullVisibleCell < lastCol) SetLeftCol(LeftCol() + 1);
        }
        if (horizontal != 0 && !mouseSelectingRows_) MoveToColumn(Col() + horizontal, horizontal, false);
        if (mouseGesture_ == kSelectingRect) {
            if (vertical != 0) dataSet->MoveBy(vertical * records);
            const int column = std::max(SelectedIndex(), 0);
            selection_->Rect()->ExtendTo(column, dataSet->Bookmark(), true);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    Update();
    StartSelectTimer(std::max(0, 200 - 15 * distance));
}

void TCustomDBGridVyn::WMSetCursorVyn(TMessage& Message) {
    const bool designing = ComponentState().Contains(csDesigning);
    if (designing && (!columns_->Customized() || !dataLink_->Active())) {
        ::SetCursor(LoadCursor(0, IDC_ARROW));
        Message.Result = 1;
        return;
    }
    if (LOWORD(Message.LParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        p = ScreenToClient(p);
        int position = 0, offset = 0, column = 0;
        const int gesture = mouseGesture_ != kNoGesture || GridState() != gsNormal
                                ? mouseGesture_
                                : FrozenSizingHitTest(p.x, p.y, position, offset, column);
        if (gesture == kFrozenSizing) {
            ::SetCursor(Screen->Cursors(crHSplit));
            Message.Result = 1;
            return;
        }
        if (!designing && dataLink_->Active() && GridState() == gsNormal && !OnSizingLine(p.x, p.y) &&
            options_.Contains(dgMultiSelect)) {
            const TGridCoord cell = MouseCoord(p.x, p.y);
            HCURSOR cursor = 0;
            if (cell.X >= 0 && cell.X < indicatorOffset_ && cell.Y >= 0 && GetCellType(cell.X, cell.Y).Vert == 2 &&
                !dataLink_->DataSet()->IsEmpty() && allowedSelections_.Contains(gstRecordBookmarks))
                cursor = UseRightToLeftAlignment() ? LeftCursorVyn() : RightCursorVyn();
            else if (OnColumnSelectBand(p.x, p.y))
                cursor = DownCursorVyn();
            if (cursor) {
                ::SetCursor(cursor);
                Message.Result = 1;
                return;
            }
        }
    }
    WMSetCursor(Message);
}

void TCustomDBGridVyn::WMHScrollVyn(TMessage& Message) {
    if (LOWORD(Message.WParam) == SB_THUMBTRACK && horzScrollBar_->Tracking())
        SendMessage(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, HIWORD(Message.WParam)), Message.LParam);
    else
        WMHScroll(Message);
    UpdateHorzScrollBar();
}

void TCustomDBGridVyn::WMCancelModeVyn(TMessage& Message) {
    WMCancelMode(Message);
    mouseTracking_ = mouseSelectingRows_ = selectingCells_ = false;
    tracedSizing_ = false;
    if (mouseGesture_ == kFrozenSizing)
        DrawSizingLine();
    else
        StopSelectTimer();
    mouseGesture_ = kNoGesture;
}
