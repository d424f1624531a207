// Window classes, creation and destruction, the handle table and the data a
// window keeps: longs, properties, text, atoms and the utility windows.
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/rtl/codepage.h"
#include "platform/rtl/programlong.h"
#include "platform/win/msgqueue.h"
#include "platform/win/window_internal.h"
#include "platform/win/surfacehost.h"

namespace ws {
namespace {

struct State {
    HandleTable<Window> windows{HandleKind::Window};
    // The same windows by the low bits of their handles: Find is on every
    // path of the window system, and handles are handed out in sequence.
    std::vector<Window*> byIndex;
    HWND desktop = 0;
    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM nextClassAtom = 0xC000;
};

State& TheState() {
    static ProgramLong<State> state;
    return *state;
}

std::size_t IndexOf(HWND handle) { return handle & 0xFFFFFF; }

HWND AddWindow(std::unique_ptr<Window> window) {
    auto& state = TheState();
    Window* raw = window.get();
    const HWND handle = state.windows.Add(std::move(window));
    if (state.byIndex.size() <= IndexOf(handle)) state.byIndex.resize(IndexOf(handle) + 1, nullptr);
    state.byIndex[IndexOf(handle)] = raw;
    return handle;
}

void RemoveWindow(HWND handle) {
    auto& state = TheState();
    if (IndexOf(handle) < state.byIndex.size()) state.byIndex[IndexOf(handle)] = nullptr;
    state.windows.Remove(handle);
}

AnsiString UpperCase(const char* text) {
    AnsiString result(text ? text : "");
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return result;
}

// Integer resources and atoms travel as small values in a pointer.
bool IsIntResource(const char* name) { return reinterpret_cast<std::uintptr_t>(name) < 0x10000; }

std::shared_ptr<WindowClass> FindClass(const char* name) {
    auto& classes = TheState().classes;
    if (!name) return nullptr;
    if (IsIntResource(name)) {
        const ATOM atom = ATOM(reinterpret_cast<std::uintptr_t>(name));
        for (auto& c : classes)
            if (c->atom == atom) return c;
        return nullptr;
    }
    const AnsiString wanted = UpperCase(name);
    for (auto& c : classes)
        if (UpperCase(c->name.c_str()) == wanted) return c;
    return nullptr;
}

ATOM AddClass(const WNDCLASSEX& wc) {
    if (!wc.lpszClassName || IsIntResource(wc.lpszClassName) || !*wc.lpszClassName) return 0;
    if (FindClass(wc.lpszClassName)) return 0;
    auto c = std::make_shared<WindowClass>();
    c->name = wc.lpszClassName;
    c->atom = TheState().nextClassAtom++;
    c->style = wc.style;
    c->proc = wc.lpfnWndProc ? wc.lpfnWndProc : DefWindowProcValue();
    c->classExtra = std::max(0, wc.cbClsExtra);
    c->windowExtra = std::max(0, wc.cbWndExtra);
    c->instance = wc.hInstance;
    c->icon = wc.hIcon;
    c->smallIcon = wc.hIconSm;
    c->cursor = wc.hCursor;
    c->background = wc.hbrBackground;
    if (wc.lpszMenuName && !IsIntResource(wc.lpszMenuName)) c->menuName = wc.lpszMenuName;
    c->extra.assign((c->classExtra + sizeof(LONG_PTR) - 1) / sizeof(LONG_PTR), 0);
    TheState().classes.push_back(c);
    return c->atom;
}

Window& CreateDesktop() {
    auto& state = TheState();
    WNDCLASSEX wc;
    wc.lpszClassName = "#32769";
    AddClass(wc);
    auto desktop = std::make_unique<Window>();
    desktop->windowClass = FindClass("#32769");
    desktop->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    desktop->proc = DefWindowProcValue();
    ScreenBounds(&desktop->rect);
    desktop->client = Rect(0, 0, desktop->Width(), desktop->Height());
    Window* raw = desktop.get();
    state.desktop = state.windows.AddFixed(1, std::move(desktop));
    raw->handle = state.desktop;
    state.byIndex.assign(2, nullptr);
    state.byIndex[IndexOf(state.desktop)] = raw;
    return *raw;
}

LONG_PTR* ExtraSlot(std::vector<LONG_PTR>& extra, int index) {
    if (index < 0 || std::size_t(index) / sizeof(LONG_PTR) >= extra.size() || index % sizeof(LONG_PTR)) return nullptr;
    return &extra[std::size_t(index) / sizeof(LONG_PTR)];
}

void SendDestroy(HWND handle) {
    SendMessage(handle, WM_DESTROY, 0, 0);
    if (Window* w = Find(handle)) {
        const auto children = w->children;
        for (HWND child : children) SendDestroy(child);
    }
}

void FinishDestroy(HWND handle) {
    Window* w = Find(handle);
    if (!w) return;
    const auto children = w->children;
    for (HWND child : children) FinishDestroy(child);
    SendMessage(handle, WM_NCDESTROY, 0, 0);
    ForgetWindowInInput(handle);
    ForgetWindowInQueue(handle);
    ForgetWindowInPainting(handle);
    ForgetWindowInCaret(handle);
    w = Find(handle);
    if (!w) return;
    Unlink(*w);
    RemoveWindow(handle);
}

void MarkDestroying(Window& w) {
    w.destroying = true;
    for (HWND child : w.children)
        if (Window* c = Find(child)) MarkDestroying(*c);
}

AnsiString PropertyName(const char* name) {
    if (IsIntResource(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return UpperCase(name);
}

struct Atoms {
    std::map<AnsiString, ATOM> byName;
    std::map<ATOM, AnsiString> names;
    std::map<ATOM, int> counts;
    ATOM next = 0xC000;
};

Atoms& TheAtoms() {
    static ProgramLong<Atoms> atoms;
    return *atoms;
}

}  // namespace

bool Window::IsTopLevel() const { return parent == Desktop().handle; }

Window* Find(HWND handle) {
    if (KindOfHandle(handle) != HandleKind::Window) return nullptr;
    Desktop();
    const auto& byIndex = TheState().byIndex;
    const std::size_t index = IndexOf(handle);
    Window* w = index < byIndex.size() ? byIndex[index] : nullptr;
    // A reused index (after the ids wrapped) belongs to another handle.
    return w && w->handle == handle ? w : nullptr;
}

Window& Desktop() {
    static Window& desktop = CreateDesktop();
    return desktop;
}

}  // namespace ws

using namespace ws;

// ---- Classes ---------------------------------------------------------------------

ATOM RegisterClass(const WNDCLASS* wc) {
    if (!wc) return 0;
    WNDCLASSEX ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return AddClass(ex);
}

ATOM RegisterClassEx(const WNDCLASSEX* wc) { return wc ? AddClass(*wc) : 0; }

BOOL UnregisterClass(const char* className, HINSTANCE) {
    auto c = FindClass(className);
    if (!c) return FALSE;
    // A class still in use by a window stays.
    if (c.use_count() > 2) return FALSE;
    auto& classes = TheState().classes;
    classes.erase(std::find(classes.begin(), classes.end(), c));
    return TRUE;
}

BOOL GetClassInfoEx(HINSTANCE, const char* className, WNDCLASSEX* out) {
    auto c = FindClass(className);
    if (!c && RegisterControlClasses()) c = FindClass(className);
    if (!c || !out) return FALSE;
    out->style = c->style;
    out->lpfnWndProc = c->proc;
    out->cbClsExtra = c->classExtra;
    out->cbWndExtra = c->windowExtra;
    out->hInstance = c->instance;
    out->hIcon = c->icon;
    out->hIconSm = c->smallIcon;
    out->hCursor = c->cursor;
    out->hbrBackground = c->background;
    out->lpszMenuName = c->menuName.empty() ? nullptr : c->menuName.c_str();
    out->lpszClassName = c->name.c_str();
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* out) {
    WNDCLASSEX ex;
    if (!out || !GetClassInfoEx(instance, className, &ex)) return FALSE;
    out->style = ex.style;
    out->lpfnWndProc = ex.lpfnWndProc;
    out->cbClsExtra = ex.cbClsExtra;
    out->cbWndExtra = ex.cbWndExtra;
    out->hInstance = ex.hInstance;
    out->hIcon = ex.hIcon;
    out->hCursor = ex.hCursor;
    out->hbrBackground = ex.hbrBackground;
    out->lpszMenuName = ex.lpszMenuName;
    out->lpszClassName = ex.lpszClassName;
    return TRUE;
}

AnsiString ClassNameOf(HWND handle) {
    Window* w = Find(handle);
    return w ? w->windowClass->name : AnsiString();
}

int GetClassName(HWND handle, char* buffer, int count) {
    Window* w = Find(handle);
    if (!w || !buffer || count <= 0) return 0;
    const AnsiString& name = w->windowClass->name;
    const int n = std::min(int(name.size()), count - 1);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = 0;
    return n;
}

ULONG_PTR GetClassLongPtr(HWND handle, int index) {
    Window* w = Find(handle);
    if (!w) return 0;
    WindowClass& c = *w->windowClass;
    switch (index) {
    case GCLP_HBRBACKGROUND: return c.background;
    case GCLP_HCURSOR: return c.cursor;
    case GCLP_HICON: return c.icon;
    case GCLP_HICONSM: return c.smallIcon;
    case GCLP_HMODULE: return c.instance;
    case GCL_CBWNDEXTRA: return ULONG_PTR(c.windowExtra);
    case GCL_CBCLSEXTRA: return ULONG_PTR(c.classExtra);
    case GCLP_WNDPROC: return ULONG_PTR(LONG_PTR(c.proc));
    case GCL_STYLE: return c.style;
    case GCW_ATOM: return c.atom;
    default: {
        LONG_PTR* slot = ExtraSlot(c.extra, index);
        return slot ? ULONG_PTR(*slot) : 0;
    }
    }
}

ULONG_PTR SetClassLongPtr(HWND handle, int index, LONG_PTR value) {
    Window* w = Find(handle);
    if (!w) return 0;
    WindowClass& c = *w->windowClass;
    const ULONG_PTR old = GetClassLongPtr(handle, index);
    switch (index) {
    case GCLP_HBRBACKGROUND: c.background = HBRUSH(value); break;
    case GCLP_HCURSOR: c.cursor = HCURSOR(value); break;
    case GCLP_HICON: c.icon = HICON(value); break;
    case GCLP_HICONSM: c.smallIcon = HICON(value); break;
    case GCLP_WNDPROC: c.proc = WNDPROC(value); break;
    case GCL_STYLE: c.style = UINT(value); break;
    default:
        if (LONG_PTR* slot = ExtraSlot(c.extra, index)) *slot = value;
        else return 0;
    }
    return old;
}

// ---- Creation and destruction ----------------------------------------------------

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HANDLE menu, HINSTANCE instance, void* param) {
    auto windowClass = FindClass(className);
    if (!windowClass && RegisterControlClasses()) windowClass = FindClass(className);
    if (!windowClass) return 0;
    Window& desktop = Desktop();
    Window* parentWindow = nullptr;
    HWND owner = 0;
    if (style & WS_CHILD) {
        parentWindow = Find(parent);
        if (!parentWindow || parentWindow->destroying) return 0;
    } else {
        parentWindow = &desktop;
        if (parent && parent != HWND_MESSAGE) {
            if (!Find(parent)) return 0;
            owner = GetAncestor(parent, GA_ROOT);
        }
    }
    if (x == CW_USEDEFAULT) x = y = 100;
    if (width == CW_USEDEFAULT) width = 400, height = 300;

    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    w->windowClass = windowClass;
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->parent = parentWindow->handle;
    w->owner = owner;
    w->rect = Bounds(x, y, std::max(0, width), std::max(0, height));
    w->client = Rect(0, 0, w->Width(), w->Height());
    w->normalRect = w->rect;
    w->instance = instance;
    w->proc = windowClass->proc;
    w->id = (style & WS_CHILD) ? LONG_PTR(menu) : 0;
    w->extra.assign((windowClass->windowExtra + sizeof(LONG_PTR) - 1) / sizeof(LONG_PTR), 0);
    const HWND handle = AddWindow(std::move(owned));
    w->handle = handle;
    if (w->IsChild()) {
        parentWindow->children.push_back(handle);
        LayoutChanged();
    } else {
        LinkAtTop(*w, desktop);
    }

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = (style & WS_CHILD) ? parent : owner;
    cs.x = x, cs.y = y, cs.cx = width, cs.cy = height;
    cs.style = LONG(style);
    cs.lpszName = windowName;
    cs.lpszClass = windowClass->name.c_str();
    cs.dwExStyle = exStyle;
    NotifyCreation(WindowCreation{handle, &cs});

    if (!SendMessage(handle, WM_NCCREATE, 0, LPARAM(&cs))) {
        DestroyWindow(handle);
        return 0;
    }
    SetWindowPos(handle, 0, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                                            SWP_FRAMECHANGED | SWP_NOSENDCHANGING | SWP_NOREDRAW);
    if (SendMessage(handle, WM_CREATE, 0, LPARAM(&cs)) == -1) {
        DestroyWindow(handle);
        return 0;
    }
    if (!Find(handle)) return 0;
    RECT client;
    GetClientRect(handle, &client);
    SendMessage(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    SendMessage(handle, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, int(w->id)), LPARAM(handle));
    if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
    return Find(handle) ? handle : 0;
}

HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HANDLE menu, HINSTANCE instance, void* param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}

