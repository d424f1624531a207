// The styled containers: TVxCustomPanel (a panel with a stack of styled
// borders on chosen sides, plain or ramp fills), the group box, and the
// toolbar that lines its controls up in rows in their stored order, with its
// spacer.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/extctrls.h"
#include "platform/ui/graphic.h"
#include "platform/ui/imagelist.h"
#include "styled/VxCommon.h"
#include "styled/VxFrameController.h"
#include "styled/VxToolbarControls.h"

class TVxCustomPanel : public TCustomPanel, public IVxFramingNotification {
    SERVIORA_CLASS(TVxCustomPanel, TCustomPanel)
    SERVIORA_PUBLISHED
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
        SERVIORA_MESSAGE(WM_WINDOWPOSCHANGED, WMWindowPosChanged)
        SERVIORA_MESSAGE(WM_THEMECHANGED, WMThemeChanged)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
    SERVIORA_MESSAGES_END(TCustomPanel)
public:
    explicit TVxCustomPanel(TComponent* owner);
    ~TVxCustomPanel() override;

    TVxFrameController* FrameController() const { return frameController_; }
    virtual void SetFrameController(TVxFrameController* v);
    TVxFrameControllerNotifications FrameControllerNotifications() const { return frameControllerNotifications_; }
    void SetFrameControllerNotifications(TVxFrameControllerNotifications v) { frameControllerNotifications_ = v; }
    // Takes over the linked frame controller's settings while it shows frames.
    void FrameSettingsChanged() override;

    TFrameStyleEx BorderInner() const { return borderInner_; }
    virtual void SetBorderInner(TFrameStyleEx v);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    virtual void SetBorderOuter(TFrameStyleEx v);
    TSides BorderSides() const { return borderSides_; }
    virtual void SetBorderSides(TSides v);
    TColor BorderColor() const { return borderColor_; }
    virtual void SetBorderColor(TColor v);
    TColor FlatColor() const { return flatColor_; }
    virtual void SetFlatColor(TColor v);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    virtual void SetFlatColorAdjustment(int v);
    TVxVisualStyle VisualStyle() const { return visualStyle_; }
    virtual void SetVisualStyle(TVxVisualStyle v);
    TVxGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    virtual void SetGradientColorStyle(TVxGradientColorStyle v);
    TColor GradientColorStart() const { return gradientColorStart_; }
    virtual void SetGradientColorStart(TColor v);
    TColor GradientColorStop() const { return gradientColorStop_; }
    virtual void SetGradientColorStop(TColor v);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    virtual void SetGradientDirection(TGradientDirection v);
    // A transparent panel leaves its parent's background showing.
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool v);
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool v) { showDockClientCaptions_ = v; }
    const TNotifyEvent& OnMouseEnter() const { return onMouseEnter_; }
    void SetOnMouseEnter(TNotifyEvent v) { onMouseEnter_ = std::move(v); }
    const TNotifyEvent& OnMouseLeave() const { return onMouseLeave_; }
    void SetOnMouseLeave(TNotifyEvent v) { onMouseLeave_ = std::move(v); }
    const TNotifyEvent& OnPaint() const { return onPaint_; }
    void SetOnPaint(TNotifyEvent v) { onPaint_ = std::move(v); }

    // A change of height of a bottom-aligned panel keeps its bottom edge, a
    // change of width of a right-aligned one its right edge.
    void SetBounds(int left, int top, int width, int height) override;
    // A docking panel keeps its docked clients inside its borders as well.
    void AdjustClientRect(TRect& rect) const override;
    // The client ramp of vsGradient.
    virtual TBarColors RampColors() const;

