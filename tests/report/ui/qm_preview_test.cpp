// The preview panel over pages prepared by the engine: the layout of rows
// and pages at each zoom, the current page and the scroll positions, links
// clicked on page objects; the preview window found by the engine, its zoom
// combo and keys, with a screenshot of a page in it; the progress window's
// Cancel.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/gdi/graphicsplatform.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/registry.h"
#include "platform/rtl/registrystore.h"
#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "platform/win/shellapi.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_printer.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_ctrls.h"
#include "report/ui/qm_dlgfind.h"
#include "report/ui/qm_preview.h"
#include "report/ui/qm_previewglyphs.h"
#include "report/ui/qm_previewform.h"
#include "report/ui/qm_progr.h"
#include "support/temp_dir.h"
#include "tests/report/ui/dialog_answer.h"

namespace {

std::string PageObjects(const std::string& text, const std::string& url) {
    std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
    memo->SetName("Memo1");
    memo->SetspBounds(60, 60, 400, 60);
    memo->SetAllFramesVisible(true);
    memo->Font()->SetSize(24);
    memo->Memo->SetText(text);
    memo->Memo1->Assign(memo->Memo.get());
    memo->Url = url;
    memo->InPreparedPage = true;
    TStringStream out("");
    out.WriteBuffer("\0", 1);
    memo->SaveToStream(&out);
    return out.DataString();
}

class PreviewPanel : public testing::Test {
protected:
    void SetUp() override {
        report->SetCompressLevel(qmzcNone);
        host->SetBounds(0, 0, 1100, 700);
        preview = new TQmPreview(host.get());
        preview->SetParent(host.get());
        preview->SetBounds(0, 0, 1100, 700);
        // The drawing surface 1000 pixels wide.
        preview->SetWidth(preview->Width() + 1000 - preview->DrawPanel()->Width());
    }
    void Build(int count, const std::string& url = "") {
        report->Pages()->AddReportPage();
        auto* page = static_cast<TQmReportPage*>(report->Pages()->GetPage(0));
        for (int i = 0; i < count; ++i) {
            report->EndPages()->AddBkPicture(0, 0, -1, -1, nullptr);
            TQmEndPage* built = report->EndPages()->AddPage(page);
            const std::string objects = PageObjects("第 " + std::to_string(i + 1) + " 页", url);
            built->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
        }
    }
    TRect At(int index) const { return report->EndPages()->GetPage(index)->PreviewRect; }

    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    std::unique_ptr<TForm> host{TForm::Create(nullptr, 0)};
    TQmPreview* preview = nullptr;
};

TEST_F(PreviewPanel, TwoPagesAt100PercentStackCentredInOneColumn) {
    Build(2);
    ASSERT_EQ(report->EndPages()->GetPage(0)->PageInfo.ScreenWidth, 794);
    ASSERT_EQ(report->EndPages()->GetPage(0)->PageInfo.ScreenHeight, 1123);
    preview->Connect(report.get());
    EXPECT_EQ(At(0), (TRect{103, 10, 897, 1133}));
    EXPECT_EQ(At(1), (TRect{103, 1143, 897, 2266}));
    EXPECT_EQ(preview->VertBar()->Max(), 2276);
    EXPECT_EQ(preview->HorzBar()->Max(), 907);
    EXPECT_EQ(preview->StatusText(0), "页 1/2");
    SCROLLINFO shown{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(preview->ScrollBox()->Handle(), SB_VERT, &shown);
    EXPECT_EQ(shown.nMax, 2276) << "the box's own bar shows the range";
    EXPECT_EQ(static_cast<int>(shown.nPage), preview->ScrollBox()->ClientHeight());
}

TEST_F(PreviewPanel, ZoomModesScaleToTheSurface) {
    Build(3);
    preview->Connect(report.get());
    // The surface shrinks or grows as the box's bars come and go with each
    // layout, so its size is read before the layout that uses it.
    const auto W = [this] { return preview->DrawPanel()->Width(); };
    const auto H = [this] { return preview->DrawPanel()->Height(); };
    const int twoPagesWidth = W();
    preview->ZoomTwoPages();
    EXPECT_DOUBLE_EQ(preview->Scale(), (twoPagesWidth - 30) / (2 * 794.0));
    EXPECT_EQ(At(0).left, 10);
    EXPECT_EQ(At(1).top, At(0).top);
    EXPECT_EQ(At(2).left, 10) << "the odd last page starts its own row";
    EXPECT_GT(At(2).top, At(0).bottom);
    const int onePageHeight = H();
    preview->ZoomOnePage();
    EXPECT_DOUBLE_EQ(preview->Scale(), (onePageHeight - 20) / 1123.0);
    EXPECT_EQ(At(1).top, At(0).bottom + 10);
    preview->SetZoom(150);
    preview->ZoomPageWidth();
    const int pageWidth = W();
    preview->RefreshPages(false);
    EXPECT_DOUBLE_EQ(preview->Scale(), (pageWidth - 20) / 794.0) << "page width is recomputed, not the saved 150 %";
    preview->SetZoom(150);
    preview->Connect(report.get());
    EXPECT_DOUBLE_EQ(preview->GetZoom(), 150) << "a refresh restores the last explicit zoom";
}

TEST_F(PreviewPanel, RulersRunAlongTheCurrentPageWhenAskedFor) {
    Build(2);
    preview->Connect(report.get());
    EXPECT_FALSE(preview->HorzRuler()->Parent()->Parent()->Visible());
    preview->Options()->SetRulerVisible(true);
    preview->Options()->SetRulerUnit(qmutMillimeters);
    preview->Connect(report.get());
    host->Show();
    DispatchQueuedMessages();
    EXPECT_EQ(preview->DrawPanel()->Left(), 29) << "beside the left ruler strip";
    EXPECT_EQ(preview->HorzRuler()->TicksPerLabel(), 5) << "millimetres";
    const TRect page = At(0);
    EXPECT_EQ(preview->HorzRuler()->Left(), page.left);
    EXPECT_EQ(preview->HorzRuler()->Width(), page.right - page.left);
    EXPECT_EQ(preview->VertRuler()->Top(), page.top);
    EXPECT_EQ(preview->VertRuler()->Height(), page.bottom - page.top);
    EXPECT_DOUBLE_EQ(preview->HorzRuler()->Scale, preview->Scale());
    host->Repaint();
    EXPECT_TRUE(SaveWindowScreenshot(host->Handle(), ScreenshotDir() + "preview-rulers.png"));
}

TEST_F(PreviewPanel, TheCurrentPageStaysInRangeAndFollowsScrolling) {
    Build(4);
    preview->Connect(report.get());
    int changes = 0;
    preview->OnPageChanged = [&](TObject*) { ++changes; };
    preview->SetCurrentPage(1);
    EXPECT_EQ(changes, 0) << "already on page 1";
    preview->SetCurrentPage(9);
    EXPECT_EQ(preview->CurrentPage(), 4);
    EXPECT_EQ(report->EndPages()->CurPageNo, 4);
    EXPECT_GT(changes, 0);
    preview->SetCurrentPage(0);
    EXPECT_EQ(preview->CurrentPage(), 1);
    preview->SetCurrentPage(2);
    EXPECT_EQ(preview->VertBar()->Position(), At(1).top - 10);
    EXPECT_EQ(preview->OffsetY(), -(At(1).top - 10));

    preview->SetVertPosition(At(2).top - 11 - 5);
    EXPECT_EQ(preview->CurrentPage(), 2) << "the line under the top lies in the gap";
    preview->SetVertPosition(At(2).top - 10);
    EXPECT_EQ(preview->CurrentPage(), 3);
    EXPECT_EQ(preview->StatusText(0), "页 3/4");
}

TEST_F(PreviewPanel, TheOutlineFollowsTheLevelsAndAClickScrollsToItsLine) {
    Build(3);
    preview->Connect(report.get());
    EXPECT_FALSE(preview->Outline()->Visible()) << "no outline lines, no outline";

    for (const char* line : {"客户\x01" "0\x01" "0\x01" "0", "手机\x01" "1\x01" "200\x01" "1",
                             "配件\x01" "1\x01" "400\x01" "2", "结算\x01" "2\x01" "100\x01" "0"})
        report->EndPages()->Outline()->Add(line);
    preview->Connect(report.get());
    TTreeView* outline = preview->Outline();
    EXPECT_TRUE(outline->Visible());
    EXPECT_TRUE(preview->Splitter()->Visible());
    EXPECT_EQ(outline->Width(), 180);
    TTreeNodes* nodes = outline->Items();
    ASSERT_EQ(nodes->Count(), 4);
    EXPECT_EQ(nodes->Item(2)->Text(), "配件");
    EXPECT_EQ(nodes->Item(2)->Level(), 2);
    EXPECT_EQ(nodes->Item(3)->Level(), 0) << "three levels up from 配件";
    EXPECT_TRUE(nodes->Item(1)->Expanded());

    // At 100 % a page's share of the layout is its own height: the line
    // lands 5 pixels below the top of the view.
    outline->SetSelected(nodes->Item(1));
    preview->OutlineClick();
    const int margin = UnitsToScreenPixels(qmutMMThousandths, report->EndPages()->GetPage(1)->Margins[1]);
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(preview->VertBar()->Position(), At(1).top - 10 + margin + 200 + 5);
}

TEST_F(PreviewPanel, TheWheelScrollsThirtySmallSteps) {
    Build(2);
    preview->Connect(report.get());
    host->Show();
    DispatchQueuedMessages();
    SimulateWheel(preview->DrawPanel()->Handle(), POINT{300, 300}, -WHEEL_DELTA);
    DispatchQueuedMessages();
    EXPECT_EQ(preview->VertBar()->Position(), 30);
    SimulateWheel(preview->DrawPanel()->Handle(), POINT{300, 300}, WHEEL_DELTA);
    DispatchQueuedMessages();
    EXPECT_EQ(preview->VertBar()->Position(), 0);
}

class PreviewLinks : public PreviewPanel {
protected:
    // Shows the window, moves the mouse onto the text of the page (page 1
    // at first) and clicks it.
    void ClickText(TRect page = {}) {
        if (!preview->Report()) {
            preview->Connect(report.get());
            host->Show();
            DispatchQueuedMessages();
        }
        TQmDrawPanel* surface = preview->DrawPanel();
        if (page.right == 0) page = At(0);
        const POINT point{page.left + 200, page.top + 140 + preview->OffsetY()};
        SimulateMouseMove(surface->Handle(), point);
        DispatchQueuedMessages();
        SimulateClick(surface->Handle(), point);
        DispatchQueuedMessages();
    }
};

TEST_F(PreviewLinks, AnAtLinkJumpsToItsPage) {
    Build(14, "@12");
    ClickText();
    EXPECT_EQ(preview->StatusText(1), "@12");
    EXPECT_EQ(preview->CurrentPage(), 12);
}

TEST_F(PreviewLinks, HashLinksAndAtLinksWithoutANumberDoNothing) {
    Build(3, "#x");
    report->EndPages()->GetPage(0)->Stream()->Clear();
    const std::string objects = PageObjects("@ab", "@ab");
    report->EndPages()->GetPage(0)->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
    ClearRecordedShellRequests();
    SetShellRecording(true);
    ClickText();
    EXPECT_EQ(preview->StatusText(1), "@ab");
    EXPECT_EQ(preview->CurrentPage(), 1);
    preview->SetVertPosition(At(1).top - 10);
    DispatchQueuedMessages();
    ClickText(At(1));
    SetShellRecording(false);
    EXPECT_EQ(preview->StatusText(1), "#x");
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_TRUE(RecordedShellRequests().empty());
}

TEST_F(PreviewLinks, AModifiedClickStoresAndRebuildsThePage) {
    Build(2, "http://example.test/");
    ClearRecordedShellRequests();
    SetShellRecording(true);
    bool clicked = false;
    report->OnObjectClick = [&](TQmReportView* view, TMouseButton, TShiftState, bool& modified) {
        static_cast<TQmMemoView*>(view)->Memo->SetText("改过");
        clicked = modified = true;
    };
    ClickText();
    SetShellRecording(false);
    EXPECT_TRUE(clicked);
    ASSERT_EQ(RecordedShellRequests().size(), 1u);
    EXPECT_EQ(RecordedShellRequests()[0].file, "http://example.test/");
    TQmEndPage* page = report->EndPages()->GetPage(0);
    ASSERT_TRUE(page->Page());
    EXPECT_EQ(static_cast<TQmMemoView*>(page->Page()->GetObjects()[0])->Memo->Text(), "改过\r\n");
}

class PreviewWindow : public testing::Test {
protected:
    void SetUp() override {
        int argc = 0;
        StartGraphicsPlatform(argc, nullptr);  // the windows draw and measure text
        SetRegistryFileName(dir.file("registry.dat"));
        RegisterReportWindows();
        report->SetCompressLevel(qmzcNone);
        report->ReportInfo[0] = "顾客取机凭证";
        report->Pages()->AddReportPage();
        auto* page = static_cast<TQmReportPage*>(report->Pages()->GetPage(0));
        for (const char* text : {"顾客取机凭证  No. 000123", "第二页"}) {
            report->EndPages()->AddBkPicture(0, 0, -1, -1, nullptr);
            TQmEndPage* built = report->EndPages()->AddPage(page);
            const std::string objects = PageObjects(text, "");
            built->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
        }
    }
    void TearDown() override {
        UnRegisterClass(TQmPreviewForm::StaticClass());
        UnRegisterClass(TQmProgressForm::StaticClass());
        SetRegistryFileName("");
    }
    TQmPreviewForm* Window() const {
        for (int i = 0; i < report->ComponentCount(); ++i)
            if (auto* form = dynamic_cast<TQmPreviewForm*>(report->Components(i))) return form;
        return nullptr;
    }

    TempDir dir;
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
};

TEST_F(PreviewWindow, TheEngineOpensItAndItsZoomComboAndKeysWork) {
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->Caption(), "预览 - 顾客取机凭证");
    EXPECT_TRUE(form->Visible());
    form->SetWindowState(wsNormal);
    form->SetBounds(0, 0, 1000, 760);
    DispatchQueuedMessages();
    TQmPreview* preview = form->Preview();
    EXPECT_EQ(preview->GetPageCount(), 2);
    EXPECT_EQ(form->PageEdit()->Text(), "1");

    form->ZoomCombo()->SetText("150");
    char enter = '\r';
    form->ZoomCombo()->Perform(WM_CHAR, enter, 0);
    EXPECT_DOUBLE_EQ(preview->GetZoom(), 150);
    EXPECT_EQ(form->ZoomCombo()->ItemIndex(), 1) << "the item \"150%\"";

    form->ZoomCombo()->SetItemIndex(1);
    form->ZoomCombo()->Click();
    EXPECT_DOUBLE_EQ(preview->GetZoom(), 150);
    form->ZoomCombo()->Perform(WM_CHAR, enter, 0);
    EXPECT_DOUBLE_EQ(preview->GetZoom(), 100) << "\"150%\" is no number";

    form->PageEdit()->SetText("9");
    form->PageEdit()->Perform(WM_CHAR, enter, 0);
    EXPECT_EQ(preview->CurrentPage(), 2) << "past the last page";
    form->PageEdit()->SetText("x");
    form->PageEdit()->Perform(WM_CHAR, enter, 0);
    EXPECT_EQ(form->PageEdit()->Text(), "2");
    preview->First();

    Word key = VK_NEXT;
    form->FormKeyDown(key, TShiftState{ssCtrl});
    EXPECT_EQ(key, 0);
    EXPECT_EQ(preview->CurrentPage(), 2);
    EXPECT_EQ(form->PageEdit()->Text(), "2");
    key = VK_HOME;
    form->FormKeyDown(key, TShiftState{});
    EXPECT_EQ(key, VK_HOME) << "Home without Ctrl goes on to the focused control";

    form->OnePageButton()->Click();
    EXPECT_EQ(preview->ZoomMode(), pzOnePage);
    EXPECT_EQ(form->ZoomCombo()->ItemIndex(), 8);
    EXPECT_EQ(LastPreviewZoom().Mode, pzOnePage) << "the next window starts from it";
    LastPreviewZoom() = TQmLastZoom{};
    preview->First();
    DispatchQueuedMessages();
    form->Repaint();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "preview.png"));

    key = VK_ESCAPE;
    form->FormKeyDown(key, TShiftState{});
    DispatchQueuedMessages();
    EXPECT_EQ(Window(), nullptr) << "a modeless window frees itself on close";
}

