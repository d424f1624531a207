// Registration of the script unit "Dialogs". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_dialogs.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterDialogsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Dialogs"); }