protected:
    // The mouse in client coordinates.
    virtual TPoint CursorClientPos() const;
    // The rectangle inside the borders (and, when asked, the border width).
    virtual TRect AdjustForBorders(TRect rect, bool includeBorderWidth) const;
    virtual TRect WholeRect() const { return TRect(0, 0, Width(), Height()); }
    // How far into the old borders a resize repaints.
    virtual TSize ResizeRepaintMargin() const { return TSize(1, 1); }
    // The flat frame's colour.
    virtual std::pair<TColor, int> FlatFrameColors() const;
    // Draws the caption inside `rect`, placed by the alignments.
    virtual void DrawCaptionText(const TRect& rect);
    virtual void DrawDotGrid(const TRect& rect);

    TTextLayout VerticalAlignment() const { return verticalAlignment_; }
    virtual void SetVerticalAlignment(TTextLayout v);
    TColor BorderHighlight() const { return borderHighlight_; }
    virtual void SetBorderHighlight(TColor v);
    TColor BorderShadow() const { return borderShadow_; }
    virtual void SetBorderShadow(TColor v);
    TColor DotGridColor() const { return dotGridColor_; }
    virtual void SetDotGridColor(TColor v);
    // 0 dots, 1 dotted lines, 2 solid lines.
    Byte DotGridStyle() const { return dotGridStyle_; }
    virtual void SetDotGridStyle(Byte v);
    Word DotGridSpacingX() const { return dotGridSpacingX_; }
    virtual void SetDotGridSpacingX(Word v);
    Word DotGridSpacingY() const { return dotGridSpacingY_; }
    virtual void SetDotGridSpacingY(Word v);
    bool FillClientArea() const { return fillClientArea_; }
    virtual void SetFillClientArea(bool v);
    bool ShowDotGrid() const { return showDotGrid_; }
    virtual void SetShowDotGrid(bool v);
    int CaptionMargin() const { return captionMargin_; }
    virtual void SetCaptionMargin(int v);
    bool CaptionWordWrap() const { return captionWordWrap_; }
    virtual void SetCaptionWordWrap(bool v);

    // The window does not repaint whole on every resize: the panel decides.
    void CreateParams(TCreateParams& params) override;
    // Docked clients get captions and close glyphs; the panel is then
    // double-buffered.
    std::unique_ptr<TDockTree> CreateDockManager() override;
    void Paint() override;
    // The border stack as the panel's settings describe it.
    TPanelBorders Borders() const;
    void AlignControls(TControl* control, TRect& rect) override;
    void DefineProperties(TFiler* filer) override;
    void Notification(TComponent* component, TOperation operation) override;
    // Borders changed: children move, the panel repaints.
    void BordersChanged();
    // A ramp setting changed: transparent children show the new ramp.
    void RampChanged();

private:
    TTextLayout verticalAlignment_ = tlCenter;
    TFrameStyleEx borderInner_ = fsNone;
    TFrameStyleEx borderOuter_ = fsRaised;
    TSides borderSides_ = AllSides;
    TColor borderColor_ = clBtnFace;
    TColor borderHighlight_ = clBtnHighlight;
    TColor borderShadow_ = clBtnShadow;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    bool fillClientArea_ = true;
    TVxVisualStyle visualStyle_ = vsWinXP;
    TVxGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor gradientColorStart_ = clWhite;
    TColor gradientColorStop_ = clBtnFace;
    TGradientDirection gradientDirection_ = gdHorizontalEnd;
    TColor dotGridColor_ = clBtnShadow;
    Byte dotGridStyle_ = 0;
    Word dotGridSpacingX_ = 8;
    Word dotGridSpacingY_ = 8;
    bool showDotGrid_ = false;
    bool transparent_ = false;
    int captionMargin_ = 0;
    bool captionWordWrap_ = true;
    bool showDockClientCaptions_ = true;
    TNotifyEvent onMouseEnter_, onMouseLeave_, onPaint_;
    TVxFrameController* frameController_ = nullptr;
    TVxFrameControllerNotifications frameControllerNotifications_ =
        TVxFrameControllerNotifications::FromBits(AllFrameControllerNotifications);

    // Which children were enabled when the panel was disabled.
    std::vector<std::pair<TControl*, bool>> enabledMemory_;

    void WMEraseBkgnd(TMessage& Message);
    void WMWindowPosChanged(TMessage& Message);
    void WMThemeChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
};

SERVIORA_ENUM(TVxGroupBoxStyle, gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline)

class TVxCustomGroupBox : public TVxCustomPanel {
    SERVIORA_CLASS(TVxCustomGroupBox, TVxCustomPanel)
    SERVIORA_PUBLISHED
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_DIALOGCHAR, CMDialogChar)
        SERVIORA_MESSAGE(CM_FONTCHANGED, CMFontChanged)
    SERVIORA_MESSAGES_END(TVxCustomPanel)
