// The script binding of the Graphics unit: fonts, pens, brushes, canvases and pictures.
#pragma once

class TKpInterpreterAdapter;

// Registers the unit "Graphics" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterGraphicsBindings(TKpInterpreterAdapter& adapter);
