// Type descriptions, property tables and the look-ups by name.
#include "platform/rtl/typinfo.h"

#include <map>
#include <mutex>

#include "platform/rtl/codepage.h"
#include "platform/rtl/identifier.h"

namespace {

// Type descriptions live for the program's lifetime, one per key.
template <class Make>
PTypeInfo Intern(const std::string& key, Make make) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<TTypeInfo>> types;
    std::lock_guard lock(mutex);
    auto& slot = types[key];
    if (!slot)
        slot = std::make_unique<TTypeInfo>(make());
    return slot.get();
}

std::string PointerKey(const char* tag, const void* p) {
    return tag + std::to_string(reinterpret_cast<std::uintptr_t>(p));
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(first, last - first + 1));
}

[[noreturn]] void RaiseConvert(PPropInfo prop) {
    throw EPropertyConvertError("Invalid property type: " + prop->PropType()->Name);
}

PPropInfo RequireProp(TObject* instance, const AnsiString& name) {
    PPropInfo prop = GetPropInfo(instance, name);
    if (!prop)
        throw EPropertyError("Unknown property: " + name);
    return prop;
}

}  // namespace

AnsiString GetEnumName(PTypeInfo type, int value) {
    if (value < 0 || value >= static_cast<int>(type->EnumNames.size()))
        return {};
    return type->EnumNames[value];
}

int GetEnumValue(PTypeInfo type, const AnsiString& name) {
    for (std::size_t i = 0; i < type->EnumNames.size(); ++i)
        if (SameIdentifier(type->EnumNames[i], name))
            return static_cast<int>(i);
    return -1;
}

AnsiString SetToString(PTypeInfo setType, Int64 value, bool brackets) {
    AnsiString text;
    const auto& names = setType->CompType->EnumNames;
    for (std::size_t i = 0; i < names.size() && i < 64; ++i) {
        if (!(static_cast<std::uint64_t>(value) & (std::uint64_t{1} << i)))
            continue;
        if (!text.empty())
            text += ',';
        text += names[i];
    }
    return brackets ? "[" + text + "]" : text;
}

Int64 StringToSet(PTypeInfo setType, const AnsiString& text) {
    std::string_view body = text;
    const std::string trimmed = Trim(body);
    body = trimmed;
    if (!body.empty() && body.front() == '[')
        body.remove_prefix(1);
    if (!body.empty() && body.back() == ']')
        body.remove_suffix(1);
    std::uint64_t bits = 0;
    while (!body.empty()) {
        const auto comma = body.find(',');
        const std::string name = Trim(body.substr(0, comma));
        body = comma == std::string_view::npos ? std::string_view{} : body.substr(comma + 1);
        if (name.empty())
            continue;
        const int value = GetEnumValue(setType->CompType, name);
        if (value < 0)
            throw EPropertyConvertError("Invalid property element: " + name);
        bits |= std::uint64_t{1} << value;
    }
    return static_cast<Int64>(bits);
}

PTypeInfo MakeEnumTypeInfo(const char* name, const char* commaSeparatedNames) {
    return Intern(std::string("enum:") + name, [&] {
        TTypeInfo info;
        info.Kind = tkEnumeration;
        info.Name = name;
        std::string_view rest = commaSeparatedNames;
        while (!rest.empty()) {
            const auto comma = rest.find(',');
            info.EnumNames.push_back(Trim(rest.substr(0, comma)));
            rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        }
        return info;
    });
}

PTypeInfo BuiltinTypeInfo(TTypeKind kind, const char* name) {
    return Intern(std::string("builtin:") + name, [&] {
        TTypeInfo info;
        info.Kind = kind;
        info.Name = name;
        return info;
    });
}

PTypeInfo BooleanTypeInfo() {
    static const PTypeInfo info = MakeEnumTypeInfo("Boolean", "False, True");
    return info;
}

PTypeInfo SetTypeInfo(PTypeInfo element) {
    return Intern(PointerKey("set:", element), [&] {
        TTypeInfo info;
        info.Kind = tkSet;
        info.Name = "set of " + element->Name;
        info.CompType = element;
        return info;
    });
}

