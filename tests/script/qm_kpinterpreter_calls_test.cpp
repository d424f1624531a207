// Library functions through the platform's function table, and automation
// objects through the registry.
#include <gtest/gtest.h>

#include "platform/rtl/automation.h"
#include "platform/rtl/kernel.h"
#include "platform/win/screens.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_library.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

using Slot = std::intptr_t;

Slot Combine(Slot a, Slot b) {
    SetLastError(77);
    return a * 10 + b;
}
Slot Twice(Slot value) { return (value * 2) | 0x10000; }
Slot IsNegative(Slot value) { return value < 0 ? 0x100 | 1 : 0x100; }
Slot Bump(Slot counter, Slot flag) {
    *reinterpret_cast<std::int32_t*>(counter) += 5;
    *reinterpret_cast<std::int32_t*>(flag) = 0;
    return 0;
}
Slot TextLength(Slot text) { return Slot(std::strlen(reinterpret_cast<const char*>(text))); }

class LibraryCalls : public testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterModuleFunction("ScriptTest.dll", "Combine", reinterpret_cast<FARPROC>(&Combine));
        RegisterModuleFunction("ScriptTest.dll", "Twice", reinterpret_cast<FARPROC>(&Twice));
        RegisterModuleFunction("ScriptTest.dll", "IsNegative", reinterpret_cast<FARPROC>(&IsNegative));
        RegisterModuleFunction("ScriptTest.dll", "Bump", reinterpret_cast<FARPROC>(&Bump));
        RegisterModuleFunction("ScriptTest.dll", "TextLength", reinterpret_cast<FARPROC>(&TextLength));
    }

    Variant Call(const AnsiString& name, std::vector<Variant> args) {
        frame.Reset();
        frame.ArgCount = int(args.size());
        for (std::size_t i = 0; i < args.size(); ++i) frame.ArgValues[i] = args[i];
        Variant value;
        if (!adapter.ResolveGet(nullptr, name, frame, value)) throw std::runtime_error("unresolved");
        return value;
    }
    int ErrorOf(const AnsiString& name, std::vector<Variant> args, AnsiString* message = nullptr) {
        try {
            Call(name, std::move(args));
        } catch (const EKpInterpreterError& e) {
            if (message) *message = e.Message();
            return e.Code;
        }
        return 0;
    }

    TKpInterpreterAdapter adapter;
    TKpInterpreterArgs frame;
};

TEST_F(LibraryCalls, ArgumentsResultsAndVarParameters) {
    adapter.DefineLibraryFunction("U", "Combine", 0, "scripttest.dll", "Combine", -1, 2, {varInteger, varInteger},
                                  varInteger);
    adapter.DefineLibraryFunction("U", "Twice", 0, "ScriptTest", "Twice", -1, 1, {varSmallint}, varSmallint);
    adapter.DefineLibraryFunction("U", "IsNegative", 0, "ScriptTest", "IsNegative", -1, 1, {varBoolean}, varBoolean);
    adapter.DefineLibraryFunction("U", "Bump", 0, "ScriptTest", "Bump", -1, 2,
                                  {varInteger | varParamFlag, varBoolean | varParamFlag}, 0);
    adapter.DefineLibraryFunction("U", "TextLength", 0, "ScriptTest", "TextLength", -1, 1, {varString}, varInteger);

    SetLastError(0);
    const Variant combined = Call("Combine", {3, 4});
    EXPECT_EQ(combined.VarType(), varInteger);
    EXPECT_EQ(combined.AsInteger(), 34);
    EXPECT_EQ(GetLastError(), 77u);
    EXPECT_EQ(Call("Twice", {short(21)}).VarType(), varSmallint);
    EXPECT_EQ(Call("Twice", {short(21)}).AsInteger(), 42);
    EXPECT_TRUE(Call("IsNegative", {true}).AsBoolean());
    EXPECT_EQ(Call("TextLength", {Variant("维修")}).AsInteger(), 4);

    frame.VarArgNames[0] = "n";
    EXPECT_TRUE(VarIsNull(Call("Bump", {10, true})));
    EXPECT_EQ(frame.ArgValues[0].VarType(), varInteger);
    EXPECT_EQ(frame.ArgValues[0].AsInteger(), 15);
    EXPECT_EQ(frame.ArgValues[1].VarType(), varBoolean);
    EXPECT_FALSE(frame.ArgValues[1].AsBoolean());
    EXPECT_EQ(ErrorOf("Combine", {1}), 182);
}

