// TVxToolButton: the flat, windowless button of the styled toolbar — a glyph
// from an image list with an optional caption beside, above or below it. It
// follows the toolbar it sits on for its layout and caption display unless
// set on the button itself. Toggle groups share GroupIndex; a drop-down
// button opens its menu (from its arrow zone only when it also clicks).
#pragma once

#include <memory>

#include "platform/ui/actnlist.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"
#include "styled/VxColors.h"
#include "styled/VxCommon.h"

class TVxToolbar;

SERVIORA_ENUM(TVxToolStyle, tsButton, tsDropDown)

// What a toolbar tells its tool buttons when a button setting of its own
// changes: caption display, layout, size, and visual style.
constexpr UINT VXM_TOOLBARSHOWCAPTION = 0xB3EA, VXM_TOOLBARLAYOUT = 0xB3EB, VXM_TOOLBARBUTTONSIZE = 0xB3EC,
               VXM_TOOLBARVISUALSTYLE = 0xB3ED;

class TVxToolButton;

// A tool button's link also shares the action's Checked (as Down) and
// ImageIndex while they equal the button's.
class TVxToolButtonActionLink : public TControlActionLink {
public:
    explicit TVxToolButtonActionLink(TVxToolButton* client);
    bool IsCheckedLinked() const override;
    bool IsImageIndexLinked() const override;
    void SetChecked(bool value) override;
    void SetImageIndex(Integer value) override;

private:
    TVxToolButton* button_;
};

class TVxToolButton : public TGraphicControl {
    SERVIORA_CLASS(TVxToolButton, TGraphicControl)
    SERVIORA_PUBLISHED
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_BUTTONPRESSED, CMButtonPressed)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CM_TEXTCHANGED, CMTextChanged)
        SERVIORA_MESSAGE(VXM_TOOLBARSHOWCAPTION, VXMToolbarShowCaption)
        SERVIORA_MESSAGE(VXM_TOOLBARLAYOUT, VXMToolbarLayout)
        SERVIORA_MESSAGE(VXM_TOOLBARBUTTONSIZE, VXMToolbarButtonSize)
        SERVIORA_MESSAGE(VXM_TOOLBARVISUALSTYLE, VXMToolbarVisualStyle)
    SERVIORA_MESSAGES_END(TGraphicControl)
public:
    explicit TVxToolButton(TComponent* owner);

    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    Integer ImageIndex() const { return imageIndex_; }
    void SetImageIndex(Integer v);
    Integer DisabledIndex() const { return disabledIndex_; }
    void SetDisabledIndex(Integer v);
    Integer DownIndex() const { return downIndex_; }
    void SetDownIndex(Integer v);
    Integer HotIndex() const { return hotIndex_; }
    void SetHotIndex(Integer v);
    // The button's own list; without one, the toolbar's.
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v);
    Integer GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(Integer v);
    // A toggle (GroupIndex > 0) stays down; the others in its group come up.
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    TButtonLayout Layout() const;
    void SetLayout(TButtonLayout v);
    bool ShowCaption() const;
    void SetShowCaption(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TVxToolStyle ToolStyle() const { return toolStyle_; }
    void SetToolStyle(TVxToolStyle v);
    TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* v);
    // Fired before the menu drops, with the menu as Sender.
    const TNotifyEvent& OnDropDown() const { return onDropDown_; }
    void SetOnDropDown(TNotifyEvent v) { onDropDown_ = std::move(v); }
    bool UseToolbarButtonLayout() const { return useToolbarButtonLayout_; }
    void SetUseToolbarButtonLayout(bool v);
    bool UseToolbarShowCaption() const { return useToolbarShowCaption_; }
    void SetUseToolbarShowCaption(bool v);
    bool UseToolbarButtonSize() const { return useToolbarButtonSize_; }
    void SetUseToolbarButtonSize(bool v);
    // Classic, themed (classic here: the platform has no visual styles) or
    // colour ramps in the scheme's or the button's own selection colours.
    TVxVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TVxVisualStyle v);
    TVxGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TVxGradientColorStyle v);
    TColor SelectionColorStart() const { return selectionColorStart_; }
    void SetSelectionColorStart(TColor v);
    TColor SelectionColorStop() const { return selectionColorStop_; }
    void SetSelectionColorStop(TColor v);
    TColor SelectionFrameColor() const { return selectionFrameColor_; }
    void SetSelectionFrameColor(TColor v);
    bool UseToolbarVisualStyle() const { return useToolbarVisualStyle_; }
    void SetUseToolbarVisualStyle(bool v);
    // A real change of size (not while loading) stops following the toolbar.
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void Loaded() override;
    // Takes the caption display, layout and size from the toolbar, where
    // the button follows it.
    virtual void TakeToolbarSettings();

    // The image list the button draws from (its own or its toolbar's).
    TCustomImageList* CurrentImages() const;
    void Click() override;
    // Raises the other down buttons of the group and shares AllowAllUp.
    void UpdateExclusive();
    // Whether the mouse is over the button.
    bool Hot() const { return hot_; }
    // The image the button shows in its state now (-1: none), and whether
    // it shows it greyed.
    Integer StateImageIndex() const;
    bool StateImageGreyed() const { return !Enabled() && disabledIndex_ == -1; }
    // Opens the drop-down menu below the button, kept inside the work area.
    virtual void ShowDropDownMenu();
    // The image list's image size; nothing without an image.
    virtual TSize GlyphSize() const;
    // Where the glyph and the caption go, by layout and alignment, moved
    // by the pressed offset.
    virtual void CalcContentRects(TRect& glyph, TRect& text);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(TFiler* filer) override;
    virtual void DoDropDown();
    virtual void DrawGlyph(const TRect& rect);
    virtual void DrawCaption(const TRect& rect);
    std::unique_ptr<TControlActionLink> MakeActionLink() override;
    // Also Down from the action's Checked and ImageIndex from its ImageIndex.
    void ActionChange(TObject* sender, bool checkDefaults) override;
    // To an action: Down as Checked and the ImageIndex.
    void AssignTo(TPersistent* dest) override;

