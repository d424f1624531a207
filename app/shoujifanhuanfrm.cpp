// The loan list.
#include "app/shoujifanhuanfrm.h"

#include "app/dm1frm.h"
#include "app/gridexport.h"
#include "app/rowfields.h"
#include "app/shoujifanhuancaozuofrm.h"
#include "app/sparephones.h"
#include "datagrid/DBGridVyn.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"

SERVIORA_REGISTER_CLASS(Tshoujifanhuan);

void Tshoujifanhuan::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

// Every loan is listed at first.
void Tshoujifanhuan::FormShow(TObject*) {
    DateTimePicker1->SetDate(Date());
    DateTimePicker2->SetDate(Date());
    CheckBox1->SetChecked(true);
    RadioGroup1->SetItemIndex(lsAll);
    Edit7->Clear();
    BitBtn2->Click();
}

void Tshoujifanhuan::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tshoujifanhuan::BitBtn2Click(TObject*) {
    OpenLoans(DM1->ADOQuery10, static_cast<TLoanState>(RadioGroup1->ItemIndex()), CheckBox1->Checked(),
              DateTimePicker1->Date(), DateTimePicker2->Date());
}

void Tshoujifanhuan::Edit7Change(TObject*) { OpenLoansBySpareImei(DM1->ADOQuery10, Edit7->Text()); }

void Tshoujifanhuan::DBGridVyn1DblClick(TObject*) {
    TDataSet* loans = DM1->ADOQuery10;
    if (loans->Eof()) return;
    if (loans->FieldByName("已返还")->AsBoolean()) {
        MessageBox(GetActiveWindow(), "该条记录中使用的备用手机已经返还完毕！", "提示", MB_ICONERROR);
        return;
    }
    Tshoujifanhuancaozuo* d = shoujifanhuancaozuo;
    CopyRowToEdits(loans, {{d->Edit1, "顾客"},
                           {d->Edit2, "故障机串码"},
                           {d->Edit3, "故障机型号"},
                           {d->Edit4, "说明"},
                           {d->Edit5, "领用日期"},
                           {d->Edit6, "备用机串码"},
                           {d->Edit7, "备用机品牌"},
                           {d->Edit8, "备用机型号"},
                           {d->Edit9, "备用机颜色"},
                           {d->Edit10, "备用机配件"}});
    d->ShowModal();
}

void Tshoujifanhuan::BitBtn3Click(TObject*) { Close(); }

void Tshoujifanhuan::BitBtn6Click(TObject*) { ExportListToFile(DM1->ADOQuery10, DBGridVyn1, SaveDialog1); }

void Tshoujifanhuan::Published(TPublished<Tshoujifanhuan>& p) {
    p.Field("DateTimePicker1", &Tshoujifanhuan::DateTimePicker1);
    p.Field("DateTimePicker2", &Tshoujifanhuan::DateTimePicker2);
    p.Field("RadioGroup1", &Tshoujifanhuan::RadioGroup1);
    p.Field("CheckBox1", &Tshoujifanhuan::CheckBox1);
    p.Field("BitBtn2", &Tshoujifanhuan::BitBtn2);
    p.Field("BitBtn6", &Tshoujifanhuan::BitBtn6);
    p.Field("BitBtn3", &Tshoujifanhuan::BitBtn3);
    p.Field("Edit7", &Tshoujifanhuan::Edit7);
    p.Field("DBGridVyn1", &Tshoujifanhuan::DBGridVyn1);
    p.Field("SaveDialog1", &Tshoujifanhuan::SaveDialog1);
    p.Method("FormCreate", &Tshoujifanhuan::FormCreate);
    p.Method("FormShow", &Tshoujifanhuan::FormShow);
    p.Method("FormClose", &Tshoujifanhuan::FormClose);
    p.Method("BitBtn2Click", &Tshoujifanhuan::BitBtn2Click);
    p.Method("Edit7Change", &Tshoujifanhuan::Edit7Change);
    p.Method("DBGridVyn1DblClick", &Tshoujifanhuan::DBGridVyn1DblClick);
    p.Method("BitBtn3Click", &Tshoujifanhuan::BitBtn3Click);
    p.Method("BitBtn6Click", &Tshoujifanhuan::BitBtn6Click);
}
