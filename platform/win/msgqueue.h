// The message queue of the user-interface thread: sending, posting and
// retrieving messages, the message loop's pieces, timers, and the observers
// that stand in for thread hooks.
//
// Posted messages and input wait in one queue in arrival order. WM_PAINT is
// produced only when nothing else waits and a window has an update region;
// WM_TIMER only when there is no paint either. The Qt event loop never
// delivers anything itself: it only wakes a waiting GetMessage and feeds
// input into the queue. Modal loops are nested GetMessage loops on the same
// queue; WM_QUIT ends them.
#pragma once

#include <functional>

#include "platform/win/winuser.h"

// Calls the window's procedure chain directly (after the sent-message
// observers). 0 for an invalid window.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The same, for a class-library message record.
void SendMessageRecord(HWND window, TMessage& message);
// Whether the message being handled came from another thread: never here,
// where every window lives on the one user-interface thread.
BOOL InSendMessage();

// Posts to the window (0: a thread message). FALSE for an invalid window.
BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);

constexpr UINT PM_NOREMOVE = 0, PM_REMOVE = 1, PM_NOYIELD = 2;
// Looks for a message for `window` (0: any; -1 as HWND(0xFFFFFFFF): thread
// messages only) within [first, last] (both 0: every message). Answers
// FALSE at once when there is none.
BOOL PeekMessage(MSG* msg, HWND window, UINT first, UINT last, UINT removeFlags);
// Waits for a message; answers 0 for WM_QUIT, otherwise nonzero.
BOOL GetMessage(MSG* msg, HWND window, UINT first, UINT last);
// Posts the WM_CHAR (WM_SYSCHAR) bytes of the text a key produced, ahead of
// everything else waiting. Answers whether the message was a key message.
BOOL TranslateMessage(const MSG* msg);
// Delivers a retrieved message to its window's procedure (a WM_TIMER with
// a callback calls the callback). Answers the procedure's result.
LRESULT DispatchMessage(const MSG* msg);
// Waits until a message is there.
BOOL WaitMessage();
// Time and cursor position of the last retrieved message.
DWORD GetMessagePos();
LONG GetMessageTime();
constexpr DWORD QS_KEY = 1, QS_MOUSEMOVE = 2, QS_MOUSEBUTTON = 4, QS_POSTMESSAGE = 8, QS_TIMER = 0x10,
                QS_PAINT = 0x20, QS_SENDMESSAGE = 0x40, QS_HOTKEY = 0x80, QS_ALLPOSTMESSAGE = 0x100,
                QS_MOUSE = QS_MOUSEMOVE | QS_MOUSEBUTTON, QS_INPUT = QS_MOUSE | QS_KEY,
                QS_ALLEVENTS = QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_HOTKEY,
                QS_ALLINPUT = QS_ALLEVENTS | QS_SENDMESSAGE;
// What kinds of messages wait (high word: all waiting, low word: the same).
DWORD GetQueueStatus(UINT flags);

// ---- Timers ---------------------------------------------------------------------
// Timers run on the clock of platform/rtl/clock.h: a test that freezes the
// clock moves them with AdvanceClock. A due timer gives one WM_TIMER when the
// queue is otherwise empty, however often it fell due meanwhile.
using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;
// Starts or restarts the timer `id` of `window` (answers `id`); with window
// 0 a new id is chosen and answered. Intervals below 10 ms count as 10.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC callback = nullptr);
BOOL KillTimer(HWND window, UINT_PTR id);

// ---- Observers (the stand-in for thread hooks) ---------------------------------
// Every kind of observer is called in registration order; each answers the
// handle for RemoveObserver.
struct WindowCreation {
    HWND window = 0;
    const CREATESTRUCT* create = nullptr;  // class name, style, extended style, parent
};
using CreationObserver = std::function<void(const WindowCreation&)>;
using WindowObserver = std::function<void(HWND)>;
// `window` becomes active; `previous` was.
using ActivationObserver = std::function<void(HWND window, HWND previous)>;
// A message about to reach the window's procedure chain through SendMessage.
using SentMessageObserver = std::function<void(const MSG&)>;
// A message GetMessage or PeekMessage(PM_REMOVE) is handing out; it may be changed.
using RetrievedMessageObserver = std::function<void(MSG&)>;
// Inside modal loops (code MSGF_*): answering true consumes the message.
using MessageFilter = std::function<bool(int code, MSG&)>;

int AddCreationObserver(CreationObserver observer);
int AddDestructionObserver(WindowObserver observer);
int AddActivationObserver(ActivationObserver observer);
int AddSentMessageObserver(SentMessageObserver observer);
int AddRetrievedMessageObserver(RetrievedMessageObserver observer);
int AddMessageFilter(MessageFilter filter);
void RemoveObserver(int handle);

constexpr int MSGF_DIALOGBOX = 0, MSGF_MESSAGEBOX = 1, MSGF_MENU = 2, MSGF_SCROLLBAR = 5, MSGF_NEXTWINDOW = 6,
              MSGF_USER = 4096;
// Runs the message filters; answers TRUE when one consumed the message.
BOOL CallMsgFilter(MSG* msg, int code);

