// TCommonDialog, the base of the common dialogs, and TDialogForm, the
// window they show: a form of the platform's dialog class "#32770" in the
// classic look, laid out in code.
#pragma once

#include "platform/ui/forms.h"

class TButton;

class TCommonDialog : public TComponent {
    SERVIORA_CLASS(TCommonDialog, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}

    // Shows the dialog (or asks the modal responder); answers whether the
    // user accepted it.
    virtual bool Execute() = 0;
    // The dialog's window while it shows; 0 otherwise.
    HWND Handle() const { return form_ && form_->HandleAllocated() ? form_->Handle() : 0; }
    // The platform draws every dialog in one look; kept for its callers.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v) { ctl3D_ = v; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int v) { helpContext_ = v; }

protected:
    // Shows the form modally as the dialog's window; answers its modal result.
    int ShowDialogForm(TForm* form);
    // A modeless window of the dialog (nullptr when none shows).
    void SetShowingForm(TForm* form) { form_ = form; }

private:
    TForm* form_ = nullptr;
    bool ctl3D_ = true;
    int helpContext_ = 0;
};

class TDialogForm : public TForm {
    SERVIORA_CLASS(TDialogForm, TForm)
public:
    // A fixed-size dialog of `clientWidth` × `clientHeight` (0: sized by
    // the caller) without the description a form class would read.
    TDialogForm(TComponent* owner, const AnsiString& caption, int clientWidth, int clientHeight,
                AnsiString windowClass = "#32770");

    // A control of the dialog at the given bounds, with its caption, on the
    // dialog or inside `parent` (a group box: a label must be inside to
    // show above it).
    template <class T>
    T* Add(int left, int top, int width, int height, const AnsiString& caption = {}, TWinControl* parent = nullptr) {
        T* control = T::Create(this);
        control->SetParent(parent ? parent : this);
        control->SetBounds(left, top, width, height);
        if (!caption.empty()) control->SetCaption(caption);
        return control;
    }
    // A push button answering `modalResult` (mrNone: it only fires OnClick).
    TButton* AddButton(int left, int top, const AnsiString& caption, TModalResult modalResult);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    AnsiString windowClass_;
};
