// The string grid's current row and view, its scroll bars (proportional
// thumbs, hints and synchronised scrolling while a thumb is dragged),
// automatic scrolling while something is dragged over it, and what follows
// changes of its size, column widths and row heights.
#include <algorithm>
#include <cmath>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/extctrls.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "platform/win/winscroll.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavHintWindow.h"

// ---- Current row, view and current cell ---------------------------------------------------------

void TBavStringGrid::SetRowEx(int row) {
    SetRow(row);
    if (Row() != lastNotifiedRow_ && onRowUpdate_) {
        onRowUpdate_(this, lastNotifiedRow_, Row());
        lastNotifiedRow_ = Row();
    }
}

void TBavStringGrid::ScrollCellIntoView(int col, int row) {
    if (col >= ColCount() || row >= RowCount()) return;
    int left = LeftCol(), top = TopRow();
    if (col < LeftCol() || col >= LeftCol() + VisibleColCount()) {
        SetCol(col);
        left = std::max(col - VisibleColCount() / 2, TBaseGrid::FixedCols());
    }
    if (row < TopRow() || row >= TopRow() + VisibleRowCount()) {
        SetRowEx(row);
        top = std::max(row - VisibleRowCount() / 2, TBaseGrid::FixedRows());
    }
    left = std::min(left, ColCount() - VisibleColCount() + 1);
    top = std::min(top, RowCount() - VisibleRowCount() + 1);
    SetLeftCol(std::max(left, TBaseGrid::FixedCols()));
    SetTopRow(std::max(top, TBaseGrid::FixedRows()));
}

void TBavStringGrid::GetCurrentCellText(AnsiString& text) {
    const TGridCoord base = GetBaseCell(RealColIndex(Col()), Row());
    text = GetRawCellText(base.X, base.Y);
}

void TBavStringGrid::SetCurrentCellText(const AnsiString& text) {
    const TGridCoord base = GetBaseCell(RealColIndex(Col()), Row());
    SetCellText(base.X, base.Y, text);
}

void TBavStringGrid::SetCurrentEditText(const AnsiString& text) {
    const TGridCoord base = GetBaseCell(RealColIndex(Col()), Row());
    SetEditText(base.X, base.Y, text);
}

void TBavStringGrid::CommitCellText(int col, int row, const AnsiString& text) {
    SetEditText(DisplayColIndex(col), row, text);
    SetCellText(col, row, text);
}

void TBavStringGrid::TopLeftChanged() {
    const TGridRect pictureBefore = FixedPictureCells(rememberedLeftCol_, rememberedTopRow_);
    KeepCurrentCellAboveSearchPanel();
    TBaseGrid::TopLeftChanged();
    const TBackGroundDisplay display = backGround_->Display();
    if (selectionRectangle_ ||
        ((display == bdGradientHorz || display == bdGradientVert) && backGround_->ColorTo() != clNone))
        Invalidate();
    if (pictureBefore.Left >= 0) {
        RepaintRect(pictureBefore);
        RepaintRect(FixedPictureCells(LeftCol(), TopRow()));
    }
    // A separate editor control stays where the cell was: it is closed.
    if (editorActive_ && currentEditorType_ != edNormal) HideCellEditor();
    UpdateFlatVertScroll();
    UpdateFlatHorzScroll();
    InvalidateFooter();
    UpdateCellControls();
    rememberedLeftCol_ = LeftCol();
    rememberedTopRow_ = TopRow();
}

void TBavStringGrid::UpdateCellControls() {
    const int count = cellControls_->Count();
    if (count == 0) return;
    auto inView = [this](int col, int row) {
        const bool colInView = col >= LeftCol() && col <= LeftCol() + VisibleColCount();
        const bool rowInView = row >= TopRow() && row <= TopRow() + VisibleRowCount();
        return (colInView || col < TBaseGrid::FixedCols()) && (rowInView || row < TBaseGrid::FixedRows());
    };
    for (int i = 0; i < count; ++i) {
        const TControlItem* item = cellControls_->GetItem(i);
        const int row = DisplayRowIndex(item->Row());
        const bool hiddenRow = RealRowIndex(row) != item->Row();
        if (hiddenRow || !inView(item->Col(), row)) {
            item->Control()->SetVisible(false);
            continue;
        }
        const TRect rect = MergedCellRect(item->Col(), row);
        item->Control()->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        item->Control()->SetVisible(true);
    }
    // Sized anew, so each lays itself out again.
    for (int i = 0; i < count; ++i) {
        TControl* control = cellControls_->GetItem(i)->Control();
        if (!control->Visible()) continue;
        control->Invalidate();
        control->SetWidth(control->Width() + 1);
        control->SetWidth(control->Width() - 1);
    }
}

