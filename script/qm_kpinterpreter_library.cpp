// Library calls through function types of up to 33 integer-sized slots.
#include "script/qm_kpinterpreter_library.h"

#include <cstdint>
#include <utility>

#include "platform/rtl/kernel.h"
#include "platform/win/screens.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using Slot = std::intptr_t;
using Caller = Slot (*)(FARPROC entry, const Slot* args);

template <std::size_t... I>
Slot CallWithSlots(FARPROC entry, const Slot* args, std::index_sequence<I...>) {
    using Function = Slot (*)(decltype(I, Slot{})...);
    return reinterpret_cast<Function>(entry)(args[I]...);
}

template <std::size_t N>
Slot CallN(FARPROC entry, const Slot* args) {
    return CallWithSlots(entry, args, std::make_index_sequence<N>());
}

template <std::size_t... N>
constexpr std::array<Caller, sizeof...(N)> MakeCallers(std::index_sequence<N...>) {
    return {&CallN<N>...};
}

// One caller per argument count, 0..33.
constexpr auto callers = MakeCallers(std::make_index_sequence<MaxScriptArgs + 1>());

bool IsSlotType(Word type) { return type == varSmallint || type == varInteger || type == varBoolean; }

Variant SlotValue(Word type, Slot value) {
    switch (type) {
        case varSmallint: return Variant(static_cast<short>(value & 0xFFFF));
        case varInteger: return Variant(static_cast<Integer>(value));
        default: return Variant((value & 0xFF) != 0);
    }
}

// Frees a library loaded for one call on every path, keeping the last
// error the call left.
class LibraryScope {
public:
    explicit LibraryScope(HMODULE module) : module_(module) {}
    ~LibraryScope() {
        if (!module_) return;
        const Cardinal lastError = GetLastError();
        FreeLibrary(module_);
        SetLastError(lastError);
    }
    LibraryScope(const LibraryScope&) = delete;
    LibraryScope& operator=(const LibraryScope&) = delete;

private:
    HMODULE module_;
};

}  // namespace

void CallLibraryFunction(const TKpInterpreterExtFun& function, TKpInterpreterArgs& frame, Variant& result) {
    const AnsiString entryName = function.EntryPoint.empty() ? function.Desc.DescName : function.EntryPoint;
    HMODULE module = function.Module;
    HMODULE loaded = 0;
    if (!module) {
        loaded = module = LoadLibrary(function.LibraryName.c_str());
        if (!module) RaiseScriptError1(184, -1, function.LibraryName);
    }
    LibraryScope scope(loaded);
    // The platform looks functions up by name only.
    FARPROC entry = function.EntryPoint.empty() ? nullptr : GetProcAddress(module, function.EntryPoint.c_str());
    if (!entry) RaiseScriptError1(187, -1, entryName);

    const int count = frame.ArgCount;
    if (count > MaxScriptArgs) RaiseScriptError(181, -1);
    std::array<Slot, MaxScriptArgs> slots{};
    std::array<AnsiString, MaxScriptArgs> strings;
    std::array<std::int32_t, MaxScriptArgs> varSlots{};
    for (int i = 0; i < count; ++i) {
        const Word declared = function.Desc.Signature.DeclaredTypes[std::size_t(i)];
        const Variant& value = frame.ArgValues[std::size_t(i)];
        if (IsSlotType(declared)) {
            slots[std::size_t(i)] = value.AsInteger();
        } else if (declared == varString) {
            strings[std::size_t(i)] = VarToStr(value);
            slots[std::size_t(i)] = reinterpret_cast<Slot>(strings[std::size_t(i)].c_str());
        } else if ((declared & varParamFlag) && IsSlotType(Word(declared & ~varParamFlag))) {
            varSlots[std::size_t(i)] = value.AsInteger();
            slots[std::size_t(i)] = reinterpret_cast<Slot>(&varSlots[std::size_t(i)]);
        } else {
            RaiseScriptError1(185, -1, entryName);
        }
    }

    result = Null();
    Slot returned = 0;
    try {
        returned = callers[std::size_t(count)](entry, slots.data());
    } catch (const EKpInterpreterError&) {
        throw;
    } catch (const Exception& e) {
        throw Exception(e.Message());
    } catch (const std::exception& e) {
        throw Exception(e.what());
    }
    for (int i = 0; i < count; ++i) {
        const Word declared = function.Desc.Signature.DeclaredTypes[std::size_t(i)];
        if (declared & varParamFlag)
            frame.ArgValues[std::size_t(i)] = SlotValue(Word(declared & ~varParamFlag), varSlots[std::size_t(i)]);
    }
    const Word resultType = function.Desc.Signature.ResultType;
    if (resultType == 0) return;
    if (!IsSlotType(resultType)) RaiseScriptError1(186, -1, entryName);
    result = SlotValue(resultType, returned);
}
