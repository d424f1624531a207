// Script values: host objects, class references, pointers, records, sets
// and script arrays travel in Variants of six custom types. Records and
// arrays are shared by copies and counted, so a value lives as long as any
// variable, element or field still holds it.
#pragma once

#include <array>
#include <memory>

#include "platform/rtl/object.h"
#include "platform/rtl/variant.h"
#include "platform/rtl/variant_rules.h"

class TKpInterpreterRecHolder;
struct TKpInterpreterArrayRec;

// Creates the six types in the order record, object, class, pointer, set,
// array (so their codes follow one another), and frees them again. Values
// of the types must be gone before they are freed.
void CreateScriptVariantTypes();
void FreeScriptVariantTypes();

// The codes of the six types in that order, asked for on every value the
// interpreter handles; 0 while they are not created.
extern std::array<TVarType, 6> scriptVarTypeCodes;
[[noreturn]] void RaiseScriptTypesNotCreated();
inline TVarType ScriptVarTypeCode(std::size_t index) {
    const TVarType code = scriptVarTypeCodes[index];
    if (!code) RaiseScriptTypesNotCreated();
    return code;
}
inline TVarType RecordVarType() { return ScriptVarTypeCode(0); }
inline TVarType ObjectVarType() { return ScriptVarTypeCode(1); }
inline TVarType ClassVarType() { return ScriptVarTypeCode(2); }
inline TVarType PointerVarType() { return ScriptVarTypeCode(3); }
inline TVarType SetVarType() { return ScriptVarTypeCode(4); }
inline TVarType ArrayVarType() { return ScriptVarTypeCode(5); }

// References are held inline in the Variant: the interpreter and its hosts
// make them on nearly every step.
inline Variant ObjectToVariant(TObject* object) {
    return VariantAccess::MakeInline(ObjectVarType(), reinterpret_cast<std::uintptr_t>(object));
}
inline Variant ClassToVariant(TClass cls) {
    return VariantAccess::MakeInline(ClassVarType(), reinterpret_cast<std::uintptr_t>(cls));
}
inline Variant PointerToVariant(void* pointer) {
    return VariantAccess::MakeInline(PointerVarType(), reinterpret_cast<std::uintptr_t>(pointer));
}
// Object, class and pointer Variants give their reference (a class
// Variant gives no object; an object Variant gives its class); Empty, Null
// and the integer 0 give nil; anything else raises 109.
// VariantToObject for anything but an object Variant.
TObject* OtherValueToObject(const Variant& value);
inline TObject* VariantToObject(const Variant& value) {
    if (value.VarType() == ObjectVarType()) return reinterpret_cast<TObject*>(*value.CustomWord());
    return OtherValueToObject(value);
}
TClass VariantToClass(const Variant& value);
void* VariantToPointer(const Variant& value);

Variant SetToVariant(Cardinal mask);
// An integer or set Variant as the mask; a Variant array ([a, b]) as the
// union of its elements, each taken mod 32.
Cardinal VariantToSet(const Variant& value);

Variant ArrayToVariant(std::shared_ptr<TKpInterpreterArrayRec> array);
// The array of a script-array Variant, or nullptr.
TKpInterpreterArrayRec* VariantToArray(const Variant& value);

Variant HolderToVariant(std::shared_ptr<TKpInterpreterRecHolder> holder);
// The holder of a record Variant, or nullptr.
TKpInterpreterRecHolder* VariantToHolder(const Variant& value);

// The copy shares a record or array with the source.
void CopyScriptVariant(Variant& destination, const Variant& source);
// Assignment into an existing value: a record is copied field by field into
// the destination's own record, anything else replaces the destination (an
// array is then shared).
void AssignScriptValue(Variant& destination, const Variant& source);
// Drops the value's hold on a record or array; the Variant becomes Null.
void FreeScriptValue(Variant& value);

// The value converted to the type code (0 keeps any value): Empty and Null
// give the type's zero value, Boolean to 3 gives 1 or 0. A value that does
// not convert raises 53.
Variant ConvertToType(const Variant& value, TVarType type);
// The conversion into a typed variable: as ConvertToType; a script array
// fits only a variable of the array type (else 53).
Variant ConvertForVariable(const Variant& value, TVarType type);
// Bytes per element of a type's raw storage; 0 for types without.
int TypeSize(TVarType type);
// The type code of a declared type name ("integer" 3, "string" 256...), 0
// for a Variant.
TVarType TypeCodeOfName(const AnsiString& name);
