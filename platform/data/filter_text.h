// The recordset filter language of ADO datasets' Filter property:
//   [Name] = 'text' AND ([Price] > 1,5 OR [Price] <= 3) AND NOT ([Id] = 1)
//   [Name] Like 'ab%'   [Name] Not Like '*x'   [Date] IS NULL   [Date] IS NOT NULL
// Names in brackets (or bare words); texts in single quotes with doubled
// quotes inside; numbers in the current decimal format; dates as quoted
// date-time text. A condition compares by its field's type, text ignoring
// ASCII letter case; a condition on a Null field is false.
#pragma once

#include <functional>

#include "platform/rtl/sysutils.h"

class TDataSet;

// Reads Text against DataSet's fields into a test of the record the fields
// read. Raises EDatabaseError for a text it cannot read or an unknown field.
std::function<bool()> CompileFilterText(TDataSet* DataSet, const AnsiString& Text);

// Whether Text matches Pattern, % and * standing for any characters, ASCII
// letter case ignored.
bool FilterLikeMatches(const AnsiString& Text, const AnsiString& Pattern);
