// Colour ramps checked on small bitmaps, and the parent background.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/ui/forms.h"
#include "platform/ui/graphic.h"
#include "platform/ui/testseams.h"
#include "platform/win/winpaint.h"
#include "styled/VxGrafx.h"

namespace {

// White start, black stop: a pixel's grey level is its step's value.
class Ramp {
public:
    Ramp(TGradientDirection direction, int width, int height, TColor start = clWhite, TColor stop = clBlack) {
        bitmap_.SetSize(width + 2, height + 2);
        bitmap_.Canvas()->Brush()->SetColor(clRed);
        bitmap_.Canvas()->FillRect(Rect(0, 0, width + 2, height + 2));
        PaintColorRamp(bitmap_.Canvas(), Rect(1, 1, width + 1, height + 1), direction, start, stop, 1);
    }
    // The ramp's pixel; -1 for one that is not grey.
    int Grey(int x, int y) {
        const TColor pixel = bitmap_.Canvas()->Pixels(x + 1, y + 1);
        const int level = GetRValue(pixel);
        return pixel == TColor(RGB(level, level, level)) ? level : -1;
    }
    TColor Pixel(int x, int y) { return bitmap_.Canvas()->Pixels(x, y); }

private:
    TBitmap bitmap_;
};

TEST(ColorRamp, HorizontalEndStepsUpFromTheStopColourAtTheBottom) {
    Ramp ramp(gdHorizontalEnd, 20, 10);
    const int levels[10] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229};
    for (int k = 0; k < 10; ++k)
        for (int x : {0, 7, 8, 19}) EXPECT_EQ(ramp.Grey(x, 9 - k), levels[k]) << "row " << 9 - k << " x " << x;
    EXPECT_EQ(ramp.Pixel(0, 0), clRed);  // nothing outside the rectangle
    EXPECT_EQ(ramp.Pixel(21, 11), clRed);
}

TEST(ColorRamp, VerticalEndStepsLeftFromTheStopColourAtTheRight) {
    Ramp ramp(gdVerticalEnd, 10, 12);
    const int levels[10] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229};
    for (int k = 0; k < 10; ++k)
        for (int y : {0, 8, 11}) EXPECT_EQ(ramp.Grey(9 - k, y), levels[k]);
}

TEST(ColorRamp, CentreShapesPutTheStopColourInTheMiddle) {
    // Middle row 4 black, the start colour exactly at the far edge and one
    // step short of it at the near one.
    const int levels[9] = {204, 153, 102, 51, 0, 63, 127, 191, 255};
    Ramp rows(gdHorizontalCenter, 3, 9), columns(gdVerticalCenter, 9, 3);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(rows.Grey(1, i), levels[i]) << i;
        EXPECT_EQ(columns.Grey(i, 1), levels[i]) << i;
    }
}

TEST(ColorRamp, BoxShapesRunFromTheCentreToTheEdgesSymmetrically) {
    struct Case {
        TGradientDirection direction;
        int centre, corner, leftMiddle, topMiddle, besideCentre;  // besideCentre at (1, 4)
    };
    const Case cases[] = {
        {gdSquareBox, 0, 204, 204, 204, 153},
        {gdBigSquareBox, 0, 170, 170, 170, 85},
        {gdHorizontalBox, 0, 204, 153, 204, 51},
        {gdVerticalBox, 0, 204, 204, 153, 153},
    };
    for (const Case& c : cases) {
        Ramp ramp(c.direction, 9, 9);
        const TGradientDirection d = c.direction;
        EXPECT_EQ(ramp.Grey(4, 4), c.centre) << d;
        for (auto [x, y] : {std::pair{0, 0}, {8, 0}, {0, 8}, {8, 8}}) EXPECT_EQ(ramp.Grey(x, y), c.corner) << d;
        EXPECT_EQ(ramp.Grey(0, 4), c.leftMiddle) << d;
        EXPECT_EQ(ramp.Grey(8, 4), c.leftMiddle) << d;
        EXPECT_EQ(ramp.Grey(4, 0), c.topMiddle) << d;
        EXPECT_EQ(ramp.Grey(4, 8), c.topMiddle) << d;
        EXPECT_EQ(ramp.Grey(1, 4), c.besideCentre) << d;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) ASSERT_EQ(ramp.Grey(x, y), ramp.Grey(8 - x, 8 - y)) << d << " " << x << "," << y;
    }
}

