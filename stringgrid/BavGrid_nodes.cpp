// Nodes: rows folded under a node row whose ctNode graphic in column 0
// holds the span (CellIndex), the contracted flag (CellBoolean) and the
// level key (CellTag); expanding and contracting hide and restore the
// rows they cover. Summary rows carry a ctSummary graphic.
#include <algorithm>

#include "platform/win/winuser.h"
#include "stringgrid/BavGrid.h"

// ---- Queries (display rows) ------------------------------------------------------------------

TCellGraphic* TBavStringGrid::NodeGraphic(int row) const {
    if (row < 0 || row >= RowCount()) return nullptr;
    TCellGraphic* graphic = GetGraphicObject(0, row);
    return graphic && graphic->CellType() == ctNode ? graphic : nullptr;
}

bool TBavStringGrid::HasNodes() { return nodeCount_ > 0; }

int TBavStringGrid::GetNodeIndent(int row) {
    if (!HasNodes() || row < 0 || !HasCellProperties(0, row)) return 0;
    return GetCellProperties(0, row)->NodeLevel() * cellNode_->NodeIndent();
}

bool TBavStringGrid::IsNodeRow(int row) const { return NodeGraphic(row) != nullptr; }

bool TBavStringGrid::IsSummaryRow(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    TCellGraphic* graphic = GetGraphicObject(0, row);
    return graphic && graphic->CellType() == ctSummary;
}

bool TBavStringGrid::GetNodeState(int row) const {
    TCellGraphic* node = NodeGraphic(row);
    return node && node->CellBoolean();
}

int TBavStringGrid::GetNodeLevel(int row) {
    return IsNodeRow(row) ? GetCellProperties(0, row)->NodeLevel() : -1;
}

int TBavStringGrid::GetNodeSpan(int row) const {
    TCellGraphic* node = NodeGraphic(row);
    return node ? node->CellIndex() : -1;
}

void TBavStringGrid::AdjustNodeSpan(int row, int delta) {
    if (TCellGraphic* node = NodeGraphic(row)) node->SetCellIndex(node->CellIndex() + delta);
}

int TBavStringGrid::RowLevel(int row) {
    return HasCellProperties(0, row) ? GetCellProperties(0, row)->NodeLevel() : 0;
}

int TBavStringGrid::GetParentNodeRow(int row) {
    if (!HasNodes()) return -1;
    const bool node = IsNodeRow(row);
    const int level = node ? RowLevel(row) : 65535;
    for (int i = row; i >= TBaseGrid::FixedRows(); --i)
        if (IsNodeRow(i) && RowLevel(i) < level && row < i + GetNodeSpan(i)) return i;
    return node ? row : -1;
}

int TBavStringGrid::GetNodeLineKind(int row) {
    if (IsNodeRow(row)) return 0;
    if (row < RowCount() - fixedFooters_ - 1 && HasCellProperties(0, row + 1) &&
        GetCellProperties(0, row + 1)->NodeLevel() >= RowLevel(row))
        return 2;
    return 1;
}

bool TBavStringGrid::IsNodeGlyphHit(int row, int x) {
    const int level = RowLevel(row), indent = cellNode_->NodeIndent();
    if (BiDiMode() != bdRightToLeft) return (level - 1) * indent < x && x < level * indent;
    const int scroll = AllRowsInView() ? 0 : GetSystemMetrics(SM_CXVSCROLL);
    return Width() - level * indent - 2 <= x + scroll && x + scroll < Width() - (level - 1) * indent;
}

int TBavStringGrid::EnclosingNodeRow(int nodeRow) {
    const int parent = GetParentNodeRow(nodeRow);
    return parent == nodeRow ? -1 : parent;
}

// The display row after node row `row` where its children end.
int TBavStringGrid::NodeEnd(int row) {
    const int span = GetNodeSpan(row);
    if (span > 0) return row + span;
    int end = row + 1;
    while (end < RowCount() && !IsNodeRow(end)) ++end;
    return end;
}

// ---- Making and removing nodes ---------------------------------------------------------------

