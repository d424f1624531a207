// The spreadsheet filter's layout of engine-prepared pages, checked on the
// workbook it builds: boundaries and their precision, column and row sizes,
// sheets every PagesOfSheet pages, page selections, text, number and fill
// cells, objects covered by later ones; then the file saved at the end.
#include <gtest/gtest.h>

#include <fstream>

#include "export_fixture.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/shellapi.h"
#include "report/ui/qm_buzexcel.h"
#include "report/ui/qm_e_xls.h"
#include "support/temp_dir.h"

namespace {

// Keeps the workbook the filter would save.
class KeepingXLSExport : public TQmXLSExport {
    SERVIORA_CLASS(KeepingXLSExport, TQmXLSExport)
public:
    using TQmXLSExport::TQmXLSExport;
    void OnEndDoc() override {
        TQmXLSExport::OnEndDoc();
        kept = std::move(Workbook);
    }
    std::unique_ptr<TbuzXLSWorkbook> kept;
};

class XLSLayout : public testing::Test, public ExportPages {
protected:
    void SetUp() override {
        filter->SetShowDialog(false);
        filter->SetShowAfterExport(false);
    }
    TbuzXLSWorkbook* Export() {
        report->ExportPreparedPages(filter.get(), dir.file("out.xls"));
        return filter->kept.get();
    }
    void AddMemoPage(const AnsiString& text) {
        std::vector<std::unique_ptr<TQmView>> views;
        views.push_back(Memo("Memo1", text, 10, 20, 100, 30));
        AddPage(std::move(views));
    }
    static double Inches(int pixels) { return double(Round(double(pixels) / GetScreenPixelsPerInch() * 100)) / 100; }
    static int Twips(int pixels) { return int(Round(Inches(pixels) * 1440)); }