TEST(ColorRamp, SmallBoxesAndEqualColoursArePlainFills) {
    for (TGradientDirection d : {gdSquareBox, gdBigSquareBox, gdHorizontalBox, gdVerticalBox}) {
        Ramp ramp(d, 4, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) EXPECT_EQ(ramp.Grey(x, y), 255) << d;
    }
    for (TGradientDirection d : {gdDiagonalUp, gdDiagonalDown, gdSquareBox}) {
        Ramp ramp(d, 12, 7, clLime, clLime);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 12; ++x) EXPECT_EQ(ramp.Pixel(x + 1, y + 1), clLime) << d;
    }
}

TEST(ColorRamp, DiagonalsRunFromTheirFirstCornerToTheFarOne) {
    struct Case {
        TGradientDirection direction;
        int x0, y0, x1, y1;  // first corner's pixel, far corner's pixel
        int first, last;     // their grey levels
    };
    const Case cases[] = {
        {gdDiagonalUp, 0, 29, 39, 0, 255, 0},
        {gdDiagonalDown, 39, 29, 0, 0, 0, 255},
    };
    for (const Case& c : cases) {
        Ramp ramp(c.direction, 40, 30);
        // A step is 255 / 50 levels; the corner pixels lie within three.
        EXPECT_LE(std::abs(ramp.Grey(c.x0, c.y0) - c.first), 16) << c.direction;
        EXPECT_LE(std::abs(ramp.Grey(c.x1, c.y1) - c.last), 16) << c.direction;
        EXPECT_LE(std::abs(ramp.Grey(20, 15) - 127), 16) << c.direction;
        // Along the line between the corners the level never turns back.
        int previous = ramp.Grey(c.x0, c.y0);
        for (int i = 1; i <= 10; ++i) {
            const int level = ramp.Grey(c.x0 + (c.x1 - c.x0) * i / 10, c.y0 + (c.y1 - c.y0) * i / 10);
            EXPECT_TRUE(c.first > c.last ? level <= previous : level >= previous) << c.direction << " " << i;
            previous = level;
        }
    }
}

TEST(ColorRamp, EmptyRectangleDrawsNothing) {
    Ramp flat(gdHorizontalEnd, 0, 5), thin(gdSquareBox, 5, 0);
    EXPECT_EQ(flat.Pixel(1, 1), clRed);
    EXPECT_EQ(thin.Pixel(1, 1), clRed);
}

class ParentBackground : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(TForm::Create(nullptr, 0));
        form_->SetBounds(0, 0, 200, 120);
        form_->SetColor(clYellow);
        holder_ = new TWinControl(form_.get());
        holder_->SetParent(form_.get());
        holder_->SetBounds(10, 10, 150, 80);
        child_ = new TWinControl(form_.get());
        form_->Show();
        DispatchQueuedMessages();
    }
    bool Invalid(TWinControl* control) {
        RECT rect;
        return GetUpdateRect(control->Handle(), &rect, FALSE);
    }
    void PaintChildBackground(bool invalidateParent) {
        bitmap_.SetSize(20, 20);
        PaintParentBackground(child_, bitmap_.Canvas()->Handle(), invalidateParent);
    }
    std::unique_ptr<TForm> form_;
    TWinControl* holder_;
    TWinControl* child_;
    TBitmap bitmap_;
};

TEST_F(ParentBackground, TheParentFormPaintsBehindTheChildAndStaysValid) {
    child_->SetParent(form_.get());
    child_->SetBounds(30, 40, 20, 20);
    DispatchQueuedMessages();
    PaintChildBackground(true);
    EXPECT_EQ(bitmap_.Canvas()->Pixels(5, 5), clYellow);
    EXPECT_FALSE(Invalid(form_.get()));
}

TEST_F(ParentBackground, AnotherParentIsInvalidatedOnlyWhenAsked) {
    child_->SetParent(holder_);
    child_->SetBounds(5, 5, 20, 20);
    DispatchQueuedMessages();
    PaintChildBackground(false);
    EXPECT_FALSE(Invalid(holder_));
    PaintChildBackground(true);
    EXPECT_TRUE(Invalid(holder_));
}

TEST_F(ParentBackground, AControlWithoutParentGetsNothing) {
    bitmap_.SetSize(4, 4);
    bitmap_.Canvas()->Brush()->SetColor(clRed);
    bitmap_.Canvas()->FillRect(Rect(0, 0, 4, 4));
    PaintParentBackground(child_, bitmap_.Canvas()->Handle(), true);
    EXPECT_EQ(bitmap_.Canvas()->Pixels(1, 1), clRed);
}

}  // namespace
