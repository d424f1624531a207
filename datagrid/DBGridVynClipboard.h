// The grid's clipboard actions: copy (Unicode text, "Csv", "Rich Text
// Format" and "VCLDBIF" placed together), cut, paste ("VCLDBIF", else
// plain text) and delete of the selection, which clears a rectangle's or
// the selected columns' cells and deletes selected records.
#pragma once

#include "datagrid/DBGridVyn.h"
#include "platform/win/clipboard.h"

// Registered once, at the library's start-up.
extern UINT ClipboardFormatVCLDBIF;
extern UINT ClipboardFormatCsv;
extern UINT ClipboardFormatRtf;
void RegisterGridClipboardFormats();

// With allRows the whole grid, otherwise its selection.
void GridCopyAction(TCustomDBGridVyn* grid, bool allRows);
void GridCutAction(TCustomDBGridVyn* grid, bool allRows);
void GridPasteAction(TCustomDBGridVyn* grid, bool allRows);
void GridDeleteAction(TCustomDBGridVyn* grid, bool allRows);

// Asks before deleting a selection of this kind (under dgConfirmDelete
// only); false when the user cancelled.
bool ConfirmSelectionDelete(TCustomDBGridVyn* grid, TDBGridVynSelectionType kind);
// Clears the current record's values of the columns that can be edited.
void ClearSelectedCells(TCustomDBGridVyn* grid, TColumnsVynList* columns);
