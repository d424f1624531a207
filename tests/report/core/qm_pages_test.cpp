// Template pages: objects placed and named, the band structure a report
// page prepares, dialog pages shown before a build, printer changes, the
// dictionary's lookups and the saved print settings.
#include <gtest/gtest.h>

#include <memory>

#include "edit_dialog_control.h"
#include "platform/rtl/inifiles.h"
#include "platform/rtl/registrystore.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_band.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_dialogcomponent.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"
#include "support/temp_dir.h"

namespace {

Integer Mm(double mm) { return ToInternalUnits(qmutMillimeters, mm); }

template <class T>
T* Place(TQmCustomPage* page, double top, double height) {
    auto* view = T::Create();
    view->SetParentPage(page);
    view->Top = Mm(top);
    view->Height = Mm(height);
    view->Width = Mm(100);
    return view;
}

class PageTest : public testing::Test {
protected:
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    TQmReportPage* page = report->Pages()->AddReportPage();
};

TEST_F(PageTest, ObjectsPlacedOnPagesGetFreeNamesAndAreFoundWithoutCase) {
    auto* first = Place<TQmMemoView>(page, 0, 5);
    auto* second = Place<TQmMemoView>(page, 10, 5);
    auto* band = Place<TQmBandMasterData>(page, 20, 5);
    EXPECT_EQ(first->Name(), "Memo1");
    EXPECT_EQ(second->Name(), "Memo2");
    EXPECT_EQ(band->Name(), "MasterData1");
    EXPECT_EQ(report->FindObject("memo2"), second);
    EXPECT_EQ(second->ParentReport, report.get());

    TQmCustomPage* other = report->Pages()->AddReportPage();
    first->SetParentPage(other);
    EXPECT_EQ(first->Name(), "Memo1") << "a placed object keeps its name";
    EXPECT_EQ(page->ObjectCount(), 2);
    EXPECT_EQ(other->GetObjects().at(0), first);
    auto* third = Place<TQmMemoView>(other, 0, 5);
    EXPECT_EQ(third->Name(), "Memo3") << "names are free in the whole report";
    page->Delete(0);
    EXPECT_EQ(report->FindObject("Memo2"), nullptr);
    page->Delete(-1);
    EXPECT_EQ(page->ObjectCount(), 1);
    delete third;
    EXPECT_EQ(other->ObjectCount(), 1) << "a freed object leaves its page";
}

TEST_F(PageTest, PagesKeepTheirNamesWhileTheDesignerRefusesACopy) {
    page->SetName("Page1");
    TQmCustomPage* second = report->Pages()->AddDialogPage();
    second->SetName("Page2");
    report->Designing = true;
    second->SetName("PAGE1");
    EXPECT_EQ(second->Name(), "Page2");
    report->Designing = false;
    second->SetName("PAGE1");
    EXPECT_EQ(second->Name(), "PAGE1");
    EXPECT_EQ(second->Font()->Name(), "宋体");
}

TEST_F(PageTest, HeadersFootersGroupsAndDetailsLinkByPosition) {
    auto* header = Place<TQmBandHeader>(page, 0, 5);
    auto* groupOuter = Place<TQmBandGroupHeader>(page, 6, 5);
    auto* groupInner = Place<TQmBandGroupHeader>(page, 12, 5);
    auto* master = Place<TQmBandMasterData>(page, 20, 5);
    auto* detail = Place<TQmBandDetailData>(page, 30, 5);
    auto* footerInner = Place<TQmBandGroupFooter>(page, 40, 5);
    auto* footerOuter = Place<TQmBandGroupFooter>(page, 46, 5);
    auto* footer = Place<TQmBandFooter>(page, 52, 5);
    auto* inMaster = Place<TQmMemoView>(page, 21, 3);
    auto* loose = Place<TQmMemoView>(page, 70, 3);
    page->Prepare();

    EXPECT_EQ(master->HeaderBand, header);
    EXPECT_EQ(header->DataBand, master);
    EXPECT_EQ(detail->FooterBand, footer) << "the last data band above the footer";
    EXPECT_EQ(groupOuter->GroupFooter, footerOuter);
    EXPECT_EQ(groupInner->GroupFooter, footerInner);
    EXPECT_EQ(master->FirstGroupHeader, groupOuter);
    EXPECT_EQ(master->LastGroupHeader, groupInner);
    EXPECT_EQ(groupOuter->NextGroupHeader, groupInner);
    EXPECT_EQ(detail->MasterBand, master);
    EXPECT_EQ(detail->Level, 2);
    EXPECT_EQ(page->MaxLevel, 2);
    EXPECT_EQ(master->Objects, std::vector<TQmView*>{inMaster});
    const TSortList* hidden = page->Bands(qmbtNone);
    ASSERT_EQ(hidden->Count(), 1);
    EXPECT_EQ((*hidden)[0]->Objects, std::vector<TQmView*>{loose});
    report->FinalPass = true;
    page->Unprepare();
    EXPECT_EQ(page->Bands(qmbtMasterData), nullptr);
}

TEST_F(PageTest, AGroupHeaderWithoutFooterGetsAnInvisibleOne) {
    auto* group = Place<TQmBandGroupHeader>(page, 0, 5);
    Place<TQmBandMasterData>(page, 10, 5);
    page->Prepare();
    ASSERT_NE(group->GroupFooter, nullptr);
    EXPECT_FALSE(group->GroupFooter->Visible);
    EXPECT_EQ(group->GroupFooter->Height, 0);
    EXPECT_TRUE(group->FirstGroup);
}

TEST_F(PageTest, BandsAreSortedByTopAndTextsLinkedToTheirFields) {
    auto* lower = Place<TQmBandMasterData>(page, 30, 5);
    auto* upper = Place<TQmBandMasterData>(page, 10, 5);
    page->Prepare();
    const TSortList* masters = page->Bands(qmbtMasterData);
    ASSERT_EQ(masters->Count(), 2);
    EXPECT_EQ((*masters)[0], upper);
    EXPECT_EQ((*masters)[1], lower);
    EXPECT_EQ(page->FindBand(qmbtMasterData), lower) << "the first in object order";
    EXPECT_EQ(page->ColumnWidth, page->PaperWidth * 100 - 30000);
}

TEST_F(PageTest, MarginsAndScriptNamesInScreenPixels) {
    page->SetspMargin(0, 96);
    EXPECT_EQ(page->Margins[0], 25400);
    Variant value;
    ASSERT_TRUE(page->GetPropValue(page, "SPMARGINLEFT", value, {}));
    EXPECT_EQ(value.AsInteger(), 96);
    ASSERT_TRUE(page->SetPropValue(page, "spMarginTop", 48));
    EXPECT_EQ(page->Margins[1], 12700);
    ASSERT_TRUE(page->GetPropValue(page, "PAGESIZE", value, {}));
    EXPECT_EQ(value.AsInteger(), page->PaperSize);
    EXPECT_EQ(page->PrintableWidth(), page->PaperWidth * 100 - 25400 - 15000);
}

TEST_F(PageTest, ReportFlagsOffsetsAndScriptNames) {
    report->SetReportFlag(1, true);
    report->SetReportFlag(5, true);
    EXPECT_TRUE(report->GetReportFlag(1));
    EXPECT_FALSE(report->GetReportFlag(5));
    EXPECT_EQ(report->ReportFlags, 2);
    ASSERT_TRUE(report->SetPropValue(report.get(), "SPPRINTOFFSETLEFT", 96));
    EXPECT_EQ(report->PrintOffsetLeft, 25400);
    Variant value;
    ASSERT_TRUE(report->GetPropValue(report.get(), "AppendBlanking", value, {}));
    EXPECT_FALSE(value.AsBoolean());
}

TEST_F(PageTest, AFailingPrinterChangeIsUndone) {
    ResetModalResponder();
    PushModalAnswer({IDOK});
    const int before = report->GetPrinter()->PrinterIndex();
    EXPECT_FALSE(report->ChangePrinter(before, 9999));
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "所选打印机错误");
    EXPECT_EQ(report->GetPrinter()->PrinterIndex(), before);
    EXPECT_EQ(page->PaperSize, 9);
    EXPECT_TRUE(report->ChangePrinter(before, 1));
    EXPECT_EQ(page->PaperWidth, 2100);
    report->ChangePrinter(1, before);
    ResetModalResponder();
}

