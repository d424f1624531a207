// Push-button painters: plain buttons and buttons with a glyph, drawn from
// the skin's "Buttons" element (1 normal, 2 down, 3 disabled, 4 hot,
// 5 focused or default) into an off-screen bitmap and copied in one blit.
#pragma once

#include <memory>

#include "skin/WinSubClass.h"

class TSkinButton : public TSkinControl {
    SERVIORA_CLASS(TSkinButton, TSkinControl)
public:
    static constexpr int kNormal = 1, kDown = 2, kDisabled = 3, kHot = 4, kFocused = 5;

    explicit TSkinButton(TComponent* owner);
    ~TSkinButton() override;

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    bool HandleMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    // The caption with its first "||" as a line break, centred (DT_CENTER)
    // or as wide as Rect, and the focus rectangle around it.
    void DrawButtonCaption(TCanvas* canvas, const TRect& rect, const WideString& text, UINT alignment);

    std::unique_ptr<TBitmap> Bitmap;
    bool Transparent = false;

protected:
    bool HasButtonImage() const;
    // Frame from the mouse state, focus and Default; 3 when disabled.
    int ButtonFrame(bool useDefault);
    // Bitmap sized to Rect with the background and the element's frame.
    void PaintBackground(const TRect& rect, int frame);
    // The control's font (or the window's) and the state's text colour.
    void SelectCaptionFont(int frame, bool normalOnlyInFrame1);
    void ReadCaption();
    void SetTransparentFromTag();
};

class TSkinBitButton : public TSkinButton {
    SERVIORA_CLASS(TSkinBitButton, TSkinButton)
public:
    using TSkinButton::TSkinButton;
    void PaintSkin(HDC dc, const TRect& rect) override;

    AnsiString GraphicPropName;

protected:
    // Where a glyph of size G and the caption (its first "||" broken) go,
    // by the control's Layout, Margin and Spacing; the caption's size and
    // flags. CentredMarginExtra is added to a centred margin with a given
    // spacing.
    struct GlyphLayout {
        POINT glyph{}, textAt{};
        SIZE text{};
        UINT flags = 0;
    };
    GlyphLayout LayOutGlyph(TControl* control, HDC dc, const TRect& rect, SIZE g, bool centredAlignment,
                            int centredMarginExtra);
    // Cell State (1 up, 2 disabled, 3 down, 4 stays down) of a glyph strip,
    // the first cell when the strip is shorter, transparent by its
    // bottom-left pixel; the disabled state embosses the first cell.
    static void DrawGlyphCell(HDC dc, TBitmap* glyph, int numGlyphs, int state, POINT at);
    void DrawLaidOutCaption(HDC dc, const GlyphLayout& place);
};

// Buttons with a drop-down arrow in a 17-pixel area at their right.
class TSkinMenuButton : public TSkinButton {
    SERVIORA_CLASS(TSkinMenuButton, TSkinButton)
public:
    using TSkinButton::TSkinButton;
    void PaintSkin(HDC dc, const TRect& rect) override;
};

// Speed buttons: graphic controls, painted on their own canvas from the
// skin's buttons; the platform's button keeps its own pressing and clicking.
class TSkinSpeedButton : public TSkinBitButton {
    SERVIORA_CLASS(TSkinSpeedButton, TSkinBitButton)
public:
    using TSkinBitButton::TSkinBitButton;

    // Hooks the owner, a graphic control, in place of AttachControl.
    void AttachGraphicControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas);
    bool HandleMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintWindow(HDC dc) override;

    bool Painting = false;

private:
    void Unhook();
    // The whole button over the control's client rectangle on Canvas.
    void DrawButton(TCanvas* canvas);
};

// The first "||" of Text becomes CR LF.
WideString BreakAtBars(const WideString& text);
