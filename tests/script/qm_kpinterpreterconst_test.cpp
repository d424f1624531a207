#include "script/qm_kpinterpreterconst.h"

#include <gtest/gtest.h>

#include "platform/rtl/typinfo.h"
#include "script/qm_kpcomponent.h"

namespace {

TEST(InterpreterErrors, TextsAndFormatting) {
    struct Case {
        int code;
        const char* arg1;
        const char* arg2;
        const char* message;
    } cases[] = {
        {53, "", "", "Type mistmatch"},
        {107, "", "", " not allowed before else"},
        {103, "Expression", "'end'", "Expression expected but 'end' found"},
        {104, "Foo", "ignored", "Undeclared Identifier 'Foo'"},
        {183, "Integer", "String", "Incompatible types: 'Integer' and 'String'"},
        {201, "Open", "refused", "Calling 'Open' failed: 'refused'"},
        {302, "", "", "Identifier"},
        {305, "", "", "Class declaration"},
        {401, "", "", "Implementation of unit not found"},
        {999, "x", "", ""},
    };
    for (const Case& c : cases) {
        EKpInterpreterError e(c.code, 7, c.arg1, c.arg2);
        EXPECT_EQ(e.Message(), c.message) << c.code;
        EXPECT_EQ(e.BaseMessage, c.message) << c.code;
        EXPECT_EQ(e.Position, 7);
        EXPECT_FALSE(e.Located);
    }
    EXPECT_EQ(ErrorText(5), "Error in unit '%s' on line %d : %s");
    EXPECT_EQ(ErrorText(42), "");
    try {
        RaiseNotImplemented("TList.Sort");
        ADD_FAILURE();
    } catch (const EKpInterpreterError& e) {
        EXPECT_EQ(e.Code, 2);
        EXPECT_EQ(e.Position, -1);
        EXPECT_EQ(e.Message(), "Internal interpreter error: TList.Sort not implemented");
    }
}

TEST(InterpreterErrors, LocatingCountsLinesOfEitherLineEnd) {
    struct Case {
        const char* source;
        int line;
    } cases[] = {{"unit Report;\r\nbegin\r\n  x\r\nend.", 3}, {"unit Report;\nbegin\n  x\nend.", 3}};
    for (const Case& c : cases) {
        const AnsiString source = c.source;
        EKpInterpreterError e(104, int(source.find('x')), "x");
        e.Locate("Report", 0, source);
        EXPECT_TRUE(e.Located);
        EXPECT_EQ(e.Line, c.line);
        EXPECT_EQ(e.Message(), "Error in unit 'Report' on line " + std::to_string(c.line) +
                                   " : Undeclared Identifier 'x'");
        e.Locate("Other", 0, "");
        EXPECT_EQ(e.UnitName, "Report");
    }
}

TEST(InterpreterErrors, LocatingWithoutUnitAndForeignErrors) {
    EKpInterpreterError unlocated(110, -1);
    unlocated.Locate("", 12, "abc");
    EXPECT_FALSE(unlocated.Located);
    EXPECT_EQ(unlocated.Position, 12);
    EXPECT_EQ(unlocated.Message(), "Missing operator or semicolon");

    EKpInterpreterError record;
    EXPECT_EQ(record.Code, -1);
    record.TakeOverForeign("Division by zero", "Report", 5, "a\r\nbcdef");
    EXPECT_EQ(record.Code, 6);
    EXPECT_EQ(record.Message(), "Error in unit 'Report' on line 2 : Division by zero");
    record.TakeOverForeign("later", "Report", 0, "");
    EXPECT_EQ(record.BaseMessage, "Division by zero");

    EKpInterpreterError copy;
    copy.Assign(record);
    EXPECT_EQ(copy.Code, 6);
    EXPECT_EQ(copy.Message(), record.Message());
    EXPECT_FALSE(copy.Located);
    copy.Assign(EConvertError("bad"));
    EXPECT_EQ(copy.Message(), "bad");
    EXPECT_EQ(copy.Code, 6);
    copy.Reset();
    EXPECT_EQ(copy.Position, -1);
    EXPECT_EQ(copy.Line, -1);
    EXPECT_EQ(copy.Code, 6);
    EXPECT_TRUE(copy.InheritsFrom(Exception::StaticClass()));
}

TEST(KpComponent, PublishesAboutKplib) {
    PPropInfo prop = GetPropInfo(TKpComponent::StaticClass(), "AboutKplib");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->PropType()->Name, "TKplibAboutInfo");
}

}  // namespace
