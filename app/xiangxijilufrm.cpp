// The service history window.
#include "app/xiangxijilufrm.h"

#include "app/dm1frm.h"
#include "app/gridexport.h"
#include "app/serviceorders.h"
#include "datagrid/DBGridVyn.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"

SERVIORA_REGISTER_CLASS(Txiangxijilu);

void Txiangxijilu::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

// Every order is listed at first.
void Txiangxijilu::FormShow(TObject*) {
    Edit1->Clear();
    DateTimePicker1->SetDate(Date());
    DateTimePicker2->SetDate(Date());
    DM1->ADOQuery4->Close();
    RadioGroup1->SetItemIndex(hsAll);
    RadioGroup2->SetItemIndex(hdAll);
    BitBtn2->Click();
}

void Txiangxijilu::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Txiangxijilu::BitBtn2Click(TObject*) {
    OpenHistory(DM1->ADOQuery4, static_cast<THistoryState>(RadioGroup1->ItemIndex()),
                static_cast<THistoryDate>(RadioGroup2->ItemIndex()), DateTimePicker1->Date(), DateTimePicker2->Date());
}

void Txiangxijilu::Edit1Change(TObject*) { OpenHistoryByImei(DM1->ADOQuery4, Edit1->Text()); }

void Txiangxijilu::BitBtn3Click(TObject*) { Close(); }

void Txiangxijilu::BitBtn6Click(TObject*) { ExportListToFile(DM1->ADOQuery4, DBGridVyn1, SaveDialog1); }

void Txiangxijilu::Published(TPublished<Txiangxijilu>& p) {
    p.Field("GroupBox3", &Txiangxijilu::GroupBox3);
    p.Field("DateTimePicker1", &Txiangxijilu::DateTimePicker1);
    p.Field("DateTimePicker2", &Txiangxijilu::DateTimePicker2);
    p.Field("RadioGroup2", &Txiangxijilu::RadioGroup2);
    p.Field("RadioGroup1", &Txiangxijilu::RadioGroup1);
    p.Field("GroupBox2", &Txiangxijilu::GroupBox2);
    p.Field("Edit1", &Txiangxijilu::Edit1);
    p.Field("BitBtn2", &Txiangxijilu::BitBtn2);
    p.Field("BitBtn6", &Txiangxijilu::BitBtn6);
    p.Field("BitBtn3", &Txiangxijilu::BitBtn3);
    p.Field("GroupBox1", &Txiangxijilu::GroupBox1);
    p.Field("DBGridVyn1", &Txiangxijilu::DBGridVyn1);
    p.Field("SaveDialog1", &Txiangxijilu::SaveDialog1);
    p.Method("FormCreate", &Txiangxijilu::FormCreate);
    p.Method("FormShow", &Txiangxijilu::FormShow);
    p.Method("FormClose", &Txiangxijilu::FormClose);
    p.Method("BitBtn2Click", &Txiangxijilu::BitBtn2Click);
    p.Method("Edit1Change", &Txiangxijilu::Edit1Change);
    p.Method("BitBtn3Click", &Txiangxijilu::BitBtn3Click);
    p.Method("BitBtn6Click", &Txiangxijilu::BitBtn6Click);
}
