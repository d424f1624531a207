// Registration of the script unit "System": TObject's class queries, the
// run-time functions (program parameters, random numbers, Variants and
// their arrays, characters and strings, arithmetic, the interpreter's own
// arrays) and the Variant type constants.
#include "script/qm_kpinterpreter_system.h"

#include <cfenv>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/rtl/automation.h"
#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_arrays.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

TObject* Self(Frame& f) { return VariantToObject(f.CallObject()); }

const char* const oneDimensionText = "Sorry. For one-dimensional arrays only.";

// A Variant array's one dimension; a plain Exception for more.
void RequireOneDimension(const Variant& array) {
    if (VarArrayDimCount(array) != 1) throw Exception(oneDimensionText);
}

// The raw bytes of a numeric value as its type stores them; 0 bytes for
// anything else.
std::size_t NumericBytes(const Variant& value, unsigned char (&bytes)[8]) {
    auto put = [&](auto number) {
        std::memcpy(bytes, &number, sizeof(number));
        return sizeof(number);
    };
    switch (value.VarType()) {
    case varShortInt: return put(std::int8_t(value.AsInteger()));
    case varByte: return put(std::uint8_t(value.AsInteger()));
    case varSmallint: return put(std::int16_t(value.AsInteger()));
    case varWord: return put(std::uint16_t(value.AsInteger()));
    case varInteger: return put(std::int32_t(value.AsInteger()));
    case varLongWord: return put(std::uint32_t(value.AsInt64()));
    case varInt64: return put(value.AsInt64());
    case varSingle: return put(float(value.AsDouble()));
    case varDouble:
    case varDate: return put(value.AsDouble());
    case varCurrency: return put(value.AsCurrency().Scaled());
    default: return 0;
    }
}

// A value of type's kind made from raw bytes.
Variant NumericFromBytes(TVarType type, const unsigned char (&bytes)[8]) {
    auto get = [&](auto number) {
        std::memcpy(&number, bytes, sizeof(number));
        return number;
    };
    switch (type) {
    case varShortInt: return Variant(get(std::int8_t()));
    case varByte: return Variant(get(std::uint8_t()));
    case varSmallint: return Variant(get(std::int16_t()));
    case varWord: return Variant(get(std::uint16_t()));
    case varInteger: return Variant(get(std::int32_t()));
    case varLongWord: return Variant(get(std::uint32_t()));
    case varInt64: return Variant(get(Int64()));
    case varSingle: return Variant(get(float()));
    case varDouble: return Variant(get(double()));
    case varDate: return VarFromDateTime(get(double()));
    default: return Variant(Currency::FromScaled(get(Int64())));
    }
}

// Move copies between two values of the script, never beyond either: raw
// bytes between two numbers (at most the destination's size), characters
// between two strings (bounded by both lengths).
void Move(Variant&, Frame& f) {
    const Variant& source = Arg(f, 0);
    Variant& destination = f.ArgValues[1];
    const Integer count = std::max(IntArg(f, 2), 0);
    if (source.VarType() == varString && destination.VarType() == varString) {
        const AnsiString from = source.AsString();
        AnsiString to = destination.AsString();
        const std::size_t n = std::min({std::size_t(count), from.size(), to.size()});
        to.replace(0, n, from, 0, n);
        destination = to;
        return;
    }
    unsigned char from[8] = {}, to[8] = {};
    const std::size_t fromSize = NumericBytes(source, from);
    const std::size_t toSize = NumericBytes(destination, to);
    if (!fromSize || !toSize) RaiseScriptError(53, -1);
    std::memcpy(to, from, std::min({std::size_t(count), fromSize, toSize}));
    destination = NumericFromBytes(destination.VarType(), to);
}

void UpCaseOf(Variant& v, Frame& f) {
    v = AnsiString(1, UpCase(CharArg(f, 0)));
}

void ArrayCreate(Variant& v, Frame& f) {
    const std::span<const TVarRec> bounds = f.ToOpenArray(0);
    if (bounds.size() % 2) throw Exception("The size of bounds array must be even!");
    std::vector<int> values;
    for (const TVarRec& bound : bounds)
        values.push_back(bound.kind() == TVarRec::Kind::Extended ? int(bound.AsExtended()) : int(bound.AsInt64()));
    v = VarArrayCreate(std::span<const int>(values), TVarType(IntArg(f, 1)));
}

void ArrayOf(Variant& v, Frame& f) {
    const Variant& list = Arg(f, 0);
    std::vector<Variant> values;
    if (VarIsArray(list)) {
        RequireOneDimension(list);
        for (int i = VarArrayLowBound(list, 1); i <= VarArrayHighBound(list, 1); ++i)
            values.push_back(list.GetElement({i}));
    } else {
        values.push_back(list);
    }
    v = VarArrayOf(std::span<const Variant>(values));
}

void Ord(Variant& v, Frame& f) {
    const Variant& value = Arg(f, 0);
    if (value.VarType() == varString) {
        const AnsiString text = value.AsString();
        v = Byte(text.empty() ? 0 : text[0]);
    } else {
        v = value.AsInteger();
    }
}

