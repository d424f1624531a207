// The BIFF8 writer, read back two ways: a record walker over the Workbook
// stream (lengths, CONTINUE chains, the offsets BOUNDSHEET, INDEX, DBCELL
// and EXTSST hold, fixed records byte for byte), and python3-xlrd, which
// reads the file as a spreadsheet program would.
#include "report/ui/qm_buzwriters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/storage.h"
#include "platform/ui/graphic.h"
#include "support/command_output.h"
#include "support/temp_dir.h"

namespace {

struct Record {
    Word id = 0;
    std::size_t position = 0;  // of the header in the stream
    std::string data;          // CONTINUE records joined on
    std::vector<std::size_t> continues;  // where each CONTINUE's data starts in `data`
};

unsigned U16(const std::string& s, std::size_t at) {
    return unsigned(Byte(s[at])) | unsigned(Byte(s[at + 1])) << 8;
}
std::uint32_t U32(const std::string& s, std::size_t at) { return U16(s, at) | std::uint32_t(U16(s, at + 2)) << 16; }

std::string Hex(const std::string& bytes) {
    std::ostringstream out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        static const char digits[] = "0123456789abcdef";
        out << (i ? " " : "") << digits[Byte(bytes[i]) >> 4] << digits[Byte(bytes[i]) & 15];
    }
    return out.str();
}

class BiffWriterTest : public testing::Test {
protected:
    std::string Save(TbuzXLSWorkbook& book) {
        const std::string file = dir_.file("book.xls");
        TbuzExcelWriter().Save(&book, file);
        return file;
    }

    std::string RunPython(const std::string& script, const std::string& file) {
        const std::string program = dir_.file("read.py");
        std::ofstream(program) << script;
        return CommandOutput("/usr/bin/python3 '" + program + "' '" + file + "' 2>&1");
    }

    // The Workbook stream, as olefile (strict) reads it.
    std::string Stream(const std::string& file) {
        const std::string out = dir_.file("stream.bin");
        const std::string report = RunPython(
            "import olefile, sys\n"
            "ole = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)\n"
            "assert ole.listdir() == [['Workbook']], ole.listdir()\n"
            "open('" + out + "', 'wb').write(ole.openstream('Workbook').read())\n",
            file);
        EXPECT_EQ(report, "");
        std::string bytes;
        ReadFileBytes(out, bytes);
        return bytes;
    }

    std::vector<Record> Walk(const std::string& stream) {
        std::vector<Record> records;
        for (std::size_t at = 0; at + 4 <= stream.size();) {
            const Word id = Word(U16(stream, at));
            const std::size_t length = U16(stream, at + 2);
            EXPECT_LE(length, 8224u) << "record " << id;
            EXPECT_LE(at + 4 + length, stream.size());
            if (id == 0x003C && !records.empty()) {
                records.back().continues.push_back(records.back().data.size());
                records.back().data += stream.substr(at + 4, length);
            } else {
                records.push_back({id, at, stream.substr(at + 4, length), {}});
            }
            at += 4 + length;
        }
        return records;
    }

    std::vector<const Record*> All(const std::vector<Record>& records, Word id) {
        std::vector<const Record*> found;
        for (const Record& r : records)
            if (r.id == id) found.push_back(&r);
        return found;
    }

    const Record* At(const std::vector<Record>& records, std::size_t position) {
        for (const Record& r : records)
            if (r.position == position) return &r;
        return nullptr;
    }

    TempDir dir_;
};

