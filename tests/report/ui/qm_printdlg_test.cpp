// The print dialog over fake printers: the list without the virtual
// printer, the status line, the printer restored on cancel, page lists
// checked before OK, offsets written back only when the user changed them,
// the scale and scale paper; the preview printing without the dialog.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/graphicsplatform.h"
#include "platform/print/printerbackend.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_printer.h"
#include "report/ui/qm_preview.h"
#include "report/ui/qm_printdlg.h"
#include "support/temp_dir.h"
#include "tests/report/ui/dialog_answer.h"

namespace {

// Text is drawn and measured through the graphics platform.
void StartGraphics() {
    int argc = 0;
    StartGraphicsPlatform(argc, nullptr);
}

class PrintDialog : public testing::Test {
protected:
    void SetUp() override {
        StartGraphics();
        PrinterDescription shop;
        shop.Name = "Shop";
        shop.Driver = "Receipt driver";
        shop.Port = "USB001";
        shop.Comment = "柜台";
        shop.Status = 8;
        shop.Papers = {{9, "A4", 2100, 2970}, {11, "A5", 1480, 2100}};
        PrinterDescription office = shop;
        office.Name = "Office";
        office.Status = 0;
        office.Jobs = 2;
        SetPrinterBackend(std::make_unique<FakePrinterBackend>(std::vector{shop, office}, "Shop"));
        list.reset(TQmPrinterList::Create());
        printer.reset(TQmPrinter::Create(list.get()));
        printer->SetPrinterIndex(2);
        dialog.reset(TQmPrintDialogForm::Create(nullptr));
        dialog->PrinterList = list.get();
        dialog->Printer = printer.get();
        dialog->OffsetTop = 12345;
        dialog->OffsetLeft = 0;
    }
    void TearDown() override {
        dialog.reset();
        printer.reset();
        list.reset();
        SetPrinterBackend(nullptr);
        ResetModalResponder();
    }
    std::unique_ptr<TQmPrinterList> list;
    std::unique_ptr<TQmPrinter> printer;
    std::unique_ptr<TQmPrintDialogForm> dialog;
};

TEST_F(PrintDialog, TheVirtualPrinterIsNotOfferedAndCancelRestoresThePrinter) {
    for (const auto& [combo, listed] : {std::pair{0, 0}, {1, 2}, {2, 3}}) {
        EXPECT_EQ(TQmPrintDialogForm::ListIndexOf(combo), listed);
        EXPECT_EQ(TQmPrintDialogForm::ComboIndexOf(listed), combo);
    }
    EXPECT_EQ(TQmPrintDialogForm::ComboIndexOf(1), 0) << "the virtual printer shows as the default";
    dialog->Show();
    ProcessMessages();
    SaveWindowScreenshot(dialog->Handle(), ScreenshotDir() + "print-dialog.png");
    EXPECT_EQ(dialog->cmbPrinters->Items()->Count(), 3);
    EXPECT_EQ(dialog->cmbPrinters->ItemIndex(), 1);
    EXPECT_EQ(dialog->lblStatus->Caption(), "纸张堵塞");
    EXPECT_EQ(dialog->lblType->Caption(), "Receipt driver");
    EXPECT_EQ(dialog->lblPosition->Caption(), "USB001");
    EXPECT_EQ(dialog->lblCommon->Caption(), "柜台");
    TQmPrinterInfo* info = printer->GetPrinterInfo();
    EXPECT_EQ(dialog->cmbScalePapers->Items()->Count(), info->GetPaperCount()) << "无缩放, not the custom paper";
    EXPECT_EQ(dialog->cmbScalePapers->Items()->Strings(1), "A4");

    dialog->cmbPrinters->SetItemIndex(2);
    dialog->cmbPrintersChange();
    EXPECT_EQ(printer->PrinterIndex(), 3);
    EXPECT_EQ(dialog->lblStatus->Caption(), "打印:有2篇文档正在等待打印");
    dialog->SetModalResult(mrCancel);
    dialog->FormClose();
    EXPECT_EQ(printer->PrinterIndex(), 2);
}

TEST(PrintDialogStatus, OneStatusBitNamesItselfAndWaitingHasItsOwnText) {
    const struct {
        DWORD status, jobs;
        const char* text;
    } cases[] = {{8, 0, "纸张堵塞"},     {8192, 0, "等待"},       {4194304, 0, "Door Open"},
                 {3, 0, "空闲"},         {0, 1, "打印:有1篇文档正在等待打印"}, {1, 1, "暂停:有1篇文档正在等待打印"}};
    for (const auto& c : cases) EXPECT_EQ(TQmPrintDialogForm::StatusText(c.status, c.jobs), c.text) << c.status;
}

TEST_F(PrintDialog, PageListsAreCheckedBeforeOk) {
    const struct {
        const char* list;
        bool accepted, message;
    } cases[] = {{"  1,3,5-12 ", true, false}, {"0,1", false, false}, {"1 3", false, true},
                 {"a1", false, true},          {"", true, false},     {"1--3,,", true, false}};
    for (const auto& c : cases) {
        ResetModalResponder();
        PushModalAnswer({IDOK});
        dialog->edtPages->SetText(c.list);
        dialog->SetModalResult(mrOk);
        bool canClose = true;
        dialog->FormCloseQuery(canClose);
        EXPECT_EQ(canClose, c.accepted) << c.list;
        EXPECT_EQ(!ModalQuestions().empty(), c.message) << c.list;
        if (!ModalQuestions().empty()) {
            EXPECT_EQ(ModalQuestions()[0].text, "Page Number Setting Error!");
        }
    }
    EXPECT_EQ(dialog->edtPages->Text(), "1--3,,");
    dialog->edtPages->SetText("  1,3 ");
    bool canClose = true;
    dialog->FormCloseQuery(canClose);
    EXPECT_EQ(dialog->edtPages->Text(), "1,3") << "trimmed";
}

TEST_F(PrintDialog, OffsetsComeBackChangedOnlyWhenTheUserChangedThem) {
    dialog->FormShow();
    EXPECT_EQ(dialog->OffsetTopSpin->Text(), "1.23");
    EXPECT_EQ(dialog->OffsetTop, 12345) << "shown rounded, kept whole";
    dialog->OffsetTopSpin->SetText("abc");
    EXPECT_EQ(dialog->OffsetTop, 12345) << "no number: unchanged";
    dialog->OffsetLeftSpin->SetText("0.25");
    EXPECT_EQ(dialog->OffsetLeft, 2500);
    dialog->OffsetLeftSpin->DownClick(nullptr);
    EXPECT_EQ(dialog->OffsetLeftSpin->Text(), "0.15");
    EXPECT_EQ(dialog->OffsetLeft, 1500) << "a step is a millimetre";

    dialog->ScaleSpin->SetText("0");
    EXPECT_EQ(dialog->GetScale(), 1);
    dialog->ScaleSpin->SetText("x");
    EXPECT_EQ(dialog->GetScale(), 100);
    int width = 7, height = 8, paper = 0;
    dialog->GetScalePaper(width, height, paper);
    EXPECT_EQ(paper, -1);
    EXPECT_EQ(width, 7);
    dialog->cmbScalePapers->SetItemIndex(2);
    dialog->GetScalePaper(width, height, paper);
    EXPECT_EQ(paper, 11);
    EXPECT_EQ(width, 1480);
    EXPECT_EQ(height, 2100);
}

// A preview over four prepared pages printing to a PDF file, recording
// the pages printed and the saves of the print settings.
class PreviewPrint : public testing::Test {
protected:
    void SetUp() override {
        StartGraphics();
        report->SetCompressLevel(qmzcNone);
        report->Pages()->AddReportPage();
        auto* page = static_cast<TQmReportPage*>(report->Pages()->GetPage(0));
        for (int i = 0; i < 4; ++i) {
            report->EndPages()->AddBkPicture(0, 0, -1, -1, nullptr);
            report->EndPages()->AddPage(page);
        }
        report->GetPrinter()->FileName = dir.file("job.pdf");
        report->OnSaveReportSetting = [this](TQmReport*) { ++saved; };
        report->OnProgress = [this](Integer n) { printed.push_back(n); };
        preview = new TQmPreview(host.get());
        preview->SetParent(host.get());
        preview->Connect(report.get());
    }
    TempDir dir;
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    std::unique_ptr<TForm> host{TForm::Create(nullptr, 0)};
    TQmPreview* preview = nullptr;
    int saved = 0;
    std::vector<int> printed;
};

// Without the dialog every page prints (no parity chosen) and offsets the
// user never saw are not written back.
TEST_F(PreviewPrint, WithoutTheDialogAllPagesPrintAndNoSettingsAreWritten) {
    report->SetShowPrintDialog(false);
    report->PrintOffsetTop = 12345;
    ASSERT_TRUE(preview->CanPrint()) << "the PDF printer is listed";
    preview->Print();
    EXPECT_EQ(printed, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(saved, 0);
    EXPECT_EQ(report->PrintOffsetTop, 12345);
    EXPECT_TRUE(FileExists(dir.file("job.pdf")));
}

// Through the dialog: odd pages only, and a changed left offset is saved.
TEST_F(PreviewPrint, TheDialogsOddPagesAndAChangedOffsetReachThePrint) {
    const auto answer = AnswerDialog<TQmPrintDialogForm>([&](TQmPrintDialogForm* dialog) {
        dialog->cmbPrintAll->SetItemIndex(1);
        dialog->OffsetLeftSpin->SetText("0.5");
        dialog->btnOK->Click();
    });
    preview->Print();
    EXPECT_EQ(printed, (std::vector<int>{1, 3}));
    EXPECT_EQ(report->PrintOffsetLeft, 5000);
    EXPECT_EQ(saved, 1);
}

}  // namespace