BOOL DestroyWindow(HWND handle) {
    Window* w = Find(handle);
    if (!w || handle == Desktop().handle) return FALSE;
    if (w->destroying) return TRUE;
    NotifyDestruction(handle);
    if ((w = Find(handle)) == nullptr) return TRUE;
    if (w->style & WS_VISIBLE)
        SetWindowPos(handle, 0, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                                                (w->IsChild() ? SWP_NOACTIVATE : 0));
    if ((w = Find(handle)) == nullptr) return TRUE;
    if (!w->IsChild()) {
        std::vector<HWND> ownedWindows;
        for (HWND top : Desktop().children)
            if (Window* t = Find(top); t && t->owner == handle) ownedWindows.push_back(top);
        for (HWND o : ownedWindows) DestroyWindow(o);
    }
    if ((w = Find(handle)) == nullptr) return TRUE;
    MarkDestroying(*w);
    if (w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessage(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, int(w->id)), LPARAM(handle));
    SendDestroy(handle);
    FinishDestroy(handle);
    return TRUE;
}

BOOL IsWindow(HWND handle) { return Find(handle) != nullptr; }

void ws::DestroyAllWindows() {
    const std::vector<HWND> topLevels = Desktop().children;
    // They leave the screen all at once: hiding them one by one would
    // activate and paint the others, and at exit the painting library may
    // already have dropped its own globals.
    for (HWND top : topLevels)
        if (Window* w = Find(top)) w->style &= ~WS_VISIBLE;
    LayoutChanged();
    for (HWND top : topLevels) DestroyWindow(top);
}

