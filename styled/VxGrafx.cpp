// Colour ramps drawn once into an off-screen bitmap, one solid fill per run
// of equal colour, and the parent-background painting of transparent
// controls.
#include "styled/VxGrafx.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"

namespace {

// A ramp of `steps` steps from `from` towards `to` in 16.16 fixed point:
// step k is the integer part of from + k * trunc((to - from) / steps).
class TRampSteps {
public:
    TRampSteps(COLORREF from, COLORREF to, int steps) {
        const int channelsFrom[3] = {GetRValue(from), GetGValue(from), GetBValue(from)};
        const int channelsTo[3] = {GetRValue(to), GetGValue(to), GetBValue(to)};
        for (int i = 0; i < 3; ++i) {
            start_[i] = channelsFrom[i] * 65536;
            increment_[i] = steps > 0 ? (channelsTo[i] - channelsFrom[i]) * 65536 / steps : 0;
        }
    }
    TColor Color(int step) const {
        auto channel = [&](int i) { return BYTE((start_[i] + step * increment_[i]) >> 16); };
        return RGB(channel(0), channel(1), channel(2));
    }

private:
    int start_[3], increment_[3];
};

// Runs `count` steps through bands: a band starts at a step, takes at least
// `q` + 1 steps and goes on while the colour stays the band's; `paint` gets
// each band's steps [first, end) and its colour.
void ForEachBand(const TRampSteps& ramp, int count, int q,
                 const std::function<void(int first, int end, TColor color)>& paint) {
    int first = 0;
    while (first < count) {
        const TColor color = ramp.Color(first);
        int end = std::min(first + q + 1, count);
        while (end < count && ramp.Color(end) == color) ++end;
        paint(first, end, color);
        first = end;
    }
}

int BandThreshold(Byte quantum, bool box) {
    const int q = quantum > 8 ? (box ? 256 : 255) / quantum + 1 : quantum;
    return std::max(q - 1, 0);
}

class TRampPainter {
public:
    TRampPainter(TCanvas* canvas, int width, int height, COLORREF start, COLORREF stop, Byte quantum)
        : canvas_(canvas), w_(width), h_(height), start_(start), stop_(stop), quantum_(quantum) {}

    void Paint(TGradientDirection direction) {
        switch (direction) {
        case gdHorizontalEnd: Run(true, h_ - 1, h_, stop_, start_); break;
        case gdVerticalEnd: Run(false, w_ - 1, w_, stop_, start_); break;
        case gdHorizontalCenter: Centre(true, h_); break;
        case gdVerticalCenter: Centre(false, w_); break;
        case gdHorizontalBox: Box(w_ >> 2, 0, true); break;
        case gdVerticalBox: Box(0, h_ >> 2, false); break;
        case gdSquareBox: Box(0, 0, true); break;
        case gdBigSquareBox: Box(w_ >> 2, h_ >> 2, false); break;
        case gdDiagonalUp: Diagonal(false, start_, stop_); break;
        case gdDiagonalDown: Diagonal(true, stop_, start_); break;
        }
    }

private:
    void Fill(TColor color, int left, int top, int right, int bottom) {
        if (left >= right || top >= bottom) return;
        canvas_->Brush()->SetColor(color);
        canvas_->FillRect(TRect(left, top, right, bottom));
    }

    // `steps` bands of one ramp laid from position `origin` backwards, one
    // position per step, across the whole cross extent.
    void Run(bool rows, int origin, int steps, COLORREF from, COLORREF to) {
        ForEachBand(TRampSteps(from, to, steps), steps, BandThreshold(quantum_, false),
                    [&](int first, int end, TColor color) {
                        const int low = origin - end + 1, high = origin - first + 1;
                        if (rows)
                            Fill(color, 0, low, w_, high);
                        else
                            Fill(color, low, 0, high, h_);
                    });
    }

    // The stop colour in the middle, the start colour at both edges.
    void Centre(bool rows, int extent) {
        const int middle = extent / 2;
        Run(rows, middle, middle + 1, stop_, start_);
        Run(rows, extent - 1, extent - middle - 1, start_, stop_);
    }

