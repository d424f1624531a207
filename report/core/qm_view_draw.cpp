// Drawing steps every report object shares: its geometry scaled onto the
// target canvas, the fill, and the frame lines and diagonals drawn with
// geometric pens so printers at any resolution get lines of the same
// thickness as the screen.
#include <array>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "platform/win/userdraw.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "report/core/qm_view.h"

namespace {

Integer RoundInt(double value) { return static_cast<Integer>(Round(value)); }
double Pixels(Integer thousandths) { return FromInternalUnits(thousandths, qmutScreenPixels); }

int HatchOf(TBrushStyle style) {
    switch (style) {
    case bsHorizontal: return HS_HORIZONTAL;
    case bsVertical: return HS_VERTICAL;
    case bsFDiagonal: return HS_FDIAGONAL;
    case bsBDiagonal: return HS_DIAGCROSS;
    case bsCross: return HS_CROSS;
    default: return HS_BDIAGONAL;
    }
}

HPEN FramePen(const TQmFrameLine* line) {
    LOGBRUSH brush;
    brush.lbStyle = BS_SOLID;
    brush.lbColor = ColorToRGB(line->Color());
    const DWORD style = PS_GEOMETRIC | PS_ENDCAP_SQUARE | static_cast<DWORD>(line->Style());
    return ExtCreatePen(style, static_cast<DWORD>(RoundInt(Pixels(line->InternalWidth))), &brush, 0, nullptr);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void ClosedRectangle(HDC dc, int x0, int y0, int x1, int y1) {
    const POINT corners[] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
    Polyline(dc, corners, 5);
}

bool SameLine(const TQmFrameLine* a, const TQmFrameLine* b) {
    return a->Visible() && b->Visible() && a->Style() == b->Style() && a->Color() == b->Color() &&
           a->InternalWidth == b->InternalWidth;
}

}  // namespace

void TQmView::BeginDraw(TCanvas* canvas) {
    Canvas = canvas;
    saved_ = {Left, Top, Width, Height, GapLeft, GapTop, {}};
    for (int side = 0; side < 4; ++side) saved_.frameWidths[side] = Frame(side)->InternalWidth;
    SaveDrawGeometry();
    if (GetDrawMode() == 0) {
        OffsetX = OffsetY = 0;
        ScaleX = ScaleY = 1.0;
    }
    Left = ToInternalUnits(qmutScreenPixels, OffsetX) + RoundInt(Left * ScaleX);
    Top = ToInternalUnits(qmutScreenPixels, OffsetY) + RoundInt(Top * ScaleY);
    Width = RoundInt(Width * ScaleX);
    Height = RoundInt(Height * ScaleY);
    ScaleDrawGeometry();
    GapLeft = RoundInt(GapLeft * ScaleX);
    GapTop = RoundInt(GapTop * ScaleY);
    std::array<double, 4> widths{};
    for (int side = 0; side < 4; ++side) {
        TQmFrameLine* line = Frame(side);
        if (!line->Visible()) line->InternalWidth = 0;
        line->InternalWidth = RoundInt(line->InternalWidth * ScaleX);
        widths[side] = Pixels(line->InternalWidth);
    }
    const double l = Pixels(Left), t = Pixels(Top), r = Pixels(Left + Width), b = Pixels(Top + Height);
    DrawRect = TRect(RoundInt(l) + RoundInt(widths[qmfsLeft] / 2), RoundInt(t) + RoundInt(widths[qmfsTop] / 2),
                     RoundInt(r) - RoundInt((widths[qmfsRight] - 1) / 2) + 1,
                     RoundInt(b) - RoundInt((widths[qmfsBottom] - 1) / 2) + 1);
    // A double line's inner stroke takes room from the inside.
    auto inset = [&](int side) { return Frame(side)->DoubleFrame() ? RoundInt(2 * widths[side]) : 0; };
    DrawRect.left += inset(qmfsLeft);
    DrawRect.top += inset(qmfsTop);
    DrawRect.right -= inset(qmfsRight);
    DrawRect.bottom -= inset(qmfsBottom);
}

void TQmView::EndDraw() {
    Left = saved_.left;
    Top = saved_.top;
    Width = saved_.width;
    Height = saved_.height;
    GapLeft = saved_.gapLeft;
    GapTop = saved_.gapTop;
    for (int side = 0; side < 4; ++side) Frame(side)->InternalWidth = saved_.frameWidths[side];
    RestoreDrawGeometry();
}

HBRUSH TQmView::FillBrushPattern() const { return CreateHatchBrush(HatchOf(BrushStyle), ColorToRGB(Frame(qmfsTop)->Color())); }

void TQmView::DrawBackground() {
    if (FillColor == QmNoColor && BrushStyle == bsSolid) return;
    const RECT area{RoundInt(Pixels(Left)), RoundInt(Pixels(Top)), RoundInt(Pixels(Left + Width)),
                    RoundInt(Pixels(Top + Height))};
    HDC dc = Canvas->Handle();
    const bool solid = BrushStyle == bsSolid;
    HBRUSH brush = solid ? CreateSolidBrush(ColorToRGB(FillColor)) : FillBrushPattern();
    const int oldMode = SetBkMode(dc, solid ? OPAQUE : TRANSPARENT);
    FillRect(dc, &area, brush);
    SetBkMode(dc, oldMode);
    DeleteObject(brush);
}

void TQmReportView::ShowFrame() {
    const bool anyLine = Frame(qmfsLeft)->Visible() || Frame(qmfsTop)->Visible() || Frame(qmfsRight)->Visible() ||
                         Frame(qmfsBottom)->Visible();
    if (!anyLine && DiagonalKind == 0) return;
    if (!PrintFrame() && !(ParentReport && ParentReport->PrintEverything)) return;

    HDC dc = Canvas->Handle();
    const int x0 = GetspBound(0), y0 = GetspBound(1);
    const int x1 = RoundInt(Pixels(RoundInt((Saved().left + Saved().width) * ScaleX)) + OffsetX);
    const int y1 = RoundInt(Pixels(RoundInt((Saved().top + Saved().height) * ScaleY)) + OffsetY);
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));

    const TQmFrameLine* left = Frame(qmfsLeft);
    if (SameLine(left, Frame(qmfsTop)) && SameLine(left, Frame(qmfsRight)) && SameLine(left, Frame(qmfsBottom))) {
        TQmSelectedObject pen(dc, FramePen(left));
        ClosedRectangle(dc, x0, y0, x1, y1);
        if (left->DoubleFrame()) {
            const int d = RoundInt(2 * Pixels(left->InternalWidth));
            ClosedRectangle(dc, x0 + d, y0 + d, x1 - d, y1 - d);
        }
    } else {
        struct Side {
            int side, ax, ay, bx, by, dx, dy;
        };
        const Side sides[] = {{qmfsLeft, x0, y0, x0, y1, 1, 0},
                              {qmfsTop, x0, y0, x1, y0, 0, 1},
                              {qmfsRight, x1, y0, x1, y1, -1, 0},
                              {qmfsBottom, x0, y1, x1, y1, 0, -1}};
        for (const Side& s : sides) {
            const TQmFrameLine* line = Frame(s.side);
            if (!line->Visible()) continue;
            TQmSelectedObject pen(dc, FramePen(line));
            Line(dc, s.ax, s.ay, s.bx, s.by);
            if (line->DoubleFrame()) {
                const int d = RoundInt(2 * Pixels(line->InternalWidth));
                Line(dc, s.ax + s.dx * d, s.ay + s.dy * d, s.bx + s.dx * d, s.by + s.dy * d);
            }
        }
    }

    if (DiagonalKind >= 1 && DiagonalKind <= 6) {
        LOGBRUSH black;
        black.lbStyle = BS_SOLID;
        TQmSelectedObject pen(dc, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID, 1, &black, 0, nullptr));
        const int midX = (x0 + x1) / 2, midY = (y0 + y1) / 2;
        const bool fromTopLeft = DiagonalKind <= 3;
        const int kind = fromTopLeft ? DiagonalKind : DiagonalKind - 3;
        if (fromTopLeft) {
            if (kind != 2) Line(dc, x0, y0, x1, y1);
            if (kind != 1) {
                Line(dc, x0, y0, midX, y1);
                Line(dc, x0, y0, x1, midY);
            }
        } else {
            if (kind != 2) Line(dc, x0, y1, x1, y0);
            if (kind != 1) {
                Line(dc, x0, midY, x1, y0);
                Line(dc, midX, y1, x1, y0);
            }
        }
    }
    SelectObject(dc, oldBrush);
}