// ---- Longs -----------------------------------------------------------------------

LONG_PTR GetWindowLongPtr(HWND handle, int index) {
    Window* w = Find(handle);
    if (!w) return 0;
    switch (index) {
    case GWLP_WNDPROC: return LONG_PTR(w->proc);
    case GWLP_HINSTANCE: return LONG_PTR(w->instance);
    case GWLP_HWNDPARENT: return LONG_PTR(w->IsChild() ? w->parent : w->owner);
    case GWLP_ID: return w->id;
    case GWL_STYLE: return LONG_PTR(LONG(w->style));
    case GWL_EXSTYLE: return LONG_PTR(LONG(w->exStyle));
    case GWLP_USERDATA: return w->userData;
    default: {
        LONG_PTR* slot = ExtraSlot(w->extra, index);
        return slot ? *slot : 0;
    }
    }
}

struct STYLESTRUCT {
    DWORD styleOld;
    DWORD styleNew;
};

LONG_PTR SetWindowLongPtr(HWND handle, int index, LONG_PTR value) {
    Window* w = Find(handle);
    if (!w) return 0;
    const LONG_PTR old = GetWindowLongPtr(handle, index);
    switch (index) {
    case GWLP_WNDPROC: w->proc = WNDPROC(value); break;
    case GWLP_HINSTANCE: w->instance = HINSTANCE(value); break;
    case GWLP_HWNDPARENT:
        if (w->IsChild()) SetParent(handle, HWND(value));
        else w->owner = HWND(value);
        break;
    case GWLP_ID: w->id = value; break;
    case GWLP_USERDATA: w->userData = value; break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        STYLESTRUCT change{DWORD(old), DWORD(value)};
        SendMessage(handle, WM_STYLECHANGING, WPARAM(index), LPARAM(&change));
        if ((w = Find(handle)) == nullptr) return old;
        (index == GWL_STYLE ? w->style : w->exStyle) = change.styleNew;
        LayoutChanged();
        SendMessage(handle, WM_STYLECHANGED, WPARAM(index), LPARAM(&change));
        break;
    }
    default:
        if (LONG_PTR* slot = ExtraSlot(w->extra, index)) *slot = value;
        else return 0;
    }
    return old;
}

