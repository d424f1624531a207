// The "Edit" class: typing (keys and committed Chinese text), selection,
// the byte limit, clipboard, undo, password edits and the EM_ messages
// that measure and place text.
#include "tests/platform/win/ctl_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/win/userinput.h"
#include "tests/platform/win/window_fixture.h"
#include "tests/support/temp_dir.h"

class EditTest : public StdControlTest {
protected:
    void SetUp() override {
        StdControlTest::SetUp();
        edit = Control("Edit", "", ES_AUTOHSCROLL, 10, 10, 200, 20);
        SetFocus(edit);
        DispatchQueuedMessages();
        notifications.clear();
    }
    std::pair<DWORD, DWORD> Selection(HWND window = 0) const {
        DWORD start = 0, end = 0;
        SendMessage(window ? window : edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        return {start, end};
    }
    HWND edit = 0;
};

TEST_F(EditTest, TypedAndCommittedTextArrivesWithOneChangePerCharacter) {
    SimulateTyping("ab");
    SimulateCommit("中文");
    DispatchQueuedMessages();
    EXPECT_EQ(Text(edit), AnsiString("ab中文"));
    EXPECT_EQ(CodesFrom(edit), (std::vector<UINT>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE,
                                                  EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(Selection(), std::make_pair(DWORD(6), DWORD(6)));
    Key(VK_BACK, "\b");
    EXPECT_EQ(Text(edit), AnsiString("ab中"));
    // A four-byte character is one character too.
    SimulateCommit(Utf8ToAnsi(Utf8(u8"\U00020000")));
    DispatchQueuedMessages();
    EXPECT_EQ(Text(edit).size(), 8u);
    Key(VK_LEFT);
    EXPECT_EQ(Selection().first, 4u);
}

TEST_F(EditTest, ShiftArrowsSelectWholeCharactersAndTypingReplaces) {
    SetWindowText(edit, "ab中文cd");
    Key(VK_END);
    SimulateKey(VK_SHIFT, true);
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    SimulateKey(VK_SHIFT, false);
    DispatchQueuedMessages();
    EXPECT_EQ(Selection(), std::make_pair(DWORD(4), DWORD(8)));
    SimulateTyping("x");
    DispatchQueuedMessages();
    EXPECT_EQ(Text(edit), AnsiString("ab中x"));
    // Offsets inside a character move to its start.
    SendMessage(edit, EM_SETSEL, 3, 5);
    EXPECT_EQ(Selection(), std::make_pair(DWORD(2), DWORD(5)));
    SendMessage(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(), std::make_pair(DWORD(0), DWORD(5)));
}

TEST_F(EditTest, TheByteLimitNeverCutsACharacter) {
    SendMessage(edit, EM_LIMITTEXT, 5, 0);
    SimulateTyping("ab");
    SimulateCommit("中文");
    DispatchQueuedMessages();
    EXPECT_EQ(Text(edit), AnsiString("ab中"));
    SendMessage(edit, EM_SETSEL, 0, -1);
    SendMessage(edit, EM_REPLACESEL, TRUE, LPARAM("x文字"));
    EXPECT_EQ(Text(edit), AnsiString("x文字"));
    SendMessage(edit, EM_REPLACESEL, TRUE, LPARAM("y"));
    EXPECT_EQ(Text(edit), AnsiString("x文字"));
    EXPECT_EQ(CodesFrom(edit).back(), EN_MAXTEXT);
}

TEST_F(EditTest, ClipboardRoundTripAndUndo) {
    SetWindowText(edit, "复制 me");
    SendMessage(edit, EM_SETSEL, 0, 4);
    ControlKey('C', "\x03");
    EXPECT_EQ(PasteTextFromClipboard(0), AnsiString("复制"));
    Key(VK_END);
    ControlKey('V', "\x16");
    EXPECT_EQ(Text(edit), AnsiString("复制 me复制"));
    EXPECT_TRUE(SendMessage(edit, EM_CANUNDO, 0, 0));
    ControlKey('Z', "\x1A");
    EXPECT_EQ(Text(edit), AnsiString("复制 me"));
    SendMessage(edit, EM_SETSEL, 4, 7);
    SendMessage(edit, WM_CUT, 0, 0);
    EXPECT_EQ(Text(edit), AnsiString("复制"));
    EXPECT_EQ(PasteTextFromClipboard(0), AnsiString(" me"));
    // Unicode text put by another program pastes as ANSI.
    OpenClipboard(0);
    EmptyClipboard();
    const std::u16string wide = u"\u6587";
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * 2);
    std::copy(wide.begin(), wide.end(), static_cast<char16_t*>(GlobalLock(block)));
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    SendMessage(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), AnsiString("复制文"));
}

TEST_F(EditTest, PasswordEditsHideTextKeepItFromTheClipboardAndTurnTheInputMethodOff) {
    const HWND password = Control("Edit", "secret", ES_PASSWORD, 10, 40, 200, 20, 101);
    EXPECT_EQ(SendMessage(password, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_FALSE(InputMethodAllowed(password));
    CopyTextToClipboard(0, "before");
    SendMessage(password, EM_SETSEL, 0, -1);
    SendMessage(password, WM_COPY, 0, 0);
    EXPECT_EQ(PasteTextFromClipboard(0), AnsiString("before"));
    // Punctuation comes from keys, not the input method, so it reaches a
    // password too, shifted or not.
    SetWindowText(password, "");
    SetFocus(password);
    SimulateTyping("p'!\"@2");
    DispatchQueuedMessages();
    EXPECT_EQ(Text(password), AnsiString("p'!\"@2"));
    SendMessage(password, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_TRUE(InputMethodAllowed(password));
    EXPECT_FALSE(GetWindowLongPtr(password, GWL_STYLE) & ES_PASSWORD);
}

TEST_F(EditTest, ReadOnlyAndNumberEditsRefuseTyping) {
    SendMessage(edit, EM_SETREADONLY, TRUE, 0);
    SimulateTyping("a");
    DispatchQueuedMessages();
    EXPECT_EQ(Text(edit), AnsiString());
    SendMessage(edit, EM_SETREADONLY, FALSE, 0);
    SetWindowLongPtr(edit, GWL_STYLE, GetWindowLongPtr(edit, GWL_STYLE) | ES_NUMBER);
    SimulateTyping("1a2");
    DispatchQueuedMessages();
    EXPECT_EQ(Text(edit), AnsiString("12"));
}

TEST_F(EditTest, MultiLineMessagesCountLinesInBytes) {
    const HWND memo = Control("Edit", "第一行\r\nsecond\r\n", ES_MULTILINE, 10, 40, 200, 100, 101);
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, 1, 0), 8);
    EXPECT_EQ(SendMessage(memo, EM_LINELENGTH, 8, 0), 6);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, 9, 0), 1);
    EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, 3, 0), -1);
    const LRESULT pos = SendMessage(memo, EM_POSFROMCHAR, 10, 0);
    const LRESULT back = SendMessage(memo, EM_CHARFROMPOS, 0, LPARAM(pos));
    EXPECT_EQ(LOWORD(back), 10);
    EXPECT_EQ(HIWORD(back), 1);
    EXPECT_GT(GET_Y_LPARAM(pos), 0);
    SetFocus(memo);
    SendMessage(memo, EM_SETSEL, 14, 14);
    Key(VK_RETURN, "\r");
    EXPECT_EQ(Text(memo), AnsiString("第一行\r\nsecond\r\n\r\n"));
}

