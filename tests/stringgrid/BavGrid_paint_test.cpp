// Painting of the string grid: the colour chain of a cell, text, links and
// indicators drawn into a bitmap, the colour styles, the floating footer,
// and a screenshot of a grid showing them together.
#include <gtest/gtest.h>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphics.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavSearchFooter.h"
#include "stringgrid/BavUtil.h"
#include "tests/platform/win/window_fixture.h"
#include "tests/stringgrid/grid_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

class PaintTest : public StringGridTest {
protected:
    // The cell drawn on its own into a silver bitmap of the cell's size
    // (the cell's background is the base grid's to fill).
    void DrawCell(int col, int row, int width = 120, int height = 40) {
        bitmap.SetSize(width, height);
        bitmap.Canvas()->Brush()->SetColor(clSilver);
        bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
        bitmap.Canvas()->Font()->Assign(grid->Font());
        grid->DrawGridCell(bitmap.Canvas(), col, row, Rect(0, 0, width, height), TGridDrawState());
    }
    // Whether any pixel of the rows [top, bottom) has the colour.
    bool RowsHold(int top, int bottom, TColor color) {
        const COLORREF wanted = ColorToRGB(color);
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == wanted) return true;
        return false;
    }
    TColor BrushOf(int col, int row, TGridDrawState state = TGridDrawState()) {
        TBrush brush;
        TFont font;
        TColor colorTo = clNone;
        TCellGradientDirection direction = GradientVertical;
        grid->GetCellColor(col, row, state, &brush, &font, colorTo, direction, false, true, true);
        return brush.Color();
    }
    TBitmap bitmap;
};

}  // namespace

// Every column of a multi-column sort marks its header: with IndexShow on
// a triangle in the index colour.
TEST_F(PaintTest, EachColumnOfAMultiColumnSortMarksItsHeader) {
    grid->SetColCount(4);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetIndexShow(true);
    grid->SortSettings()->SetIndexColor(clLime);
    grid->SortSettings()->SetColumn(2);
    grid->SortIndexes()->AddIndex(2, true);
    grid->SortIndexes()->AddIndex(1, false);
    for (int col = 1; col <= 3; ++col) grid->SetCells(col, 0, "列");
    for (const auto& [col, marked] : {std::pair{1, true}, {2, true}, {3, false}}) {
        DrawCell(col, 0, 80, 24);
        EXPECT_EQ(RowsHold(0, 24, clLime), marked) << col;
    }
    grid->SortSettings()->SetIndexShow(false);
    DrawCell(1, 0, 80, 24);
    EXPECT_FALSE(RowsHold(0, 24, clLime));
}

TEST_F(PaintTest, CellColourFollowsBandsFixedAreasAndCellTypes) {
    grid->SetColCount(4);
    grid->SetRowCount(8);
    grid->Bands()->SetActive(true);
    grid->Bands()->SetPrimaryLength(1);
    grid->Bands()->SetSecondaryLength(1);
    grid->Bands()->SetPrimaryColor(clYellow);
    grid->Bands()->SetSecondaryColor(clAqua);
    grid->SetFixedFooters(1);
    grid->SetFixedRightCols(1);
    grid->SetFixedColor(clBtnFace);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    TCellGraphic* check = grid->CreateCellGraphic(2, 3);
    check->SetCellType(ctCheckBox);
    grid->GetCellProperties(2, 3)->SetBrushColor(clRed);
    struct Case {
        int col, row;
        TColor brush;
    } const cases[] = {
        {1, 1, clYellow},   // the first scrollable row starts the bands
        {1, 2, clAqua},     {1, 3, clYellow},
        {2, 3, clYellow},   // a check box's own brush gives way to the band
        {1, 7, clBtnFace},  // the fixed footer
        {3, 2, clBtnFace},  // the fixed right column
        {0, 2, clBtnFace},  {1, 0, clBtnFace},
    };
    for (const Case& c : cases) EXPECT_EQ(BrushOf(c.col, c.row), c.brush) << c.col << "," << c.row;

    grid->SetOnGetCellColor([](TObject*, int row, int col, TGridDrawState, TBrush* brush, TFont*) {
        if (col == 2 && row == 3) brush->SetColor(clLime);
    });
    EXPECT_EQ(BrushOf(2, 3), clLime);
}

TEST_F(PaintTest, SelectedCellsTakeTheSelectionColoursOrTheHighlight) {
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    grid->SetSelectionColor(clNavy);
    EXPECT_EQ(BrushOf(2, 2), clNavy);
    EXPECT_EQ(BrushOf(3, 3), grid->Color());

    grid->SetSelectionColor(clNone);
    TGridDrawState selected;
    selected.Include(gdSelected);
    bitmap.SetSize(60, 30);
    grid->DrawGridCell(bitmap.Canvas(), 3, 3, Rect(0, 0, 60, 30), selected);
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Brush()->Color()), ColorToRGB(clHighlight));
}

TEST_F(PaintTest, PlainTextOfTwoLinesWithoutWrapShowsItsFirstLine) {
    grid->SetWordWrap(false);
    grid->Font()->SetColor(clBlack);
    grid->SetCells(1, 1, "first\r\nsecond");
    DrawCell(1, 1, 120, 60);
    const int lineHeight = bitmap.Canvas()->TextHeight("gh");
    EXPECT_TRUE(RowsHold(2, 2 + lineHeight, clBlack));
    EXPECT_FALSE(RowsHold(2 + lineHeight + 1, 60, clBlack));
}