LONG GetWindowLong(HWND handle, int index) { return LONG(GetWindowLongPtr(handle, index)); }
LONG SetWindowLong(HWND handle, int index, LONG value) { return LONG(SetWindowLongPtr(handle, index, value)); }

int GetDlgCtrlID(HWND handle) {
    Window* w = Find(handle);
    return w && w->IsChild() ? int(w->id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = Find(dialog);
    if (!w) return 0;
    for (HWND child : w->children)
        if (Window* c = Find(child); c && c->id == id) return child;
    return 0;
}

// ---- Text ------------------------------------------------------------------------

BOOL SetWindowText(HWND handle, const char* text) {
    if (!Find(handle)) return FALSE;
    return BOOL(SendMessage(handle, WM_SETTEXT, 0, LPARAM(text ? text : "")));
}

BOOL SetWindowTextW(HWND handle, const WCHAR* text) {
    const AnsiString ansi = WideToAnsi(WideString(text ? text : u""));
    return SetWindowText(handle, ansi.c_str());
}

int GetWindowText(HWND handle, char* buffer, int count) {
    if (!buffer || count <= 0) return 0;
    buffer[0] = 0;
    return int(SendMessage(handle, WM_GETTEXT, WPARAM(count), LPARAM(buffer)));
}

AnsiString WindowTextOf(HWND handle) {
    const int length = int(SendMessage(handle, WM_GETTEXTLENGTH, 0, 0));
    AnsiString text(std::size_t(std::max(0, length)) + 1, '\0');
    const int got = int(SendMessage(handle, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data())));
    text.resize(std::size_t(std::clamp(got, 0, length)));
    return text;
}

