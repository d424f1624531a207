// Skinned menus on test forms with the fixture skin: which pop-up menu
// windows the manager frames, the frame and items a user sees, separators,
// raw drop-down items, and the skinned menu bar's keyboard and mouse.
#include "platform/ui/menus.h"
#include "platform/win/ownerdraw.h"
#include "tests/skin/skinwindow_fixture.h"

using SkinMenuTest = SkinWindowTest;

namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const AnsiString& caption) {
    TMenuItem* item = TMenuItem::Create(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

// Watches the menu windows a modal menu opens and runs Step once the
// first of them shows a selected item.
class MenuWatch {
public:
    explicit MenuWatch(std::function<void(HWND)> step) : step_(std::move(step)) {
        creation_ = AddCreationObserver([this](const WindowCreation& created) {
            if (ClassNameOf(created.window) == "#32768") windows_.push_back(created.window);
        });
        filter_ = AddMessageFilter([this](int code, MSG& msg) {
            if (code != MSGF_MENU || done_) return false;
            if (msg.message == WM_MENUSELECT && HIWORD(msg.wParam) != 0xFFFF) {
                selected_ = true;
            } else if (selected_ && !windows_.empty() && IsWindowVisible(windows_.front())) {
                done_ = true;
                step_(windows_.front());
            }
            return false;
        });
    }
    ~MenuWatch() {
        RemoveObserver(filter_);
        RemoveObserver(creation_);
    }
    bool Done() const { return done_; }

private:
    std::function<void(HWND)> step_;
    std::vector<HWND> windows_;
    int creation_ = 0, filter_ = 0;
    bool selected_ = false, done_ = false;
};

void Key(int vk) {
    SimulateKey(vk, true);
    SimulateKey(vk, false);
}

struct TMenuGate {
    const char* name;
    int menuKind;
    TSkinControlTypes kinds;
    bool framed;
};

class PopupMenuGates : public SkinWindowTest, public testing::WithParamInterface<TMenuGate> {};

TEST_P(PopupMenuGates, FrameOnlyTheKindsTheSkinAsksFor) {
    const TMenuGate& gate = GetParam();
    skin_->SetSkinControls(gate.kinds);
    SkinManager()->MenuKind = gate.menuKind;
    const HWND menu = CreateWindowEx(WS_EX_TOOLWINDOW, "#32768", "", WS_POPUP, 0, 0, 50, 50, 0, 0, 0, nullptr);
    EXPECT_EQ(SkinManager()->IsPopupMenuSkinned(menu), gate.framed);
    EXPECT_EQ(SendMessage(menu, WM_SKINQUERY, 0, 0) == 1, gate.framed);
    DestroyWindow(menu);
    EXPECT_FALSE(SkinManager()->IsPopupMenuSkinned(menu));
    EXPECT_EQ(SkinManager()->MenuKind, 0) << "the next menu is a context menu again";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PopupMenuGates,
    testing::Values(TMenuGate{"ContextWith", 0, {xcPopupMenu}, true}, TMenuGate{"ContextWithout", 0, {xcMainMenu}, false},
                    TMenuGate{"DropDownMain", 1, {xcMainMenu}, true}, TMenuGate{"DropDownItems", 1, {xcMenuItem}, true},
                    TMenuGate{"DropDownWithout", 1, {xcPopupMenu}, false},
                    TMenuGate{"SystemWith", 2, {xcSystemMenu}, true}, TMenuGate{"SystemWithout", 2, {xcMainMenu}, false}),
    [](const testing::TestParamInfo<TMenuGate>& info) { return std::string(info.param.name); });

TEST_F(SkinMenuTest, AContextMenuShowsTheSkinsFrameItemsAndSeparator) {
    TForm* form = TForm::Create(Application, 0);
    TPopupMenu* popup = TPopupMenu::Create(form);
    AddItem(form, popup->Items(), "第一项");
    AddItem(form, popup->Items(), "-");
    AddItem(form, popup->Items(), "第二项");
    form->SetBounds(40, 40, 300, 200);
    form->Show();
    ProcessMessages();
    // The form's pop-up menus became skinned when the form was.
    EXPECT_TRUE(popup->OwnerDraw());
    ASSERT_TRUE(popup->Items()->Items(0)->OnDrawItem());

    COLORREF frame = 0, selected = 0, unselected = 0, separator = 0;
    MenuWatch watch([&](HWND menu) {
        DispatchQueuedMessages();
        RECT first, third;
        GetMenuItemRect(form->Handle(), popup->Handle(), 0, &first);
        GetMenuItemRect(form->Handle(), popup->Handle(), 2, &third);
        RECT window;
        GetWindowRect(menu, &window);
        const HBITMAP image = CaptureWindow(menu);
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, image);
        frame = GetPixel(dc, 1, 1);
        selected = GetPixel(dc, first.right - window.left - 4, (first.top + first.bottom) / 2 - window.top);
        unselected = GetPixel(dc, third.right - window.left - 4, (third.top + third.bottom) / 2 - window.top);
        separator = GetPixel(dc, first.right - window.left - 6, first.bottom - window.top + 1);
        SelectObject(dc, old);
        DeleteObject(image);
        DeleteDC(dc);
        Key(VK_ESCAPE);
    });
    Key(VK_DOWN);
    Key(VK_SHIFT);  // one more message for the watch once the item is selected
    popup->Popup(100, 100);
    ASSERT_TRUE(watch.Done());
    EXPECT_EQ(frame, kMenuBack);
    EXPECT_EQ(selected, kItemFrames[3]);
    EXPECT_EQ(unselected, kItemFrames[0]);
    EXPECT_EQ(separator, kItemFrames[1]);
}

TEST_F(SkinMenuTest, ARawSeparatorIsAnEtchedLineAndASystemItemMeasuresItsText) {
    TForm* form = ShownForm();
    TWinSkinForm* skin = SkinOf(form);
    skin->MenuHandle = CreateMenu();  // as a window with a menu at attach time
    const HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, SC_CLOSE, "关闭");
    skin->DroppedMenu = menu;
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_MENU;
    measure.itemID = SC_CLOSE;
    SendMessage(form->Handle(), WM_MEASUREITEM, 0, LPARAM(&measure));
    TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas()->Font()->Assign(Screen->MenuFont());
    EXPECT_EQ(int(measure.itemWidth), scratch.Canvas()->TextWidth("关闭") + 26);

    TBitmap image;
    image.SetPixelFormat(pf24bit);
    image.SetSize(60, 12);
    const std::unique_ptr<TMenuItem> line = skin->MenuItemFromHandle(menu, 999);
    EXPECT_EQ(line->Caption(), "-");
    skin->DrawRawItem(menu, line.get(), image.Canvas(), TRect{0, 0, 60, 12}, false);
    EXPECT_EQ(ColorToRGB(image.Canvas()->Pixels(30, 4)), ColorToRGB(clBtnShadow)) << "the etched line's dark half";
    DestroyMenu(menu);
    DestroyMenu(skin->MenuHandle);
    skin->MenuHandle = 0;
}

