#include "platform/rtl/codepage.h"

#include <gtest/gtest.h>

namespace {

struct AnsiCase {
    const char* name;
    std::string ansi;
    std::string utf8;
};

// ANSI bytes -> UTF-8, including input that is invalid or cut short.
TEST(CodePage, DecodesAnsiTolerantly) {
    const AnsiCase cases[] = {
        {"ascii", "abc", "abc"},
        {"two-byte", "\xC8\xB7\xCA\xB5", Utf8(u8"确实")},
        {"trail is a backslash", "\x81\x5C", Utf8(u8"乗")},
        {"four-byte BMP", "\x81\x30\x81\x30", Utf8(u8"\u0080")},
        {"four-byte supplementary", "\x95\x32\x82\x36", Utf8(u8"𠀀")},
        {"lone 0x80 is the euro", "\x80", Utf8(u8"€")},
        {"0xFF", "a\xFF" "b", Utf8(u8"a\uFFFDb")},
        {"cut two-byte", "a\xC8", Utf8(u8"a\uFFFD")},
        {"cut four-byte keeps the digit", "\x81\x30", Utf8(u8"\uFFFD0")},
        {"bad trail", "\xC8\x7F", Utf8(u8"\uFFFD\u007F")},
    };
    for (const AnsiCase& c : cases) EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8) << c.name;
}

TEST(CodePage, EncodesEveryCharacterAndRoundTrips) {
    const std::string texts[] = {Utf8(u8"确实要退出本系统吗？"), Utf8(u8"乗表𠀀€"), Utf8(u8"ASCII and 中文 mixed")};
    for (const std::string& utf8 : texts) {
        AnsiString ansi = Utf8ToAnsi(utf8);
        EXPECT_EQ(AnsiToUtf8(ansi), utf8);
        EXPECT_EQ(WideToAnsi(AnsiToWide(ansi)), ansi);
        EXPECT_EQ(WideToUtf8(Utf8ToWide(utf8)), utf8);
    }
    EXPECT_EQ(Utf8ToAnsi(Utf8(u8"€")), "\xA2\xE3");
    EXPECT_EQ(Utf8ToAnsi(Utf8(u8"𠀀")), "\x95\x32\x82\x36");
}

TEST(CodePage, InvalidUtf8AndUtf16BecomeReplacementCharacters) {
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("a\xE4\xB8")), Utf8(u8"a\uFFFD"));
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("\xC0\xAF")), Utf8(u8"\uFFFD\uFFFD"));
    EXPECT_EQ(AnsiToUtf8(Utf8ToAnsi("\xED\xA0\x80")), Utf8(u8"\uFFFD"));
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), Utf8(u8"\uFFFDx"));
}

TEST(CodePage, StepsByCharacter) {
    const std::string s = "a\x81\x5C\x95\x32\x82\x36z\xC8";
    EXPECT_EQ(AnsiCharSize(s, 0), 1u);
    EXPECT_EQ(AnsiCharSize(s, 1), 2u);
    EXPECT_EQ(AnsiCharSize(s, 3), 4u);
    EXPECT_EQ(AnsiCharSize(s, 7), 1u);
    EXPECT_EQ(AnsiCharSize(s, 8), 1u);  // cut lead byte
    EXPECT_EQ(AnsiCharStart(s, 2), 1u);
    EXPECT_EQ(AnsiCharStart(s, 5), 3u);
    EXPECT_EQ(ByteType(s, 2), mbLeadByte);
    EXPECT_EQ(ByteType(s, 3), mbTrailByte);  // the "\" inside 乗
    EXPECT_EQ(ByteType(s, 8), mbSingleByte);
}

}  // namespace
