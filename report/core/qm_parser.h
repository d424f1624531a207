// Qm_Parser: the evaluator of report expressions and the named values of
// reports. TQmVariables holds the global variables, a report's and its
// dictionary's variables and the event bindings of every report object;
// TQmParser turns an expression into postfix text and evaluates it on
// Variants, handing names and function calls to its owner's hooks;
// TQmFunctionSplitter finds the calls of given functions in an expression.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/events.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/metaclass.h"
#include "platform/rtl/variant.h"

class TQmReport;
class TStrings;

// A malformed expression, or one that needs more than the evaluator's
// eleven values or arguments.
SERVIORA_EXCEPTION(EQmParserError, Exception);

// An ordered list of named Variant values. Names match without regard to
// letter case; the first match wins; entries keep the order in which their
// names were first stored.
class TQmVariables : public TObject {
    SERVIORA_CLASS(TQmVariables, TObject)
public:
    // Stores the value under the name; an absent name is appended.
    void SetVariable(const AnsiString& name, const Variant& value);
    // Null when the name is absent.
    Variant GetVariable(const AnsiString& name) const;
    // -1 when absent.
    int IndexOf(const AnsiString& name) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    // "" outside 0..Count()-1.
    AnsiString GetName(int index) const;
    // Integer 0 outside 0..Count()-1.
    Variant GetValue(int index) const;
    // Ignored outside 0..Count()-1.
    void SetValue(int index, const Variant& value);
    void Delete(int index);
    void Clear() { entries_.clear(); }
    // Clear, then every entry of the other list in its order.
    void Assign(const TQmVariables* other);

private:
    struct Entry {
        AnsiString name;
        Variant value;
    };
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    std::vector<Entry> entries_;
};

// The argument texts of a function call, unevaluated: always
// QmMaxArguments entries, unused ones empty text.
constexpr int QmMaxArguments = 11;
using TQmArguments = std::vector<Variant>;

// Supplies the value of a name (upper-cased when bare, as written when
// bracketed).
using TQmGetValueEvent = TEvent<void(const AnsiString& name, Variant& value)>;
// Computes a function call from its argument texts; `handled` is the
// hook's own business.
using TQmFunctionEvent = TEvent<void(const AnsiString& name, const TQmArguments& arguments, Variant& value,
                                     bool& handled)>;

class TQmParser : public TObject {
    SERVIORA_CLASS(TQmParser, TObject)
public:
    // The operator characters of postfix text beside "*", "+", "-", "/",
    // "<", "=" and ">".
    static constexpr char opGreaterEqual = 1, opLessEqual = 2, opNotEqual = 3, opOr = 4, opAnd = 5, opInt = 6,
                          opFrac = 7, opNegate = 9, opPlus = 10, opStr = 11, opNot = 12, opMod = 13, opRound = 14;

    // Postfix text: operands each followed by a blank, function calls as
    // written, operators as one character after their operands. Calls with
    // unbalanced parentheses raise EQmParserError.
    AnsiString ToPostfix(const AnsiString& expression) const;
    // Evaluates postfix text; an empty one gives integer 0. Names and calls
    // go to the hooks; "/" by 0 gives 0.
    Variant CalcPostfix(const AnsiString& postfix) const;
    // The value itself while PassThrough is on, else its text evaluated.
    Variant Calc(const Variant& value) const;

    // Token readers; positions are 1-based and end on what follows.
    // A name up to a delimiter outside double quotes, blanks skipped first.
    static AnsiString ReadName(const AnsiString& text, int& position);
    // A single-quoted literal with its quotes (doubled quotes inside).
    static AnsiString ReadQuoted(const AnsiString& text, int& position);
    // The argument texts of the call whose "(" is at position, blanks kept;
    // entries up to highestIndex filled with empty text. EQmParserError
    // when the parentheses do not close or there are more arguments.
    static std::vector<AnsiString> ReadArguments(const AnsiString& text, int& position, int highestIndex);

    bool PassThrough() const { return passThrough_; }
    void SetPassThrough(bool v) { passThrough_ = v; }
    // The report whose ConvertNulls switch the null rule asks; may be nil.
    TQmReport* Owner() const { return owner_; }
    void SetOwner(TQmReport* v) { owner_ = v; }
    const TQmGetValueEvent& OnGetValue() const { return onGetValue_; }
    void SetOnGetValue(TQmGetValueEvent v) { onGetValue_ = std::move(v); }
    const TQmFunctionEvent& OnFunction() const { return onFunction_; }
    void SetOnFunction(TQmFunctionEvent v) { onFunction_ = std::move(v); }

private:
    class Evaluation;

    bool passThrough_ = false;
    TQmReport* owner_ = nullptr;
    TQmGetValueEvent onGetValue_;
    TQmFunctionEvent onFunction_;
};

// Finds the calls of the functions named in MatchNames in an expression,
// following variables whose values are expressions; calls nested in an
// argument come before the call holding them.
class TQmFunctionSplitter : public TObject {
    SERVIORA_CLASS(TQmFunctionSplitter, TObject)
public:
    // None of the three is owned.
    TQmFunctionSplitter(TStrings* matchNames, TStrings* found, TQmVariables* variables)
        : matchNames_(matchNames), found_(found), variables_(variables) {}

    // Appends the text of every matching call to the found list.
    void Split(const AnsiString& expression);

private:
    TStrings* matchNames_;
    TStrings* found_;
    TQmVariables* variables_;
};
