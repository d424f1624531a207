// The grid's window messages of fonts, colours and the flat border: a flat
// grid keeps a one-pixel frame of its own, the parent's font and colour
// reach the title, footer and footer colour without clearing ParentFont or
// ParentColor, and a font change lays the rows out in the new font.
#include "tests/datagrid/grid_fixture.h"

using GridWindowMessagesTest = GridTest;

TEST_F(GridWindowMessagesTest, FlatRecreatesTheWindowWithAOnePixelBorderOfItsOwn) {
    struct Case {
        bool flat;
        TBorderStyle border;
        int frame;  // pixels between the window's and the client's edge
        bool clientEdge;
    };
    const Case cases[] = {
        {false, bsSingle, 2, true},
        {true, bsSingle, 1, false},
        {true, bsNone, 0, false},
    };
    TProbeGrid* grid = NewShownGrid(200, 120);
    for (const Case& c : cases) {
        const HWND before = grid->Handle();
        grid->SetBorderStyle(c.border);
        grid->SetFlat(c.flat);
        const HWND after = grid->Handle();
        RECT window{}, client{};
        GetWindowRect(after, &window);
        GetClientRect(after, &client);
        EXPECT_EQ(window.right - window.left - client.right, 2 * c.frame) << c.flat << " " << int(c.border);
        EXPECT_EQ(window.bottom - window.top - client.bottom, 2 * c.frame);
        EXPECT_EQ((GetWindowLong(after, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0, c.clientEdge);
        if (c.flat) {
            EXPECT_NE(before, after);
        }
    }
    EXPECT_EQ(grid->TitleTextMargin(), 2);
}

TEST_F(GridWindowMessagesTest, TheParentsFontAndColourReachTitleFooterAndFooterColour) {
    TProbeGrid* grid = NewShownGrid(200, 120, [](TProbeGrid* g) {
        g->SetParentFont(true);
        g->SetParentColor(true);
        g->SetFooterRowCount(1);
    });
    TWinControl* form = grid->Parent();
    form->Font()->SetSize(14);
    EXPECT_EQ(grid->TitleFont()->Size(), 14);
    EXPECT_EQ(grid->FooterFont()->Size(), 14);
    EXPECT_TRUE(grid->ParentFont());

    form->SetColor(clYellow);
    EXPECT_EQ(grid->FooterColor(), clYellow);
    EXPECT_TRUE(grid->ParentColor());

    // The grid's own choices end the following.
    grid->TitleFont()->SetSize(9);
    EXPECT_FALSE(grid->ParentFont());
    grid->SetFooterColor(clAqua);
    EXPECT_FALSE(grid->ParentColor());
    form->Font()->SetSize(20);
    form->SetColor(clLime);
    EXPECT_EQ(grid->TitleFont()->Size(), 9);
    EXPECT_EQ(grid->FooterColor(), clAqua);
}

TEST_F(GridWindowMessagesTest, AFontChangeLaysTheRowsOutInTheNewFont) {
    FillPhones(3);
    TProbeGrid* grid = NewShownGrid(300, 200, [this](TProbeGrid* g) { g->SetDataSource(source_.get()); });
    const int before = grid->DefaultRowHeight();
    const int passes = grid->layoutPasses;
    grid->Font()->SetSize(grid->Font()->Size() * 2);
    EXPECT_GT(grid->layoutPasses, passes);
    EXPECT_GT(grid->DefaultRowHeight(), before);
    EXPECT_EQ(grid->Columns()->Items(0)->Font()->Size(), grid->Font()->Size());
}
