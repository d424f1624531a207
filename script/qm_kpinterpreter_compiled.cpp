// Compiled assignments: the compiler that follows the evaluator's reading,
// the evaluation of the trees, and the shared binary operators.
#include "script/qm_kpinterpreter_compiled.h"

#include <array>
#include <limits>

#include "platform/rtl/variant_rules.h"
#include "script/qm_kpinterpreter_args.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterparser.h"

namespace {

// Raised inside the compiler and the evaluation of a tree: the evaluator runs instead.
struct NotCompiled {};

bool IsReferenceType(TVarType type) {
    return type == ObjectVarType() || type == ClassVarType() || type == SetVarType() || type == PointerVarType();
}

// Object, class, pointer and set values are equal when they hold the same
// reference or mask.
bool SameReference(const Variant& left, const Variant& right) {
    const TVarType type = left.VarType();
    if (type == SetVarType()) return VariantToSet(left) == VariantToSet(right);
    if (type == ClassVarType()) return VariantToClass(left) == VariantToClass(right);
    return VariantToPointer(left) == VariantToPointer(right);
}

bool EndsStatement(int kind) {
    switch (kind) {
        case ttSemicolon:
        case ttEndKeyword:
        case ttElse:
        case ttUntil:
        case ttFinally:
        case ttExcept: return true;
        default: return false;
    }
}

bool FitsInteger(Int64 value) {
    return value >= std::numeric_limits<Integer>::min() && value <= std::numeric_limits<Integer>::max();
}

// The number of an Integer Variant.
bool IntegerOf(const Variant& value, Int64& number) {
    if (value.VarType() != varInteger) return false;
    const Int64* stored = std::get_if<Int64>(&VariantAccess::Value(value));
    if (!stored) return false;
    number = *stored;
    return true;
}

// Two Integer operands: the platform's rules give an Integer when the
// result fits and an Int64 otherwise, and raise for a zero divisor (left
// to the general road).
bool ApplyIntegerOperator(int op, Int64 a, Int64 b, Variant& result) {
    Int64 whole = 0;
    switch (op) {
        case ttPlus: whole = a + b; break;
        case ttMinus: whole = a - b; break;
        case ttMultiply: whole = a * b; break;
        case ttDiv:
        case ttMod:
            if (b == 0) return false;
            whole = op == ttDiv ? a / b : a % b;
            break;
        case ttEqual: result = a == b; return true;
        case ttNotEqual: result = a != b; return true;
        case ttGreater: result = a > b; return true;
        case ttLess: result = a < b; return true;
        case ttGreaterEqual: result = a >= b; return true;
        case ttLessEqual: result = a <= b; return true;
        default: return false;
    }
    if (FitsInteger(whole))
        result = Integer(whole);
    else
        result = whole;
    return true;
}

}  // namespace

void ApplyBinaryOperator(int op, const Variant& left, const Variant& right, Variant& result) {
    if (Int64 x = 0, y = 0; IntegerOf(left, x) && IntegerOf(right, y)) {
        if (ApplyIntegerOperator(op, x, y, result)) return;
    } else if (op == ttPlus && left.VarType() == varString && right.VarType() == varString) {
        const AnsiString* x = std::get_if<AnsiString>(&VariantAccess::Value(left));
        const AnsiString* y = std::get_if<AnsiString>(&VariantAccess::Value(right));
        if (x && y) {
            AnsiString joined;
            joined.reserve(x->size() + y->size());
            joined.append(*x).append(*y);
            result = std::move(joined);
            return;
        }
    }
    switch (op) {
        case ttPlus:
        case ttMinus:
            if (left.VarType() == SetVarType()) {
                const Cardinal l = VariantToSet(left), r = VariantToSet(right);
                result = SetToVariant(op == ttPlus ? (l | r) : (l & ~r));
            } else {
                result = op == ttPlus ? left + right : left - right;
            }
            break;
        case ttMultiply: result = left * right; break;
        case ttDivide: result = VarAsType(left, varDouble) / VarAsType(right, varDouble); break;
        case ttDiv: result = VarIntDiv(left, right); break;
        case ttMod: result = left % right; break;
        case ttAnd: result = left & right; break;
        case ttOr: result = left | right; break;
        case ttEqual:
        case ttNotEqual: {
            bool equal = false;
            if (IsReferenceType(left.VarType())) equal = SameReference(left, right);
            else if (op == ttNotEqual && left.VarType() == varUnknown) equal = left.AsInterface() == right.AsInterface();
            else equal = left == right;
            result = op == ttEqual ? equal : !equal;
            break;
        }
        case ttGreater: result = left > right; break;
        case ttLess: result = left < right; break;
        case ttGreaterEqual: result = left >= right; break;
        default: result = left <= right; break;
    }
}

