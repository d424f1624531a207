// Export of a grid to text, CSV, XLS, HTML and RTF.
#include <cstring>
#include <fstream>
#include <iterator>

#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "tests/datagrid/list_grid_fixture.h"

namespace {

std::string GoldenFile(const char* name) {
    std::ifstream in(std::string(DATAGRID_GOLDEN_DIR) + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The records of a worksheet stream: type and data.
struct XlsRecord {
    int type;
    std::string data;
    int Word(std::size_t at) const {
        return static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8;
    }
};
std::vector<XlsRecord> XlsRecords(const std::string& bytes) {
    std::vector<XlsRecord> records;
    for (std::size_t at = 0; at + 4 <= bytes.size();) {
        XlsRecord head{0, bytes.substr(at, 4)};
        const int length = head.Word(2);
        records.push_back({head.Word(0), bytes.substr(at + 4, static_cast<std::size_t>(length))});
        at += 4 + static_cast<std::size_t>(length);
    }
    return records;
}

// The golden grid: three records of an integer, a currency, a yes/no, a
// date, an empty column and texts with a trail byte 0x5C, a double quote,
// "&<>" and "\{}"; titles and one footer row.
class ExportTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        data_ = std::make_unique<TMemoryDataSet>(nullptr);
        data_->AddColumn("数量", ftInteger);
        data_->AddColumn("价格", ftCurrency);
        data_->AddColumn("已返厂", ftBoolean);
        data_->AddColumn("接待日期", ftDate);
        data_->AddColumn("空", ftString, 10);
        data_->AddColumn("备注", ftString, 20);
        data_->AddRow({7, 1.5, true, "2024-03-07", Null(), "\x81\x5C机"});
        data_->AddRow({12, 20.0, false, "2024-12-31", Null(), "他说\"好\""});
        data_->AddRow({-3, 300.25, true, "2025-01-01", Null(), "&<>\\{}"});
        data_->Open();
        source_->SetDataSet(data_.get());
        grid_ = NewGrid();
        grid_->SetName("DBGridVyn1");
        grid_->SetFooterRowCount(1);
        for (const char* name : {"数量", "价格", "已返厂", "接待日期", "空", "备注"}) {
            TColumnVyn* column = grid_->Columns()->Add();
            column->SetFieldName(name);
            column->SetWidth(96);
        }
        grid_->Columns()->Items(0)->Footer()->SetValue("合计数量");
        grid_->Columns()->Items(0)->Footer()->SetValueType(fvtStaticText);
        grid_->Columns()->Items(1)->Footer()->SetValueType(fvtSum);
        grid_->Columns()->Items(3)->Footer()->SetValueType(fvtCount);
        grid_->SetDataSource(source_.get());
    }
    void TearDown() override {
        grids_.clear();
        data_.reset();
        GridTest::TearDown();
    }
    std::string Export(TDBGridVynExportClass exportClass, bool allRows = true) {
        TMemoryStream stream;
        ExportDBGridVynToStream(exportClass, grid_, &stream, allRows);
        return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
    }

    std::unique_ptr<TMemoryDataSet> data_;
    TProbeGrid* grid_ = nullptr;
};

}  // namespace

TEST_F(ExportTest, EachFormatWritesItsGoldenFile) {
    const struct {
        TDBGridVynExportClass exportClass;
        const char* file;
    } formats[] = {{TDBGridVynExportAsText::StaticClass(), "export.txt"},
                   {TDBGridVynExportAsCSV::StaticClass(), "export.csv"},
                   {TDBGridVynExportAsHTML::StaticClass(), "export.htm"},
                   {TDBGridVynExportAsRTF::StaticClass(), "export.rtf"},
                   {TDBGridVynExportAsXLS::StaticClass(), "export.xls"}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.file);
        const std::string golden = GoldenFile(format.file);
        ASSERT_FALSE(golden.empty());
        EXPECT_EQ(Export(format.exportClass), golden);
    }
}