public:
    explicit TVxCustomGroupBox(TComponent* owner);

    TVxGroupBoxStyle GroupStyle() const { return groupStyle_; }
    void SetGroupStyle(TVxGroupBoxStyle v);
    void AdjustClientRect(TRect& rect) const override;
    // Only a custom group box draws the controller's frames.
    void FrameSettingsChanged() override;

protected:
    void Paint() override;

private:
    TSize TextExtent(const AnsiString& text) const;
    // Where the caption goes; empty without a caption and for gsCustom.
    TRect CaptionRect() const;
    void PaintThemed(const TRect& frame, const TRect& caption);
    UINT CaptionAlignment() const;
    void PaintFrame(const TRect& frame, const TRect& caption, TColor line);
    void PaintBanner(TRect caption, TColor line);
    void PaintCaption(TRect caption);
    // The caption's accelerator selects the box's first child.
    void CMDialogChar(TMessage& Message);
    void CMFontChanged(TMessage& Message);

    TVxGroupBoxStyle groupStyle_ = gsFlat;
};

class TVxGroupBox : public TVxCustomGroupBox {
    SERVIORA_CLASS(TVxGroupBox, TVxCustomGroupBox)
public:
    using TVxCustomGroupBox::TVxCustomGroupBox;
};

class TVxToolbarPopupButton;

// The texts of a toolbar-customising dialog, held and stored for it; no
// part of the system opens such a dialog.
class TVxCustomizeCaptions : public TPersistent {
    SERVIORA_CLASS(TVxCustomizeCaptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    enum TCaption { ccTitle, ccHint, ccClose, ccMoveUp, ccMoveDown, ccTextOptions, ccNoTextLabels,
                    ccShowTextLabels, ccSelectiveTextOnRight, ccCount };
    TVxCustomizeCaptions();

    const AnsiString& Caption(TCaption index) const { return captions_[index]; }
    void SetCaption(TCaption index, const AnsiString& text);
    // Whether any text was set, so that the texts are stored.
    bool Stored() const { return stored_; }
    void Assign(TPersistent* source) override;

private:
    AnsiString captions_[ccCount];
    bool stored_ = false;
};

SERVIORA_ENUM(TVxToolbarTextOptions, ttoNoTextLabels, ttoShowTextLabels, ttoSelectiveTextOnRight, ttoCustom)

// Lines up its controls left to right in the order of ToolbarControls
// (stored in the description under that name), wrapping onto further rows,
// each control centred in its row; with AutoResize its height follows.
class TVxToolbar : public TVxCustomPanel {
    SERVIORA_CLASS(TVxToolbar, TVxCustomPanel)
    SERVIORA_PUBLISHED
    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_VISIBLECHANGED, CMVisibleChanged)
        SERVIORA_MESSAGE(CM_BIDIMODECHANGED, CMBiDiModeChanged)
    SERVIORA_MESSAGES_END(TVxCustomPanel)
public:
    explicit TVxToolbar(TComponent* owner);
    ~TVxToolbar() override;

