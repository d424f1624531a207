// The System unit's dequoting routine and TInterfacedObject's count as a
// script reads it.
#include "script/qm_kpinterpreter_system.h"

#include <gtest/gtest.h>

#include "platform/rtl/automation.h"
#include "script/qm_kpinterpreter_unit.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"

namespace {

TEST(SystemUnit, DequoteTextTakesQuotedTextApartOnly) {
    EXPECT_EQ(DequoteText("'it''s'", '\''), "it's");
    EXPECT_EQ(DequoteText("abc", '\''), "abc");
    EXPECT_EQ(DequoteText("\"a\"b", '"'), "a");
    EXPECT_EQ(DequoteText("", '\''), "");
}

TEST(SystemUnit, AScriptReadsTheReferenceCount) {
    ScriptTestHost::Get();
    auto object = std::make_shared<TInterfacedObject>();
    const std::shared_ptr<IInterface> second = object;
    TKpInterpreterUnit interpreter(nullptr);
    interpreter.OnGetValue = [&](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&, bool& done) {
        if (name != "Counted") return;
        value = ObjectToVariant(object.get());
        done = true;
    };
    interpreter.SetSource("Counted.RefCount");
    interpreter.Run();
    EXPECT_EQ(interpreter.LastValue.AsInteger(), 2);
}

}  // namespace
