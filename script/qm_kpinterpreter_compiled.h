// Statements compiled on their first run. The interpreter reads its source
// as it runs, so a loop body is read again on every pass; an assignment
// whose right side is arithmetic on local variables and literals is
// compiled once into a tree of operations over variable slots, and later
// passes evaluate the tree. The compiler follows the evaluator's reading
// token by token, so the tree computes what the evaluator computes, and it
// records where the reading ends and how much value stack and nesting the
// evaluator would use. Whatever the tree cannot reproduce exactly (other
// designators, an empty value the evaluator would test, a record, any
// error) makes the run fall back to the evaluator before anything changed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/variant_rules.h"
#include "script/qm_kpinterpreter_resolvecache.h"
#include "script/qm_kpinterpreter_tokencache.h"
#include "script/qm_kpinterpreter_tokenvalue.h"
#include "script/qm_kpinterpreter_variables.h"

// One binary operator of the language on two values, for the evaluator
// and the compiled trees alike; integers and strings take a short road
// with the platform's results.
void ApplyBinaryOperator(int op, const Variant& left, const Variant& right, Variant& result);

// `to := number` for a number that fits an Integer, in place when `to` holds one.
inline void AssignInteger(Variant& to, Int64 number) {
    if (Int64* slot = VariantAccess::MutableInteger(to); slot && to.VarType() == varInteger) *slot = number;
    else to = Integer(number);
}

// Stores the Integer into the variable as its list would; false (and
// nothing stored) unless it can go in place without a conversion.
inline bool StoreIntegerInPlace(TKpInterpreterVar& var, Int64 number) {
    Int64* slot = VariantAccess::MutableInteger(var.Value);
    if (!slot || var.Value.VarType() != varInteger) return false;
    if (var.TypeCode != 0 && var.TypeCode != varVariant && var.TypeCode != varInteger) return false;
    *slot = number;
    return true;
}

// A local variable found by name once and kept while its list is unchanged.
class TKpLocalSlot {
public:
    explicit TKpLocalSlot(AnsiString name) : name_(std::move(name)) {}
    const AnsiString& Name() const { return name_; }
    // The newest variable of the name, as a free name finds it; nullptr when none.
    TKpInterpreterVar* Resolve(const TKpInterpreterVarList& vars) {
        if (stamp_ != vars.Stamp()) {
            var_ = vars.Lookup(AnsiString(), name_);
            stamp_ = vars.Stamp();
        }
        return var_;
    }

private:
    AnsiString name_;
    std::uint64_t stamp_ = 0;
    TKpInterpreterVar* var_ = nullptr;
};

class TKpInterpreterAdapter;

// A member of a host object whose look-up at one place ended at a
// registered getter of one of the two registries. What the registries
// found holds while their generation and the object's class stay; their
// hooks are checked on each use.
struct TKpGetterCall {
    std::uint64_t Generation = 0;
    TClass Class = nullptr;
    const TKpInterpreterAdapter* Own = nullptr;
    const TKpInterpreterAdapter* Global = nullptr;
    TKpInterpreterAdapter* Registry = nullptr;
    const TKpInterpreterMethod* Getter = nullptr;

    bool Holds(TClass cls, const TKpInterpreterAdapter* own, const TKpInterpreterAdapter* global) const {
        return Getter && Generation == RegistryGeneration() && Class == cls && Own == own && Global == global;
    }
};

// What a name at one place of the script resolved to, kept there: the
// local variable a free name finds, what each registry found, and the
// getter a member call ended at.
struct TKpNameSite {
    explicit TKpNameSite(AnsiString name) : Local(std::move(name)) {}
    TKpLocalSlot Local;
    TKpResolveSite Own;
    TKpResolveSite Global;
    TKpGetterCall GetterCall;
};

// The reader's state once a compiled stretch has been read.
struct TKpTokenState {
    int Position = 0;
    int Kind = 0;
    int PrevKind = 0;
    AnsiString Text;
    Variant Value;
};

// Reads the token at a position into `token`; may raise the tokenizer's errors.
using TKpTokenReader = std::function<void(int position, TKpCachedToken& token)>;

