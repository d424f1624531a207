// The grid's background: its picture (at a place or tiled) or a gradient
// across the whole control, inside the cells that show it and in the
// client area past the last row and column.
#include <algorithm>

#include "platform/gdi/wingdi.h"
#include "stringgrid/BavCellPaint.h"
#include "stringgrid/BavFooter.h"
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
    const TRect& r = cell.rect;
    TBitmap* bitmap = backGround_->Bitmap();
    if (!bitmap->Empty() && !ownBrush && display == bdFixed) {
        const TRect picture = Rect(backGround_->Left(), backGround_->Top(), backGround_->Left() + bitmap->Width(),
                                   backGround_->Top() + bitmap->Height());
        TRect part;
        if (IntersectRect(&part, &picture, &r))
            canvas->CopyRect(part, bitmap->Canvas(),
                             Rect(part.left - picture.left, part.top - picture.top, part.right - picture.left,
                                  part.bottom - picture.top));
        return;
    }
    if (!bitmap->Empty() && !ownBrush && display == bdTile) {
        // The tiles run on from the first cell that shows them.
        int x = 0, y = 0;
        for (int col = cells == bcNormal ? TBaseGrid::FixedCols() : 0; col < cell.col; ++col) x += ColWidths(col);
        for (int row = cells == bcNormal ? TBaseGrid::FixedRows() : 0; row < cell.row; ++row) y += RowHeights(row);
        DrawBackgroundTiles(canvas, Rect(r.left - 1, r.top - 1, r.right, r.bottom), x, y);
        return;
    }
    if (display != bdGradientHorz && display != bdGradientVert) return;
    if (ownBrush && !(cell.graphic && IsControlType(cell.graphic->CellType()))) return;
    TRect g = r;
    const bool horizontal = display == bdGradientHorz;
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
    if (floatingFooter_->Visible()) client.bottom -= footerPanel_->Height();
    if (any) {
        TCanvas* canvas = Canvas();
        SelectClipRgn(canvas->Handle(), area);
        TBitmap* bitmap = backGround_->Bitmap();
        if (bitmap->Empty() && gradient) {
            DrawGradient(canvas, backGround_->Color(), backGround_->ColorTo(), 128, client, display == bdGradientHorz);
        } else if (!bitmap->Empty() && display != bdTile) {
            const TRect picture = Rect(backGround_->Left(), backGround_->Top(), backGround_->Left() + bitmap->Width(),
                                       backGround_->Top() + bitmap->Height());
            canvas->CopyRect(picture, bitmap->Canvas(), Rect(0, 0, bitmap->Width(), bitmap->Height()));
        } else if (!bitmap->Empty() && backGround_->Cells() != bcFixed) {
            DrawBackgroundTiles(canvas, client, 0, 0);
        }
        SelectClipRgn(canvas->Handle(), 0);
    }
    DeleteObject(area);
}
