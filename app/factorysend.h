// Sending a batch of orders to the factory: every ticked order is marked
// sent with today's date, the operator and the batch remark, all in one
// transaction.
#pragma once

#include <vector>

#include "app/dm1frm.h"

// Marks the ticked orders and says "返厂成功！"; answers true, and the
// window closes. A failure rolls the whole batch back, shows its message
// and answers false (the window stays with its ticks). Nothing ticked runs
// no statement and still succeeds.
bool SendToFactory(TDM1& dm, const std::vector<AnsiString>& tickedNumbers, const AnsiString& remark,
                   const AnsiString& operatorId);