TEST_F(PageTest, ACancelledDialogPageStopsTheBuild) {
    TQmDialogPage* dialog = report->Pages()->AddDialogPage();
    bool activated = false;
    dialog->SetOnActivate(TNotifyEvent([&](TObject*) { activated = true; }));
    dialog->Prepare();
    EXPECT_TRUE(activated) << "no controls: nothing shown";
    EXPECT_FALSE(report->DialogCancelled);

    auto* control = new TEditDialogControl;
    control->SetParentPage(dialog);
    control->SetspBounds(10, 20, 100, 21);
    // The operator closes the dialog with Cancel as soon as it shows.
    activated = false;
    dialog->SetOnActivate(TNotifyEvent([&](TObject*) {
        activated = true;
        dialog->Form()->SetModalResult(mrCancel);
    }));
    dialog->Prepare();
    EXPECT_TRUE(activated);
    EXPECT_TRUE(report->DialogCancelled);
    EXPECT_EQ(control->Control->Parent(), dialog->Form());
    EXPECT_EQ(control->Control->Top(), 20);
    Variant value;
    ASSERT_TRUE(dialog->GetPropValue(dialog, "MODALRESULT", value, {}));
    EXPECT_EQ(value.AsInteger(), mrCancel);
    report->FinalPass = true;
    dialog->Unprepare();
    EXPECT_EQ(dialog->ObjectCount(), 0);
    EXPECT_EQ(dialog->Form(), nullptr);
}

