// A fixture for the standard controls: a shown top-level parent window that
// records the WM_COMMAND notifications its controls send and can run a
// handler on each (to refill a combo box when it drops down, say).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/win/clipboard.h"
#include "platform/win/commctrl.h"
#include "platform/win/testseams.h"
#include "platform/win/winpaint.h"

#include "tests/platform/win/key_press.h"

struct Notification {
    HWND control;
    UINT code;
};

class StdControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const ATOM registered = [] {
            WNDCLASS wc;
            wc.lpfnWndProc = &StdControlTest::ParentProcedure;
            wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
            wc.lpszClassName = "TControlTestParent";
            return RegisterClass(&wc);
        }();
        ASSERT_NE(registered, 0);
        Current() = this;
        parent = CreateWindowEx(0, "TControlTestParent", "parent", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, 0, 0, 0,
                                nullptr);
        ASSERT_NE(parent, 0u);
        SetActiveWindow(parent);
        DispatchQueuedMessages();
    }
    void TearDown() override {
        if (IsWindow(parent)) DestroyWindow(parent);
        DispatchQueuedMessages();
        Current() = nullptr;
    }

    HWND Control(const char* className, const char* text, DWORD style, int x, int y, int width, int height,
                 int id = 100) {
        return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                              HANDLE(id), 0, nullptr);
    }
    // The codes `control` sent, in order.
    std::vector<UINT> CodesFrom(HWND control) const {
        std::vector<UINT> codes;
        for (auto& n : notifications)
            if (n.control == control) codes.push_back(n.code);
        return codes;
    }
    static void Click(HWND window, int x, int y) {
        SimulateClick(window, {x, y});
        DispatchQueuedMessages();
    }
    static void ControlKey(int key, const AnsiString& text = AnsiString()) {
        SimulateKey(VK_CONTROL, true);
        Key(key, text);
        SimulateKey(VK_CONTROL, false);
        DispatchQueuedMessages();
    }
    static AnsiString Text(HWND window) { return WindowTextOf(window); }

    // WM_NOTIFY codes the parent receives; `refuse` answers TRUE to one code.
    void RecordNotifications() {
        Current() = this;
        previousProc_ = WNDPROC(SetWindowLongPtr(parent, GWLP_WNDPROC, LONG_PTR(WNDPROC(&NotifyProcedure))));
    }

    std::vector<UINT> NotifiedCodes() const {
        std::vector<UINT> codes;
        for (auto& n : notified) codes.push_back(n.code);
        return codes;
    }

    HWND parent = 0;
    std::vector<Notification> notifications;
    std::vector<NMHDR> notified;
    UINT refuse = 0;
    std::function<void(HWND control, UINT code)> onCommand;

private:
    WNDPROC previousProc_;
    static LRESULT NotifyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        StdControlTest* test = Current();
        if (message == WM_NOTIFY && test) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            test->notified.push_back(*header);
            if (test->refuse && header->code == test->refuse) return TRUE;
        }
        return CallWindowProc(test->previousProc_, window, message, wParam, lParam);
    }
    static StdControlTest*& Current() {
        static StdControlTest* current = nullptr;
        return current;
    }
    static LRESULT ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COMMAND && lParam && Current()) {
            Current()->notifications.push_back({HWND(lParam), HIWORD(wParam)});
            if (Current()->onCommand) Current()->onCommand(HWND(lParam), HIWORD(wParam));
        }
        return DefWindowProc(window, message, wParam, lParam);
    }
};
