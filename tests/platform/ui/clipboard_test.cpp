// The clipboard: text in both forms, registered formats, and TClipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cstring>

#include "platform/gdi/metafiles.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/clipbrd.h"
#include "tests/platform/win/window_fixture.h"

namespace {

HGLOBAL Block(const void* bytes, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GHND, size);
    std::memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    return block;
}

}  // namespace

TEST(GlobalMemory, AnEmptyBlockStillHasAnAddress) {
    const HGLOBAL block = GlobalAlloc(GHND, 0);
    ASSERT_NE(block, HGLOBAL(0));
    EXPECT_NE(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), HGLOBAL(0));
}

TEST(Clipboard, UnicodeTextAndACustomFormatRoundTrip) {
    const UINT custom = RegisterClipboardFormat("Serviora Repair Order");
    ASSERT_GE(custom, 0xC000u);
    const std::u16string wide = u"手机维修 №5";
    const unsigned char record[] = {0, 1, 2, 0xFE, 0x5C, 0};
    ASSERT_TRUE(OpenClipboard(0));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, Block(wide.c_str(), (wide.size() + 1) * 2)));
    ASSERT_TRUE(SetClipboardData(custom, Block(record, sizeof(record))));
    ASSERT_TRUE(CloseClipboard());

    // Other programs see the text and the format under its MIME type.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    EXPECT_EQ(mime->text().toStdString(), Utf8(u8"手机维修 №5"));
    EXPECT_TRUE(mime->hasFormat("application/x-serviora-format;name=Serviora Repair Order"));

    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(custom));
    ASSERT_TRUE(OpenClipboard(0));
    const HANDLE text = GetClipboardData(CF_TEXT);
    EXPECT_EQ(AnsiString(static_cast<const char*>(GlobalLock(text))), WideToAnsi(wide));
    GlobalUnlock(text);
    const HANDLE data = GetClipboardData(custom);
    ASSERT_EQ(GlobalSize(data), sizeof(record));
    EXPECT_EQ(std::memcmp(GlobalLock(data), record, sizeof(record)), 0);
    GlobalUnlock(data);
    CloseClipboard();

    // What another program puts there is read back in both forms.
    auto other = std::make_unique<QMimeData>();
    other->setText(QString::fromStdString(Utf8(u8"来自别处")));
    QGuiApplication::clipboard()->setMimeData(other.release());
    EXPECT_FALSE(IsClipboardFormatAvailable(custom));
    EXPECT_EQ(Clipboard()->AsText(), "来自别处");
    const HANDLE unicode = Clipboard()->GetAsHandle(CF_UNICODETEXT);
    EXPECT_EQ(std::u16string(static_cast<const char16_t*>(GlobalLock(unicode))), u"来自别处");
    GlobalUnlock(unicode);
}

TEST(Clipboard, TClipboardOffersSeveralFormatsWhileOpen) {
    const UINT custom = RegisterClipboardFormat("Serviora Grid Rows");
    Clipboard()->Open();
    Clipboard()->SetAsText("旧");
    Clipboard()->SetAsHandle(custom, GlobalAlloc(GHND, 4));
    Clipboard()->Close();
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(custom));
    Clipboard()->SetAsText("新");  // outside Open: replaces everything
    EXPECT_FALSE(Clipboard()->HasFormat(custom));
    EXPECT_EQ(Clipboard()->AsText(), "新");
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));

    const HWND other = AllocateHWnd(nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_THROW(Clipboard()->Open(), Exception);
    CloseClipboard();
    DeallocateHWnd(other);
}

