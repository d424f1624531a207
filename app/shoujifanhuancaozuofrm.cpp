// The return dialog of a spare phone.
#include "app/shoujifanhuancaozuofrm.h"

#include "app/dm1frm.h"
#include "app/enterchain.h"
#include "app/sparephones.h"
#include "app/transaction.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"

Tshoujifanhuancaozuo* shoujifanhuancaozuo = nullptr;

SERVIORA_REGISTER_CLASS(Tshoujifanhuancaozuo);

Tshoujifanhuancaozuo::~Tshoujifanhuancaozuo() {
    if (shoujifanhuancaozuo == this) shoujifanhuancaozuo = nullptr;
}

void Tshoujifanhuancaozuo::FormShow(TObject*) {
    Edit11->Clear();
    DateTimePicker1->SetDate(Date());
    DateTimePicker1->SetFocus();
}

void Tshoujifanhuancaozuo::InputKeyDown(TObject* Sender, Word& Key, TShiftState) {
    MoveOnEnter(Sender, Key, {DateTimePicker1, Edit11, BitBtn1});
}

void Tshoujifanhuancaozuo::BitBtn1Click(TObject*) {
    TADOQuery* loans = DM1->ADOQuery10;
    const int loan = loans->RecNo();
    const bool returned = RunInTransaction(DM1->ADOConnection1, [&] {
        loans->Edit();
        loans->FieldByName("已返还")->SetAsBoolean(true);
        loans->FieldByName("返还日期")->SetAsDateTime(DateTimePicker1->Date());
        loans->FieldByName("返还说明")->SetAsString(Edit11->Text());
        loans->Post();
        MarkSpareReturned(DM1->ADOall, Edit6->Text());
    });
    // Read again either way: after a rollback the list shows the loan open,
    // with the cursor back on it for another try.
    loans->Close();
    loans->Open();
    if (!returned) {
        loans->SetRecNo(loan);
        return;
    }
    MessageBox(Handle(), "备用手机返还操作成功！", "提示", MB_ICONINFORMATION);
    Close();
}

void Tshoujifanhuancaozuo::BitBtn4Click(TObject*) { Close(); }

void Tshoujifanhuancaozuo::Published(TPublished<Tshoujifanhuancaozuo>& p) {
    p.Field("Edit1", &Tshoujifanhuancaozuo::Edit1);
    p.Field("Edit2", &Tshoujifanhuancaozuo::Edit2);
    p.Field("Edit3", &Tshoujifanhuancaozuo::Edit3);
    p.Field("Edit4", &Tshoujifanhuancaozuo::Edit4);
    p.Field("Edit5", &Tshoujifanhuancaozuo::Edit5);
    p.Field("Edit6", &Tshoujifanhuancaozuo::Edit6);
    p.Field("Edit7", &Tshoujifanhuancaozuo::Edit7);
    p.Field("Edit8", &Tshoujifanhuancaozuo::Edit8);
    p.Field("Edit9", &Tshoujifanhuancaozuo::Edit9);
    p.Field("Edit10", &Tshoujifanhuancaozuo::Edit10);
    p.Field("DateTimePicker1", &Tshoujifanhuancaozuo::DateTimePicker1);
    p.Field("Edit11", &Tshoujifanhuancaozuo::Edit11);
    p.Field("BitBtn1", &Tshoujifanhuancaozuo::BitBtn1);
    p.Field("BitBtn4", &Tshoujifanhuancaozuo::BitBtn4);
    p.Method("FormShow", &Tshoujifanhuancaozuo::FormShow);
    p.Method("DateTimePicker1KeyDown", &Tshoujifanhuancaozuo::InputKeyDown);
    p.Method("Edit11KeyDown", &Tshoujifanhuancaozuo::InputKeyDown);
    p.Method("BitBtn1Click", &Tshoujifanhuancaozuo::BitBtn1Click);
    p.Method("BitBtn4Click", &Tshoujifanhuancaozuo::BitBtn4Click);
}
