// Registration of the script unit "SysUtils". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/qm_kpinterpreter_sysutils.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterSysUtilsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("SysUtils"); }
