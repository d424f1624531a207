// The class library's drawing objects: TFont, TPen, TBrush and TCanvas over
// the GDI, and TControlCanvas for drawing on a DC handed in by a control.
//
// Fonts, pens and brushes share their GDI objects through a cache, so two
// objects with equal attributes have the same Handle (code compares handles
// to see whether a font was changed from a default).
#pragma once

#include <memory>
#include <string>

#include "platform/rtl/events.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/set.h"
#include "platform/ui/colors.h"

class TGraphic;
class TBitmap;

SERVIORA_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
SERVIORA_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
SERVIORA_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
SERVIORA_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
              pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)
SERVIORA_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
              bsDiagCross)
SERVIORA_ENUM(TFillStyle, fsSurface, fsBorder)
using TFontCharset = Byte;
using TCopyMode = Integer;

constexpr TCopyMode cmBlackness = BLACKNESS, cmDstInvert = DSTINVERT, cmMergeCopy = MERGECOPY,
                    cmMergePaint = MERGEPAINT, cmNotSrcCopy = NOTSRCCOPY, cmNotSrcErase = NOTSRCERASE,
                    cmPatCopy = PATCOPY, cmPatInvert = PATINVERT, cmPatPaint = PATPAINT, cmSrcAnd = SRCAND,
                    cmSrcCopy = SRCCOPY, cmSrcErase = SRCERASE, cmSrcInvert = SRCINVERT, cmSrcPaint = SRCPAINT,
                    cmWhiteness = WHITENESS;

// A font, pen or brush: a persistent object with a lazily made, shared GDI
// handle and a change event.
class TGraphicsObject : public TPersistent {
    SERVIORA_CLASS(TGraphicsObject, TPersistent)
public:
    ~TGraphicsObject() override;
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    // True once the GDI object has been made (or a handle was set).
    bool HandleAllocated() const { return handle_ != 0; }

protected:
    virtual void Changed();
    // The cached handle, made through MakeHandle on first use.
    HGDIOBJ CachedHandle() const;
    // Drops the current handle (its attributes changed).
    void FreeHandle();
    // Takes over a handle made elsewhere: this object now owns it.
    void AdoptHandle(HGDIOBJ handle);
    virtual HGDIOBJ MakeHandle() const = 0;
    // The attributes as bytes: objects with equal keys share one handle;
    // an empty key makes a handle of the object's own.
    virtual std::string CacheKey() const = 0;

private:
    TNotifyEvent onChange_;
    mutable HGDIOBJ handle_ = 0;
    mutable bool cached_ = false;  // handle_ came from the shared cache
};

class TFont : public TGraphicsObject {
    SERVIORA_CLASS(TFont, TGraphicsObject)
    SERVIORA_PUBLISHED
public:
    TFont();
    void Assign(TPersistent* source) override;

    HFONT Handle() const { return HFONT(CachedHandle()); }
    // Takes the font's attributes from a font handle (which this object
    // then owns).
    void SetHandle(HFONT handle);
    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& v);
    // Points at PixelsPerInch; negative Height is the character height.
    Integer Size() const;
    void SetSize(Integer v);
    Integer Height() const { return height_; }
    void SetHeight(Integer v);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset v);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch v);
    // Tenths of a degree, counter-clockwise (rotated text).
    Integer Orientation() const { return orientation_; }
    void SetOrientation(Integer v);
    Integer PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(Integer v) { pixelsPerInch_ = v; }
    // The LOGFONT the handle is made from.
    LOGFONTA LogFont() const;

protected:
    HGDIOBJ MakeHandle() const override;
    std::string CacheKey() const override;

private:
    AnsiString name_ = "MS Sans Serif";
    Integer height_ = -11;
    TFontStyles style_;
    TColor color_ = clWindowText;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    Integer orientation_ = 0;
    Integer pixelsPerInch_ = 96;
};

class TPen : public TGraphicsObject {
    SERVIORA_CLASS(TPen, TGraphicsObject)
    SERVIORA_PUBLISHED
public:
    void Assign(TPersistent* source) override;
    HPEN Handle() const { return HPEN(CachedHandle()); }
    void SetHandle(HPEN handle);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    Integer Width() const { return width_; }
    void SetWidth(Integer v);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode v);

protected:
    HGDIOBJ MakeHandle() const override;
    std::string CacheKey() const override;

private:
    TColor color_ = clBlack;
    Integer width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

