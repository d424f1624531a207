// The engine's printer over printers laid out by the tests: papers kept
// across printers, papers chosen by code and size, the same-paper test, and
// jobs whose paper changes between pages.
#include <gtest/gtest.h>

#include <memory>

#include "platform/print/printerbackend.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "report/core/qm_customprinter.h"
#include "support/temp_dir.h"

namespace {

PrinterDescription Printer(const AnsiString& name, std::vector<PrinterPaper> papers) {
    PrinterDescription printer;
    printer.Name = name;
    printer.Papers = std::move(papers);
    printer.PixelsPerInch = 100;
    return printer;
}

class QmCustomPrinterTest : public testing::Test {
protected:
    void SetUp() override {
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(
            std::vector{Printer("Exact", {{9, "A4", 2100, 2970}, {11, "A5", 1480, 2100}}),
                        Printer("Near", {{9, "A4", 2101, 2970}}), Printer("Letters", {{1, "Letter", 2159, 2794}})},
            "Exact"));
        list_.reset(TQmPrinterList::Create());
        printer_.reset(TQmPrinter::Create(list_.get()));
        printer_->SetPrinterIndex(0);
        printer_->ReadDeviceSettings();
    }
    void TearDown() override {
        printer_.reset();
        SetPrinterBackend(nullptr);
    }

    std::unique_ptr<TQmPrinterList> list_;
    std::unique_ptr<TQmPrinter> printer_;
};

TEST_F(QmCustomPrinterTest, APaperOfTheSameSizeStaysChosenAcrossPrinters) {
    EXPECT_EQ(printer_->PaperSize, 9);
    EXPECT_EQ(printer_->GetPaperWidth(), 2100);
    printer_->SetPrinterIndex(3);  // "Near": its A4 is a tenth of a millimetre wider
    EXPECT_EQ(printer_->GetPrinterInfo()->Device, "Near");
    EXPECT_EQ(printer_->PaperSize, 9);
    printer_->SetPrinterIndex(4);  // "Letters" has nothing that size
    EXPECT_EQ(printer_->PaperSize, 256);
}

TEST_F(QmCustomPrinterTest, PapersByCodeAndSize) {
    printer_->SetPaper(9, 2100, 2970, 65535, 0, false);
    EXPECT_EQ(printer_->PaperSize, 9);
    printer_->SetPaper(9, 2100, 2975, 65535, 0, false);
    EXPECT_EQ(printer_->PaperSize, 256);
    EXPECT_EQ(printer_->GetPaperHeight(), 2975);
    DEVMODEA* mode = printer_->GetDevMode();
    EXPECT_EQ(mode->dmPaperSize, 256);
    EXPECT_EQ(mode->dmPaperLength, 2975);

    printer_->SetPaper(11, 0, 0, 65535, 1, false);  // A5 across
    EXPECT_EQ(printer_->PaperSize, 11);
    EXPECT_EQ(printer_->GetPaperWidth(), 2100);
    EXPECT_EQ(printer_->GetDevMode()->dmOrientation, DMORIENT_LANDSCAPE);
}

TEST_F(QmCustomPrinterTest, SamePaperWithinThreeTenthsAndAnyBinForTheDefault) {
    printer_->Bin = 4;
    EXPECT_TRUE(printer_->IsSamePaper(9, 2103, 2967, 4, 0, 0));
    EXPECT_FALSE(printer_->IsSamePaper(9, 2104, 2970, 4, 0, 0));
    EXPECT_TRUE(printer_->IsSamePaper(9, 2100, 2970, 65535, 0, 0));
    EXPECT_FALSE(printer_->IsSamePaper(9, 2100, 2970, 2, 0, 0));
    EXPECT_FALSE(printer_->IsSamePaper(9, 2100, 2970, 4, 1, 0));
}

TEST_F(QmCustomPrinterTest, OneJobOnePageAndPaperChangesAtTheNextPage) {
    TempDir dir;
    printer_->FileName = dir.file("job.pdf");
    printer_->BeginDoc();
    printer_->BeginDoc();
    EXPECT_TRUE(printer_->Printing());
    EXPECT_FALSE(printer_->Aborted);
    printer_->NewPage();
    printer_->NewPage();
    EXPECT_EQ(printer_->PageNumber(), 1);
    const HDC first = printer_->GetCanvas()->Handle();
    EXPECT_EQ(GetDeviceCaps(first, PHYSICALHEIGHT), 1169);  // 297 mm at 100 dpi

    printer_->SetPaper(11, 0, 0, 65535, 1, false);  // ignored during a job
    EXPECT_EQ(printer_->PaperSize, 9);
    HGLOBAL settings = printer_->GetDevModeCopy();
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(settings));
    mode->dmPaperSize = 11;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    printer_->SetDevMode(settings);
    GlobalFree(settings);
    EXPECT_EQ(GetDeviceCaps(printer_->GetCanvas()->Handle(), PHYSICALHEIGHT), 1169);
    printer_->EndPage();
    printer_->NewPage();
    EXPECT_EQ(printer_->PageNumber(), 2);
    EXPECT_EQ(GetDeviceCaps(printer_->GetCanvas()->Handle(), PHYSICALHEIGHT), 583);  // A5 across
    printer_->EndDoc();
    EXPECT_FALSE(printer_->Printing());
    EXPECT_EQ(printer_->PageNumber(), 0);
}

TEST_F(QmCustomPrinterTest, ThePropertiesDialogChangesTheSettings) {
    ResetModalResponder();
    PushModalAnswer({mrOk, "Orientation=1\nCopies=2"});
    EXPECT_TRUE(printer_->ShowPropertiesDialog());
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].kind, "PrinterProperties");
    EXPECT_EQ(ModalQuestions()[0].caption, "Exact");
    EXPECT_EQ(printer_->GetDevMode()->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(printer_->GetDevMode()->dmCopies, 2);
    printer_->ReadDeviceSettings();
    EXPECT_EQ(printer_->Orientation, 1);

    PushModalAnswer({mrCancel, "Orientation=0"});
    EXPECT_FALSE(printer_->ShowPropertiesDialog());
    EXPECT_EQ(printer_->GetDevMode()->dmOrientation, DMORIENT_LANDSCAPE);
    ResetModalResponder();
}

TEST(QmPageSetting, MarginsColumnsAndTurning) {
    TQmPageSetting setting;
    setting.SetMarginValue(1, 15);
    setting.SetMarginValue(2, -1);
    setting.SetMarginValue(4, 2.5);
    EXPECT_EQ(setting.Margins[1], 15);
    EXPECT_EQ(setting.Margins[2], 0);
    EXPECT_EQ(setting.ColumnGap, 2.5);
    setting.SetColumnCount(0);
    EXPECT_EQ(setting.ColumnCount, 1);
    setting.SetOrientation(1);
    EXPECT_EQ(setting.PaperWidth, 2970);
    setting.SetOrientation(1);
    EXPECT_EQ(setting.PaperWidth, 2970);
}

}  // namespace
