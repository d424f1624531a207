// The styled panel, group box, toolbar and spacer.
#include "styled/VxPanel.h"

#include <algorithm>
#include <tuple>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/graphic.h"
#include "platform/ui/menus.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/winpaint.h"
#include "styled/VxChevron.h"
#include "styled/VxGrafx.h"
#include "styled/VxOldPropReader.h"
#include "styled/VxPanelDock.h"

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

std::unique_ptr<TDockTree> TVxCustomPanel::CreateDockManager() {
    SetDoubleBuffered(true);
    return std::make_unique<TVxPanelDockManager>(this);
}

void TVxCustomPanel::AdjustClientRect(TRect& rect) const {
    TCustomPanel::AdjustClientRect(rect);
    if (DockSite()) rect = AdjustForBorders(rect, false);
}

void TVxCustomPanel::CreateParams(TCreateParams& params) {
    TCustomPanel::CreateParams(params);
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TVxCustomPanel::SetFrameController(TVxFrameController* v) { RelinkFrameController(this, frameController_, v); }

void TVxCustomPanel::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

// Older forms stored sides and a theme switch that no longer exist, and the
// gradient look as a switch.
void TVxCustomPanel::DefineProperties(TFiler* filer) {
    TCustomPanel::DefineProperties(filer);
    filer->DefineProperty("FrameSides", &TVxOldPropReader::DropSet, nullptr, false);
    filer->DefineProperty("ThemeAware", &TVxOldPropReader::DropBoolean, nullptr, false);
    filer->DefineProperty(
        "UseGradients",
        [this](TReader* reader) {
            if (reader->ReadBoolean()) visualStyle_ = vsGradient;
        },
        nullptr, false);
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

TPoint TVxCustomPanel::CursorClientPos() const {
    TPoint cursor;
    GetCursorPos(&cursor);
    return ScreenToClient(cursor);
}

// The panel paints all of itself; a transparent one has its parent's
// background painted in first.
void TVxCustomPanel::WMEraseBkgnd(TMessage& Message) {
    if (transparent_ && fillClientArea_) PaintParentBackground(this, HDC(Message.WParam), true);
    Message.Result = 1;
}

// Without a caption to re-centre, a resize repaints only the strips where
// the right and bottom borders were.
void TVxCustomPanel::WMWindowPosChanged(TMessage& Message) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (HandleAllocated() && pos && !(pos->flags & SWP_NOSIZE)) {
        const int oldWidth = Width(), oldHeight = Height();
        if (FullRepaint() || !Caption().empty()) {
            Invalidate();
        } else {
            const TRect inner = AdjustForBorders(TRect(0, 0, oldWidth, oldHeight), true);
            const TSize margin = ResizeRepaintMargin();
            if (pos->cx != oldWidth) {
                const TRect strip(inner.right - margin.cx, 0, oldWidth, oldHeight);
                InvalidateRect(Handle(), &strip, TRUE);
            }
            if (pos->cy != oldHeight) {
                const TRect strip(0, inner.bottom - margin.cy, oldWidth, oldHeight);
                InvalidateRect(Handle(), &strip, TRUE);
            }
        }
    }
    TCustomPanel::Dispatch(Message);
}

void TVxCustomPanel::WMThemeChanged(TMessage& Message) {
    DefaultHandler(Message);
    RereadColorScheme();
}

void TVxCustomPanel::CMMouseEnter(TMessage& Message) {
    TCustomPanel::Dispatch(Message);
    if (!ComponentState().Contains(csDesigning)) onMouseEnter_(this);
}

void TVxCustomPanel::CMMouseLeave(TMessage& Message) {
    TCustomPanel::Dispatch(Message);
    onMouseLeave_(this);
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

void TVxCustomPanel::SetBounds(int left, int top, int width, int height) {
    if (Align() == alBottom && height != Height()) top = Top() + Height() - height;
    if (Align() == alRight && width != Width()) left = Left() + Width() - width;
    TCustomPanel::SetBounds(left, top, width, height);
}

void TVxCustomPanel::BordersChanged() {
    Realign();
    Invalidate();
}

void TVxCustomPanel::RampChanged() {
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TVxCustomPanel::SetVerticalAlignment(TTextLayout v) { SetAndRepaint(this, verticalAlignment_, v); }

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

void TVxCustomPanel::SetBorderHighlight(TColor v) { SetAndRepaint(this, borderHighlight_, v); }

void TVxCustomPanel::SetBorderShadow(TColor v) { SetAndRepaint(this, borderShadow_, v); }

void TVxCustomPanel::SetFlatColor(TColor v) { SetAndRepaint(this, flatColor_, v); }

void TVxCustomPanel::SetFlatColorAdjustment(int v) { SetAndRepaint(this, flatColorAdjustment_, v); }

void TVxCustomPanel::SetVisualStyle(TVxVisualStyle v) { SetAndRepaint(this, visualStyle_, v); }

void TVxCustomPanel::SetGradientColorStyle(TVxGradientColorStyle v) { SetAndRepaint(this, gradientColorStyle_, v); }

void TVxCustomPanel::SetGradientColorStart(TColor v) {
    if (gradientColorStart_ == v) return;
    gradientColorStart_ = v;
    RampChanged();
}

void TVxCustomPanel::SetGradientColorStop(TColor v) {
    if (gradientColorStop_ == v) return;
    gradientColorStop_ = v;
    RampChanged();
}

void TVxCustomPanel::SetGradientDirection(TGradientDirection v) {
    if (gradientDirection_ == v) return;
    gradientDirection_ = v;
    RampChanged();
}

void TVxCustomPanel::SetDotGridColor(TColor v) { SetAndRepaint(this, dotGridColor_, v); }

void TVxCustomPanel::SetDotGridStyle(Byte v) { SetAndRepaint(this, dotGridStyle_, v); }

void TVxCustomPanel::SetDotGridSpacingX(Word v) { SetAndRepaint(this, dotGridSpacingX_, v); }

void TVxCustomPanel::SetDotGridSpacingY(Word v) { SetAndRepaint(this, dotGridSpacingY_, v); }

void TVxCustomPanel::SetFillClientArea(bool v) { SetAndRepaint(this, fillClientArea_, v); }

void TVxCustomPanel::SetShowDotGrid(bool v) { SetAndRepaint(this, showDotGrid_, v); }

void TVxCustomPanel::SetCaptionMargin(int v) { SetAndRepaint(this, captionMargin_, v); }

void TVxCustomPanel::SetCaptionWordWrap(bool v) { SetAndRepaint(this, captionWordWrap_, v); }

// The children repaint too: what shows behind them changed.
void TVxCustomPanel::SetTransparent(bool v) {
    if (transparent_ == v) return;
    transparent_ = v;
    SetTransparentStyle(this, v);
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

TRect TVxCustomPanel::AdjustForBorders(TRect rect, bool includeBorderWidth) const {
    auto shrink = [&](int by) {
        if (borderSides_.Contains(sdLeft)) rect.left += by;
        if (borderSides_.Contains(sdTop)) rect.top += by;
        if (borderSides_.Contains(sdRight)) rect.right -= by;
        if (borderSides_.Contains(sdBottom)) rect.bottom -= by;
    };
    if (includeBorderWidth) InflateRect(&rect, -BorderWidth(), -BorderWidth());
    shrink(FrameStyleWidth(borderOuter_, BevelWidth()));
    shrink(FrameStyleWidth(borderInner_, BevelWidth()));
    return rect;
}

// The platform's adjustment has taken off the border width; the borders on
// their sides go here.
void TVxCustomPanel::AlignControls(TControl* control, TRect& rect) {
    rect = AdjustForBorders(rect, false);
    TCustomPanel::AlignControls(control, rect);
}

void TVxCustomPanel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect rect = DrawPanelBorders(canvas, WholeRect(), Borders());
    if (!transparent_ && fillClientArea_) {
        if (visualStyle_ == vsGradient) {
            const TBarColors ramp = RampColors();
            PaintColorRamp(canvas, rect, gradientDirection_, ramp.start, ramp.stop, 1);
        } else {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(rect);
        }
    }
    if (showDotGrid_) DrawDotGrid(rect);
    canvas->Brush()->SetStyle(bsClear);
    DrawCaptionText(rect);
    canvas->Brush()->SetStyle(bsSolid);
    onPaint_(this);
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

// The caption is placed by both alignments inside the caption margin; a
// disabled panel shows it embossed.
void TVxCustomPanel::DrawCaptionText(const TRect& rect) {
    if (Caption().empty()) return;
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect text = rect;
    InflateRect(&text, -captionMargin_, -captionMargin_);
    const UINT alignment = Alignment() == taLeftJustify    ? DT_LEFT
                           : Alignment() == taRightJustify ? DT_RIGHT
                                                           : DT_CENTER;
    const UINT flags = DT_EXPANDTABS | DT_VCENTER | (captionWordWrap_ ? DT_WORDBREAK : 0) | alignment;
    TRect measured = text;
    const int height = DrawText(canvas->Handle(), Caption().c_str(), -1, &measured, flags | DT_CALCRECT);
    switch (verticalAlignment_) {
    case tlTop: text.bottom = std::min(text.bottom, text.top + height); break;
    case tlCenter:
        text.top = (text.top + text.bottom - height) / 2;
        text.bottom = std::min(text.bottom, text.top + height);
        break;
    case tlBottom: text.top = std::max(text.top, text.bottom - height - 1); break;
    }
    if (!Enabled()) {
        TRect embossed = text;
        OffsetRect(&embossed, 1, 1);
        canvas->Font()->SetColor(clBtnHighlight);
        DrawText(canvas->Handle(), Caption().c_str(), -1, &embossed, flags);
        canvas->Font()->SetColor(clBtnShadow);
    }
    DrawText(canvas->Handle(), Caption().c_str(), -1, &text, flags);
}

// Dots or lines every spacing, the first one spacing in from the corner.
void TVxCustomPanel::DrawDotGrid(const TRect& rect) {
    const int cols = dotGridSpacingX_ ? (rect.right - rect.left) / dotGridSpacingX_ : 0;
    const int rows = dotGridSpacingY_ ? (rect.bottom - rect.top) / dotGridSpacingY_ : 0;
    TCanvas* canvas = Canvas();
    const HDC dc = canvas->Handle();
    const COLORREF color = ColorToRGB(dotGridColor_);
    auto x = [&](int i) { return rect.left + i * dotGridSpacingX_ - 1; };
    auto y = [&](int j) { return rect.top + j * dotGridSpacingY_ - 1; };
    if (dotGridStyle_ == 0) {
        for (int i = 1; i <= cols; ++i)
            for (int j = 1; j <= rows; ++j) SetPixel(dc, x(i), y(j), color);
        return;
    }
    if (dotGridStyle_ == 1) {
        for (int i = 1; i <= cols; ++i)
            for (int py = rect.top + 1; py < rect.bottom; py += 2) SetPixel(dc, x(i), py, color);
        for (int j = 1; j <= rows; ++j)
            for (int px = rect.left + 1; px < rect.right; px += 2) SetPixel(dc, px, y(j), color);
        return;
    }
    canvas->Pen()->SetColor(dotGridColor_);
    for (int i = 1; i <= cols; ++i) {
        canvas->MoveTo(x(i), rect.top);
        canvas->LineTo(x(i), rect.bottom);
    }
    for (int j = 1; j <= rows; ++j) {
        canvas->MoveTo(rect.left, y(j));
        canvas->LineTo(rect.right, y(j));
    }
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
    p.Property("OnMouseEnter", &TVxCustomPanel::OnMouseEnter, &TVxCustomPanel::SetOnMouseEnter);
    p.Property("OnMouseLeave", &TVxCustomPanel::OnMouseLeave, &TVxCustomPanel::SetOnMouseLeave);
    p.Property("OnPaint", &TVxCustomPanel::OnPaint, &TVxCustomPanel::SetOnPaint);
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
    const bool rightToLeft = UseRightToLeftReading();
    switch (groupStyle_) {
    case gsTopLine:
        return rightToLeft ? TRect(width - extent.cx - 4, 0, width - 4, extent.cy)
                           : TRect(0, 0, extent.cx + 4, extent.cy);
    case gsBanner: return TRect(0, 0, width, extent.cy + 6);
    case gsUnderline: return TRect(0, 0, width, extent.cy + 2);
    default:
        return rightToLeft ? TRect(width - extent.cx - 8, 0, width - 8, extent.cy)
                           : TRect(8, 0, extent.cx + 8, extent.cy);
    }
}

void TVxCustomGroupBox::CMDialogChar(TMessage& Message) {
    if (IsAccel(Word(Message.WParam), Caption()) && CanFocus()) {
        SelectFirst();
        Message.Result = 1;
        return;
    }
    TVxCustomPanel::Dispatch(Message);
}

void TVxCustomGroupBox::CMFontChanged(TMessage& Message) {
    TVxCustomPanel::Dispatch(Message);
    Invalidate();
}

void TVxCustomGroupBox::Paint() {
    if (groupStyle_ == gsCustom) {
        TVxCustomPanel::Paint();
        return;
    }
    TCanvas* canvas = Canvas();
    const TRect caption = CaptionRect();
    const int h = TextExtent("Pp").cy;
    const TRect frame(0, h / 2 - 1, Width(), Height());
    if (VisualStyle() == vsWinXP && VisualStylesEnabled() && (groupStyle_ == gsStandard || groupStyle_ == gsFlat)) {
        PaintThemed(frame, caption);
        return;
    }
    if (!Transparent()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(TRect(0, 0, Width(), Height()));
    } else if (groupStyle_ != gsBanner) {
        ExcludeClipRect(canvas->Handle(), caption.left, caption.top, caption.right, caption.bottom);
    }
    PaintFrame(frame, caption, ShadeBy(FlatColor(), FlatColorAdjustment()));
    if (!Caption().empty()) PaintCaption(caption);
}

// The themed group-box frame broken by the caption, over the parent's
// background unless transparent.
void TVxCustomGroupBox::PaintThemed(const TRect& frame, const TRect& caption) {
    const HDC dc = Canvas()->Handle();
    if (!Transparent()) PaintParentBackground(this, dc, true);
    const int state = Enabled() ? GBS_NORMAL : GBS_DISABLED;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, caption.left, caption.top, caption.right, caption.bottom);
    DrawThemedPart(dc, u"BUTTON", BP_GROUPBOX, state, frame);
    RestoreDC(dc, saved);
    if (Caption().empty()) return;
    Canvas()->SetFont(Font());
    SelectObject(dc, Canvas()->Font()->Handle());
    DrawThemedText(dc, u"BUTTON", BP_GROUPBOX, state, Caption(), CaptionAlignment(), caption);
}

UINT TVxCustomGroupBox::CaptionAlignment() const {
    return Alignment() == taCenter ? DT_CENTER : Alignment() == taRightJustify ? DT_RIGHT : DT_LEFT;
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
    const UINT alignment = CaptionAlignment();
    if (Enabled() && VisualStyle() == vsWinXP && VisualStylesEnabled()) canvas->Font()->SetColor(ThemePartColor());
    SelectClipRgn(canvas->Handle(), 0);
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

// ---- the customising texts ---------------------------------------------------------

namespace {

constexpr int CustomizeCaptionIds = 61100;

}  // namespace

TVxCustomizeCaptions::TVxCustomizeCaptions() {
    static const bool registered = [] {
        AddResourceStrings({{CustomizeCaptionIds + ccTitle, "Customize Toolbar"},
                            {CustomizeCaptionIds + ccHint, "Uncheck to hide control"},
                            {CustomizeCaptionIds + ccClose, "Close"},
                            {CustomizeCaptionIds + ccMoveUp, "Move Up"},
                            {CustomizeCaptionIds + ccMoveDown, "Move Down"},
                            {CustomizeCaptionIds + ccTextOptions, "Text Options"},
                            {CustomizeCaptionIds + ccNoTextLabels, "No text labels"},
                            {CustomizeCaptionIds + ccShowTextLabels, "Show text labels"},
                            {CustomizeCaptionIds + ccSelectiveTextOnRight, "Selective text on right"}});
        return true;
    }();
    (void)registered;
    for (int i = 0; i < ccCount; ++i) captions_[i] = LoadStr(CustomizeCaptionIds + i);
}

void TVxCustomizeCaptions::SetCaption(TCaption index, const AnsiString& text) {
    captions_[index] = text;
    stored_ = true;
}

void TVxCustomizeCaptions::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TVxCustomizeCaptions*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    for (int i = 0; i < ccCount; ++i) captions_[i] = other->captions_[i];
    stored_ = other->stored_;
}

void TVxCustomizeCaptions::Published(TPublished<TVxCustomizeCaptions>& p) {
    static const char* const names[ccCount] = {"Title",         "Hint",           "Close",
                                               "MoveUp",        "MoveDown",       "TextOptions",
                                               "NoTextLabels",  "ShowTextLabels", "SelectiveTextOnRight"};
    for (int i = 0; i < ccCount; ++i) {
        const auto index = TCaption(i);
        p.Property(
            names[i], [index](TVxCustomizeCaptions* c) { return c->Caption(index); },
            [index](TVxCustomizeCaptions* c, const AnsiString& text) { c->SetCaption(index, text); });
    }
}

// ---- the toolbar ------------------------------------------------------------------

TVxToolbar::TVxToolbar(TComponent* owner)
    : TVxCustomPanel(owner),
      background_(std::make_unique<TBitmap>()),
      customizeCaptions_(std::make_unique<TVxCustomizeCaptions>()) {
    controlList_ = CreateControlList();
    imageChangeLink_ = std::make_unique<TChangeLink>();
    imageChangeLink_->SetOnChange([this](TObject*) { ButtonSettingsChanged(); });
    background_->SetOnChange([this](TObject*) { Invalidate(); });
    TVxCustomPanel::SetBorderOuter(fsGroove);
    TVxCustomPanel::SetBorderSides(TSides{sdTop});
    SetShowDockClientCaptions(false);
    SetFullRepaint(false);
    SetBounds(0, 0, 32, 32);
    SetAlign(alTop);
}

void TVxToolbar::SetBackground(TBitmap* v) { background_->Assign(v); }

void TVxToolbar::SetCustomizeCaptions(TVxCustomizeCaptions* v) { customizeCaptions_->Assign(v); }

void TVxToolbar::SetRegIniFile(TVxRegIniFile* v) {
    regIniFile_ = v;
    if (v) v->FreeNotification(this);
}

void TVxToolbar::CMVisibleChanged(TMessage& Message) {
    TVxCustomPanel::Dispatch(Message);
    onVisibleChanged_(this);
}

void TVxToolbar::CMBiDiModeChanged(TMessage& Message) {
    TVxCustomPanel::Dispatch(Message);
    Realign();
}

void TVxToolbar::ChangeScale(int M, int D) {
    TVxCustomPanel::ChangeScale(M, D);
    rowHeight_ = MulDiv(rowHeight_, M, D);
}

TSize TVxToolbar::ResizeRepaintMargin() const {
    if (orientation_ == orHorizontal && !wrapControls_ && popupButtonShown_) return TSize(15, 1);
    return TVxCustomPanel::ResizeRepaintMargin();
}

void TVxToolbar::Paint() {
    const bool themed = VisualStyle() == vsWinXP && DrawThemedPart(Canvas()->Handle(), u"REBAR", 0, 0, ClientRect());
    if (!themed) {
        TVxCustomPanel::Paint();
        PaintBackground();
    }
    if (popupButtonShown_ && popupButton_) popupButton_->Invalidate();
}

// The picture is tiled from the inner corner as often as the client area
// needs, clipped to the inside of the borders.
void TVxToolbar::PaintBackground() {
    const int width = background_->Width(), height = background_->Height();
    if (width <= 0 || height <= 0) return;
    const TRect inner = AdjustForBorders(ClientRect(), true);
    TCanvas* canvas = Canvas();
    const HDC dc = canvas->Handle();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    const int columns = (ClientWidth() + width - 1) / width, rows = (ClientHeight() + height - 1) / height;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            canvas->Draw(inner.left + column * width, inner.top + row * height, background_.get());
    RestoreDC(dc, saved);
}

TVxToolbar::~TVxToolbar() = default;

// Inside a page scroller or a plain toolbar the parent sizes the toolbar.
void TVxToolbar::CheckAutoResize(bool& value) const {
    if (!value || !Parent()) return;
    const AnsiString parent = UpperCase(Parent()->ClassName());
    if (parent == "TPAGESCROLLER" || parent == "TTOOLBAR") value = false;
}

void TVxToolbar::SetAutoResize(bool v) {
    CheckAutoResize(v);
    if (autoResize_ == v) return;
    autoResize_ = v;
    Realign();
}

void TVxToolbar::SetParent(TWinControl* parent) {
    TVxCustomPanel::SetParent(parent);
    CheckAutoResize(autoResize_);
}

void TVxToolbar::SetAlign(TAlign v) {
    if (autoStyle_) AutoStyleBorders(v);
    TVxCustomPanel::SetAlign(v);
    if (!autoResize_) return;
    if (v == alLeft || v == alRight) SetWidth(32);
    else SetHeight(32);
}

void TVxToolbar::AutoStyleBorders(TAlign alignment) {
    const bool autoStyle = autoStyle_;
    TVxCustomPanel::SetBorderInner(fsNone);
    TVxCustomPanel::SetBorderOuter(showDivider_ ? fsGroove : fsNone);
    TVxCustomPanel::SetBorderSides(alignment == alBottom  ? TSides{sdBottom}
                                   : alignment == alLeft  ? TSides{sdLeft}
                                   : alignment == alRight ? TSides{sdRight}
                                                          : TSides{sdTop});
    autoStyle_ = autoStyle;
    Invalidate();
}

void TVxToolbar::SetBorderInner(TFrameStyleEx v) {
    if (v != BorderInner()) autoStyle_ = false;
    TVxCustomPanel::SetBorderInner(v);
}

void TVxToolbar::SetBorderOuter(TFrameStyleEx v) {
    if (v != BorderOuter()) autoStyle_ = false;
    TVxCustomPanel::SetBorderOuter(v);
}

void TVxToolbar::SetBorderSides(TSides v) {
    if (v != BorderSides()) autoStyle_ = false;
    TVxCustomPanel::SetBorderSides(v);
}

void TVxToolbar::SetShowDivider(bool v) {
    if (showDivider_ == v) return;
    showDivider_ = v;
    TVxCustomPanel::SetBorderOuter(v ? fsGroove : fsNone);
}

void TVxToolbar::SetImages(TCustomImageList* v) {
    if (images_ == v) return;
    if (images_) images_->RemoveFreeNotification(this);
    imageChangeLink_->SetSender(v);
    images_ = v;
    if (images_) images_->FreeNotification(this);
    ButtonSettingsChanged();
}

void TVxToolbar::Notification(TComponent* component, TOperation operation) {
    TVxCustomPanel::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == images_) {
        images_ = nullptr;
        imageChangeLink_->SetSender(nullptr);
    }
    if (component == regIniFile_) regIniFile_ = nullptr;
    if (component != this && !ComponentState().Contains(csDestroying) &&
        controlList_->DropControl(dynamic_cast<TControl*>(component)) >= 0)
        Realign();
}

void TVxToolbar::SetMargin(int v) {
    margin_ = v;
    Realign();
}

void TVxToolbar::SetTopMargin(int v) {
    topMargin_ = v;
    Realign();
}

void TVxToolbar::SetOrientation(TOrientation v) {
    orientation_ = v;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* spacer = dynamic_cast<TVxSpacer*>(Controls(i))) spacer->SetOrientation(v);
    Realign();
}

void TVxToolbar::SetRowHeight(int v) {
    rowHeight_ = v;
    Realign();
}

void TVxToolbar::SetButtonLayout(TButtonLayout v) {
    buttonLayout_ = v;
    ButtonSettingChanged(VXM_TOOLBARLAYOUT);
}

void TVxToolbar::SetButtonWidth(int v) {
    buttonWidth_ = v;
    ButtonSettingChanged(VXM_TOOLBARBUTTONSIZE);
}

void TVxToolbar::SetButtonHeight(int v) {
    buttonHeight_ = v;
    ButtonSettingChanged(VXM_TOOLBARBUTTONSIZE);
}

void TVxToolbar::SetShowButtonCaptions(bool v) {
    showButtonCaptions_ = v;
    ButtonSettingChanged(VXM_TOOLBARSHOWCAPTION);
}

// The presets: no captions; captions below the glyphs; captions at the
// right of the glyphs. ttoCustom keeps the settings as they are.
void TVxToolbar::SetTextOptions(TVxToolbarTextOptions v) {
    if (textOptions_ == v) return;
    textOptions_ = v;
    const bool vertical = orientation_ == orVertical;
    applyingPreset_ = true;
    switch (v) {
    case ttoNoTextLabels:
        SetButtonLayout(blGlyphLeft);
        ApplyButtonSettings(25, 25, false);
        SetRowHeight(25);
        break;
    case ttoShowTextLabels:
        SetButtonLayout(blGlyphTop);
        ApplyButtonSettings(60, 40, true);
        SetRowHeight(vertical ? 60 : 40);
        break;
    case ttoSelectiveTextOnRight:
        SetButtonLayout(blGlyphLeft);
        ApplyButtonSettings(60, 25, true);
        SetRowHeight(vertical ? 60 : 25);
        break;
    case ttoCustom: break;
    }
    applyingPreset_ = false;
}

void TVxToolbar::ApplyButtonSettings(int width, int height, bool captions) {
    SetShowButtonCaptions(captions);
    SetButtonWidth(width);
    SetButtonHeight(height);
    SetRowHeight(orientation_ == orVertical ? width : height);
}

void TVxToolbar::SetWrapControls(bool v) {
    wrapControls_ = v;
    Realign();
}

// The tool buttons that follow the toolbar take the setting; outside a
// preset the text options become custom.
void TVxToolbar::SetVisualStyle(TVxVisualStyle v) {
    if (v == VisualStyle()) return;
    TVxCustomPanel::SetVisualStyle(v);
    NotifyControls(VXM_TOOLBARVISUALSTYLE);
}

void TVxToolbar::SetGradientColorStyle(TVxGradientColorStyle v) {
    if (v == GradientColorStyle()) return;
    TVxCustomPanel::SetGradientColorStyle(v);
    NotifyControls(VXM_TOOLBARVISUALSTYLE);
}

void TVxToolbar::ButtonSettingChanged(UINT notification) {
    if (!applyingPreset_) textOptions_ = ttoCustom;
    NotifyControls(notification);
    ButtonSettingsChanged();
}

void TVxToolbar::ButtonSettingsChanged() {
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
    Realign();
}

std::unique_ptr<TVxToolbarControlList> TVxToolbar::CreateControlList() {
    return std::make_unique<TVxToolbarControlList>(
        this, [this](const TControl* control) { return control != popupButton_; });
}

std::vector<TControl*> TVxToolbar::ToolbarControls() const {
    std::vector<TControl*> controls;
    for (int i = 0; i < controlList_->Count(); ++i) controls.push_back(controlList_->Controls(i));
    return controls;
}

void TVxToolbar::SetControlIndex(TControl* control, int index) {
    controlList_->Move(control, index);
    Realign();
}

void TVxToolbar::DefineProperties(TFiler* filer) {
    TVxCustomPanel::DefineProperties(filer);
    filer->DefineProperty(
        "ToolbarControls", [this](TReader* reader) { controlList_->ReadItems(reader); },
        [this](TWriter* writer) { controlList_->WriteItems(writer); }, controlList_->Count() > 0);
}

void TVxToolbar::Loaded() {
    TVxCustomPanel::Loaded();
    controlList_->ResolveNames(Owner());
    Realign();
    if (autoStyle_) AutoStyleBorders(Align());
}

void TVxToolbar::AlignControls(TControl*, TRect&) {
    if (!ComponentState().Contains(csLoading)) {
        // Controls added since go last; those moved to another parent leave.
        for (int i = controlList_->Count(); i-- > 0;)
            if (controlList_->Controls(i)->Parent() != this) controlList_->DropControl(controlList_->Controls(i));
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i) != popupButton_) controlList_->AppendControl(Controls(i));
        PositionControls();
    }
    PlacePopupButton();
}

