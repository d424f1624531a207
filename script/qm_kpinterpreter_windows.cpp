// Registration of the script unit "Windows", and the point and rectangle
// converters the other bindings share.
#include "script/qm_kpinterpreter_windows.h"

#include <cstddef>

#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using namespace bindargs;

// The integers of a record value whose type lays `count` 32-bit integers
// at offsets 0, 4, ...; 109 for anything else.
const LONG* RecordIntegers(const Variant& value, int count) {
    TKpInterpreterRecHolder* holder = VariantToHolder(value);
    if (!holder) RaiseScriptError(109, -1);
    const TKpInterpreterRecord* type = holder->Descriptor;
    if (!type && GlobalInterpreterAdapter()) type = GlobalInterpreterAdapter()->FindRecord(holder->TypeName);
    if (!type || type->RecordSize < count * int(sizeof(LONG))) RaiseScriptError(109, -1);
    for (int i = 0; i < count; ++i) {
        bool found = false;
        for (const TKpInterpreterRecField& field : type->Fields)
            found = found || (field.FieldOffset == i * int(sizeof(LONG)) && field.FieldType == varInteger);
        if (!found) RaiseScriptError(109, -1);
    }
    return static_cast<const LONG*>(holder->RecordMemory);
}

RECT& CallRect(Frame& f) { return *static_cast<RECT*>(HolderToRecord(VariantToHolder(f.CallObject()))); }

// A corner of a rectangle as a point: reads copy it out, writes change the
// rectangle in place.
template <LONG RECT::*X, LONG RECT::*Y>
void DefineCorner(TKpInterpreterAdapter& a, const AnsiString& unit, const char* name) {
    a.DefineRecordGetter(unit, "TRect", name, [](Variant& v, Frame& f) {
        const RECT& r = CallRect(f);
        v = PointToVariant(Point(r.*X, r.*Y));
    }, 0, {}, RecordVarType());
    a.DefineRecordSetter(unit, "TRect", name, [](const Variant& v, Frame& f) {
        const TPoint p = VariantToPoint(v);
        RECT& r = CallRect(f);
        r.*X = p.x;
        r.*Y = p.y;
    }, 0, {});
}

