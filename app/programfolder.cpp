// Where the application's files are.
#include "app/programfolder.h"

#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"

namespace {

AnsiString& Override() {
    static AnsiString folder;
    return folder;
}

}  // namespace

AnsiString AppFolder() { return Override().empty() ? ProgramFolder() : Override(); }

void SetAppFolder(const AnsiString& folder) { Override() = folder; }

AnsiString DatabaseFileName() { return AppFolder() + "database/database.mdb"; }

AnsiString AutomaticBackupFileName() { return AppFolder() + "backup/" + FormatDateTime("yyyy-mm-dd", Date()) + ".bak"; }

AnsiString SettingsFileName() { return AppFolder() + "myini.ini"; }
