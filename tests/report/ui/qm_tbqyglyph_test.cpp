// Toolbar button glyphs: cells counted from the strip, pictures per state
// in shared per-size lists, the embossed disabled picture, and the layout
// of glyph and caption.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/graphicsplatform.h"
#include "platform/rtl/typinfo.h"
#include "platform/ui/graphics.h"
#include "report/ui/qm_tbqyctls.h"

namespace {

constexpr TColor SeeThrough = clFuchsia;

// A strip of `cells` square cells of `size` pixels: a black square inside
// each cell on the see-through colour (its bottom-left pixel).
std::unique_ptr<TBitmap> Strip(int width, int height) {
    auto strip = std::make_unique<TBitmap>();
    strip->SetSize(width, height);
    strip->Canvas()->Brush()->SetColor(SeeThrough);
    strip->Canvas()->FillRect(TRect{0, 0, width, height});
    strip->Canvas()->Brush()->SetColor(clBlack);
    for (int x = 0; x + height <= width; x += height) strip->Canvas()->FillRect(TRect{x + 4, 4, x + 10, 10});
    return strip;
}

// The picture of a state drawn over white.
std::unique_ptr<TBitmap> Drawn(Qm_TBQyCtls::TButtonGlyph& glyph, TToolbarButtonState state, int size) {
    auto canvas = std::make_unique<TBitmap>();
    canvas->SetSize(size, size);
    canvas->Canvas()->Brush()->SetColor(clWhite);
    canvas->Canvas()->FillRect(TRect{0, 0, size, size});
    glyph.Draw(canvas->Canvas(), TPoint{0, 0}, state);
    return canvas;
}

}  // namespace

TEST(ButtonGlyphs, TheStripsWidthCountsItsCells) {
    struct Case {
        int width, height, cells;
    };
    for (const Case c : {Case{64, 16, 4}, Case{70, 16, 1}, Case{16, 16, 1}, Case{80, 16, 5}, Case{96, 16, 1}}) {
        Qm_TBQyCtls::TButtonGlyph glyph;
        glyph.SetGlyph(Strip(c.width, c.height).get());
        EXPECT_EQ(glyph.NumGlyphs(), c.cells) << c.width << " x " << c.height;
        EXPECT_EQ(glyph.Size().x, c.width / c.cells);
    }
}