TEST_F(SkinMenuTest, UnskinningGivesTheMenusTheirOwnDrawingBack) {
    TForm* form = ShownForm();
    TPopupMenu* popup = TPopupMenu::Create(form);
    TMenuItem* item = AddItem(form, popup->Items(), "第一项");
    SkinOf(form)->SetPopupMenusOwnerDraw(form, true);
    ASSERT_TRUE(item->OnDrawItem());
    skin_->SetActive(true);
    skin_->SetActive(false);
    for (int i = 0; i < 50 && SkinOf(form); ++i) {
        Sleep(20);
        ProcessMessages();
    }
    EXPECT_FALSE(item->OnDrawItem());
    EXPECT_FALSE(item->OnMeasureItem());
    EXPECT_FALSE(popup->OwnerDraw());
}

class SkinMenuBarTest : public SkinWindowTest {
protected:
    TForm* FormWithMenu() {
        TForm* form = TForm::Create(Application, 0);
        TMainMenu* menu = TMainMenu::Create(form);
        for (const char* caption : {"文件(&F)", "编辑(&E)", ""}) {
            TMenuItem* top = AddItem(form, menu->Items(), caption);
            if (*caption) AddItem(form, top, AnsiString("项目") + caption);
        }
        form->SetMenu(menu);
        form->SetBounds(40, 40, 300, 200);
        form->Show();
        ProcessMessages();
        return form;
    }
    // The buttons whose drop-downs opened, in order, while each opened
    // drop-down gets the next of Steps (Esc when they are used up).
    std::vector<int> Opened(TForm* form, std::function<void()> start, std::vector<std::function<void()>> steps) {
        std::vector<int> opened;
        TWinSkinForm* skin = SkinOf(form);
        HMENU answered = 0;
        int idle = 0;
        const int filter = AddMessageFilter([&](int code, MSG&) {
            if (code != MSGF_MENU || !skin->DroppedMenu) return false;
            if (skin->DroppedMenu == answered) {
                if (++idle == 200) Key(VK_ESCAPE);  // a step that opened nothing
                return false;
            }
            idle = 0;
            answered = skin->DroppedMenu;
            for (const auto& button : skin->MenuBar->Buttons)
                if (button->SubMenu == answered) opened.push_back(button->Index);
            if (steps.empty()) {
                Key(VK_ESCAPE);
            } else {
                steps.front()();
                steps.erase(steps.begin());
            }
            return false;
        });
        start();
        for (int i = 0; i < 5; ++i) DispatchQueuedMessages();
        RemoveObserver(filter);
        return opened;
    }
};

