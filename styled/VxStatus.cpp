// The styled status bar and its panes.
#include "styled/VxStatus.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdactns.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/winpaint.h"
#include "styled/VxGrafx.h"

SERVIORA_REGISTER_CLASS(TVxStatusBar);
SERVIORA_REGISTER_CLASS(TVxStatusPane);
SERVIORA_REGISTER_CLASS(TVxClockStatus);
SERVIORA_REGISTER_CLASS(TVxMarqueeStatus);

namespace {

constexpr UINT SC_SIZEFROMGRIP = 0xF008;
// The strip at the bar's right edge where a pane answers as the grip.
constexpr int gripStrip = 12;

// The one timer of every polling pane: created by the first pane, freed
// with the last; each tick reaches the visible panes in registration order.
class TVxPollingList {
public:
    static TVxPollingList* Instance() { return TheList().get(); }
    static void Add(TVxPollingStatus* pane) {
        if (!TheList()) TheList().reset(new TVxPollingList);
        TheList()->panes_.push_back(pane);
    }
    static void Remove(TVxPollingStatus* pane) {
        TVxPollingList* list = Instance();
        if (!list) return;
        std::erase(list->panes_, pane);
        if (list->panes_.empty()) TheList().reset();
    }

    virtual ~TVxPollingList() = default;
    virtual int Count() const { return int(panes_.size()); }
    virtual bool Enabled() const { return timer_->Enabled(); }
    virtual void SetEnabled(bool v) { timer_->SetEnabled(v); }
    virtual Word Interval() const { return Word(timer_->Interval()); }
    virtual void SetInterval(Word v) { timer_->SetInterval(v); }

private:
    static std::unique_ptr<TVxPollingList>& TheList() {
        static std::unique_ptr<TVxPollingList> list;
        return list;
    }
    TVxPollingList() : timer_(std::make_unique<TTimer>(nullptr)) {
        timer_->SetInterval(500);
        timer_->SetOnTimer(TNotifyEvent([this](TObject*) { Tick(); }));
        timer_->SetEnabled(true);
    }
    void Tick() {
        for (TVxPollingStatus* pane : std::vector<TVxPollingStatus*>(panes_))
            if (pane->Visible()) pane->PollTick();
    }

