#include "script/qm_kpinterpreter_adapter.h"

#include <gtest/gtest.h>

#include "script_test_helpers.h"

#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"
#include "toy_classes.h"

namespace {

// Each callback answers who it is, so a test sees which entry was called.
void DescribeBase(Variant& value, TKpInterpreterArgs&) { value = "base"; }
void DescribeDerived(Variant& value, TKpInterpreterArgs&) { value = "derived"; }
void CreateToy(Variant& value, TKpInterpreterArgs&) { value = ObjectToVariant(new TToyBase(nullptr)); }
void CountArgs(Variant& value, TKpInterpreterArgs& frame) { value = frame.ArgCount; }
void ItemAt(Variant& value, TKpInterpreterArgs& frame) { value = "item" + frame.ArgValues[0].AsString(); }
void SetCaptionUpper(const Variant& value, TKpInterpreterArgs& frame) {
    static_cast<TToyBase*>(VariantToObject(frame.CallObject()))->SetCaption("set:" + value.AsString());
}

class Registry : public testing::Test {
protected:
    Registry() {
        adapter.DefineClass("Toys", TToyBase::StaticClass());
        adapter.DefineClass("Toys", TToyDerived::StaticClass());
        adapter.DefineGetter(TToyBase::StaticClass(), "Describe", DescribeBase, 0, {}, varString);
        adapter.DefineGetter(TToyDerived::StaticClass(), "Describe", DescribeDerived, 0, {}, varString);
        adapter.DefineGetter(TToyBase::StaticClass(), "Create", CreateToy, -1, {}, 0);
        adapter.DefineGetter(TToyBase::StaticClass(), "AnyArgs", CountArgs, -1, {}, varInteger);
        adapter.DefineGetter(TToyBase::StaticClass(), "OneArg", CountArgs, 1, {varInteger}, varInteger);
        adapter.DefineIndexedGetter(TToyBase::StaticClass(), "Items", ItemAt, 1, {varInteger}, varString);
        adapter.DefineDefaultGetter(TToyBase::StaticClass(), ItemAt, 1, {varInteger}, varString);
        adapter.DefineSetter(TToyBase::StaticClass(), "Title", SetCaptionUpper, 0, {});
    }

    Variant Get(const AnsiString& name, const Variant& callObject = Variant(), std::vector<Variant> args = {}) {
        frame.Reset();
        frame.SetCallObject(callObject);
        frame.ArgCount = int(args.size());
        for (std::size_t i = 0; i < args.size(); ++i) frame.ArgValues[i] = args[i];
        Variant value;
        if (!adapter.ResolveGet(nullptr, name, frame, value)) throw std::runtime_error("unresolved " + name);
        return value;
    }
    bool Set(const AnsiString& name, const Variant& callObject, const Variant& value) {
        frame.Reset();
        frame.SetCallObject(callObject);
        return adapter.ResolveSet(nullptr, name, frame, value);
    }

