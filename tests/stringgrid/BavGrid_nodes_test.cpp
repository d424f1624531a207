// Nodes: making and removing them, expanding and contracting (nested,
// ExpandOne, span 0), contracting and expanding all, rows inside nodes.
#include <vector>

#include "grid_fixture.h"

namespace {

class NodesTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        FillNumberedRows(grid, 12);
    }
    std::vector<int> Shown() {
        std::vector<int> rows;
        for (int r = 0; r < grid->RowCount(); ++r) rows.push_back(std::stoi(grid->Cells(1, r).substr(1)));
        return rows;
    }
    void ExpectAllShown() {
        ASSERT_EQ(grid->RowCount(), 12);
        for (int r = 0; r < 12; ++r) {
            EXPECT_EQ(grid->Cells(1, r), "r" + std::to_string(r));
            EXPECT_EQ(grid->RowHeights(r), 20 + r) << r;
        }
    }
};

TEST_F(NodesTest, ANodeCoversItsSpanAndContractsAndExpands) {
    EXPECT_FALSE(grid->HasNodes());
    grid->SetCol(0);
    grid->AddNode(1, 3);
    EXPECT_TRUE(grid->HasNodes());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->IsNodeRow(1));
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_EQ(grid->GetNodeSpan(2), -1);
    EXPECT_EQ(grid->GetNodeLevel(1), 1);
    EXPECT_EQ(grid->GetNodeIndent(3), grid->CellNode()->NodeIndent());
    EXPECT_EQ(grid->GetNodeIndent(4), 0);
    EXPECT_EQ(grid->GetParentNodeRow(3), 1);
    EXPECT_EQ(grid->GetParentNodeRow(4), -1);
    EXPECT_EQ(grid->GetNodeLineKind(1), 0);
    EXPECT_EQ(grid->GetNodeLineKind(2), 2);
    EXPECT_EQ(grid->GetNodeLineKind(3), 1);
    grid->ContractNode(1);
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 4, 5, 6, 7, 8, 9, 10, 11}));
    grid->ExpandNode(1);
    EXPECT_FALSE(grid->GetNodeState(1));
    ExpectAllShown();
    EXPECT_TRUE(grid->RemoveNode(1));
    EXPECT_FALSE(grid->HasNodes());
    EXPECT_FALSE(grid->RemoveNode(1));
    EXPECT_EQ(grid->GetCellProperties(0, 2)->NodeLevel(), 0);
}

TEST_F(NodesTest, AContractedChildHidesWithItsParentAndReturnsExpanded) {
    grid->AddNode(1, 6);  // rows 1-6
    grid->AddNode(2, 3);  // rows 2-4, inside
    EXPECT_EQ(grid->GetNodeLevel(2), 2);
    EXPECT_EQ(grid->GetParentNodeRow(2), 1);
    grid->ContractNode(2);
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 2, 5, 6, 7, 8, 9, 10, 11}));
    grid->ContractNode(1);
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 7, 8, 9, 10, 11}));
    grid->ExpandNode(1);
    ExpectAllShown();
    EXPECT_FALSE(grid->GetNodeState(2));
}

TEST_F(NodesTest, ExpandOneContractsTheOtherNodesFirst) {
    grid->CellNode()->SetExpandOne(true);
    grid->AddNode(1, 3);
    grid->AddNode(4, 3);
    grid->ContractNode(1);
    grid->ExpandNode(1);
    EXPECT_FALSE(grid->GetNodeState(1));
    EXPECT_TRUE(grid->GetNodeState(4));
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 2, 3, 4, 7, 8, 9, 10, 11}));
}

TEST_F(NodesTest, ANodeOfSpanZeroCoversTheRowsUpToTheNextNode) {
    grid->AddNode(1, 0);
    grid->AddNode(5, 2);
    grid->ContractNode(1);
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 5, 6, 7, 8, 9, 10, 11}));
    grid->ExpandNode(1);
    ExpectAllShown();
}

TEST_F(NodesTest, ContractAllThenExpandAllRestoresRowsAndHeights) {
    grid->AddNode(1, 6);
    grid->AddNode(2, 3);
    grid->AddNode(8, 2);
    grid->ContractAll();
    EXPECT_EQ(Shown(), (std::vector<int>{0, 1, 7, 8, 10, 11}));
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_TRUE(grid->GetNodeState(3)) << "display row 3 is the node of real row 8";
    grid->ExpandAll();
    ExpectAllShown();
    for (int row : {1, 2, 8}) EXPECT_FALSE(grid->GetNodeState(row)) << row;
}

TEST_F(NodesTest, ClearRemovesTheNodes) {
    grid->AddNode(1, 3);
    grid->AddNode(5, 2);
    grid->ContractNode(5);
    grid->Clear();
    EXPECT_FALSE(grid->HasNodes());
    EXPECT_EQ(grid->RowCount(), 12) << "contracted rows come back before clearing";
    for (int r = 0; r < 12; ++r) EXPECT_FALSE(grid->IsNodeRow(r)) << r;
    EXPECT_EQ(grid->Cells(1, 0), "");
}

TEST_F(NodesTest, AChildRowInsertedInANestedNodeWidensEveryEnclosingNode) {
    grid->AddNode(1, 6);
    grid->AddNode(2, 3);
    grid->HideRows(10, 10);
    grid->InsertNodeChildRow(3, 0);
    EXPECT_EQ(grid->GetNodeSpan(1), 7);
    EXPECT_EQ(grid->GetNodeSpan(2), 4);
    EXPECT_EQ(grid->Cells(1, 3), "");
    EXPECT_EQ(grid->GetCellProperties(0, 3)->NodeLevel(), 2);
    EXPECT_TRUE(grid->IsHiddenRow(11)) << "hidden rows after the insertion move down";
    grid->RemoveNodeChildRow(3);
    EXPECT_EQ(grid->GetNodeSpan(2), 3);
    EXPECT_EQ(grid->GetNodeSpan(1), 6);
    EXPECT_TRUE(grid->IsHiddenRow(10));
    EXPECT_EQ(grid->Cells(1, 3), "r3");
}

}  // namespace
