// Measuring and painting owner-drawn menu items, and hooking them.
#include "styled/VxMenuController.h"

#include <algorithm>
#include <memory>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/formtree.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/registry.h"
#include "platform/ui/graphic.h"
#include "platform/ui/imagelist.h"
#include "styled/VxBorders.h"
#include "styled/VxColors.h"
#include "styled/VxGrafx.h"
#include "styled/VxOldPropReader.h"

SERVIORA_REGISTER_CLASS(TVxMenuController);

namespace {

bool IsBarItem(const TMenuItem* item) { return dynamic_cast<TMainMenu*>(item->GetParentComponent()) != nullptr; }

// A ramp, or its stop colour alone on a display without full colour.
void PaintRampOrStop(TCanvas* canvas, const TRect& rect, TGradientDirection direction, TColor start, TColor stop) {
    if (FullColor()) {
        PaintColorRamp(canvas, rect, direction, start, stop, 1);
        return;
    }
    canvas->Brush()->SetColor(stop);
    canvas->FillRect(rect);
}

void Fill(TCanvas* canvas, const TRect& rect, TColor color) {
    canvas->Brush()->SetColor(color);
    canvas->FillRect(rect);
}

}  // namespace

TVxMenuController::~TVxMenuController() {
    if (!ComponentState().Contains(csDesigning)) UnhookAllItems();
}

void TVxMenuController::HookMenuItem(TMenuItem* item) {
    if (item->OnAdvancedDrawItem()) return;
    item->SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent(this, &TVxMenuController::PaintMenuItem));
    item->SetOnMeasureItem(TMenuMeasureItemEvent(this, &TVxMenuController::MeasureMenuItem));
    item->FreeNotification(this);
    items_.push_back(item);
}

void TVxMenuController::UnhookMenuItem(TMenuItem* item) {
    const auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end()) return;
    item->SetOnAdvancedDrawItem(nullptr);
    item->SetOnMeasureItem(nullptr);
    items_.erase(found);
}

void TVxMenuController::HookAllItems() {
    if (!Owner()) return;
    for (int i = 0; i < Owner()->ComponentCount(); ++i)
        if (auto* item = dynamic_cast<TMenuItem*>(Owner()->Components(i))) HookMenuItem(item);
}

void TVxMenuController::UnhookAllItems() {
    while (!items_.empty()) UnhookMenuItem(items_.back());
}

void TVxMenuController::SetMenusOwnerDraw() {
    if (!Owner()) return;
    for (int i = 0; i < Owner()->ComponentCount(); ++i)
        if (auto* menu = dynamic_cast<TMenu*>(Owner()->Components(i))) menu->SetOwnerDraw(true);
}

void TVxMenuController::Loaded() {
    TComponent::Loaded();
    if (ComponentState().Contains(csDesigning))
        SetMenusOwnerDraw();
    else
        HookAllItems();
}

void TVxMenuController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (ComponentState().Contains(csDesigning)) {
        if (operation != opInsert) return;
        if (component == this) SetMenusOwnerDraw();
        if (auto* menu = dynamic_cast<TMenu*>(component)) menu->SetOwnerDraw(true);
        return;
    }
    auto* item = dynamic_cast<TMenuItem*>(component);
    if (!item) return;
    if (operation == opInsert)
        HookMenuItem(item);
    else
        UnhookMenuItem(item);
}

void TVxMenuController::MeasureMenuItem(TObject* sender, TCanvas*, int& width, int& height) {
    auto* item = static_cast<TMenuItem*>(sender);
    TCustomImageList* images = item->GetImageList();
    height = item->IsLine() ? 3 : images ? images->Height() + 6 : 22;
    if (!IsBarItem(item) && !images) width += 31;
}

TVxMenuController::TItemColors TVxMenuController::Colors() const {
    if (gradientColorStyle_ == gcsCustom)
        return {selectionFrameColor_, selectionColorStart_, selectionColorStop_, iconBarColorStart_,
                iconBarColorStop_};
    const TSelectionColors selection = SchemeSelectionColors(gradientColorStyle_);
    const TBarColors bar = SchemeBarColors(gradientColorStyle_);
    return {selection.frame, selection.start, selection.stop, bar.start, bar.stop};
}

void TVxMenuController::PaintMenuItem(TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state) {
    auto* item = static_cast<TMenuItem*>(sender);
    const TItemColors colors = Colors();
    const bool barItem = IsBarItem(item);
    TCustomImageList* images = item->GetImageList();
    TRect iconBar = rect;
    iconBar.right = rect.left + (images ? images->Width() + 8 : 24);
    TRect text = rect;
    if (!barItem) text.left = iconBar.right;
    canvas->Font()->SetColor(menuFontColor_);

    auto paintSelection = [&](const TRect& r) {
        PaintRampOrStop(canvas, DrawBoxOutline(canvas, r, colors.frame), gdHorizontalEnd, colors.start, colors.stop);
    };
    if (barItem) {
        if (state.Contains(odSelected) || state.Contains(odHotLight))
            paintSelection(TRect(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1));
        else
            Fill(canvas, text, VisualStylesEnabled() ? clMenuBar : clBtnFace);
        if (state.Contains(odInactive)) canvas->Font()->SetColor(clGrayText);
    } else {
        const bool selected = state.Contains(odSelected) && item->Enabled();
        if (selected) {
            paintSelection(rect);
        } else {
            PaintRampOrStop(canvas, iconBar, gdVerticalEnd, colors.barStart, colors.barStop);
            Fill(canvas, text, menuColor_);
        }
        if (item->Checked()) PaintMenuCheckMark(item, canvas, iconBar, selected, colors);
        text.left += 6;
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count())
            images->Draw(canvas, iconBar.left + 3, iconBar.top + 3, item->ImageIndex(), item->Enabled());
    }
    if (item->IsLine()) {
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(text.left, text.top + 1);
        canvas->LineTo(text.right, text.top + 1);
    } else {
        PaintMenuItemText(item, canvas, text, barItem, state);
    }
}