    TKpInterpreterAdapter adapter;
    TKpInterpreterArgs frame;
    TToyBase base{nullptr};
    TToyDerived derived{nullptr};
};

TEST_F(Registry, GettersFollowTheClassChainForObjectsAndMatchClassesExactly) {
    EXPECT_EQ(Get("describe", ObjectToVariant(&derived)).AsString(), "derived");
    EXPECT_EQ(Get("Describe", ObjectToVariant(&base)).AsString(), "base");
    Variant made = Get("Create", ClassToVariant(TToyBase::StaticClass()));
    EXPECT_EQ(VariantToObject(made)->ClassType(), TToyBase::StaticClass());
    delete VariantToObject(made);
    EXPECT_THROW(Get("Create", ClassToVariant(TToyDerived::StaticClass())), std::runtime_error);
}

TEST_F(Registry, DeclaredCounts) {
    EXPECT_EQ(Get("AnyArgs", ObjectToVariant(&base), {1, 2, 3}).AsInteger(), 3);
    EXPECT_EQ(Get("OneArg", ObjectToVariant(&base), {1}).AsInteger(), 1);
    EXPECT_EQ(ErrorCode([&] { Get("OneArg", ObjectToVariant(&base), {1, 2}); }), 181);
    EXPECT_EQ(ErrorCode([&] { Get("OneArg", ObjectToVariant(&base)); }), 182);
    EXPECT_EQ(frame.ArgTypes[0], varInteger);

    TKpInterpreterArgs overfull;
    overfull.ArgCount = MaxScriptArgs + 1;
    TKpSignature any;
    EXPECT_EQ(ErrorCode([&] { TKpInterpreterAdapter::CheckArguments(overfull, any); }), 181);
}

TEST_F(Registry, IndexedAndDefaultProperties) {
    frame.Reset();
    frame.SetCallObject(ObjectToVariant(&derived));
    frame.Indexed = true;
    frame.ArgCount = 1;
    frame.ArgValues[0] = 4;
    Variant value;
    ASSERT_TRUE(adapter.ResolveGet(nullptr, "Items", frame, value));
    EXPECT_EQ(value.AsString(), "item4");
    EXPECT_TRUE(frame.IndexedDone);
    frame.Reset();
    frame.ArgCount = 1;
    frame.ArgValues[0] = 7;
    ASSERT_TRUE(adapter.GetDefaultIndexed(nullptr, ObjectToVariant(&derived), frame, value));
    EXPECT_EQ(value.AsString(), "item7");
    EXPECT_FALSE(adapter.GetDefaultIndexed(nullptr, Variant(3), frame, value));
}

TEST_F(Registry, PublishedPropertiesComeFirst) {
    base.SetActive(true);
    base.SetCaption("维修");
    const Variant active = Get("Active", ObjectToVariant(&base));
    EXPECT_EQ(active.VarType(), varBoolean);
    EXPECT_TRUE(active.AsBoolean());
    EXPECT_EQ(Get("caption", ObjectToVariant(&base)).AsString(), "维修");
    EXPECT_EQ(Get("Count", ObjectToVariant(&base)).VarType(), varInteger);

    EXPECT_TRUE(Set("Count", ObjectToVariant(&base), true));
    EXPECT_EQ(base.Count(), 1);
    EXPECT_TRUE(Set("Caption", ObjectToVariant(&derived), 12));
    EXPECT_EQ(derived.Caption(), "12");
    EXPECT_TRUE(Set("Title", ObjectToVariant(&derived), "x"));
    EXPECT_EQ(derived.Caption(), "set:x");
    EXPECT_FALSE(Set("Nothing", ObjectToVariant(&derived), 1));
}

TEST_F(Registry, FreeFreesTheCallObject) {
    auto* doomed = new TToyDerived(nullptr);
    const Variant value = Get("Free", ObjectToVariant(doomed));
    EXPECT_TRUE(VarIsNull(value));
    EXPECT_EQ(frame.CallObjectType(), varEmpty);
}

TEST_F(Registry, FreeNamesClassesConstantsAndCasts) {
    adapter.DefineConstant("A", "clShared", 1);
    adapter.DefineConstant("B", "clShared", 2);
    EXPECT_EQ(Get("clShared").AsInteger(), 1);
    EXPECT_EQ(Get("nil").VarType(), PointerVarType());
    EXPECT_EQ(VariantToPointer(Get("nil")), nullptr);
    EXPECT_TRUE(VarIsNull(Get("NULL")));

    EXPECT_EQ(VariantToClass(Get("TToyDerived")), TToyDerived::StaticClass());
    const Variant cast = Get("TToyBase", Variant(), {ObjectToVariant(&derived)});
    EXPECT_EQ(cast.VarType(), ObjectVarType());
    EXPECT_EQ(VariantToObject(cast), &derived);
    EXPECT_EQ(Get("TToyBase", Variant(), {ClassToVariant(TToyDerived::StaticClass())}).VarType(), ClassVarType());
    EXPECT_EQ(VariantToObject(Get("TToyBase", Variant(), {Null()})), nullptr);
    EXPECT_EQ(ErrorCode([&] { Get("TToyBase", Variant(), {Variant("x")}); }), 109);
    EXPECT_EQ(ErrorCode([&] { Get("TToyBase", Variant(), {1, 2}); }), 181);

    EXPECT_EQ(Get("integer", Variant(), {Variant("12")}).VarType(), varInteger);
    EXPECT_EQ(Get("String", Variant(), {Variant(12)}).AsString(), "12");
    EXPECT_EQ(ErrorCode([&] { Get("integer", Variant(), {Variant("abc")}); }), 53);
}

TEST_F(Registry, ScriptUnitsAnswerWithThemselves) {
    TKpInterpreterSrcUnit& unit = adapter.DefineScriptUnit("Report", "unit Report;", " Classes , SysUtils,,Later");
    EXPECT_EQ(unit.UsesList, (std::vector<AnsiString>{"Classes", "SysUtils"}));
    adapter.DefineScriptUnit("report", "changed", "");
    EXPECT_EQ(adapter.UnitSource("REPORT"), "unit Report;");
    EXPECT_TRUE(adapter.UnitKnown("Report"));
    adapter.DefineUnit("Classes");
    EXPECT_TRUE(adapter.UnitKnown("classes"));
    EXPECT_FALSE(adapter.UnitKnown("Forms"));

    const Variant value = Get("Report");
    EXPECT_EQ(VariantToObject(value), &unit);
    EXPECT_EQ(ErrorCode([&] { Get("Report", Variant(), {1}); }), 181);

    adapter.Variables().Declare("Report", "Total", "Integer", varInteger, 5);
    adapter.Variables().Declare("Other", "Total", "Integer", varInteger, 9);
    EXPECT_EQ(Get("Total", value).AsInteger(), 5);
    EXPECT_EQ(Get("Total").AsInteger(), 9);
    adapter.ClearScript();
    EXPECT_FALSE(adapter.UnitKnown("Report"));
}

TEST_F(Registry, ScriptFunctionsAreFoundInTheirUnitFirst) {
    adapter.DefineScriptFunction("Unit1", "Main", 10, 20, 0, {}, {}, 0, nullptr);
    adapter.DefineScriptFunction("Unit2", "Main", 30, 40, 0, {}, {}, 0, nullptr);
    EXPECT_EQ(adapter.FindScriptFunction("Unit1", "main")->BodyStart, 10);
    EXPECT_EQ(adapter.FindScriptFunction("", "Main")->BodyStart, 30);
    EXPECT_EQ(adapter.FindScriptFunction("Unit3", "Main")->BodyStart, 30);
    EXPECT_EQ(adapter.FindScriptFunction("Unit1", "Other"), nullptr);
}

TEST_F(Registry, RegistrationsBeyondThirtyThreeAreRefused) {
    const TKpTypeList types(34, varInteger);
    EXPECT_EQ(ErrorCode([&] { adapter.DefineFunction("U", "F", CountArgs, 34, types, 0); }), 2);
    std::vector<TKpInterpreterRecField> fields;
    for (int i = 0; i < 34; ++i) fields.push_back(MakeRecField("F" + std::to_string(i), i * 4, varInteger));
    try {
        adapter.DefineRecord("U", "TBig", 34 * 4, fields);
        ADD_FAILURE();
    } catch (const EKpInterpreterError& e) {
        EXPECT_EQ(e.Message(), "Internal interpreter error: more than 33 record fields registered for 'TBig'");
    }
    EXPECT_EQ(ErrorCode([&] { adapter.DefineRecord("U", "TBad", 4, {MakeRecField("X", 4, varInteger)}); }), 2);
}

struct Pair {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

void PairSum(Variant& value, TKpInterpreterArgs& frame) {
    auto* pair = static_cast<Pair*>(HolderToRecord(VariantToHolder(frame.CallObject())));
    value = pair->X + pair->Y;
}

TEST_F(Registry, RecordMembers) {
    adapter.DefineRecord("Toys", "TPair", sizeof(Pair),
                         {MakeRecField("X", offsetof(Pair, X), varInteger), MakeRecField("Y", offsetof(Pair, Y), varInteger)});
    adapter.DefineRecordGetter("Toys", "TPair", "Sum", PairSum, 0, {}, varInteger);
    auto made = std::make_unique<Pair>();
    made->X = 2;
    const Variant pair = RecordToVariant("TPair", std::move(made));
    EXPECT_TRUE(Set("Y", pair, 5));
    EXPECT_EQ(Get("X", pair).AsInteger(), 2);
    EXPECT_EQ(Get("Sum", pair).AsInteger(), 7);
    Variant fresh;
    ASSERT_TRUE(adapter.NewRecordValue("tpair", fresh));
    EXPECT_EQ(Get("Y", fresh).AsInteger(), 0);
    EXPECT_FALSE(adapter.NewRecordValue("TNone", fresh));
}

TEST_F(Registry, EventHandlerCallsItsDispatchMemberWithTheSender) {
    adapter.DefineEventType("Classes", "TNotifyEvent", TToyEvents::StaticClass(), &TToyEvents::NotifyEvent);
    TKpEventHandler handler = adapter.MakeEventHandler(nullptr, &derived, "Unit1", "ButtonClick", "TNotifyEvent");
    ASSERT_TRUE(handler.Handler);
    EXPECT_EQ(handler.Handler->Target, &derived);
    EXPECT_EQ(handler.Handler->ScriptUnit, "Unit1");
    EXPECT_EQ(handler.Handler->ScriptProc, "ButtonClick");
    SetMethodProp(&base, "OnClick", handler.Method);
    base.OnClick()(&base);
    auto* events = static_cast<TToyEvents*>(handler.Handler.get());
    EXPECT_EQ(events->Calls, 1);
    EXPECT_EQ(events->LastSender, &base);

    const TKpEventHandler none = adapter.MakeEventHandler(nullptr, &derived, "Unit1", "X", "TUnknownEvent");
    EXPECT_FALSE(none.Method.Assigned());
    EXPECT_FALSE(none.Handler);
}

TEST_F(Registry, ClassEventsAndCopies) {
    adapter.DefineEvent("Toys", TToyBase::StaticClass(), "OnPing");
    EXPECT_TRUE(adapter.ClassHasEvent(&derived, "onping"));
    EXPECT_FALSE(adapter.ClassHasEvent(&derived, "OnPong"));

    TKpInterpreterAdapter copy;
    copy.CopyFrom(adapter);
    TKpInterpreterArgs copyFrame;
    copyFrame.SetCallObject(ObjectToVariant(&derived));
    Variant value;
    ASSERT_TRUE(copy.ResolveGet(nullptr, "Describe", copyFrame, value));
    EXPECT_EQ(value.AsString(), "derived");
    EXPECT_TRUE(copy.ClassHasEvent(&derived, "OnPing"));
}

}  // namespace
