#include "platform/rtl/fileutils.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/streams.h"
#include "support/temp_dir.h"

namespace {

AnsiString Contents(const AnsiString& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(name, bytes)) << name;
    return bytes;
}

TEST(Files, ProgramFolderIsTheExecutablesFolder) {
    const AnsiString exe = ProgramFileName();
    EXPECT_TRUE(FileExists(exe));
    EXPECT_EQ(ExtractFileName(exe), "platform_rtl_tests");
    EXPECT_EQ(ProgramFolder(), ExtractFilePath(exe));
    EXPECT_EQ(ProgramFolder().back(), '/');
}

TEST(Files, PlatformStyleNamesReachTheOsAsUtf8WithSlashes) {
    TempDir dir;
    const AnsiString folder = dir.path() + "备份\\乗";
    EXPECT_TRUE(ForceDirectories(folder));
    EXPECT_TRUE(DirectoryExists(folder + "\\"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + Utf8(u8"备份/乗")));

    const AnsiString file = folder + "\\数据.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "确实"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_EQ(Contents(file), "确实");
    TFileStream stream(file, fmOpenRead);
    EXPECT_EQ(stream.Size(), 4);
    EXPECT_THROW(ForceDirectories(""), EInOutError);
}

TEST(Files, CopyRenameAndDeleteAnswerAsThePlatform) {
    TempDir dir;
    const AnsiString source = dir.file("database.mdb"), target = dir.file("backup.BAK");
    ASSERT_TRUE(WriteFileAtomically(source, "new"));
    ASSERT_TRUE(WriteFileAtomically(target, "old"));
    chmod(AnsiToUtf8(source).c_str(), 0640);

    EXPECT_FALSE(CopyFile(source, target, true));
    EXPECT_EQ(Contents(target), "old");
    EXPECT_TRUE(CopyFileA(source, target, false));
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(FileAge(target), FileAge(source));
    struct stat st {};
    stat(AnsiToUtf8(target).c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_FALSE(CopyFile(dir.file("missing"), dir.file("copy"), false));
    EXPECT_FALSE(FileExists(dir.file("copy")));

    EXPECT_FALSE(RenameFile(source, target));
    EXPECT_TRUE(RenameFile(source, dir.file("moved")));
    EXPECT_FALSE(FileExists(source));
    EXPECT_TRUE(DeleteFile(dir.file("moved")));
    EXPECT_FALSE(DeleteFile(dir.file("moved")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(Files, ExpandFileNameResolvesAgainstTheCurrentFolder) {
    EXPECT_EQ(ExpandFileName("a\\..\\b\\.\\乗"), IncludeTrailingPathDelimiter(GetCurrentDir()) + "b/乗");
    EXPECT_EQ(ExpandFileName("/x/y/../z/"), "/x/z/");
    EXPECT_EQ(ExpandFileName("/.."), "/");
    EXPECT_EQ(GetTempPath().back(), '/');
}

TEST(Files, FileDatesAreLocalPackedDates) {
    TempDir dir;
    const AnsiString name = dir.file("dated");
    WriteFileAtomically(name, "");
    struct tm local {};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 1;
    local.tm_mday = 29;
    local.tm_hour = 13;
    local.tm_min = 45;
    local.tm_sec = 59;
    local.tm_isdst = -1;
    const struct timespec times[2] = {{mktime(&local), 0}, {mktime(&local), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, AnsiToUtf8(name).c_str(), times, 0), 0);

    const Integer age = FileAge(name);
    EXPECT_EQ(age, Integer(44u << 25 | 2u << 21 | 29u << 16 | 13u << 11 | 45u << 5 | 29u));
    EXPECT_DOUBLE_EQ(FileDateToDateTime(age), EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 58, 0));
    EXPECT_EQ(FileAge(dir.file("missing")), -1);
    EXPECT_THROW(FileDateToDateTime(0), EConvertError);
}

std::vector<AnsiString> Search(const AnsiString& path, Integer attr) {
    std::vector<AnsiString> names;
    TSearchRec rec;
    for (int rc = FindFirst(path, attr, rec); rc == 0; rc = FindNext(rec)) names.push_back(rec.Name);
    if (!names.empty()) {
        EXPECT_EQ(FindNext(rec), int(ERROR_NO_MORE_FILES));
    }
    FindClose(rec);
    return names;
}

TEST(Files, FindFirstMatchesWildcardsAndAttributes) {
    TempDir dir;
    for (const char* name : {"a.txt", "B.TXT", "c.log", ".hidden.txt", "乗.txt", "readme"})
        WriteFileAtomically(dir.file(name), "abc");
    ForceDirectories(dir.file("sub"));

    struct Case {
        AnsiString mask;
        Integer attr;
        std::vector<AnsiString> names;
    };
    const Case cases[] = {
        {"*.txt", 0, {"B.TXT", "a.txt", "乗.txt"}},
        {"*.TXT", faHidden, {".hidden.txt", "B.TXT", "a.txt", "乗.txt"}},
        {"*", faDirectory, {".", "..", "B.TXT", "a.txt", "c.log", "readme", "sub", "乗.txt"}},
        {"*.*", faArchive, {"B.TXT", "a.txt", "c.log", "readme", "乗.txt"}},
        {"?.log", faAnyFile, {"c.log"}},
        {"乗.*", 0, {"乗.txt"}},
        {"readme.*", 0, {"readme"}},
        {"s?b", faAnyFile, {"sub"}},
        {"sub", 0, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Search(dir.path() + c.mask, c.attr), c.names) << c.mask;

    TSearchRec rec;
    ASSERT_EQ(FindFirst(dir.path() + "a.txt", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Size, 3);
    EXPECT_EQ(rec.Attr, faArchive);
    EXPECT_EQ(rec.Time, FileAge(dir.file("a.txt")));
    EXPECT_EQ(FindFirst(dir.path() + "sub\\*", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Attr & faDirectory, faDirectory);
    EXPECT_EQ(FindFirst(dir.path() + "none*", faAnyFile, rec), int(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirst(dir.path() + "missing\\*", faAnyFile, rec), int(ERROR_PATH_NOT_FOUND));
    FindClose(rec);
}

}  // namespace
