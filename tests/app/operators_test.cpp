// The operator statements against a fresh database: the list, the name and
// password look-ups, the password change and the grant test, with text
// values that would break an unquoted statement.
#include <gtest/gtest.h>

#include <memory>

#include "app/dm1frm.h"
#include "app/operators.h"
#include "app/statements.h"
#include "platform/rtl/codepage.h"
#include "support/temp_dir.h"
#include "tools/createdb/create_database.h"

namespace {

class OperatorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const AnsiString file = dir_.file("database.mdb");
        serviora::CreateApplicationDatabase(AnsiToUtf8(file));
        dm_.reset(TDM1::Create(nullptr));
        dm_->ADOConnection1->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file);
        dm_->ADOConnection1->SetConnected(true);
        query_ = dm_->ADOall;
    }

    void Execute(const AnsiString& statement) { RunStatement(query_, statement); }

    TempDir dir_;
    std::unique_ptr<TDM1> dm_;
    TADOQuery* query_ = nullptr;
};

TEST_F(OperatorsTest, ReadsIdsAndPasswordsInStep) {
    Execute("insert into 操作员([操作员],[姓名],[密码]) values('0002','张三','Abc')");
    Execute("insert into 操作员([操作员],[姓名]) values('0003','李四')");
    TStringList ids, passwords;
    ids.Add("stale");
    ReadOperators(query_, &ids, &passwords);
    ASSERT_EQ(ids.Count(), 3);
    ASSERT_EQ(passwords.Count(), 3);
    EXPECT_EQ(ids.Strings(0), "0001");
    EXPECT_EQ(ids.Strings(1), "0002");
    EXPECT_EQ(passwords.Strings(1), "Abc");
    EXPECT_EQ(passwords.Strings(2), "") << "a null password reads as empty";
    EXPECT_FALSE(query_->Active());
}

TEST_F(OperatorsTest, LooksUpNamesAndPasswordsByIdWithQuotesKept) {
    Execute("insert into 操作员([操作员],[姓名],[密码]) values('O''Neil','奥尼尔','x''y')");
    EXPECT_EQ(OperatorName(query_, "0001"), "系统管理员");
    EXPECT_EQ(OperatorName(query_, "O'Neil"), "奥尼尔");
    EXPECT_EQ(OperatorPassword(query_, "O'Neil"), "x'y");
    EXPECT_EQ(OperatorName(query_, "9999"), "");
    EXPECT_EQ(OperatorName(query_, "' or ''='"), "") << "the id is a value, never part of the statement";
}

TEST_F(OperatorsTest, ChangesOnlyTheGivenOperatorsPassword) {
    Execute("insert into 操作员([操作员],[姓名],[密码]) values('0002','张三','old')");
    SetOperatorPassword(query_, "0002", "新'密码");
    EXPECT_EQ(OperatorPassword(query_, "0002"), "新'密码");
    EXPECT_EQ(OperatorPassword(query_, "0001"), "");
}

TEST_F(OperatorsTest, GrantsArePerOperatorAndPermission) {
    Execute("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('1','0002','售后接待')");
    Execute("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('2','0002','备用手机使用情况（返还）')");
    Execute("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values(null,'0002','提醒')");
    EXPECT_TRUE(OperatorHoldsPermission(query_, "0002", "售后接待"));
    EXPECT_TRUE(OperatorHoldsPermission(query_, "0002", "备用手机使用情况（返还）"));
    EXPECT_FALSE(OperatorHoldsPermission(query_, "0002", "提醒")) << "a grant without xuhao counts as none";
    EXPECT_FALSE(OperatorHoldsPermission(query_, "0002", "报表查询"));
    EXPECT_FALSE(OperatorHoldsPermission(query_, "0003", "售后接待"));
    EXPECT_FALSE(OperatorHoldsPermission(query_, "0002' or ''='", "售后接待"));
}

}  // namespace
