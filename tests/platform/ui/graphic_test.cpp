#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/component.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/writer.h"
#include "platform/ui/graphic.h"
#include "platform/ui/jpegimage.h"
#include "platform/ui/metafile.h"
#include "platform/win/clipboard.h"
#include "platform/gdi/bmpfile.h"
#include "platform/ui/themes.h"
#include "support/jpeg_header.h"
#include "support/temp_dir.h"

namespace {

TEST(Colors, SystemColoursAndHelpers) {
    EXPECT_FALSE(ThemeServices()->ThemesEnabled());
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(GetRValue(ColorToRGB(clNavy)), 0);
    EXPECT_EQ(GetBValue(ColorToRGB(clNavy)), 128);
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(StringToColor("clYellow"), clYellow);
    EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
}

TEST(Canvas, FontsWithEqualAttributesShareAHandle) {
    TFont a, b;
    a.SetName("宋体");
    b.SetName("宋体");
    a.SetSize(9);
    b.SetHeight(-12);
    EXPECT_EQ(a.Height(), -12);
    EXPECT_EQ(a.Handle(), b.Handle());
    b.SetStyle({fsBold});
    EXPECT_NE(a.Handle(), b.Handle());
    int changes = 0;
    a.SetOnChange([&](TObject*) { ++changes; });
    a.SetColor(clRed);
    a.Assign(&b);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(a.Handle(), b.Handle());
}

TEST(Font, AssigningAcrossResolutionsKeepsThePointSize) {
    TFont screen, printer;
    screen.SetSize(20);
    printer.SetPixelsPerInch(300);
    printer.Assign(&screen);
    EXPECT_EQ(printer.Size(), 20);
    EXPECT_EQ(printer.Height(), -83);
    TFont other;
    other.Assign(&screen);
    EXPECT_EQ(other.Height(), screen.Height());
}

TEST(Canvas, AskingForTheHandleAnnouncesAChange) {
    std::unique_ptr<TBitmap> bitmap(TBitmap::Create());
    bitmap->SetSize(4, 4);
    int changing = 0;
    bitmap->Canvas()->SetOnChanging([&](TObject*) { ++changing; });
    EXPECT_NE(bitmap->Canvas()->Handle(), HDC(0));
    EXPECT_EQ(changing, 1);
}

TEST(Canvas, DrawsOnABitmapWithItsPenBrushAndFont) {
    TBitmap bitmap;
    bitmap.SetSize(60, 40);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(Rect(0, 0, 60, 40));
    canvas->Pen()->SetColor(clRed);
    canvas->MoveTo(0, 5);
    canvas->LineTo(10, 5);
    EXPECT_EQ(canvas->Pixels(3, 5), clRed);
    EXPECT_EQ(canvas->PenPos(), (TPoint{10, 5}));
    canvas->Pen()->SetMode(pmXor);
    canvas->Pen()->SetColor(clWhite);
    canvas->MoveTo(0, 5);
    canvas->LineTo(10, 5);
    EXPECT_EQ(canvas->Pixels(3, 5), TColor(0xFFFF00));  // red xor white
    canvas->Font()->SetName("宋体");
    canvas->Font()->SetHeight(-12);
    EXPECT_EQ(canvas->TextWidth("确实ab"), 36);
    EXPECT_EQ(canvas->TextHeight("a"), 12);
    canvas->Brush()->SetColor(clYellow);
    canvas->TextRect(Rect(20, 20, 30, 32), 20, 20, "abcdef");
    EXPECT_EQ(canvas->Pixels(29, 31), clYellow);
    EXPECT_EQ(canvas->Pixels(30, 20), clWhite);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clBlue);
    canvas->TextOut(40, 20, "W");
    EXPECT_EQ(canvas->Pixels(40, 20), clWhite);  // transparent background
    EXPECT_EQ(canvas->ClipRect(), Rect(0, 0, 60, 40));
}

