// Commit or roll back, and report.
#include "app/transaction.h"

#include "platform/ui/dialogs.h"

void RunTransaction(TADOConnection* connection, const std::function<void()>& work) {
    connection->BeginTrans();
    try {
        work();
        connection->CommitTrans();
    } catch (...) {
        // The error that made the work fail is the one to report: a rollback
        // that fails as well (the disk gone) must not take its place.
        try {
            connection->RollbackTrans();
        } catch (const Exception&) {
        }
        throw;
    }
}

bool RunInTransaction(TADOConnection* connection, const std::function<void()>& work) {
    try {
        RunTransaction(connection, work);
        return true;
    } catch (const Exception& e) {
        ShowMessage(e.Message());
        return false;
    }
}
