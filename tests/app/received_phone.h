// An order as the tests receive it: the required fields filled, taken in
// by the administrator 0001.
#pragma once

#include "app/serviceorders.h"

inline TReceptionRecord ReceivedPhone(const AnsiString& number, const AnsiString& imei,
                                      const AnsiString& date = "2026-12-10") {
    TReceptionRecord r;
    r.Number = number;
    r.Imei = imei;
    r.Brand = "诺基亚";
    r.Model = "N95";
    r.Price = "0";
    r.Date = date;
    r.Operator = "0001";
    return r;
}