TEST_F(PaintTest, AMailLinkShowsItsAddressUnderlinedInTheLinkColour) {
    grid->SetURLShow(true);
    grid->SetURLColor(clBlue);
    grid->SetCells(1, 1, "mailto:a@b.cn");
    DrawCell(1, 1);
    EXPECT_TRUE(RowsHold(0, 40, clBlue));
    // The underline: a run of link-coloured pixels longer than any glyph.
    int longest = 0;
    for (int y = 0; y < 40; ++y) {
        int run = 0;
        for (int x = 0; x < 120; ++x) {
            run = ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == ColorToRGB(clBlue) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    const int addressWidth = bitmap.Canvas()->TextWidth("a@b.cn");
    EXPECT_GE(longest, addressWidth - 2);
    EXPECT_LT(longest, bitmap.Canvas()->TextWidth("mailto:a@b.cn"));
}

TEST_F(PaintTest, IndicatorsPaintWhateverTheirValues) {
    struct Case {
        TCellType type;
        const char* text;
        int from, length;
        const char* format;
    } const cases[] = {
        {ctProgress, "abc", 0, 100, ""},    // not a number: 0, no failure
        {ctProgress, "30", 0, 0, "%d"},     // a format with maximum 0: empty bar
        {ctXPProgress, "30", 5, 5, ""},     // an empty span: empty bar
        {ctRangeIndicator, "30", 0, 0, ""}, // range 0: empty bar
    };
    for (const Case& c : cases) {
        TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
        graphic->SetCellType(c.type);
        graphic->SetCellContentColor(clRed);
        graphic->SetCellExtraColor(clWhite);
        graphic->SetCellErrFrom(c.from);
        graphic->SetCellErrLen(c.length);
        graphic->SetCellIndex(c.length);
        graphic->SetCellText(c.format);
        grid->SetCells(1, 1, c.text);
        EXPECT_NO_THROW(DrawCell(1, 1)) << int(c.type);
        EXPECT_FALSE(RowsHold(4, 36, clRed)) << int(c.type) << " " << c.text;
    }
}

TEST_F(PaintTest, RightToLeftMirrorsTextWithinTheCell) {
    grid->SetCells(1, 1, "abc");
    DrawCell(1, 1, 120, 30);
    auto inkColumns = [&] {
        int left = 120, right = -1;
        for (int x = 0; x < 120; ++x)
            for (int y = 0; y < 30; ++y)
                if (ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == ColorToRGB(clBlack)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::pair<int, int>(left, right);
    };
    const auto leftToRight = inkColumns();
    EXPECT_LT(leftToRight.first, 10);
    grid->SetBiDiMode(bdRightToLeft);
    DrawCell(1, 1, 120, 30);
    const auto rightToLeft = inkColumns();
    EXPECT_GT(rightToLeft.second, 110) << "the text moves to the cell's right edge";
}

TEST_F(PaintTest, ARangeIndicatorPastItsRangeFillsItsHalf) {
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctRangeIndicator);
    graphic->SetCellContentColor(clRed);
    graphic->SetCellExtraColor(clGreen);
    graphic->SetCellIndex(100);
    grid->SetCells(1, 1, "150");
    DrawCell(1, 1, 104, 30);
    // Margins 2 + 2: the bar spans 4..100, its right half 52..100.
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(97, 15)), ColorToRGB(clGreen));
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(55, 15)), ColorToRGB(clGreen));
    EXPECT_NE(ColorToRGB(bitmap.Canvas()->Pixels(40, 15)), ColorToRGB(clGreen));
}

TEST_F(PaintTest, ACheckBoxEndsOnePixelLeftOfItsRightAlignedText) {
    grid->ControlLook()->SetControlStyle(csClassic);
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctCheckBox);
    graphic->SetCellBoolean(true);
    grid->SetCells(1, 1, "yes");
    grid->GetCellProperties(1, 1)->SetAlignment(taRightJustify);
    DrawCell(1, 1, 120, 30);
    // Only the box has white pixels: its face and its light right edge.
    int right = -1;
    for (int x = 0; x < 120; ++x)
        if (ColorToRGB(bitmap.Canvas()->Pixels(x, 15)) == ColorToRGB(clWhite)) right = x;
    // The text's recorded width is its measure + 2, grown by 2 for placing.
    const int textWidth = bitmap.Canvas()->TextWidth("yes") + 4;
    EXPECT_NEAR(right, 120 - 1 - textWidth - 1, 1);
}

TEST_F(PaintTest, CheckBoxesOfTheXPStyleAreTheLibrarysPictures) {
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctCheckBox);
    graphic->SetCellBoolean(true);
    DrawCell(1, 1, 60, 24);
    const TColor tick = TColor(RGB(33, 161, 33));
    EXPECT_TRUE(RowsHold(0, 24, tick));
    EXPECT_FALSE(RowsHold(0, 24, TColor(RGB(255, 0, 255)))) << "the background is transparent";
    graphic->SetCellBoolean(false);
    DrawCell(1, 1, 60, 24);
    EXPECT_FALSE(RowsHold(0, 24, tick));
    grid->ControlLook()->SetControlStyle(csTheme);
    graphic->SetCellBoolean(true);
    DrawCell(1, 1, 60, 24);
    EXPECT_FALSE(RowsHold(0, 24, TColor(RGB(28, 81, 128)))) << "no visual style: no themed box";
}

