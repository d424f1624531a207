// The filter-row language: a lexer over raw operators, words and values,
// and the parser of one or two conditions.
#include "datagrid/DbUtilsVynFilterParser.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"

namespace {

using Raw = TFilterRawOperator;

// The parser's messages; each is followed by the whole trimmed text.
constexpr const char* QuoteAbsentText = "Quote is absent: ";
constexpr const char* OpenBracketExpectedText = "'(' expected: ";
constexpr const char* CloseBracketExpectedText = "')' expected: ";
constexpr const char* ErrorInExpressionText = "Error in expression: ";
constexpr const char* UnexpectedBeforeNullText = "Unexpected expression before Null: ";
constexpr const char* UnexpectedAfterOperatorText = "Unexpected expression after operator: ";
constexpr const char* IncorrectExpressionText = "Incorrect expression: ";
constexpr const char* UnexpectedAndOrText = "Unexpected AND or OR: ";

[[noreturn]] void RaiseFilterError(const char* message, const AnsiString& text) {
    throw Exception(AnsiString(message) + text);
}

int Length(const AnsiString& s) { return static_cast<int>(s.size()); }

// The position of the character after the one at Pos.
int NextCharPos(const AnsiString& s, int pos) {
    return pos + static_cast<int>(AnsiCharSize(s, static_cast<std::size_t>(pos - 1)));
}

bool IsWordChar(unsigned char c) {
    if (c < 32) return false;
    return std::string_view(" !\"&'()+,-.<=>|~").find(static_cast<char>(c)) == std::string_view::npos;
}

struct WordOperator {
    const char* word;
    const char* alternative;  // from the resource table; empty is never compared
    Raw op;
};
constexpr std::array<WordOperator, 6> WordOperators{{{"NOT", "Not", Raw::Not},
                                                     {"AND", "AND", Raw::And},
                                                     {"OR", "OR", Raw::Or},
                                                     {"LIKE", "", Raw::Like},
                                                     {"IN", "In", Raw::In},
                                                     {"NULL", "Null", Raw::Null}}};

// The raw operator at Pos and its length in bytes (0 when none).
Raw RawOperatorAt(const AnsiString& s, int pos, int& length) {
    const char c = FilterCharAt(s, pos);
    const char next = FilterCharAt(s, pos + 1);
    length = 1;
    switch (c) {
        case '=': return Raw::Equal;
        case '<':
            if (next == '>' || next == '=') {
                length = 2;
                return next == '>' ? Raw::NotEqual : Raw::LessOrEqual;
            }
            return Raw::Less;
        case '>':
            if (next == '=') {
                length = 2;
                return Raw::GreaterOrEqual;
            }
            return Raw::Greater;
        case '!':
            if (next == '=') {
                length = 2;
                return Raw::NotEqual;
            }
            return Raw::Not;
        case '~': return Raw::Like;
        case '&': return Raw::And;
        case '|': return Raw::Or;
        case '(': return Raw::OpenBracket;
        default: break;
    }
    const AnsiString word = ScanFilterWord(s, pos);
    length = Length(word);
    const Raw op = word.empty() ? Raw::None : FilterWordOperator(word);
    if (op == Raw::None) length = 0;
    return op;
}

TFilterOperator RawOperatorToken(Raw op) {
    switch (op) {
        case Raw::Equal: return fopEqual;
        case Raw::NotEqual: return fopNotEqual;
        case Raw::GreaterOrEqual: return fopGreaterOrEqual;
        case Raw::LessOrEqual: return fopLessOrEqual;
        case Raw::Greater: return fopGreater;
        case Raw::Less: return fopLess;
        case Raw::Like: return fopLike;
        case Raw::In: return fopIn;
        case Raw::And: return fopAnd;
        case Raw::Or: return fopOr;
        case Raw::Null: return fopNull;
        default: return fopNone;
    }
}

TFilterOperator NegatedToken(TFilterOperator token) {
    switch (token) {
        case fopLike: return fopNotLike;
        case fopIn: return fopNotIn;
        case fopNull: return fopNotNull;
        default: return fopNone;
    }
}

// The end of a quoted value starting at Pos (the position of its closing
// quote); raises when there is none.
int ClosingQuotePos(const AnsiString& s, int pos) {
    for (int p = pos + 1; p <= Length(s); p = NextCharPos(s, p))
        if (s[static_cast<std::size_t>(p - 1)] == '\'') return p;
    RaiseFilterError(QuoteAbsentText, s);
}

// The token of an operator lexeme at Pos, with Pos moved past it; false
// when no raw operator starts there. IN checks its bracket; NOT reads the
// lexeme it negates, which only an operator can turn into a token.
bool OperatorLexeme(const AnsiString& s, int& pos, TFilterOperator& token, bool commaSeparates, bool valuesNeeded,
                    Variant* value) {
    int length = 0;
    const Raw op = RawOperatorAt(s, pos, length);
    if (op == Raw::None) return false;
    pos = SkipFilterSpaces(s, pos + length);
    if (op == Raw::Not) {
        TFilterOperator negated = fopNone;
        if (valuesNeeded) {
            Variant ignored;
            NextFilterLexeme(s, pos, commaSeparates, negated, value ? *value : ignored);
        } else if (!OperatorLexeme(s, pos, negated, commaSeparates, false, nullptr) &&
                   FilterCharAt(s, pos) == '\'') {
            ClosingQuotePos(s, pos);
        }
        token = NegatedToken(negated);
    } else if (op == Raw::In) {
        if (FilterCharAt(s, pos) != '(') RaiseFilterError(OpenBracketExpectedText, s);
        ++pos;
        token = fopIn;
    } else {
        token = RawOperatorToken(op);
    }
    return true;
}

bool IsOperatorToken(TFilterOperator token) { return token >= fopEqual && token <= fopOr; }

// Step 3 of the parse for one condition whose first lexeme is read.
void ReadCondition(const AnsiString& text, int& pos, bool& commaSeparates, TFilterOperandKind kind,
                   TFilterOperator token, const Variant& value, TFilterOperator& op, Variant& operand,
                   bool closeList) {
    if (token == fopValue) {
        op = VarIsArray(value) ? fopIn : kind == fokString ? fopLike : fopEqual;
        operand = value;
        return;
    }
    if (token == fopNone) RaiseFilterError(ErrorInExpressionText, text);
    op = token;
    const bool list = op == fopIn || op == fopNotIn;
    if (list) commaSeparates = true;
    pos = SkipFilterSpaces(text, pos);
    TFilterOperator operandToken = fopNone;
    Variant operandValue;
    NextFilterLexeme(text, pos, commaSeparates, operandToken, operandValue);
    if (operandToken == fopNull) {
        if (op == fopEqual)
            op = fopNull;
        else if (op == fopNotEqual)
            op = fopNotNull;
        else
            RaiseFilterError(UnexpectedBeforeNullText, text);
    } else if (operandToken != fopValue) {
        RaiseFilterError(UnexpectedAfterOperatorText, text);
    }
    operand = operandValue;
    if (list && closeList) {
        pos = SkipFilterSpaces(text, pos);
        if (FilterCharAt(text, pos) != ')') RaiseFilterError(CloseBracketExpectedText, text);
        ++pos;
        commaSeparates = FilterListCommaSeparates(kind);
    }
}

Variant ConvertedOperand(TFilterOperator op, const Variant& operand, TFilterOperandKind kind) {
    return op >= fopEqual && op <= fopNotIn ? ConvertFilterOperands(operand, kind) : Null();
}

}  // namespace

