#include "platform/rtl/streams.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/stringlist.h"
#include "support/temp_dir.h"

namespace {

std::string ReadWholeFile(const std::string& utf8Name) {
    std::ifstream in(utf8Name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each kind of stream, holding "0123456789" with the position at 0.
struct StreamKind {
    const char* name;
    std::function<std::unique_ptr<TStream>(const TempDir&)> make;
};

const StreamKind kKinds[] = {
    {"memory",
     [](const TempDir&) -> std::unique_ptr<TStream> {
         auto s = std::make_unique<TMemoryStream>();
         s->WriteBuffer("0123456789", 10);
         s->SetPosition(0);
         return s;
     }},
    {"string", [](const TempDir&) -> std::unique_ptr<TStream> { return std::make_unique<TStringStream>("0123456789"); }},
    {"file",
     [](const TempDir& dir) -> std::unique_ptr<TStream> {
         auto s = std::make_unique<TFileStream>(dir.file("digits.bin"), fmCreate);
         s->WriteBuffer("0123456789", 10);
         s->SetPosition(0);
         return s;
     }},
};

TEST(TStream, SeekFromEachOrigin) {
    struct Case {
        Int64 start, offset;
        TSeekOrigin origin;
        Int64 expected;
        char next;  // the byte read there
    };
    const Case cases[] = {
        {5, 3, soFromBeginning, 3, '3'}, {5, 2, soFromCurrent, 7, '7'}, {5, -2, soCurrent, 3, '3'},
        {5, -4, soFromEnd, 6, '6'},       {0, -1, soEnd, 9, '9'},        {2, 0, soBeginning, 0, '0'},
    };
    for (const StreamKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TempDir dir;
        auto stream = kind.make(dir);
        EXPECT_EQ(stream->Size(), 10);
        for (const Case& c : cases) {
            stream->SetPosition(c.start);
            EXPECT_EQ(stream->Seek(c.offset, c.origin), c.expected);
            EXPECT_EQ(stream->Position(), c.expected);
            char byte = 0;
            stream->ReadBuffer(&byte, 1);
            EXPECT_EQ(byte, c.next);
        }
    }
}

TEST(TStream, ShortReadBufferRaisesReadError) {
    for (const StreamKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TempDir dir;
        auto stream = kind.make(dir);
        char buffer[16] = {};
        stream->SetPosition(6);
        EXPECT_EQ(stream->Read(buffer, 16), 4);  // plain Read answers what it got
        stream->SetPosition(6);
        try {
            stream->ReadBuffer(buffer, 5);
            ADD_FAILURE() << "no exception";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), "Stream read error");
        }
        stream->SetPosition(10);
        stream->ReadBuffer(buffer, 0);  // nothing asked, nothing missing
    }
}

TEST(TStream, CopyFrom) {
    struct Case {
        const char* name;
        Int64 sourcePosition, count;
        std::string expected;
    };
    const Case cases[] = {
        {"count 0 copies all from the start", 7, 0, "0123456789"},
        {"count copies from the position", 3, 4, "3456"},
    };
    for (const StreamKind& kind : kKinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.name);
            TempDir dir;
            auto source = kind.make(dir);
            source->SetPosition(c.sourcePosition);
            TStringStream target;
            EXPECT_EQ(target.CopyFrom(source.get(), c.count), static_cast<Int64>(c.expected.size()));
            EXPECT_EQ(target.DataString(), c.expected);
        }
        TempDir dir;
        auto source = kind.make(dir);
        source->SetPosition(8);
        TMemoryStream target;
        EXPECT_THROW(target.CopyFrom(source.get(), 3), EReadError);
    }

    // More than one copy block.
    TMemoryStream big;
    std::string bytes(200000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    big.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    TStringStream copy;
    EXPECT_EQ(copy.CopyFrom(&big, 0), 200000);
    EXPECT_EQ(copy.DataString(), bytes);
}

