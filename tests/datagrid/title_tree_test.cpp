// Multi-level titles: captions split at "|" group adjacent columns under
// shared headers; the tree's rings and the word routines behind them.
#include <gtest/gtest.h>

#include "tests/datagrid/grid_fixture.h"

namespace {

// The tree as text: each node's text, its children in brackets.
std::string Describe(THeadTreeNode* node) {
    std::string result;
    THeadTreeNode* child = node->FirstChild;
    if (!child) return result;
    do {
        if (!result.empty()) result += " ";
        result += child->NodeText;
        if (child->FirstChild) result += "[" + Describe(child) + "]";
        child = child->NextSibling;
    } while (child != node->FirstChild);
    return result;
}

class TitleTreeTest : public GridTest {
protected:
    TProbeGrid* GridWithCaptions(std::initializer_list<const char*> captions) {
        TProbeGrid* grid = NewGrid();
        grid->SetBounds(0, 0, 400, 200);
        for (const char* caption : captions) {
            TColumnVyn* column = grid->Columns()->Add();
            column->Title()->SetCaption(caption);
            column->SetWidth(50);
        }
        grid->SetUseMultiTitle(true);
        return grid;
    }
};

TEST_F(TitleTreeTest, AdjacentColumnsShareTheirLeadingParts) {
    struct Case {
        std::initializer_list<const char*> captions;
        std::string tree;
    };
    const Case cases[] = {
        {{"X|Y|a", "X|Y|b", "X|Z|c"}, "X[Y[a b] Z[c]]"},
        {{"X|a", "Q|b", "X|c"}, "X[a] Q[b] X[c]"},
        {{"X|", "plain"}, "X| plain"},
        {{"X|P|a", "Q|P|b"}, "X[P[a]] Q[P[b]]"},
    };
    for (const Case& c : cases) {
        TProbeGrid* grid = GridWithCaptions(c.captions);
        EXPECT_EQ(Describe(grid->TitleRoot()), c.tree);
    }
}

TEST_F(TitleTreeTest, AHeaderIsAsWideAsItsColumnsAndTheirLines) {
    TProbeGrid* grid = GridWithCaptions({"X|a", "X|b", "X|c"});
    THeadTreeNode* header = grid->LeafNode(0)->ParentNode;
    EXPECT_EQ(header->NodeWidth, 50 + 1 + 50 + 1 + 50);
    grid->Columns()->Items(1)->SetVisible(false);
    header = grid->LeafNode(0)->ParentNode;
    EXPECT_EQ(header->NodeWidth, 50 + 1 + 50);  // the hidden column: -1 plus its line
    EXPECT_EQ(header->NodeHeight + grid->LeafNode(0)->NodeHeight,
              grid->MeasureTitleTree(grid->TitleRoot()));
}

TEST_F(TitleTreeTest, RingOperationsCheckTheirNodes) {
    THeadTreeNode root("Root", 0, 0);
    THeadTreeNode* a = root.AppendChild(&root, "a", 10, 40);
    THeadTreeNode* b = root.AppendChild(&root, "b", 10, 40);
    THeadTreeNode* c = root.AppendChild(&root, "c", 10, 40);
    EXPECT_EQ(c->NextSibling, a);
    EXPECT_EQ(a->Depth(), 1);
    THeadTreeNode stranger("s", 0, 0);
    EXPECT_THROW(root.InsertAfter(&stranger, "x", 0, 0), Exception);
    EXPECT_THROW(root.GroupSiblings(b, a, 20, "h"), Exception);  // a lies before b
    root.GroupSiblings(a, b, 20, "h");
    THeadTreeNode* header = root.FirstChild;
    EXPECT_EQ(header->NodeText, "h");
    EXPECT_EQ(header->NextSibling, c);
    EXPECT_EQ(b->NextSibling, a);
    EXPECT_EQ(a->NodeHeight, 20);
    EXPECT_EQ(a->Depth(), 2);
    EXPECT_TRUE(root.Contains(b));
    EXPECT_FALSE(root.Contains(&stranger));
}

TEST_F(TitleTreeTest, WordsNeverSplitADoubleByteCharacter) {
    // "亅" in GB18030 is 0x81 0x7C: its trail byte is no "|".
    const AnsiString caption = "\x81\x7C" "A|B";
    EXPECT_EQ(GetWord(1, caption, "|"), "\x81\x7C" "A");
    EXPECT_EQ(FindWordStart(2, caption, "|"), 5);
    EXPECT_EQ(FindWordStart(3, caption, "|"), 0);
    EXPECT_EQ(GetWord(2, "||x||y", "|"), "y");
}

}  // namespace
