// Registration of the script unit "Forms". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_forms.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterFormsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Forms"); }