PTypeInfo ClassTypeInfo(TClass cls) {
    return Intern(PointerKey("class:", cls), [&] {
        TTypeInfo info;
        info.Kind = tkClass;
        info.Name = cls->ClassName();
        info.ClassType = cls;
        return info;
    });
}

PTypeInfo MethodTypeInfo(const std::type_info& signature, const char* name) {
    return Intern(std::string("method:") + signature.name() + ":" + name, [&] {
        TTypeInfo info;
        info.Kind = tkMethod;
        info.Name = name;
        info.Signature = &signature;
        return info;
    });
}

PTypeInfo RenamedTypeInfo(PTypeInfo type, const char* name) {
    return Intern(PointerKey("alias:", type) + ":" + name, [&] {
        TTypeInfo info = *type;
        info.Name = name;
        return info;
    });
}

namespace typinfo_detail {

void RaiseReadOnly() {
    throw EPropertyError("Property is read-only");
}

void RaiseWrongClass(TObject* value) {
    throw EPropertyConvertError("Invalid property value: " + value->ClassName());
}

}  // namespace typinfo_detail

namespace {
[[noreturn]] void RaiseAccessorKind() {
    throw EPropertyConvertError("Invalid property type");
}
}  // namespace

Int64 TPropAccessor::GetOrd(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetOrd(TObject*, Int64) const { RaiseAccessorKind(); }
double TPropAccessor::GetFloat(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetFloat(TObject*, double) const { RaiseAccessorKind(); }
AnsiString TPropAccessor::GetStr(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetStr(TObject*, const AnsiString&) const { RaiseAccessorKind(); }
WideString TPropAccessor::GetWideStr(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetWideStr(TObject*, const WideString&) const { RaiseAccessorKind(); }
TObject* TPropAccessor::GetObject(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetObject(TObject*, TObject*) const { RaiseAccessorKind(); }
TMethod TPropAccessor::GetMethod(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetMethod(TObject*, const TMethod&) const { RaiseAccessorKind(); }
Variant TPropAccessor::GetVariant(TObject*) const { RaiseAccessorKind(); }
void TPropAccessor::SetVariant(TObject*, const Variant&) const { RaiseAccessorKind(); }

TPropInfo::TPropInfo(AnsiString name, PTypeInfo type, std::unique_ptr<TPropAccessor> accessor)
    : name_(std::move(name)), type_(type), accessor_(std::move(accessor)) {}

TPropInfo& TPropertyTable::Add(std::unique_ptr<TPropInfo> info) {
    properties_.push_back(std::move(info));
    return *properties_.back();
}

void TPropertyTable::AddMethod(TPublishedMethod method) {
    methods_.push_back(std::move(method));
}

void TPropertyTable::AddField(TPublishedField field) {
    fields_.push_back(std::move(field));
}

const TPublishedField* FieldAddress(const TObject* instance, const AnsiString& name) {
    for (TClass c = instance->ClassType(); c; c = c->ClassParent())
        for (const auto& field : c->OwnProperties().Fields())
            if (SameIdentifier(field.Name, name))
                return &field;
    return nullptr;
}

TClass FieldClassNamed(const TObject* instance, const AnsiString& className) {
    for (TClass c = instance->ClassType(); c; c = c->ClassParent())
        for (const auto& field : c->OwnProperties().Fields())
            if (SameIdentifier(field.FieldClass->ClassName(), className))
                return field.FieldClass;
    return nullptr;
}

PPropInfo GetPropInfo(TClass cls, const AnsiString& name) {
    for (TClass c = cls; c; c = c->ClassParent())
        for (const auto& prop : c->OwnProperties().Properties())
            if (SameIdentifier(prop->Name(), name))
                return prop.get();
    return nullptr;
}

PPropInfo GetPropInfo(const TObject* instance, const AnsiString& name) {
    return GetPropInfo(instance->ClassType(), name);
}

bool IsPublishedProp(TClass cls, const AnsiString& name) {
    return GetPropInfo(cls, name) != nullptr;
}

bool IsPublishedProp(const TObject* instance, const AnsiString& name) {
    return GetPropInfo(instance, name) != nullptr;
}

std::vector<PPropInfo> GetPropList(TClass cls) {
    std::vector<TClass> chain;
    for (TClass c = cls; c; c = c->ClassParent())
        chain.push_back(c);
    std::vector<PPropInfo> list;
    for (auto c = chain.rbegin(); c != chain.rend(); ++c) {
        for (const auto& prop : (*c)->OwnProperties().Properties()) {
            bool replaced = false;
            for (auto& existing : list)
                if (SameIdentifier(existing->Name(), prop->Name())) {
                    existing = prop.get();
                    replaced = true;
                }
            if (!replaced)
                list.push_back(prop.get());
        }
    }
    return list;
}

std::vector<PPropInfo> GetPropList(const TObject* instance) {
    return GetPropList(instance->ClassType());
}

TMethod MethodAddress(TObject* instance, const AnsiString& name) {
    for (TClass c = instance->ClassType(); c; c = c->ClassParent())
        for (const auto& method : c->OwnProperties().Methods())
            if (SameIdentifier(method.Name, name))
                return method.Bind(instance);
    return {};
}

AnsiString MethodName(TObject* instance, const TMethod& method) {
    if (!method.Assigned())
        return {};
    for (TClass c = instance->ClassType(); c; c = c->ClassParent())
        for (const auto& published : c->OwnProperties().Methods())
            if (published.Bind(instance) == method)
                return published.Name;
    return {};
}

Int64 GetOrdProp(TObject* instance, PPropInfo prop) {
    return prop->Access().GetOrd(instance);
}

void SetOrdProp(TObject* instance, PPropInfo prop, Int64 value) {
    prop->Access().SetOrd(instance, value);
}

AnsiString GetStrProp(TObject* instance, PPropInfo prop) {
    switch (prop->Kind()) {
    case tkLString:
    case tkString:
        return prop->Access().GetStr(instance);
    case tkWString:
        return WideToAnsi(prop->Access().GetWideStr(instance));
    default:
        RaiseConvert(prop);
    }
}

void SetStrProp(TObject* instance, PPropInfo prop, const AnsiString& value) {
    switch (prop->Kind()) {
    case tkLString:
    case tkString:
        prop->Access().SetStr(instance, value);
        break;
    case tkWString:
        prop->Access().SetWideStr(instance, AnsiToWide(value));
        break;
    default:
        RaiseConvert(prop);
    }
}

Int64 GetOrdProp(TObject* instance, const AnsiString& name) {
    return GetOrdProp(instance, RequireProp(instance, name));
}

void SetOrdProp(TObject* instance, const AnsiString& name, Int64 value) {
    SetOrdProp(instance, RequireProp(instance, name), value);
}

AnsiString GetStrProp(TObject* instance, const AnsiString& name) {
    return GetStrProp(instance, RequireProp(instance, name));
}

void SetStrProp(TObject* instance, const AnsiString& name, const AnsiString& value) {
    SetStrProp(instance, RequireProp(instance, name), value);
}

WideString GetWideStrProp(TObject* instance, const AnsiString& name) {
    PPropInfo prop = RequireProp(instance, name);
    if (prop->Kind() == tkWString)
        return prop->Access().GetWideStr(instance);
    return AnsiToWide(GetStrProp(instance, prop));
}

void SetWideStrProp(TObject* instance, const AnsiString& name, const WideString& value) {
    PPropInfo prop = RequireProp(instance, name);
    if (prop->Kind() == tkWString)
        prop->Access().SetWideStr(instance, value);
    else
        SetStrProp(instance, prop, WideToAnsi(value));
}

double GetFloatProp(TObject* instance, const AnsiString& name) {
    return RequireProp(instance, name)->Access().GetFloat(instance);
}

void SetFloatProp(TObject* instance, const AnsiString& name, double value) {
    RequireProp(instance, name)->Access().SetFloat(instance, value);
}

TObject* GetObjectProp(TObject* instance, const AnsiString& name) {
    return RequireProp(instance, name)->Access().GetObject(instance);
}

void SetObjectProp(TObject* instance, const AnsiString& name, TObject* value) {
    RequireProp(instance, name)->Access().SetObject(instance, value);
}

TMethod GetMethodProp(TObject* instance, const AnsiString& name) {
    return RequireProp(instance, name)->Access().GetMethod(instance);
}

void SetMethodProp(TObject* instance, const AnsiString& name, const TMethod& value) {
    RequireProp(instance, name)->Access().SetMethod(instance, value);
}

Variant GetVariantProp(TObject* instance, const AnsiString& name) {
    return RequireProp(instance, name)->Access().GetVariant(instance);
}

void SetVariantProp(TObject* instance, const AnsiString& name, const Variant& value) {
    RequireProp(instance, name)->Access().SetVariant(instance, value);
}

Variant GetPropValue(TObject* instance, const AnsiString& name) {
    PPropInfo prop = RequireProp(instance, name);
    const TPropAccessor& access = prop->Access();
    switch (prop->Kind()) {
    case tkEnumeration:
        if (prop->PropType() == BooleanTypeInfo())
            return Variant(access.GetOrd(instance) != 0);
        return Variant(static_cast<Integer>(access.GetOrd(instance)));
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkSet:
        return Variant(static_cast<Integer>(access.GetOrd(instance)));
    case tkInt64:
        return Variant(static_cast<long long>(access.GetOrd(instance)));
    case tkFloat:
        return Variant(access.GetFloat(instance));
    case tkString:
    case tkLString:
        return Variant(access.GetStr(instance));
    case tkWString:
        return Variant(access.GetWideStr(instance));
    case tkVariant:
        return access.GetVariant(instance);
    case tkClass:
        return Variant(static_cast<long long>(reinterpret_cast<std::intptr_t>(access.GetObject(instance))));
    default:
        RaiseConvert(prop);
    }
}

void SetPropValue(TObject* instance, const AnsiString& name, const Variant& value) {
    PPropInfo prop = RequireProp(instance, name);
    const TPropAccessor& access = prop->Access();
    switch (prop->Kind()) {
    case tkEnumeration:
        if (VarIsStr(value)) {
            const int ordinal = GetEnumValue(prop->PropType(), value.AsString());
            if (ordinal < 0)
                throw EPropertyConvertError("Invalid enumeration name: " + value.AsString());
            access.SetOrd(instance, ordinal);
        } else {
            access.SetOrd(instance, value.AsInteger());
        }
        break;
    case tkSet:
        access.SetOrd(instance, VarIsStr(value) ? StringToSet(prop->PropType(), value.AsString()) : value.AsInt64());
        break;
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkInt64:
        access.SetOrd(instance, value.AsInt64());
        break;
    case tkFloat:
        access.SetFloat(instance, value.AsDouble());
        break;
    case tkString:
    case tkLString:
        access.SetStr(instance, value.AsString());
        break;
    case tkWString:
        access.SetWideStr(instance, value.AsWideString());
        break;
    case tkVariant:
        access.SetVariant(instance, value);
        break;
    default:
        RaiseConvert(prop);
    }
}

AnsiString GetEnumProp(TObject* instance, const AnsiString& name) {
    PPropInfo prop = RequireProp(instance, name);
    return GetEnumName(prop->PropType(), static_cast<int>(GetOrdProp(instance, prop)));
}

void SetEnumProp(TObject* instance, const AnsiString& name, const AnsiString& value) {
    PPropInfo prop = RequireProp(instance, name);
    const int ordinal = GetEnumValue(prop->PropType(), value);
    if (ordinal < 0)
        throw EPropertyConvertError("Invalid enumeration name: " + value);
    SetOrdProp(instance, prop, ordinal);
}

AnsiString GetSetProp(TObject* instance, const AnsiString& name, bool brackets) {
    PPropInfo prop = RequireProp(instance, name);
    if (prop->Kind() != tkSet)
        RaiseConvert(prop);
    return SetToString(prop->PropType(), GetOrdProp(instance, prop), brackets);
}

void SetSetProp(TObject* instance, const AnsiString& name, const AnsiString& value) {
    PPropInfo prop = RequireProp(instance, name);
    if (prop->Kind() != tkSet)
        RaiseConvert(prop);
    SetOrdProp(instance, prop, StringToSet(prop->PropType(), value));
}
