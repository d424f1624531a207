// The statements on the service orders (流水记录) that the reception, the
// order deletion, the send-to-factory, back-from-factory and delivery
// windows run, on the query they are given. Every text value travels quoted (QuotedStr); the price is
// checked to be a number (pricekey.h) before it is written as one. Transactions and
// messages stay with the windows.
#pragma once

#include <array>

#include "app/pricekey.h"
#include "platform/data/ado.h"
#include "platform/rtl/stringlist.h"

// The order number after the largest stored one: ten digits with leading
// zeros, "0000000001" on an empty table. EConvertError when the stored
// number's first ten characters, or the number after them, are not a
// 32-bit integer.
AnsiString NextOrderNumber(TADOQuery* query);

// Refills `items` with every distinct stored value of `column` of
// `table`, in the order the database gives them (a null adds an empty
// item). The query stays open.
void FillDistinctValues(TADOQuery* query, TStrings* items, const AnsiString& column, const AnsiString& table);
// FillDistinctValues on the service orders.
void FillDistinctList(TADOQuery* query, TStrings* items, const AnsiString& column);

// Whether an order with this IMEI is still in service (not delivered).
bool ImeiInService(TADOQuery* query, const AnsiString& imei);

// One received phone as the reception window collects it.
struct TReceptionRecord {
    AnsiString Number, Imei, Brand, Model, Accessories, Color, Maker, Price, CustomerName, Phone, Fault,
        Handling, Remark, Date, Operator;
};
// Inserts the order, not yet sent and not refunded. EConvertError when the
// price is not valid (nothing runs then).
void InsertReception(TADOQuery* query, const TReceptionRecord& record);

// Opens the order of that number (no row when there is none).
void OpenOrder(TADOQuery* query, const AnsiString& number);
// Deletes the order of that number; answers the rows deleted.
int DeleteOrder(TADOQuery* query, const AnsiString& number);

// Opens the orders waiting to go to the factory, oldest reception first.
void OpenFactoryQueue(TADOQuery* query);
// Marks one order as sent to the factory on `date` by `op` with `remark`.
void MarkSentToFactory(TADOQuery* query, const AnsiString& number, const AnsiString& date, const AnsiString& op,
                       const AnsiString& remark);

// Opens the orders at the factory (sent, neither back nor refunded),
// oldest reception first.
void OpenAtFactory(TADOQuery* query);

// How an order came back from the factory.
struct TFactoryReturn {
    AnsiString Number;
    // The factory refunded the phone: only 退货 is written.
    bool Refunded = false;
    // Exchanged for another phone, whose columns follow.
    bool Exchanged = false;
    AnsiString NewImei, NewBrand, NewModel, NewAccessories, NewColor, NewPrice;
    AnsiString Remark, Date, Operator;
};
// Books the order back from the factory with one statement. EConvertError
// when an exchange's price is not valid (nothing runs then).
void MarkBackFromFactory(TADOQuery* query, const TFactoryReturn& ret);

// The six "contains" filters of the delivery search, in the order 串码,
// 品牌, 型号, 颜色, 顾客姓名, 电话; "%" and "_" stay wildcards.
using TDeliveryFilters = std::array<AnsiString, 6>;
// Opens the orders back from the factory and not delivered that match.
void OpenDeliverable(TADOQuery* query, const TDeliveryFilters& filters);
// Marks the order delivered on `date` by `op` with `remark`.
void MarkDelivered(TADOQuery* query, const AnsiString& number, const AnsiString& date, const AnsiString& op,
                   const AnsiString& remark);

// The three reminder lists on their queries, each the orders that have
// waited in one state past a number of days before `today`: received and
// not sent for more than 3, sent and not back for more than 10, back and
// neither refunded nor delivered for more than 1.
void OpenOverdueReceived(TADOQuery* query, TDateTime today);
void OpenOverdueAtFactory(TADOQuery* query, TDateTime today);
void OpenOverdueBack(TADOQuery* query, TDateTime today);

// The history's state choices (RadioGroup1) and date columns (RadioGroup2).
enum THistoryState { hsReceived, hsAtFactory, hsBack, hsDelivered, hsRefunded, hsAll };
enum THistoryDate { hdReceived, hdSent, hdBack, hdDelivered, hdAll };
// Opens the orders in `state` whose `date` lies between the two days
// (in either order).
void OpenHistory(TADOQuery* query, THistoryState state, THistoryDate date, TDateTime from, TDateTime to);
// Opens the orders whose IMEI contains `text`; "%" and "_" stay wildcards.
void OpenHistoryByImei(TADOQuery* query, const AnsiString& text);