TEST_F(PreviewWindow, WithoutTheZoomButtonTheOnePageButtonLeadsTheToolbar) {
    report->SetModalPreview(false);
    report->SetPreviewButtons(TQmPreviewButtons{pbPrint, pbExit});
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    EXPECT_FALSE(form->ZoomCombo()->Visible());
    EXPECT_EQ(form->OnePageButton()->Left(), 0);
    delete form;
}

TEST_F(PreviewWindow, EscapeEndsAModalPreviewWithOk) {
    TModalResult result = mrNone;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TObject*) {
        timer.SetEnabled(false);
        TQmPreviewForm* form = Window();
        Word key = VK_ESCAPE;
        form->FormKeyDown(key, TShiftState{});
        result = form->ModalResult();
    });
    report->PreviewPreparedPages();
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Window(), nullptr) << "the window is freed when it closes";
}

TEST_F(PreviewWindow, TwoPagesAsInitialZoomGivesWayToTheLastZoom) {
    report->SetModalPreview(false);
    report->SetInitialZoom(pzTwoPages);
    LastPreviewZoom() = TQmLastZoom{0.5, pzDefault};
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    form->Preview()->RefreshPages(false);
    EXPECT_EQ(form->Preview()->ZoomMode(), pzDefault);
    EXPECT_DOUBLE_EQ(form->Preview()->GetZoom(), 50);
    LastPreviewZoom() = TQmLastZoom{};
    delete form;
}

