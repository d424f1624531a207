// The parts of the SysUtils binding registered from their own sources.
#pragma once

#include "script/qm_kpinterpreter_adapter.h"

// A function of the unit: var arguments where `types` says, the others
// and the result untyped.
inline void DefineSysUtilsFunction(TKpInterpreterAdapter& a, const char* name, THostGetCallback callback, int count,
                                   std::initializer_list<Word> types = {}) {
    TKpTypeList declared(types);
    declared.resize(std::size_t(count), 0);
    a.DefineFunction("SysUtils", name, callback, count, declared, 0);
}
// A zero-terminated result as a string; "" for none.
inline Variant PCharResult(const char* text) { return AnsiString(text ? text : ""); }

// Files, folders, file searches with the record TSearchRec, in the unit's order.
void RegisterSysUtilsFileFunctions(TKpInterpreterAdapter& adapter);
// The zero-terminated-string routines; each works on copies of its
// arguments and answers its result as a string.
void RegisterSysUtilsPCharFunctions(TKpInterpreterAdapter& adapter);
// The record TSearchRec with its create and free routines.
void RegisterSearchRecord(TKpInterpreterAdapter& adapter);
