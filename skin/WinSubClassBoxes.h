// Container painters: group boxes get a rounded frame and their caption on
// the face colour, panels only the face colour, raw dialog children and
// size grips the face colour of their background. Check and radio controls
// of other libraries that take a glyph strip of their own are handed one
// cut from the skin.
#pragma once

#include "skin/WinSubClass.h"

class TSkinGroupBox : public TSkinControl {
    SERVIORA_CLASS(TSkinGroupBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;
};

// Swaps the panel's colour; the panel's messages are left alone.
class TSkinBox : public TSkinControl {
    SERVIORA_CLASS(TSkinBox, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void RestoreColor() override;
    void AfterMessage(TMessage&) override {}
};

class TSkinBoxH : public TSkinControl {
    SERVIORA_CLASS(TSkinBoxH, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
    SERVIORA_CLASS(TSkinSizer, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void PaintSkin(HDC dc, const TRect& rect) override;
};

// The class library's status bar: panels (or the simple text) over the
// skin's "StatusBarEdges" frames or 3-D lines, and the size grip from cell
// 5 of "ExtraImages".
class TSkinStatusBar : public TSkinControl {
    SERVIORA_CLASS(TSkinStatusBar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    bool HandleMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const TRect& rect) override;

private:
    // The background of a panel with bevel Bevel (1 lowered, 2 raised, 3 none).
    void PanelBackground(TCanvas* canvas, const TRect& rect, int bevel);
};

// Never sees a message: the glyphs are handed over at attach time and on a
// skin change, and taken back by RestoreColor.
class TSkinObjImage : public TSkinControl {
    SERVIORA_CLASS(TSkinObjImage, TSkinControl)
public:
    static constexpr int kCheckBox = 1, kRadioButton = 2;

    using TSkinControl::TSkinControl;
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas, bool swapColor) override;
    void RestoreColor() override;
    void SkinChanged() override;

    int Kind = kCheckBox;

private:
    void ApplyGlyphs();
};
