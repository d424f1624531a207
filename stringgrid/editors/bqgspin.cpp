// The spin editor's value reading, clamping and stepping per spin type, its
// keys and character rules, the arrow pair's layout and keys, and the
// repeating arrow button.
#include "stringgrid/editors/bqgspin.h"

#include <algorithm>
#include <cmath>

#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

namespace {

constexpr Cardinal kFirstRepeat = 400, kNextRepeat = 100;

int CountOf(const AnsiString& text, char ch) { return int(std::count(text.begin(), text.end(), ch)); }

}  // namespace

// ---- TBavTimerSpeedButton ------------------------------------------------------------------------

TBavTimerSpeedButton::TBavTimerSpeedButton(TComponent* owner) : TSpeedButton(owner) {}

void TBavTimerSpeedButton::SetArrowDirection(TSpinArrow v) {
    arrowDirection_ = v;
    Invalidate();
}

void TBavTimerSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TSpeedButton::MouseDown(button, shift, x, y);
    if (repeatEnabled_) {
        if (!repeatTimer_) {
            repeatTimer_ = new TTimer(this);
            repeatTimer_->SetOnTimer([this](TObject*) { RepeatStep(); });
        }
        repeatTimer_->SetInterval(kFirstRepeat);
        repeatTimer_->SetEnabled(true);
    }
    if (Parent()) Parent()->Invalidate();
}

void TBavTimerSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TSpeedButton::MouseUp(button, shift, x, y);
    if (repeatTimer_) repeatTimer_->SetEnabled(false);
    if (Parent()) Parent()->Invalidate();
}

void TBavTimerSpeedButton::RepeatStep() {
    repeatTimer_->SetInterval(kNextRepeat);
    if (!MouseCapture()) return;
    try {
        Click();
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        throw;
    }
}

// Left and right point as scroll-bar arrows; up and down as the button
// with its glyph.
void TBavTimerSpeedButton::Paint() {
    if (arrowDirection_ == saUp || arrowDirection_ == saDown) {
        TSpeedButton::Paint();
        return;
    }
    RECT r = {0, 0, Width(), Height()};
    UINT state = arrowDirection_ == saLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    if (MouseCapture()) state |= DFCS_PUSHED;
    if (Flat()) state |= DFCS_FLAT;
    DrawFrameControl(Canvas()->Handle(), &r, DFC_SCROLL, state);
}

// ---- TBqgSpinButton ------------------------------------------------------------------------------

TBqgSpinButton::TBqgSpinButton(TComponent* owner) : TWinControl(owner) {
    upButton_ = new TBavTimerSpeedButton(this);
    downButton_ = new TBavTimerSpeedButton(this);
    const struct {
        TBavTimerSpeedButton* arrow;
        const char* glyph;
        TSpinArrow direction;
    } arrows[] = {{upButton_, "BqgSpinUp", saUp}, {downButton_, "BqgSpinDown", saDown}};
    for (const auto& a : arrows) {
        a.arrow->SetRepeatEnabled(true);
        a.arrow->SetParent(this);
        a.arrow->Glyph()->LoadFromResourceName(HInstance, a.glyph);
        a.arrow->SetNumGlyphs(1);
        a.arrow->SetArrowDirection(a.direction);
        TBavTimerSpeedButton* arrow = a.arrow;
        arrow->SetOnClick([this, arrow](TObject*) {
            const TNotifyEvent& event = arrow == upButton_ ? onUpClick_ : onDownClick_;
            if (event) event(this);
        });
        arrow->SetOnMouseDown([this, arrow](TObject*, TMouseButton button, TShiftState, int, int) {
            if (button == mbLeft) ArrowPressed(arrow);
        });
    }
    focusedButton_ = upButton_;
    SetTabStop(false);
    SetBounds(0, 0, 15, 25);
}

void TBqgSpinButton::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, direction_ == spVertical ? 15 : 20);
    TWinControl::SetBounds(left, top, width, height);
    Layout(width, height);
}

