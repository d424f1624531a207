// Start-up of the class library: the window system's Qt side and the
// classes form descriptions name.
#pragma once

// Starts the window system's Qt side once with the program's arguments (see
// StartSurfaceHost) and registers the library's classes for form
// descriptions. Later calls do nothing more.
void StartGuiPlatform(int& argc, char** argv);

// Registers the classes of the class library that form descriptions name
// (TBitmap, TIcon, TPngImage, TJPEGImage, TImageList). Registration lives
// here, called at start-up, because a registration inside a class's own
// source would be dropped by the linker when no code names the class.
void RegisterUiClasses();
