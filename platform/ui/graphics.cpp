// TFont, TPen, TBrush and TCanvas.
#include "platform/ui/graphics.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/programlong.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"

namespace {

// GDI objects shared by font, pen and brush objects with equal attributes.
class SharedHandles {
public:
    template <class Make>
    HGDIOBJ Acquire(const std::string& key, Make make) {
        std::lock_guard lock(mutex_);
        auto it = byKey_.find(key);
        if (it != byKey_.end()) {
            ++refs_[it->second];
            return it->second;
        }
        HGDIOBJ h = make();
        byKey_[key] = h;
        keys_[h] = key;
        refs_[h] = 1;
        return h;
    }
    void Release(HGDIOBJ h) {
        std::lock_guard lock(mutex_);
        if (--refs_[h] > 0) return;
        byKey_.erase(keys_[h]);
        keys_.erase(h);
        refs_.erase(h);
        DeleteObject(h);
    }

private:
    std::mutex mutex_;
    std::unordered_map<std::string, HGDIOBJ> byKey_;
    std::unordered_map<HGDIOBJ, std::string> keys_;
    std::unordered_map<HGDIOBJ, int> refs_;
};

SharedHandles& shared() {
    static ProgramLong<SharedHandles> handles;
    return *handles;
}

template <class T>
std::string Bytes(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

TGraphicsObject::~TGraphicsObject() { FreeHandle(); }

void TGraphicsObject::Changed() {
    FreeHandle();
    onChange_(this);
}

HGDIOBJ TGraphicsObject::CachedHandle() const {
    if (!handle_) {
        std::string key = CacheKey();
        cached_ = !key.empty();
        handle_ = cached_ ? shared().Acquire(key, [this] { return MakeHandle(); }) : MakeHandle();
    }
    return handle_;
}

void TGraphicsObject::FreeHandle() {
    if (!handle_) return;
    if (cached_)
        shared().Release(handle_);
    else
        DeleteObject(handle_);
    handle_ = 0;
}

void TGraphicsObject::AdoptHandle(HGDIOBJ handle) {
    FreeHandle();
    handle_ = handle;
    cached_ = false;
}

// ---- TFont ----------------------------------------------------------------

TFont::TFont() = default;

void TFont::Published(TPublished<TFont>& p) {
    p.Property("Charset", &TFont::Charset, &TFont::SetCharset).TypeName("TFontCharset").Default(DEFAULT_CHARSET);
    p.Property("Color", &TFont::Color, &TFont::SetColor).TypeName("TColor");
    p.Property("Height", &TFont::Height, &TFont::SetHeight);
    p.Property("Name", &TFont::Name, &TFont::SetName).TypeName("TFontName");
    p.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    // Size is Height in points: readable by name, never stored.
    p.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    p.Property("Style", &TFont::Style, &TFont::SetStyle).Default(0);
}

void TFont::Assign(TPersistent* source) {
    if (auto* font = dynamic_cast<TFont*>(source)) {
        name_ = font->name_;
        // A font of another resolution (a printer's) keeps the point size.
        height_ = font->pixelsPerInch_ == pixelsPerInch_ ? font->height_ : -MulDiv(font->Size(), pixelsPerInch_, 72);
        style_ = font->style_;
        color_ = font->color_;
        charset_ = font->charset_;
        pitch_ = font->pitch_;
        orientation_ = font->orientation_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TFont::SetName(const AnsiString& v) {
    if (v.empty() || v == name_) return;
    name_ = v;
    Changed();
}

Integer TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }

void TFont::SetSize(Integer v) { SetHeight(-MulDiv(v, pixelsPerInch_, 72)); }

void TFont::SetHeight(Integer v) {
    if (v == height_) return;
    height_ = v;
    Changed();
}

void TFont::SetStyle(TFontStyles v) {
    if (v == style_) return;
    style_ = v;
    Changed();
}

void TFont::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    // The colour is not part of the GDI font: keep the handle.
    OnChange()(this);
}

void TFont::SetCharset(TFontCharset v) {
    if (v == charset_) return;
    charset_ = v;
    Changed();
}

void TFont::SetPitch(TFontPitch v) {
    if (v == pitch_) return;
    pitch_ = v;
    Changed();
}

void TFont::SetOrientation(Integer v) {
    if (v == orientation_) return;
    orientation_ = v;
    Changed();
}

LOGFONTA TFont::LogFont() const {
    LOGFONTA log;
    log.lfHeight = height_;
    log.lfEscapement = orientation_;
    log.lfOrientation = orientation_;
    log.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = style_.Contains(fsItalic);
    log.lfUnderline = style_.Contains(fsUnderline);
    log.lfStrikeOut = style_.Contains(fsStrikeOut);
    log.lfCharSet = charset_;
    log.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    std::strncpy(log.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    return log;
}

HGDIOBJ TFont::MakeHandle() const {
    LOGFONTA log = LogFont();
    return CreateFontIndirect(&log);
}

std::string TFont::CacheKey() const { return Bytes(LogFont()); }

void TFont::SetHandle(HFONT handle) {
    LOGFONTA log;
    if (!GetObject(handle, sizeof log, &log)) return;
    name_ = log.lfFaceName;
    height_ = log.lfHeight;
    style_ = {};
    if (log.lfWeight >= FW_BOLD) style_.Include(fsBold);
    if (log.lfItalic) style_.Include(fsItalic);
    if (log.lfUnderline) style_.Include(fsUnderline);
    if (log.lfStrikeOut) style_.Include(fsStrikeOut);
    charset_ = log.lfCharSet;
    orientation_ = log.lfEscapement;
    pitch_ = (log.lfPitchAndFamily & 3) == FIXED_PITCH ? fpFixed : (log.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable : fpDefault;
    AdoptHandle(handle);
    OnChange()(this);
}

// ---- TPen -----------------------------------------------------------------

void TPen::Published(TPublished<TPen>& p) {
    p.Property("Color", &TPen::Color, &TPen::SetColor).TypeName("TColor").Default(clBlack);
    p.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    p.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    p.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* source) {
    if (auto* pen = dynamic_cast<TPen*>(source)) {
        color_ = pen->color_;
        width_ = pen->width_;
        style_ = pen->style_;
        mode_ = pen->mode_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TPen::SetColor(TColor v) {
    if (v == color_) return;
    color_ = v;
    Changed();
}

void TPen::SetWidth(Integer v) {
    if (v < 0 || v == width_) return;
    width_ = v;
    Changed();
}

void TPen::SetStyle(TPenStyle v) {
    if (v == style_) return;
    style_ = v;
    Changed();
}

void TPen::SetMode(TPenMode v) {
    if (v == mode_) return;
    mode_ = v;
    // The mode is DC state, not part of the GDI pen.
    OnChange()(this);
}

HGDIOBJ TPen::MakeHandle() const { return CreatePen(int(style_), width_, ColorToRGB(color_)); }

std::string TPen::CacheKey() const {
    LOGPEN log{UINT(style_), {width_, 0}, ColorToRGB(color_)};
    return Bytes(log);
}

void TPen::SetHandle(HPEN handle) {
    LOGPEN log;
    if (!GetObject(handle, sizeof log, &log)) return;
    color_ = TColor(log.lopnColor);
    width_ = log.lopnWidth.x;
    style_ = TPenStyle(std::min<UINT>(log.lopnStyle & PS_STYLE_MASK, psInsideFrame));
    AdoptHandle(handle);
    OnChange()(this);
}

int PenModeToRop2(TPenMode mode) {
    static const int rop2[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,         R2_COPYPEN,
                               R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN,
                               R2_MERGEPEN,    R2_NOTMERGEPEN, R2_MASKPEN,    R2_NOTMASKPEN,  R2_XORPEN,
                               R2_NOTXORPEN};
    return rop2[int(mode)];
}

// ---- TBrush ---------------------------------------------------------------

TBrush::TBrush() = default;

TBrush::~TBrush() = default;

void TBrush::Published(TPublished<TBrush>& p) {
    p.Property("Color", &TBrush::Color, &TBrush::SetColor).TypeName("TColor").Default(clWhite);
    p.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(TPersistent* source) {
    if (auto* brush = dynamic_cast<TBrush*>(source)) {
        color_ = brush->color_;
        style_ = brush->style_;
        bitmap_ = brush->bitmap_;
        Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}

void TBrush::SetColor(TColor v) {
    if (v == color_ && style_ != bsClear) return;
    color_ = v;
    if (style_ == bsClear) style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
    if (v == style_) return;
    style_ = v;
    Changed();
}

void TBrush::SetBitmap(TBitmap* v) {
    bitmap_ = v;
    Changed();
}

HGDIOBJ TBrush::MakeHandle() const {
    if (bitmap_ && !bitmap_->Empty()) return CreatePatternBrush(bitmap_->Handle());
    switch (style_) {
        case bsSolid: return CreateSolidBrush(ColorToRGB(color_));
        case bsClear: return GetStockObject(NULL_BRUSH);
        default: return CreateHatchBrush(int(style_) - int(bsHorizontal), ColorToRGB(color_));
    }
}

std::string TBrush::CacheKey() const {
    if (bitmap_) return {};
    LOGBRUSH log{UINT(style_), style_ == bsClear ? 0 : ColorToRGB(color_), 0};
    return Bytes(log);
}

void TBrush::SetHandle(HBRUSH handle) {
    LOGBRUSH log;
    if (!GetObject(handle, sizeof log, &log)) return;
    color_ = TColor(log.lbColor);
    style_ = log.lbStyle == BS_NULL ? bsClear : log.lbStyle == BS_HATCHED ? TBrushStyle(int(bsHorizontal) + int(log.lbHatch)) : bsSolid;
    bitmap_ = nullptr;
    AdoptHandle(handle);
    OnChange()(this);
}

// ---- TCanvas --------------------------------------------------------------

TCanvas::TCanvas() : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
    TNotifyEvent changed(this, &TCanvas::ObjectChangedHandler);
    font_->SetOnChange(changed);
    pen_->SetOnChange(changed);
    brush_->SetOnChange(changed);
}

TCanvas::~TCanvas() { ReleaseHandle(); }

void TCanvas::ObjectChangedHandler(TObject* sender) {
    if (sender == font_.get()) fontValid_ = false;
    if (sender == pen_.get()) penValid_ = false;
    if (sender == brush_.get()) brushValid_ = false;
}

HDC TCanvas::Handle() {
    // Whoever draws on the handle directly is about to change the canvas;
    // descendants adjust their state (a printer's font resolution) here.
    Changing();
    RequireState();
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_) return;
    ReleaseHandle();
    dc_ = dc;
}

void TCanvas::ReleaseHandle() {
    if (!dc_) return;
    if (oldFont_) SelectObject(dc_, oldFont_);
    if (oldPen_) SelectObject(dc_, oldPen_);
    if (oldBrush_) SelectObject(dc_, oldBrush_);
    oldFont_ = oldPen_ = oldBrush_ = 0;
    dc_ = 0;
    fontValid_ = penValid_ = brushValid_ = false;
}

// Only what changed is selected again, so a drawing mode the caller set on
// the DC (a transparent background for text) survives a change of font.
void TCanvas::RequireState() {
    if (!dc_) CreateHandle();
    if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
    if (!fontValid_) {
        const HGDIOBJ old = SelectObject(dc_, font_->Handle());
        if (!oldFont_) oldFont_ = old;
        SetTextColor(dc_, ColorToRGB(font_->Color()));
        fontValid_ = true;
    }
    if (!penValid_) {
        const HGDIOBJ old = SelectObject(dc_, pen_->Handle());
        if (!oldPen_) oldPen_ = old;
        SetROP2(dc_, PenModeToRop2(pen_->Mode()));
        penValid_ = true;
    }
    if (!brushValid_) {
        const HGDIOBJ old = SelectObject(dc_, brush_->Handle());
        if (!oldBrush_) oldBrush_ = old;
        if (brush_->Style() == bsSolid) {
            SetBkColor(dc_, ColorToRGB(brush_->Color()));
            SetBkMode(dc_, OPAQUE);
        } else {
            SetBkColor(dc_, ~ColorToRGB(brush_->Color()) & 0xFFFFFF);
            SetBkMode(dc_, TRANSPARENT);
        }
        brushValid_ = true;
    }
}

void TCanvas::Changing() { onChanging_(this); }
void TCanvas::Changed() { onChange_(this); }

void TCanvas::Refresh() {
    fontValid_ = penValid_ = brushValid_ = false;
    RequireState();
}

bool TCanvas::TryLock() {
    if (lockCount_) return false;
    Lock();
    return true;
}

TPoint TCanvas::PenPos() {
    POINT p;
    GetCurrentPositionEx(Handle(), &p);
    return p;
}

TColor TCanvas::Pixels(int x, int y) { return TColor(GetPixel(Handle(), x, y)); }

void TCanvas::SetPixels(int x, int y, TColor color) {
    Changing();
    SetPixel(Handle(), x, y, ColorToRGB(color));
    Changed();
}

TRect TCanvas::ClipRect() {
    RECT r;
    GetClipBox(Handle(), &r);
    return r;
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }
void TCanvas::LineTo(int x, int y) {
    Drawing([&] { ::LineTo(dc_, x, y); });
}
void TCanvas::Polyline(const TPoint* points, int count) {
    Drawing([&] { ::Polyline(dc_, points, count); });
}
void TCanvas::Polygon(const TPoint* points, int count) {
    Drawing([&] { ::Polygon(dc_, points, count); });
}
void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Drawing([&] { ::Rectangle(dc_, x1, y1, x2, y2); });
}
void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    Drawing([&] { ::RoundRect(dc_, x1, y1, x2, y2, x3, y3); });
}
void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Drawing([&] { ::Ellipse(dc_, x1, y1, x2, y2); });
}
void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Drawing([&] { ::Arc(dc_, x1, y1, x2, y2, x3, y3, x4, y4); });
}
void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Drawing([&] { ::Pie(dc_, x1, y1, x2, y2, x3, y3, x4, y4); });
}
void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Drawing([&] { ::Chord(dc_, x1, y1, x2, y2, x3, y3, x4, y4); });
}
void TCanvas::FillRect(const TRect& r) {
    Drawing([&] { ::FillRect(dc_, &r, brush_->Handle()); });
}
void TCanvas::FrameRect(const TRect& r) {
    Drawing([&] { ::FrameRect(dc_, &r, brush_->Handle()); });
}
void TCanvas::DrawFocusRect(const TRect& r) {
    Drawing([&] { ::DrawFocusRect(dc_, &r); });
}
void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    Drawing([&] { ExtFloodFill(dc_, x, y, ColorToRGB(color), style == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER); });
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    Drawing([&] { ::ExtTextOut(dc_, x, y, 0, nullptr, text.data(), UINT(text.size()), nullptr); });
    MoveToEx(dc_, x + TextWidth(text), y, nullptr);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const AnsiString& text) {
    UINT options = ETO_CLIPPED | (brush_->Style() != bsClear ? ETO_OPAQUE : 0);
    Drawing([&] { ::ExtTextOut(dc_, x, y, options, &r, text.data(), UINT(text.size()), nullptr); });
}