void TVxToolbar::UpdatePopupButton(const std::vector<TControl*>& controls) {
    if (wrapControls_ || controls.empty()) {
        popupButtonShown_ = false;
        return;
    }
    const TControl* last = controls.back();
    popupButtonShown_ = Width() - margin_ < last->Left() + last->Width();
    if (popupButtonShown_ && !popupButton_) {
        popupButton_ = new TVxToolbarPopupButton(this);
        popupButton_->SetFrameColor(ShadeBy(FlatColor(), FlatColorAdjustment()));
    }
}

// The chevron fills the toolbar's right edge, 14 pixels wide.
void TVxToolbar::PlacePopupButton() {
    if (!popupButton_) return;
    const bool shown = popupButtonShown_ && !wrapControls_ && orientation_ == orHorizontal &&
                       !ComponentState().Contains(csLoading) && !ComponentState().Contains(csReading);
    if (shown) popupButton_->SetBounds(Width() - 14, 0, 14, Height());
    popupButton_->SetVisible(shown);
}

// Controls go along the rows (columns when vertical) in list order from
// Margin, a new row when one would pass the far margin (never before the
// first), each centred across its row; with AutoResize the toolbar takes
// the size of its rows and tells its parent.
void TVxToolbar::PositionControls() {
    const bool horizontal = orientation_ == orHorizontal;
    const std::vector<TControl*> controls = ToolbarControls();
    const int room = horizontal ? Width() : Height();
    int pos = margin_, row = 1, reach = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        TControl* control = controls[i];
        if (!control->Visible() && !ComponentState().Contains(csDesigning)) continue;
        const int extent = horizontal ? control->Width() : control->Height();
        if (i > 0 && wrapControls_ && room - margin_ < pos + extent) {
            pos = margin_;
            ++row;
        }
        PlaceControl(control, row, pos);
        reach = std::max(reach, pos);
    }
    // Decided on the positions just given, so that the control that runs
    // past the margin shows the chevron in the same layout.
    if (horizontal) UpdatePopupButton(controls);
    else popupButtonShown_ = false;
    if (!autoResize_) return;
    const TAlign align = Align();
    const bool sideways = align == alLeft || align == alRight, across = align == alNone || align == alTop ||
                                                                       align == alBottom;
    bool sized = false;
    if (horizontal && sideways && reach != 0) {
        SetWidth(margin_ + reach), sized = true;
    } else if (horizontal && across) {
        SetHeight(rowHeight_ * row + topMargin_ * 2), sized = true;
    } else if (!horizontal && sideways) {
        SetWidth(rowHeight_ * row + topMargin_ + 2), sized = true;
    } else if (!horizontal && across && reach != 0) {
        SetHeight(margin_ + reach), sized = true;
    }
    if (sized) NotifyParentOfSize();
}