    // L-shaped rings of the upper-left quarter from the stop colour at the
    // centre to the start colour at the edge, then the quarter mirrored.
    void Box(int insetX, int insetY, bool startFilled) {
        if (start_ == stop_ || w_ <= 4 || h_ <= 4) {
            Fill(start_, 0, 0, w_ + 1, h_ + 1);
            return;
        }
        if (startFilled) Fill(start_, 0, 0, w_, h_);
        const int cx = (w_ - 1) >> 1, cy = (h_ - 1) >> 1;
        const int x0 = cx - insetX, y0 = cy - insetY;
        const int steps = std::max(x0, y0) + 1;
        const int dx = x0 * 65536 / steps, dy = y0 * 65536 / steps;
        auto edgeX = [&](int step) { return (x0 * 65536 - step * dx) >> 16; };
        auto edgeY = [&](int step) { return (y0 * 65536 - step * dy) >> 16; };
        ForEachBand(TRampSteps(stop_, start_, steps), steps + 1, BandThreshold(quantum_, true),
                    [&](int first, int end, TColor color) {
                        const int oldX = first == 0 ? cx + 1 : edgeX(first - 1);
                        const int oldY = first == 0 ? cy + 1 : edgeY(first - 1);
                        const int newX = edgeX(end - 1), newY = edgeY(end - 1);
                        Fill(color, newX, newY, cx + 1, oldY);
                        Fill(color, newX, oldY, oldX, cy + 1);
                    });
        Mirror();
    }

    void Mirror() {
        const HDC dc = canvas_->Handle();
        const int halfW = w_ / 2, halfH = h_ / 2;
        StretchBlt(dc, 0, h_ - 1, w_, -halfH, dc, 0, 0, w_, halfH, SRCCOPY);
        StretchBlt(dc, w_ - 1, 0, -halfW, h_, dc, 0, 0, halfW, h_, SRCCOPY);
    }

    // Bands cut by lines joining equal fractions of the two edges at the
    // first corner, then of the two edges at the far corner. The geometry is
    // that of the lower-left corner, mirrored for the lower-right one.
    void Diagonal(bool mirrored, COLORREF from, COLORREF to) {
        if (from == to) {
            canvas_->Pen()->SetStyle(psClear);
            canvas_->Brush()->SetColor(from);
            canvas_->Rectangle(0, 0, w_ + 1, h_ + 1);
            return;
        }
        const int half = std::max((int(std::sqrt(double(w_) * w_ + double(h_) * h_)) + 1) >> 1, 1);
        // The bands reach one pixel past the bitmap, so that no edge rule of
        // the polygon fill leaves its border lines unpainted.
        const int w = w_ + 2, h = h_ + 2;
        auto point = [&](int x, int y) { return TPoint{(mirrored ? w - x : x) - 1, y - 1}; };
        // The boundary's ends on the first edge pair (bottom, left), then on
        // the far pair (right, top).
        auto alongFirst = [&](int i) {
            if (i <= half) return point(w * i / half, h);
            return point(w, h * (2 * half - i) / half);
        };
        auto alongSecond = [&](int i) {
            if (i <= half) return point(0, h - h * i / half);
            return point(w - w * (2 * half - i) / half, 0);
        };
        canvas_->Pen()->SetStyle(psClear);
        auto polygon = [&](int a, int b, TColor color) {
            if (a >= b) return;
            const TPoint points[4] = {alongFirst(a), alongFirst(b), alongSecond(b), alongSecond(a)};
            canvas_->Brush()->SetColor(color);
            canvas_->Polygon(points, 4);
        };
        ForEachBand(TRampSteps(from, to, 2 * half), 2 * half, BandThreshold(quantum_, false),
                    [&](int first, int end, TColor color) {
                        polygon(first, std::min(end, half), color);
                        polygon(std::max(first, half), end, color);
                    });
    }

    TCanvas* canvas_;
    int w_, h_;
    COLORREF start_, stop_;
    Byte quantum_;
};

}  // namespace

void PaintColorRamp(TCanvas* canvas, const TRect& rect, TGradientDirection direction, TColor startColor,
                    TColor stopColor, Byte quantum) {
    const int width = std::abs(rect.right - rect.left), height = std::abs(rect.bottom - rect.top);
    if (width == 0 || height == 0) return;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    TCanvas* offscreen = bitmap->Canvas();
    offscreen->Pen()->SetWidth(1);
    offscreen->Pen()->SetStyle(psClear);
    offscreen->Pen()->SetMode(pmCopy);
    offscreen->Brush()->SetStyle(bsSolid);
    TRampPainter(offscreen, width, height, ColorToRGB(startColor), ColorToRGB(stopColor), quantum).Paint(direction);
    canvas->Draw(rect.left, rect.top, bitmap.get());
}

void PaintParentBackground(TControl* control, HDC dc, bool invalidateParent) {
    TWinControl* parent = control->Parent();
    if (!parent) return;
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    const TRect client = parent->ClientRect();
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    parent->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
    parent->Perform(WM_PAINT, WPARAM(dc), 0);
    RestoreDC(dc, saved);
    const bool paintsItsChildrenArea = dynamic_cast<TCustomControl*>(parent) || dynamic_cast<TCustomForm*>(parent);
    if (invalidateParent && !paintsItsChildrenArea && !control->ComponentState().Contains(csDesigning))
        parent->Invalidate();
}
