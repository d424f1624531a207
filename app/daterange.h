// The date conditions of the list windows: a column between two days
// written as Access date literals ("#yyyy-mm-dd#"). The bounds stand in
// the order given; the data layer reads BETWEEN with its bounds in either
// order, as the dialect does.
#pragma once

#include "platform/rtl/types.h"

// "‹column› between #‹first›# and #‹second›#".
AnsiString DateRange(const AnsiString& column, TDateTime first, TDateTime second);
