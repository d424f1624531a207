// Database backups through SQLite's online backup: the pages are copied into
// memory under a read lock and then written out as one file.
#include "platform/data/database_backup.h"

#include <sqlite3.h>

#include <memory>
#include <string>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/streams.h"

namespace {

// How long a backup waits for a writer to finish its commit.
constexpr int kBusyWaitMs = 5000;
constexpr int kBusyStepMs = 50;

struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close_v2(db); }
};

[[noreturn]] void Fail(sqlite3* db) { throw EDatabaseError(Utf8ToAnsi(db ? sqlite3_errmsg(db) : "out of memory")); }

void OpenConnection(Connection& connection, const std::string& name, int flags) {
    if (sqlite3_open_v2(name.c_str(), &connection.db, flags, nullptr) != SQLITE_OK) Fail(connection.db);
}

// Copies every page of `source` into `copy` in one step, so one read
// transaction covers the whole copy.
void CopyPages(sqlite3* source, sqlite3* copy) {
    sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
    if (!backup) Fail(copy);
    int rc = SQLITE_OK;
    for (int waited = 0;; waited += kBusyStepMs) {
        rc = sqlite3_backup_step(backup, -1);
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || waited >= kBusyWaitMs) break;
        sqlite3_sleep(kBusyStepMs);
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) throw EDatabaseError(Utf8ToAnsi(sqlite3_errstr(rc)));
}

}  // namespace

void BackupDatabaseFile(const AnsiString& databaseFile, const AnsiString& backupFile) {
    Connection source, copy;
    OpenConnection(source, OsFileName(databaseFile), SQLITE_OPEN_READONLY);
    OpenConnection(copy, ":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY);
    CopyPages(source.db, copy.db);
    sqlite3_int64 size = 0;
    std::unique_ptr<unsigned char, decltype(&sqlite3_free)> bytes(sqlite3_serialize(copy.db, "main", &size, 0),
                                                                  &sqlite3_free);
    if (!bytes) Fail(copy.db);
    SaveBytesToFile(backupFile, std::string_view(reinterpret_cast<const char*>(bytes.get()), std::size_t(size)));
}