TEST_F(PaintTest, ComponentStylesSetTheGradientsAndColours) {
    struct Case {
        int style;
        TColor fixedFrom, fixedTo, lookFrom, active, selection;
    } const cases[] = {
        {0, TColor(0xFCE1CB), TColor(0xE0A57D), TColor(0xFCE1CB), TColor(0x94E6FB), TColor(0xEACAB6)},
        {3, clWhite, TColor(0xCCD4D8), clNone, TColor(0xD8D5D4), TColor(0xEACAB6)},
        {4, TColor(0xFBF9F6), TColor(0xE8DBD2), TColor(0xFBF9F6), TColor(0x9DD8F9), TColor(0x5EC1F1)},
        {9, TColor(0xF3F3F1), TColor(0xCAC9C8), TColor(0xF3F3F1), TColor(0x99CCFF), TColor(0x95C7F5)},
    };
    for (const Case& c : cases) {
        auto* fresh = new TBavStringGrid(form);
        fresh->SetComponentStyle(c.style);
        EXPECT_EQ(fresh->FixedGradientFrom(), c.fixedFrom) << c.style;
        EXPECT_EQ(fresh->FixedGradientTo(), c.fixedTo) << c.style;
        EXPECT_EQ(fresh->ControlLook()->FixedGradientFrom(), c.lookFrom) << c.style;
        EXPECT_EQ(fresh->ActiveCellColor(), c.active) << c.style;
        EXPECT_EQ(fresh->SelectionColor(), c.selection) << c.style;
        delete fresh;
    }
    grid->SetComponentStyle(8);
    EXPECT_EQ(grid->FixedGradientFrom(), clWhite);
    EXPECT_EQ(grid->ActiveCellColor(), clGray);

    // The classic scheme: no visual style is active here.
    grid->SetComponentStyle(2);
    grid->SetAutoThemeAdapt(true);
    EXPECT_EQ(grid->FixedGradientFrom(), clWhite);
    EXPECT_EQ(grid->FixedGradientTo(), TColor(ColorToRGB(clBtnFace)));
    EXPECT_EQ(grid->ControlLook()->FixedGradientFrom(), clNone);
    EXPECT_EQ(grid->ActiveCellColor(), clWhite);
    EXPECT_EQ(grid->ActiveCellColorTo(), TColor(0xFFD9B3));
}

TEST_F(PaintTest, TheFixedLastRowFooterHidesTheGridsLastRow) {
    TFloatingFooter* footer = grid->FloatingFooter();
    footer->SetVisible(true);
    EXPECT_EQ(grid->FixedFooters(), 1);
    EXPECT_TRUE(grid->HideLastRow());
    footer->SetFooterStyle(fsColumnPreview);
    EXPECT_FALSE(grid->HideLastRow());
    EXPECT_EQ(grid->FixedFooters(), 1);  // until Visible is set again
    footer->SetVisible(true);
    EXPECT_EQ(grid->FixedFooters(), 0);
    footer->SetVisible(false);
    EXPECT_FALSE(grid->FooterPanel()->Visible());
}

TEST_F(PaintTest, FooterTemplatesTakeFieldsOfTheCurrentRow) {
    grid->SetCells(1, 1, "甲");
    grid->SetCells(2, 1, "42");
    grid->SetRow(1);
    TFooterPanel* panel = grid->FooterPanel();
    struct Case {
        const char* templateText;
        const char* expanded;
    } const cases[] = {
        {"<#1> = <#2>", "甲 = 42"},
        {"a<#x>b", "ab"},
        {"<b><#2></b>", "<b>42</b>"},
        {"total <#2", "total <#2"},
        {"<#2> and <#1", "42 and <#1"},
    };
    for (const Case& c : cases) EXPECT_EQ(panel->ExpandTemplate(c.templateText), c.expanded) << c.templateText;
    EXPECT_THROW(TFooterPanel{form}, EInvalidCast);
}

