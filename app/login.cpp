// The login window: the operator list, the password check with its limit
// of five tries, and the menu gating by the operator's grants.
#include "app/login.h"

#include "app/dm1frm.h"
#include "app/mainfrm.h"
#include "app/operators.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/win/msgqueue.h"

Tloginform* loginform = nullptr;

SERVIORA_REGISTER_CLASS(Tloginform);

namespace {

constexpr int kAllowedWrongPasswords = 4;

}  // namespace

void Tloginform::LoadOperators() {
    ReadOperators(DM1->ADOall, cbusername->Items(), PasswordList.get());
    if (cbusername->Items()->Count() > 0) cbusername->SetItemIndex(0);
    edtpassword->Clear();
}

void Tloginform::FormCreate(TObject*) { FailedLogins = 0; }

void Tloginform::FormShow(TObject*) {
    LoadOperators();
    cbusername->SetFocus();
    ShowNameOfTypedOperator();
}

void Tloginform::ShowNameOfTypedOperator() { Edit1->SetText(OperatorName(DM1->ADOall, cbusername->Text())); }

// Every change of the combo's text, typed or chosen, looks the name up and
// moves on to the password.
void Tloginform::cbusernameChange(TObject*) {
    ShowNameOfTypedOperator();
    edtpassword->SetFocus();
}

void Tloginform::cbusernameExit(TObject*) {
    const int index = cbusername->Items()->IndexOf(cbusername->Text());
    if (index >= 0)
        cbusername->SetItemIndex(index);
    else if (ActiveControl() == edtpassword)
        RefuseUnknownOperator();
}

void Tloginform::RefuseUnknownOperator() {
    MessageBox(Handle(), "不存在的用户！", "提示", MB_ICONERROR);
    cbusername->SetFocus();
    cbusername->SetSelStart(0);
    cbusername->SetSelLength(static_cast<Integer>(cbusername->Text().size()));
}

void Tloginform::edtpasswordKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key == VK_RETURN) button1->Click();
}

int Tloginform::SelectedOperator() {
    const int index = cbusername->ItemIndex();
    if (index < 0 || cbusername->Items()->Strings(index) != cbusername->Text()) return -1;
    return index;
}

void Tloginform::Button1Click(TObject*) {
    const int index = SelectedOperator();
    if (index < 0) {
        RefuseUnknownOperator();
        return;
    }
    // The login ignores the case of ASCII letters; the lock and the
    // password change do not.
    if (!SameText(edtpassword->Text(), PasswordList->Strings(index))) {
        if (++FailedLogins <= kAllowedWrongPasswords) {
            MessageBox(Handle(), "密码错误，请重新输入！", "提示", MB_ICONERROR);
            edtpassword->Clear();
        } else {
            MessageBox(Handle(), "密码错误超过五次，软件将被关闭！", "提示", MB_ICONERROR);
            SetModalResult(mrCancel);
        }
        return;
    }
    CurrentOperatorId = cbusername->Text();
    LoginPassword = edtpassword->Text();
    MAIN->VxStatusPane1->SetCaption("当前用户为:" + CurrentOperatorId);
    EnableGrantedMenuItems();
    SetModalResult(mrOk);
}

void Tloginform::EnableGrantedMenuItems() {
    auto item = [](const TPermissionGate& gate) { return static_cast<TMenuItem*>(MAIN->FindComponent(gate.MenuItem)); };
    for (const TPermissionGate& gate : PermissionGates) item(gate)->SetEnabled(false);
    const bool administrator = CurrentOperatorId == AdministratorId;
    for (const TPermissionGate& gate : PermissionGates)
        if (administrator || OperatorHoldsPermission(DM1->ADOall, CurrentOperatorId, gate.Permission))
            item(gate)->SetEnabled(true);
}

// The posted quit ends the modal login with mrCancel and, with it, the run.
void Tloginform::Button2Click(TObject*) { PostQuitMessage(0); }

void Tloginform::Published(TPublished<Tloginform>& p) {
    p.Field("VxGroupBox1", &Tloginform::VxGroupBox1);
    p.Field("Label1", &Tloginform::Label1);
    p.Field("Label2", &Tloginform::Label2);
    p.Field("Label3", &Tloginform::Label3);
    p.Field("Label4", &Tloginform::Label4);
    p.Field("cbusername", &Tloginform::cbusername);
    p.Field("Edit1", &Tloginform::Edit1);
    p.Field("edtpassword", &Tloginform::edtpassword);
    p.Field("button1", &Tloginform::button1);
    p.Field("button2", &Tloginform::button2);
    p.Method("FormCreate", &Tloginform::FormCreate);
    p.Method("FormShow", &Tloginform::FormShow);
    p.Method("cbusernameChange", &Tloginform::cbusernameChange);
    p.Method("cbusernameExit", &Tloginform::cbusernameExit);
    p.Method("edtpasswordKeyDown", &Tloginform::edtpasswordKeyDown);
    p.Method("Button1Click", &Tloginform::Button1Click);
    p.Method("Button2Click", &Tloginform::Button2Click);
}
