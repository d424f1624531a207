// TSkinControl: the base of every control painter. A painter hooks one
// class-library control (its WindowProc) or one raw window (its window
// procedure, through a thunk), sees each message before and after the
// window's own handling and paints the window from the skin's elements.
// The drawing routines the painters share live here too.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/graphics.h"
#include "skin/WinSkinData.h"

class TWinSkinForm;

// Turns skin painting on (wParam > 0, repainting) or off (wParam <= 0).
constexpr UINT WM_SKINACTIVATE = 0x3506;

class TSkinControl : public TComponent {
    SERVIORA_CLASS(TSkinControl, TComponent)
public:
    // MouseState bits.
    static constexpr Byte kHot = 1, kDown = 2;
    // PainterState values.
    static constexpr int kCreated = 0, kPainterAttached = 1, kReleased = 2, kWindowDestroyed = 6;

    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;

    virtual void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor);
    virtual void AttachWindow(HWND window, TSkinData* skinData, TCanvas* canvas, TWinSkinForm* form);
    virtual void RestoreColor();
    // The pre-filter: True lets the message through to the window.
    virtual bool HandleMessage(TMessage& message);
    virtual void AfterMessage(TMessage& message);
    virtual void PaintWindow(HDC dc);
    virtual void PaintSkin(HDC dc, const TRect& rect);
    virtual void SkinChanged();
    virtual bool AcceptsSkin() { return true; }

    void WndProc(TMessage& message);
    void CallDefault(TMessage& message);
    void Redraw();
    void LeaveHot();
    void ForwardMouseDown(TMessage& message);
    TColor ParentColor(TColor defaultColour) const;
    void FillSkinColor(HDC dc, const TRect& rect) const;
    void FillParentColor(HDC dc, const TRect& rect) const;
    LONG GetWindowLongAuto(HWND window, int index) const;
    // The focus rectangle around Caption laid out in Rect, clipped to Rect.
    void DrawTextFocus(HDC dc, UINT flags, const TRect& rect);
    void SwitchParentBackground(bool switching);
    TColor FaceColour() const { return SkinData->Colour(TSkinData::kButtonFaceIndex); }
    // The control whose WindowProc the painter holds: a graphic control or Control.
    TControl* HookedControl() const { return GraphicControl ? GraphicControl : Control; }

    // Stores the skin, form and canvas, takes the owner as Control, joins
    // the form's list and swaps the colour; False without a control.
    bool BindControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor);

    Byte MouseState = 0;
    TCanvas* SharedCanvas = nullptr;
    bool Enabled = false;
    bool Focused = false;
    WideString Caption;
    WNDPROC ObjectInstance = nullptr;
    WNDPROC OldWndProc = nullptr;
    bool Active = true;
    bool UnicodeWindow = false;
    TSkinData* SkinData = nullptr;
    HWND Handle = 0;
    TWndMethod SavedWindowProc;
    TWinControl* Control = nullptr;
    TRect WindowRect{};
    TControl* GraphicControl = nullptr;
    bool SwapColor = false;
    TColor SavedColor = clNone;
    bool Attached = false;
    int PainterState = kCreated;
    TWinSkinForm* SkinForm = nullptr;
    int Mode = 0;
    bool ParentBackgroundOff = false;
};

// ---- the painters' drawing routines ----

// Frame Index of Count of the element nine-sliced into Rect, magenta
// transparent when the element's Trans is 1.
void DrawElement(TSkinControl* painter, HDC dc, const TRect& rect, TDataSkinObject* element, int index, int count);
// Cell Index of Count stretched to Rect with magenta transparent.
void DrawFrameCellDC(TSkinControl* painter, HDC dc, const TRect& rect, TBitmap* image, int index, int count);
void DrawFrameCell(TSkinControl* painter, TCanvas* canvas, const TRect& rect, TBitmap* image, int index, int count);
void DrawFrameCellMasked(TSkinControl* painter, HDC dc, const TRect& rect, TBitmap* image, int index, int count);
// One caption in Rect: Alignment 1 centred both ways, else the full width
// with the text centred vertically.
void DrawCaption(TSkinControl* painter, TCanvas* canvas, const TRect& rect, const WideString& text, bool enabled,
                 UINT alignment);
// Flags plus DT_RTLREADING for a right-to-left control.
UINT AddRtlFlag(TSkinControl* painter, UINT flags);
// The shared WM_PAINT: the painter's PaintSkin over the whole window.
void PaintOnWMPaint(TSkinControl* painter, TMessage& message);
// For a painter that draws the whole window: WM_PAINT through
// PaintOnWMPaint and WM_ERASEBKGND answered 1. True when it was one of them.
bool PaintWholeWindow(TSkinControl* painter, TMessage& message);
// The shared WM_ERASEBKGND: the parent's background under the control.
void EraseWithParent(TSkinControl* painter, TMessage& message);
// The embossed picture of a glyph for the disabled state.
std::unique_ptr<TBitmap> MakeDisabledGlyph(TBitmap* bitmap);
void CopyBitmapInto(TBitmap* source, TBitmap* dest);
void FillSolid(HDC dc, const TRect& rect, TColor colour);
