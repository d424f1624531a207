#include <gtest/gtest.h>

#include "platform/win/userdraw.h"
#include "tests/platform/gdi/gdi_fixture.h"

namespace {

constexpr COLORREF light = RGB(212, 208, 200), face = RGB(212, 208, 200), white = RGB(255, 255, 255),
                   shadow = RGB(128, 128, 128), dark = RGB(64, 64, 64), black = RGB(0, 0, 0);

struct Pixel {
    int x, y;
    COLORREF color;
};

void ExpectPixels(HDC dc, std::initializer_list<Pixel> pixels, const char* what) {
    for (const Pixel& p : pixels) EXPECT_EQ(GetPixel(dc, p.x, p.y), p.color) << what << " at " << p.x << "," << p.y;
}

TEST(Edges, ClassicThreeDimensionalEdges) {
    MemoryDC dc(12, 12, RGB(1, 2, 3));
    RECT r{0, 0, 10, 10};
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    ExpectPixels(dc, {{0, 0, light}, {1, 1, white}, {9, 9, dark}, {8, 8, shadow}, {9, 0, dark}, {0, 9, dark},
                      {8, 1, shadow}, {5, 5, face}, {10, 10, RGB(1, 2, 3)}},
                 "raised");
    DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    ExpectPixels(dc, {{0, 0, shadow}, {1, 1, dark}, {9, 9, white}, {8, 8, light}, {9, 0, white}}, "sunken");
    DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
    ExpectPixels(dc, {{0, 0, shadow}, {1, 1, white}, {9, 9, white}, {8, 8, shadow}}, "etched");
    RECT adjusted = r;
    DrawEdge(dc, &adjusted, BDR_SUNKENOUTER, BF_TOPLEFT | BF_ADJUST);
    EXPECT_EQ(adjusted, (RECT{1, 1, 10, 10}));
}

TEST(Edges, FrameControls) {
    MemoryDC dc(60, 20, RGB(1, 2, 3));
    RECT box{0, 0, 13, 13};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    ExpectPixels(dc, {{0, 0, shadow}, {12, 12, white}, {1, 1, dark}, {11, 11, light}, {2, 2, white}, {5, 8, black},
                      {9, 4, black}, {3, 9, white}},
                 "checked box");
    RECT flat{20, 0, 33, 13};
    DrawFrameControl(dc, &flat, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
    ExpectPixels(dc, {{20, 0, shadow}, {32, 12, shadow}, {21, 1, white}}, "flat box");
    RECT button{40, 0, 56, 16};
    DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLDOWN);
    ExpectPixels(dc, {{40, 0, light}, {55, 15, dark}, {41, 1, white}, {54, 14, shadow}, {48, 8, black}}, "scroll down");
    EXPECT_EQ(GetPixel(dc, 48, 3), face);
    RECT push{0, 0, 16, 16};
    DrawFrameControl(dc, &push, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    ExpectPixels(dc, {{0, 0, black}, {15, 15, black}, {1, 1, shadow}, {14, 14, shadow}, {7, 7, face}}, "pushed button");
}

TEST(Edges, FocusRectangleInvertsAndRestores) {
    MemoryDC dc(10, 10);
    RECT r{0, 0, 10, 10};
    DrawFocusRect(dc, &r);
    EXPECT_EQ(GetPixel(dc, 0, 0), black);
    EXPECT_EQ(GetPixel(dc, 1, 0), white);
    EXPECT_EQ(GetPixel(dc, 2, 0), black);
    EXPECT_EQ(GetPixel(dc, 5, 5), white);
    DrawFocusRect(dc, &r);
    EXPECT_EQ(GetPixel(dc, 0, 0), white);
}

// A hollow brush leaves the pixels as they were, as a control asking its
// parent for a background to show through is given.
TEST(Fills, AHollowBrushFillsNothing) {
    MemoryDC dc(8, 8, RGB(1, 2, 3));
    RECT r{0, 0, 8, 8};
    FillRect(dc, &r, HBRUSH(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetPixel(dc, 4, 4), RGB(1, 2, 3));
}

}  // namespace