TEST_F(LibraryCalls, Failures) {
    adapter.DefineLibraryFunction("U", "Missing", 0, "nosuch.dll", "F", -1, 0, {}, 0);
    adapter.DefineLibraryFunction("U", "NoEntry", 0, "ScriptTest", "Nothing", -1, 0, {}, 0);
    adapter.DefineLibraryFunction("U", "ByIndex", 0, "ScriptTest", "", 3, 0, {}, 0);
    adapter.DefineLibraryFunction("U", "RealArg", 0, "ScriptTest", "Twice", -1, 1, {varDouble}, varInteger);
    adapter.DefineLibraryFunction("U", "RealResult", 0, "ScriptTest", "Twice", -1, 1, {varInteger}, varDouble);
    AnsiString message;
    EXPECT_EQ(ErrorOf("Missing", {}, &message), 184);
    EXPECT_EQ(message, "Error loading library 'nosuch.dll'");
    EXPECT_EQ(ErrorOf("NoEntry", {}, &message), 187);
    EXPECT_EQ(message, "Can't get proc address for function 'Nothing'");
    EXPECT_EQ(ErrorOf("ByIndex", {}), 187);
    EXPECT_EQ(ErrorOf("RealArg", {1.5}, &message), 185);
    EXPECT_EQ(message, "Invalid type of argument in call to function 'Twice'");
    EXPECT_EQ(ErrorOf("RealResult", {1}), 186);
}

// An automation object that records how each call reached it.
class TRecordingObject : public IAutomationObject {
public:
    bool GetIDsOfNames(const AnsiString& name, TDispID& id) override {
        const char* names[] = {"Value", "Fail"};
        for (int i = 0; i < 2; ++i)
            if (name == names[i]) {
                id = i;
                return true;
            }
        return false;
    }
    void Invoke(TDispID id, Word flags, const TDispParams& params, Variant* result) override {
        lastFlags = flags;
        lastTypes = params.ArgTypes;
        lastArgs = params.Args;
        wantedResult = result != nullptr;
        if (id == 1) throw EOleException("server busy");
        if (result) *result = WideString(u"值");
    }
    Word lastFlags = 0;
    std::vector<TVarType> lastTypes;
    std::vector<Variant> lastArgs;
    bool wantedResult = false;
};

TEST_F(LibraryCalls, AutomationFactoriesAndCalls) {
    auto object = std::make_shared<TRecordingObject>();
    RegisterOleClass("Shop.Recorder", [object] { return object; });
    EXPECT_THROW(Call("GetActiveOleObject", {"Shop.Recorder"}), EOleSysError);
    EXPECT_THROW(Call("CreateOleObject", {"Shop.Nothing"}), EOleSysError);
    const Variant made = Call("GetOleObject", {"Shop.Recorder"});
    EXPECT_EQ(made.VarType(), varDispatch);
    EXPECT_EQ(ErrorOf("CreateOleObject", {}), 182);

    frame.Reset();
    frame.SetCallObject(made);
    frame.ArgCount = 4;
    frame.ArgValues[0] = 1;
    frame.ArgValues[1] = 2.5;
    frame.ArgValues[2] = true;
    frame.ArgValues[3] = "a";
    frame.ResultWanted = true;
    Variant value;
    ASSERT_TRUE(adapter.ResolveGet(nullptr, "Value", frame, value));
    EXPECT_EQ(object->lastFlags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    EXPECT_EQ(object->lastTypes, (std::vector<TVarType>{varInteger, varDouble, varBoolean, varStrArg}));
    EXPECT_TRUE(object->wantedResult);
    EXPECT_EQ(value.VarType(), varString);
    EXPECT_EQ(value.AsString(), "值");

    frame.Reset();
    frame.SetCallObject(made);
    ASSERT_TRUE(adapter.ResolveSet(nullptr, "Value", frame, Variant(Currency(2))));
    EXPECT_EQ(object->lastFlags, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(object->lastTypes, (std::vector<TVarType>{varDouble}));
    EXPECT_EQ(object->lastArgs[0].AsDouble(), 2.0);

    frame.Reset();
    frame.SetCallObject(made);
    frame.ResultWanted = false;
    try {
        adapter.ResolveGet(nullptr, "Fail", frame, value);
        ADD_FAILURE();
    } catch (const EKpInterpreterError& e) {
        EXPECT_EQ(e.Code, 201);
        EXPECT_EQ(e.Message(), "Calling 'Fail' failed: 'server busy'");
    }
    EXPECT_FALSE(object->wantedResult);
    try {
        adapter.ResolveGet(nullptr, "Missing", frame, value);
        ADD_FAILURE();
    } catch (const EKpInterpreterError& e) {
        EXPECT_EQ(e.Message(), "Calling 'Missing' failed: 'Method 'Missing' not supported by OLE object'");
    }
    UnregisterOleClass("Shop.Recorder");
}

}  // namespace
