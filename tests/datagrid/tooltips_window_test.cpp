// The tooltip window measures and shows its text in the cell's font, in
// the window-text colour.
#include "datagrid/DBGridVynToolTips.h"
#include "tests/datagrid/grid_fixture.h"

TEST(ToolTipsWindowTest, TakesTheCellsFontInWindowTextColour) {
    std::unique_ptr<TToolTipsWindow> window(TToolTipsWindow::Create(nullptr));
    const TRect plain = window->CalcHintRect(400, "单击列头可实现排序", nullptr);
    TFont cellFont;
    cellFont.SetSize(24);
    cellFont.SetColor(clRed);
    const TRect large = window->CalcHintRect(400, "单击列头可实现排序", &cellFont);
    EXPECT_GT(large.bottom - large.top, plain.bottom - plain.top);
    EXPECT_GT(large.right - large.left, plain.right - plain.left);
    EXPECT_EQ(window->Font()->Size(), 24);
    EXPECT_EQ(window->Font()->Color(), clWindowText);
    EXPECT_EQ(cellFont.Color(), clRed);  // the caller's font is left as it was
}
