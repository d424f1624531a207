// Start-up of the graphics platform: the Qt application object must exist
// before fonts are resolved or anything is painted.
#pragma once

// Creates the application object once (later calls do nothing). Without a
// display and without QT_QPA_PLATFORM set it chooses offscreen rendering,
// so tools and tests run headless; on a desktop it chooses X11.
void StartGuiPlatform(int& argc, char** argv);