class TKpCompiledExpression {
public:
    // Compiles the expression whose first token `first` has been read
    // (ending at `first.End`) after a token of kind `prevKind`, with
    // `tokenValue` as the reader's value; false when it cannot be compiled.
    bool Compile(const TKpTokenReader& read, const TKpCachedToken& first, int prevKind, const Variant& tokenValue);
    // False when the evaluator has to run instead.
    bool Evaluate(const TKpInterpreterVarList& vars, Variant& value) {
        // A literal (the most common argument) is what the tree computes.
        if (const Node& root = nodes_[std::size_t(root_)]; root.kind == Node::Kind::Constant) {
            value = root.constant;
            return !VarIsEmpty(value);
        }
        return EvaluateTree(vars, value);
    }
    // The value when it is an Integer reached on plain numbers; false otherwise.
    bool EvaluateInteger(const TKpInterpreterVarList& vars, Int64& value) {
        return ResolveLocals(vars) && ComputeInteger(value);
    }

    // Entries of the value stack and levels of nesting the evaluator uses.
    int StackUse = 0;
    int NestingUse = 0;
    // Where the evaluator stops: at the first token that is no part of it.
    TKpTokenState End;
    // Reading a name resets the current argument frame, and its last name
    // leaves whether a result was wanted (by the token after the name).
    bool ReadsNames = false;
    bool LastResultWanted = false;

private:
    struct Node {
        enum class Kind { Constant, Local, Binary, Negate, Not } kind = Kind::Constant;
        int op = 0;
        int left = -1;
        int right = -1;
        Variant constant;
    };
    friend class TKpExpressionCompiler;

    bool EvaluateTree(const TKpInterpreterVarList& vars, Variant& value);
    // Points the locals at their variables; false when one is missing.
    bool ResolveLocals(const TKpInterpreterVarList& vars) {
        return localsStamp_ == vars.Stamp() || FindLocals(vars);
    }
    bool FindLocals(const TKpInterpreterVarList& vars);
    const Variant& Operand(int index, Variant& scratch);
    void Compute(int index, Variant& value);
    // The tree as steps on one running number, for a run on plain
    // numbers: it gives the value when every operand and every step is an
    // Integer Variant (as the platform's operators would give) without
    // making Variants, and false for anything else, which Compute then
    // takes. A binary step takes its right operand from a constant or a
    // local where the tree has one there, else from the number before it
    // was saved (and the saved number is then its left operand).
    enum class Step { Load, Save, Add, Subtract, Multiply, Div, Mod, Negate, Not };
    enum class From { Constant, Local, Saved };
    struct IntegerStep {
        Step step;
        From from;
        int slot;
        Int64 constant;
    };
    static constexpr std::size_t maxIntegerSteps = 32;
    bool AddIntegerSteps(int index);
    // The operand of a leaf node; false for an inner node or a constant that is no Integer.
    bool LeafOperand(int index, IntegerStep& step) const;
    bool ComputeInteger(Int64& value) const;

    std::vector<Node> nodes_;
    std::vector<TKpLocalSlot> slots_;
    std::vector<const Variant*> values_;
    // The stamp of the list the locals were last found in (0: not found).
    std::uint64_t localsStamp_ = 0;
    int root_ = -1;
    std::vector<IntegerStep> integerSteps_;
};

// `name := expression` with a local variable as its target.
struct TKpCompiledAssignment {
    explicit TKpCompiledAssignment(AnsiString name) : Target(std::move(name)) {}
    TKpLocalSlot Target;
    TKpCompiledExpression Value;
    // Runs that fell back; a statement that keeps falling back is dropped.
    int Fallbacks = 0;
};

// An expression read where the evaluator is asked for one (a condition, an
// argument). The evaluator takes the first operand from the reader's value
// and looks at the kind of the token before it, so both are part of the key.
struct TKpCompiledOperand {
    TKpCompiledOperand(int prevKind, Variant firstValue) : PrevKind(prevKind), FirstValue(std::move(firstValue)) {}
    int PrevKind;
    Variant FirstValue;
    TKpCompiledExpression Value;
    int Fallbacks = 0;
};

