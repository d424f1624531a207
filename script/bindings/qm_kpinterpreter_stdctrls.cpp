// Registration of the script unit "StdCtrls". Its members are not bound yet:
// the unit is known to uses clauses and the registration order holds.
#include "script/bindings/qm_kpinterpreter_stdctrls.h"

#include "script/qm_kpinterpreter_adapter.h"

void RegisterStdCtrlsBindings(TKpInterpreterAdapter& adapter) { adapter.DefineUnit("StdCtrls"); }
