// A form printed on the PDF printer: one page whose top left holds the
// form's image, sized by the form's PrintScale.
#include <gtest/gtest.h>

#include <memory>

#include "pdf_tools.h"
#include "platform/print/printers.h"
#include "platform/print/printforms.h"
#include "platform/ui/modalresponder.h"
#include "support/temp_dir.h"

namespace {

// Extent of the dark block from the page's top left corner, in the
// rendering's pixels.
TSize DarkExtent(const Pixmap& page) {
    TSize size{0, 0};
    while (size.cx < page.width && page.Dark(size.cx, 2)) ++size.cx;
    while (size.cy < page.height && page.Dark(2, size.cy)) ++size.cy;
    return size;
}

struct PrintedForm {
    TSize extent;
    Pixmap page;
    int pages = 0;
};

// A black form (192 by 96 pixels unless said) printed with `scale`,
// rendered at 72 pixels an inch.
PrintedForm PrintBlackForm(TPrintScale scale, int width = 192, int height = 96) {
    TempDir dir;
    TPrinter* printer = Printer();
    printer->SetPrinterIndex(printer->Printers()->IndexOf("PDF"));
    const std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetCaption("打印窗体");
    form->SetColor(clBlack);
    form->SetClientWidth(width);
    form->SetClientHeight(height);
    form->SetPrintScale(scale);
    ResetModalResponder();
    PushModalAnswer({1, dir.file("form.pdf")});
    PrintForm(form.get());
    ResetModalResponder();
    EXPECT_FALSE(printer->Printing());
    PrintedForm printed;
    printed.pages = PageCount(CommandOutput("pdfinfo '" + dir.file("form.pdf") + "'"));
    printed.page = RenderFirstPage(dir.file("form.pdf"), 72, dir.file("page"));
    printed.extent = DarkExtent(printed.page);
    return printed;
}

TEST(PrintForm, ProportionalPrintsTheFormAsLargeAsItShows) {
    TForm probe(nullptr, 0);
    EXPECT_EQ(probe.PrintScale(), poProportional);
    const PrintedForm printed = PrintBlackForm(poProportional);
    EXPECT_EQ(printed.pages, 1);
    // Two inches by one at 72 pixels an inch.
    EXPECT_NEAR(printed.extent.cx, 144, 1);
    EXPECT_NEAR(printed.extent.cy, 72, 1);
}

TEST(PrintForm, NoneGivesOnePrinterDotPerPixel) {
    TPrinter* printer = Printer();
    printer->SetPrinterIndex(printer->Printers()->IndexOf("PDF"));
    const int dotsPerInch = GetDeviceCaps(printer->Handle(), LOGPIXELSX);
    ASSERT_GT(dotsPerInch, 96);
    const PrintedForm printed = PrintBlackForm(poNone);
    EXPECT_NEAR(printed.extent.cx, 192 * 72 / dotsPerInch, 1);
    EXPECT_NEAR(printed.extent.cy, 96 * 72 / dotsPerInch, 1);
}

TEST(PrintForm, PrintToFitFillsThePageKeepingProportions) {
    // Twice as wide as high on a page taller than wide: the width decides.
    const PrintedForm wide = PrintBlackForm(poPrintToFit);
    EXPECT_NEAR(wide.extent.cx, wide.page.width, 2);
    EXPECT_NEAR(wide.extent.cy, wide.page.width / 2, 2);
    // Twice as high as wide: the height decides.
    const PrintedForm tall = PrintBlackForm(poPrintToFit, 120, 240);
    EXPECT_NEAR(tall.extent.cy, tall.page.height, 2);
    EXPECT_NEAR(tall.extent.cx, tall.page.height / 2, 2);
}

}  // namespace
