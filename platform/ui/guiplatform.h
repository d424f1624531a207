// Start-up of the graphics platform: the Qt application object must exist
// before fonts are resolved or anything is painted.
#pragma once

// Creates the application object once (later calls do nothing) and
// registers the library's classes for form descriptions. Without a display
// and without QT_QPA_PLATFORM set it chooses offscreen rendering, so tools
// and tests run headless; on a desktop it chooses X11.
void StartGuiPlatform(int& argc, char** argv);

// Registers the classes of platform/ui that form descriptions name
// (TBitmap, TIcon, TPngImage, TJPEGImage, TImageList). Registration lives
// here, called at start-up, because a registration inside a class's own
// source would be dropped by the linker when no code names the class.
void RegisterUiClasses();
