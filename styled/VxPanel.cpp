// The styled panel, group box, toolbar and spacer.
#include "styled/VxPanel.h"

#include <algorithm>
#include <tuple>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/graphic.h"
#include "styled/VxGrafx.h"

SERVIORA_REGISTER_CLASS(TVxGroupBox);
SERVIORA_REGISTER_CLASS(TVxToolbar);
SERVIORA_REGISTER_CLASS(TVxSpacer);

// ---- TVxCustomPanel ----------------------------------------------------------

TVxCustomPanel::TVxCustomPanel(TComponent* owner) : TCustomPanel(owner) {
    SetBevelOuter(bvNone);
    controlStyle_.Exclude(csSetCaption);
    controlStyle_.Include(csOpaque);
}

TVxCustomPanel::~TVxCustomPanel() {
    if (frameController_) frameController_->UnlinkControl(this);
}

void TVxCustomPanel::SetFrameController(TVxFrameController* v) { RelinkFrameController(this, frameController_, v); }

void TVxCustomPanel::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TVxCustomPanel::FrameSettingsChanged() {
    if (!frameController_ || !frameController_->FrameVisible()) return;
    const TVxFrameControllerNotifications accepted = frameControllerNotifications_;
    if (accepted.Contains(fcpFrameStyle)) borderOuter_ = frameController_->FrameStyle();
    if (accepted.Contains(fcpFrameSides)) borderSides_ = frameController_->FrameSides();
    if (accepted.Contains(fcpFrameColor)) {
        flatColor_ = frameController_->FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (accepted.Contains(fcpColor)) SetColor(frameController_->Color());
    if (accepted.Contains(fcpParentColor)) SetParentColor(frameController_->ParentColor());
    if (accepted.Contains(fcpColor)) {
        borderHighlight_ = ShadeLighter(Color(), 100);
        borderShadow_ = ShadeDarker(Color(), 50);
    }
    Invalidate();
}

TBarColors TVxCustomPanel::RampColors() const {
    if (gradientColorStyle_ == gcsCustom) return {gradientColorStart_, gradientColorStop_};
    return SchemeBarColors(gradientColorStyle_);
}

std::pair<TColor, int> TVxCustomPanel::FlatFrameColors() const {
    if (visualStyle_ == vsGradient && gradientColorStyle_ != gcsCustom)
        return {SchemeAccentColor(gradientColorStyle_), 0};
    return {flatColor_, flatColorAdjustment_};
}

// The panel paints all of itself; a transparent one has its parent's
// background painted in first.
void TVxCustomPanel::WMEraseBkgnd(TMessage& Message) {
    if (transparent_) PaintParentBackground(this, HDC(Message.WParam), true);
    Message.Result = 1;
}

void TVxCustomPanel::WMThemeChanged(TMessage& Message) {
    DefaultHandler(Message);
    RereadColorScheme();
}

// A disabled panel disables its children and gives each back, when it is
// enabled again, the state it had.
void TVxCustomPanel::CMEnabledChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    Repaint();
    if (!Enabled()) {
        enabledMemory_.clear();
        for (int i = 0; i < ControlCount(); ++i) enabledMemory_.emplace_back(Controls(i), Controls(i)->Enabled());
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(false);
        return;
    }
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        const auto found = std::find_if(enabledMemory_.begin(), enabledMemory_.end(),
                                        [child](const auto& entry) { return entry.first == child; });
        child->SetEnabled(found == enabledMemory_.end() || found->second);
    }
}

void TVxCustomPanel::BordersChanged() {
    Realign();
    Invalidate();
}

void TVxCustomPanel::SetBorderInner(TFrameStyleEx v) {
    if (borderInner_ == v) return;
    borderInner_ = v;
    BordersChanged();
}

void TVxCustomPanel::SetBorderOuter(TFrameStyleEx v) {
    if (borderOuter_ == v) return;
    borderOuter_ = v;
    BordersChanged();
}

void TVxCustomPanel::SetBorderSides(TSides v) {
    if (borderSides_ == v) return;
    borderSides_ = v;
    BordersChanged();
}

void TVxCustomPanel::SetBorderColor(TColor v) { SetAndRepaint(this, borderColor_, v); }

void TVxCustomPanel::SetFlatColor(TColor v) { SetAndRepaint(this, flatColor_, v); }

void TVxCustomPanel::SetFlatColorAdjustment(int v) { SetAndRepaint(this, flatColorAdjustment_, v); }

