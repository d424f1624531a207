// Start-up of the graphics platform: the Qt application object must exist
// before fonts are resolved or anything is painted. This header stays free
// of Qt.
#pragma once

// Creates the application object once (later calls do nothing). Without a
// display and without QT_QPA_PLATFORM set it chooses offscreen rendering, so
// tools and tests run headless; on a desktop it chooses X11.
void StartGraphicsPlatform(int& argc, char** argv);

// Adds a step to run at program exit before the application object goes
// (the layers above take their windows down there). Steps run last added
// first.
void AtGraphicsPlatformExit(void (*step)());
