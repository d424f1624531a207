// Date literals of the date conditions.
#include "app/daterange.h"

#include "platform/rtl/datetime.h"

AnsiString DateRange(const AnsiString& column, TDateTime first, TDateTime second) {
    return column + " between #" + FormatDateTime("yyyy-mm-dd", first) + "# and #" +
           FormatDateTime("yyyy-mm-dd", second) + "#";
}