// ---- Proportional scroll bars -----------------------------------------------------------------

namespace {

// The thumb of a bar over `total` pixels of which `inView` show, `before`
// of them scrolled out at the start; false when everything fits.
bool ProportionalScrollInfo(SCROLLINFO& info, int fixed, int total, int before, int extent, bool vertical) {
    const float ratio = float(extent - fixed) / float(total);
    if (ratio >= 0.9999f) return false;
    info.nMax = int((ratio + 127) / (1 - ratio));
    info.nPage = UINT(info.nMax - 126);
    if (extent < total)
        info.nPos = int(float(before) / float(total - extent) * 128);
    else if (vertical)
        info.nPos = 127;
    info.fMask = SIF_ALL;
    return true;
}

}  // namespace

void TBavStringGrid::SetScrollProportional(bool v) {
    scrollProportional_ = v;
    if (!v && flatScrollActive_ && scrollType_ == ssNormal) {
        DoneFlatScrollBars();
        for (int bar : {SB_HORZ, SB_VERT}) {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_PAGE;
            SetScrollInfo(Handle(), bar, &info, TRUE);
        }
    }
    UpdateHorzScrollProportional();
    UpdateVertScrollProportional();
}

void TBavStringGrid::UpdateHorzScrollProportional() { UpdateScrollProportional(false); }
void TBavStringGrid::UpdateVertScrollProportional() { UpdateScrollProportional(true); }

void TBavStringGrid::UpdateScrollProportional(bool vertical) {
    if (!scrollProportional_ || zooming_ || !HandleAllocated() || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDesigning))
        return;
    const int bar = vertical ? SB_VERT : SB_HORZ;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    const int line = GridLineWidth();
    const int count = vertical ? RowCount() : ColCount(), fixedCount = vertical ? TBaseGrid::FixedRows() : TBaseGrid::FixedCols();
    const int first = vertical ? TopRow() : LeftCol();
    int fixed = line, total = line, before = line, all = 0;
    for (int i = 0; i < count; ++i) {
        const int extent = vertical ? RowHeights(i) : ColWidths(i);
        all += extent;
        if (i < fixedCount) {
            fixed += extent + line;
            continue;
        }
        total += extent + line;
        if (i < first) before += extent + line;
    }
    if (!ProportionalScrollInfo(info, fixed, total, before, vertical ? Height() : Width(), vertical)) return;
    SetScrollInfo(Handle(), bar, &info, TRUE);
    UpdateFlatScroll(bar);
    if (!vertical && (all < Width() || !ScrollStyleHasBar(ScrollBars(), SB_HORZ)))
        ShowScrollBar(Handle(), SB_HORZ, FALSE);
}

// ---- Scroll messages --------------------------------------------------------------------------