// Code that draws on Handle() with the platform's own calls (a label's
// DrawText) finds the canvas's font, pen and brush selected; a changed font
// is selected again without undoing a background mode set on the DC.
TEST(Canvas, HandleHasTheCanvasObjectsSelected) {
    TBitmap bitmap;
    bitmap.SetSize(20, 20);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetHeight(-30);
    canvas->Font()->SetColor(clYellow);
    const HDC dc = canvas->Handle();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), canvas->Font()->Handle());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), canvas->Pen()->Handle());
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), canvas->Brush()->Handle());
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 0));
    SetBkMode(dc, TRANSPARENT);
    canvas->Font()->SetColor(clRed);
    canvas->Font()->SetHeight(-12);
    EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), canvas->Font()->Handle());
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
}

TEST(Canvas, Frame3DDrawsRingsAndShrinks) {
    TBitmap bitmap;
    bitmap.SetSize(10, 10);
    TRect r = Rect(0, 0, 10, 10);
    Frame3D(bitmap.Canvas(), r, clWhite, clGray, 2);
    EXPECT_EQ(r, Rect(2, 2, 8, 8));
    TCanvas* c = bitmap.Canvas();
    EXPECT_EQ(c->Pixels(0, 0), clWhite);
    EXPECT_EQ(c->Pixels(0, 9), clGray);  // the bottom-left corner takes the bottom colour
    EXPECT_EQ(c->Pixels(9, 0), clGray);
    EXPECT_EQ(c->Pixels(9, 9), clGray);
    EXPECT_EQ(c->Pixels(1, 1), clWhite);
    EXPECT_EQ(c->Pixels(8, 8), clGray);
    EXPECT_EQ(c->Pixels(2, 2), clBlack);
}

TEST(Canvas, CopyRectAndDrawTransparent) {
    TBitmap source;
    source.SetSize(4, 4);
    source.Canvas()->Brush()->SetColor(clLime);
    source.Canvas()->FillRect(Rect(0, 0, 4, 4));
    source.Canvas()->SetPixels(1, 1, clRed);
    TBitmap dest;
    dest.SetSize(10, 10);
    dest.Canvas()->Brush()->SetColor(clBlue);
    dest.Canvas()->FillRect(Rect(0, 0, 10, 10));
    dest.Canvas()->CopyRect(Rect(0, 0, 8, 8), source.Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(dest.Canvas()->Pixels(2, 2), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(7, 7), clLime);
    // Transparent: the bottom-left colour (lime) is left out.
    source.SetTransparent(true);
    EXPECT_EQ(source.TransparentColor() & 0xFFFFFF, clLime);
    dest.Canvas()->FillRect(Rect(0, 0, 10, 10));
    dest.Canvas()->Draw(5, 5, &source);
    EXPECT_EQ(dest.Canvas()->Pixels(6, 6), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(5, 5), clBlue);
    BITMAP mask;
    ASSERT_TRUE(GetObject(source.MaskHandle(), sizeof mask, &mask));
    EXPECT_EQ(mask.bmBitsPixel, 1);
}

struct DepthCase {
    TPixelFormat format;
    int bits;
};

TEST(Bitmap, BmpOfEveryDepthRoundTrips) {
    const TColor colors[] = {clBlack, clWhite, clRed, clBlue, clYellow, clGray};
    for (DepthCase c : {DepthCase{pf1bit, 1}, DepthCase{pf4bit, 4}, DepthCase{pf8bit, 8}, DepthCase{pf24bit, 24},
                        DepthCase{pf32bit, 32}}) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(c.format);
        bitmap.SetSize(7, 3);
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 3; ++y) bitmap.Canvas()->SetPixels(x, y, colors[(x + y) % (c.bits == 1 ? 2 : 6)]);
        TMemoryStream stream;
        bitmap.SaveToStream(&stream);
        std::string bytes(size_t(stream.Size()), '\0');
        stream.SetPosition(0);
        stream.ReadBuffer(bytes.data(), Integer(bytes.size()));
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(std::uint8_t(bytes[28]), c.bits) << "depth in the header";
        stream.SetPosition(0);
        TBitmap loaded;
        loaded.LoadFromStream(&stream);
        EXPECT_EQ(loaded.PixelFormat(), c.format);
        EXPECT_EQ(loaded.Width(), 7);
        EXPECT_EQ(loaded.Height(), 3);
        for (int x = 0; x < 7; ++x)
            for (int y = 0; y < 3; ++y)
                ASSERT_EQ(loaded.Canvas()->Pixels(x, y), colors[(x + y) % (c.bits == 1 ? 2 : 6)])
                    << c.bits << " bits at " << x << "," << y;
        TMemoryStream again;
        loaded.SaveToStream(&again);
        EXPECT_EQ(again.Size(), stream.Size());
    }
}

