// The send-to-factory batch.
#include "app/factorysend.h"

#include "app/serviceorders.h"
#include "app/transaction.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"

std::vector<TFactoryQueueRow> ReadFactoryQueue(TDM1& dm) {
    static const char* const columns[] = {"串码", "品牌", "型号",   "配件",     "颜色",    "厂家",
                                          "价格", "顾客姓名", "电话", "故障现象", "处理意见"};
    std::vector<TFactoryQueueRow> rows;
    TADOQuery* query = dm.ADOall;
    for (OpenFactoryQueue(query); !query->Eof(); query->Next()) {
        TFactoryQueueRow row{query->FieldByName("编号")->AsString(), {}};
        for (const char* column : columns) row.SubItems.push_back(query->FieldByName(column)->AsString());
        rows.push_back(std::move(row));
    }
    return rows;
}

bool SendToFactory(TDM1& dm, const std::vector<AnsiString>& tickedNumbers, const AnsiString& remark,
                   const AnsiString& operatorId) {
    const bool sent = RunInTransaction(dm.ADOConnection1, [&] {
        const AnsiString today = DateToStr(Date());
        for (const AnsiString& number : tickedNumbers) MarkSentToFactory(dm.ADOall, number, today, operatorId, remark);
    });
    if (sent) Application->MessageBox("返厂成功！", "提示", MB_ICONINFORMATION);
    return sent;
}
