// The Unicode editors' wide text and their few own behaviours.
#include "stringgrid/editors/BqgUniEdits.h"

#include <algorithm>

#include "platform/rtl/codepage.h"
#include "platform/win/userinput.h"

namespace {

// The value the Unicode controls give their font's character set.
constexpr TFontCharset kOemCharset = 255;

}  // namespace

WideString GetWideText(TControl* control) { return AnsiToWide(control->Text()); }

void SetWideText(TControl* control, const WideString& text) {
    const AnsiString ansi = WideToAnsi(text);
    if (ansi != control->Text()) control->TControl::SetText(ansi);
}

TCustomUNIEdit::TCustomUNIEdit(TComponent* owner) : TCustomEdit(owner) { Font()->SetCharset(kOemCharset); }

TBqgUniCustomMemo::TBqgUniCustomMemo(TComponent* owner) : TCustomMemo(owner) {
    Font()->SetCharset(kOemCharset);
    SetWantTabs(false);
    SetWantReturns(false);
}

TBqgUniMemo::TBqgUniMemo(TComponent* owner) : TBqgUniCustomMemo(owner) {
    SetWidth(200);
    SetHeight(100);
}

TBqgUniEditBtn::TBqgUniEditBtn(TComponent* owner) : TBqgEditBtn(owner) {
    Font()->SetCharset(kOemCharset);
    TControl::SetText("");
}

TCustomUNIComboBox::TCustomUNIComboBox(TComponent* owner)
    : TCustomComboBox(owner), items_(std::make_unique<TComboBoxStrings>()) {
    items_->SetComboBox(this);
    Font()->SetCharset(kOemCharset);
}

void TCustomUNIComboBox::KeyPress(char& key) {
    if (key == '\b') {
        if (OnKeyPress()) OnKeyPress()(this, key);
        return;
    }
    TCustomComboBox::KeyPress(key);
}

void TCustomUNIComboBox::WndProc(TMessage& message) {
    if (message.Msg == WM_CHAR) DoEditCharMsg(message);
    TCustomComboBox::WndProc(message);
}

TBQGUniCustomCombo::TBQGUniCustomCombo(TComponent* owner) : TCustomUNIComboBox(owner), TFlatComboLook(this, true) {}

void TBQGUniCustomCombo::CreateWnd() {
    TCustomUNIComboBox::CreateWnd();
    WindowCreated();
}

void TBQGUniCustomCombo::WndProc(TMessage& message) {
    LookMessage(message, [this](TMessage& m) { TCustomUNIComboBox::WndProc(m); });
}
