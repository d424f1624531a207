#include "platform/ui/resourcestream.h"

#include <gtest/gtest.h>

#include "platform/win/resources.h"

namespace {

TEST(ResourceStream, ReadsAnEmbeddedResourceWhole) {
    TResourceStream stream(HInstance, "testdata", RT_RCDATA);
    const std::string expected("raw bytes\0 of a test resource", 29);
    ASSERT_EQ(stream.Size(), Int64(expected.size()));
    std::string bytes(expected.size(), '?');
    EXPECT_EQ(stream.Read(bytes.data(), 100), Integer(expected.size()));
    EXPECT_EQ(bytes, expected);
    EXPECT_THROW(stream.Write("x", 1), EStreamError);
}

TEST(ResourceStream, MissingResourceRaises) {
    try {
        TResourceStream stream(HInstance, "NoSuch", RT_RCDATA);
        FAIL();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NoSuch not found");
    }
    EXPECT_THROW(TResourceStream(HInstance, "TestGlyph", RT_RCDATA), EResNotFound) << "a bitmap is no RCDATA";
}

}  // namespace