void TVxToolbar::PlaceControl(TControl* control, int row, int& pos) {
    if (control->ComponentState().Contains(csDestroying)) return;
    if (orientation_ == orHorizontal) {
        const int top = (row - 1) * RowSize(row) + topMargin_ + rowHeight_ / 2 - control->Height() / 2;
        const int left = control->UseRightToLeftAlignment() ? Width() - control->Width() - pos : pos;
        control->SetBounds(left, top, control->Width(), control->Height());
        pos += control->Width();
    } else {
        const int left = (row - 1) * RowSize(row) + margin_ + rowHeight_ / 2 - control->Width() / 2;
        control->SetBounds(left, pos, control->Width(), control->Height());
        pos += control->Height();
    }
}

// The parent lays itself out again with the toolbar's new size.
void TVxToolbar::NotifyParentOfSize() {
    TWinControl* parent = Parent();
    if (!parent || !parent->Visible() || !parent->HandleAllocated()) return;
    const HWND handle = parent->Handle();
    const WPARAM state = IsZoomed(handle) ? SIZE_MAXIMIZED : IsIconic(handle) ? SIZE_MINIMIZED : SIZE_RESTORED;
    PostMessage(handle, WM_SIZE, state, MAKELPARAM(parent->Width(), parent->Height()));
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
    p.Property("Background", &TVxToolbar::Background, &TVxToolbar::SetBackground);
    p.Property("CustomizeCaptions", &TVxToolbar::CustomizeCaptions, &TVxToolbar::SetCustomizeCaptions)
        .Stored(&TVxToolbar::CustomizeCaptionsStored);
    p.Property("RegIniFile", &TVxToolbar::RegIniFile, &TVxToolbar::SetRegIniFile);
    p.Property("OnVisibleChanged", &TVxToolbar::OnVisibleChanged, &TVxToolbar::SetOnVisibleChanged);
}

