// Booking a phone back from the factory: the list of orders at the factory
// and the save of the back-from-factory dialog (refunded, repaired or
// exchanged), one statement without a transaction.
#pragma once

#include "app/dm1frm.h"
#include "app/serviceorders.h"
#include "platform/gdi/windef.h"

// Lists the orders at the factory on DM1.ADOQuery2, oldest reception first.
void ListOrdersAtFactory(TDM1& dm);

// Books the order with today's date: an exchange whose price is not a
// number is refused with "价格必须是数字！"
// (answers false, nothing written). Otherwise the statement runs, the
// operator reads "手机由厂家返回操作成功！" and the list is read again;
// answers true. A statement the database rejects propagates.
bool SaveFactoryReturn(TDM1& dm, TFactoryReturn ret, HWND owner);
