// Registration of the script unit "Db". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_db.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterDbBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Db"); }
