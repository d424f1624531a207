// What every styled control leans on: the shared types, colours and frame
// primitives, small text and font helpers, and TVxMenuController, the
// component that owns the look of a form's menus.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/controls.h"
#include "platform/ui/graphics.h"
#include "platform/rtl/component.h"
#include "styled/VxBorders.h"
#include "styled/VxColors.h"
#include "styled/VxTypes.h"

// `rect`'s centre keeps a `width` x `height` rectangle.
TRect RectCenteredIn(const TRect& rect, int width, int height);
// The text as drawn without underlined accelerators: "&&" shows one "&",
// and a final "&" stays.
AnsiString StripAccelerators(const AnsiString& text);
// A font like `font` turned `angle` degrees; the caller owns the handle.
HFONT CreateRotatedFont(TFont* font, int angle);
// Children publishing a True "Transparent" show `parent`, so they repaint
// with it.
void InvalidateTransparentChildren(TWinControl* parent);

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
