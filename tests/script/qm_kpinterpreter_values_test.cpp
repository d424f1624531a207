#include "script/qm_kpinterpreter_values.h"

#include <gtest/gtest.h>

#include "script_test_helpers.h"

#include "platform/rtl/component.h"
#include "platform/rtl/exceptions.h"
#include "script/qm_kpinterpreter_records.h"
#include "script/qm_kpinterpreterconst.h"

namespace {

TEST(ScriptValues, TypesAreCreatedTogetherInOrder) {
    EXPECT_GE(RecordVarType(), CFirstUserType);
    EXPECT_EQ(ObjectVarType(), RecordVarType() + 1);
    EXPECT_EQ(ClassVarType(), RecordVarType() + 2);
    EXPECT_EQ(PointerVarType(), RecordVarType() + 3);
    EXPECT_EQ(SetVarType(), RecordVarType() + 4);
    EXPECT_EQ(ArrayVarType(), RecordVarType() + 5);
}

TEST(ScriptValues, ObjectCopiesShareTheObjectAndFreeNothing) {
    TComponent component(nullptr);
    Variant a = ObjectToVariant(&component);
    Variant b;
    CopyScriptVariant(b, a);
    EXPECT_EQ(VariantToObject(b), &component);
    FreeScriptValue(a);
    EXPECT_TRUE(VarIsNull(a));
    EXPECT_EQ(VariantToObject(b), &component);
    EXPECT_EQ(VariantToClass(b), TComponent::StaticClass());
    EXPECT_EQ(VariantToPointer(b), static_cast<void*>(static_cast<TObject*>(&component)));
}

TEST(ScriptValues, ReferenceConvertersAcceptOnlyReferencesAndNil) {
    for (const Variant& nil : {Variant(), Null(), Variant(0), PointerToVariant(nullptr)}) {
        EXPECT_EQ(VariantToObject(nil), nullptr);
        EXPECT_EQ(VariantToClass(nil), nullptr);
        EXPECT_EQ(VariantToPointer(nil), nullptr);
    }
    for (const Variant& wrong : {Variant(5), Variant("TObject"), Variant(2.5), Variant(true), SetToVariant(1)}) {
        EXPECT_EQ(ErrorCode([&] { VariantToObject(wrong); }), 109);
        EXPECT_EQ(ErrorCode([&] { VariantToClass(wrong); }), 109);
        EXPECT_EQ(ErrorCode([&] { VariantToPointer(wrong); }), 109);
    }
    EXPECT_EQ(ErrorCode([] { VariantToObject(ClassToVariant(TComponent::StaticClass())); }), 109);
    EXPECT_EQ(VariantToClass(ClassToVariant(TComponent::StaticClass())), TComponent::StaticClass());
}

TEST(ScriptValues, Sets) {
    EXPECT_EQ(VariantToSet(VarArrayOf({0, 3, 35})), 9u);
    EXPECT_EQ(VariantToSet(VarArrayOf({})), 0u);
    EXPECT_EQ(VariantToSet(SetToVariant(6)), 6u);
    EXPECT_EQ(VariantToSet(Variant(5)), 5u);
    EXPECT_EQ(SetToVariant(6).VarType(), SetVarType());
}

TEST(ScriptValues, ConvertToType) {
    struct Case {
        Variant value;
        TVarType type;
        Variant expected;
    } cases[] = {
        {Variant(), varInteger, Variant(0)},        {Null(), varString, Variant("")},
        {Variant(), varBoolean, Variant(false)},    {Variant(), varDouble, Variant(0.0)},
        {Variant(true), varInteger, Variant(1)},    {Variant(false), varInteger, Variant(0)},
        {Variant("12"), varInteger, Variant(12)},   {Variant(7), varString, Variant("7")},
        {Variant(3), varByte, Variant((unsigned char)3)},
    };
    for (const Case& c : cases) {
        const Variant result = ConvertToType(c.value, c.type);
        EXPECT_EQ(result.VarType(), c.expected.VarType()) << VarToStr(c.value);
        EXPECT_TRUE(VarSameValue(result, c.expected)) << VarToStr(c.value);
    }
    EXPECT_TRUE(VarIsNull(ConvertToType(Variant(), varVariant)));
    EXPECT_EQ(ConvertToType(Variant("x"), 0).AsString(), "x");
    EXPECT_EQ(ErrorCode([] { ConvertToType(Variant("abc"), varInteger); }), 53);
    EXPECT_EQ(ErrorCode([] { ConvertToType(Variant(100000), varSmallint); }), 53);
    EXPECT_EQ(ErrorCode([] { ConvertToType(Variant("abc"), ObjectVarType()); }), 53);
    EXPECT_EQ(VariantToObject(ConvertToType(Variant(), ObjectVarType())), nullptr);
}

TEST(ScriptValues, TypeNamesAndSizes) {
    struct Case {
        const char* name;
        TVarType type;
    } cases[] = {{"Integer", 3},  {"LONGINT", 3},  {"dword", 3},      {"Word", 2},        {"smallint", 2},
                 {"byte", 17},    {"WordBool", 11}, {"boolean", 11},  {"bool", 11},       {"string", 256},
                 {"pchar", 256},  {"AnsiString", 256}, {"shortstring", 256}, {"char", 256}, {"double", 5},
                 {"TDateTime", 7}, {"Variant", 0},  {"TPoint", 0}};
    for (const Case& c : cases) EXPECT_EQ(TypeCodeOfName(c.name), c.type) << c.name;
    EXPECT_EQ(TypeCodeOfName("TObject"), ObjectVarType());
    EXPECT_EQ(TypeSize(0), 16);
    EXPECT_EQ(TypeSize(varSmallint), 2);
    EXPECT_EQ(TypeSize(varInteger), 4);
    EXPECT_EQ(TypeSize(varDate), 8);
    EXPECT_EQ(TypeSize(varByte), 1);
    EXPECT_EQ(TypeSize(varString), 0);
}

struct Contact {
    Variant Extra;
    AnsiString Name;
    std::int32_t Age = 0;
    std::int32_t Vip = 0;
};

class RecordValues : public testing::Test {
protected:
    RecordValues() {
        type.EntryName = "TContact";
        type.RecordSize = sizeof(Contact);
        type.Fields = {MakeRecField("Extra", offsetof(Contact, Extra), 0),
                       MakeRecField("Name", offsetof(Contact, Name), varString),
                       MakeRecField("Age", offsetof(Contact, Age), varInteger),
                       MakeRecField("Vip", offsetof(Contact, Vip), varBoolean)};
    }
    Variant Field(const Variant& record, const char* name) {
        return ReadRecordField(*VariantToHolder(record), *type.FindField(name));
    }
    void SetField(const Variant& record, const char* name, const Variant& value) {
        WriteRecordField(*VariantToHolder(record), *type.FindField(name), value);
    }
    TKpInterpreterRecord type;
};

TEST_F(RecordValues, CopiesShareAndAssignmentCopiesEveryField) {
    Variant a = NewRecordValue(type);
    SetField(a, "Name", "张三");
    SetField(a, "Age", 30);
    SetField(a, "Vip", true);
    SetField(a, "Extra", "note");

    Variant alias = a;
    SetField(alias, "Age", 31);
    EXPECT_EQ(Field(a, "Age").AsInteger(), 31);

    Variant b = NewRecordValue(type);
    AssignScriptValue(b, a);
    SetField(a, "Name", "李四");
    EXPECT_EQ(Field(b, "Name").AsString(), "张三");
    EXPECT_EQ(Field(b, "Age").AsInteger(), 31);
    EXPECT_EQ(Field(b, "Vip").VarType(), varBoolean);
    EXPECT_TRUE(Field(b, "Vip").AsBoolean());
    EXPECT_EQ(Field(b, "Extra").AsString(), "note");

    Variant clone = CloneRecordValue(a);
    SetField(clone, "Age", 1);
    EXPECT_EQ(Field(a, "Age").AsInteger(), 31);
    EXPECT_EQ(Field(clone, "Name").AsString(), "李四");

    FreeScriptValue(a);
    EXPECT_EQ(Field(alias, "Name").AsString(), "李四");
}

TEST_F(RecordValues, RecordConvertersCheckTheirValue) {
    auto contact = std::make_unique<Contact>();
    contact->Age = 4;
    Variant made = RecordToVariant("TContact", std::move(contact));
    EXPECT_EQ(static_cast<Contact*>(VariantToRecord(made))->Age, 4);
    EXPECT_EQ(VariantToHolder(made)->Descriptor, nullptr);
    EXPECT_EQ(static_cast<Contact*>(HolderToRecord(VariantToHolder(made)))->Age, 4);
    EXPECT_EQ(ErrorCode([] { VariantToRecord(Variant(3)); }), 109);
    TComponent other(nullptr);
    EXPECT_EQ(ErrorCode([&] { HolderToRecord(&other); }), 109);

    TKpInterpreterRecord otherType;
    otherType.EntryName = "TOther";
    Variant foreign = NewRecordValue(otherType);
    Variant mine = NewRecordValue(type);
    EXPECT_EQ(ErrorCode([&] { AssignScriptValue(mine, foreign); }), 53);
}

}  // namespace
