#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_fixture.h"
#include "platform/gdi/surfacedc.h"

namespace {

struct Rgn {
    HRGN h;
    explicit Rgn(HRGN region) : h(region) {}
    ~Rgn() { DeleteObject(h); }
    operator HRGN() const { return h; }
};

TEST(Regions, CombineEveryModeAndHitTest) {
    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(5, 5, 15, 15)), out(CreateRectRgn(0, 0, 0, 0));
    struct Case {
        int mode, complexity;
        POINT inside, outside;
        RECT box;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, {7, 7}, {2, 2}, {5, 5, 10, 10}},
        {RGN_OR, COMPLEXREGION, {2, 2}, {12, 2}, {0, 0, 15, 15}},
        {RGN_XOR, COMPLEXREGION, {12, 12}, {7, 7}, {0, 0, 15, 15}},
        {RGN_DIFF, COMPLEXREGION, {2, 7}, {7, 7}, {0, 0, 10, 10}},
        {RGN_COPY, SIMPLEREGION, {9, 9}, {10, 10}, {0, 0, 10, 10}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.complexity) << c.mode;
        EXPECT_TRUE(PtInRegion(out, c.inside.x, c.inside.y)) << c.mode;
        EXPECT_FALSE(PtInRegion(out, c.outside.x, c.outside.y)) << c.mode;
        RECT box;
        GetRgnBox(out, &box);
        EXPECT_EQ(box, c.box) << c.mode;
    }
    Rgn empty(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(CombineRgn(out, a, empty, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, 0x12345, RGN_AND), ERROR);
}

TEST(Regions, ShapesOffsetsAndEquality) {
    Rgn ellipse(CreateEllipticRgn(0, 0, 20, 10));
    EXPECT_TRUE(PtInRegion(ellipse, 10, 5));
    EXPECT_FALSE(PtInRegion(ellipse, 0, 0));
    POINT triangle[] = {{0, 0}, {20, 0}, {0, 20}};
    Rgn polygon(CreatePolygonRgn(triangle, 3, WINDING));
    EXPECT_TRUE(PtInRegion(polygon, 2, 2));
    EXPECT_FALSE(PtInRegion(polygon, 15, 15));
    Rgn round(CreateRoundRectRgn(0, 0, 20, 20, 8, 8));
    EXPECT_TRUE(PtInRegion(round, 10, 0));
    EXPECT_FALSE(PtInRegion(round, 0, 0));

    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(3, 4, 13, 14));
    EXPECT_FALSE(EqualRgn(a, b));
    EXPECT_EQ(OffsetRgn(a, 3, 4), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(a, b));
    RECT probe{12, 13, 20, 20}, away{13, 14, 20, 20};
    EXPECT_TRUE(RectInRegion(a, &probe));
    EXPECT_FALSE(RectInRegion(a, &away));
}

TEST(Regions, RegionDataRoundTrips) {
    Rgn a(CreateRectRgn(0, 0, 10, 10)), b(CreateRectRgn(20, 0, 30, 5)), both(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(both, a, b, RGN_OR);
    DWORD size = GetRegionData(both, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    ASSERT_EQ(GetRegionData(both, size, data), size);
    EXPECT_EQ(data->rdh.nCount, 3u);  // banded: two rectangles over one band, one below
    Rgn copy(ExtCreateRegion(nullptr, size, data));
    EXPECT_TRUE(EqualRgn(copy, both));
}

TEST(Clipping, ClipRegionsLimitDrawing) {
    MemoryDC dc(40, 40);
    IntersectClipRect(dc, 10, 10, 30, 30);
    ExcludeClipRect(dc, 15, 15, 20, 20);
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{10, 10, 30, 30}));
    RECT inside{16, 16, 19, 19}, edge{0, 0, 11, 11};
    EXPECT_FALSE(RectVisible(dc, &inside));
    EXPECT_TRUE(RectVisible(dc, &edge));
    EXPECT_TRUE(PtVisible(dc, 10, 10));
    EXPECT_FALSE(PtVisible(dc, 9, 10));
    RECT all{0, 0, 40, 40};
    FillArea(dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(GetPixel(dc, 12, 12), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 5), CLR_INVALID);  // outside the clip
    Rgn saved(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(dc, saved), 1);
    SelectClipRgn(dc, 0);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 17, 17), RGB(255, 255, 255));
    EXPECT_EQ(GetClipRgn(dc, saved), 0);

    int level = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, 5, 5);
    OffsetClipRgn(dc, 10, 0);
    EXPECT_TRUE(PtVisible(dc, 12, 2));
    EXPECT_FALSE(PtVisible(dc, 2, 2));
    RestoreDC(dc, level);
    EXPECT_TRUE(PtVisible(dc, 2, 2));
}

TEST(Mapping, OriginsExtentsAndConversion) {
    MemoryDC dc(100, 100);
    SetViewportOrgEx(dc, 10, 20, nullptr);
    POINT p{5, 5};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p, (POINT{15, 25}));
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, 50, -50, nullptr);
    SetViewportOrgEx(dc, 0, 100, nullptr);
    p = {40, 40};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p, (POINT{20, 80}));
    DPtoLP(dc, &p, 1);
    EXPECT_EQ(p, (POINT{40, 40}));
    RECT r{0, 0, 20, 20};
    FillArea(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
    SetMapMode(dc, MM_TEXT);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(GetPixel(dc, 5, 95), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 85), RGB(255, 255, 255));
}

TEST(Mapping, MirroredLayoutFlipsHorizontally) {
    MemoryDC dc(20, 4);
    SetLayout(dc, LAYOUT_RTL);
    RECT r{0, 0, 5, 4};
    FillArea(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
    SetLayout(dc, 0);
    EXPECT_EQ(GetPixel(dc, 19, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 15, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 14, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
}

TEST(SurfaceDC, DrawsAtItsOriginInsideItsVisibleRegion) {
    MemoryDC backing(50, 50);
    Rgn visible(CreateRectRgn(0, 0, 10, 10));
    SurfaceDCOptions options;
    options.origin = {20, 20};
    options.size = {20, 20};
    options.visible = visible;
    HDC dc = CreateSurfaceDC(backing.bitmap(), options);
    ASSERT_NE(dc, 0u);
    RECT all{0, 0, 50, 50};
    FillArea(dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    DeleteDC(dc);
    EXPECT_EQ(GetPixel(backing, 20, 20), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(backing, 29, 29), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(backing, 30, 30), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(backing, 19, 19), RGB(255, 255, 255));
}

}  // namespace
