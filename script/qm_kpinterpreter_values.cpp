// The six custom Variant types of script values, their converters and the
// value operations of the interpreter.
#include "script/qm_kpinterpreter_values.h"

#include <array>
#include <string_view>

#include "platform/rtl/custom_variant.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/identifier.h"
#include "script/qm_kpinterpreter_arrays.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

// Copies share the payload (a counted holder or array, or a plain
// reference); clearing releases only the Variant's own hold.
class TKpSimpleVariantType : public TCustomVariantType {
public:
    using TCustomVariantType::TCustomVariantType;
};

// Object, class and pointer values: a cast takes another reference kind or
// a nil value (Empty, Null, 0) and nothing else.
class TKpReferenceVariantType : public TKpSimpleVariantType {
public:
    using TKpSimpleVariantType::TKpSimpleVariantType;
    Variant Cast(const Variant& source) const override;
};

class TKpSetVariantType : public TKpSimpleVariantType {
public:
    using TKpSimpleVariantType::TKpSimpleVariantType;
    Variant Cast(const Variant& source) const override { return SetToVariant(VariantToSet(source)); }
};

enum ScriptType { recordType, objectType, classType, pointerType, setType, arrayType, scriptTypeCount };
static_assert(scriptTypeCount == 6, "the header numbers the six types");

std::array<std::unique_ptr<TCustomVariantType>, scriptTypeCount>& ScriptTypes() {
    static std::array<std::unique_ptr<TCustomVariantType>, scriptTypeCount> types;
    return types;
}

bool IsNilValue(const Variant& value) {
    const TVarType type = value.VarType();
    if (type == varEmpty || type == varNull) return true;
    return VarIsOrdinal(value) && type != varBoolean && value.AsInt64() == 0;
}

template <class Payload>
Payload PayloadOf(const Variant& value) {
    return std::any_cast<Payload>(value.CustomData());
}

// Object, class and pointer references and set masks are held inline in
// the Variant: the interpreter copies them on nearly every step.
template <class Reference>
Reference InlinePayload(const Variant& value) {
    return reinterpret_cast<Reference>(*value.CustomWord());
}

Variant TKpReferenceVariantType::Cast(const Variant& source) const {
    const TVarType from = source.VarType();
    if (from != ObjectVarType() && from != ClassVarType() && from != PointerVarType() && !IsNilValue(source))
        VarCastError(from, VarType());
    if (VarType() == ObjectVarType()) return ObjectToVariant(VariantToObject(source));
    if (VarType() == ClassVarType()) return ClassToVariant(VariantToClass(source));
    return PointerToVariant(VariantToPointer(source));
}

}  // namespace

void CreateScriptVariantTypes() {
    auto& types = ScriptTypes();
    types[recordType] = std::make_unique<TKpSimpleVariantType>("Record");
    types[objectType] = std::make_unique<TKpReferenceVariantType>("Object");
    types[classType] = std::make_unique<TKpReferenceVariantType>("Class");
    types[pointerType] = std::make_unique<TKpReferenceVariantType>("Pointer");
    types[setType] = std::make_unique<TKpSetVariantType>("Set");
    types[arrayType] = std::make_unique<TKpSimpleVariantType>("ScriptArray");
    for (std::size_t i = 0; i < types.size(); ++i) scriptVarTypeCodes[i] = types[i]->VarType();
}

void FreeScriptVariantTypes() {
    scriptVarTypeCodes.fill(0);
    for (auto& type : ScriptTypes()) type.reset();
}

std::array<TVarType, 6> scriptVarTypeCodes{};

void RaiseScriptTypesNotCreated() { throw EVariantInvalidOpError("Script variant types are not created"); }

TObject* OtherValueToObject(const Variant& value) {
    const TVarType type = value.VarType();
    if (type == PointerVarType()) return static_cast<TObject*>(InlinePayload<void*>(value));
    if (!IsNilValue(value)) RaiseScriptError(109, -1);
    return nullptr;
}

TClass VariantToClass(const Variant& value) {
    const TVarType type = value.VarType();
    if (type == ClassVarType()) return InlinePayload<TClass>(value);
    if (type == ObjectVarType()) {
        TObject* object = InlinePayload<TObject*>(value);
        return object ? object->ClassType() : nullptr;
    }
    // A pointer says nothing about a class; only a nil one passes.
    if (type == PointerVarType() && !InlinePayload<void*>(value)) return nullptr;
    if (!IsNilValue(value)) RaiseScriptError(109, -1);
    return nullptr;
}

