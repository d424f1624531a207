// The zlib streams: a stream written by hand inflates, every level round
// trips, truncated data and wrong moves raise, and the source is left
// right after the compressed data.
#include <gtest/gtest.h>

#include <string>

#include "report/core/qm_zlibex.h"

namespace {

std::string Contents(TMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

void Fill(TMemoryStream& stream, const std::string& bytes) {
    stream.Clear();
    stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    stream.SetPosition(0);
}

// A zlib stream of one stored block: header 78 01, the block, Adler-32.
std::string StoredZlib(const std::string& data) {
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    const std::uint32_t adler = b << 16 | a;
    const auto len = static_cast<std::uint16_t>(data.size());
    std::string out = {'\x78', '\x01', '\x01', char(len & 0xFF), char(len >> 8), char(~len & 0xFF),
                       char((~len >> 8) & 0xFF)};
    out += data;
    for (int shift = 24; shift >= 0; shift -= 8) out += char(adler >> shift & 0xFF);
    return out;
}

std::string SamplePage() {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "Memo" + std::to_string(i) + " 顾客取机凭证\r\n";
    return text;
}

std::string Compressed(const std::string& data, TZCompressionLevel level) {
    TMemoryStream source, target;
    Fill(source, data);
    CompressStream(&source, &target, level);
    return Contents(target);
}

TEST(QmZLibEx, ErrorTextsByReturnCode) {
    const char* texts[] = {"file error", "stream error", "data error", "insufficient memory", "buffer error",
                           "incompatible version"};
    for (int code = -1; code >= -6; --code) EXPECT_EQ(ZErrorText(code), texts[-code - 1]);
}

TEST(QmZLibEx, AHandWrittenStoredBlockInflates) {
    TMemoryStream source, target;
    Fill(source, StoredZlib("prepared page bytes"));
    DecompressStream(&source, &target);
    EXPECT_EQ(Contents(target), "prepared page bytes");
}

TEST(QmZLibEx, EveryLevelRoundTrips) {
    const std::string page = SamplePage();
    for (TZCompressionLevel level : {zcNone, zcFastest, zcDefault, zcMax}) {
        const std::string packed = Compressed(page, level);
        ASSERT_GE(packed.size(), 2u);
        EXPECT_EQ(static_cast<unsigned char>(packed[0]), 0x78) << level;
        if (level != zcNone) {
            EXPECT_LT(packed.size(), page.size() / 4) << level;
        }
        TMemoryStream source, target;
        Fill(source, packed);
        DecompressStream(&source, &target);
        EXPECT_EQ(Contents(target), page) << level;
    }
    EXPECT_EQ(Compressed("", zcFastest).size(), 8u);  // header, empty final block, Adler-32
}

TEST(QmZLibEx, TruncatedOrDamagedDataRaises) {
    const std::string packed = Compressed(SamplePage(), zcFastest);
    for (const std::string& broken : {packed.substr(0, packed.size() / 2), packed.substr(0, packed.size() - 3),
                                      std::string("\x78\x01\xFF\xFF\xFF\xFF", 6)}) {
        TMemoryStream source, target;
        Fill(source, broken);
        try {
            DecompressStream(&source, &target);
            ADD_FAILURE() << "no error for " << broken.size() << " bytes";
        } catch (const EZDecompressionError& e) {
            EXPECT_TRUE(e.Message() == "data error" || e.Message() == "buffer error") << e.Message();
        }
    }
}

TEST(QmZLibEx, ReadingToTheEndLeavesTheSourceRightAfterTheData) {
    const std::string packed = Compressed(SamplePage(), zcMax);
    TMemoryStream source;
    Fill(source, "head" + packed + "TAIL");
    source.SetPosition(4);
    TZDecompressionStream inflater(&source);
    std::string out(SamplePage().size() + 10, '\0');
    EXPECT_EQ(inflater.Read(out.data(), static_cast<Integer>(out.size())), static_cast<Integer>(SamplePage().size()));
    EXPECT_TRUE(inflater.EndOfData());
    EXPECT_EQ(source.Position(), static_cast<Int64>(4 + packed.size()));
    char tail[4];
    source.ReadBuffer(tail, 4);
    EXPECT_EQ(std::string(tail, 4), "TAIL");
}

TEST(QmZLibEx, SeekRules) {
    const std::string page = SamplePage();
    TMemoryStream source;
    Fill(source, Compressed(page, zcDefault));
    TZDecompressionStream inflater(&source);
    int progress = 0;
    inflater.OnProgress = [&](TObject*) { ++progress; };
    EXPECT_EQ(inflater.Seek(10000, soCurrent), 10000);
    EXPECT_GT(progress, 0);
    EXPECT_EQ(inflater.Seek(20000, soBeginning), 20000);
    EXPECT_THROW(inflater.Seek(100, soBeginning), EZDecompressionError);
    EXPECT_THROW(inflater.Seek(-1, soCurrent), EZDecompressionError);
    EXPECT_EQ(inflater.Seek(0, soEnd), static_cast<Int64>(page.size()));
    EXPECT_EQ(inflater.Seek(0, soBeginning), 0);
    char first[4];
    inflater.ReadBuffer(first, 4);
    EXPECT_EQ(std::string(first, 4), "Memo");
    try {
        inflater.Write(first, 1);
        ADD_FAILURE();
    } catch (const EZDecompressionError& e) {
        EXPECT_EQ(e.Message(), "Invalid ZStream operation!");
    }

    TMemoryStream target;
    TZCompressionStream compressor(&target, zcFastest);
    compressor.WriteBuffer(page.data(), 100);
    EXPECT_EQ(compressor.Seek(0, soCurrent), 100);
    EXPECT_THROW(compressor.Seek(0, soBeginning), EZCompressionError);
    EXPECT_THROW(compressor.Read(first, 1), EZCompressionError);
}

TEST(QmZLibEx, TheDestinationMayBeMovedBetweenWrites) {
    const std::string page = SamplePage();
    TMemoryStream target;
    target.WriteBuffer("ab", 2);
    {
        TZCompressionStream compressor(&target, zcFastest);
        compressor.WriteBuffer(page.data(), static_cast<Integer>(page.size() / 2));
        target.SetPosition(0);
        compressor.WriteBuffer(page.data() + page.size() / 2, static_cast<Integer>(page.size() - page.size() / 2));
    }
    EXPECT_EQ(Contents(target).substr(0, 2), "ab");
    TMemoryStream source, out;
    Fill(source, Contents(target).substr(2));
    DecompressStream(&source, &out);
    EXPECT_EQ(Contents(out), page);
}

}  // namespace
