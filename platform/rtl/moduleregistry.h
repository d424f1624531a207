// The live forms and data modules by name: where references to components
// of another module ("DM1.DataSource7") and the script's global names are
// resolved. Forms and data modules register while they exist; TScreen lists
// them from here.
#pragma once

#include "platform/rtl/component.h"

void RegisterModule(TComponent* module);
void UnregisterModule(TComponent* module);
int ModuleCount();
// In registration order; nullptr outside 0..ModuleCount()-1.
TComponent* Modules(int index);
// The module of that name (ASCII case ignored), or nullptr.
TComponent* FindGlobalComponent(const AnsiString& name);
// name, or name_1, name_2, ... when another module already has it.
AnsiString UniqueModuleName(const AnsiString& name, const TComponent* module);
