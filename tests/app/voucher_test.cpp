// The pick-up voucher end to end, on a fixed day with the shop's name and a
// two-line footer in the settings: a reception saved with 确定 builds the
// voucher and shows it in the preview; from there it prints to the PDF
// printer and exports to a spreadsheet, which other programs read back.
// Cancel still commits; a reprint of a missing number shows an empty
// voucher.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "app/footertext.h"
#include "app/jiedaifrm.h"
#include "app/programfolder.h"
#include "platform/print/pdf_tools.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/inifiles.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/shellapi.h"
#include "platform/win/testseams.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/ui/qm_ctrls.h"
#include "report/ui/qm_e_xlsform.h"
#include "report/ui/qm_preview.h"
#include "report/ui/qm_previewform.h"
#include "report/ui/qm_printdlg.h"
#include "report/ui/qm_progr.h"
#include "support/command_output.h"
#include "workflow_fixture.h"

namespace {

class VoucherTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        FreezeToday();
        {
            TIniFile ini(SettingsFileName());
            WriteFooterText(ini, "保修三个月\r\n谢谢惠顾");
        }
        RegisterReportWindows();
        ClearRecordedShellRequests();
        SetShellRecording(true);
        main_->N10->Click();
        window_ = OnlyChild<Tjiedai>();
        ASSERT_NE(window_, nullptr);
        window_->SetLeft(0);
        ProcessMessages();
    }
    void TearDown() override {
        SetShellRecording(false);
        Application->SetOnIdle(TIdleEvent());
        UnRegisterClass(TQmPreviewForm::StaticClass());
        UnRegisterClass(TQmProgressForm::StaticClass());
        WorkflowWindowTest::TearDown();
    }
    template <class F>
    static F* Shown() {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* form = dynamic_cast<F*>(Screen->Forms(i)); form && form->Visible()) return form;
        return nullptr;
    }
    // A click in the middle of a control without a window of its own.
    static void ClickButton(TControl* button) {
        ASSERT_TRUE(SimulateClick(button->Parent()->Handle(), POINT{button->Left() + button->Width() / 2,
                                                                    button->Top() + button->Height() / 2}));
        ProcessMessages();
    }
    // A memo's text on the previewed page.
    static AnsiString Shown(TQmPreviewForm* preview, const AnsiString& name) {
        TQmReport* report = preview->Preview()->Report();
        TQmEndPage* page = report->EndPages()->GetPage(0);
        page->CreateObjects(report, false);
        AnsiString text = "<missing>";
        for (TQmView* view : page->Page()->GetObjects())
            if (view->Name() == name) text = Trim(StringReplace(view->Memo->Text(), "\x01", "", rfReplaceAll));
        page->FreeObjects();
        return text;
    }
    void Receive(int answer) {
        Type(window_->Edit1, "861234567890123");
        Type(window_->ComboBox1, "华为");
        Type(window_->ComboBox2, "P30");
        Type(window_->Edit3, "张三");
        PushModalAnswer({answer, ""});
        Click(window_->BitBtn1);
    }

    Tjiedai* window_ = nullptr;
};

