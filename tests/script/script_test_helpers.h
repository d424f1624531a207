// What the script tests share: the code of the interpreter error an action
// raises, and a fixture that runs scripts and answers what they emitted.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "script/qm_kpinterpreter_unit.h"
#include "script/qm_kpinterpreterconst.h"
#include "script_host.h"

// The code of the EKpInterpreterError `action` raises; 0 when it raises none.
inline int ErrorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const EKpInterpreterError& e) {
        return e.Code;
    }
    return 0;
}

class EmittingScripts : public testing::Test {
protected:
    EmittingScripts() { ScriptTestHost::Get(); }
    // Runs the text and answers the lines it emitted.
    std::vector<AnsiString> Run(const AnsiString& body) {
        ScriptTestHost::Get().Emitted.clear();
        interpreter.SetSource(body);
        interpreter.Run();
        return ScriptTestHost::Get().Emitted;
    }
    TKpInterpreterUnit interpreter{nullptr};
};
