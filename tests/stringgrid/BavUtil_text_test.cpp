#include "stringgrid/BavUtil.h"

#include <gtest/gtest.h>

#include "platform/rtl/codepage.h"

namespace {

AnsiString Ansi(const char8_t* utf8) { return Utf8ToAnsi(Utf8(utf8)); }

TEST(BavUtilText, CellTextKinds) {
    struct Case {
        AnsiString text;
        bool html;
        int kind;
    };
    const Case cases[] = {
        {"", true, ctkPlain},
        {"<b>x</b>", true, ctkHTML},
        {"<b>x</b>", false, ctkPlain},
        {"<b>x", true, ctkPlain},
        {"<B>x", true, ctkHTML},
        {"{\\rtf1 x}", true, ctkRichText},
        {"=A1+1", true, ctkFormula},
        {AnsiString("|\\\0A", 4), true, ctkWide},
        {AnsiString("|\\\0=", 4), true, ctkFormula},
        {"x|\\y", true, ctkPlain},
    };
    for (const Case& c : cases) EXPECT_EQ(GetCellTextKind(c.text, c.html), c.kind) << c.text;
}

TEST(BavUtilText, WideCellTextRoundTripsWithZeroBytes) {
    EXPECT_EQ(WideToCellText(u"A"), AnsiString("|\\\0A", 4));
    EXPECT_EQ(CellTextToWide(AnsiString("|\\\0A", 4)), u"A");
    const WideString text = u"中文𠀀\u0100";
    EXPECT_EQ(CellTextToWide(WideToCellText(text)), text);
    EXPECT_EQ(CellTextToWide(AnsiString("|\\\0A\x01", 5)), u"A") << "an odd last byte is ignored";
    EXPECT_EQ(CellTextToWide(Ansi(u8"x|\\中")), u"x|\\中") << "the prefix elsewhere is plain ANSI text";

    const char16_t s[] = u"abcabc";
    EXPECT_EQ(WideStrPos(s, u"ca"), s + 2);
    EXPECT_EQ(WideStrPos(s, u""), nullptr);
    EXPECT_EQ(WideStrPos(nullptr, u"a"), nullptr);
    EXPECT_EQ(WideStrPos(u"ab", u"abc"), nullptr);
    EXPECT_EQ(WidePos(u"文", u"中文"), 2);
    EXPECT_EQ(WidePos(u"x", u"中文"), 0);
}

TEST(BavUtilText, CellReferencesAndLinks) {
    struct Case {
        AnsiString text;
        bool ok;
        int col, row;
    };
    const Case cases[] = {
        {"r12c3", true, 3, 12}, {"R1C", false, 0, 0}, {"RxC3", false, 0, 0},
        {"R1C2", true, 2, 1},   {"C1R2", false, 0, 0},
    };
    for (const Case& c : cases) {
        TGridCoord coord{-1, -1};
        EXPECT_EQ(ParseCellReference(c.text, coord), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(coord, (TGridCoord{c.col, c.row})) << c.text;
        }
    }
    struct UrlCase {
        AnsiString text, stripped;
        bool isUrl;
    };
    const UrlCase urls[] = {
        {"http://www.example.com/a/b", "www.example.com/a/b", true},
        {"mailto:shop@example.com", "shop@example.com", true},
        {"plain text", "plain text", false},
    };
    for (const UrlCase& u : urls) {
        EXPECT_EQ(IsURLText(u.text), u.isUrl);
        AnsiString s = u.text;
        StripURLPrefix(s);
        EXPECT_EQ(s, u.stripped);
    }
}

// 墊 is 0x89 0x7C in the code page: its trail byte is "|".
TEST(BavUtilText, SearchesStepOverTrailBytes) {
    const AnsiString pad = Ansi(u8"墊");
    ASSERT_EQ(pad, "\x89|");
    int position = 99;
    EXPECT_EQ(FindCharOutsideQuotes("|", pad + "a|b", position), '|');
    EXPECT_EQ(position, 4);
    EXPECT_EQ(FindCharOutsideQuotes("|", "\"a|b\"|c", position), '|');
    EXPECT_EQ(position, 6) << "a | between quotes is skipped";
    EXPECT_EQ(FindCharOutsideQuotes("|", pad, position), '\0');
    EXPECT_EQ(position, -1);

    EXPECT_EQ(CharPosition('|', pad + "|"), 3);
    EXPECT_EQ(CountCharOccurrences('|', pad + "|" + pad), 1);
    position = 7;
    EXPECT_EQ(FindCharPos('|', pad, position), 0);
    EXPECT_EQ(position, 7) << "position is written only when found";

    AnsiString s = Ansi(u8"墊子,手机,") , token;
    CutToken(s, ",", token);
    EXPECT_EQ(token, Ansi(u8"墊子"));
    EXPECT_EQ(s, Ansi(u8"手机,"));
    CutToken(s, ",", token);
    EXPECT_EQ(token, Ansi(u8"手机"));
    CutToken(s, ",", token);
    EXPECT_EQ(token, "");
    EXPECT_EQ(s, "");

    // 乗 is 0x81 0x5C, its trail byte a backslash; ～ sits on 0x7E trails too.
    AnsiString backslash = Ansi(u8"乗n");
    EXPECT_EQ(UnescapeNewlines(backslash + "\\n"), backslash + "\r");
    AnsiString tilde = "\x81~";  // a character whose trail byte is "~"
    AnsiString t = tilde + "~";
    TildeToLineBreaks(t);
    EXPECT_EQ(t, tilde + "\r\n");
    AnsiString password = Ansi(u8"中a");
    FillWithChar(password, '*');
    EXPECT_EQ(password, "**");
}

TEST(BavUtilText, LineBreakConversions) {
    AnsiString s = "a\x0B" "b";
    RestoreLineBreaks(s);
    EXPECT_EQ(s, "a\r\nb");
    s = "^";
    TildeToLineBreaks(s);
    EXPECT_EQ(s, "");
    EXPECT_EQ(RemoveCarriageReturns("a\r\nb\r"), "a\nb");
    EXPECT_EQ(EncodeStreamLineBreaks("a\nb"), "a\nb") << "no CR: unchanged";
    EXPECT_EQ(EncodeStreamLineBreaks("a\r\nb"), "a\t\x08" "b");
    EXPECT_EQ(DecodeStreamLineBreaks("a\t\x08" "b", true), "a\r\nb");
    EXPECT_EQ(DecodeStreamLineBreaks("a\t\x08" "b", false), "a");
    EXPECT_EQ(DecodeStreamLineBreaks("a\tb", true), "a\tb") << "tabs stay without #8";

    AnsiString rest = "a\r\nb", line;
    CutFirstLine(rest, true, line);
    EXPECT_EQ(line, "a");
    EXPECT_EQ(rest, "b");
    rest = "a\rb";
    CutFirstLine(rest, false, line);
    EXPECT_EQ(line, "a");
    EXPECT_EQ(rest, "");
    rest = "single";
    CutFirstLine(rest, true, line);
    EXPECT_EQ(line, "single");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(CountTextLines("a\rb\rc", true), 3);
    EXPECT_EQ(CountTextLines("a\rb\rc", false), 1);
}

TEST(BavUtilText, Quotes) {
    EXPECT_EQ(RemoveDoubledChar('"', "a\"\"b\"c"), "a\"bc");
    struct Case {
        AnsiString text;
        int position;
    };
    const Case cases[] = {
        {"abc\",x", 4}, {"ab\"\"c\"", 6}, {"abc", 0}, {"a\"\"b", 0}, {"", 0},
    };
    for (const Case& c : cases) {
        int position = -5;
        EXPECT_EQ(FindClosingQuote('"', c.text, position), c.position) << c.text;
        EXPECT_EQ(position, c.position);
    }
    EXPECT_EQ(CountClosingQuotes('"', "a\",b\",c\""), 3);
    EXPECT_EQ(CountClosingQuotes('"', "abc"), 0);
}

TEST(BavUtilText, MixedCase) {
    struct Case {
        AnsiString in, out;
    };
    const Case cases[] = {
        {"o'neil-smith", "O'Neil-Smith"}, {"mcdonald", "McDonald"},     {"john mcdonald", "John McDonald"},
        {"JOHN SMITH", "John Smith"},     {"henry iii", "Henry III"},  {"a.b,c", "A.B,C"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToMixedCase(c.in), c.out) << c.in;
    EXPECT_EQ(ToMixedCase(Ansi(u8"张 abc")), Ansi(u8"张 Abc"));
    EXPECT_EQ(LowerCaseChar('Q'), 'q');
    EXPECT_EQ(LowerCaseChar('1'), '1');
}

TEST(BavUtilText, PositionsAndRects) {
    int position = 0;
    EXPECT_EQ(PosVar("lo", "hello", position), 4);
    EXPECT_EQ(position, 4);
    EXPECT_EQ(UpperCasePos("<B>", "x<b>y"), 2);
    EXPECT_EQ(UpperCasePos("<b>", "x<b>y"), 0) << "the sub text is not upper-cased";
    TGridRect rect{1, 2, 3, 4};
    EXPECT_TRUE(CellInGridRect(rect, 1, 4));
    EXPECT_FALSE(CellInGridRect(rect, 0, 3));
    EXPECT_EQ(ClampToLimits(50, 10, 40), 40);
    EXPECT_EQ(ClampToLimits(5, 10, 40), 10);
    EXPECT_EQ(ClampToLimits(5, 10, 10), 5);
    EXPECT_EQ(ClampToLimits(500, 10, 0), 500);
    EXPECT_EQ(MaxOf(2, 3), 3);
    EXPECT_EQ(MinOf(2, 3), 2);
}

}  // namespace