TEST_F(VoucherTest, ASavedReceptionPreviewsPrintsAndExportsItsVoucher) {
    const AnsiString pdf = dir_.file("voucher.pdf"), xls = dir_.file("voucher.xls");
    std::map<AnsiString, AnsiString> seen;
    bool printed = false;
    WhenShown([] { return Shown<TQmPreviewForm>(); }, [&] {
        TQmPreviewForm* preview = Shown<TQmPreviewForm>();
        seen["caption"] = preview->Caption();
        for (const char* name : {"Memo1", "Memo31", "Memo12", "Memo9", "Memo17", "Memo35"})
            seen[name] = Shown(preview, name);
        preview->SetWindowState(wsNormal);
        preview->SetBounds(0, 0, 800, 600);
        preview->Repaint();
        ProcessMessages();
        EXPECT_TRUE(SaveWindowScreenshot(preview->Handle(), ScreenshotDir() + "voucher-preview.png"));

        WhenShown([] { return Shown<TQmPrintDialogForm>(); },
                  [] { Shown<TQmPrintDialogForm>()->btnOK->Click(); });
        PushModalAnswer({mrOk, pdf});  // the PDF printer's file
        ClickButton(preview->PrintButton());
        printed = FileExists(pdf);

        WhenShown([] { return Shown<TQmXLSExportForm>(); }, [&] {
            TQmXLSExportForm* options = Shown<TQmXLSExportForm>();
            SaveWindowScreenshot(options->Handle(), ScreenshotDir() + "voucher-xls-options.png");
            options->edtExportFileName->SetText(xls);
            Click(options->btnOK);
        });
        ASSERT_TRUE(preview->SaveToXLSButton()->Visible()) << "the reception window's filter offers it";
        ClickButton(preview->SaveToXLSButton());
        PressKey(VK_ESCAPE);
    });
    Receive(IDOK);

    EXPECT_EQ(seen["caption"], "预览 - 顾客取机凭证");
    EXPECT_EQ(seen["Memo1"], "恒通手机维修售后专用单据");
    EXPECT_EQ(seen["Memo31"], "保修三个月\r\n谢谢惠顾");
    EXPECT_EQ(seen["Memo12"], "华为");
    EXPECT_EQ(seen["Memo9"], "861234567890123");
    EXPECT_EQ(seen["Memo17"], "张三");
    EXPECT_EQ(seen["Memo35"], "2026-12-10 12:00:01") << "built after the save's one-second wait";
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction()) << "committed after the preview";
    EXPECT_EQ(Scalar("select count(*) from 流水记录"), "1");

    ASSERT_TRUE(printed);
    const AnsiString text = Utf8ToAnsi(CommandOutput("pdftotext -layout '" + pdf + "' -"));
    EXPECT_NE(text.find("861234567890123"), AnsiString::npos) << text;
    EXPECT_NE(text.find("华为"), AnsiString::npos);
    CommandOutput("pdftoppm -png -r 96 -f 1 -l 1 -singlefile '" + pdf + "' '" + ScreenshotDir() + "voucher-print'");
    // The first cell's frames: its left line at the template's 5.292 mm
    // within the 15 mm margin; its top at 23.283 mm less what the page
    // header moved up to follow the title band (22.225 - 8.996 mm).
    const Pixmap page = RenderFirstPage(pdf, 96, dir_.file("page"));
    const auto pixels = [](double mm) { return int(Round(mm / 25.4 * 96)); };
    const auto darkness = [&](int x, int y) {
        const auto* p = reinterpret_cast<const unsigned char*>(page.rgb.data()) + (std::size_t(y) * page.width + x) * 3;
        return 255 - p[0];
    };
    const auto darkest = [](int from, int to, const std::function<int(int)>& line) {
        int best = from, bestSum = -1;
        for (int at = from; at <= to; ++at)
            if (const int sum = line(at); sum > bestSum) best = at, bestSum = sum;
        return best;
    };
    const int left = pixels(15 + 5.292), top = pixels(15 + 23.283 - (22.225 - 8.996));
    const int frameX = darkest(left - 5, left + 5, [&](int x) {
        int sum = 0;
        for (int y = top + 2; y < top + 100; ++y) sum += darkness(x, y);
        return sum;
    });
    const int frameY = darkest(top - 5, top + 5, [&](int y) {
        int sum = 0;
        for (int x = left + 2; x < left + 600; ++x) sum += darkness(x, y);
        return sum;
    });
    EXPECT_LE(std::abs(frameX - left), 1) << frameX << " against " << left;
    EXPECT_LE(std::abs(frameY - top), 1) << frameY << " against " << top;

    ASSERT_TRUE(FileExists(xls));
    ASSERT_FALSE(RecordedShellRequests().empty());
    EXPECT_EQ(RecordedShellRequests().back().operation, "open");
    EXPECT_EQ(RecordedShellRequests().back().file, xls);
    const std::string program = dir_.file("read.py");
    std::ofstream(program) << "import sys, xlrd\n"
                              "s = xlrd.open_workbook(sys.argv[1], formatting_info=True).sheet_by_index(0)\n"
                              "for r0, r1, c0, c1 in s.merged_cells:\n"
                              "    print(s.cell_value(r0, c0))\n";
    const AnsiString merged = Utf8ToAnsi(CommandOutput("/usr/bin/python3 '" + program + "' '" + xls + "' 2>&1"));
    for (const char* expected : {"恒通手机维修售后专用单据", "861234567890123", "华为", "张三", "顾客姓名"})
        EXPECT_NE(merged.find(expected), AnsiString::npos) << expected << " in\n" << merged;
}

TEST_F(VoucherTest, CancelStillCommitsAndAMissingNumberShowsAnEmptyVoucher) {
    Receive(IDCANCEL);
    EXPECT_EQ(Shown<TQmPreviewForm>(), nullptr);
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
    EXPECT_EQ(Scalar("select count(*) from 流水记录"), "1");

    std::map<AnsiString, AnsiString> seen;
    WhenShown([] { return Shown<TQmPreviewForm>(); }, [&] {
        TQmPreviewForm* preview = Shown<TQmPreviewForm>();
        seen["Memo12"] = Shown(preview, "Memo12");
        seen["Memo11"] = Shown(preview, "Memo11");
        PressKey(VK_ESCAPE);
    });
    PushModalAnswer({mrOk, "0000000099"});
    window_->SpeedButton1->Click();
    EXPECT_EQ(seen["Memo11"], "品牌") << "the voucher was shown";
    EXPECT_EQ(seen["Memo12"], "") << "with the fields of an empty query";
}

TEST_F(VoucherTest, AFailingBuildShowsItsErrorAndTheSaveStillCommits) {
    window_->QmReport1->FindObject("Memo12")->Memo->SetText("[1 +]");
    PushModalAnswer({IDOK, ""});  // the error box
    Receive(IDOK);
    ASSERT_EQ(ModalQuestions().size(), 2u);
    EXPECT_EQ(ModalQuestions()[1].caption, "错误");
    EXPECT_EQ(Shown<TQmPreviewForm>(), nullptr) << "nothing to preview";
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
    EXPECT_EQ(Scalar("select count(*) from 流水记录"), "1");
    EXPECT_EQ(window_->Label21->Caption(), "0000000002");
}

}  // namespace
