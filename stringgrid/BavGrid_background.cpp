// The grid's background: its picture (at a place or tiled) or a gradient
// across the whole control, inside the cells that show it and in the
// client area past the last row and column.
#include <algorithm>

#include "platform/gdi/wingdi.h"
#include "stringgrid/BavCellPaint.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavSearchFooter.h"
#include "stringgrid/BavUtil.h"

void TBavStringGrid::DrawBackgroundTiles(TCanvas* canvas, const TRect& rect, int x, int y) {
    TBitmap* bitmap = backGround_->Bitmap();
    const int width = bitmap->Width(), height = bitmap->Height();
    if (width <= 0 || height <= 0) return;
    for (int top = rect.top, sy = y % height; top < rect.bottom; top += height - sy, sy = 0)
        for (int left = rect.left, sx = x % width; left < rect.right; left += width - sx, sx = 0) {
            const int w = std::min(width - sx, int(rect.right - left)), h = std::min(height - sy, int(rect.bottom - top));
            canvas->CopyRect(Rect(left, top, left + w, top + h), bitmap->Canvas(), Rect(sx, sy, sx + w, sy + h));
        }
}

void TBavStringGrid::DrawCellBackground(TCanvas* canvas, CellPaint& cell) {
    const TBackGroundCells cells = backGround_->Cells();
    if (!(cells == bcAll || (cells == bcFixed) == cell.fixed)) return;
    const bool focused = cell.state.Contains(gdFocused);
    if (showSelection_ && cell.state.Contains(gdSelected) &&
        (!focused || Options().Contains(goDrawFocusSelected)))
        return;
    const bool ownBrush =
        HasCellProperties(cell.realCol, cell.row) && GetCellProperties(cell.realCol, cell.row)->BrushColor() != clNone;
    const TBackGroundDisplay display = backGround_->Display();
    const bool picture = !backGround_->Bitmap()->Empty() && !ownBrush;
    if (picture && display == bdFixed) {
        DrawCellBackgroundAt(canvas, cell.rect);
    } else if (picture && display == bdTile) {
        DrawCellBackgroundTiled(canvas, cell.col, cell.row, cell.rect);
    } else if ((display == bdGradientHorz || display == bdGradientVert) &&
               (!ownBrush || (cell.graphic && IsControlType(cell.graphic->CellType())))) {
        // Control cells show the gradient through their own brush.
        DrawCellBackgroundGradient(canvas, cell.rect);
    }
}

void TBavStringGrid::DrawCellBackgroundAt(TCanvas* canvas, const TRect& rect) {
    TBitmap* bitmap = backGround_->Bitmap();
    const TRect picture = Rect(backGround_->Left(), backGround_->Top(), backGround_->Left() + bitmap->Width(),
                               backGround_->Top() + bitmap->Height());
    TRect part;
    if (IntersectRect(&part, &picture, &rect))
        canvas->CopyRect(part, bitmap->Canvas(),
                         Rect(part.left - picture.left, part.top - picture.top, part.right - picture.left,
                              part.bottom - picture.top));
}

// The tiles run on from the first cell that shows them.
void TBavStringGrid::DrawCellBackgroundTiled(TCanvas* canvas, int col, int row, const TRect& rect) {
    const bool normal = backGround_->Cells() == bcNormal;
    int x = 0, y = 0;
    for (int c = normal ? TBaseGrid::FixedCols() : 0; c < col; ++c) x += ColWidths(c);
    for (int r = normal ? TBaseGrid::FixedRows() : 0; r < row; ++r) y += RowHeights(r);
    DrawBackgroundTiles(canvas, Rect(rect.left - 1, rect.top - 1, rect.right, rect.bottom), x, y);
}

// The cell's part of a gradient that runs across the whole control.
void TBavStringGrid::DrawCellBackgroundGradient(TCanvas* canvas, const TRect& rect) {
    TRect g = rect;
    const bool horizontal = backGround_->Display() == bdGradientHorz;
    const int extent = horizontal ? Width() : Height();
    const TColor from = BlendGradientColor(backGround_->Color(), backGround_->ColorTo(), 0, extent,
                                           horizontal ? g.left : g.top);
    const TColor to = BlendGradientColor(backGround_->Color(), backGround_->ColorTo(), 0, extent,
                                         horizontal ? g.right : g.bottom);
    if (horizontal)
        g.right -= 1;
    else
        g.bottom -= 1;
    const TColor brush = canvas->Brush()->Color();
    DrawGradient(canvas, from, to, 128, g, horizontal);
    canvas->Brush()->SetColor(brush);
}