TEST_F(SkinMenuBarTest, ButtonsStartAfterTheMarginAndAreTheirCaptionPlusTenWide) {
    TForm* form = FormWithMenu();
    TWinSkinForm* skin = SkinOf(form);
    ASSERT_NE(skin->MenuBar, nullptr);
    const auto& buttons = skin->MenuBar->Buttons;
    ASSERT_EQ(buttons.size(), 3u);
    TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas()->Font()->Assign(Screen->MenuFont());
    RECT measured{0, 0, 0, 0};
    SkinDrawText(scratch.Canvas()->Handle(), buttons[0]->Caption, &measured, DT_CALCRECT | DT_NOCLIP);
    EXPECT_EQ(buttons[0]->Rect.left, skin->FrameLeft + 6);
    EXPECT_EQ(buttons[0]->Rect.right - buttons[0]->Rect.left, measured.right + 10);
    EXPECT_EQ(buttons[1]->Rect.left, buttons[0]->Rect.right);
    EXPECT_EQ(buttons[2]->Rect.right, buttons[2]->Rect.left) << "an empty caption takes no room";
    EXPECT_EQ(skin->MenuBar->ButtonAt(POINT{buttons[2]->Rect.left, buttons[2]->Rect.top + 2}), nullptr);
}

// An owner-drawn menu's bar entries carry no text of their own: the bar
// takes each caption from its class-library item, found by its sub-menu.
TEST_F(SkinMenuBarTest, AnOwnerDrawnMenuShowsItsCaptions) {
    TForm* form = TForm::Create(Application, 0);
    TMainMenu* menu = TMainMenu::Create(form);
    menu->SetOwnerDraw(true);
    TMenuItem* top = AddItem(form, menu->Items(), "系统设置");
    AddItem(form, top, "店铺设置");
    form->SetMenu(menu);
    form->SetBounds(40, 40, 300, 200);
    form->Show();
    ProcessMessages();
    TWinSkinForm* skin = SkinOf(form);
    ASSERT_NE(skin->MenuBar, nullptr);
    ASSERT_EQ(skin->MenuBar->Buttons.size(), 1u);
    EXPECT_EQ(skin->MenuBar->Buttons[0]->MenuItem, top);
    EXPECT_GT(skin->MenuBar->Buttons[0]->Rect.right - skin->MenuBar->Buttons[0]->Rect.left, 10);
}

TEST_F(SkinMenuBarTest, RightMovesToTheNextDropDownAndAltLetterOpensItsOwn) {
    TForm* form = FormWithMenu();
    TWinSkinForm* skin = SkinOf(form);
    const std::vector<int> byRight =
        Opened(form, [&] { skin->DropDown(skin->MenuBar->Buttons[0].get()); }, {[] { Key(VK_RIGHT); }});
    ASSERT_GE(byRight.size(), 2u);
    EXPECT_EQ(byRight[0], 0);
    EXPECT_EQ(byRight[1], 1);
    EXPECT_FALSE(skin->Tracking);

    const std::vector<int> byKey =
        Opened(form, [&] { SendMessage(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'e'); }, {});
    ASSERT_FALSE(byKey.empty());
    EXPECT_EQ(byKey[0], 1);
    const std::vector<int> byF10 = Opened(form, [&] { SendMessage(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0); }, {});
    ASSERT_FALSE(byF10.empty());
    EXPECT_EQ(byF10[0], 0);
}

// Presses the keys one at a time, each once the menu reported the selection
// the previous one made, then Esc; answers the bar buttons whose drop-downs
// opened, in order.
std::vector<int> DroppedByKeys(TWinSkinForm* skin, TMenuBtn* first, std::vector<int> keys) {
    std::vector<int> opened;
    HMENU last = 0;
    bool escaped = false;
    int stalls = 0;
    const int filter = AddMessageFilter([&](int code, MSG& msg) {
        if (code != MSGF_MENU) return false;
        if (skin->DroppedMenu && skin->DroppedMenu != last) {
            last = skin->DroppedMenu;
            for (const auto& button : skin->MenuBar->Buttons)
                if (button->SubMenu == last) opened.push_back(button->Index);
        }
        // A key that selected nothing: Esc after a second of the menu's timer.
        if (msg.message == WM_TIMER && ++stalls > 4) Key(VK_ESCAPE);
        if (msg.message != WM_MENUSELECT || HIWORD(msg.wParam) == 0xFFFF) return false;
        stalls = 0;
        if (!keys.empty()) {
            Key(keys.front());
            keys.erase(keys.begin());
        } else if (!escaped) {
            escaped = true;
            Key(VK_ESCAPE);
        }
        return false;
    });
    skin->DropDown(first);
    for (int i = 0; i < 5; ++i) DispatchQueuedMessages();
    RemoveObserver(filter);
    return opened;
}

