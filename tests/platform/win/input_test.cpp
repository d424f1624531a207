// Input through the queue: mouse messages and double clicks, capture, focus
// and activation order, keys and characters, input methods.
#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "platform/gdi/bmpfile.h"
#include "platform/win/resources.h"
#include "tests/platform/win/window_fixture.h"

namespace {
std::vector<std::pair<HWND, UINT>> Sequence(const std::vector<LoggedMessage>& log) {
    std::vector<std::pair<HWND, UINT>> s;
    for (auto& m : log) s.emplace_back(m.window, m.message);
    return s;
}
}  // namespace

TEST_F(WindowTest, MouseMessagesCarryClientPositionsKeyFlagsAndDoubleClicks) {
    const HWND top = TopLevel(40, 30, 200, 100);
    const HWND child = Child(top, 50, 20, 60, 40);
    DispatchQueuedMessages();
    Watch({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE});
    ASSERT_TRUE(SimulateClick(child, Point(5, 6)));
    ASSERT_TRUE(SimulateClick(child, Point(5, 6)));
    DispatchQueuedMessages();
    std::vector<UINT> ids = LoggedIds();
    EXPECT_EQ(ids, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_LBUTTONDBLCLK,
                                       WM_LBUTTONUP}));
    EXPECT_EQ(Log()[1].window, child);
    EXPECT_EQ(Log()[1].lParam, MAKELPARAM(5, 6));
    EXPECT_EQ(Log()[1].wParam, MK_LBUTTON);
    EXPECT_EQ(GetMessagePos(), DWORD(MAKELONG(40 + 50 + 5, 30 + 20 + 6)));
    EXPECT_EQ(GetActiveWindow(), top);  // the click activated it
}

TEST_F(WindowTest, AWindowInsideADisabledOneTakesNoClicks) {
    const HWND top = TopLevel(40, 30, 200, 100);
    const HWND child = Child(top, 50, 20, 60, 40);
    DispatchQueuedMessages();
    Watch({WM_LBUTTONDOWN, WM_LBUTTONUP});
    ASSERT_TRUE(SimulateMouseButton(child, Point(5, 6), VK_LBUTTON, true));
    DispatchQueuedMessages();
    // A modal dialog opened by the press disables the window before the
    // release is read.
    ASSERT_TRUE(SimulateMouseButton(child, Point(5, 6), VK_LBUTTON, false));
    EnableWindow(top, FALSE);
    DispatchQueuedMessages();
    EXPECT_EQ(LoggedIds(), (std::vector<UINT>{WM_LBUTTONDOWN}));
    EnableWindow(top, TRUE);
    ASSERT_TRUE(SimulateClick(child, Point(5, 6)));
    DispatchQueuedMessages();
    EXPECT_EQ(LoggedIds().size(), 3u) << "enabled again, it takes them";
}

TEST_F(WindowTest, CaptureChangesArriveWithTheOtherWindow) {
    const HWND top = TopLevel(0, 0, 200, 100);
    const HWND a = Child(top, 0, 0, 50, 50);
    const HWND b = Child(top, 100, 0, 50, 50);
    DispatchQueuedMessages();
    Watch({WM_CAPTURECHANGED, WM_LBUTTONUP});
    SetCapture(a);
    SetCapture(b);
    ASSERT_TRUE(SimulateMouseButton(a, Point(10, 10), VK_LBUTTON, false));  // over a, but b has the capture
    DispatchQueuedMessages();
    ReleaseCapture();
    ASSERT_EQ(Log().size(), 3u);
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{
                                   {a, WM_CAPTURECHANGED}, {b, WM_LBUTTONUP}, {b, WM_CAPTURECHANGED}}));
    EXPECT_EQ(HWND(Log()[0].lParam), b);
    EXPECT_EQ(Log()[1].lParam, MAKELPARAM(-90, 10));
    EXPECT_EQ(Log()[2].lParam, 0);
    EXPECT_EQ(GetCapture(), 0u);

    SetCapture(a);
    Log().clear();
    SendMessage(a, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), 0u);
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{a, WM_CAPTURECHANGED}}));
}

