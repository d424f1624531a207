// Presses on node glyphs (a fixed row's glyph folds or unfolds every node;
// a data row's node asks before it expands or contracts) and the pressed
// look of fixed cells shown as buttons, sunken while the button is down.
#include <utility>

#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "stringgrid/BavGrid.h"

bool TBavStringGrid::NodeGlyphPress(int col, int row, int x) {
    if (col != 0 || !IsNodeRow(row) || !IsNodeGlyphHit(row, x)) return false;
    if (row < TBaseGrid::FixedRows()) {
        if (mouseActions_->NodeAllExpandContract()) {
            TCellGraphic* mark = NodeGraphic(row);
            const bool contracted = mark->CellBoolean();
            if (contracted)
                ExpandAll();
            else
                ContractAll();
            mark->SetCellBoolean(!contracted);
        }
        return false;
    }
    const int realRow = RealRowIndex(row);
    bool allow = true;
    if (GetNodeState(row)) {
        if (onBeforeExpandNode_) onBeforeExpandNode_(this, row, realRow, allow);
        if (!allow) return true;
        ExpandNode(realRow);
        if (onExpandNode_) onExpandNode_(this, row, realRow);
    } else {
        if (onBeforeContractNode_) onBeforeContractNode_(this, row, realRow, allow);
        if (!allow) return true;
        ContractNode(realRow);
        if (onContractNode_) onContractNode_(this, row, realRow);
    }
    if (mouseActions_->MoveRowOnNodeClick()) SetRowEx(row);
    return true;
}

void TBavStringGrid::DrawFixedCellEdge(const TRect& rect, UINT edge) {
    if (!HandleAllocated()) return;
    const HDC dc = GetDC(Handle());
    RECT r = rect;
    DrawEdge(dc, &r, edge, BF_RIGHT | BF_BOTTOM);
    DrawEdge(dc, &r, edge, BF_LEFT | BF_TOP);
    ReleaseDC(Handle(), dc);
}

void TBavStringGrid::PressFixedCell(int col, int row) {
    const TGridOptions options = Options();
    if (!fixedAsButtons_ || !options.Contains(goFixedVertLine) || !options.Contains(goFixedHorzLine) || !Ctl3D())
        return;
    pressedFixedRect_ = MergedCellRect(col, row);
    fixedCellPressed_ = true;
    DrawFixedCellEdge(pressedFixedRect_, BDR_SUNKENINNER);
}

void TBavStringGrid::ReleaseFixedCell() {
    if (!std::exchange(fixedCellPressed_, false)) return;
    DrawFixedCellEdge(pressedFixedRect_, BDR_RAISEDINNER);
}
