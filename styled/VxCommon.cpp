// Text and font helpers shared by the styled controls, and the menu
// controller's published colours.
#include "styled/VxCommon.h"

#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TVxMenuController);

TRect RectCenteredIn(const TRect& rect, int width, int height) {
    const int left = (rect.left + rect.right - width) / 2, top = (rect.top + rect.bottom - height) / 2;
    return TRect(left, top, left + width, top + height);
}

AnsiString StripAccelerators(const AnsiString& text) {
    AnsiString result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool last = i + 1 == text.size();
        if (text[i] == '&' && !last) {
            if (text[i + 1] == '&') result += text[++i];
            continue;
        }
        result += text[i];
    }
    return result;
}

HFONT CreateRotatedFont(TFont* font, int angle) {
    LOGFONTA logFont = font->LogFont();
    logFont.lfWidth = 0;
    logFont.lfEscapement = angle * 10;
    logFont.lfOrientation = 0;
    return CreateFontIndirect(&logFont);
}

void InvalidateTransparentChildren(TWinControl* parent) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        const PPropInfo info = GetPropInfo(child, "Transparent");
        if (info && info->PropType() == BooleanTypeInfo() && GetOrdProp(child, "Transparent")) child->Invalidate();
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