int GetWindowTextW(HWND handle, WCHAR* buffer, int count) {
    if (!buffer || count <= 0) return 0;
    WideString wide = AnsiToWide(WindowTextOf(handle));
    if (int(wide.size()) > count - 1) wide.resize(std::size_t(count - 1));
    std::copy(wide.begin(), wide.end(), buffer);
    buffer[wide.size()] = 0;
    return int(wide.size());
}

int GetWindowTextLength(HWND handle) { return int(SendMessage(handle, WM_GETTEXTLENGTH, 0, 0)); }
int GetWindowTextLengthW(HWND handle) { return int(AnsiToWide(WindowTextOf(handle)).size()); }

// ---- Properties --------------------------------------------------------------------

BOOL SetProp(HWND handle, const char* name, HANDLE data) {
    Window* w = Find(handle);
    if (!w || !name) return FALSE;
    const AnsiString key = PropertyName(name);
    for (auto& p : w->properties)
        if (p.name == key) {
            p.data = data;
            return TRUE;
        }
    w->properties.push_back({key, data});
    return TRUE;
}

HANDLE GetProp(HWND handle, const char* name) {
    Window* w = Find(handle);
    if (!w || !name) return 0;
    const AnsiString key = PropertyName(name);
    for (auto& p : w->properties)
        if (p.name == key) return p.data;
    return 0;
}