void TBavStringGrid::AddNode(int realRow, int span) {
    const int row = DisplayRowIndex(realRow);
    RemoveCellGraphic(0, row);
    TCellGraphic* node = CreateCellGraphic(0, row);
    node->SetCellType(ctNode);
    node->SetCellAngle(row);
    node->SetCellBoolean(false);
    node->SetCellIndex(span);
    node->SetCellHAlign(haBeforeText);
    node->SetCellVAlign(vaCenter);
    node->SetCellTag(-1);
    for (int r = row; r < std::min(row + span, RowCount()); ++r) {
        TCellProperties* properties = GetCellProperties(0, r);
        properties->SetNodeLevel(properties->NodeLevel() + 1);
    }
    if (nodeCount_ == 0) RepaintCol(0);
    ++nodeCount_;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

bool TBavStringGrid::RemoveNode(int realRow) {
    ExpandNode(realRow);
    const int row = DisplayRowIndex(realRow);
    const int span = GetNodeSpan(row);
    if (span < 0) return false;
    for (int r = row; r < std::min(row + span, RowCount()); ++r) {
        TCellProperties* properties = GetCellProperties(0, r);
        properties->SetNodeLevel(std::max(0, properties->NodeLevel() - 1));
    }
    RemoveCellGraphicOfType(0, row, ctNode);
    if (nodeCount_ > 0) --nodeCount_;
    return true;
}

void TBavStringGrid::RemoveAllNodes() {
    for (int row = 0; row < RowCount();) {
        if (!IsNodeRow(row)) {
            ++row;
            continue;
        }
        ExpandNode(RealRowIndex(row));
        const int span = GetNodeSpan(row);
        for (int r = row; r < std::min(row + span, RowCount()); ++r) GetCellProperties(0, r)->SetNodeLevel(0);
        RemoveCellGraphicOfType(0, row, ctNode);
        if (nodeCount_ > 0) --nodeCount_;
        row += span > 0 ? span : 1;
    }
}

void TBavStringGrid::MarkSummaryRow(int realRow) {
    const int row = DisplayRowIndex(realRow);
    RemoveCellGraphic(0, row);
    CreateCellGraphic(0, row)->SetCellType(ctSummary);
}

// ---- Expanding and contracting ---------------------------------------------------------------

void TBavStringGrid::ExpandNode(int realRow) {
    if (cellNode_->ExpandOne()) {
        const int last = RowCount() - 1;
        for (int row = last; row >= TBaseGrid::FixedRows(); --row)
            if (IsNodeRow(row) && !GetNodeState(row) && RealRowIndex(row) != realRow) ContractNode(RealRowIndex(row));
    }
    const int row = DisplayRowIndex(realRow);
    TCellGraphic* node = NodeGraphic(row);
    if (!node || !node->CellBoolean()) return;
    node->SetCellBoolean(false);
    const int next = GetNodeSpan(row) > 0 ? row + 1 : NodeEnd(row);
    const int oldRow = Row(), oldTop = TopRow();
    const bool rowSelect = Options().Contains(goRowSelect);
    if (rowSelect) SetOptions(Options() - TGridOptions{goRowSelect});
    {
        TGridUpdateLock lock(this);
        UnHideRows(RealRowIndex(row) + 1, RealRowIndex(next) - 1);
        if (rowSelect) {
            SetOptions(Options() + TGridOptions{goRowSelect});
            SetRowEx(oldRow);
            SetTopRow(oldTop);
        }
    }
    RecalcFooter(-1);
}

void TBavStringGrid::ContractNode(int realRow) {
    HideEditor();
    const int row = DisplayRowIndex(realRow);
    TCellGraphic* node = NodeGraphic(row);
    if (!node || node->CellBoolean()) return;
    node->SetCellBoolean(true);
    int end = NodeEnd(row);
    const int first = row + 1;
    int i = first;
    while (i < end) {
        TCellGraphic* child = NodeGraphic(i);
        if (!child || !child->CellBoolean()) {
            ++i;
            continue;
        }
        // A contracted child reappears expanded with its parent.
        child->SetCellBoolean(false);
        for (int c = 0; c < cellControls_->Count(); ++c) {
            TControlItem* item = cellControls_->GetItem(c);
            if (item->Col() == 1 && item->Row() == i + 1) item->Control()->SetVisible(false);
        }
        const int childSpan = child->CellIndex();
        HideRows(RealRowIndex(first), RealRowIndex(i));
        end = end + first - childSpan - i;
        i = first;
    }
    if (i > first) HideRows(RealRowIndex(first), RealRowIndex(i - 1));
    RecalcFooter(-1);
}

void TBavStringGrid::ExpandAll() {
    UnHideAllRows();
    for (int row = TBaseGrid::FixedRows(); row < RowCount(); ++row)
        if (TCellGraphic* node = NodeGraphic(row)) node->SetCellBoolean(false);
    RecalcFooter(-1);
}

void TBavStringGrid::ContractAll() {
    {
        TGridUpdateLock lock(this);
        ExpandAll();
        std::vector<int> rows;
        for (int row = TBaseGrid::FixedRows(); row < RowCount();) {
            TCellGraphic* node = NodeGraphic(row);
            if (!node) {
                ++row;
                continue;
            }
            node->SetCellBoolean(true);
            const int span = node->CellIndex();
            const int end = span > 0 ? std::min(row + span, RowCount()) : NodeEnd(row);
            for (int r = row + 1; r < end; ++r) rows.push_back(r);
            row = span > 0 ? end : row + 1;
        }
        HideRowList(rows);
    }
    UpdateCellControls();
    RecalcFooter(-1);
}

// ---- Rows inside nodes -----------------------------------------------------------------------

void TBavStringGrid::InsertNodeChildRow(int realRow, int offset) {
    const int row = DisplayRowIndex(realRow);
    int parent = GetParentNodeRow(row);
    int level = 1, parentLevel = 0;
    if (parent >= 0) {
        AdjustNodeSpan(parent, 1);
        ExpandNode(RealRowIndex(parent));
        level = parentLevel = RowLevel(parent);
    }
    for (int node = parent; level > 1;) {
        const int outer = EnclosingNodeRow(node);
        if (outer < 0) break;
        AdjustNodeSpan(outer, 1);
        ExpandNode(RealRowIndex(outer));
        level = RowLevel(outer);
        node = outer;
    }
    const int inserted = row + offset;
    InsertRows(inserted, 1);
    if (parent >= 0) GetCellProperties(0, inserted)->SetNodeLevel(parentLevel);
    ShiftHiddenRows(RealRowIndex(inserted) - 1, 1);
}

void TBavStringGrid::RemoveNodeChildRow(int realRow) {
    const int row = DisplayRowIndex(realRow);
    int parent = GetParentNodeRow(row);
    if (parent >= 0) {
        const int level = RowLevel(parent);
        if (GetNodeSpan(parent) > 1) AdjustNodeSpan(parent, -1);
        for (;;) {
            ExpandNode(RealRowIndex(parent));
            if (RowLevel(parent) <= 1) break;
            const int outer = EnclosingNodeRow(parent);
            if (outer < 0 || RowLevel(outer) >= level) break;
            if (GetNodeSpan(outer) > 1) AdjustNodeSpan(outer, -1);
            parent = outer;
        }
    }
    DeleteRowsRaw(DisplayRowIndex(realRow), 1);
    allocatedRows_ = std::max(0, allocatedRows_ - 1);
}
