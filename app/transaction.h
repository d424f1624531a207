// The application's write pattern: work inside a transaction on the one
// connection, committed when it completes, rolled back when anything in it
// fails. Success is reported by the callers only after the commit, so a
// program stopped at a message never loses what it said was saved.
#pragma once

#include <functional>

#include "platform/data/ado.h"

// Runs `work` in a transaction and commits it; any exception (from the work
// or the commit) rolls the transaction back and propagates, the original
// exception, not one from the rollback.
void RunTransaction(TADOConnection* connection, const std::function<void()>& work);

// RunTransaction that shows an Exception's message to the operator instead
// of propagating it; answers whether the work was committed. An exception
// that is not an Exception propagates after the rollback.
bool RunInTransaction(TADOConnection* connection, const std::function<void()>& work);