TEST_F(WindowTest, TheWheelGoesUnderThePointerUnlessCapturedOrDisabled) {
    const HWND top = TopLevel(0, 0, 200, 100);
    const HWND focused = Child(top, 0, 0, 50, 50);
    const HWND hovered = Child(top, 100, 0, 50, 50);
    DispatchQueuedMessages();
    SetFocus(focused);
    Watch({WM_MOUSEWHEEL});
    const auto wheelOver = [&](HWND window) {
        Log().clear();
        EXPECT_TRUE(SimulateWheel(window, Point(10, 10), -WHEEL_DELTA));
        DispatchQueuedMessages();
        return Log().empty() ? HWND(0) : Log().front().window;
    };
    EXPECT_EQ(wheelOver(hovered), hovered);
    EXPECT_EQ(Log().front().lParam, MAKELPARAM(110, 10)) << "at the pointer on the screen";
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(Log().front().wParam), -WHEEL_DELTA);
    EnableWindow(hovered, FALSE);
    EXPECT_EQ(wheelOver(hovered), focused);
    EnableWindow(hovered, TRUE);
    // Under a modal dialog: the disabled window hands it to the dialog's
    // focus, never to a window lying behind.
    const HWND dialog = TopLevel(300, 0, 100, 100);
    const HWND dialogControl = Child(dialog, 0, 0, 50, 50);
    DispatchQueuedMessages();
    SetFocus(dialogControl);
    EnableWindow(top, FALSE);
    EXPECT_EQ(wheelOver(hovered), dialogControl);
    EnableWindow(top, TRUE);
    SetFocus(focused);
    SetCapture(focused);
    EXPECT_EQ(wheelOver(hovered), focused);
    ReleaseCapture();
}

TEST_F(WindowTest, APressThatTakesTheCaptureGetsTheReleaseQueuedBehindIt) {
    const HWND top = TopLevel(0, 0, 200, 100);
    const HWND a = Child(top, 0, 0, 50, 50);
    const HWND b = Child(top, 100, 0, 50, 50);
    DispatchQueuedMessages();
    Watch({WM_LBUTTONDOWN, WM_LBUTTONUP});
    // Press and release arrive together; the press hands the capture to b
    // before the release is read.
    ASSERT_TRUE(SimulateClick(a, Point(10, 10)));
    MSG msg;
    while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
        DispatchMessage(&msg);
        if (msg.message == WM_LBUTTONDOWN) SetCapture(b);
    }
    ReleaseCapture();
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{a, WM_LBUTTONDOWN}, {b, WM_LBUTTONUP}}));
    EXPECT_EQ(Log()[1].lParam, MAKELPARAM(-90, 10));
}

TEST_F(WindowTest, FocusAndActivationArriveInOrderWithTheOtherWindow) {
    const HWND first = TopLevel(0, 0, 100, 100);
    const HWND a = Child(first, 0, 0, 20, 20);
    const HWND b = Child(first, 30, 0, 20, 20);
    const HWND second = TopLevel(200, 0, 100, 100);
    SetActiveWindow(first);
    SetFocus(a);
    DispatchQueuedMessages();
    Watch({WM_SETFOCUS, WM_KILLFOCUS, WM_ACTIVATE, WM_NCACTIVATE});
    SetFocus(b);
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{a, WM_KILLFOCUS}, {b, WM_SETFOCUS}}));
    EXPECT_EQ(HWND(Log()[0].wParam), b);
    EXPECT_EQ(HWND(Log()[1].wParam), a);

    Log().clear();
    std::vector<std::pair<HWND, HWND>> activations;
    const int observer = AddActivationObserver([&](HWND w, HWND previous) { activations.emplace_back(w, previous); });
    SetActiveWindow(second);
    RemoveObserver(observer);
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{first, WM_NCACTIVATE},
                                                                    {first, WM_ACTIVATE},
                                                                    {b, WM_KILLFOCUS},
                                                                    {second, WM_NCACTIVATE},
                                                                    {second, WM_ACTIVATE},
                                                                    {second, WM_SETFOCUS}}));
    EXPECT_EQ(LOWORD(Log()[1].wParam), WA_INACTIVE);
    EXPECT_EQ(HWND(Log()[1].lParam), second);
    EXPECT_EQ(LOWORD(Log()[4].wParam), WA_ACTIVE);
    EXPECT_EQ(HWND(Log()[4].lParam), first);
    EXPECT_EQ(activations, (std::vector<std::pair<HWND, HWND>>{{second, first}}));
    EXPECT_EQ(GetFocus(), second);

    // Focus into the other window activates it first.
    SetFocus(a);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), a);
    DestroyWindow(first);
    EXPECT_EQ(GetActiveWindow(), second);
}

