// The tokenizer of the report script language: blanks and comments are
// skipped, then one token is read; a token's text is classified into a
// token type, keywords through a hashed table. Also the string helpers the
// interpreter shares (line counting, item splitting, case-blind compare).
#pragma once

#include "platform/rtl/types.h"

// Token types.
constexpr int ttEnd = 0;
constexpr int ttIdentifier = 10;
constexpr int ttInteger = 11;
constexpr int ttReal = 12;
constexpr int ttString = 13;
constexpr int ttNot = 21;
constexpr int ttMultiply = 22;
constexpr int ttDivide = 23;
constexpr int ttDiv = 24;
constexpr int ttMod = 25;
constexpr int ttAnd = 26;
constexpr int ttPlus = 27;
constexpr int ttMinus = 28;
constexpr int ttOr = 29;
constexpr int ttEqual = 30;
constexpr int ttGreater = 31;
constexpr int ttLess = 32;
constexpr int ttNotEqual = 33;
constexpr int ttGreaterEqual = 34;
constexpr int ttLessEqual = 35;
constexpr int ttOpenParen = 40;
constexpr int ttCloseParen = 41;
constexpr int ttComma = 42;
constexpr int ttDot = 43;
constexpr int ttColon = 44;
constexpr int ttSemicolon = 45;
constexpr int ttOpenBracket = 46;
constexpr int ttCloseBracket = 47;
constexpr int ttRange = 48;
constexpr int ttDoubleQuote = 49;
constexpr int ttFalse = 63;
constexpr int ttTrue = 65;
constexpr int ttBegin = 66, ttEndKeyword = 67, ttIf = 68, ttThen = 69, ttElse = 70, ttWhile = 71, ttDo = 72,
              ttRepeat = 73, ttUntil = 74, ttProcedure = 75, ttFunction = 76, ttFor = 77, ttTo = 78,
              ttBreak = 79, ttContinue = 80, ttVar = 81, ttTry = 82, ttFinally = 83, ttExcept = 84, ttOn = 85,
              ttRaise = 86, ttExternal = 87, ttUnit = 88, ttUses = 89, ttConst = 90, ttPublic = 91,
              ttPrivate = 92, ttProtected = 93, ttPublished = 94, ttProperty = 95, ttClass = 96, ttType = 97,
              ttInterface = 98, ttImplementation = 99, ttExit = 100, ttArray = 101, ttOf = 102, ttCase = 103,
              ttProgram = 104, ttIn = 105, ttRecord = 106, ttDownto = 107;
constexpr int ttInvalid = -1;

class TKpInterpreterParser {
public:
    TKpInterpreterParser() = default;

    const AnsiString& Source() const { return source_; }
    // Starts reading the new text from its beginning.
    void SetSource(AnsiString source);
    void Reset() { position_ = 0; }

    // Skips blanks and comments and reads the next token; "" at the end of
    // the source. An unclosed comment, a stray "}" or "*)" raise 101.
    AnsiString Token();

    // The offset of the next unread character; the evaluator moves it to
    // read a stretch of text again.
    int Position() const { return position_; }
    void SetPosition(int position) { position_ = position; }

private:
    void SkipBlanksAndComments();
    bool SkipOneStep();
    AnsiString ReadToken();
    AnsiString ReadQuoted();

    AnsiString source_;
    int position_ = 0;
};

int TokenType(const AnsiString& text);
// The keyword's token type, or -1; case is ignored.
int KeywordId(const AnsiString& text);
// 0..8; ">=" and "<=" bind less tightly (2) than the other comparisons (3).
int OperatorPriority(int tokenType);
// The operators that are always binary: all but not, + and -.
bool IsBinaryOperator(int tokenType);
// Names and literals: the tokens an expression takes as operands.
bool IsOperandToken(int tokenType);

// Line breaks among the first `position` characters: each LF, and each CR
// not followed by LF, so CR LF, LF-only and CR-only texts count alike; -1
// when the position lies beyond the text.
int CountLineBreaks(const AnsiString& text, int position);
// The platform's case-insensitive comparison of the two texts, each read up
// to its first zero character.
bool SameTextNoCase(const AnsiString& a, const AnsiString& b);
// Item `index` (from 0) of the text split at `separator`; "" for an index
// beyond the items. Items are not trimmed.
AnsiString SeparatedItem(const AnsiString& text, int index, const AnsiString& separator);
