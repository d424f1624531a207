// The expression evaluator: token reading, the value stack, operators by
// priority, set constructors, argument lists and designators, and the
// resolution chain of names.
#include "script/qm_kpinterpreter_expression.h"

#include <charconv>

#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreter_compiled.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

// Reals are written with "." whatever the user's locale says.
double ParseReal(const AnsiString& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) RaiseScriptError1(2, -1, text);
    return value;
}

}  // namespace

TKpInterpreterExpression::TKpInterpreterExpression(TComponent* owner)
    : TKpComponent(owner), globalAdapter_(GlobalInterpreterAdapter()) {}

TKpInterpreterExpression::~TKpInterpreterExpression() = default;

std::unique_ptr<TKpInterpreterAdapter> TKpInterpreterExpression::CreateOwnAdapter() {
    return std::make_unique<TKpInterpreterAdapter>(this);
}

// Made on first use: a descendant's CreateOwnAdapter cannot run from this
// class's constructor.
void TKpInterpreterExpression::ResolveHostRecordType(const Variant& record) {
    if (!OwnAdapter().ResolveRecordType(record) &&
        !(globalAdapter_ && globalAdapter_ != ownAdapter_.get() && globalAdapter_->ResolveRecordType(record)))
        RaiseScriptError1(31, -1, "Unknown RecordType");
}

TKpInterpreterAdapter& TKpInterpreterExpression::CreateOwnAdapterNow() {
    ownAdapter_ = CreateOwnAdapter();
    return *ownAdapter_;
}

void TKpInterpreterExpression::SetSource(const AnsiString& source) {
    parser_.SetSource(source);
    tokenCache_.Clear();
    SourceChanged();
}

void TKpInterpreterExpression::NextToken() {
    if (PushedBack) {
        PushedBack = false;
        return;
    }
    PrevTokenKind = TokenKind;
    const TKpCachedToken& token = ReadToken();
    TokenText = token.Text;
    TokenKind = token.Kind;
    if (!VarIsEmpty(token.Value)) TokenValue.AssignCached(token.Value, tokenCache_.Stamp());
}

// A kind without a value of its own leaves TokenValue as it was.
const TKpCachedToken& TKpInterpreterExpression::ReadToken() {
    const int start = parser_.Position();
    if (const TKpCachedToken* cached = tokenCache_.Find(start)) {
        parser_.SetPosition(cached->End);
        return *cached;
    }
    return ReadNewToken(start);
}

const TKpCachedToken& TKpInterpreterExpression::ReadNewToken(int start) {
    TKpCachedToken token;
    token.Text = parser_.Token();
    token.Kind = TokenType(token.Text);
    switch (token.Kind) {
        case ttIdentifier: token.Value = token.Text; break;
        case ttInteger: token.Value = StrToInt(token.Text); break;
        case ttReal: token.Value = ParseReal(token.Text); break;
        case ttString: token.Value = token.Text.substr(1, token.Text.size() - 2); break;
        case ttFalse: token.Value = false; break;
        case ttTrue: token.Value = true; break;
        case ttArray: token.Value = token.Text; break;
        default: break;
    }
    token.End = parser_.Position();
    return tokenCache_.Add(start, int(Source().size()), std::move(token));
}

void TKpInterpreterExpression::TokenAt(int position, TKpCachedToken& token) {
    const int reading = parser_.Position();
    parser_.SetPosition(position);
    try {
        token = ReadToken();
    } catch (...) {
        parser_.SetPosition(reading);
        throw;
    }
    parser_.SetPosition(reading);
}

void TKpInterpreterExpression::PushBackToken() {
    if (PushedBack) RaiseScriptError1(2, -1, "");
    PushedBack = true;
}

void TKpInterpreterExpression::RaiseExpected(const AnsiString& expected) {
    RaiseScriptError2(103, TokenStart(), expected, TokenText.empty() ? ErrorText(304) : "'" + TokenText + "'");
}

void TKpInterpreterExpression::Push(const Variant& value) {
    if (stackTop_ + 1 >= ValueStackSize) RaiseScriptError(8, -1);
    valueStack_[std::size_t(++stackTop_)] = value;
}

