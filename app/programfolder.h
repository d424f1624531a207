// The folder the application keeps its files in (myini.ini, database/,
// backup/, image/, help.chm): the executable's folder with a trailing "/".
#pragma once

#include "platform/rtl/types.h"

AnsiString AppFolder();
// Points AppFolder elsewhere (tests run the windows over a temporary
// folder); an empty name returns to the executable's folder.
void SetAppFolder(const AnsiString& folder);

// The database file, the day's automatic backup file and the settings
// file, under the application's folder.
AnsiString DatabaseFileName();
AnsiString AutomaticBackupFileName();
AnsiString SettingsFileName();
