// The engine's name tables: system variables and colours.
#include <gtest/gtest.h>

#include "report/core/qm_const1.h"

namespace {

TEST(QmConst1, SystemVariablesAndColours) {
    EXPECT_STREQ(QmSystemVariableNames.front(), "_Qm_Page");
    EXPECT_STREQ(QmSystemVariableNames[4], "_Qm_DateTime");
    EXPECT_STREQ(QmSystemVariableNames.back(), "_Qm_TotalPages");
    EXPECT_STREQ(QmColorNames[16].Name, "clTransparent");
    EXPECT_EQ(QmColorNames[16].Value, 0x1FFFFFFF);
    EXPECT_EQ(QmColorNames[13].Value, 0xFF0000);  // clBlue, stored as 0x00BBGGRR
    for (int index = 0; index < 25; ++index)
        EXPECT_EQ(static_cast<unsigned>(QmColorNames[static_cast<std::size_t>(17 + index)].Value), 0xFF000000u + unsigned(index))
            << QmColorNames[static_cast<std::size_t>(17 + index)].Name;
    EXPECT_TRUE(ChineseFontDefaults);
}

}  // namespace
