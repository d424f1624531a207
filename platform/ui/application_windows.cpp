// The application's windows: its handle and icon, its activation, the
// stay-on-top marks it takes away while a dialog shows, the task windows
// a modal window disables, and help through the shell.
#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/win/shellapi.h"

void TApplication::SetHandle(HWND v) {
    if (!handleCreated_) handle_ = v;
}

void TApplication::SetIcon(TIcon* v) { icon_->Assign(v); }

bool TApplication::Active() const { return FindControl(GetActiveWindow()) != nullptr; }

void TApplication::ForegroundChanged(bool active) {
    if (foreground_ == int(active)) return;
    foreground_ = int(active);
    if (active) {
        onActivate_(this);
    } else {
        CancelHint();
        onDeactivate_(this);
    }
}

void TApplication::BringToFront() {
    if (mainForm_) mainForm_->BringToFront();
}

void TApplication::Minimize() {
    if (mainForm_) mainForm_->SetWindowState(wsMinimized);
}

void TApplication::Restore() {
    if (mainForm_ && mainForm_->WindowState() == wsMinimized) mainForm_->SetWindowState(wsNormal);
}

// ---- stay-on-top marks --------------------------------------------------------------

void TApplication::NormalizeTopMosts() { NormalizeTopMosts(false); }

void TApplication::NormalizeAllTopMosts() { NormalizeTopMosts(true); }

void TApplication::NormalizeTopMosts(bool includeMain) {
    if (topMostLevel_++ > 0) return;
    const HWND mainWindow = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : 0;
    EnumWindows([&](HWND window, LPARAM) {
        if (IsWindowVisible(window) && (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_TOPMOST) &&
            (includeMain || window != mainWindow))
            topMostList_.push_back(window);
        return TRUE;
    }, 0);
    for (HWND window : topMostList_)
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TApplication::RestoreTopMosts() {
    if (topMostLevel_ == 0 || --topMostLevel_ > 0) return;
    for (HWND window : topMostList_)
        if (IsWindow(window))
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    topMostList_.clear();
}

// ---- help ---------------------------------------------------------------------------

AnsiString TApplication::CurrentHelpFile() const {
    if (const TCustomForm* form = Screen->ActiveCustomForm(); form && !form->HelpFile().empty())
        return form->HelpFile();
    return helpFile_;
}

bool TApplication::HelpCommand(int command, int data) {
    switch (command) {
    case HELP_CONTEXT: return OpenHelp("-mapid " + IntToStr(data));
    case HELP_CONTENTS: return OpenHelp(AnsiString());
    case HELP_QUIT: return !CurrentHelpFile().empty();
    default: return false;
    }
}

bool TApplication::HelpContext(int context) { return HelpCommand(HELP_CONTEXT, context); }

// The jump's topic goes to the viewer as text: a command's data is an
// integer here and cannot carry it.
bool TApplication::HelpJump(const AnsiString& jumpId) { return OpenHelp("-topic " + jumpId); }

bool TApplication::OpenHelp(const AnsiString& parameters) {
    const AnsiString file = CurrentHelpFile();
    if (file.empty()) return false;
    return ShellExecute(0, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                        SW_SHOWNORMAL) > 32;
}

// ---- forms of a control, task windows ---------------------------------------------------

TCustomForm* GetParentForm(TControl* control) { return control ? control->GetParentForm() : nullptr; }

TCustomForm* ValidParentForm(TControl* control) {
    TCustomForm* form = GetParentForm(control);
    if (!form) throw EInvalidOperation("Control '" + (control ? control->Name() : AnsiString()) + "' has no parent window");
    return form;
}

TTaskWindowList* DisableTaskWindows(HWND activeWindow) {
    auto* list = new TTaskWindowList;
    EnumWindows([&](HWND window, LPARAM) {
        if (window != activeWindow && IsWindowVisible(window) && IsWindowEnabled(window)) list->windows.push_back(window);
        return TRUE;
    }, 0);
    for (HWND window : list->windows) EnableWindow(window, FALSE);
    return list;
}

void EnableTaskWindows(TTaskWindowList* list) {
    if (!list) return;
    for (HWND window : list->windows)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    delete list;
}

bool ForegroundTask() { return FindControl(GetForegroundWindow()) != nullptr; }
