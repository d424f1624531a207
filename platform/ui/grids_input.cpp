// The grid as a window: keyboard and mouse navigation, range selection with
// its scroll timer, sizing and moving columns and rows by mouse, the wheel,
// the scroll bars and the grid's message handlers.
#include <algorithm>
#include <cstdlib>

#include "platform/ui/grids.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winpaint.h"
#include "platform/win/winscroll.h"

using namespace GridScroll;

namespace {

// How near a line the mouse must be to size.
constexpr int kSizingMargin = 3;
// How often the selection timer scrolls.
constexpr UINT kScrollInterval = 60;

}  // namespace

void TCustomGrid::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == bsSingle) {
        if (Ctl3D())
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
    if (ScrollStyleHasBar(scrollBars_, SB_HORZ))
        params.Style |= WS_HSCROLL;
    if (ScrollStyleHasBar(scrollBars_, SB_VERT))
        params.Style |= WS_VSCROLL;
}

void TCustomGrid::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollRange();
}

// ---- keyboard ------------------------------------------------------------------

void TCustomGrid::MoveAndScroll(int col, int row, bool moveAnchor) {
    col = std::clamp(col, fixedCols_, colCount_ - 1);
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    FocusCell(col, row, moveAnchor);
}

void TCustomGrid::KeyDown(Word& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0)
        return;
    const bool extend = shift.Contains(ssShift) && options_.Contains(goRangeSelect);
    const bool ctrl = shift.Contains(ssCtrl);
    const int page = std::max(1, VisibleRowCount());
    const TGridCoord c = current_;
    switch (key) {
    case VK_UP: MoveAndScroll(c.X, c.Y - 1, !extend); break;
    case VK_DOWN: MoveAndScroll(c.X, c.Y + 1, !extend); break;
    case VK_LEFT: MoveAndScroll(c.X - 1, c.Y, !extend); break;
    case VK_RIGHT: MoveAndScroll(c.X + 1, c.Y, !extend); break;
    case VK_PRIOR:
        SetTopRow(topLeft_.Y - page);
        MoveAndScroll(c.X, c.Y - page, !extend);
        break;
    case VK_NEXT:
        SetTopRow(topLeft_.Y + page);
        MoveAndScroll(c.X, c.Y + page, !extend);
        break;
    case VK_HOME: MoveAndScroll(ctrl ? c.X : fixedCols_, ctrl ? fixedRows_ : c.Y, !extend); break;
    case VK_END: MoveAndScroll(ctrl ? c.X : colCount_ - 1, ctrl ? rowCount_ - 1 : c.Y, !extend); break;
    case VK_TAB:
        if (!options_.Contains(goTabs) || shift.Contains(ssAlt))
            return;
        {
            // The next column that is a tab stop, over into the next row;
            // nowhere to go when no column is one.
            const int step = shift.Contains(ssShift) ? -1 : 1;
            int col = c.X;
            int row = c.Y;
            for (int tried = 0; tried < colCount_ - fixedCols_; ++tried) {
                col += step;
                if (col >= colCount_ || col < fixedCols_) {
                    row += step;
                    if (row < fixedRows_ || row >= rowCount_)
                        break;
                    col = step > 0 ? fixedCols_ : colCount_ - 1;
                }
                if (tabStops_[static_cast<std::size_t>(col)]) {
                    MoveAndScroll(col, row, true);
                    break;
                }
            }
        }
        break;
    case VK_F2: SetEditorMode(true); break;
    case VK_ESCAPE:
        if (!inplaceEditor_ || !inplaceEditor_->Visible())
            return;
        RevertEditor();
        break;
    default: return;
    }
    key = 0;
}

void TCustomGrid::KeyPress(char& key) {
    TCustomControl::KeyPress(key);
    if (key == 0)
        return;
    // Characters that reach the grid while its editor shows belong to the editor.
    if (editorMode_ && inplaceEditor_ && inplaceEditor_->Visible() && inplaceEditor_->HandleAllocated() &&
        static_cast<unsigned char>(key) >= ' ') {
        SendMessage(inplaceEditor_->Handle(), WM_CHAR, static_cast<unsigned char>(key), 0);
        key = 0;
    } else if (key == '\r') {
        SetEditorMode(!editorMode_);
        key = 0;
    } else if (static_cast<unsigned char>(key) >= ' ' && !editorMode_ && options_.Contains(goEditing) &&
               CanEditAcceptKey(key)) {
        ShowEditorChar(key);
        key = 0;
    }
}

void TCustomGrid::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (options_.Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}

// ---- mouse ---------------------------------------------------------------------

