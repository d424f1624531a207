// The application's statement forms, run as the windows write them, on a
// database made from app/schema.sql.
#include <gtest/gtest.h>

#include <filesystem>

#include "database_fixture.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"

TEST_F(DatabaseTest, NewDatabaseHoldsTheAdministratorAndEmptyTables) {
    auto login = Open("Select * from 操作员 where 操作员='0001'");
    ASSERT_EQ(login->RecordCount(), 1);
    EXPECT_EQ(login->FieldByName("姓名")->AsString(), "系统管理员");
    EXPECT_EQ(login->FieldByName("密码")->AsString(), "");
    for (const char* table : {"流水记录", "备用机库", "领用记录", "权限清单"}) EXPECT_EQ(Count(table), 0) << table;
    EXPECT_EQ(Open("select * from 流水记录")->FieldCount(), 35);
}

TEST_F(DatabaseTest, ReceptionInsertTakesTheTableDefaultsAndIsListedForSending) {
    InsertOrder("0000000001", "IMEI-1", "诺基亚", "张三", "2024-05-01", "120.5");
    EXPECT_EQ(Scalar("select max(编号) as 最大编号 from 流水记录"), "0000000001");

    auto order = Open("select * from 流水记录 where 编号 ='0000000001'");
    for (const char* flag : {"已返厂", "已返回", "退货", "已换机", "已交付"}) {
        EXPECT_EQ(order->FieldByName(flag)->DataType(), ftBoolean) << flag;
        EXPECT_TRUE(order->FieldByName(flag)->InheritsFrom(TBooleanField::StaticClass())) << flag;
        EXPECT_FALSE(order->FieldByName(flag)->AsBoolean()) << flag;
    }
    EXPECT_EQ(order->FieldByName("价格")->AsFloat(), 120.5);
    EXPECT_EQ(order->FieldByName("价格")->AsString(), "120.5");
    EXPECT_EQ(order->FieldByName("接待日期")->AsString(), "2024-05-01");
    EXPECT_EQ(order->FieldByName("接待备注")->AsString(), "第一行\r\n第二行");
    EXPECT_EQ(order->FieldByName("返厂日期")->AsString(), "");

    EXPECT_EQ(Open("select * from 流水记录 where 退货=false and 已返厂=false order by 接待日期")->RecordCount(), 1);
    EXPECT_EQ(Open("select * from 流水记录 where (串码 ='imei-1')and (已交付=false)")->RecordCount(), 1)
        << "text equality ignores ASCII case";
}

TEST_F(DatabaseTest, AQuoteInsideACustomerNameIsStoredAsTyped) {
    const AnsiString name = "O'Brien 张'三";
    InsertOrder("0000000001", "IMEI-1", "诺基亚", name, "2024-05-01");
    EXPECT_EQ(Scalar("select 顾客姓名 from 流水记录 where 顾客姓名=" + QuotedStr(name)), name);
    auto found = Open("select * from 流水记录 where (已返回=false)and (顾客姓名 like '%" +
                      StringReplace("'三", "'", "''", rfReplaceAll) + "%')");
    EXPECT_EQ(found->RecordCount(), 1);
}

