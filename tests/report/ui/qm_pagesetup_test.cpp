// The page-setup dialog over fake printers: papers matched to the record
// (turned for landscape), named papers fixing the size and the custom one
// freeing it, margins widened past the printer's edge on request, and the
// miniature; the preview's page setup applying margins and building again.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/gdi/graphicsplatform.h"
#include "platform/print/printerbackend.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "support/temp_dir.h"
#include "tests/report/ui/dialog_answer.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_printer.h"
#include "report/ui/qm_pagesetup.h"
#include "report/ui/qm_preview.h"

namespace {

class PageSetupDialog : public testing::Test {
protected:
    void SetUp() override {
        int argc = 0;
        StartGraphicsPlatform(argc, nullptr);  // the message box draws its icon with fonts
        PrinterDescription shop;
        shop.Name = "Shop";
        shop.Papers = {{9, "A4", 2100, 2970}, {11, "A5", 1480, 2100}};
        shop.PixelsPerInch = 600;
        shop.Margins = RECT{42, 0, 0, 0};  // 4.2 mm on the left
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{shop}, "Shop"));
        list.reset(TQmPrinterList::Create());
        printer.reset(TQmPrinter::Create(list.get()));
        printer->SetPrinterIndex(2);
        dialog.reset(TQmPageSetupForm::Create(nullptr));
        dialog->PrinterList = list.get();
        dialog->Printer = printer.get();
        TQmPageSetting* setting = dialog->PageSetting();
        setting->PaperWidth = 2100;
        setting->PaperHeight = 2970;
        for (int side = 0; side < 4; ++side) setting->SetMarginValue(side, 10);
        dialog->LoadControls();
        dialog->FormShow();
    }
    void TearDown() override {
        dialog.reset();
        printer.reset();
        list.reset();
        SetPrinterBackend(nullptr);
        ResetModalResponder();
    }
    TQmPageSetting* Setting() const { return dialog->PageSetting(); }

    std::unique_ptr<TQmPrinterList> list;
    std::unique_ptr<TQmPrinter> printer;
    std::unique_ptr<TQmPageSetupForm> dialog;
};

TEST_F(PageSetupDialog, PapersMatchTheRecordAndLandscapeTurnsIt) {
    EXPECT_EQ(dialog->cmbPrinterNames->Items()->Strings(dialog->cmbPrinterNames->ItemIndex()), "Shop");
    EXPECT_EQ(Setting()->PaperSize, 9);
    EXPECT_EQ(dialog->cmbPaperNames->Items()->Strings(dialog->cmbPaperNames->ItemIndex()), "A4");
    EXPECT_EQ(dialog->PaperWidthSpin()->Text(), "21.00");
    EXPECT_EQ(dialog->PaperHeightSpin()->Text(), "29.70");
    EXPECT_FALSE(dialog->PaperWidthSpin()->Enabled()) << "a named paper fixes the size";

    dialog->rdbLandscape->SetChecked(true);
    dialog->rdbPortraitClick();
    EXPECT_EQ(Setting()->PaperWidth, 2970);
    EXPECT_EQ(Setting()->PaperHeight, 2100);
    dialog->PrinterChanged();
    EXPECT_EQ(Setting()->PaperSize, 9) << "compared turned upright";
    EXPECT_TRUE(dialog->imgLandScape->Visible());

    dialog->cmbPaperNames->SetItemIndex(1);
    dialog->cmbPaperNamesChange();
    EXPECT_EQ(Setting()->PaperWidth, 2100);
    EXPECT_EQ(Setting()->PaperHeight, 1480);

    // The custom paper (the last entry) frees the size.
    dialog->cmbPaperNames->SetItemIndex(dialog->cmbPaperNames->Items()->Count() - 1);
    dialog->cmbPaperNamesChange();
    EXPECT_TRUE(dialog->PaperWidthSpin()->Enabled());
    dialog->PaperWidthSpin()->SetText("15.5");
    dialog->ApplyPaperSize();
    EXPECT_EQ(Setting()->PaperWidth, 1550);
}