TEST_F(PreviewWindow, SettingsAndPlacementAreReadBack) {
    {
        TRegIniFile settings(QmRegRootKey);
        settings.WriteBool("DefaultPreviewForm", "DrawBorder", true);
        settings.WriteInteger("DefaultPreviewForm", "DrawPenColor", clRed);
    }
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->Preview()->Options()->DrawBorder());
    EXPECT_EQ(form->Preview()->Options()->BorderPen()->Color(), clRed);
    form->SetWindowState(wsNormal);
    form->SetBounds(20, 30, 700, 500);
    form->Preview()->Options()->SetDrawBorder(false);
    form->Close();
    DispatchQueuedMessages();
    ASSERT_EQ(Window(), nullptr);

    report->PreviewPreparedPages();
    form = Window();
    ASSERT_TRUE(form);
    EXPECT_FALSE(form->Preview()->Options()->DrawBorder());
    EXPECT_EQ(form->WindowState(), wsNormal);
    EXPECT_EQ(form->BoundsRect(), (TRect{20, 30, 720, 530}));
    TRegIniFile settings(QmRegRootKey);
    EXPECT_EQ(settings.ReadInteger("DefaultPreviewForm", "OutlineWidth", 0), 200);
    delete form;
}

TEST_F(PreviewWindow, CtrlAltPPrintsTheCurrentPageAlone) {
    report->SetModalPreview(false);
    report->GetPrinter()->FileName = dir.file("job.pdf");
    std::vector<int> printed;
    report->OnProgress = [&](Integer n) { printed.push_back(n); };
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    ASSERT_TRUE(form->PrintButton()->Enabled()) << "the PDF printer is listed";
    form->Preview()->Last();
    Word key = 'P';
    form->FormKeyDown(key, TShiftState{ssCtrl, ssAlt});
    EXPECT_EQ(printed, std::vector<int>{2});
    EXPECT_TRUE(FileExists(dir.file("job.pdf")));
    EXPECT_TRUE(form->Preview()->Ready());
    delete form;
}

