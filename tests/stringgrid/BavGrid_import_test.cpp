// The worksheet import against a fake spreadsheet automation server, and
// without one.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "grid_fixture.h"
#include "platform/rtl/automation.h"

namespace {

// An automation object answering its members by name; every call is logged.
class TFakeObject : public IAutomationObject {
public:
    using Member = std::function<Variant(const TDispParams&)>;
    TFakeObject(std::vector<AnsiString>& log, std::map<AnsiString, Member> members)
        : log_(log), members_(std::move(members)) {}
    bool GetIDsOfNames(const AnsiString& name, TDispID& id) override {
        const auto it = members_.find(name);
        if (it == members_.end()) return false;
        id = TDispID(std::distance(members_.begin(), it));
        return true;
    }
    void Invoke(TDispID id, Word, const TDispParams& params, Variant* result) override {
        auto it = std::next(members_.begin(), id);
        AnsiString entry = it->first;
        for (std::size_t i = 0; i < params.ArgNames.size(); ++i) entry += " " + params.ArgNames[i];
        log_.push_back(entry);
        const Variant value = it->second(params);
        if (result) *result = value;
    }

private:
    std::vector<AnsiString>& log_;
    std::map<AnsiString, Member> members_;
};

class WorkbookImport : public StringGridTest {
protected:
    void TearDown() override {
        UnregisterOleClass("Excel.Application");
        StringGridTest::TearDown();
    }
    // A server whose workbook has the sheets "Data" (used range `address`,
    // cells "r<row>c<col>" of the range's own numbering) and "Other".
    void RegisterServer(const AnsiString& address) {
        RegisterOleClass("Excel.Application", [this, address] {
            auto object = [this](std::map<AnsiString, TFakeObject::Member> members) {
                return DispatchToVariant(std::make_shared<TFakeObject>(log, std::move(members)));
            };
            auto sheet = [=, this](const char* name) {
                return object({
                    {"Name", [name](const TDispParams&) { return Variant(name); }},
                    {"UsedRange", [=](const TDispParams&) {
                         return object({{"Address", [=](const TDispParams&) { return Variant(address); }}});
                     }},
                    {"Range", [=, this](const TDispParams& p) {
                         requestedRange = VarToStr(p.Args.at(0));
                         return object({{"Value", [=](const TDispParams&) {
                                             Variant values = VarArrayCreate({1, 3, 1, 3}, varVariant);
                                             for (int r = 1; r <= 3; ++r)
                                                 for (int c = 1; c <= 3; ++c)
                                                     VarArrayPut(values, Variant(AnsiString("r") + char('0' + r) +
                                                                                 "c" + char('0' + c)),
                                                                 {r, c});
                                             VarArrayPut(values, Null(), {2, 2});
                                             return values;
                                         }}});
                     }},
                });
            };
            const Variant data = sheet("Data"), other = sheet("Other");
            const Variant sheets = object({{"Count", [](const TDispParams&) { return Variant(2); }}});
            const Variant book = object({
                {"Sheets", [=](const TDispParams& p) {
                     if (p.Args.empty()) return sheets;
                     return p.Args[0].AsInteger() == 1 ? other : data;
                 }},
                {"ActiveSheet", [=](const TDispParams&) { return data; }},
                {"Close", [](const TDispParams&) { return Variant(); }},
            });
            const Variant books = object({{"Open", [=](const TDispParams&) { return book; }}});
            return VarToDispatch(object({
                {"WorkBooks", [=](const TDispParams&) { return books; }},
                {"Quit", [](const TDispParams&) { return Variant(); }},
            }));
        });
    }
    std::vector<AnsiString> log;
    AnsiString requestedRange;
};

TEST_F(WorkbookImport, UsedRangeFillsTheGrid) {
    RegisterServer("$B$2:$D$4");
    grid->ImportExcelSheet("book.xls", "Data");
    EXPECT_EQ(requestedRange, "B2:D4");
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->Cells(0, 0), "r1c1");
    EXPECT_EQ(grid->Cells(2, 1), "r2c3");
    EXPECT_EQ(grid->Cells(1, 1), "") << "a null value is passed over";
    EXPECT_EQ(log.back(), "Quit");
    EXPECT_EQ(log[log.size() - 2], "Close SaveChanges");
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(WorkbookImport, SingleCellAndActiveSheet) {
    RegisterServer("$C$3");
    grid->ImportExcelFile("book.xls");
    EXPECT_EQ(requestedRange, "A1:A1");
    EXPECT_EQ(grid->Cells(0, 0), "r1c1");
    EXPECT_NE(std::find(log.begin(), log.end(), "ActiveSheet"), log.end());
}

TEST_F(WorkbookImport, UnknownSheetAndMissingServer) {
    RegisterServer("$A$1:$B$2");
    try {
        grid->ImportExcelSheet("book.xls", "Nope");
        FAIL();
    } catch (const EBavGridError& e) {
        EXPECT_EQ(e.Message(), "Excel worksheet Nope not found");
    }
    EXPECT_EQ(log.back(), "Quit");
    EXPECT_EQ(Screen->Cursor(), crDefault);

    UnregisterOleClass("Excel.Application");
    try {
        grid->ImportExcelFile("book.xls");
        FAIL();
    } catch (const EBavGridError& e) {
        EXPECT_EQ(e.Message(), "Excel OLE server not found");
    }
}

}  // namespace
