// The database file as a whole: restoring it from a backup and emptying it
// for a fresh start.
#pragma once

#include "platform/data/ado.h"

// Whether `fileName` is a database of the application: an SQLite file
// whose schema objects are exactly those the application's schema creates
// (its five tables with their columns, and their indexes; no other table,
// no view, no trigger), which passes SQLite's quick check. The reference is
// the schema built into the program, never the database in use, so a good
// backup restores a live database that lost a table. Anything else (text,
// pictures, other databases, damaged files) answers false. The file's
// contents are never changed.
bool IsDatabaseLike(const AnsiString& fileName);

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
// text and the query closed after it, all in one transaction on the
// query's connection: a failure part way leaves the database as it was
// (never without an operator) and propagates.
void InitialiseDatabase(TADOQuery& query);
