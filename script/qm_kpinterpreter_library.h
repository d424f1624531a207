// Calls of functions in libraries that scripts declare ("external"). The
// platform answers library and entry look-ups from its own function table;
// every argument travels as one integer-sized slot.
#pragma once

#include "script/qm_kpinterpreter_entries.h"

// Loads the library unless the function names a module (184), finds the
// entry by name (an ordinal finds none: 187), passes integers, Booleans
// (true as -1) and strings (zero-terminated copies), var integers and
// Booleans through slots written back into the frame, and converts the
// result by the declared type (185, 186 otherwise). The thread's last error
// after the call survives freeing the library.
void CallLibraryFunction(const TKpInterpreterExtFun& function, TKpInterpreterArgs& frame, Variant& result);
