// Grouping: the layout of groups with summary rows, contracting a group,
// ungrouping back to the original rows, merged headers and sub-groups.
#include <vector>

#include "grid_fixture.h"

namespace {

using Texts = std::vector<AnsiString>;

class GroupingTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetFixedCols(0);
        grid->SetColCount(3);
        const Texts groups = {"B", "A", "C", "A", "B", "C"};
        grid->SetRowCount(7);
        grid->SetCells(1, 0, "Kind");
        for (int r = 1; r <= 6; ++r) {
            grid->SetCells(1, r, groups[std::size_t(r - 1)]);
            grid->SetCells(2, r, "v" + std::to_string(r));
        }
        grid->SortSettings()->SetFull(true);
    }
    // Each row as "<kind>:<column 0>|<column 1>", kind N node, S summary.
    Texts Layout() {
        Texts rows;
        for (int r = 1; r < grid->RowCount(); ++r) {
            AnsiString kind = grid->IsNodeRow(r) ? "N" : (grid->IsSummaryRow(r) ? "S" : "");
            rows.push_back(kind + ":" + grid->Cells(0, r) + "|" + grid->Cells(1, r));
        }
        return rows;
    }
};

TEST_F(GroupingTest, GroupsGetHeadersAndSummaryRowsAndUngroupRestores) {
    grid->Grouping()->SetSummary(true);
    grid->Grouping()->SetSummaryColor(clYellow);
    grid->Group(1);
    EXPECT_EQ(grid->GroupColumn(), 1);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(Layout(), (Texts{"N:|A", ":|v2", ":|v4", "S:|", "N:|B", ":|v1", ":|v5", "S:|", "N:|C", ":|v3",
                               ":|v6", "S:|"}));
    EXPECT_EQ(grid->GetNodeSpan(1), 3);
    EXPECT_EQ(grid->GetCellBrushColor(1, 4), clYellow);
    EXPECT_EQ(grid->Row(), 1);

    grid->ContractNode(grid->RealRowIndex(5));
    EXPECT_EQ(Layout(), (Texts{"N:|A", ":|v2", ":|v4", "S:|", "N:|B", "S:|", "N:|C", ":|v3", ":|v6", "S:|"}))
        << "the summary row stays in view";

    grid->UnGroup();
    EXPECT_EQ(grid->GroupColumn(), -1);
    ASSERT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->Cells(1, 0), "Kind");
    ASSERT_EQ(grid->RowCount(), 7);
    for (int r = 1; r <= 6; ++r) {
        const int v = std::stoi(grid->Cells(2, r).substr(1));
        const char* kinds = "BACABC";
        EXPECT_EQ(grid->Cells(1, r), AnsiString(1, kinds[v - 1])) << r;
    }
    EXPECT_FALSE(grid->HasNodes());
}

TEST_F(GroupingTest, ColumnCalculationsPassOverHeadersAndSummaries) {
    grid->Grouping()->SetSummary(true);
    grid->Group(1);
    // The group texts stand in column 1 beside the values.
    for (int r = 1; r < grid->RowCount(); ++r)
        if (grid->IsNodeRow(r) || grid->IsSummaryRow(r)) grid->SetCells(1, r, "100");
    for (int r = 1; r < grid->RowCount(); ++r)
        if (!grid->IsNodeRow(r) && !grid->IsSummaryRow(r)) grid->SetCells(1, r, "2");
    EXPECT_EQ(grid->ColumnSum(1, 1, grid->RowCount() - 1), 12.0);
    EXPECT_EQ(grid->ColumnMax(1, 2, grid->RowCount() - 1), 2.0);
}

TEST_F(GroupingTest, MergedHeadersWithoutSummaryUngroupWithoutLosingRows) {
    grid->SetColCount(4);
    grid->Grouping()->SetMergeHeader(true);
    grid->Grouping()->SetMergeSummary(true);
    grid->Grouping()->SetHeaderColor(clAqua);
    grid->Group(1);
    EXPECT_EQ(Layout(), (Texts{"N:|A", ":|v2", ":|v4", "N:|B", ":|v1", ":|v5", "N:|C", ":|v3", ":|v6"}));
    EXPECT_TRUE(grid->IsMergedHorizontally(1, 1));
    EXPECT_EQ(grid->GetCellBrushColor(1, 1), clAqua);
    grid->UnGroup();
    EXPECT_EQ(grid->RowCount(), 7);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_FALSE(grid->IsMergedHorizontally(1, 1));
}

TEST_F(GroupingTest, GroupingAGridWithoutDataRowsChangesNothing) {
    grid->SetFixedRowAlways(true);
    grid->SetRowCount(1);
    ASSERT_EQ(grid->FixedRows(), 1);
    grid->Group(1);
    EXPECT_EQ(grid->GroupColumn(), -1);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->RowCount(), 1);
}

TEST_F(GroupingTest, SubGroupsFoldRunsInsideGroupsAndGoAgain) {
    grid->SetColCount(4);
    const Texts sub = {"x", "y", "y", "x", "x", "y"};
    for (int r = 1; r <= 6; ++r) grid->SetCells(3, r, sub[std::size_t(r - 1)]);
    grid->Group(1);  // A: v2 v4, B: v1 v5, C: v3 v6; the sub values now in column 2
    auto layout = [this] {
        Texts rows;
        for (int r = 1; r < grid->RowCount(); ++r)
            rows.push_back((grid->IsNodeRow(r) ? "N" + std::to_string(grid->GetNodeLevel(r)) : AnsiString()) + ":" +
                           grid->Cells(1, r) + "|" + grid->Cells(2, r) + "|" + grid->Cells(3, r));
        return rows;
    };
    const Texts grouped = layout();
    grid->SubGroup(2);
    EXPECT_EQ(layout(), (Texts{"N1:A||", "N2:||y", ":v2||", "N2:||x", ":v4||", "N1:B||", "N2:||x", ":v1||",
                               ":v5||", "N1:C||", "N2:||y", ":v3||", ":v6||"}));
    EXPECT_EQ(grid->GetNodeSpan(1), 5);
    grid->ContractAll();
    EXPECT_EQ(grid->RowCount(), 4);
    grid->ExpandAll();
    grid->RemoveGroupLevel(2);
    EXPECT_EQ(layout(), grouped);
}

}  // namespace
