// The spare-phone statements, written as the Access dialect the data
// layer translates.
#include "app/sparephones.h"

#include <algorithm>

#include "app/daterange.h"
#include "app/statements.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"

const std::array<const char*, 6> SpareSearchColumns = {"串码", "品牌", "型号", "颜色", "配件", "顾客姓名"};

void OpenSpares(TADOQuery* query) { OpenStatement(query, "select * from 备用机库"); }

bool SpareExists(TADOQuery* query, const AnsiString& imei) {
    OpenSpare(query, imei);
    return !query->Eof();
}

void InsertSpare(TADOQuery* query, const AnsiString& imei, const AnsiString& brand, const AnsiString& model,
                 const AnsiString& color, const AnsiString& accessories) {
    RunStatement(query, "insert into 备用机库([串码],[品牌],[型号],[颜色],[配件]) values (" + QuotedStr(imei) + "," +
                            QuotedStr(brand) + "," + QuotedStr(model) + "," + QuotedStr(color) + "," +
                            QuotedStr(accessories) + ")");
}

// The column's name goes into the statement as it is: only a known one.
void SearchSpares(TADOQuery* query, const AnsiString& column, const AnsiString& text) {
    if (std::find(SpareSearchColumns.begin(), SpareSearchColumns.end(), column) == SpareSearchColumns.end())
        throw EDatabaseError("'" + column + "' is not a column of 备用机库");
    OpenStatement(query, "select * from 备用机库 where " + column + " like " + QuotedStr("%" + text + "%"));
}

void OpenSpare(TADOQuery* query, const AnsiString& imei) {
    OpenStatement(query, "select * from 备用机库 where 串码 =" + QuotedStr(imei));
}

void SearchSparesInStock(TADOQuery* query, const AnsiString& column, const AnsiString& text) {
    OpenStatement(query, "select 串码,品牌,型号,颜色 from 备用机库 where (" + column + " like " +
                             QuotedStr("%" + text + "%") + ")and (领用=false)");
}

void InsertLoan(TADOQuery* query, const TLoan& l) {
    RunStatement(query, "insert into 领用记录([顾客],[故障机串码],[故障机型号],[说明],[领用日期],[备用机串码],[备用机品牌],"
                        "[备用机型号],[备用机颜色],[备用机配件])\r\nvalues (" +
                            QuotedStr(l.Customer) + "," + QuotedStr(l.FaultyImei) + "," + QuotedStr(l.FaultyModel) +
                            "," + QuotedStr(l.Remark) + "," + QuotedStr(l.Date) + ",\r\n" + QuotedStr(l.Imei) + "," +
                            QuotedStr(l.Brand) + "," + QuotedStr(l.Model) + "," + QuotedStr(l.Color) + "," +
                            QuotedStr(l.Accessories) + ")");
}

void MarkSpareLent(TADOQuery* query, const AnsiString& imei, const AnsiString& customer, const AnsiString& date) {
    RunStatement(query, "update 备用机库 set 领用=true,顾客姓名=" + QuotedStr(customer) + ",领用日期=" + QuotedStr(date) +
                            " where 串码=" + QuotedStr(imei));
}

void OpenLoans(TADOQuery* query, TLoanState state, bool allDates, TDateTime from, TDateTime to) {
    static const char* const conditions[] = {"已返还=false", "已返还=true"};
    const AnsiString range = DateRange("领用日期", from, to);
    AnsiString sql;
    if (state == lsAll)
        sql = allDates ? "select * from 领用记录  order by 领用日期"
                       : "select * from 领用记录 where " + range + " order by 领用日期";
    else if (allDates)
        sql = AnsiString("select * from 领用记录 where ") + conditions[state] + " order by 领用日期";
    else
        sql = AnsiString("select * from 领用记录 where (") + conditions[state] + ")and(" + range + ") order by 领用日期";
    OpenStatement(query, sql);
}

void OpenLoansBySpareImei(TADOQuery* query, const AnsiString& text) {
    OpenStatement(query, "select * from 领用记录 where 备用机串码 like " + QuotedStr("%" + text + "%") + " order by 领用日期");
}

void MarkSpareReturned(TADOQuery* query, const AnsiString& imei) {
    RunStatement(query, "update 备用机库 set 领用=false,顾客姓名=null,领用日期=null where 串码=" + QuotedStr(imei));
}