void TCustomGrid::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                  const TGridDrawInfo& info) {
    state = gsNormal;
    index = -1;
    // A line after a cell of `axis` near p, within the fixed band of the other axis.
    auto nearLine = [&](const TGridAxisDrawInfo& axis, int p, int& lineIndex, int& linePos) {
        bool found = false;
        auto check = [&](int i, int pos) {
            const int line = pos + std::max(0, axis.Extent(i));
            if (!found && axis.Extent(i) >= 0 && std::abs(p - line) <= kSizingMargin) {
                found = true;
                lineIndex = i;
                linePos = line;
            }
        };
        int pos = 0;
        for (int i = 0; i < axis.FixedCellCount && pos < axis.GridExtent; ++i) {
            check(i, pos);
            pos += axis.Advance(i);
        }
        for (int i = axis.FirstGridCell; i < axis.GridCellCount && pos < axis.GridExtent; ++i) {
            check(i, pos);
            pos += axis.Advance(i);
        }
        return found;
    };
    int lineIndex = 0;
    int linePos = 0;
    if (options_.Contains(goColSizing) && y < info.Vert.FixedBoundary && nearLine(info.Horz, x, lineIndex, linePos)) {
        state = gsColSizing;
        index = lineIndex;
        sizingPos = linePos;
        sizingOfs = linePos - x;
    } else if (options_.Contains(goRowSizing) && x < info.Horz.FixedBoundary &&
               nearLine(info.Vert, y, lineIndex, linePos)) {
        state = gsRowSizing;
        index = lineIndex;
        sizingPos = linePos;
        sizingOfs = linePos - y;
    }
}

// Inverting the pixels draws the line and drawing it again takes it away.
void TCustomGrid::DrawSizingLine(const TGridDrawInfo& info) {
    if (!HandleAllocated() || (gridState_ != gsColSizing && gridState_ != gsRowSizing))
        return;
    const HDC dc = GetDC(Handle());
    if (gridState_ == gsColSizing)
        PatBlt(dc, sizingPos_, 0, 1, info.Vert.GridExtent, DSTINVERT);
    else
        PatBlt(dc, 0, sizingPos_, info.Horz.GridExtent, 1, DSTINVERT);
    ReleaseDC(Handle(), dc);
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && CanFocus() && !Focused())
        SetFocus();
    if (button == mbLeft) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        CalcSizingState(x, y, gridState_, sizingIndex_, sizingPos_, sizingOfs_, info);
        const TGridCoord cell = MouseCoord(x, y);
        if (gridState_ != gsNormal) {
            DrawSizingLine(info);
        } else if (cell.X >= 0 && cell.Y >= 0) {
            if (cell.Y < fixedRows_ && cell.X >= fixedCols_ && options_.Contains(goColMoving)) {
                gridState_ = gsColMoving;
                moveIndex_ = moveTarget_ = cell.X;
            } else if (cell.X < fixedCols_ && cell.Y >= fixedRows_ && options_.Contains(goRowMoving)) {
                gridState_ = gsRowMoving;
                moveIndex_ = moveTarget_ = cell.Y;
            } else if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
                if (shift.Contains(ssDouble) && options_.Contains(goEditing)) {
                    ShowEditor();
                } else {
                    const bool extend = shift.Contains(ssShift) && options_.Contains(goRangeSelect);
                    MoveColRow(cell.X, cell.Y, !extend, true);
                    Click();
                    UpdateEdit();
                    gridState_ = gsSelecting;
                    if (HandleAllocated())
                        SetTimer(Handle(), kGridSelectTimer, kScrollInterval);
                }
            }
        }
        if (gridState_ != gsNormal && HandleAllocated())
            SetCapture(Handle());
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    switch (gridState_) {
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && !(cell == current_))
            MoveColRow(cell.X, cell.Y, false, false);
        break;
    }
    case gsColSizing:
    case gsRowSizing:
        DrawSizingLine(info);
        sizingPos_ = (gridState_ == gsColSizing ? x : y) + sizingOfs_;
        DrawSizingLine(info);
        break;
    case gsColMoving:
    case gsRowMoving: {
        const TGridCoord cell = MouseCoord(x, y);
        const bool cols = gridState_ == gsColMoving;
        const int target = cols ? cell.X : cell.Y;
        if (target >= (cols ? fixedCols_ : fixedRows_))
            moveTarget_ = target;
        break;
    }
    default:
        break;
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    switch (gridState_) {
    case gsSelecting:
        MouseMove(shift, x, y);
        break;
    case gsColSizing:
    case gsRowSizing: {
        DrawSizingLine(info);
        const bool cols = gridState_ == gsColSizing;
        int start = 0;
        int end = 0;
        if ((cols ? info.Horz : info.Vert).CellSpan(sizingIndex_, start, end)) {
            // The sizing state lasts through the change, so the size hooks see
            // that the user sized the line.
            const int size = std::max(1, sizingPos_ - start);
            if (cols)
                SetColWidths(sizingIndex_, size);
            else
                SetRowHeights(sizingIndex_, size);
        }
        gridState_ = gsNormal;
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        const bool cols = gridState_ == gsColMoving;
        gridState_ = gsNormal;
        if (moveTarget_ != moveIndex_) {
            if (cols)
                MoveColumn(moveIndex_, moveTarget_);
            else
                MoveRow(moveIndex_, moveTarget_);
        }
        break;
    }
    default:
        break;
    }
    CancelMouseMode();
    TCustomControl::MouseUp(button, shift, x, y);
}

