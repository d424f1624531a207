// TVxMenuController: owner-draws every menu item of the form that owns it —
// framed ramp highlights on the menu bar, and drop-down items with an icon
// bar, check marks drawn in it, shortcut texts and thin separators.
#pragma once

#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/menus.h"
#include "styled/VxTypes.h"

class TVxMenuController : public TComponent {
    SERVIORA_CLASS(TVxMenuController, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TVxMenuController(TComponent* owner) : TComponent(owner) {}
    ~TVxMenuController() override;

    // Takes over the item's drawing, unless the program draws it itself
    // (its OnAdvancedDrawItem is set).
    void HookMenuItem(TMenuItem* item);
    void UnhookMenuItem(TMenuItem* item);
    void HookAllItems();
    void UnhookAllItems();
    // Every menu of the owner becomes owner-drawn.
    void SetMenusOwnerDraw();

    void MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void PaintMenuItem(TObject* sender, TCanvas* canvas, TRect rect, TOwnerDrawState state);

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

protected:
    void DefineProperties(TFiler* filer) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TItemColors {
        TColor frame, start, stop, barStart, barStop;
    };
    TItemColors Colors() const;
    void PaintMenuCheckMark(TMenuItem* item, TCanvas* canvas, const TRect& iconBar, bool selected,
                            const TItemColors& colors);
    void PaintMenuItemText(TMenuItem* item, TCanvas* canvas, TRect rect, bool barItem, TOwnerDrawState state);

    TVxGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor selectionColorStart_ = clBtnFace;
    TColor selectionColorStop_ = clBtnShadow;
    TColor selectionFrameColor_ = cl3DDkShadow;
    TColor iconBarColorStart_ = clWhite;
    TColor iconBarColorStop_ = clBtnFace;
    TColor menuColor_ = clWindow;
    TColor menuFontColor_ = clWindowText;
    std::vector<TMenuItem*> items_;
};

// Whether the desktop hides accelerator underlines until the keyboard is
// used; read afresh at every call.
bool UserPrefersHiddenAccelerators();
