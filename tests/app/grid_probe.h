// The list grids of the application's windows, seen from tests that also
// see the main window: the grid library's header meets names of the styled
// controls and of the report engine, so only grid_probe.cpp includes it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/data/dataset.h"
#include "platform/gdi/windef.h"

class TDBGridVyn;

// Whether the grid has the settings every list grid shares (read-only,
// sorting, sum list, the yellow footer with "合计数量" under column
// `footerColumn` and the count under the next, title buttons, the hint)
// and is bound to `dataSet`.
::testing::AssertionResult IsListGrid(TDBGridVyn* grid, TDataSet* dataSet, int footerColumn = 0);

// The columns' field names, and those whose title is not centred.
std::vector<AnsiString> GridFields(TDBGridVyn* grid);
std::vector<AnsiString> UncentredTitles(TDBGridVyn* grid);
// The title of column `index`.
AnsiString GridTitle(TDBGridVyn* grid, int index);

// A double click on data row `row` of those in view (0 the first).
void DoubleClickRow(TDBGridVyn* grid, int row = 0);
// A click on the title of data column `column` (never taken for a double
// click: calls alternate between two points).
void ClickTitle(TDBGridVyn* grid, int column);

// The grid's window, for screenshots and focus checks.
HWND GridHandle(TDBGridVyn* grid);