TEST(TFileStream, OpenModesAndErrors) {
    TempDir dir;
    const AnsiString name = dir.file("维修单.txt");
    const std::string osName = AnsiToUtf8(name);

    try {
        TFileStream missing(name, fmOpenRead | fmShareDenyNone);
        ADD_FAILURE() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + name + "\"");
    }
    EXPECT_THROW(TFileStream(dir.path(), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.path(), fmCreate), EFCreateError);
    const AnsiString noFolder = dir.file("没有/x.txt");
    try {
        TFileStream create(noFolder, fmCreate);
        ADD_FAILURE() << "created a file in a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + noFolder + "\"");
    }

    {
        TFileStream create(name, fmCreate);
        create.WriteBuffer("first contents", 14);
    }
    EXPECT_EQ(ReadWholeFile(osName), "first contents");  // the name reaches the OS as UTF-8
    {
        TFileStream create(name, fmCreate | fmShareExclusive);  // truncates
        create.WriteBuffer("new", 3);
    }
    EXPECT_EQ(ReadWholeFile(osName), "new");
    {
        TFileStream write(name, fmOpenWrite | fmShareDenyWrite);  // keeps the rest
        write.WriteBuffer("N", 1);
    }
    EXPECT_EQ(ReadWholeFile(osName), "New");
    {
        TFileStream read(name, fmOpenRead | fmShareDenyNone);
        EXPECT_THROW(read.WriteBuffer("x", 1), EWriteError);
        EXPECT_EQ(read.FileName(), name);
    }
    {
        TFileStream both(name, fmOpenReadWrite);
        both.SetSize(2);
        EXPECT_EQ(both.Position(), 2);
        both.WriteBuffer("w!", 2);
    }
    EXPECT_EQ(ReadWholeFile(osName), "New!");

    // Folders written the platform's way; the "\" inside 乗 stays part of it.
    std::filesystem::create_directory(AnsiToUtf8(dir.file("子")));
    {
        TFileStream create(dir.file("子\\乗.txt"), fmCreate);
        create.WriteBuffer("ok", 2);
    }
    EXPECT_EQ(ReadWholeFile(AnsiToUtf8(dir.file("子/乗.txt"))), "ok");
}

TEST(TMemoryStream, SizeAndContents) {
    TMemoryStream stream;
    stream.SetPosition(3);
    stream.WriteBuffer("ab", 2);  // past the end: the gap is zeros
    EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), 5), std::string("\0\0\0ab", 5));
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    stream.SetPosition(1);
    stream.SetSize(8);
    EXPECT_EQ(stream.Position(), 1);
    EXPECT_EQ(stream.Size(), 8);
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(TMemoryStream, FileRoundTripKeepsBytes) {
    TempDir dir;
    const AnsiString name = dir.file("备份.dat");
    const std::string bytes = std::string("乗表\x80\r\n", 7) + std::string(1, '\0') + "end";
    TMemoryStream out;
    out.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    out.SaveToFile(name);
    EXPECT_EQ(ReadWholeFile(AnsiToUtf8(name)), bytes);

    TMemoryStream in;
    in.LoadFromFile(name);
    EXPECT_EQ(std::string(static_cast<const char*>(in.Memory()), static_cast<std::size_t>(in.Size())), bytes);
    TStringStream copy;
    in.SaveToStream(&copy);
    EXPECT_EQ(copy.DataString(), bytes);
    EXPECT_THROW(in.LoadFromFile(dir.file("missing")), EFOpenError);
}

TEST(TStringStream, ReadsAndWritesStrings) {
    TStringStream stream("维修记录");
    EXPECT_EQ(stream.ReadString(2), "维");
    EXPECT_EQ(stream.ReadString(100), "修记录");
    EXPECT_EQ(stream.ReadString(1), "");
    stream.SetPosition(2);
    stream.WriteString("单");  // writing cuts the string off after what was written
    EXPECT_EQ(stream.DataString(), "维单");
    EXPECT_EQ(stream.Seek(10, soFromBeginning), 4);  // the position stays inside the string
    stream.SetSize(2);
    EXPECT_EQ(stream.DataString(), "维");
    EXPECT_EQ(stream.Position(), 2);
}

}  // namespace

