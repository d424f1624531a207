#include "platform/rtl/ole2.h"

#include <gtest/gtest.h>

namespace {

TEST(Ole, StartsAreCounted) {
    const bool before = OleInitialized();
    EXPECT_EQ(OleInitialize(nullptr), before ? S_FALSE : S_OK);
    EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
    OleUninitialize();
    EXPECT_TRUE(OleInitialized());
    OleUninitialize();
    EXPECT_EQ(OleInitialized(), before);
    if (!before) {
        OleUninitialize();  // an end without a start changes nothing
        EXPECT_EQ(OleInitialize(nullptr), S_OK);
        OleUninitialize();
    }
}

}  // namespace
