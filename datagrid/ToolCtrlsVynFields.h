// Fields named in a ";"-separated list: collected from a dataset (a
// missing name raises "Field '%s' not found"), and given one value (Null
// clears them all).
#pragma once

#include <vector>

#include "platform/data/dataset.h"
#include "platform/rtl/list.h"

class TField;
using TFieldsArrVyn = std::vector<TField*>;

// Adds the fields named in `fieldNames` to `list` (when given), in name
// order; the error names `component`.
void CollectFieldsByNames(TList* list, TDataSet* dataSet, TComponent* component, const AnsiString& fieldNames);
TFieldsArrVyn FieldsArrayByNames(TDataSet* dataSet, TComponent* component, const AnsiString& fieldNames);
void AssignFieldsValue(TDataSet* dataSet, const AnsiString& fieldNames, const Variant& value);
