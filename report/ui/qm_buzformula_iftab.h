// Qm_buzFormula_iftab: the spreadsheet's built-in functions by name, with
// the numbers its formulas call them by.
#pragma once

#include <array>

#include "platform/rtl/types.h"

struct rbuzExcelFunctionInfo {
    const char* Name;
    Word Id;
};

extern const std::array<rbuzExcelFunctionInfo, 340> buzExcelFunctions;

// The row whose name equals `name` without regard to case; nullptr when none.
const rbuzExcelFunctionInfo* FindExcelFunction(const AnsiString& name);