TEST_F(DatabaseTest, OrderLifeCycleThroughTheWindowsStatements) {
    InsertOrder("0000000001", "IMEI-1", "诺基亚", "张三", "2024-05-01");
    InsertOrder("0000000002", "IMEI-2", "摩托罗拉", "李四", "2024-05-02");
    InsertOrder("0000000003", "IMEI-3", "三星", "王五", "2024-05-03");

    connection_->BeginTrans();
    for (const char* number : {"0000000001", "0000000002", "0000000003"})
        Exec(AnsiString("update 流水记录 set 已返厂=true,返厂日期='2024-05-10',返厂经手人='0001',返厂备注='批' where 编号='") +
             number + "'");
    connection_->CommitTrans();
    EXPECT_EQ(Open("select * from 流水记录 where 退货=false and 已返厂=true and 已返回=false order by 接待日期")
                  ->RecordCount(),
              3);

    Exec("update 流水记录 set 退货=true where 编号='0000000003'");
    auto exchange = std::make_unique<TADOQuery>(nullptr);
    exchange->SetConnection(connection_.get());
    exchange->SQL()->Add("update 流水记录 set 返回日期='2024-05-20',返回经手人='0001',返回备注='换',已返回=true,已换机=true,新串码='N1',新品牌='诺基亚',新型号='X2',");
    exchange->SQL()->Add("新配件='无',新颜色='白',新价格=99 where 编号='0000000001'");
    EXPECT_EQ(exchange->ExecSQL(), 1);
    Exec("update 流水记录 set 返回日期='2024-05-21',返回经手人='0001',返回备注='修好',已返回=true,已换机=false where 编号='0000000002'");

    auto delivery = Open(
        "select * from 流水记录 where (已返回=true)and (已交付=false)and (串码 like '%%')\r\n"
        "and (品牌 like '%诺%')and (型号 like '%%')and \r\n"
        "(颜色 like '%%')and (顾客姓名 like '%%')and (电话 like '%138%')");
    ASSERT_EQ(delivery->RecordCount(), 1);
    EXPECT_TRUE(delivery->FieldByName("已换机")->AsBoolean());
    EXPECT_EQ(delivery->FieldByName("新价格")->AsInteger(), 99);

    Exec("update 流水记录 set 交付日期='2024-05-22',交付经手人='0001',交付备注='',已交付=true where 编号='0000000001'");
    EXPECT_EQ(Open("select * from 流水记录 where (串码 ='IMEI-1')and (已交付=false)")->RecordCount(), 0);

    connection_->BeginTrans();
    Exec("delete from 流水记录 where 编号='0000000002'");
    connection_->CommitTrans();
    EXPECT_EQ(Count("流水记录"), 2);
}

TEST_F(DatabaseTest, DateRangesAndRemindersUseDateLiterals) {
    InsertOrder("0000000001", "A", "B", "C", "2024-04-28");
    InsertOrder("0000000002", "A", "B", "C", "2024-05-01");
    InsertOrder("0000000003", "A", "B", "C", "2024-05-03");
    InsertOrder("0000000004", "A", "B", "C", "2024-05-04");

    // History: state condition and a date range, earliest limit first.
    EXPECT_EQ(Open("select * from 流水记录 where 已返厂=false and(接待日期 between #2024-05-01# and #2024-05-03#) ")
                  ->RecordCount(),
              2);
    EXPECT_EQ(Open("select * from 流水记录 where 接待日期 between #2024-05-01# and #2024-05-04#")->RecordCount(), 3);
    // Reminders: orders received more than three days before 2024-05-04.
    auto reminder = Open(
        "select * from 流水记录 where (已返厂=false)and not(接待日期 between #2024-05-01# and #2024-05-04#)");
    ASSERT_EQ(reminder->RecordCount(), 1);
    EXPECT_EQ(reminder->FieldByName("编号")->AsString(), "0000000001");
    EXPECT_EQ(Open("select * from 流水记录 ")->RecordCount(), 4);
    EXPECT_EQ(Open("select * from 流水记录 where 串码 like '%a%'")->RecordCount(), 4) << "LIKE ignores ASCII case";
}

TEST_F(DatabaseTest, BetweenTakesItsBoundsInEitherOrderAsTheRemindersWriteThem) {
    InsertOrder("0000000001", "A", "B", "C", "2024-04-28");
    InsertOrder("0000000002", "A", "B", "C", "2024-05-03");
    // The reminders write today first and the day three days back second.
    auto reminder = Open("select * from 流水记录 where not(接待日期 between #2024-05-05# and #2024-05-02#)");
    ASSERT_EQ(reminder->RecordCount(), 1);
    EXPECT_EQ(reminder->FieldByName("编号")->AsString(), "0000000001");
    EXPECT_EQ(Open("select * from 流水记录 where 接待日期 between #2024-05-05# and #2024-05-02#")->RecordCount(), 1);
}

