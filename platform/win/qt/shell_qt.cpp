// ShellExecute over the desktop's URL handlers, and its recording switch.
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/rtl/codepage.h"
#include "platform/rtl/filepaths.h"
#include "platform/win/shellapi.h"

namespace {

struct ShellState {
    bool recording = false;
    std::vector<ShellRequest> requests;
};

ShellState& TheShell() {
    static ShellState state;
    return state;
}

AnsiString Text(const char* s) { return s ? AnsiString(s) : AnsiString(); }

}  // namespace

HINSTANCE ShellExecute(HWND, const char* operation, const char* file, const char* parameters,
                       const char* directory, int) {
    constexpr HINSTANCE success = 42, notFound = 2, noAssociation = 31;
    const AnsiString op = Text(operation);
    if (!op.empty() && op != "open") return noAssociation;
    const AnsiString target = Text(file);
    ShellState& shell = TheShell();
    if (shell.recording) {
        shell.requests.push_back({op.empty() ? AnsiString("open") : op, target, Text(parameters), Text(directory)});
        return success;
    }
    const QString name = QString::fromStdString(AnsiToUtf8(target));
    QUrl url(name);
    // A plain path (the program's "\" separators included) is a local file.
    if (url.scheme().size() <= 1) {
        const QString path = QString::fromStdString(OsFileName(target));
        if (!QFileInfo::exists(path)) return notFound;
        url = QUrl::fromLocalFile(path);
    }
    return QDesktopServices::openUrl(url) ? success : notFound;
}

void SetShellRecording(bool on) { TheShell().recording = on; }
const std::vector<ShellRequest>& RecordedShellRequests() { return TheShell().requests; }
void ClearRecordedShellRequests() { TheShell().requests.clear(); }
