// The skinned frame on test forms, with a fixture skin whose border cells
// have known colours: the client placed inside the frame, active and
// inactive borders, the title, caption buttons and what they do, the
// region, the skinned menu bar, and unskinning.
#include "tests/skin/skinwindow_fixture.h"
#include "platform/rtl/datetime.h"
#include "tests/support/temp_dir.h"

using SkinFrameTest = SkinWindowTest;

namespace {

TEST_F(SkinFrameTest, TheClientLiesInsideTheSkinsFrame) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->FrameLeft, kSide);
    EXPECT_EQ(skin->FrameTop, kTop);
    const RECT window = WindowBounds(form->Handle());
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, window.right - window.left - 2 * kSide);
    EXPECT_EQ(client.bottom, window.bottom - window.top - kTop - kSide);
    POINT origin{0, 0};
    ClientToScreen(form->Handle(), &origin);
    EXPECT_EQ(origin.x - window.left, kSide);
    EXPECT_EQ(origin.y - window.top, kTop);
    // The client keeps the size the form asked for.
    EXPECT_EQ(form->ClientWidth(), client.right);
}

TEST_F(SkinFrameTest, BordersShowTheActiveAndTheInactiveFrame) {
    TForm* form = ShownForm();
    const HWND w = form->Handle();
    const RECT window = WindowBounds(w);
    const int width = window.right - window.left, height = window.bottom - window.top;
    EXPECT_EQ(ShownPixel(w, 2, height / 2), kActiveSide);
    EXPECT_EQ(ShownPixel(w, width - 2, height / 2), kActiveSide);
    EXPECT_EQ(ShownPixel(w, width / 2, 2), kActiveTop);
    SendMessage(w, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(ShownPixel(w, 2, height / 2), kInactiveSide);
    EXPECT_EQ(ShownPixel(w, width / 2, 2), kInactiveTop);
}

TEST_F(SkinFrameTest, TheHitTestTurnsTheTitleIntoCaptionAndTheBarIntoMenu) {
    TForm* form = ShownForm();
    const RECT window = WindowBounds(form->Handle());
    const auto hit = [&](int x, int y) {
        return SendMessage(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(window.left + x, window.top + y));
    };
    EXPECT_EQ(hit(150, kTop / 2), HTCAPTION);
    EXPECT_EQ(hit(150, 60), HTCLIENT);
    EXPECT_EQ(hit(1, 100), HTLEFT);  // the platform's own answers stay
}

TEST_F(SkinFrameTest, MaximizeAndRestoreButtonsTakeTurnsAtTheSamePlace) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    const auto visible = [&](int action, int visibility) {
        for (const auto& button : skin->CaptionButtons)
            if (button->Element->Action == action && button->Element->Visibility == visibility) return button->Visible;
        return false;
    };
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(visible(1, 2));
    EXPECT_FALSE(visible(1, 1));
    const RECT window = WindowBounds(form->Handle());
    for (const auto& button : skin->CaptionButtons) {
        if (button->Element->Action == 1 && button->Visible) {
            EXPECT_EQ(button->Rect.left, window.right - window.left - 40);
        }
    }
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_FALSE(visible(1, 2));
    EXPECT_TRUE(visible(1, 1));
}

TEST_F(SkinFrameTest, ACaptionButtonGoesHotAndPressedAndItsClickActs) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    TWinSysButton* maximize = ShownButton(form, 1);
    ASSERT_NE(maximize, nullptr);
    const RECT window = WindowBounds(form->Handle());
    const LPARAM at = MAKELPARAM(window.left + maximize->Rect.left + 3, window.top + maximize->Rect.top + 3);
    SendMessage(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, at);
    EXPECT_EQ(maximize->State, TNCObject::kHot);
    EXPECT_EQ(ShownPixel(form->Handle(), maximize->Rect.left + 3, maximize->Rect.top + 3), RGB(90, 90, 90));
    SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    EXPECT_EQ(maximize->State, TNCObject::kPressed);
    EXPECT_EQ(ShownPixel(form->Handle(), maximize->Rect.left + 3, maximize->Rect.top + 3), RGB(0, 100, 100));
    SendMessage(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    ProcessMessages();
    EXPECT_TRUE(IsZoomed(form->Handle()));

    // The icon button closes the window on a double-click.
    bool closed = false;
    form->SetOnClose([&](TObject*, TCloseAction&) { closed = true; });
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    TWinSysButton* icon = nullptr;
    for (const auto& button : skin->CaptionButtons)
        if (button->Element->Action == 3) icon = button.get();
    ASSERT_NE(icon, nullptr);
    const RECT zoomed = WindowBounds(form->Handle());
    SendMessage(form->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION,
                MAKELPARAM(zoomed.left + icon->Rect.left + 2, zoomed.top + icon->Rect.top + 2));
    ProcessMessages();
    EXPECT_TRUE(closed);
}

