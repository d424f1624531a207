#include "platform/rtl/filepaths.h"

#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"

namespace {

// 乗 is 81 5C: its second byte is "\" and must never split the name.
struct PathCase {
    AnsiString name, path, dir, file, ext;
};

TEST(FilePaths, TakeNamesApartByCharacter) {
    const PathCase cases[] = {
        {"C:\\data\\乗.txt", "C:\\data\\", "C:\\data", "乗.txt", ".txt"},
        {"/opt/乗", "/opt/", "/opt", "乗", ""},
        {"备份\\乗", "备份\\", "备份", "乗", ""},
        {"乗", "", "", "乗", ""},
        {"/a", "/", "/", "a", ""},
        {"a//b", "a//", "a//", "b", ""},
        {"a.b\\c", "a.b\\", "a.b", "c", ""},
        {"x/备份.tar.gz", "x/", "x", "备份.tar.gz", ".gz"},
        {"mixed/dir\\file.", "mixed/dir\\", "mixed/dir", "file.", "."},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    }
}

TEST(FilePaths, ChangeExtensionsAndTrailingDelimiters) {
    EXPECT_EQ(ChangeFileExt("a\\b.txt", ".ini"), "a\\b.ini");
    EXPECT_EQ(ChangeFileExt("a.b\\c", ".ini"), "a.b\\c.ini");
    EXPECT_EQ(ChangeFileExt("乗", ".bak"), "乗.bak");
    EXPECT_EQ(ChangeFileExt("x.tar.gz", ""), "x.tar");

    EXPECT_EQ(IncludeTrailingPathDelimiter("dir乗"), "dir乗/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("dir\\"), "dir\\");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("dir乗"), "dir乗");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("dir/"), "dir");
    EXPECT_TRUE(IsPathDelimiter("a\\", 2));
    EXPECT_FALSE(IsPathDelimiter("乗", 2));
}

TEST(FilePaths, OsNamesUseSlashesAndUtf8) {
    EXPECT_EQ(NormalizePathDelimiters("备份\\乗\\a.bak"), "备份/乗/a.bak");
    EXPECT_EQ(OsFileName("database\\乗表.mdb"), Utf8(u8"database/乗表.mdb"));
}

}  // namespace
