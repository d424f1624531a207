// Backups of a database file that hold only committed data.
#pragma once

#include "platform/rtl/types.h"

// Writes the committed state of the database file `databaseFile` to
// `backupFile` (ANSI names). The pages are read through a connection of
// its own in one read transaction, so a transaction that another
// connection has open (even one whose pages already reached the file)
// never shows in the copy; while a commit is being written the read waits
// for it. The backup replaces `backupFile` in one step. Raises
// EDatabaseError when the database cannot be read and EFCreateError when
// the backup cannot be written.
void BackupDatabaseFile(const AnsiString& databaseFile, const AnsiString& backupFile);