void Abs(Variant& v, Frame& f) {
    if (Arg(f, 0).VarType() == varInteger) v = Integer(std::abs(Int64(IntArg(f, 0))));
    else v = std::fabs(FloatArg(f, 0));
}

void Length(Variant& v, Frame& f) {
    const Variant& value = Arg(f, 0);
    if (VarIsArray(value)) {
        RequireOneDimension(value);
        v = VarArrayHighBound(value, 1) - VarArrayLowBound(value, 1) + 1;
    } else if (VariantToArray(value)) {
        v = ArrayLength(value);
    } else {
        v = Integer(VarToStr(value).size());
    }
}

void Bound(Variant& v, Frame& f, bool high) {
    const Variant& value = Arg(f, 0);
    if (VarIsArray(value)) {
        RequireOneDimension(value);
        v = high ? VarArrayHighBound(value, 1) : VarArrayLowBound(value, 1);
    } else {
        v = high ? ArrayHigh(value) : ArrayLow(value);
    }
}

// Halves go to the even neighbour, as the processor rounds by default.
void Round(Variant& v, Frame& f) {
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(FloatArg(f, 0));
    std::fesetround(mode);
    v = Integer(rounded);
}

void Delete(Variant& v, Frame& f) {
    AnsiString text = StrArg(f, 0);
    ::Delete(text, IntArg(f, 1), IntArg(f, 2));
    f.ArgValues[0] = text;
    v = text;
}

void Insert(Variant& v, Frame& f) {
    AnsiString text = StrArg(f, 1);
    ::Insert(StrArg(f, 0), text, IntArg(f, 2));
    f.ArgValues[1] = text;
    v = text;
}

// An interpreter array changes in place; a string changes only the call's
// own copy of the argument.
void SetLength(Variant&, Frame& f) {
    if (VariantToArray(Arg(f, 0))) {
        ArraySetLength(Arg(f, 0), IntArg(f, 1));
        return;
    }
    AnsiString text = StrArg(f, 0);
    text.resize(std::size_t(std::max(IntArg(f, 1), 0)));
    f.ArgValues[0] = text;
}

template <double (*Fn)(double)>
void Float(Variant& v, Frame& f) {
    v = Fn(FloatArg(f, 0));
}

