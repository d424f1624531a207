// Commit or roll back and report.
#include "app/transaction.h"

#include "platform/ui/dialogs.h"

bool RunInTransaction(TADOConnection* connection, const std::function<void()>& work) {
    connection->BeginTrans();
    try {
        work();
        connection->CommitTrans();
        return true;
    } catch (const Exception& e) {
        connection->RollbackTrans();
        ShowMessage(e.Message());
        return false;
    } catch (...) {
        // Not the library's own: the caller's handler reports it, the data stays untouched.
        connection->RollbackTrans();
        throw;
    }
}
