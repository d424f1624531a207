// The string grid's cell hints: comments, anchors, cut-off texts and the
// application's last word.
#include "grid_fixture.h"
#include "platform/win/winuser.h"

namespace {

class HintsTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        form->Show();
        ProcessMessages();
    }
    // The hint of the point inside cell (col, row), `dx` from its left.
    THintInfo HintAt(int col, int row, int dx = 5) {
        const TRect rect = grid->CellRect(col, row);
        THintInfo info;
        info.CursorPos = {rect.left + dx, rect.top + 5};
        grid->Perform(CM_HINTSHOW, 0, LPARAM(&info));
        return info;
    }
    TPoint ScreenOf(int x, int y) {
        POINT p = {x, y};
        ClientToScreen(grid->Handle(), &p);
        return {p.x, p.y};
    }
    void Comment(int col, int row, const char* text) {
        TCellGraphic* graphic = grid->CreateCellGraphic(col, row);
        graphic->SetCellType(ctComment);
        graphic->SetCellText(text);
    }
};

}  // namespace

TEST_F(HintsTest, ALargeTextWinsOverAComment) {
    Comment(1, 1, "备注");
    grid->SetCells(1, 1, "a text far wider than the column it is in");
    const TRect rect = grid->CellRect(1, 1);
    THintInfo info = HintAt(1, 1);
    EXPECT_EQ(info.HintStr, "备注");
    EXPECT_EQ(info.HintPos, ScreenOf(rect.right, rect.top));
    EXPECT_EQ(grid->HintCell().X, 1);

    grid->SetHintShowLargeText(true);
    info = HintAt(1, 1);
    EXPECT_EQ(info.HintStr, "a text far wider than the column it is in");
    EXPECT_EQ(info.HintPos, ScreenOf(rect.left, rect.top));
    EXPECT_EQ(info.HintColor, clInfoBk);
}

TEST_F(HintsTest, CellTextsShowOnlyForDataCells) {
    grid->SetHintShowCells(true);
    grid->SetCells(2, 0, "header");
    grid->SetCells(2, 2, "<b>bold</b> text");
    EXPECT_EQ(HintAt(2, 0).HintStr, "");
    EXPECT_EQ(HintAt(2, 2).HintStr, "bold text");
    grid->SetHTMLHint(true);
    EXPECT_EQ(HintAt(2, 2).HintStr, "<b>bold</b> text");
    const TRect rect = grid->CellRect(2, 0);
    EXPECT_EQ(HintAt(2, 0).HintPos, ScreenOf(rect.left, rect.bottom + 6));
}

TEST_F(HintsTest, AnAnchorWithoutTitleShowsItsTarget) {
    grid->SetAnchorHint(true);
    grid->SetCells(1, 1, "<a href=\"shop.cn\">xx</a>");
    EXPECT_EQ(HintAt(1, 1, 4).HintStr, "shop.cn");
    grid->SetOnAnchorHint([](TObject*, int, int, AnsiString& anchor) { anchor = "-> " + anchor; });
    EXPECT_EQ(HintAt(1, 1, 4).HintStr, "-> shop.cn");
}

TEST_F(HintsTest, TheApplicationHasTheLastWord) {
    Comment(1, 1, "备注");
    grid->SetOnGridHint([](TObject*, int row, int col, AnsiString& hint) {
        hint += " @" + IntToStr(col) + "," + IntToStr(row);
    });
    EXPECT_EQ(HintAt(1, 1).HintStr, "备注 @1,1");
    EXPECT_EQ(grid->OfficeHint()->Notes()->Text(), "备注 @1,1\r\n");
}
