#include <gtest/gtest.h>

#include <filesystem>

#include "platform/rtl/writer.h"
#include "platform/ui/imagelist.h"
#include "platform/win/resources.h"

namespace {

// Two 4x4 images side by side: a red square on fuchsia, and a blue one.
std::unique_ptr<TBitmap> Strip() {
    auto strip = std::make_unique<TBitmap>();
    strip->SetSize(8, 4);
    TCanvas* c = strip->Canvas();
    c->Brush()->SetColor(clFuchsia);
    c->FillRect(Rect(0, 0, 8, 4));
    c->Brush()->SetColor(clRed);
    c->FillRect(Rect(1, 1, 3, 3));
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(5, 1, 7, 3));
    return strip;
}

// The strip's two images in a 4x4 list, fuchsia transparent.
void AddStrip(TImageList& list) {
    list.SetWidth(4);
    list.SetHeight(4);
    auto strip = Strip();
    list.AddMasked(strip.get(), clFuchsia);
}

std::unique_ptr<TBitmap> Background() {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(10, 10);
    b->Canvas()->Brush()->SetColor(clLime);
    b->Canvas()->FillRect(Rect(0, 0, 10, 10));
    return b;
}

TEST(ImageList, AddsMaskedImagesAndDrawsThemTransparently) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    auto strip = Strip();
    EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);
    auto dest = Background();
    list.Draw(dest->Canvas(), 2, 2, 1);
    EXPECT_EQ(dest->Canvas()->Pixels(2, 2), clLime);  // fuchsia is transparent
    EXPECT_EQ(dest->Canvas()->Pixels(4, 4), clBlue);
    list.SetBkColor(clYellow);
    list.Draw(dest->Canvas(), 2, 2, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(2, 2), clYellow);
    EXPECT_EQ(dest->Canvas()->Pixels(3, 3), clRed);
    TBitmap copy;
    list.GetBitmap(1, &copy);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clBlue);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_THROW(list.Delete(5), EInvalidOperation);
}

TEST(ImageList, DisabledImagesAreEmbossedGrey) {
    TImageList list(nullptr);
    AddStrip(list);
    auto dest = Background();
    list.Draw(dest->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clGray);   // shadow
    EXPECT_EQ(dest->Canvas()->Pixels(3, 3), clWhite);  // highlight, one pixel down and right
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
}

TEST(ImageList, ChangeLinksHearChangesUntilTheyGo) {
    TImageList list(nullptr);
    int heard = 0;
    {
        TChangeLink link;
        link.SetOnChange([&](TObject* sender) {
            EXPECT_EQ(sender, &list);
            ++heard;
        });
        link.SetSender(&list);
        list.SetWidth(8);
        list.Clear();
        EXPECT_EQ(heard, 2);
    }
    list.SetWidth(4);
    EXPECT_EQ(heard, 2);
}

TEST(ImageList, ImagesRoundTripThroughAFormDescription) {
    TImageList list(nullptr);
    list.SetName("ImageList1");
    list.SetWidth(4);
    list.SetHeight(4);
    auto strip = Strip();
    list.AddMasked(strip.get(), clFuchsia);
    std::string text = ComponentToText(&list);
    EXPECT_NE(text.find("Bitmap = {"), std::string::npos);
    std::unique_ptr<TComponent> back(ReadComponentFromString(text, nullptr));
    auto* copy = dynamic_cast<TImageList*>(back.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Count(), 2);
    auto dest = Background();
    copy->Draw(dest->Canvas(), 0, 0, 1);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clBlue);
    EXPECT_EQ(ComponentToText(copy), text);
}

}  // namespace

TEST(ImageList, DrawExTakesBackgroundBlendAndMaskStyles) {
    TImageList list(nullptr);
    AddStrip(list);
    auto dest = Background();
    const HDC dc = dest->Canvas()->Handle();
    list.DrawEx(dc, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clRed);
    list.DrawEx(dc, 0, 0, 0, ColorToRGB(clYellow), CLR_NONE, ILD_NORMAL);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clYellow);
    list.SetBkColor(clAqua);
    list.DrawEx(dc, 0, 0, 0, CLR_DEFAULT, CLR_NONE, ILD_NORMAL);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clAqua);
    // Selected: the opaque pixels halfway to the foreground, the rest untouched.
    list.DrawEx(dc, 4, 4, 0, CLR_NONE, RGB(0, 0, 255), ILD_SELECTED);
    EXPECT_EQ(dest->Canvas()->Pixels(5, 5), TColor(RGB(128, 0, 128)));
    EXPECT_EQ(dest->Canvas()->Pixels(4, 4), clLime);
    list.DrawEx(dc, 4, 4, 0, CLR_NONE, CLR_NONE, ILD_MASK);
    EXPECT_EQ(dest->Canvas()->Pixels(5, 5), clBlack);
    EXPECT_EQ(dest->Canvas()->Pixels(4, 4), clWhite);
}

