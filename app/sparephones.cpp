// The spare-phone statements, written as the Access dialect the data
// layer translates.
#include "app/sparephones.h"

#include <algorithm>

#include "app/statements.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"

const std::array<const char*, 6> SpareSearchColumns = {"串码", "品牌", "型号", "颜色", "配件", "顾客姓名"};

void OpenSpares(TADOQuery* query) { OpenStatement(query, "select * from 备用机库"); }

bool SpareExists(TADOQuery* query, const AnsiString& imei) {
    OpenStatement(query, "select * from 备用机库 where 串码 =" + QuotedStr(imei));
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
