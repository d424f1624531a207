// Frame primitives drawn on small bitmaps, checked pixel by pixel.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/ui/graphics.h"
#include "styled/VxCommon.h"

namespace {

// A small bitmap whose pixels read back as one letter per colour of a legend
// ('.' for the background it starts with, '?' for anything else).
class Picture {
public:
    Picture(int width, int height, std::map<char, TColor> legend) : legend_(std::move(legend)) {
        bitmap_.SetSize(width, height);
        canvas()->Brush()->SetColor(kBackground);
        canvas()->FillRect(Rect(0, 0, width, height));
        legend_['.'] = kBackground;
    }
    TCanvas* canvas() { return bitmap_.Canvas(); }
    std::string rows() {
        std::string text;
        for (int y = 0; y < bitmap_.Height(); ++y) {
            for (int x = 0; x < bitmap_.Width(); ++x) text += letter(canvas()->Pixels(x, y));
            text += '\n';
        }
        return text;
    }

private:
    static constexpr TColor kBackground = 0x123456;
    char letter(TColor pixel) const {
        for (const auto& [letter, color] : legend_)
            if (ColorToRGB(color) == ColorToRGB(pixel)) return letter;
        return '?';
    }
    TBitmap bitmap_;
    std::map<char, TColor> legend_;
};

const std::map<char, TColor> kClassic = {{'S', clBtnShadow}, {'H', clBtnHighlight}, {'D', cl3DDkShadow},
                                         {'L', cl3DLight},   {'T', clBtnText}};

TEST(FrameStyles, NoneLeavesBitmapAndRectangleAlone) {
    Picture picture(3, 3, kClassic);
    EXPECT_EQ(DrawFrameStyle(picture.canvas(), Rect(0, 0, 3, 3), fsNone), Rect(0, 0, 3, 3));
    EXPECT_EQ(picture.rows(), "...\n...\n...\n");
}

TEST(FrameStyles, EachStyleDrawsItsColourPairs) {
    struct Case {
        TFrameStyleEx style;
        TSides sides;
        const char* rows;  // five by five
        TRect inside;
    };
    const Case cases[] = {
        {fsFlat, AllSides, "DDDDD\nD...D\nD...D\nD...D\nDDDDD\n", Rect(1, 1, 4, 4)},
        {fsStatus, AllSides, "SSSSH\nS...H\nS...H\nS...H\nHHHHH\n", Rect(1, 1, 4, 4)},
        {fsPopup, AllSides, "HHHHS\nH...S\nH...S\nH...S\nSSSSS\n", Rect(1, 1, 4, 4)},
        {fsFlatBold, AllSides, "SSSSS\nSSSSS\nSS.SS\nSSSSS\nSSSSS\n", Rect(2, 2, 3, 3)},
        {fsRaised, AllSides, "LLLLD\nLHHSD\nLH.SD\nLSSSD\nDDDDD\n", Rect(2, 2, 3, 3)},
        {fsLowered, AllSides, "SSSSH\nSDDLH\nSD.LH\nSLLLH\nHHHHH\n", Rect(2, 2, 3, 3)},
        {fsButtonUp, AllSides, "HHHHD\nHLLSD\nHL.SD\nHSSSD\nDDDDD\n", Rect(2, 2, 3, 3)},
        {fsButtonDown, AllSides, "TTTTT\nTSSST\nTS.ST\nTSSST\nTTTTT\n", Rect(2, 2, 3, 3)},
        {fsGroove, AllSides, "SSSSH\nSHHSH\nSH.SH\nSSSSH\nHHHHH\n", Rect(2, 2, 3, 3)},
        {fsBump, AllSides, "HHHHS\nHSSHS\nHS.HS\nHHHHS\nSSSSS\n", Rect(2, 2, 3, 3)},
        {fsRaised, TSides{sdLeft}, "LH...\nLH...\nLH...\nLH...\nLH...\n", Rect(2, 0, 5, 5)},
        // The etched styles set the corner pixels where their lines end.
        {fsGroove, TSides{sdTop, sdBottom}, "SSSSS\nHHHHH\n.....\nSSSSS\nHHHHH\n", Rect(0, 2, 5, 3)},
        {fsGroove, TSides{sdLeft, sdTop}, "SSSSS\nSHHHH\nSH...\nSH...\nSH...\n", Rect(2, 2, 5, 5)},
        {fsGroove, TSides{sdRight, sdBottom}, "...SH\n...SH\n...SH\nSSSSH\nHHHHH\n", Rect(0, 0, 3, 3)},
        {fsGroove, TSides{sdLeft, sdRight}, "SH.SH\nSH.SH\nSH.SH\nSH.SH\nSH.SH\n", Rect(2, 0, 3, 5)},
    };
    for (const Case& c : cases) {
        Picture picture(5, 5, kClassic);
        EXPECT_EQ(DrawFrameStyleSides(picture.canvas(), Rect(0, 0, 5, 5), c.style, c.sides), c.inside);
        EXPECT_EQ(picture.rows(), c.rows) << TFrameStyleEx(c.style) << " sides " << c.sides.Bits();
    }
}

TEST(EdgeSides, UnpaintedSidesStillMoveIn) {
    Picture picture(3, 3, {{'R', clRed}});
    const TRect inside = DrawEdgeSides(picture.canvas(), Rect(0, 0, 3, 3), clNone, clRed, AllSides);
    EXPECT_EQ(picture.rows(), "..R\n..R\nRRR\n");
    EXPECT_EQ(inside, Rect(1, 1, 2, 2));
    EXPECT_EQ(DrawEdgeBevel(picture.canvas(), Rect(0, 0, 3, 3), clRed, clRed, AllSides, 0), Rect(0, 0, 3, 3));
}

TEST(Outlines, RoundedOutlineCutsItsCorners) {
    Picture picture(6, 5, {{'R', clRed}});
    const TRect inside = DrawRoundedOutline(picture.canvas(), Rect(0, 0, 6, 5), clRed, AllSides);
    EXPECT_EQ(picture.rows(),
              "..RR..\n"
              ".R..R.\n"
              "R....R\n"
              ".R..R.\n"
              "..RR..\n");
    EXPECT_EQ(inside, Rect(2, 2, 4, 3));
}

TEST(Outlines, CornerTicksAndBox) {
    Picture ticks(6, 6, {{'R', clRed}});
    EXPECT_EQ(DrawCornerTicks(ticks.canvas(), Rect(0, 0, 6, 6), clRed, 2), Rect(1, 1, 5, 5));
    EXPECT_EQ(ticks.rows(),
              "RR..RR\n"
              "R....R\n"
              "......\n"
              "......\n"
              "R....R\n"
              "RR..RR\n");
    Picture box(3, 3, {{'R', clRed}});
    EXPECT_EQ(DrawBoxOutline(box.canvas(), Rect(0, 0, 3, 3), clRed), Rect(1, 1, 2, 2));
    EXPECT_EQ(box.rows(), "RRR\nR.R\nRRR\n");
}

TEST(PanelBorders, FlatRoundedRingWithParentCornersAndColourInside) {
    Picture picture(6, 6, {{'P', clBlue}, {'C', clLime}, {'F', clRed}});
    const TPanelBorders borders{.outer = fsFlatRounded, .flatColor = clRed, .color = clLime, .parentColor = clBlue};
    EXPECT_EQ(DrawPanelBorders(picture.canvas(), Rect(0, 0, 6, 6), borders), Rect(2, 2, 4, 4));
    EXPECT_EQ(picture.rows(),
              "PPFFPP\n"
              "PFCCFP\n"
              "FC..CF\n"
              "FC..CF\n"
              "PFCCFP\n"
              "PPFFPP\n");
}

TEST(PanelBorders, StackOfOuterBandAndInner) {
    Picture picture(8, 8, {{'F', ShadeBy(clRed, -60)}, {'B', clYellow}, {'S', clBtnShadow}, {'H', clBtnHighlight}});
    const TPanelBorders borders{.outer = fsFlat,
                                .inner = fsStatus,
                                .borderWidth = 1,
                                .borderColor = clYellow,
                                .flatColor = clRed,
                                .flatColorAdjustment = -60};
    EXPECT_EQ(DrawPanelBorders(picture.canvas(), Rect(0, 0, 8, 8), borders), Rect(3, 3, 5, 5));
    EXPECT_EQ(picture.rows(),
              "FFFFFFFF\n"
              "FBBBBBBF\n"
              "FBSSSHBF\n"
              "FBS..HBF\n"
              "FBS..HBF\n"
              "FBHHHHBF\n"
              "FBBBBBBF\n"
              "FFFFFFFF\n");
}

TEST(Text, StripAccelerators) {
    const std::pair<const char*, const char*> cases[] = {
        {"&a", "a"}, {"&&", "&"}, {"a&", "a&"}, {"&&&x", "&x"}, {"", ""}, {"&文件", "文件"}, {"a&&b&", "a&b&"},
    };
    for (const auto& [text, stripped] : cases) EXPECT_EQ(StripAccelerators(text), stripped) << text;
}

TEST(Geometry, RectCenteredInTruncatesTowardZero) {
    EXPECT_EQ(RectCenteredIn(Rect(0, 0, 10, 10), 3, 4), Rect(3, 3, 6, 7));
    EXPECT_EQ(RectCenteredIn(Rect(-5, -5, 0, 0), 2, 2), Rect(-3, -3, -1, -1));
}

}  // namespace
