// The "Tooltips_Class32" window class: a tip for a tool window after the
// mouse rests on it, its text asked for on demand, its delays on the
// frozen clock, its colours, and no activation taken.
#include <string>

#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "platform/win/commctrl.h"
#include "tests/platform/win/window_fixture.h"

namespace {

std::vector<UINT>& Codes() {
    static std::vector<UINT> codes;
    return codes;
}
std::string& ToolText() {
    static std::string text;
    return text;
}

LRESULT ToolProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        Codes().push_back(header->code);
        if (header->code == TTN_NEEDTEXT) reinterpret_cast<NMTTDISPINFO*>(lParam)->lpszText = ToolText().data();
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const ATOM registered = [] {
            WNDCLASS wc;
            wc.lpfnWndProc = &ToolProcedure;
            wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
            wc.lpszClassName = "TToolTipTestTool";
            return RegisterClass(&wc);
        }();
        ASSERT_NE(registered, 0);
        Codes().clear();
        ToolText() = "提示的文字";
        tool = CreateWindowEx(0, "TToolTipTestTool", "tool", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200, 0, 0, 0,
                              nullptr);
        SetActiveWindow(tool);
        tip = CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, 0, 0, 0,
                             0, tool, 0, 0, nullptr);
        ASSERT_NE(tip, 0u);
        TOOLINFO info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = tool;
        info.uId = UINT_PTR(tool);
        info.lpszText = LPSTR_TEXTCALLBACK;
        ASSERT_TRUE(SendMessage(tip, TTM_ADDTOOL, 0, LPARAM(&info)));
        SendMessage(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 300);
        SendMessage(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 2000);
        DispatchQueuedMessages();
    }
    void TearDown() override {
        DestroyWindow(tool);
        DispatchQueuedMessages();
    }
    void RestOnTool() {
        SimulateMouseMove(tool, {40, 40});
        DispatchQueuedMessages();
    }
    bool After(Cardinal milliseconds) {
        AdvanceClock(milliseconds);
        DispatchQueuedMessages();
        return IsWindowVisible(tip) != FALSE;
    }
    FrozenClockScope clock{EncodeDate(2026, 12, 10)};
    HWND tool = 0, tip = 0;
};

}  // namespace

TEST_F(ToolTipTest, ATipShowsAfterItsDelayWithTheToolsTextAndGoesAgain) {
    SendMessage(tip, TTM_SETTITLE, TTI_INFO, LPARAM("标题"));
    char title[32];
    TTGETTITLE asked;
    asked.cch = sizeof title;
    asked.pszTitle = title;
    SendMessage(tip, TTM_GETTITLE, 0, LPARAM(&asked));
    EXPECT_STREQ(title, "标题");
    EXPECT_EQ(asked.uTitleBitmap, TTI_INFO);
    RestOnTool();
    EXPECT_FALSE(After(299));
    EXPECT_TRUE(After(1));
    EXPECT_EQ(Codes(), (std::vector<UINT>{TTN_NEEDTEXT, TTN_SHOW}));
    EXPECT_EQ(GetActiveWindow(), tool) << "the tip takes no activation";
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_GT(r.right - r.left, 20);
    EXPECT_GT(r.bottom - r.top, 30) << "a title line above the text";

    EXPECT_TRUE(After(1999));
    EXPECT_FALSE(After(1)) << "popped after the auto-pop delay";
    EXPECT_EQ(Codes().back(), TTN_POP);

    RestOnTool();
    EXPECT_TRUE(After(300));
    SendMessage(tip, TTM_POP, 0, 0);
    EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(ToolTipTest, AnEmptyTextShowsNothingAndColoursAreTheCallers) {
    ToolText().clear();
    RestOnTool();
    EXPECT_FALSE(After(300));
    ToolText() = "x";
    SendMessage(tip, TTM_SETTIPBKCOLOR, RGB(255, 0, 0), 0);
    RestOnTool();
    ASSERT_TRUE(After(300));
    RECT r;
    GetWindowRect(tip, &r);
    EXPECT_EQ(ShownPixel(tip, (r.right - r.left) / 2, r.bottom - r.top - 3), RGB(255, 0, 0));
    EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}
