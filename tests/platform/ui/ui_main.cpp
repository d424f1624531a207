// main() of the class-library tests: the GUI platform must be started before any
// font or painting work; the tests run offscreen.
#include <cstdlib>

#include "platform/ui/guiplatform.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartGuiPlatform(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
