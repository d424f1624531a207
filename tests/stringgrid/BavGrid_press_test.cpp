// Presses on node glyphs with their events and refusals, the fixed row's
// glyph folding every node, and fixed cells pressed like buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/win/testseams.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class PressTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->SetRowCount(8);
        grid->AddNode(1, 3);
        grid->AddNode(4, 3);
    }
    POINT Glyph(int row) const {
        const TRect r = grid->CellRect(0, row);
        return {r.left + grid->CellNode()->NodeIndent() / 2, (r.top + r.bottom) / 2};
    }
    // Sent straight, so that two presses never make a double click.
    void Click(POINT p) {
        SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        SendMessage(grid->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        ProcessMessages();
    }
    // A client point's colour as shown.
    COLORREF PixelAt(POINT p) {
        const int border = (grid->Width() - grid->ClientWidth()) / 2;
        return ShownPixel(grid->Handle(), p.x + border, p.y + border);
    }
};

TEST_F(PressTest, ANodeGlyphAsksBeforeItFoldsAndReportsAfter) {
    std::vector<std::string> events;
    bool allow = false;
    grid->SetOnBeforeContractNode([&](TObject*, int row, int real, bool& ok) {
        events.push_back("before contract " + std::to_string(row) + "/" + std::to_string(real));
        ok = allow;
    });
    grid->SetOnContractNode([&](TObject*, int row, int) { events.push_back("contract " + std::to_string(row)); });
    grid->SetOnBeforeExpandNode([&](TObject*, int, int, bool&) { events.push_back("before expand"); });
    grid->SetOnExpandNode([&](TObject*, int row, int) { events.push_back("expand " + std::to_string(row)); });
    Click(Glyph(1));
    EXPECT_FALSE(grid->GetNodeState(1)) << "refused";
    allow = true;
    Click(Glyph(1));
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_EQ(grid->RowCount(), 6);
    Click(Glyph(1));
    EXPECT_FALSE(grid->GetNodeState(1));
    EXPECT_EQ(events, (std::vector<std::string>{"before contract 1/1", "before contract 1/1", "contract 1",
                                                "before expand", "expand 1"}));
}

TEST_F(PressTest, TheFixedRowsGlyphFoldsAndUnfoldsEveryNode) {
    grid->MouseActions()->SetNodeAllExpandContract(true);
    grid->CreateCellGraphic(0, 0)->SetCellType(ctNode);
    grid->GetCellProperties(0, 0)->SetNodeLevel(1);
    Click(Glyph(0));
    EXPECT_EQ(grid->RowCount(), 4) << "both nodes contracted";
    Click(Glyph(0));
    EXPECT_EQ(grid->RowCount(), 8);
}

TEST_F(PressTest, AFixedCellShownAsAButtonSinksWhilePressed) {
    const TRect r = grid->CellRect(2, 0);
    const LPARAM center = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const POINT corner{r.left, r.top + 3};  // on the left edge
    const COLORREF raised = PixelAt(corner);
    // The look is drawn straight onto the window: read before any repaint.
    SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, center);
    EXPECT_EQ(PixelAt(corner), raised) << "no button look without FixedAsButtons";
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, center);
    ProcessMessages();
    grid->SetFixedAsButtons(true);
    SendMessage(grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, center);
    const COLORREF sunken = PixelAt(corner);
    EXPECT_NE(sunken, raised);
    SendMessage(grid->Handle(), WM_LBUTTONUP, 0, center);
    EXPECT_NE(PixelAt(corner), sunken);
}

}  // namespace
