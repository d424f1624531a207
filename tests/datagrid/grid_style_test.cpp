// Grids and their shared colour style.
#include "datagrid/DBGridVynStyle.h"
#include "tests/datagrid/grid_fixture.h"

using GridStyleTest = GridTest;

TEST_F(GridStyleTest, GridsShareTheDefaultStyleAndFallBackToItWhenTheirStyleGoes) {
    TDBGridVynStyle* defaultStyle = DefaultGridStyle();
    ASSERT_NE(defaultStyle, nullptr);
    TProbeGrid* a = NewGrid();
    TProbeGrid* b = NewGrid();
    EXPECT_EQ(a->Style(), defaultStyle);
    EXPECT_EQ(b->Style(), defaultStyle);
    const int shared = defaultStyle->GridCount();

    auto own = std::make_unique<TDBGridVynStyle>();
    a->SetStyle(own.get());
    b->SetStyle(own.get());
    EXPECT_EQ(own->GridCount(), 2);
    EXPECT_EQ(defaultStyle->GridCount(), shared - 2);
    own.reset();
    EXPECT_EQ(a->Style(), defaultStyle);
    EXPECT_EQ(b->Style(), defaultStyle);
    EXPECT_EQ(defaultStyle->GridCount(), shared);

    b->SetStyle(nullptr);  // "none" is the default style
    EXPECT_EQ(b->Style(), defaultStyle);
    EXPECT_EQ(defaultStyle->GridCount(), shared);
}

TEST_F(GridStyleTest, FreeingTheDefaultStyleLeavesGridsWithoutAStyle) {
    TProbeGrid* grid = NewGrid();
    const int passes = grid->layoutPasses;
    FinalizeDataGridLibrary();
    EXPECT_EQ(DefaultGridStyle(), nullptr);
    EXPECT_EQ(grid->Style(), nullptr);
    EXPECT_EQ(grid->layoutPasses, passes + 1);  // left without a style, the grid lays out with its own colours
    EXPECT_EQ(NewGrid()->Style(), nullptr);
    // The library's own default style comes back for the other tests.
    InitializeDataGridLibrary();
    EXPECT_NE(DefaultGridStyle(), nullptr);
}

TEST_F(GridStyleTest, StyleDefaultsAndTheSystemColourMessage) {
    TDBGridVynStyle style;
    EXPECT_TRUE(style.LuminateSelection());
    EXPECT_TRUE(style.ShowFocusFrame());
    EXPECT_FALSE(style.ApplyFilterOnListCloseUp());
    EXPECT_EQ(style.ScreenNumColors(), -1);  // more than 256 colours
}