TEST_F(PaintTest, Screenshot) {
    form->SetBounds(0, 0, 660, 640);
    grid->SetBounds(8, 8, 640, 360);
    grid->SetColCount(6);
    grid->SetRowCount(12);
    grid->SetColWidths(0, 30);
    grid->SetColWidths(1, 150);
    grid->SetColWidths(2, 120);
    grid->SetColWidths(3, 110);
    grid->SetColWidths(4, 110);
    grid->SetColWidths(5, 90);
    grid->SetLook(glXP);
    grid->Bands()->SetActive(true);
    grid->SetURLShow(true);
    grid->SetActiveCellShow(true);
    grid->SetComponentStyle(0);
    const char* headers[] = {"", "型号", "状态", "进度", "说明", "选择"};
    for (int col = 0; col < 6; ++col) grid->SetCells(col, 0, headers[col]);
    for (int row = 1; row < 12; ++row) grid->SetCells(0, row, IntToStr(row));
    grid->SetCells(1, 1, "合并的单元格");
    grid->MergeCells(1, 1, 2, 2);
    grid->GetCellProperties(1, 1)->SetBrushColor(TColor(0xD0F0FF));
    grid->GetCellProperties(1, 1)->SetBrushColorTo(TColor(0x80C0FF));
    grid->GetCellProperties(1, 1)->SetAlignment(taCenter);
    grid->GetCellProperties(1, 1)->SetVAlignment(vtaCenter);
    grid->SetCells(1, 3, "<b>HTML</b> <font color=\"clRed\">文字</font> <a href=\"x\">链接</a>");
    grid->SetCells(2, 3, "mailto:shop@serviora.cn");
    for (int row = 1; row <= 4; ++row) {
        TCellGraphic* progress = grid->CreateCellGraphic(3, row);
        progress->SetCellType(ctProgress);
        progress->SetCellContentColor(TColor(0x3CB371));
        progress->SetCellExtraColor(clWhite);
        progress->SetCellErrLen(100);
        grid->SetCells(3, row, IntToStr(row * 25));
    }
    TCellGraphic* xp = grid->CreateCellGraphic(3, 7);
    xp->SetCellType(ctXPProgress);
    xp->SetCellErrLen(100);
    grid->SetCells(3, 7, "80");
    grid->ProgressAppearance()->SetShowPercentage(true);
    TCellGraphic* pie = grid->CreateCellGraphic(3, 5);
    pie->SetCellType(ctProgressPie);
    pie->SetCellContentColor(clRed);
    pie->SetCellAngle(65);
    TCellGraphic* range = grid->CreateCellGraphic(3, 6);
    range->SetCellType(ctRangeIndicator);
    range->SetCellContentColor(clRed);
    range->SetCellExtraColor(clGreen);
    range->SetCellIndex(100);
    grid->SetCells(3, 6, "-40");
    for (int row = 1; row <= 5; ++row) {
        TCellGraphic* check = grid->CreateCellGraphic(5, row);
        check->SetCellType(ctCheckBox);
        check->SetCellBoolean(row % 2 == 1);
        check->SetCellHAlign(haBeforeText);
        check->SetCellVAlign(vaCenter);
        grid->SetCells(5, row, row % 2 ? "是" : "否");
    }
    TCellGraphic* radio = grid->CreateCellGraphic(4, 4);
    radio->SetCellType(ctRadio);
    auto* items = new TStringList;
    items->SetCommaText("A,B,C");
    radio->SetCellContent(items);
    radio->SetCellCreated(true);
    radio->SetCellBoolean(true);
    radio->SetCellIndex(1);
    grid->SetRowHeights(7, 50);
    TCellGraphic* rotated = grid->CreateCellGraphic(4, 7);
    rotated->SetCellType(ctRotated);
    rotated->SetCellAngle(90);
    grid->SetCells(4, 7, "旋转");
    TCellGraphic* button = grid->CreateCellGraphic(4, 5);
    button->SetCellType(ctButton);
    button->SetCellIndex(MAKELONG(60, 18));
    button->SetCellHAlign(haCenter);
    button->SetCellVAlign(vaCenter);
    button->SetCellText("详情");
    TCellGraphic* comment = grid->CreateCellGraphic(4, 2);
    comment->SetCellType(ctComment);
    comment->SetCellText("备注");
    grid->SetCells(4, 2, "有备注");
    grid->SetCells(2, 5, "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}{\\b Rich} {\\cf1 red} {\\i italic}}");
    grid->SetCells(1, 11, "合计");
    grid->SetCells(3, 11, "100");
    grid->FloatingFooter()->SetVisible(true);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(1);
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SetSelection(TGridRect{2, 8, 4, 9});

    // Below it: rows grouped by their brand, with summary rows, one group contracted.
    auto* grouped = new TBavStringGrid(form);
    grouped->SetParent(form);
    grouped->SetBounds(8, 376, 640, 220);
    grouped->SetColCount(4);
    grouped->SetRowCount(7);
    grouped->SetDefaultRowHeight(20);
    const char* groupHeaders[] = {"", "品牌", "型号", "金额"};
    const char* brands[] = {"星辰", "海岸", "星辰", "远山", "海岸", "远山"};
    for (int col = 0; col < 4; ++col) grouped->SetCells(col, 0, groupHeaders[col]);
    for (int row = 1; row < 7; ++row) {
        grouped->SetCells(1, row, brands[row - 1]);
        grouped->SetCells(2, row, "型号 " + IntToStr(row));
        grouped->SetCells(3, row, IntToStr(row * 120));
    }
    grouped->SetColWidths(2, 200);
    grouped->SetFixedCols(0);
    grouped->Grouping()->SetSummary(true);
    grouped->Grouping()->SetHeaderColor(TColor(0xF0E0D0));
    grouped->Grouping()->SetSummaryColor(TColor(0xD0F0F0));
    grouped->Group(1);
    grouped->ContractNode(grouped->RealRowIndex(5));
    // The first grid's scroll bars flat, the grouped grid's outlined.
    grid->SetScrollType(ssFlat);
    grouped->SetRowCount(14);
    grouped->SetScrollType(ssEncarta);
    // The first grid's search footer, its highlighted matches found while typing.
    grid->SearchFooter()->SetVisible(true);
    form->Show();
    ProcessMessages();
    grid->SearchPanel()->HighlightButton()->SetDown(true);
    grid->SearchPanel()->SearchEdit()->SetText("是");
    ProcessMessages();
    EXPECT_NE(grid->Cells(5, 3).find("<hi>"), AnsiString::npos);
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "stringgrid.png"));
}

