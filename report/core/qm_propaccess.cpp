// Script access to published properties: dotted paths, and reading and
// writing a property as a Variant by its type kind.
#include <cmath>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/typinfo.h"
#include "report/core/qm_common.h"

namespace {

// A number stored into an ordinal property: truncated toward zero.
Int64 TruncatedOrdinal(const Variant& value) {
    return VarIsOrdinal(value) ? value.AsInt64() : Trunc(value.AsDouble());
}

}  // namespace

bool ResolvePropPath(TObject*& object, AnsiString& path) {
    for (std::size_t dot = path.find('.'); dot != AnsiString::npos; dot = path.find('.')) {
        PPropInfo prop = object ? GetPropInfo(object, path.substr(0, dot)) : nullptr;
        if (!prop || prop->Kind() != tkClass) return false;
        object = prop->Access().GetObject(object);
        if (!object) return false;
        path.erase(0, dot + 1);
    }
    return object != nullptr;
}

bool ReadPublishedProp(TObject* object, const AnsiString& name, Variant& value) {
    PPropInfo prop = GetPropInfo(object, name);
    if (!prop) return false;
    const TPropAccessor& access = prop->Access();
    switch (prop->Kind()) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet: value = static_cast<Integer>(access.GetOrd(object)); return true;
    case tkClass:
        value = static_cast<long long>(reinterpret_cast<std::intptr_t>(access.GetObject(object)));
        return true;
    case tkFloat: value = access.GetFloat(object); return true;
    case tkString:
    case tkLString: value = access.GetStr(object); return true;
    case tkMethod: value = prop->PropType()->Name; return true;
    case tkWString: value = access.GetWideStr(object); return true;
    case tkVariant: value = access.GetVariant(object); return true;
    case tkInt64: value = static_cast<long long>(access.GetOrd(object)); return true;
    default: return false;
    }
}

bool WritePublishedProp(TObject* object, const AnsiString& name, const Variant& value) {
    PPropInfo prop = GetPropInfo(object, name);
    if (!prop || !prop->Writable()) return false;
    const TPropAccessor& access = prop->Access();
    switch (prop->Kind()) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkInt64: access.SetOrd(object, TruncatedOrdinal(value)); return true;
    case tkEnumeration:
        if (VarIsStr(value))
            SetEnumProp(object, prop->Name(), value.AsString());
        else if (VarType(value) == varBoolean)
            access.SetOrd(object, value.AsBoolean() ? 1 : 0);
        else
            access.SetOrd(object, TruncatedOrdinal(value));
        return true;
    case tkFloat: access.SetFloat(object, value.AsDouble()); return true;
    case tkString:
    case tkLString: access.SetStr(object, value.AsString()); return true;
    case tkSet:
        access.SetOrd(object, VarIsOrdinal(value) ? value.AsInt64() : StringToSet(prop->PropType(), value.AsString()));
        return true;
    case tkWString: access.SetWideStr(object, value.AsWideString()); return true;
    case tkVariant: access.SetVariant(object, value); return true;
    default: return false;
    }
}