    std::unique_ptr<TTimer> timer_;
    std::vector<TVxPollingStatus*> panes_;
};

bool Loading(const TComponent* component) {
    return component->ComponentState().Contains(csLoading) || component->ComponentState().Contains(csReading);
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

// The four sides of `rect` in `color`, their corners left open.
void DrawOpenCornerFrame(TCanvas* canvas, const TRect& rect, TColor color) {
    canvas->Pen()->SetColor(color);
    Line(canvas, rect.left, rect.top + 1, rect.left, rect.bottom - 1);
    Line(canvas, rect.left + 1, rect.top, rect.right - 1, rect.top);
    Line(canvas, rect.right - 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
    Line(canvas, rect.left + 1, rect.bottom - 1, rect.right - 1, rect.bottom - 1);
}

int TextHeightOfPp(TCanvas* canvas) { return canvas->TextHeight("Pp"); }

// A window's client rectangle in screen coordinates.
TRect ScreenClientRect(const TControl* control) {
    TRect rect = control->ClientRect();
    const TPoint origin = control->ClientOrigin();
    OffsetRect(&rect, origin.x, origin.y);
    return rect;
}

}  // namespace

// ---- the bar -------------------------------------------------------------------------

TVxStatusBar::TVxStatusBar(TComponent* owner) : TVxCustomPanel(owner) {
    SetAlign(alBottom);
    TVxCustomPanel::SetBorderInner(fsNone);
    TVxCustomPanel::SetBorderOuter(fsNone);
    TVxCustomPanel::SetBorderSides(AllSides);
    SetHeight(19);
    SetBorderWidth(0);
}

void TVxStatusBar::ApplyAutoStyle() {
    const bool autoStyle = autoStyle_;
    SetBorderInner(fsNone);
    SetBorderOuter(fsNone);
    SetBorderSides(AllSides);
    SetHeight(19);
    SetBorderWidth(0);
    autoStyle_ = autoStyle;
}

void TVxStatusBar::SetBorderInner(TFrameStyleEx v) {
    if (v != BorderInner()) autoStyle_ = false;
    TVxCustomPanel::SetBorderInner(v);
}

void TVxStatusBar::SetBorderOuter(TFrameStyleEx v) {
    if (v != BorderOuter()) autoStyle_ = false;
    TVxCustomPanel::SetBorderOuter(v);
}

void TVxStatusBar::SetBorderSides(TSides v) {
    if (v != BorderSides()) autoStyle_ = false;
    TVxCustomPanel::SetBorderSides(v);
}

void TVxStatusBar::Loaded() {
    TVxCustomPanel::Loaded();
    if (autoStyle_) ApplyAutoStyle();
}

void TVxStatusBar::UpdateGripAllowed() {
    const TCustomForm* form = GetParentForm();
    gripAllowed_ = form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin) &&
                   form->WindowState() != wsMaximized;
}

void TVxStatusBar::CreateWnd() {
    TVxCustomPanel::CreateWnd();
    UpdateGripAllowed();
}

void TVxStatusBar::SetShowSizeGrip(bool v) {
    if (showSizeGrip_ == v) return;
    showSizeGrip_ = v;
    UpdateGripAllowed();
    Invalidate();
}

bool TVxStatusBar::InGrip(const TPoint& point) const {
    if (ComponentState().Contains(csDesigning) || !gripAllowed_ || !showSizeGrip_) return false;
    const TRect grip = GripRect();
    return PtInRect(&grip, point);
}

void TVxStatusBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        if (InGrip(TPoint(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)))) {
            ReleaseCapture();
            POINT cursor{};
            GetCursorPos(&cursor);
            SendMessage(GetParentForm()->Handle(), WM_SYSCOMMAND, SC_SIZEFROMGRIP, MAKELPARAM(cursor.x, cursor.y));
            return;
        }
        break;
    case WM_SETCURSOR: {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (InGrip(ScreenToClient(TPoint(cursor.x, cursor.y)))) {
            ::SetCursor(Screen->Cursors(crSizeNWSE));
            Message.Result = 1;
            return;
        }
        break;
    }
    case WM_PAINT:
        TVxCustomPanel::WndProc(Message);
        UpdateGripAllowed();
        if (showSizeGrip_ && gripAllowed_) DrawSizeGrip();
        return;
    default: break;
    }
    TVxCustomPanel::WndProc(Message);
}

TRect TVxStatusBar::ClientRect() const {
    TRect rect = TVxCustomPanel::ClientRect();
    if (!VisualStylesEnabled()) {
        rect.bottom += 1;
        rect.top = simpleStatus_ ? 2 : 1;
        rect.left -= 1;
        rect.right += 1;
    } else if (simpleStatus_) {
        rect.left += 1;
        rect.top += 1;
        rect.right -= 1;
    }
    return rect;
}

TBarColors TVxStatusBar::RampColors() const {
    // The ramp runs from its start at the bottom, so the stop colour shows
    // at the top.
    if (GradientColorStyle() == gcsCustom) return {GradientColorStop(), GradientColorStart()};
    const TShadowColors shadow = SchemeShadowColors(GradientColorStyle());
    return {shadow.dark, shadow.light};
}

bool TVxStatusBar::Themed() const { return VisualStyle() == vsWinXP && VisualStylesEnabled(); }

void TVxStatusBar::CopyThemedBackground(TCanvas* target, const TRect& dest, const TRect& source) const {
    TBitmap image;
    image.SetSize(Width(), Height());
    DrawThemedPart(image.Canvas()->Handle(), u"STATUS", 0, 0, TRect(0, 0, Width(), Height()));
    target->CopyRect(dest, image.Canvas(), source);
}

void TVxStatusBar::Paint() {
    if (Themed()) {
        DrawThemedPart(Canvas()->Handle(), u"STATUS", 0, 0, TRect(0, 0, Width(), Height()));
        if (simpleStatus_ && !simpleCaption_.empty()) {
            Canvas()->SetFont(Font());
            SelectObject(Canvas()->Handle(), Canvas()->Font()->Handle());
            DrawThemedText(Canvas()->Handle(), u"STATUS", 0, 0, simpleCaption_, DT_SINGLELINE | DT_VCENTER,
                           ClientRect());
        }
        return;
    }
    TVxCustomPanel::Paint();
    TRect client = ClientRect();
    client.bottom -= 1;
    if (!simpleStatus_) return;
    DrawSimpleFrame(client);
    InflateRect(&client, -1, -1);
    if (simpleCaption_.empty()) return;
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(client, client.left + 2, client.top + (client.bottom - client.top - TextHeightOfPp(canvas)) / 2,
                     simpleCaption_);
}