// While another program holds the foreground, activating a window only
// records it; the program's return activates it. A click, or
// SetForegroundWindow, brings the program back itself.
TEST_F(WindowTest, AnInactiveProgramRecordsTheActiveWindowUntilItReturns) {
    const HWND first = TopLevel(0, 0, 100, 100);
    const HWND second = TopLevel(200, 0, 100, 100);
    SetActiveWindow(first);
    ApplicationActivated(false);
    EXPECT_EQ(GetForegroundWindow(), 0u);
    Watch({WM_ACTIVATEAPP, WM_ACTIVATE, WM_NCACTIVATE});
    std::vector<std::pair<HWND, HWND>> activations;
    const int observer = AddActivationObserver([&](HWND w, HWND previous) { activations.emplace_back(w, previous); });

    EXPECT_EQ(SetActiveWindow(second), first);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(GetForegroundWindow(), 0u) << "the program stays in the background";
    EXPECT_TRUE(Log().empty());
    EXPECT_TRUE(activations.empty());
    EXPECT_EQ(GetWindow(second, GW_HWNDFIRST), first) << "not raised";

    ApplicationActivated(true);
    RemoveObserver(observer);
    EXPECT_EQ(GetForegroundWindow(), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDFIRST), second) << "raised on return";
    EXPECT_EQ(activations, (std::vector<std::pair<HWND, HWND>>{{second, first}}));
    ASSERT_EQ(Logged(WM_ACTIVATE).size(), 1u);
    EXPECT_EQ(Logged(WM_ACTIVATE)[0].window, second);
    EXPECT_EQ(LOWORD(Logged(WM_ACTIVATE)[0].wParam), WA_ACTIVE);
    EXPECT_EQ(Logged(WM_ACTIVATEAPP).size(), 2u) << "each top-level window hears of the return";

    ApplicationActivated(false);
    ASSERT_TRUE(SetForegroundWindow(first));
    EXPECT_EQ(GetForegroundWindow(), first);
    ApplicationActivated(false);
    ASSERT_TRUE(SimulateClick(second, Point(5, 5)));
    DispatchQueuedMessages();
    EXPECT_EQ(GetForegroundWindow(), second) << "a click brings the program forward";
}

TEST_F(WindowTest, KeysBecomeKeyMessagesAndTranslatedCharacters) {
    const HWND top = TopLevel(0, 0, 100, 100);
    SetFocus(top);
    DispatchQueuedMessages();
    Watch({WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSCHAR});
    ASSERT_TRUE(SimulateKey(VK_SHIFT, true));
    ASSERT_TRUE(SimulateKey('A', true, "A"));
    EXPECT_TRUE(GetAsyncKeyState('A') & 0x8000);
    EXPECT_FALSE(GetKeyState('A') & 0x8000);  // not until the message is retrieved
    MSG msg;
    int shift = 0;
    while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_KEYDOWN && msg.wParam == 'A') shift = GetKeyState(VK_SHIFT) < 0;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    EXPECT_EQ(shift, 1);
    SimulateKey('A', false);
    SimulateKey(VK_SHIFT, false);
    SimulateKey(VK_MENU, true);
    SimulateKey('F', true, "f");
    SimulateKey('F', false);
    SimulateKey(VK_MENU, false);
    DispatchQueuedMessages();
    std::vector<std::pair<UINT, WPARAM>> got;
    for (auto& m : Log()) got.emplace_back(m.message, m.wParam);
    EXPECT_EQ(got, (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, VK_SHIFT},
                                                          {WM_KEYDOWN, 'A'},
                                                          {WM_CHAR, 'A'},
                                                          {WM_KEYUP, 'A'},
                                                          {WM_KEYUP, VK_SHIFT},
                                                          {WM_SYSKEYDOWN, VK_MENU},
                                                          {WM_SYSKEYDOWN, 'F'},
                                                          {WM_SYSCHAR, 'f'}}));
}

// A key press that brings no text (a synthetic key, a windowing system that
// sends none) is translated as the keyboard translates it: the control keys
// give their characters, other keys and Ctrl-held control keys give none.
TEST(VkKeyScan, GivesTheKeyAndShiftStateThatTypeACharacter) {
    const struct {
        char ch;
        short scan;
    } cases[] = {{'a', 'A'}, {'A', 0x100 | 'A'}, {'7', '7'}, {'&', 0x100 | '7'}, {')', 0x100 | '0'},
                 {'\'', 0xDE}, {'"', 0x1DE}, {'/', 0xBF}, {'?', 0x1BF}, {' ', VK_SPACE}, {'\r', VK_RETURN},
                 {'\x01', -1}, {'\xB0', -1}};
    for (const auto& c : cases) EXPECT_EQ(VkKeyScan(c.ch), c.scan) << int(static_cast<unsigned char>(c.ch));
}

