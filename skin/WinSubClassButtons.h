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
};

// The first "||" of Text becomes CR LF.
WideString BreakAtBars(const WideString& text);
