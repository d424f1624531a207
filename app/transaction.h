// The application's write pattern: work inside a transaction on the one
// connection, committed when it completes; any exception rolls it back and
// is shown to the operator with its message.
#pragma once

#include <functional>

#include "platform/data/ado.h"

// Answers whether the work was committed. An exception that is not an
// Exception is rethrown after the rollback.
bool RunInTransaction(TADOConnection* connection, const std::function<void()>& work);