TEST_F(DatabaseTest, OperatorsAndGrants) {
    connection_->BeginTrans();
    Exec("insert into 操作员([操作员],[姓名],[密码]) values ('0002','李四','pw')");
    connection_->CommitTrans();
    EXPECT_EQ(Open("select distinct 操作员 from 操作员 where 操作员<>'0001'")->RecordCount(), 1);
    EXPECT_EQ(Scalar("select 密码 from  操作员 where 操作员='0002'"), "pw");
    Exec("update 操作员 set 密码='new' where 操作员='0002' ");
    EXPECT_EQ(Scalar("select 密码 from  操作员 where 操作员='0002'"), "new");

    Exec("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('9','0002','售后接待')");
    Exec("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('10','0002','提醒')");
    // Serial numbers compare as numbers: 10 is the largest.
    EXPECT_EQ(Scalar("select max(xuhao) as maxnum from 权限清单 "), "10");
    EXPECT_EQ(Scalar("select xuhao from 权限清单 where bianhao='0002'and quanxianming='提醒'"), "10");
    EXPECT_EQ(Open("select bianhao from 权限清单 where (bianhao='0002')and(quanxianming='售后接待')")->RecordCount(), 1);
    Exec("delete from 权限清单 where bianhao='0002'");
    EXPECT_EQ(Count("权限清单"), 0);

    // Initialisation leaves exactly the administrator.
    for (const char* sql : {"delete  from 备用机库 ", "delete  from 领用记录 ", "delete  from 流水记录 ",
                            "delete  from 权限清单 ", "delete  from 操作员 "})
        Exec(sql);
    Exec("insert into 操作员([操作员],[姓名])values('0001','系统管理员')");
    auto all = Open("Select * from 操作员");
    ASSERT_EQ(all->RecordCount(), 1);
    EXPECT_EQ(all->FieldByName("密码")->AsString(), "");
    EXPECT_TRUE(all->FieldByName("密码")->IsNull());
}

TEST_F(DatabaseTest, SparePhoneLendingAndReturn) {
    connection_->BeginTrans();
    Exec("insert into 备用机库([串码],[品牌],[型号],[颜色],[配件]) values ('S1','诺基亚','N1','黑','无')");
    connection_->CommitTrans();
    EXPECT_EQ(Open("select 串码,品牌,型号,颜色 from 备用机库 where (品牌 like '%诺%')and (领用=false)")->RecordCount(), 1);

    connection_->BeginTrans();
    auto loan = std::make_unique<TADOQuery>(nullptr);
    loan->SetConnection(connection_.get());
    loan->SQL()->Add("insert into 领用记录([顾客],[故障机串码],[故障机型号],[说明],[领用日期],");
    loan->SQL()->Add("[备用机串码],[备用机品牌],[备用机型号],[备用机颜色],[备用机配件])");
    loan->SQL()->Add("values('张三','F1','X1','','2024-05-01','S1','诺基亚','N1','黑','无')");
    loan->ExecSQL();
    Exec("update 备用机库 set 领用=true,顾客姓名='张三',领用日期='2024-05-01' where 串码='S1'");
    connection_->CommitTrans();
    EXPECT_EQ(Open("select * from 领用记录 where (已返还=false)and(领用日期 between #2024-05-01# and #2024-05-31#) order by 领用日期")
                  ->RecordCount(),
              1);

    // The return: the loan row through the dataset, then the stock update.
    auto loans = Open("select * from 领用记录 where 备用机串码 like '%S%' order by 领用日期");
    ASSERT_TRUE(loans->CanModify());
    loans->Edit();
    loans->FieldByName("已返还")->SetAsBoolean(true);
    loans->FieldByName("返还日期")->SetAsDateTime(EncodeDate(2024, 5, 9));
    loans->FieldByName("返还说明")->SetAsString("完好");
    loans->Post();
    Exec("update 备用机库 set 领用=false,顾客姓名=null,领用日期=null where 串码='S1'");

    auto stored = Open("select * from 领用记录");
    EXPECT_TRUE(stored->FieldByName("已返还")->AsBoolean());
    EXPECT_EQ(Scalar("select 返还日期 from 领用记录"), "2024-05-09");
    auto* returned = dynamic_cast<TDateTimeField*>(stored->FieldByName("返还日期"));
    ASSERT_NE(returned, nullptr);
    returned->SetDisplayFormat("yyyy-mm-dd");
    EXPECT_EQ(stored->FieldByName("返还日期")->DisplayText(), "2024-05-09");
    auto phone = Open("select * from 备用机库 where 串码 ='S1'");
    EXPECT_FALSE(phone->FieldByName("领用")->AsBoolean());
    EXPECT_TRUE(phone->FieldByName("顾客姓名")->IsNull());
}