// Formats skip what they do not read, but cell-parameter events still see
// every cell whole: the text, font and check state, and what they change
// of the text is written.
TEST_F(ExportTest, CellParameterEventsSeeEveryCellAndTheirTextIsWritten) {
    std::vector<std::string> seen;
    grid_->SetOnGetCellParams([&](TObject*, TColumnVyn* column, TFont* font, TColor&, TGridDrawState) {
        seen.push_back(column->FieldName() + "/" + std::to_string(font->Size()));
    });
    EXPECT_EQ(Export(TDBGridVynExportAsXLS::StaticClass()), GoldenFile("export.xls"));
    EXPECT_EQ(seen.size(), 3u * 6);
    EXPECT_EQ(seen.front(), "数量/" + std::to_string(grid_->Columns()->Items(0)->Font()->Size()));

    std::vector<std::pair<std::string, TCheckBoxState>> cells;
    grid_->Columns()->Items(2)->SetOnGetCellParams([&](TObject*, bool, TColCellParamsVyn* params) {
        cells.emplace_back(params->Text, params->CheckboxState);
        params->Text = params->CheckboxState == cbChecked ? "是" : "否";
    });
    const std::string csv = Export(TDBGridVynExportAsCSV::StaticClass());
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0], (std::pair<std::string, TCheckBoxState>{data_->FieldByName("已返厂")->DisplayText(), cbChecked}));
    EXPECT_NE(csv.find("\"7\";\"" + data_->FieldByName("价格")->DisplayText() + "\";\"是\";"), std::string::npos);
    EXPECT_NE(csv.find(";\"否\";\"2024-12-31\";"), std::string::npos);
}

TEST_F(ExportTest, WithoutTitlesNoFormatWritesATitleRow) {
    grid_->SetOptions(grid_->Options() - TDBGridOptions{dgTitles});
    EXPECT_EQ(Export(TDBGridVynExportAsText::StaticClass()).substr(0, 3), "7\t\xA3");
    // Title cells are the ones without a background.
    EXPECT_EQ(Export(TDBGridVynExportAsHTML::StaticClass()).find("ALIGN=\"LEFT\"><FONT"), std::string::npos);
    const std::vector<XlsRecord> records = XlsRecords(Export(TDBGridVynExportAsXLS::StaticClass()));
    EXPECT_EQ(records[2].type, 0x027E);
    EXPECT_EQ(records[2].Word(0), 0);
}

TEST_F(ExportTest, TwoRecordsAsText) {
    auto pairs = std::make_unique<TMemoryDataSet>(nullptr);
    pairs->AddColumn("X", ftString, 5);
    pairs->AddColumn("Y", ftString, 5);
    pairs->AddRow({"a", "b"});
    pairs->AddRow({"c", "d"});
    pairs->Open();
    source_->SetDataSet(pairs.get());
    grid_->Columns()->Clear();
    grid_->SetFooterRowCount(0);
    EXPECT_EQ(Export(TDBGridVynExportAsText::StaticClass()), "X\tY\r\na\tb\r\nc\td");
    grid_->SetDataSource(nullptr);
}

TEST_F(ExportTest, XlsCellsFillTheSheetRowByRow) {
    const std::vector<XlsRecord> records = XlsRecords(Export(TDBGridVynExportAsXLS::StaticClass()));
    ASSERT_EQ(records.size(), 3u + 5 * 6);
    EXPECT_EQ(records.front().type, 0x0809);
    // The labels' code page, so that other readers decode the Chinese texts.
    EXPECT_EQ(records[1].type, 0x0042);
    EXPECT_EQ(records[1].Word(0), 936);
    EXPECT_EQ(records.back().type, 0x000A);
    for (std::size_t i = 2; i + 1 < records.size(); ++i) {
        EXPECT_EQ(records[i].Word(0), static_cast<int>((i - 2) / 6));
        EXPECT_EQ(records[i].Word(2), static_cast<int>((i - 2) % 6));
    }
    // 7 as RK: 7 * 4 + 2.
    EXPECT_EQ(records[8].type, 0x027E);
    EXPECT_EQ(records[8].Word(6), 30);
    // The empty column: BLANK with XF 0x17.
    EXPECT_EQ(records[12].type, 0x0201);
    EXPECT_EQ(records[12].Word(4), 0x17);
}

TEST_F(ExportTest, XlsIntegersOutsideRkAndBytesFields) {
    auto numbers = std::make_unique<TMemoryDataSet>(nullptr);
    numbers->AddColumn("N", ftInteger);
    numbers->AddColumn("B", ftBytes, 4);
    numbers->AddRow({(1 << 29) - 1, "ab"});
    numbers->AddRow({1 << 29, Null()});
    numbers->AddRow({-(1 << 29), "cd"});
    numbers->AddRow({-(1 << 29) - 1, "ef"});
    numbers->Open();
    source_->SetDataSet(numbers.get());
    grid_->Columns()->Clear();
    grid_->SetFooterRowCount(0);
    grid_->SetOptions(grid_->Options() - TDBGridOptions{dgTitles});
    const std::vector<XlsRecord> records = XlsRecords(Export(TDBGridVynExportAsXLS::StaticClass()));
    ASSERT_EQ(records.size(), 11u);
    const int expected[] = {0x027E, 0x0204, 0x0203, 0x0201, 0x027E, 0x0204, 0x0203, 0x0204};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(records[static_cast<std::size_t>(i + 2)].type, expected[i]) << i;
    double value = 0;
    std::memcpy(&value, records[4].data.data() + 6, sizeof value);
    EXPECT_EQ(value, 536870912.0);
    grid_->SetDataSource(nullptr);
}

