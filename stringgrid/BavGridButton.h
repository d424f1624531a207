// The grid's windowless button: glyph and caption, a push or check button
// that can stay down alone or in a group, with flat gradient faces for the
// normal, hot, down and checked states, rounded corners, a drop-down part
// and colour styles that follow the visual-style colour scheme. The search
// footer's buttons are of this kind.
#pragma once

#include <memory>

#include "platform/ui/actnlist.h"
#include "platform/ui/buttons.h"
#include "platform/ui/menus.h"

SERVIORA_ENUM(TBavGridButtonStyle, tasButton, tasCheck)

// The colour scheme of the active visual style: 1 "NormalColor",
// 2 "HomeStead", 3 "Metallic", 0 any other or none.
int GetXPColorScheme();

// Fills `rect` in `bands` bands of colour from `fromColor` to `toColor`
// (across when `horizontal`, else downwards), then outlines it in `border`
// unless that is clNone.
void DrawButtonGradient(TCanvas* canvas, TColor fromColor, TColor toColor, bool horizontal, const TRect& rect,
                        int bands, TColor border);

class TBavGridButton;

// The button's link to an action: besides the control's values, the down
// state of a group button that may go all up, and the group index, follow
// the action while they equal its own.
class TBavGridButtonActionLink : public TControlActionLink {
public:
    explicit TBavGridButtonActionLink(TBavGridButton* client);
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool value) override;
    void SetGroupIndex(Integer value) override;

private:
    TBavGridButton* button_;
};

class TBavGridButton : public TGraphicControl {
    SERVIORA_CLASS(TBavGridButton, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    enum TState { bsUp, bsDisabled, bsDown, bsExclusive };

    explicit TBavGridButton(TComponent* owner);

    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    bool AutoThemeAdapt() const { return autoThemeAdapt_; }
    void SetAutoThemeAdapt(bool v);
    bool AutoXPStyle() const { return autoXPStyle_; }
    void SetAutoXPStyle(bool v) { autoXPStyle_ = v; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v) { StoreAndRepaint(borderColor_, v); }
    TColor BorderDownColor() const { return borderDownColor_; }
    void SetBorderDownColor(TColor v) { borderDownColor_ = v; }
    TColor BorderHotColor() const { return borderHotColor_; }
    void SetBorderHotColor(TColor v) { borderHotColor_ = v; }
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v) { StoreAndRepaint(colorTo_, v); }
    TColor ColorDown() const { return colorDown_; }
    void SetColorDown(TColor v) { colorDown_ = v; }
    TColor ColorDownTo() const { return colorDownTo_; }
    void SetColorDownTo(TColor v) { colorDownTo_ = v; }
    TColor ColorHot() const { return colorHot_; }
    void SetColorHot(TColor v) { colorHot_ = v; }
    TColor ColorHotTo() const { return colorHotTo_; }
    void SetColorHotTo(TColor v) { colorHotTo_ = v; }
    TColor ColorChecked() const { return colorChecked_; }
    void SetColorChecked(TColor v) { StoreAndRepaint(colorChecked_, v); }
    TColor ColorCheckedTo() const { return colorCheckedTo_; }
    void SetColorCheckedTo(TColor v) { StoreAndRepaint(colorCheckedTo_, v); }
    Integer GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(Integer v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool DropDownButton() const { return dropDownButton_; }
    void SetDropDownButton(bool v) { StoreAndRepaint(dropDownButton_, v); }
    TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v) { StoreAndRepaint(flat_, v); }
    TBitmap* Glyph() const { return glyph_.get(); }
    // Copies the bitmap; an empty GlyphDisabled becomes its grey copy.
    void SetGlyph(TBitmap* v);
    TBitmap* GlyphHot() const { return glyphHot_.get(); }
    void SetGlyphHot(TBitmap* v) { glyphHot_->Assign(v); }
    TBitmap* GlyphDown() const { return glyphDown_.get(); }
    void SetGlyphDown(TBitmap* v) { glyphDown_->Assign(v); }
    TBitmap* GlyphDisabled() const { return glyphDisabled_.get(); }
    void SetGlyphDisabled(TBitmap* v) { glyphDisabled_->Assign(v); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { StoreAndRepaint(layout_, v); }
    // -1 centres glyph and caption; smaller values are ignored.
    Integer Margin() const { return margin_; }
    void SetMargin(Integer v);
    bool Rounded() const { return rounded_; }
    void SetRounded(bool v) { StoreAndRepaint(rounded_, v); }
    bool Shaded() const { return shaded_; }
    void SetShaded(bool v);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool v) { StoreAndRepaint(showCaption_, v); }
    Integer Spacing() const { return spacing_; }
    void SetSpacing(Integer v) { StoreAndRepaint(spacing_, v); }
    TBavGridButtonStyle Style() const { return style_; }
    void SetStyle(TBavGridButtonStyle v) { StoreAndRepaint(style_, v); }

