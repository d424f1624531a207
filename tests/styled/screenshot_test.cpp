// Pictures of the styled look for people to review: the twelve frame
// styles, the ten ramps, the six group-box styles and a menu as the menu
// controller draws it (screenshots/styled-look.png); a toolbar's open
// overflow pop-up (screenshots/styled-chevron.png).
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxGrafx.h"
#include "styled/VxChevron.h"
#include "support/temp_dir.h"

namespace {

void PaintFrameStyles(TCanvas* canvas) {
    for (int style = fsNone; style <= fsFlatRounded; ++style) {
        const TRect box = Rect(10 + style * 62, 10, 62 + style * 62, 50);
        const TPanelBorders borders{.outer = TFrameStyleEx(style), .flatColorAdjustment = 30};
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(box);
        DrawPanelBorders(canvas, box, borders);
    }
}

void PaintRamps(TCanvas* canvas) {
    for (int direction = gdDiagonalUp; direction <= gdBigSquareBox; ++direction) {
        const TRect box = Rect(10 + direction * 74, 60, 78 + direction * 74, 110);
        PaintColorRamp(canvas, box, TGradientDirection(direction), clWhite, RGB(87, 127, 191), 1);
    }
}

// A menu bar item and its open drop-down, drawn item by item as the
// window system asks the controller to.
void PaintOpenMenu(TCanvas* canvas, TMainMenu* menu) {
    TMenuItem* bar = menu->Items()->Items(0);
    bar->OnAdvancedDrawItem()(bar, canvas, Rect(10, 120, 70, 140), TOwnerDrawState{odSelected});
    int top = 140;
    for (int i = 0; i < bar->Count(); ++i) {
        TMenuItem* item = bar->Items(i);
        int width = 150, height = 0;
        item->OnMeasureItem()(item, canvas, width, height);
        item->OnAdvancedDrawItem()(item, canvas, Rect(10, top, 10 + width, top + height),
                                   i == 1 ? TOwnerDrawState{odSelected} : TOwnerDrawState{});
        top += height;
    }
}

TEST(StyledLook, Screenshot) {
    std::unique_ptr<TForm> form(TForm::Create(nullptr, 0));
    form->SetBounds(0, 0, 900, 420);
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

    auto* paintBox = new TPaintBox(form.get());
    paintBox->SetParent(form.get());
    paintBox->SetBounds(0, 0, 900, 290);
    paintBox->SetOnPaint([paintBox, menu](TObject*) {
        TCanvas* canvas = paintBox->Canvas();
        PaintFrameStyles(canvas);
        PaintRamps(canvas);
        PaintOpenMenu(canvas, menu);
    });
    for (int style = gsStandard; style <= gsUnderline; ++style) {
        auto* box = new TVxGroupBox(form.get());
        box->SetParent(form.get());
        box->SetBounds(210 + (style % 3) * 200, 125 + (style / 3) * 80, 190, 70);
        box->SetGroupStyle(TVxGroupBoxStyle(style));
        box->SetCaption(AnsiString("分组框 ") + GetEnumName(EnumTypeInfo(TVxGroupBoxStyle{}), style));
    }
    form->Show();
    DispatchQueuedMessages();
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "styled-look.png"));
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
