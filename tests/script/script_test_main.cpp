// The script tests run offscreen with the interpreter started once, as the
// report engine starts it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/rtl/sysutils.h"
#include "platform/ui/guiplatform.h"
#include "script/qm_kpinterpreter_startup.h"

namespace {

class InterpreterEnvironment : public testing::Environment {
public:
    void SetUp() override { InitializeInterpreter(); }
    void TearDown() override { FinalizeInterpreter(); }
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    StartGuiPlatform(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    SetCommandLine(argc, argv);
    testing::AddGlobalTestEnvironment(new InterpreterEnvironment);
    return RUN_ALL_TESTS();
}