Variant TKpInterpreterExpression::Pop() {
    if (stackTop_ < 0) RaiseScriptError1(2, -1, "");
    // Moving out leaves the slot empty.
    return std::move(valueStack_[std::size_t(stackTop_--)]);
}

TKpInterpreterExpression::ScratchFrame::ScratchFrame(TKpInterpreterExpression& interpreter)
    : interpreter_(interpreter) {
    if (interpreter.spareFrames_.empty()) {
        frame_ = std::make_unique<TKpInterpreterArgs>();
    } else {
        frame_ = std::move(interpreter.spareFrames_.back());
        interpreter.spareFrames_.pop_back();
    }
}

TKpInterpreterExpression::ScratchFrame::~ScratchFrame() {
    frame_->Clear();
    interpreter_.spareFrames_.push_back(std::move(frame_));
}

void TKpInterpreterExpression::RaiseNestingOverflow() {
    --nesting_;
    RaiseScriptError(52, Position());
}

void TKpInterpreterExpression::EvaluateExpression(Variant& value) {
    if (EvaluateCompiledExpression(value)) return;
    value = Null();
    const int height = stackTop_;
    try {
        MappingConversionErrors([&] {
            Variant result;
            EvaluateLevel(-1, result);
            value = Pop();
        });
    } catch (...) {
        while (stackTop_ > height) Pop();
        throw;
    }
    while (stackTop_ > height) Pop();
}

void TKpInterpreterExpression::EvaluateTyped(TVarType type, Variant& value) {
    const int start = TokenStart();
    AssignTargetAllowed = false;
    try {
        EvaluateExpression(value);
    } catch (...) {
        AssignTargetAllowed = true;
        throw;
    }
    AssignTargetAllowed = true;
    if (value.VarType() == type) return;
    RaiseScriptError(type == varInteger ? 108 : type == varBoolean ? 105 : 1, start);
}

void TKpInterpreterExpression::EvaluateLevel(int context, Variant& result) {
    NestingScope nesting(*this);
    const int contextPriority = OperatorPriority(context);
    result = Variant();
    if (context != -1) NextToken();
    for (;;) {
        const int kind = TokenKind;
        if (IsOperandToken(kind)) {
            result = TokenValue;
            if (kind == ttIdentifier) {
                CurrentArgs().Reset();
                EvaluateDesignator(Variant(), result);
            }
            NextToken();
            if (IsOperandToken(TokenKind)) RaiseScriptError(110, Position());
            if (OperatorPriority(TokenKind) < contextPriority) return;
            Push(result);
            continue;
        }
        if (IsBinaryOperator(kind)) {
            if (contextPriority >= OperatorPriority(kind)) return;
            EvaluateBinary(kind, result);
            Push(result);
            continue;
        }
        switch (kind) {
            case ttNot: {
                Variant operand;
                EvaluateLevel(ttNot, operand);
                result = VarNot(operand);
                break;
            }
            case ttPlus:
            case ttMinus:
                if (IsOperandToken(PrevTokenKind) || PrevTokenKind == ttCloseParen || PrevTokenKind == ttCloseBracket) {
                    if (contextPriority >= OperatorPriority(kind)) return;
                    EvaluateBinary(kind, result);
                } else {
                    EvaluateLevel(ttNot, result);
                    if (kind == ttMinus) result = -result;
                }
                break;
            case ttOpenParen:
                EvaluateLevel(ttOpenParen, result);
                if (TokenKind != ttCloseParen) RaiseExpected("')'");
                NextToken();
                break;
            case ttOpenBracket:
                NextToken();
                ReadSetConstructor(result);
                if (TokenKind != ttCloseBracket) RaiseExpected("']'");
                NextToken();
                break;
            case ttCloseBracket:
                if (!VarIsEmpty(result)) return;
                result = Variant(static_cast<unsigned char>(0));
                break;
            default:
                if (VarIsEmpty(result)) RaiseExpected(ErrorText(301));
                return;
        }
        Push(result);
    }
}