TEST_F(PaintTest, NestedUpdatesPaintOnceAtTheOutermostEnd) {
    int drawn = 0;
    grid->SetOnCustomCellDraw([&](TObject*, TCanvas*, int, int, TGridDrawState, TRect, bool) { ++drawn; });
    form->Show();
    ProcessMessages();
    auto repaintAndCount = [&] {
        drawn = 0;
        grid->Invalidate();
        ProcessMessages();
        return drawn;
    };
    grid->BeginUpdate();
    grid->BeginUpdate();
    EXPECT_EQ(repaintAndCount(), 0);
    grid->EndUpdate();
    EXPECT_EQ(repaintAndCount(), 0);
    drawn = 0;
    grid->EndUpdate();
    ProcessMessages();
    EXPECT_GT(drawn, 0);

    grid->BeginUpdate();
    grid->BeginUpdate();
    grid->ResetPaintLock();
    grid->SuppressPaint();
    EXPECT_EQ(repaintAndCount(), 0);
    drawn = 0;
    grid->EndUpdate();
    ProcessMessages();
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(PaintTest, ARotatedCellMeasuresAcrossItsAngle) {
    grid->SetCells(1, 1, "旋转的文字");
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctRotated);
    graphic->SetCellAngle(90);
    const TSize rotated = grid->GetCellTextExtent(1, 1, false);
    graphic->SetCellAngle(0);
    const TSize flat = grid->GetCellTextExtent(1, 1, false);
    // At 0 degrees the rotation only adds its 12 pixels.
    EXPECT_EQ(rotated.cx, flat.cy);
    EXPECT_EQ(rotated.cy, flat.cx);
}

// The start of turned text of 40 x 10 pixels in a 100 x 60 rectangle, by
// quadrant and alignment: each start keeps the turned text's box aligned.
TEST(RotatedTextPlacement, StartsWhereTheTurnedBoxIsAligned) {
    struct Case {
        int angle;
        TAlignment hAlign;
        TVAlignment vAlign;
        TPoint expected;
    } cases[] = {
        {0, taCenter, vtaCenter, {30, 25}},    {90, taLeftJustify, vtaTop, {0, 40}},
        {90, taRightJustify, vtaBottom, {90, 60}}, {90, taCenter, vtaCenter, {45, 50}},
        {180, taCenter, vtaCenter, {70, 35}},  {270, taCenter, vtaCenter, {55, 10}},
        {300, taLeftJustify, vtaTop, {8, 0}},
    };
    for (const Case& c : cases) {
        const TPoint start =
            TBavStringGrid::PlaceRotatedText(Rect(0, 0, 100, 60), TSize{40, 10}, c.angle, c.vAlign, c.hAlign);
        EXPECT_EQ(start.x, c.expected.x) << c.angle;
        EXPECT_EQ(start.y, c.expected.y) << c.angle;
    }
}

TEST_F(PaintTest, RotatedTextFollowsTheCellsVerticalAlignment) {
    grid->Font()->SetColor(clBlack);
    grid->SetCells(1, 1, "旋转文字");
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctRotated);
    graphic->SetCellAngle(90);
    TVAlignment alignment = vtaTop;
    grid->SetOnGetAlignment([&](TObject*, int, int, TAlignment&, TVAlignment& vertical) { vertical = alignment; });
    DrawCell(1, 1, 40, 120);
    EXPECT_TRUE(RowsHold(0, 60, clBlack));
    EXPECT_FALSE(RowsHold(60, 120, clBlack));
    alignment = vtaBottom;
    DrawCell(1, 1, 40, 120);
    EXPECT_FALSE(RowsHold(0, 60, clBlack));
    EXPECT_TRUE(RowsHold(60, 120, clBlack));
}

TEST_F(PaintTest, PasswordCellsAndBorderPensComeFromTheirEvents) {
    grid->SetCells(1, 1, "secret");
    grid->SetOnIsPasswordCell([](TObject*, int row, int col, bool& password) { password = col == 1 && row == 1; });
    DrawCell(1, 1, 120, 30);
    int inkRight = -1;
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 30; ++y)
            if (ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == ColorToRGB(clBlack)) inkRight = std::max(inkRight, x);
    EXPECT_NEAR(inkRight, 2 + bitmap.Canvas()->TextWidth("******"), 2);

    grid->SetOnGetCellBorder([](TObject*, int, int, TPen*, TCellBorders& borders) { borders.Include(cbBottom); });
    grid->SetOnGetCellBorderProp([](TObject*, int, int, TPen*, TPen*, TPen*, TPen* bottom) {
        bottom->SetColor(clRed);
    });
    // The border runs over the grid line below the cell.
    bitmap.SetSize(60, 40);
    grid->DrawGridCell(bitmap.Canvas(), 2, 2, Rect(0, 0, 60, 30), TGridDrawState());
    EXPECT_TRUE(RowsHold(30, 31, clRed));
    EXPECT_FALSE(RowsHold(0, 30, clRed));
}

