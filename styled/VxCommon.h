// The vocabulary the styled controls share — frame styles, sides, ramp
// shapes, colour and visual styles, button layouts — the one routine that
// draws a frame style, and TVxMenuController, the component that owns the
// look of a form's menus.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/controls.h"
#include "platform/ui/graphics.h"
#include "platform/rtl/component.h"
#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TFrameStyleEx, fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
              fsStatus, fsPopup, fsFlatBold, fsFlatRounded)
// Properties named FrameStyle take the styles up to fsFlatBold.
using TFrameStyle = TFrameStyleEx;
SERVIORA_ENUM(TSide, sdLeft, sdTop, sdRight, sdBottom)
using TSides = TSet<TSide>;
inline constexpr TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};
SERVIORA_ENUM(TGradientDirection, gdDiagonalUp, gdDiagonalDown, gdHorizontalEnd, gdHorizontalCenter,
              gdHorizontalBox, gdVerticalEnd, gdVerticalCenter, gdVerticalBox, gdSquareBox, gdBigSquareBox)
SERVIORA_ENUM(TVxGradientColorStyle, gcsSystem, gcsMSOffice, gcsCustom)
SERVIORA_ENUM(TVxVisualStyle, vsClassic, vsWinXP, vsGradient)
SERVIORA_ENUM(TOrientation, orHorizontal, orVertical)

// How many pixels frame `style` takes on each side it is drawn on.
int FrameStyleWidth(TFrameStyleEx style);

// Draws `style` on `sides` of `rect` and moves those sides of `rect` inwards
// by the frame's width. Flat styles use `flatColor`; the others the classic
// highlight and shadow colours.
void DrawFrameStyle(TCanvas* canvas, TRect& rect, TFrameStyleEx style, TSides sides, TColor flatColor);

// Stores `value` in `field` and repaints `control` when the value changed.
template <class T>
void SetAndRepaint(TControl* control, T& field, const T& value) {
    if (field == value) return;
    field = value;
    control->Invalidate();
}

// A transparent control lets its parent show through (it is not opaque).
void SetTransparentStyle(TControl* control, bool transparent);

// Owns the look of the menus of the form it sits on. The menus are drawn
// by the platform's menu drawing; the colours are kept for the owner-drawn
// look that replaces it.
class TVxMenuController : public TComponent {
    SERVIORA_CLASS(TVxMenuController, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TVxMenuController(TComponent* owner) : TComponent(owner) {}

    TVxGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TVxGradientColorStyle v) { gradientColorStyle_ = v; }
    TColor SelectionColorStart() const { return selectionColorStart_; }
    void SetSelectionColorStart(TColor v) { selectionColorStart_ = v; }
    TColor SelectionColorStop() const { return selectionColorStop_; }
    void SetSelectionColorStop(TColor v) { selectionColorStop_ = v; }
    TColor SelectionFrameColor() const { return selectionFrameColor_; }
    void SetSelectionFrameColor(TColor v) { selectionFrameColor_ = v; }
    TColor IconBarColorStart() const { return iconBarColorStart_; }
    void SetIconBarColorStart(TColor v) { iconBarColorStart_ = v; }
    TColor IconBarColorStop() const { return iconBarColorStop_; }
    void SetIconBarColorStop(TColor v) { iconBarColorStop_ = v; }
    TColor MenuColor() const { return menuColor_; }
    void SetMenuColor(TColor v) { menuColor_ = v; }
    TColor MenuFontColor() const { return menuFontColor_; }
    void SetMenuFontColor(TColor v) { menuFontColor_ = v; }

private:
    TVxGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor selectionColorStart_ = clBtnFace;
    TColor selectionColorStop_ = clBtnShadow;
    TColor selectionFrameColor_ = cl3DDkShadow;
    TColor iconBarColorStart_ = clWhite;
    TColor iconBarColorStop_ = clBtnFace;
    TColor menuColor_ = clWindow;
    TColor menuFontColor_ = clWindowText;
};
