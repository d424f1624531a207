// The Qt application object behind StartGuiPlatform.
#include <QGuiApplication>
#include <QPointingDevice>
#include <cstdlib>
#include <memory>

#include "platform/ui/guiplatform.h"
#include "platform/ui/qt/surface_window.h"
#include "platform/ui/window_internal.h"

void StartGuiPlatform(int& argc, char** argv) {
    static std::unique_ptr<QGuiApplication> application;
    // Qt holds on to the argument count for the application's life, which
    // may outlast the caller's variable.
    static int argumentCount;
    RegisterUiClasses();
    if (QCoreApplication::instance()) return;
    argumentCount = argc;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // On a desktop the program runs on X11 (through XWayland under Wayland).
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    application = std::make_unique<QGuiApplication>(argumentCount, argv);
    // The input devices' registry is one of those globals; made now, it is
    // still there when the application takes its devices down.
    QPointingDevice::primaryPointingDevice();
    QInputDevice::primaryKeyboard();
    // Qt's own globals come to life inside that constructor and are torn
    // down at exit before a function-level static would be; an exit handler
    // registered now runs ahead of them, though not ahead of the globals Qt
    // makes later. So at exit the surfaces are abandoned rather than
    // destroyed, and the windows go before static destructors free the
    // controls that own them (which would otherwise paint while going).
    std::atexit([] {
        ws::AbandonSurfaces();
        ws::DestroyAllWindows();
        application.reset();
    });
}