TEST(Clipboard, RichTextAndCsvAreExchangedUnderTheirStandardTypes) {
    const UINT rtf = RegisterClipboardFormat("Rich Text Format");
    const UINT csv = RegisterClipboardFormat("Csv");
    const char rtfBytes[] = "{\\rtf0\\ansi \\'bb\\'fa}";
    const AnsiString csvText = "\"机\";\"a\"\r\n\"1\";\"2\"";
    Clipboard()->Open();
    Clipboard()->SetAsHandle(rtf, Block(rtfBytes, sizeof rtfBytes));
    Clipboard()->SetAsHandle(csv, Block(csvText.c_str(), csvText.size() + 1));
    Clipboard()->Close();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    EXPECT_EQ(mime->data("text/rtf").toStdString(), std::string(rtfBytes));
    EXPECT_EQ(mime->data("text/csv").toStdString(), AnsiToUtf8(csvText));

    // Another program's: the same formats, with the terminator.
    auto other = std::make_unique<QMimeData>();
    other->setData("text/rtf", "{\\rtf1 x}");
    other->setData("text/csv", QByteArray::fromStdString(Utf8(u8"\"机\"\n\"b\"")));
    QGuiApplication::clipboard()->setMimeData(other.release());
    ASSERT_TRUE(IsClipboardFormatAvailable(rtf));
    ASSERT_TRUE(IsClipboardFormatAvailable(csv));
    ASSERT_TRUE(OpenClipboard(0));
    const HANDLE rtfBlock = GetClipboardData(rtf);
    EXPECT_EQ(GlobalSize(rtfBlock), 10u);
    EXPECT_STREQ(static_cast<const char*>(GlobalLock(rtfBlock)), "{\\rtf1 x}");
    GlobalUnlock(rtfBlock);
    const HANDLE csvBlock = GetClipboardData(csv);
    EXPECT_EQ(AnsiString(static_cast<const char*>(GlobalLock(csvBlock))), "\"机\"\r\n\"b\"");
    GlobalUnlock(csvBlock);
    CloseClipboard();
}

TEST(Clipboard, AnotherProgramsLinesReachTheTextFormatsWithCrLf) {
    const struct {
        const char* put;
        AnsiString read;
    } cases[] = {{"a\tb\nc\td\n", "a\tb\r\nc\td\r\n"}, {"a\r\nb", "a\r\nb"}, {"\n\nx", "\r\n\r\nx"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.put);
        auto other = std::make_unique<QMimeData>();
        other->setText(QString::fromUtf8(c.put));
        QGuiApplication::clipboard()->setMimeData(other.release());
        EXPECT_EQ(Clipboard()->AsText(), c.read);
        const HANDLE unicode = Clipboard()->GetAsHandle(CF_UNICODETEXT);
        EXPECT_EQ(WideToAnsi(std::u16string(static_cast<const char16_t*>(GlobalLock(unicode)))), c.read);
        GlobalUnlock(unicode);
    }
}

// Emptying, or setting a format again, frees the handles the clipboard
// took: bitmaps and palettes, enhanced metafiles, and a metafile picture's
// metafile with its block.
TEST(Clipboard, EmptyingFreesTheGraphicHandlesItOwns) {
    const HBITMAP first = CreateBitmap(4, 4, 1, 32, nullptr);
    const HBITMAP second = CreateBitmap(2, 2, 1, 32, nullptr);
    const HPALETTE palette = CreateHalftonePalette(0);
    const HDC recorder = CreateEnhMetaFile(0, nullptr, nullptr, nullptr);
    const HENHMETAFILE enhanced = CloseEnhMetaFile(recorder);
    const BYTE records[] = {1, 0, 9, 0, 0, 3, 0, 0};
    METAFILEPICT picture;
    picture.mm = MM_ANISOTROPIC;
    picture.hMF = SetMetaFileBitsEx(sizeof(records), records);
    const HGLOBAL pictureBlock = Block(&picture, sizeof(picture));
    ASSERT_EQ(GetObjectType(first), OBJ_BITMAP);
    ASSERT_EQ(GetObjectType(palette), OBJ_PAL);
    ASSERT_GT(GetEnhMetaFileBits(enhanced, 0, nullptr), 0u);
    ASSERT_EQ(GetMetaFileBitsEx(picture.hMF, 0, nullptr), sizeof(records));

    ASSERT_TRUE(OpenClipboard(0));
    ASSERT_TRUE(EmptyClipboard());
    SetClipboardData(CF_BITMAP, first);
    SetClipboardData(CF_BITMAP, second);
    EXPECT_EQ(GetObjectType(first), 0u) << "replaced, so freed";
    SetClipboardData(CF_PALETTE, palette);
    SetClipboardData(CF_ENHMETAFILE, enhanced);
    SetClipboardData(CF_METAFILEPICT, pictureBlock);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetObjectType(second), OBJ_BITMAP) << "the clipboard's until emptied";

    ASSERT_TRUE(OpenClipboard(0));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(GetObjectType(palette), 0u);
    EXPECT_EQ(GetEnhMetaFileBits(enhanced, 0, nullptr), 0u);
    EXPECT_EQ(GetMetaFileBitsEx(picture.hMF, 0, nullptr), 0u);
}