// An export filter that names the pages handed to it.
class PageNamingFilter : public TQmExportFilter {
    SERVIORA_CLASS(PageNamingFilter, TQmExportFilter)
public:
    using TQmExportFilter::TQmExportFilter;
    void OnExportPage(TQmEndPage* page) override {
        pages.push_back(static_cast<TQmMemoView*>(page->Page()->GetObjects()[0])->Memo->Strings(0));
    }
    std::vector<AnsiString> pages;
};

TEST_F(PreviewWindow, SavedFilesLoadBackAndAppendAndFiltersExport) {
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    ResetModalResponder();
    PushModalAnswer({1, dir.file("voucher.txt")});
    Word key = 'S';
    form->FormKeyDown(key, TShiftState{ssCtrl});
    ASSERT_TRUE(FileExists(dir.file("voucher.qmp"))) << "the extension becomes .qmp";

    PushModalAnswer({1, dir.file("voucher.qmp") + "\n" + dir.file("voucher.qmp")});
    form->btnOpenClick();
    EXPECT_EQ(form->Preview()->GetPageCount(), 4) << "the second file is appended";
    EXPECT_EQ(form->Caption(), "预览 - 顾客取机凭证");
    EXPECT_EQ(form->Preview()->StatusText(0), "页 1/4");

    PageNamingFilter filter(nullptr);
    RegisterExportFilter(&filter, "Text (*.txt)", "*.txt");
    PushModalAnswer({2, dir.file("pages")});
    form->btnSaveClick();
    UnregisterExportFilter(&filter);
    EXPECT_EQ(filter.FileName, dir.file("pages.txt"));
    EXPECT_EQ(filter.pages.size(), 4u);
    EXPECT_TRUE(form->Preview()->Ready());
    EXPECT_FALSE(form->SaveToXLSButton()->Visible()) << "no spreadsheet filter is registered";
    ResetModalResponder();
    delete form;
}