void TBavStringGrid::PaintBackgroundOutsideCells() {
    const TBackGroundDisplay display = backGround_->Display();
    const bool gradient = display == bdGradientHorz || display == bdGradientVert;
    const bool moreRows = TopRow() + VisibleRowCount() < RowCount();
    const bool moreCols = LeftCol() + VisibleColCount() < ColCount();
    if ((moreRows && moreCols) || (gradient && backGround_->ColorTo() == clNone)) return;
    TRect client = ClientRect();
    const TRect last = CellRect(ColCount() - 1, RowCount() - 1);
    HRGN area = CreateRectRgn(0, 0, 0, 0);
    bool any = false;
    if (!moreCols && last.right + 1 < client.right) {
        HRGN right = CreateRectRgn(last.right + 1, 0, client.right, client.bottom);
        CombineRgn(area, area, right, RGN_OR);
        DeleteObject(right);
        any = true;
    }
    if (!moreRows && last.bottom + 1 < client.bottom) {
        HRGN below = CreateRectRgn(0, last.bottom + 1, client.right, client.bottom);
        CombineRgn(area, area, below, RGN_OR);
        DeleteObject(below);
        any = true;
    }
    if (searchFooter_->Visible()) client.bottom -= 32;
    if (floatingFooter_->Visible()) client.bottom -= footerPanel_->Height();
    if (any) {
        TCanvas* canvas = Canvas();
        SelectClipRgn(canvas->Handle(), area);
        const bool empty = backGround_->Bitmap()->Empty();
        if (empty && gradient) {
            DrawGradient(canvas, backGround_->Color(), backGround_->ColorTo(), 128, client, display == bdGradientHorz);
        } else if (!empty && display != bdTile) {
            DrawBackgroundBitmapAt(client);
        } else if (!empty && backGround_->Cells() != bcFixed) {
            TRect tiles = client;
            if (backGround_->Cells() == bcNormal) {
                const TRect first = CellRect(LeftCol(), TopRow());
                tiles.left = first.left + cellMarginX_;
                tiles.top = first.top + cellMarginY_;
            }
            DrawBackgroundBitmapTiled(tiles);
        }
        SelectClipRgn(canvas->Handle(), 0);
    }
    DeleteObject(area);
}

// The same copy as inside a cell, cut at the client rectangle.
void TBavStringGrid::DrawBackgroundBitmapAt(const TRect& rect) { DrawCellBackgroundAt(Canvas(), rect); }

void TBavStringGrid::DrawBackgroundBitmapTiled(const TRect& rect) {
    DrawBackgroundTiles(Canvas(), Rect(rect.left - 1, rect.top - 1, rect.right, rect.bottom), 0, 0);
}

// A picture fixed to the window lies over other cells once the grid
// scrolls: these are the cells whose look it changes.
TGridRect TBavStringGrid::FixedPictureCells(int leftCol, int topRow) {
    TBitmap* picture = backGround_->Bitmap();
    if (backGround_->Display() != bdFixed || picture->Empty()) return TGridRect{-1, -1, -1, -1};
    const int line = GridLineWidth();
    // The index under a coordinate, the fixed cells first and then those from `first` on.
    auto indexAt = [line](int position, int count, int fixed, int first, const auto& extent) {
        int edge = 0;
        for (int i = 0; i < count; ++i) {
            if (i == fixed) i = std::max(first, fixed);
            if (i >= count) break;
            edge += extent(i) + line;
            if (position < edge) return i;
        }
        return count - 1;
    };
    auto width = [this](int col) { return ColWidths(col); };
    auto height = [this](int row) { return RowHeights(row); };
    const int left = backGround_->Left(), top = backGround_->Top();
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    return TGridRect{indexAt(left, ColCount(), fixedCols, leftCol, width),
                     indexAt(top, RowCount(), fixedRows, topRow, height),
                     indexAt(left + picture->Width() - 1, ColCount(), fixedCols, leftCol, width),
                     indexAt(top + picture->Height() - 1, RowCount(), fixedRows, topRow, height)};
}