void TVxCustomPanel::SetVisualStyle(TVxVisualStyle v) { SetAndRepaint(this, visualStyle_, v); }

void TVxCustomPanel::SetGradientColorStyle(TVxGradientColorStyle v) { SetAndRepaint(this, gradientColorStyle_, v); }

void TVxCustomPanel::SetGradientColorStart(TColor v) { SetAndRepaint(this, gradientColorStart_, v); }

void TVxCustomPanel::SetGradientColorStop(TColor v) { SetAndRepaint(this, gradientColorStop_, v); }

void TVxCustomPanel::SetGradientDirection(TGradientDirection v) { SetAndRepaint(this, gradientDirection_, v); }

void TVxCustomPanel::SetTransparent(bool v) {
    if (transparent_ == v) return;
    transparent_ = v;
    SetTransparentStyle(this, v);
}

TRect TVxCustomPanel::AdjustForBorders(TRect rect, bool includeBorderWidth) const {
    auto shrink = [&](int by) {
        if (borderSides_.Contains(sdLeft)) rect.left += by;
        if (borderSides_.Contains(sdTop)) rect.top += by;
        if (borderSides_.Contains(sdRight)) rect.right -= by;
        if (borderSides_.Contains(sdBottom)) rect.bottom -= by;
    };
    shrink(FrameStyleWidth(borderOuter_));
    if (includeBorderWidth) InflateRect(&rect, -BorderWidth(), -BorderWidth());
    shrink(FrameStyleWidth(borderInner_));
    return rect;
}

void TVxCustomPanel::AdjustClientRect(TRect& rect) const { rect = AdjustForBorders(rect, true); }

void TVxCustomPanel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect rect = DrawPanelBorders(canvas, WholeRect(), Borders());
    if (!transparent_) {
        if (visualStyle_ == vsGradient) {
            const TBarColors ramp = RampColors();
            PaintColorRamp(canvas, rect, gradientDirection_, ramp.start, ramp.stop, 1);
        } else {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(rect);
        }
    }
    if (!Caption().empty()) DrawCaptionText(rect);
}

TPanelBorders TVxCustomPanel::Borders() const {
    TPanelBorders borders;
    borders.outer = borderOuter_;
    borders.inner = borderInner_;
    borders.borderWidth = BorderWidth();
    borders.sides = borderSides_;
    borders.bevelWidth = BevelWidth();
    borders.borderColor = borderColor_;
    std::tie(borders.flatColor, borders.flatColorAdjustment) = FlatFrameColors();
    borders.borderHighlight = borderHighlight_;
    borders.borderShadow = borderShadow_;
    borders.color = Color();
    borders.parentColor = Parent() ? Parent()->Color() : Color();
    borders.transparent = transparent_;
    return borders;
}