void TBqgSpinButton::Layout(int width, int height) {
    if (!upButton_ || !downButton_) return;
    if (direction_ == spVertical) {
        upButton_->SetBounds(0, 0, width, height / 2);
        downButton_->SetBounds(0, upButton_->Height() - 1, width, height - upButton_->Height() + 1);
    } else {
        downButton_->SetBounds(0, 0, width / 2, height);
        upButton_->SetBounds(width / 2 + 1, 0, width / 2, height);
    }
}

void TBqgSpinButton::SetDirection(TSpinDirection v) {
    if (v == direction_) return;
    direction_ = v;
    upButton_->SetArrowDirection(v == spVertical ? saUp : saRight);
    downButton_->SetArrowDirection(v == spVertical ? saDown : saLeft);
    SetBounds(Left(), Top(), v == spVertical ? 15 : 20, Height());
}

void TBqgSpinButton::ArrowPressed(TBavTimerSpeedButton* arrow) {
    focusedButton_ = arrow;
    if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
        focusControl_->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TBqgSpinButton::KeyDown(Word& key, TShiftState shift) {
    if (key == VK_SPACE) focusedButton_->Click();
    if (key == VK_UP || key == VK_DOWN) {
        focusedButton_ = key == VK_UP ? upButton_ : downButton_;
        focusedButton_->Click();
    }
    TWinControl::KeyDown(key, shift);
}

void TBqgSpinButton::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == WM_GETDLGCODE) message.Result |= DLGC_WANTARROWS;
}

// ---- TBqgSpinEdit --------------------------------------------------------------------------------

TBqgSpinEdit::TBqgSpinEdit(TComponent* owner) : TCustomMaskEdit(owner) {
    button_ = new TBqgSpinButton(this);
    button_->SetBounds(0, 0, 15, 17);
    button_->SetParent(this);
    button_->SetFocusControl(this);
    button_->SetOnUpClick([this](TObject*) { UpClick(); });
    button_->SetOnDownClick([this](TObject*) { DownClick(); });
    SetText("0");
}

