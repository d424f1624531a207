// What grid printing prepares at start-up: the page-title macros with a
// list for their values, and the size of the system's check-box pictures.
#pragma once

#include "platform/rtl/stringlist.h"
#include "platform/gdi/windef.h"

// "&[Page]", "&[ShortDate]", "&[Date]", "&[LongDate]", "&[Time]", "&[Pages]".
TStrings* PageTitleMacros();
// Their values, in the same order; empty at start.
TStrings* PageTitleMacroValues();
// One picture of the system's 4-by-3 check-box bitmap.
SIZE CheckBoxCellSize();
void InitializePrnDbgvyn();
void FinalizePrnDbgvyn();
