// A fixture skin whose elements have known flat colours, loaded into a
// skin component with the manager started, and test forms to skin with it.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/rtl/clock.h"
#include "platform/ui/forms.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "tests/platform/win/window_fixture.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinForm.h"
#include "tools/skinpack/BmpWriter.h"
#include "tools/skinpack/SkinPackage.h"


constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kActiveSide = RGB(200, 0, 0), kInactiveSide = RGB(0, 160, 0);
constexpr COLORREF kActiveTop = RGB(0, 0, 200), kInactiveTop = RGB(220, 220, 0);
constexpr int kSide = 4, kTop = 24;
constexpr COLORREF kMenuBack = RGB(230, 200, 150);
// MenuItem's five state frames: 1 normal, 2 the separator, 4 selected.
constexpr COLORREF kItemFrames[] = {RGB(250, 240, 200), RGB(90, 90, 90), RGB(10, 10, 10), RGB(120, 180, 250),
                                    RGB(20, 20, 20)};

inline TSkinMember Flat(const char* name, int width, int height, COLORREF colour) {
    return {name, WriteBmp24(TArtImage(width, height, colour))};
}

inline TSkinMember MenuItemCells() {
    TArtImage image(5 * 20, 18, 0);
    for (int i = 0; i < 5; ++i) image.Fill(TRect{20 * i, 0, 20 * i + 20, 18}, kItemFrames[i]);
    return {"menuitem.bmp", WriteBmp24(image)};
}

// Two state frames side by side (or stacked), each one flat colour; the
// left border's outer column is magenta.
inline TSkinMember Strip(const char* name, int width, int height, bool stacked, bool holes = false) {
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

inline TSkinMember Buttons(const char* name) {
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
[MDICONTROLS]
Image=mdi.bmp
[MenuBackground]
Image=menuback.bmp
[MenuItem]
Image=menuitem.bmp
[Colours]
ButtonFace=244 244 244
TitleTextActive=255 255 255
)";

class SkinWindowTest : public ::testing::Test {
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
            Buttons("restore.bmp"),
            Flat("menuback.bmp", 12, 12, kMenuBack),
            Flat("mdi.bmp", 12 * 12, 12, RGB(60, 120, 60)),
            MenuItemCells()};
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
    static RECT WindowBounds(HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r;
    }
    // The visible caption button of that action, after an activation paint.
    TWinSysButton* ShownButton(TForm* form, int action) {
        SendMessage(form->Handle(), WM_NCACTIVATE, TRUE, 0);
        for (const auto& button : SkinOf(form)->CaptionButtons)
            if (button->Element->Action == action && button->Visible) return button.get();
        return nullptr;
    }
    TWinSkinForm* SkinOf(TForm* form) { return SkinManager()->FindForm(form->Handle()); }

    TApplication* saved_ = nullptr;
    std::unique_ptr<TApplication> application_;
    std::unique_ptr<TSkinData> skin_;
};

