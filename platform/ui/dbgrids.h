// The option set of the class library's data-aware grids, which data-aware
// grid libraries take over as their own Options.
#pragma once

#include "platform/rtl/set.h"
#include "platform/rtl/typinfo.h"

SERVIORA_ENUM(TDBGridOption, dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator, dgColumnResize, dgColLines,
              dgRowLines, dgTabs, dgRowSelect, dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect)
using TDBGridOptions = TSet<TDBGridOption>;