TEST_F(PaintTest, AStackedBarAtFullFillsItsWholeLength) {
    TGridProgressAppearance* look = grid->ProgressAppearance();
    look->SetStacked(true);
    look->SetShowGradient(false);
    look->SetShowPercentage(false);
    look->SetLevel0Color(clLime);
    look->SetLevel1Color(clYellow);
    look->SetLevel3Color(clRed);
    look->SetUnCompleteColor(clWhite);
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctXPProgress);
    graphic->SetCellErrFrom(0);
    graphic->SetCellErrLen(100);
    grid->SetCells(1, 1, "100");
    DrawCell(1, 1, 104, 24);
    // Margins 2: the bar spans 2..100 (its right edge moved in by 1), the
    // segments 3..99.
    const int y = 12;
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(3, y)), ColorToRGB(clLime));
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(80, y)), ColorToRGB(clYellow));
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(98, y)), ColorToRGB(clRed));
    grid->SetCells(1, 1, "50");
    DrawCell(1, 1, 104, 24);
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(98, y)), ColorToRGB(clWhite));
}

TEST_F(PaintTest, FooterHintsNameTheColumnUnderTheMouse) {
    grid->FloatingFooter()->SetVisible(true);
    form->Show();
    ProcessMessages();
    std::vector<std::pair<int, int>> asked;
    grid->SetOnGridHint([&](TObject*, int row, int col, AnsiString& hint) {
        asked.emplace_back(col, row);
        hint = "total";
    });
    TFooterPanel* panel = grid->FooterPanel();
    THintInfo info;
    info.CursorPos = {grid->ColWidths(0) + 5, 3};
    EXPECT_NE(panel->Perform(CM_HINTSHOW, 0, LPARAM(&info)), 0) << "no hint without the footer's ShowHint";
    EXPECT_EQ(panel->HoveredColumn(), -1);
    grid->FloatingFooter()->SetShowHint(true);
    EXPECT_EQ(panel->Perform(CM_HINTSHOW, 0, LPARAM(&info)), 0);
    EXPECT_EQ(info.HintStr, "total");
    EXPECT_EQ(panel->HoveredColumn(), 1);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], std::make_pair(1, grid->RowCount() - 1));
    info.CursorPos = {5000, 3};
    info.HintStr.clear();
    panel->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    EXPECT_EQ(asked.size(), 2u) << "past the last column";
    EXPECT_EQ(panel->HoveredColumn(), -1);
}

TEST_F(PaintTest, APushButtonRecordsWhereItWasDrawn) {
    grid->SetColWidths(1, 120);
    grid->SetRowHeights(1, 30);
    TCellGraphic* button = grid->CreateCellGraphic(1, 1);
    button->SetCellType(ctButton);
    button->SetCellIndex(MAKELONG(40, 20));
    button->SetCellHAlign(haCenter);
    button->SetCellVAlign(vaCenter);
    button->SetCellText("按钮");
    form->Show();
    ProcessMessages();
    const TRect cell = grid->CellRect(1, 1);
    const TRect hit = grid->GetCellGraphicRect(1, 1);
    EXPECT_EQ(hit.right - hit.left, 40);
    EXPECT_EQ(hit.bottom - hit.top, 20);
    EXPECT_NEAR((hit.left + hit.right) / 2, (cell.left + cell.right) / 2, 2);
    EXPECT_NEAR((hit.top + hit.bottom) / 2, (cell.top + cell.bottom) / 2, 2);
}

TEST_F(PaintTest, ATiledBackgroundShowsInCellsAndPastTheLastRow) {
    grid->SetRowCount(3);
    grid->SetColCount(3);
    TBitmap* picture = grid->BackGround()->Bitmap();
    picture->SetSize(8, 8);
    picture->Canvas()->Brush()->SetColor(clRed);
    picture->Canvas()->FillRect(Rect(0, 0, 8, 8));
    grid->BackGround()->SetDisplay(bdTile);
    grid->BackGround()->SetCells(bcNormal);
    grid->SetSelection(TGridRect{-1, -1, -1, -1});
    form->Show();
    ProcessMessages();
    const int border = (grid->Width() - grid->ClientWidth()) / 2;
    const TRect cell = grid->CellRect(2, 2), fixed = grid->CellRect(0, 2);
    EXPECT_EQ(ShownPixel(grid->Handle(), border + cell.right - 4, border + cell.bottom - 4), RGB(255, 0, 0));
    EXPECT_NE(ShownPixel(grid->Handle(), border + fixed.right - 4, border + fixed.bottom - 4), RGB(255, 0, 0))
        << "fixed cells keep their look with bcNormal";
    EXPECT_EQ(ShownPixel(grid->Handle(), border + cell.left + 4, border + cell.bottom + 20), RGB(255, 0, 0));
}

namespace {

// A grid whose second column offers a filter in its header.
class FilteredGrid : public TBavStringGrid {
public:
    using TBavStringGrid::TBavStringGrid;
    bool HasFilterButton(int col) override { return col == 2; }
};

}  // namespace