TEST_F(PreviewPanel, BlankPagesAreAddedAndAPageIsDeletedOnlyAfterYes) {
    int argc = 0;
    StartGraphicsPlatform(argc, nullptr);  // the question box draws its icon with fonts
    Build(2);
    preview->Connect(report.get());
    preview->SetCurrentPage(2);
    preview->InsertPageBefore();
    preview->AppendPage();
    EXPECT_EQ(preview->GetPageCount(), 4);
    EXPECT_EQ(report->EndPages()->GetPage(3)->PaperWidth, report->EndPages()->GetPage(2)->PaperWidth);
    EXPECT_FALSE(preview->CanModifyPages()) << "no designer here";

    ResetModalResponder();
    PushModalAnswer({IDNO});
    preview->DeletePage(0);
    EXPECT_EQ(preview->GetPageCount(), 4);
    PushModalAnswer({IDYES});
    preview->DeletePage(0);
    EXPECT_EQ(preview->GetPageCount(), 3);
    EXPECT_EQ(ModalQuestions().size(), 2u);
    while (preview->GetPageCount() > 1) {
        PushModalAnswer({IDYES});
        preview->DeletePage(0);
    }
    preview->DeletePage(0);
    EXPECT_EQ(preview->GetPageCount(), 1) << "the last page stays, unasked";
    EXPECT_EQ(ModalQuestions().size(), 4u);
    ResetModalResponder();
}

