// The LZHUF decoder against the project's encoder and against streams
// worked out by hand.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "skin/LZH.h"
#include "tools/skinpack/LZHEncoder.h"

namespace {

struct TDecoded {
    bool ok;
    std::vector<Byte> bytes;
};

// Decodes a package (int32 size, then the stream) through the callbacks.
TDecoded Decode(const std::vector<Byte>& package) {
    Integer size = 0;
    std::memcpy(&size, package.data(), sizeof size);
    std::size_t position = sizeof size;
    TDecoded result{false, {}};
    TLZH decoder;
    result.ok = decoder.Unpack(
        size,
        [&](const void* buffer, Integer count, Integer& written) {
            const auto* bytes = static_cast<const Byte*>(buffer);
            result.bytes.insert(result.bytes.end(), bytes, bytes + count);
            written = count;
        },
        [&](void* buffer, Integer count, Integer& got) {
            got = static_cast<Integer>(std::min<std::size_t>(count, package.size() - position));
            std::memcpy(buffer, package.data() + position, got);
            position += got;
        });
    return result;
}

std::vector<Byte> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<Byte> RandomBytes(std::size_t count, unsigned seed, int alphabet) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, alphabet - 1);
    std::vector<Byte> bytes(count);
    for (Byte& b : bytes) b = static_cast<Byte>(pick(random));
    return bytes;
}

std::vector<Byte> Text(std::size_t count) {
    static const char* words[] = {"phone ", "repair ", "screen ", "battery ", "the ", "customer ", "order\r\n"};
    std::mt19937 random(7);
    std::string text;
    while (text.size() < count) text += words[random() % 7];
    text.resize(count);
    return Bytes(text);
}

// Two blocks of random bytes 4,096 apart, so the second can only be
// found at the ring's full distance.
std::vector<Byte> MatchAtFullDistance() {
    std::vector<Byte> bytes = RandomBytes(4096 + 50, 3, 256);
    std::copy(bytes.begin(), bytes.begin() + 50, bytes.begin() + 4096);
    return bytes;
}

struct TRoundTrip {
    const char* name;
    std::vector<Byte> data;
};

class LZHRoundTrip : public testing::TestWithParam<TRoundTrip> {};

TEST_P(LZHRoundTrip, DecodesWhatTheEncoderPacked) {
    const std::vector<Byte>& data = GetParam().data;
    const TDecoded decoded = Decode(TLZHEncoder().Pack(data));
    EXPECT_TRUE(decoded.ok);
    EXPECT_TRUE(decoded.bytes == data);
}

INSTANTIATE_TEST_SUITE_P(
    Payloads, LZHRoundTrip,
    testing::Values(TRoundTrip{"Empty", {}}, TRoundTrip{"OneByte", {'A'}},
                    TRoundTrip{"HundredSpaces", std::vector<Byte>(100, ' ')},
                    TRoundTrip{"RepeatedPattern", Bytes(std::string(3000, 'x') + "abcabcabcabcabcabcabcabc")},
                    TRoundTrip{"RandomBytes70K", RandomBytes(70 * 1024, 1, 256)},
                    TRoundTrip{"TwoLetters200K", RandomBytes(200 * 1024, 2, 2)},
                    TRoundTrip{"Text400K", Text(400 * 1024)},
                    TRoundTrip{"MatchAtDistance4096", MatchAtFullDistance()}),
    [](const testing::TestParamInfo<TRoundTrip>& info) { return info.param.name; });

TEST(LZH, LeafOfLetterAInTheInitialTreeIsNineBits) {
    const TDecoded decoded = Decode({0x01, 0x00, 0x00, 0x00, 0xE6, 0x80});
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.bytes, Bytes("A"));
}

TEST(LZH, MatchBeforeTheFirstByteCopiesTheRingsSpaces) {
    const TDecoded decoded = Decode({0x07, 0x00, 0x00, 0x00, 0x90, 0x00, 0x00});
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.bytes, Bytes("       "));
}

TEST(LZH, EncoderWritesTheHandCheckedCodes) {
    EXPECT_EQ(TLZHEncoder().Pack(Bytes("A")), (std::vector<Byte>{0x01, 0x00, 0x00, 0x00, 0xE6, 0x80}));
}

TEST(LZH, OutputStopsAtExactlyTheSizeEvenInsideAMatch) {
    // The seven-space match of the fixture above, asked for three bytes.
    const TDecoded decoded = Decode({0x03, 0x00, 0x00, 0x00, 0x90, 0x00, 0x00});
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.bytes, Bytes("   "));
}

TEST(LZH, StreamThatEndsEarlyFails) {
    std::vector<Byte> package = TLZHEncoder().Pack(Text(10000));
    package.resize(package.size() / 2);
    const TDecoded decoded = Decode(package);
    EXPECT_FALSE(decoded.ok);
    EXPECT_LT(decoded.bytes.size(), 10000u);
}

TEST(LZH, SizeLargerThanTheStreamFails) {
    std::vector<Byte> package = TLZHEncoder().Pack(Text(1000));
    const Integer lyingSize = 1000000;
    std::memcpy(package.data(), &lyingSize, sizeof lyingSize);
    EXPECT_FALSE(Decode(package).ok);
}

}  // namespace
