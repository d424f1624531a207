// The password window: old password, new password twice, then the update.
#include "app/xiugaimimafrm.h"

#include "app/dm1frm.h"
#include "app/login.h"
#include "app/operators.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/dialogs.h"

SERVIORA_REGISTER_CLASS(Txiugaimima);

void Txiugaimima::FormCreate(TObject*) {
    SetTop(0);
    SetLeft(330);
}

void Txiugaimima::FormShow(TObject*) {
    Edit1->SetText(loginform->CurrentOperatorId);
    Edit2->Clear();
    Edit3->Clear();
    Edit4->Clear();
}

void Txiugaimima::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

// Both comparisons are exact, unlike the login's. LoginPassword stays as
// typed at login, so the lock keeps waking with the old password. An
// operator whose row is gone (an initialisation since the login) has no
// old password to match: the update changes nothing and is refused so.
void Txiugaimima::BitBtn1Click(TObject*) {
    const auto refuseOldPassword = [this] { MessageBox(Handle(), "旧密码不正确！", "错误！", MB_ICONERROR); };
    if (Edit2->Text() != OperatorPassword(DM1->ADOall, Edit1->Text())) return refuseOldPassword();
    if (Edit3->Text() != Edit4->Text()) {
        MessageBox(Handle(), "两次密码不一致！", "错误！", MB_ICONERROR);
        return;
    }
    if (SetOperatorPassword(DM1->ADOall, Edit1->Text(), Edit4->Text()) == 0) return refuseOldPassword();
    MessageBox(Handle(), "修改成功！", "提示", MB_ICONINFORMATION);
}

void Txiugaimima::BitBtn2Click(TObject*) { Close(); }

void Txiugaimima::Published(TPublished<Txiugaimima>& p) {
    p.Field("GroupBox1", &Txiugaimima::GroupBox1);
    p.Field("Label1", &Txiugaimima::Label1);
    p.Field("Label2", &Txiugaimima::Label2);
    p.Field("Label3", &Txiugaimima::Label3);
    p.Field("Label4", &Txiugaimima::Label4);
    p.Field("Edit1", &Txiugaimima::Edit1);
    p.Field("Edit2", &Txiugaimima::Edit2);
    p.Field("Edit3", &Txiugaimima::Edit3);
    p.Field("Edit4", &Txiugaimima::Edit4);
    p.Field("BitBtn1", &Txiugaimima::BitBtn1);
    p.Field("BitBtn2", &Txiugaimima::BitBtn2);
    p.Method("FormCreate", &Txiugaimima::FormCreate);
    p.Method("FormShow", &Txiugaimima::FormShow);
    p.Method("FormClose", &Txiugaimima::FormClose);
    p.Method("BitBtn1Click", &Txiugaimima::BitBtn1Click);
    p.Method("BitBtn2Click", &Txiugaimima::BitBtn2Click);
}
