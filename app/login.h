// Tloginform: the login window, shown modally while the main window is
// created; it lives to the end of the run. This first version only asks:
// 登陆 answers mrOk, 退出 ends the run. The operator list, the password
// check and the menu gating come with the login's own work.
#pragma once

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
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
    TButton* button1 = nullptr;
    TButton* button2 = nullptr;

    // The logged-in operator's id and the password typed at login; empty
    // until the login checks operators.
    AnsiString CurrentOperatorId;
    AnsiString LoginPassword;

    void button1Click(TObject* Sender);
    void button2Click(TObject* Sender);
};

extern Tloginform* loginform;