class TBrush : public TGraphicsObject {
    SERVIORA_CLASS(TBrush, TGraphicsObject)
    SERVIORA_PUBLISHED
public:
    TBrush();
    ~TBrush() override;
    void Assign(TPersistent* source) override;
    HBRUSH Handle() const { return HBRUSH(CachedHandle()); }
    void SetHandle(HBRUSH handle);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v);
    // A pattern bitmap, not owned (the caller keeps it alive while set).
    TBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* v);

protected:
    HGDIOBJ MakeHandle() const override;
    std::string CacheKey() const override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap* bitmap_ = nullptr;
    HBITMAP patternSource_ = 0;
};

// The binary raster mode of a pen mode.
int PenModeToRop2(TPenMode mode);

class TCanvas : public TPersistent {
    SERVIORA_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The DC, made on first use by CreateHandle (a plain canvas has none
    // until one is set), with the canvas's font, pen and brush selected.
    HDC Handle();
    // Draws on a DC that stays owned by the caller; 0 lets go of it.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != 0; }

    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    TPen* Pen() const { return pen_.get(); }
    void SetPen(TPen* v) { pen_->Assign(v); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(TBrush* v) { brush_->Assign(v); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode v) { copyMode_ = v; }
    TPoint PenPos();
    void SetPenPos(TPoint p) { MoveTo(p.x, p.y); }
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    TRect ClipRect();

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const TPoint* points, int count);
    void Polygon(const TPoint* points, int count);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    void TextOut(int x, int y, const AnsiString& text);
    // Clipped to the rectangle, and opaque unless the brush is clear.
    void TextRect(const TRect& r, int x, int y, const AnsiString& text);
    TSize TextExtent(const AnsiString& text);
    int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
    int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    // StretchBlt from the other canvas with CopyMode.
    void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
    // Copies the bitmap with the pixels of `color` replaced by the brush.
    void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color);

    void Refresh();
    void Lock() { ++lockCount_; }
    void Unlock() { --lockCount_; }
    bool TryLock();
    int LockCount() const { return lockCount_; }

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    const TNotifyEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }

protected:
    // Makes the DC when Handle is asked for and none is set.
    virtual void CreateHandle() {}
    // Selects the font, pen and brush (and their colours) into the DC, each
    // when it changed since it was last selected.
    void RequireState();
    virtual void Changing();
    virtual void Changed();
    // Lets go of the DC, deselecting this canvas's objects first.
    void ReleaseHandle();

private:
    friend class TGraphic;
    void ObjectChangedHandler(TObject* sender);
    // One drawing call: state selected, between the change notifications.
    template <class Draw>
    void Drawing(Draw draw) {
        RequireState();
        Changing();
        draw();
        Changed();
    }
    HDC dc_ = 0;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    TCopyMode copyMode_ = cmSrcCopy;
    bool fontValid_ = false, penValid_ = false, brushValid_ = false;
    HGDIOBJ oldFont_ = 0, oldPen_ = 0, oldBrush_ = 0;
    int lockCount_ = 0;
    TNotifyEvent onChange_, onChanging_;
};

// A canvas on a DC that a control (or its paint handler) hands in. The
// window system gives it its control; until then it draws on SetHandle's DC.
class TControlCanvas : public TCanvas {
    SERVIORA_CLASS(TControlCanvas, TCanvas)
public:
    // Lets go of the DC (before the control releases it).
    void FreeHandle() { ReleaseHandle(); }
};

// Lends a canvas a DC for one scope: the canvas is locked and draws on the DC
// until the scope ends, however it ends; the DC stays the caller's.
class CanvasOnDC {
public:
    CanvasOnDC(TCanvas* canvas, HDC dc) : canvas_(canvas) {
        canvas_->Lock();
        canvas_->SetHandle(dc);
    }
    ~CanvasOnDC() {
        canvas_->SetHandle(0);
        canvas_->Unlock();
    }
    CanvasOnDC(const CanvasOnDC&) = delete;
    CanvasOnDC& operator=(const CanvasOnDC&) = delete;

private:
    TCanvas* canvas_;
};

// Draws `width` rings of a 3-D frame inside rect (top and left in topColor,
// bottom and right in bottomColor) and shrinks rect by them.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// Draws a button's caption with DrawText flags: in the button text colour,
// or embossed grey (DrawDisabledText) when the button is disabled.
void DrawCaptionText(TCanvas* canvas, const AnsiString& caption, TRect rect, UINT format, bool enabled);
