// ShellExecute over the desktop services of Qt.
#include <QDesktopServices>
#include <QUrl>

#include "platform/rtl/codepage.h"
#include "platform/rtl/fileutils.h"
#include "platform/ui/shellapi.h"

namespace {

struct Recorder {
    bool on = false;
    std::vector<ShellRequest> requests;
};

Recorder& TheRecorder() {
    static Recorder recorder;
    return recorder;
}

}  // namespace

HINSTANCE ShellExecute(HWND, const char* verb, const char* file, const char*, const char*, int showCommand) {
    const AnsiString verbText = verb ? verb : "open";
    const AnsiString fileName = file ? file : "";
    Recorder& recorder = TheRecorder();
    if (recorder.on) {
        recorder.requests.push_back({verbText, fileName, showCommand});
        return 33;
    }
    if (verbText != "open") return SE_ERR_NOASSOC;
    if (!FileExists(fileName)) return SE_ERR_FNF;
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(AnsiToUtf8(fileName)));
    return QDesktopServices::openUrl(url) ? 33 : SE_ERR_NOASSOC;
}

void RecordShellRequests(bool on) {
    TheRecorder().on = on;
    TheRecorder().requests.clear();
}

const std::vector<ShellRequest>& ShellRequests() { return TheRecorder().requests; }