void TVxStatusBar::DrawSimpleFrame(const TRect& rect) {
    if (Themed()) {
        DrawThemedPart(Canvas()->Handle(), u"STATUS", SP_PANE, 0, rect);
        return;
    }
    if (VisualStyle() == vsGradient) return;
    if (simpleFrameStyle_ == fsFlat)
        DrawOpenCornerFrame(Canvas(), rect, ShadeBy(FlatColor(), FlatColorAdjustment()));
    else
        DrawFrameStyle(Canvas(), rect, simpleFrameStyle_);
}

// Six 2 x 2 squares in a triangle, highlight first and shadow one pixel up
// and left of it; drawn after the painting is over, on a DC of its own.
void TVxStatusBar::DrawSizeGrip() {
    TRect grip = ClientRect();
    grip.bottom -= 1;
    if (Themed()) {
        const HDC dc = GetDC(Handle());
        DrawThemedPart(dc, u"STATUS", SP_GRIPPER, 0, TRect(grip.right - 20, grip.top, grip.right, grip.bottom));
        ReleaseDC(Handle(), dc);
        return;
    }
    TColor highlight = clBtnHighlight, shadow = clBtnShadow;
    if (VisualStyle() == vsGradient) {
        const TShadowColors colors = SchemeShadowColors(GradientColorStyle());
        highlight = colors.light;
        shadow = colors.line;
    }
    static constexpr std::pair<int, int> squares[] = {{5, 12}, {5, 8}, {5, 4}, {9, 8}, {9, 4}, {13, 4}};
    const HDC dc = GetDC(Handle());
    {
        TCanvas canvas;
        CanvasOnDC onDC(&canvas, dc);
        const int r = grip.right, b = grip.bottom;
        for (auto [color, shift] : {std::pair{highlight, 0}, std::pair{shadow, -1}}) {
            canvas.Pen()->SetColor(color);
            canvas.Brush()->SetColor(color);
            for (auto [dx, dy] : squares)
                canvas.Rectangle(r - dx + shift, b - dy + shift, r - dx + shift + 2, b - dy + shift + 2);
        }
    }
    ReleaseDC(Handle(), dc);
}

void TVxStatusBar::SetSimpleStatus(bool v) {
    if (simpleStatus_ == v) return;
    simpleStatus_ = v;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(!v);
    EnableAlign();
    Invalidate();
}

void TVxStatusBar::SetSimpleCaption(const AnsiString& v) { SetAndRepaint(this, simpleCaption_, v); }

void TVxStatusBar::SetSimpleFrameStyle(TFrameStyle v) { SetAndRepaint(this, simpleFrameStyle_, v); }

void TVxStatusBar::Resize() {
    TVxCustomPanel::Resize();
    if (firstResize_) {
        firstResize_ = false;
        widthChange_ = 0;
    } else {
        widthChange_ = Width() - lastWidth_;
    }
    // Without a width to measure from, the panes keep theirs.
    if (autoScalePanes_ && ControlCount() > 0 && widthChange_ != 0 && lastWidth_ > 0) {
        DisableAlign();
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* pane = Controls(i);
            const float ratio = float(pane->Width()) / float(lastWidth_);
            pane->SetWidth(pane->Width() + int(std::nearbyint(float(widthChange_) * ratio)));
        }
        EnableAlign();
    }
    lastWidth_ = Width();
}

void TVxStatusBar::Published(TPublished<TVxStatusBar>& p) {
    using C = TVxStatusBar;
    p.Property("AutoStyle", &C::AutoStyle, &C::SetAutoStyle).Default(true);
    p.Property("AutoScalePanes", &C::AutoScalePanes, &C::SetAutoScalePanes).Default(false);
    p.Property("ShowSizeGrip", &C::ShowSizeGrip, &C::SetShowSizeGrip).Default(true);
    p.Property("SimpleStatus", &C::SimpleStatus, &C::SetSimpleStatus).Default(false);
    p.Property("SimpleCaption", &C::SimpleCaption, &C::SetSimpleCaption);
    p.Property("SimpleFrameStyle", &C::SimpleFrameStyle, &C::SetSimpleFrameStyle).Default(fsFlat);
}

