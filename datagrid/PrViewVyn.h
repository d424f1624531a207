// The print preview's two mouse cursors, registered in the screen's cursor
// table at the library's start-up.
#pragma once

#include "platform/ui/controls.h"

// The ids the magnifier and the hand got.
extern TCursor crMagnifierVyn;
extern TCursor crHandVyn;

// Loads the program's cursor resource and stores it under the first id
// from 1 the screen does not define yet; answers that id. EOutOfResources
// "Cannot load cursor resource" or "Too many user-defined cursors".
TCursor RegisterCursorResource(const char* name);
void InitializePrViewVyn();
