// The script binding of the SysUtils unit: exceptions, strings, files, dates and formatting.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "SysUtils" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterSysUtilsBindings(TKpInterpreterAdapter& adapter);
