// A recursive-descent reader of the filter language into a tree of
// closures over the dataset's fields.
#include "platform/data/filter_text.h"

#include <memory>
#include <string_view>

#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"

namespace {

using Test = std::function<bool()>;

enum class Compare { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like, NotLike };

char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsDateField(TFieldType type) {
    return type == ftDate || type == ftTime || type == ftDateTime || type == ftTimeStamp;
}

bool IsNumberField(TFieldType type) {
    switch (type) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftFloat:
        case ftCurrency:
        case ftBCD:
        case ftAutoInc:
        case ftLargeint:
        case ftFMTBcd: return true;
        default: return false;
    }
}

bool Holds(Compare op, int order) {
    switch (op) {
        case Compare::Equal: return order == 0;
        case Compare::NotEqual: return order != 0;
        case Compare::Less: return order < 0;
        case Compare::Greater: return order > 0;
        case Compare::LessOrEqual: return order <= 0;
        case Compare::GreaterOrEqual: return order >= 0;
        default: return false;
    }
}

template <class T>
int Order(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

class FilterReader {
public:
    FilterReader(TDataSet* dataSet, const AnsiString& text) : dataSet_(dataSet), text_(text) {}

    Test Read() {
        Test test = Disjunction();
        SkipBlanks();
        if (pos_ < text_.size()) Fail();
        return test;
    }

private:
    [[noreturn]] void Fail() const { DatabaseError("Filter cannot be read: " + text_, dataSet_); }

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    }

    // Takes a keyword (any letter case) standing as a whole word.
    bool Keyword(std::string_view word) {
        SkipBlanks();
        if (text_.size() - pos_ < word.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (Fold(text_[pos_ + i]) != word[i]) return false;
        const std::size_t end = pos_ + word.size();
        if (end < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[end])) || text_[end] == '_'))
            return false;
        pos_ = end;
        return true;
    }

    bool Symbol(std::string_view symbol) {
        SkipBlanks();
        if (text_.compare(pos_, symbol.size(), symbol) != 0) return false;
        pos_ += symbol.size();
        return true;
    }

    Test Disjunction() {
        Test test = Conjunction();
        while (Keyword("OR")) test = [a = test, b = Conjunction()] { return a() || b(); };
        return test;
    }

    Test Conjunction() {
        Test test = Factor();
        while (Keyword("AND")) test = [a = test, b = Factor()] { return a() && b(); };
        return test;
    }

    Test Factor() {
        if (Keyword("NOT")) return [a = Factor()] { return !a(); };
        if (Symbol("(")) {
            Test test = Disjunction();
            if (!Symbol(")")) Fail();
            return test;
        }
        return Condition();
    }

    TField* FieldName() {
        SkipBlanks();
        AnsiString name;
        if (Symbol("[")) {
            const std::size_t close = text_.find(']', pos_);
            if (close == AnsiString::npos) Fail();
            name = text_.substr(pos_, close - pos_);
            pos_ = close + 1;
        } else {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && (static_cast<unsigned char>(text_[pos_]) >= 0x80 ||
                                           std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
                pos_ += AnsiCharSize(text_, pos_);
            name = text_.substr(start, pos_ - start);
        }
        if (name.empty()) Fail();
        return dataSet_->FieldByName(name);
    }

    Compare Operator() {
        if (Symbol("<>")) return Compare::NotEqual;
        if (Symbol("<=")) return Compare::LessOrEqual;
        if (Symbol(">=")) return Compare::GreaterOrEqual;
        if (Symbol("=")) return Compare::Equal;
        if (Symbol("<")) return Compare::Less;
        if (Symbol(">")) return Compare::Greater;
        if (Keyword("LIKE")) return Compare::Like;
        if (Keyword("NOT") && Keyword("LIKE")) return Compare::NotLike;
        Fail();
    }

    // A quoted text or a bare number, as written.
    AnsiString Literal(bool& quoted) {
        SkipBlanks();
        quoted = pos_ < text_.size() && text_[pos_] == '\'';
        AnsiString value;
        if (quoted) {
            for (++pos_;; ++pos_) {
                if (pos_ >= text_.size()) Fail();
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        value += '\'';
                        ++pos_;
                        continue;
                    }
                    ++pos_;
                    return value;
                }
                value += text_[pos_];
            }
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::string_view("0123456789+-.,eE").find(text_[pos_]) != std::string_view::npos)
            ++pos_;
        if (pos_ == start) Fail();
        return text_.substr(start, pos_ - start);
    }

    Test Condition() {
        TField* field = FieldName();
        if (Keyword("IS")) {
            const bool negated = Keyword("NOT");
            if (!Keyword("NULL")) Fail();
            return [field, negated] { return field->IsNull() != negated; };
        }
        const Compare op = Operator();
        bool quoted = false;
        const AnsiString value = Literal(quoted);
        if (op == Compare::Like || op == Compare::NotLike) {
            const bool wanted = op == Compare::Like;
            return [field, value, wanted] {
                return !field->IsNull() && FilterLikeMatches(field->AsString(), value) == wanted;
            };
        }
        const TFieldType type = field->DataType();
        if (IsNumberField(type)) {
            double number = 0;
            if (!TryStrToFloat(value, number)) Fail();
            return [field, op, number] { return !field->IsNull() && Holds(op, Order(field->AsFloat(), number)); };
        }
        if (IsDateField(type)) {
            TDateTime date = 0;
            if (!TryStrToDateTime(value, date)) Fail();
            return [field, op, date] {
                return !field->IsNull() && Holds(op, Order<double>(field->AsDateTime(), date));
            };
        }
        if (!quoted) Fail();
        return [field, op, value] { return !field->IsNull() && Holds(op, CompareText(field->AsString(), value)); };
    }

    TDataSet* dataSet_;
    AnsiString text_;
    std::size_t pos_ = 0;
};

bool LikeFrom(const AnsiString& text, std::size_t t, const AnsiString& pattern, std::size_t p) {
    for (; p < pattern.size(); ++p, ++t) {
        if (pattern[p] == '%' || pattern[p] == '*') {
            while (p + 1 < pattern.size() && (pattern[p + 1] == '%' || pattern[p + 1] == '*')) ++p;
            if (p + 1 == pattern.size()) return true;
            for (std::size_t from = t; from <= text.size(); from += from < text.size() ? AnsiCharSize(text, from) : 1)
                if (LikeFrom(text, from, pattern, p + 1)) return true;
            return false;
        }
        if (t >= text.size() || Fold(text[t]) != Fold(pattern[p])) return false;
    }
    return t == text.size();
}

}  // namespace

bool FilterLikeMatches(const AnsiString& Text, const AnsiString& Pattern) { return LikeFrom(Text, 0, Pattern, 0); }

std::function<bool()> CompileFilterText(TDataSet* DataSet, const AnsiString& Text) {
    if (Trim(Text).empty()) return {};
    return FilterReader(DataSet, Text).Read();
}