// ---- panes ----------------------------------------------------------------------------

TVxCustomStatusPane::TVxCustomStatusPane(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_.Include(csNoDesignVisible);
    controlStyle_.Exclude(csOpaque);
    SetBounds(0, 0, 100, 20);
    SetParentColor(true);
    fillColor_ = Color();
    TVxBlinkingControlsList::Add(this);
}

TVxCustomStatusPane::~TVxCustomStatusPane() {
    if (frameController_) frameController_->UnlinkControl(this);
    TVxBlinkingControlsList::Remove(this);
}

void TVxCustomStatusPane::SetAlignment(TAlignment v) { SetAndRepaint(this, alignment_, v); }

void TVxCustomStatusPane::SetAutoSize(bool v) {
    SetAndRepaint(this, autoSize_, v);
    AdjustWidth();
}

void TVxCustomStatusPane::SetDefaultWidth(int v) {
    SetAndRepaint(this, defaultWidth_, v);
    AdjustWidth();
}

void TVxCustomStatusPane::SetCaptionOffset(int v) {
    SetAndRepaint(this, captionOffset_, v);
    AdjustWidth();
}

void TVxCustomStatusPane::SetBorderWidth(int v) { SetAndRepaint(this, borderWidth_, v); }
void TVxCustomStatusPane::SetFrameStyle(TFrameStyle v) { SetAndRepaint(this, frameStyle_, v); }
void TVxCustomStatusPane::SetFlatColor(TColor v) { SetAndRepaint(this, flatColor_, v); }
void TVxCustomStatusPane::SetFlatColorAdjustment(int v) { SetAndRepaint(this, flatColorAdjustment_, v); }
void TVxCustomStatusPane::SetBlinkColor(TColor v) { SetAndRepaint(this, blinkColor_, v); }

void TVxCustomStatusPane::SetFillColor(TColor v) {
    parentFillColor_ = false;
    SetAndRepaint(this, fillColor_, v);
}

