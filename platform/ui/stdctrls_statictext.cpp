// TStaticText: its window's border, its size from its text, its painting
// and its accelerator.
#include "platform/ui/stdctrls_statictext.h"

#include "platform/gdi/measuringdc.h"
#include "platform/ui/menus.h"

void TCustomStaticText::Published(TPublished<TCustomStaticText>& p) {
    p.Property("Alignment", &TCustomStaticText::Alignment, &TCustomStaticText::SetAlignment).Default(taLeftJustify);
    p.Property("AutoSize", &TCustomStaticText::AutoSize, &TCustomStaticText::SetAutoSize).Default(true);
    p.Property("BorderStyle", &TCustomStaticText::BorderStyle, &TCustomStaticText::SetBorderStyle).Default(sbsNone);
    p.Property("FocusControl", &TCustomStaticText::FocusControl, &TCustomStaticText::SetFocusControl);
    p.Property("ShowAccelChar", &TCustomStaticText::ShowAccelChar, &TCustomStaticText::SetShowAccelChar).Default(true);
}

TCustomStaticText::TCustomStaticText(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 65, 17);
    controlStyle_ = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csReplicatable, csDoubleClicks};
    SetParentColor(true);
}

void TCustomStaticText::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == sbsSingle) params.Style |= WS_BORDER;
    else if (borderStyle_ == sbsSunken) params.ExStyle |= WS_EX_STATICEDGE;
}

void TCustomStaticText::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TCustomStaticText::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    if (HandleAllocated()) RecreateWnd();
    AdjustBounds();
}

void TCustomStaticText::SetShowAccelChar(bool v) {
    showAccelChar_ = v;
    AdjustBounds();
    Invalidate();
}

void TCustomStaticText::SetFocusControl(TWinControl* v) {
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = v;
    if (v) v->FreeNotification(this);
}

void TCustomStaticText::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomStaticText::CMDialogChar(TMessage& Message) {
    if (focusControl_ && showAccelChar_ && Enabled() && IsAccel(Word(Message.WParam), Caption()) &&
        focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TCustomStaticText::TextChanged(const AnsiString& text) {
    TCustomControl::TextChanged(text);
    AdjustBounds();
    Invalidate();
}

void TCustomStaticText::Loaded() {
    TCustomControl::Loaded();
    AdjustBounds();
}

UINT TCustomStaticText::DrawTextFlags() const {
    static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return alignments[alignment_] | DT_EXPANDTABS | (showAccelChar_ ? 0 : DT_NOPREFIX);
}

// The text's extent and the border's on each side.
void TCustomStaticText::AdjustBounds() {
    if (!autoSize_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    TRect r = Rect(0, 0, 0, 0);
    const AnsiString text = Caption().empty() ? AnsiString(" ") : Caption();
    DrawText(MeasuringDC(Font()->Handle()).dc(), text.c_str(), int(text.size()), &r, DrawTextFlags() | DT_CALCRECT);
    const int border = borderStyle_ == sbsNone ? 0 : 2;
    SetBounds(Left(), Top(), r.right + border, r.bottom + border);
}

void TCustomStaticText::Paint() {
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    SetBkMode(Canvas()->Handle(), TRANSPARENT);
    Canvas()->Font()->Assign(Font());
    if (!Enabled()) Canvas()->Font()->SetColor(clGrayText);
    DrawText(Canvas()->Handle(), Caption().c_str(), int(Caption().size()), &r, DrawTextFlags());
}
