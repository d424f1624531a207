// Tloginform: the login window. Shown modally once while the main window
// is created, it checks an operator's password, shows who is logged in and
// enables the menu items the operator's grants allow; it then stays alive,
// hidden, holding the operator's id and the password typed at login.
#pragma once

#include <memory>

#include "platform/rtl/stringlist.h"
#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "styled/VxPanel.h"

class Tloginform : public TForm {
    SERVIORA_CLASS(Tloginform, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TVxGroupBox* VxGroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* cbusername = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* edtpassword = nullptr;
    TBitBtn* button1 = nullptr;
    TBitBtn* button2 = nullptr;

    // The logged-in operator's id, written into every operator column;
    // empty until the login succeeds.
    AnsiString CurrentOperatorId;
    // The password typed at the successful login; the lock compares with it.
    AnsiString LoginPassword;
    // The stored passwords, one per item of the operator combo.
    const std::unique_ptr<TStringList> PasswordList = std::make_unique<TStringList>();
    // Wrong passwords so far in this run.
    int FailedLogins = 0;

    // Fills the combo and PasswordList from 操作员, selects the first
    // operator and empties the password.
    void LoadOperators();

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void cbusernameChange(TObject* Sender);
    void cbusernameExit(TObject* Sender);
    void edtpasswordKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);

private:
    // The selected operator's index, -1 when the combo's text is not the
    // selected item (typed over, or nothing selected).
    int SelectedOperator();
    void ShowNameOfTypedOperator();
    void RefuseUnknownOperator();
    void EnableGrantedMenuItems();
};

extern Tloginform* loginform;
