// TCustomEdit and TEdit: the class library's edit over the platform's
// "Edit" window class. Positions and MaxLength count bytes and never split
// a character; OnChange fires on every change of the text.
#pragma once

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
