// Registration of the script unit "Types": the geometry of the unit
// "Windows" under its own name.
#include "script/bindings/qm_kpinterpreter_types.h"

#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_windows.h"

void RegisterTypesBindings(TKpInterpreterAdapter& adapter) {
    adapter.DefineUnit("Types");
    RegisterGeometryBindings(adapter, "Types");
}