TEST(Bitmap, BmpKeepsTheResolutionItWasReadWith) {
    TBitmap made;
    made.SetPixelFormat(pf24bit);
    made.SetSize(2, 2);
    TMemoryStream stream;
    made.SaveToStream(&stream);
    std::string bytes(size_t(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(bytes.data(), Integer(bytes.size()));
    auto perMetre = [](const std::string& b, size_t at) {
        return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
    };
    EXPECT_EQ(perMetre(bytes, 38), 3780u) << "96 dpi for a bitmap made here";
    bytes[38] = char(2835 & 0xFF), bytes[39] = char(2835 >> 8);  // 72 dpi across
    TStringStream file(bytes);
    TBitmap loaded;
    loaded.LoadFromStream(&file);
    TStringStream saved;
    loaded.SaveToStream(&saved);
    EXPECT_EQ(perMetre(saved.DataString(), 38), 2835u);
    EXPECT_EQ(perMetre(saved.DataString(), 42), 3780u);
}

// Code holding only an object and a stream reaches a graphic's loading
// through the stream-persistence interface.
TEST(Bitmap, LoadsThroughTheStreamPersistenceInterface) {
    TBitmap made;
    made.SetSize(5, 4);
    TMemoryStream stream;
    made.SaveToStream(&stream);
    stream.SetPosition(0);
    TBitmap loaded;
    TObject* target = &loaded;
    auto* persist = dynamic_cast<IStreamPersist*>(target);
    ASSERT_NE(persist, nullptr);
    persist->LoadFromStream(&stream);
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_EQ(loaded.Height(), 4);
}

TEST(Bitmap, ScanLinesAreTopDownRowsOfTheDib) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(3, 2);
    auto* row = static_cast<std::uint8_t*>(bitmap.ScanLine(1));
    row[0] = 0xFF;  // blue of the bottom-left pixel
    EXPECT_EQ(bitmap.Canvas()->Pixels(0, 1), clBlue);
    bitmap.Canvas()->SetPixels(2, 0, clRed);
    auto* top = static_cast<std::uint8_t*>(bitmap.ScanLine(0));
    EXPECT_EQ(top[8], 0xFF);
    EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);
    bitmap.SetMonochrome(true);
    EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
}

