// Tree lines in column 0 of a grid with nodes: a branch from each row to
// its content, the trunk down its own level and the trunks of the levels
// that enclose it.
#include "stringgrid/BavGrid.h"

void TBavStringGrid::DrawTreeLines(TCanvas* canvas, const TRect& rect, int row) {
    if (row < TBaseGrid::FixedRows() || !HasNodes() || !cellNode_->ShowTree()) return;
    const int nodeIndent = cellNode_->NodeIndent(), indent = GetNodeIndent(row);
    const int level = HasCellProperties(0, row) ? GetCellProperties(0, row)->NodeLevel() : 0;
    const int x = rect.left + indent - nodeIndent + nodeIndent / 2 + 2;
    const int middle = (rect.top + rect.bottom) / 2;
    canvas->Pen()->SetColor(cellNode_->TreeColor());
    canvas->Pen()->SetWidth(1);
    if (level > 0) {
        canvas->MoveTo(x, middle);
        canvas->LineTo(cellNode_->ShowTreeFull() ? rect.right : rect.left + indent + 4, middle);
    }
    switch (GetNodeLineKind(row)) {
    case 1:
        canvas->MoveTo(x, rect.top);
        canvas->LineTo(x, middle);
        break;
    case 2:
        canvas->MoveTo(x, rect.top);
        canvas->LineTo(x, rect.bottom + 4);
        break;
    default:
        break;
    }
    const bool trunksGoOn = row == RowCount() - 1 || GetNodeIndent(row + 1) > 0;
    for (int i = 1; i <= level; ++i) {
        const int trunk = x - nodeIndent * i;
        canvas->MoveTo(trunk, rect.top);
        canvas->LineTo(trunk, middle);
        if (trunksGoOn)
            canvas->LineTo(trunk, rect.bottom + 4);
        else if (i < level)
            canvas->LineTo(x + nodeIndent - nodeIndent * i, middle);
    }
}
