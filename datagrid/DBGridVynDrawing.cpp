#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/ToolCtrlsVynFaces.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "platform/rtl/codepage.h"
#include "platform/win/userdraw.h"
#include "platform/gdi/wingdi.h"

namespace {

struct DrawBitmap {
    int users = 0;
    std::unique_ptr<TBitmap> bitmap;
};

DrawBitmap& Shared() {
    static DrawBitmap shared;
    return shared;
}

UINT AlignmentFlags(TAlignment alignment) {
    const UINT base = DT_EXPANDTABS | DT_NOPREFIX;
    switch (alignment) {
    case taRightJustify: return base | DT_RIGHT;
    case taCenter: return base | DT_CENTER;
    default: return base | DT_LEFT;
    }
}

// A pure colour is one the canvas shows without dithering.
bool IsPureColor(TCanvas* canvas) {
    const COLORREF color = ColorToRGB(canvas->Brush()->Color());
    return GetNearestColor(canvas->Handle(), color) == color;
}

// The shared bitmap at least as large as `rect`, its canvas locked while used.
class ComposingBitmap {
public:
    explicit ComposingBitmap(const TRect& rect) : bitmap_(Shared().bitmap.get()) {
        bitmap_->Canvas()->Lock();
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        if (bitmap_->Width() < width) bitmap_->SetWidth(width);
        if (bitmap_->Height() < height) bitmap_->SetHeight(height);
    }
    ~ComposingBitmap() { bitmap_->Canvas()->Unlock(); }
    ComposingBitmap(const ComposingBitmap&) = delete;
    ComposingBitmap& operator=(const ComposingBitmap&) = delete;
    TCanvas* Canvas() const { return bitmap_->Canvas(); }

private:
    TBitmap* bitmap_;
};

}  // namespace

void AcquireDrawBitmap() {
    DrawBitmap& shared = Shared();
    if (shared.users++ == 0) shared.bitmap = std::make_unique<TBitmap>();
}

void ReleaseDrawBitmap() {
    DrawBitmap& shared = Shared();
    if (shared.users == 0) return;
    if (--shared.users == 0) shared.bitmap.reset();
}

TBitmap* SharedDrawBitmap() { return Shared().bitmap.get(); }

int MeasureTextWidth(TCanvas* canvas, const AnsiString& text) {
    RECT r{0, 0, 1, 0};
    AnsiString copy = text;
    DrawTextEx(canvas->Handle(), copy.data(), static_cast<int>(copy.size()), &r, DT_CALCRECT | DT_NOPREFIX, nullptr);
    return r.right - r.left;
}

AnsiString ShortenTextToWidth(const AnsiString& text, TCanvas* canvas, int maxWidth) {
    // Counted in characters, so a double-byte character is dropped whole.
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < text.size(); pos += AnsiCharSize(text, pos)) starts.push_back(pos);
    const std::size_t length = starts.size();
    AnsiString result = text;
    for (std::size_t dropped = 2; canvas->TextWidth(result) > maxWidth && dropped - 1 <= length; ++dropped) {
        const std::size_t kept = dropped >= length ? 0 : length - dropped;
        result = text.substr(0, kept < length ? starts[kept] : text.size()) + "...";
    }
    return result;
}

