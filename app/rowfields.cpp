// The row's columns into the edits.
#include "app/rowfields.h"

#include "platform/data/field.h"

void CopyRowToEdits(TDataSet* row, std::initializer_list<TEditColumn> edits) {
    for (const auto& [edit, column] : edits) edit->SetText(row->FieldByName(column)->AsString());
}