TEST_F(BiffWriterTest, AnEmptyWorkbookIsGlobalsAlone) {
    TbuzXLSWorkbook book;
    const std::vector<Record> records = Walk(Stream(Save(book)));
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.front().id, 0x0809);
    EXPECT_EQ(records.back().id, 0x000A);
    EXPECT_EQ(All(records, 0x0809).size(), 1u);
    for (Word absent : {0x0085, 0x00FC, 0x00FF, 0x0092, 0x01AE}) EXPECT_TRUE(All(records, absent).empty()) << absent;
    // Fixed records byte for byte.
    EXPECT_EQ(Hex(records.front().data), "00 06 05 00 bb 0d cd 07 00 00 00 00 00 06 00 00");
    EXPECT_EQ(Hex(All(records, 0x003D)[0]->data), "68 01 1e 00 1f 1d 60 18 38 00 00 00 00 00 01 00 58 02");
    const std::vector<const Record*> xfs = All(records, 0x00E0);
    ASSERT_EQ(xfs.size(), 21u);
    EXPECT_EQ(Hex(xfs[0]->data), "00 00 00 00 f5 ff 20 00 00 00 00 00 00 00 00 00 00 00 c0 20");
    EXPECT_EQ(Hex(xfs[1]->data), "01 00 00 00 f5 ff 20 00 00 f4 00 00 00 00 00 00 00 00 c0 20");
    EXPECT_EQ(Hex(xfs[15]->data), "00 00 00 00 01 00 20 00 00 00 00 00 00 00 00 00 00 00 c0 20");
    EXPECT_EQ(Hex(xfs[16]->data), "01 00 2c 00 f5 ff 20 00 00 f8 00 00 00 00 00 00 00 00 c0 20");
    const std::vector<const Record*> styles = All(records, 0x0293);
    ASSERT_EQ(styles.size(), 6u);
    EXPECT_EQ(Hex(styles[0]->data), "10 80 04 ff");
    EXPECT_EQ(Hex(styles[2]->data), "00 80 00 ff");
    const std::string access = All(records, 0x005C)[0]->data;
    ASSERT_EQ(access.size(), 112u);
    EXPECT_EQ(Hex(access.substr(0, 5)), "09 00 01 62 00");  // "buzReport"
    EXPECT_EQ(access.back(), ' ');
}

TEST_F(BiffWriterTest, TheWorkbookTitleIsCutToFitItsRecord) {
    TbuzXLSWorkbook book;
    book.SetTitle(AnsiString(60, 'T'));
    const std::string access = All(Walk(Stream(Save(book))), 0x005C)[0]->data;
    ASSERT_EQ(access.size(), 112u);
    EXPECT_EQ(U16(access, 0), 54u);
}

TEST_F(BiffWriterTest, OffsetsLeadWhereTheySay) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* first = book.AddSheet();
    first->SetName("接机");
    for (Integer row = 0; row < 33; ++row) first->GetRange(0, row, 0, row)->SetValue(Integer(row));
    TbuzXLSWorksheet* empty = book.AddSheet();
    for (int i = 0; i < 10; ++i) book.Sheets(0)->GetRange(1, i, 1, i)->SetValue("text " + IntToStr(i));
    const std::string stream = Stream(Save(book));
    const std::vector<Record> records = Walk(stream);

    const std::vector<const Record*> sheets = All(records, 0x0085);
    ASSERT_EQ(sheets.size(), 2u);
    std::vector<const Record*> bofs;
    for (const Record* s : sheets) {
        const Record* bof = At(records, U32(s->data, 0));
        ASSERT_NE(bof, nullptr);
        EXPECT_EQ(bof->id, 0x0809);
        EXPECT_EQ(U16(bof->data, 2), 0x0010u);
        bofs.push_back(bof);
    }
    EXPECT_EQ(Hex(sheets[0]->data.substr(6)), "02 01 a5 63 3a 67");  // 接机 in UTF-16

    // 33 rows: two blocks, each DBCELL found through INDEX, each pointing
    // back at its block's first ROW.
    const Record* index = &records[std::size_t(bofs[0] - &records[0]) + 1];
    ASSERT_EQ(index->id, 0x020B);
    EXPECT_EQ(U32(index->data, 4), 0u);
    EXPECT_EQ(U32(index->data, 8), 33u);
    ASSERT_EQ(index->data.size(), 16u + 8);
    for (int block = 0; block < 2; ++block) {
        const Record* dbcell = At(records, U32(index->data, 16 + 4 * std::size_t(block)));
        ASSERT_NE(dbcell, nullptr);
        EXPECT_EQ(dbcell->id, 0x00D7);
        const Record* row = At(records, dbcell->position - U32(dbcell->data, 0));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->id, 0x0208);
        EXPECT_EQ(U16(row->data, 0), unsigned(block * 32));
        EXPECT_EQ(dbcell->data.size(), 4u + 2 * (block == 0 ? 32 : 1));
        // The first row's first cell lies its offset past the first ROW's end.
        const Record* cell = At(records, row->position + 4 + 16 + U16(dbcell->data, 4));
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->id, 0x0203);
        EXPECT_EQ(U16(cell->data, 0), unsigned(block * 32));
    }

    // The empty sheet: INDEX without positions, zero DIMENSIONS, no rows.
    const Record* emptyIndex = &records[std::size_t(bofs[1] - &records[0]) + 1];
    EXPECT_EQ(emptyIndex->data.size(), 16u);
    bool inEmpty = false;
    for (const Record& r : records) {
        if (&r == bofs[1]) inEmpty = true;
        if (!inEmpty) continue;
        EXPECT_NE(r.id, 0x0208);
        EXPECT_NE(r.id, 0x00E5);
        if (r.id == 0x0200) {
            EXPECT_EQ(r.data, std::string(14, '\0'));
        }
    }
    (void)empty;

    // EXTSST: a bucket per eight strings, at each one's first byte.
    const Record* sst = All(records, 0x00FC)[0];
    const Record* extsst = All(records, 0x00FF)[0];
    EXPECT_EQ(U32(sst->data, 0), 10u);
    ASSERT_EQ(extsst->data.size(), 2u + 8 * 2);
    const std::size_t secondBucket = U32(extsst->data, 2 + 8);
    EXPECT_EQ(U16(extsst->data, 2 + 8 + 4), secondBucket - sst->position);
    EXPECT_EQ(stream.substr(secondBucket, 3 + 12), std::string("\x06\x00\x01t\0e\0x\0t\0 \0" "8\0", 15));
}

