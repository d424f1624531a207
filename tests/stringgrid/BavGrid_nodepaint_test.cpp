// Node glyphs of the 3D, leaf and own-glyph node types and the tree lines
// of column 0, checked on the pixels of single cells.
#include <gtest/gtest.h>

#include "platform/ui/graphics.h"
#include "stringgrid/BavOptions.h"
#include "tests/stringgrid/grid_fixture.h"

namespace {

constexpr int kWidth = 40, kHeight = 20;

// Below one fixed row: an outer node on row 1 over rows 1 to 4 and an inner
// node on row 2 over rows 2 and 3; row 5 lies outside both.
class NodePaintTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(6);
        grid->AddNode(1, 4);
        grid->AddNode(2, 2);
        grid->CellNode()->SetTreeColor(clRed);
    }
    void Draw(int row) {
        bitmap.SetSize(kWidth, kHeight);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(Rect(0, 0, kWidth, kHeight));
        grid->DrawGridCell(bitmap.Canvas(), 0, row, Rect(0, 0, kWidth, kHeight), TGridDrawState());
    }
    bool Is(int x, int y, TColor color) { return ColorToRGB(bitmap.Canvas()->Pixels(x, y)) == ColorToRGB(color); }
    int Count(TColor color) {
        int count = 0;
        for (int x = 0; x < kWidth; ++x)
            for (int y = 0; y < kHeight; ++y) count += Is(x, y, color);
        return count;
    }
    // Whether the column x is red over the rows [top, bottom).
    bool Vertical(int x, int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            if (!Is(x, y, clRed)) return false;
        return true;
    }
    TBitmap bitmap;
};

// A bitmap framed in white (its transparent colour) around a square of `color`.
std::unique_ptr<TBitmap> Glyph(TColor color) {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(10, 10);
    glyph->Canvas()->Brush()->SetColor(clWhite);
    glyph->Canvas()->FillRect(Rect(0, 0, 10, 10));
    glyph->Canvas()->Brush()->SetColor(color);
    glyph->Canvas()->FillRect(Rect(2, 2, 8, 8));
    return glyph;
}

}  // namespace

TEST_F(NodePaintTest, TreeLinesJoinChildrenToTheirNodesAndEnclosingTrunks) {
    const int middle = kHeight / 2;
    const int inner = 12 + 6 + 2, outer = 6 + 2;  // the trunks of levels 2 and 1
    Draw(3);
    EXPECT_TRUE(Vertical(inner, 0, middle)) << "the last child's trunk ends at its middle";
    EXPECT_FALSE(Is(inner, middle + 3, clRed));
    EXPECT_TRUE(Vertical(outer, 0, kHeight)) << "the outer trunk runs on below it";
    EXPECT_TRUE(Is(inner + 5, middle, clRed) && Is(kWidth - 1, middle, clRed)) << "a branch to the right edge";

    grid->CellNode()->SetShowTreeFull(false);
    Draw(3);
    EXPECT_TRUE(Is(24 + 3, middle, clRed));
    EXPECT_FALSE(Is(24 + 5, middle, clRed)) << "the short branch ends at the indent + 4";

    Draw(2);
    EXPECT_TRUE(Vertical(inner, 15, kHeight)) << "the inner node's line down to its children";
    EXPECT_FALSE(Is(inner, 2, clRed)) << "none up to a parent of a lower level";
    EXPECT_TRUE(Vertical(outer, 0, kHeight));

    Draw(4);
    EXPECT_TRUE(Vertical(outer, 0, middle)) << "the outer node's last child";
    EXPECT_FALSE(Is(outer, middle + 3, clRed));

    Draw(5);
    EXPECT_EQ(Count(clRed), 0) << "a row outside every node";
    grid->CellNode()->SetShowTree(false);
    Draw(3);
    EXPECT_EQ(Count(clRed), 0) << "ShowTree off";
}

TEST_F(NodePaintTest, ThreeDLeafAndOwnGlyphNodesShowTheirState) {
    grid->CellNode()->SetShowTree(false);
    auto drawn = [&](bool contracted) {
        grid->GetCellGraphic(0, 1)->SetCellBoolean(contracted);
        Draw(1);
        std::vector<COLORREF> pixels;
        for (int x = 0; x < kWidth; ++x)
            for (int y = 0; y < kHeight; ++y) pixels.push_back(ColorToRGB(bitmap.Canvas()->Pixels(x, y)));
        return pixels;
    };
    grid->CellNode()->SetNodeType(cn3D);
    grid->CellNode()->SetColor(clLime);
    const auto raised = drawn(true);
    EXPECT_EQ(Count(clLime), 4 * 4) << "the 8 x 8 box in the node colour inside its edge";
    EXPECT_NE(drawn(false), raised) << "sunken when expanded";

    grid->CellNode()->SetNodeType(cnLeaf);
    const auto closed = drawn(true);
    EXPECT_GT(kWidth * kHeight - Count(clWhite), 20) << "the leaf bitmap";
    EXPECT_NE(drawn(false), closed);

    grid->CellNode()->SetNodeType(cnGlyph);
    EXPECT_EQ(drawn(true), raised) << "without its glyphs the plain raised box";
    grid->CellNode()->SetContractGlyph(Glyph(clBlue).get());
    grid->CellNode()->SetExpandGlyph(Glyph(clGreen).get());
    drawn(true);
    EXPECT_EQ(Count(clBlue), 36);
    EXPECT_EQ(Count(clGreen), 0);
    drawn(false);
    EXPECT_EQ(Count(clGreen), 36);
    EXPECT_TRUE(Is(0, 0, clWhite)) << "the glyph's frame is transparent";
}