TEST(Jpeg, EncodedAndDecodedKeepsSizeAndNearColours) {
    TBitmap bitmap;
    bitmap.SetSize(48, 32);
    const TColor blocks[] = {clRed, clLime, clBlue, clYellow, TColor(0x336699), clWhite};
    for (int i = 0; i < 6; ++i) {
        bitmap.Canvas()->Brush()->SetColor(blocks[i]);
        bitmap.Canvas()->FillRect(Rect((i % 3) * 16, (i / 3) * 16, (i % 3) * 16 + 16, (i / 3) * 16 + 16));
    }
    TJPEGImage jpeg;
    jpeg.SetCompressionQuality(90);
    jpeg.Assign(&bitmap);
    TMemoryStream stream;
    jpeg.SaveToStream(&stream);
    EXPECT_GT(stream.Size(), 100);
    stream.SetPosition(0);
    TJPEGImage loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.Width(), 48);
    EXPECT_EQ(loaded.Height(), 32);
    TBitmap decoded;
    decoded.Assign(&loaded);
    for (int i = 0; i < 6; ++i) {
        COLORREF got = ColorToRGB(decoded.Canvas()->Pixels((i % 3) * 16 + 8, (i / 3) * 16 + 8));
        COLORREF want = ColorToRGB(blocks[i]);
        EXPECT_NEAR(GetRValue(got), GetRValue(want), 12) << i;
        EXPECT_NEAR(GetGValue(got), GetGValue(want), 12) << i;
        EXPECT_NEAR(GetBValue(got), GetBValue(want), 12) << i;
    }
    TJPEGImage low;
    low.Assign(&bitmap);
    low.SetCompressionQuality(10);
    TMemoryStream small;
    low.SaveToStream(&small);
    EXPECT_LT(small.Size(), stream.Size());
    TMemoryStream junk;
    junk.WriteBuffer("not a jpeg", 10);
    junk.SetPosition(0);
    EXPECT_THROW(loaded.LoadFromStream(&junk), EJPEG);
}

// A small grey JPEG, as the encoder writes it.
std::string SmallJpeg() {
    TBitmap bitmap;
    bitmap.SetSize(8, 8);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TStringStream bytes;
    jpeg.SaveToStream(&bytes);
    return bytes.DataString();
}

TEST(Jpeg, APictureClaimingAHugeSizeIsRefusedBeforeAnythingIsAllocated) {
    // A small file claiming 43690 x 32769 once wrapped the buffer size;
    // 20000 x 20000 would have taken gigabytes.
    for (const auto& [width, height] : {std::pair{43690, 32769}, {20000, 20000}, {60000, 1200}}) {
        TStringStream stream(WithClaimedJpegSize(SmallJpeg(), width, height));
        TJPEGImage jpeg;
        EXPECT_THROW(jpeg.LoadFromStream(&stream), EOutOfResources) << width << "x" << height;
        EXPECT_TRUE(jpeg.Empty());
    }
    TStringStream same(WithClaimedJpegSize(SmallJpeg(), 8, 8));
    TJPEGImage jpeg;
    jpeg.LoadFromStream(&same);
    EXPECT_EQ(jpeg.Width(), 8);
}

TEST(Bitmap, SizesPastTheLimitFailAsOutOfResources) {
    TBitmap bitmap;
    bitmap.SetSize(10, 20);
    for (const auto& [width, height] : {std::pair{70000, 1}, {1, 70000}, {10000, 10000}}) {
        EXPECT_THROW(bitmap.SetSize(width, height), EOutOfResources) << width << "x" << height;
        EXPECT_EQ(bitmap.Width(), 10);
        EXPECT_EQ(bitmap.Height(), 20);
    }
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 43690;
    info.bmiHeader.biHeight = -32769;
    info.bmiHeader.biBitCount = 24;
    void* bits = &info;
    SetLastError(0);
    EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0), HBITMAP(0));
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(CreateBitmap(1 << 16, 1 << 16, 1, 32, nullptr), HBITMAP(0));
    EXPECT_EQ(DibRowBytes(0x7FFFFFFF, 32), std::int64_t(0x7FFFFFFF) * 4) << "no 32-bit wrap";
}

