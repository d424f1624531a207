// The script binding of the System unit: TObject members, the run-time functions and constants.
#pragma once

#include "platform/rtl/types.h"

class TKpInterpreterAdapter;

// Registers the unit "System" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterSystemBindings(TKpInterpreterAdapter& adapter);

// Text without its quotes when it opens with quote (doubled quotes inside
// taken as one); any other text unchanged.
AnsiString DequoteText(const AnsiString& text, char quote);
