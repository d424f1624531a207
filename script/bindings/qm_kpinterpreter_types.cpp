// Registration of the script unit "Types". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_types.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterTypesBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Types"); }
