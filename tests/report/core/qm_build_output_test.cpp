// What a build hands on: the preview after BuildAndPreview, prepared pages
// compressed as they are finished, the progress window over both passes
// and the background picture records of the template pages.
#include <gtest/gtest.h>

#include "build_fixtures.h"
#include "edit_dialog_control.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_band.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_reportwindows.h"
#include "report_window_fakes.h"

namespace {

class BuildOutput : public testing::Test, public BuildFixture {
protected:
    BuildOutput() { ResetReportWindowFakes(); }
    // A title and `rows` data rows of 10 mm: about 26 rows a page.
    void AddRows(int rows) {
        AddBand<TQmBandReportTitle>(0, 10);
        AddText(0, "Title")->SetName("Title");
        AddBand<TQmBandMasterData>(20, 10)->SetDataSetName("Rows");
        AddSource("Rows", Numbered(rows));
        AddText(20, "Row [Rows.\"N\"]", 0, 10);
    }
    // Registers a window class while the test runs.
    struct Registered {
        explicit Registered(TClass registered) : cls(registered) { RegisterClass(cls); }
        ~Registered() { UnRegisterClass(cls); }
        TClass cls;
    };
};

TEST_F(BuildOutput, BuildAndPreviewShowsThePagesAndNothingAfterAFailedBuild) {
    AddRows(3);
    const Registered preview(TQmPreviewForm::StaticClass());
    report->BuildAndPreview();
    EXPECT_EQ(TQmPreviewForm::shownPages, 1);

    TQmPreviewForm::shownPages = 0;
    AddText(40, "[1 +]", 0, 5, Page());
    report->BuildAndPreview();
    EXPECT_EQ(PageCount(), 0);
    EXPECT_EQ(TQmPreviewForm::shownPages, 0) << "no preview opens";
}

TEST_F(BuildOutput, PagesAreCompressedAsTheyAreFinished) {
    AddRows(70);
    // When a page starts, the one before it is already compressed.
    std::vector<bool> previousCompressed;
    report->OnBeginPage = TQmPageEvent([&](Integer) {
        const int count = PageCount();
        if (count > 0) previousCompressed.push_back(report->EndPages()->GetPage(count - 1)->Compressed);
    });
    for (const bool threaded : {false, true}) {
        SCOPED_TRACE(threaded ? "in worker threads" : "at once");
        report->SetCompressThread(threaded);
        previousCompressed.clear();
        ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
        ASSERT_EQ(PageCount(), 3);
        EXPECT_EQ(previousCompressed, (std::vector<bool>{true, true}));
        EXPECT_TRUE(report->EndPages()->Compressed);
        for (int i = 0; i < PageCount(); ++i) {
            report->EndPages()->GetPage(i)->WaitReady();
            EXPECT_TRUE(report->EndPages()->GetPage(i)->Compressed) << "page " << i + 1;
        }
        EXPECT_EQ(Lines(2).back(), "Row 70");
    }

    report->SetCompressLevel(qmzcNone);
    ASSERT_TRUE(report->BuildPreparedPages());
    EXPECT_FALSE(report->EndPages()->Compressed);
    EXPECT_FALSE(report->EndPages()->GetPage(2)->Compressed);
    EXPECT_EQ(Lines(2).back(), "Row 70");
}

TEST_F(BuildOutput, ATemplateWithACrossBandKeepsItsPagesRaw) {
    AddRows(3);
    AddBand<TQmBandCrossData>(0, 10);
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_FALSE(report->EndPages()->Compressed);
    EXPECT_FALSE(report->EndPages()->GetPage(0)->Compressed);
    EXPECT_EQ(report->CompressLevel(), qmzcFastest) << "the report's level comes back";
}

// The title's script handler writes the second label.
TEST_F(BuildOutput, TheProgressWindowCountsThePagesOfBothPasses) {
    AddRows(30);
    report->DoublePass = true;
    report->ReportInfo[0] = "顾客取机凭证";
    report->FindObject("Title")->GetEventBindings()->SetVariable("OnBeforePrint", "TitleBefore");
    report->Script()->SetText(
        "unit Report;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n"
        "procedure TitleBefore(Sender: TObject);\r\nbegin\r\nPROGRESS := 'Title';\r\nend;\r\n\r\n"
        "procedure Main;\r\nbegin\r\nend;\r\n\r\nend.\r\n");
    {
        const Registered progress(TQmProgressForm::StaticClass());
        ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    }
    const std::string bound = "bound: 正在准备报表 - 顾客取机凭证";
    EXPECT_EQ(TQmProgressForm::log,
              (std::vector<std::string>{"进行第一次处理:  1", bound, "进行第一次处理:  1", "second: Title",
                                        "进行第一次处理:  2", "进行第一次处理:  3", "正在处理页:  1", bound,
                                        "正在处理页:  1 从 2", "second: Title", "正在处理页:  2 从 2",
                                        "正在处理页:  3 从 2", "closed"}));
}

TEST_F(BuildOutput, EachPreparedPageKnowsItsTemplatePagesBackground) {
    AddRows(3);
    std::unique_ptr<TBitmap> bitmap(TBitmap::Create());
    bitmap->SetSize(20, 10);
    std::unique_ptr<TPicture> picture(TPicture::Create());
    picture->SetBitmap(bitmap.get());
    page->SetBackPicture(picture.get());
    page->BackPictureLeft = Mm(10);
    page->BackPictureWidth = 20;
    page->BackPictureHeight = 10;
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    TQmBkPicture* back = report->EndPages()->GetBkPicture(report->EndPages()->GetPage(0)->BkPictureIndex);
    ASSERT_NE(back, nullptr);
    ASSERT_NE(back->Picture()->Graphic(), nullptr);
    EXPECT_EQ(back->Left, static_cast<Integer>(Round(FromInternalUnits(Mm(10), qmutScreenPixels))));
    EXPECT_EQ(back->Width, 20);

    Page()->ShowBackPicture = false;
    ASSERT_TRUE(report->BuildPreparedPages());
    back = report->EndPages()->GetBkPicture(report->EndPages()->GetPage(0)->BkPictureIndex);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Picture()->Graphic(), nullptr);
}

}  // namespace

namespace {

// The user answers the dialog page with OK as soon as it waits; whether the
// progress window showed meanwhile is recorded.
TEST_F(BuildOutput, TheProgressWindowStepsAsideWhileADialogPageAsks) {
    AddRows(3);
    TQmDialogPage* dialog = report->Pages()->AddDialogPage();
    auto* control = new TEditDialogControl;
    control->SetParentPage(dialog);
    control->SetspBounds(10, 20, 100, 21);
    RegisterAddInObject(TEditDialogControl::StaticClass());
    std::vector<bool> progressShown;
    Application->SetOnIdle(TIdleEvent([&](TObject*, bool& done) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TForm* form = Screen->Forms(i);
            if (!form->FormState().Contains(fsModal) || form->ModalResult() != mrNone) continue;
            const TCustomForm* progress = report->ProgressWindow() ? report->ProgressWindow()->Form() : nullptr;
            progressShown.push_back(progress && progress->Visible());
            form->SetModalResult(mrOk);
            done = false;
        }
    }));
    const Registered progress(TQmProgressForm::StaticClass());
    const bool built = report->BuildPreparedPages();
    Application->SetOnIdle(nullptr);
    ASSERT_TRUE(built) << report->ErrorText;
    EXPECT_EQ(progressShown, std::vector<bool>{false});
    EXPECT_FALSE(report->DialogCancelled);
    EXPECT_EQ(report->EndPages()->GetCount(), 1);
}

}  // namespace