TEST_F(EditTest, AMultiLineEditsOwnVerticalBarFollowsAndMovesItsLines) {
    AnsiString text;
    for (int i = 0; i < 50; ++i) text += "line\r\n";
    const HWND memo = Control("Edit", text.c_str(), ES_MULTILINE | WS_VSCROLL, 10, 40, 200, 100, 102);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 50);
    EXPECT_GT(info.nPage, 1u);
    EXPECT_EQ(info.nPos, 0);
    SendMessage(memo, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 10), 0);
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 10);
    EXPECT_EQ(GetScrollPos(memo, SB_VERT), 10);
    SendMessage(memo, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 9);
    SendMessage(memo, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(SendMessage(memo, EM_GETFIRSTVISIBLELINE, 0, 0), LRESULT(51 - info.nPage));
    SetWindowText(memo, "short");
    EXPECT_TRUE(GetWindowLong(memo, GWL_STYLE) & WS_VSCROLL) << "kept, disabled, with nothing to scroll";
}

TEST_F(EditTest, FormattingRectangleAndMargins) {
    SendMessage(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(5, 7));
    EXPECT_EQ(SendMessage(edit, EM_GETMARGINS, 0, 0), MAKELONG(5, 7));
    RECT r;
    SendMessage(edit, EM_GETRECT, 0, LPARAM(&r));
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right, 200 - 7);
    RECT wanted{2, 3, 150, 18};
    SendMessage(edit, EM_SETRECTNP, 0, LPARAM(&wanted));
    SendMessage(edit, EM_GETRECT, 0, LPARAM(&r));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 150);
    SetWindowText(edit, "x");
    EXPECT_EQ(GET_X_LPARAM(SendMessage(edit, EM_POSFROMCHAR, 0, 0)), 2);
}