void TVxMenuController::PaintMenuCheckMark(TMenuItem* item, TCanvas* canvas, const TRect& iconBar, bool selected,
                                           const TItemColors& colors) {
    TRect box(iconBar.left + 1, iconBar.top + 1, iconBar.right - 3, iconBar.bottom - 1);
    box = DrawBoxOutline(canvas, box, colors.frame);
    const TColor shaded = ShadeDarker(colors.stop, 40);
    if (selected)
        Fill(canvas, box, shaded);
    else
        PaintRampOrStop(canvas, box, gdHorizontalEnd, shaded, colors.start);
    if (item->GetImageList() && item->ImageIndex() != -1) return;

    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(16, 16);
    glyph->Canvas()->Brush()->SetColor(clWhite);
    glyph->Canvas()->FillRect(TRect(0, 0, 16, 16));
    RECT glyphRect{0, 0, 16, 16};
    const UINT kind = item->RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK;
    DrawFrameControl(glyph->Canvas()->Handle(), &glyphRect, DFC_MENU, kind | DFCS_TRANSPARENT);
    glyph->SetTransparent(true);
    const TColor fontColor = canvas->Font()->Color();
    canvas->Font()->SetColor(clBtnText);
    canvas->Draw(iconBar.left + (iconBar.right - iconBar.left - 16) / 2,
                 iconBar.top + (iconBar.bottom - iconBar.top - 16) / 2, glyph.get());
    canvas->Font()->SetColor(fontColor);
}

void TVxMenuController::PaintMenuItemText(TMenuItem* item, TCanvas* canvas, TRect rect, bool barItem,
                                          TOwnerDrawState state) {
    UINT flags = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
    if (barItem) flags |= DT_CENTER;
    if (UserPrefersHiddenAccelerators() && state.Contains(odNoAccel)) flags |= DT_HIDEPREFIX;
    canvas->Brush()->SetStyle(bsClear);
    const TFontStyles style = canvas->Font()->Style();
    if (item->Default()) canvas->Font()->SetStyle(style + TFontStyles{fsBold});
    if (!item->Enabled()) canvas->Font()->SetColor(clGrayText);
    DrawText(canvas->Handle(), item->Caption().c_str(), -1, &rect, flags);
    if (item->ShortCut() != scNone && !barItem) {
        const AnsiString shortCut = ShortCutToText(item->ShortCut());
        rect.right -= 10;
        DrawText(canvas->Handle(), shortCut.c_str(), -1, &rect, flags | DT_RIGHT);
    }
    canvas->Font()->SetStyle(style);
    canvas->Brush()->SetStyle(bsSolid);
}

bool UserPrefersHiddenAccelerators() {
    try {
        TRegistry registry(KEY_READ);
        if (!registry.OpenKeyReadOnly("\\Control Panel\\Desktop")) return false;
        Byte mask[4] = {};
        return registry.ReadBinaryData("UserPreferencesMask", mask, 4) == 4 && !(mask[0] & 0x20);
    } catch (const ERegistryException&) {
        return false;
    }
}

void TVxMenuController::DefineProperties(TFiler* filer) {
    TComponent::DefineProperties(filer);
    for (const char* name : {"GradientColorDefault", "ThemeAware"})
        filer->DefineProperty(name, &TVxOldPropReader::DropBoolean, nullptr, false);
    for (auto [name, field] : {std::pair{"GradientColorStart", &selectionColorStart_},
                               {"GradientColorStop", &selectionColorStop_}, {"FrameColor", &selectionFrameColor_}})
        filer->DefineProperty(name, [field](TReader* reader) { *field = TVxOldPropReader::ReadColor(reader); }, nullptr, false);
}

void TVxMenuController::Published(TPublished<TVxMenuController>& p) {
    using C = TVxMenuController;
    p.Property("GradientColorStyle", &C::GradientColorStyle, &C::SetGradientColorStyle).Default(gcsSystem);
    p.Property("SelectionColorStart", &C::SelectionColorStart, &C::SetSelectionColorStart)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("SelectionColorStop", &C::SelectionColorStop, &C::SetSelectionColorStop)
        .TypeName("TColor")
        .Default(clBtnShadow);
    p.Property("SelectionFrameColor", &C::SelectionFrameColor, &C::SetSelectionFrameColor)
        .TypeName("TColor")
        .Default(cl3DDkShadow);
    p.Property("IconBarColorStart", &C::IconBarColorStart, &C::SetIconBarColorStart)
        .TypeName("TColor")
        .Default(clWhite);
    p.Property("IconBarColorStop", &C::IconBarColorStop, &C::SetIconBarColorStop)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("MenuColor", &C::MenuColor, &C::SetMenuColor).TypeName("TColor").Default(clWindow);
    p.Property("MenuFontColor", &C::MenuFontColor, &C::SetMenuFontColor).TypeName("TColor").Default(clWindowText);
}
