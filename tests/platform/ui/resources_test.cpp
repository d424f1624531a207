#include <gtest/gtest.h>

#include "platform/rtl/formresources.h"
#include "platform/ui/graphic.h"
#include "platform/win/resources.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"

namespace {

TEST(Resources, EmbeddedBitmapsLoadByName) {
    const EmbeddedResource* r = FindEmbeddedResource("bitmap", "testglyph");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(r->data), 2), "BM");
    TBitmap glyph;
    glyph.LoadFromResourceName(HInstance, "TestGlyph");
    EXPECT_EQ(glyph.Width(), 8);
    EXPECT_EQ(glyph.Height(), 6);
    EXPECT_EQ(glyph.PixelFormat(), pf24bit);
    EXPECT_EQ(glyph.Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(glyph.Canvas()->Pixels(1, 3), clRed);
    EXPECT_EQ(glyph.Canvas()->Pixels(6, 3), clBlue);
    HBITMAP h = LoadBitmap(HInstance, "TESTGLYPH");
    EXPECT_NE(h, 0u);
    DeleteObject(h);
    EXPECT_THROW(glyph.LoadFromResourceName(HInstance, "NOSUCH"), EResNotFound);
    EXPECT_EQ(LoadBitmap(HInstance, "NOSUCH"), 0u);
}

TEST(Resources, EmbeddedIconsLoadByName) {
    HICON icon = LoadIcon(HInstance, "AppIcon");
    ASSERT_NE(icon, 0u);
    TBitmap dest;
    dest.SetSize(4, 4);
    dest.Canvas()->Brush()->SetColor(clLime);
    dest.Canvas()->FillRect(Rect(0, 0, 4, 4));
    DrawIconEx(dest.Canvas()->Handle(), 0, 0, icon, 0, 0, 0, 0, DI_NORMAL);
    EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest.Canvas()->Pixels(1, 0), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clRed);
    DestroyIcon(icon);
    EXPECT_EQ(LoadIcon(HInstance, "NOSUCH"), 0u);
}

TEST(Resources, CopyImageStretchesAnIconWithItsMask) {
    HICON icon = LoadIcon(HInstance, "AppIcon");
    ASSERT_NE(icon, 0u);
    HICON large = CopyImage(icon, IMAGE_ICON, 8, 8, LR_COPYFROMRESOURCE);
    ASSERT_NE(large, 0u);
    ASSERT_NE(large, icon);
    TBitmap dest;
    dest.SetSize(8, 8);
    dest.Canvas()->Brush()->SetColor(clLime);
    dest.Canvas()->FillRect(Rect(0, 0, 8, 8));
    DrawIconEx(dest.Canvas()->Handle(), 0, 0, large, 0, 0, 0, 0, DI_NORMAL);
    EXPECT_EQ(dest.Canvas()->Pixels(1, 1), clLime);  // the hole grew with the image
    EXPECT_EQ(dest.Canvas()->Pixels(2, 0), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(7, 7), clRed);
    DestroyIcon(large);
    EXPECT_EQ(CopyImage(icon, IMAGE_ICON, 8, 8, LR_COPYDELETEORG) != 0, true);
    EXPECT_EQ(CopyIcon(icon), 0u);  // the original went with LR_COPYDELETEORG
    EXPECT_EQ(CopyImage(0, IMAGE_ICON, 8, 8, 0), 0u);
}

}  // namespace

TEST(Resources, NumberedCursorsOfTheProgramLoad) {
    const HCURSOR cursor = LoadCursor(HInstance, std::uintptr_t(4242));
    ASSERT_NE(cursor, HCURSOR(0));
    EXPECT_EQ(LoadCursor(HInstance, std::uintptr_t(4242)), cursor) << "loaded once";
    EXPECT_EQ(LoadCursor(HInstance, "#4242"), cursor);
    EXPECT_EQ(LoadCursor(HInstance, std::uintptr_t(4243)), HCURSOR(0));
    EXPECT_NE(LoadCursor(0, IDC_ARROW), HCURSOR(0));
}