// An argument of a compiled call.
struct TKpCompiledArgument {
    // The name the evaluator notes for a var parameter ("" unless the
    // argument starts with one).
    AnsiString VarName;
    // The reader at the argument's first token, for the evaluator.
    TKpTokenState Start;
    TKpCompiledExpression Value;
};

// A call statement: `Name`, `Name(arguments)`, `Object.Name` or
// `Object.Name(arguments)`, each argument a compiled expression. The names
// are still resolved on every run (by the host, in the evaluator's order);
// what is saved is reading the statement.
struct TKpCompiledCall {
    // "" for a free name.
    AnsiString ObjectName;
    AnsiString Name;
    // The reader once the token after the first name is read (where an
    // object is resolved), and where the member's name is read.
    TKpTokenState AfterFirstName;
    TKpTokenState AtName;
    bool Parenthesised = false;
    std::vector<TKpCompiledArgument> Arguments;
    // At the statement's end, where the name is resolved.
    TKpTokenState End;
    TKpNameSite ObjectSite{AnsiString()};
    TKpNameSite NameSite{AnsiString()};
};

// Compiled items of one kind by the position behind their first token.
template <class Item>
class TKpCompiledTable {
public:
    void Clear() {
        index_.clear();
        items_.clear();
    }
    // The item at the position; `tried` tells whether compiling was tried there.
    Item* Find(int position, bool& tried) {
        if (position < 0) {
            tried = true;
            return nullptr;
        }
        if (std::size_t(position) >= index_.size()) index_.resize(std::size_t(position) + 1, notTried);
        const int entry = index_[std::size_t(position)];
        tried = entry != notTried;
        return entry > 0 ? items_[std::size_t(entry - 1)].get() : nullptr;
    }
    // Keeps what compiling at the (found) position gave; nullptr for nothing.
    Item* Keep(int position, std::unique_ptr<Item> item) {
        int& entry = index_[std::size_t(position)];
        entry = notCompilable;
        if (!item) return nullptr;
        items_.push_back(std::move(item));
        entry = int(items_.size());
        return items_.back().get();
    }
    // After a few runs that fell back the item stays with the evaluator.
    void NoteFallback(int position) {
        if (position < 0 || std::size_t(position) >= index_.size()) return;
        int& entry = index_[std::size_t(position)];
        if (entry > 0 && ++items_[std::size_t(entry - 1)]->Fallbacks > 8) entry = notCompilable;
    }

private:
    static constexpr int notTried = 0, notCompilable = -1;
    std::vector<int> index_;
    std::vector<std::unique_ptr<Item>> items_;
};

// The compiled statements and expressions of a source.
class TKpCompiledStatements {
public:
    void Clear() {
        assignments_.Clear();
        operands_.Clear();
        calls_.Clear();
        ++generation_;
    }
    // Moves on each Clear: what was compiled before is gone.
    std::uint64_t Generation() const { return generation_; }
    // The assignment whose target `name` ends at the position, compiled on
    // first use; nullptr when it cannot be compiled.
    TKpCompiledAssignment* AssignmentAt(int position, const AnsiString& name, const TKpTokenReader& read,
                                        const Variant& tokenValue);
    // The expression whose first token `first` ends at the position.
    TKpCompiledOperand* OperandAt(const TKpCachedToken& first, int prevKind, const TKpTokenReader& read,
                                  const Variant& tokenValue);
    // The call statement whose first name `name` ends at the position.
    TKpCompiledCall* CallAt(int position, const AnsiString& name, const TKpTokenReader& read);
    void NoteAssignmentFallback(int position) { assignments_.NoteFallback(position); }
    void NoteOperandFallback(int position) { operands_.NoteFallback(position); }

private:
    TKpCompiledTable<TKpCompiledAssignment> assignments_;
    TKpCompiledTable<TKpCompiledOperand> operands_;
    TKpCompiledTable<TKpCompiledCall> calls_;
    std::uint64_t generation_ = 0;
};