TEST(ButtonGlyphs, ADisabledGlyphIsEmbossedOnePixelLarger) {
    Qm_TBQyCtls::TButtonGlyph glyph;
    glyph.SetGlyph(Strip(16, 16).get());
    TGlyphList* list = nullptr;
    int slot = -1;
    ASSERT_TRUE(glyph.Built(tbsUp, list, slot));
    EXPECT_EQ(list->Width(), 16);
    TGlyphList* disabled = nullptr;
    ASSERT_TRUE(glyph.Built(tbsDisabled, disabled, slot));
    EXPECT_EQ(disabled->Width(), 17);
    EXPECT_EQ(disabled->Height(), 17);

    const auto up = Drawn(glyph, tbsUp, 17);
    EXPECT_EQ(up->Canvas()->Pixels(5, 5), clBlack);
    EXPECT_EQ(up->Canvas()->Pixels(0, 15), clWhite) << "the see-through colour lets the background show";
    const auto grey = Drawn(glyph, tbsDisabled, 17);
    EXPECT_EQ(ColorToRGB(grey->Canvas()->Pixels(5, 5)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(grey->Canvas()->Pixels(10, 10)), ColorToRGB(clBtnHighlight)) << "the light copy one lower right";
    EXPECT_EQ(grey->Canvas()->Pixels(2, 2), clWhite);
}

TEST(ButtonGlyphs, StatesWithoutACellShowTheUpCellAndMoreCellsShowTheirOwn) {
    Qm_TBQyCtls::TButtonGlyph single;
    single.SetGlyph(Strip(16, 16).get());
    TGlyphList *a = nullptr, *b = nullptr;
    int up = -1, hot = -1;
    ASSERT_TRUE(single.Built(tbsUp, a, up));
    ASSERT_TRUE(single.Built(tbsMouseIn, b, hot));
    EXPECT_EQ(std::pair(a, up), std::pair(b, hot));

    auto five = Strip(80, 16);
    five->Canvas()->Brush()->SetColor(clRed);
    five->Canvas()->FillRect(TRect{64 + 4, 4, 64 + 10, 10});
    Qm_TBQyCtls::TButtonGlyph cells;
    cells.SetGlyph(five.get());
    EXPECT_EQ(Drawn(cells, tbsMouseIn, 16)->Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(Drawn(cells, tbsUp, 16)->Canvas()->Pixels(5, 5), clBlack);
}

TEST(ButtonGlyphs, ButtonsOfOneGlyphSizeShareAListFreedWithTheLastOfThem) {
    const int before = GlyphCache() ? GlyphCache()->Count() : 0;
    auto first = std::make_unique<TToolbarButtonQy>(nullptr);
    auto second = std::make_unique<TToolbarButtonQy>(nullptr);
    const auto strip = Strip(24, 24);
    first->SetGlyph(strip.get());
    second->SetGlyph(strip.get());
    TGlyphList *one = nullptr, *two = nullptr;
    int slotOne = -1, slotTwo = -1;
    ASSERT_TRUE(first->ButtonGlyph().Built(tbsUp, one, slotOne));
    ASSERT_TRUE(second->ButtonGlyph().Built(tbsUp, two, slotTwo));
    EXPECT_EQ(one, two);
    EXPECT_NE(slotOne, slotTwo);
    EXPECT_EQ(GlyphCache()->Count(), before + 1);
    first.reset();
    ASSERT_TRUE(GlyphCache());
    EXPECT_EQ(GlyphCache()->Count(), before + 1) << "the second button still uses the list";
    second.reset();
    if (before == 0)
        EXPECT_EQ(GlyphCache(), nullptr) << "the cache goes with its last list";
    else
        EXPECT_EQ(GlyphCache()->Count(), before);
}

TEST(ButtonGlyphs, AnImageListGlyphTakesTheListsSizeAndIndex) {
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    images.AddMasked(Strip(32, 16).get(), SeeThrough);
    Qm_TBQyCtls::TButtonGlyph glyph;
    glyph.SetImages(&images);
    TGlyphList* list = nullptr;
    int slot = -1;
    EXPECT_FALSE(glyph.Built(tbsUp, list, slot)) << "no image index yet";
    glyph.SetImageIndex(1);
    EXPECT_EQ(glyph.Size(), (TPoint{16, 16}));
    EXPECT_EQ(Drawn(glyph, tbsUp, 16)->Canvas()->Pixels(5, 5), clBlack);
    EXPECT_EQ(ColorToRGB(Drawn(glyph, tbsDisabled, 17)->Canvas()->Pixels(5, 5)), ColorToRGB(clBtnShadow));
    glyph.SetImageIndex(2);
    EXPECT_FALSE(glyph.Built(tbsUp, list, slot)) << "past the list's end";
}

TEST(GlyphLayout, MarginAndSpacingMinusOneShareTheFreeSpaceInThree) {
    int argc = 0;
    StartGraphicsPlatform(argc, nullptr);  // the caption is measured
    TBitmap surface;
    surface.SetSize(10, 10);
    TCanvas* canvas = surface.Canvas();
    TGlyphLayoutInput in;
    in.Client = TRect{2, 1, 102, 23};
    in.GlyphSize = TPoint{16, 16};
    in.Caption = "AB";
    in.Margin = -1;
    in.Spacing = -1;
    const int textWidth = canvas->TextWidth("AB");
    const int textHeight = canvas->TextHeight("AB");
    const int third = (100 - 16 - textWidth) / 3;
    const TGlyphLayout at = ComputeLayout(canvas, in);
    EXPECT_EQ(at.GlyphPos, (TPoint{2 + third, 1 + (22 - 16 + 1) / 2}));
    EXPECT_EQ(at.TextBounds.left, 2 + third + 16 + third);
    EXPECT_EQ(at.TextBounds.right - at.TextBounds.left, textWidth);
    EXPECT_EQ(at.TextBounds.top, 1 + (22 - textHeight + 1) / 2);

    in.Layout = blGlyphTop;
    in.Offset = TPoint{1, 1};
    const TGlyphLayout top = ComputeLayout(canvas, in);
    const int thirdDown = (22 - 16 - textHeight) / 3;
    EXPECT_EQ(top.GlyphPos, (TPoint{2 + (100 - 16 + 1) / 2 + 1, 1 + thirdDown + 1}));
    EXPECT_EQ(top.TextBounds.top, 1 + thirdDown + 16 + thirdDown + 1);

    in.GlyphSize = TPoint{0, 0};
    in.Margin = 4;
    const TGlyphLayout textOnly = ComputeLayout(canvas, in);
    EXPECT_EQ(textOnly.TextBounds.left, 2 + 4 + 1) << "without a glyph the layout runs left to right";
}


TEST(ButtonGlyphs, TheButtonsGlyphPropertiesArePublished) {
    TToolbarButtonQy button(nullptr);
    for (const char* name : {"Images", "ImageIndex", "NumGlyphs", "Glyph", "Layout", "Margin", "Spacing", "GroupIndex",
                             "Down", "AllowAllUp", "DropdownMenu", "OnMouseEnter"})
        EXPECT_TRUE(GetPropInfo(&button, name)) << name;
    SetOrdProp(&button, "ImageIndex", 3);
    EXPECT_EQ(button.ImageIndex(), 3);
    SetOrdProp(&button, "Margin", -5);
    EXPECT_EQ(GetOrdProp(&button, "Margin"), -1) << "below -1 is ignored";
}
