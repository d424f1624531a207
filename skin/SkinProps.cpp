// Property access by name, tolerant of properties a control does not have.
#include "skin/SkinProps.h"

#include "platform/rtl/sysutils.h"
#include "platform/rtl/typinfo.h"
#include "skin/WinSkinData.h"

namespace {

PPropInfo PropOf(TObject* instance, const AnsiString& name) {
    return instance ? GetPropInfo(instance, name) : nullptr;
}

bool IsAnsiText(TTypeKind kind) { return kind == tkLString || kind == tkString; }

}  // namespace

Integer GetIntPropByName(TObject* instance, const AnsiString& name) {
    const PPropInfo prop = PropOf(instance, name);
    if (!prop || prop->Kind() != tkInteger) return -1;
    return Integer(GetOrdProp(instance, prop));
}

AnsiString GetEnumPropByName(TObject* instance, const AnsiString& name) {
    const PPropInfo prop = PropOf(instance, name);
    if (!prop || prop->Kind() != tkEnumeration) return {};
    return GetEnumProp(instance, name);
}

AnsiString GetSetPropByName(TObject* instance, const AnsiString& name) {
    const PPropInfo prop = PropOf(instance, name);
    if (!prop || prop->Kind() != tkSet) return {};
    return GetSetProp(instance, name, true);
}

WideString GetTextPropByName(TObject* instance, const AnsiString& name) {
    const PPropInfo prop = PropOf(instance, name);
    if (!prop) return {};
    if (prop->Kind() == tkWString) return GetWideStrProp(instance, name);
    if (IsAnsiText(prop->Kind())) return SkinAnsiToWide(GetStrProp(instance, name));
    return {};
}

TObject* GetObjectPropByName(TObject* instance, const AnsiString& name, TClass cls) {
    const PPropInfo prop = PropOf(instance, name);
    if (!prop || prop->Kind() != tkClass) return nullptr;
    TObject* value = GetObjectProp(instance, name);
    return value && value->InheritsFrom(cls) ? value : nullptr;
}

void SetPropByName(TObject* instance, const AnsiString& name, const AnsiString& value) {
    const PPropInfo prop = PropOf(instance, name);
    if (!prop) return;
    switch (prop->Kind()) {
    case tkInteger: SetOrdProp(instance, name, StrToInt(value)); break;
    case tkEnumeration: SetEnumProp(instance, name, value); break;
    case tkWString: SetWideStrProp(instance, name, SkinAnsiToWide(value)); break;
    default:
        if (IsAnsiText(prop->Kind())) SetStrProp(instance, name, value);
        break;
    }
}

WideString GetWindowTextWide(HWND window) {
    if (Win32Platform == VER_PLATFORM_WIN32_NT) {
        WideString text(std::size_t(GetWindowTextLengthW(window)) + 1, u'\0');
        text.resize(std::size_t(std::max(0, GetWindowTextW(window, text.data(), int(text.size())))));
        return text;
    }
    char buffer[1000] = {};
    SendMessage(window, WM_GETTEXT, sizeof buffer, LPARAM(buffer));
    return SkinAnsiToWide(buffer);
}