// Mirrors the evaluator's EvaluateLevel step by step, building nodes where
// it computes values and counting its pushes, pops and nesting.
class TKpExpressionCompiler {
public:
    TKpExpressionCompiler(const TKpTokenReader& read, TKpCompiledExpression& out) : read_(read), out_(out) {}

    void Run(const TKpCachedToken& first, int prevKind, const Variant& tokenValue) {
        token_ = first;
        prevKind_ = prevKind;
        value_ = tokenValue;
        if (!VarIsEmpty(first.Value)) value_ = first.Value;
        Level(-1);
        out_.root_ = Pop();
        RequireAllUsed();
        out_.End = {token_.End, token_.Kind, prevKind_, token_.Text, value_};
    }

private:
    void Next() {
        prevKind_ = token_.Kind;
        const int position = token_.End;
        read_(position, token_);
        if (!VarIsEmpty(token_.Value)) value_ = token_.Value;
    }

    int Add(TKpCompiledExpression::Node node) {
        out_.nodes_.push_back(std::move(node));
        return int(out_.nodes_.size()) - 1;
    }
    int Unary(TKpCompiledExpression::Node::Kind kind, int operand) {
        TKpCompiledExpression::Node node;
        node.kind = kind;
        node.left = Required(operand);
        return Add(std::move(node));
    }
    static int Required(int node) {
        if (node < 0) throw NotCompiled();
        return node;
    }

    void Push(int node) {
        stack_.push_back(Required(node));
        out_.StackUse = std::max(out_.StackUse, int(stack_.size()));
    }
    int Pop() {
        if (stack_.empty()) throw NotCompiled();
        const int node = stack_.back();
        stack_.pop_back();
        return node;
    }

    void Nest(int delta) {
        nesting_ += delta;
        out_.NestingUse = std::max(out_.NestingUse, nesting_);
    }

    // A name followed by nothing that makes it a call, an index, a member
    // or an assignment target reads a local variable.
    int Variable() {
        Nest(1);
        // The evaluator names the variable by the reader's value.
        const AnsiString name = VarToStr(token_.Value);
        Next();
        if (token_.Kind == ttOpenParen || token_.Kind == ttOpenBracket || token_.Kind == ttColon ||
            token_.Kind == ttDot)
            throw NotCompiled();
        Nest(-1);
        out_.ReadsNames = true;
        out_.LastResultWanted = (token_.Kind >= ttNot && token_.Kind <= ttLessEqual) ||
                                token_.Kind == ttCloseParen || token_.Kind == ttComma;
        for (std::size_t i = 0; i < out_.slots_.size(); ++i)
            if (out_.slots_[i].Name() == name) return LocalNode(int(i));
        out_.slots_.emplace_back(name);
        return LocalNode(int(out_.slots_.size()) - 1);
    }
    int LocalNode(int slot) {
        TKpCompiledExpression::Node node;
        node.kind = TKpCompiledExpression::Node::Kind::Local;
        node.left = slot;
        return Add(std::move(node));
    }

    int Binary(int op) {
        TKpCompiledExpression::Node node;
        node.kind = TKpCompiledExpression::Node::Kind::Binary;
        node.op = op;
        node.left = Pop();
        node.right = Required(Level(op));
        return Add(std::move(node));
    }

