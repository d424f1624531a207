// The class library's start-up (guiplatform.h).
#include "platform/ui/guiplatform.h"

#include "platform/ui/dialogs.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/surfacehost.h"

void StartGuiPlatform(int& argc, char** argv) {
    RegisterUiClasses();
    RegisterDialogFunctions();
    RegisterThemeFunctions();
    ws::StartSurfaceHost(argc, argv);
}
