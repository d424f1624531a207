// What the script tests share: the code of the interpreter error an action raises.
#pragma once

#include <functional>

#include "script/qm_kpinterpreterconst.h"

// The code of the EKpInterpreterError `action` raises; 0 when it raises none.
inline int ErrorCode(const std::function<void()>& action) {
    try {
        action();
    } catch (const EKpInterpreterError& e) {
        return e.Code;
    }
    return 0;
}
