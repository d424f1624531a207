// A form printed on the PDF printer: one page whose top left holds the
// form's image, at the printer's resolution, as large as it shows.
#include <gtest/gtest.h>

#include <memory>

#include "pdf_tools.h"
#include "platform/print/printers.h"
#include "platform/print/printforms.h"
#include "platform/ui/modalresponder.h"
#include "support/temp_dir.h"

namespace {

TEST(PrintForm, PrintsTheFormImageOnOnePage) {
    TempDir dir;
    TPrinter* printer = Printer();
    printer->SetPrinterIndex(printer->Printers()->IndexOf("PDF"));
    const std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetCaption("打印窗体");
    form->SetColor(clBlack);
    form->SetClientWidth(96);
    form->SetClientHeight(48);
    ResetModalResponder();
    PushModalAnswer({1, dir.file("form.pdf")});
    PrintForm(form.get());
    ResetModalResponder();
    EXPECT_FALSE(printer->Printing());
    const std::string info = CommandOutput("pdfinfo '" + dir.file("form.pdf") + "'");
    EXPECT_EQ(PageCount(info), 1);
    const Pixmap page = RenderFirstPage(dir.file("form.pdf"), 72, dir.file("page"));
    // One inch by half an inch of black at 72 pixels an inch.
    EXPECT_TRUE(page.Dark(10, 10));
    EXPECT_TRUE(page.Dark(60, 30));
    EXPECT_FALSE(page.Dark(90, 30));
    EXPECT_FALSE(page.Dark(30, 45));
}

}  // namespace