    TempDir dir;
    std::unique_ptr<KeepingXLSExport> filter{KeepingXLSExport::Create(nullptr)};
};

TEST_F(XLSLayout, OneObjectCutsTwoColumnsAndTwoRows) {
    AddMemoPage("单元");
    TbuzXLSWorkbook* book = Export();
    ASSERT_TRUE(book);
    ASSERT_EQ(book->SheetCount(), 1);
    TbuzXLSWorksheet* sheet = book->Sheets(0);
    EXPECT_EQ(sheet->Name(), "Sheet1");
    TbuzXLSCol probe;
    probe.SetWidthInches(Inches(10));
    EXPECT_EQ(sheet->FindCol(0)->Width, probe.Width) << "column 0 reaches the object's left edge";
    probe.SetWidthInches(Inches(111 - 10 - 2));
    EXPECT_EQ(sheet->FindCol(1)->Width, probe.Width) << "a text record reaches one pixel further: 99 pixels";
    TbuzXLSRow row;
    row.SetHeightInches(Inches(20));
    EXPECT_EQ(sheet->FindRow(0)->Height, row.Height);
    row.SetHeightInches(Inches(30));
    EXPECT_EQ(sheet->FindRow(1)->Height, row.Height);
    ASSERT_EQ(sheet->RangeCount(), 1);
    TbuzXLSRange* range = sheet->Ranges(0);
    EXPECT_EQ((std::vector<int>{range->Left, range->Top, range->Right, range->Bottom}), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(range->Value.AsString(), "单元");
}

TEST_F(XLSLayout, EdgesOnePixelApartShareABoundaryOnlyWithPrecisionOne) {
    for (int precision : {1, 0}) {
        SCOPED_TRACE(precision);
        report->EndPages()->Clear();
        std::vector<std::unique_ptr<TQmView>> views;
        views.push_back(Memo("Memo1", "a", 10, 10, 50, 20));
        views.push_back(Memo("Memo2", "b", 11, 40, 50, 20));
        AddPage(std::move(views));
        filter->SetExportPrecision(precision);
        TbuzXLSWorksheet* sheet = Export()->Sheets(0);
        EXPECT_EQ(sheet->Ranges(1)->Left, precision == 1 ? 1 : 2);
        if (precision == 0) {
            EXPECT_EQ(sheet->FindCol(1)->Width, 0) << "-1 pixel is written as 0";
        }
    }
}

TEST_F(XLSLayout, PagesOfSheetTwoPutsFivePagesOnThreeSheetsWithBreaks) {
    for (int i = 0; i < 5; ++i) AddMemoPage(IntToStr(i + 1));
    filter->SetPagesOfSheet(2);
    TbuzXLSWorkbook* book = Export();
    ASSERT_EQ(book->SheetCount(), 3);
    EXPECT_EQ(book->Sheets(2)->Name(), "Sheet3");
    TbuzXLSWorksheet* first = book->Sheets(0);
    ASSERT_EQ(first->RangeCount(), 2);
    EXPECT_EQ(first->Ranges(1)->Top, 3) << "the second page starts below the first page's two rows";
    ASSERT_GE(first->PageBreakCount(), 1);
    EXPECT_EQ(first->PageBreaks(0), 2);
    EXPECT_EQ(book->Sheets(2)->RangeCount(), 1);
    EXPECT_EQ(book->Sheets(2)->Ranges(0)->Value.AsString(), "5");
}

TEST_F(XLSLayout, APageSelectionExportsItsPagesAndABadOneIsAnError) {
    for (int i = 0; i < 6; ++i) AddMemoPage(IntToStr(i + 1));
    filter->SetExportPages("2,4-");
    TbuzXLSWorksheet* sheet = Export()->Sheets(0);
    std::vector<AnsiString> texts;
    for (int i = 0; i < sheet->RangeCount(); ++i) texts.push_back(sheet->Ranges(i)->Value.AsString());
    EXPECT_EQ(texts, (std::vector<AnsiString>{"2", "4", "5", "6"}));

    TStringList pages;
    ParseExportPages(" 1, 3,5-7", 9, 1, &pages);
    EXPECT_EQ(pages.CommaText(), "1,3,5,6,7");
    ParseExportPages("CURPAGE", 9, 4, &pages);
    EXPECT_EQ(pages.CommaText(), "4");
    ParseExportPages("", 9, 4, &pages);
    EXPECT_EQ(pages.Count(), 0);
    for (const char* bad : {"1,,3", "a", "-3"}) EXPECT_THROW(ParseExportPages(bad, 9, 1, &pages), EQmExportError) << bad;
    filter->SetExportPages("1,,3");
    filter->kept.reset();
    EXPECT_THROW(Export(), EQmExportError);
    EXPECT_FALSE(filter->kept);
}

TEST_F(XLSLayout, TextsNumbersFillsAndCoveredObjects) {
    std::vector<std::unique_ptr<TQmView>> views;
    views.push_back(Shape("Shape1", 0, 0, 300, 100));
    views.push_back(Memo("Memo1", "行一\r\n面积m~2|\r\n", 10, 10, 100, 30));
    auto number = Memo("Memo2", "12.5", 120, 10, 60, 30);
    number->SetFlag(QmFlag::ExportAsNumber, true);
    number->FillColor = clWhite;
    views.push_back(std::move(number));
    auto yellow = Memo("Memo3", "黄", 190, 10, 60, 30);
    yellow->FillColor = clYellow;
    yellow->Frame(qmfsLeft)->SetVisible(true);
    yellow->Frame(qmfsLeft)->SetStyle(psDash);
    static_cast<TQmMemoView*>(yellow.get())->HAlign = qmhRight;
    static_cast<TQmMemoView*>(yellow.get())->VAlign = qmvCenter;
    static_cast<TQmMemoView*>(yellow.get())->RotationType = qmrt270;
    views.push_back(std::move(yellow));
    AddPage(std::move(views));
    TbuzXLSWorksheet* sheet = Export()->Sheets(0);
    EXPECT_EQ(sheet->Images.Count(), 0) << "the rectangle behind the memos is not exported";
    ASSERT_EQ(sheet->RangeCount(), 3);
    TbuzXLSRange* text = sheet->Ranges(0);
    EXPECT_EQ(text->Value.AsString(), "行一\n面积㎡") << "the trailing line break goes";
    EXPECT_TRUE(text->WrapText);
    EXPECT_EQ(text->CellType(), 1);
    TbuzXLSRange* value = sheet->Ranges(1);
    EXPECT_EQ(value->CellType(), 0);
    EXPECT_DOUBLE_EQ(value->Value.AsDouble(), 12.5);
    EXPECT_EQ(value->FillPattern, fpNone) << "white is no fill";
    TbuzXLSRange* filled = sheet->Ranges(2);
    EXPECT_EQ(filled->FillPattern, fpSolid);
    EXPECT_EQ(filled->ForegroundColor, clYellow);
    EXPECT_EQ(filled->Borders[3].LineStyle, 3) << "a dashed left frame";
    EXPECT_EQ(filled->Borders[5].LineStyle, 0);
    EXPECT_EQ(filled->HorizontalAlignment, 3);
    EXPECT_EQ(filled->VerticalAlignment, 1);
    EXPECT_EQ(filled->Rotation, 180) << "turned 270 degrees, a rotated text stays text";
    EXPECT_EQ(text->Rotation, 0);
}

TEST_F(XLSLayout, APictureIsAnchoredAtItsCells) {
    std::vector<std::unique_ptr<TQmView>> views;
    views.push_back(Shape("Shape1", 10, 20, 100, 30));
    AddPage(std::move(views));
    TbuzXLSWorksheet* sheet = Export()->Sheets(0);
    ASSERT_EQ(sheet->Images.Count(), 1);
    TbuzImage* image = sheet->Images[0];
    EXPECT_EQ((std::vector<int>{image->Left, image->Top, image->Right, image->Bottom}), (std::vector<int>{1, 1, 2, 2}));
}

// The filter as it saves: the file type by extension, case aside, the
// shell's "open", and the user's handler back in place whatever happens.
class XLSSave : public testing::Test, public ExportPages {
protected:
    void SetUp() override {
        AddMemoPage();
        filter->SetShowDialog(false);
        filter->OnAfterExport = [this](const AnsiString& name) { afterExport.push_back(name); };
        ClearRecordedShellRequests();
        SetShellRecording(true);
    }
    void TearDown() override { SetShellRecording(false); }
    void AddMemoPage() {
        std::vector<std::unique_ptr<TQmView>> views;
        views.push_back(Memo("Memo1", "凭证", 10, 20, 100, 30));
        AddPage(std::move(views));
    }
    static std::string Head(const AnsiString& file) {
        std::ifstream in(file, std::ios::binary);
        std::string head(4, '\0');
        in.read(head.data(), 4);
        return head;
    }

    TempDir dir;
    std::unique_ptr<TQmXLSExport> filter{TQmXLSExport::Create(nullptr)};
    std::vector<AnsiString> afterExport;
};

TEST_F(XLSSave, TheExtensionChoosesTheWriterAndTheFileIsOpened) {
    report->ExportPreparedPages(filter.get(), dir.file("A.XLS"));
    EXPECT_EQ(Head(dir.file("A.XLS")), std::string("\xD0\xCF\x11\xE0", 4)) << "a BIFF8 compound file";
    report->ExportPreparedPages(filter.get(), dir.file("b.htm"));
    EXPECT_EQ(Head(dir.file("b.htm")).substr(0, 1), "<");
    ASSERT_EQ(RecordedShellRequests().size(), 2u);
    EXPECT_EQ(RecordedShellRequests()[0].operation, "open");
    EXPECT_EQ(RecordedShellRequests()[0].file, dir.file("A.XLS"));
    EXPECT_EQ(afterExport, (std::vector<AnsiString>{dir.file("A.XLS"), dir.file("b.htm")}));
    EXPECT_FALSE(filter->Workbook);
}

TEST_F(XLSSave, AWriterErrorLeavesTheUsersHandlerInPlaceAndNoWorkbook) {
    const AnsiString unwritable = dir.file("missing") + "/x.xls";
    EXPECT_ANY_THROW(report->ExportPreparedPages(filter.get(), unwritable));
    EXPECT_FALSE(filter->Workbook);
    EXPECT_TRUE(afterExport.empty()) << "the user's handler is not called";
    EXPECT_TRUE(RecordedShellRequests().empty());
    report->ExportPreparedPages(filter.get(), dir.file("again.xls"));
    EXPECT_EQ(afterExport, (std::vector<AnsiString>{dir.file("again.xls")})) << "and is called on the next export";
}

}  // namespace
