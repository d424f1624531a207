// Check-box and radio-button painters: the skin's glyph strip for the box
// and, for class-library controls, the whole control (background and
// caption); a raw BUTTON window paints itself and gets the glyph over it.
#pragma once

#include "skin/WinSubClass.h"

class TSkinCheckButton : public TSkinControl {
    SERVIORA_CLASS(TSkinCheckButton, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    bool HandleMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

    bool Transparent = false;

protected:
    virtual TBitmap* Image() const = 0;
    virtual int FrameCount() const = 0;
    // The state frame, clamped to the image's frames.
    virtual int StateFrame() = 0;
    // The glyph's distance from the right edge with BS_LEFTTEXT.
    virtual int RightInset() const = 0;
};

class TSkinCheckBox : public TSkinCheckButton {
    SERVIORA_CLASS(TSkinCheckBox, TSkinCheckButton)
public:
    using TSkinCheckButton::TSkinCheckButton;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void AfterMessage(TMessage& message) override;

    // wParam + 1 of the last BM_SETCHECK; 0 before any.
    int LastSetCheck = 0;

protected:
    TBitmap* Image() const override;
    int FrameCount() const override;
    int StateFrame() override;
    int RightInset() const override { return 0; }
};

class TSkinRadioButton : public TSkinCheckButton {
    SERVIORA_CLASS(TSkinRadioButton, TSkinCheckButton)
public:
    using TSkinCheckButton::TSkinCheckButton;

protected:
    TBitmap* Image() const override;
    int FrameCount() const override;
    int StateFrame() override;
    int RightInset() const override { return 1; }
};