TEST(Bitmap, BmpAndIconHeadersThatWouldReadPastTheFileAreRefused) {
    // A header size of 0xFFFFFFFF once passed a bounds check wrapped in 32 bits.
    const char raw[] = "BM" "\0\0\0\0\0\0\0\0\0\0\0\0" "\xFF\xFF\xFF\xFF" "\x01\0\0\0" "\x01\0\0\0";
    const std::string bmp(raw, sizeof raw - 1);
    ASSERT_EQ(bmp.size(), 26u);
    EXPECT_EQ(ReadBmp(bmp.data(), bmp.size()), HBITMAP(0));
    // An icon whose width makes its row size wrap.
    std::string image(40, '\0');
    const unsigned char header[] = {40, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0x7F, 4, 0, 0, 0, 1, 0, 32, 0};
    image.replace(0, sizeof header, reinterpret_cast<const char*>(header), sizeof header);
    image += std::string(64, '\0');
    std::string ico("\0\0\1\0\1\0", 6);
    const unsigned char entry[] = {0, 0, 0, 0, 1, 0, 32, 0, std::uint8_t(image.size()), 0, 0, 0, 22, 0, 0, 0};
    ico.append(reinterpret_cast<const char*>(entry), sizeof entry);
    ico += image;
    HBITMAP color = 0, mask = 0;
    EXPECT_FALSE(ReadIco(ico.data(), ico.size(), &color, &mask));
    EXPECT_EQ(color, HBITMAP(0));
}

TEST(Picture, SavingReplacesTheFileWhole) {
    TempDir dir;
    const std::string name = dir.file("picture.bmp"), link = dir.file("old.bmp");
    std::ofstream(name, std::ios::binary) << "old contents";
    std::filesystem::create_hard_link(name, link);
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.SaveToFile(name);
    TBitmap loaded;
    loaded.LoadFromFile(name);
    EXPECT_EQ(loaded.Width(), 3);
    std::string old;
    std::getline(std::ifstream(link, std::ios::binary), old);
    EXPECT_EQ(old, "old contents") << "the bitmap was written into the old file";
}

TEST(Picture, LoadsFilesByExtension) {
    TempDir dir;
    TBitmap bitmap;
    bitmap.SetSize(5, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 5, 4));
    bitmap.SaveToFile(dir.file("a.bmp"));
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    jpeg.SaveToFile(dir.file("b.JPG"));
    TPngImage png;
    png.Assign(&bitmap);
    png.SaveToFile(dir.file("c.png"));
    ICONINFO info;
    info.hbmColor = bitmap.Handle();
    info.hbmMask = CreateBitmap(5, 4, 1, 1, nullptr);
    TIcon icon;
    icon.SetHandle(CreateIconIndirect(&info));
    DeleteObject(info.hbmMask);
    icon.SaveToFile(dir.file("d.ico"));

    TPicture picture;
    struct Case {
        const char* file;
        TClass cls;
    } cases[] = {{"a.bmp", TBitmap::StaticClass()},
                 {"b.JPG", TJPEGImage::StaticClass()},
                 {"c.png", TPngImage::StaticClass()},
                 {"d.ico", TIcon::StaticClass()}};
    for (const Case& c : cases) {
        picture.LoadFromFile(dir.file(c.file));
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassType(), c.cls) << c.file;
        EXPECT_EQ(picture.Width(), 5) << c.file;
        EXPECT_EQ(picture.Height(), 4) << c.file;
        TBitmap drawn;
        drawn.SetSize(5, 4);
        drawn.Canvas()->Draw(0, 0, picture.Graphic());
        COLORREF p = ColorToRGB(drawn.Canvas()->Pixels(2, 2));
        EXPECT_GT(GetRValue(p), 240) << c.file;
        EXPECT_LT(GetGValue(p), 16) << c.file;
    }
    std::ofstream(dir.file("e.xyz")) << "x";
    try {
        picture.LoadFromFile(dir.file("e.xyz"));
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
    }
    EXPECT_EQ(picture.Bitmap()->ClassType(), TBitmap::StaticClass());
}