void DrawCellText(TCanvas* canvas, TRect rect, bool, int dx, int dy, AnsiString text, TAlignment alignment,
                  TTextLayout layout, bool wordWrap, bool endEllipsis, int leftMargin, int rightMargin,
                  bool rightToLeftReading) {
    if (IsPureColor(canvas) && !wordWrap) {
        if (endEllipsis) text = ShortenTextToWidth(text, canvas, rect.right - rect.left - dx);
        const bool styled = canvas->Font()->Style().Contains(fsBold) || canvas->Font()->Style().Contains(fsItalic);
        const int width =
            alignment != taLeftJustify && styled ? MeasureTextWidth(canvas, text) : canvas->TextWidth(text);
        int x = rect.left + dx;
        if (alignment == taRightJustify)
            x = rect.right - width - 3;
        else if (alignment == taCenter)
            x = rect.left < rect.right ? rect.left + (rect.right - rect.left) / 2 - width / 2 : 0;
        canvas->TextRect(rect, x, rect.top + dy, text);
        return;
    }
    ComposingBitmap bitmap(rect);
    TCanvas* target = bitmap.Canvas();
    const TRect box{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    target->SetFont(canvas->Font());
    target->SetBrush(canvas->Brush());
    target->Brush()->SetStyle(bsSolid);
    SetBkMode(target->Handle(), TRANSPARENT);
    target->FillRect(box);
    UINT flags = AlignmentFlags(alignment);
    if (wordWrap) flags |= DT_WORDBREAK;
    if (endEllipsis) flags |= DT_END_ELLIPSIS;
    if (rightToLeftReading) flags |= DT_RTLREADING;
    DRAWTEXTPARAMS params;
    params.iLeftMargin = leftMargin;
    params.iRightMargin = rightMargin;
    RECT textRect{box.left + dx, box.top + dy, box.right - dx, box.bottom - dy};
    int textHeight = 0;
    if (layout != tlTop) {
        RECT measured = textRect;
        AnsiString copy = text;
        textHeight = DrawTextEx(canvas->Handle(), copy.data(), static_cast<int>(copy.size()), &measured,
                                flags | DT_CALCRECT, &params);
    }
    if (layout == tlCenter)
        textRect.top += (textRect.bottom - textRect.top) / 2 - textHeight / 2;
    else if (layout == tlBottom)
        textRect.top = textRect.bottom - textHeight;
    if (dx > 0) ++textRect.bottom;
    DrawTextEx(target->Handle(), text.data(), static_cast<int>(text.size()), &textRect, flags, &params);
    canvas->CopyRect(rect, target, box);
}

HFONT CreateRotatedFont(TFont* font) {
    LOGFONTA logFont{};
    logFont.lfHeight = font->Height();
    logFont.lfWidth = 0;
    logFont.lfEscapement = 900;
    logFont.lfOrientation = 900;
    logFont.lfWeight = font->Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font->Style().Contains(fsItalic);
    logFont.lfUnderline = font->Style().Contains(fsUnderline);
    logFont.lfStrikeOut = font->Style().Contains(fsStrikeOut);
    logFont.lfCharSet = font->Charset();
    logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = font->Pitch() == fpVariable ? VARIABLE_PITCH
                               : font->Pitch() == fpFixed  ? FIXED_PITCH
                                                           : DEFAULT_PITCH;
    // "Default" is among the faces the platform's substitution table knows.
    font->Name().copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&logFont);
}