TEST_F(PreviewWindow, ThePopupMenuZoomsByTagAndHidesPageEditing) {
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    form->itmScale150->Click();
    EXPECT_DOUBLE_EQ(form->Preview()->GetZoom(), 150);
    EXPECT_TRUE(form->itmScale150->Checked());
    EXPECT_EQ(form->ZoomCombo()->ItemIndex(), 1);
    EXPECT_EQ(LastPreviewZoom().Scale, 1.5);
    form->itmPageWidth->Click();
    EXPECT_EQ(form->Preview()->ZoomMode(), pzPageWidth);
    // A right click on the pages opens the menu (Escape closes it).
    bool popped = false;
    form->ProcMenu->SetOnPopup([&](TObject*) {
        popped = true;
        form->ProcMenuPopup();
    });
    SimulateClick(form->Preview()->DrawPanel()->Handle(), {50, 50}, VK_RBUTTON);
    SimulateKey(VK_ESCAPE, true);
    SimulateKey(VK_ESCAPE, false);
    DispatchQueuedMessages();
    EXPECT_TRUE(popped);
    EXPECT_TRUE(form->Visible()) << "Escape closed the menu, not the window";
    EXPECT_TRUE(form->itmPageWidth->Checked());
    EXPECT_FALSE(form->itmEditPage->Visible());
    EXPECT_FALSE(form->itmNewPage->Visible());
    EXPECT_EQ(form->itmPrint->Caption(), "打印...");
    EXPECT_EQ(form->itmPageWidth->Caption(), "页宽(&P)");
    LastPreviewZoom() = TQmLastZoom{};
    delete form;
}