    const TNotifyEvent& OnMouseEnter() const { return onMouseEnter_; }
    void SetOnMouseEnter(TNotifyEvent v) { onMouseEnter_ = std::move(v); }
    const TNotifyEvent& OnMouseLeave() const { return onMouseLeave_; }
    void SetOnMouseLeave(TNotifyEvent v) { onMouseLeave_ = std::move(v); }
    const TNotifyEvent& OnDropDown() const { return onDropDown_; }
    void SetOnDropDown(TNotifyEvent v) { onDropDown_ = std::move(v); }

    // Colour style 0 to 6 (the table of looks); ThemeAdapt picks one from
    // the visual-style colour scheme: 1 without one.
    void SetColorStyle(int style);
    void ThemeAdapt();
    TState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }
    // Where glyph and caption go inside `client`: the glyph's top-left and
    // the caption's rectangle.
    void CalcButtonLayout(const TRect& client, const TPoint& offset, TPoint& glyphPos, TRect& textBounds,
                          UINT biDiFlags);
    // The grey silhouette drawn under a hot glyph.
    TBitmap* Shade() const { return shade_.get(); }
    void CreateShade();

protected:
    std::unique_ptr<TControlActionLink> MakeActionLink() override;
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;

private:
    template <class T>
    void StoreAndRepaint(T& field, T v) {
        field = v;
        Invalidate();
    }
    bool Inside(int x, int y) const { return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight(); }
    void DrawFace(TRect& r);
    void DrawGlyph(const TPoint& at);
    void DrawButtonText(TRect bounds, UINT biDiFlags);
    void UpdateExclusive();
    void UpdateTracking();
    void MouseEnter();
    void MouseLeave();
    void ButtonPressed(TMessage& message);

    std::unique_ptr<TBitmap> glyph_, glyphHot_, glyphDown_, glyphDisabled_, shade_;
    TState state_ = bsUp;
    bool mouseInControl_ = false;
    bool dragging_ = false;
    bool allowAllUp_ = false;
    bool autoThemeAdapt_ = false;
    bool autoXPStyle_ = false;
    TColor borderColor_ = clNone, borderDownColor_ = clNone, borderHotColor_ = clNone;
    TColor colorTo_ = clNone;
    TColor colorDown_ = TColor(0xD8D3D2), colorDownTo_ = clNone;
    TColor colorHot_ = TColor(0xCAC7C7), colorHotTo_ = clNone;
    TColor colorChecked_ = clGray, colorCheckedTo_ = clNone;
    Integer groupIndex_ = 0;
    bool down_ = false;
    bool dropDownButton_ = false;
    TPopupMenu* dropDownMenu_ = nullptr;
    bool flat_ = true;
    TButtonLayout layout_ = blGlyphLeft;
    Integer margin_ = -1;
    bool rounded_ = false;
    bool shaded_ = true;
    bool showCaption_ = true;
    Integer spacing_ = 4;
    TBavGridButtonStyle style_ = tasButton;
    TNotifyEvent onMouseEnter_, onMouseLeave_, onDropDown_;
};
