// main() of the tests that build forms and controls: the GUI platform is
// started first; the tests run offscreen.
#include <cstdlib>

#include "platform/ui/guiplatform.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartGuiPlatform(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
