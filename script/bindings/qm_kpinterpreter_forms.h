// The script binding of the Forms unit: forms, the screen and the application.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Forms" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterFormsBindings(TKpInterpreterAdapter& adapter);
