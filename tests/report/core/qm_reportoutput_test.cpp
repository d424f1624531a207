// Printing, previewing and exporting prepared pages: which pages a page
// list, parity, copies and collation print and in which print jobs, a real
// print to PDF read back with poppler, the export filter's hook order, and
// the preview window reached by class name.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "byte_writer.h"
#include "platform/rtl/classregistry.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_reportwindows.h"
#include "report_window_fakes.h"
#include "report/core/qm_utils.h"
#include "support/command_output.h"
#include "support/temp_dir.h"

namespace {

std::string PageObjects(const std::string& text, int top = 40, bool printable = true) {
    std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
    memo->SetName("Memo1");
    memo->SetspBounds(40, top, 300, 120);
    memo->SetPrintable(printable);
    memo->SetAllFramesVisible(true);
    memo->Font()->SetSize(20);
    memo->Memo->SetText(text);
    memo->Memo1->Assign(memo->Memo.get());
    memo->InPreparedPage = true;
    TStringStream out("");
    WriteByte(&out, 0);
    memo->SaveToStream(&out);
    return out.DataString();
}

class ReportOutput : public testing::Test {
protected:
    void SetUp() override {
        ResetReportWindowFakes();
        report->SetCompressLevel(qmzcNone);
        report->GetPrinter()->FileName = dir.file("job.pdf");
        report->OnProgress = [this](Integer n) {
            printed.push_back(n);
            if (report->GetPrinter()->PageNumber() == 1) jobStarts.push_back(n);
        };
    }
    // `count` pages of template page 1, each with its number as text.
    void Build(int count, int templatePages = 1) {
        while (report->Pages()->GetCount() < templatePages) report->Pages()->AddReportPage();
        for (int i = 0; i < count; ++i) AddPage(0, "Page " + std::to_string(i + 1));
    }
    TQmEndPage* AddPage(int templatePage, const std::string& text) {
        auto* page = static_cast<TQmReportPage*>(report->Pages()->GetPage(templatePage));
        page->TemplatePageNo = templatePage + 1;
        report->EndPages()->AddBkPicture(0, 0, -1, -1, nullptr);
        TQmEndPage* built = report->EndPages()->AddPage(page);
        const std::string objects = PageObjects(text);
        built->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
        return built;
    }