void TBavStringGrid::ShowScrollHint(int index, bool vertical) {
    AnsiString text = AnsiString(vertical ? "Row : " : "Col : ") + IntToStr(index);
    if (onScrollHint_) onScrollHint_(this, index, text);
    if (!scrollHint_) scrollHint_ = new THTMLHintWindow(this);
    scrollHint_->SetColor(hintColor_);
    TRect rect = scrollHint_->CalcHintRect(100, text, nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    rect = Rect(cursor.x + 10, cursor.y, cursor.x + 10 + rect.right, cursor.y + rect.bottom);
    scrollHint_->ActivateHint(rect, text);
}

void TBavStringGrid::ScrollMessage(TMessage& message, bool vertical) {
    const int code = LOWORD(message.WParam), position = HIWORD(message.WParam);
    const bool hints = scrollHints_ == shBoth || scrollHints_ == (vertical ? shVertical : shHorizontal);
    const int index = vertical ? MulDiv(position, RowCount() - VisibleRowCount() - TBaseGrid::FixedRows(), 127) +
                                     TBaseGrid::FixedRows()
                               : MulDiv(position, ColCount() - VisibleColCount() - TBaseGrid::FixedCols(), 127) +
                                     TBaseGrid::FixedCols();
    if (hints && code == SB_ENDSCROLL && scrollHint_) scrollHint_->ReleaseHandle();
    if (hints && code == SB_THUMBTRACK) ShowScrollHint(index, vertical);
    if (!vertical && code == SB_THUMBPOSITION && flatScrollActive_ && ColCount() > 0) {
        // The flat bar's thumb runs over a range shortened by the columns in view.
        const int inView = int(std::nearbyint(VisibleColCount() * 128.0 / ColCount()));
        if (inView != 128) {
            const int scaled = int(std::nearbyint(position * 127.0 / (128 - inView)));
            message.WParam = MAKEWPARAM(code, WORD(scaled));
        }
    }
    if (scrollSynch_ && code == SB_THUMBTRACK) {
        if (vertical)
            SetTopRow(index);
        else
            SetLeftCol(index);
    }
    const TGridRect pictureBefore = FixedPictureCells(LeftCol(), TopRow());
    TBaseGrid::WndProc(message);
    const TGridRect pictureAfter = FixedPictureCells(LeftCol(), TopRow());
    if (code != SB_THUMBTRACK && pictureBefore.Left >= 0 && pictureBefore != pictureAfter) {
        RepaintRect(pictureBefore);
        RepaintRect(pictureAfter);
    }
    UpdateFlatVertScroll();
    UpdateFlatHorzScroll();
    if (GetCellType(RealColIndex(Col()), Row()) == ctCheckBox) HideEditor();
    if (!vertical && floatingFooter_->Visible()) footerPanel_->Invalidate();
}

// ---- Drag autoscroll ------------------------------------------------------------------------

void TBavStringGrid::StopDragScroll() {
    delete dragScrollTimer_;
    dragScrollTimer_ = nullptr;
}

void TBavStringGrid::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    if (!dragScrollOptions_->Active() || state == dsDragLeave) {
        StopDragScroll();
    } else {
        const TDragScrollMargins* margins = dragScrollOptions_->Margins();
        const TDragScrollDirection previous = dragScrollDirection_;
        dragScrollDirection_ = TDragScrollDirection();
        if (y < margins->TopMargin())
            dragScrollDirection_.Include(dsdUp);
        else if (y > Height() - margins->BottomMargin())
            dragScrollDirection_.Include(dsdDown);
        if (x < margins->LeftMargin())
            dragScrollDirection_.Include(dsdLeft);
        else if (x > Width() - margins->RightMargin())
            dragScrollDirection_.Include(dsdRight);
        if (dragScrollDirection_.Empty()) {
            StopDragScroll();
        } else if (!dragScrollTimer_) {
            dragScrollTimer_ = new TTimer(this);
            dragScrollTimer_->SetInterval(Cardinal(dragScrollOptions_->Delays()->InitialDelay()));
            dragScrollTimer_->SetOnTimer([this](TObject*) { DragScrollStep(); });
        } else if (previous.Empty()) {
            dragScrollTimer_->SetInterval(Cardinal(dragScrollOptions_->Delays()->InitialDelay()));
        }
    }
    TBaseGrid::DragOver(source, x, y, state, accept);
}

void TBavStringGrid::DragScrollStep() {
    if (!dragScrollOptions_->Active()) {
        StopDragScroll();
        return;
    }
    dragScrollTimer_->SetInterval(Cardinal(dragScrollOptions_->Delays()->RepeatDelay()));
    TDragScrollDirection direction = dragScrollDirection_;
    bool canScroll = true;
    if (onDragScroll_) onDragScroll_(this, TopRow(), LeftCol(), direction, canScroll);
    if (!canScroll) return;
    if (direction.Contains(dsdUp) && TopRow() > TBaseGrid::FixedRows()) SetTopRow(TopRow() - 1);
    if (direction.Contains(dsdDown) && VisibleRowCount() + TopRow() < RowCount()) SetTopRow(TopRow() + 1);
    if (direction.Contains(dsdLeft) && LeftCol() > TBaseGrid::FixedCols()) SetLeftCol(LeftCol() - 1);
    if (direction.Contains(dsdRight) && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
}

// ---- Size, widths and heights -------------------------------------------------------------------

void TBavStringGrid::SizeChanged(int oldColCount, int oldRowCount) {
    if (!Parent() || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) {
        TBaseGrid::SizeChanged(oldColCount, oldRowCount);
        return;
    }
    if (columnSize_->Stretch()) StretchColumn(columnSize_->StretchColumn());
    TBaseGrid::SizeChanged(oldColCount, oldRowCount);
    ShowFlatScrollBarsByFit();
}

void TBavStringGrid::ColWidthsChanged() {
    if (!stretching_) StretchColumn(columnSize_->StretchColumn());
    TBaseGrid::ColWidthsChanged();
    if (GridState() == gsColSizing) {
        movedOrSized_ = true;
        const int col = SizingIndex();
        if (onEndColumnSize_) onEndColumnSize_(this, col);
        int width = ColWidths(col);
        DoUpdateColumnSize(col, width);
        if (width != ColWidths(col)) {
            SetGridState(gsNormal);
            SetColWidths(col, width);
        }
    }
    InvalidateFooter();
    UpdateCellControls();
    if (columnSize_->Stretch() && scrollProportional_) UpdateVertScrollProportional();
}

void TBavStringGrid::RowHeightsChanged() {
    TBaseGrid::RowHeightsChanged();
    if (GridState() == gsRowSizing && onEndRowSize_) onEndRowSize_(this, SizingIndex());
    UpdateCellControls();
}

void TBavStringGrid::FormResize(TObject* sender) {
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csDestroying)) return;
    if (sizeWithForm_ && ownerForm_) {
        const int width = Width() + ownerForm_->Width() - formWidth_;
        const int height = Height() + ownerForm_->Height() - formHeight_;
        if (width > 0 && height > 0) {
            SetBounds(Left(), Top(), width, height);
            formWidth_ = ownerForm_->Width();
            formHeight_ = ownerForm_->Height();
        }
    }
    try {
        if (formOnResize_) formOnResize_(sender);
    } catch (const Exception&) {
        // The form's own handler failing leaves the grid's resizing whole.
    }
    StretchColumn(columnSize_->StretchColumn());
}