TEST_F(WindowTest, ControlKeysWithoutTextTranslateToTheirCharacters) {
    const HWND top = TopLevel(0, 0, 100, 100);
    SetFocus(top);
    DispatchQueuedMessages();
    struct Case {
        int key;
        bool control;
        std::vector<WPARAM> characters;
    };
    const Case cases[] = {{VK_RETURN, false, {'\r'}}, {VK_BACK, false, {'\b'}}, {VK_TAB, false, {'\t'}},
                          {VK_ESCAPE, false, {0x1B}}, {VK_DELETE, false, {}},   {'A', false, {}},
                          {VK_RETURN, true, {}},      {VK_BACK, true, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << (c.control ? " with Ctrl" : ""));
        ResetWatch();
        Watch({WM_CHAR});
        if (c.control) SimulateKey(VK_CONTROL, true);
        SimulateKey(c.key, true);
        SimulateKey(c.key, false);
        if (c.control) SimulateKey(VK_CONTROL, false);
        DispatchQueuedMessages();
        std::vector<WPARAM> got;
        for (const LoggedMessage& m : Log()) got.push_back(m.wParam);
        EXPECT_EQ(got, c.characters);
    }
}

TEST_F(WindowTest, CommittedChineseArrivesAsItsAnsiBytes) {
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND edit = Child(top, 10, 10, 50, 20);
    SetFocus(edit);
    CreateCaret(edit, 0, 1, 12);
    SetCaretPos(3, 2);
    DispatchQueuedMessages();
    Watch({WM_CHAR, WM_IME_STARTCOMPOSITION, WM_IME_ENDCOMPOSITION});
    ASSERT_TRUE(SimulateComposition("weixiu"));
    DispatchQueuedMessages();
    const HWND shown = CompositionWindow();
    ASSERT_NE(shown, 0u);
    RECT at;
    GetWindowRect(shown, &at);
    EXPECT_EQ(Point(at.left, at.top), Point(13, 12));  // at the caret
    ASSERT_TRUE(SimulateCommit("维修"));
    DispatchQueuedMessages();
    EXPECT_EQ(CompositionWindow(), 0u);
    AnsiString chars;
    for (auto& m : Log())
        if (m.message == WM_CHAR) chars += char(m.wParam);
    EXPECT_EQ(chars, "维修");
    EXPECT_EQ(LoggedIds().front(), WM_IME_STARTCOMPOSITION);

    // Off in windows without a context (password edits) and disabled ones.
    Log().clear();
    ImmAssociateContext(edit, 0);
    EXPECT_FALSE(InputMethodAllowed(edit));
    SimulateCommit("维修");
    ImmAssociateContext(edit, ImmGetContext(top));
    EnableWindow(top, FALSE);
    EXPECT_FALSE(InputMethodAllowed(edit));
    DispatchQueuedMessages();
    EXPECT_TRUE(Log().empty());
    DestroyCaret();
}

TEST_F(WindowTest, TrackedWindowHearsTheMouseLeave) {
    const HWND top = TopLevel(0, 0, 200, 100);
    const HWND a = Child(top, 0, 0, 50, 50);
    const HWND b = Child(top, 100, 0, 50, 50);
    SimulateMouseMove(a, Point(5, 5));
    DispatchQueuedMessages();
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = a;
    ASSERT_TRUE(TrackMouseEvent(&track));
    Watch({WM_MOUSELEAVE});
    SimulateMouseMove(a, Point(6, 6));
    SimulateMouseMove(b, Point(5, 5));
    SimulateMouseMove(a, Point(5, 5));
    DispatchQueuedMessages();
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{a, WM_MOUSELEAVE}}));
    // Leaving every window: the cursor is no longer over the window left.
    ASSERT_TRUE(TrackMouseEvent(&track));
    ws::InputMouseLeftSurfaces(POINT{600, 500});
    DispatchQueuedMessages();
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{a, WM_MOUSELEAVE}, {a, WM_MOUSELEAVE}}));
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_NE(WindowFromPoint(cursor), a);
}

TEST_F(WindowTest, WindowMadeUnderTheRestingCursorIsTrackedWithoutALeave) {
    const HWND top = TopLevel(0, 0, 200, 100);
    const HWND gone = Child(top, 0, 0, 50, 50);
    const HWND b = Child(top, 100, 0, 50, 50);
    SimulateMouseMove(gone, Point(5, 5));
    DispatchQueuedMessages();
    DestroyWindow(gone);
    const HWND made = Child(top, 0, 0, 50, 50);
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = made;
    Watch({WM_MOUSELEAVE});
    ASSERT_TRUE(TrackMouseEvent(&track));
    DispatchQueuedMessages();
    EXPECT_TRUE(Log().empty());
    SimulateMouseMove(b, Point(5, 5));
    DispatchQueuedMessages();
    EXPECT_EQ(Sequence(Log()), (std::vector<std::pair<HWND, UINT>>{{made, WM_MOUSELEAVE}}));
}