namespace {

// Lines whose writing fails half-way, after some bytes went out.
class TFailingStrings : public TStringList {
public:
    void SaveToStream(TStream* stream) const override {
        stream->WriteBuffer("half", 4);
        throw EWriteError("Stream write error");
    }
};

}  // namespace

// Saving replaces the file in one step: an existing name (and a hard link
// to its old contents) keeps the old bytes until the new ones are whole,
// and a save that fails leaves the old file as it was.
TEST(SaveToFile, ReplacesTheFileWholeOrNotAtAll) {
    TempDir dir;
    const AnsiString name = dir.file("导出.txt"), link = dir.file("old.txt");
    const auto prepare = [&] {
        std::filesystem::remove(AnsiToUtf8(link));
        std::ofstream(AnsiToUtf8(name), std::ios::binary | std::ios::trunc) << "old contents";
        std::filesystem::create_hard_link(AnsiToUtf8(name), AnsiToUtf8(link));
    };
    TMemoryStream memory;
    memory.WriteBuffer("memory", 6);
    TStringList lines;
    lines.Add("lines");
    const struct {
        const char* saver;
        std::function<void()> save;
        const char* expected;
    } cases[] = {
        {"memory stream", [&] { memory.SaveToFile(name); }, "memory"},
        {"strings", [&] { lines.SaveToFile(name); }, "lines\r\n"},
        {"bytes", [&] { SaveBytesToFile(name, "bytes"); }, "bytes"},
    };
    for (const auto& c : cases) {
        prepare();
        c.save();
        EXPECT_EQ(ReadWholeFile(AnsiToUtf8(name)), c.expected) << c.saver;
        EXPECT_EQ(ReadWholeFile(AnsiToUtf8(link)), "old contents") << c.saver << " wrote into the old file";
    }
    prepare();
    EXPECT_THROW(TFailingStrings().SaveToFile(name), EWriteError);
    EXPECT_EQ(ReadWholeFile(AnsiToUtf8(name)), "old contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(AnsiToUtf8(dir.path())), {}), 2) << "no temporary left";
    EXPECT_THROW(lines.SaveToFile(dir.file("没有/x.txt")), EFCreateError);
}

namespace {

// Counts the writes that reach it; refuses bytes past `limit`.
class TCountingStream : public TMemoryStream {
public:
    int writes = 0;
    Int64 limit = 1 << 30;
    Integer Write(const void* buffer, Integer count) override {
        ++writes;
        if (Position() + count > limit) count = static_cast<Integer>(std::max<Int64>(0, limit - Position()));
        return TMemoryStream::Write(buffer, count);
    }
};

std::string Contents(TMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

}  // namespace

TEST(TBufferedWriteStream, GathersSmallWritesAndFlushesBeforeOtherRequests) {
    TCountingStream target;
    target.WriteBuffer("ab", 2);
    target.writes = 0;
    TBufferedWriteStream buffered(&target, 8);
    for (char c : std::string("cdefg")) buffered.WriteBuffer(&c, 1);
    EXPECT_EQ(target.writes, 0);
    EXPECT_EQ(buffered.Position(), 7);  // the caller's position, then the bytes waiting
    EXPECT_EQ(target.writes, 1);
    buffered.WriteBuffer("hijkl", 5);
    buffered.WriteBuffer("0123456789", 10);  // larger than the block: straight through
    buffered.Flush();
    EXPECT_EQ(Contents(target), "abcdefghijkl0123456789");
    EXPECT_EQ(target.writes, 3);
    buffered.WriteBuffer("Z", 1);
    buffered.SetPosition(0);
    char first = 0;
    buffered.ReadBuffer(&first, 1);
    EXPECT_EQ(first, 'a');
    EXPECT_EQ(Contents(target).back(), 'Z');
}

TEST(TBufferedWriteStream, AShortWriteRaisesAtFlush) {
    TCountingStream target;
    target.limit = 3;
    TBufferedWriteStream buffered(&target, 16);
    buffered.WriteBuffer("abcdef", 6);
    EXPECT_THROW(buffered.Flush(), EWriteError);
    buffered.Flush();  // nothing waits any more
}