// Ends a selection, sizing or move by mouse without finishing it.
void TCustomGrid::CancelMouseMode() {
    if (HandleAllocated()) {
        KillTimer(Handle(), kGridSelectTimer);
        if (GetCapture() == Handle())
            ReleaseCapture();
    }
    if (gridState_ == gsColSizing || gridState_ == gsRowSizing) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        DrawSizingLine(info);
    }
    gridState_ = gsNormal;
    dragScrolling_ = false;
}

void TCustomGrid::WMCancelMode(TMessage& Message) {
    CancelMouseMode();
    TCustomControl::Dispatch(Message);
}

void TCustomGrid::TimedScroll(TGridScrollDirection direction) {
    TGridCoord cell = current_;
    TGridCoord top = topLeft_;
    if (direction.Contains(sdLeft) && top.X > fixedCols_)
        cell.X = --top.X;
    if (direction.Contains(sdRight)) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        if (info.Horz.LastFullVisibleCell < colCount_ - 1) {
            ++top.X;
            cell.X = info.Horz.LastFullVisibleCell + 1;
        }
    }
    if (direction.Contains(sdUp) && top.Y > fixedRows_)
        cell.Y = --top.Y;
    if (direction.Contains(sdDown)) {
        TGridDrawInfo info;
        CalcDrawInfo(info);
        if (info.Vert.LastFullVisibleCell < rowCount_ - 1) {
            ++top.Y;
            cell.Y = info.Vert.LastFullVisibleCell + 1;
        }
    }
    MoveTopLeft(top.X, top.Y);
    MoveColRow(cell.X, cell.Y, false, false);
}

TGridScrollDirection TCustomGrid::EdgeScrollDirection(POINT p, const TGridDrawInfo& info) const {
    TGridScrollDirection direction;
    if (p.x < info.Horz.FixedBoundary)
        direction.Include(sdLeft);
    else if (p.x > info.Horz.FullVisBoundary)
        direction.Include(sdRight);
    if (p.y < info.Vert.FixedBoundary)
        direction.Include(sdUp);
    else if (p.y > info.Vert.FullVisBoundary)
        direction.Include(sdDown);
    return direction;
}

void TCustomGrid::WMTimer(TMessage& Message) {
    const bool selecting = gridState_ == gsSelecting;
    if (Message.WParam != kGridSelectTimer || (!selecting && !dragScrolling_)) {
        TCustomControl::Dispatch(Message);
        return;
    }
    POINT p;
    GetCursorPos(&p);
    p = ScreenToClient(p);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const TGridScrollDirection direction = EdgeScrollDirection(p, info);
    if (direction.Empty())
        return;
    TimedScroll(direction);
    // The drop target is the cell that scrolled in, alone.
    if (!selecting)
        MoveColRow(current_.X, current_.Y, true, false);
}

void TCustomGrid::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    TCustomControl::DragOver(source, x, y, state, accept);
    if (state == dsDragLeave || !accept) {
        StopDragScroll();
        return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && !(cell == current_))
        MoveColRow(cell.X, cell.Y, true, false);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    if (EdgeScrollDirection(POINT{x, y}, info).Empty()) {
        StopDragScroll();
    } else if (!dragScrolling_ && HandleAllocated()) {
        dragScrolling_ = true;
        SetTimer(Handle(), kGridSelectTimer, kScrollInterval);
    }
}

