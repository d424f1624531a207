// A fixture for the non-client, menu and MDI tests: framed windows of a
// class whose procedure can be given extra behaviour per test, a log of the
// messages asked for, and mouse and keyboard input at screen points
// entering where the surface's input enters.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "platform/win/testseams.h"
#include "tests/platform/win/window_fixture.h"
#include "platform/win/winframe.h"
#include "platform/win/winmenu.h"
#include "platform/win/winpaint.h"
#include "platform/win/winscroll.h"

using FrameMessage = LoggedMessage;

class FrameTest : public ::testing::Test, public WatchedMessages<FrameTest>, protected CreatedWindows {
protected:
    static constexpr const char* className = "TFrameTest";
    // Answers a message instead of the default procedure when it returns a value.
    using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

    void SetUp() override {
        static const ATOM registered = [] {
            WNDCLASS wc;
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = &FrameTest::Procedure;
            wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
            wc.lpszClassName = className;
            return RegisterClass(&wc);
        }();
        ASSERT_NE(registered, 0);
        ResetWatch();
        TheHandler() = nullptr;
    }

    void TearDown() override {
        TheHandler() = nullptr;
        DestroyAll();
        ResetWatch();
    }

    HWND Framed(DWORD style, int x, int y, int width, int height, HMENU menu = 0, DWORD exStyle = 0,
                const char* title = "Frame") {
        const HWND w = CreateWindowEx(exStyle, className, title, style | WS_VISIBLE, x, y, width, height, 0, menu, 0,
                                      nullptr);
        Keep(w);
        DispatchQueuedMessages();
        return w;
    }
    static Handler& TheHandler() {
        static Handler handler;
        return handler;
    }

    // Input at screen points.
    static void MoveTo(POINT p) { ws::InputMouseMove(p); }
    static void Press(POINT p, int button = VK_LBUTTON) { ws::InputMouseButton(p, button, true); }
    static void Release(POINT p, int button = VK_LBUTTON) { ws::InputMouseButton(p, button, false); }
    static void Key(int vk, const AnsiString& text = AnsiString()) {
        ws::InputKey(vk, true, text);
        ws::InputKey(vk, false, AnsiString());
    }
    // A point given in window coordinates, on the screen.
    static POINT At(HWND window, int x, int y) {
        RECT r;
        GetWindowRect(window, &r);
        return {r.left + x, r.top + y};
    }
    static LRESULT HitAt(HWND window, int x, int y) {
        const POINT p = At(window, x, y);
        return SendMessage(window, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    }
    static RECT WindowRectOf(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }

    static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Record(window, message, wParam, lParam);
        if (TheHandler())
            if (const auto answer = TheHandler()(window, message, wParam, lParam)) return *answer;
        return DefWindowProc(window, message, wParam, lParam);
    }
};