void TKpInterpreterExpression::EvaluateBinary(int op, Variant& result) {
    const Variant left = Pop();
    Variant right;
    EvaluateLevel(op, right);
    ApplyBinaryOperator(op, left, right, result);
}

void TKpInterpreterExpression::ReadSetConstructor(Variant& result) {
    Cardinal mask = 0;
    while (TokenKind == ttInteger || TokenKind == ttIdentifier) {
        if (TokenKind == ttInteger) {
            mask |= Cardinal(TokenValue.Value().AsInteger());
        } else {
            Variant element;
            CurrentArgs().Reset();
            EvaluateDesignator(Variant(), element);
            // Enumeration constants of the bindings are bytes: any whole
            // number names an element, a Boolean does not.
            if (!VarIsOrdinal(element) || element.VarType() == varBoolean) RaiseScriptError(108, TokenStart());
            mask |= Cardinal(1) << (((element.AsInteger() % 32) + 32) % 32);
        }
        NextToken();
        if (TokenKind == ttComma) {
            NextToken();
            continue;
        }
        if (TokenKind == ttCloseBracket) break;
        RaiseExpected("']'");
    }
    result = SetToVariant(mask);
}

void TKpInterpreterExpression::ReadArguments() {
    TKpInterpreterArgs& fill = CurrentArgs();
    ScratchFrame fresh(*this);
    fresh->Indexed = fill.Indexed;
    ArgsScope scope(*this, *fresh);
    const int closing = TokenKind == ttOpenParen ? ttCloseParen : ttCloseBracket;
    NextToken();
    if (TokenKind == ttCloseParen) {
        NextToken();
        fill.ArgCount = 0;
        return;
    }
    int count = 0;
    for (;;) {
        if (count == MaxScriptArgs) RaiseScriptError(181, TokenStart());
        fill.VarArgNames[std::size_t(count)] = TokenKind == ttIdentifier ? TokenText : AnsiString();
        fresh->Reset();
        Variant& value = fill.ArgValues[std::size_t(count)];
        if (TokenKind == ttOpenBracket) ReadValueList(value);
        else EvaluateExpression(value);
        ++count;
        if (TokenKind != ttComma) break;
        NextToken();
    }
    if (TokenKind != closing) RaiseExpected(closing == ttCloseParen ? "')'" : "']'");
    NextToken();
    fill.ArgCount = count;
}

void TKpInterpreterExpression::ReadValueList(Variant& result) {
    NextToken();
    std::vector<Variant> values;
    for (;;) {
        if (values.size() == std::size_t(MaxScriptArgs)) RaiseScriptError(181, TokenStart());
        if (!values.empty()) CurrentArgs().Reset();
        values.emplace_back();
        EvaluateExpression(values.back());
        if (TokenKind != ttComma) break;
        NextToken();
    }
    if (TokenKind != ttCloseBracket) RaiseExpected("']'");
    result = VarArrayOf(values);
    NextToken();
}

void TKpInterpreterExpression::EvaluateDesignator(const Variant& object, Variant& value) {
    NestingScope nesting(*this);
    const AnsiString name = VarToStr(TokenValue);
    NextToken();
    TKpInterpreterArgs& args = CurrentArgs();
    args.Indexed = TokenKind == ttOpenBracket;
    if (TokenKind == ttOpenParen || TokenKind == ttOpenBracket) ReadArguments();
    else args.ArgCount = 0;
    args.SetCallObject(object);
    if (TokenKind == ttColon && AssignTargetAllowed) {
        if (object.VarType() == varDispatch || object.VarType() == varUnknown) args.DispatchTarget = object;
        PushBackToken();
        TokenValue = name;
        return;
    }
    args.ResultWanted = (TokenKind >= ttNot && TokenKind <= ttLessEqual) || TokenKind == ttCloseParen ||
                        TokenKind == ttComma || TokenKind == ttDot || args.Assignment;
    args.IndexedDone = false;
    if (!GetValue(name, value, args)) RaiseScriptError1(104, TokenStart(), name);
    ResolveRecordType(value);
    if (args.HasVarArgs) WriteBackVarArgs(args);
    if (args.Indexed && !args.IndexedDone) {
        const Variant container = value;
        if (!GetElement(container, value, args)) RaiseScriptError(176, TokenStart());
    }
    args.EndCall();
    if (TokenKind == ttDot) {
        NextToken();
        if (TokenKind != ttIdentifier) RaiseExpected(ErrorText(302));
        const TVarType type = value.VarType();
        if (type != ObjectVarType() && type != ClassVarType() && type != RecordVarType() && type != varDispatch &&
            type != varUnknown)
            RaiseScriptError(109, TokenStart());
        Variant member = Null();
        EvaluateDesignator(value, member);
        value = member;
        NextToken();
    }
    PushBackToken();
}