void TBavStringGrid::SizeMessage(TMessage& message) {
    TBaseGrid::WndProc(message);
    bool stretched = false;
    if (columnSize_->Stretch() && ColCount() > 0) {
        const int stretch = columnSize_->StretchColumn() < 0 ? ColCount() - 1 : columnSize_->StretchColumn();
        int others = 0;
        for (int col = 0; col < ColCount(); ++col)
            if (col != stretch) others += ColWidths(col);
        stretched = others < Width();
        StretchColumn(columnSize_->StretchColumn());
    }
    if (columnSize_->SynchWithGrid() && synchWidth_ > 0 && synchWidth_ != Width()) {
        HideCellEditor();
        const double factor = double(Width()) / synchWidth_;
        for (int col = 0; col < ColCount(); ++col) SetColWidths(col, int(std::nearbyint(ColWidths(col) * factor)));
    }
    synchWidth_ = Width();
    if (!stretched && !updatingFlatScroll_) {
        const ValueRestorer updating(updatingFlatScroll_, true);
        UpdateFlatVertScroll();
        UpdateFlatHorzScroll();
        FlatShowScrollBar(SB_HORZ, VisibleColCount() + TBaseGrid::FixedCols() < ColCount());
        FlatShowScrollBar(SB_VERT, VisibleRowCount() + TBaseGrid::FixedRows() < RowCount());
        // A bar neither setting asks for is not the grid's to show.
        for (const int bar : {SB_HORZ, SB_VERT})
            if (!ScrollStyleHasBar(ScrollBars(), bar) && !ScrollBarAlwaysShown(bar)) ShowScrollBar(Handle(), bar, FALSE);
    }
    InvalidateFooter();
}

// Drawn straight on the window, between paints. A black pen XORed onto
// the cells would leave them as they are; the line inverts them instead,
// which a second drawing undoes all the same.
void TBavStringGrid::DrawSizingLine(int x1, int y1, int x2, int y2) {
    if (!HandleAllocated()) return;
    const HDC dc = GetDC(Handle());
    {
        TControlCanvas canvas;
        const CanvasOnDC lend(&canvas, dc);
        canvas.Pen()->SetColor(clBlack);
        canvas.Pen()->SetStyle(psDot);
        canvas.Pen()->SetMode(pmNotXor);
        canvas.Pen()->SetWidth(1);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    }
    ReleaseDC(Handle(), dc);
}

void TBavStringGrid::DrawColSizingLine(int x) {
    const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
    DrawSizingLine(x, 0, x, std::max(Height(), int(last.bottom)));
}

void TBavStringGrid::DrawRowSizingLine(int y) {
    const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
    DrawSizingLine(0, y, std::max(Width(), int(last.right)), y);
}

void TBavStringGrid::CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                                     const TGridDrawInfo& info) {
    TBaseGrid::CalcSizingState(x, y, state, index, sizingPos, sizingOfs, info);
    const TGridCoord left = MouseCoord(x - 6, y);
    if (left.Y >= 0 && left.Y < TBaseGrid::FixedRows() && onColumnSize_) {
        bool allow = true;
        onColumnSize_(this, left.X, allow);
        if (!allow) state = gsNormal;
    }
    const TGridCoord above = MouseCoord(x, y - 6);
    if (above.X >= 0 && above.X < TBaseGrid::FixedCols() && onRowSize_) {
        bool allow = true;
        onRowSize_(this, above.Y, allow);
        if (!allow) state = gsNormal;
    }
}

bool TBavStringGrid::IsOnSizingEdge(int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0) return false;
    const TRect r = MergedCellRect(cell.X, cell.Y);
    if (cell.Y <= TBaseGrid::FixedRows() && Options().Contains(goColSizing))
        return std::abs(x - r.left) < 4 || std::abs(x - r.right) < 4;
    if (cell.X <= TBaseGrid::FixedCols() && Options().Contains(goRowSizing))
        return std::abs(y - r.top) < 4 || std::abs(y - r.bottom) < 4;
    return false;
}
