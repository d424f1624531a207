// main() of the window-system tests: the surfaces' Qt side must be started
// before any window is shown; the tests run offscreen unless a real X server
// is chosen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win/surfacehost.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ws::StartSurfaceHost(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
