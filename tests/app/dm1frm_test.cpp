// The data module built from its description against a temporary database.
#include <gtest/gtest.h>

#include <memory>

#include "app/dm1frm.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/fileutils.h"
#include "support/temp_dir.h"
#include "tools/createdb/create_database.h"

namespace {

class DM1Test : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = dir_.file("database.mdb");
        serviora::CreateApplicationDatabase(AnsiToUtf8(file_));
        module_.reset(TDM1::Create(nullptr));
    }

    TempDir dir_;
    AnsiString file_;
    std::unique_ptr<TDM1> module_;
};

TEST_F(DM1Test, DescriptionHoldsTheConnectionQueriesAndSourcesUnderTheirNames) {
    TDM1& dm = *module_;
    ASSERT_NE(dm.ADOConnection1, nullptr);
    EXPECT_EQ(dm.Name(), "DM1");
    EXPECT_FALSE(dm.ADOConnection1->Connected()) << "stored unconnected; the main window connects";
    EXPECT_FALSE(dm.ADOConnection1->LoginPrompt());
    EXPECT_EQ(dm.ADOConnection1->Mode(), cmShareDenyNone);
    EXPECT_EQ(dm.ADOConnection1->Provider(), "Microsoft.Jet.OLEDB.4.0");

    TADOQuery* queries[] = {dm.ADOall,     dm.ADO123,    dm.ADOQuery1, dm.ADOQuery2,  dm.ADOQuery3,
                            dm.ADOQuery4,  dm.ADOQuery5, dm.ADOQuery6, dm.ADOQuery7,  dm.ADOQuery8,
                            dm.ADOQuery9,  dm.ADOQuery10, dm.ADOQuery11};
    for (TADOQuery* query : queries) {
        ASSERT_NE(query, nullptr);
        EXPECT_EQ(query->Connection(), dm.ADOConnection1) << query->Name();
        EXPECT_FALSE(query->Active()) << query->Name();
    }
    TDataSource* sources[] = {dm.DataSource1, dm.DataSource2, dm.DataSource3, dm.DataSource4, dm.DataSource5,
                              dm.DataSource6, dm.DataSource7, dm.DataSource8, dm.DataSource9, dm.DataSource10};
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(sources[i], nullptr) << i;
        EXPECT_EQ(sources[i]->DataSet(), queries[i + 2]) << sources[i]->Name();
    }
    EXPECT_EQ(dm.ADOQuery1->SQL()->Strings(0), "select * from 操作员");
    EXPECT_EQ(dm.ADOQuery11->SQL()->Strings(0), "select *  from 流水记录");
    EXPECT_EQ(dm.ADOQuery1->SQL()->Count(), 1);
    EXPECT_EQ(dm.ADOall->SQL()->Count(), 0);
}

TEST_F(DM1Test, QueriesRunOnTheConnectionOnceItIsConnected) {
    TDM1& dm = *module_;
    dm.ADOConnection1->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file_ +
                                           ";Persist Security Info=False;Jet OLEDB:Database Password=mobrenquaystile");
    dm.ADOConnection1->SetConnected(true);
    dm.ADOQuery1->Open();
    EXPECT_EQ(dm.ADOQuery1->FieldByName("操作员")->AsString(), "0001");
    EXPECT_EQ(dm.DataSource1->State(), dsBrowse);

    dm.ADOall->SQL()->Add("insert into 操作员([操作员],[姓名]) values('0002','O''Brien')");
    EXPECT_EQ(dm.ADOall->ExecSQL(), 1);
    dm.ADOQuery1->Close();
    dm.ADOQuery1->Open();
    EXPECT_EQ(dm.ADOQuery1->RecordCount(), 2);
}

TEST_F(DM1Test, ConnectingToAMissingDatabaseFails) {
    module_->ADOConnection1->SetConnectionString("Data Source=" + dir_.file("missing.mdb"));
    EXPECT_THROW(module_->ADOConnection1->SetConnected(true), EDatabaseError);
    EXPECT_FALSE(FileExists(dir_.file("missing.mdb"))) << "never created by connecting";
}

}  // namespace
