// The back-from-factory list and save.
#include "app/factoryreturn.h"

#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"

void ListOrdersAtFactory(TDM1& dm) { OpenAtFactory(dm.ADOQuery2); }

bool SaveFactoryReturn(TDM1& dm, TFactoryReturn ret, HWND owner) {
    if (!ret.Refunded && ret.Exchanged && !IsValidPrice(ret.NewPrice)) {
        MessageBox(owner, "价格必须是数字！", "系统提示", MB_ICONQUESTION);
        return false;
    }
    ret.Date = DateToStr(Date());
    MarkBackFromFactory(dm.ADOall, ret);
    Application->MessageBox("手机由厂家返回操作成功！", "提示", MB_ICONINFORMATION);
    ListOrdersAtFactory(dm);
    return true;
}
