// The host the script-language tests register once in the global registry:
// Emit (the scripts' output), the classes Exception and EConvertError with
// a constructor and Message, and ConvertFail (a host call that raises the
// platform's conversion error), and the System, Classes, Windows and
// Types bindings.
#pragma once

#include <vector>

#include "platform/rtl/types.h"

struct ScriptTestHost {
    static ScriptTestHost& Get();
    std::vector<AnsiString> Emitted;
};
