// Where the application's files are.
#include "app/programfolder.h"

#include "platform/rtl/fileutils.h"

namespace {

AnsiString& Override() {
    static AnsiString folder;
    return folder;
}

}  // namespace

AnsiString AppFolder() { return Override().empty() ? ProgramFolder() : Override(); }

void SetAppFolder(const AnsiString& folder) { Override() = folder; }