TEST_F(ExportTest, XlsRefusesRowsItCannotNumber) {
    auto many = std::make_unique<TMemoryDataSet>(nullptr);
    many->AddColumn("N", ftInteger);
    for (int i = 0; i < 65535; ++i) many->AddRow({i});
    many->Open();
    source_->SetDataSet(many.get());
    grid_->Columns()->Clear();
    grid_->SetFooterRowCount(0);
    // The title and 65,535 records fill rows 0 to 65,535.
    EXPECT_EQ(XlsRecords(Export(TDBGridVynExportAsXLS::StaticClass())).size(), 65536u + 3);
    many->Close();
    many->AddRow({65535});
    many->Open();
    EXPECT_THROW(Export(TDBGridVynExportAsXLS::StaticClass()), EWriteError);
    grid_->SetDataSource(nullptr);
}

TEST_F(ExportTest, FooterTotalsCountTheExportedRecordsAverageAllOfThem) {
    TColumnFooterVyn* count = grid_->Columns()->Items(4)->Footer();
    count->SetValueType(fvtCount);
    TColumnFooterVyn* average = grid_->Columns()->Items(5)->Footer();
    average->SetValueType(fvtAvg);
    average->SetFieldName("价格");
    grid_->SumList()->SetActive(true);
    data_->First();
    data_->Next();
    grid_->SelectedRows()->SetCurrentRowMarked(true);
    grid_->Selection()->SetKind(gstRecordBookmarks);
    const std::string text = Export(TDBGridVynExportAsText::StaticClass(), false);
    const std::string footer = text.substr(text.rfind("\r\n") + 2);
    // The count counts the null value of the one record; the average is the
    // grid's own over every record.
    const AnsiString gridAverage = grid_->FooterCellText(0, grid_->Columns()->Items(5));
    EXPECT_EQ(footer, "合计数量\t\xA3\xA4" "20.00\t\t1\t1\t" + gridAverage);
    EXPECT_EQ(gridAverage, "\xA3\xA4" "107.25");
}

TEST_F(ExportTest, LargeintSumsShowAsIntegers) {
    auto numbers = std::make_unique<TMemoryDataSet>(nullptr);
    numbers->AddColumn("L", ftLargeint);
    numbers->AddRow({Variant(Int64(5000000000))});
    numbers->AddRow({Variant(Int64(1))});
    numbers->Open();
    source_->SetDataSet(numbers.get());
    grid_->Columns()->Clear();
    grid_->SetOptions(grid_->Options() - TDBGridOptions{dgTitles});
    grid_->Columns()->Add()->SetFieldName("L");
    grid_->Columns()->Items(0)->Footer()->SetValueType(fvtSum);
    EXPECT_EQ(Export(TDBGridVynExportAsCSV::StaticClass()), "\"5000000000\"\r\n\"1\"\r\n\"5000000001\"");
    grid_->SetDataSource(nullptr);
}

TEST_F(ExportTest, HtmlTextColoursAndTableAttributes) {
    TFont font;
    font.SetName("宋体");
    font.SetSize(9);
    font.SetStyle(TFontStyles{fsBold, fsItalic});
    EXPECT_EQ(HtmlFontText(&font, "a&b<\"c\">"),
              "<FONT STYLE=\"font-family: 宋体; font-size: 9pt; color: #000000\"><B><I>a&ampb&lt&quotc&quot&gt</B></I>"
              "</FONT>");
    EXPECT_NE(HtmlFontText(&font, "").find("<I>&nbsp</B>"), std::string::npos);
    EXPECT_EQ(HtmlColor(clWhite), "FFFFFF");
    EXPECT_EQ(HtmlColor(static_cast<TColor>(0x1FFFFFFF)), "000000");
    EXPECT_EQ(HtmlColor(TColor(0x0080FF)), "FF8000");
    const struct {
        TDBGridOptions lines;
        bool ctl3D, flat;
        const char* table;
    } cases[] = {
        {{dgColLines, dgRowLines}, true, false, "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=2 "},
        {{dgColLines}, false, true, "<TABLE BORDER=0 CELLSPACING=1 CELLPADDING=1 "},
        {{}, true, false, "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=2 "},
    };
    for (const auto& c : cases) {
        grid_->SetOptions(grid_->Options() - TDBGridOptions{dgColLines, dgRowLines} + c.lines);
        grid_->SetCtl3D(c.ctl3D);
        grid_->SetFlat(c.flat);
        EXPECT_NE(Export(TDBGridVynExportAsHTML::StaticClass()).find(c.table), std::string::npos) << c.table;
    }
}

