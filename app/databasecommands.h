// The main window's 数据恢复 (restore) and 数据初始化 (initialisation)
// commands: their questions, the work of databasefile.h and the messages.
#pragma once

#include <functional>

#include "platform/data/ado.h"

// Asks before overwriting, lets the operator choose the backup, restores it
// over the connection's database and, on success, says so and ends the run
// (no closing question, no automatic backup). A file that is no database of
// this schema, or a failed copy, gives the failure message; the run goes on
// with the old database. `chooseBackup` runs the open dialog and answers
// the chosen name, empty when cancelled.
void RestoreDatabaseCommand(TADOConnection& connection, const std::function<AnsiString()>& chooseBackup);

// Asks, then empties the database and re-creates the administrator on
// `query` (the scratch query ADOall) in one transaction, and says so once
// it is committed. A database error escapes to the application's default
// handler with the database as it was.
void InitialiseDatabaseCommand(TADOQuery& query);
