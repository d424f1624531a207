// The login window's buttons.
#include "app/login.h"

#include "platform/rtl/classregistry.h"

Tloginform* loginform = nullptr;

SERVIORA_REGISTER_CLASS(Tloginform);

void Tloginform::button1Click(TObject*) { SetModalResult(mrOk); }

void Tloginform::button2Click(TObject*) { SetModalResult(mrCancel); }

void Tloginform::Published(TPublished<Tloginform>& p) {
    p.Field("VxGroupBox1", &Tloginform::VxGroupBox1);
    p.Field("Label1", &Tloginform::Label1);
    p.Field("Label2", &Tloginform::Label2);
    p.Field("Label3", &Tloginform::Label3);
    p.Field("Label4", &Tloginform::Label4);
    p.Field("button1", &Tloginform::button1);
    p.Field("button2", &Tloginform::button2);
    p.Method("button1Click", &Tloginform::button1Click);
    p.Method("button2Click", &Tloginform::button2Click);
}