    int Level(int context) {
        Nest(1);
        const int contextPriority = OperatorPriority(context);
        int result = -1;
        if (context != -1) Next();
        for (;;) {
            const int kind = token_.Kind;
            if (IsOperandToken(kind)) {
                if (kind == ttIdentifier) {
                    result = Variable();
                } else {
                    TKpCompiledExpression::Node node;
                    node.constant = token_.Value;
                    result = Add(std::move(node));
                    Next();
                }
                if (IsOperandToken(token_.Kind)) throw NotCompiled();
                if (OperatorPriority(token_.Kind) < contextPriority) return Leave(result);
                Push(result);
                continue;
            }
            if (IsBinaryOperator(kind)) {
                if (contextPriority >= OperatorPriority(kind)) return Leave(result);
                result = Binary(kind);
                Push(result);
                continue;
            }
            switch (kind) {
                case ttNot: result = Unary(TKpCompiledExpression::Node::Kind::Not, Level(ttNot)); break;
                case ttPlus:
                case ttMinus:
                    if (IsOperandToken(prevKind_) || prevKind_ == ttCloseParen || prevKind_ == ttCloseBracket) {
                        if (contextPriority >= OperatorPriority(kind)) return Leave(result);
                        result = Binary(kind);
                    } else {
                        result = Required(Level(ttNot));
                        if (kind == ttMinus) result = Unary(TKpCompiledExpression::Node::Kind::Negate, result);
                    }
                    break;
                case ttOpenParen:
                    result = Required(Level(ttOpenParen));
                    if (token_.Kind != ttCloseParen) throw NotCompiled();
                    Next();
                    break;
                default: return Leave(Required(result));
            }
            Push(result);
        }
    }
    int Leave(int result) {
        Nest(-1);
        return result;
    }

    // An operation whose value the expression drops would still be computed
    // (and could fail) in the evaluator.
    void RequireAllUsed() const {
        std::vector<bool> used(out_.nodes_.size());
        std::vector<int> pending{out_.root_};
        while (!pending.empty()) {
            const int index = pending.back();
            pending.pop_back();
            used[std::size_t(index)] = true;
            const auto& node = out_.nodes_[std::size_t(index)];
            if (node.kind == TKpCompiledExpression::Node::Kind::Local ||
                node.kind == TKpCompiledExpression::Node::Kind::Constant)
                continue;
            pending.push_back(node.left);
            if (node.right >= 0) pending.push_back(node.right);
        }
        for (std::size_t i = 0; i < used.size(); ++i)
            if (!used[i] && out_.nodes_[i].kind != TKpCompiledExpression::Node::Kind::Local &&
                out_.nodes_[i].kind != TKpCompiledExpression::Node::Kind::Constant)
                throw NotCompiled();
    }

    const TKpTokenReader& read_;
    TKpCompiledExpression& out_;
    TKpCachedToken token_;
    int prevKind_ = 0;
    Variant value_;
    std::vector<int> stack_;
    int nesting_ = 0;
};

bool TKpCompiledExpression::Compile(const TKpTokenReader& read, const TKpCachedToken& first, int prevKind,
                                    const Variant& tokenValue) {
    try {
        TKpExpressionCompiler(read, *this).Run(first, prevKind, tokenValue);
        values_.resize(slots_.size());
        if (!AddIntegerSteps(root_)) integerSteps_.clear();
        return true;
    } catch (...) {
        return false;
    }
}

bool TKpCompiledExpression::FindLocals(const TKpInterpreterVarList& vars) {
    localsStamp_ = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const TKpInterpreterVar* var = slots_[i].Resolve(vars);
        if (!var) return false;
        values_[i] = &var->Value;
    }
    localsStamp_ = vars.Stamp();
    return true;
}

bool TKpCompiledExpression::EvaluateTree(const TKpInterpreterVarList& vars, Variant& value) {
    if (!ResolveLocals(vars)) return false;
    if (Int64 whole = 0; ComputeInteger(whole)) {
        AssignInteger(value, whole);
        return true;
    }
    const TVarType recordType = RecordVarType();
    for (const Variant* local : values_)
        if (VarIsEmpty(*local) || local->VarType() == recordType) return false;
    try {
        Compute(root_, value);
        return true;
    } catch (...) {
        return false;
    }
}

bool TKpCompiledExpression::LeafOperand(int index, IntegerStep& step) const {
    const Node& node = nodes_[std::size_t(index)];
    if (node.kind == Node::Kind::Local) {
        step.from = From::Local;
        step.slot = node.left;
        return true;
    }
    step.from = From::Constant;
    return node.kind == Node::Kind::Constant && IntegerOf(node.constant, step.constant);
}

