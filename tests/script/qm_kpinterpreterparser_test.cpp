#include "script/qm_kpinterpreterparser.h"

#include <gtest/gtest.h>

#include "script/qm_kpinterpreterconst.h"

namespace {

std::vector<std::pair<AnsiString, int>> Tokens(const AnsiString& source) {
    TKpInterpreterParser parser;
    parser.SetSource(source);
    std::vector<std::pair<AnsiString, int>> tokens;
    for (AnsiString token = parser.Token(); !token.empty(); token = parser.Token())
        tokens.emplace_back(token, TokenType(token));
    return tokens;
}

TEST(Tokenizer, ReadsTokensWithTheirTypes) {
    using T = std::vector<std::pair<AnsiString, int>>;
    EXPECT_EQ(Tokens("x:=1"), (T{{"x", 10}, {":", 44}, {"=", 30}, {"1", 11}}));
    EXPECT_EQ(Tokens("1..10"), (T{{"1", 11}, {"..", 48}, {"10", 11}}));
    EXPECT_EQ(Tokens("1.5 a>=b<>c<=d"),
              (T{{"1.5", 12}, {"a", 10}, {">=", 34}, {"b", 10}, {"<>", 33}, {"c", 10}, {"<=", 35}, {"d", 10}}));
    EXPECT_EQ(Tokens("'it''s' '' ''''"), (T{{"'it's'", 13}, {"''", 13}, {"'''", 13}}));
    EXPECT_EQ(Tokens("#65#321#13#10"), (T{{"'A'", 13}, {"'A'", 13}, {"'\r'", 13}, {"'\n'", 13}}));
    EXPECT_EQ(Tokens("$1F $ $G @"), (T{{"$1F", 11}, {"$", -1}, {"$", -1}, {"G", 10}, {"@", -1}}));
    EXPECT_EQ(Tokens("'维修单'"), (T{{"'维修单'", 13}}));
    EXPECT_EQ(Tokens("'open"), (T{{"'open", -1}}));
    EXPECT_EQ(Tokens("a // rest\r\nb"), (T{{"a", 10}, {"b", 10}}));
    EXPECT_EQ(Tokens("a // to the end"), (T{{"a", 10}}));
    EXPECT_EQ(Tokens("a { (* } b (* { *) c {$R+} d"), (T{{"a", 10}, {"b", 10}, {"c", 10}, {"d", 10}}));
}

TEST(Tokenizer, ABraceCommentEndsOnlyAtARealBrace) {
    // 倉 is 0x82 0x7D in the code page: its second byte looks like "}".
    const AnsiString text = "a { \x82\x7D } b";
    EXPECT_EQ(Tokens(text).size(), 2u);
    EXPECT_EQ(Tokens(text)[1].first, "b");
}

TEST(Tokenizer, CommentErrorsReportTheirPosition) {
    struct Case {
        const char* source;
        int position;
    } cases[] = {{"a { never closed", 2}, {"a } b", 2}, {"a (* never", 2}, {"ab *) c", 3}};
    for (const Case& c : cases) {
        TKpInterpreterParser parser;
        parser.SetSource(c.source);
        try {
            while (!parser.Token().empty()) {
            }
            ADD_FAILURE() << c.source;
        } catch (const EKpInterpreterError& e) {
            EXPECT_EQ(e.Code, 101) << c.source;
            EXPECT_EQ(e.Position, c.position) << c.source;
            EXPECT_EQ(e.Message(), "Error in remark");
        }
    }
}

TEST(Tokenizer, PositionMovesTheReader) {
    TKpInterpreterParser parser;
    parser.SetSource("begin x end");
    EXPECT_EQ(parser.Token(), "begin");
    const int afterBegin = parser.Position();
    EXPECT_EQ(parser.Token(), "x");
    parser.SetPosition(afterBegin);
    EXPECT_EQ(parser.Token(), "x");
    parser.Reset();
    EXPECT_EQ(parser.Token(), "begin");
}

TEST(Keywords, AllKeywordsInAnyCase) {
    const char* words[] = {"true", "false", "or", "and", "not", "div", "mod", "begin", "end", "if",
                           "then", "else", "while", "do", "repeat", "until", "procedure", "function", "for", "to",
                           "break", "continue", "var", "try", "finally", "except", "on", "raise", "external",
                           "unit", "uses", "const", "public", "private", "protected", "published", "property",
                           "class", "type", "interface", "implementation", "exit", "array", "of", "case",
                           "program", "in", "record", "downto"};
    const int types[] = {65, 63, 29, 26, 21, 24, 25, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75,
                         76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 92,
                         93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107};
    for (std::size_t i = 0; i < std::size(words); ++i) {
        AnsiString upper = words[i];
        for (char& c : upper) c = char(std::toupper(c));
        EXPECT_EQ(KeywordId(words[i]), types[i]) << words[i];
        EXPECT_EQ(TokenType(upper), types[i]) << upper;
    }
    EXPECT_EQ(TokenType("BeGiN"), 66);
    EXPECT_EQ(TokenType("beginning"), 10);
    EXPECT_EQ(TokenType("x"), 10);
    EXPECT_EQ(TokenType("with"), 10);
    EXPECT_EQ(TokenType("xor"), 10);
    EXPECT_EQ(KeywordId("implementationx"), -1);
    EXPECT_EQ(KeywordId("ImPlEmEnTaTiOn"), 99);
}

TEST(Keywords, OperatorPriorities) {
    struct Case {
        const char* token;
        int priority;
    } cases[] = {{"not", 8}, {"*", 6}, {"/", 6}, {"div", 6}, {"mod", 6}, {"and", 5}, {"+", 4}, {"-", 4},
                 {"or", 4},  {"=", 3}, {">", 3}, {"<", 3},   {"<>", 3},  {">=", 2},  {"<=", 2}, {",", 0}, {"x", 0}};
    for (const Case& c : cases) EXPECT_EQ(OperatorPriority(TokenType(c.token)), c.priority) << c.token;
}

TEST(ScriptStrings, SeparatedItem) {
    struct Case {
        const char* text;
        int index;
        const char* separator;
        const char* item;
    } cases[] = {{"a,,b", 0, ",", "a"}, {"a,,b", 1, ",", ""},  {"a,,b", 2, ",", "b"}, {"a,,b", 3, ",", ""},
                 {"a,,b", -1, ",", ""}, {",a", 0, ",", ""},    {"a,", 1, ",", ""},    {"", 0, ",", ""},
                 {"x; y;z", 1, ";", " y"}, {"Report, Unit2", 1, ",", " Unit2"}};
    for (const Case& c : cases)
        EXPECT_EQ(SeparatedItem(c.text, c.index, c.separator), c.item) << c.text << " " << c.index;
}

TEST(ScriptStrings, CountLineBreaksCountsEveryLineEnd) {
    EXPECT_EQ(CountLineBreaks("a\r\nb\r\nc", 6), 2);
    EXPECT_EQ(CountLineBreaks("a\nb\nc", 4), 2);
    EXPECT_EQ(CountLineBreaks("a\rb\rc", 4), 2);
    EXPECT_EQ(CountLineBreaks("a\r\n", 2), 0);
    EXPECT_EQ(CountLineBreaks("a\r\n", 3), 1);
    EXPECT_EQ(CountLineBreaks("abc", 4), -1);
    EXPECT_EQ(CountLineBreaks("abc", 0), 0);
}

TEST(ScriptStrings, SameTextNoCase) {
    EXPECT_TRUE(SameTextNoCase("Unit1", "UNIT1"));
    EXPECT_TRUE(SameTextNoCase(AnsiString("ab\0cd", 5), "AB"));
    EXPECT_FALSE(SameTextNoCase("Unit1", "Unit2"));
}

}  // namespace
