// Message boxes, message dialogs and input boxes. Each is built as a real
// dialog window and asks the modal responder (modalresponder.h) first: a
// waiting answer is taken (and the question recorded) instead of the user's.
#pragma once

#include <initializer_list>
#include <span>

#include "platform/ui/forms.h"

constexpr UINT MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
               MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF, MB_ICONERROR = MB_ICONHAND, MB_ICONSTOP = MB_ICONHAND,
               MB_ICONWARNING = MB_ICONEXCLAMATION, MB_ICONINFORMATION = MB_ICONASTERISK, MB_ICONMASK = 0xF0,
               MB_DEFBUTTON1 = 0, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFBUTTON4 = 0x300,
               MB_DEFMASK = 0xF00, MB_APPLMODAL = 0, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000,
               MB_SETFOREGROUND = 0x10000, MB_TOPMOST = 0x40000;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

// A system message box of class "#32770" owned by `owner`; answers the
// chosen button's ID (IDOK, IDCANCEL, ...). An empty caption reads "错误".
int MessageBox(HWND owner, const char* text, const char* caption, UINT flags);
// Enters "MessageBoxA" in the platform's function table for "user32", so a
// library call by name reaches the message box (done at start-up).
void RegisterDialogFunctions();

SERVIORA_ENUM(TMsgDlgType, mtWarning, mtError, mtInformation, mtConfirmation, mtCustom)
SERVIORA_ENUM(TMsgDlgBtn, mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll,
              mbHelp)
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// A form of class "TMessageForm" with the message, the type's caption
// ("警告", "错误", "信息", "确认"; mtCustom: the application's title) and the
// buttons; the caller owns it.
TForm* CreateMessageDialog(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows the message dialog modally and answers the button's mr value.
int MessageDlg(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
// The same at a screen position (-1: centred).
int MessageDlgPos(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx, int x, int y);
// The same with the help file its Help button would open; the platform's
// message dialogs show help through the application's help calls, so the
// file is not used.
int MessageDlgPosHelp(const AnsiString& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx, int x, int y,
                      const AnsiString& helpFileName);
// A message with an OK button, titled with the application's title.
void ShowMessage(const AnsiString& msg);
// The message Format makes of `format` and `args` (its EConvertError when
// they do not match).
void ShowMessageFmt(const AnsiString& format, std::span<const TVarRec> args);
// A message at a screen position (-1: centred).
void ShowMessagePos(const AnsiString& msg, int x, int y);

// Asks for a line of text; false (value unchanged) when cancelled.
bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value);
// Answers the text entered, or `defaultValue` when cancelled.
AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& defaultValue);