TEST_F(PaintTest, HeaderFilterDropDownButtonAndRowIndicator) {
    auto* filtered = new FilteredGrid(form);
    bitmap.SetSize(80, 24);
    const TColor filterInk = TColor(RGB(64, 64, 64));
    auto draw = [&](TBavStringGrid* g, int col, int row) {
        bitmap.Canvas()->Brush()->SetColor(clSilver);
        bitmap.Canvas()->FillRect(Rect(0, 0, 80, 24));
        g->DrawGridCell(bitmap.Canvas(), col, row, Rect(0, 0, 80, 24), TGridDrawState());
    };
    draw(filtered, 2, 0);
    EXPECT_TRUE(RowsHold(0, 24, filterInk));
    draw(filtered, 1, 0);
    EXPECT_FALSE(RowsHold(0, 24, filterInk));
    delete filtered;

    grid->ControlLook()->SetDropDownAlwaysVisible(true);
    grid->SetOnHasComboBox([](TObject*, int col, int, bool& has) { has = col == 3; });
    draw(grid, 3, 2);
    EXPECT_TRUE(RowsHold(0, 24, clBlack)) << "the drop-down arrow";
    draw(grid, 2, 2);
    EXPECT_FALSE(RowsHold(0, 24, clBlack));

    TBitmap indicator;
    indicator.SetSize(8, 8);
    indicator.Canvas()->Brush()->SetColor(clWhite);
    indicator.Canvas()->FillRect(Rect(0, 0, 8, 8));
    indicator.Canvas()->Brush()->SetColor(clBlue);
    indicator.Canvas()->FillRect(Rect(2, 2, 6, 6));
    grid->SetRowIndicator(&indicator);
    grid->SetRow(2);
    draw(grid, 0, 2);
    EXPECT_TRUE(RowsHold(0, 24, clBlue));
    draw(grid, 0, 3);
    EXPECT_FALSE(RowsHold(0, 24, clBlue));
}

TEST_F(PaintTest, LooksScreenshot) {
    form->SetBounds(0, 0, 640, 330);
    grid->SetVisible(false);
    const TGridLook looks[] = {glStandard, glSoft, glClassic, glQuarn, glXP, glListView};
    for (int i = 0; i < 6; ++i) {
        auto* g = new TBavStringGrid(form);
        g->SetParent(form);
        g->SetBounds(8 + (i % 3) * 208, 8 + (i / 3) * 150, 200, 140);
        g->SetColCount(3);
        g->SetRowCount(5);
        g->SetDefaultColWidth(64);
        g->SetLook(looks[i]);
        g->SetComponentStyle(i % 2 ? 4 : 0);
        g->SetCells(1, 0, "外观");
        g->SetCells(2, 0, IntToStr(i));
        for (int row = 1; row < 5; ++row) g->SetCells(1, row, "行 " + IntToStr(row));
        g->SetSelection(TGridRect{1, 2, 2, 2});
    }
    form->Show();
    ProcessMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "stringgrid_looks.png"));
}

TEST_F(PaintTest, BitmapCellsDrawTheirPictureBesideTheText) {
    auto* picture = new TBitmap;
    picture->SetSize(10, 10);
    picture->Canvas()->Brush()->SetColor(clFuchsia);
    picture->Canvas()->FillRect(Rect(0, 0, 10, 10));
    picture->Canvas()->Brush()->SetColor(clGreen);
    picture->Canvas()->FillRect(Rect(3, 3, 7, 7));
    TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
    graphic->SetCellType(ctBitmap);
    graphic->SetCellContent(picture);
    graphic->SetCellCreated(true);
    graphic->SetCellHAlign(haBeforeText);
    grid->SetCells(1, 1, "pic");
    DrawCell(1, 1, 100, 24);
    EXPECT_TRUE(RowsHold(0, 24, clGreen));
    EXPECT_TRUE(RowsHold(0, 24, clFuchsia));
    graphic->SetCellTransparent(true);
    DrawCell(1, 1, 100, 24);
    EXPECT_TRUE(RowsHold(0, 24, clGreen));
    EXPECT_FALSE(RowsHold(0, 24, clFuchsia)) << "its corner colour is the cell's background";
}

