// The project's skin on push, bit, speed, check and radio buttons in each of
// their states, on a group box over a status bar, all skinned by the
// mapping: the picture skin-buttons.png.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls_statusbar.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "skin/WinSubClassBoxes.h"
#include "skin/WinSubClassButtons.h"
#include "skin/WinSubClassCheck.h"
#include "support/temp_dir.h"
#include "tests/skin/skinwindow_fixture.h"

namespace {

class ServioraButtons : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        std::ifstream file(SERVIORA_SKIN_PACKAGE, std::ios::binary);
        const std::vector<char> package{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        ASSERT_FALSE(package.empty());
        skin_->SkinStream()->Clear();
        skin_->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
        ASSERT_TRUE(skin_->LoadSkin());
    }

    template <class Control>
    Control* Placed(TWinControl* parent, const char* caption, int column, int row) {
        Control* control = Control::Create(parent);
        control->SetParent(parent);
        control->SetBounds(90 + column * 92, 22 + row * 34, 84, 25);
        control->SetCaption(caption);
        return control;
    }
    // A radio button alone on a panel of its own, so that checking it
    // unchecks no other.
    TRadioButton* LoneRadio(TWinControl* parent, const char* caption, int column, bool checked, bool enabled) {
        TPanel* panel = Placed<TPanel>(parent, "", column, 4);
        panel->SetBevelOuter(bvNone);
        TRadioButton* radio = TRadioButton::Create(panel);
        radio->SetParent(panel);
        radio->SetBounds(0, 0, 84, 25);
        radio->SetCaption(caption);
        radio->SetChecked(checked);
        radio->SetEnabled(enabled);
        return radio;
    }
    static void Label(TWinControl* parent, const char* caption, int row) {
        TLabel* label = TLabel::Create(parent);
        label->SetParent(parent);
        label->SetLeft(12);
        label->SetTop(27 + row * 34);
        label->SetCaption(caption);
    }
};

std::unique_ptr<TBitmap> ArrowGlyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(16, 16);
    TCanvas* canvas = glyph->Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(TRect{0, 0, 16, 16});
    canvas->Brush()->SetColor(TColor(RGB(40, 110, 200)));
    const POINT arrow[] = {{2, 6}, {9, 6}, {9, 2}, {14, 8}, {9, 14}, {9, 10}, {2, 10}};
    canvas->Polygon(arrow, 7);
    return glyph;
}

TEST_F(ServioraButtons, EveryStateOfEveryButtonKindIsPictured) {
    TForm* form = TForm::Create(Application, 0);
    form->SetCaption("按钮");
    form->SetBounds(20, 20, 580, 300);
    TGroupBox* box = TGroupBox::Create(form);
    box->SetParent(form);
    box->SetBounds(8, 6, 556, 210);
    box->SetCaption("按钮的状态");
    const std::unique_ptr<TBitmap> glyph = ArrowGlyph();
    const char* const states[] = {"正常", "热", "按下", "默认", "禁用"};
    Label(box, "按钮", 0);
    Label(box, "图形按钮", 1);
    Label(box, "快捷按钮", 2);
    Label(box, "复选框", 3);
    Label(box, "单选按钮", 4);
    std::vector<TButton*> pushes;
    std::vector<TBitBtn*> bits;
    std::vector<TSpeedButton*> speeds;
    for (int i = 0; i < 5; ++i) {
        pushes.push_back(Placed<TButton>(box, states[i], i, 0));
        bits.push_back(Placed<TBitBtn>(box, states[i], i, 1));
        bits.back()->SetGlyph(glyph.get());
        speeds.push_back(Placed<TSpeedButton>(box, i == 3 ? "平面" : states[i], i, 2));
        speeds.back()->SetGlyph(glyph.get());
    }
    pushes[3]->SetDefault(true);
    bits[3]->SetDefault(true);
    speeds[2]->SetGroupIndex(1);
    speeds[2]->SetDown(true);
    speeds[3]->SetFlat(true);
    const char* const checks[] = {"未选", "选中", "不确定", "禁用", "禁用选中"};
    std::vector<TCheckBox*> boxes;
    for (int i = 0; i < 5; ++i) boxes.push_back(Placed<TCheckBox>(box, checks[i], i, 3));
    boxes[1]->SetChecked(true);
    boxes[2]->SetAllowGrayed(true);
    boxes[2]->SetState(cbGrayed);
    boxes[4]->SetChecked(true);
    std::vector<TRadioButton*> radios = {LoneRadio(box, "未选", 0, false, true), LoneRadio(box, "选中", 1, true, true),
                                         LoneRadio(box, "禁用", 3, false, false),
                                         LoneRadio(box, "禁用选中", 4, true, false)};
    TStatusBar* status = TStatusBar::Create(form);
    status->SetParent(form);
    for (const auto& [text, width] : {std::pair{"状态栏", 120}, {"第二格", 160}, {"最后一格", 0}}) {
        TStatusPanel* panel = status->Panels()->Add();
        panel->SetText(text);
        panel->SetWidth(width);
    }
    form->Show();
    ProcessMessages();
    TWinSkinForm* skin = SkinOf(form);
    ASSERT_NE(skin, nullptr);
    skin->SkinControls(form);

    for (TWinControl* disabled : {static_cast<TWinControl*>(pushes[4]), static_cast<TWinControl*>(bits[4]),
                                  static_cast<TWinControl*>(boxes[3]), static_cast<TWinControl*>(boxes[4])})
        disabled->SetEnabled(false);
    speeds[4]->SetEnabled(false);
    // One pointer makes one button hot: the other two are set hot as the
    // pointer would.
    for (TWinControl* hot : {static_cast<TWinControl*>(pushes[1]), static_cast<TWinControl*>(bits[1])}) {
        skin->FindPainter(hot->Handle())->MouseState |= TSkinButton::kHot;
        InvalidateRect(hot->Handle(), nullptr, TRUE);
    }
    for (TWinControl* pressed : {static_cast<TWinControl*>(pushes[2]), static_cast<TWinControl*>(bits[2])})
        SendMessage(pressed->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ProcessMessages();
    // Entered after the queue is empty, where no pointer position takes it back.
    speeds[1]->Perform(CM_MOUSEENTER, 0, 0);

    EXPECT_TRUE(dynamic_cast<TSkinButton*>(skin->FindPainter(pushes[0]->Handle())));
    EXPECT_TRUE(dynamic_cast<TSkinBitButton*>(skin->FindPainter(bits[0]->Handle())));
    EXPECT_TRUE(dynamic_cast<TSkinCheckBox*>(skin->FindPainter(boxes[0]->Handle())));
    EXPECT_TRUE(dynamic_cast<TSkinRadioButton*>(skin->FindPainter(radios[0]->Handle())));
    EXPECT_TRUE(dynamic_cast<TSkinGroupBox*>(skin->FindPainter(box->Handle())));
    EXPECT_TRUE(dynamic_cast<TSkinStatusBar*>(skin->FindPainter(status->Handle())));
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "skin-buttons.png"));
    ReleaseCapture();
}

}  // namespace
