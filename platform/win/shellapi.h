// Opening a file or an address through the desktop ("open" with the
// program the desktop associates with it). Tests switch to recording: the
// request is kept instead of performed.
#pragma once

#include <vector>

#include "platform/win/messages.h"

// Answers a value above 32 on success (as the platform does), 2 when the
// file is missing or cannot be opened, 31 for an operation other than
// "open" (or empty, which means "open").
HINSTANCE ShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                       const char* directory, int showCommand);

struct ShellRequest {
    AnsiString operation;
    AnsiString file;
    AnsiString parameters;
    AnsiString directory;
};
// While on, ShellExecute records and answers success without opening anything.
void SetShellRecording(bool on);
const std::vector<ShellRequest>& RecordedShellRequests();
void ClearRecordedShellRequests();
