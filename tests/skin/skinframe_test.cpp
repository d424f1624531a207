// The skinned frame on test forms, with a fixture skin whose border cells
// have known colours: the client placed inside the frame, active and
// inactive borders, the title, caption buttons and what they do, the
// region, the skinned menu bar, and unskinning.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/datetime.h"
#include "platform/ui/forms.h"
#include "platform/ui/menus.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinForm.h"
#include "tools/skinpack/BmpWriter.h"
#include "tools/skinpack/SkinPackage.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kActiveSide = RGB(200, 0, 0), kInactiveSide = RGB(0, 160, 0);
constexpr COLORREF kActiveTop = RGB(0, 0, 200), kInactiveTop = RGB(220, 220, 0);
constexpr int kSide = 4, kTop = 24;

// Two state frames side by side (or stacked), each one flat colour; the
// left border's outer column is magenta.
TSkinMember Strip(const char* name, int width, int height, bool stacked, bool holes = false) {
    TArtImage image(stacked ? width : 2 * width, stacked ? 2 * height : height, kActiveSide);
    const COLORREF first = stacked ? kActiveTop : kActiveSide, second = stacked ? kInactiveTop : kInactiveSide;
    image.Fill(TRect{0, 0, width, height}, first);
    image.Fill(stacked ? TRect{0, height, width, 2 * height} : TRect{width, 0, 2 * width, height}, second);
    if (holes) {
        image.Fill(TRect{0, 0, 1, height}, kMagenta);
        image.Fill(TRect{width, 0, width + 1, height}, kMagenta);
    }
    return {name, WriteBmp24(image)};
}

TSkinMember Buttons(const char* name) {
    TArtImage image(4 * 16, 14, RGB(10, 10, 10));
    const COLORREF faces[] = {RGB(0, 200, 200), RGB(0, 100, 100), RGB(90, 90, 90), RGB(150, 150, 255)};
    for (int i = 0; i < 4; ++i) image.Fill(TRect{16 * i, 0, 16 * i + 16, 14}, faces[i]);
    return {name, WriteBmp24(image)};
}

const char* const kDescription = R"([TitlebarSkin]
SkinName=Fixture
[Personality]
Left=left.bmp
LeftFrame=2
LeftStretch=1
LeftTrans=1
Right=right.bmp
RightFrame=2
RightStretch=1
RightTrans=0
Top=top.bmp
TopFrame=2
TopStretch=1
TopTrans=0
Bottom=bottom.bmp
BottomFrame=2
BottomStretch=1
BottomTrans=0
TextShift=30
TextAlignment=0
[Button0]
ButtonImage=close.bmp
Action=0
Align=1
Xcoord=22
Ycoord=4
frame=4
[Button1]
ButtonImage=max.bmp
Action=1
Align=1
Xcoord=40
Ycoord=4
Visibility=2
frame=4
[Button2]
ButtonImage=restore.bmp
Action=1
Align=1
Xcoord=40
Ycoord=4
Visibility=1
frame=4
[Button3]
Action=3
Align=0
Xcoord=6
Ycoord=4
frame=4
[Colours]
ButtonFace=244 244 244
TitleTextActive=255 255 255
)";

class SkinFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Application;
        application_.reset(TApplication::Create(nullptr));
        Application = application_.get();
        const std::vector<TSkinMember> members = {
            {"fixture.ini", std::vector<Byte>(kDescription, kDescription + std::strlen(kDescription))},
            Strip("left.bmp", kSide, 10, false, true),
            Strip("right.bmp", kSide, 10, false),
            Strip("top.bmp", 30, kTop, true),
            Strip("bottom.bmp", 30, kSide, true),
            Buttons("close.bmp"),
            Buttons("max.bmp"),
            Buttons("restore.bmp")};
        const std::vector<Byte> package = WriteSkinPackage(70000, members);
        skin_ = std::make_unique<TSkinData>(nullptr);
        skin_->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
        ASSERT_TRUE(skin_->LoadSkin());
        skin_->Loaded();
        SkinManager()->Active = true;
        SkinManager()->Started = true;
    }
    void TearDown() override {
        FreeSkinManager();
        skin_.reset();
        application_.reset();
        Application = saved_;
        ProcessMessages();
        ResetModalResponder();
    }

    TForm* ShownForm(int width = 300, int height = 200) {
        TForm* form = TForm::Create(Application, 0);
        form->SetCaption("窗体");
        form->SetBounds(40, 40, width, height);
        form->Show();
        ProcessMessages();
        return form;
    }
    static COLORREF Shown(HWND window, int x, int y) {
        const HBITMAP image = CaptureWindow(window);
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, image);
        const COLORREF pixel = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(image);
        return pixel;
    }
    static RECT WindowBounds(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
    TWinSkinForm* SkinOf(TForm* form) { return SkinManager()->FindForm(form->Handle()); }

    TApplication* saved_ = nullptr;
    std::unique_ptr<TApplication> application_;
    std::unique_ptr<TSkinData> skin_;
};

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
    EXPECT_EQ(Shown(w, 2, height / 2), kActiveSide);
    EXPECT_EQ(Shown(w, width - 2, height / 2), kActiveSide);
    EXPECT_EQ(Shown(w, width / 2, 2), kActiveTop);
    SendMessage(w, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(Shown(w, 2, height / 2), kInactiveSide);
    EXPECT_EQ(Shown(w, width / 2, 2), kInactiveTop);
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
    SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
    TWinSysButton* maximize = nullptr;
    for (const auto& button : skin->CaptionButtons)
        if (button->Element->Action == 1 && button->Visible) maximize = button.get();
    ASSERT_NE(maximize, nullptr);
    const RECT window = WindowBounds(form->Handle());
    const LPARAM at = MAKELPARAM(window.left + maximize->Rect.left + 3, window.top + maximize->Rect.top + 3);
    SendMessage(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, at);
    EXPECT_EQ(maximize->State, TNCObject::kHot);
    EXPECT_EQ(Shown(form->Handle(), maximize->Rect.left + 3, maximize->Rect.top + 3), RGB(90, 90, 90));
    SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    EXPECT_EQ(maximize->State, TNCObject::kPressed);
    EXPECT_EQ(Shown(form->Handle(), maximize->Rect.left + 3, maximize->Rect.top + 3), RGB(0, 100, 100));
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

}  // namespace
