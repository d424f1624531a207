// The message queue: sending and posting, retrieval with its order (queued
// messages, then WM_QUIT, then WM_PAINT, then WM_TIMER), timers on the
// runtime's clock, and the observers.
#include <algorithm>
#include <chrono>
#include <deque>
#include <map>

#include "platform/rtl/clock.h"
#include "platform/rtl/programlong.h"
#include "platform/rtl/thread.h"
#include "platform/win/surfacehost.h"
#include "platform/win/window_internal.h"

namespace ws {
namespace {

struct Timer {
    HWND window = 0;
    UINT_PTR id = 0;
    UINT interval = 0;
    DWORD due = 0;
    TIMERPROC callback;
    std::function<void()> systemCallback;
    LPARAM token = 0;  // nonzero for timers with a callback
};

template <class Function>
struct ObserverList {
    std::vector<std::pair<int, Function>> entries;
};

struct Queue {
    std::deque<MSG> messages;
    std::map<DWORD, AnsiString> keyTexts;
    DWORD nextTextKey = 1;
    bool quit = false;
    int quitCode = 0;
    DWORD lastTime = 0;
    POINT lastPos;
    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 0x7FF0;
    LPARAM nextToken = 1;
    bool clockListening = false;

    int nextObserver = 1;
    ObserverList<CreationObserver> creation;
    ObserverList<WindowObserver> destruction;
    ObserverList<ActivationObserver> activation;
    ObserverList<SentMessageObserver> sent;
    ObserverList<RetrievedMessageObserver> retrieved;
    ObserverList<MessageFilter> filters;
};

Queue& TheQueue() {
    static ProgramLong<Queue> queue;
    return *queue;
}

template <class Function>
int AddTo(ObserverList<Function>& list, Function f) {
    const int handle = TheQueue().nextObserver++;
    list.entries.emplace_back(handle, std::move(f));
    return handle;
}

template <class Function>
bool RemoveFrom(ObserverList<Function>& list, int handle) {
    auto& e = list.entries;
    auto it = std::find_if(e.begin(), e.end(), [&](auto& p) { return p.first == handle; });
    if (it == e.end()) return false;
    e.erase(it);
    return true;
}

// Calls every observer of a list; the list is copied so observers may
// register or remove others while it runs.
template <class Function, class... Args>
void CallAll(const ObserverList<Function>& list, Args&&... args) {
    if (list.entries.empty()) return;
    const auto entries = list.entries;
    for (auto& [handle, f] : entries) f(args...);
}

bool InRange(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool Matches(const MSG& m, HWND filter, UINT first, UINT last) {
    if (filter == HWND(-1)) {
        if (m.hwnd) return false;
    } else if (filter && m.hwnd != filter) {
        return false;
    }
    return InRange(m.message, first, last);
}

bool Due(const Timer& t, DWORD now) { return std::int32_t(now - t.due) >= 0; }

void ListenToClock() {
    auto& q = TheQueue();
    if (q.clockListening) return;
    q.clockListening = true;
    AddClockListener([] { WakeHost(); });
}

UINT_PTR AddTimer(Timer timer) {
    auto& q = TheQueue();
    ListenToClock();
    timer.due = GetTickCount() + timer.interval;
    const UINT_PTR id = timer.id;
    auto it = std::find_if(q.timers.begin(), q.timers.end(),
                           [&](const Timer& t) { return t.window == timer.window && t.id == timer.id; });
    if (it != q.timers.end()) *it = std::move(timer);
    else q.timers.push_back(std::move(timer));
    WakeHost();
    return id;
}

// A due timer within the filter becomes a WM_TIMER (WM_SYSTIMER); removing it
// re-arms the timer.
bool TakeTimer(MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
    auto& q = TheQueue();
    const DWORD now = GetTickCount();
    for (Timer& t : q.timers) {
        if (!Due(t, now)) continue;
        const UINT message = t.systemCallback ? WM_SYSTIMER : WM_TIMER;
        MSG m{t.window, message, t.id, t.token, now, q.lastPos, 0};
        if (!Matches(m, filter, first, last)) continue;
        if (remove) t.due = now + t.interval;
        *msg = m;
        return true;
    }
    return false;
}

// Milliseconds until the next timer falls due (negative: none).
int UntilNextTimer() {
    auto& q = TheQueue();
    if (q.timers.empty() || IsClockFrozen()) return -1;
    const DWORD now = GetTickCount();
    std::int64_t best = -1;
    for (const Timer& t : q.timers) {
        const std::int64_t wait = std::max<std::int32_t>(0, std::int32_t(t.due - now));
        if (best < 0 || wait < best) best = wait;
    }
    return int(best);
}

// Runs the calls threads queued through Synchronize and lets Qt deliver
// its events into the queue, unless it did so less than a
// millisecond ago and `always` is false: in a burst of messages (a form's
// paints) Qt is asked now and then, and always before the queue is found empty.
bool FeedFromHost(bool always) {
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last;
    const Clock::time_point now = Clock::now();
    if (!always && now - last < std::chrono::milliseconds(1)) return false;
    last = now;
    CheckSynchronize();
    ProcessHostEvents();
    return true;
}

}  // namespace

void NotifyCreation(const WindowCreation& creation) { CallAll(TheQueue().creation, creation); }
void NotifyDestruction(HWND window) { CallAll(TheQueue().destruction, window); }
void NotifyActivation(HWND window, HWND previous) { CallAll(TheQueue().activation, window, previous); }

void EnqueueInput(MSG msg, const AnsiString& keyText) {
    auto& q = TheQueue();
    if (!keyText.empty()) {
        // Texts of keys nobody translated are dropped after a while.
        if (q.keyTexts.size() > 64) q.keyTexts.erase(q.keyTexts.begin());
        msg.lPrivate = q.nextTextKey++;
        q.keyTexts[msg.lPrivate] = keyText;
    }
    q.messages.push_back(msg);
    WakeHost();
}

void ForgetWindowInQueue(HWND window) {
    auto& q = TheQueue();
    std::erase_if(q.messages, [&](const MSG& m) { return m.hwnd == window; });
    std::erase_if(q.timers, [&](const Timer& t) { return t.window == window; });
}

UINT_PTR SetSystemTimer(UINT milliseconds, std::function<void()> callback) {
    Timer t;
    t.id = TheQueue().nextTimerId++;
    t.interval = std::max(10u, milliseconds);
    t.systemCallback = std::move(callback);
    t.token = TheQueue().nextToken++;
    return AddTimer(std::move(t));
}

void KillSystemTimer(UINT_PTR id) { KillTimer(0, id); }

}  // namespace ws

using namespace ws;

LRESULT SendMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(handle);
    if (!w) return 0;
    auto& q = TheQueue();
    if (!q.sent.entries.empty()) {
        CallAll(q.sent, MSG{handle, message, wParam, lParam, q.lastTime, q.lastPos, 0});
        if ((w = Find(handle)) == nullptr) return 0;
    }
    return CallWindowProc(w->proc, handle, message, wParam, lParam);
}

