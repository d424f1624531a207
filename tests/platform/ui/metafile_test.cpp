// Metafile pictures: the size read from an enhanced and a placeable header,
// the bytes written back unchanged, anything else refused, and the framed
// placeholder drawn in place of the records.
#include <gtest/gtest.h>

#include <string>

#include "platform/rtl/streams.h"
#include "platform/gdi/metafiles.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/clipboard.h"
#include "platform/ui/colors.h"
#include "platform/gdi/wingdi_emf.h"
#include "platform/ui/graphic.h"
#include "platform/ui/metafile.h"

namespace {

std::string Int32(std::int32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

// An enhanced metafile header record whose frame is 5080 x 2540
// hundredths of a millimetre (2 x 1 inches).
std::string EnhancedHeader() {
    std::string h = Int32(1) + Int32(88) + Int32(0) + Int32(0) + Int32(191) + Int32(95);
    h += Int32(0) + Int32(0) + Int32(5080) + Int32(2540) + Int32(0x464D4520);
    return h + std::string(88 - h.size(), '\0');
}

TEST(Metafile, SizeComesFromTheHeaderAndBytesStay) {
    struct Case {
        std::string data;
        int width, height;
        bool enhanced;
    } cases[] = {{EnhancedHeader(), 192, 96, true}, {PlaceableMetafileOf("records", 2540, 5080), 96, 192, false}};
    for (const Case& c : cases) {
        TMetafile metafile;
        TStringStream in(c.data);
        metafile.LoadFromStream(&in);
        EXPECT_EQ(metafile.Width(), c.width);
        EXPECT_EQ(metafile.Height(), c.height);
        EXPECT_EQ(metafile.Enhanced(), c.enhanced);
        TStringStream out;
        metafile.SaveToStream(&out);
        EXPECT_EQ(out.DataString(), c.data);
    }
    TMetafile broken;
    TStringStream junk("not a metafile at all");
    EXPECT_THROW(broken.LoadFromStream(&junk), EInvalidGraphic);
    EXPECT_TRUE(broken.Empty());
}

TEST(Metafile, ClipboardFormatsCarryTheBytesAndTheExtent) {
    struct Case {
        std::string data;
        Word format;
    } cases[] = {{EnhancedHeader(), CF_ENHMETAFILE}, {PlaceableMetafileOf("records!", 2540, 5080), CF_METAFILEPICT}};
    for (const Case& c : cases) {
        TMetafile metafile;
        TStringStream in(c.data);
        metafile.LoadFromStream(&in);
        Word format = 0;
        THandle data = 0;
        HPALETTE palette = 7;
        metafile.SaveToClipboardFormat(format, data, palette);
        EXPECT_EQ(format, c.format);
        EXPECT_EQ(palette, HPALETTE(0));
        ASSERT_TRUE(TPicture::SupportsClipboardFormat(format));
        TPicture picture;
        picture.LoadFromClipboardFormat(format, data, 0);
        auto* copy = dynamic_cast<TMetafile*>(picture.Graphic());
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->Width(), metafile.Width());
        EXPECT_EQ(copy->Height(), metafile.Height());
        TStringStream out;
        copy->SaveToStream(&out);
        EXPECT_EQ(out.DataString(), c.data);
        if (format == CF_ENHMETAFILE) {
            EXPECT_TRUE(DeleteEnhMetaFile(HENHMETAFILE(data)));
            EXPECT_FALSE(DeleteEnhMetaFile(HENHMETAFILE(data)));
        } else {
            auto* block = static_cast<METAFILEPICT*>(GlobalLock(HGLOBAL(data)));
            EXPECT_EQ(block->mm, MM_ANISOTROPIC);
            EXPECT_EQ(block->xExt, metafile.MMWidth());
            EXPECT_TRUE(DeleteMetaFile(block->hMF));
            GlobalUnlock(HGLOBAL(data));
            GlobalFree(HGLOBAL(data));
        }
    }
    TMetafile empty, other;
    Word format = 0;
    THandle data = 0;
    HPALETTE palette = 0;
    EXPECT_THROW(empty.SaveToClipboardFormat(format, data, palette), EInvalidGraphic);
    EXPECT_THROW(other.LoadFromClipboardFormat(CF_ENHMETAFILE, 12345, 0), EInvalidGraphic);
    EXPECT_THROW(other.LoadFromClipboardFormat(CF_TEXT, 0, 0), EInvalidGraphic);
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(CF_TEXT));
}

TEST(Metafile, DrawsAFramedPlaceholder) {
    TMetafile metafile;
    TStringStream in(PlaceableMetafileOf("records", 2540, 2540));
    metafile.LoadFromStream(&in);
    TBitmap bitmap;
    bitmap.SetSize(100, 100);
    bitmap.Canvas()->FillRect(TRect(0, 0, 100, 100));
    bitmap.Canvas()->StretchDraw(TRect(0, 0, 96, 96), &metafile);
    EXPECT_NE(bitmap.Canvas()->Pixels(0, 50), clWhite) << "the frame";
    EXPECT_NE(bitmap.Canvas()->Pixels(48, 48), clWhite) << "the cross";
    EXPECT_EQ(bitmap.Canvas()->Pixels(20, 60), clWhite);
}

