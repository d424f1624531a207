// The script binding of the StdCtrls unit: the standard controls.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "StdCtrls" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterStdCtrlsBindings(TKpInterpreterAdapter& adapter);
