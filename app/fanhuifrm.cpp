// The list of the phones at the factory.
#include "app/fanhuifrm.h"

#include "app/dm1frm.h"
#include "app/factoryreturn.h"
#include "app/fanhuicaozuofrm.h"
#include "app/rowfields.h"
#include "datagrid/DBGridVyn.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(Tfanhui);

void Tfanhui::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

void Tfanhui::FormShow(TObject*) { ListOrdersAtFactory(*DM1); }

void Tfanhui::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tfanhui::DBGridVyn1DblClick(TObject*) { OpenReturnDialog(); }

void Tfanhui::OpenReturnDialog() {
    TDataSet* orders = DM1->ADOQuery2;
    if (orders->Eof()) return;
    Tfanhuicaozuo* d = fanhuicaozuo;
    CopyRowToEdits(orders, {{d->Edit2, "串码"},
                            {d->Edit3, "品牌"},
                            {d->Edit4, "型号"},
                            {d->Edit5, "配件"},
                            {d->Edit6, "颜色"},
                            {d->Edit7, "厂家"},
                            {d->Edit8, "价格"},
                            {d->Edit9, "顾客姓名"},
                            {d->Edit10, "电话"},
                            {d->Edit11, "故障现象"},
                            {d->Edit12, "处理意见"},
                            {d->Edit13, "接待备注"},
                            {d->Edit14, "返厂日期"},
                            {d->Edit15, "返厂备注"},
                            {d->Edit1, "接待日期"}});
    d->ShowModal();
}

void Tfanhui::Published(TPublished<Tfanhui>& p) {
    p.Field("GroupBox3", &Tfanhui::GroupBox3);
    p.Field("DBGridVyn1", &Tfanhui::DBGridVyn1);
    p.Method("FormCreate", &Tfanhui::FormCreate);
    p.Method("FormShow", &Tfanhui::FormShow);
    p.Method("FormClose", &Tfanhui::FormClose);
    p.Method("DBGridVyn1DblClick", &Tfanhui::DBGridVyn1DblClick);
}