bool TKpCompiledExpression::AddIntegerSteps(int index) {
    const Node& node = nodes_[std::size_t(index)];
    IntegerStep step{Step::Load, From::Constant, 0, 0};
    switch (node.kind) {
        case Node::Kind::Constant:
        case Node::Kind::Local:
            if (!LeafOperand(index, step)) return false;
            break;
        case Node::Kind::Negate:
        case Node::Kind::Not:
            if (!AddIntegerSteps(node.left)) return false;
            step.step = node.kind == Node::Kind::Negate ? Step::Negate : Step::Not;
            break;
        case Node::Kind::Binary:
            switch (node.op) {
                case ttPlus: step.step = Step::Add; break;
                case ttMinus: step.step = Step::Subtract; break;
                case ttMultiply: step.step = Step::Multiply; break;
                case ttDiv: step.step = Step::Div; break;
                case ttMod: step.step = Step::Mod; break;
                default: return false;
            }
            if (!AddIntegerSteps(node.left)) return false;
            if (const Node& right = nodes_[std::size_t(node.right)];
                right.kind != Node::Kind::Local && right.kind != Node::Kind::Constant) {
                integerSteps_.push_back({Step::Save, From::Saved, 0, 0});
                if (!AddIntegerSteps(node.right)) return false;
                step.from = From::Saved;
            } else if (!LeafOperand(node.right, step)) {
                return false;
            }
            break;
    }
    integerSteps_.push_back(step);
    return integerSteps_.size() <= maxIntegerSteps;
}

bool TKpCompiledExpression::ComputeInteger(Int64& value) const {
    if (integerSteps_.empty()) return false;
    std::array<Int64, maxIntegerSteps> saved;
    std::size_t top = 0;
    Int64 number = 0;
    for (const IntegerStep& step : integerSteps_) {
        Int64 operand = step.constant;
        if (step.from == From::Local && !IntegerOf(*values_[std::size_t(step.slot)], operand)) return false;
        // Every run starts with a load, and every saved number is followed by one.
        if (step.step == Step::Load) {
            number = operand;
            continue;
        }
        Int64 a = number, b = operand;
        if (step.from == From::Saved && step.step != Step::Save) {
            a = saved[--top];
            b = number;
        }
        switch (step.step) {
            case Step::Load: number = operand; continue;
            case Step::Save: saved[top++] = number; continue;
            case Step::Not: number = ~number; continue;
            case Step::Negate: number = -number; break;
            case Step::Add: number = a + b; break;
            case Step::Subtract: number = a - b; break;
            case Step::Multiply: number = a * b; break;
            case Step::Div:
            case Step::Mod: {
                if (b == 0) return false;
                // Both fit 32 bits, where dividing is much quicker; -1 is
                // kept apart since the lowest Integer divided by it overflows.
                const auto x = Integer(a), y = Integer(b);
                if (y == -1) number = step.step == Step::Div ? -a : 0;
                else number = step.step == Step::Div ? x / y : x % y;
                break;
            }
        }
        if (!FitsInteger(number)) return false;
    }
    value = number;
    return true;
}

const Variant& TKpCompiledExpression::Operand(int index, Variant& scratch) {
    const Node& node = nodes_[std::size_t(index)];
    if (node.kind == Node::Kind::Constant) return node.constant;
    if (node.kind == Node::Kind::Local) return *values_[std::size_t(node.left)];
    Compute(index, scratch);
    return scratch;
}

void TKpCompiledExpression::Compute(int index, Variant& value) {
    const Node& node = nodes_[std::size_t(index)];
    switch (node.kind) {
        case Node::Kind::Binary: {
            Variant left, right;
            const Variant& a = Operand(node.left, left);
            ApplyBinaryOperator(node.op, a, Operand(node.right, right), value);
            break;
        }
        case Node::Kind::Negate: {
            Variant operand;
            value = -Operand(node.left, operand);
            break;
        }
        case Node::Kind::Not: {
            Variant operand;
            value = VarNot(Operand(node.left, operand));
            break;
        }
        case Node::Kind::Local: value = *values_[std::size_t(node.left)]; break;
        case Node::Kind::Constant: value = node.constant; break;
    }
    if (VarIsEmpty(value)) throw NotCompiled();
}