TEST_F(ExportTest, RtfTablesAndEscapes) {
    // A trail byte 0x5C inside a character is hex; a character outside GBK
    // is written in UTF-16 units.
    EXPECT_EQ(RtfEscape("\x81\x5C\\{}a"), "\\'81\\'5c\\\\\\{\\}a");
    EXPECT_EQ(RtfEscape("\x95\x32\x82\x36"), "\\u-10176?\\u-9216?");
    grid_->Columns()->Items(1)->SetColor(clYellow);
    grid_->Columns()->Items(2)->Font()->SetName("宋体");
    const std::string rtf = Export(TDBGridVynExportAsRTF::StaticClass());
    EXPECT_NE(rtf.find("{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red212\\green208\\blue200;"
                       "\\red255\\green255\\blue0;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("{\\fonttbl\\f0\\fnil\\fcharset134 MS Sans Serif;\\f1\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\cellx1440\r\n"), std::string::npos);
    EXPECT_NE(rtf.find("\\cellx2880\r\n"), std::string::npos);
}

TEST_F(ExportTest, AnEmptySelectionWritesNothing) {
    ASSERT_EQ(grid_->Selection()->Kind(), gstNon);
    for (auto exportClass : {TDBGridVynExportAsText::StaticClass(), TDBGridVynExportAsCSV::StaticClass(),
                             TDBGridVynExportAsHTML::StaticClass(), TDBGridVynExportAsRTF::StaticClass(),
                             TDBGridVynExportAsXLS::StaticClass()})
        EXPECT_EQ(Export(exportClass, false), "") << exportClass->ClassName();
    // A rectangle without its corners is no selection either.
    grid_->Selection()->SetKind(gstRectangle);
    EXPECT_EQ(Export(TDBGridVynExportAsRTF::StaticClass(), false), "");
    EXPECT_EQ(Export(TDBGridVynExportAsText::StaticClass(), false), "");
}

TEST_F(ExportTest, SelectedRecordsAreWrittenInTheSelectionsOrder) {
    data_->Last();
    grid_->SelectedRows()->SetCurrentRowMarked(true);
    data_->First();
    grid_->SelectedRows()->SetCurrentRowMarked(true);
    grid_->Selection()->SetKind(gstRecordBookmarks);
    const std::string text = Export(TDBGridVynExportAsText::StaticClass(), false);
    EXPECT_EQ(text.substr(text.find("\r\n") + 2, 3), "7\t\xA3");
    EXPECT_NE(text.find("\r\n-3\t"), std::string::npos);
    EXPECT_EQ(text.find("\r\n12\t"), std::string::npos);
}

TEST_F(ExportTest, ARectangleSelectionWritesItsColumnsOfItsRecordsInEitherDirection) {
    data_->Last();
    const TBookmarkStr last = data_->Bookmark();
    data_->First();
    grid_->Selection()->Rect()->ExtendTo(1, data_->Bookmark(), false);
    data_->Next();
    grid_->Selection()->Rect()->ExtendTo(0, data_->Bookmark(), true);
    ASSERT_EQ(grid_->Selection()->Kind(), gstRectangle);
    const std::string down = Export(TDBGridVynExportAsText::StaticClass(), false);
    EXPECT_EQ(down.substr(0, down.find("\r\n")), "数量\t价格");
    EXPECT_NE(down.find("\r\n7\t"), std::string::npos);
    EXPECT_NE(down.find("\r\n12\t"), std::string::npos);
    EXPECT_EQ(down.find("\r\n-3\t"), std::string::npos);
    EXPECT_EQ(down.find("是"), std::string::npos);  // the yes/no column is outside

    grid_->Selection()->Rect()->ExtendTo(0, last, false);  // anchored on the last record, extended upward
    data_->SetRecNo(2);
    grid_->Selection()->Rect()->ExtendTo(0, data_->Bookmark(), true);
    const std::string up = Export(TDBGridVynExportAsText::StaticClass(), false);
    EXPECT_EQ(up.substr(0, up.find("\r\n")), "数量");
    EXPECT_NE(up.find("\r\n12"), std::string::npos);
    EXPECT_NE(up.find("\r\n-3"), std::string::npos);
    EXPECT_EQ(up.find("\r\n7"), std::string::npos);
}

TEST_F(ExportTest, AFileThatCannotBeCreatedRaises) {
    EXPECT_THROW(ExportDBGridVynToFile(TDBGridVynExportAsCSV::StaticClass(), grid_, "/nonexistent/dir/x.csv", true),
                 Exception);
}

using ListExportTest = ListGridTest;

TEST_F(ListExportTest, EveryFormatWritesTheSortedListWithTitlesAndFooter) {
    ClickTitle(1);
    ASSERT_EQ(query_->Sort(), "品牌");
    TempDir dir;
    const struct {
        TDBGridVynExportClass exportClass;
        const char* file;
    } formats[] = {{TDBGridVynExportAsText::StaticClass(), "list.txt"},
                   {TDBGridVynExportAsCSV::StaticClass(), "list.csv"},
                   {TDBGridVynExportAsHTML::StaticClass(), "list.htm"},
                   {TDBGridVynExportAsRTF::StaticClass(), "list.rtf"},
                   {TDBGridVynExportAsXLS::StaticClass(), "list.xls"}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.file);
        const AnsiString file = dir.file(format.file);
        ExportDBGridVynToFile(format.exportClass, grid_, file, true);
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        // RTF writes non-ASCII text escaped.
        const bool rtf = format.exportClass == TDBGridVynExportAsRTF::StaticClass();
        auto text = [rtf](const char* s) { return rtf ? RtfEscape(s) : AnsiString(s); };
        const std::size_t title = bytes.find(text("品牌")), a = bytes.find("0002"), b = bytes.find("0003"),
                          c = bytes.find("0001"), total = bytes.find(text("合计数量"));
        ASSERT_NE(title, std::string::npos);
        ASSERT_NE(total, std::string::npos);
        EXPECT_LT(title, a);
        EXPECT_LT(a, b);
        EXPECT_LT(b, c);
        EXPECT_LT(c, total);
    }
}

TEST_F(ExportTest, MultiLevelTitlesMergeTheirCells) {
    grid_->Columns()->Clear();
    grid_->SetFooterRowCount(0);
    const char* captions[][2] = {{"数量", "X|Y|a"}, {"价格", "X|Y|b"}, {"备注", "X|Z|c"}, {"已返厂", "A"}, {"接待日期", "G|Y"}};
    for (auto& c : captions) {
        TColumnVyn* column = grid_->Columns()->Add();
        column->SetFieldName(c[0]);
        column->Title()->SetCaption(c[1]);
        column->SetWidth(96);
    }
    grid_->SetUseMultiTitle(true);
    EXPECT_EQ(Export(TDBGridVynExportAsHTML::StaticClass()), GoldenFile("export-multititle.htm"));
    EXPECT_EQ(Export(TDBGridVynExportAsRTF::StaticClass()), GoldenFile("export-multititle.rtf"));

    // A single-level title as tall as two levels spans both rows.
    for (int i = 0; i < 3; ++i) grid_->Columns()->Delete(0);
    const std::string html = Export(TDBGridVynExportAsHTML::StaticClass());
    const std::string font = "<FONT STYLE=\"font-family: MS Sans Serif; font-size: 8pt; color: #000000\">";
    EXPECT_NE(html.find("<TR>\r\n  <TD ALIGN=\"CENTER\" ROWSPAN = \"2\">" + font + "A</FONT></TD>\r\n"
                        "  <TD ALIGN=\"CENTER\">" + font + "G</FONT></TD>\r\n</TR>\r\n<TR>\r\n"
                        "  <TD WIDTH=96 ALIGN=\"CENTER\">" + font + "Y</FONT></TD>\r\n</TR>"),
              std::string::npos);
}

TEST_F(ListExportTest, TheCurrentRecordAndTheVisibleWindowStay) {
    for (int i = 10; i < 40; ++i) db_->Exec(Format("INSERT INTO 流水记录 (编号) VALUES ('%.4d')", {i}));
    query_->Close();
    query_->Open();
    ProcessMessages();
    query_->MoveBy(25);
    query_->MoveBy(-3);
    ProcessMessages();
    const AnsiString current = query_->FieldByName("编号")->AsString();
    const int activeRecord = grid_->DataLink()->ActiveRecord();
    ASSERT_GT(activeRecord, 0);
    TMemoryStream stream;
    ExportDBGridVynToStream(TDBGridVynExportAsCSV::StaticClass(), grid_, &stream, true);
    EXPECT_GT(stream.Size(), 0);
    EXPECT_EQ(query_->FieldByName("编号")->AsString(), current);
    EXPECT_EQ(grid_->DataLink()->ActiveRecord(), activeRecord);
}