TEST_F(SkinFrameTest, ADialogFrameHidesTheIconAndMovesTheTitleLeft) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    const int ordinaryLeft = skin->TitleTextRect.left;
    skin->FrameType = TWinSkinForm::kDialogFrame;
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(skin->TitleTextRect.left, ordinaryLeft - 16);
    for (const auto& button : skin->CaptionButtons) {
        if (button->Element->Action == 3) {
            EXPECT_FALSE(button->Visible);
        }
    }
}

TEST_F(SkinFrameTest, ALongTitleEndsBeforeTheRightButtons) {
    TForm* form = ShownForm(200, 150);
    form->SetCaption("一个非常非常非常非常非常非常非常非常长的窗口标题");
    TWinSkinForm* skin = SkinOf(form);
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_LE(skin->TitleTextRect.right, 200 - skin->FrameRight);
}

TEST_F(SkinFrameTest, MagentaFramePixelsAreHolesInTheRegion) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    EXPECT_TRUE(skin->HasRegion);
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 100));   // the left border's magenta column
    EXPECT_TRUE(PtInRegion(region, 1, 100));
    const RECT window = WindowBounds(form->Handle());
    EXPECT_TRUE(PtInRegion(region, window.right - window.left - 1, 100));  // the opaque right border
    DeleteObject(region);
}

TEST_F(SkinFrameTest, AWindowWithoutCaptionGetsNeitherFrameNorRegion) {
    TForm* form = TForm::Create(Application, 0);
    form->SetBorderStyle(bsNone);
    form->SetBounds(10, 10, 200, 120);
    form->Show();
    ProcessMessages();
    TWinSkinForm* skin = SkinOf(form);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->FrameType, TWinSkinForm::kNoFrame);
    EXPECT_EQ(skin->FrameLeft + skin->FrameTop + skin->FrameRight + skin->FrameBottom, 0);
    EXPECT_FALSE(skin->HasRegion);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 200);
}

TEST_F(SkinFrameTest, UnskinningGivesThePlatformFrameAndTheMenuBack) {
    TForm* form = TForm::Create(Application, 0);
    TMainMenu* menu = TMainMenu::Create(form);
    TMenuItem* file = TMenuItem::Create(menu);
    file->SetCaption("文件(&F)");
    menu->Items()->Add(file);
    TMenuItem* open = TMenuItem::Create(menu);
    open->SetCaption("打开");
    file->Add(open);
    form->SetMenu(menu);
    form->SetBounds(40, 40, 300, 200);
    const int clientWidth = form->ClientWidth(), clientHeight = form->ClientHeight();
    form->Show();
    ProcessMessages();
    TWinSkinForm* skin = SkinOf(form);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->MenuBar, nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), 0u);
    EXPECT_EQ(skin->MenuHeight, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(form->ClientWidth(), clientWidth);
    EXPECT_EQ(form->ClientHeight(), clientHeight);

    // The bar's first button starts 6 pixels in (no MenuBar element) and is
    // its caption + 10 wide; a title click under it is a menu click.
    ASSERT_EQ(skin->MenuBar->Buttons.size(), 1u);
    const TMenuBtn& button = *skin->MenuBar->Buttons[0];
    EXPECT_EQ(button.Rect.left, skin->FrameLeft + 6);
    const RECT window = WindowBounds(form->Handle());
    EXPECT_EQ(SendMessage(form->Handle(), WM_NCHITTEST, 0,
                          MAKELPARAM(window.left + button.Rect.left + 2, window.top + kTop + 3)),
              HTMENU);
    EXPECT_EQ(skin->MenuBar->ButtonAt(POINT{button.Rect.left + 2, button.Rect.top + 2}), &button);

    skin_->SetActive(true);
    skin_->SetActive(false);
    for (int i = 0; i < 50 && SkinOf(form); ++i) {
        Sleep(20);
        ProcessMessages();
    }
    EXPECT_EQ(SkinOf(form), nullptr);
    EXPECT_NE(GetMenu(form->Handle()), 0u);
    EXPECT_EQ(form->ClientWidth(), clientWidth);
    EXPECT_EQ(form->ClientHeight(), clientHeight);
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form->Handle(), region), ERROR);
    DeleteObject(region);
}