TKpCompiledAssignment* TKpCompiledStatements::AssignmentAt(int position, const AnsiString& name,
                                                           const TKpTokenReader& read, const Variant& tokenValue) {
    bool tried = false;
    if (TKpCompiledAssignment* assignment = assignments_.Find(position, tried))
        return assignment->Target.Name() == name ? assignment : nullptr;
    if (tried) return nullptr;
    auto assignment = std::make_unique<TKpCompiledAssignment>(name);
    TKpCachedToken first;
    try {
        read(position, first);
        if (first.Kind != ttColon) return assignments_.Keep(position, nullptr);
        read(first.End, first);
        if (first.Kind != ttEqual) return assignments_.Keep(position, nullptr);
        read(first.End, first);
    } catch (...) {
        return assignments_.Keep(position, nullptr);
    }
    if (!assignment->Value.Compile(read, first, ttEqual, tokenValue)) return assignments_.Keep(position, nullptr);
    if (!EndsStatement(assignment->Value.End.Kind)) return assignments_.Keep(position, nullptr);
    return assignments_.Keep(position, std::move(assignment));
}

TKpCompiledOperand* TKpCompiledStatements::OperandAt(const TKpCachedToken& first, int prevKind,
                                                     const TKpTokenReader& read, const Variant& tokenValue) {
    bool tried = false;
    if (TKpCompiledOperand* operand = operands_.Find(first.End, tried))
        return operand->PrevKind == prevKind && SameTokenValue(operand->FirstValue, tokenValue) ? operand : nullptr;
    if (tried) return nullptr;
    auto operand = std::make_unique<TKpCompiledOperand>(prevKind, tokenValue);
    if (!operand->Value.Compile(read, first, prevKind, tokenValue)) return operands_.Keep(first.End, nullptr);
    return operands_.Keep(first.End, std::move(operand));
}

namespace {

// Follows the reading of a call statement from the token after its first name.
std::unique_ptr<TKpCompiledCall> CompileCall(int position, const AnsiString& name, const TKpTokenReader& read) {
    auto call = std::make_unique<TKpCompiledCall>();
    // The evaluator sets the reader's value to the first name before it reads on.
    Variant value = name;
    int prevKind = ttIdentifier;
    TKpCachedToken token;
    read(position, token);
    auto next = [&] {
        prevKind = token.Kind;
        read(token.End, token);
        if (!VarIsEmpty(token.Value)) value = token.Value;
    };
    auto state = [&] { return TKpTokenState{token.End, token.Kind, prevKind, token.Text, value}; };
    call->Name = name;
    call->AfterFirstName = state();
    if (token.Kind == ttDot) {
        call->ObjectName = name;
        next();
        if (token.Kind != ttIdentifier) return nullptr;
        call->Name = VarToStr(value);
        call->AtName = state();
        next();
    }
    if (token.Kind == ttOpenParen) {
        call->Parenthesised = true;
        next();
        if (token.Kind == ttCloseParen) {
            next();
        } else {
            for (;;) {
                if (call->Arguments.size() == std::size_t(MaxScriptArgs)) return nullptr;
                TKpCompiledArgument& argument = call->Arguments.emplace_back();
                argument.VarName = token.Kind == ttIdentifier ? token.Text : AnsiString();
                argument.Start = state();
                TKpCachedToken first = token;
                first.Value = value;
                if (!argument.Value.Compile(read, first, prevKind, value)) return nullptr;
                const TKpTokenState& end = argument.Value.End;
                token.End = end.Position;
                token.Kind = end.Kind;
                token.Text = end.Text;
                prevKind = end.PrevKind;
                value = end.Value;
                if (token.Kind == ttCloseParen) break;
                if (token.Kind != ttComma) return nullptr;
                next();
            }
            next();
        }
    }
    if (!EndsStatement(token.Kind)) return nullptr;
    call->End = state();
    call->ObjectSite = TKpNameSite(call->ObjectName);
    call->NameSite = TKpNameSite(call->Name);
    return call;
}

}  // namespace

TKpCompiledCall* TKpCompiledStatements::CallAt(int position, const AnsiString& name, const TKpTokenReader& read) {
    bool tried = false;
    if (TKpCompiledCall* call = calls_.Find(position, tried))
        return (call->ObjectName.empty() ? call->Name : call->ObjectName) == name ? call : nullptr;
    if (tried) return nullptr;
    try {
        return calls_.Keep(position, CompileCall(position, name, read));
    } catch (...) {
        return calls_.Keep(position, nullptr);
    }
}
