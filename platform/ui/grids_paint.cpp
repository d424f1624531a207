// Painting the grid: grid lines, the default cell backgrounds with raised
// fixed cells, DrawCell for every cell in view and the focus rectangle.
// Only the cells in view are visited.
#include <algorithm>

#include "platform/ui/grids.h"
#include "platform/ui/graphics.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"

namespace {

// Calls visit(index, start, end) for each cell of an axis from `first`
// (and fixed cells from 0 when `fixed`) while cells start inside the view.
template <class Visit>
void ForEachCell(const TGridAxisDrawInfo& axis, bool fixed, Visit visit) {
    int pos = fixed ? 0 : axis.FixedBoundary;
    const int first = fixed ? 0 : axis.FirstGridCell;
    const int end = fixed ? axis.FixedCellCount : axis.GridCellCount;
    for (int i = first; i < end && pos < axis.GridExtent; ++i) {
        const int extent = axis.Extent(i);
        if (extent + axis.EffectiveLineWidth > 0 && extent > 0)
            visit(i, pos, std::min(pos + extent, axis.GridExtent));
        pos += axis.Advance(i);
    }
}

}  // namespace

// Right to left the canvas is mirrored while the grid paints: the cells are
// laid out and drawn in their left-to-right coordinates.
void TCustomGrid::Paint() {
    struct Mirroring {
        TCustomGrid* grid;
        const bool on;
        explicit Mirroring(TCustomGrid* g) : grid(g), on(g->UseRightToLeftAlignment()) {
            if (on) grid->ChangeGridOrientation(true);
        }
        ~Mirroring() {
            if (on) grid->ChangeGridOrientation(false);
        }
    } mirroring(this);
    TGridDrawInfo info;
    CalcDrawInfo(info);
    TCanvas* canvas = Canvas();
    const TGridRect sel = Selection();
    // Fixed cells first, then the scrollable ones.
    for (bool fixedRows : {true, false})
        for (bool fixedCols : {true, false})
            ForEachCell(info.Vert, fixedRows, [&](int row, int top, int bottom) {
                ForEachCell(info.Horz, fixedCols, [&](int col, int left, int right) {
                    TGridDrawState state;
                    const bool fixed = fixedRows || fixedCols;
                    if (fixed) {
                        state.Include(gdFixed);
                    } else {
                        const bool focusedCell = col == current_.X && row == current_.Y;
                        if (focusedCell && Focused())
                            state.Include(gdFocused);
                        const bool inSelection =
                            col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom;
                        if (inSelection && (!focusedCell || options_.Contains(goRowSelect) ||
                                            options_.Contains(goDrawFocusSelected) || !Focused()))
                            state.Include(gdSelected);
                    }
                    TRect rect = Rect(left, top, right, bottom);
                    if (defaultDrawing_) {
                        canvas->Brush()->SetColor(fixed                        ? fixedColor_
                                                  : state.Contains(gdSelected) ? clHighlight
                                                                               : Color());
                        canvas->Font()->Assign(Font());
                        if (state.Contains(gdSelected))
                            canvas->Font()->SetColor(clHighlightText);
                        canvas->FillRect(rect);
                    }
                    DrawCell(col, row, rect, state);
                    if (defaultDrawing_ && fixed && Ctl3D() && gridLineWidth_ > 0) {
                        TRect edge = rect;
                        DrawEdge(canvas->Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
                    }
                    if (defaultDrawing_ && state.Contains(gdFocused) && !editorMode_ &&
                        !options_.Contains(goRowSelect))
                        canvas->DrawFocusRect(rect);
                });
            });
    PaintLines(info);
    // What lies beyond the last cells.
    canvas->Brush()->SetColor(Color());
    const int gridRight = info.Horz.GridBoundary;
    const int gridBottom = info.Vert.GridBoundary;
    if (gridRight < info.Horz.GridExtent)
        canvas->FillRect(Rect(gridRight, 0, info.Horz.GridExtent, info.Vert.GridExtent));
    if (gridBottom < info.Vert.GridExtent)
        canvas->FillRect(Rect(0, gridBottom, gridRight, info.Vert.GridExtent));
}

// The lines after each cell: fixed lines in the shadow colour, the others
// in silver, each as asked by the options.
void TCustomGrid::PaintLines(const TGridDrawInfo& info) {
    if (gridLineWidth_ <= 0)
        return;
    TCanvas* canvas = Canvas();
    auto line = [&](bool vertical, int pos, int from, int to, TColor color) {
        canvas->Brush()->SetColor(color);
        canvas->FillRect(vertical ? Rect(pos, from, pos + gridLineWidth_, to) : Rect(from, pos, to, pos + gridLineWidth_));
    };
    const int width = info.Horz.GridExtent;
    const int height = info.Vert.GridExtent;
    for (bool fixed : {true, false}) {
        const TColor color = fixed ? clBtnShadow : clSilver;
        if (options_.Contains(fixed ? goFixedVertLine : goVertLine))
            ForEachCell(info.Horz, fixed, [&](int, int, int end) { line(true, end, 0, height, color); });
        if (options_.Contains(fixed ? goFixedHorzLine : goHorzLine))
            ForEachCell(info.Vert, fixed, [&](int, int, int end) { line(false, end, 0, width, color); });
    }
}

void TCustomGrid::DrawCell(int, int, TRect, TGridDrawState) {}

void TCustomGrid::ChangeGridOrientation(bool rightToLeftOrientation) {
    rightToLeft_ = rightToLeftOrientation;
    const HDC dc = Canvas()->Handle();
    if (rightToLeftOrientation) {
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, 0, 0, nullptr);
        SetViewportExtEx(dc, ClientWidth(), ClientHeight(), nullptr);
        SetWindowExtEx(dc, -ClientWidth(), ClientHeight(), nullptr);
        SetViewportOrgEx(dc, ClientWidth() - 1, 0, nullptr);
    } else {
        SetMapMode(dc, MM_TEXT);
        SetViewportOrgEx(dc, 0, 0, nullptr);
    }
}

void TCustomDrawGrid::DrawCell(int col, int row, TRect rect, TGridDrawState state) {
    onDrawCell_(this, col, row, rect, state);
}

void TStringGrid::DrawCell(int col, int row, TRect rect, TGridDrawState state) {
    if (DefaultDrawing())
        Canvas()->TextRect(rect, rect.left + 2, rect.top + 2, Cells(col, row));
    TDrawGrid::DrawCell(col, row, rect, state);
}
