// Group boxes: where their children go and how the login window's one looks.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/ui/stdctrls_edit.h"
#include "platform/ui/testseams.h"
#include "styled/VxColors.h"
#include "styled/VxPanel.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class GroupBox : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(TForm::Create(nullptr, 0));
        form_->SetBounds(0, 0, 400, 300);
        box_ = new TVxGroupBox(form_.get());
        box_->SetParent(form_.get());
        box_->SetBounds(8, 8, 314, 190);
        measure_.Canvas()->SetFont(box_->Font());
        textHeight_ = measure_.Canvas()->TextHeight("Yy");
    }
    std::unique_ptr<TForm> form_;
    TVxGroupBox* box_;
    TBitmap measure_;
    int textHeight_ = 0;
};

TEST_F(GroupBox, ChildrenSitBelowTheCaptionLineByStyle) {
    struct Case {
        TVxGroupBoxStyle style;
        const char* caption;
        int top, left;
    };
    const int h = textHeight_;
    const Case cases[] = {
        {gsStandard, "", h + 2, 2}, {gsFlat, "", h + 1, 1},      {gsCustom, "分组", h + 2, 2},
        {gsCustom, "", 2, 2},       {gsTopLine, "", h, 0},       {gsBanner, "", h + 8, 0},
        {gsUnderline, "", h + 4, 0},
    };
    auto* child = new TPanel(form_.get());
    child->SetParent(box_);
    child->SetAlign(alClient);
    for (const Case& c : cases) {
        box_->SetCaption(c.caption);
        box_->SetGroupStyle(c.style);
        box_->Realign();
        EXPECT_EQ(child->Top(), c.top) << c.style;
        EXPECT_EQ(child->Left(), c.left) << c.style;
    }
}

TEST_F(GroupBox, OnlyACustomBoxTakesTheControllersFrames) {
    TVxFrameController controller(form_.get());
    controller.SetFrameStyle(fsBump);
    controller.SetFrameVisible(true);
    box_->SetFrameController(&controller);
    EXPECT_EQ(box_->BorderOuter(), fsNone);
    box_->SetGroupStyle(gsCustom);
    controller.SetFrameStyle(fsGroove);
    EXPECT_EQ(box_->BorderOuter(), fsGroove);
    box_->SetFrameController(nullptr);
}

TEST_F(GroupBox, TheLoginWindowsBoxDrawsTheFlatOutlineThroughTheCaptionLine) {
    box_->SetTransparent(true);
    form_->Show();
    DispatchQueuedMessages();
    const int top = measure_.Canvas()->TextHeight("Pp") / 2 - 1;
    const COLORREF line = ColorToRGB(ShadeBy(clBtnShadow, 30));
    EXPECT_EQ(ShownPixel(box_->Handle(), 2, top), line);
    EXPECT_EQ(ShownPixel(box_->Handle(), 0, top + 2), line);
    EXPECT_EQ(ShownPixel(box_->Handle(), 1, top + 1), line);
    EXPECT_NE(ShownPixel(box_->Handle(), 0, top), line);  // the cut corner
    EXPECT_NE(ShownPixel(box_->Handle(), 2, top - 1), line);
    EXPECT_EQ(ShownPixel(box_->Handle(), 313, top + 2), line);
    EXPECT_EQ(ShownPixel(box_->Handle(), 100, 189), line);
}

TEST_F(GroupBox, WithVisualStylesTheLoginBoxDrawsOnlyTheThemedFrame) {
    SetVisualStylesEnabled(true);
    box_->SetTransparent(true);
    form_->Show();
    DispatchQueuedMessages();
    const int top = measure_.Canvas()->TextHeight("Pp") / 2 - 1;
    const COLORREF themed = ShownPixel(box_->Handle(), 100, top);
    const COLORREF background = ColorToRGB(form_->Color());
    SetVisualStylesEnabled(false);
    EXPECT_NE(themed, background);
    EXPECT_NE(themed, ColorToRGB(ShadeBy(clBtnShadow, 30)));
    EXPECT_EQ(ShownPixel(box_->Handle(), 100, top - 1), background);
    EXPECT_EQ(ShownPixel(box_->Handle(), 0, top + 50), themed);
}

TEST_F(GroupBox, WithVisualStylesTheCaptionTakesTheThemesTextColour) {
    SetVisualStylesEnabled(true);
    const TColor themed = ThemePartColor();
    box_->SetCaption("分组");
    form_->Show();
    DispatchQueuedMessages();
    bool inked = false;
    for (int x = 8; x < 40 && !inked; ++x)
        for (int y = 0; y < textHeight_ && !inked; ++y) inked = ShownPixel(box_->Handle(), x, y) == ColorToRGB(themed);
    SetVisualStylesEnabled(false);
    EXPECT_NE(themed, clBtnFace);
    EXPECT_TRUE(inked);
}

TEST_F(GroupBox, TheCaptionsAcceleratorSelectsTheFirstChild) {
    box_->SetCaption("&Group");
    auto* first = new TEdit(form_.get());
    first->SetParent(box_);
    auto* outside = new TEdit(form_.get());
    outside->SetParent(form_.get());
    outside->SetTop(250);
    form_->Show();
    DispatchQueuedMessages();
    outside->SetFocus();
    EXPECT_EQ(box_->Perform(CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_TRUE(outside->Focused());
    EXPECT_EQ(box_->Perform(CM_DIALOGCHAR, 'g', 0), 1);
    EXPECT_TRUE(first->Focused());
}

TEST_F(GroupBox, RightToLeftTheCaptionSitsAtTheRight) {
    box_->SetCaption("分组");
    box_->SetBiDiMode(bdRightToLeft);
    form_->Show();
    DispatchQueuedMessages();
    const int width = measure_.Canvas()->TextWidth("分组");
    const COLORREF text = ColorToRGB(clWindowText);
    auto inked = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < textHeight_; ++y)
                if (ShownPixel(box_->Handle(), x, y) == text) return true;
        return false;
    };
    EXPECT_TRUE(inked(314 - 8 - width, 314 - 8));
    EXPECT_FALSE(inked(8, 8 + width));
}

}  // namespace
