// The common dialogs' base and their window.
#include "platform/ui/commondialog.h"

#include "platform/ui/stdctrls.h"

void TCommonDialog::Published(TPublished<TCommonDialog>& p) {
    p.Property("Ctl3D", &TCommonDialog::Ctl3D, &TCommonDialog::SetCtl3D).Default(true);
    p.Property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0);
}

int TCommonDialog::ShowDialogForm(TForm* form) {
    struct Showing {
        TCommonDialog* dialog;
        ~Showing() { dialog->form_ = nullptr; }
    } showing{this};
    form_ = form;
    return form->ShowModal();
}

TDialogForm::TDialogForm(TComponent* owner, const AnsiString& caption, int clientWidth, int clientHeight,
                         AnsiString windowClass)
    : TForm(owner, 0), windowClass_(std::move(windowClass)) {
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption(caption);
    if (clientWidth > 0) SetClientWidthProperty(clientWidth);
    if (clientHeight > 0) SetClientHeightProperty(clientHeight);
}

TButton* TDialogForm::AddButton(int left, int top, const AnsiString& caption, TModalResult modalResult) {
    TButton* button = Add<TButton>(left, top, 75, 23, caption);
    button->SetModalResult(modalResult);
    button->SetDefault(modalResult == mrOk);
    button->SetCancel(modalResult == mrCancel);
    return button;
}

void TDialogForm::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.WinClassName = windowClass_;
}