TEST_F(PreviewWindow, MaximisedItCoversTheScreenFromItsCorner) {
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    MINMAXINFO info{};
    SendMessage(form->Handle(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMaxSize.x, Screen->Width());
    EXPECT_EQ(info.ptMaxSize.y, Screen->Height());
    EXPECT_EQ(info.ptMaxPosition.x, 0);
    EXPECT_EQ(info.ptMaxPosition.y, 0);
    delete form;
}

TEST_F(PreviewWindow, AClickOnAnOutlineEntryScrollsToIt) {
    for (const char* line : {"取机凭证\x01" "0\x01" "0\x01" "0", "第二页\x01" "1\x01" "0\x01" "1"})
        report->EndPages()->Outline()->Add(line);
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    form->SetWindowState(wsNormal);
    form->SetBounds(0, 0, 1000, 700);
    DispatchQueuedMessages();
    TQmPreview* preview = form->Preview();
    EXPECT_TRUE(form->OutlineButton()->Visible());
    EXPECT_TRUE(form->OutlineButton()->Down());
    EXPECT_EQ(preview->Outline()->Width(), 200) << "the outline width setting";
    TTreeNode* second = preview->Outline()->Items()->Item(1);
    RECT label{};
    const HTREEITEM item = second->ItemId();
    std::memcpy(static_cast<void*>(&label), &item, sizeof item);
    ASSERT_TRUE(SendMessage(preview->Outline()->Handle(), TVM_GETITEMRECT, TRUE, LPARAM(&label)));
    SimulateClick(preview->Outline()->Handle(), {(label.left + label.right) / 2, (label.top + label.bottom) / 2});
    DispatchQueuedMessages();
    EXPECT_EQ(preview->Outline()->Selected(), second);
    EXPECT_EQ(preview->CurrentPage(), 2);
    SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "preview-outline.png");

    form->OutlineButton()->Click();  // a toggle: the click releases it
    EXPECT_FALSE(preview->Outline()->Visible());
    EXPECT_FALSE(preview->Splitter()->Visible());
    delete form;
}

TEST(PreviewGlyphs, EveryToolbarIndexHasAPictureAndTheUnusedOnesAreEmpty) {
    int argc = 0;
    StartGraphicsPlatform(argc, nullptr);  // the 100 % glyph holds text
    std::unique_ptr<TImageList> images(TImageList::Create(nullptr));
    FillPreviewGlyphs(images.get());
    ASSERT_EQ(images->Count(), 19);
    TBitmap sheet;
    sheet.SetSize(19 * 18, 18);
    for (int i = 0; i < images->Count(); ++i) {
        TBitmap mask;
        images->GetBitmap(i, &mask);
        int drawn = 0;
        const TColor corner = mask.Canvas()->Pixels(0, 15);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) drawn += mask.Canvas()->Pixels(x, y) != corner;
        EXPECT_EQ(drawn > 10, i != 0 && i != 17) << "glyph " << i;
        sheet.Canvas()->Draw(i * 18 + 1, 1, &mask);
    }
    sheet.SaveToFile((ScreenshotDir() + "preview-glyphs.bmp").c_str());
}

TEST(PreviewFind, WholeWordsAreTestedOnTheRightSideOnly) {
    const struct {
        const char* text;
        bool match;
    } cases[] = {{"AB-CD", true}, {"XXAB", true}, {"ABC", false}, {"XAB ", true}, {"ABC AB", true},
                 {"AB\r", true},   {"AB页", true},  {"ABCD", false}, {"", false}};
    for (const auto& c : cases) EXPECT_EQ(IsWholeWordMatch("AB", c.text), c.match) << c.text;
}