// What a metafile canvas drew is read back from the one raster record: a
// placeable metafile of the canvas's size whose stretch-DIB rows hold it.
TEST(Metafile, ACanvasLeavesItsDrawingAsOneRaster) {
    TMetafile metafile;
    metafile.SetWidth(20);
    metafile.SetHeight(10);
    {
        TMetafileCanvas canvas(&metafile, 0);
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(TRect(0, 0, 5, 3));
    }
    EXPECT_EQ(metafile.Width(), 20);
    EXPECT_EQ(metafile.Height(), 10);
    EXPECT_FALSE(metafile.Enhanced());
    TMemoryStream stream;
    metafile.SaveToStream(&stream);
    const std::string data(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
    ASSERT_GT(data.size(), 22u + 18 + 20 + 28 + 40);
    EXPECT_EQ(data.substr(0, 4), Int32(std::int32_t(0x9AC6CDD7)));
    const std::size_t stretch = 22 + 18 + 10 + 10;
    EXPECT_EQ(data.substr(stretch + 4, 2), std::string("\x43\x0F", 2));
    const std::size_t pixels = stretch + 28 + 40;
    const std::size_t stride = 20 * 3 + 0;  // 60: already a multiple of four
    const auto pixel = [&](int x, int y) {  // rows bottom-up, blue green red
        const std::size_t at = pixels + std::size_t(9 - y) * stride + std::size_t(x) * 3;
        return data.substr(at, 3);
    };
    EXPECT_EQ(pixel(0, 0), std::string("\0\0\xFF", 3));
    EXPECT_EQ(pixel(4, 2), std::string("\0\0\xFF", 3));
    EXPECT_EQ(pixel(5, 2), std::string("\xFF\xFF\xFF", 3));
    EXPECT_EQ(data.substr(data.size() - 6), std::string("\x03\0\0\0\0\0", 6));  // end record

    TMemoryStream again;
    again.WriteBuffer(data.data(), Integer(data.size()));
    again.SetPosition(0);
    TMetafile loaded;
    loaded.LoadFromStream(&again);
    EXPECT_EQ(loaded.Width(), 20);
    EXPECT_EQ(loaded.Height(), 10);
}

}  // namespace

namespace {

// The header with a description after it: creator, zero, title, two zeros.
std::string EnhancedHeaderDescribed(std::size_t offset, std::uint32_t count) {
    std::string h = EnhancedHeader();
    h.replace(60, 8, Int32(std::int32_t(count)) + Int32(std::int32_t(offset)));
    for (char c : std::string("Maker\0Shop\0\0", 12)) h += std::string{c, '\0'};
    return h;
}

TEST(Metafile, HeaderNamesUnitsAndHandle) {
    TMetafile described;
    TStringStream in(EnhancedHeaderDescribed(88, 12));
    described.LoadFromStream(&in);
    EXPECT_EQ(described.CreatedBy(), "Maker");
    EXPECT_EQ(described.Description(), "Shop");
    EXPECT_EQ(described.Inch(), 0);
    EXPECT_EQ(described.MMWidth(), 5080);
    EXPECT_EQ(described.MMHeight(), 2540);
    // A description said to lie past the data is not read.
    TMetafile lying;
    TStringStream past(EnhancedHeaderDescribed(4000, 12));
    lying.LoadFromStream(&past);
    EXPECT_EQ(lying.CreatedBy(), "");

    TMetafile placeable;
    TStringStream wmf(PlaceableMetafileOf("records", 2540, 5080));
    placeable.LoadFromStream(&wmf);
    EXPECT_GT(placeable.Inch(), 0);
    placeable.SetHandle(77);
    EXPECT_EQ(placeable.ReleaseHandle(), 77u);
    EXPECT_EQ(placeable.Handle(), 0u);
    placeable.Clear();
    EXPECT_TRUE(placeable.Empty());
    EXPECT_EQ(placeable.Inch(), 0);
}

}  // namespace

namespace {

struct TextRecord {
    DWORD type;
    std::u16string text;
    RECTL bounds;
};

int CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, std::intptr_t data) {
    auto* out = reinterpret_cast<std::vector<TextRecord>*>(data);
    TextRecord entry{record->iType, {}, {}};
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars = reinterpret_cast<const char16_t*>(reinterpret_cast<const char*>(record) + text->emrtext.offString);
        entry.text.assign(chars, text->emrtext.nChars);
        entry.bounds = text->rclBounds;
    }
    out->push_back(entry);
    return 1;
}

}  // namespace

// The canvas's records: the header, the raster, one text record per line
// drawn (UTF-16 text and its bounds on the device), the end.
TEST(Metafile, ACanvasRecordsItsTextInOrder) {
    TMetafile metafile;
    metafile.SetWidth(200);
    metafile.SetHeight(100);
    {
        TMetafileCanvas canvas(&metafile, 0);
        canvas.TextOut(10, 20, "AB-CD");
        canvas.TextOut(30, 60, "第 2 页");
    }
    std::vector<TextRecord> records;
    ASSERT_TRUE(EnumEnhMetaFile(0, metafile.Handle(), CollectRecord, &records, nullptr));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].type, EMR_HEADER);
    EXPECT_EQ(records[1].type, EMR_STRETCHDIBITS);
    EXPECT_EQ(records[2].text, u"AB-CD");
    EXPECT_EQ(records[3].text, u"第 2 页");
    EXPECT_EQ(records[4].type, EMR_EOF);
    EXPECT_EQ(records[2].bounds.left, 10);
    EXPECT_EQ(records[2].bounds.top, 20);
    EXPECT_GT(records[2].bounds.right, 10 + 20);
    EXPECT_EQ(records[3].bounds.left, 30);
    // The raster holds the text too.
    TMemoryStream stream;
    metafile.SaveToStream(&stream);
    EXPECT_GT(stream.Size(), 200 * 100 * 3);
}
