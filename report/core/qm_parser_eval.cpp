// The expression evaluator: token readers, the infix-to-postfix conversion
// and the evaluation of postfix text on an eleven-slot stack local to each
// call, so that hooks may evaluate further expressions on the same parser.
#include <array>
#include <cmath>

#include "platform/rtl/codepage.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_class.h"
#include "report/core/qm_parser.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_utils.h"

namespace {

constexpr std::string_view kNameDelimiters = "\r ()*+-/<=>[";
constexpr std::string_view kOperatorCharacters = "*+-/<=>";
constexpr char kOpenParenthesis = '(';

bool IsIn(std::string_view set, char c) { return c != '\0' && set.find(c) != std::string_view::npos; }

char At(const AnsiString& text, int position) {
    return position >= 1 && position <= static_cast<int>(text.size()) ? text[static_cast<std::size_t>(position - 1)]
                                                                       : '\0';
}

int CharSizeAt(const AnsiString& text, int position) {
    return static_cast<int>(AnsiCharSize(text, static_cast<std::size_t>(position - 1)));
}

bool StartsNumber(char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; }

// Lower binds tighter; "(" on the stack lets every operator above it.
int Priority(char op) {
    switch (op) {
    case TQmParser::opInt:
    case TQmParser::opFrac:
    case TQmParser::opStr:
    case TQmParser::opRound: return 0;
    case '*':
    case '/':
    case TQmParser::opMod:
    case TQmParser::opAnd:
    case TQmParser::opOr:
    case TQmParser::opNot: return 1;
    case '+':
    case '-':
    case TQmParser::opNegate:
    case TQmParser::opPlus: return 2;
    case kOpenParenthesis: return 5;
    default: return 3;  // comparisons
    }
}

// The operator a word stands for, or '\0'.
char WordOperator(const AnsiString& word) {
    static const std::pair<const char*, char> words[] = {
        {"INT", TQmParser::opInt}, {"FRAC", TQmParser::opFrac}, {"ROUND", TQmParser::opRound},
        {"OR", TQmParser::opOr},   {"AND", TQmParser::opAnd},   {"NOT", TQmParser::opNot},
        {"STR", TQmParser::opStr}, {"MOD", TQmParser::opMod}};
    const AnsiString upper = AnsiUpperCase(word);
    for (const auto& [text, op] : words)
        if (upper == text) return op;
    return '\0';
}

// "[" + the bracket's content + "]" from the "[" at position, which ends
// after the "]".
AnsiString BracketOperand(const AnsiString& text, int& position) {
    int start = position, end = position;
    const AnsiString content = ExtractBracketedText(text, start, end);
    position = end + 1;
    return "[" + content + "]";
}

// Where a ";" outside double quotes ends a name that ReadName read past it
// (";" is no name delimiter); npos when none does.
std::size_t UnquotedSemicolon(const AnsiString& name) {
    bool inQuotes = false;
    for (std::size_t i = 0; i < name.size(); i += AnsiCharSize(name, i)) {
        if (name[i] == '"') inQuotes = !inQuotes;
        if (name[i] == ';' && !inQuotes) return i;
    }
    return AnsiString::npos;
}

[[noreturn]] void RaiseEngineError(int id) { throw EQmParserError(LoadReportString(id)); }

Variant EmptyLike(const Variant& v) {
    if (VarIsStr(v)) return AnsiString();
    if (VarType(v) == varBoolean) return false;
    return 0;
}

bool IsZero(const Variant& v) { return v == Variant(0); }

// A value within 1e-10 of an integer is taken as that integer, so sums of
// decimals such as 0.1 + 0.2 + ... do not lose a unit to INT.
double SnappedToInteger(double v) {
    const double rounded = std::nearbyint(v);
    return std::fabs(rounded - v) < 1e-10 ? rounded : v;
}

}  // namespace

AnsiString TQmParser::ReadName(const AnsiString& text, int& position) {
    const int length = static_cast<int>(text.size());
    while (position <= length && static_cast<unsigned char>(At(text, position)) <= 32) ++position;
    const int start = position;
    bool inQuotes = false;
    while (position <= length) {
        const char c = At(text, position);
        if (!inQuotes && IsIn(kNameDelimiters, c)) break;
        if (c == '"') inQuotes = !inQuotes;
        position += CharSizeAt(text, position);
    }
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(position - start));
}

AnsiString TQmParser::ReadQuoted(const AnsiString& text, int& position) {
    const int length = static_cast<int>(text.size());
    const int start = position++;
    while (position <= length) {
        if (At(text, position) == '\'') {
            if (At(text, position + 1) != '\'') {
                ++position;
                break;
            }
            position += 2;
            continue;
        }
        position += CharSizeAt(text, position);
    }
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(position - start));
}

