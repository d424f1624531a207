#include "platform/rtl/automation.h"
#include "platform/rtl/ole2.h"

#include <gtest/gtest.h>

namespace {

class TCounter : public IAutomationObject {
public:
    bool GetIDsOfNames(const AnsiString& name, TDispID& id) override {
        if (name != "Count") return false;
        id = 1;
        return true;
    }
    void Invoke(TDispID, Word flags, const TDispParams& params, Variant* result) override {
        if (flags == DISPATCH_PROPERTYPUT)
            count = params.Args.at(0).AsInteger();
        else if (result)
            *result = count;
    }
    int count = 0;
};

struct OleClassScope {
    explicit OleClassScope(const char* id) : id(id) {
        RegisterOleClass(id, [] { return std::make_shared<TCounter>(); });
    }
    ~OleClassScope() {
        UnregisterOleClass(id);
        RevokeActiveObject(id);
    }
    AnsiString id;
};

TEST(Automation, FactoriesAndRunningObjects) {
    OleClassScope scope("Test.Counter");
    EXPECT_THROW(CreateOleObject("Test.Missing"), EOleSysError);
    EXPECT_THROW(GetActiveOleObject("test.counter"), EOleSysError);

    IAutomationObjectPtr made = GetOleObject("test.COUNTER");
    ASSERT_TRUE(made);
    RegisterActiveObject("Test.Counter", made);
    EXPECT_EQ(GetActiveOleObject("Test.Counter"), made);
    EXPECT_EQ(GetOleObject("Test.Counter"), made);
    EXPECT_NE(CreateOleObject("Test.Counter"), made);
    EXPECT_GE(OleInitialize(nullptr), S_OK);  // a start succeeds, first or not
    OleUninitialize();
}

TEST(Automation, VariantsShareTheObject) {
    auto counter = std::make_shared<TCounter>();
    Variant v = DispatchToVariant(counter);
    Variant copy = v;
    EXPECT_EQ(copy.VarType(), varDispatch);
    EXPECT_EQ(VarToDispatch(copy), counter);
    EXPECT_EQ(counter.use_count(), 3);
    TDispID id = 0;
    ASSERT_TRUE(VarToDispatch(v)->GetIDsOfNames("Count", id));
    VarToDispatch(v)->Invoke(id, DISPATCH_PROPERTYPUT, {{Variant(4)}, {varInteger}, {}}, nullptr);
    EXPECT_EQ(counter->count, 4);

    Variant empty(std::shared_ptr<IInterface>(), varUnknown);
    EXPECT_EQ(empty.VarType(), varUnknown);
    EXPECT_EQ(empty.AsInterface(), nullptr);
    EXPECT_EQ(VarToDispatch(empty), nullptr);
    EXPECT_THROW(Variant(5).AsInterface(), EVariantTypeCastError);
    EXPECT_THROW(Variant(std::shared_ptr<IInterface>(), varInteger), EVariantInvalidArgError);
}

// Records the last call: its member, flags, arguments and their names.
class TRecorder : public IAutomationObject {
public:
    bool GetIDsOfNames(const AnsiString& name, TDispID& id) override {
        id = name == "Close" ? 7 : 8;
        return name == "Close" || name == "Name";
    }
    void Invoke(TDispID id, Word flags, const TDispParams& params, Variant* result) override {
        lastId = id;
        lastFlags = flags;
        last = params;
        if (result) *result = Variant("sheet");
    }
    TDispID lastId = 0;
    Word lastFlags = 0;
    TDispParams last;
};

TEST(Automation, LateBoundCallsByName) {
    auto recorder = std::make_shared<TRecorder>();
    const Variant object = DispatchToVariant(recorder);
    EXPECT_EQ(VarToStr(OleGet(object, "Name")), "sheet");
    EXPECT_EQ(recorder->lastFlags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
    OleCall(object, "Close", {Variant(1)}, {{"SaveChanges", Variant(false)}});
    EXPECT_EQ(recorder->lastId, 7);
    ASSERT_EQ(recorder->last.Args.size(), 2u);
    EXPECT_EQ(recorder->last.ArgNames, std::vector<AnsiString>{"SaveChanges"});
    EXPECT_EQ(recorder->last.ArgTypes, (std::vector<TVarType>{varInteger, varBoolean}));
    EXPECT_THROW(OleGet(object, "Missing"), EOleError);
    EXPECT_THROW(OleGet(Variant(3), "Name"), EOleError);
}

}  // namespace
