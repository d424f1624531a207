#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/glyphfitstore.h"
#include "platform/rtl/fileutils.h"
#include "tests/support/temp_dir.h"

namespace {

class GlyphFitStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    const std::string file = dir.file("cache/serviora/glyphfits");
};

TEST_F(GlyphFitStoreTest, PlacementsComeBackInTheNextRunOfTheSameVersionOnly) {
    {
        GlyphFitStore first(file, "1 Qt 6");
        EXPECT_FALSE(first.Find("宋体 12|full").has_value());
        first.Add("宋体 12|full", {11, 10, 1});
        first.Add("宋体 12|half", {11, 9, 0});
        EXPECT_EQ(first.Find("宋体 12|full"), (StoredGlyphFit{11, 10, 1}));
    }
    GlyphFitStore next(file, "1 Qt 6");
    EXPECT_EQ(next.Find("宋体 12|full"), (StoredGlyphFit{11, 10, 1}));
    EXPECT_EQ(next.Find("宋体 12|half"), (StoredGlyphFit{11, 9, 0}));
    GlyphFitStore otherRasteriser(file, "1 Qt 7");
    EXPECT_FALSE(otherRasteriser.Find("宋体 12|full").has_value());
}

// A file that does not read as placements of this version, wholly, is
// ignored (so its placements are measured again) and rewritten soundly.
TEST_F(GlyphFitStoreTest, ACorruptOrStaleFileIsIgnoredAndRewritten) {
    const std::string sound = "k\t11\t10\t1\n";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"other version", "serviora glyph fits\t0 Qt 6\n" + sound},
        {"no header", sound},
        {"cut short", "serviora glyph fits\t1 Qt 6\nk\t11\t1"},
        {"missing field", "serviora glyph fits\t1 Qt 6\n" + sound + "j\t11\t10\n"},
        {"extra field", "serviora glyph fits\t1 Qt 6\n" + sound + "j\t11\t10\t1\t5\n"},
        {"not a number", "serviora glyph fits\t1 Qt 6\n" + sound + "j\t11\tten\t1\n"},
        {"trailing junk", "serviora glyph fits\t1 Qt 6\n" + sound + "j\t11\t10x\t1\n"},
        {"size out of range", "serviora glyph fits\t1 Qt 6\n" + sound + "j\t0\t10\t1\n"},
        {"negative indent", "serviora glyph fits\t1 Qt 6\n" + sound + "j\t11\t10\t-1\n"},
        {"empty key", "serviora glyph fits\t1 Qt 6\n" + sound + "\t11\t10\t1\n"},
        {"binary", std::string("\0\x01\xFF\n\n", 5)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ForceDirectories(dir.file("cache/serviora")));
        ASSERT_TRUE(WriteFileAtomically(file, c.bytes));
        {
            GlyphFitStore store(file, "1 Qt 6");
            EXPECT_FALSE(store.Find("k").has_value()) << c.what;
            store.Add("m", {12, 10, 0});
        }
        GlyphFitStore next(file, "1 Qt 6");
        EXPECT_EQ(next.Find("m"), (StoredGlyphFit{12, 10, 0})) << c.what;
        EXPECT_FALSE(next.Find("k").has_value()) << c.what;
    }
}

// Two instances measuring at the same time keep each other's placements; a
// key cannot break the file's lines.
TEST_F(GlyphFitStoreTest, InstancesKeepEachOthersPlacements) {
    GlyphFitStore one(file, "v"), other(file, "v");
    EXPECT_FALSE(one.Find("a").has_value());
    EXPECT_FALSE(other.Find("b").has_value());
    one.Add("a\tb\nc", {9, 8, 0});
    other.Add("b", {14, 12, 1});
    GlyphFitStore next(file, "v");
    EXPECT_EQ(next.Find("a\tb\nc"), (StoredGlyphFit{9, 8, 0}));
    EXPECT_EQ(next.Find("b"), (StoredGlyphFit{14, 12, 1}));
}

}  // namespace