std::vector<AnsiString> TQmParser::ReadArguments(const AnsiString& text, int& position, int highestIndex) {
    const int length = static_cast<int>(text.size());
    std::vector<AnsiString> arguments;
    int level = 1;
    bool inQuotes = false;
    int argumentStart = ++position;
    for (; position <= length; position += CharSizeAt(text, position)) {
        const char c = At(text, position);
        if (c == '\'') inQuotes = !inQuotes;
        if (inQuotes) continue;
        if (c == '(') ++level;
        if (c == ')') --level;
        if ((c == ',' && level == 1) || level == 0) {
            if (static_cast<int>(arguments.size()) > highestIndex) RaiseEngineError(qmsTooManyArguments);
            arguments.push_back(text.substr(static_cast<std::size_t>(argumentStart - 1),
                                            static_cast<std::size_t>(position - argumentStart)));
            argumentStart = position + 1;
        }
        if (level == 0) break;
    }
    if (level > 0) throw EQmParserError("");
    ++position;
    arguments.resize(static_cast<std::size_t>(highestIndex + 1));
    return arguments;
}

AnsiString TQmParser::ToPostfix(const AnsiString& expression) const {
    AnsiString output;
    AnsiString stack;  // the top is the first character
    bool operandLast = false;
    const int length = static_cast<int>(expression.size());

    auto placeOperator = [&](char op) {
        if (!stack.empty() && Priority(op) >= Priority(stack.front())) {
            while (!stack.empty() && Priority(op) >= Priority(stack.front())) {
                output += stack.front();
                stack.erase(0, 1);
            }
        }
        stack.insert(stack.begin(), op);
        operandLast = false;
    };

    for (int position = 1; position <= length;) {
        const char c = At(expression, position);
        if (c == ' ' || c == '\r') {
            ++position;
        } else if (c == '(') {
            stack.insert(stack.begin(), c);
            operandLast = false;
            ++position;
        } else if (c == ')') {
            const std::size_t open = stack.find(kOpenParenthesis);
            output += stack.substr(0, open);
            stack.erase(0, open == AnsiString::npos ? AnsiString::npos : open + 1);
            ++position;
        } else if (c == ';') {
            break;
        } else if (IsIn(kOperatorCharacters, c)) {
            char op = c;
            const char next = At(expression, position + 1);
            if (c == '<' && next == '>') op = opNotEqual;
            if (c == '>' && next == '=') op = opGreaterEqual;
            if (c == '<' && next == '=') op = opLessEqual;
            position += op == c ? 1 : 2;
            if (!operandLast && op == '-') op = opNegate;
            if (!operandLast && op == '+') op = opPlus;
            placeOperator(op);
        } else {
            int start = position;
            AnsiString operand;
            if (c == '%') {
                operand = expression.substr(static_cast<std::size_t>(position - 1), 2);
                position += 2;
                operand += ReadName(expression, position);
            } else if (c == '\'') {
                operand = ReadQuoted(expression, position);
            } else if (c == '[') {
                operand = BracketOperand(expression, position);
            } else {
                operand = ReadName(expression, position);
                start = position - static_cast<int>(operand.size());
                if (const std::size_t semicolon = UnquotedSemicolon(operand); semicolon != AnsiString::npos) {
                    operand.erase(semicolon);
                    position = length + 1;  // the rest of the text is ignored
                }
                if (At(expression, position) == '[') operand += BracketOperand(expression, position);
            }
            if (StartsNumber(operand.empty() ? '\0' : operand.front())) {
                output += operand + " ";
                operandLast = true;
            } else if (const char op = WordOperator(operand)) {
                placeOperator(op);
            } else if (At(expression, position) == '(') {
                ReadArguments(expression, position, QmMaxArguments - 1);
                output += expression.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(position - start));
                operandLast = true;
            } else {
                output += operand + " ";
                operandLast = true;
            }
        }
    }
    return output + stack;
}

// One run of CalcPostfix: its stack of eleven slots.
class TQmParser::Evaluation {
public:
    explicit Evaluation(const TQmParser& parser) : parser_(parser) { slots_[0] = 0; }

