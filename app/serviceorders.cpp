// The service-order statements, written as the Access dialect the data
// layer translates.
#include "app/serviceorders.h"

#include "app/daterange.h"
#include "app/statements.h"
#include "platform/data/field.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"

AnsiString NextOrderNumber(TADOQuery* query) {
    OpenStatement(query, "select max(编号) as 最大编号 from 流水记录");
    AnsiString largest = query->FieldByName("最大编号")->AsString();
    largest = largest.empty() || largest == " " ? AnsiString("0000000000") : largest.substr(0, 10);
    // The next number is a 32-bit integer too: past the range it fails with
    // the conversion error a stored number out of range gives.
    const Integer next = StrToInt(IntToStr(Int64(StrToInt(largest)) + 1));
    return Format("%.10d", {next});
}

void FillDistinctValues(TADOQuery* query, TStrings* items, const AnsiString& column, const AnsiString& table) {
    OpenStatement(query, "select distinct " + column + " from " + table);
    items->Clear();
    for (; !query->Eof(); query->Next()) items->Add(query->FieldByName(column)->AsString());
}

void FillDistinctList(TADOQuery* query, TStrings* items, const AnsiString& column) {
    FillDistinctValues(query, items, column, "流水记录");
}

bool ImeiInService(TADOQuery* query, const AnsiString& imei) {
    OpenStatement(query, "select * from 流水记录 where (串码 =" + QuotedStr(imei) + ")and (已交付=false)");
    return !query->Eof();
}

void InsertReception(TADOQuery* query, const TReceptionRecord& r) {
    if (!IsValidPrice(r.Price)) throw EConvertError("'" + r.Price + "' is not a valid price");
    query->Close();
    TStrings* sql = query->SQL();
    sql->Clear();
    sql->Add("insert into 流水记录([编号],[串码],[品牌],[型号],[配件],[颜色],[厂家],[价格],[顾客姓名],[电话],[故障现象],");
    sql->Add("[处理意见],[接待备注],[接待日期],[接待经手人],[退货],[已返厂]) values (" + QuotedStr(r.Number) + ",");
    sql->Add(QuotedStr(r.Imei) + "," + QuotedStr(r.Brand) + "," + QuotedStr(r.Model) + "," + QuotedStr(r.Accessories) +
             ",");
    sql->Add(QuotedStr(r.Color) + "," + QuotedStr(r.Maker) + "," + r.Price + "," + QuotedStr(r.CustomerName) + "," +
             QuotedStr(r.Phone) + ",");
    sql->Add(QuotedStr(r.Fault) + "," + QuotedStr(r.Handling) + "," + QuotedStr(r.Remark) + "," + QuotedStr(r.Date) +
             "," + QuotedStr(r.Operator) + ",");
    sql->Add("false,false)");
    query->ExecSQL();
}

void OpenOrder(TADOQuery* query, const AnsiString& number) {
    OpenStatement(query, "select * from 流水记录 where 编号 =" + QuotedStr(number));
}

int DeleteOrder(TADOQuery* query, const AnsiString& number) {
    return RunStatement(query, "delete from 流水记录 where 编号=" + QuotedStr(number));
}

void OpenFactoryQueue(TADOQuery* query) {
    OpenStatement(query, "select * from 流水记录 where 退货=false and 已返厂=false order by 接待日期");
}

void MarkSentToFactory(TADOQuery* query, const AnsiString& number, const AnsiString& date, const AnsiString& op,
                       const AnsiString& remark) {
    RunStatement(query, "update 流水记录 set 已返厂=true,返厂日期=" + QuotedStr(date) + ",返厂经手人=" + QuotedStr(op) +
                            ",返厂备注=" + QuotedStr(remark) + " where 编号=" + QuotedStr(number));
}

void OpenAtFactory(TADOQuery* query) {
    OpenStatement(query, "select * from 流水记录 where 退货=false and 已返厂=true and 已返回=false order by 接待日期");
}