void* VariantToPointer(const Variant& value) {
    const TVarType type = value.VarType();
    if (type == PointerVarType()) return InlinePayload<void*>(value);
    if (type == ObjectVarType()) return InlinePayload<TObject*>(value);
    if (type == ClassVarType()) return const_cast<TMetaClass*>(InlinePayload<TClass>(value));
    if (!IsNilValue(value)) RaiseScriptError(109, -1);
    return nullptr;
}

Variant SetToVariant(Cardinal mask) { return ScriptTypes()[setType]->MakeInlineValue(mask); }

Cardinal VariantToSet(const Variant& value) {
    if (value.VarType() == SetVarType()) return Cardinal(*value.CustomWord());
    if (VarIsArray(value)) {
        Cardinal mask = 0;
        if (VarArrayDimCount(value) != 1) return mask;
        for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i)
            mask |= Cardinal(1) << (((VarArrayGet(value, {i}).AsInteger() % 32) + 32) % 32);
        return mask;
    }
    return Cardinal(value.AsInt64());
}

Variant ArrayToVariant(std::shared_ptr<TKpInterpreterArrayRec> array) {
    return ScriptTypes()[arrayType]->MakeValue(std::move(array));
}

TKpInterpreterArrayRec* VariantToArray(const Variant& value) {
    if (value.VarType() != ArrayVarType()) return nullptr;
    return PayloadOf<std::shared_ptr<TKpInterpreterArrayRec>>(value).get();
}

Variant HolderToVariant(std::shared_ptr<TKpInterpreterRecHolder> holder) {
    return ScriptTypes()[recordType]->MakeValue(std::move(holder));
}

TKpInterpreterRecHolder* VariantToHolder(const Variant& value) {
    // The platform's own types come first, and they are most of what is asked.
    if (value.VarType() < CFirstUserType || value.VarType() != RecordVarType()) return nullptr;
    return PayloadOf<std::shared_ptr<TKpInterpreterRecHolder>>(value).get();
}

void CopyScriptVariant(Variant& destination, const Variant& source) { destination = source; }

void AssignScriptValue(Variant& destination, const Variant& source) {
    if (TKpInterpreterRecHolder* from = VariantToHolder(source)) {
        TKpInterpreterRecHolder* to = VariantToHolder(destination);
        if (to == from) return;
        if (to) {
            CopyRecordFields(*to, *from);
            return;
        }
    }
    destination = source;
}

void FreeScriptValue(Variant& value) { value = Null(); }

Variant ConvertToType(const Variant& value, TVarType type) {
    if (type == 0) return value;
    try {
        if (value.VarType() == varEmpty || value.VarType() == varNull) {
            switch (type) {
                case varSmallint:
                case varInteger:
                case varByte: return Variant(0);
                case varSingle:
                case varDouble:
                case varCurrency:
                case varDate: return Variant(0.0);
                case varOleStr:
                case varString: return Variant(AnsiString());
                case varBoolean: return Variant(false);
                case varVariant: return Null();
                default: break;
            }
        }
        if (type == varInteger && value.VarType() == varBoolean) return Variant(value.AsBoolean() ? 1 : 0);
        return VarAsType(value, type);
    } catch (const EVariantError&) {
        RaiseScriptError(53, -1);
    }
}

Variant ConvertForVariable(const Variant& value, TVarType type) {
    if (VariantToArray(value) && type != 0 && type != ArrayVarType()) RaiseScriptError(53, -1);
    return ConvertToType(value, type);
}

int TypeSize(TVarType type) {
    switch (type) {
        case 0: return 16;
        case varSmallint: return 2;
        case varInteger: return 4;
        case varDouble:
        case varDate: return 8;
        case varByte: return 1;
        default: return type == ObjectVarType() ? int(sizeof(TObject*)) : 0;
    }
}

TVarType TypeCodeOfName(const AnsiString& name) {
    struct Entry {
        std::string_view name;
        TVarType type;
    };
    static constexpr Entry names[] = {
        {"integer", varInteger}, {"longint", varInteger}, {"dword", varInteger},   {"word", varSmallint},
        {"smallint", varSmallint}, {"byte", varByte},     {"wordbool", varBoolean}, {"boolean", varBoolean},
        {"bool", varBoolean},    {"string", varString},  {"PChar", varString},     {"ANSIString", varString},
        {"ShortString", varString}, {"char", varString}, {"double", varDouble},    {"tdatetime", varDate},
    };
    for (const Entry& entry : names)
        if (SameIdentifier(entry.name, name)) return entry.type;
    if (SameIdentifier("tobject", name)) return ObjectVarType();
    return 0;
}