HANDLE RemoveProp(HWND handle, const char* name) {
    Window* w = Find(handle);
    if (!w || !name) return 0;
    const AnsiString key = PropertyName(name);
    auto it = std::find_if(w->properties.begin(), w->properties.end(), [&](auto& p) { return p.name == key; });
    if (it == w->properties.end()) return 0;
    const HANDLE data = it->data;
    w->properties.erase(it);
    return data;
}

// ---- Atoms, registered messages, utility windows -------------------------------------

ATOM GlobalAddAtom(const char* name) {
    if (!name) return 0;
    if (IsIntResource(name)) return ATOM(reinterpret_cast<std::uintptr_t>(name));
    auto& atoms = TheAtoms();
    const AnsiString key = UpperCase(name);
    auto it = atoms.byName.find(key);
    if (it != atoms.byName.end()) {
        ++atoms.counts[it->second];
        return it->second;
    }
    if (atoms.next == 0) return 0;
    const ATOM atom = atoms.next++;
    atoms.byName[key] = atom;
    atoms.names[atom] = name;
    atoms.counts[atom] = 1;
    return atom;
}

ATOM GlobalFindAtom(const char* name) {
    if (!name) return 0;
    if (IsIntResource(name)) return ATOM(reinterpret_cast<std::uintptr_t>(name));
    auto& atoms = TheAtoms();
    auto it = atoms.byName.find(UpperCase(name));
    return it == atoms.byName.end() ? 0 : it->second;
}

ATOM GlobalDeleteAtom(ATOM atom) {
    auto& atoms = TheAtoms();
    auto it = atoms.counts.find(atom);
    if (it == atoms.counts.end()) return atom < 0xC000 ? 0 : atom;
    if (--it->second == 0) {
        atoms.byName.erase(UpperCase(atoms.names[atom].c_str()));
        atoms.names.erase(atom);
        atoms.counts.erase(it);
    }
    return 0;
}

UINT GlobalGetAtomName(ATOM atom, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    auto& atoms = TheAtoms();
    auto it = atoms.names.find(atom);
    const AnsiString name = it != atoms.names.end() ? it->second : "#" + std::to_string(atom);
    if (atom == 0 || (atom >= 0xC000 && it == atoms.names.end())) return 0;
    const int n = std::min(int(name.size()), size - 1);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = 0;
    return UINT(n);
}

UINT RegisterWindowMessage(const char* name) {
    if (!name || IsIntResource(name) || !*name) return 0;
    return GlobalAddAtom(name);
}

HWND AllocateHWnd(TWndMethod method) {
    static const ATOM registered = [] {
        WNDCLASS wc;
        wc.lpszClassName = "TPUtilWindow";
        return RegisterClass(&wc);
    }();
    (void)registered;
    const HWND handle = CreateWindowEx(WS_EX_TOOLWINDOW, "TPUtilWindow", "", WS_POPUP, 0, 0, 0, 0, 0, 0, 0, nullptr);
    if (handle && method.Assigned()) SetWindowLongPtr(handle, GWLP_WNDPROC, LONG_PTR(MakeObjectInstance(method)));
    return handle;
}

void DeallocateHWnd(HWND handle) {
    Window* w = Find(handle);
    if (!w) return;
    const WNDPROC proc = w->proc;
    DestroyWindow(handle);
    if (proc != DefWindowProcValue()) FreeObjectInstance(proc);
}

namespace {
int beeps = 0;
UINT doubleClickTime = 500;
}  // namespace

BOOL MessageBeep(UINT) {
    ++beeps;
    return TRUE;
}
int BeepCount() { return beeps; }
UINT GetDoubleClickTime() { return doubleClickTime; }
BOOL SetDoubleClickTime(UINT milliseconds) {
    doubleClickTime = milliseconds ? milliseconds : 500;
    return TRUE;
}
DWORD GetWindowThreadProcessId(HWND handle, DWORD* processId) {
    if (!Find(handle)) return 0;
    if (processId) *processId = 1;
    return GetCurrentThreadId();
}
