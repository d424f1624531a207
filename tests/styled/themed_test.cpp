// The styled controls with the platform's visual styles switched on: the
// toolbar on the rebar background with a themed separator and buttons, the
// status bar and its panes on the status background with a themed grip, the
// chevron's face, the pop-up's edit-box frame; and their picture
// (screenshots/styled-themed.png).
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "platform/ui/uxtheme.h"
#include "styled/VxButton.h"
#include "styled/VxChevron.h"
#include "styled/VxPanel.h"
#include "styled/VxPopup.h"
#include "styled/VxStatus.h"
#include "support/temp_dir.h"
#include "tests/platform/win/window_fixture.h"

namespace {

// What the theme draws for a part, on a white bitmap.
COLORREF ThemedPixel(const WCHAR* themeClass, int part, int state, const TRect& rect, int x, int y) {
    TBitmap bitmap;
    bitmap.SetSize(rect.right, rect.bottom);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(rect);
    DrawThemedPart(bitmap.Canvas()->Handle(), themeClass, part, state, rect);
    return ColorToRGB(bitmap.Canvas()->Pixels(x, y));
}

class Themed : public testing::Test {
protected:
    void SetUp() override {
        SetVisualStylesEnabled(true);
        form_.reset(TForm::Create(nullptr, 0));
        form_->SetBounds(0, 0, 420, 260);
        form_->SetCaption("视觉样式");
        toolbar_ = new TVxToolbar(form_.get());
        toolbar_->SetParent(form_.get());
        toolbar_->SetButtonWidth(60);
        toolbar_->SetShowButtonCaptions(true);
        for (const char* caption : {"售后接待", "|", "手机返厂", "手机返回"}) {
            if (*caption == '|') {
                auto* spacer = new TVxSpacer(form_.get());
                spacer->SetGrooved(true);
                spacer->SetParent(toolbar_);
                spacer_ = spacer;
                continue;
            }
            auto* button = new TVxToolButton(form_.get());
            button->SetCaption(caption);
            button->SetParent(toolbar_);
            buttons_.push_back(button);
        }
        toolbar_->Realign();
        buttons_[1]->SetGroupIndex(1);
        buttons_[1]->SetDown(true);
        status_ = new TVxStatusBar(form_.get());
        status_->SetParent(form_.get());
        pane_ = new TVxStatusPane(form_.get());
        pane_->SetCaption("操作员：管理员");
        pane_->SetWidth(200);
        pane_->SetAlign(alLeft);
        pane_->SetParent(status_);
        box_ = new TVxGroupBox(form_.get());
        box_->SetParent(form_.get());
        box_->SetBounds(10, 90, 250, 80);
        box_->SetCaption("分组框");
        form_->Show();
        DispatchQueuedMessages();
    }
    void TearDown() override { SetVisualStylesEnabled(false); }

    std::unique_ptr<TForm> form_;
    TVxToolbar* toolbar_;
    TVxSpacer* spacer_ = nullptr;
    std::vector<TVxToolButton*> buttons_;
    TVxStatusBar* status_;
    TVxStatusPane* pane_;
    TVxGroupBox* box_;
};

TEST_F(Themed, TheToolbarLiesOnTheRebarBackgroundWithoutItsGroove) {
    const TRect client = toolbar_->ClientRect();
    const HWND window = toolbar_->Handle();
    EXPECT_EQ(ShownPixel(window, 400, 0), ThemedPixel(u"REBAR", 0, 0, client, 400, 0));
    EXPECT_EQ(ShownPixel(window, 400, client.bottom - 1), ThemedPixel(u"REBAR", 0, 0, client, 400, client.bottom - 1));
    EXPECT_NE(ShownPixel(window, 400, 0), ColorToRGB(clBtnShadow));
}

TEST_F(Themed, TheCheckedButtonShowsTheCheckedPartAndTheSpacerTheSeparator) {
    const TVxToolButton* checked = buttons_[1];
    const TRect face(0, 0, checked->Width(), checked->Height());
    EXPECT_EQ(ShownPixel(toolbar_->Handle(), checked->Left() + 10, checked->Top()),
              ThemedPixel(u"TOOLBAR", TP_BUTTON, TS_CHECKED, face, 10, 0));
    const int x = spacer_->Left() + spacer_->Width() / 2 - 1, y = spacer_->Top() + spacer_->Height() / 2;
    EXPECT_EQ(ShownPixel(toolbar_->Handle(), x, y),
              ThemedPixel(u"TOOLBAR", TP_SEPARATOR, TS_NORMAL, TRect(0, 0, spacer_->Width(), spacer_->Height()),
                          spacer_->Width() / 2 - 1, spacer_->Height() / 2));
}

TEST_F(Themed, TheStatusBarAndItsPaneShowTheStatusBackground) {
    const TRect whole(0, 0, status_->Width(), status_->Height());
    const COLORREF background = ThemedPixel(u"STATUS", 0, 0, whole, 300, 5);
    EXPECT_EQ(ShownPixel(status_->Handle(), 300, 5), background);
    EXPECT_EQ(ShownPixel(status_->Handle(), pane_->Left() + 150, pane_->Top() + 2), background)
        << "the pane's caption lies on the bar's background";
    const int gripX = status_->Width() - 5, gripY = status_->Height() - 13;
    EXPECT_NE(ShownPixel(status_->Handle(), gripX, gripY), background) << "the themed grip";
}

TEST_F(Themed, ThePopupPanelIsFramedLikeADisabledEditBox) {
    auto* panel = new TVxPopupPanel(form_.get());
    panel->SetParent(form_.get());
    panel->SetBounds(280, 90, 100, 60);
    panel->SetVisible(true);
    DispatchQueuedMessages();
    const TRect client = panel->ClientRect();
    EXPECT_EQ(ShownPixel(panel->Handle(), 50, 0), ThemedPixel(u"EDIT", EP_EDITTEXT, ETS_DISABLED, client, 50, 0));
    EXPECT_EQ(ShownPixel(panel->Handle(), 50, 30), ThemedPixel(u"EDIT", EP_EDITTEXT, ETS_DISABLED, client, 50, 30));
}

TEST_F(Themed, Screenshot) {
    EXPECT_TRUE(SaveWindowScreenshot(form_->Handle(), ScreenshotDir() + "styled-themed.png"));
}

}  // namespace
