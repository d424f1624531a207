// The lock window: leave (lock) and wake with the login password.
#include "app/guaqi1.h"

#include "app/login.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/dialogs.h"

SERVIORA_REGISTER_CLASS(Tguaqi);

void Tguaqi::FormShow(TObject*) {
    Edit1->Clear();
    BitBtn3->SetVisible(false);
}

// Locked, the window has no close button; any other way of closing it is
// refused as well.
void Tguaqi::FormCloseQuery(TObject*, bool& CanClose) { CanClose = !locked_; }

bool Tguaqi::PasswordAccepted() {
    if (Edit1->Text() == loginform->LoginPassword) return true;
    MessageBox(Handle(), "对不起，密码错误！", "提示", MB_ICONERROR);
    return false;
}

void Tguaqi::BitBtn1Click(TObject*) {
    if (!PasswordAccepted()) return;
    locked_ = true;
    BitBtn3->SetVisible(true);
    GroupBox1->SetCaption("唤醒系统");
    SetCaption("唤醒系统");
    BitBtn2->SetVisible(false);
    BitBtn1->SetVisible(false);
    Edit1->Clear();
}

void Tguaqi::BitBtn2Click(TObject*) { Close(); }

void Tguaqi::BitBtn3Click(TObject*) {
    if (!PasswordAccepted()) return;
    MessageBox(Handle(), "系统已被成功唤醒！", "提示", MB_ICONINFORMATION);
    locked_ = false;
    Close();
}

void Tguaqi::Published(TPublished<Tguaqi>& p) {
    p.Field("GroupBox1", &Tguaqi::GroupBox1);
    p.Field("Label1", &Tguaqi::Label1);
    p.Field("Edit1", &Tguaqi::Edit1);
    p.Field("BitBtn1", &Tguaqi::BitBtn1);
    p.Field("BitBtn2", &Tguaqi::BitBtn2);
    p.Field("BitBtn3", &Tguaqi::BitBtn3);
    p.Method("FormShow", &Tguaqi::FormShow);
    p.Method("FormCloseQuery", &Tguaqi::FormCloseQuery);
    p.Method("BitBtn1Click", &Tguaqi::BitBtn1Click);
    p.Method("BitBtn2Click", &Tguaqi::BitBtn2Click);
    p.Method("BitBtn3Click", &Tguaqi::BitBtn3Click);
}
