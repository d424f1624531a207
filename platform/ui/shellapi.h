// ShellExecute: hands a document to the desktop (the user's default
// application for it). Tests switch on recording, so the request is kept
// instead of carried out.
#pragma once

#include <vector>

#include "platform/ui/windef.h"
#include "platform/rtl/types.h"

// Opens `file` with the verb "open" through the desktop. Answers a value
// above 32 on success, SE_ERR_FNF when the file does not exist and
// SE_ERR_NOASSOC when no application takes it. Other verbs answer
// SE_ERR_NOASSOC. Parameters and folder are accepted and ignored.
HINSTANCE ShellExecute(HWND window, const char* verb, const char* file, const char* parameters,
                     const char* directory, int showCommand);

constexpr HINSTANCE SE_ERR_FNF = 2, SE_ERR_NOASSOC = 31;

// ---- test seam ----------------------------------------------------------------
struct ShellRequest {
    AnsiString Verb;
    AnsiString File;
    int ShowCommand = 0;
};
// While on, ShellExecute records its request and answers 33 without
// opening anything.
void RecordShellRequests(bool on);
const std::vector<ShellRequest>& ShellRequests();
