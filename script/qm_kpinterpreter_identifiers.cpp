// The one name order of the registry lists.
#include "script/qm_kpinterpreter_identifiers.h"

#include "platform/rtl/sysutils.h"

int CompareIdentifiers(const AnsiString& a, const AnsiString& b) { return CompareText(a, b); }