    bool AutoResize() const { return autoResize_; }
    void SetAutoResize(bool v);
    bool AutoStyle() const { return autoStyle_; }
    void SetAutoStyle(bool v) { autoStyle_ = v; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v);
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int TopMargin() const { return topMargin_; }
    void SetTopMargin(int v);
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int v);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation v);
    TButtonLayout ButtonLayout() const { return buttonLayout_; }
    void SetButtonLayout(TButtonLayout v);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int v);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int v);
    bool ShowButtonCaptions() const { return showButtonCaptions_; }
    void SetShowButtonCaptions(bool v);
    bool ShowDivider() const { return showDivider_; }
    void SetShowDivider(bool v);
    TVxToolbarTextOptions TextOptions() const { return textOptions_; }
    void SetTextOptions(TVxToolbarTextOptions v);
    bool WrapControls() const { return wrapControls_; }
    void SetWrapControls(bool v);
    // A picture tiled over the client area inside the borders.
    TBitmap* Background() const { return background_.get(); }
    virtual void SetBackground(TBitmap* v);
    TVxCustomizeCaptions* CustomizeCaptions() const { return customizeCaptions_.get(); }
    virtual void SetCustomizeCaptions(TVxCustomizeCaptions* v);
    TVxRegIniFile* RegIniFile() const { return regIniFile_; }
    virtual void SetRegIniFile(TVxRegIniFile* v);
    const TNotifyEvent& OnVisibleChanged() const { return onVisibleChanged_; }
    void SetOnVisibleChanged(TNotifyEvent v) { onVisibleChanged_ = std::move(v); }

    // The controls in layout order: those named in the stored order first,
    // then the other children in the order they were inserted.
    std::vector<TControl*> ToolbarControls() const;
    TVxToolbarControlList* ControlList() const { return controlList_.get(); }
    // The overflow chevron, made when first needed; whether it shows.
    TVxToolbarPopupButton* PopupButton() const { return popupButton_; }
    bool PopupButtonShown() const { return popupButtonShown_; }
    // Moves `control` (a child) to `index` of the layout order.
    void SetControlIndex(TControl* control, int index);

    void Loaded() override;
    void SetParent(TWinControl* parent) override;
    // The borders follow the new side (with AutoStyle); with AutoResize the
    // toolbar starts 32 across and the layout then gives it its size.
    void SetAlign(TAlign v) override;
    void SetBorderInner(TFrameStyleEx v) override;
    void SetBorderOuter(TFrameStyleEx v) override;
    void SetBorderSides(TSides v) override;
    // The tool buttons that follow the toolbar take the new look.
    void SetVisualStyle(TVxVisualStyle v) override;
    void SetGradientColorStyle(TVxGradientColorStyle v) override;
    // The borders that go with the alignment: a groove (ShowDivider) on the
    // side facing the form's client area.
    virtual void AutoStyleBorders(TAlign alignment);
    // The three button settings at once, and the row height that fits them.
    virtual void ApplyButtonSettings(int width, int height, bool captions);

protected:
    virtual int RowSize(int) const { return rowHeight_; }
    virtual std::unique_ptr<TVxToolbarControlList> CreateControlList();
    virtual void PlaceControl(TControl* control, int row, int& pos);
    // A True AutoResize becomes False in a parent that sizes the toolbar.
    virtual void CheckAutoResize(bool& value) const;
    virtual void PositionControls();
    void DefineProperties(TFiler* filer) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void DrawCaptionText(const TRect&) override {}
    void Paint() override;
    // A shown chevron repaints with the far edge.
    TSize ResizeRepaintMargin() const override;
    void ChangeScale(int M, int D) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // A toolbar setting the buttons follow changed.
    void ButtonSettingsChanged();
    void ButtonSettingChanged(UINT notification);
    void NotifyParentOfSize();
    // Shows the chevron when the last control passes the far margin.
    void UpdatePopupButton(const std::vector<TControl*>& controls);
    void PlacePopupButton();
    void PaintBackground();
    bool CustomizeCaptionsStored() const { return customizeCaptions_->Stored(); }
    void CMVisibleChanged(TMessage& Message);
    void CMBiDiModeChanged(TMessage& Message);

    bool autoResize_ = true;
    bool autoStyle_ = true;
    TCustomImageList* images_ = nullptr;
    std::unique_ptr<TChangeLink> imageChangeLink_;
    int margin_ = 4;
    int topMargin_ = 2;
    int rowHeight_ = 25;
    TOrientation orientation_ = orHorizontal;
    TButtonLayout buttonLayout_ = blGlyphLeft;
    int buttonWidth_ = 25;
    int buttonHeight_ = 25;
    bool showButtonCaptions_ = false;
    TVxToolbarTextOptions textOptions_ = ttoNoTextLabels;
    bool wrapControls_ = true;
    bool showDivider_ = true;
    bool applyingPreset_ = false;
    TVxToolbarPopupButton* popupButton_ = nullptr;
    bool popupButtonShown_ = false;
    std::unique_ptr<TBitmap> background_;
    std::unique_ptr<TVxCustomizeCaptions> customizeCaptions_;
    TVxRegIniFile* regIniFile_ = nullptr;
    TNotifyEvent onVisibleChanged_;
    // The layout order.
    std::unique_ptr<TVxToolbarControlList> controlList_;
};

// The gap between toolbar controls, with an optional groove.
class TVxSpacer : public TGraphicControl {
    SERVIORA_CLASS(TVxSpacer, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TVxSpacer(TComponent* owner);

    bool Grooved() const { return grooved_; }
    void SetGrooved(bool v);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation v);

protected:
    void Paint() override;

private:
    bool grooved_ = false;
    TOrientation orientation_ = orHorizontal;
};
