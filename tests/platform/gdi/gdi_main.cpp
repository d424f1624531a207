// main() of the device-layer tests: the graphics platform must be started
// before any font or painting work; the tests run offscreen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gdi/graphicsplatform.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartGraphicsPlatform(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
