// The script binding of the Windows unit: points, rectangles, the message box and SDK constants.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Windows" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterWindowsBindings(TKpInterpreterAdapter& adapter);
