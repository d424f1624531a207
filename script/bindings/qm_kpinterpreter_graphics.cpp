// Registration of the script unit "Graphics". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_graphics.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterGraphicsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("Graphics"); }
