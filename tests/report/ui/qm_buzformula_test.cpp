// The formula compiler: token streams of formulas, written out byte by
// byte, the references to other sheets, and the messages of bad formulas.
#include "report/ui/qm_buzformula.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/rtl/exceptions.h"
#include "report/ui/qm_buzformula_iftab.h"

namespace {

using Bytes = std::vector<Byte>;

// A reference's tokens: 0x44, row, column with the relative flags.
Bytes Ref(Word row, Word column, bool relative = true) {
    if (relative) column |= 0xC000;
    return {0x44, Byte(row), Byte(row >> 8), Byte(column), Byte(column >> 8)};
}
Bytes Int(Word value) { return {0x1E, Byte(value), Byte(value >> 8)}; }
Bytes Num(double value) {
    Bytes b(9, 0x1F);
    std::memcpy(b.data() + 1, &value, 8);
    return b;
}
Bytes Func(Byte args, Word id) { return {0x42, args, Byte(id), Byte(id >> 8)}; }
Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Compile(const AnsiString& formula) {
    TbuzExcelFormulaCompiler compiler;
    Bytes tokens;
    compiler.Compile(formula, tokens);
    return tokens;
}

TEST(FormulaCompiler, TokenStreams) {
    struct Case {
        const char* formula;
        Bytes tokens;
    };
    const Case cases[] = {
        {"SUM(A1;B2)", Cat({Ref(0, 0), Ref(1, 1), Func(2, 4)})},
        {"1+2*3", Cat({Int(1), Int(2), Int(3), {0x05}, {0x03}})},
        {"2^3^2", Cat({Int(2), Int(3), {0x07}, Int(2), {0x07}})},
        {"-A1", Cat({Ref(0, 0), {0x13}})},
        {"(-1)", Cat({Int(1), {0x13}, {0x15}})},
        {"A1- 1", Cat({Ref(0, 0), Int(1), {0x04}})},
        {"A1*-1", Cat({Ref(0, 0), Int(1), {0x13}, {0x05}})},
        {"(A1)", Cat({Ref(0, 0), {0x15}})},
        {"Pi()", Func(0, 19)},
        {"$B$2", Ref(1, 1, false)},
        {"b2", Ref(1, 1)},
        {"AA1", Ref(0, 26)},
        {"IV65536", Ref(65535, 255)},
        {"A1:B3", {0x25, 0, 0, 2, 0, 0x00, 0xC0, 0x01, 0xC0}},
        {"A1>=10%", Cat({Ref(0, 0), Int(10), {0x14}, {0x0C}})},
        {"\"表a\"&A1", Cat({{0x17, 2, 1, 0x68, 0x88, 'a', 0}, Ref(0, 0), {0x08}})},
        {"65534", Int(65534)},
        {"65535", Num(65535.0)},
        {"1.5", Num(1.5)},
        {"SUM(;A1)", Cat({{0x16}, Ref(0, 0), Func(2, 4)})},
        // A completed inner call before ";" does not count as a missing argument.
        {"IF(A1;PI();0)", Cat({Ref(0, 0), Func(0, 19), Int(0), Func(3, 1)})},
        // An empty last argument is a missing one.
        {"SUM(A1;)", Cat({Ref(0, 0), {0x16}, Func(2, 4)})},
        {"round(A1 ; 2)", Cat({Ref(0, 0), Int(2), Func(2, 27)})},
    };
    for (const Case& c : cases) EXPECT_EQ(Compile(c.formula), c.tokens) << c.formula;
}

TEST(FormulaCompiler, OtherSheetsAreReferencedOnceEach) {
    TbuzExcelFormulaCompiler compiler;
    Bytes tokens;
    compiler.Compile("Sheet2!A1:B3+Sheet2!C1", tokens);
    compiler.Compile("'[Prices.xls]Phones'!$A$1+[Prices.xls]Old!A1", tokens);
    const Bytes expected = {0x3B, 0, 0, 0, 0, 2, 0, 0x00, 0xC0, 0x01, 0xC0,  // index 0, A1:B3
                            0x5A, 0, 0, 0, 0, 0x02, 0xC0,                     // index 0, C1
                            0x03,
                            0x5A, 1, 0, 0, 0, 0x00, 0x00,                     // index 1, $A$1
                            0x5A, 2, 0, 0, 0, 0x00, 0xC0,                     // index 2, A1
                            0x03};
    EXPECT_EQ(tokens, expected);
    const TbuzExtRefs& refs = compiler.ExtRefs();
    ASSERT_EQ(refs.Refs().size(), 3u);
    ASSERT_EQ(refs.Workbooks().size(), 2u);
    EXPECT_EQ(refs.Workbooks()[0]->Name, "");
    EXPECT_EQ(refs.Workbooks()[1]->Name, "Prices.xls");
    EXPECT_EQ(refs.Refs()[1]->Name, "Phones");
    EXPECT_EQ(refs.Refs()[2]->BookIndex, 1);
    EXPECT_EQ(refs.Workbooks()[1]->Sheets.size(), 2u);
    compiler.Clear();
    EXPECT_TRUE(compiler.ExtRefs().Refs().empty());
}

TEST(FormulaCompiler, MalformedFormulasSayWhatIsWrong) {
    struct Case {
        const char* formula;
        const char* message;
    };
    const Case cases[] = {
        {"A1;B1", "Parameter without function"},
        {"PI();1", "Parameter without function"},
        {"SUM(A1", "Invalid brackets"},
        {"A1)", "Invalid brackets"},
        {"FOO(1)", "Unknown function [FOO]"},
        {"A1 # 2", "Invalid symbol [#]"},
        {"A1=>2", "Unknown operator [=>]"},
        {"\"open", "Invalid string"},
        {"1.2.3", "Invalid number [1.2.3]"},
        {"A0", "Invalid cell reference [A0]"},
        {"IW1", "Invalid cell reference [IW1]"},
        {"A65537", "Invalid cell reference [A65537]"},
        {"ABC1", "Invalid cell reference [ABC1]"},
        {"A1:B", "Invalid range reference [A1:B]"},
        {"''!A1", "Invalid range reference [''!A1]"},
        {"'Sheet2!A1", "Invalid range reference ['Sheet2!A1]"},
        {"[Book.xls!A1", "Invalid range reference [[Book.xls!A1]"},
        {"Sheet2!A", "Invalid cell reference [A]"},
    };
    for (const Case& c : cases) {
        try {
            Compile(c.formula);
            ADD_FAILURE() << c.formula << " compiled";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message) << c.formula;
        }
    }
}

TEST(FormulaCompiler, TheFunctionTable) {
    EXPECT_EQ(buzExcelFunctions.front().Id, 0);
    EXPECT_EQ(buzExcelFunctions.back().Id, 356);
    for (std::size_t i = 1; i < buzExcelFunctions.size(); ++i)
        EXPECT_LT(buzExcelFunctions[i - 1].Id, buzExcelFunctions[i].Id);
    struct Case {
        const char* name;
        int id;
    };
    for (const Case& c : {Case{"COUNT", 0}, Case{"if", 1}, Case{"Text", 48}, Case{"Vlookup", 102},
                          Case{"Concatenate", 336}, Case{"Sumif", 345}, Case{"Countif", 346}, Case{"SaveDialog", 356}}) {
        ASSERT_NE(FindExcelFunction(c.name), nullptr) << c.name;
        EXPECT_EQ(FindExcelFunction(c.name)->Id, c.id) << c.name;
    }
    EXPECT_EQ(FindExcelFunction("Sum2"), nullptr);
}

}  // namespace
