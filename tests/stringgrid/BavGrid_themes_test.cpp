// The string grid with visual styles switched on: the library is found, the
// colour scheme is read, and fixed cells, check boxes, radio buttons,
// push buttons and progress bars are drawn through the visual style.
#include <gtest/gtest.h>

#include "platform/rtl/stringlist.h"
#include "platform/rtl/writer.h"
#include "platform/ui/graphics.h"
#include "platform/ui/uxtheme.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavObj.h"
#include "stringgrid/themes/BavXPVS.h"
#include "tests/stringgrid/grid_fixture.h"

namespace {

constexpr int W = 120, H = 30;

class ThemedGridTest : public StringGridTest {
protected:
    // Visual styles go on before the grid is made: the grid reads them once.
    void SetUp() override {
        SetThemeActive(TRUE);
        StringGridTest::SetUp();
    }
    void TearDown() override {
        StringGridTest::TearDown();
        SetThemeActive(FALSE);
    }
    static void Clear(TBitmap& bitmap) {
        bitmap.SetSize(W, H);
        bitmap.Canvas()->Brush()->SetColor(clSilver);
        bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
    }
    void DrawCell(int col, int row) {
        Clear(drawn);
        drawn.Canvas()->Font()->Assign(grid->Font());
        grid->DrawGridCell(drawn.Canvas(), col, row, Rect(0, 0, W, H), TGridDrawState());
    }
    // The visual style's own drawing of a part, to compare with the grid's.
    void DrawReference(const WCHAR* themeClass, int part, int state, const RECT& rect) {
        Clear(reference);
        const HTHEME theme = OpenThemeData(0, themeClass);
        ASSERT_NE(theme, HTHEME(0));
        DrawThemeBackground(theme, reference.Canvas()->Handle(), part, state, &rect, nullptr);
        CloseThemeData(theme);
    }
    COLORREF Drawn(int x, int y) { return ColorToRGB(drawn.Canvas()->Pixels(x, y)); }
    COLORREF Reference(int x, int y) { return ColorToRGB(reference.Canvas()->Pixels(x, y)); }
    static int Count(TBitmap& bitmap, COLORREF color) {
        int n = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) n += ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == color;
        return n;
    }
    int CountOf(COLORREF color) { return Count(drawn, color); }
    int CountInReference(COLORREF color) { return Count(reference, color); }

    TBitmap drawn, reference;
};

}  // namespace

TEST_F(ThemedGridTest, TheLibraryIsFoundAndItsSchemeAdaptsTheColours) {
    EXPECT_TRUE(xpvs::Theme().loaded);
    EXPECT_TRUE(grid->ThemesAvailable());
    EXPECT_EQ(grid->DetectXPColorScheme(), 1);
    grid->SetAutoThemeAdapt(true);
    EXPECT_EQ(grid->FixedGradientFrom(), TColor(0xFCE1CB));
    EXPECT_EQ(grid->ControlLook()->FixedGradientTo(), TColor(0xE0A57D));
    grid->SetName("Grid");
    ReadComponentFromString("object Grid: TBavStringGrid\n  ControlLook.ControlStyle = csTheme\nend\n", grid);
    EXPECT_EQ(grid->ControlLook()->ControlStyle(), csTheme) << "kept while visual styles are on";
}