TEST(QmDictionary, SplitsNamesAndEvaluatesQuotedTexts) {
    AnsiString source = "kept", field = "kept";
    TQmDictionary::SplitFieldName("\"a.b\"", source, field);
    EXPECT_EQ(source, "kept");
    TQmDictionary::SplitFieldName("Form1.Source.\"品.牌\"", source, field);
    EXPECT_EQ(source, "Form1.Source");
    EXPECT_EQ(field, "品.牌");

    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    TQmDictionary* dictionary = report->Dictionary();
    dictionary->Variables()->SetVariable("店名", "'手机店'");
    dictionary->Variables()->SetVariable("合计", "1 + 2");
    EXPECT_TRUE(dictionary->IsVariable("店名"));
    Variant value;
    dictionary->GetValue("店名", value);
    EXPECT_EQ(value.AsString(), "手机店");
    dictionary->GetValue("合计", value);
    EXPECT_EQ(value.AsInteger(), 3);
    EXPECT_TRUE(dictionary->IsExprCached("1 + 2"));
    EXPECT_FALSE(dictionary->IsVariable("无此名"));
    EXPECT_EQ(dictionary->RealDataSetName(""), "");

    std::unique_ptr<TQmDataDictionary> aliases(TQmDataDictionary::Create(nullptr));
    AnsiString alias;
    EXPECT_FALSE(aliases->FindFieldAlias("订单", "品牌", alias));
}

class SavedSettings : public testing::Test {
protected:
    void SetUp() override {
        SetRegistryFileName(dir_.file("serviora/registry.dat"));
        report->ReportInfo[0] = "凭证";
        report->SaveReportOptions()->SetAutoLoadSaveSetting(true);
        report->Pages()->AddDialogPage();
        for (int i = 0; i < 2; ++i) report->Pages()->AddReportPage();
    }
    void TearDown() override { SetRegistryFileName(""); }
    TQmReportPage* PageAt(int index) { return static_cast<TQmReportPage*>(report->Pages()->GetPage(index)); }

    TempDir dir_;
    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
};

