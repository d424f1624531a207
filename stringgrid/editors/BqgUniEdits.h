// The Unicode editors: edit, memo, button edit and combo box whose Text is
// a wide string. The platform's windows are ANSI and its code page holds
// every character, so these are its ordinary windows with the wide text
// converted at the accessors; no wide window class or message trap is
// needed for the text to stay whole.
#pragma once

#include <memory>

#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "stringgrid/editors/BQGEdit.h"
#include "stringgrid/editors/BqgUni.h"
#include "stringgrid/editors/bqgcombo.h"

// The control's text as a wide string, and back; setting the same text
// again tells the control nothing.
WideString GetWideText(TControl* control);
void SetWideText(TControl* control, const WideString& text);

class TCustomUNIEdit : public TCustomEdit {
    SERVIORA_CLASS(TCustomUNIEdit, TCustomEdit)
public:
    explicit TCustomUNIEdit(TComponent* owner);
    WideString Text() const { return GetWideText(const_cast<TCustomUNIEdit*>(this)); }
    void SetText(const WideString& text) { SetWideText(this, text); }
};

class TBqgUniEdit : public TCustomUNIEdit {
    SERVIORA_CLASS(TBqgUniEdit, TCustomUNIEdit)
public:
    using TCustomUNIEdit::TCustomUNIEdit;
};

// A multi-line Unicode edit; Tab and Return go into the text only when
// WantTabs and WantReturns say so (both off).
class TBqgUniCustomMemo : public TCustomMemo {
    SERVIORA_CLASS(TBqgUniCustomMemo, TCustomMemo)
public:
    explicit TBqgUniCustomMemo(TComponent* owner);
    WideString Text() const { return GetWideText(const_cast<TBqgUniCustomMemo*>(this)); }
    void SetText(const WideString& text) { SetWideText(this, text); }
};

// 200 by 100 pixels.
class TBqgUniMemo : public TBqgUniCustomMemo {
    SERVIORA_CLASS(TBqgUniMemo, TBqgUniCustomMemo)
public:
    explicit TBqgUniMemo(TComponent* owner);
};

// The button edit with a wide Text; it starts empty.
class TBqgUniEditBtn : public TBqgEditBtn {
    SERVIORA_CLASS(TBqgUniEditBtn, TBqgEditBtn)
public:
    explicit TBqgUniEditBtn(TComponent* owner);
    WideString Text() const { return GetWideText(const_cast<TBqgUniEditBtn*>(this)); }
    void SetText(const WideString& text) { SetWideText(this, text); }
};

// A combo box whose Items and Text are wide; every character typed into
// its edit part is offered to DoEditCharMsg first.
class TCustomUNIComboBox : public TCustomComboBox {
    SERVIORA_CLASS(TCustomUNIComboBox, TCustomComboBox)
public:
    explicit TCustomUNIComboBox(TComponent* owner);
    // The items as wide strings (the platform's Items holds them).
    TWideStrings* WideItems() const { return items_.get(); }
    void SetWideItems(TWideStrings* v) { items_->Assign(v); }
    WideString Text() const { return GetWideText(const_cast<TCustomUNIComboBox*>(this)); }
    void SetText(const WideString& text) { SetWideText(this, text); }

protected:
    virtual void DoEditCharMsg(TMessage&) {}
    // Backspace only reaches OnKeyPress: no incremental search on it.
    void KeyPress(char& key) override;
    void WndProc(TMessage& message) override;

private:
    std::unique_ptr<TComboBoxStrings> items_;
};

// The flat combo's look on the Unicode combo, in its own variant.
class TBQGUniCustomCombo : public TCustomUNIComboBox, public TFlatComboLook {
    SERVIORA_CLASS(TBQGUniCustomCombo, TCustomUNIComboBox)
public:
    explicit TBQGUniCustomCombo(TComponent* owner);

protected:
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
};

class TBQGUniComboBox : public TBQGUniCustomCombo {
    SERVIORA_CLASS(TBQGUniComboBox, TBQGUniCustomCombo)
public:
    using TBQGUniCustomCombo::TBQGUniCustomCombo;
};
