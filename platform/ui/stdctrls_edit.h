// TCustomEdit, TEdit and TMemo: the class library's edits over the
// platform's "Edit" window class. Positions and MaxLength count bytes and never split
// a character; OnChange fires on every change of the text.
#pragma once

#include <memory>

#include "platform/rtl/stringlist.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

SERVIORA_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
// A control's border: bsNone or bsSingle of the forms' border styles.
using TBorderStyle = TFormBorderStyle;

// Makes a control's window class a copy of the platform class `className`
// (its procedure, extra bytes and cursor), so the platform's procedure
// serves the control as its default handler.
void CreateSubClass(TCreateParams& params, const char* className);

class TCustomEdit : public TWinControl {
    SERVIORA_CLASS(TCustomEdit, TWinControl)
    SERVIORA_PUBLISHED
public:
    explicit TCustomEdit(TComponent* owner);

    Integer MaxLength() const { return maxLength_; }
    void SetMaxLength(Integer v);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Modified() const;
    void SetModified(bool v);

    Integer SelStart();
    void SetSelStart(Integer v);
    Integer SelLength();
    void SetSelLength(Integer v);
    AnsiString SelText();
    void SetSelText(const AnsiString& v);
    // The selection into a caller's buffer of bufSize characters: at most
    // bufSize - 1 of them and a terminating zero; answers the count copied.
    Integer GetSelTextBuf(char* buffer, Integer bufSize);
    void SetSelTextBuf(const char* buffer) { SetSelText(buffer ? buffer : ""); }
    void SelectAll();
    void Clear();
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo();
    void ClearUndo();

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent v) { onChange_ = std::move(v); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    const AnsiString& GetText() const override;
    virtual void Change();
    void CNCommand(TMessage& Message);
    void CMEnter(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CN_COMMAND, CNCommand)
        SERVIORA_MESSAGE(CM_ENTER, CMEnter)
    SERVIORA_MESSAGES_END(TWinControl)

private:
    void Recreate();

    Integer maxLength_ = 0;
    char passwordChar_ = 0;
    bool readOnly_ = false;
    TEditCharCase charCase_ = ecNormal;
    bool autoSelect_ = true;
    bool hideSelection_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool modified_ = false;  // kept while there is no window
    mutable AnsiString shownText_;
    TNotifyEvent onChange_;
};

class TEdit : public TCustomEdit {
    SERVIORA_CLASS(TEdit, TCustomEdit)
public:
    using TCustomEdit::TCustomEdit;
};

SERVIORA_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

// A multi-line edit. Lines reads and writes the text line by line (lines
// end in "\r\n" inside the window); Return and Tab go into the text when
// WantReturns and WantTabs say so.
class TCustomMemo : public TCustomEdit {
    SERVIORA_CLASS(TCustomMemo, TCustomEdit)
    SERVIORA_PUBLISHED
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() const;
    void SetLines(TStrings* v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

protected:
    void CreateParams(TCreateParams& params) override;
    void WMGetDlgCode(TMessage& Message);
    void WMChar(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_GETDLGCODE, WMGetDlgCode)
        SERVIORA_MESSAGE(WM_CHAR, WMChar)
    SERVIORA_MESSAGES_END(TCustomEdit)

private:
    class MemoLines;
    std::unique_ptr<MemoLines> lines_;
    bool wordWrap_ = true, wantReturns_ = true, wantTabs_ = false;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
};

class TMemo : public TCustomMemo {
    SERVIORA_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
};