void TKpInterpreterExpression::WriteBackVarArgs(TKpInterpreterArgs& args) {
    const int count = args.ArgCount;
    args.EndCall();
    for (int i = 0; i < count; ++i) {
        const AnsiString name = args.VarArgNames[std::size_t(i)];
        if (name.empty() || !(args.ArgTypes[std::size_t(i)] & varParamFlag)) continue;
        const Variant written = args.ArgValues[std::size_t(i)];
        SetValue(name, written, args);
    }
    args.HasVarArgs = false;
}

bool TKpInterpreterExpression::GetValue(const AnsiString& identifier, Variant& value, TKpInterpreterArgs& args) {
    TKpNameSite* site = std::exchange(nameSite_, nullptr);
    try {
        if (!(site && OwnAdapter().PassesFreeNameAt(site->Own, args)) &&
            OwnAdapter().ResolveGetAt(site ? &site->Own : nullptr, this, identifier, args, value))
            return true;
        if (globalAdapter_ && !(site && globalAdapter_->PassesFreeNameAt(site->Global, args)) &&
            globalAdapter_->ResolveGetAt(site ? &site->Global : nullptr, this, identifier, args, value))
            return true;
    } catch (std::exception& e) {
        NoteError(e, AnsiString());
        throw;
    }
    bool done = false;
    if (OnGetValue) OnGetValue(this, identifier, value, args, done);
    return done;
}

bool TKpInterpreterExpression::SetValue(const AnsiString& identifier, const Variant& value, TKpInterpreterArgs& args) {
    try {
        if (OwnAdapter().ResolveSet(this, identifier, args, value)) return true;
        if (globalAdapter_ && globalAdapter_->ResolveSet(this, identifier, args, value)) return true;
    } catch (EKpInterpreterError& e) {
        e.Position = TokenStart();
        throw;
    }
    bool done = false;
    if (OnSetValue) OnSetValue(this, identifier, value, args, done);
    return done;
}

void TKpInterpreterExpression::NoteError(std::exception& error, const AnsiString& unitName) {
    if (auto* scriptError = dynamic_cast<EKpInterpreterError*>(&error)) {
        scriptError->Locate(unitName, Position(), Source());
        lastError_.Assign(*scriptError);
        lastError_.Located = scriptError->Located;
        lastError_.UnitName = scriptError->UnitName;
        lastError_.Line = scriptError->Line;
        return;
    }
    const auto* platformError = dynamic_cast<const Exception*>(&error);
    lastError_.TakeOverForeign(platformError ? platformError->Message() : AnsiString(error.what()), unitName,
                               Position(), Source());
}

void TKpInterpreterExpression::CallFunctionIn(TObject*, const AnsiString&, const AnsiString&, TKpInterpreterArgs*,
                                              const std::vector<Variant>&, Variant&) {
    RaiseNotImplemented("TKpInterpreterExpression.CallFunctionIn");
}

void TKpInterpreterExpression::Reset() {
    LastValue = Null();
    while (stackTop_ >= 0) Pop();
    parser_.Reset();
    PushedBack = false;
    currentArgs_ = &ownArgs_;
    OwnAdapter().ClearHost();
    lastError_.Reset();
}

void TKpInterpreterExpression::Run() {
    Reset();
    NextToken();
    EvaluateExpression(LastValue);
}
