// The script binding of the Dialogs unit: common dialogs and message functions.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Dialogs" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterDialogsBindings(TKpInterpreterAdapter& adapter);
