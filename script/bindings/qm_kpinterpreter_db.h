// The script binding of the Db unit: datasets, fields and data sources.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Db" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterDbBindings(TKpInterpreterAdapter& adapter);
