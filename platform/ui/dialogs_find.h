// TFindDialog and TReplaceDialog: the modeless find and replace dialogs,
// the platform's "#32770" windows "查找" and "替换". Execute shows the
// window and comes back at once; its buttons fire OnFind (Find Next, with
// frFindNext set) and OnReplace (Replace with frReplace, Replace All with
// frReplaceAll); Cancel or CloseDialog takes it away.
//
// With the modal responder holding an answer, Execute takes it instead of
// showing the window (kind "FindDialog" or "ReplaceDialog", the question's
// text FindText): the answer's text is FindText (and, after a line break,
// ReplaceText), its result the button pressed: 1 Find Next, 2 Replace,
// 3 Replace All; 0 cancels and Execute answers false.
#pragma once

#include <memory>

#include "platform/ui/commondialog.h"

class TEdit;

SERVIORA_ENUM(TFindOption, frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase,
              frDisableMatchCase, frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord,
              frShowHelp)
using TFindOptions = TSet<TFindOption>;

class TFindDialog : public TCommonDialog {
    SERVIORA_CLASS(TFindDialog, TCommonDialog)
    SERVIORA_PUBLISHED
public:
    explicit TFindDialog(TComponent* owner);
    ~TFindDialog() override;

    bool Execute() override;
    void CloseDialog();

    const AnsiString& FindText() const { return findText_; }
    void SetFindText(const AnsiString& v);
    TFindOptions Options() const { return options_; }
    // Held in 16 bits, as the options always were.
    void SetOptions(TFindOptions v) { options_ = TFindOptions::FromBits(v.Bits() & 0xFFFF); }
    // The window's place on the screen (-1: centred when it first shows).
    int Left() const { return position_.x; }
    void SetLeft(int v) { SetPosition(Point(v, position_.y)); }
    int Top() const { return position_.y; }
    void SetTop(int v) { SetPosition(Point(position_.x, v)); }
    TPoint Position() const { return position_; }
    void SetPosition(const TPoint& v);

    const TNotifyEvent& OnFind() const { return onFind_; }
    void SetOnFind(TNotifyEvent v) { onFind_ = std::move(v); }

protected:
    virtual AnsiString Kind() const { return "FindDialog"; }
    virtual bool Replacing() const { return false; }
    // Takes the texts from the responder's answer.
    virtual void TakeAnsweredText(const AnsiString& text) { findText_ = text; }
    // The texts from the window's edits, and into them.
    virtual void ReadTexts();
    virtual void ShowTexts() { SetFindText(findText_); }
    virtual void DoReplace() {}
    // The edit of that name in the window (nullptr without a window).
    TEdit* WindowEdit(const AnsiString& name) const;

private:
    void Build();
    // A button was pressed (frFindNext, frReplace, frReplaceAll): the
    // window's choices are read, then OnFind or OnReplace fires.
    void Pressed(TFindOption action);
    void ReadOptions();

    AnsiString findText_;
    TFindOptions options_{frDown};
    TPoint position_{-1, -1};
    TNotifyEvent onFind_;
    std::unique_ptr<TDialogForm> form_;
};

class TReplaceDialog : public TFindDialog {
    SERVIORA_CLASS(TReplaceDialog, TFindDialog)
    SERVIORA_PUBLISHED
public:
    using TFindDialog::TFindDialog;

    const AnsiString& ReplaceText() const { return replaceText_; }
    void SetReplaceText(const AnsiString& v);
    const TNotifyEvent& OnReplace() const { return onReplace_; }
    void SetOnReplace(TNotifyEvent v) { onReplace_ = std::move(v); }

protected:
    AnsiString Kind() const override { return "ReplaceDialog"; }
    bool Replacing() const override { return true; }
    void TakeAnsweredText(const AnsiString& text) override;
    void ReadTexts() override;
    void ShowTexts() override;
    void DoReplace() override;

private:
    AnsiString replaceText_;
    TNotifyEvent onReplace_;
};
