#include "database_fixture.h"

#include "platform/rtl/sysutils.h"

AnsiString DatabaseTest::Scalar(const AnsiString& sql) { return Open(sql)->Fields()->Fields(0)->AsString(); }

int DatabaseTest::Count(const AnsiString& table) { return Open("select * from " + table)->RecordCount(); }

void DatabaseTest::InsertOrder(const AnsiString& number, const AnsiString& imei, const AnsiString& brand,
                               const AnsiString& customer, const AnsiString& date, const AnsiString& price) {
    auto query = std::make_unique<TADOQuery>(nullptr);
    query->SetConnection(connection_.get());
    query->SQL()->Add("insert into 流水记录([编号],[串码],[品牌],[型号],[配件],[颜色],[厂家],[价格],");
    query->SQL()->Add("[顾客姓名],[电话],[故障现象],[处理意见],[接待备注],[接待日期],[接待经手人],[退货],[已返厂])");
    query->SQL()->Add("values(" + QuotedStr(number) + "," + QuotedStr(imei) + "," + QuotedStr(brand) + ",'X1',");
    query->SQL()->Add("'充电器','黑'," + QuotedStr("厂家") + "," + price + "," + QuotedStr(customer) + ",'13800000000',");
    query->SQL()->Add("'不开机','维修','第一行\r\n第二行'," + QuotedStr(date) + ",'0001',");
    query->SQL()->Add("false,false)");
    query->ExecSQL();
}