TEST_F(BiffWriterTest, AMergedAreaAndTheCellsItCovers) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    sheet->GetRange(1, 0, 3, 1)->SetValue("a");
    sheet->GetRange(0, 3, 1, 3);  // a text range without text
    const std::vector<Record> records = Walk(Stream(Save(book)));
    std::vector<std::pair<Word, std::string>> cells;
    for (const Record& r : records)
        if (r.id == 0x00FD || r.id == 0x00BE || r.id == 0x0201) cells.push_back({r.id, Hex(r.data.substr(0, 4))});
    const std::vector<std::pair<Word, std::string>> expected = {
        {0x00FD, "00 00 01 00"}, {0x00BE, "00 00 02 00"}, {0x00BE, "01 00 01 00"}, {0x00BE, "03 00 00 00"}};
    EXPECT_EQ(cells, expected);
    ASSERT_EQ(All(records, 0x00E5).size(), 2u);
    EXPECT_EQ(Hex(All(records, 0x00E5)[0]->data), "01 00 00 00 01 00 01 00 03 00");
    EXPECT_EQ(U32(All(records, 0x00FC)[0]->data, 0), 1u);  // only "a"
    const Record* label = All(records, 0x00FD)[0];
    const std::string& xf = All(records, 0x00E0)[U16(label->data, 4)]->data;
    EXPECT_EQ(Byte(xf[8]) & 0x20, 0x20);  // merged
}

TEST_F(BiffWriterTest, FormatsFontsAndColoursAreShared) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    for (Integer row = 0; row < 2; ++row) {
        TbuzXLSRange* r = sheet->GetRange(0, row, 0, row);
        r->SetValue(1.5);
        r->NumberFormat = "0.00";
        r->Font.SetStyle(TFontStyles{fsBold});
        r->FillPattern = fpSolid;
        r->ForegroundColor = 0x123456;  // in no palette entry
    }
    const std::vector<Record> records = Walk(Stream(Save(book)));
    const std::vector<const Record*> fonts = All(records, 0x0031);
    ASSERT_EQ(fonts.size(), 5u);
    EXPECT_EQ(U16(fonts[4]->data, 6), 700u);  // bold
    EXPECT_EQ(U16(fonts[4]->data, 2) & 1u, 1u);
    EXPECT_EQ(U16(fonts[0]->data, 6), 400u);
    EXPECT_EQ(All(records, 0x041E).size(), 9u);
    EXPECT_EQ(All(records, 0x00E0).size(), 22u);  // one cell XF for both
    const std::vector<const Record*> numbers = All(records, 0x0203);
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(U16(numbers[0]->data, 4), 21u);
    EXPECT_EQ(U16(numbers[1]->data, 4), 21u);
    const std::string& xf = All(records, 0x00E0)[21]->data;
    EXPECT_EQ(U16(xf, 0), 5u);   // the fifth font skips index 4
    EXPECT_EQ(U16(xf, 2), 50u);  // the first added format
    EXPECT_EQ(U16(xf, 18) & 0x7Fu, 24u);
    EXPECT_EQ(U32(xf, 14) >> 26, 1u);  // solid
    const std::vector<const Record*> palette = All(records, 0x0092);
    ASSERT_EQ(palette.size(), 1u);
    EXPECT_EQ(Hex(palette[0]->data.substr(2 + 16 * 4, 4)), "56 34 12 00");
}

