// Zero-terminated strings, remembered memory blocks, the multi-byte
// routines over GB18030 text, and the remaining SysUtils helpers: quoted
// text, line breaks, locale texts, OS errors, packages and the exception
// being handled.
#include "platform/rtl/pchar.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/format.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/winnls.h"

namespace {

const AnsiString kChinese = "中文a";  // two 2-byte characters and "a"

TEST(PChar, BlocksAreRememberedWithTheirSize) {
    auto* block = static_cast<char*>(AllocMem(8));
    EXPECT_EQ(block[7], 0);
    EXPECT_EQ(AllocMemAvailable(block), 8u);
    EXPECT_EQ(AllocMemAvailable(block + 5), 3u);
    EXPECT_EQ(AllocMemAvailable(block + 8), 0u);
    int local = 0;
    EXPECT_EQ(AllocMemAvailable(&local), 0u);
    auto* other = static_cast<char*>(AllocMem(8));
    EXPECT_TRUE(CompareMem(block, other, 8));
    other[3] = 1;
    EXPECT_FALSE(CompareMem(block, other, 8));
    FreeMem(block);
    FreeMem(other);
    EXPECT_EQ(AllocMemAvailable(other), 0u);
}

TEST(PChar, CopiesComparesAndSearches) {
    char buffer[32] = {};
    EXPECT_STREQ(StrCopy(buffer, "abc"), "abc");
    EXPECT_EQ(StrECopy(buffer, "xy"), buffer + 2);
    EXPECT_STREQ(StrLCopy(buffer, "abcdef", 3), "abc");
    EXPECT_STREQ(StrCat(buffer, "de"), "abcde");
    EXPECT_STREQ(StrLCat(buffer, "fghij", 7), "abcdefg");
    EXPECT_EQ(StrLen(buffer), 7u);
    EXPECT_EQ(StrEnd(buffer), buffer + 7);
    EXPECT_STREQ(StrPLCopy(buffer, "hello", 2), "he");
    EXPECT_STREQ(StrMove(buffer, "xyz", 2), "xy");
    EXPECT_LT(StrComp("a", "b"), 0);
    EXPECT_EQ(StrIComp("ABC", "abc"), 0);
    EXPECT_EQ(StrLComp("abcX", "abcY", 3), 0);
    EXPECT_EQ(StrLIComp("ABCx", "abcy", 3), 0);
    EXPECT_STREQ(StrScan("a.b.c", '.'), ".b.c");
    EXPECT_STREQ(StrRScan("a.b.c", '.'), ".c");
    EXPECT_EQ(StrScan("abc", 'z'), nullptr);
    EXPECT_STREQ(StrPos("hello", "ll"), "llo");
    std::strcpy(buffer, "MiXed");
    EXPECT_STREQ(StrUpper(buffer), "MIXED");
    EXPECT_STREQ(StrLower(buffer), "mixed");
    EXPECT_EQ(StrPas(nullptr), "");

    char* made = StrAlloc(10);
    EXPECT_EQ(StrBufSize(made), 10u);
    StrDispose(made);
    char* copy = StrNew("abc");
    EXPECT_STREQ(copy, "abc");
    EXPECT_EQ(StrBufSize(copy), 4u);
    StrDispose(copy);
    EXPECT_EQ(StrNew(""), nullptr);
}

TEST(PChar, AnsiRoutinesStepWholeCharacters) {
    EXPECT_EQ(AnsiStrComp("a", "b"), -1);
    EXPECT_EQ(AnsiStrIComp("ABC", "abc"), 0);
    EXPECT_EQ(AnsiStrLComp((kChinese + "x").c_str(), (kChinese + "y").c_str(), 5), 0);
    EXPECT_EQ(AnsiStrLIComp("ABx", "aby", 2), 0);
    EXPECT_STREQ(AnsiLastChar(kChinese), "a");
    const AnsiString two = "中文";
    EXPECT_EQ(AnsiStrLastChar(two.c_str()), two.c_str() + 2);
    EXPECT_EQ(AnsiLastChar(""), nullptr);
    EXPECT_STREQ(AnsiStrPos(kChinese.c_str(), "a"), "a");
    EXPECT_STREQ(AnsiStrScan(kChinese.c_str(), 'a'), "a");
    EXPECT_STREQ(AnsiStrRScan("a/b/c", '/'), "/c");

    EXPECT_EQ(ByteType(kChinese, 1), mbLeadByte);
    EXPECT_EQ(ByteType(kChinese, 2), mbTrailByte);
    EXPECT_EQ(ByteType(kChinese, 5), mbSingleByte);
    EXPECT_EQ(StrByteType(kChinese.c_str(), 3), mbTrailByte);
    EXPECT_EQ(ByteToCharLen(kChinese, 3), 2);
    EXPECT_EQ(CharToByteLen(kChinese, 2), 4);
    EXPECT_EQ(ByteToCharIndex(kChinese, 4), 2);
    EXPECT_EQ(ByteToCharIndex(kChinese, 6), 0);
    EXPECT_EQ(CharToByteIndex(kChinese, 3), 5);
    EXPECT_EQ(CharToByteIndex(kChinese, 4), 0);
}

TEST(SysUtilsMore, TextsLocaleErrorsAndPackages) {
    EXPECT_EQ(ExtractQuotedString("'it''s'", '\''), "it's");
    EXPECT_EQ(ExtractQuotedString("abc", '\''), "abc");
    EXPECT_EQ(AdjustLineBreaks("a\nb\rc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(AdjustLineBreaks("a\n\nb"), "a\r\n\r\nb");
    EXPECT_TRUE(IsValidIdent("_Memo1"));
    EXPECT_FALSE(IsValidIdent("1abc"));
    EXPECT_FALSE(IsValidIdent(""));

    EXPECT_EQ(GetLocaleStr(LANG_CHINESE_PRC, LOCALE_S1159, "AM"), AnsiString("上午"));
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ","), ".");
    EXPECT_EQ(GetLocaleStr(0x0409, LOCALE_SDECIMAL, "?"), "?");
    EXPECT_EQ(GetLocaleStr(LANG_CHINESE_PRC, 0x7777, "none"), "none");
    EXPECT_EQ(GetLocaleChar(LANG_CHINESE_PRC, LOCALE_SDATE, '/'), '-');
    EXPECT_EQ(GetLocaleChar(0x0409, LOCALE_SDATE, '/'), '/');

    EXPECT_FALSE(SysErrorMessage(ENOENT).empty());
    SetLastError(ENOENT);
    try {
        Win32Check(false);
        FAIL();
    } catch (const EOSError& e) {
        EXPECT_EQ(e.Message().rfind("System Error.  Code: 2.\r\n", 0), 0u) << e.Message();
    }
    EXPECT_TRUE(Win32Check(true));
    EXPECT_THROW(LoadPackage("report.bpl"), EPackageError);
    UnloadPackage(0);

    AnsiString text;
    const TVarRec pair[] = {TVarRec(7), TVarRec("x")};
    FmtStr(text, "%d-%s", pair);
    EXPECT_EQ(text, "7-x");
    char buffer[16];
    const TVarRec args[] = {TVarRec(12345)};
    EXPECT_STREQ(StrLFmt(buffer, 3, "%d", args), "123");
    EXPECT_STREQ(StrFmt(buffer, "[%d]", args), "[12345]");
    std::fill(std::begin(buffer), std::end(buffer), 'z');
    EXPECT_EQ(FormatBuf(buffer, 4, "%dIGNORED", 2, args), 4u);
    EXPECT_EQ(std::string(buffer, 5), "1234z");
}

TEST(SysUtilsMore, TheExceptionBeingHandled) {
    EXPECT_EQ(ExceptObject(), nullptr);
    EXPECT_EQ(ExceptAddr(), nullptr);
    try {
        throw EConvertError("bad number");
    } catch (...) {
        Exception* handled = ExceptObject();
        ASSERT_NE(handled, nullptr);
        EXPECT_EQ(handled->Message(), "bad number");
        EXPECT_NE(ExceptAddr(), nullptr);
        char buffer[64];
        EXPECT_EQ(ExceptionErrorMessage(handled, ExceptAddr(), buffer, sizeof buffer), 35);
        EXPECT_STREQ(buffer, "Exception EConvertError: bad number");
        EXPECT_EQ(ExceptionErrorMessage(handled, nullptr, buffer, 10), 9);
        EXPECT_STREQ(buffer, "Exception");
    }
    EXPECT_THROW(OutOfMemoryError(), EOutOfMemory);
    EAccessViolation violation("x");
    EXPECT_TRUE(violation.InheritsFrom(EExternal::StaticClass()));
    EXPECT_TRUE(EPackageError("x").InheritsFrom(Exception::StaticClass()));
}

}  // namespace
