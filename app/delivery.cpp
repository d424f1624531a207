// The delivery search and the delivery.
#include "app/delivery.h"

#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/dialogs.h"

void SearchDeliverable(TDM1& dm, const TDeliveryFilters& filters) { OpenDeliverable(dm.ADOQuery3, filters); }

void DeliverCurrentOrder(TDM1& dm, const AnsiString& remark, const AnsiString& operatorId) {
    TADOQuery* list = dm.ADOQuery3;
    MarkDelivered(dm.ADOall, list->FieldByName("编号")->AsString(), DateToStr(Date()), operatorId, remark);
    Application->MessageBox("手机交付给顾客操作成功！", "提示", MB_ICONINFORMATION);
    list->Close();
    list->Open();
}
