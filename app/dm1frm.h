// TDM1: the data module every window reaches the database through — the
// one connection, the two scratch queries and the list queries with their
// data sources. Built from dm1frm.dfm; it has no code of its own.
#pragma once

#include "platform/data/ado.h"
#include "platform/data/datasource.h"
#include "platform/rtl/datamodule.h"

class TDM1 : public TDataModule {
    SERVIORA_CLASS(TDM1, TDataModule)
    SERVIORA_PUBLISHED
public:
    using TDataModule::TDataModule;

    TADOConnection* ADOConnection1 = nullptr;
    TADOQuery* ADOall = nullptr;
    TADOQuery* ADO123 = nullptr;
    TADOQuery* ADOQuery1 = nullptr;
    TADOQuery* ADOQuery2 = nullptr;
    TADOQuery* ADOQuery3 = nullptr;
    TADOQuery* ADOQuery4 = nullptr;
    TADOQuery* ADOQuery5 = nullptr;
    TADOQuery* ADOQuery6 = nullptr;
    TADOQuery* ADOQuery7 = nullptr;
    TADOQuery* ADOQuery8 = nullptr;
    TADOQuery* ADOQuery9 = nullptr;
    TADOQuery* ADOQuery10 = nullptr;
    TADOQuery* ADOQuery11 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TDataSource* DataSource2 = nullptr;
    TDataSource* DataSource3 = nullptr;
    TDataSource* DataSource4 = nullptr;
    TDataSource* DataSource5 = nullptr;
    TDataSource* DataSource6 = nullptr;
    TDataSource* DataSource7 = nullptr;
    TDataSource* DataSource8 = nullptr;
    TDataSource* DataSource9 = nullptr;
    TDataSource* DataSource10 = nullptr;
};

// The program's one data module, created first at start-up.
extern TDM1* DM1;
