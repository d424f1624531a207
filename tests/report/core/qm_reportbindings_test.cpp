// The report classes as a report's script reaches them in a build: screen
// geometry, the engine's constants and colours, band and picture members,
// and the page and preview-click events bound to script procedures.
#include "report/core/qm_reportbindings.h"

#include <gtest/gtest.h>

#include "build_fixtures.h"
#include "support/memory_dataset.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_pictureview.h"
#include "script/qm_kpinterpreter_unit.h"

namespace {

class ReportBindings : public testing::Test, public BuildFixture {
protected:
    ReportBindings() {
        AddBand<TQmBandReportTitle>(0, 40, "Title");
        memo_ = AddText(0, "");
        memo_->SetName("Memo1");
        memo_->SetspBound(2, 100);
        for (int i = 2; i <= 4; ++i) AddText(6 * i, "")->SetName("Memo" + IntToStr(i));
        report->OnUserFunction = TQmFunctionEvent(
            [this](const AnsiString& name, const std::vector<Variant>& arguments, Variant& value, bool& found) {
                if (!AnsiSameText(name, "Probe")) return;
                probes_.push_back(arguments.empty() ? AnsiString() : VarToStr(arguments[0]));
                value = 0;
                found = true;
            });
    }
    void SetScript(const AnsiString& declarations, const AnsiString& body) {
        report->Script()->SetText("unit Report;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n" + declarations +
                                  "procedure Main;\r\nbegin\r\n" + body + "\r\nend;\r\n\r\nend.\r\n");
    }

    TQmMemoView* memo_;
    std::vector<AnsiString> probes_;
};

TEST_F(ReportBindings, ObjectsConstantsAndClassesAreKnownToTheScript) {
    SetScript("", "Memo1.Memo.Text := IntToStr(Memo1.spWidth);\r\nMemo1.spWidth := 50;\r\n"
                  "Memo2.Memo.Text := IntToStr(Memo1.spWidth);\r\n"
                  "Memo3.Memo.Text := IntToStr(clBtnFace) + ' ' + IntToStr(clNone - clTransparent) + ' ' + "
                  "IntToStr(gtShape) + ' ' + IntToStr(qmhTop) + ' ' + IntToStr(qmutMMThousandths);\r\n"
                  "if VarType(TQmBandChild) = VarType(TQmBand) then\r\n"
                  "Memo4.Memo.Text := Page1.FindObject('Memo2').Name;");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(Lines(0), (std::vector<AnsiString>{"100", "50", "-16777201 0 6 3 3", "Memo2"}));
}

TEST_F(ReportBindings, APictureLoadedFromAMissingFileIsCleared) {
    auto* picture = TQmPictureView::Create();
    picture->SetParentPage(page);
    picture->SetName("Picture1");
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(4, 4);
    picture->Picture()->SetGraphic(bitmap.get());
    report->OnUserFunction = TQmFunctionEvent([&](const AnsiString&, const std::vector<Variant>&, Variant& value,
                                                  bool& found) {
        probes_.push_back(Object<TQmPictureView>("Picture1")->Picture()->Graphic() ? "picture" : "none");
        value = 0;
        found = true;
    });
    SetScript("", "Probe;\r\nPicture1.LoadFromFile('/no/such/picture.bmp');\r\nProbe;");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(probes_, (std::vector<AnsiString>{"picture", "none"}));
}

TEST_F(ReportBindings, ABeginPageProcedureReceivesThePageNumber) {
    page->GetEventBindings()->SetVariable("OnBeginPage", "Began");
    SetScript("procedure Began(PageNo: Integer);\r\nbegin\r\nProbe(PageNo);\r\nend;\r\n\r\n", "");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(probes_, std::vector<AnsiString>{"0"}) << "the engine counts pages from 0";
}

TEST_F(ReportBindings, BandsReachTheirObjectsAndTheirDataSource) {
    auto* band = AddBand<TQmBandMasterData>(50, 5, "Data");
    band->SetDataSetName("Rows");
    TQmMemoView* row = AddText(50, "[Rows.\"N\"]");
    row->SetName("Row");
    row->GetEventBindings()->SetVariable("OnBeforePrint", "Before");
    AddSource("Rows", Numbered(2));
    SetScript("procedure Before(Sender: TObject);\r\nbegin\r\n"
              "Probe(Data.Objects[0].Name + ' ' + IntToStr(Data.Dataset.FieldValue('N')) + ' ' + "
              "IntToStr(Data.Dataset.RecordNo));\r\nend;\r\n\r\n",
              "");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(probes_, (std::vector<AnsiString>{"Row 1 0", "Row 2 1"}));
}

TEST_F(ReportBindings, ADatasetOfTheReportsOwnerIsFoundByNameAndSearched) {
    auto* phones = new TMemoryDataSet(owner.get());
    phones->SetName("Phones");
    phones->AddColumn("Brand", ftString, 20);
    phones->AddRow({Variant("Nokia")});
    phones->AddRow({Variant("Apple")});
    phones->Open();
    SetScript("", "Probe(Phones.Locate('Brand', 'APPLE', [loCaseInsensitive]));\r\nProbe(Phones.RecNo);\r\n"
                  "Probe(Phones.Locate('Brand', 'HTC', []));");
    ASSERT_TRUE(report->BuildPreparedPages()) << report->ErrorText;
    EXPECT_EQ(probes_, (std::vector<AnsiString>{"True", "2", "False"}));
}

TEST_F(ReportBindings, APreviewClickProcedureReportsModifiedBack) {
    TKpInterpreterUnit interpreter(nullptr);
    interpreter.SetSource(
        "unit Report;\r\n"
        "procedure Clicked(Sender: TQmReportView; Button: TMouseButton; Shift: TShiftState; var Modified: Boolean);\r\n"
        "begin Modified := (Sender.Name = 'Memo1') and (Button = mbRight) and (Shift = [ssCtrl]); end;\r\n"
        "end.");
    interpreter.Compile();
    TKpEventHandler handler = interpreter.CreateEventHandler("Report", "Clicked", "TQmPreviewClickEvent", memo_);
    memo_->SetOnPreviewClick(TQmPreviewClickEvent::FromMethod(handler.Method));
    bool modified = false;
    memo_->OnPreviewClick()(memo_, mbRight, TShiftState{ssCtrl}, modified);
    EXPECT_TRUE(modified);
    memo_->OnPreviewClick()(memo_, mbLeft, TShiftState{ssCtrl}, modified);
    EXPECT_FALSE(modified);
}

}  // namespace