void TVxCustomStatusPane::SetParentFillColor(bool v) {
    if (parentFillColor_ == v) return;
    parentFillColor_ = v;
    if (Parent() && !Loading(this)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TVxCustomStatusPane::SetTransparent(bool v) {
    if (transparent_ == v) return;
    transparent_ = v;
    SetTransparentStyle(this, v);
}

void TVxCustomStatusPane::SetBlinking(bool v) {
    if (blinking_ == v) return;
    blinking_ = v;
    if (v) return;
    currentTextColor_ = normalTextColor_;
    Repaint();
}

Word TVxCustomStatusPane::BlinkIntervalOn() const { return TVxBlinkingControlsList::Instance()->IntervalOn(); }
void TVxCustomStatusPane::SetBlinkIntervalOn(Word v) { TVxBlinkingControlsList::Instance()->SetIntervalOn(v); }
Word TVxCustomStatusPane::BlinkIntervalOff() const { return TVxBlinkingControlsList::Instance()->IntervalOff(); }
void TVxCustomStatusPane::SetBlinkIntervalOff(Word v) { TVxBlinkingControlsList::Instance()->SetIntervalOff(v); }

bool TVxCustomStatusPane::ExecuteAction(TBasicAction* action) {
    auto* hint = dynamic_cast<THintAction*>(action);
    if (!autoHint_ || !hint) return TGraphicControl::ExecuteAction(action);
    SetCaption(hint->Hint());
    return true;
}

void TVxCustomStatusPane::SetFrameController(TVxFrameController* v) { RelinkFrameController(this, frameController_, v); }

void TVxCustomStatusPane::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TVxCustomStatusPane::FrameSettingsChanged() {
    if (!frameController_ || !frameController_->FrameVisible()) return;
    const TVxFrameControllerNotifications accepted = frameControllerNotifications_;
    if (accepted.Contains(fcpFrameStyle) && frameController_->FrameStyle() <= fsFlatBold)
        frameStyle_ = TFrameStyle(frameController_->FrameStyle());
    if (accepted.Contains(fcpFrameColor)) {
        flatColor_ = frameController_->FrameColor();
        flatColorAdjustment_ = 0;
    }
    if (accepted.Contains(fcpColor)) SetColor(frameController_->Color());
    if (accepted.Contains(fcpParentColor)) SetParentColor(frameController_->ParentColor());
    Invalidate();
}

void TVxCustomStatusPane::ShowBlinkState(bool on) {
    currentTextColor_ = on ? blinkColor_ : normalTextColor_;
    Repaint();
}

void TVxCustomStatusPane::VXMQueryBlinking(TMessage& Message) { Message.Result = blinking_ ? 1 : 0; }

void TVxCustomStatusPane::VXMBlinkPhase(TMessage& Message) {
    if (blinking_) ShowBlinkState(Message.WParam == 1);
}

void TVxCustomStatusPane::CMTextChanged(TMessage&) {
    Invalidate();
    AdjustWidth();
}

void TVxCustomStatusPane::CMFontChanged(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    if (Loading(this)) return;
    normalTextColor_ = Font()->Color();
    if (!blinking_) currentTextColor_ = normalTextColor_;
    AdjustWidth();
}

void TVxCustomStatusPane::CMColorChanged(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    if (parentFillColor_) fillColor_ = Color();
    Invalidate();
}

// In the strip before the bar's grip the pane answers as the grip, so the
// form can be sized from there too.
void TVxCustomStatusPane::CMHitTest(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    if (!ReachesSizeGrip()) return;
    const TPoint point(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    const TRect barClient = ScreenClientRect(Parent());
    const TPoint screen = ClientToScreen(point);
    if (screen.x < barClient.right - gripStrip || screen.x >= barClient.right) return;
    Message.Result = SendMessage(Parent()->Handle(), WM_NCHITTEST, Message.WParam, MAKELPARAM(screen.x, screen.y));
}

void TVxCustomStatusPane::CMMouseEnter(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    if (!ComponentState().Contains(csDesigning)) onMouseEnter_(this);
}

void TVxCustomStatusPane::CMMouseLeave(TMessage& Message) {
    TGraphicControl::Dispatch(Message);
    onMouseLeave_(this);
}

bool TVxCustomStatusPane::ReachesSizeGrip() const {
    const auto* bar = dynamic_cast<const TVxStatusBar*>(Parent());
    if (!bar || !bar->ShowSizeGrip()) return false;
    return ClientToScreen(TPoint(Width(), 0)).x >= ScreenClientRect(bar).right;
}

int TVxCustomStatusPane::FittingWidth() {
    if (Caption().empty()) return defaultWidth_;
    const HDC dc = GetDC(0);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.SetFont(Font());
    RECT measured = ClientRect();
    const AnsiString caption = Caption();
    DrawText(canvas.Handle(), caption.c_str(), int(caption.size()), &measured,
             DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
    canvas.SetHandle(0);
    ReleaseDC(0, dc);
    return 2 * borderWidth_ + measured.right + captionOffset_ + 6;
}

void TVxCustomStatusPane::AdjustWidth() {
    if (autoSize_ && !Loading(this)) SetWidth(FittingWidth());
}

void TVxCustomStatusPane::Loaded() {
    TGraphicControl::Loaded();
    if (!ParentColor()) transparent_ = false, SetTransparentStyle(this, false);
    normalTextColor_ = currentTextColor_ = Font()->Color();
    AdjustWidth();
}

TRect TVxCustomStatusPane::GetTextRect(TRect rect) const {
    const int inset = borderWidth_ + FrameStyleWidth(frameStyle_);
    InflateRect(&rect, -inset, -inset);
    return rect;
}

const TVxStatusBar* TVxCustomStatusPane::ThemedBar() const {
    const auto* bar = dynamic_cast<const TVxStatusBar*>(Parent());
    return bar && bar->Themed() ? bar : nullptr;
}

void TVxCustomStatusPane::DrawFrame() {
    TCanvas* canvas = Canvas();
    if (ThemedBar()) {
        DrawThemedPart(canvas->Handle(), u"STATUS", SP_PANE, 0, ClientRect());
        return;
    }
    TRect rect(0, 0, Width(), Height());
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    }
    InflateRect(&rect, -borderWidth_, -borderWidth_);
    const auto* bar = dynamic_cast<const TVxStatusBar*>(Parent());
    if (bar && bar->VisualStyle() == vsGradient) {
        if (Left() <= bar->BorderWidth()) return;
        canvas->Pen()->SetColor(SchemeShadowColors(bar->GradientColorStyle()).line);
        Line(canvas, rect.left, rect.top + 1, rect.left, rect.bottom - 1);
    } else if (frameStyle_ == fsFlat) {
        DrawOpenCornerFrame(canvas, rect, ShadeBy(flatColor_, flatColorAdjustment_));
    } else {
        DrawFrameStyle(canvas, rect, frameStyle_);
    }
}

TPoint TVxCustomStatusPane::TextOrigin(TCanvas* canvas, const TRect& rect, UINT& align) const {
    const int y = rect.top + (rect.bottom - rect.top - TextHeightOfPp(canvas)) / 2;
    switch (alignment_) {
    case taRightJustify: align = TA_RIGHT; return TPoint(rect.right - captionOffset_ - 1, y);
    case taCenter: align = TA_CENTER; return TPoint(rect.left + (rect.right - rect.left) / 2, y);
    default: align = TA_LEFT; return TPoint(rect.left + captionOffset_ + 1, y);
    }
}

void TVxCustomStatusPane::DrawCaptionText(const AnsiString& text) {
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    canvas->Font()->SetColor(currentTextColor_);
    const TRect rect = GetTextRect(ClientRect());
    UINT align = TA_LEFT;
    const TPoint origin = TextOrigin(canvas, rect, align);
    const UINT oldAlign = SetTextAlign(canvas->Handle(), align);
    if (const TVxStatusBar* bar = ThemedBar()) {
        bar->CopyThemedBackground(canvas, rect, BarRect(rect));
        canvas->Brush()->SetStyle(bsClear);
    } else if (transparent_) {
        canvas->Brush()->SetStyle(bsClear);
    } else {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(fillColor_);
    }
    if (!Enabled()) {
        canvas->Font()->SetColor(clBtnHighlight);
        canvas->TextRect(rect, origin.x + 1, origin.y + 1, text);
        canvas->Font()->SetColor(clBtnShadow);
        canvas->Brush()->SetStyle(bsClear);
    }
    canvas->TextRect(rect, origin.x, origin.y, text);
    SetTextAlign(canvas->Handle(), oldAlign);
}

void TVxCustomStatusPane::Paint() {
    DrawFrame();
    DrawCaptionText(Caption());
}

void TVxCustomStatusPane::Published(TPublished<TVxCustomStatusPane>& p) {
    using C = TVxCustomStatusPane;
    p.Property("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(1);
    p.Property("FrameStyle", &C::FrameStyle, &C::SetFrameStyle).Default(fsFlat);
    p.Property("FlatColor", &C::FlatColor, &C::SetFlatColor).TypeName("TColor").Default(clBtnShadow);
    p.Property("FlatColorAdjustment", &C::FlatColorAdjustment, &C::SetFlatColorAdjustment).Default(30);
    p.Property("FillColor", &C::FillColor, &C::SetFillColor).TypeName("TColor");
    p.Property("ParentFillColor", &C::ParentFillColor, &C::SetParentFillColor).Default(true);
    p.Property("Transparent", &C::Transparent, &C::SetTransparent).Default(true);
    p.Property("FrameController", &C::FrameController, &C::SetFrameController);
    p.Property("FrameControllerNotifications", &C::FrameControllerNotifications,
               &C::SetFrameControllerNotifications);
    p.Property("OnMouseEnter", &C::OnMouseEnter, &C::SetOnMouseEnter);
    p.Property("OnMouseLeave", &C::OnMouseLeave, &C::SetOnMouseLeave);
}

// The text settings that a plain pane and the clock publish.
template <class C>
void PublishTextSettings(TPublished<C>& p) {
    p.Property("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
    p.Property("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    p.Property("Blinking", &C::Blinking, &C::SetBlinking).Default(false);
    p.Property("BlinkColor", &C::BlinkColor, &C::SetBlinkColor).TypeName("TColor").Default(clHighlight);
    p.Property("BlinkIntervalOff", &C::BlinkIntervalOff, &C::SetBlinkIntervalOff).Default(500);
    p.Property("BlinkIntervalOn", &C::BlinkIntervalOn, &C::SetBlinkIntervalOn).Default(500);
    p.Property("CaptionOffset", &C::CaptionOffset, &C::SetCaptionOffset).Default(2);
    p.Property("DefaultWidth", &C::DefaultWidth, &C::SetDefaultWidth).Default(40);
}

void TVxStatusPane::Published(TPublished<TVxStatusPane>& p) {
    PublishTextSettings(p);
    p.Property("AutoHint", &TVxStatusPane::AutoHint, &TVxStatusPane::SetAutoHint).Default(false);
}

// ---- polling panes and the clock ------------------------------------------------------------

TVxPollingStatus::TVxPollingStatus(TComponent* owner) : TVxCustomStatusPane(owner) { TVxPollingList::Add(this); }

TVxPollingStatus::~TVxPollingStatus() { TVxPollingList::Remove(this); }

bool TVxPollingStatus::Active() const { return TVxPollingList::Instance()->Enabled(); }
void TVxPollingStatus::SetActive(bool v) { TVxPollingList::Instance()->SetEnabled(v); }
Word TVxPollingStatus::Interval() const { return TVxPollingList::Instance()->Interval(); }
void TVxPollingStatus::SetInterval(Word v) { TVxPollingList::Instance()->SetInterval(v); }

void TVxPollingStatus::PollTick() { onTimerExpired_(this); }

void TVxPollingStatus::Published(TPublished<TVxPollingStatus>& p) {
    p.Property("Active", &TVxPollingStatus::Active, &TVxPollingStatus::SetActive).Default(true);
    p.Property("Interval", &TVxPollingStatus::Interval, &TVxPollingStatus::SetInterval).Default(500);
    p.Property("OnTimerExpired", &TVxPollingStatus::OnTimerExpired, &TVxPollingStatus::SetOnTimerExpired);
}

TVxClockStatus::TVxClockStatus(TComponent* owner) : TVxPollingStatus(owner) { SetWidth(150); }

void TVxClockStatus::SetFormat(const AnsiString& v) {
    if (format_ == v) return;
    format_ = v;
    UpdateTime();
    Invalidate();
}

void TVxClockStatus::UpdateTime() {
    TDateTime now = Now();
    onGetDateTime_(this, now);
    AnsiString text = format_.empty() ? DateTimeToStr(now) : FormatDateTime(format_, now);
    if (text == text_) return;
    text_ = std::move(text);
    SetCaption(text_);
    AdjustWidth();
    Invalidate();
}

void TVxClockStatus::PollTick() {
    UpdateTime();
    TVxPollingStatus::PollTick();
}

void TVxClockStatus::Loaded() {
    TVxPollingStatus::Loaded();
    UpdateTime();
    SetCaption(text_);
    AdjustWidth();
}

void TVxClockStatus::Paint() {
    SetCaption(text_);
    TVxPollingStatus::Paint();
}

// The text keeps clear of the bar's grip.
TRect TVxClockStatus::GetTextRect(TRect rect) const {
    rect = TVxPollingStatus::GetTextRect(rect);
    if (ReachesSizeGrip()) rect.right -= 12;
    return rect;
}

void TVxClockStatus::Published(TPublished<TVxClockStatus>& p) {
    using C = TVxClockStatus;
    p.Property("Format", &C::Format, &C::SetFormat);
    p.Property("OnGetDateTime", &C::OnGetDateTime, &C::SetOnGetDateTime);
    PublishTextSettings(p);
}

// ---- the marquee -----------------------------------------------------------------------------

TVxMarqueeStatus::TVxMarqueeStatus(TComponent* owner)
    : TVxStatusPane(owner), bitmap_(std::make_unique<TBitmap>()) {
    controlStyle_.Exclude(csOpaque);
    scrollLength_ = Width();
    timer_ = new TTimer(this);
    timer_->SetInterval(scrollDelay_);
    timer_->SetEnabled(scrolling_);
    timer_->SetOnTimer(TNotifyEvent([this](TObject*) { Tick(); }));
}

TVxMarqueeStatus::~TVxMarqueeStatus() = default;

void TVxMarqueeStatus::SetScrollType(TVxScrollType v) {
    if (scrollType_ == v) return;
    scrollType_ = v;
    timer_->SetEnabled(v != stNone);
    Invalidate();
}

void TVxMarqueeStatus::SetScrolling(bool v) {
    if (scrolling_ == v) return;
    scrolling_ = v;
    timer_->SetEnabled(v);
    if (!v) offset_ = 0;
    Invalidate();
}

void TVxMarqueeStatus::SetScrollDelay(Word v) {
    if (scrollDelay_ == v) return;
    scrollDelay_ = v;
    timer_->SetInterval(v);
}

void TVxMarqueeStatus::MeasureScrollLength() {
    TCanvas* canvas = bitmap_->Canvas();
    canvas->SetFont(Font());
    scrollLength_ = canvas->TextWidth(Caption()) + Width();
    Invalidate();
}

void TVxMarqueeStatus::SetBounds(int left, int top, int width, int height) {
    TVxStatusPane::SetBounds(left, top, width, height);
    if (bitmap_) MeasureScrollLength();
}

void TVxMarqueeStatus::CMTextChanged(TMessage& Message) {
    TVxStatusPane::Dispatch(Message);
    MeasureScrollLength();
}

void TVxMarqueeStatus::CMFontChanged(TMessage& Message) {
    TVxStatusPane::Dispatch(Message);
    MeasureScrollLength();
}

// Drawn at once rather than through invalidation: only the text moves.
void TVxMarqueeStatus::Tick() {
    if (!Visible()) return;
    offset_ += scrollSize_;
    DrawNow();
    if (offset_ >= scrollLength_) offset_ = 0;
}

// The pane has no window: it draws on its parent's, shifted to its place
// and clipped to its bounds.
void TVxMarqueeStatus::DrawNow() {
    if (!Parent() || !Parent()->HandleAllocated() || !Showing()) return;
    const HDC dc = GetDC(Parent()->Handle());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, Left(), Top(), Left() + Width(), Top() + Height());
    SetViewportOrgEx(dc, Left(), Top(), nullptr);
    {
        CanvasOnDC onDC(Canvas(), dc);
        DrawCaptionText(Caption());
    }
    RestoreDC(dc, saved);
    ReleaseDC(Parent()->Handle(), dc);
}

void TVxMarqueeStatus::PaintBackground(const TRect& rect) {
    TCanvas* canvas = bitmap_->Canvas();
    const TRect whole(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    if (const TVxStatusBar* themed = ThemedBar()) {
        themed->CopyThemedBackground(canvas, whole, BarRect(rect));
        return;
    }
    const auto* bar = dynamic_cast<const TVxStatusBar*>(Parent());
    if (!Transparent() || !bar) {
        canvas->Brush()->SetColor(FillColor());
        canvas->FillRect(whole);
        return;
    }
    if (bar->VisualStyle() != vsGradient) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(whole);
        return;
    }
    // The bar's ramp at the bar's size, the part under the text copied in.
    TBitmap image;
    image.SetSize(bar->Width(), bar->Height());
    TRect barRect(0, 0, bar->Width(), bar->Height());
    const TBarColors ramp =
        bar->GradientColorStyle() == gcsCustom
            ? TBarColors{bar->GradientColorStop(), bar->GradientColorStart()}
            : TBarColors{SchemeShadowColors(bar->GradientColorStyle()).dark,
                         SchemeShadowColors(bar->GradientColorStyle()).light};
    PaintColorRamp(image.Canvas(), barRect, bar->GradientDirection(), ramp.start, ramp.stop, 1);
    canvas->CopyRect(whole, image.Canvas(), BarRect(rect));
}

void TVxMarqueeStatus::DrawCaptionText(const AnsiString& text) {
    if (scrollType_ == stNone) {
        TVxStatusPane::DrawCaptionText(text);
        return;
    }
    const TRect rect = GetTextRect(ClientRect());
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    bitmap_->SetSize(width, height);
    TCanvas* canvas = bitmap_->Canvas();
    canvas->SetFont(Font());
    canvas->Font()->SetColor(CurrentTextColor());
    PaintBackground(rect);
    const int textWidth = canvas->TextWidth(text);
    const int x = scrollType_ == stRightToLeft ? Width() - offset_ : offset_ - textWidth;
    const int y = rect.top + (height - TextHeightOfPp(canvas)) / 2 - BorderWidth() - 1;
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(TRect(0, 0, width, height), x, y, text);
    canvas->Brush()->SetStyle(bsSolid);
    Canvas()->Draw(BorderWidth() + 1, BorderWidth() + 1, bitmap_.get());
}

void TVxMarqueeStatus::Published(TPublished<TVxMarqueeStatus>& p) {
    using C = TVxMarqueeStatus;
    p.Property("ScrollType", &C::ScrollType, &C::SetScrollType).Default(stRightToLeft);
    p.Property("Scrolling", &C::Scrolling, &C::SetScrolling).Default(true);
    p.Property("ScrollSize", &C::ScrollSize, &C::SetScrollSize).Default(1);
    p.Property("ScrollDelay", &C::ScrollDelay, &C::SetScrollDelay).Default(100);
}