LRESULT SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(handle, message, wParam, lParam);
}

void SendMessageRecord(HWND handle, TMessage& message) {
    message.Result = SendMessage(handle, message.Msg, message.WParam, message.LParam);
}

BOOL InSendMessage() { return FALSE; }

BOOL PostMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle && !Find(handle)) return FALSE;
    auto& q = TheQueue();
    q.messages.push_back(MSG{handle, message, wParam, lParam, GetTickCount(), q.lastPos, 0});
    WakeHost();
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT message, WPARAM wParam, LPARAM lParam) {
    if (threadId != GetCurrentThreadId()) return FALSE;
    return PostMessage(0, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    auto& q = TheQueue();
    q.quit = true;
    q.quitCode = exitCode;
    WakeHost();
}

namespace {

// One look at the queue in the order of retrieval.
BOOL Look(MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
    auto& q = TheQueue();
    for (;;) {
        auto it = std::find_if(q.messages.begin(), q.messages.end(),
                               [&](const MSG& m) { return Matches(m, filter, first, last); });
        if (it == q.messages.end()) break;
        MSG m = *it;
        if (!remove) {
            *msg = m;
            return TRUE;
        }
        q.messages.erase(it);
        if (!InputRetrieved(m)) continue;
        CallAll(q.retrieved, m);
        q.lastTime = m.time;
        q.lastPos = m.pt;
        *msg = m;
        return TRUE;
    }
    if (q.quit && (filter == 0 || filter == HWND(-1)) && InRange(WM_QUIT, first, last)) {
        *msg = MSG{0, WM_QUIT, WPARAM(q.quitCode), 0, GetTickCount(), q.lastPos, 0};
        if (remove) q.quit = false;
        return TRUE;
    }
    if (filter != HWND(-1) && InRange(WM_PAINT, first, last))
        if (const HWND paint = WindowNeedingPaint(filter)) {
            *msg = MSG{paint, WM_PAINT, 0, 0, GetTickCount(), q.lastPos, 0};
            if (remove) CallAll(q.retrieved, *msg);
            return TRUE;
        }
    if (TakeTimer(msg, filter, first, last, remove)) {
        if (remove) CallAll(q.retrieved, *msg);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

BOOL PeekMessage(MSG* msg, HWND filter, UINT first, UINT last, UINT removeFlags) {
    if (!msg) return FALSE;
    const bool remove = (removeFlags & PM_REMOVE) != 0;
    const bool fed = FeedFromHost(false);
    if (Look(msg, filter, first, last, remove)) return TRUE;
    // Nothing waits: whatever Qt holds may change that.
    return !fed && FeedFromHost(true) && Look(msg, filter, first, last, remove);
}

BOOL GetMessage(MSG* msg, HWND filter, UINT first, UINT last) {
    EnsureSurfaceHost();
    while (!PeekMessage(msg, filter, first, last, PM_REMOVE)) WaitForHostEvents(UntilNextTimer());
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    EnsureSurfaceHost();
    MSG msg;
    while (!PeekMessage(&msg, 0, 0, 0, PM_NOREMOVE)) WaitForHostEvents(UntilNextTimer());
    return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg) return FALSE;
    const UINT m = msg->message;
    if (m != WM_KEYDOWN && m != WM_KEYUP && m != WM_SYSKEYDOWN && m != WM_SYSKEYUP) return FALSE;
    auto& q = TheQueue();
    auto it = q.keyTexts.find(msg->lPrivate);
    if (it == q.keyTexts.end()) return TRUE;
    const AnsiString text = it->second;
    q.keyTexts.erase(it);
    if (m != WM_KEYDOWN && m != WM_SYSKEYDOWN) return TRUE;
    const UINT charMessage = m == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    // Ahead of everything else waiting, in byte order.
    for (auto byte = text.rbegin(); byte != text.rend(); ++byte)
        q.messages.push_front(MSG{msg->hwnd, charMessage, WPARAM(Byte(*byte)), msg->lParam, msg->time, msg->pt, 0});
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    auto& q = TheQueue();
    if ((msg->message == WM_TIMER || msg->message == WM_SYSTIMER) && msg->lParam) {
        for (const Timer& t : q.timers) {
            if (t.token != msg->lParam) continue;
            if (t.systemCallback) {
                const auto callback = t.systemCallback;
                callback();
            } else {
                const auto callback = t.callback;
                callback(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
            }
            return 0;
        }
        return 0;
    }
    if (!msg->hwnd) return 0;
    return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessagePos() {
    const POINT p = TheQueue().lastPos;
    return DWORD(MAKELONG(WORD(p.x), WORD(p.y)));
}

LONG GetMessageTime() { return LONG(TheQueue().lastTime); }

DWORD GetQueueStatus(UINT flags) {
    auto& q = TheQueue();
    DWORD status = 0;
    for (const MSG& m : q.messages) {
        if (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) status |= QS_KEY;
        else if (m.message == WM_MOUSEMOVE) status |= QS_MOUSEMOVE;
        else if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) status |= QS_MOUSEBUTTON;
        else status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
    }
    if (WindowNeedingPaint(0)) status |= QS_PAINT;
    const DWORD now = GetTickCount();
    for (const Timer& t : q.timers)
        if (Due(t, now)) status |= QS_TIMER;
    status &= flags;
    return (status << 16) | status;
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC callback) {
    if (window && !Find(window)) return 0;
    auto& q = TheQueue();
    Timer t;
    t.window = window;
    t.id = window ? id : q.nextTimerId++;
    t.interval = std::max(10u, milliseconds);
    if (callback) {
        t.callback = std::move(callback);
        t.token = q.nextToken++;
    }
    return AddTimer(std::move(t));
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    auto& timers = TheQueue().timers;
    auto it = std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == timers.end()) return FALSE;
    timers.erase(it);
    return TRUE;
}

int AddCreationObserver(CreationObserver o) { return AddTo(TheQueue().creation, std::move(o)); }
int AddDestructionObserver(WindowObserver o) { return AddTo(TheQueue().destruction, std::move(o)); }
int AddActivationObserver(ActivationObserver o) { return AddTo(TheQueue().activation, std::move(o)); }
int AddSentMessageObserver(SentMessageObserver o) { return AddTo(TheQueue().sent, std::move(o)); }
int AddRetrievedMessageObserver(RetrievedMessageObserver o) { return AddTo(TheQueue().retrieved, std::move(o)); }
int AddMessageFilter(MessageFilter f) { return AddTo(TheQueue().filters, std::move(f)); }

void RemoveObserver(int handle) {
    auto& q = TheQueue();
    RemoveFrom(q.creation, handle) || RemoveFrom(q.destruction, handle) || RemoveFrom(q.activation, handle) ||
        RemoveFrom(q.sent, handle) || RemoveFrom(q.retrieved, handle) || RemoveFrom(q.filters, handle);
}

BOOL CallMsgFilter(MSG* msg, int code) {
    if (!msg) return FALSE;
    const auto entries = TheQueue().filters.entries;
    for (auto& [handle, filter] : entries)
        if (filter(code, *msg)) return TRUE;
    return FALSE;
}