TEST_F(SkinFrameTest, AClickOnACaptionButtonActsThroughRealInput) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    TWinSysButton* maximize = ShownButton(form, 1);
    ASSERT_NE(maximize, nullptr);
    POINT client{maximize->Rect.left + 3 - skin->FrameLeft, maximize->Rect.top + 3 - skin->FrameTop};
    SimulateMouseMove(form->Handle(), client);
    SimulateMouseButton(form->Handle(), client, VK_LBUTTON, true);
    SimulateMouseButton(form->Handle(), client, VK_LBUTTON, false);
    for (int i = 0; i < 3; ++i) DispatchQueuedMessages();
    EXPECT_TRUE(IsZoomed(form->Handle()));
}


TEST_F(SkinFrameTest, AMultipleDocumentChildMaximizesIntoTheFramesMenuBar) {
    TForm* frame = TForm::Create(Application, 0);
    frame->SetFormStyle(fsMDIForm);
    Application->SetMainForm(frame);
    TMainMenu* menu = TMainMenu::Create(frame);
    TMenuItem* file = TMenuItem::Create(menu);
    file->SetCaption("文件(&F)");
    menu->Items()->Add(file);
    frame->SetMenu(menu);
    frame->SetBounds(0, 0, 600, 400);
    frame->Show();
    ProcessMessages();
    TForm* child = TForm::Create(Application, 0);
    child->SetFormStyle(fsMDIChild);
    child->SetBounds(10, 10, 300, 200);
    child->Show();
    ProcessMessages();
    TWinSkinForm* skin = SkinOf(child);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->Kind, TWinSkinForm::kMDIChild);
    // The frame's client lost its scroll bars, and the menu bar stopped
    // following menu changes while a child exists.
    SetWindowLong(frame->ClientHandle(), GWL_STYLE,
                  GetWindowLong(frame->ClientHandle(), GWL_STYLE) | WS_HSCROLL | WS_VSCROLL);
    SetWindowPos(frame->ClientHandle(), 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(GetWindowLong(frame->ClientHandle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_FALSE(skin_->MenuUpdate());
    TWinSysButton* maximize = ShownButton(child, 1);
    ASSERT_NE(maximize, nullptr);
    EXPECT_TRUE(maximize->Enabled);
    const POINT client{maximize->Rect.left + 3 - skin->FrameLeft, maximize->Rect.top + 3 - skin->FrameTop};
    SimulateMouseMove(child->Handle(), client);
    SimulateMouseButton(child->Handle(), client, VK_LBUTTON, true);
    SimulateMouseButton(child->Handle(), client, VK_LBUTTON, false);
    for (int i = 0; i < 3; ++i) DispatchQueuedMessages();
    EXPECT_TRUE(IsZoomed(child->Handle()));
    EXPECT_TRUE(SkinManager()->MaximizedMDIChild);

    // The child's buttons sit at the right end of the frame's menu bar.
    TWinSkinForm* frameSkin = SkinOf(frame);
    SendMessage(frame->Handle(), WM_NCACTIVATE, TRUE, 0);
    const RECT window = WindowBounds(frame->Handle());
    int childButtons = 0;
    for (const auto& button : frameSkin->CaptionButtons) {
        if (button->Element->Visibility != 100) continue;
        EXPECT_TRUE(button->Visible) << button->Element->Action;
        EXPECT_GT(button->Rect.left, (window.right - window.left) / 2);
        ++childButtons;
    }
    EXPECT_EQ(childButtons, 3);
    SaveWindowScreenshot(frame->Handle(), ScreenshotDir() + "skin-mdi.png");

    // The last child gone, the menu bar follows the menu again.
    delete child;
    ProcessMessages();
    EXPECT_TRUE(skin_->MenuUpdate());
    EXPECT_FALSE(SkinManager()->MaximizedMDIChild);
}

// A child without a maximize box shows its maximize button disabled and a
// click on it does nothing; a minimized child's buttons take clicks where
// they are drawn.
TEST_F(SkinFrameTest, AMinimizedChildsButtonsActWhereTheyAreDrawn) {
    TForm* frame = TForm::Create(Application, 0);
    frame->SetFormStyle(fsMDIForm);
    Application->SetMainForm(frame);
    frame->SetBounds(0, 0, 600, 400);
    frame->Show();
    ProcessMessages();
    const auto makeChild = [](TBorderIcons icons) {
        TForm* child = TForm::Create(Application, 0);
        child->SetFormStyle(fsMDIChild);
        child->SetBorderIcons(icons);
        child->SetBounds(10, 10, 300, 200);
        child->Show();
        ProcessMessages();
        return child;
    };
    const auto clickMaximize = [&](TForm* child) {
        TWinSysButton* button = ShownButton(child, 1);
        ASSERT_NE(button, nullptr);
        TWinSkinForm* skin = SkinOf(child);
        const bool minimized = IsIconic(child->Handle());
        const POINT at{button->Rect.left + 3 - (minimized ? 0 : skin->FrameLeft),
                       button->Rect.top + 3 - (minimized ? 0 : skin->FrameTop)};
        SimulateMouseMove(child->Handle(), at);
        SimulateMouseButton(child->Handle(), at, VK_LBUTTON, true);
        SimulateMouseButton(child->Handle(), at, VK_LBUTTON, false);
        for (int i = 0; i < 3; ++i) DispatchQueuedMessages();
    };
    TForm* fixed = makeChild(TBorderIcons{biSystemMenu, biMinimize});
    ASSERT_NE(ShownButton(fixed, 1), nullptr);
    EXPECT_FALSE(ShownButton(fixed, 1)->Enabled);
    clickMaximize(fixed);
    EXPECT_FALSE(IsZoomed(fixed->Handle()));
    delete fixed;
    ProcessMessages();

    TForm* child = makeChild(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    SendMessage(child->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ProcessMessages();
    ASSERT_TRUE(IsIconic(child->Handle()));
    clickMaximize(child);
    EXPECT_TRUE(IsZoomed(child->Handle()));
    delete child;
    ProcessMessages();
}

TEST_F(SkinFrameTest, ARefreshRebuildsEveryFormsCaptionButtonsBeforeAnyRepaints) {
    TForm* first = ShownForm();
    TForm* second = ShownForm();
    std::vector<std::size_t> buttonsAtNotice;
    const int observer = AddSentMessageObserver([&](const MSG& msg) {
        if (msg.message != WM_SKINNOTICE) return;
        for (TForm* form : {first, second}) buttonsAtNotice.push_back(SkinOf(form)->CaptionButtons.size());
    });
    skin_->UpdateSkin();
    EXPECT_TRUE(SkinOf(first)->CaptionButtons.empty()) << "freed when the new skin came";
    for (int i = 0; i < 50 && buttonsAtNotice.size() < 4; ++i) {
        Sleep(20);
        ProcessMessages();
    }
    RemoveObserver(observer);
    ASSERT_EQ(buttonsAtNotice.size(), 4u);
    for (std::size_t count : buttonsAtNotice) EXPECT_GT(count, 0u);
}

TEST_F(SkinFrameTest, ABorderWithoutFramesCountsAsOne) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    skin_->FrameLeft()->Frame = 0;
    skin_->FrameTop()->Frame = -3;
    skin->LoadCaptionButtons();
    EXPECT_EQ(skin->FrameLeft, 2 * kSide);
    EXPECT_EQ(skin->FrameTop, 2 * kTop);
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);  // paints without dividing by zero
}

TEST_F(SkinFrameTest, ASecondClickOnTheIconWithinTheDoubleClickTimeCloses) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    TForm* form = ShownForm();
    bool closed = false;
    form->SetOnClose([&](TObject*, TCloseAction&) { closed = true; });
    TWinSysButton* icon = ShownButton(form, 3);
    ASSERT_NE(icon, nullptr);
    const RECT window = WindowBounds(form->Handle());
    const LPARAM at = MAKELPARAM(window.left + icon->Rect.left + 2, window.top + icon->Rect.top + 2);
    SimulateKey(VK_ESCAPE, true);  // closes the system menu the first click opens
    SimulateKey(VK_ESCAPE, false);
    SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessage(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    ProcessMessages();
    EXPECT_FALSE(closed);
    AdvanceClock(100);
    SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessage(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    ProcessMessages();
    EXPECT_TRUE(closed);
}



// A hook set on a skinned form's WindowProc after the skin keeps the skin's
// hook in its chain. The skin lets go of the form when the form's window
// goes (and is freed later): the other hook stays, and its copy of the
// skin's hook passes messages straight on, never to the freed skin.
TEST_F(SkinFrameTest, AHookSetAfterTheSkinOutlivesTheSkinsRelease) {
    TForm* form = ShownForm();
    ASSERT_NE(SkinOf(form), nullptr);
    const TWndMethod underneath = form->WindowProc();
    int seen = 0;
    form->SetWindowProc([&seen, underneath](TMessage& message) {
        if (message.Msg == WM_SETTEXT) ++seen;
        underneath(message);
    });
    form->RecreateWnd();
    ProcessMessages();
    TForm* other = ShownForm();  // its activation frees the released skin
    ProcessMessages();
    form->SetCaption("换新");
    EXPECT_EQ(seen, 1) << "the later hook is still in place";
    form->SetWindowProc(underneath);
    form->SetCaption("再换");
    EXPECT_EQ(form->Caption(), "再换");
    char text[16] = {};
    GetWindowText(form->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "再换");
    delete other;
    delete form;
}

}  // namespace
