// Registration of the script unit "System". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/qm_kpinterpreter_system.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterSystemBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("System"); }
