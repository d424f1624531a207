#include <gtest/gtest.h>

#include "platform/rtl/sysutils.h"

namespace {

// Bytes 81 5C: a Chinese character whose second byte is "\".
const AnsiString kBackslashTrail = "乗";
// Characters whose second byte is an ASCII letter or "|".
const AnsiString kLowerATrail = "\x81\x61";
const AnsiString kUpperATrail = "\x81\x41";
const AnsiString kBarTrail = "\x81\x7C";

TEST(SysUtilsStrings, TrimRemovesBlanksAndControlsAtTheEnds) {
    EXPECT_EQ(Trim(" \t 中文 a \r\n"), "中文 a");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x \x01"), "  x");
    EXPECT_EQ(Trim(" \t "), "");
}

TEST(SysUtilsStrings, CaseMappingStepsByCharacter) {
    EXPECT_EQ(UpperCase("abc中文xyz"), "ABC中文XYZ");
    EXPECT_EQ(UpperCase(kLowerATrail + "a"), kLowerATrail + "A");
    EXPECT_EQ(LowerCase(kUpperATrail + "A"), kUpperATrail + "a");
    EXPECT_EQ(UpperCase("ａｂｃ"), "ａｂｃ");
    EXPECT_EQ(AnsiUpperCase("abcａｂｚαβωабвёя乗"), "ABCＡＢＺΑΒΩАБВЁЯ乗");
    EXPECT_EQ(AnsiLowerCase("ABCＡＢＺΑΒΩАБВЁЯ乗"), "abcａｂｚαβωабвёя乗");
    EXPECT_EQ(AnsiUpperCase(kLowerATrail), kLowerATrail);
    EXPECT_EQ(WideUpperCase(u"abcàÿ÷ａｚαςωабяё乗"), u"ABCÀŸ÷ＡＺΑΣΩАБЯЁ乗");
}

struct CompareCase {
    int (*compare)(const AnsiString&, const AnsiString&);
    const char* name;
    AnsiString a, b;
    int expected;
};

TEST(SysUtilsStrings, CompareRoutines) {
    const CompareCase cases[] = {
        {CompareStr, "CompareStr bytes", "abc", "abd", -1},
        {CompareStr, "CompareStr case", "a", "B", 1},
        {CompareStr, "CompareStr prefix", "ab", "abc", -1},
        {CompareStr, "CompareStr high bytes are unsigned", "z", "中", -1},
        {CompareText, "CompareText folds ASCII", "HeLLo", "hello", 0},
        {CompareText, "CompareText orders", "abc", "ABD", -1},
        {CompareText, "CompareText keeps trail bytes", kLowerATrail, kUpperATrail, 1},
        {CompareText, "CompareText leaves full-width", "ａ", "Ａ", 1},
        {AnsiCompareText, "pinyin order", "啊", "张", -1},
        {AnsiCompareText, "folds ASCII", "Zhang三", "zhang三", 0},
        {AnsiCompareText, "folds full-width", "ａ", "Ａ", 0},
        {AnsiCompareText, "letters before hanzi", "z", "啊", -1},
        {AnsiCompareStr, "primary order first", "A", "b", -1},
        {AnsiCompareStr, "lower case first on a tie", "a", "A", -1},
        {AnsiCompareStr, "first differing character decides", "Ab", "aB", 1},
        {AnsiCompareStr, "equal", "张a", "张a", 0},
        {AnsiCompareStr, "hanzi by pinyin", "张", "啊", 1},
    };
    for (const CompareCase& c : cases) {
        int result = c.compare(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.expected) << c.name;
    }
    EXPECT_TRUE(SameText("ABC", "abc"));
    EXPECT_FALSE(SameText(kLowerATrail, kUpperATrail));
    EXPECT_TRUE(AnsiSameText("ａbc", "ＡBC"));
    EXPECT_FALSE(AnsiSameStr("a", "A"));
}

TEST(SysUtilsStrings, Quoting) {
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(AnsiQuotedStr("say \"乗\"", '"'), "\"say \"\"乗\"\"\"");
    // The trail byte of 乗 is a backslash: only the backslash of its own is doubled.
    EXPECT_EQ(AnsiQuotedStr("乗\\a", '\\'), "\\乗\\\\a\\");
    EXPECT_EQ(AnsiQuotedStr("", '"'), "\"\"");
    const struct {
        AnsiString quoted, expected;
    } cases[] = {
        {"'it''s'", "it's"}, {"''", ""},          {"'乗表'", "乗表"}, {"'a'rest", "a"},
        {"abc", "abc"},      {"'unclosed", "'unclosed"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(AnsiDequotedStr(c.quoted, '\''), c.expected) << c.quoted;

    const struct {
        AnsiString source, extracted, rest;
    } extracts[] = {
        {"'it''s' more", "it's", " more"}, {"'乗''", "乗'", ""}, {"plain", "", "plain"}, {"", "", ""},
    };
    for (const auto& c : extracts) {
        AnsiString source = c.source;
        EXPECT_EQ(AnsiExtractQuotedStr(source, '\''), c.extracted) << c.source;
        EXPECT_EQ(source, c.rest) << c.source;
    }
    EXPECT_EQ(UpCase('a'), 'A');
    EXPECT_EQ(UpCase('Z'), 'Z');
    EXPECT_EQ(UpCase('\xE4'), '\xE4');
}

TEST(SysUtilsStrings, StringReplaceMatchesWholeCharactersOnly) {
    const struct {
        AnsiString s, from, to;
        TReplaceFlags flags;
        AnsiString expected;
    } cases[] = {
        {"a-b-c", "-", "+", rfReplaceAll, "a+b+c"},
        {"a-b-c", "-", "+", 0, "a+b-c"},
        {"Abc abc", "ABC", "x", rfReplaceAll | rfIgnoreCase, "x x"},
        {"Abc abc", "ABC", "x", rfReplaceAll, "Abc abc"},
        {"aaa", "aa", "b", rfReplaceAll, "ba"},
        {"abc", "", "x", rfReplaceAll, "abc"},
        {"C:\\" + kBackslashTrail + "\\x", "\\", "/", rfReplaceAll, "C:/" + kBackslashTrail + "/x"},
        {"|" + kBarTrail + "|", "|", ",", rfReplaceAll, "," + kBarTrail + ","},
        {kLowerATrail + "a", "A", "b", rfReplaceAll | rfIgnoreCase, kLowerATrail + "b"},
        {"ｘ张ｘ", "Ｘ", "y", rfReplaceAll | rfIgnoreCase, "y张y"},
    };
    for (const auto& c : cases) EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << c.s;
}

TEST(SysUtilsStrings, PosNeverMatchesInsideACharacter) {
    EXPECT_EQ(Pos("b", "abc"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("\\", kBackslashTrail + "\\"), 3);
    EXPECT_EQ(Pos("\\", kBackslashTrail), 0);
    // 5C 81 occurs in 81 5C 81 5C only across the two characters.
    EXPECT_EQ(AnsiPos("\x5C\x81", kBackslashTrail + kBackslashTrail), 0);
    EXPECT_EQ(AnsiPos("表", "乗表"), 3);
    // "\x81" alone matches the lead byte but would cut the character.
    EXPECT_EQ(AnsiPos("\x81", kBackslashTrail), 0);
}

TEST(SysUtilsStrings, CopyDeleteInsertClampLikeThePlatform) {
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
    EXPECT_EQ(Copy("abcdef", -5, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 2, -1), "");

    const struct {
        int index, count;
        AnsiString expected;
    } deletes[] = {{2, 2, "adef"}, {0, 2, "abcdef"}, {5, 10, "abcd"}, {7, 1, "abcdef"}, {1, 0, "abcdef"}};
    for (const auto& d : deletes) {
        AnsiString s = "abcdef";
        Delete(s, d.index, d.count);
        EXPECT_EQ(s, d.expected) << d.index << "," << d.count;
    }

    const struct {
        int index;
        AnsiString expected;
    } inserts[] = {{1, "XYabc"}, {0, "XYabc"}, {3, "abXYc"}, {4, "abcXY"}, {99, "abcXY"}};
    for (const auto& i : inserts) {
        AnsiString s = "abc";
        Insert("XY", s, i.index);
        EXPECT_EQ(s, i.expected) << i.index;
    }
    EXPECT_EQ(StringOfChar('-', 3), "---");
    EXPECT_EQ(StringOfChar('-', -1), "");
}

TEST(SysUtilsStrings, DelimitersAreNeverTrailBytes) {
    const AnsiString path = "D:\\数据\\" + kBackslashTrail + "表.txt";
    int last = LastDelimiter("\\", path);
    EXPECT_EQ(last, 8);
    EXPECT_EQ(Copy(path, last + 1, 100), kBackslashTrail + "表.txt");
    EXPECT_EQ(LastDelimiter("\\:", kBackslashTrail + "表"), 0);
    EXPECT_EQ(LastDelimiter(".\\", path), int(path.size()) - 3);
    EXPECT_EQ(LastDelimiter("|", "a|" + kBarTrail), 2);
    EXPECT_EQ(LastDelimiter("|", ""), 0);

    EXPECT_TRUE(IsDelimiter("\\", path, 3));
    EXPECT_FALSE(IsDelimiter("\\", path, 10));  // the 5C of 乗
    EXPECT_FALSE(IsDelimiter("\\", path, 0));
    EXPECT_FALSE(IsDelimiter("\\", path, 100));
}

}  // namespace