// A component with a picture, as forms hold images.
class TTestImage : public TComponent {
    SERVIORA_CLASS(TTestImage, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TTestImage(TComponent* owner) : TComponent(owner), picture_(std::make_unique<TPicture>()) {}
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* v) { picture_->Assign(v); }

private:
    std::unique_ptr<TPicture> picture_;
};
void TTestImage::Published(TPublished<TTestImage>& p) { p.Property("Picture", &TTestImage::Picture, &TTestImage::SetPicture); }
SERVIORA_REGISTER_CLASS(TTestImage);

TEST(Picture, RoundTripsThroughAFormDescription) {
    for (TGraphicClass cls : {TBitmap::StaticClass(), TJPEGImage::StaticClass()}) {
        TTestImage image(nullptr);
        image.SetName("Image1");
        TBitmap bitmap;
        bitmap.SetSize(6, 5);
        bitmap.Canvas()->Brush()->SetColor(clNavy);
        bitmap.Canvas()->FillRect(Rect(0, 0, 6, 5));
        std::unique_ptr<TGraphic> graphic(cls->Create());
        graphic->Assign(&bitmap);
        image.Picture()->SetGraphic(graphic.get());
        std::string text = ComponentToText(&image);
        EXPECT_NE(text.find("Picture.Data = {"), std::string::npos) << text;
        std::unique_ptr<TComponent> back(ReadComponentFromString(text, nullptr));
        auto* copy = dynamic_cast<TTestImage*>(back.get());
        ASSERT_NE(copy, nullptr);
        ASSERT_NE(copy->Picture()->Graphic(), nullptr);
        EXPECT_EQ(copy->Picture()->Graphic()->ClassType(), cls);
        EXPECT_EQ(copy->Picture()->Width(), 6);
        EXPECT_EQ(ComponentToText(copy), text);
    }
}

// A button with a glyph and a form-like component with an icon.
class TTestGlyphs : public TComponent {
    SERVIORA_CLASS(TTestGlyphs, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TTestGlyphs(TComponent* owner)
        : TComponent(owner),
          glyph_(std::make_unique<TBitmap>()),
          icon_(std::make_unique<TIcon>()),
          font_(std::make_unique<TFont>()) {}
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v) { glyph_->Assign(v); }
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* v) { icon_->Assign(v); }

private:
    std::unique_ptr<TBitmap> glyph_;
    std::unique_ptr<TIcon> icon_;
    std::unique_ptr<TFont> font_;
};
void TTestGlyphs::Published(TPublished<TTestGlyphs>& p) {
    p.Property("Glyph", &TTestGlyphs::Glyph, &TTestGlyphs::SetGlyph);
    p.Property("Icon", &TTestGlyphs::Icon, &TTestGlyphs::SetIcon);
    p.Property("Font", &TTestGlyphs::Font, &TTestGlyphs::SetFont);
}
SERVIORA_REGISTER_CLASS(TTestGlyphs);

