// File handles with sharing among the program's own handles, file dates
// and attributes, relative paths, searching, disks and folders.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "support/temp_dir.h"

namespace {

TEST(FileHandles, ReadWriteSeekAndSharing) {
    TempDir dir;
    const AnsiString name = dir.file("单.txt");
    const Integer created = FileCreate(name);
    ASSERT_GE(created, 0);
    EXPECT_EQ(FileOpen(name, fmOpenRead | fmShareDenyNone), -1) << "FileCreate shares with none";
    EXPECT_EQ(FileWrite(created, "abcdef", 6), 6);
    EXPECT_EQ(FileSeek(created, 2, 0), 2);
    char buffer[8] = {};
    EXPECT_EQ(FileRead(created, buffer, 8), 4);
    EXPECT_STREQ(buffer, "cdef");
    FileClose(created);
    EXPECT_EQ(FileRead(created, buffer, 1), -1) << "a closed handle is no longer ours";

    const Integer reader = FileOpen(name, fmOpenRead | fmShareDenyWrite);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(FileOpen(name, fmOpenWrite | fmShareDenyNone), -1);
    const Integer second = FileOpen(name, fmOpenRead | fmShareDenyNone);
    EXPECT_GE(second, 0);
    EXPECT_EQ(FileSeek(reader, 0, 2), 6);
    FileClose(second);
    FileClose(reader);
    const Integer writer = FileOpen(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_GE(writer, 0);
    FileClose(writer);
    EXPECT_EQ(FileOpen(dir.file("missing"), fmOpenRead), -1);
}

TEST(FileHandles, DatesAndAttributesRoundTrip) {
    TempDir dir;
    const AnsiString name = dir.file("a.txt");
    FileClose(FileCreate(name));
    const Integer age = DateTimeToFileDate(EncodeDate(2004, 3, 15) + EncodeTime(10, 20, 30, 0));
    EXPECT_EQ(FileDateToDateTime(age), EncodeDate(2004, 3, 15) + EncodeTime(10, 20, 30, 0));
    EXPECT_EQ(FileSetDate(name, age), 0);
    EXPECT_EQ(FileAge(name), age);
    const Integer handle = FileOpen(name, fmOpenReadWrite);
    EXPECT_EQ(FileGetDate(handle), age);
    EXPECT_EQ(FileSetDate(handle, age + 2), 0);
    FileClose(handle);
    EXPECT_EQ(FileAge(name), age + 2);
    EXPECT_EQ(DateTimeToFileDate(EncodeDate(1970, 1, 1)), 0);

    EXPECT_EQ(FileGetAttr(name), faArchive);
    EXPECT_EQ(FileSetAttr(name, faReadOnly), 0);
    EXPECT_EQ(FileGetAttr(name) & faReadOnly, geteuid() == 0 ? 0 : faReadOnly);
    EXPECT_EQ(FileSetAttr(name, 0), 0);
    FileClose(FileCreate(dir.file(".hidden")));
    EXPECT_EQ(FileGetAttr(dir.file(".hidden")), faArchive | faHidden);
    EXPECT_EQ(FileGetAttr(dir.path()), faDirectory);
    EXPECT_EQ(FileGetAttr(dir.file("none")), -1);
}

TEST(FileHandles, PathsDisksAndFolders) {
    EXPECT_EQ(ExtractFileDrive("/home/a.txt"), "");
    EXPECT_EQ(ExpandUNCFileName("/a/./b/../c"), "/a/c");
    EXPECT_EQ(ExtractRelativePath("/data/reports/a.pas", "/data/forms/b.dfm"), "../forms/b.dfm");
    EXPECT_EQ(ExtractRelativePath("/data/a.pas", "/data/b.dfm"), "b.dfm");

    TempDir dir;
    const AnsiString sub = dir.file("sub");
    EXPECT_TRUE(CreateDir(sub));
    EXPECT_FALSE(CreateDir(sub));
    FileClose(FileCreate(sub + "/found.txt"));
    EXPECT_EQ(FileSearch("found.txt", dir.file("nothing") + ";" + sub), ExpandFileName(sub + "/found.txt"));
    EXPECT_EQ(FileSearch("lost.txt", sub), "");
    EXPECT_FALSE(RemoveDir(sub));
    DeleteFile(sub + "/found.txt");
    EXPECT_TRUE(RemoveDir(sub));

    const AnsiString previous = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(dir.path()));
    EXPECT_EQ(IncludeTrailingPathDelimiter(GetCurrentDir()), dir.path());
    EXPECT_GT(DiskSize(0), 0);
    EXPECT_GE(DiskSize(0), DiskFree(0));
    EXPECT_EQ(DiskFree(3), -1);
    EXPECT_EQ(DiskSize(1), -1);
    EXPECT_TRUE(SetCurrentDir(previous));
    EXPECT_FALSE(SetCurrentDir(dir.file("none")));
}

}  // namespace
