// The calendar units' date parts: a date taken apart once.
#pragma once

#include "platform/rtl/datetime.h"

namespace plannercal {

struct Ymd {
    Word year = 0, month = 0, day = 0;
};

inline Ymd Decode(TDateTime date) {
    Ymd d;
    DecodeDate(date, d.year, d.month, d.day);
    return d;
}

}  // namespace plannercal