// The caption wraps at word breaks and sits in the middle of `rect`
// vertically; a disabled panel shows it embossed.
void TVxCustomPanel::DrawCaptionText(const TRect& rect) {
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    const UINT alignment = Alignment() == taLeftJustify    ? DT_LEFT
                           : Alignment() == taRightJustify ? DT_RIGHT
                                                           : DT_CENTER;
    const UINT flags = DT_EXPANDTABS | DT_VCENTER | DT_WORDBREAK | alignment;
    TRect measured = rect;
    const int height = DrawText(canvas->Handle(), Caption().c_str(), -1, &measured, flags | DT_CALCRECT);
    TRect text = rect;
    text.top = (rect.top + rect.bottom - height) / 2;
    text.bottom = std::min(rect.bottom, text.top + height);
    if (!Enabled()) {
        TRect embossed = text;
        OffsetRect(&embossed, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas->Handle(), Caption().c_str(), -1, &embossed, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas->Handle(), Caption().c_str(), -1, &text, flags);
    canvas->Brush()->SetStyle(bsSolid);
}

void TVxCustomPanel::Published(TPublished<TVxCustomPanel>& p) {
    p.Property("BorderInner", &TVxCustomPanel::BorderInner, &TVxCustomPanel::SetBorderInner).Default(fsNone);
    p.Property("BorderOuter", &TVxCustomPanel::BorderOuter, &TVxCustomPanel::SetBorderOuter);
    p.Property("BorderSides", &TVxCustomPanel::BorderSides, &TVxCustomPanel::SetBorderSides);
    p.Property("BorderColor", &TVxCustomPanel::BorderColor, &TVxCustomPanel::SetBorderColor)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("FlatColor", &TVxCustomPanel::FlatColor, &TVxCustomPanel::SetFlatColor)
        .TypeName("TColor")
        .Default(clBtnShadow);
    p.Property("FlatColorAdjustment", &TVxCustomPanel::FlatColorAdjustment, &TVxCustomPanel::SetFlatColorAdjustment)
        .Default(30);
    p.Property("VisualStyle", &TVxCustomPanel::VisualStyle, &TVxCustomPanel::SetVisualStyle).Default(vsWinXP);
    p.Property("GradientColorStyle", &TVxCustomPanel::GradientColorStyle, &TVxCustomPanel::SetGradientColorStyle)
        .Default(gcsSystem);
    p.Property("GradientColorStart", &TVxCustomPanel::GradientColorStart, &TVxCustomPanel::SetGradientColorStart)
        .TypeName("TColor")
        .Default(clWhite);
    p.Property("GradientColorStop", &TVxCustomPanel::GradientColorStop, &TVxCustomPanel::SetGradientColorStop)
        .TypeName("TColor")
        .Default(clBtnFace);
    p.Property("GradientDirection", &TVxCustomPanel::GradientDirection, &TVxCustomPanel::SetGradientDirection)
        .Default(gdHorizontalEnd);
    p.Property("Transparent", &TVxCustomPanel::Transparent, &TVxCustomPanel::SetTransparent).Default(false);
    p.Property("ShowDockClientCaptions", &TVxCustomPanel::ShowDockClientCaptions,
               &TVxCustomPanel::SetShowDockClientCaptions);
    p.Property("FrameController", &TVxCustomPanel::FrameController, &TVxCustomPanel::SetFrameController);
    p.Property("FrameControllerNotifications", &TVxCustomPanel::FrameControllerNotifications,
               &TVxCustomPanel::SetFrameControllerNotifications)
        .Default(AllFrameControllerNotifications);
}

// ---- the group box ---------------------------------------------------------------

TVxCustomGroupBox::TVxCustomGroupBox(TComponent* owner) : TVxCustomPanel(owner) {
    controlStyle_.Include(csSetCaption);
    controlStyle_.Include(csDoubleClicks);
    SetBorderOuter(fsNone);
    SetBorderInner(fsNone);
    SetAlignment(taLeftJustify);
    SetHeight(105);
}

void TVxCustomGroupBox::SetGroupStyle(TVxGroupBoxStyle v) {
    if (groupStyle_ == v) return;
    groupStyle_ = v;
    BordersChanged();
}

void TVxCustomGroupBox::FrameSettingsChanged() {
    if (groupStyle_ == gsCustom) TVxCustomPanel::FrameSettingsChanged();
}

void TVxCustomGroupBox::AdjustClientRect(TRect& rect) const {
    TVxCustomPanel::AdjustClientRect(rect);
    const int h = TextExtent("Yy").cy;
    switch (groupStyle_) {
    case gsStandard:
    case gsFlat: {
        const int k = h / 2 - 1;
        rect.top += k < BorderWidth() ? k : h - BorderWidth();
        const int inset = groupStyle_ == gsStandard ? 2 : 1;
        InflateRect(&rect, -inset, -inset);
        break;
    }
    case gsCustom:
        if (!Caption().empty()) rect.top += h;
        InflateRect(&rect, -2, -2);
        break;
    case gsTopLine: rect.top += h; break;
    case gsBanner: rect.top += h + 8; break;
    case gsUnderline: rect.top += h + 4; break;
    }
}

// Measured on a memory canvas: the box may have no window yet when its
// children are placed.
TSize TVxCustomGroupBox::TextExtent(const AnsiString& text) const {
    TBitmap measure;
    measure.Canvas()->SetFont(Font());
    return measure.Canvas()->TextExtent(text);
}

TRect TVxCustomGroupBox::CaptionRect() const {
    if (Caption().empty() || groupStyle_ == gsCustom) return TRect();
    const TSize extent = TextExtent(StripAccelerators(Caption()));
    const int width = Width();
    switch (groupStyle_) {
    case gsTopLine: return TRect(0, 0, extent.cx + 4, extent.cy);
    case gsBanner: return TRect(0, 0, width, extent.cy + 6);
    case gsUnderline: return TRect(0, 0, width, extent.cy + 2);
    default: return TRect(8, 0, extent.cx + 8, extent.cy);
    }
}

void TVxCustomGroupBox::Paint() {
    if (groupStyle_ == gsCustom) {
        TVxCustomPanel::Paint();
        return;
    }
    TCanvas* canvas = Canvas();
    const TRect caption = CaptionRect();
    if (!Transparent()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(TRect(0, 0, Width(), Height()));
    }
    const int h = TextExtent("Pp").cy;
    const TRect frame(0, h / 2 - 1, Width(), Height());
    PaintFrame(frame, caption, ShadeBy(FlatColor(), FlatColorAdjustment()));
    if (!Caption().empty()) PaintCaption(caption);
}

void TVxCustomGroupBox::PaintFrame(const TRect& frame, const TRect& caption, TColor line) {
    TCanvas* canvas = Canvas();
    // The rounded style has no frame-style colours: it draws as the flat one.
    const TFrameStyleEx outer = BorderOuter() == fsFlatRounded ? fsFlat : BorderOuter();
    switch (groupStyle_) {
    case gsStandard:
        if (outer == fsNone)
            DrawFrameStyle(canvas, frame, fsGroove);
        else if (outer == fsFlat || outer == fsFlatBold)
            DrawEdgeBevel(canvas, frame, line, line, AllSides, outer == fsFlatBold ? 2 : 1);
        else
            DrawFrameStyle(canvas, frame, outer);
        break;
    case gsTopLine:
        if (outer == fsFlat || outer == fsFlatBold) {
            for (int row = 0; row < (outer == fsFlatBold ? 2 : 1); ++row) {
                canvas->Pen()->SetColor(line);
                canvas->MoveTo(frame.left + 2, frame.top + row);
                canvas->LineTo(frame.right - 2, frame.top + row);
            }
        } else {
            DrawFrameStyleSides(canvas, frame, outer == fsNone ? fsGroove : outer, TSides{sdTop});
        }
        break;
    case gsFlat: DrawRoundedOutline(canvas, frame, line, AllSides); break;
    case gsBanner: PaintBanner(caption, line); break;
    case gsUnderline:
        canvas->Pen()->SetColor(line);
        canvas->MoveTo(caption.left, caption.bottom);
        canvas->LineTo(caption.right, caption.bottom);
        break;
    case gsCustom: break;
    }
}

void TVxCustomGroupBox::PaintBanner(TRect caption, TColor line) {
    TColor start = GradientColorStart(), stop = GradientColorStop();
    if (GradientColorStyle() != gcsCustom) {
        const TShadowColors shadow = SchemeShadowColors(GradientColorStyle());
        start = shadow.light;
        stop = shadow.dark;
        line = shadow.line;
    }
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(line);
    const TPoint open[4][2] = {{{caption.left, caption.top + 1}, {caption.left, caption.bottom - 1}},
                               {{caption.left + 1, caption.top}, {caption.right - 1, caption.top}},
                               {{caption.right - 1, caption.top + 1}, {caption.right - 1, caption.bottom - 1}},
                               {{caption.left + 1, caption.bottom - 1}, {caption.right - 1, caption.bottom - 1}}};
    for (const auto& side : open) {
        canvas->MoveTo(side[0].x, side[0].y);
        canvas->LineTo(side[1].x, side[1].y);
    }
    InflateRect(&caption, -1, -1);
    PaintColorRamp(canvas, caption, gdHorizontalEnd, start, stop, 1);
}

void TVxCustomGroupBox::PaintCaption(TRect caption) {
    TCanvas* canvas = Canvas();
    if (!Transparent() && groupStyle_ != gsBanner) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(caption);
    }
    if (groupStyle_ == gsBanner) InflateRect(&caption, -4, -1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    const UINT alignment = Alignment() == taCenter ? DT_CENTER : Alignment() == taRightJustify ? DT_RIGHT : DT_LEFT;
    if (!Enabled()) {
        TRect shifted = caption;
        OffsetRect(&shifted, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas->Handle(), Caption().c_str(), -1, &shifted, DT_SINGLELINE | alignment);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas->Handle(), Caption().c_str(), -1, &caption, DT_SINGLELINE | alignment);
    canvas->Brush()->SetStyle(bsSolid);
}

void TVxCustomGroupBox::Published(TPublished<TVxCustomGroupBox>& p) {
    p.Property("GroupStyle", &TVxCustomGroupBox::GroupStyle, &TVxCustomGroupBox::SetGroupStyle).Default(gsFlat);
}

// ---- the toolbar ------------------------------------------------------------------

TVxToolbar::TVxToolbar(TComponent* owner) : TVxCustomPanel(owner) {
    SetBorderOuter(fsGroove);
    SetBorderSides(TSides{sdTop});
    SetShowDockClientCaptions(false);
    SetBounds(0, 0, 32, 32);
    SetAlign(alTop);
}

TVxToolbar::~TVxToolbar() = default;

void TVxToolbar::SetAutoResize(bool v) {
    autoResize_ = v;
    Realign();
}

void TVxToolbar::SetImages(TCustomImageList* v) {
    if (images_ == v) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = v;
    if (images_) images_->FreeNotification(this);
    ButtonSettingsChanged();
}

void TVxToolbar::Notification(TComponent* component, TOperation operation) {
    TVxCustomPanel::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

void TVxToolbar::SetMargin(int v) {
    margin_ = v;
    Realign();
}

void TVxToolbar::SetTopMargin(int v) {
    topMargin_ = v;
    Realign();
}

void TVxToolbar::SetRowHeight(int v) {
    rowHeight_ = v;
    Realign();
}

void TVxToolbar::SetButtonLayout(TButtonLayout v) {
    buttonLayout_ = v;
    textOptions_ = ttoCustom;
    ButtonSettingsChanged();
}

void TVxToolbar::SetButtonWidth(int v) {
    buttonWidth_ = v;
    textOptions_ = ttoCustom;
    ButtonSettingsChanged();
}

void TVxToolbar::SetButtonHeight(int v) {
    buttonHeight_ = v;
    textOptions_ = ttoCustom;
    ButtonSettingsChanged();
}

void TVxToolbar::SetShowButtonCaptions(bool v) {
    showButtonCaptions_ = v;
    textOptions_ = ttoCustom;
    ButtonSettingsChanged();
}

// The presets: no captions; captions below the glyphs; captions at the
// right of the glyphs. ttoCustom keeps the settings as they are.
void TVxToolbar::SetTextOptions(TVxToolbarTextOptions v) {
    switch (v) {
    case ttoNoTextLabels:
        showButtonCaptions_ = false;
        buttonLayout_ = blGlyphLeft;
        break;
    case ttoShowTextLabels:
        showButtonCaptions_ = true;
        buttonLayout_ = blGlyphTop;
        break;
    case ttoSelectiveTextOnRight:
        showButtonCaptions_ = true;
        buttonLayout_ = blGlyphLeft;
        break;
    case ttoCustom:
        break;
    }
    textOptions_ = v;
    ButtonSettingsChanged();
}

void TVxToolbar::SetWrapControls(bool v) {
    wrapControls_ = v;
    Realign();
}

void TVxToolbar::ButtonSettingsChanged() {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
    Realign();
}

std::vector<TControl*> TVxToolbar::ToolbarControls() const {
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    std::vector<TControl*> ordered;
    for (const AnsiString& name : order_) {
        auto it = std::find_if(children.begin(), children.end(),
                               [&](TControl* c) { return !c->Name().empty() && c->Name() == name; });
        if (it == children.end()) continue;
        ordered.push_back(*it);
        children.erase(it);
    }
    ordered.insert(ordered.end(), children.begin(), children.end());
    return ordered;
}

void TVxToolbar::SetControlIndex(TControl* control, int index) {
    std::vector<TControl*> controls = ToolbarControls();
    auto it = std::find(controls.begin(), controls.end(), control);
    if (it == controls.end()) return;
    controls.erase(it);
    controls.insert(controls.begin() + std::clamp(index, 0, static_cast<int>(controls.size())), control);
    order_.clear();
    for (TControl* c : controls) order_.push_back(c->Name());
    Realign();
}

void TVxToolbar::DefineProperties(TFiler* filer) {
    TVxCustomPanel::DefineProperties(filer);
    filer->DefineProperty(
        "ToolbarControls",
        [this](TReader* reader) {
            order_.clear();
            reader->ReadListBegin();
            while (!reader->EndOfList()) order_.push_back(reader->ReadIdent());
            reader->ReadListEnd();
        },
        [this](TWriter* writer) {
            writer->WriteListBegin();
            for (TControl* control : ToolbarControls()) writer->WriteIdent(control->Name());
            writer->WriteListEnd();
        },
        ControlCount() > 0);
}

void TVxToolbar::Loaded() {
    TVxCustomPanel::Loaded();
    Realign();
}

// Left to right from Margin, a new row when a control would pass the right
// edge (WrapControls), each control centred vertically in its row. Margins
// count from the toolbar's edges, borders or not; with AutoResize the
// height is the rows plus the top margin and the borders.
void TVxToolbar::AlignControls(TControl*, TRect& rect) {
    if (ComponentState().Contains(csLoading)) return;
    const TRect outer = ClientRect();
    int x = outer.left + margin_;
    int rowTop = outer.top + topMargin_;
    int rows = 1;
    for (TControl* control : ToolbarControls()) {
        if (!control->Visible()) continue;
        if (wrapControls_ && x > outer.left + margin_ && x + control->Width() > rect.right) {
            x = outer.left + margin_;
            rowTop += rowHeight_;
            ++rows;
        }
        control->SetBounds(x, rowTop + (rowHeight_ - control->Height() + 1) / 2, control->Width(),
                           control->Height());
        x += control->Width();
    }
    if (autoResize_) {
        const int borders = (outer.bottom - outer.top) - (rect.bottom - rect.top);
        const int height = topMargin_ + rows * rowHeight_ + borders;
        if (height != Height()) SetHeight(height);
    }
}

void TVxToolbar::Published(TPublished<TVxToolbar>& p) {
    p.Property("AutoResize", &TVxToolbar::AutoResize, &TVxToolbar::SetAutoResize).Default(true);
    p.Property("AutoStyle", &TVxToolbar::AutoStyle, &TVxToolbar::SetAutoStyle).Default(true);
    p.Property("Images", &TVxToolbar::Images, &TVxToolbar::SetImages);
    p.Property("Margin", &TVxToolbar::Margin, &TVxToolbar::SetMargin).Default(4);
    p.Property("TopMargin", &TVxToolbar::TopMargin, &TVxToolbar::SetTopMargin).Default(2);
    p.Property("Orientation", &TVxToolbar::Orientation, &TVxToolbar::SetOrientation).Default(orHorizontal);
    p.Property("RowHeight", &TVxToolbar::RowHeight, &TVxToolbar::SetRowHeight).Default(25);
    p.Property("ButtonLayout", &TVxToolbar::ButtonLayout, &TVxToolbar::SetButtonLayout).Default(blGlyphLeft);
    p.Property("ButtonWidth", &TVxToolbar::ButtonWidth, &TVxToolbar::SetButtonWidth).Default(25);
    p.Property("ButtonHeight", &TVxToolbar::ButtonHeight, &TVxToolbar::SetButtonHeight).Default(25);
    p.Property("ShowButtonCaptions", &TVxToolbar::ShowButtonCaptions, &TVxToolbar::SetShowButtonCaptions)
        .Default(false);
    p.Property("ShowDivider", &TVxToolbar::ShowDivider, &TVxToolbar::SetShowDivider).Default(true);
    p.Property("TextOptions", &TVxToolbar::TextOptions, &TVxToolbar::SetTextOptions).Default(ttoNoTextLabels);
    p.Property("WrapControls", &TVxToolbar::WrapControls, &TVxToolbar::SetWrapControls).Default(true);
}

// ---- the spacer --------------------------------------------------------------------

TVxSpacer::TVxSpacer(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 8, 25); }

void TVxSpacer::SetGrooved(bool v) { SetAndRepaint(this, grooved_, v); }

void TVxSpacer::SetOrientation(TOrientation v) { SetAndRepaint(this, orientation_, v); }

void TVxSpacer::Paint() {
    if (!grooved_) return;
    TRect rect = ClientRect();
    if (orientation_ == orHorizontal) {
        rect.left += (rect.right - rect.left) / 2 - 1;
        rect.right = rect.left + 2;
        DrawFrameStyleSides(Canvas(), rect, fsGroove, TSides{sdLeft});
    } else {
        rect.top += (rect.bottom - rect.top) / 2 - 1;
        rect.bottom = rect.top + 2;
        DrawFrameStyleSides(Canvas(), rect, fsGroove, TSides{sdTop});
    }
}

void TVxSpacer::Published(TPublished<TVxSpacer>& p) {
    p.Property("Grooved", &TVxSpacer::Grooved, &TVxSpacer::SetGrooved).Default(false);
    p.Property("Orientation", &TVxSpacer::Orientation, &TVxSpacer::SetOrientation).Default(orHorizontal);
}
