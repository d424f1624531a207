// The main export filter through the report's export routine: a recording
// descendant sees the hooks in their order and the records of each page
// (bounds, text runs, pictures, names shared across pages), the cancel and
// stop roads, the registry by class name and the export scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "export_fixture.h"
#include "report/core/qm_band.h"
#include "report/core/qm_common.h"
#include "report/ui/qm_e_main.h"

namespace {

struct RecordCopy {
    int left, top, width, height;
    bool picture;
    int nameIndex;
    std::vector<AnsiString> runs;
    int bitmapWidth, bitmapHeight;
    int textWidth;
};

class RecordingMainFilter : public TQmMainExportFilter {
    SERVIORA_CLASS(RecordingMainFilter, TQmMainExportFilter)
public:
    using TQmMainExportFilter::TQmMainExportFilter;
    void OnBeginDoc() override {
        log.push_back("BeginDoc");
        TQmMainExportFilter::OnBeginDoc();
    }
    void OnEndDoc() override {
        log.push_back("EndDoc");
        TQmMainExportFilter::OnEndDoc();
    }
    void OnBeginPage() override {
        log.push_back("BeginPage");
        TQmMainExportFilter::OnBeginPage();
    }
    void OnEndPage() override {
        log.push_back("EndPage");
        TQmMainExportFilter::OnEndPage();
        if (stopAfterFirst) Report->SetTerminated(true);
    }
    Word ShowModal() override {
        log.push_back("ShowModal");
        return answer;
    }
    void WritePage(TQmEndPage*) override {
        log.push_back("WritePage " + std::to_string(DataRecs.size()));
        std::vector<RecordCopy> page;
        for (const auto& rec : DataRecs) {
            RecordCopy copy{rec->Left,      rec->Top, rec->Width, rec->Height, rec->IsPicture, rec->NameIndex, {},
                            0,              0,        rec->TextWidth};
            for (const TQmEFTextRec& run : rec->TextRuns) copy.runs.push_back(run.Text);
            if (rec->Bitmap) {
                copy.bitmapWidth = rec->Bitmap->Width();
                copy.bitmapHeight = rec->Bitmap->Height();
            }
            page.push_back(copy);
        }
        pages.push_back(page);
        pageSizes.push_back({PageWidth, PageHeight});
    }
    std::vector<std::string> log;
    std::vector<std::vector<RecordCopy>> pages;
    std::vector<std::pair<int, int>> pageSizes;
    Word answer = 1;
    bool stopAfterFirst = false;
};

class MainExportFilter : public testing::Test, public ExportPages {
protected:
    void SetUp() override {
        filter->OnAfterExport = [this](const AnsiString&) { filter->log.push_back("AfterExport"); };
    }
    void Export() { report->ExportPreparedPages(filter.get(), "out.dat"); }
    std::unique_ptr<RecordingMainFilter> filter{RecordingMainFilter::Create(nullptr)};
};

TEST_F(MainExportFilter, EachPageGivesOneRecordPerObjectAndAnEmptyPageStillReachesWritePage) {
    std::vector<std::unique_ptr<TQmView>> first;
    first.push_back(Memo("Memo1", "一行\r\n二行", 10, 20, 100, 30));
    first.push_back(Shape("Shape1", 5, 60, 40, 20));
    auto band = std::unique_ptr<TQmView>(TQmBandMasterData::Create());
    band->SetName("MasterData1");
    first.push_back(std::move(band));
    AddPage(std::move(first));
    AddPage({});
    std::vector<std::unique_ptr<TQmView>> third;
    third.push_back(Memo("Memo1", "再", 0, 0, 50, 20));
    AddPage(std::move(third));
    Export();

    EXPECT_EQ(filter->log, (std::vector<std::string>{"ShowModal", "BeginDoc", "BeginPage", "WritePage 2", "EndPage",
                                                     "BeginPage", "WritePage 0", "EndPage", "BeginPage",
                                                     "WritePage 1", "EndPage", "EndDoc", "AfterExport"}));
    ASSERT_EQ(filter->pages.size(), 3u);
    const RecordCopy& memo = filter->pages[0][0];
    EXPECT_EQ((std::vector<int>{memo.left, memo.top, memo.width, memo.height}), (std::vector<int>{10, 20, 101, 30}))
        << "a text object's width is one larger";
    EXPECT_FALSE(memo.picture);
    EXPECT_EQ(memo.runs, (std::vector<AnsiString>{"一行", "二行"}));
    EXPECT_GT(memo.textWidth, 0);
    EXPECT_EQ(memo.bitmapWidth, 0) << "text objects are not rendered";
    const RecordCopy& shape = filter->pages[0][1];
    EXPECT_TRUE(shape.picture);
    EXPECT_EQ((std::vector<int>{shape.bitmapWidth, shape.bitmapHeight}), (std::vector<int>{41, 21}));
    EXPECT_EQ(filter->pages[2][0].nameIndex, memo.nameIndex) << "a name keeps its index across pages";
    EXPECT_EQ(shape.nameIndex, 1);
    EXPECT_EQ(filter->PageNo, 3);
    EXPECT_EQ(filter->ObjectNames, nullptr) << "freed at the end of the document";
}

TEST_F(MainExportFilter, ARotatedMemoIsAPictureUnlessRotatedTextIsAsked) {
    for (bool asText : {false, true}) {
        SCOPED_TRACE(asText);
        report->EndPages()->Clear();
        auto memo = Memo("Memo1", "竖", 0, 0, 30, 60);
        static_cast<TQmMemoView*>(memo.get())->RotationType = qmrt90;
        std::vector<std::unique_ptr<TQmView>> views;
        views.push_back(std::move(memo));
        AddPage(std::move(views));
        filter->ExportRotatedAsText = asText;
        filter->pages.clear();
        Export();
        ASSERT_EQ(filter->pages.size(), 1u);
        EXPECT_EQ(filter->pages[0][0].picture, !asText);
        EXPECT_EQ(filter->pages[0][0].bitmapWidth, asText ? 0 : 31);
    }
}

TEST_F(MainExportFilter, CancelBeforeOrInTheDialogAndAStopEndTheExport) {
    AddPage({});
    AddPage({});
    filter->OnBeforeExport = [](const AnsiString& name, bool& go) { go = name != "out.dat"; };
    Export();
    EXPECT_TRUE(filter->log.empty()) << "neither the dialog nor the after-export handler";

    filter->OnBeforeExport = nullptr;
    filter->answer = 2;
    Export();
    EXPECT_EQ(filter->log, (std::vector<std::string>{"ShowModal"}));

    filter->answer = 1;
    filter->stopAfterFirst = true;
    filter->log.clear();
    Export();
    EXPECT_EQ(filter->log, (std::vector<std::string>{"ShowModal", "BeginDoc", "BeginPage", "WritePage 0", "EndPage",
                                                     "EndDoc", "AfterExport"}));
}

TEST_F(MainExportFilter, ScaleTwoDoublesTheBoundsAndRendersTwiceTheSizePlusOne) {
    std::vector<std::unique_ptr<TQmView>> views;
    views.push_back(Memo("Memo1", "x", 10, 20, 100, 30));
    views.push_back(Shape("Shape1", 5, 60, 40, 20));
    AddPage(std::move(views));
    filter->SetScaleX(2.0);
    filter->SetScaleY(2.0);
    Export();
    ASSERT_EQ(filter->pages.size(), 1u);
    const RecordCopy& memo = filter->pages[0][0];
    EXPECT_EQ((std::vector<int>{memo.left, memo.top, memo.width, memo.height}), (std::vector<int>{20, 40, 201, 60}));
    const RecordCopy& shape = filter->pages[0][1];
    EXPECT_EQ((std::vector<int>{shape.left, shape.top, shape.width, shape.height}), (std::vector<int>{10, 120, 80, 40}));
    EXPECT_EQ((std::vector<int>{shape.bitmapWidth, shape.bitmapHeight}), (std::vector<int>{81, 41}));
    const TQmPageInfo& info = report->EndPages()->GetPage(0)->PageInfo;
    ASSERT_GT(info.ScreenWidth, 0);
    EXPECT_EQ(filter->pageSizes[0], std::make_pair(2 * info.ScreenWidth, 2 * info.ScreenHeight));
}

TEST(MainExportFilterRegistry, OneEntryPerClassRemovedWithAnyInstance) {
    const int before = std::max(GetExportFilterCount(), 0);  // -1 before any registration
    std::unique_ptr<RecordingMainFilter> first(RecordingMainFilter::Create(nullptr));
    std::unique_ptr<RecordingMainFilter> second(RecordingMainFilter::Create(nullptr));
    RegisterExportFilter(first.get(), "Test (*.tst)", "*.tst");
    RegisterExportFilter(second.get(), "Test (*.tst)", "*.tst");
    EXPECT_EQ(GetExportFilterCount(), before + 1);
    second.reset();
    EXPECT_EQ(GetExportFilterCount(), before) << "destroying either instance removes the class's entry";
}

TEST(MainExportFilterImages, BitmapsBecomeBmpOrJpegAndTextsReplaceWithoutCase) {
    std::unique_ptr<RecordingMainFilter> filter(RecordingMainFilter::Create(nullptr));
    TBitmap bitmap;
    bitmap.SetWidth(8);
    bitmap.SetHeight(8);
    for (TQmEFImageFormat format : {ifBMP, ifJPG, ifGIF}) {
        TPicture picture;
        filter->BitmapToGraphic(&bitmap, format, 5, &picture);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(AnsiString(picture.Graphic()->ClassName()), format == ifBMP ? "TBitmap" : "TJPEGImage") << format;
    }
    EXPECT_EQ(ReplaceAllNoCase("aXbxX", "x", "yx"), "ayxbyxyx");
    SIZE size{5, 5};
    GetTextExtent(bitmap.Canvas()->Font(), "", size);
    EXPECT_EQ(size.cx, 0);
}

}  // namespace
