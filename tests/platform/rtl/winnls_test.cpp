#include "platform/rtl/winnls.h"

#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"

namespace {

TEST(WinNls, CodePagesAndLocaleAreChinese) {
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_EQ(GetOEMCP(), 936u);
    EXPECT_EQ(GetUserDefaultLCID(), 0x0804u);
    char buffer[8];
    EXPECT_EQ(GetLocaleInfo(GetUserDefaultLCID(), LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "936");
    EXPECT_EQ(GetLocaleInfo(0x0409, LOCALE_IDEFAULTANSICODEPAGE, nullptr, 0), 4);
    EXPECT_EQ(GetLocaleInfo(0x0804, LOCALE_IDEFAULTANSICODEPAGE, buffer, 3), 0) << "buffer too small";
    EXPECT_EQ(GetLocaleInfo(0x0804, 0x7777, buffer, sizeof buffer), 0) << "unknown item";
}

TEST(WinNls, ConvertsWithSizesAndTerminators) {
    AnsiString ansi = Utf8ToAnsi(Utf8(u8"中文𠀀a"));
    int needed = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    EXPECT_EQ(needed, 6) << "two hanzi, a surrogate pair, a letter and the terminator";
    char16_t wide[6];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, 5), 0);
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, 6), 6);
    EXPECT_EQ(std::u16string(wide), u"中文𠀀a");

    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, 2, nullptr, 0, nullptr, nullptr), 4);
    char back[16] = {};
    ASSERT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, -1, back, sizeof back, nullptr, nullptr), 10);
    EXPECT_EQ(AnsiString(back), ansi);
}

TEST(WinNls, ComparesInTheAnsiOrder) {
    struct Case {
        const char* a;
        const char* b;
        Cardinal flags;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", NORM_IGNORECASE, CSTR_EQUAL},
        {"abc", "ABC", 0, CSTR_LESS_THAN},
        {"abc", "abd", NORM_IGNORECASE, CSTR_LESS_THAN},
        {"b", "A", NORM_IGNORECASE, CSTR_GREATER_THAN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareStringA(0x0804, c.flags, c.a, -1, c.b, -1), c.expected) << c.a << " " << c.b;
        std::u16string a = AnsiToWide(c.a), b = AnsiToWide(c.b);
        EXPECT_EQ(CompareStringW(0x0804, c.flags, a.c_str(), -1, b.c_str(), int(b.size())), c.expected);
    }
    EXPECT_EQ(CompareStringA(0x0804, 0, "ab", 1, "a", -1), CSTR_EQUAL) << "lengths cut the texts";
    EXPECT_EQ(CompareStringA(0x0804, 0, nullptr, 0, "a", -1), 0);
}

TEST(WinNls, OemTextIsTheAnsiText) {
    AnsiString text = Utf8ToAnsi(Utf8(u8"墊|x"));
    char buffer[16];
    ASSERT_TRUE(OemToCharA(text.c_str(), buffer));
    EXPECT_EQ(AnsiString(buffer), text);
    ASSERT_TRUE(OemToCharA(buffer, buffer));
    EXPECT_EQ(AnsiString(buffer), text);
}

}  // namespace
