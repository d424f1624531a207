// The skin elements read from a skin description: an image cut into state
// frames with its margins, transparency, tiling and colours, and the few
// kinds that carry more (a second image, caption text settings, push-button
// extras, caption buttons, group-box captions).
#pragma once

#include <memory>

#include "platform/ui/graphic.h"

class TDataSkinObject : public TObject {
    SERVIORA_CLASS(TDataSkinObject, TObject)
public:
    TDataSkinObject();
    ~TDataSkinObject() override;

    Integer LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
    std::unique_ptr<TBitmap> Bitmap;
    Integer Trans = 0;
    Integer Tile = 0;
    AnsiString Name;
    Integer Frame = 0;
    Integer Style = 0;
    Integer NormalColour = -1, MouseOverColour = -1, PressedColour = -1;
    TColor NormalColour2 = 0, MouseOverColour2 = 0, PressedColour2 = 0;

    // The margins as a rectangle of widths, as the drawing routines take them.
    TRect Margins() const { return TRect{LeftWidth, TopHeight, RightWidth, BottomHeight}; }
};

class TDataSkinBorder : public TDataSkinObject {
    SERVIORA_CLASS(TDataSkinBorder, TDataSkinObject)
public:
    TDataSkinBorder();
    ~TDataSkinBorder() override;

    std::unique_ptr<TBitmap> Bitmap2;
};

// LeftWidth is the title's text shift, TopHeight its vertical shift,
// RightWidth its right clip; Bitmap is the text background.
class TDataSkinTitle : public TDataSkinObject {
    SERVIORA_CLASS(TDataSkinTitle, TDataSkinObject)
public:
    Integer TextAlignment = 0, Textbackground = 0, FontHeight = 14, TXTBackleft = 0, TXTBackRight = 0;
    TColor ActiveText = clNone, InActiveText = clNone;
};

class TDataSkinButton : public TDataSkinObject {
    SERVIORA_CLASS(TDataSkinButton, TDataSkinObject)
public:
    TDataSkinButton();
    ~TDataSkinButton() override;

    std::unique_ptr<TBitmap> CheckBitmap;
    std::unique_ptr<TBitmap> RadioBitmap;
    Integer RadioButtonFrame = 0, CheckButtonFrame = 0;
    bool NormalColour2Given = false, MouseOverColour2Given = false, PressedColour2Given = false;
};

class TDataSkinSysButton : public TDataSkinObject {
    SERVIORA_CLASS(TDataSkinSysButton, TDataSkinObject)
public:
    Integer Action = 0, Align = 0, Xcoord = 0, Ycoord = 0, CombineOp = -1, Visibility = 0, Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
    SERVIORA_CLASS(TDataSkinBoxLabel, TDataSkinObject)
public:
    Integer BackgroundLeftShift = 0, BackgroundRightShift = 0, BackgroundAlignment = 0;
};

// Colour text: the first three runs of decimal digits are red, green and
// blue (low bytes); a run still open at the end counts only as the third.
COLORREF ParseSkinColour(const AnsiString& text);
