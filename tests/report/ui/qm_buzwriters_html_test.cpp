// The HTML writer against golden files: the frameset and tab strip, a sheet
// without spans and a sheet with a merged area, a picture, shared classes
// and the border shorthand. Pixel sizes follow the screen, so the golden
// files name them: @W@ a default column's width, @H@ a default row's
// height, @T@ and @C@ the table's width and height.
#include "report/ui/qm_buzwriters.h"

#include <gtest/gtest.h>

#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"
#include "support/temp_dir.h"

namespace {

std::string Golden(const std::string& name) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(std::string(REPORT_UI_GOLDEN_DIR) + name, bytes)) << name;
    return bytes;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

class HTMLWriterTest : public testing::Test {
protected:
    std::string Written(const std::string& name) {
        std::string bytes;
        EXPECT_TRUE(ReadFileBytes(dir_.file(name), bytes)) << name;
        return bytes;
    }
    // The golden file with the screen's sizes in place of their names.
    std::string Expected(const std::string& name, const TbuzXLSWorksheet& sheet, int columns, int rows) {
        const int w = sheet.DefaultColWidthPixels(), h = sheet.DefaultRowHeightPixels();
        std::string text = Golden(name);
        text = Replace(text, "@T@", std::to_string(w * columns));
        text = Replace(text, "@C@", std::to_string(h * rows));
        text = Replace(text, "@W@", std::to_string(w));
        text = Replace(text, "@H@", std::to_string(h));
        return Replace(text, "\n", "\r\n");
    }
    TempDir dir_;
};

TEST_F(HTMLWriterTest, FramesetTabStripAndASheetWithoutSpans) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    sheet->SetName("Phones & <parts>");
    sheet->GetRange(0, 0, 0, 0)->SetValue("a  b");
    TbuzXLSRange* framed = sheet->GetRange(1, 0, 1, 0);
    framed->SetValue(Integer(42));
    for (int side = 2; side <= 5; ++side) framed->Borders[side].LineStyle = 1;
    framed->HorizontalAlignment = 3;
    TbuzXLSRange* same = sheet->GetRange(0, 1, 0, 1);  // same font and format as A1
    same->SetValue("\"x\"\r\ny");
    TbuzXLSRange* filled = sheet->GetRange(1, 1, 1, 1);
    filled->Font.SetName("ARIAL");  // the name's case aside, A1's font
    filled->FillPattern = fpSolid;
    filled->ForegroundColor = 0x00FFFF;
    filled->Borders[2] = {0x0000FF, 2, 0};
    book.AddSheet();
    const std::string file = dir_.file("rep.htm");
    TbuzHTMLWriter().Save(&book, file);

    EXPECT_EQ(Written("rep.htm"), Replace(Replace(Golden("frameset.htm"), "@B@", dir_.file("rep")), "\n", "\r\n"));
    EXPECT_EQ(Written("rep_files/header.htm"),
              Replace(Replace(Golden("header.htm"), "@B@", dir_.file("rep")), "\n", "\r\n"));
    EXPECT_EQ(Written("rep_files/Sheet0.htm"), Expected("sheet-plain.htm", *sheet, 2, 2));
    EXPECT_TRUE(FileExists(dir_.file("rep_files/Sheet1.htm")));
}

TEST_F(HTMLWriterTest, AMergedAreaAndAPictureSpanTheirCells) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    sheet->GetRange(0, 0, 1, 1)->SetValue("merged");
    TPicture picture;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(4, 3);
    picture.SetGraphic(bitmap.get());
    sheet->AddImage(2, 0, 3, 2, &picture, true);
    const std::string file = dir_.file("merge.htm");
    TbuzHTMLWriter().Save(&book, file);
    EXPECT_EQ(Written("merge_files/Sheet0.htm"), Expected("sheet-spans.htm", *sheet, 3, 2));
    TBitmap saved;
    saved.LoadFromFile(dir_.file("merge_files/Sheet0_p0.bmp"));
    EXPECT_EQ(saved.Width(), 4);
    EXPECT_EQ(saved.Height(), 3);
}

TEST_F(HTMLWriterTest, EncodingTextAndColours) {
    struct Case {
        const char* text;
        const char* html;
    };
    for (const Case& c : {Case{"a  b", "a &nbsp;b"}, Case{" x", "&nbsp;x"}, Case{"a\r\nb\nc\rd", "a<BR>b<BR>c<BR>d"},
                          Case{"<\"&\">", "&lt;&quot;&amp;&quot;&gt;"}, Case{"顾客", "顾客"}})
        EXPECT_EQ(HTMLEncode(c.text), c.html) << c.text;
    EXPECT_EQ(ColorToHTML(0x123456), "#563412");
    EXPECT_EQ(ColorToHTML(TColor(0x8000000F)), "#0f0000");  // system colours are not resolved
}

TEST_F(HTMLWriterTest, AnEmptySheetIsATableWithoutRows) {
    TbuzXLSWorkbook book;
    book.AddSheet();
    TbuzHTMLWriter().Save(&book, dir_.file("empty.html"));
    const std::string page = Written("empty_files/Sheet0.htm");
    EXPECT_NE(page.find("<TABLE style=\"width:0px;height:0px\" class=c0 >\r\n </TABLE>"), std::string::npos) << page;
}

}  // namespace