TEST_F(BiffWriterTest, ALongStringGoesOnInAContinueRecordWithItsOptionByte) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    sheet->GetRange(0, 0, 0, 0)->SetValue(AnsiString(3000, 'x'));
    sheet->GetRange(0, 1, 0, 1)->SetValue(AnsiString(5000, 'y'));
    const std::vector<Record> records = Walk(Stream(Save(book)));
    const Record* sst = All(records, 0x00FC)[0];
    ASSERT_EQ(sst->continues.size(), 1u);
    const std::size_t split = sst->continues[0];
    EXPECT_EQ(split % 2, 0u);
    EXPECT_EQ(Byte(sst->data[split]), 1);  // the option byte again
    EXPECT_EQ(sst->data[split + 1], 'y');
    EXPECT_EQ(sst->data.size(), 8u + 3 + 6000 + 3 + 10000 + 1);
}

TEST_F(BiffWriterTest, ASpreadsheetReaderReadsWhatWasWritten) {
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    sheet->SetName("流水记录");
    sheet->GetRange(0, 0, 2, 0)->SetValue("手机由厂家返回");
    sheet->GetRange(0, 1, 0, 1)->SetValue(Integer(138));
    sheet->GetRange(1, 1, 1, 1)->SetValue(2.25);
    sheet->GetRange(2, 1, 2, 1)->Formula = "SUM(A2;B2)";
    sheet->GetCol(1)->Width = 5000;
    sheet->GetRow(1)->Height = 600;
    sheet->AddPageBreak(1);
    TbuzXLSRange* red = sheet->GetRange(0, 2, 0, 2);
    red->SetValue("红");
    red->Font.SetColor(0x0000FF);
    red->Font.SetStyle(TFontStyles{fsItalic});
    book.AddSheet()->SetName("Second");
    const std::string report = RunPython(
        "import sys, xlrd\n"
        "b = xlrd.open_workbook(sys.argv[1], formatting_info=True)\n"
        "s = b.sheet_by_index(0)\n"
        "print(b.sheet_names())\n"
        "print(s.cell_value(0, 0), s.cell_value(1, 0), s.cell_value(1, 1), s.cell_value(2, 0))\n"
        "print(s.merged_cells)\n"
        "print(s.colinfo_map[1].width, s.rowinfo_map[1].height)\n"
        "print(s.horizontal_page_breaks)\n"
        "f = b.font_list[b.xf_list[s.cell_xf_index(2, 0)].font_index]\n"
        "print(f.italic, f.bold, b.colour_map[f.colour_index])\n",
        Save(book));
    EXPECT_EQ(Utf8ToAnsi(report),
              "['流水记录', 'Second']\n"
              "手机由厂家返回 138.0 2.25 红\n"
              "[(0, 1, 0, 3)]\n"
              "5000 600\n"
              "[(1, 0, 255)]\n"
              "1 0 (255, 0, 0)\n");
}

TEST_F(BiffWriterTest, AFailedSaveLeavesTheFileThatWasThere) {
    const std::string file = dir_.file("book.xls");
    std::ofstream(file) << "old";
    TbuzXLSWorkbook book;
    book.AddSheet()->GetRange(0, 0, 0, 0)->Formula = "SUM(A1";
    TbuzExcelWriter writer;
    EXPECT_THROW(writer.Save(&book, file), Exception);
    std::string bytes;
    ReadFileBytes(file, bytes);
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(book.Sheets(0)->Ranges(0)->WriterData, nullptr);
    try {
        writer.Save(&book, dir_.file("no/such/folder.xls"));
        FAIL();
    } catch (const EOleSysError& e) {
        EXPECT_EQ(e.ErrorCode(), STG_E_PATHNOTFOUND);
    }
}

