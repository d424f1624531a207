// The engine's printer list over printers laid out by the tests: the two
// fixed entries, the default printer, and papers and bins as drivers
// report them — too many names, a custom size under another name, papers
// without a size.
#include <gtest/gtest.h>

#include <memory>

#include "platform/print/printerbackend.h"
#include "report/core/qm_printer.h"

namespace {

PrinterDescription Printer(const AnsiString& name, std::vector<PrinterPaper> papers = {},
                           std::vector<PrinterBin> bins = {}) {
    PrinterDescription printer;
    printer.Name = name;
    printer.Papers = std::move(papers);
    printer.Bins = std::move(bins);
    return printer;
}

class QmPrinterListTest : public testing::Test {
protected:
    void TearDown() override { SetPrinterBackend(nullptr); }

    std::unique_ptr<TQmPrinterList> ListOf(std::vector<PrinterDescription> printers, AnsiString defaultPrinter = "") {
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::move(printers), std::move(defaultPrinter)));
        return std::unique_ptr<TQmPrinterList>(TQmPrinterList::Create());
    }

    static std::vector<int> Codes(TQmPrinterInfo* info) {
        std::vector<int> codes;
        for (int i = 0; i < info->GetPaperCount(); ++i) codes.push_back(info->GetPaperSize(i));
        return codes;
    }
};

TEST_F(QmPrinterListTest, WithoutPrintersTheVirtualPrinterIsTheDefault) {
    auto list = ListOf({});
    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->Printers()->Strings(0), "默认打印机");
    EXPECT_EQ(list->Printers()->Strings(1), "虚拟打印机");
    EXPECT_EQ(list->DefaultIndex(), 1);
    TQmPrinterInfo* info = list->GetPrinterInfo(0);
    EXPECT_EQ(info->Device, "虚拟打印机");
    ASSERT_EQ(info->GetPaperCount(), 72);
    EXPECT_EQ(info->CustomIndex(), 66);
    EXPECT_EQ(info->GetPaperSize(8), 9);
    EXPECT_EQ(info->PaperNames()->Strings(8), "A4 210 x 297 mm");
    EXPECT_EQ(info->GetPaperSize(66), 800);
    EXPECT_EQ(info->PaperNames()->Strings(66), "16开(18.4 x 26 厘米)");
    EXPECT_EQ(info->GetPaperSize(71), 256);
    EXPECT_EQ(info->PaperNames()->Strings(71), "自定义大小");
    EXPECT_EQ(info->PaperSizeToIndex(9999), 71);
    EXPECT_EQ(info->BinNames()->Text(), "缺省\r\n");
    EXPECT_EQ(info->GetBin(0), 65535);
    EXPECT_EQ(info->GetBin(1), 0);
    EXPECT_THROW(list->GetPrinterInfo(2), EListError);
}

TEST_F(QmPrinterListTest, InstalledPrintersFollowTheFixedEntriesAndTheDefaultIsFound) {
    auto list = ListOf({Printer("Counter"), Printer("Office", {{9, "A4", 2100, 2970}}, {{"Tray 1", 1}})}, "Office");
    ASSERT_EQ(list->GetCount(), 4);
    EXPECT_EQ(list->Printers()->Strings(3), "Office");
    EXPECT_EQ(list->DefaultIndex(), 3);
    TQmPrinterInfo* info = list->GetPrinterInfo(0);
    EXPECT_EQ(info->Device, "Office");
    EXPECT_EQ(Codes(info), (std::vector<int>{9, 800, 801, 802, 803, 804, 256}));
    EXPECT_EQ(info->CustomIndex(), 1);
    EXPECT_EQ(info->BinNames()->Text(), "缺省\r\nTray 1\r\n");
    EXPECT_EQ(info->BinToIndex(1), 1);
    EXPECT_EQ(info->BinToIndex(7), 0);
}

TEST_F(QmPrinterListTest, DriverPapersAreNormalised) {
    // Ten codes but twelve names; "User defined" is the custom size; code 70
    // has no size of its own nor a built-in one.
    PrinterDescription printer = Printer("Odd");
    const int codes[] = {1, 9, 11, 118, 13, 70, 8, 5, 12, 27};
    for (int code : codes) {
        const int size = code == 118 || code == 70 ? 0 : 1000;
        printer.Papers.push_back({code, "", size, size});
    }
    printer.ReportedPaperNames = {"Letter", "A4", "A5", "User defined", "B5", "Nothing", "A3", "Legal", "B4", "DL",
                                  "Extra 1", "Extra 2"};
    auto list = ListOf({printer}, "Odd");
    TQmPrinterInfo* info = list->GetPrinterInfo(0);
    ASSERT_EQ(info->GetPaperCount(), 8 + 5 + 1);
    EXPECT_EQ(info->CustomIndex(), 8);
    EXPECT_EQ(info->PaperNames()->Strings(13), "自定义大小");
    EXPECT_EQ(info->GetPaperSize(13), 118);
    EXPECT_EQ(info->PaperNames()->Strings(7), "DL");
    EXPECT_EQ(info->PaperNames()->IndexOf("Nothing"), -1);
    EXPECT_EQ(info->PaperNames()->IndexOf("Extra 1"), -1);
}

TEST_F(QmPrinterListTest, MissingNamesComeFromTheCodesAndSizes) {
    PrinterDescription printer = Printer("Plain", {{9, "", 2100, 2970}, {300, "", 1230, 4560}, {301, "", 0, 0}});
    printer.ReportedPaperNames = {"only one"};
    auto list = ListOf({printer}, "Plain");
    TQmPrinterInfo* info = list->GetPrinterInfo(0);
    ASSERT_EQ(info->GetPaperCount(), 2 + 5 + 1);
    EXPECT_EQ(info->PaperNames()->Strings(0), "A4 210 x 297 mm");
    EXPECT_EQ(info->PaperNames()->Strings(1), "123 x 456 mm");
    EXPECT_EQ(info->GetPaperSize(7), 256);
    EXPECT_EQ(info->GetPaperWidth(7), 0);
}

}  // namespace
