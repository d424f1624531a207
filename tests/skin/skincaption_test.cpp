// The painters' caption routines: an icon that does not fit leaves the
// caption alone, a centred caption wider than its rectangle starts at the
// left edge, and a caption aligned other than centred spans its rectangle.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls.h"
#include "skin/WinSubClassButtons.h"
#include "skin/WinSubClassTabs.h"
#include "tests/skin/skinwindow_fixture.h"

namespace {

constexpr COLORREF kIcon = RGB(230, 20, 20), kBack = RGB(255, 255, 255);

class SkinCaptionTest : public SkinWindowTest {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        form_ = ShownForm();
        button_ = TButton::Create(form_);
        button_->SetParent(form_);
        painter_ = new TSkinButton(button_);
        painter_->AttachControl(SkinOf(form_), skin_.get(), nullptr, false);
        images_.reset(TImageList::Create(nullptr));
        images_->SetWidth(16);
        images_->SetHeight(16);
        TBitmap icon;
        icon.SetSize(16, 16);
        icon.Canvas()->Brush()->SetColor(TColor(kIcon));
        icon.Canvas()->FillRect(TRect{0, 0, 16, 16});
        images_->Add(&icon, nullptr);
        canvas_.SetSize(120, 30);
        Clear();
    }
    void Clear() {
        canvas_.Canvas()->Brush()->SetColor(TColor(kBack));
        canvas_.Canvas()->FillRect(TRect{0, 0, 120, 30});
    }
    COLORREF At(int x, int y) { return GetPixel(canvas_.Canvas()->Handle(), x, y); }
    // The columns of row band [top, bottom) holding anything but the background.
    std::pair<int, int> InkColumns(int top, int bottom) {
        int first = -1, last = -1;
        for (int x = 0; x < 120; ++x)
            for (int y = top; y < bottom; ++y)
                if (At(x, y) != kBack) {
                    if (first < 0) first = x;
                    last = x;
                }
        return {first, last};
    }

    TForm* form_ = nullptr;
    TButton* button_ = nullptr;
    TSkinButton* painter_ = nullptr;
    std::unique_ptr<TImageList> images_;
    TBitmap canvas_;
};

TEST_F(SkinCaptionTest, AnIconWiderThanItsRectangleLeavesTheCaptionAlone) {
    DrawIconCaption(painter_, canvas_.Canvas()->Handle(), TRect{0, 0, 14, 30}, images_->Handle(), 0, u"甲", 0);
    for (int x = 0; x < 14; ++x) EXPECT_NE(At(x, 15), kIcon) << x;
    EXPECT_NE(InkColumns(0, 30).first, -1) << "the caption is drawn";
    Clear();
    DrawIconCaption(painter_, canvas_.Canvas()->Handle(), TRect{0, 0, 60, 30}, images_->Handle(), 0, u"甲", 0);
    EXPECT_EQ(At(3, 15), kIcon) << "an icon that fits starts at 3";
}

TEST_F(SkinCaptionTest, ACentredCaptionWiderThanItsRectangleStartsTheIconAtOne) {
    DrawIconCaption(painter_, canvas_.Canvas()->Handle(), TRect{0, 0, 50, 30}, images_->Handle(), 0,
                    u"一段放不下的很长的标题文字", 1, DT_SINGLELINE);
    EXPECT_NE(At(0, 15), kIcon);
    EXPECT_EQ(At(1, 15), kIcon);
}

TEST_F(SkinCaptionTest, ACaptionAlignedRightSpansItsRectangle) {
    canvas_.Canvas()->Font()->SetColor(clBlack);
    DrawCaption(painter_, canvas_.Canvas(), TRect{0, 0, 120, 30}, u"乙", true, DT_RIGHT);
    const auto [first, last] = InkColumns(0, 30);
    EXPECT_GT(first, 90) << "at the rectangle's right edge, not where it was measured";
    EXPECT_LT(last, 120);
    Clear();
    DrawCaption(painter_, canvas_.Canvas(), TRect{0, 0, 120, 30}, u"乙", true, DT_CENTER);
    const auto centred = InkColumns(0, 30);
    EXPECT_GT(centred.first, 45);
    EXPECT_LT(centred.second, 75);
}

}  // namespace