    TempDir dir;
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    std::vector<int> printed, jobStarts;
};

TEST_F(ReportOutput, PageListsParityCopiesAndCollation) {
    struct Case {
        const char* list;
        int pages, copies, parity;
        bool collate;
        std::vector<int> printed;
    };
    const Case cases[] = {
        {"1,3,5-7", 7, 1, 0, true, {1, 3, 5, 6, 7}},
        {"2-", 5, 1, 0, true, {2, 3, 4, 5}},
        {"5-3", 5, 1, 0, true, {}},
        {"", 3, 1, 0, true, {1, 2, 3}},
        {" 1 , 3 ", 3, 1, 0, true, {1, 3}},
        {"", 5, 1, 1, true, {1, 3, 5}},
        {"", 5, 1, 2, true, {2, 4}},
        {"", 3, 1, -1, true, {1, 2, 3}},
        {"2-", 5, 1, 1, true, {3, 5}},
        {"", 3, 2, 0, true, {1, 2, 3, 1, 2, 3}},
        {"", 3, 2, 0, false, {1, 1, 2, 2, 3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.list << "\" parity " << c.parity << " copies " << c.copies);
        report->EndPages()->Clear();
        Build(c.pages);
        printed.clear();
        report->PrintPreparedPages(c.list, c.copies, c.parity, c.collate);
        EXPECT_EQ(printed, c.printed);
        EXPECT_FALSE(report->Printing);
        EXPECT_EQ(report->DrawMode, 3);
    }
    EXPECT_THROW(report->PrintPreparedPages("1,x", 1, 0, true), EConvertError);
    EXPECT_FALSE(report->Printing);
}

TEST_F(ReportOutput, NothingPreparedPrintsNothingAndResetsTheTargetPaper) {
    report->TargetPaper = 9;
    report->PrintScale = 50;
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_TRUE(printed.empty());
    EXPECT_EQ(report->TargetPaper, -1);
    EXPECT_EQ(report->PrintScale, 100);
}

TEST_F(ReportOutput, ANewPrintJobForAFlaggedTemplatePageAndForAnotherPaper) {
    report->Pages()->AddReportPage();
    static_cast<TQmReportPage*>(report->Pages()->AddReportPage())->NewPrintJob = true;
    AddPage(0, "1");
    AddPage(0, "2");
    AddPage(1, "3");
    AddPage(1, "4");
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_EQ(printed, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(jobStarts, (std::vector<int>{1, 3}));

    report->EndPages()->Clear();
    Build(4);
    TQmEndPage* small = report->EndPages()->GetPage(2);
    small->PaperSize = 256;
    small->PaperWidth = 1480;
    small->PaperHeight = 2100;
    printed.clear();
    jobStarts.clear();
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_EQ(printed, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(jobStarts, (std::vector<int>{1, 3, 4}));
}

TEST_F(ReportOutput, OnEndPrintPageEndsTheJobAndMayMoveTheLoop) {
    Build(5);
    std::vector<int> told;
    report->OnEndPrintPage = [&](Integer& index) {
        told.push_back(index);
        if (index == 0) index = 2;
    };
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_EQ(told, (std::vector<int>{0, 3, 4}));
    EXPECT_EQ(printed, (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(jobStarts, printed);
}

// A page of the printed PDF in grey at 50 pixels per inch.
struct GreyPage {
    GreyPage(const std::string& pdf, int page, const std::string& prefix) {
        const std::string n = std::to_string(page);
        CommandOutput("pdftoppm -r 50 -gray -f " + n + " -l " + n + " -singlefile '" + pdf + "' '" + prefix + "'");
        std::ifstream in(prefix + ".pgm", std::ios::binary);
        std::string magic;
        int depth = 0;
        in >> magic >> width >> height >> depth;
        in.get();
        pixels.resize(static_cast<std::size_t>(width * height));
        in.read(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    }
    // Dark pixels in the rectangle, given in screen pixels of the paper.
    int Dark(int left, int top, int right, int bottom) const {
        auto at = [](int px) { return px * 50 / 96; };
        int dark = 0;
        for (int y = at(top); y < std::min(at(bottom), height); ++y)
            for (int x = at(left); x < std::min(at(right), width); ++x)
                dark += static_cast<unsigned char>(pixels[std::size_t(y * width + x)]) < 128;
        return dark;
    }
    int width = 0, height = 0;
    std::string pixels;
};

TEST_F(ReportOutput, ThreePagesPrintToPdf) {
    report->OnProgress = nullptr;
    Build(3);
    report->ReportInfo[0] = "顾客取机凭证";
    report->PrintPreparedPages("", 1, 0, true);
    const std::string file = dir.file("job.pdf");
    const std::string info = CommandOutput("pdfinfo '" + file + "'");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    // The text object's frame and text lie past the 15 mm margins, 40
    // pixels in: "Page 2" in 20-point letters fills its first line.
    const GreyPage page(file, 2, dir.file("page"));
    EXPECT_EQ(page.width, 414);  // 210 mm
    EXPECT_GT(page.Dark(100, 100, 200, 130), 40);
    EXPECT_EQ(page.Dark(0, 0, 90, 90), 0);
    CommandOutput("pdftoppm -png -r 50 -f 2 -l 2 -singlefile '" + file + "' '" + ScreenshotDir() + "prepared-print'");
}

TEST_F(ReportOutput, OnATargetPaperThePageIsScaledToIt) {
    report->OnProgress = nullptr;
    Build(1);
    report->TargetPaper = QmCustomPaperCode;
    report->TargetPaperWidth = 1480;
    report->TargetPaperHeight = 2100;
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_EQ(report->TargetPaper, -1);
    const std::string info = CommandOutput("pdfinfo '" + dir.file("job.pdf") + "'");
    EXPECT_NE(info.find("Page size:       420 x 595 pts"), std::string::npos) << info;
    // "Page 1", from 97 to about 190 pixels in on the A4 page, lies from
    // 68 to about 135 in.
    const GreyPage page(dir.file("job.pdf"), 1, dir.file("page"));
    EXPECT_GT(page.Dark(70, 70, 140, 95), 20);
    EXPECT_EQ(page.Dark(145, 70, 200, 95), 0);
    CommandOutput("pdftoppm -png -r 50 -singlefile '" + dir.file("job.pdf") + "' '" + ScreenshotDir() + "prepared-target-paper'");
}

TEST_F(ReportOutput, TheBackgroundAndNonPrintableObjectsPrintOnlyWhenEverythingDoes) {
    report->OnProgress = nullptr;
    report->Pages()->AddReportPage();
    std::unique_ptr<TBitmap> black(TBitmap::Create());
    black->SetSize(20, 20);
    black->Canvas()->Brush()->SetColor(clBlack);
    black->Canvas()->FillRect(TRect{0, 0, 20, 20});
    std::unique_ptr<TPicture> picture(TPicture::Create());
    picture->Assign(black.get());
    report->EndPages()->AddBkPicture(500, 700, 100, 100, picture.get());
    TQmEndPage* page = report->EndPages()->AddPage(static_cast<TQmReportPage*>(report->Pages()->GetPage(0)));
    const std::string objects = PageObjects("shown") + PageObjects("hidden", 300, false);
    page->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
    for (bool everything : {false, true}) {
        SCOPED_TRACE(everything);
        report->PrintEverything = everything;
        report->PrintPreparedPages("", 1, 0, true);
        const GreyPage printed(dir.file("job.pdf"), 1, dir.file("page"));
        EXPECT_GT(printed.Dark(100, 100, 200, 130), 20);
        EXPECT_EQ(printed.Dark(510, 710, 590, 790) > 1000, everything);
        EXPECT_EQ(printed.Dark(100, 360, 200, 390) > 20, everything);
    }
}

// An export filter that writes down each hook it receives.
class RecordingFilter : public TQmExportFilter {
public:
    using TQmExportFilter::TQmExportFilter;
    void OnBeginDoc() override { log.push_back(Stream ? "BeginDoc+file" : "BeginDoc"); }
    void OnEndDoc() override { log.push_back("EndDoc"); }
    void OnBeginPage() override { log.push_back("BeginPage"); }
    void OnEndPage() override {
        log.push_back("EndPage");
        if (stopAfterFirst) Report->SetTerminated(true);
    }
    void OnExportPage(TQmEndPage* page) override {
        log.push_back("Page " + page->Page()->GetObjects()[0]->Memo->Strings(0));
        if (failOnPage) throw EReadError("broken page");
    }
    Word ShowModal() override {
        log.push_back("ShowModal");
        if (!chosenName.empty()) FileName = chosenName;
        return modalResult;
    }
    std::vector<std::string> log;
    AnsiString chosenName;
    Word modalResult = 1;
    bool stopAfterFirst = false, failOnPage = false;
};

class ReportExport : public ReportOutput {
protected:
    void SetUp() override {
        ReportOutput::SetUp();
        filter.OnBeforeExport = [this](const AnsiString& name, bool& go) {
            filter.log.push_back("Before " + name);
            go = proceed;
        };
        // The dialog picks the target.
        filter.chosenName = dir.file("out.xls");
        filter.OnAfterExport = [this](const AnsiString& name) { filter.log.push_back("After " + name); };
    }
    RecordingFilter filter{nullptr};
    bool proceed = true;
};

TEST_F(ReportExport, TheHooksComeInTheirOrder) {
    Build(2);
    filter.CreateFile = true;
    report->ExportPreparedPages(&filter, "a.xls");
    const std::string out = dir.file("out.xls");
    EXPECT_EQ(filter.log, (std::vector<std::string>{"Before a.xls", "ShowModal", "BeginDoc+file", "BeginPage",
                                                    "Page Page 1", "EndPage", "BeginPage", "Page Page 2", "EndPage",
                                                    "EndDoc", "After " + out}));
    EXPECT_EQ(filter.PageCount, 2);
    EXPECT_EQ(printed, (std::vector<int>{1, 2}));
    EXPECT_EQ(filter.Stream, nullptr);
    EXPECT_TRUE(std::ifstream(out).good());
    EXPECT_EQ(report->CurrentFilter, nullptr);
    EXPECT_EQ(report->EndPages()->GetPage(0)->Page(), nullptr);
}

TEST_F(ReportExport, CancellingBeforeOrInTheDialogCallsNothingMore) {
    Build(2);
    proceed = false;
    report->ExportPreparedPages(&filter, "a.xls");
    EXPECT_EQ(filter.log, (std::vector<std::string>{"Before a.xls"}));
    proceed = true;
    filter.log.clear();
    filter.modalResult = 2;
    report->ExportPreparedPages(&filter, "a.xls");
    EXPECT_EQ(filter.log, (std::vector<std::string>{"Before a.xls", "ShowModal"}));
}

TEST_F(ReportExport, AStopOrAnExceptionStillEndsTheDocument) {
    Build(3);
    filter.stopAfterFirst = true;
    report->ExportPreparedPages(&filter, "a.xls");
    EXPECT_EQ(filter.log, (std::vector<std::string>{"Before a.xls", "ShowModal", "BeginDoc", "BeginPage",
                                                    "Page Page 1", "EndPage", "EndDoc", "After " + dir.file("out.xls")}));
    filter.stopAfterFirst = false;
    filter.failOnPage = true;
    filter.log.clear();
    EXPECT_THROW(report->ExportPreparedPages(&filter, "a.xls"), EReadError);
    EXPECT_EQ(filter.log, (std::vector<std::string>{"Before a.xls", "ShowModal", "BeginDoc", "BeginPage",
                                                    "Page Page 1", "EndDoc", "After " + dir.file("out.xls")}));
    EXPECT_EQ(report->EndPages()->GetPage(0)->Page(), nullptr);
    EXPECT_EQ(report->CurrentFilter, nullptr);
}

TEST_F(ReportOutput, ThePreviewWindowIsFoundByItsClassName) {
    report->PreviewPreparedPages();
    EXPECT_TRUE(TQmPreviewForm::shownCaption.empty()) << "nothing prepared, nothing shown";
    Build(2);
    report->PreviewPreparedPages();
    EXPECT_TRUE(TQmPreviewForm::shownCaption.empty()) << "no window class registered";

    RegisterClass(TQmPreviewForm::StaticClass());
    report->PreviewOptions()->SetRulerVisible(true);
    report->SetPreviewInitialDir("/tmp/qmp");
    report->PreviewPreparedPages();
    EXPECT_EQ(TQmPreviewForm::shownCaption, "预览 - Untitled");
    report->ReportInfo[0] = "顾客取机凭证";
    report->PreviewPreparedPages();
    UnRegisterClass(TQmPreviewForm::StaticClass());
    EXPECT_EQ(TQmPreviewForm::shownCaption, "预览 - 顾客取机凭证");
    EXPECT_EQ(TQmPreviewForm::shownPages, 2);
    EXPECT_EQ(TQmPreviewForm::initialDir, "/tmp/qmp");
    EXPECT_TRUE(TQmPreviewForm::rulerVisible);
    EXPECT_TRUE(report->PrintEverything);
}

TEST_F(ReportExport, TheProgressWindowCountsThePages) {
    report->OnProgress = nullptr;
    report->ReportInfo[0] = "顾客取机凭证";
    Build(2);
    RegisterClass(TQmProgressForm::StaticClass());
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_EQ(TQmProgressForm::log, (std::vector<std::string>{"正在打印页:  1", "bound: 正在准备报表 - 顾客取机凭证",
                                                              "正在打印页:  1", "正在打印页:  2", "closed"}));
    TQmProgressForm::log.clear();
    report->SetShowProgress(false);
    report->PrintPreparedPages("", 1, 0, true);
    EXPECT_TRUE(TQmProgressForm::log.empty());
    report->SetShowProgress(true);
    report->ExportPreparedPages(&filter, "a.xls");
    UnRegisterClass(TQmProgressForm::StaticClass());
    EXPECT_EQ(TQmProgressForm::log, (std::vector<std::string>{"正在处理页:  1", "bound: 正在准备报表 - 顾客取机凭证",
                                                              "正在处理页:  1 从 2", "正在处理页:  2 从 2", "closed"}));
}

TEST_F(ReportOutput, PreparedFilesSaveAndLoad) {
    Build(2);
    report->SavePreparedFile(dir.file("a.qmp"));
    report->EndPages()->Clear();
    report->LoadPreparedFile(dir.file("missing.qmp"));
    EXPECT_EQ(report->EndPages()->GetCount(), 0);
    report->LoadPreparedFile(dir.file("a.qmp"));
    ASSERT_EQ(report->EndPages()->GetCount(), 2);
    EXPECT_TRUE(report->EndPages()->ReadFromFile);
    report->EndPages()->GetPage(1)->CreateObjects(report.get(), false);
    EXPECT_EQ(report->EndPages()->GetPage(1)->Page()->GetObjects()[0]->Memo->Strings(0), "Page 2");
}

}  // namespace