void MarkBackFromFactory(TADOQuery* query, const TFactoryReturn& r) {
    const AnsiString where = " where 编号=" + QuotedStr(r.Number);
    if (r.Refunded) {
        RunStatement(query, "update 流水记录 set 退货=true" + where);
        return;
    }
    const AnsiString back = "update 流水记录 set 返回日期=" + QuotedStr(r.Date) + ",返回经手人=" + QuotedStr(r.Operator) +
                            ",返回备注=" + QuotedStr(r.Remark) + ",已返回=true,";
    if (!r.Exchanged) {
        RunStatement(query, back + "已换机=false" + where);
        return;
    }
    if (!IsValidPrice(r.NewPrice)) throw EConvertError("'" + r.NewPrice + "' is not a valid price");
    RunStatement(query, back + "已换机=true,新串码=" + QuotedStr(r.NewImei) + ",新品牌=" + QuotedStr(r.NewBrand) +
                            ",新型号=" + QuotedStr(r.NewModel) + ",\r\n新配件=" + QuotedStr(r.NewAccessories) +
                            ",新颜色=" + QuotedStr(r.NewColor) + ",新价格=" + r.NewPrice + where);
}

void OpenDeliverable(TADOQuery* query, const TDeliveryFilters& f) {
    const auto contains = [](const AnsiString& text) { return QuotedStr("%" + text + "%"); };
    OpenStatement(query, "select * from 流水记录 where (已返回=true)and (已交付=false)and (串码 like " + contains(f[0]) +
                             ")\r\nand (品牌 like " + contains(f[1]) + ")and (型号 like " + contains(f[2]) +
                             ")and \r\n(颜色 like " + contains(f[3]) + ")and (顾客姓名 like " + contains(f[4]) +
                             ")and (电话 like " + contains(f[5]) + ")");
}

void MarkDelivered(TADOQuery* query, const AnsiString& number, const AnsiString& date, const AnsiString& op,
                   const AnsiString& remark) {
    RunStatement(query, "update 流水记录 set 交付日期=" + QuotedStr(date) + ",交付经手人=" + QuotedStr(op) +
                            ",交付备注=" + QuotedStr(remark) + ",已交付=true where 编号=" + QuotedStr(number));
}

void OpenOverdueReceived(TADOQuery* query, TDateTime today) {
    OpenStatement(query, "select * from 流水记录 where (已返厂=false)and not(" + DateRange("接待日期", today, today - 3) + ")");
}

void OpenOverdueAtFactory(TADOQuery* query, TDateTime today) {
    OpenStatement(query, "select * from 流水记录 where (已返厂=true)and(已返回=false)and not(" +
                             DateRange("返厂日期", today, today - 10) + ")");
}

void OpenOverdueBack(TADOQuery* query, TDateTime today) {
    OpenStatement(query, "select * from 流水记录 where (已返回=true)and(退货=false)and(已交付=false)and not(" +
                             DateRange("返回日期", today, today - 1) + ")");
}

void OpenHistory(TADOQuery* query, THistoryState state, THistoryDate date, TDateTime from, TDateTime to) {
    static const char* const conditions[] = {
        "(退货=false) and (已返厂=false)",
        "(退货=false) and (已返厂=true) and (已返回=false)",
        "(退货=false) and (已返厂=true) and (已返回=true) and (已交付=false)",
        "(退货=false) and (已返厂=true) and (已返回=true) and (已交付=true)",
        "(退货=true)",
    };
    static const char* const columns[] = {"接待日期", "返厂日期", "返回日期", "交付日期"};
    const bool anyState = state == hsAll, anyDate = date == hdAll;
    AnsiString sql = "select * from 流水记录 ";
    if (!anyState && !anyDate)
        sql += AnsiString("where ") + conditions[state] + " and(" + DateRange(columns[date], from, to) + ") ";
    else if (!anyState)
        sql += AnsiString("where ") + conditions[state];
    else if (!anyDate)
        sql += "where " + DateRange(columns[date], from, to);
    OpenStatement(query, sql);
}

void OpenHistoryByImei(TADOQuery* query, const AnsiString& text) {
    OpenStatement(query, "select * from 流水记录 where 串码 like " + QuotedStr("%" + text + "%"));
}
