// Text of rotated cells: where the turned text starts for the cell's
// alignment, and drawing it with a turned copy of the cell's font.
#include <cmath>
#include <cstdlib>

#include "platform/gdi/wingdi.h"
#include "stringgrid/BavGrid.h"

TPoint TBavStringGrid::PlaceRotatedText(const TRect& r, TSize extent, int angle, TVAlignment vAlign,
                                        TAlignment hAlign) {
    const double a = angle * M_PI / 180.0;
    const int P = std::abs(int(extent.cx * std::cos(a)));
    const int Q = std::abs(int(extent.cy * std::sin(a)));
    const int R = std::abs(int(extent.cx * std::sin(a)));
    const int S = std::abs(int(extent.cy * std::cos(a)));
    const int W = r.right - r.left, H = r.bottom - r.top;
    // The corners of the turned text's bounding box that the text starts
    // from, by quadrant; the middle offset is shared by every quadrant.
    const int middle = (R + S - H) / 2;
    const int normalized = ((angle % 360) + 360) % 360;
    int left, right, centre, top, bottom;
    if (normalized <= 90) {
        left = r.left, right = r.right - P - Q, centre = r.left + (W - Q - P) / 2;
        top = r.top + R, bottom = r.bottom - S;
    } else if (normalized <= 180) {
        left = r.left + P, right = r.right - Q, centre = r.right - (Q + W - P) / 2;
        top = r.top + S + R, bottom = r.bottom;
    } else if (normalized > 270) {
        left = r.left + Q, right = r.right - P, centre = r.left + (Q + W - P) / 2;
        top = r.top, bottom = r.bottom - S - R;
    } else {
        left = r.left + Q + P, right = r.right, centre = r.right - (W - Q - P) / 2;
        top = r.top + S, bottom = r.bottom - R;
    }
    const int x = hAlign == taLeftJustify ? left : hAlign == taRightJustify ? right : centre;
    const int y = vAlign == vtaTop ? top : vAlign == vtaBottom ? bottom : top - middle;
    return {x, y};
}

void TBavStringGrid::DrawRotatedText(TCanvas* canvas, const TRect& cellRect, int angle, TVAlignment vAlign,
                                     TAlignment hAlign, const AnsiString& text) {
    TRect r = Rect(cellRect.left + 2, cellRect.top + 2, cellRect.right - 2, cellRect.bottom - 2);
    const TPoint start = PlaceRotatedText(r, canvas->TextExtent(text), angle, vAlign, hAlign);
    LOGFONT logFont{};
    GetObject(canvas->Font()->Handle(), sizeof(logFont), &logFont);
    logFont.lfEscapement = angle * 10;
    logFont.lfOrientation = angle * 10;
    const HFONT rotated = CreateFontIndirect(&logFont);
    const HFONT previous = HFONT(SelectObject(canvas->Handle(), rotated));
    SetTextAlign(canvas->Handle(), TA_LEFT | TA_TOP);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    r = Rect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
    ExtTextOut(canvas->Handle(), start.x, start.y, ETO_CLIPPED, &r, text.data(), UINT(text.size()), nullptr);
    SelectObject(canvas->Handle(), previous);
    DeleteObject(rotated);
}
