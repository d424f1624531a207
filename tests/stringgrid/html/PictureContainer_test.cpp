#include "stringgrid/html/PictureContainer.h"

#include <gtest/gtest.h>

#include <fstream>

#include "gif_builder.h"
#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphics.h"
#include "support/temp_dir.h"

namespace {

std::string ThreeFrames() {
    return GifBuilder(4, 4).Frame(0, 0, 4, 4, 0).Frame(1, 2, 2, 2, 1).Frame(3, 3, 1, 1, 2).Done();
}

void Load(THTMLPicture& picture, const std::string& bytes) {
    TStringStream stream(bytes);
    picture.LoadFromStream(&stream);
}

// The picture drawn at (0, 0) of a white bitmap, one pixel read back.
TColor PixelDrawn(THTMLPicture& picture, int x, int y) {
    TBitmap target;
    target.SetSize(8, 8);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 8, 8));
    target.Canvas()->Draw(0, 0, &picture);
    return target.Canvas()->Pixels(x, y);
}

TEST(HTMLPicture, ChoosesAFrameOfAnAnimatedGIF) {
    THTMLPicture picture;
    Load(picture, ThreeFrames());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.GetMaxWidth(), 4);
    EXPECT_EQ(picture.GetMaxHeight(), 4);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(PixelDrawn(picture, 0, 0), clRed);

    int changes = 0;
    picture.SetOnFrameChange([&](TObject*) { ++changes; });
    picture.SetFrame(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.FrameXPos(), 1);
    EXPECT_EQ(picture.FrameYPos(), 2);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(PixelDrawn(picture, 0, 0), clBlue);
    EXPECT_EQ(PixelDrawn(picture, 1, 1), clBlue);
    EXPECT_EQ(PixelDrawn(picture, 2, 2), clWhite) << "the frame only";

    picture.SetFrame(3);
    EXPECT_EQ(picture.FrameXPos(), 3);
    EXPECT_EQ(PixelDrawn(picture, 0, 0), clLime);
}

TEST(HTMLPicture, CountsOnlyWholeFrameMarkers) {
    THTMLPicture plain;
    Load(plain, GifBuilder(3, 2).Frame(0, 0, 3, 2, 1, false).Done());
    EXPECT_EQ(plain.FrameCount(), 0);
    EXPECT_EQ(plain.Width(), 3);
    EXPECT_EQ(PixelDrawn(plain, 2, 1), clBlue);

    // Cut right after the image descriptor's first byte: the marker's
    // descriptor is not wholly in the data, so it is no frame.
    GifBuilder cut(4, 4);
    cut.Frame(0, 0, 4, 4, 0);
    const std::string data = cut.SoFar() + std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00\x2C\x01\x00", 11);
    THTMLPicture picture;
    try {
        Load(picture, data);
    } catch (const EInvalidGraphic&) {
    }
    EXPECT_EQ(picture.FrameCount(), 1);

    THTMLPicture notGif;
    EXPECT_EQ(notGif.FrameCount(), -1);
}

TEST(HTMLPicture, BadDataRaisesFromStreamsOnly) {
    TempDir dir;
    const std::string path = dir.file("note.txt");
    std::ofstream(path) << "not a picture";
    THTMLPicture picture;
    picture.LoadFromFile(path);
    EXPECT_TRUE(picture.Empty());
    try {
        Load(picture, "not a picture");
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Could not load image. Invalid format");
    }
    THTMLPicture wmf;
    EXPECT_THROW(Load(wmf, std::string("\xD7\xCD\xC6\x9A", 4) + std::string(40, '\0')), EInvalidGraphic);
}

TEST(HTMLPicture, LoadsByAddress) {
    THTMLPicture resource;
    resource.LoadFromURL("res://TestPicture");
    EXPECT_FALSE(resource.Empty());
    EXPECT_EQ(resource.Width(), 3);
    EXPECT_EQ(resource.ID(), "res://TestPicture");

    TempDir dir;
    const std::string path = dir.file("p.gif");
    std::ofstream(path, std::ios::binary) << ThreeFrames();
    THTMLPicture file;
    file.LoadFromURL("FILE://" + path);
    EXPECT_EQ(file.FrameCount(), 3);

    THTMLPicture web;
    web.LoadFromURL("http://www.example.com/logo.gif");
    EXPECT_TRUE(web.Empty());
    EXPECT_EQ(web.ID(), "http://www.example.com/logo.gif");
    EXPECT_EQ(web.URL(), "http://www.example.com/logo.gif");
}

TEST(HTMLPicture, AssignCopiesTheDataAndStartsAtTheFirstFrame) {
    THTMLPicture source;
    Load(source, ThreeFrames());
    source.SetFrame(3);
    THTMLPicture copy;
    int changes = 0;
    copy.SetOnChange([&](TObject*) { ++changes; });
    copy.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Frame(), 1);
    EXPECT_EQ(copy.Data(), source.Data());
    EXPECT_EQ(PixelDrawn(copy, 0, 0), clRed);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(copy.Data().empty());

    TStringStream saved;
    source.SaveToStream(&saved);
    EXPECT_EQ(saved.DataString(), ThreeFrames());
}

TEST(PictureContainer, FindsPicturesByNameIgnoringCase) {
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    Load(*item->Picture(), ThreeFrames());
    EXPECT_EQ(container.FindPicture("LOGO"), item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);

    THTMLPictureCache cache;
    THTMLPicture* cached = cache.AddPicture();
    cached->SetID("RES://A");
    EXPECT_EQ(cache.FindPicture("RES://A"), cached);
    EXPECT_EQ(cache.FindPicture("res://a"), nullptr) << "the cache compares exactly";
}

}  // namespace
