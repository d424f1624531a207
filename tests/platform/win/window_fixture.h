// A fixture for window-system tests: a window class whose procedure records
// the messages it is asked to watch, and windows that are destroyed after
// each test.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/win/testseams.h"
#include "platform/win/winpaint.h"

struct LoggedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The messages a test asked to watch, as a window procedure of the fixture
// `Owner` saw them; each fixture keeps its own log.
template <class Owner>
class WatchedMessages {
public:
    static void Watch(std::initializer_list<UINT> messages) {
        Watched().insert(Watched().end(), messages.begin(), messages.end());
    }
    static std::vector<LoggedMessage>& Log() {
        static std::vector<LoggedMessage> log;
        return log;
    }
    static std::vector<UINT> LoggedIds() {
        std::vector<UINT> ids;
        for (auto& m : Log()) ids.push_back(m.message);
        return ids;
    }
    static std::vector<LoggedMessage> Logged(UINT message) {
        std::vector<LoggedMessage> found;
        for (auto& m : Log())
            if (m.message == message) found.push_back(m);
        return found;
    }

protected:
    static void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto& watched = Watched();
        if (std::find(watched.begin(), watched.end(), message) != watched.end())
            Log().push_back({window, message, wParam, lParam});
    }
    static void ResetWatch() {
        Log().clear();
        Watched().clear();
    }

private:
    static std::vector<UINT>& Watched() {
        static std::vector<UINT> watched;
        return watched;
    }
};

// Windows a test created, destroyed last first when the test ends.
class CreatedWindows {
public:
    HWND Keep(HWND window) {
        created_.push_back(window);
        return window;
    }
    void DestroyAll() {
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            if (IsWindow(*it)) DestroyWindow(*it);
        created_.clear();
        DispatchQueuedMessages();
    }

private:
    std::vector<HWND> created_;
};

class WindowTest : public ::testing::Test, public WatchedMessages<WindowTest>, protected CreatedWindows {
protected:
    static constexpr const char* className = "TWindowTest";

    void SetUp() override {
        static const ATOM registered = [] {
            WNDCLASS wc;
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = &WindowTest::Procedure;
            wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
            wc.lpszClassName = className;
            return RegisterClass(&wc);
        }();
        ASSERT_NE(registered, 0);
        ResetWatch();
    }

    void TearDown() override {
        DestroyAll();
        ResetWatch();
    }

    // A shown top-level window (screen position x, y) or a child of `parent`.
    HWND TopLevel(int x, int y, int width, int height, DWORD exStyle = 0) {
        return Keep(CreateWindowEx(exStyle, className, "top", WS_POPUP | WS_VISIBLE, x, y, width, height, 0, 0, 0,
                                   nullptr));
    }
    HWND Child(HWND parent, int x, int y, int width, int height, int id = 0, DWORD style = 0) {
        return Keep(CreateWindowEx(0, className, "child", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                   HANDLE(id), 0, nullptr));
    }
    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Record(window, message, wParam, lParam);
        return DefWindowProc(window, message, wParam, lParam);
    }
};

// The colour of a pixel of a window as shown (window coordinates).
inline COLORREF ShownPixel(HWND window, int x, int y) {
    const HBITMAP shot = CaptureWindow(window);
    if (!shot) return CLR_INVALID;
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
    return c;
}
