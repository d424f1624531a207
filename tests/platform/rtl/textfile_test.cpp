#include "platform/rtl/textfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::vector<AnsiString> ReadAll(const AnsiString& content) {
    const auto path = std::filesystem::temp_directory_path() / "textfile_test.txt";
    std::ofstream(path, std::ios::binary) << content;
    TextFile file;
    AssignFile(file, path.string());
    Reset(file);
    EXPECT_EQ(IOResult(), 0);
    std::vector<AnsiString> lines;
    while (!Eof(file)) {
        AnsiString line;
        ReadLn(file, line);
        lines.push_back(line);
    }
    CloseFile(file);
    std::filesystem::remove(path);
    return lines;
}

TEST(TextFile, LinesEndAtEveryKindOfBreak) {
    using Lines = std::vector<AnsiString>;
    EXPECT_EQ(ReadAll("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(ReadAll("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(ReadAll(""), Lines{});
    const AnsiString longLine(200000, 'x');
    EXPECT_EQ(ReadAll(longLine + "\r\n" + "y"), (Lines{longLine, "y"}));
}

TEST(TextFile, MissingFileSetsTheResultOnce) {
    TextFile file;
    AssignFile(file, "/nonexistent/dir/file.csv");
    Reset(file);
    EXPECT_NE(IOResult(), 0);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_TRUE(Eof(file));
}

}  // namespace
