// What the binding callbacks share: the arguments of a call read from its
// frame by the platform's conversions.
#pragma once

#include <algorithm>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/variant.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_args.h"
#include "script/qm_kpinterpreter_values.h"

namespace bindargs {

using Frame = TKpInterpreterArgs;

inline const Variant& Arg(Frame& f, int index) { return f.ArgValues[std::size_t(index)]; }
inline Integer IntArg(Frame& f, int index) { return Arg(f, index).AsInteger(); }
inline double FloatArg(Frame& f, int index) { return Arg(f, index).AsDouble(); }
inline bool BoolArg(Frame& f, int index) { return Arg(f, index).AsBoolean(); }
inline AnsiString StrArg(Frame& f, int index) { return VarToStr(Arg(f, index)); }
// A character argument: the first character of the text; character 0 for
// an empty text.
inline char CharArg(Frame& f, int index) {
    const AnsiString text = StrArg(f, index);
    return text.empty() ? '\0' : text[0];
}
// A count of bytes never beyond the data a value holds.
inline Integer Bounded(Integer count, std::size_t available) {
    return std::max(0, std::min(count, Integer(std::min<std::size_t>(available, 0x7FFFFFFF))));
}
// A handle argument: the low 32 bits of the value as a 64-bit integer.
inline Cardinal HandleArg(Frame& f, int index) { return Cardinal(Arg(f, index).AsInt64()); }

// The object a member is called on; the registry calls a member only on its
// class or a descendant.
template <class T>
T* Self(Frame& f) {
    return static_cast<T*>(VariantToObject(f.CallObject()));
}

// A value of a named class: nil passes, an object of another class is an
// invalid cast.
template <class T>
T* CheckedCast(const Variant& value) {
    TObject* object = VariantToObject(value);
    if (!object) return nullptr;
    auto* typed = dynamic_cast<T*>(object);
    if (!typed) throw EInvalidCast("Invalid class typecast");
    return typed;
}

template <class T>
T* ObjArg(Frame& f, int index) {
    return CheckedCast<T>(Arg(f, index));
}

// Constants of one enumeration: its names in order of their ordinals.
inline void DefineOrdinals(TKpInterpreterAdapter& a, const char* unit, std::initializer_list<const char*> names) {
    int value = 0;
    for (const char* name : names) a.DefineConstant(unit, name, Variant(value++));
}

// The same as byte constants, as units whose enumerations read back as bytes
// register them.
inline void DefineByteOrdinals(TKpInterpreterAdapter& a, const char* unit, std::initializer_list<const char*> names) {
    Byte value = 0;
    for (const char* name : names) a.DefineConstant(unit, name, Variant(value++));
}

// Writes a var argument back through the frame.
inline void SetArg(Frame& f, int index, Variant value) { f.ArgValues[std::size_t(index)] = std::move(value); }

// A zero-terminated text copied into the string argument `index` as a
// buffer: `copy(buffer, size)` gets no more room than the string holds
// (nor than bufSize), and the text comes back through the var argument.
// Answers the count copied.
template <class Copy>
Integer CopyIntoStringArg(Frame& f, int index, Integer bufSize, Copy copy) {
    const std::size_t capacity = StrArg(f, index).size() + 1;
    std::vector<char> storage(capacity, '\0');
    const Integer count = copy(storage.data(), std::min(bufSize, Integer(capacity)));
    SetArg(f, index, AnsiString(storage.data(), std::size_t(std::max(count, 0))));
    return count;
}

}  // namespace bindargs
