#include <gtest/gtest.h>

#include "platform/rtl/sysutils.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    SetCommandLine(argc, argv);
    return RUN_ALL_TESTS();
}
