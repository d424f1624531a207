// The Qt application object behind StartGuiPlatform.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "platform/ui/guiplatform.h"

void StartGuiPlatform(int& argc, char** argv) {
    static std::unique_ptr<QGuiApplication> application;
    if (QCoreApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = std::make_unique<QGuiApplication>(argc, argv);
}