TEST_F(BiffWriterTest, ReferencesToOtherSheetsAndWorkbooks) {
    TbuzXLSWorkbook book;
    book.AddSheet()->SetName("A");
    book.AddSheet()->SetName("B");
    book.Sheets(0)->GetRange(0, 0, 0, 0)->Formula = "B!A1+[Other.xls]X!A1+A!B2";
    const std::vector<Record> records = Walk(Stream(Save(book)));
    const std::vector<const Record*> supbooks = All(records, 0x01AE);
    ASSERT_EQ(supbooks.size(), 2u);
    EXPECT_EQ(Hex(supbooks[0]->data), "02 00 01 04");  // this workbook's two sheets
    EXPECT_EQ(Hex(supbooks[1]->data.substr(0, 7)), "01 00 0a 00 01 01 00");  // one sheet, the name's marker
    const std::vector<const Record*> externs = All(records, 0x0017);
    ASSERT_EQ(externs.size(), 1u);
    // B of this workbook, X of Other.xls (the second SUPBOOK), A of this one.
    EXPECT_EQ(Hex(externs[0]->data), "03 00 00 00 01 00 01 00 01 00 00 00 00 00 00 00 00 00 00 00");
}

TEST_F(BiffWriterTest, PicturesAreObjectsWithTheirMetafiles) {
    TbuzXLSWorkbook book;
    book.AddSheet()->GetRange(0, 0, 0, 0)->SetValue("before");
    TbuzXLSWorksheet* sheet = book.AddSheet();
    TPicture picture;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(100, 30);
    picture.SetGraphic(bitmap.get());
    sheet->AddImage(1, 2, 4, 6, &picture, false);
    TbuzImage* scaled = sheet->AddImage(0, 0, 0, 0, &picture, false);
    scaled->ScaleX = 100;
    scaled->ScaleY = 100;
    scaled->BorderColor = 0x0000FF;
    scaled->BorderLineStyle = 2;
    const std::vector<Record> records = Walk(Stream(Save(book)));
    const std::vector<const Record*> objects = All(records, 0x005D);
    const std::vector<const Record*> pictures = All(records, 0x007F);
    ASSERT_EQ(objects.size(), 2u);
    ASSERT_EQ(pictures.size(), 2u);
    // As placed: columns 1 to 4, rows 2 to 6.
    EXPECT_EQ(Hex(objects[0]->data.substr(0, 26)),
              "02 00 00 00 08 00 01 00 14 06 01 00 00 00 02 00 00 00 04 00 00 00 06 00 00 00");
    // Scaled: 100 pixels across columns of the default width, 30 down rows.
    const int w = sheet->DefaultColWidthPixels(), h = sheet->DefaultRowHeightPixels();
    EXPECT_EQ(U16(objects[1]->data, 18), unsigned(100 / w));
    EXPECT_EQ(U16(objects[1]->data, 20), unsigned(std::lround((100 % w) * 1024.0 / w)));
    EXPECT_EQ(U16(objects[1]->data, 22), unsigned(30 / h));
    EXPECT_EQ(U16(objects[1]->data, 24), unsigned(std::lround((30 % h) * 256.0 / h)));
    EXPECT_EQ(Byte(objects[1]->data[38]), 10);  // line colour: red's palette index
    EXPECT_EQ(Byte(objects[1]->data[39]), 2);
    const std::string& data = pictures[0]->data;
    EXPECT_EQ(U16(data, 0), 2u);
    EXPECT_EQ(U16(data, 2), 1u);
    EXPECT_EQ(U32(data, 4), data.size() - 8);
    EXPECT_EQ(U32(data, 8), 0x9AC6CDD7u);
    EXPECT_FALSE(pictures[0]->continues.empty());  // 9,000 bytes of pixels go on in CONTINUE records
}

// Run only where LibreOffice is installed: it computes the formula.
TEST_F(BiffWriterTest, LibreOfficeComputesAFormula) {
    if (CommandOutput("command -v soffice").empty()) GTEST_SKIP() << "LibreOffice is not installed";
    TbuzXLSWorkbook book;
    TbuzXLSWorksheet* sheet = book.AddSheet();
    sheet->GetRange(0, 0, 0, 0)->SetValue(Integer(2));
    sheet->GetRange(1, 1, 1, 1)->SetValue(Integer(40));
    sheet->GetRange(2, 0, 2, 0)->Formula = "SUM(A1;B2)";
    TPicture picture;  // a picture beside it does not stop the reader
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(40, 20);
    picture.SetGraphic(bitmap.get());
    sheet->AddImage(4, 4, 6, 8, &picture, true);
    const std::string file = Save(book);
    CommandOutput("cd '" + dir_.path() + "' && HOME='" + dir_.path() +
                  "' soffice --headless --convert-to csv book.xls >/dev/null 2>&1");
    std::string csv;
    ASSERT_TRUE(ReadFileBytes(dir_.file("book.csv"), csv));
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "2,,42");
}

}  // namespace
