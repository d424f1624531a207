// THintWindow and the application's hint timer.
#include "platform/ui/hints.h"
#include "platform/ui/stdactns.h"

#include "platform/ui/forms.h"
#include "platform/gdi/measuringdc.h"
#include "platform/win/winpaint.h"

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetColor(clInfoBk);
    SetParentFont(false);
    Font()->Assign(Screen->HintFont());
    SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.WndParent = 0;
    params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const AnsiString& hint, void*) {
    TRect r = Rect(0, 0, maxWidth, 0);
    DrawText(MeasuringDC(Font()->Handle()).dc(), hint.c_str(), int(hint.size()), &r,
             DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(TRect rect, const AnsiString& hint) {
    SetCaption(hint);
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ActivateHintData(TRect rect, const AnsiString& hint, void*) { ActivateHint(rect, hint); }

void THintWindow::ReleaseHandle() {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    r.left += 2;
    r.top += 1;
    Canvas()->Font()->SetColor(clInfoText);
    SetBkMode(Canvas()->Handle(), TRANSPARENT);
    const AnsiString text = Caption();
    DrawText(Canvas()->Handle(), text.c_str(), int(text.size()), &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::WMNCHitTest(TMessage& Message) { Message.Result = HTTRANSPARENT; }

// ---- the application's hints ---------------------------------------------------------

AnsiString GetShortHint(const AnsiString& hint) {
    const auto bar = hint.find('|');
    return bar == AnsiString::npos ? hint : hint.substr(0, bar);
}

AnsiString GetLongHint(const AnsiString& hint) {
    const auto bar = hint.find('|');
    return bar == AnsiString::npos ? hint : hint.substr(bar + 1);
}

namespace {

// Whether the control shows hints: its own ShowHint, or its parents' with ParentShowHint.
bool ShowsHint(const TControl* control) {
    return control && control->ShowHint() && !control->Hint().empty();
}

}  // namespace

void TApplication::SetHint(const AnsiString& v) {
    if (v == hint_) return;
    hint_ = v;
    if (onHint_) {
        onHint_(this);
        return;
    }
    THintAction action(nullptr);
    action.SetHint(v);
    action.Execute();
}

void TApplication::SetShowHint(bool v) {
    showHint_ = v;
    if (!v) CancelHint();
}

THintWindow* TApplication::HintWindow() const { return hintWindow_; }

void TApplication::HintMouseMessage(TControl* control, TMessage& Message) {
    hintControlLeft_ = false;
    if (control == hintControl_) {
        if (!hintCursorRectSet_) return;
        const POINT at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        if (PtInRect(&hintCursorRect_, at)) return;
        // Another part of the control (another cell): its own hint, after its own pause.
        const bool wasShowing = hintWindow_ && hintWindow_->IsShowing();
        HideHintWindow();
        StopHintTimer();
        StartHintPause(control, wasShowing);
        return;
    }
    const bool wasShowing = hintWindow_ && hintWindow_->IsShowing();
    HideHintWindow();
    StopHintTimer();
    hintControl_ = control;
    SetHint(GetLongHint(control->Hint()));
    StartHintPause(control, wasShowing);
}

bool TApplication::HoldsHintControl(const TControl* control) const {
    for (const TControl* c = hintControl_; c; c = c->Parent())
        if (c == control) return true;
    return false;
}

void TApplication::HintMouseLeft(TControl* control) {
    if (HoldsHintControl(control)) hintControlLeft_ = true;
}

void TApplication::HintOwnerDisabled(TControl* control) {
    if (HoldsHintControl(control)) CancelHint();
}

void TApplication::StartHintPause(TControl* control, bool wasShowing) {
    hintCursorRectSet_ = false;
    if (!showHint_ || !ShowsHint(control)) return;
    const int pause = wasShowing ? hintShortPause_ : hintPause_;
    // Controls may change the pause for themselves.
    int controlPause = pause;
    control->Perform(CM_HINTSHOWPAUSE, wasShowing, LPARAM(&controlPause));
    hintTimer_ = SetTimer(0, 0, UINT(std::max(controlPause, 10)),
                          [this](HWND, UINT, UINT_PTR, DWORD) { HintTimerExpired(); });
}

void TApplication::HintTimerExpired() {
    StopHintTimer();
    POINT cursor;
    GetCursorPos(&cursor);
    ActivateHint(cursor);
}

void TApplication::ActivateHint(TPoint cursorPos) {
    TControl* control = hintControl_;
    if (!control || !ShowsHint(control)) return;
    THintInfo info;
    info.HintControl = control;
    info.HintWindowClass = THintWindow::StaticClass();
    info.HintColor = hintColor_;
    info.HintMaxWidth = Screen->Width();
    info.CursorPos = control->ScreenToClient(cursorPos);
    info.CursorRect = control->ClientRect();
    info.HintPos = Point(cursorPos.x, cursorPos.y + 20);
    info.HideTimeout = hintHidePause_;
    info.HintStr = GetShortHint(control->Hint());
    if (control->Perform(CM_HINTSHOW, 0, LPARAM(&info)) != 0) return;
    bool canShow = true;
    if (onShowHint_) onShowHint_(info.HintStr, canShow, info);
    hintCursorRect_ = info.CursorRect;
    hintCursorRectSet_ = true;
    if (!canShow || info.HintStr.empty()) return;
    TClass cls = info.HintWindowClass;
    if (!cls || !cls->InheritsFrom(THintWindow::StaticClass())) cls = THintWindow::StaticClass();
    // A hint of another window class than the last one gets a window of its own.
    if (hintWindow_ && hintWindow_->ClassType() != cls) {
        THintWindow* old = hintWindow_;
        hintWindow_ = nullptr;
        delete old;
    }
    if (!hintWindow_) {
        hintWindow_ = static_cast<THintWindow*>(static_cast<TComponentClass>(cls)->Create(this));
        // The hint window may go before the forms while the application is
        // freed, and their controls still cancel hints as they go.
        hintWindow_->FreeNotification(this);
    }
    hintWindow_->SetColor(info.HintColor);
    TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(&r, info.HintPos.x, info.HintPos.y);
    hintWindow_->ActivateHintData(r, info.HintStr, info.HintData);
    if (info.HideTimeout > 0)
        hintHideTimer_ = SetTimer(0, 0, UINT(info.HideTimeout), [this](HWND, UINT, UINT_PTR, DWORD) {
            HideHintWindow();
        });
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == hintWindow_) hintWindow_ = nullptr;
}

void TApplication::CancelHint() {
    StopHintTimer();
    HideHintWindow();
    hintControl_ = nullptr;
    hintCursorRectSet_ = false;
    hintControlLeft_ = false;
}

void TApplication::StopHintTimer() {
    if (hintTimer_) KillTimer(0, hintTimer_);
    hintTimer_ = 0;
}

void TApplication::HideHintWindow() {
    if (hintHideTimer_) KillTimer(0, hintHideTimer_);
    hintHideTimer_ = 0;
    if (hintWindow_) hintWindow_->ReleaseHandle();
}