TEST_F(WindowTest, ClassCursorIsSetThroughWmSetCursor) {
    WNDCLASS wc;
    wc.lpfnWndProc = DefWindowProcValue();
    wc.hCursor = LoadCursor(0, IDC_IBEAM);
    wc.lpszClassName = "TCursorTest";
    RegisterClass(&wc);
    const HWND top = TopLevel(0, 0, 100, 100);
    const HWND edit = Keep(CreateWindowEx(0, "TCursorTest", "", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, top, 0, 0, nullptr));
    DispatchQueuedMessages();
    SetCursor(LoadCursor(0, IDC_ARROW));
    SimulateMouseMove(edit, Point(5, 5));
    DispatchQueuedMessages();
    EXPECT_EQ(SystemCursorId(GetCursor()), IDC_IBEAM);
    EXPECT_EQ(LoadCursor(0, IDC_IBEAM), wc.hCursor);  // system cursors are shared

    ClipCursor(nullptr);
    const RECT box = Rect(0, 0, 50, 50);
    ClipCursor(&box);
    SetCursorPos(80, 20);
    POINT at;
    GetCursorPos(&at);
    EXPECT_EQ(at, Point(49, 20));
    ClipCursor(nullptr);
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(ShowCursor(TRUE), 0);
}

TEST_F(WindowTest, CaretBlinksOnTheClock) {
    FrozenClockScope clock(45000.5);
    const HWND top = TopLevel(0, 0, 60, 40);
    DispatchQueuedMessages();
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    ASSERT_TRUE(CreateCaret(top, 0, 2, 10));
    SetCaretPos(5, 5);
    EXPECT_EQ(ShownPixel(top, 5, 5), background);  // a new caret is hidden
    ShowCaret(top);
    EXPECT_NE(ShownPixel(top, 5, 5), background);
    AdvanceClock(GetCaretBlinkTime());
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(top, 5, 5), background);
    AdvanceClock(GetCaretBlinkTime());
    DispatchQueuedMessages();
    EXPECT_NE(ShownPixel(top, 5, 5), background);
    InvalidateRect(top, nullptr, TRUE);
    DispatchQueuedMessages();  // painting hides and restores it around the paint
    EXPECT_NE(ShownPixel(top, 5, 5), background);
    DestroyCaret();
    EXPECT_EQ(ShownPixel(top, 5, 5), background);

    ASSERT_TRUE(CreateCaret(top, 0, 2, 10));
    DestroyWindow(top);
    EXPECT_FALSE(SetCaretPos(1, 1));  // the caret went with its window
}

TEST(Cursors, EmbeddedCursorsLoadWithTheirHotSpot) {
    // A 16 x 16 cursor file made here: an icon file with type 2 and the hot
    // spot (3, 5) in its directory.
    const HBITMAP color = CreateBitmap(16, 16, 1, 32, nullptr);
    const HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    std::string file = WriteIco(color, mask);
    DeleteObject(color);
    DeleteObject(mask);
    ASSERT_GT(file.size(), 22u);
    file[2] = 2;
    file[10] = 3, file[11] = 0, file[12] = 5, file[13] = 0;
    static const std::string stored = file;
    RegisterEmbeddedResources({{"CURSOR", "HANDPEN", reinterpret_cast<const unsigned char*>(stored.data()), stored.size()}});

    const HCURSOR pen = LoadCursor(HInstance, "HandPen");
    ASSERT_NE(pen, 0u);
    EXPECT_EQ(LoadCursor(HInstance, "handpen"), pen);
    EXPECT_EQ(SystemCursorId(pen), 0u);
    EXPECT_EQ(LoadCursor(HInstance, "Missing"), 0u);
    const HCURSOR old = SetCursor(pen);
    EXPECT_EQ(GetCursor(), pen);
    SetCursor(old);
}

TEST(KeyboardLayout, ActivatingALayoutKeepsTheOneLayoutOfTheSystem) {
    const HKL layout = GetKeyboardLayout(0);
    EXPECT_EQ(ActivateKeyboardLayout(0, KLF_ACTIVATE), layout);
    EXPECT_EQ(GetKeyboardLayout(0), layout);
    EXPECT_EQ(VkKeyScan('a'), 'A');  // typing is unchanged
}