void RegisterObjectClasses(TKpInterpreterAdapter& a) {
    const TClass o = TObject::StaticClass();
    a.DefineClass("System", o);
    a.DefineGetter(o, "ClassType", [](Variant& v, Frame& f) { v = ClassToVariant(Self(f)->ClassType()); }, 0, {}, 0);
    a.DefineGetter(o, "ClassName", [](Variant& v, Frame& f) { v = Self(f)->ClassName(); }, 0, {}, 0);
    a.DefineGetter(o, "ClassNameIs", [](Variant& v, Frame& f) { v = Self(f)->ClassNameIs(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(o, "ClassParent", [](Variant& v, Frame& f) { v = ClassToVariant(Self(f)->ClassParent()); }, 0, {}, 0);
    a.DefineGetter(o, "ClassInfo", [](Variant& v, Frame& f) {
        v = PointerToVariant(const_cast<TTypeInfo*>(Self(f)->ClassType()->ClassInfo()));
    }, 0, {}, 0);
    a.DefineGetter(o, "InstanceSize", [](Variant& v, Frame& f) { v = Integer(Self(f)->ClassType()->InstanceSize()); }, 0, {}, 0);
    a.DefineGetter(o, "InheritsFrom", [](Variant& v, Frame& f) { v = Self(f)->InheritsFrom(VariantToClass(Arg(f, 0))); }, 1, {0}, 0);
    const TClass i = TInterfacedObject::StaticClass();
    a.DefineClass("System", i);
    a.DefineGetter(i, "RefCount", [](Variant& v, Frame& f) { v = static_cast<TInterfacedObject*>(Self(f))->RefCount(); }, 0, {}, 0);
}

void RegisterFunctions(TKpInterpreterAdapter& a) {
    auto fn = [&a](const char* name, THostGetCallback callback, int count, std::initializer_list<Word> types = {}) {
        std::vector<Word> declared(types);
        declared.resize(std::size_t(count), 0);
        a.DefineFunction("System", name, callback, count, declared, 0);
    };
    fn("Move", Move, 3, {0, varParamFlag, 0});
    fn("ParamCount", [](Variant& v, Frame&) { v = ParamCount(); }, 0);
    fn("ParamStr", [](Variant& v, Frame& f) { v = ParamStr(IntArg(f, 0)); }, 1);
    fn("Randomize", [](Variant&, Frame&) { Randomize(); }, 0);
    fn("Random", [](Variant& v, Frame& f) { v = Random(IntArg(f, 0)); }, 1);
    fn("UpCase", UpCaseOf, 1);
    fn("VarType", [](Variant& v, Frame& f) { v = Word(VarType(Arg(f, 0))); }, 1);
    fn("VarAsType", [](Variant& v, Frame& f) { v = VarAsType(Arg(f, 0), TVarType(IntArg(f, 1))); }, 2);
    fn("VarIsEmpty", [](Variant& v, Frame& f) { v = VarIsEmpty(Arg(f, 0)); }, 1);
    fn("VarIsNull", [](Variant& v, Frame& f) { v = VarIsNull(Arg(f, 0)); }, 1);
    fn("VarToStr", [](Variant& v, Frame& f) { v = VarToStr(Arg(f, 0)); }, 1);
    fn("VarFromDateTime", [](Variant& v, Frame& f) { v = VarFromDateTime(FloatArg(f, 0)); }, 1);
    fn("VarToDateTime", [](Variant& v, Frame& f) { v = VarFromDateTime(VarToDateTime(Arg(f, 0))); }, 1);
    fn("VarArrayCreate", ArrayCreate, 2);
    fn("VarArrayOf", ArrayOf, 1);
    fn("VarArrayDimCount", [](Variant& v, Frame& f) { v = VarArrayDimCount(Arg(f, 0)); }, 1);
    fn("VarArrayLowBound", [](Variant& v, Frame& f) { v = VarArrayLowBound(Arg(f, 0), IntArg(f, 1)); }, 2);
    fn("VarArrayHighBound", [](Variant& v, Frame& f) { v = VarArrayHighBound(Arg(f, 0), IntArg(f, 1)); }, 2);
    fn("VarIsArray", [](Variant& v, Frame& f) { v = VarIsArray(Arg(f, 0)); }, 1);
    fn("ord", Ord, 1);
    fn("Chr", [](Variant& v, Frame& f) { v = AnsiString(1, char(IntArg(f, 0))); }, 1);
    fn("Abs", Abs, 1);
    fn("Length", Length, 1);
    fn("Copy", [](Variant& v, Frame& f) { v = Copy(StrArg(f, 0), IntArg(f, 1), IntArg(f, 2)); }, 3);
    fn("Round", Round, 1);
    fn("Trunc", [](Variant& v, Frame& f) { v = Integer(std::trunc(FloatArg(f, 0))); }, 1);
    fn("Pos", [](Variant& v, Frame& f) { v = Pos(StrArg(f, 0), StrArg(f, 1)); }, 2);
    fn("Delete", Delete, 3, {varParamFlag, 0, 0});
    fn("Insert", Insert, 3, {0, varParamFlag, 0});
    fn("Sqr", [](Variant& v, Frame& f) { v = FloatArg(f, 0) * FloatArg(f, 0); }, 1);
    fn("Sqrt", Float<std::sqrt>, 1);
    fn("Exp", Float<std::exp>, 1);
    fn("Ln", Float<std::log>, 1);
    fn("Sin", Float<std::sin>, 1);
    fn("Cos", Float<std::cos>, 1);
    fn("Tan", [](Variant& v, Frame& f) { v = std::sin(FloatArg(f, 0)) / std::cos(FloatArg(f, 0)); }, 1);
    fn("ArcTan", Float<std::atan>, 1);
    fn("SetLength", SetLength, 2);
    fn("High", [](Variant& v, Frame& f) { Bound(v, f, true); }, 1);
    fn("Low", [](Variant& v, Frame& f) { Bound(v, f, false); }, 1);
    fn("DeleteFromArray", [](Variant&, Frame& f) { ArrayDelete(Arg(f, 0), IntArg(f, 1)); }, 2);
    fn("InsertIntoArray", [](Variant&, Frame& f) { ArrayInsert(Arg(f, 0), IntArg(f, 1), Arg(f, 2)); }, 3);
}

void RegisterConstants(TKpInterpreterAdapter& a) {
    const struct {
        const char* name;
        Integer value;
    } constants[] = {
        {"varEmpty", 0},      {"varSmallint", 2},    {"varInteger", 3},    {"varSingle", 4},
        {"varCurrency", 6},   {"varDouble", 5},      {"varDate", 7},       {"varOleStr", 8},
        {"varDispatch", 9},   {"varError", 10},      {"varBoolean", 11},   {"varVariant", 12},
        {"varUnknown", 13},   {"varByte", 17},       {"varStrArg", 72},    {"varSrting", 256},
        {"varAny", 257},      {"varTypeMask", 4095}, {"varArray", Integer(ArrayVarType())},
        {"varByRef", 16384},  {"varShortInt", 16},   {"varWord", 18},      {"varLongWord", 19},
        {"varInt64", 20},
    };
    for (const auto& c : constants) a.DefineConstant("cSystem", c.name, Variant(c.value));
}

}  // namespace

AnsiString DequoteText(const AnsiString& text, char quote) { return ExtractQuotedString(text, quote); }

void RegisterSystemBindings(TKpInterpreterAdapter& adapter) {
    adapter.DefineUnit("System");
    RegisterObjectClasses(adapter);
    RegisterFunctions(adapter);
    RegisterConstants(adapter);
}
