// A data module built from its form description, as the application's is.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "platform/data/datasource.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datamodule.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/writer.h"

TEST_F(DatabaseTest, ADataModuleDescriptionWiresConnectionQueriesSourcesAndFields) {
    std::unique_ptr<TDataModule> module(TDataModule::Create(nullptr, 0));
    // Descriptions are UTF-8, as .dfm files are.
    ReadComponentFromString(Utf8(u8R"(object DM1: TDataModule
  object ADOConnection1: TADOConnection
    LoginPrompt = False
    Mode = cmShareDenyNone
    Provider = 'Microsoft.Jet.OLEDB.4.0'
  end
  object ADOQuery10: TADOQuery
    Connection = ADOConnection1
    object ADOQuery10Returned: TBooleanField
      FieldName = '已返还'
      DisplayValues = '是;否'
    end
    object ADOQuery10ReturnDate: TDateTimeField
      FieldName = '返还日期'
      DisplayFormat = 'yyyy-mm-dd'
    end
  end
  object DataSource10: TDataSource
    DataSet = ADOQuery10
  end
end
)"),
                            module.get());
    auto* connection = dynamic_cast<TADOConnection*>(module->FindComponent("ADOConnection1"));
    auto* query = dynamic_cast<TADOQuery*>(module->FindComponent("ADOQuery10"));
    auto* source = dynamic_cast<TDataSource*>(module->FindComponent("DataSource10"));
    ASSERT_TRUE(connection && query && source);
    EXPECT_FALSE(connection->LoginPrompt());
    EXPECT_EQ(connection->Mode(), cmShareDenyNone);
    EXPECT_EQ(query->Connection(), connection);
    EXPECT_EQ(source->DataSet(), query);
    ASSERT_EQ(query->FieldCount(), 2);

    Exec("insert into 领用记录([顾客],[领用日期],[已返还],[返还日期]) values('张三','2024-05-01',true,'2024-05-09')");
    connection->SetConnectionString("Data Source=" + file_);
    connection->SetConnected(true);
    query->SQL()->Add("select * from 领用记录");
    query->Open();
    EXPECT_FALSE(query->DefaultFields());
    EXPECT_EQ(query->FieldByName("已返还")->DisplayText(), "是");
    EXPECT_EQ(query->FieldByName("返还日期")->DisplayText(), "2024-05-09");
    EXPECT_EQ(query->FindField("顾客"), nullptr) << "persistent fields only";
    query->Edit();
    query->FieldByName("已返还")->SetValue(Variant(false));
    query->FieldByName("返还日期")->SetValue(VarFromDateTime(EncodeDate(2024, 6, 1)));
    query->Post();
    EXPECT_EQ(Scalar("select 返还日期 from 领用记录 where 已返还=false"), "2024-06-01");
    EXPECT_EQ(source->State(), dsBrowse);
    connection->SetConnected(false);
    EXPECT_FALSE(query->Active()) << "disconnecting closes the datasets";
}
