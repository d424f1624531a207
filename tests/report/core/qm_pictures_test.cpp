// Picture records: the empty record, each kind read back, graphics of other
// classes stored as bitmaps, records that end where they say also when the
// graphic is broken; and turned fonts.
#include <gtest/gtest.h>

#include <memory>

#include "byte_writer.h"
#include "platform/rtl/streams.h"
#include "platform/ui/jpegimage.h"
#include "platform/ui/metafile.h"
#include "report/core/qm_pictures.h"
#include "report/core/qm_utils.h"

namespace {

std::unique_ptr<TPicture> NewPicture() { return std::unique_ptr<TPicture>(TPicture::Create()); }

std::unique_ptr<TBitmap> RedPixelBitmap(TBitmap* bitmap) {
    std::unique_ptr<TBitmap> owned(bitmap);
    owned->SetPixelFormat(pf24bit);
    owned->SetSize(3, 2);
    owned->Canvas()->SetPixels(1, 1, clRed);
    return owned;
}

TEST(QmPictures, AnEmptyPictureIsFiveBytes) {
    auto picture = NewPicture();
    TStringStream stream(AnsiString("xyz"));
    stream.SetPosition(3);
    SavePicture(&stream, picture.get());
    EXPECT_EQ(stream.DataString().substr(3), ByteWriter().Byte(0).Int(8).Bytes());
    stream.SetPosition(3);
    picture->SetGraphic(RedPixelBitmap(TBitmap::Create()).get());
    LoadPicture(&stream, picture.get());
    EXPECT_EQ(picture->Graphic(), nullptr);
    EXPECT_EQ(stream.Position(), 8);
}

TEST(QmPictures, BitmapsIconsAndJpegsReadBack) {
    auto bitmap = RedPixelBitmap(TBitmap::Create());
    auto jpeg = std::unique_ptr<TJPEGImage>(TJPEGImage::Create());
    jpeg->Assign(bitmap.get());
    struct Case {
        TGraphic* graphic;
        Byte kind;
        TClass cls;
    } cases[] = {{bitmap.get(), 1, TBitmap::StaticClass()}, {jpeg.get(), 4, TJPEGImage::StaticClass()}};
    for (const Case& c : cases) {
        auto picture = NewPicture();
        picture->SetGraphic(c.graphic);
        TMemoryStream stream;
        SavePicture(&stream, picture.get());
        WriteByte(&stream, 0xEE);  // what follows the record
        stream.SetPosition(0);
        EXPECT_EQ(ReadByte(&stream), c.kind);
        EXPECT_EQ(ReadInteger(&stream), stream.Size() - 1);
        stream.SetPosition(0);
        auto loaded = NewPicture();
        LoadPicture(&stream, loaded.get());
        ASSERT_NE(loaded->Graphic(), nullptr);
        EXPECT_EQ(loaded->Graphic()->ClassType(), c.cls);
        EXPECT_EQ(loaded->Width(), 3);
        EXPECT_EQ(ReadByte(&stream), 0xEE);
    }
}

TEST(QmPictures, OtherGraphicClassesAreStoredAsTheBitmapTheyDraw) {
    auto png = RedPixelBitmap(TPngImage::Create());
    auto picture = NewPicture();
    picture->SetGraphic(png.get());
    TMemoryStream stream;
    SavePicture(&stream, picture.get());
    stream.SetPosition(0);
    auto loaded = NewPicture();
    LoadPicture(&stream, loaded.get());
    auto* bitmap = dynamic_cast<TBitmap*>(loaded->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->ClassType(), TBitmap::StaticClass());
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), clRed);
}

TEST(QmPictures, BrokenRecordsEndWhereTheySayOrAreRefused) {
    TStringStream broken(ByteWriter().Byte(1).Int(9).Raw("nope").Byte(0xEE).Bytes());
    auto picture = NewPicture();
    EXPECT_THROW(LoadPicture(&broken, picture.get()), Exception);
    EXPECT_EQ(broken.Position(), 9);
    TStringStream metafile(ByteWriter().Byte(2).Int(7).Raw("mf").Bytes());
    EXPECT_THROW(LoadPicture(&metafile, picture.get()), EInvalidGraphic) << "no metafile header";
    EXPECT_EQ(metafile.Position(), 7);
    for (Integer end : {3, 100}) {
        TStringStream outside(ByteWriter().Byte(1).Int(end).Raw("data").Bytes());
        EXPECT_THROW(LoadPicture(&outside, picture.get()), EReadError) << end;
    }
}

// A metafile record keeps its bytes: it reads as a metafile of the header's
// size and is written back as it was.
TEST(QmPictures, MetafileRecordsRoundTrip) {
    const std::string placeable = PlaceableMetafileOf(std::string(18, '\x03'), 2540, 1270);
    const std::string record = ByteWriter().Byte(2).Int(5 + static_cast<int>(placeable.size())).Raw(placeable).Bytes();
    TStringStream in(record);
    auto picture = NewPicture();
    LoadPicture(&in, picture.get());
    auto* metafile = dynamic_cast<TMetafile*>(picture->Graphic());
    ASSERT_NE(metafile, nullptr);
    EXPECT_EQ(metafile->Width(), 96);
    EXPECT_EQ(metafile->Height(), 48);
    TMemoryStream out;
    SavePicture(&out, picture.get());
    std::string written(static_cast<std::size_t>(out.Size()), '\0');
    out.SetPosition(0);
    out.ReadBuffer(written.data(), static_cast<Integer>(written.size()));
    EXPECT_EQ(written, record);
}

TEST(QmPictures, TurnedFontsKeepTheFace) {
    auto font = std::unique_ptr<TFont>(TFont::Create());
    font->SetName("黑体");
    font->SetHeight(-20);
    HFONT turned = CreateAngleFont(font.get(), 90, 6);
    LOGFONTA logFont{};
    ASSERT_GT(GetObject(turned, sizeof logFont, &logFont), 0);
    EXPECT_EQ(logFont.lfEscapement, 900);
    EXPECT_EQ(logFont.lfOrientation, 900);
    EXPECT_EQ(logFont.lfWidth, 6);
    EXPECT_EQ(logFont.lfHeight, -20);
    EXPECT_STREQ(logFont.lfFaceName, "黑体");
    DeleteObject(turned);
}

}  // namespace