TEST_F(DatabaseTest, ARollbackLeavesNothingAndAReadInsideTheTransactionSeesTheRow) {
    connection_->BeginTrans();
    EXPECT_TRUE(connection_->InTransaction());
    InsertOrder("0000000001", "IMEI-1", "诺基亚", "张三", "2024-05-01");
    auto voucher = Open("select * from 流水记录 where 编号 ='0000000001'");
    EXPECT_EQ(voucher->RecordCount(), 1);
    EXPECT_EQ(voucher->FieldByName("顾客姓名")->AsString(), "张三");
    connection_->RollbackTrans();
    EXPECT_FALSE(connection_->InTransaction());
    EXPECT_EQ(Count("流水记录"), 0);
}

TEST_F(DatabaseTest, RollingBackAfterTheDatabaseGaveUpTheTransactionItselfSucceeds) {
    connection_->Execute(
        "create trigger give_up before insert on 流水记录 begin select raise(rollback, 'disk is full'); end");
    connection_->BeginTrans();
    EXPECT_THROW(InsertOrder("0000000001", "IMEI-1", "诺基亚", "张三", "2024-05-01"), EDatabaseError);
    ASSERT_FALSE(connection_->InTransaction()) << "SQLite ended the transaction by itself";
    EXPECT_NO_THROW(connection_->RollbackTrans());
    EXPECT_THROW(connection_->RollbackTrans(), EDatabaseError) << "no transaction begun";
    connection_->BeginTrans();
    EXPECT_TRUE(connection_->InTransaction()) << "the connection takes the next transaction";
    connection_->RollbackTrans();
}

TEST_F(DatabaseTest, ARejectedStatementRaisesTheDatabaseMessage) {
    InsertOrder("0000000001", "IMEI-1", "诺基亚", "张三", "2024-05-01");
    try {
        InsertOrder("0000000001", "IMEI-2", "诺基亚", "李四", "2024-05-01");
        FAIL() << "a duplicate order number was accepted";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().find("UNIQUE"), AnsiString::npos) << e.Message();
    }
    try {
        Open("select * from 不存在");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "no such table: 不存在");
    }
}

TEST_F(DatabaseTest, ConnectingNeedsAnExistingDatabaseFile) {
    const struct {
        const char* name;
        const char* content;  // nullptr: no file
    } cases[] = {{"missing.mdb", nullptr}, {"text.mdb", "这不是数据库\r\njust text\r\n"}, {"empty.mdb", ""}};
    for (const auto& c : cases) {
        const AnsiString file = dir_.file(c.name);
        if (c.content) {
            FILE* f = std::fopen(file.c_str(), "wb");
            std::fputs(c.content, f);
            std::fclose(f);
        }
        auto connection = std::make_unique<TADOConnection>(nullptr);
        connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file);
        EXPECT_THROW(connection->SetConnected(true), EDatabaseError) << c.name;
        EXPECT_FALSE(connection->Connected());
        if (!c.content) {
            EXPECT_FALSE(FileExists(file)) << "connecting must not create the file";
        }
    }
}

TEST_F(DatabaseTest, TheDataSourceMayUseWindowsSeparators) {
    auto connection = std::make_unique<TADOConnection>(nullptr);
    connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + dir_.path() +
                                    "sub\\..\\database.mdb;Jet OLEDB:Database Password=x");
    std::filesystem::create_directory(dir_.path() + "sub");
    connection->SetConnected(true);
    EXPECT_TRUE(connection->Connected());
}

TEST_F(DatabaseTest, TheConnectionKeepsTheRollbackJournal) {
    EXPECT_EQ(Scalar("pragma journal_mode"), "delete");
}
