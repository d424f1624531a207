// The delivery dialog.
#include "app/jiaofucaozuofrm.h"

#include "app/delivery.h"
#include "app/dm1frm.h"
#include "app/enterchain.h"
#include "app/login.h"
#include "platform/rtl/classregistry.h"

Tjiafucaozuo* jiafucaozuo = nullptr;

SERVIORA_REGISTER_CLASS(Tjiafucaozuo);

Tjiafucaozuo::~Tjiafucaozuo() {
    if (jiafucaozuo == this) jiafucaozuo = nullptr;
}

void Tjiafucaozuo::FormShow(TObject*) {
    Edit24->SetFocus();
    Edit24->Clear();
}

void Tjiafucaozuo::Edit24KeyDown(TObject* Sender, Word& Key, TShiftState) { MoveOnEnter(Sender, Key, {Edit24, BitBtn1}); }

// A rejected statement leaves the dialog open.
void Tjiafucaozuo::BitBtn1Click(TObject*) {
    DeliverCurrentOrder(*DM1, Edit24->Text(), loginform->CurrentOperatorId);
    Close();
}

void Tjiafucaozuo::BitBtn4Click(TObject*) { Close(); }

void Tjiafucaozuo::Published(TPublished<Tjiafucaozuo>& p) {
    p.Field("Edit1", &Tjiafucaozuo::Edit1);
    p.Field("Edit2", &Tjiafucaozuo::Edit2);
    p.Field("Edit3", &Tjiafucaozuo::Edit3);
    p.Field("Edit4", &Tjiafucaozuo::Edit4);
    p.Field("Edit5", &Tjiafucaozuo::Edit5);
    p.Field("Edit6", &Tjiafucaozuo::Edit6);
    p.Field("Edit7", &Tjiafucaozuo::Edit7);
    p.Field("Edit8", &Tjiafucaozuo::Edit8);
    p.Field("Edit9", &Tjiafucaozuo::Edit9);
    p.Field("Edit10", &Tjiafucaozuo::Edit10);
    p.Field("Edit11", &Tjiafucaozuo::Edit11);
    p.Field("Edit12", &Tjiafucaozuo::Edit12);
    p.Field("Edit13", &Tjiafucaozuo::Edit13);
    p.Field("Edit14", &Tjiafucaozuo::Edit14);
    p.Field("Edit15", &Tjiafucaozuo::Edit15);
    p.Field("Edit16", &Tjiafucaozuo::Edit16);
    p.Field("Edit17", &Tjiafucaozuo::Edit17);
    p.Field("Edit18", &Tjiafucaozuo::Edit18);
    p.Field("CheckBox1", &Tjiafucaozuo::CheckBox1);
    p.Field("Edit19", &Tjiafucaozuo::Edit19);
    p.Field("Edit20", &Tjiafucaozuo::Edit20);
    p.Field("Edit21", &Tjiafucaozuo::Edit21);
    p.Field("Edit22", &Tjiafucaozuo::Edit22);
    p.Field("Edit23", &Tjiafucaozuo::Edit23);
    p.Field("Edit24", &Tjiafucaozuo::Edit24);
    p.Field("BitBtn1", &Tjiafucaozuo::BitBtn1);
    p.Field("BitBtn4", &Tjiafucaozuo::BitBtn4);
    p.Method("FormShow", &Tjiafucaozuo::FormShow);
    p.Method("Edit24KeyDown", &Tjiafucaozuo::Edit24KeyDown);
    p.Method("BitBtn1Click", &Tjiafucaozuo::BitBtn1Click);
    p.Method("BitBtn4Click", &Tjiafucaozuo::BitBtn4Click);
}
