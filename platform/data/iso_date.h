// Dates as the database stores them: ISO text "yyyy-mm-dd", with
// " hh:nn:ss" when the time of day is not midnight.
#pragma once

#include <string_view>

#include "platform/rtl/types.h"

// Reads "yyyy-mm-dd", "yyyy-mm-dd hh:nn[:ss]" (also with "T" or "/" as the
// separators); false when the text is no such date.
bool TryIsoToDateTime(std::string_view text, TDateTime& value);
AnsiString DateTimeToIso(TDateTime value);
