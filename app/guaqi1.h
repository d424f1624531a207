// Tguaqi: the lock window. The operator leaves the program locked with the
// password typed at login and wakes it with the same password; while
// locked the window has no way to be closed.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

class Tguaqi : public TForm {
    SERVIORA_CLASS(Tguaqi, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;

    // Between a right password at 离开 and a right one at 唤醒.
    bool Locked() const { return locked_; }

    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);

private:
    // Edit1 holds the password typed at login (exact); complains otherwise.
    bool PasswordAccepted();

    bool locked_ = false;
};
