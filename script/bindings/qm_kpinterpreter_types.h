// The script binding of the Types unit: points and rectangles again, under their own unit name.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Types" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterTypesBindings(TKpInterpreterAdapter& adapter);
