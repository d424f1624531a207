// Compound files: what another reader (python3-olefile, in its strict mode)
// finds in them — streams small and large, empty, many, and past the
// header's own list of FAT sectors — the same bytes for the same content,
// seeking back to overwrite, and the failures a caller gets before anything
// is written.
#include "platform/rtl/storage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <sys/stat.h>

#include "platform/rtl/fileutils.h"
#include "support/command_output.h"
#include "support/temp_dir.h"

namespace {

// Each stream as "name size sha1" on a line, in the reader's order, or the
// reader's complaint.
std::string ReadWithOlefile(const std::string& file, const TempDir& dir) {
    const std::string script =
        "import hashlib, olefile, sys\n"
        "ole = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)\n"
        "for path in ole.listdir(streams=True, storages=True):\n"
        "    data = ole.openstream(path).read()\n"
        "    print('/'.join(path), len(data), hashlib.sha1(data).hexdigest())\n";
    const std::string program = dir.file("read_streams.py");
    std::ofstream(program) << script;
    return CommandOutput("/usr/bin/python3 '" + program + "' '" + file + "' 2>&1");
}

std::string Sha1(const std::string& bytes, const TempDir& dir) {
    const std::string file = dir.file("bytes.bin");
    std::ofstream(file, std::ios::binary) << bytes;
    const std::string out = CommandOutput("sha1sum '" + file + "'");
    return out.substr(0, 40);
}

// Bytes that differ from one position to the next, so misplaced sectors show.
std::string Pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = char((i * 131 + seed * 7 + (i >> 9)) & 0xFF);
    return bytes;
}

void WriteCompoundFile(const std::string& file, const std::vector<std::pair<AnsiString, std::string>>& streams) {
    std::shared_ptr<IStorage> storage;
    OleCheck(StgCreateDocfile(file, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage));
    for (const auto& [name, bytes] : streams) {
        std::shared_ptr<IStream> stream;
        OleCheck(storage->CreateStream(name, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream));
        TOleStream(stream).WriteBuffer(bytes.data(), Integer(bytes.size()));
    }
    OleCheck(storage->Commit(STGC_DEFAULT));
}

TEST(CompoundFile, AnotherReaderFindsEveryStreamWhole) {
    TempDir dir;
    struct Case {
        const char* what;
        std::vector<std::pair<AnsiString, std::string>> streams;
    };
    const std::vector<Case> cases = {
        {"one small stream, in the mini stream", {{"Workbook", Pattern(100, 1)}}},
        {"an empty stream", {{"Workbook", ""}}},
        {"at the cut-off, in sectors of its own", {{"Workbook", Pattern(4096, 2)}}},
        {"small and large together, in no order",
         {{"Workbook", Pattern(70000, 3)}, {"Ctls", Pattern(65, 4)}, {"A", Pattern(4095, 5)}, {"Zebra", Pattern(1, 6)}}},
        {"past 109 FAT sectors, listed in DIFAT sectors", {{"Workbook", Pattern(8 * 1024 * 1024, 7)}}},
    };
    for (const Case& c : cases) {
        const std::string file = dir.file("book.xls");
        WriteCompoundFile(file, c.streams);
        std::vector<std::string> expected;
        for (const auto& [name, bytes] : c.streams)
            expected.push_back(name + " " + std::to_string(bytes.size()) + " " + Sha1(bytes, dir));
        std::sort(expected.begin(), expected.end());
        std::string read = ReadWithOlefile(file, dir);
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = read.find('\n', at)) != std::string::npos; at = end + 1)
            lines.push_back(read.substr(at, end - at));
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(lines, expected) << c.what << "\n" << read;
    }
}

TEST(CompoundFile, SameContentSameBytesAndSeekingBackOverwrites) {
    TempDir dir;
    std::string first, second;
    for (std::string* bytes : {&first, &second}) {
        const std::string file = dir.file(bytes == &first ? "a.xls" : "b.xls");
        std::shared_ptr<IStorage> storage;
        ASSERT_EQ(StgCreateDocfile(file, 0x1012, 0, storage), S_OK);
        std::shared_ptr<IStream> stream;
        ASSERT_EQ(storage->CreateStream("Workbook", 0x1012, 0, 0, stream), S_OK);
        TOleStream writer(stream);
        writer.WriteBuffer("0000tail", 8);
        writer.SetPosition(0);
        writer.WriteBuffer("head", 4);
        EXPECT_EQ(writer.Position(), 4);
        EXPECT_EQ(writer.Size(), 8);
        storage.reset();  // released: written
        ASSERT_TRUE(ReadFileBytes(file, *bytes));
    }
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.size() % 512, 0u);
    EXPECT_NE(ReadWithOlefile(dir.file("a.xls"), dir).find("Workbook 8 "), std::string::npos);
    EXPECT_NE(first.find("headtail"), std::string::npos);
}

TEST(CompoundFile, FailuresComeBeforeAnythingIsWritten) {
    TempDir dir;
    const std::string existing = dir.file("old.xls");
    std::ofstream(existing) << "old";
    std::shared_ptr<IStorage> storage;
    const Cardinal create = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    EXPECT_EQ(StgCreateDocfile(dir.file("missing/book.xls"), create, 0, storage), STG_E_PATHNOTFOUND);
    EXPECT_EQ(storage, nullptr);
    EXPECT_EQ(StgCreateDocfile(existing, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage), STG_E_FILEALREADYEXISTS);
    EXPECT_EQ(StgCreateDocfile(existing, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, storage), STG_E_INVALIDFLAG);
    EXPECT_EQ(StgCreateDocfile(dir.path(), create, 0, storage), STG_E_ACCESSDENIED);
    std::string old;
    ASSERT_TRUE(ReadFileBytes(existing, old));
    EXPECT_EQ(old, "old");

    ASSERT_EQ(StgCreateDocfile(existing, create, 0, storage), S_OK);
    std::shared_ptr<IStream> stream;
    EXPECT_EQ(storage->CreateStream("A name of thirty-two characters.", create, 0, 0, stream), STG_E_INVALIDNAME);
    EXPECT_EQ(storage->CreateStream("Workbook", create, 0, 0, stream), S_OK);
    EXPECT_EQ(storage->CreateStream("WORKBOOK", STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream),
              STG_E_FILEALREADYEXISTS);

    storage->Revert();
    storage.reset();
    ASSERT_TRUE(ReadFileBytes(existing, old));
    EXPECT_EQ(old, "old");  // reverted: the file stays as it was

    try {
        OleCheck(STG_E_PATHNOTFOUND);
        FAIL() << "no exception";
    } catch (const EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode(), STG_E_PATHNOTFOUND);
        EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_NO_THROW(OleCheck(S_FALSE));
}

}  // namespace
