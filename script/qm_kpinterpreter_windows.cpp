// Registration of the script unit "Windows". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/qm_kpinterpreter_windows.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterWindowsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Windows"); }
