// The host the script-language tests register once in the global registry:
// Emit (the scripts' output), a constructor of EConvertError of its own
// (the SysUtils binding builds Exception only), ConvertFail (a host call
// that raises the platform's conversion error), and the bindings of the
// units System to Db in the report engine's order.
#pragma once

#include <vector>

#include "platform/rtl/types.h"

struct ScriptTestHost {
    static ScriptTestHost& Get();
    std::vector<AnsiString> Emitted;
};
