// The Qt application object behind StartGraphicsPlatform.
#include <QGuiApplication>
#include <QPointingDevice>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/gdi/graphicsplatform.h"

namespace {
std::vector<void (*)()>& ExitSteps() {
    static std::vector<void (*)()> steps;
    return steps;
}
}  // namespace

void AtGraphicsPlatformExit(void (*step)()) { ExitSteps().push_back(step); }

void StartGraphicsPlatform(int& argc, char** argv) {
    static std::unique_ptr<QGuiApplication> application;
    // Qt holds on to the argument count for the application's life, which
    // may outlast the caller's variable.
    static int argumentCount;
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
    // makes later. So the layers above get their exit steps here (the window
    // system abandons its surfaces and destroys its windows before static
    // destructors free the controls that own them), then the application
    // object goes. The list of steps is made first, so that it is still
    // there when the handler runs.
    ExitSteps();
    std::atexit([] {
        for (auto step = ExitSteps().rbegin(); step != ExitSteps().rend(); ++step) (*step)();
        application.reset();
    });
}
