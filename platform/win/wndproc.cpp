// The registry of window procedures: every WNDPROC value is an index into
// one table of callables, either a free function or a bound window method.
// Values are never reused, so a released instance calls nothing.
#include <unordered_map>
#include <vector>

#include "platform/rtl/programlong.h"
#include "platform/win/window_internal.h"

namespace {

// Values start high and step by 16, so small integers and stray numbers are
// never taken for procedures.
constexpr LONG_PTR firstValue = 0x7F000000;
constexpr LONG_PTR step = 16;

struct Entry {
    WindowProcFunction function = nullptr;
    TWndMethod method;
    bool live = false;
};

struct Registry {
    std::vector<Entry> entries;
    std::unordered_map<WindowProcFunction, LONG_PTR> functions;

    LONG_PTR Add(Entry entry) {
        entries.push_back(std::move(entry));
        return firstValue + LONG_PTR(entries.size() - 1) * step;
    }
    Entry* Lookup(LONG_PTR value) {
        if (value < firstValue || (value - firstValue) % step != 0) return nullptr;
        const auto index = std::size_t((value - firstValue) / step);
        if (index >= entries.size() || !entries[index].live) return nullptr;
        return &entries[index];
    }
};

Registry& TheRegistry() {
    static ProgramLong<Registry> registry;
    return *registry;
}

}  // namespace

WNDPROC::WNDPROC(WindowProcFunction function) {
    if (!function) return;
    auto& registry = TheRegistry();
    auto [it, added] = registry.functions.try_emplace(function, 0);
    if (added) it->second = registry.Add(Entry{function, {}, true});
    value_ = it->second;
}

WNDPROC MakeObjectInstance(TWndMethod method) {
    return WNDPROC(TheRegistry().Add(Entry{nullptr, std::move(method), true}));
}

void FreeObjectInstance(WNDPROC instance) {
    Entry* entry = TheRegistry().Lookup(LONG_PTR(instance));
    if (entry && !entry->function) {
        entry->live = false;
        entry->method = nullptr;
    }
}

LRESULT CallWindowProc(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Entry* entry = TheRegistry().Lookup(LONG_PTR(proc));
    if (!entry) return 0;
    if (entry->function) return entry->function(window, message, wParam, lParam);
    // Copied: the method may free its own instance while it runs.
    const TWndMethod method = entry->method;
    TMessage record{message, wParam, lParam, 0};
    method(record);
    return record.Result;
}

LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProc(proc, window, message, wParam, lParam);
}

WNDPROC DefWindowProcValue() {
    static const WNDPROC value(&DefWindowProc);
    return value;
}

BOOL IsWindowUnicode(HWND) { return FALSE; }
