// The grid drag's data object and enumerator, the target's effect rule,
// and the reader of dropped objects with malformed file lists.
#include "stringgrid/dragdrop/bqgdd.h"

#include <gtest/gtest.h>

#include "tests/platform/ui/files_data_object.h"

namespace {

TEST(GridDragData, EnumeratorListsTheFormatsInOrder) {
    EXPECT_NE(RichTextDragFormat(), 0) << "registered when the program starts";
    EXPECT_NE(ColumnDragFormat(), 0);
    TSourceEnumFormatEtc formats(true);
    FORMATETC list[5];
    ULONG fetched = 0;
    EXPECT_EQ(formats.Next(4, list, &fetched), S_OK);
    EXPECT_EQ(fetched, 4u);
    const CLIPFORMAT expected[] = {CF_TEXT, CF_UNICODETEXT, RichTextDragFormat(), ColumnDragFormat()};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list[i].cfFormat, expected[i]);

    TSourceEnumFormatEtc textOnly(false);
    EXPECT_EQ(textOnly.Next(4, list, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 3u);
    textOnly.Reset();
    textOnly.Next(1, list, nullptr);
    std::shared_ptr<IEnumFORMATETC> clone;
    textOnly.Clone(clone);
    clone->Next(1, list, nullptr);
    EXPECT_EQ(list[0].cfFormat, CF_UNICODETEXT) << "a clone continues at the second format";
    EXPECT_EQ(textOnly.Skip(5), S_FALSE);
}

TEST(GridDragData, DataObjectOffersByTheSwitchAndTheColumn) {
    SetDragDropRichText(false);
    TSourceDataObject data("ab", -1, "{\\rtf1 x}");
    FORMATETC format{CF_UNICODETEXT};
    STGMEDIUM medium;
    ASSERT_EQ(data.GetData(&format, &medium), S_OK);
    EXPECT_EQ(GlobalSize(medium.hGlobal), 6u);
    EXPECT_EQ(std::u16string(static_cast<const char16_t*>(GlobalLock(medium.hGlobal))), u"ab");
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    format.cfFormat = RichTextDragFormat();
    EXPECT_EQ(data.QueryGetData(&format), DV_E_FORMATETC);
    SetDragDropRichText(true);
    EXPECT_EQ(data.QueryGetData(&format), S_OK);
    SetDragDropRichText(false);
    format.cfFormat = ColumnDragFormat();
    EXPECT_EQ(data.QueryGetData(&format), DV_E_FORMATETC);
    format = FORMATETC{CF_TEXT};
    format.tymed = TYMED_NULL;
    EXPECT_EQ(data.QueryGetData(&format), DV_E_FORMATETC);

    TSourceDataObject column("", 7, "");
    TEnumFormats reader(&column);
    EXPECT_EQ(reader.GetColumn(), 7);
    EXPECT_EQ(reader.GetPlainText(), "") << "no text offered";
}

TEST(GridDragData, EffectFromKeys) {
    EXPECT_EQ(TBQGDropTarget::DropEffectFromKeys(MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_COPY);
    EXPECT_EQ(TBQGDropTarget::DropEffectFromKeys(0, DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_MOVE);
    EXPECT_EQ(TBQGDropTarget::DropEffectFromKeys(0, DROPEFFECT_COPY), DROPEFFECT_COPY);
}

std::string Head(DWORD offset, BOOL wide) {
    DROPFILES head;
    head.pFiles = offset;
    head.fWide = wide;
    return std::string(reinterpret_cast<const char*>(&head), sizeof head);
}

TEST(GridDragData, DroppedFileNamesStayInsideTheirBlock) {
    struct Case {
        std::string block;
        std::vector<AnsiString> names;
    } cases[] = {
        {Head(sizeof(DROPFILES), 0) + std::string("a.csv\0b.xls\0\0", 13), {"a.csv", "b.xls"}},
        {Head(sizeof(DROPFILES), 1) + std::string("c\0\0\0\0\0", 6), {"c"}},
        {Head(sizeof(DROPFILES), 0) + "unterminated", {"unterminated"}},
        {Head(sizeof(DROPFILES), 1) + std::string("d\0e", 3), {"d"}},  // half a character left over
        {Head(0x7FFFFFFF, 0) + "x", {}},
        {std::string("short"), {}},
    };
    for (const Case& c : cases) {
        TFilesDataObject data(c.block);
        TEnumFormats reader(&data);
        ASSERT_TRUE(reader.HasFiles());
        TStringList files;
        EXPECT_EQ(reader.GetFiles(&files), !c.names.empty());
        std::vector<AnsiString> got;
        for (int i = 0; i < files.Count(); ++i) got.push_back(files.Strings(i));
        EXPECT_EQ(got, c.names);
    }
}

}  // namespace