    Variant Run(const AnsiString& postfix) {
        const int length = static_cast<int>(postfix.size());
        for (int position = 1; position <= length;) {
            const char c = At(postfix, position);
            if (IsIn(kOperatorCharacters, c) || c == opGreaterEqual || c == opLessEqual || c == opNotEqual ||
                c == opOr || c == opAnd || c == opMod) {
                Binary(c);
                ++position;
            } else if (c == opInt || c == opFrac) {
                IntOrFrac(c);
                ++position;
            } else if (c == opRound || c == opNegate || c == opStr || c == opNot) {
                Unary(c);
                ++position;
            } else if (c == opPlus || c == ' ') {
                ++position;
            } else if (c == '[') {
                int start = position, end = position;
                const AnsiString name = ExtractBracketedText(postfix, start, end);
                position = end + 1;
                Variant& slot = Push();
                if (parser_.onGetValue_) parser_.onGetValue_(name, slot);
            } else if (c == '\'') {
                const AnsiString literal = ReadQuoted(postfix, position);
                Push() = StringReplace(literal.substr(1, literal.size() >= 2 ? literal.size() - 2 : 0), "''", "'",
                                       rfReplaceAll);
            } else {
                Token(postfix, position);
            }
        }
        return slots_[0];
    }

private:
    Variant& Push() {
        if (top_ + 1 >= QmMaxArguments) RaiseEngineError(qmsExpressionTooComplex);
        return slots_[static_cast<std::size_t>(++top_)];
    }
    Variant& Top(int below = 0) {
        if (top_ - below < 0) RaiseEngineError(qmsMissingOperand);
        return slots_[static_cast<std::size_t>(top_ - below)];
    }

    void Token(const AnsiString& postfix, int& position) {
        const AnsiString name = ReadName(postfix, position);
        if (name.empty()) {
            ++position;  // a stray delimiter
            return;
        }
        if (StartsNumber(name.front())) {
            AnsiString number = name;
            for (char& ch : number)
                if (ch == ',' || ch == '.') ch = DecimalSeparator;
            Push() = StrToFloat(number);
        } else if (AnsiSameText(name, "TRUE") || AnsiSameText(name, "FALSE")) {
            Push() = AnsiSameText(name, "TRUE") ? 1 : 0;
        } else if (At(postfix, position) == '[') {
            int start = position, end = position;
            const AnsiString index = ExtractBracketedText(postfix, start, end);
            position = end + 1;
            const Variant value = parser_.Calc("GETARRAY(" + name + ", " + index + ")");
            Push() = value;
        } else if (At(postfix, position) == '(') {
            const std::vector<AnsiString> texts = ReadArguments(postfix, position, QmMaxArguments - 1);
            const TQmArguments arguments(texts.begin(), texts.end());
            Variant& slot = Push();
            bool handled = false;
            if (parser_.onFunction_) parser_.onFunction_(AnsiUpperCase(name), arguments, slot, handled);
        } else {
            Variant& slot = Push();
            if (!parser_.onGetValue_) return;
            slot = Variant();
            parser_.onGetValue_(AnsiUpperCase(name), slot);
        }
    }

    // Null meets the other operand's empty value unless the report's data
    // sources already deliver empty values.
    void ApplyNullRule(Variant& lower, Variant& upper) const {
        if (!parser_.owner_ || parser_.owner_->ConvertNulls()) return;
        if (VarIsNull(lower))
            lower = EmptyLike(upper);
        else if (VarIsNull(upper))
            upper = EmptyLike(lower);
    }

    void Binary(char op) {
        Variant& right = Top();
        Variant& left = Top(1);
        ApplyNullRule(left, right);
        Variant result;
        switch (op) {
        case '*':
        case opAnd: result = left * right; break;
        case '+':
        case opOr: result = left + right; break;
        case '-': result = left - right; break;
        case '/': result = IsZero(right) ? Variant(0) : left / right; break;
        case opMod: result = left % right; break;
        case '<': result = left < right; break;
        case '>': result = left > right; break;
        case '=': result = left == right; break;
        case opGreaterEqual: result = left >= right; break;
        case opLessEqual: result = left <= right; break;
        default: result = !(left == right); break;  // opNotEqual
        }
        if (VarType(result) == varBoolean) result = result.AsBoolean() ? 1 : 0;
        left = result;
        --top_;
    }

    void IntOrFrac(char op) {
        if (top_ >= 1) ApplyNullRule(Top(1), Top());
        Variant& value = Top();
        const double snapped = SnappedToInteger(value.AsDouble());
        value = op == opInt ? std::trunc(snapped) : snapped - std::trunc(snapped);
    }

    void Unary(char op) {
        Variant& value = Top();
        const bool null = VarIsNull(value);
        switch (op) {
        case opRound: value = static_cast<Integer>(null ? 0 : Round(value.AsDouble())); break;
        case opNegate: value = null ? Variant(0) : -value; break;
        case opStr: value = null ? AnsiString() : VarToStr(value); break;
        default: value = null || IsZero(value) ? 1 : 0; break;  // opNot
        }
    }

    const TQmParser& parser_;
    std::array<Variant, QmMaxArguments> slots_;
    int top_ = -1;
};

Variant TQmParser::CalcPostfix(const AnsiString& postfix) const { return Evaluation(*this).Run(postfix); }

Variant TQmParser::Calc(const Variant& value) const {
    if (passThrough_) return value;
    return CalcPostfix(ToPostfix(VarToStr(value)));
}