TSize TCanvas::TextExtent(const AnsiString& text) {
    RequireState();
    SIZE size;
    GetTextExtentPoint32(dc_, text.data(), int(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Drawing([&] { graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height())); });
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    Drawing([&] { graphic->Draw(this, r); });
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
    HDC from = canvas->Handle();
    canvas->RequireState();
    Drawing([&] { StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, from, source.left,
                           source.top, source.right - source.left, source.bottom - source.top, DWORD(copyMode_)); });
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
    if (!bitmap) return;
    int w = dest.right - dest.left, h = dest.bottom - dest.top;
    HDC from = bitmap->Canvas()->Handle();
    // A mask that is white where the bitmap has the key colour.
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HDC maskDC = CreateCompatibleDC(0);
    HGDIOBJ oldMask = SelectObject(maskDC, mask);
    COLORREF oldBack = SetBkColor(from, ColorToRGB(color));
    BitBlt(maskDC, 0, 0, w, h, from, source.left, source.top, SRCCOPY);
    SetBkColor(from, oldBack);
    SelectObject(maskDC, oldMask);
    DeleteDC(maskDC);
    Drawing([&] { MaskBlt(dc_, dest.left, dest.top, w, h, from, source.left, source.top, mask, 0, 0,
                        MAKEROP4(PATCOPY, SRCCOPY)); });
    DeleteObject(mask);
}


void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    canvas->Pen()->SetWidth(1);
    --rect.bottom;
    --rect.right;
    for (int i = 0; i < width; ++i) {
        canvas->Pen()->SetColor(topColor);
        TPoint topLeft[3] = {{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}};
        canvas->Polyline(topLeft, 3);
        canvas->Pen()->SetColor(bottomColor);
        TPoint bottomRight[3] = {{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}};
        canvas->Polyline(bottomRight, 3);
        InflateRect(&rect, -1, -1);
    }
    ++rect.bottom;
    ++rect.right;
}

void DrawCaptionText(TCanvas* canvas, const AnsiString& caption, TRect rect, UINT format, bool enabled) {
    // The font colour reaches the DC when the canvas hands out its handle.
    canvas->Font()->SetColor(clBtnText);
    const HDC dc = canvas->Handle();
    SetBkMode(dc, TRANSPARENT);
    if (enabled) DrawText(dc, caption.c_str(), int(caption.size()), &rect, format);
    else DrawDisabledText(dc, caption.c_str(), int(caption.size()), &rect, format);
}
