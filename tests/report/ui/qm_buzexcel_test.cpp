// The workbook model: titles and sheet names, the range list's replacement
// rule and its order, dimensions, values and cell types.
#include "report/ui/qm_buzexcel.h"

#include <gtest/gtest.h>


namespace {

TEST(Workbook, TitlesAndSheetNames) {
    TbuzXLSWorkbook book;
    EXPECT_EQ(book.Title(), "buzReport");
    book.SetTitle("  " + AnsiString(70, 'x'));
    EXPECT_EQ(book.Title(), AnsiString(64, 'x'));  // 66 characters, then trimmed
    book.SetTitle("顾客取机凭证" + AnsiString(60, 'y'));
    EXPECT_EQ(book.Title(), "顾客取机凭证" + AnsiString(60, 'y'));  // six hanzi count as six

    TbuzXLSWorksheet* first = book.AddSheet();
    EXPECT_EQ(first->Name(), "Sheet1");
    first->SetName(AnsiString(30, 'a') + " tail");
    EXPECT_EQ(first->Name(), AnsiString(30, 'a'));
    first->SetName("sheet2");
    EXPECT_EQ(book.AddSheet()->Name(), "Sheet3");  // "sheet2" is taken, case aside
    EXPECT_EQ(book.AddSheet()->Name(), "Sheet4");
    EXPECT_EQ(book.IndexOfSheet("Sheet3"), 1);
    EXPECT_EQ(book.IndexOfSheet("SHEET3"), -1);
    EXPECT_EQ(book.Sheets(2)->Index(), 2);
    book.Clear();
    EXPECT_EQ(book.SheetCount(), 0);
}

struct Rect {
    Integer left, top, right, bottom;
};

TEST(Workbook, ALaterRangeReplacesTheRangesItOverlaps) {
    struct Case {
        const char* what;
        Rect first, second;
        bool bothStay;
    };
    const Case cases[] = {
        {"a shared corner cell", {0, 0, 2, 2}, {2, 2, 4, 4}, false},
        {"crossing in the middle cells", {5, 0, 5, 9}, {0, 5, 9, 5}, false},
        {"inside", {0, 0, 9, 9}, {3, 3, 4, 4}, false},
        {"side by side", {0, 0, 2, 2}, {3, 0, 5, 2}, true},
        {"one above the other", {0, 0, 2, 2}, {0, 3, 2, 5}, true},
    };
    for (const Case& c : cases) {
        TbuzXLSWorkbook book;
        TbuzXLSWorksheet* sheet = book.AddSheet();
        const Rect& a = c.first;
        const Rect& b = c.second;
        TbuzXLSRange* first = sheet->GetRange(a.left, a.top, a.right, a.bottom);
        EXPECT_EQ(sheet->GetRange(a.left, a.top, a.right, a.bottom), first) << c.what;
        TbuzXLSRange* second = sheet->GetRange(b.left, b.top, b.right, b.bottom);
        ASSERT_EQ(sheet->RangeCount(), c.bothStay ? 2 : 1) << c.what;
        EXPECT_EQ(sheet->Ranges(sheet->RangeCount() - 1 - (c.bothStay && b.top < a.top)), second) << c.what;
        EXPECT_EQ(sheet->MaxRangeRows(), c.bothStay ? std::max(a.bottom - a.top, b.bottom - b.top) + 1
                                                    : b.bottom - b.top + 1)
            << c.what;
    }
}

TEST(Workbook, RangesStaySortedByTopAndWidenTheDimensions) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    EXPECT_EQ(sheet->Dimensions.Left, -1);
    EXPECT_EQ(sheet->Dimensions.Bottom, -1);
    for (Integer row : {7, 2, 9, 2, 0, 5}) sheet->GetRange(row % 3, row, row % 3, row);
    ASSERT_EQ(sheet->RangeCount(), 5);
    for (int i = 1; i < sheet->RangeCount(); ++i) EXPECT_LE(sheet->Ranges(i - 1)->Top, sheet->Ranges(i)->Top);
    EXPECT_EQ(sheet->Dimensions.Left, 0);
    EXPECT_EQ(sheet->Dimensions.Top, 0);
    EXPECT_EQ(sheet->Dimensions.Right, 2);
    EXPECT_EQ(sheet->Dimensions.Bottom, 9);
    sheet->GetCol(12);
    sheet->GetRow(30);
    EXPECT_EQ(sheet->Dimensions.Right, 12);
    EXPECT_EQ(sheet->Dimensions.Bottom, 30);
    EXPECT_EQ(sheet->GetCol(12), sheet->FindCol(12));
    EXPECT_EQ(sheet->FindRow(31), nullptr);
    sheet->AddPageBreak(40);
    sheet->AddPageBreak(40);
    EXPECT_EQ(sheet->PageBreakCount(), 1);
}

TEST(Workbook, ValuesAndCellTypes) {
    TbuzXLSWorkbook book;
    TbuzXLSRange* range = book.AddSheet()->GetRange(0, 0, 0, 0);
    EXPECT_EQ(range->Font.Name(), "Arial");
    EXPECT_EQ(range->Font.Size(), 10);
    EXPECT_EQ(range->VerticalAlignment, 2);
    range->SetValue("a\r\nb\r\n");
    EXPECT_EQ(VarToStr(range->Value), "a\nb\n");
    struct Case {
        Variant value;
        int type;
    };
    for (const Case& c : {Case{Variant(Integer(3)), 0}, Case{Variant(2.5), 0}, Case{Variant("3"), 1},
                          Case{Variant(true), 1}, Case{Variant(), 1}, Case{VarAsType(Variant(46000.0), varDate), 1}}) {
        range->SetValue(c.value);
        EXPECT_EQ(range->CellType(), c.type) << VarToStr(c.value);
    }
    range->Formula = "SUM(A1;B2)";
    EXPECT_EQ(range->CellType(), 2);
    EXPECT_EQ(FillPatternConstant(fpGray25), -4124);
    EXPECT_EQ(FillPatternConstant(fpVertical), -4166);
}

TEST(Workbook, SizesFollowTheScreen) {
    TbuzXLSRow row;
    row.SetHeightInches(1);
    EXPECT_EQ(row.Height, 1440);
    EXPECT_EQ(row.HeightPixels(), GetScreenPixelsPerInch());
    TbuzXLSCol col;
    EXPECT_EQ(col.WidthPixels(), GetAvgCharWidth() * 9);
    EXPECT_GT(GetAvgCharWidth(), 3);
    col.SetWidthInches(1);
    EXPECT_NEAR(col.WidthPixels(), GetScreenPixelsPerInch(), 1);
    EXPECT_EQ(StringToUTF16("表a"), u"表a");
}

}  // namespace
