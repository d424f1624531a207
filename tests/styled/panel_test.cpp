// The styled panel: its fill, transparency and frame controller.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "styled/VxPanel.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class Panel : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(TForm::Create(nullptr, 0));
        form_->SetBounds(0, 0, 300, 200);
        form_->SetColor(clYellow);
        panel_ = new TVxCustomPanel(form_.get());
        panel_->SetParent(form_.get());
        panel_->SetBounds(10, 10, 100, 60);
        panel_->SetBorderOuter(fsNone);
    }
    // The panel's pixel as shown.
    COLORREF Shown(int x, int y) {
        form_->Show();
        DispatchQueuedMessages();
        return ShownPixel(panel_->Handle(), x, y);
    }
    std::unique_ptr<TForm> form_;
    TVxCustomPanel* panel_;
};

TEST_F(Panel, ATransparentPanelShowsItsFormsBackground) {
    panel_->SetColor(clBlue);
    EXPECT_EQ(Shown(50, 30), ColorToRGB(clBlue));
    panel_->SetTransparent(true);
    panel_->Invalidate();
    EXPECT_EQ(Shown(50, 30), ColorToRGB(clYellow));
}

TEST_F(Panel, ATransparentToolbarShowsItsFormsBackground) {
    auto* toolbar = new TVxToolbar(form_.get());
    toolbar->SetParent(form_.get());
    toolbar->SetBounds(0, 100, 300, 64);
    toolbar->SetBorderOuter(fsGroove);
    toolbar->SetBorderSides(TSides{sdTop});
    toolbar->SetTransparent(true);
    form_->Show();
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(toolbar->Handle(), 150, toolbar->Height() / 2), ColorToRGB(clYellow));
    EXPECT_EQ(ShownPixel(toolbar->Handle(), 150, 0), ColorToRGB(clBtnShadow));
}

TEST_F(Panel, TheGradientStyleFillsWithItsRamp) {
    panel_->SetVisualStyle(vsGradient);
    panel_->SetGradientColorStyle(gcsCustom);
    panel_->SetGradientColorStart(clWhite);
    panel_->SetGradientColorStop(clBlack);
    EXPECT_EQ(Shown(50, 59), ColorToRGB(clBlack));
    EXPECT_GT(GetRValue(Shown(50, 0)), 240);
}

TEST_F(Panel, AFrameControllerShowingFramesSetsTheBorders) {
    TVxFrameController controller(form_.get());
    panel_->SetColor(clAqua);
    controller.SetFrameStyle(fsGroove);
    controller.SetFrameColor(clRed);
    panel_->SetFrameController(&controller);
    EXPECT_EQ(panel_->BorderOuter(), fsNone);  // frames hidden: the panel keeps its own
    panel_->SetFrameControllerNotifications(TVxFrameControllerNotifications{fcpFrameStyle, fcpFrameColor});
    controller.SetFrameVisible(true);
    EXPECT_EQ(panel_->BorderOuter(), fsGroove);
    EXPECT_EQ(panel_->FlatColor(), clRed);
    EXPECT_EQ(panel_->FlatColorAdjustment(), 0);
    EXPECT_NE(panel_->Color(), controller.Color());  // fcpColor not accepted
    panel_->SetFrameController(nullptr);
    controller.SetFrameStyle(fsBump);
    EXPECT_EQ(panel_->BorderOuter(), fsGroove);
}

TEST_F(Panel, TheCaptionSitsInTheMiddleAndIsEmbossedWhenDisabled) {
    panel_->SetCaption("接待登记");
    auto rowHas = [this](int top, int bottom, TColor color) {
        Shown(0, 0);
        const HBITMAP shot = CaptureWindow(panel_->Handle());
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, shot);
        bool found = false;
        for (int y = top; y < bottom && !found; ++y)
            for (int x = 0; x < 100 && !found; ++x) found = GetPixel(dc, x, y) == ColorToRGB(color);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(shot);
        return found;
    };
    EXPECT_TRUE(rowHas(22, 38, clWindowText));
    EXPECT_FALSE(rowHas(0, 12, clWindowText));
    EXPECT_FALSE(rowHas(48, 60, clWindowText));
    panel_->SetEnabled(false);
    EXPECT_TRUE(rowHas(22, 38, clBtnShadow));
    EXPECT_TRUE(rowHas(22, 39, clBtnHighlight));
    EXPECT_FALSE(rowHas(22, 38, clWindowText));
}

TEST_F(Panel, ChildrenGetBackTheirEnabledStateWhenThePanelIsEnabledAgain) {
    auto* on = new TPanel(form_.get());
    auto* off = new TPanel(form_.get());
    for (TControl* child : {static_cast<TControl*>(on), static_cast<TControl*>(off)}) child->SetParent(panel_);
    off->SetEnabled(false);
    panel_->SetEnabled(false);
    EXPECT_FALSE(on->Enabled());
    auto* later = new TPanel(form_.get());
    later->SetParent(panel_);
    panel_->SetEnabled(true);
    EXPECT_TRUE(on->Enabled());
    EXPECT_FALSE(off->Enabled());
    EXPECT_TRUE(later->Enabled());
}

}  // namespace