TEST_F(PreviewPanel, FindNextGoesToTheHitAndThenPastIt) {
    Build(5);
    preview->Connect(report.get());
    preview->SetSearchText("第 3 页", false, false);
    preview->SetSearchStart(0);
    preview->FindNext();
    ASSERT_TRUE(preview->Found());
    EXPECT_EQ(preview->CurrentPage(), 3);
    EXPECT_EQ(preview->SearchPage(), 2);
    // The memo's text starts inside its frame at (60, 60), below the margins.
    const TRect& hit = preview->FoundRect();
    EXPECT_GT(hit.left, 60);
    EXPECT_GT(hit.top, 60);
    EXPECT_GT(hit.right - hit.left, 40);
    EXPECT_GT(preview->StartRecord(), 0);
    EXPECT_EQ(preview->VertBar()->Position(), At(2).top - 10);

    preview->FindNext();
    EXPECT_FALSE(preview->Found()) << "one hit only";
    EXPECT_EQ(preview->SearchPage(), 5);
    EXPECT_EQ(preview->CurrentPage(), 3) << "the view stays";

    preview->SetSearchText("第 3 页", false, true);
    preview->SetSearchStart(0);
    preview->FindNext();
    EXPECT_TRUE(preview->Found()) << "followed by the end of the text";
}

TEST_F(PreviewWindow, F3ContinuesAfterTheHitOrStartsOnTheCurrentPage) {
    report->SetModalPreview(false);
    report->PreviewPreparedPages();
    TQmPreviewForm* form = Window();
    ASSERT_TRUE(form);
    TQmPreview* preview = form->Preview();
    Word key = VK_F3;
    form->FormKeyDown(key, TShiftState{});
    EXPECT_EQ(key, Word(0)) << "F3 is the window's even without a search";

    // "取机" is on page 1 only, "页" on page 2 only: after the hit on page 1
    // F3 goes on past it.
    preview->SetSearchText("页", false, false);
    preview->SetSearchStart(0);
    preview->FindNext();
    EXPECT_EQ(preview->CurrentPage(), 2);
    preview->SetSearchText("No", false, false);
    preview->SetSearchStart(0);
    preview->FindNext();
    ASSERT_TRUE(preview->Found());
    EXPECT_EQ(preview->CurrentPage(), 1);
    key = VK_F3;
    form->FormKeyDown(key, TShiftState{});
    EXPECT_FALSE(preview->Found());

    // Moved to another page, F3 starts at its top.
    preview->SetCurrentPage(1);
    key = VK_F3;
    form->FormKeyDown(key, TShiftState{});
    EXPECT_TRUE(preview->Found());
    EXPECT_EQ(preview->SearchPage(), 0);
    SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "preview-find.png");

    // Ctrl+F: the find dialog, answered from the first page for "第二页".
    const auto answer = AnswerDialog<TQmPreviewSearchForm>([&](TQmPreviewSearchForm* dialog) {
        EXPECT_EQ(dialog->edtSearchTxt->Text(), "NO") << "the last search, upper-cased";
        EXPECT_TRUE(dialog->rdbFromFirst->Checked());
        dialog->edtSearchTxt->SetText("第二页");
        dialog->btnOK->Click();
    });
    key = 'F';
    form->FormKeyDown(key, TShiftState{ssCtrl});
    EXPECT_TRUE(preview->Found());
    EXPECT_EQ(preview->CurrentPage(), 2);
    delete form;
}

TEST(ProgressWindow, CancelStopsTheReport) {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    std::unique_ptr<TQmProgressForm> form(TQmProgressForm::Create(nullptr));
    form->SetReport(report.get());
    form->SetFirstLabel("正在打印页:  3");
    EXPECT_EQ(form->Label1->Caption(), "正在打印页:  3");
    EXPECT_EQ(form->Label2->Caption(), "");
    form->btnCancel->Click();
    EXPECT_TRUE(report->Terminated());
}

}  // namespace
