// Handing phones back to their customers: the search of the orders back
// from the factory and not delivered, and the delivery of the list's
// current order, one statement without a transaction.
#pragma once

#include "app/dm1frm.h"
#include "app/serviceorders.h"

// Lists the deliverable orders matching the filters on DM1.ADOQuery3.
void SearchDeliverable(TDM1& dm, const TDeliveryFilters& filters);

// Marks the list's current order delivered today by `operatorId` with
// `remark`, says "手机交付给顾客操作成功！" and repeats the list's search. A
// statement the database rejects propagates with nothing written.
void DeliverCurrentOrder(TDM1& dm, const AnsiString& remark, const AnsiString& operatorId);