TEST_F(PaintTest, ImageListCellsDrawFromTheGridImages) {
    auto* images = new TImageList(form);
    images->SetWidth(8);
    images->SetHeight(8);
    for (const TColor color : {clRed, clBlue}) {
        TBitmap image;
        image.SetSize(8, 8);
        image.Canvas()->Brush()->SetColor(color);
        image.Canvas()->FillRect(Rect(0, 0, 8, 8));
        images->Add(&image, nullptr);
    }
    grid->SetGridImages(images);
    TCellGraphic* single = grid->CreateCellGraphic(1, 1);
    single->SetCellType(ctImageList);
    single->SetCellIndex(1);
    DrawCell(1, 1, 60, 24);
    EXPECT_TRUE(RowsHold(0, 24, clBlue));
    EXPECT_FALSE(RowsHold(0, 24, clRed));

    TCellGraphic* data = grid->CreateCellGraphic(2, 1);
    data->SetCellType(ctDataImage);
    grid->SetCells(2, 1, "1");
    DrawCell(2, 1, 60, 24);
    EXPECT_TRUE(RowsHold(0, 24, clBlue)) << "the cell's number picks the image";
    grid->SetCells(2, 1, "x");
    EXPECT_NO_THROW(DrawCell(2, 1, 60, 24));
    EXPECT_FALSE(RowsHold(0, 24, clBlue)) << "a text that is no number shows none";

    TCellGraphic* strip = grid->CreateCellGraphic(3, 1);
    strip->SetCellType(ctImages);
    auto* indexes = new TIntList(3, 1);
    indexes->Add(0);
    indexes->Add(1);
    strip->SetCellContent(indexes);
    strip->SetCellBoolean(true);
    bool drawText = true;
    TCellVAlign vAlign;
    TCellHAlign hAlign;
    int height = 0, width = 0;
    grid->GetCellGraphicInfo(3, 1, vAlign, hAlign, drawText, height, width);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 8);
    DrawCell(3, 1, 60, 24);
    EXPECT_TRUE(RowsHold(0, 24, clRed));
    EXPECT_TRUE(RowsHold(0, 24, clBlue));

    delete images;
    EXPECT_EQ(grid->GridImages(), nullptr);
    DrawCell(1, 1, 60, 24);
    EXPECT_FALSE(RowsHold(0, 24, clBlue));
}

TEST_F(PaintTest, RichAndWideTextsAreMeasuredAsTheyAreDrawn) {
    form->Show();
    ProcessMessages();
    grid->SetWordWrap(false);
    grid->SetCells(1, 1, "{\\rtf1 short}");
    grid->SetCells(1, 2, "{\\rtf1 a much longer rich text line}");
    const TSize shortRich = grid->GetCellTextExtent(1, 1, false), longRich = grid->GetCellTextExtent(1, 2, false);
    EXPECT_GT(shortRich.cx, 2 * grid->CellMarginX());
    EXPECT_GT(longRich.cx, shortRich.cx);
    EXPECT_GT(shortRich.cy, 2 * grid->CellMarginY());

    grid->SetCells(2, 1, WideToCellText(u"宽字符"));
    grid->SetCells(2, 2, "宽字符");
    EXPECT_EQ(grid->GetCellTextExtent(2, 1, false).cx, grid->GetCellTextExtent(2, 2, false).cx);
}

namespace {

// A grid whose row 1 is a node one level deep (the nodes themselves come
// with grouping).
class NodeGrid : public TBavStringGrid {
public:
    using TBavStringGrid::TBavStringGrid;
    int GetNodeIndent(int row) override { return row == 1 ? 16 : 0; }
};

}  // namespace

TEST_F(PaintTest, NodeGlyphsShowTheirStateInEachNodeType) {
    auto* nodes = new NodeGrid(form);
    TCellGraphic* node = nodes->CreateCellGraphic(1, 1);
    node->SetCellType(ctNode);
    bitmap.SetSize(60, 24);
    auto inkOf = [&](TColor color) {
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(Rect(0, 0, 60, 24));
        nodes->DrawGridCell(bitmap.Canvas(), 1, 1, Rect(0, 0, 60, 24), TGridDrawState());
        int count = 0;
        for (int x = 0; x < 60; ++x)
            for (int y = 0; y < 24; ++y) count += ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == ColorToRGB(color);
        return count;
    };
    nodes->CellNode()->SetNodeType(cnXP);
    node->SetCellBoolean(true);
    EXPECT_GT(inkOf(TColor(RGB(120, 152, 181))), 20) << "the XP glyph's frame";
    const int contractedXP = inkOf(clBlack);
    node->SetCellBoolean(false);
    EXPECT_LT(inkOf(clBlack), contractedXP) << "expanded: a minus without the plus's stroke";

    nodes->CellNode()->SetNodeType(cnFlat);
    nodes->CellNode()->SetNodeColor(clRed);
    EXPECT_GT(inkOf(clRed), 20);
    node->SetCellBoolean(true);
    const int plus = inkOf(clRed);
    node->SetCellBoolean(false);
    EXPECT_LT(inkOf(clRed), plus);
    delete nodes;
}

// Rich text keeps its own colours unless a selected cell recolours it to the
// selection text colour, which SelectionRTFKeep prevents.
TEST_F(PaintTest, RichTextCellsPaintTheirColours) {
    grid->HandleNeeded();
    grid->SetSelectionTextColor(clBlue);
    grid->SetCells(1, 1, "{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}{\\b bold} {\\cf1 red}}");
    TGridDrawState selected;
    selected.Include(gdSelected);
    struct Case {
        TGridDrawState state;
        bool keep;
        bool red, blue;
    } cases[] = {{TGridDrawState(), false, true, false}, {selected, false, false, true}, {selected, true, true, false}};
    for (const Case& c : cases) {
        grid->SetSelectionRTFKeep(c.keep);
        bitmap.SetSize(120, 24);
        grid->DrawGridCell(bitmap.Canvas(), 1, 1, Rect(0, 0, 120, 24), c.state);
        EXPECT_EQ(RowsHold(0, 24, TColor(200)), c.red) << c.keep;
        EXPECT_EQ(RowsHold(0, 24, clBlue), c.blue) << c.keep;
    }
}
