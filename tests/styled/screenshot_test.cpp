// Pictures of the styled look for people to review: the twelve frame
// styles, the ten ramps, the six group-box styles and the form's menu opened
// as the menu controller draws it (screenshots/styled-look.png); a
// toolbar's open overflow pop-up (screenshots/styled-chevron.png).
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "platform/win/msgqueue.h"
#include "platform/win/testseams.h"
#include "styled/VxGrafx.h"
#include "styled/VxChevron.h"
#include "support/temp_dir.h"

namespace {

void PaintFrameStyles(TCanvas* canvas) {
    for (int style = fsNone; style <= fsFlatRounded; ++style) {
        const TRect box = Rect(200 + style * 48, 10, 246 + style * 48, 50);
        const TPanelBorders borders{.outer = TFrameStyleEx(style), .flatColorAdjustment = 30};
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(box);
        DrawPanelBorders(canvas, box, borders);
    }
}

void PaintRamps(TCanvas* canvas) {
    for (int direction = gdDiagonalUp; direction <= gdBigSquareBox; ++direction) {
        const TRect box = Rect(200 + direction * 58, 60, 254 + direction * 58, 110);
        PaintColorRamp(canvas, box, TGradientDirection(direction), clWhite, RGB(87, 127, 191), 1);
    }
}

void Key(int vk) {
    SimulateKey(vk, true);
    SimulateKey(vk, false);
}

// Runs `step` once inside the menu loop, when the drop-down shows with an
// item selected.
class OpenMenuStep {
public:
    explicit OpenMenuStep(std::function<void()> step) : step_(std::move(step)) {
        creation_ = AddCreationObserver([this](const WindowCreation& created) {
            if (ClassNameOf(created.window) == "#32768") menuWindow_ = created.window;
        });
        filter_ = AddMessageFilter([this](int code, MSG& msg) {
            if (code != MSGF_MENU || done_) return false;
            if (msg.message == WM_MENUSELECT && HIWORD(msg.wParam) != 0xFFFF && menuWindow_)
                selected_ = true;
            else if (selected_ && IsWindowVisible(menuWindow_)) {
                done_ = true;
                step_();
            }
            return false;
        });
    }
    ~OpenMenuStep() {
        RemoveObserver(filter_);
        RemoveObserver(creation_);
    }
    bool Done() const { return done_; }

private:
    std::function<void()> step_;
    HWND menuWindow_ = 0;
    int creation_ = 0, filter_ = 0;
    bool selected_ = false, done_ = false;
};

TEST(StyledLook, Screenshot) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(0, 0, 800, 330);
    auto* menu = new TMainMenu(form.get());
    menu->SetOwnerDraw(true);
    auto* file = new TMenuItem(form.get());
    file->SetCaption("文件(&F)");
    menu->Items()->Add(file);
    for (const char* caption : {"新建(&N)", "打开(&O)...", "-", "自动保存", "只读", "退出(&X)"}) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        file->Add(item);
    }
    file->Items(1)->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
    file->Items(3)->SetChecked(true);
    file->Items(4)->SetEnabled(false);
    auto* controller = new TVxMenuController(form.get());
    controller->HookAllItems();

    form->SetMenu(menu);

    auto* paintBox = new TPaintBox(form.get());
    paintBox->SetParent(form.get());
    paintBox->SetBounds(0, 0, 800, 120);
    paintBox->SetOnPaint([paintBox](TObject*) {
        TCanvas* canvas = paintBox->Canvas();
        PaintFrameStyles(canvas);
        PaintRamps(canvas);
    });
    for (int style = gsStandard; style <= gsUnderline; ++style) {
        auto* box = new TVxGroupBox(form.get());
        box->SetParent(form.get());
        box->SetBounds(200 + (style % 3) * 195, 125 + (style / 3) * 80, 185, 70);
        box->SetGroupStyle(TVxGroupBoxStyle(style));
        box->SetCaption(AnsiString("分组框 ") + GetEnumName(EnumTypeInfo(TVxGroupBoxStyle{}), style));
    }
    form->Show();
    DispatchQueuedMessages();
    bool saved = false;
    OpenMenuStep step([&] {
        DispatchQueuedMessages();
        saved = SaveScreenScreenshot(ScreenshotDir() + "styled-look.png");
        Key(VK_ESCAPE);
        Key(VK_ESCAPE);
    });
    SetActiveWindow(form->Handle());
    for (int key : {VK_F10, VK_DOWN, VK_DOWN}) Key(key);
    Key(VK_SHIFT);  // one more message for the step once the item is selected
    DispatchQueuedMessages();
    ASSERT_TRUE(step.Done());
    EXPECT_TRUE(saved);
}

TEST(StyledLook, ChevronScreenshot) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(40, 40, 330, 160);
    form->SetCaption("工具栏");
    auto* bar = new TVxToolbar(form.get());
    bar->SetParent(form.get());
    bar->SetWrapControls(false);
    bar->SetButtonWidth(60);
    bar->SetShowButtonCaptions(true);
    for (const char* caption : {"售后接待", "手机返厂", "手机返回", "报表查询", "系统帮助", "暂时离开", "退出"}) {
        auto* button = new TVxToolButton(form.get());
        button->SetBounds(0, 0, 60, 25);
        button->SetCaption(caption);
        button->SetParent(bar);
    }
    bar->Realign();
    form->Show();
    DispatchQueuedMessages();
    TVxToolbarPopupButton* chevron = bar->PopupButton();
    ASSERT_TRUE(chevron && bar->PopupButtonShown());
    bool saved = false;
    Application->SetOnIdle([&](TObject*, bool& done) {
        done = false;
        DispatchQueuedMessages();
        saved = SaveScreenScreenshot(ScreenshotDir() + "styled-chevron.png");
        chevron->OverflowPanel()->ClosePopup();
    });
    chevron->ShowOverflow();
    Application->SetOnIdle(nullptr);
    EXPECT_TRUE(saved);
}

}  // namespace
