// Filling a dialog's read-only edits from the current row of a list: each
// edit gets the text of one column.
#pragma once

#include <initializer_list>
#include <utility>

#include "platform/data/dataset.h"
#include "platform/ui/stdctrls_edit.h"

using TEditColumn = std::pair<TCustomEdit*, const char*>;

// Sets each edit's text to its column's value (as text) in `row`'s
// current record.
void CopyRowToEdits(TDataSet* row, std::initializer_list<TEditColumn> edits);