TFilterOperandKind FieldTypeOperandKind(TFieldType type) {
    switch (type) {
        case ftString:
        case ftMemo:
        case ftFmtMemo:
        case ftFixedChar:
        case ftWideString:
        case ftGuid: return fokString;
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftFloat:
        case ftCurrency:
        case ftBCD:
        case ftAutoInc:
        case ftLargeint:
        case ftFMTBcd: return fokNumber;
        case ftDate:
        case ftTime:
        case ftDateTime:
        case ftTimeStamp: return fokDateTime;
        case ftBoolean: return fokBoolean;
        default: return fokNone;
    }
}

void ResetFilterExpression(TSTFilterExpressionVyn& Expression) {
    Expression.Operator1 = fopNone;
    Expression.Operand1 = Null();
    Expression.Relation = fopNone;
    Expression.Operator2 = fopNone;
    Expression.Operand2 = Null();
}

int SkipFilterSpaces(const AnsiString& S, int Pos) {
    for (int p = Pos; p <= Length(S); ++p)
        if (S[static_cast<std::size_t>(p - 1)] != ' ') return p;
    return Pos;
}

char FilterCharAt(const AnsiString& S, int Pos) {
    return Pos >= 1 && Pos <= Length(S) ? S[static_cast<std::size_t>(Pos - 1)] : '\0';
}

AnsiString ScanFilterWord(const AnsiString& S, int Pos) {
    int end = Pos;
    while (end <= Length(S) && IsWordChar(static_cast<unsigned char>(S[static_cast<std::size_t>(end - 1)])))
        end = NextCharPos(S, end);
    end = std::min(end, Length(S) + 1);
    return Pos <= Length(S) ? S.substr(static_cast<std::size_t>(Pos - 1), static_cast<std::size_t>(end - Pos))
                            : AnsiString();
}

TFilterRawOperator FilterWordOperator(const AnsiString& Word) {
    const AnsiString upper = UpperCase(Word);
    for (const WordOperator& entry : WordOperators) {
        if (upper == entry.word) return entry.op;
        const AnsiString alternative = entry.alternative;
        if (!alternative.empty() && upper == UpperCase(alternative)) return entry.op;
    }
    return Raw::None;
}