TEST_F(PageSetupDialog, AMarginInsideThePrintersEdgeIsWidenedOnYes) {
    dialog->MarginSpin(2)->SetText("0.2");  // left, centimetres
    dialog->btnOKClick();
    EXPECT_DOUBLE_EQ(Setting()->Margins[0], 2);
    PushModalAnswer({IDYES});
    dialog->SetModalResult(mrOk);
    bool canClose = true;
    dialog->FormCloseQuery(canClose);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].caption, "警告");
    EXPECT_NEAR(Setting()->Margins[0], 6.7, 1e-9);
    EXPECT_DOUBLE_EQ(Setting()->Margins[1], 10) << "the others were inside";
    EXPECT_TRUE(canClose);
}

TEST_F(PageSetupDialog, TheMiniatureShrinksToFitAndSkipsAnEmptyPaper) {
    TQmPageImage* image = dialog->PageImage();
    TBitmap* bitmap = image->Image();
    ASSERT_EQ(bitmap->Width(), image->Width());
    // A4 upright in the image's height: the sheet's shadow reaches the bottom.
    const int middle = image->Width() / 2;
    EXPECT_EQ(bitmap->Canvas()->Pixels(middle, image->Height() - 1), static_cast<TColor>(0x808080));

    // A sheet far wider than the image: its height steps down by 20 until it fits.
    Setting()->PaperWidth = 3000;
    Setting()->PaperHeight = 1000;
    image->Redraw();
    int top = 0;
    const TColor face = bitmap->Canvas()->Pixels(0, 0);
    while (top < image->Height() && bitmap->Canvas()->Pixels(middle, top) == face) ++top;
    const int expectedHeight = [&] {
        int ph = image->Height();
        while (int(std::nearbyint(ph * 3.0)) >= image->Width()) ph -= 20;
        return ph;
    }();
    EXPECT_EQ(top, (image->Height() - expectedHeight) / 2);

    Setting()->PaperHeight = 0;
    bitmap->SetSize(1, 1);
    image->Redraw();
    EXPECT_EQ(bitmap->Width(), 1) << "nothing drawn";
}

// The preview's page setup, answered by a user who sets a top margin of
// 2.5 cm and confirms: the template takes it and the pages are built again.
TEST(PreviewPageSetup, ConfirmedMarginsReachTheTemplateAndThePagesAreBuiltAgain) {
    int argc = 0;
    StartGraphicsPlatform(argc, nullptr);
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    report->SetCompressLevel(qmzcNone);
    report->Pages()->AddReportPage();
    ASSERT_TRUE(report->BuildPreparedPages());
    std::unique_ptr<TForm> host(TForm::Create(nullptr, 0));
    host->SetBounds(0, 0, 800, 600);
    auto* preview = new TQmPreview(host.get());
    preview->SetParent(host.get());
    preview->SetAlign(alClient);
    preview->Connect(report.get());
    TQmPageSetting* confirmed = nullptr;
    preview->OnPageSetup = [&](TQmPageSetting* setting) { confirmed = setting; };

    const auto answer = AnswerDialog<TQmPageSetupForm>([&](TQmPageSetupForm* dialog) {
        EXPECT_EQ(dialog->MarginSpin(0)->Text(), "1.50") << "the template's 15 mm";
        dialog->MarginSpin(0)->SetText("2.50");
        dialog->RefreshImage();
        SaveWindowScreenshot(dialog->Handle(), ScreenshotDir() + "page-setup.png");
        dialog->btnOK->Click();
    });
    preview->PageSetup();
    ASSERT_TRUE(confirmed);
    EXPECT_DOUBLE_EQ(confirmed->Margins[1], 25);
    auto* page = static_cast<TQmReportPage*>(report->Pages()->GetPage(0));
    EXPECT_EQ(page->Margins[1], 25000);
    EXPECT_EQ(report->EndPages()->GetPage(0)->Margins[1], 25000) << "built again";
    EXPECT_TRUE(preview->Ready());
    ResetModalResponder();
}

}  // namespace