// The message box's flags, then the virtual keys, with the SDK's values.
const struct {
    const char* name;
    Cardinal value;
} windowsConstants[] = {
    {"MB_OK", 0x0}, {"MB_OKCANCEL", 0x1}, {"MB_ABORTRETRYIGNORE", 0x2}, {"MB_YESNOCANCEL", 0x3},
    {"MB_YESNO", 0x4}, {"MB_RETRYCANCEL", 0x5}, {"MB_ICONHAND", 0x10}, {"MB_ICONQUESTION", 0x20},
    {"MB_ICONEXCLAMATION", 0x30}, {"MB_ICONASTERISK", 0x40}, {"MB_USERICON", 0x80}, {"MB_ICONWARNING", 0x30},
    {"MB_ICONERROR", 0x10}, {"MB_ICONINFORMATION", 0x40}, {"MB_ICONSTOP", 0x10}, {"MB_DEFBUTTON1", 0x0},
    {"MB_DEFBUTTON2", 0x100}, {"MB_DEFBUTTON3", 0x200}, {"MB_DEFBUTTON4", 0x300}, {"MB_APPLMODAL", 0x0},
    {"MB_SYSTEMMODAL", 0x1000}, {"MB_TASKMODAL", 0x2000}, {"MB_HELP", 0x4000}, {"MB_NOFOCUS", 0x8000},
    {"MB_SETFOREGROUND", 0x10000}, {"MB_DEFAULT_DESKTOP_ONLY", 0x20000}, {"MB_TOPMOST", 0x40000},
    {"MB_RIGHT", 0x80000}, {"MB_RTLREADING", 0x100000}, {"MB_SERVICE_NOTIFICATION", 0x200000},
    {"MB_SERVICE_NOTIFICATION_NT3X", 0x40000}, {"MB_TYPEMASK", 0xF}, {"MB_ICONMASK", 0xF0}, {"MB_DEFMASK", 0xF00},
    {"MB_MODEMASK", 0x3000}, {"MB_MISCMASK", 0xC000},
    {"VK_LBUTTON", 0x01}, {"VK_RBUTTON", 0x02}, {"VK_CANCEL", 0x03}, {"VK_MBUTTON", 0x04}, {"VK_BACK", 0x08},
    {"VK_TAB", 0x09}, {"VK_CLEAR", 0x0C}, {"VK_RETURN", 0x0D}, {"VK_SHIFT", 0x10}, {"VK_CONTROL", 0x11},
    {"VK_MENU", 0x12}, {"VK_PAUSE", 0x13}, {"VK_CAPITAL", 0x14}, {"VK_KANA", 0x15}, {"VK_HANGUL", 0x15},
    {"VK_JUNJA", 0x17}, {"VK_FINAL", 0x18}, {"VK_HANJA", 0x19}, {"VK_KANJI", 0x19}, {"VK_CONVERT", 0x1C},
    {"VK_NONCONVERT", 0x1D}, {"VK_ACCEPT", 0x1E}, {"VK_MODECHANGE", 0x1F}, {"VK_ESCAPE", 0x1B},
    {"VK_SPACE", 0x20}, {"VK_PRIOR", 0x21}, {"VK_NEXT", 0x22}, {"VK_END", 0x23}, {"VK_HOME", 0x24},
    {"VK_LEFT", 0x25}, {"VK_UP", 0x26}, {"VK_RIGHT", 0x27}, {"VK_DOWN", 0x28}, {"VK_SELECT", 0x29},
    {"VK_PRINT", 0x2A}, {"VK_EXECUTE", 0x2B}, {"VK_SNAPSHOT", 0x2C}, {"VK_INSERT", 0x2D}, {"VK_DELETE", 0x2E},
    {"VK_HELP", 0x2F}, {"VK_LWIN", 0x5B}, {"VK_RWIN", 0x5C}, {"VK_APPS", 0x5D},
    {"VK_NUMPAD0", 0x60}, {"VK_NUMPAD1", 0x61}, {"VK_NUMPAD2", 0x62}, {"VK_NUMPAD3", 0x63}, {"VK_NUMPAD4", 0x64},
    {"VK_NUMPAD5", 0x65}, {"VK_NUMPAD6", 0x66}, {"VK_NUMPAD7", 0x67}, {"VK_NUMPAD8", 0x68}, {"VK_NUMPAD9", 0x69},
    {"VK_MULTIPLY", 0x6A}, {"VK_ADD", 0x6B}, {"VK_SEPARATOR", 0x6C}, {"VK_SUBTRACT", 0x6D}, {"VK_DECIMAL", 0x6E},
    {"VK_DIVIDE", 0x6F},
    {"VK_F1", 0x70}, {"VK_F2", 0x71}, {"VK_F3", 0x72}, {"VK_F4", 0x73}, {"VK_F5", 0x74}, {"VK_F6", 0x75},
    {"VK_F7", 0x76}, {"VK_F8", 0x77}, {"VK_F9", 0x78}, {"VK_F10", 0x79}, {"VK_F11", 0x7A}, {"VK_F12", 0x7B},
    {"VK_F13", 0x7C}, {"VK_F14", 0x7D}, {"VK_F15", 0x7E}, {"VK_F16", 0x7F}, {"VK_F17", 0x80}, {"VK_F18", 0x81},
    {"VK_F19", 0x82}, {"VK_F20", 0x83}, {"VK_F21", 0x84}, {"VK_F22", 0x85}, {"VK_F23", 0x86}, {"VK_F24", 0x87},
    {"VK_NUMLOCK", 0x90}, {"VK_SCROLL", 0x91}, {"VK_LSHIFT", 0xA0}, {"VK_RSHIFT", 0xA1}, {"VK_LCONTROL", 0xA2},
    {"VK_RCONTROL", 0xA3}, {"VK_LMENU", 0xA4}, {"VK_RMENU", 0xA5}, {"VK_PROCESSKEY", 0xE5}, {"VK_ATTN", 0xF6},
    {"VK_CRSEL", 0xF7}, {"VK_EXSEL", 0xF8}, {"VK_EREOF", 0xF9}, {"VK_PLAY", 0xFA}, {"VK_ZOOM", 0xFB},
    {"VK_NONAME", 0xFC}, {"VK_PA1", 0xFD}, {"VK_OEM_CLEAR", 0xFE},
};
static_assert(std::size(windowsConstants) == 137);

