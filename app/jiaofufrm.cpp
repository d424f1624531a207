// The delivery search window.
#include "app/jiaofufrm.h"

#include "app/delivery.h"
#include "app/dm1frm.h"
#include "app/jiaofucaozuofrm.h"
#include "app/rowfields.h"
#include "datagrid/DBGridVyn.h"
#include "platform/data/field.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(Tjiaofu);

void Tjiaofu::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

void Tjiaofu::FormShow(TObject*) {
    for (TEdit* filter : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) filter->Clear();
    BitBtn1->Click();
}

void Tjiaofu::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tjiaofu::BitBtn1Click(TObject*) {
    SearchDeliverable(*DM1, {Edit1->Text(), Edit2->Text(), Edit3->Text(), Edit4->Text(), Edit5->Text(),
                             Edit6->Text()});
}

void Tjiaofu::BitBtn2Click(TObject*) { Close(); }

void Tjiaofu::DBGridVyn1DblClick(TObject*) { OpenDeliveryDialog(); }

void Tjiaofu::OpenDeliveryDialog() {
    TDataSet* orders = DM1->ADOQuery3;
    if (orders->Eof()) return;
    Tjiafucaozuo* d = jiafucaozuo;
    CopyRowToEdits(orders, {{d->Edit2, "串码"},     {d->Edit3, "品牌"},     {d->Edit4, "型号"},
                            {d->Edit5, "配件"},     {d->Edit6, "颜色"},     {d->Edit7, "厂家"},
                            {d->Edit8, "价格"},     {d->Edit9, "顾客姓名"}, {d->Edit10, "电话"},
                            {d->Edit11, "故障现象"}, {d->Edit12, "处理意见"}, {d->Edit13, "接待日期"},
                            {d->Edit14, "接待备注"}, {d->Edit15, "返厂日期"}, {d->Edit16, "返厂备注"},
                            {d->Edit17, "返回日期"}, {d->Edit18, "返回备注"}});
    d->CheckBox1->SetChecked(orders->FieldByName("已换机")->AsBoolean());
    CopyRowToEdits(orders, {{d->Edit19, "新串码"},
                            {d->Edit1, "新品牌"},
                            {d->Edit20, "新型号"},
                            {d->Edit21, "新配件"},
                            {d->Edit22, "新颜色"},
                            {d->Edit23, "新价格"}});
    d->ShowModal();
}

void Tjiaofu::Published(TPublished<Tjiaofu>& p) {
    p.Field("GroupBox1", &Tjiaofu::GroupBox1);
    p.Field("Edit1", &Tjiaofu::Edit1);
    p.Field("Edit2", &Tjiaofu::Edit2);
    p.Field("Edit3", &Tjiaofu::Edit3);
    p.Field("Edit4", &Tjiaofu::Edit4);
    p.Field("Edit5", &Tjiaofu::Edit5);
    p.Field("Edit6", &Tjiaofu::Edit6);
    p.Field("BitBtn1", &Tjiaofu::BitBtn1);
    p.Field("BitBtn2", &Tjiaofu::BitBtn2);
    p.Field("GroupBox3", &Tjiaofu::GroupBox3);
    p.Field("DBGridVyn1", &Tjiaofu::DBGridVyn1);
    p.Method("FormCreate", &Tjiaofu::FormCreate);
    p.Method("FormShow", &Tjiaofu::FormShow);
    p.Method("FormClose", &Tjiaofu::FormClose);
    p.Method("BitBtn1Click", &Tjiaofu::BitBtn1Click);
    p.Method("BitBtn2Click", &Tjiaofu::BitBtn2Click);
    p.Method("DBGridVyn1DblClick", &Tjiaofu::DBGridVyn1DblClick);
}
