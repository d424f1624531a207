// The script binding of the Controls unit: controls, image lists and their events.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Controls" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterControlsBindings(TKpInterpreterAdapter& adapter);
