#include "grid_probe.h"

#include "datagrid/DBGridVyn.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"

::testing::AssertionResult IsListGrid(TDBGridVyn* grid, TDataSet* dataSet, int footerColumn) {
    if (!grid) return ::testing::AssertionFailure() << "no grid";
    if (!grid->DataSource() || grid->DataSource()->DataSet() != dataSet)
        return ::testing::AssertionFailure() << "bound elsewhere";
    const TDBGridOptions options{dgTitles,   dgIndicator, dgColumnResize,  dgColLines,    dgRowLines,
                                 dgTabs,     dgRowSelect, dgConfirmDelete, dgCancelOnExit};
    if (!grid->ReadOnly() || grid->Options() != options || !grid->SortLocal() || !grid->SumList()->Active())
        return ::testing::AssertionFailure() << "options";
    if (!grid->OptionsVyn().Contains(dghAutoSortMarking) || !grid->OptionsVyn().Contains(dghMultiSortMarking))
        return ::testing::AssertionFailure() << "sort marking";
    if (grid->FooterRowCount() != 1 || grid->FooterColor() != clYellow) return ::testing::AssertionFailure() << "footer";
    if (!grid->ColumnDefValues()->Title()->TitleButton()) return ::testing::AssertionFailure() << "title buttons";
    if (grid->Hint() != "单击列头可实现排序" || !grid->ShowHint()) return ::testing::AssertionFailure() << "hint";
    TDBGridColumnsVyn* columns = grid->Columns();
    if (columns->Count() < footerColumn + 2) return ::testing::AssertionFailure() << "columns";
    const TColumnFooterVyn* first = columns->Items(footerColumn)->Footer();
    const TColumnFooterVyn* second = columns->Items(footerColumn + 1)->Footer();
    if (first->ValueType() != fvtStaticText || first->Value() != "合计数量" || second->ValueType() != fvtCount)
        return ::testing::AssertionFailure() << "footer values";
    return ::testing::AssertionSuccess();
}

std::vector<AnsiString> GridFields(TDBGridVyn* grid) {
    std::vector<AnsiString> fields;
    for (int i = 0; i < grid->Columns()->Count(); ++i) fields.push_back(grid->Columns()->Items(i)->FieldName());
    return fields;
}

std::vector<AnsiString> UncentredTitles(TDBGridVyn* grid) {
    std::vector<AnsiString> fields;
    for (int i = 0; i < grid->Columns()->Count(); ++i) {
        TColumnVyn* column = grid->Columns()->Items(i);
        if (column->Title()->Alignment() != taCenter) fields.push_back(column->FieldName());
    }
    return fields;
}

AnsiString GridTitle(TDBGridVyn* grid, int index) { return grid->Columns()->Items(index)->Title()->Caption(); }

void DoubleClickRow(TDBGridVyn* grid, int row) {
    const TRect cell = grid->CellRect(grid->FixedCols(), grid->FixedRows() + row);
    const POINT at{cell.left + 3, (cell.top + cell.bottom) / 2};
    SimulateClick(grid->Handle(), at);
    SimulateClick(grid->Handle(), at);
    ProcessMessages();
}

void ClickTitle(TDBGridVyn* grid, int column) {
    static int clicks = 0;
    const TRect cell = grid->CellRect(grid->DataToRawColumn(column), 0);
    const POINT at{(cell.left + cell.right) / 2 + (++clicks % 2 ? -5 : 5), (cell.top + cell.bottom) / 2};
    SimulateClick(grid->Handle(), at);
    ProcessMessages();
}

HWND GridHandle(TDBGridVyn* grid) { return grid->Handle(); }
