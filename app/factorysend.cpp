// The send-to-factory batch.
#include "app/factorysend.h"

#include "app/serviceorders.h"
#include "app/transaction.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"

bool SendToFactory(TDM1& dm, const std::vector<AnsiString>& tickedNumbers, const AnsiString& remark,
                   const AnsiString& operatorId) {
    return RunInTransaction(dm.ADOConnection1, [&] {
        const AnsiString today = DateToStr(Date());
        for (const AnsiString& number : tickedNumbers) MarkSentToFactory(dm.ADOall, number, today, operatorId, remark);
        Application->MessageBox("返厂成功！", "提示", MB_ICONINFORMATION);
    });
}
