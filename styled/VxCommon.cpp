// Frame drawing shared by the styled controls, and the menu controller's
// published colours.
#include "styled/VxCommon.h"

#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TVxMenuController);

namespace {

// One ring of a frame, one pixel wide: the top and left sides in
// `topLeft`, the bottom and right sides in `bottomRight`; the drawn sides
// of `rect` move in by one.
void DrawRing(TCanvas* canvas, TRect& rect, TSides sides, TColor topLeft, TColor bottomRight) {
    const int right = rect.right - 1, bottom = rect.bottom - 1;
    auto line = [canvas](TColor color, int x1, int y1, int x2, int y2) {
        canvas->Pen()->SetColor(color);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    if (sides.Contains(sdTop)) line(topLeft, rect.left, rect.top, rect.right, rect.top);
    if (sides.Contains(sdLeft)) line(topLeft, rect.left, rect.top, rect.left, rect.bottom);
    if (sides.Contains(sdBottom)) line(bottomRight, rect.left, bottom, rect.right, bottom);
    if (sides.Contains(sdRight)) line(bottomRight, right, rect.top, right, rect.bottom);
    if (sides.Contains(sdLeft)) ++rect.left;
    if (sides.Contains(sdTop)) ++rect.top;
    if (sides.Contains(sdRight)) --rect.right;
    if (sides.Contains(sdBottom)) --rect.bottom;
}

}  // namespace

int FrameStyleWidth(TFrameStyleEx style) {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
    case fsStatus:
    case fsPopup:
    case fsFlatRounded:
        return 1;
    default:
        return 2;
    }
}

void DrawFrameStyle(TCanvas* canvas, TRect& rect, TFrameStyleEx style, TSides sides, TColor flatColor) {
    switch (style) {
    case fsNone:
        break;
    case fsFlat:
    case fsPopup:
    case fsFlatRounded:
        DrawRing(canvas, rect, sides, flatColor, flatColor);
        break;
    case fsFlatBold:
        DrawRing(canvas, rect, sides, flatColor, flatColor);
        DrawRing(canvas, rect, sides, flatColor, flatColor);
        break;
    case fsStatus:
        DrawRing(canvas, rect, sides, clBtnShadow, clBtnHighlight);
        break;
    case fsGroove:
        DrawRing(canvas, rect, sides, clBtnShadow, clBtnHighlight);
        DrawRing(canvas, rect, sides, clBtnHighlight, clBtnShadow);
        break;
    case fsBump:
        DrawRing(canvas, rect, sides, clBtnHighlight, clBtnShadow);
        DrawRing(canvas, rect, sides, clBtnShadow, clBtnHighlight);
        break;
    case fsLowered:
    case fsButtonDown:
        DrawRing(canvas, rect, sides, clBtnShadow, clBtnHighlight);
        DrawRing(canvas, rect, sides, cl3DDkShadow, clBtnFace);
        break;
    case fsRaised:
    case fsButtonUp:
        DrawRing(canvas, rect, sides, clBtnHighlight, cl3DDkShadow);
        DrawRing(canvas, rect, sides, clBtnFace, clBtnShadow);
        break;
    }
}

void SetTransparentStyle(TControl* control, bool transparent) {
    TControlStyle style = control->ControlStyle();
    if (transparent)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    control->SetControlStyle(style);
    control->Invalidate();
}

void TVxMenuController::Published(TPublished<TVxMenuController>& p) {
    p.Property("GradientColorStyle", &TVxMenuController::GradientColorStyle,
               &TVxMenuController::SetGradientColorStyle)
        .Default(gcsSystem);
    p.Property("SelectionColorStart", &TVxMenuController::SelectionColorStart,
               &TVxMenuController::SetSelectionColorStart)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("SelectionColorStop", &TVxMenuController::SelectionColorStop,
               &TVxMenuController::SetSelectionColorStop)
        .TypeName("TColor")
        .Default(clBtnShadow);
    p.Property("SelectionFrameColor", &TVxMenuController::SelectionFrameColor,
               &TVxMenuController::SetSelectionFrameColor)
        .TypeName("TColor")
        .Default(cl3DDkShadow);
    p.Property("IconBarColorStart", &TVxMenuController::IconBarColorStart,
               &TVxMenuController::SetIconBarColorStart)
        .TypeName("TColor")
        .Default(clWhite);
    p.Property("IconBarColorStop", &TVxMenuController::IconBarColorStop, &TVxMenuController::SetIconBarColorStop)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("MenuColor", &TVxMenuController::MenuColor, &TVxMenuController::SetMenuColor)
        .TypeName("TColor")
        .Default(clWindow);
    p.Property("MenuFontColor", &TVxMenuController::MenuFontColor, &TVxMenuController::SetMenuFontColor)
        .TypeName("TColor")
        .Default(clWindowText);
}
