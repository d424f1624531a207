// TDM1's published fields, bound by name when its description is read.
#include "app/dm1frm.h"

#include "platform/rtl/classregistry.h"

TDM1* DM1 = nullptr;

SERVIORA_REGISTER_CLASS(TDM1);

void TDM1::Published(TPublished<TDM1>& p) {
    p.Field("ADOConnection1", &TDM1::ADOConnection1);
    p.Field("ADOall", &TDM1::ADOall);
    p.Field("ADO123", &TDM1::ADO123);
    p.Field("ADOQuery1", &TDM1::ADOQuery1);
    p.Field("ADOQuery2", &TDM1::ADOQuery2);
    p.Field("ADOQuery3", &TDM1::ADOQuery3);
    p.Field("ADOQuery4", &TDM1::ADOQuery4);
    p.Field("ADOQuery5", &TDM1::ADOQuery5);
    p.Field("ADOQuery6", &TDM1::ADOQuery6);
    p.Field("ADOQuery7", &TDM1::ADOQuery7);
    p.Field("ADOQuery8", &TDM1::ADOQuery8);
    p.Field("ADOQuery9", &TDM1::ADOQuery9);
    p.Field("ADOQuery10", &TDM1::ADOQuery10);
    p.Field("ADOQuery11", &TDM1::ADOQuery11);
    p.Field("DataSource1", &TDM1::DataSource1);
    p.Field("DataSource2", &TDM1::DataSource2);
    p.Field("DataSource3", &TDM1::DataSource3);
    p.Field("DataSource4", &TDM1::DataSource4);
    p.Field("DataSource5", &TDM1::DataSource5);
    p.Field("DataSource6", &TDM1::DataSource6);
    p.Field("DataSource7", &TDM1::DataSource7);
    p.Field("DataSource8", &TDM1::DataSource8);
    p.Field("DataSource9", &TDM1::DataSource9);
    p.Field("DataSource10", &TDM1::DataSource10);
}
