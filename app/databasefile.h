// The database file as a whole: restoring it from a backup and emptying it
// for a fresh start.
#pragma once

#include "platform/data/ado.h"

// Whether `fileName` is a database of the same schema as the one
// `connection` works on: an SQLite file with each of the application's five
// tables holding the same columns in the same order, which passes SQLite's
// quick check. Anything else (text, pictures, other databases, damaged
// files) answers false. The file is never changed.
bool IsDatabaseLike(TADOConnection& connection, const AnsiString& fileName);

// Puts `backupFile` in place of the connection's database file. The backup
// is first copied beside the database and that copy is checked with
// IsDatabaseLike, so the file checked is the file installed; only then is
// the connection closed and the copy moved over the database. Answers false
// when the backup is no such database or a copy fails: the database file is
// then untouched and the connection as it was. After a restore the
// connection stays closed; the next start opens the restored file.
bool RestoreDatabaseFile(TADOConnection& connection, const AnsiString& backupFile);

// Empties the five tables and re-creates the administrator "0001"
// ("系统管理员", no password), each statement run on `query` as its whole
// text and the query closed after it, with no transaction around them.
void InitialiseDatabase(TADOQuery& query);
