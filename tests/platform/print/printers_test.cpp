// The class library's printer on the PDF printer: the printers by name, the
// page size, and a two-page job into the file the user chooses.
#include <gtest/gtest.h>

#include <memory>

#include "pdf_tools.h"
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