TEST(ImageList, HandlesReachTheListWhileItLives) {
    HIMAGELIST handle = 0;
    {
        TImageList list(nullptr);
        AddStrip(list);
        handle = list.Handle();
        EXPECT_EQ(list.Handle(), handle);
        EXPECT_EQ(ImageListFromHandle(handle), &list);
        int cx = 0, cy = 0;
        ASSERT_TRUE(ImageList_GetIconSize(handle, &cx, &cy));
        EXPECT_EQ(cx, 4);
        EXPECT_EQ(cy, 4);
        TBitmap dest;
        dest.SetSize(8, 8);
        dest.Canvas()->Brush()->SetColor(clLime);
        dest.Canvas()->FillRect(Rect(0, 0, 8, 8));
        EXPECT_TRUE(ImageList_Draw(handle, 1, dest.Canvas()->Handle(), 2, 2, ILD_TRANSPARENT));
        EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clBlue);
        EXPECT_EQ(dest.Canvas()->Pixels(2, 2), clLime);
        EXPECT_FALSE(ImageList_Draw(handle, 2, dest.Canvas()->Handle(), 0, 0, ILD_NORMAL));
    }
    EXPECT_EQ(ImageListFromHandle(handle), nullptr);
    EXPECT_FALSE(ImageList_GetIconSize(handle, nullptr, nullptr));
}

TEST(ImageList, InsertsMovesAndOverlaysImages) {
    TImageList list(nullptr);
    AddStrip(list);  // 0 red, 1 blue
    auto strip = Strip();
    list.InsertMasked(0, strip.get(), clFuchsia);  // red, blue, red, blue
    ASSERT_EQ(list.Count(), 4);
    list.Move(0, 3);  // blue, red, blue, red
    TBitmap copy;
    list.GetBitmap(0, &copy);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clBlue);
    list.GetBitmap(3, &copy);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);
    EXPECT_THROW(list.Insert(5, strip.get(), nullptr), EInvalidOperation);
    EXPECT_THROW(list.Move(0, 4), EInvalidOperation);

    // The red image drawn over the blue one: red where it is opaque.
    EXPECT_TRUE(list.Overlay(1, 2));
    EXPECT_FALSE(list.Overlay(1, 4));
    EXPECT_FALSE(list.Overlay(9, 0));
    TImageList big(nullptr);
    big.SetWidth(4);
    big.SetHeight(4);
    auto blue = std::make_unique<TBitmap>();
    blue->SetSize(4, 4);
    blue->Canvas()->Brush()->SetColor(clBlue);
    blue->Canvas()->FillRect(Rect(0, 0, 4, 4));
    big.Add(blue.get(), nullptr);
    big.AddImages(&list);
    ASSERT_EQ(big.Count(), 5);
    EXPECT_TRUE(big.Overlay(2, 0));
    auto dest = Background();
    big.DrawOverlay(dest->Canvas(), 0, 0, 0, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clRed);

    // The strips hold every image side by side.
    TBitmap images, masks;
    images.SetHandle(CopyImage(list.GetImageBitmap(), IMAGE_BITMAP, 0, 0, 0));
    masks.SetHandle(CopyImage(list.GetMaskBitmap(), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_EQ(images.Width(), 16);
    EXPECT_EQ(images.Canvas()->Pixels(5, 1), clRed);
    EXPECT_EQ(masks.Canvas()->Pixels(4, 0), clWhite);
    EXPECT_EQ(masks.Canvas()->Pixels(5, 1), clBlack);
}

TEST(ImageList, IconsKeepTheirMasks) {
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    auto strip = Strip();
    TImageList source(nullptr);
    AddStrip(source);
    TIcon icon;
    source.GetIcon(0, &icon);
    EXPECT_EQ(icon.Width(), 4);
    EXPECT_EQ(list.AddIcon(&icon), 0);
    TIcon empty;
    EXPECT_EQ(list.AddIcon(&empty), -1);
    list.InsertIcon(0, &icon);
    source.GetIcon(1, &icon);
    list.ReplaceIcon(1, &icon);
    ASSERT_EQ(list.Count(), 2);
    auto dest = Background();
    list.Draw(dest->Canvas(), 0, 0, 1);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clBlue);
    list.Draw(dest->Canvas(), 0, 0, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), clRed);
    list.ReplaceMasked(0, strip.get(), clFuchsia);
    list.Draw(dest->Canvas(), 4, 4, 0);
    EXPECT_EQ(dest->Canvas()->Pixels(4, 4), clLime);
}

TEST(ImageList, LoadsTheProgramsResourcesAndFiles) {
    TImageList list(nullptr);
    list.SetWidth(8);
    list.SetHeight(6);
    EXPECT_TRUE(list.ResourceLoad(rtBitmap, "TestGlyph", clDefault));
    EXPECT_TRUE(list.ResInstLoad(HInstance, rtIcon, "AppIcon", clNone));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.ResourceLoad(rtBitmap, "NoSuchGlyph", clDefault));
    EXPECT_FALSE(list.ResInstLoad(HINSTANCE(0x1234), rtBitmap, "TestGlyph", clDefault));
    EXPECT_FALSE(list.ResourceLoad(rtIcon, "TestData", clNone));
    EXPECT_FALSE(list.FileLoad(rtBitmap, "/nonexistent/glyph.bmp", clDefault));
    const std::string file = (std::filesystem::temp_directory_path() / "imagelist_fileload.bmp").string();
    Strip()->SaveToFile(file);
    EXPECT_TRUE(list.FileLoad(rtBitmap, file, clFuchsia));
    std::filesystem::remove(file);
    EXPECT_EQ(list.Count(), 3);
}
