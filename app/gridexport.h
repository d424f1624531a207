// Exporting a list window's grid to a file the user names: the history and
// the loan list share these steps.
#pragma once

class TDataSet;
class TDBGridVyn;
class TSaveDialog;

// Nothing on an empty list; else the dialog, preset with "file1", names
// the file and its filter (1 text .. 5 XLS) picks the format; the name
// gets the format's extension unless it ends with it already; every row
// goes out in the list's order, then "导出数据成功！".
void ExportListToFile(TDataSet* list, TDBGridVyn* grid, TSaveDialog* dialog);