TEST(Picture, GlyphsAndIconsRoundTripThroughAFormDescription) {
    TTestGlyphs glyphs(nullptr);
    glyphs.SetName("SpeedButton1");
    glyphs.Glyph()->SetPixelFormat(pf4bit);
    glyphs.Glyph()->SetSize(3, 2);
    glyphs.Glyph()->Canvas()->SetPixels(1, 1, clRed);
    TBitmap mask;
    mask.SetPixelFormat(pf1bit);
    mask.SetSize(3, 2);
    ICONINFO info;
    info.hbmColor = glyphs.Glyph()->Handle();
    info.hbmMask = mask.Handle();
    glyphs.Icon()->SetHandle(CreateIconIndirect(&info));
    glyphs.Font()->SetName("宋体");
    glyphs.Font()->SetCharset(GB2312_CHARSET);
    glyphs.Font()->SetColor(clBtnText);
    glyphs.Font()->SetSize(9);
    std::string text = ComponentToText(&glyphs);
    EXPECT_NE(text.find("Font.Charset = GB2312_CHARSET"), std::string::npos) << text;
    EXPECT_NE(text.find("Font.Color = clBtnText"), std::string::npos) << text;
    EXPECT_NE(text.find("Font.Height = -12"), std::string::npos) << text;
    EXPECT_EQ(text.find("Font.Size"), std::string::npos) << text;
    EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;
    EXPECT_NE(text.find("Icon.Data = {"), std::string::npos) << text;
    std::unique_ptr<TComponent> back(ReadComponentFromString(text, nullptr));
    auto* copy = dynamic_cast<TTestGlyphs*>(back.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Glyph()->PixelFormat(), pf4bit);
    EXPECT_EQ(copy->Glyph()->Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(copy->Icon()->Width(), 3);
    EXPECT_EQ(copy->Font()->Name(), "宋体");
    EXPECT_EQ(copy->Font()->Size(), 9);
    EXPECT_EQ(ComponentToText(copy), text);
    // An empty glyph writes nothing.
    TTestGlyphs empty(nullptr);
    empty.SetName("Empty");
    EXPECT_EQ(ComponentToText(&empty).find("Data"), std::string::npos);
}

TEST(Icon, DrawsThroughItsMask) {
    TBitmap color, mask;
    color.SetSize(4, 4);
    color.Canvas()->Brush()->SetColor(clRed);
    color.Canvas()->FillRect(Rect(0, 0, 4, 4));
    mask.SetMonochrome(true);
    mask.SetSize(4, 4);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 4, 4));
    mask.Canvas()->SetPixels(0, 0, clWhite);  // transparent corner
    // The colour image is black where the icon is transparent.
    color.Canvas()->SetPixels(0, 0, clBlack);
    ICONINFO info;
    info.hbmColor = color.Handle();
    info.hbmMask = mask.Handle();
    TIcon icon;
    icon.SetHandle(CreateIconIndirect(&info));
    TBitmap dest;
    dest.SetSize(4, 4);
    dest.Canvas()->Brush()->SetColor(clLime);
    dest.Canvas()->FillRect(Rect(0, 0, 4, 4));
    dest.Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest.Canvas()->Pixels(2, 2), clRed);
    TMemoryStream stream;
    icon.SaveToStream(&stream);
    stream.SetPosition(0);
    TIcon loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.Width(), 4);
    dest.Canvas()->FillRect(Rect(0, 0, 4, 4));
    dest.Canvas()->Draw(0, 0, &loaded);
    EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clRed);
}

// The clipboard takes a copy of a bitmap; loading copies it back and
// leaves the clipboard's bitmap alone. Other formats and graphics refuse.
TEST(Bitmap, ClipboardFormatCopiesTheBitmap) {
    TBitmap source;
    source.SetSize(5, 4);
    source.Canvas()->SetPixels(1, 1, clRed);
    Word format = 0;
    THandle data = 0;
    HPALETTE palette = 7;
    source.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_BITMAP);
    EXPECT_NE(data, 0u);
    EXPECT_NE(data, THandle(source.Handle()));
    EXPECT_EQ(palette, 0u);
    TBitmap copy;
    copy.LoadFromClipboardFormat(format, data, palette);
    EXPECT_EQ(copy.Width(), 5);
    EXPECT_EQ(copy.Canvas()->Pixels(1, 1), clRed);
    TPicture picture;
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_BITMAP));
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(CF_TEXT));
    picture.LoadFromClipboardFormat(format, data, palette);
    EXPECT_EQ(picture.Height(), 4);
    DeleteObject(data);
    EXPECT_THROW(picture.LoadFromClipboardFormat(CF_TEXT, 1, 0), EInvalidGraphic);
    TIcon icon;
    EXPECT_THROW(icon.SaveToClipboardFormat(format, data, palette), EInvalidGraphic);
    EXPECT_FALSE(picture.PictureAdapter());
    EXPECT_TRUE(picture.Metafile()->Empty());
}

}  // namespace