// An unsigned Variant of the narrowest width that holds the value.
Variant SizedConstant(Cardinal value) {
    if (value < 0x100) return Variant(Byte(value));
    if (value < 0x10000) return Variant(Word(value));
    return Variant(value);
}

}  // namespace

Variant PointToVariant(const TPoint& point) { return RecordToVariant("TPoint", std::make_unique<TPoint>(point)); }

Variant RectToVariant(const TRect& rect) { return RecordToVariant("TRect", std::make_unique<TRect>(rect)); }

TPoint VariantToPoint(const Variant& value) {
    const LONG* fields = RecordIntegers(value, 2);
    return {fields[0], fields[1]};
}

TRect VariantToRect(const Variant& value) {
    const LONG* fields = RecordIntegers(value, 4);
    return {fields[0], fields[1], fields[2], fields[3]};
}

void RegisterGeometryBindings(TKpInterpreterAdapter& a, const AnsiString& unit) {
    a.DefineRecord(unit, "TPoint", sizeof(TPoint),
                   {MakeRecField("X", offsetof(TPoint, x), varInteger), MakeRecField("Y", offsetof(TPoint, y), varInteger)});
    a.DefineFunction(unit, "Point", [](Variant& v, Frame& f) { v = PointToVariant(Point(IntArg(f, 0), IntArg(f, 1))); },
                     2, {varInteger, varInteger}, RecordVarType());
    a.DefineRecord(unit, "TRect", sizeof(TRect),
                   {MakeRecField("Left", offsetof(TRect, left), varInteger), MakeRecField("Top", offsetof(TRect, top), varInteger),
                    MakeRecField("Right", offsetof(TRect, right), varInteger),
                    MakeRecField("Bottom", offsetof(TRect, bottom), varInteger)});
    const TKpTypeList fourIntegers{varInteger, varInteger, varInteger, varInteger};
    a.DefineFunction(unit, "Rect", [](Variant& v, Frame& f) {
        v = RectToVariant(Rect(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3)));
    }, 4, fourIntegers, RecordVarType());
    a.DefineFunction(unit, "Bounds", [](Variant& v, Frame& f) {
        v = RectToVariant(Bounds(IntArg(f, 0), IntArg(f, 1), IntArg(f, 2), IntArg(f, 3)));
    }, 4, fourIntegers, RecordVarType());
    DefineCorner<&RECT::left, &RECT::top>(a, unit, "TopLeft");
    DefineCorner<&RECT::right, &RECT::bottom>(a, unit, "BottomRight");
}

void RegisterWindowsBindings(TKpInterpreterAdapter& adapter) {
    adapter.DefineUnit("Windows");
    RegisterGeometryBindings(adapter, "Windows");
    adapter.DefineLibraryFunction("Windows", "MessageBox", 0, "user32.dll", "MessageBoxA", -1, 4,
                                  {varInteger, varString, varString, varInteger}, varInteger);
    for (const auto& c : windowsConstants) adapter.DefineConstant("Windows", c.name, SizedConstant(c.value));
}