TEST_F(ThemedGridTest, ThemedCheckBoxesAndRadioButtonsAreTheVisualStylesParts) {
    grid->ControlLook()->SetControlStyle(csTheme);
    grid->ControlLook()->SetNoDisabledCheckRadioLook(true);
    // The mark's colour, as the visual style draws a checked box.
    DrawReference(u"button", BP_CHECKBOX, CBS_CHECKEDNORMAL, RECT{0, 0, 15, 15});
    const COLORREF mark = Reference(7, 11);
    ASSERT_NE(mark, RGB(255, 255, 255));
    TCellGraphic* check = grid->CreateCellGraphic(1, 1);
    check->SetCellType(ctCheckBox);
    for (const bool checked : {true, false}) {
        check->SetCellBoolean(checked);
        DrawCell(1, 1);
        EXPECT_EQ(CountOf(mark), checked ? CountInReference(mark) : 0) << checked;
    }

    auto* items = new TStringList;
    items->SetCommaText("one,two");
    TCellGraphic* radio = grid->CreateCellGraphic(2, 1);
    radio->SetCellType(ctRadio);
    radio->SetCellContent(items);
    radio->SetCellCreated(true);
    radio->SetCellBoolean(true);
    radio->SetCellIndex(0);
    DrawReference(u"button", BP_RADIOBUTTON, CBS_CHECKEDNORMAL, RECT{0, 0, 16, 16});
    const int dot = CountOf(mark) == 0 ? CountInReference(mark) : -1;
    DrawCell(2, 1);
    EXPECT_EQ(CountOf(mark), dot) << "one checked radio button";
}

TEST_F(ThemedGridTest, ListViewFixedCellsAreHeaderItems) {
    grid->SetLook(glListView);
    DrawCell(0, 0);
    DrawReference(u"header", HP_HEADERITEM, HIS_NORMAL, RECT{-1, -1, W + 1, H + 1});
    EXPECT_EQ(Drawn(W / 2, H / 2), Reference(W / 2, H / 2));
    EXPECT_EQ(Drawn(W / 2, H - 2), Reference(W / 2, H - 2)) << "the item's foot";
}

TEST_F(ThemedGridTest, TheHeaderItemUnderTheMouseIsHot) {
    grid->SetLook(glListView);
    grid->SetBounds(0, 0, 400, 200);
    form->Show();
    ProcessMessages();
    DrawReference(u"header", HP_HEADERITEM, HIS_HOT, RECT{-1, -1, W + 1, H + 1});
    const COLORREF hotFoot = Reference(W / 2, H - 1);
    SimulateMouseMove(grid->Handle(), POINT{10, 10});
    ProcessMessages();
    DrawCell(0, 0);
    EXPECT_EQ(Drawn(W / 2, H - 1), hotFoot);
    SimulateMouseMove(grid->Handle(), POINT{300, 150});
    ProcessMessages();
    DrawCell(0, 0);
    EXPECT_NE(Drawn(W / 2, H - 1), hotFoot);

    // Leaving the grid from the header paints the header item normal again.
    SimulateMouseMove(grid->Handle(), POINT{10, 10});
    ProcessMessages();
    int headerPaints = 0;
    grid->SetOnDrawCell([&](TObject*, int col, int row, TRect, TGridDrawState) {
        headerPaints += col == 0 && row == 0;
    });
    SimulateMouseMove(form->Handle(), POINT{450, 250});
    ProcessMessages();
    EXPECT_GT(headerPaints, 0);
}

TEST_F(ThemedGridTest, ButtonsAndProgressCellsTakeTheVisualStyle) {
    grid->ControlLook()->SetProgressXP(true);
    TCellGraphic* progress = grid->CreateCellGraphic(1, 1);
    progress->SetCellType(ctProgress);
    progress->SetCellErrLen(100);
    grid->SetCells(1, 1, "50");
    DrawCell(1, 1);
    // The bar inside the margins of 2, its chunk over half the inner width.
    const COLORREF chunk = Drawn(30, H / 2), rest = Drawn(90, H / 2);
    EXPECT_GT(GetGValue(chunk), GetRValue(chunk)) << "a green chunk";
    EXPECT_EQ(rest, RGB(255, 255, 255));

    TCellGraphic* button = grid->CreateCellGraphic(2, 1);
    button->SetCellType(ctButton);
    button->SetCellText("OK");
    button->SetCellIndex(MAKELONG(60, 20));
    grid->ControlLook()->SetNoDisabledButtonLook(true);
    DrawCell(2, 1);
    const int offset = int(button->CellValue());
    const int left = LOWORD(offset), top = HIWORD(offset);
    DrawReference(u"button", BP_PUSHBUTTON, PBS_NORMAL, RECT{0, 0, 10, 10});
    EXPECT_EQ(Drawn(left + 4, top), Reference(4, 0)) << "the push button's outline";
}
