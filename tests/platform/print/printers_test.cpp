// The class library's printer on the PDF printer: the printers by name, the
// page size, and a two-page job into the file the user chooses.
#include <gtest/gtest.h>

#include <memory>

#include "pdf_tools.h"
#include "platform/print/printerbackend.h"
#include "platform/print/printers.h"
#include "platform/ui/modalresponder.h"
#include "support/temp_dir.h"

namespace {

TEST(Printer, PrintsPagesThroughItsCanvas) {
    TempDir dir;
    auto printer = std::unique_ptr<TPrinter>(TPrinter::Create());
    TStrings* names = printer->Printers();
    ASSERT_GT(names->Count(), 0);
    EXPECT_EQ(names->Strings(names->Count() - 1), "PDF");
    printer->SetPrinterIndex(names->IndexOf("PDF"));
    const int width = printer->PageWidth(), height = printer->PageHeight();
    EXPECT_GT(height, width);
    printer->Orientation = poLandscape;
    EXPECT_EQ(printer->PageWidth(), height);

    ResetModalResponder();
    PushModalAnswer({1, dir.file("printer.pdf")});
    printer->Title = "凭证";
    printer->BeginDoc();
    EXPECT_TRUE(printer->Printing());
    EXPECT_THROW(printer->BeginDoc(), EPrinter);
    EXPECT_THROW(printer->SetPrinterIndex(0), EPrinter);
    printer->Canvas()->Rectangle(10, 10, 100, 100);
    printer->NewPage();
    EXPECT_EQ(printer->PageNumber(), 2);
    printer->EndDoc();
    EXPECT_FALSE(printer->Printing());
    ResetModalResponder();

    EXPECT_EQ(PageCount(CommandOutput("pdfinfo '" + dir.file("printer.pdf") + "'")), 2);
}

}  // namespace

namespace {

// Two printers of the test back end; the second reaches no edge of a
// 420 x 60 mm paper closer than 10 mm, at 254 pixels per inch (10 per mm).
std::unique_ptr<PrinterBackend> TwoPrinters() {
    PrinterDescription office;
    office.Name = "办公室";
    office.Papers = {{DMPAPER_A4, "A4", 2100, 2970}};
    PrinterDescription strip;
    strip.Name = "Strip";
    strip.Driver = "Strip Driver";
    strip.Port = "USB001";
    strip.Papers = {{DMPAPER_USER, "Strip", 4200, 600}};
    strip.PixelsPerInch = 254;
    strip.Margins = {100, 100, 100, 100};
    return std::make_unique<FakePrinterBackend>(std::vector{office, strip}, "办公室");
}

TEST(Printer, NamesItsPrinterAndTakesAnotherWithItsSettings) {
    SetPrinterBackend(TwoPrinters());
    {
        auto printer = std::unique_ptr<TPrinter>(TPrinter::Create());
        printer->SetPrinter("Strip", "", "", 0);
        EXPECT_EQ(printer->PrinterIndex(), 1);
        const HDC ic = printer->Handle();
        EXPECT_EQ(GetDeviceCaps(ic, HORZRES), 4000);
        EXPECT_EQ(GetDeviceCaps(ic, PHYSICALOFFSETX), 100);
        EXPECT_EQ(printer->Handle(), ic);  // kept while nothing changes

        char device[256], driver[256], port[256];
        HGLOBAL mode = 0;
        printer->Copies = 3;
        printer->GetPrinter(device, driver, port, mode);
        EXPECT_STREQ(device, "Strip");
        EXPECT_STREQ(driver, "Strip Driver");
        EXPECT_STREQ(port, "USB001");
        ASSERT_NE(mode, HGLOBAL(0));
        auto* settings = static_cast<DEVMODEA*>(GlobalLock(mode));
        EXPECT_EQ(settings->dmCopies, 3);
        settings->dmOrientation = DMORIENT_LANDSCAPE;
        settings->dmFields |= DM_ORIENTATION;
        GlobalUnlock(mode);

        printer->SetPrinter("办公室", "", "", mode);
        EXPECT_EQ(printer->PrinterIndex(), 0);
        EXPECT_EQ(printer->Orientation, poLandscape);
        EXPECT_NE(printer->Handle(), HDC(0));
        EXPECT_THROW(printer->SetPrinter("没有", "", "", 0), EPrinter);
        EXPECT_TRUE(printer->Capabilities().Contains(pcCopies));
        EXPECT_GE(printer->Fonts()->IndexOf("宋体"), 0);
    }
    SetPrinterBackend(nullptr);
}

}  // namespace
