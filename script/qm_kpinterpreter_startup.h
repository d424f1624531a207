// The interpreter's start-up and shut-down: the script value types, the
// global registry every interpreter consults, and the automation layer. The
// host calls them explicitly (the report engine at its own start-up), so
// nothing depends on the order of static initialisation.
#pragma once

class TKpInterpreterAdapter;

// Does nothing when already started.
void InitializeInterpreter();
// Frees the registry and the value types; values of those types must be gone.
void FinalizeInterpreter();
// The global registry; nullptr before start-up.
TKpInterpreterAdapter* GlobalInterpreterAdapter();
