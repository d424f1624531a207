// Registration of the script unit "Controls". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_controls.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterControlsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Controls"); }
