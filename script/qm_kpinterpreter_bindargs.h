// What the binding callbacks share: the arguments of a call read from its
// frame by the platform's conversions.
#pragma once

#include <algorithm>

#include "platform/rtl/variant.h"
#include "script/qm_kpinterpreter_args.h"

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
// Writes a var argument back through the frame.
inline void SetArg(Frame& f, int index, Variant value) { f.ArgValues[std::size_t(index)] = std::move(value); }

}  // namespace bindargs