private:
    enum class TState { Up, Disabled, Down, Exclusive, Dropped };

    void CMButtonPressed(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void VXMToolbarShowCaption(TMessage& Message);
    void VXMToolbarLayout(TMessage& Message);
    void VXMToolbarButtonSize(TMessage& Message);
    void VXMToolbarVisualStyle(TMessage& Message);
    // The button grows to hold an image of its list.
    void EnlargeToImages();
    bool FlatLook() const { return visualStyle_ != vsClassic || flat_; }
    // Drawn in the platform's visual styles (vsWinXP while they are on).
    bool Themed() const;
    // Which themed state the frame shows.
    int ThemedFrameState(bool pushButton) const;
    bool VisualStyleStored() const { return !useToolbarVisualStyle_; }
    // Frame, start and stop colours of the gradient look.
    TSelectionColors SelectionColors() const;
    void UpdateHotState();
    bool InArrowZone(int x) const;
    bool HasClickHandler() const;
    // Pressed, checked or dropped: the content moves and the down image shows.
    bool LooksDown() const;
    void DrawButtonFrame(TRect& rect);
    void DrawDropDownArrow();
    TVxToolbar* Toolbar() const;
    // Has a parent and is not being read: a use-toolbar switch takes effect.
    bool TakesToolbarSettings() const;

    bool allowAllUp_ = false;
    TAlignment alignment_ = taCenter;
    Integer imageIndex_ = -1;
    Integer disabledIndex_ = -1;
    Integer downIndex_ = -1;
    Integer hotIndex_ = -1;
    TCustomImageList* images_ = nullptr;
    // Tells the button when the images in its list change.
    std::unique_ptr<TChangeLink> imageChangeLink_;
    Integer groupIndex_ = 0;
    bool down_ = false;
    bool flat_ = true;
    TButtonLayout layout_ = blGlyphLeft;
    bool showCaption_ = false;
    bool transparent_ = true;
    TVxToolStyle toolStyle_ = tsButton;
    bool useToolbarButtonLayout_ = true;
    bool useToolbarShowCaption_ = true;
    bool useToolbarButtonSize_ = true;
    bool useToolbarVisualStyle_ = true;
    TVxVisualStyle visualStyle_ = vsWinXP;
    TVxGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor selectionColorStart_ = clBtnFace, selectionColorStop_ = clBtnShadow, selectionFrameColor_ = cl3DDkShadow;
    TPopupMenu* dropDownMenu_ = nullptr;
    TNotifyEvent onDropDown_;
    TState state_ = TState::Up;
    bool dragging_ = false;
    bool hot_ = false;
    bool menuOpen_ = false;
    // Clear after a drop-down, so that the press closing the menu does not click.
    bool normalClick_ = true;
    Cardinal lastDropDown_ = 0;
};
