// The field and definition classes of the script unit "Db", registered by
// RegisterDbBindings at their places in its order.
#pragma once

#include <vector>

#include "platform/rtl/object.h"

class TKpInterpreterAdapter;

namespace dbbindings {

inline constexpr const char* unitName = "Db";

// The classes entered in the streaming class registry at the end.
using ClassList = std::vector<TClass>;

void RegisterFieldDefClasses(TKpInterpreterAdapter& a);
void RegisterFieldClasses(TKpInterpreterAdapter& a, ClassList& streamed);
void RegisterIndexDefClasses(TKpInterpreterAdapter& a);
void RegisterCheckConstraintClasses(TKpInterpreterAdapter& a, ClassList& streamed);

}  // namespace dbbindings
