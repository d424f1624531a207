// Sending a batch of orders to the factory: every ticked order is marked
// sent with today's date, the operator and the batch remark, all in one
// transaction.
#pragma once

#include <vector>

#include "app/dm1frm.h"

// One order waiting to go to the factory as the list shows it: the number
// (the row's caption, the key of the update) and the texts of 串码, 品牌,
// 型号, 配件, 颜色, 厂家, 价格, 顾客姓名, 电话, 故障现象 and 处理意见.
struct TFactoryQueueRow {
    AnsiString Number;
    std::vector<AnsiString> SubItems;
};
// The orders neither refunded nor sent, oldest reception first.
std::vector<TFactoryQueueRow> ReadFactoryQueue(TDM1& dm);

// Marks the ticked orders and, once they are committed, says "返厂成功！";
// answers true, and the window closes. A failure (the commit included)
// rolls the whole batch back, shows its message and answers false (the
// window stays with its ticks). Nothing ticked runs no statement and still
// succeeds.
bool SendToFactory(TDM1& dm, const std::vector<AnsiString>& tickedNumbers, const AnsiString& remark,
                   const AnsiString& operatorId);