void TBqgSpinEdit::CreateParams(TCreateParams& params) {
    TCustomMaskEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TBqgSpinEdit::CreateWnd() {
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

void TBqgSpinEdit::SetEditRect() {
    if (!HandleAllocated()) return;
    const bool none = BorderStyle() == bsNone;
    RECT r = {none ? 1 : 0, none ? 1 : 0, ClientWidth() - button_->Width() - (none ? 1 : 0) - 2, ClientHeight() + 1};
    SendMessage(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

void TBqgSpinEdit::Resize() {
    TCustomMaskEdit::Resize();
    button_->SetBounds(Width() - button_->Width() - (BorderStyle() == bsNone ? 0 : 4), 0, button_->Width(),
                       Height() - (BorderStyle() == bsNone ? 0 : 4));
    SetEditRect();
}

int TBqgSpinEdit::Value() {
    int v = 0;
    return TryStrToInt(Text(), v) ? v : minValue_;
}

void TBqgSpinEdit::SetValue(int v) {
    if (IntLimited()) v = std::clamp(v, minValue_, maxValue_);
    SetText(IntToStr(v));
    if (!editorEnabled_) SelectAll();
}

double TBqgSpinEdit::FloatValue() {
    double v = 0;
    return TryStrToFloat(Text(), v) ? v : double(minValue_);
}

void TBqgSpinEdit::SetFloatValue(double v) {
    if (FloatLimited()) v = std::clamp(v, minFloatValue_, maxFloatValue_);
    SetText(precision_ != 0 ? FloatToStrF(v, ffFixed, 15, precision_) : FloatToStr(v));
}

TDateTime TBqgSpinEdit::DateValue() {
    const AnsiString text = Text();
    if (text.empty() || text == "0") return Now();
    TDateTime v = 0;
    return TryStrToDate(text, v) ? v : minDateValue_;
}

void TBqgSpinEdit::SetDateValue(TDateTime v) {
    dateValue_ = v;
    if (ComponentState().Contains(csLoading)) return;
    if (DateLimited()) v = std::clamp(v, minDateValue_, maxDateValue_);
    const int caret = HandleAllocated() ? SelStart() : 0;
    SetText(DateToStr(v));
    if (HandleAllocated()) SetSelStart(caret);
}

TDateTime TBqgSpinEdit::TimeValue() {
    TDateTime v = 0;
    return TryStrToTime(Text(), v) ? v : TDateTime(0);
}

void TBqgSpinEdit::SetTimeValue(TDateTime v) {
    timeValue_ = v;
    if (ComponentState().Contains(csLoading)) return;
    const int caret = HandleAllocated() ? SelStart() : 0;
    SetText(TimeToStr(v));
    if (HandleAllocated()) SetSelStart(caret);
}

void TBqgSpinEdit::SetSpinType(TBqgSpinType v) {
    spinType_ = v;
    switch (v) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TBqgSpinEdit::SetPrecision(int v) {
    precision_ = v;
    if (spinType_ == sptFloat) SetFloatValue(FloatValue());
}

void TBqgSpinEdit::UpClick() { Step(1); }
void TBqgSpinEdit::DownClick() { Step(-1); }

void TBqgSpinEdit::Step(int sign) {
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    const AnsiString text = Text();
    const int caret = HandleAllocated() ? SelStart() : 0;
    // The field the caret is in: 0 before the first separator, 1 before the second, else 2.
    auto fieldAt = [&](char separator) {
        const std::size_t first = text.find(separator);
        if (first == AnsiString::npos || std::size_t(caret) <= first) return 0;
        const std::size_t second = text.find(separator, first + 1);
        return second == AnsiString::npos || std::size_t(caret) <= second ? 1 : 2;
    };
    switch (spinType_) {
    case sptNormal: SetValue(Value() + sign * increment_); break;
    case sptFloat: SetFloatValue(FloatValue() + sign * incrementFloat_); break;
    case sptDate: {
        const AnsiString format = UpperCase(ShortDateFormat);
        const bool monthFirst = format.find('M') < format.find('D');
        const bool yearFirst = format.find('Y') < std::min(format.find('M'), format.find('D'));
        const int field = fieldAt(DateSeparator);
        TDateTime date = DateValue();
        // The fields in the order the format writes them.
        const char order[3] = {yearFirst ? 'Y' : (monthFirst ? 'M' : 'D'),
                               yearFirst ? (monthFirst ? 'M' : 'D') : (monthFirst ? 'D' : 'M'),
                               yearFirst ? (monthFirst ? 'D' : 'M') : 'Y'};
        switch (order[field]) {
        case 'M': date = IncMonth(date, sign); break;
        case 'D': date += sign; break;
        default: {
            Word year = 0, month = 0, day = 0;
            DecodeDate(date, year, month, day);
            date = EncodeDate(Word(year + sign), month, day) + (date - std::floor(date));
        }
        }
        SetDateValue(date);
        break;
    }
    case sptTime: {
        const int field = fieldAt(TimeSeparator);
        const TDateTime step = field == 0 ? 1.0 / 24 : field == 1 ? 1.0 / (24 * 60) : 1.0 / (24 * 60 * 60);
        TDateTime time = TimeValue();
        if (sign > 0) {
            time += step;
        } else {
            time = time + 1 - step;
            if (time >= 1) time -= 1;
        }
        SetTimeValue(time);
        break;
    }
    }
}

bool TBqgSpinEdit::IsValidChar(char key) {
    if (key == '\b') return editorEnabled_;
    const unsigned char code = static_cast<unsigned char>(key);
    bool valid = key == DecimalSeparator || key == ThousandSeparator || key == TimeSeparator ||
                 key == DateSeparator || key == '-' || (key >= '0' && key <= '9') || (code < ' ' && key != '\r');
    const bool numeric = spinType_ == sptNormal || spinType_ == sptFloat;
    auto keptForNumbers = [&] {
        return numeric && (key == DecimalSeparator || key == ThousandSeparator || key == '-' || key == '+');
    };
    if (key == TimeSeparator && spinType_ != sptTime && !keptForNumbers()) valid = false;
    if (key == DateSeparator && spinType_ != sptDate && !keptForNumbers()) valid = false;
    const AnsiString text = Text();
    const int caret = HandleAllocated() ? SelStart() : 0;
    const AnsiString selected = HandleAllocated() ? SelText() : AnsiString();
    if (key == '-') {
        if (CountOf(text, '-') > CountOf(selected, '-'))
            valid = false;
        else if (caret != 0)
            valid = false;
    }
    if (spinType_ == sptNormal) valid = valid && (key == '-' || (key >= '0' && key <= '9'));
    if (spinType_ == sptFloat && key != '\r' && key != 27) {
        if (key == ThousandSeparator) valid = false;
        if (key == DecimalSeparator && CountOf(text, DecimalSeparator) > CountOf(selected, DecimalSeparator))
            valid = false;
        const std::size_t point = text.find(DecimalSeparator);
        if (precision_ > 0 && point != AnsiString::npos && caret >= int(point) + 1 && selected.empty() && valid &&
            int(text.size()) >= int(point) + 1 + precision_)
            valid = false;
    }
    if (spinType_ == sptTime && key == TimeSeparator && CountOf(text, TimeSeparator) >= 2) valid = false;
    if (!editorEnabled_ && valid && code >= ' ') valid = false;
    return valid;
}

void TBqgSpinEdit::KeyDown(Word& key, TShiftState shift) {
    if (key == VK_RETURN && returnIsTab_) {
        key = VK_TAB;
        if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (key == VK_DELETE && !editorEnabled_) key = 0;
    TCustomMaskEdit::KeyDown(key, shift);
}

void TBqgSpinEdit::KeyPress(char& key) {
    if (!IsValidChar(key)) {
        key = 0;
        MessageBeep(0);
    }
    TCustomMaskEdit::KeyPress(key);
}

// A value outside the limits is put inside them when the edit is left.
void TBqgSpinEdit::DoExit() {
    switch (spinType_) {
    case sptNormal:
        if (IntLimited() && (Value() < minValue_ || Value() > maxValue_)) SetValue(Value());
        break;
    case sptFloat:
        if (FloatLimited() && (FloatValue() < minFloatValue_ || FloatValue() > maxFloatValue_))
            SetFloatValue(FloatValue());
        break;
    case sptDate:
        if (DateLimited() && (DateValue() < minDateValue_ || DateValue() > maxDateValue_))
            SetDateValue(DateValue());
        break;
    case sptTime: break;
    }
    TCustomMaskEdit::DoExit();
}

// Up, Down, PageUp and PageDown step the value before any key handler sees them.
void TBqgSpinEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_KEYDOWN || message.Msg == WM_KEYDOWN) {
        switch (message.WParam) {
        case VK_UP:
        case VK_PRIOR:
            UpClick();
            message.Result = 1;
            return;
        case VK_DOWN:
        case VK_NEXT:
            DownClick();
            message.Result = 1;
            return;
        default: break;
        }
    }
    if (message.Msg == CN_CHAR && excelStyleDecimalSeparator_ && char(message.WParam) == '.' &&
        (message.LParam & (1 << 22)))
        message.WParam = WPARAM(static_cast<unsigned char>(DecimalSeparator));
    if ((message.Msg == WM_PASTE || message.Msg == WM_CUT) && (!editorEnabled_ || ReadOnly())) return;
    TCustomMaskEdit::WndProc(message);
}