TEST_F(EditTest, MultiLineEditsWithoutAutoScrollWrapAtTheFormattingRectangle) {
    // Widths in half-width characters of the edit's font, the GUI font (a
    // Chinese character takes two).
    const HDC dc = GetDC(edit);
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE one{};
    GetTextExtentPoint32(dc, "a", 1, &one);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    struct Case {
        const char* text;
        int width;
        std::vector<int> starts;
    };
    const Case cases[] = {
        {"hello world again", 10, {0, 6, 12}},
        {"abcdefghijklmn", 10, {0, 10}},
        {"中文中文中文", 9, {0, 8}},
        {"ab中文字", 5, {0, 4}},
        {"abc\r\nhello world", 8, {0, 5, 11}},
        {"a  b", 1, {0, 3}},
    };
    const HWND memo = Control("Edit", "", ES_MULTILINE, 10, 40, 300, 100, 101);
    for (const Case& c : cases) {
        SCOPED_TRACE(AnsiToUtf8(c.text));
        RECT format{0, 0, c.width * one.cx, 100};
        SendMessage(memo, EM_SETRECTNP, 0, LPARAM(&format));
        SetWindowText(memo, c.text);
        ASSERT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), LRESULT(c.starts.size()));
        for (std::size_t line = 0; line < c.starts.size(); ++line) {
            EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, line, 0), c.starts[line]) << line;
            EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, WPARAM(c.starts[line]), 0), LRESULT(line)) << line;
        }
    }
    // With ES_AUTOHSCROLL the line scrolls instead.
    SetWindowLongPtr(memo, GWL_STYLE, GetWindowLongPtr(memo, GWL_STYLE) | ES_AUTOHSCROLL);
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 1);

    // End stays on a wrapped line; Down moves to the next one.
    SetWindowLongPtr(memo, GWL_STYLE, GetWindowLongPtr(memo, GWL_STYLE) & ~ES_AUTOHSCROLL);
    RECT format{0, 0, 10 * one.cx, 100};
    SendMessage(memo, EM_SETRECTNP, 0, LPARAM(&format));
    SetWindowText(memo, "hello world again");
    SetFocus(memo);
    SendMessage(memo, EM_SETSEL, 0, 0);
    Key(VK_END);
    EXPECT_EQ(Selection(memo), std::make_pair(DWORD(5), DWORD(5)));
    Key(VK_DOWN);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, WPARAM(-1), 0), 1);
}

// Text sits inside the formatting rectangle, a pixel from the border above,
// and the lines of a multi-line edit are one font height apart: no glyph
// touches the border or the line above it.
TEST_F(EditTest, TextKeepsAPixelFromTheBorderAndLinesAreOneFontHeightApart) {
    const HWND single = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", "3569 机身串码Qjy", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                       10, 40, 200, 21, parent, HANDLE(101), 0, nullptr);
    const HWND memo = CreateWindowEx(WS_EX_CLIENTEDGE, "Edit", "屏幕碎裂，更换总成\r\nQiyj 进水，主板清洗",
                                     WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 70, 200, 60, parent, HANDLE(102), 0,
                                     nullptr);
    const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    TEXTMETRIC metrics{};
    const HDC dc = GetDC(memo);
    const HGDIOBJ old = SelectObject(dc, font);
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(memo, dc);
    for (HWND window : {single, memo}) SendMessage(window, WM_SETFONT, WPARAM(font), TRUE);
    DispatchQueuedMessages();
    EXPECT_TRUE(SaveWindowScreenshot(parent, ScreenshotDir() + "memo_two_lines.png"));

    for (HWND window : {single, memo}) {
        SCOPED_TRACE(window == memo ? "multi-line" : "single-line");
        RECT format;
        SendMessage(window, EM_GETRECT, 0, LPARAM(&format));
        EXPECT_EQ(format.top, 1);
        const LRESULT first = SendMessage(window, EM_POSFROMCHAR, 0, 0);
        EXPECT_EQ(GET_Y_LPARAM(first), 1);
        // The client's top row, between the border and the text, is blank.
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        ScreenToClient(parent, &origin);
        RECT client;
        GetClientRect(window, &client);
        for (int x = 0; x < client.right; ++x)
            ASSERT_EQ(ShownPixel(parent, origin.x + x, origin.y), GetSysColor(COLOR_WINDOW)) << "ink at x " << x;
    }
    const int secondLine = int(SendMessage(memo, EM_LINEINDEX, 1, 0));
    EXPECT_EQ(GET_Y_LPARAM(SendMessage(memo, EM_POSFROMCHAR, WPARAM(secondLine), 0)), 1 + metrics.tmHeight);
}
