// Spin edit: the text is the value. Steps run with a flag that keeps the
// intermediate text change from reaching OnChange; the step then reports
// one change when the text differs.
#include "report/ui/qm_ctrls_spinedit.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/sysparams.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "report/ui/qm_tbqycmn.h"

TKyUpDown::TKyUpDown(TComponent* owner) : TUpDown(owner) {
    SetMin(-1);
    SetMax(1);
}

void TKyUpDown::WMScroll(TMessage& Message) {
    if (resetting_) return;
    Inherited::Dispatch(Message);
    resetting_ = true;
    SetPosition(0);
    resetting_ = false;
}

void TKyUpDown::WMSize(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (Width() != TQmSpinEdit::ButtonWidth()) SetWidth(TQmSpinEdit::ButtonWidth());
}

TQmSpinEdit::TQmSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText("0");
    buttons_ = new TKyUpDown(this);
    buttons_->SetBounds(0, 0, ButtonWidth(), Height());
    buttons_->SetAlign(UseRightToLeftAlignment() ? alLeft : alRight);
    buttons_->SetParent(this);
    buttons_->SetOnClick([this](TObject* sender, TUDBtnType button) { UpDownClick(sender, button); });
}

int TQmSpinEdit::ButtonWidth() { return std::min(GetSystemMetrics(SM_CXVSCROLL), 15); }

void TQmSpinEdit::UpDownClick(TObject* Sender, TUDBtnType button) {
    if (TabStop() && CanFocus()) SetFocus();
    button == btNext ? UpClick(Sender) : DownClick(Sender);
}

void TQmSpinEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    static constexpr DWORD kAlignStyle[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    params.Style |= ES_MULTILINE | WS_CLIPCHILDREN | kAlignStyle[alignment_];
}

void TQmSpinEdit::CreateWnd() {
    TCustomEdit::CreateWnd();
    SetEditRect();
}

void TQmSpinEdit::SetEditRect() {
    if (!HandleAllocated()) return;
    const int w = ButtonWidth();
    const RECT r = UseRightToLeftAlignment() ? RECT{w + 1, 0, ClientWidth() - 1, ClientHeight() + 1}
                                             : RECT{0, 0, ClientWidth() - w - 2, ClientHeight() + 1};
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TQmSpinEdit::MinHeight() { return 4 * GetSystemMetrics(SM_CYBORDER) + FontTextHeight(Font()) + 1; }

void TQmSpinEdit::WMSize(TMessage& Message) {
    Inherited::Dispatch(Message);
    const int least = MinHeight();
    if (Height() < least) {
        SetBounds(Left(), Top(), Width(), least);
        return;
    }
    SetEditRect();
}

void TQmSpinEdit::CMEditRectChanged(TMessage& Message) {
    Inherited::Dispatch(Message);
    SetEditRect();
}

void TQmSpinEdit::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    RecreateWnd();
}

void TQmSpinEdit::SetDecimal(Byte v) {
    if (v == decimal_) return;
    const double value = Value();
    decimal_ = v;
    SetValue(value);
}

void TQmSpinEdit::SetValueType(TQmValueType v) {
    if (v == valueType_) return;
    const double value = Value();
    valueType_ = v;
    SetValue(value);
    if (v == qmvtInteger) {
        increment_ = std::round(increment_);
        if (increment_ == 0) increment_ = 1;
    }
}

double TQmSpinEdit::Value() const {
    const AnsiString& text = GetText();
    if (text.empty() || text == "-") return 0;
    if (valueType_ == qmvtFloat) {
        double value;
        return TryStrToFloat(text, value) ? value : minValue_;
    }
    Integer value;
    return TryStrToInt(text, value) ? value : std::trunc(minValue_);
}

void TQmSpinEdit::SetValue(double v) {
    if (minValue_ != maxValue_) v = std::clamp(v, minValue_, maxValue_);
    SetText(valueType_ == qmvtFloat ? FloatToStrF(v, ffFixed, 15, decimal_) : IntToStr(std::llround(v)));
}

void TQmSpinEdit::Step(double delta, const TNotifyEvent& after) {
    if (ReadOnly()) {
        MessageBeep(0);
    } else {
        const AnsiString before = GetText();
        changing_ = true;
        SetValue(Value() + delta);
        changing_ = false;
        if (!SameText(before, GetText())) {
            SetModified(true);
            Change();
        }
    }
    if (after) after(this);
}

void TQmSpinEdit::UpClick(TObject*) { Step(increment_, OnTopClick); }

void TQmSpinEdit::DownClick(TObject*) { Step(-increment_, OnBottomClick); }

void TQmSpinEdit::Change() {
    if (!changing_) TCustomEdit::Change();
}

void TQmSpinEdit::DoExit() {
    TCustomEdit::DoExit();
    const double value = Value();
    if (value < minValue_ || value > maxValue_) SetValue(value);
}

void TQmSpinEdit::KeyDown(Word& key, TShiftState shift) {
    if (arrowKeys_ && (key == VK_UP || key == VK_DOWN)) {
        key == VK_UP ? UpClick(this) : DownClick(this);
        key = 0;
        return;
    }
    TCustomEdit::KeyDown(key, shift);
}

void TQmSpinEdit::KeyPress(char& key) {
    if (!IsValidChar(key)) {
        key = 0;
        MessageBeep(0);
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        if (TCustomForm* form = GetParentForm()) form->Perform(CM_DIALOGKEY, static_cast<Byte>(key), 0);
        if (key == VK_RETURN) key = 0;
    }
    if (key != 0) TCustomEdit::KeyPress(key);
}

bool TQmSpinEdit::IsValidChar(char key) const {
    const unsigned char c = static_cast<unsigned char>(key);
    if (!editorEnabled_ && (c == VK_BACK || c >= 32)) return false;
    if (key == '+' || key == '-' || (key >= '0' && key <= '9') || c < 32) return true;
    if (valueType_ != qmvtFloat) return false;
    const AnsiString& text = GetText();
    if (key == DecimalSeparator) return text.find(DecimalSeparator) == AnsiString::npos;
    if (key == 'E' || key == 'e') return UpperCase(text).find('E') == AnsiString::npos;
    return false;
}

void TQmSpinEdit::WMEditing(TMessage& Message) {
    if (editorEnabled_ && !ReadOnly()) Inherited::Dispatch(Message);
}
