// What the file routines of the runtime share among their sources.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <string>

#include "platform/rtl/types.h"

// The packed local date and time of the platform's file dates; -1 outside 1980..2107.
Integer DosDate(std::time_t time);
// The platform's attributes of a file: `osName` as the OS spells it, `name` its last part.
Integer AttributesOf(const std::string& osName, const AnsiString& name, const struct stat& st);
