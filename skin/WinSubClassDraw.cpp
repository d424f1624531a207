// The drawing routines the control painters share: element frames and
// strip cells, captions, the common WM_PAINT and WM_ERASEBKGND handling and
// the embossed glyph of a disabled button.
#include <algorithm>
#include <cstring>

#include "platform/ui/colors.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "skin/WinSkinFormDraw.h"
#include "skin/WinSubClass.h"

namespace {

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }
bool Inverted(const TRect& r) { return r.right < r.left || r.bottom < r.top; }

// Moves the measured T by the rule the captions share: centred both ways,
// or centred vertically and as wide as Rect.
void PlaceMeasured(TRect& t, const TRect& rect, bool centred) {
    const int dy = (Height(rect) - Height(t)) / 2 - 1;
    if (centred) {
        OffsetRect(&t, (Width(rect) - Width(t)) / 2, dy);
    } else {
        OffsetRect(&t, 0, dy);
        t.left = rect.left;
        t.right = rect.right;
    }
}

}  // namespace

void DrawElement(TSkinControl*, HDC dc, const TRect& rect, TDataSkinObject* element, int index, int count) {
    if (Inverted(rect) || !element || !element->Bitmap || element->Bitmap->Empty()) return;
    DrawSkinCell(dc, rect, element->Bitmap.get(), element->Margins(), index, count, element->Trans == 1,
                 element->Tile != 0, false);
}

void DrawFrameCellDC(TSkinControl*, HDC dc, const TRect& rect, TBitmap* image, int index, int count) {
    if (Inverted(rect) || !image || image->Empty()) return;
    DrawSkinFrame(dc, rect, image, index, count, true);
}

void DrawFrameCell(TSkinControl* painter, TCanvas* canvas, const TRect& rect, TBitmap* image, int index, int count) {
    DrawFrameCellDC(painter, canvas->Handle(), rect, image, index, count);
}

void DrawFrameCellMasked(TSkinControl* painter, HDC dc, const TRect& rect, TBitmap* image, int index, int count) {
    DrawFrameCellDC(painter, dc, rect, image, index, count);
}

UINT AddRtlFlag(TSkinControl* painter, UINT flags) {
    TControl* control = painter->GraphicControl ? painter->GraphicControl : painter->Control;
    return control && control->BiDiMode() == bdRightToLeft ? flags | DT_RTLREADING : flags;
}

void DrawCaption(TSkinControl* painter, TCanvas* canvas, const TRect& rect, const WideString& text, bool enabled,
                 UINT alignment) {
    HDC dc = canvas->Handle();
    SetBkMode(dc, TRANSPARENT);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetStyle({});
    TRect t = rect;
    SkinDrawText(dc, text, &t, alignment | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
    PlaceMeasured(t, rect, alignment == DT_CENTER);
    if (!enabled) canvas->Font()->SetColor(clBtnShadow);
    SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
    SelectObject(dc, canvas->Font()->Handle());
    SkinDrawText(dc, text, &t, AddRtlFlag(painter, alignment | DT_EXPANDTABS));
}

bool PaintWholeWindow(TSkinControl* painter, TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintOnWMPaint(painter, message);
        return true;
    }
    if (message.Msg != WM_ERASEBKGND) return false;
    message.Result = 1;
    return true;
}

void PaintOnWMPaint(TSkinControl* painter, TMessage& message) {
    HDC dc = HDC(message.WParam);
    PAINTSTRUCT paint{};
    const bool began = !dc;
    if (began) dc = BeginPaint(painter->Handle, &paint);
    RECT window;
    if (GetWindowRect(painter->Handle, &window)) {
        painter->WindowRect = window;
        painter->PaintSkin(dc, TRect{0, 0, window.right - window.left, window.bottom - window.top});
    }
    if (began) EndPaint(painter->Handle, &paint);
}

void EraseWithParent(TSkinControl* painter, TMessage& message) {
    HDC dc = HDC(message.WParam);
    if (painter->Control) {
        DrawParentImage(painter->Control, dc);
    } else {
        RECT client;
        GetClientRect(painter->Handle, &client);
        painter->FillParentColor(dc, client);
    }
    message.Result = 1;
}

void FillSolid(HDC dc, const TRect& rect, TColor colour) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void CopyBitmapInto(TBitmap* source, TBitmap* dest) {
    dest->SetPixelFormat(source->PixelFormat());
    dest->SetSize(source->Width(), source->Height());
    dest->Canvas()->Draw(0, 0, source);
}

// The glyph's background is its bottom-left colour; every other pixel is
// glyph, drawn once in the highlight colour one pixel down and right, then
// in the shadow colour in place, on the face colour.
std::unique_ptr<TBitmap> MakeDisabledGlyph(TBitmap* bitmap) {
    auto result = std::make_unique<TBitmap>();
    const int w = bitmap->Width(), h = bitmap->Height();
    result->SetPixelFormat(pf24bit);
    result->SetSize(w, h);
    FillSolid(result->Canvas()->Handle(), TRect{0, 0, w, h}, clBtnFace);
    if (w == 0 || h == 0) return result;
    TBitmap source;
    CopyBitmapInto(bitmap, &source);
    source.SetPixelFormat(pf24bit);
    auto pixel = [&source](int x, int y) {
        const Byte* p = static_cast<const Byte*>(source.ScanLine(y)) + 3 * x;
        return RGB(p[2], p[1], p[0]);
    };
    const COLORREF background = pixel(0, h - 1);
    auto paint = [&](int dx, int dy, TColor colour) {
        const COLORREF rgb = ColorToRGB(colour);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (pixel(x, y) == background || x + dx >= w || y + dy >= h) continue;
                Byte* d = static_cast<Byte*>(result->ScanLine(y + dy)) + 3 * (x + dx);
                d[0] = GetBValue(rgb);
                d[1] = GetGValue(rgb);
                d[2] = GetRValue(rgb);
            }
    };
    paint(1, 1, clBtnHighlight);
    paint(0, 0, clBtnShadow);
    return result;
}
