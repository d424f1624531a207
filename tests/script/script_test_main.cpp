// The script tests run with the interpreter started once, as the report
// engine starts it.
#include <gtest/gtest.h>

#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreter_startup.h"

namespace {

class InterpreterEnvironment : public testing::Environment {
public:
    void SetUp() override { InitializeInterpreter(); }
    void TearDown() override { FinalizeInterpreter(); }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    SetCommandLine(argc, argv);
    testing::AddGlobalTestEnvironment(new InterpreterEnvironment);
    return RUN_ALL_TESTS();
}
