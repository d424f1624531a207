// TLabel and TButton.
#include "platform/ui/stdctrls.h"

#include "platform/ui/forms.h"
#include "platform/gdi/measuringdc.h"
#include "platform/ui/menus.h"
#include "platform/win/winpaint.h"

// ---- TCustomLabel -------------------------------------------------------------------

void TCustomLabel::Published(TPublished<TCustomLabel>& p) {
    p.Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify);
    p.Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
    p.Property("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
    p.Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop);
    p.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
    p.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent);
    p.Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    controlStyle_.Include(csReplicatable);
    SetParentColor(true);
}

void TCustomLabel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout v) {
    layout_ = v;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v) {
    showAccelChar_ = v;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* v) {
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = v;
    if (v) v->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::CMDialogChar(TMessage& Message) {
    if (focusControl_ && showAccelChar_ && Enabled() && IsAccel(Word(Message.WParam), Caption()) &&
        focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
        return;
    }
    TGraphicControl::Dispatch(Message);
}

void TCustomLabel::TextChanged(const AnsiString& text) {
    TGraphicControl::TextChanged(text);
    AdjustBounds();
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TCustomLabel::DrawTextFlags() const {
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT flags = alignments[alignment_] | DT_EXPANDTABS;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    const AnsiString text = Caption().empty() ? AnsiString(" ") : Caption();
    DrawText(MeasuringDC(Font()->Handle()).dc(), text.c_str(), int(text.size()), &r, DrawTextFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify) left += Width() - r.right;
    else if (alignment_ == taCenter) left += (Width() - r.right) / 2;
    SetBounds(left, Top(), r.right, r.bottom);
}

void TCustomLabel::Paint() {
    TRect r = ClientRect();
    if (!transparent_) {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(r);
    }
    SetBkMode(Canvas()->Handle(), TRANSPARENT);
    Canvas()->Font()->Assign(Font());
    UINT flags = DrawTextFlags();
    if (layout_ != tlTop) {
        TRect calc = r;
        DrawText(Canvas()->Handle(), Caption().c_str(), int(Caption().size()), &calc, flags | DT_CALCRECT);
        const int offset = (r.bottom - r.top) - (calc.bottom - calc.top);
        r.top += layout_ == tlCenter ? offset / 2 : offset;
    }
    if (!Enabled()) Canvas()->Font()->SetColor(clGrayText);
    DrawText(Canvas()->Handle(), Caption().c_str(), int(Caption().size()), &r, flags);
}

// ---- TButton ------------------------------------------------------------------------

void TButton::Published(TPublished<TButton>& p) {
    p.Property("Cancel", &TButton::Cancel, &TButton::SetCancel);
    p.Property("Default", &TButton::Default, &TButton::SetDefault);
    p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).TypeName("TModalResult");
}

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
    controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks};
}

void TButton::SetDefault(bool v) {
    default_ = v;
    Invalidate();
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButton::Paint() {
    TRect r = ClientRect();
    UINT state = DFCS_BUTTONPUSH;
    if (pressed_) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    const HDC dc = Canvas()->Handle();
    if (default_ || Focused()) {
        FrameRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, state);
    TRect text = r;
    if (pressed_) OffsetRect(&text, 1, 1);
    DrawCaptionText(Canvas(), Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused()) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(dc, &r);
    }
}

void TButton::WMLButtonDown(TMessage& Message) {
    if (CanFocus()) SetFocus();
    pressed_ = true;
    SetMouseCapture(true);
    Invalidate();
    TCustomControl::Dispatch(Message);
}

void TButton::WMLButtonUp(TMessage& Message) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    SetMouseCapture(false);
    Invalidate();
    const TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    const TRect client = ClientRect();
    TCustomControl::Dispatch(Message);
    if (wasPressed && PtInRect(&client, p)) Click();
}

void TButton::WMKeyUp(TMessage& Message) {
    if (Message.WParam == VK_SPACE) {
        Click();
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TButton::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_BUTTON | (default_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::WMFocusChanged(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    Invalidate();
}

void TButton::CMDialogKey(TMessage& Message) {
    const Word key = Word(Message.WParam);
    const bool focusOnButton = dynamic_cast<TButton*>(FindControl(GetFocus())) != nullptr;
    const bool active = Focused() || (default_ && !focusOnButton);
    if (((key == VK_RETURN && active) || (key == VK_ESCAPE && cancel_)) && KeyDataToShiftState(Message.LParam).Empty() &&
        CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TButton::CMDialogChar(TMessage& Message) {
    if (IsAccel(Word(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