TEST_F(SavedSettings, RoundTripInTheRegistryAndInAnIniFile) {
    for (bool registry : {true, false}) {
        SCOPED_TRACE(registry);
        report->SaveReportOptions()->SetUseRegistry(registry);
        report->SaveReportOptions()->SetIniFileName(dir_.file("report.ini").c_str());
        report->PrintOffsetTop = 1200;
        report->Taoda = true;
        PageAt(2)->Margins = {1000, 2000, 3000, 4000};
        report->SaveReportOptions()->SaveReportSetting(report.get(), {});
        report->PrintOffsetTop = 0;
        report->Taoda = false;
        PageAt(2)->Margins = {15000, 15000, 15000, 15000};
        report->SaveReportOptions()->LoadReportSetting(report.get(), {});
        EXPECT_EQ(report->PrintOffsetTop, 1200);
        EXPECT_TRUE(report->Taoda);
        EXPECT_EQ(PageAt(2)->Margins, (std::array<Integer, 4>{1000, 2000, 3000, 4000}));
    }
    TIniFile ini(dir_.file("report.ini").c_str());
    EXPECT_EQ(ini.ReadString("凭证", "Page_2_BottomMargin", ""), "4000");
    EXPECT_EQ(ini.ReadString("凭证", "Page_0_LeftMargin", "none"), "none") << "dialog pages have no margins";
    EXPECT_EQ(ini.ReadString("凭证", "NewFlag", ""), "1");
    EXPECT_EQ(ini.ReadString("凭证", "PageCount", ""), "3");
}

TEST_F(SavedSettings, FewerStoredPagesAndMissingKeys) {
    report->SaveReportOptions()->SetUseRegistry(false);
    report->SaveReportOptions()->SetIniFileName(dir_.file("report.ini").c_str());
    {
        TIniFile ini(dir_.file("report.ini").c_str());
        ini.WriteInteger("凭证", "PageCount", 2);
        ini.WriteInteger("凭证", "Page_1_LeftMargin", 500);
    }
    report->SaveReportOptions()->LoadReportSetting(report.get(), {});
    EXPECT_EQ(PageAt(1)->Margins, (std::array<Integer, 4>{500, 0, 0, 0})) << "missing keys read 0";
    EXPECT_EQ(PageAt(2)->Margins[0], 15000) << "pages past the stored count stay";
}

TEST_F(SavedSettings, TheEventReplacesTheStoreAndTheSectionFallsBackToTheFileName) {
    int calls = 0;
    report->SaveReportOptions()->SetAutoLoadSaveSetting(false);
    report->OnLoadReportSetting = TQmLoadSaveReportSettingEvent([&](TQmReport*) { ++calls; });
    report->SaveReportOptions()->LoadReportSetting(report.get(), {});
    EXPECT_EQ(calls, 1);
    report->OnLoadReportSetting = {};

    report->SaveReportOptions()->SetAutoLoadSaveSetting(true);
    report->SaveReportOptions()->SetUseRegistry(false);
    report->SaveReportOptions()->SetIniFileName(dir_.file("report.ini").c_str());
    report->ReportInfo[0].clear();
    report->FileName = "/srv/templates/voucher.qmf";
    report->SaveReportOptions()->SaveReportSetting(report.get(), {});
    report->FileName = "Untitled";
    report->SaveReportOptions()->SaveReportSetting(report.get(), {});
    TIniFile ini(dir_.file("report.ini").c_str());
    EXPECT_TRUE(ini.SectionExists("voucher.qmf"));
    EXPECT_TRUE(ini.SectionExists("Untitled"));
}

TEST_F(SavedSettings, NothingIsTouchedWhenSwitchedOff) {
    report->SaveReportOptions()->SetAutoLoadSaveSetting(false);
    report->SaveReportOptions()->SetUseRegistry(false);
    report->SaveReportOptions()->SetIniFileName(dir_.file("report.ini").c_str());
    report->SaveReportOptions()->SaveReportSetting(report.get(), {});
    TIniFile ini(dir_.file("report.ini").c_str());
    EXPECT_FALSE(ini.SectionExists("凭证"));
}

}  // namespace
