// What data-aware controls share: looking up the field a control names, and
// whether a control shows a field's value right to left.
#pragma once

#include "platform/data/dataset.h"
#include "platform/ui/controls.h"

// The field `fieldName` of `dataSet`; a missing one raises EDatabaseError
// "Field '%s' not found" naming `control`.
TField* GetFieldProperty(TDataSet* dataSet, TComponent* control, const AnsiString& fieldName);
// True when `control` reads right to left; the field does not change it.
bool DBUseRightToLeftAlignment(TControl* control, TField* field);
