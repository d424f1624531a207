// The text hooks: the formatted text a cell shows (numbers through a float
// format the application may choose per cell), the texts saved and loaded
// for cells, and the row insertion and deletion the keys ask for, which
// stay inside the node that encloses the row.
#include "platform/rtl/format.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

AnsiString TBavStringGrid::GetFormattedCellText(int col, int row) {
    AnsiString text = GetDisplayText(col, row);
    if (!onGetFloatFormat_) return text;
    const int kind = ClassifyNumericText(text);
    bool isFloat = kind == ntInteger || kind == ntFloat || kind == ntScientific;
    AnsiString format = floatFormat_;
    onGetFloatFormat_(this, col, row, isFloat, format);
    if (!isFloat) return text;
    try {
        if (format.find('d') != AnsiString::npos) return Format(format, {GetCellInteger(col, row)});
        return Format(format, {GetCellFloat(col, row)});
    } catch (const std::exception&) {
        return text;
    }
}

AnsiString TBavStringGrid::GetCellSaveText(int col, int row) {
    AnsiString text = GetFormattedCellText(col, row);
    if (text.empty() && GetCellType(col, row) == ctCheckBox) {
        bool checked = false;
        GetCheckBoxState(col, row, checked);
        if (checked)
            GetCheckTrueText(col, row, text);
        else
            GetCheckFalseText(col, row, text);
    }
    if (onSaveCell_) onSaveCell_(this, col, row, text);
    return text;
}

void TBavStringGrid::LoadCellText(int col, int row, AnsiString text) {
    if (onLoadCell_) onLoadCell_(this, col, row, text);
    SetCells(col, row, text);
}

void TBavStringGrid::AutoInsertRow(int row) {
    if (!HasNodes())
        InsertRows(row, 1);
    else if (GetParentNodeRow(row) < 0)
        InsertRealRow(row);
    else
        InsertNodeChildRow(row, 0);
    if (onAutoInsertRow_) onAutoInsertRow_(this, row);
}

void TBavStringGrid::AutoDeleteRow(int row) {
    if (HasNodes()) {
        if (GetParentNodeRow(row) < 0)
            DeleteRealRow(row);
        else
            RemoveNodeChildRow(row);
    } else if (RowCount() - TBaseGrid::FixedRows() - fixedFooters_ == 1 && !fixedRowAlways_) {
        ClearRows(row, 1);
    } else {
        RemoveRows(row, 1);
    }
    if (onAutoDeleteRow_) onAutoDeleteRow_(this, row);
}