// ---- the spacer --------------------------------------------------------------------

TVxSpacer::TVxSpacer(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 8, 25); }

void TVxSpacer::SetGrooved(bool v) { SetAndRepaint(this, grooved_, v); }

// Turning a spacer turns its size with it.
void TVxSpacer::SetOrientation(TOrientation v) {
    if (orientation_ == v) return;
    orientation_ = v;
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

// A groove of a shadow line and a highlight line beside it, along the
// spacer's longer side.
void TVxSpacer::Paint() {
    if (!grooved_) {
        // The designer shows where a plain spacer is.
        if (!ComponentState().Contains(csDesigning)) return;
        TCanvas* canvas = Canvas();
        canvas->Pen()->SetStyle(psDot);
        canvas->Pen()->SetColor(clBlack);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(ClientRect());
        return;
    }
    const int part = Width() > Height() ? TP_SEPARATORVERT : TP_SEPARATOR;
    if (DrawThemedPart(Canvas()->Handle(), u"TOOLBAR", part, TS_NORMAL, ClientRect())) return;
    TCanvas* canvas = Canvas();
    const int width = Width(), height = Height();
    for (auto [color, shift] : {std::pair{clBtnShadow, 0}, std::pair{clBtnHighlight, 1}}) {
        canvas->Pen()->SetColor(color);
        if (width > height) {
            const int y = height / 2 - 1 + shift;
            canvas->MoveTo(1, y);
            canvas->LineTo(width, y);
        } else {
            const int x = width / 2 - 1 + shift;
            canvas->MoveTo(x, 1);
            canvas->LineTo(x, height);
        }
    }
}

void TVxSpacer::Published(TPublished<TVxSpacer>& p) {
    p.Property("Grooved", &TVxSpacer::Grooved, &TVxSpacer::SetGrooved).Default(false);
    p.Property("Orientation", &TVxSpacer::Orientation, &TVxSpacer::SetOrientation).Default(orHorizontal);
}