void TCustomGrid::StopDragScroll() {
    if (!dragScrolling_)
        return;
    dragScrolling_ = false;
    if (HandleAllocated() && gridState_ != gsSelecting)
        KillTimer(Handle(), kGridSelectTimer);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (!TCustomControl::DoMouseWheelDown(shift, mousePos) && current_.Y < rowCount_ - 1)
        MoveAndScroll(current_.X, current_.Y + 1, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (!TCustomControl::DoMouseWheelUp(shift, mousePos) && current_.Y > fixedRows_)
        MoveAndScroll(current_.X, current_.Y - 1, true);
    return true;
}

void TCustomGrid::WMSetCursor(TMessage& Message) {
    if (gridState_ == gsNormal && LOWORD(Message.LParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        p = ScreenToClient(p);
        TGridDrawInfo info;
        CalcDrawInfo(info);
        TGridState state = gsNormal;
        int index = 0, pos = 0, ofs = 0;
        CalcSizingState(p.x, p.y, state, index, pos, ofs, info);
        if (state != gsNormal) {
            ::SetCursor(LoadCursor(0, state == gsColSizing ? IDC_SIZEWE : IDC_SIZENS));
            Message.Result = 1;
            return;
        }
    }
    TCustomControl::Dispatch(Message);
}

// ---- scroll bars ---------------------------------------------------------------

// A bar shows where scrolling is possible: its thumb runs over
// 0..kGridScrollRange for the first scrollable cell to the last top-left
// position. Showing or hiding a bar resizes the client area, which comes
// back here through WM_SIZE; the guard keeps that from recursing.
void TCustomGrid::UpdateScrollRange() {
    if (!HandleAllocated() || updatingScrollBars_)
        return;
    updatingScrollBars_ = true;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const TGridCoord max = CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info);
    // A bar that ScrollBars leaves out is not the base grid's: a descendant
    // may keep it for scrolling of its own.
    auto update = [&](int bar, bool allowed, int first, int fixed, int last) {
        if (!allowed)
            return;
        const bool needed = last > fixed;
        ShowScrollBar(Handle(), bar, needed || ScrollBarAlwaysShown(bar));
        if (!needed)
            return;
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        si.nMin = 0;
        si.nMax = kGridScrollRange;
        si.nPage = 0;
        si.nPos = static_cast<int>(static_cast<long long>(first - fixed) * kGridScrollRange / (last - fixed));
        SetScrollInfo(Handle(), bar, &si, TRUE);
    };
    update(SB_HORZ, ScrollStyleHasBar(scrollBars_, SB_HORZ), topLeft_.X, fixedCols_, max.X);
    update(SB_VERT, ScrollStyleHasBar(scrollBars_, SB_VERT), topLeft_.Y, fixedRows_, max.Y);
    updatingScrollBars_ = false;
}

bool TCustomGrid::ScrollBarAlwaysShown(int) const { return false; }

void TCustomGrid::ModifyScrollBar(int bar, int scrollCode, int pos) {
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const bool horz = bar == SB_HORZ;
    const TGridAxisDrawInfo& axis = horz ? info.Horz : info.Vert;
    const int first = horz ? topLeft_.X : topLeft_.Y;
    const int page = std::max(1, axis.LastFullVisibleCell - first + 1);
    int target = first;
    switch (scrollCode) {
    case SB_LINEUP: target = first - 1; break;
    case SB_LINEDOWN: target = first + 1; break;
    case SB_PAGEUP: target = first - page; break;
    case SB_PAGEDOWN: target = first + page; break;
    case SB_TOP: target = axis.FixedCellCount; break;
    case SB_BOTTOM: target = axis.GridCellCount - 1; break;
    case SB_THUMBTRACK:
        if (!options_.Contains(goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        const TGridCoord max = CalcMaxTopLeft({colCount_ - 1, rowCount_ - 1}, info);
        const int span = (horz ? max.X : max.Y) - axis.FixedCellCount;
        target = axis.FixedCellCount +
                 static_cast<int>(static_cast<long long>(std::clamp(pos, 0, kGridScrollRange)) * span / kGridScrollRange);
        break;
    }
    default: return;
    }
    if (horz)
        MoveTopLeft(target, topLeft_.Y);
    else
        MoveTopLeft(topLeft_.X, target);
}

void TCustomGrid::WMHScroll(TMessage& Message) {
    ModifyScrollBar(SB_HORZ, LOWORD(Message.WParam), HIWORD(Message.WParam));
}

void TCustomGrid::WMVScroll(TMessage& Message) {
    ModifyScrollBar(SB_VERT, LOWORD(Message.WParam), HIWORD(Message.WParam));
}

// ---- focus, size, font ---------------------------------------------------------

void TCustomGrid::WMSetFocus(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    InvalidateCell(current_.X, current_.Y);
    if (options_.Contains(goAlwaysShowEditor) && !editorMode_)
        ShowEditor();
}

void TCustomGrid::WMKillFocus(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    InvalidateGridRect(Selection());
}

void TCustomGrid::WMSize(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    MoveTopLeft(topLeft_.X, topLeft_.Y);
    UpdateScrollRange();
    UpdateEdit();
}

void TCustomGrid::CMFontChanged(TMessage& Message) {
    if (inplaceEditor_)
        inplaceEditor_->Font()->Assign(Font());
    TCustomControl::Dispatch(Message);
}

// Paint covers the whole client area, so erasing first would only flicker.
void TCustomGrid::WMEraseBkgnd(TMessage& Message) {
    Message.Result = 1;
}

void TCustomGrid::WMSetRedraw(TMessage& Message) {
    redrawOff_ = Message.WParam == 0;
    TCustomControl::Dispatch(Message);
}

bool TCustomGrid::IsActiveControl() {
    return Focused() || (inplaceEditor_ && inplaceEditor_->Focused());
}