TEST_F(SkinMenuBarTest, RightOpensASubMenuAndLeftClosesItBeforeEitherSwitches) {
    TForm* form = FormWithMenu();
    TMenuItem* edit = form->Menu()->Items()->Items(1);
    AddItem(form, AddItem(form, edit, "更多"), "子项");
    ProcessMessages();
    TWinSkinForm* skin = SkinOf(form);
    // From the first item: Down to the item with the sub-menu, Right opens
    // it, Left closes it, and only the second Left moves to the drop-down on
    // the left.
    EXPECT_EQ(DroppedByKeys(skin, skin->MenuBar->Buttons[1].get(), {VK_DOWN, VK_RIGHT, VK_LEFT}),
              (std::vector<int>{1}));
    EXPECT_EQ(DroppedByKeys(skin, skin->MenuBar->Buttons[1].get(), {VK_DOWN, VK_RIGHT, VK_LEFT, VK_LEFT}),
              (std::vector<int>{1, 0}));
    EXPECT_FALSE(skin->Tracking);
}

TEST_F(SkinMenuBarTest, RightToLeftTheArrowsAreMirrored) {
    TForm* form = FormWithMenu();
    form->Menu()->SetBiDiMode(bdRightToLeft);
    TWinSkinForm* skin = SkinOf(form);
    EXPECT_EQ(DroppedByKeys(skin, skin->MenuBar->Buttons[0].get(), {VK_LEFT}), (std::vector<int>{0, 1}));
}

TEST_F(SkinMenuBarTest, AltEndsTrackingAndTheMouseOverAnotherItemOpensItsDropDown) {
    TForm* form = FormWithMenu();
    TWinSkinForm* skin = SkinOf(form);
    const std::vector<int> byAlt =
        Opened(form, [&] { skin->DropDown(skin->MenuBar->Buttons[0].get()); }, {[] { Key(VK_MENU); }});
    EXPECT_EQ(byAlt, std::vector<int>{0});
    EXPECT_FALSE(skin->Tracking);

    // The bar lies in the frame: the point is given in client coordinates above the client.
    const RECT& next = skin->MenuBar->Buttons[1]->Rect;
    RECT window;
    GetWindowRect(form->Handle(), &window);
    POINT client{window.left + (next.left + next.right) / 2, window.top + (next.top + next.bottom) / 2};
    ScreenToClient(form->Handle(), &client);
    const std::vector<int> byMouse = Opened(form, [&] { skin->DropDown(skin->MenuBar->Buttons[0].get()); },
                                            {[&] { SimulateMouseMove(form->Handle(), client); }});
    ASSERT_GE(byMouse.size(), 2u);
    EXPECT_EQ(byMouse[0], 0);
    EXPECT_EQ(byMouse[1], 1);
    EXPECT_FALSE(skin->Tracking);
}

TEST_F(SkinMenuTest, WithMenuBackgroundTheMenusClientKeepsTheSkinImage) {
    for (const bool keep : {false, true}) {
        skin_->SetOptions(keep ? TSkinOptions{xoMenuBG} : TSkinOptions{});
        skin_->SetSkinControls(TSkinControlTypes{xcPopupMenu});
        SkinManager()->MenuKind = 0;
        const HWND menu = CreateWindowEx(WS_EX_TOOLWINDOW, "#32768", "", WS_POPUP, 0, 0, 50, 50, 0, 0, 0, nullptr);
        ASSERT_TRUE(SkinManager()->IsPopupMenuSkinned(menu));
        TBitmap target;
        target.SetPixelFormat(pf24bit);
        target.SetSize(50, 50);
        target.Canvas()->Brush()->SetColor(clLime);
        target.Canvas()->FillRect(TRect{0, 0, 50, 50});
        EXPECT_EQ(SendMessage(menu, WM_ERASEBKGND, WPARAM(target.Canvas()->Handle()), 0), 1);
        EXPECT_EQ(target.Canvas()->Pixels(10, 10) == clLime, keep);
        DestroyWindow(menu);
    }
}

}  // namespace