bool NextLexemeIsOperator(const AnsiString& S, int Pos, bool CommaSeparates) {
    // Only an operator lexeme can answer yes, so values are not read; a
    // quoted value still has to be closed.
    if (FilterCharAt(S, Pos) == '\'') {
        ClosingQuotePos(S, Pos);
        return false;
    }
    TFilterOperator token = fopNone;
    return OperatorLexeme(S, Pos, token, CommaSeparates, false, nullptr) && IsOperatorToken(token);
}

Variant ScanFilterValue(const AnsiString& S, int& Pos, bool CommaSeparates) {
    if (Pos > Length(S)) return Null();
    if (FilterCharAt(S, Pos) == '\'') {
        const int close = ClosingQuotePos(S, Pos);
        const AnsiString value = S.substr(static_cast<std::size_t>(Pos), static_cast<std::size_t>(close - Pos - 1));
        Pos = close + 1;
        return value;
    }
    int p = Pos;
    while (p <= Length(S)) {
        const char c = FilterCharAt(S, p);
        if (c == '(' || c == ')' || (CommaSeparates && c == ',')) break;
        if (c == ' ') {
            const int next = SkipFilterSpaces(S, p);
            if (FilterCharAt(S, next) != ' ' && NextLexemeIsOperator(S, next, CommaSeparates)) break;
        }
        p = NextCharPos(S, p);
    }
    p = std::min(p, Length(S) + 1);
    const AnsiString value = S.substr(static_cast<std::size_t>(Pos - 1), static_cast<std::size_t>(p - Pos));
    Pos = p;
    return value;
}

Variant ScanFilterValues(const AnsiString& S, int& Pos, bool CommaSeparates) {
    std::vector<Variant> values{ScanFilterValue(S, Pos, CommaSeparates)};
    while (CommaSeparates && !VarIsNull(values.back()) && FilterCharAt(S, Pos) == ',') {
        ++Pos;
        values.push_back(ScanFilterValue(S, Pos, CommaSeparates));
    }
    return values.size() == 1 ? values.front() : VarArrayOf(std::span<const Variant>(values));
}

void NextFilterLexeme(const AnsiString& S, int& Pos, bool CommaSeparates, TFilterOperator& Token, Variant& Value) {
    Token = fopNone;
    Value = AnsiString();
    if (Pos > Length(S)) return;
    if (FilterCharAt(S, Pos) != '\'' && OperatorLexeme(S, Pos, Token, CommaSeparates, true, &Value)) return;
    Value = ScanFilterValues(S, Pos, CommaSeparates);
    Token = VarIsNull(Value) ? fopNone : fopValue;
}

bool FilterListCommaSeparates(TFilterOperandKind Kind) { return !(Kind == fokNumber && DecimalSeparator == ','); }

Variant ConvertFilterOperands(const Variant& Operand, TFilterOperandKind Kind) {
    if (VarIsNull(Operand) || (Kind != fokNumber && Kind != fokDateTime)) return Operand;
    auto convert = [Kind](const Variant& value) -> Variant {
        const AnsiString text = VarToStr(value);
        return Kind == fokNumber ? Variant(StrToFloat(text)) : VarFromDateTime(StrToDateTime(text));
    };
    if (!VarIsArray(Operand)) return convert(Operand);
    Variant result = Operand;
    for (int i = VarArrayLowBound(Operand, 1); i <= VarArrayHighBound(Operand, 1); ++i)
        VarArrayPut(result, convert(VarArrayGet(Operand, {i})), {i});
    return result;
}

void ParseFilterText(const AnsiString& Text, TSTFilterExpressionVyn& Expression) {
    const TFilterOperandKind kind = Expression.OperandKind;
    bool commaSeparates = FilterListCommaSeparates(kind);
    ResetFilterExpression(Expression);
    const AnsiString text = Trim(Text);
    if (text.empty()) return;
    const int end = Length(text) + 1;

    int pos = SkipFilterSpaces(text, 1);
    TFilterOperator token = fopNone;
    Variant value;
    NextFilterLexeme(text, pos, commaSeparates, token, value);
    ReadCondition(text, pos, commaSeparates, kind, token, value, Expression.Operator1, Expression.Operand1, true);

    pos = SkipFilterSpaces(text, pos);
    NextFilterLexeme(text, pos, commaSeparates, token, value);
    if (token == fopNone) {
        if (pos != end) RaiseFilterError(IncorrectExpressionText, text);
    } else {
        if (token != fopAnd && token != fopOr) RaiseFilterError(UnexpectedAndOrText, text);
        Expression.Relation = token;
        pos = SkipFilterSpaces(text, pos);
        NextFilterLexeme(text, pos, commaSeparates, token, value);
        if (token == fopNone) {
            if (pos != end) RaiseFilterError(IncorrectExpressionText, text);
        } else {
            ReadCondition(text, pos, commaSeparates, kind, token, value, Expression.Operator2, Expression.Operand2,
                          false);
        }
    }
    Expression.Operand1 = ConvertedOperand(Expression.Operator1, Expression.Operand1, kind);
    Expression.Operand2 = ConvertedOperand(Expression.Operator2, Expression.Operand2, kind);
}