int DrawCellTextVertical(TCanvas* canvas, TRect rect, bool useBitmap, int dx, int dy, const AnsiString& text,
                         TAlignment alignment, TTextLayout layout, bool calcOnly) {
    const bool pure = IsPureColor(canvas);
    const int cellTop = rect.top;
    const int cellBottom = rect.bottom;
    std::swap(rect.top, rect.bottom);
    TFont* font = canvas->Font();
    const HFONT rotated = CreateRotatedFont(font);
    auto restore = [&] {
        // The font's own description rebuilds its handle.
        font->SetHeight(font->Height());
        DeleteObject(rotated);
    };
    int extent = 0;
    try {
        const HGDIOBJ previous = SelectObject(canvas->Handle(), rotated);
        TEXTMETRICA metrics{};
        GetTextMetrics(canvas->Handle(), &metrics);
        int overhang = metrics.tmOverhang;
        if ((metrics.tmPitchAndFamily & TMPF_TRUETYPE) && metrics.tmItalic) {
            OUTLINETEXTMETRICA outline{};
            if (GetOutlineTextMetrics(canvas->Handle(), sizeof outline, &outline) && outline.otmsCharSlopeRise != 0)
                overhang = (metrics.tmHeight - metrics.tmInternalLeading) * outline.otmsCharSlopeRun /
                           outline.otmsCharSlopeRise;
        }
        SIZE size{};
        GetTextExtentPoint32(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &size);
        extent = overhang + size.cx;
        if (!calcOnly) {
            const int textHeight = metrics.tmHeight;
            if (!useBitmap || pure) {
                int x = rect.left + dx;
                if (alignment == taRightJustify)
                    x = rect.right - textHeight;
                else if (alignment == taCenter)
                    x = rect.left + (rect.right - rect.left) / 2 - (textHeight + overhang) / 2;
                int y = cellBottom - dy;
                if (layout == tlTop)
                    y = cellTop + extent;
                else if (layout == tlCenter)
                    y = cellBottom - (cellBottom - cellTop) / 2 + extent / 2;
                const RECT clip{rect.left, cellTop, rect.right, cellBottom};
                ExtTextOut(canvas->Handle(), x, y, ETO_CLIPPED | ETO_OPAQUE, &clip, text.c_str(),
                           static_cast<UINT>(text.size()), nullptr);
            } else {
                const TRect cell{rect.left, cellTop, rect.right, cellBottom};
                ComposingBitmap bitmap(cell);
                TCanvas* target = bitmap.Canvas();
                const int width = cell.right - cell.left;
                const int height = cell.bottom - cell.top;
                target->SetBrush(canvas->Brush());
                target->FillRect({0, 0, width, height});
                const HGDIOBJ old = SelectObject(target->Handle(), rotated);
                SetTextColor(target->Handle(), ColorToRGB(font->Color()));
                SetBkMode(target->Handle(), TRANSPARENT);
                RECT textRect{dx, height - 1, width - 1, dy};
                AnsiString copy = text;
                DrawTextEx(target->Handle(), copy.data(), static_cast<int>(copy.size()), &textRect,
                           AlignmentFlags(alignment) | DT_WORDBREAK | DT_NOCLIP, nullptr);
                SelectObject(target->Handle(), old);
                canvas->CopyRect(cell, target, {0, 0, width, height});
            }
        }
        SelectObject(canvas->Handle(), previous);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return extent;
}

void DrawImageClipped(TCustomImageList* images, TBitmap* bitmap, TCanvas* canvas, const TRect& rect, int imageIndex,
                      int xOffset, TAlignment alignment) {
    const int width = images ? images->Width() : bitmap->Width();
    const int height = images ? images->Height() : bitmap->Height();
    int x = rect.left + xOffset;
    if (alignment == taRightJustify)
        x = rect.right - width + xOffset;
    else if (alignment == taCenter)
        x = (rect.left + rect.right - width) / 2 + xOffset;
    const int y = (rect.top + rect.bottom - height) / 2;
    auto draw = [&] {
        if (images)
            images->Draw(canvas, x, y, imageIndex, true);
        else
            canvas->Draw(x, y, bitmap);
    };
    if (x >= rect.left && y >= rect.top && x + width <= rect.right && y + height <= rect.bottom) {
        draw();
        return;
    }
    SavedClipRegion clip(canvas->Handle());
    IntersectClipRect(canvas->Handle(), rect.left, rect.top, rect.right, rect.bottom);
    draw();
}

bool TextOverflowsCell(TCanvas* canvas, int horzMargin, int vertMargin, const AnsiString& text, bool wordWrap,
                       const TRect& cell, bool rightToLeft, int& textWidth, int& textHeight) {
    const int available = std::max(cell.right - cell.left - horzMargin - 2, 1);
    RECT r{0, 0, available, 0};
    UINT flags = DT_CALCRECT | DT_NOPREFIX;
    if (wordWrap) flags |= DT_WORDBREAK;
    if (rightToLeft) flags |= DT_RTLREADING | DT_RIGHT;
    AnsiString copy = text;
    DrawTextEx(canvas->Handle(), copy.data(), static_cast<int>(copy.size()), &r, flags, nullptr);
    textWidth = r.right - r.left;
    textHeight = r.bottom - r.top;
    return textWidth > available || textHeight > cell.bottom - cell.top - vertMargin + 1;
}

TColor BrightenColor(TColor color, int factor) {
    const COLORREF c = ColorToRGB(color);
    auto channel = [factor](int value) { return static_cast<BYTE>(std::min(value + value / factor, 255)); };
    return static_cast<TColor>(RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c))));
}

TRect SwapRectExtent(const TRect& rect) {
    return {rect.left, rect.top, rect.left + (rect.bottom - rect.top), rect.top + (rect.right - rect.left)};
}
