// The grid text stream against golden files, and CSV files loaded and
// compared through the text stream of the loaded grid.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/streams.h"

namespace {

const std::string kTransferDir = std::string(STRINGGRID_GOLDEN_DIR) + "transfer/";

AnsiString Ansi(const char8_t* utf8) { return Utf8ToAnsi(Utf8(utf8)); }

AnsiString ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

AnsiString StreamText(TBavStringGrid* grid) {
    TMemoryStream stream;
    grid->SaveCellsToStream(&stream);
    AnsiString text(std::size_t(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(text.data(), Integer(text.size()));
    return text;
}

// The cell lines of the grid's text stream, after its size line.
AnsiString CellLines(TBavStringGrid* grid) {
    std::istringstream in(StreamText(grid));
    AnsiString out, line;
    while (std::getline(in, line)) {
        if (line.ends_with('\r')) line.pop_back();
        if (!line.starts_with("cw ")) out += line + "\n";
    }
    return out;
}

void Load(TBavStringGrid* grid, const AnsiString& text) {
    TMemoryStream stream;
    stream.WriteBuffer(text.data(), Integer(text.size()));
    stream.SetPosition(0);
    grid->LoadCellsFromStream(&stream);
}

using TextStream = StringGridTest;

TEST_F(TextStream, GoldenFilesSaveAndLoadBack) {
    grid->SetColCount(3);
    grid->SetRowCount(2);
    grid->SetColWidths(0, 50);
    grid->SetColWidths(1, 60);
    grid->SetColWidths(2, 70);
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 0, "b");
    const AnsiString golden = ReadFile(kTransferDir + "stream_3x2.txt");
    EXPECT_EQ(StreamText(grid), golden);

    auto* copy = new TBavStringGrid(form);
    copy->SetColCount(7);
    copy->SetRowCount(9);
    TMemoryStream stream;
    stream.WriteBuffer(golden.data(), Integer(golden.size()));
    stream.SetPosition(0);
    copy->LoadCellsFromStream(&stream);
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(copy->ColCount(), 3);
    EXPECT_EQ(copy->RowCount(), 2);
    EXPECT_EQ(copy->ColWidths(2), 70);
    EXPECT_EQ(copy->Cells(1, 1), "a");
    EXPECT_EQ(copy->Cells(2, 0), "b");

    grid->SetColCount(2);
    grid->SetRowCount(1);
    grid->SetColWidths(0, 64);
    grid->SetColWidths(1, 64);
    grid->SetCells(1, 0, Ansi(u8"维修,客户"));
    EXPECT_EQ(StreamText(grid), ReadFile(kTransferDir + "stream_chinese.txt")) << "commas after the second stay text";
}

TEST_F(TextStream, LineBreaksFollowMultilinecells) {
    grid->SetColCount(1);
    grid->SetRowCount(1);
    grid->SetColWidths(0, 64);
    grid->SetCells(0, 0, "one\r\ntwo");
    const AnsiString golden = ReadFile(kTransferDir + "stream_multiline.txt");
    EXPECT_EQ(StreamText(grid), golden);
    grid->SetCells(0, 0, "");
    grid->SetMultilinecells(true);
    Load(grid, golden);
    EXPECT_EQ(grid->Cells(0, 0), "one\r\ntwo");
    grid->SetMultilinecells(false);
    Load(grid, golden);
    EXPECT_EQ(grid->Cells(0, 0), "one");
}

TEST_F(TextStream, StopsAtTheFirstForeignLine) {
    const AnsiString text = "2,2\r\n0,1,x\r\nforeign line\r\n1,1,y\r\n";
    TMemoryStream stream;
    stream.WriteBuffer(text.data(), Integer(text.size()));
    stream.SetPosition(0);
    grid->LoadCellsFromStream(&stream);
    EXPECT_EQ(grid->Cells(0, 1), "x");
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_EQ(stream.Position(), Int64(text.find("foreign")));
    EXPECT_THROW(Load(grid, "2,x\r\n"), EConvertError);
}

TEST_F(TextStream, AssignCopiesCellsAndWidths) {
    grid->SetColCount(2);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 99);
    grid->SetCells(1, 2, "z");
    grid->SetOnLoadCell([](TObject*, int, int, AnsiString& value) { value += "!"; });
    auto* copy = new TBavStringGrid(form);
    std::vector<AnsiString> loaded;
    copy->SetOnLoadCell([&](TObject*, int, int, AnsiString& value) { loaded.push_back(value); });
    copy->Assign(grid);
    EXPECT_EQ(copy->Cells(1, 2), "z");
    EXPECT_EQ(copy->ColWidths(1), 99);
    EXPECT_EQ(loaded, std::vector<AnsiString>{"z"});
}

// ---- CSV ----

class CsvLoad : public StringGridTest {
protected:
    AnsiString LoadFile(const std::string& name) {
        grid->LoadCSVFile(kTransferDir + name);
        return CellLines(grid);
    }
};

TEST_F(CsvLoad, FixturesLoadAsExpected) {
    struct Case {
        const char* file;
        AnsiString cells;
    } cases[] = {
        {"semicolon.csv", "3,2\r\n0,0,a\r\n1,0,x,y\r\n2,0,c\r\n0,1,d\r\n1,1,p,q\r\n2,1,f\r\n"},
        {"quoted.csv", "2,1\r\n0,0,a,\"b\"\r\n1,0,c\r\n"},
        {"trailing.csv", "2,2\r\n0,0,a\r\n1,0,b\r\n0,1,c\r\n1,1,d\r\n"},
        {"linebreaks.csv", "2,1\r\n0,0,one\t\x08two\r\n1,0,x~y\r\n"},
        {"pipe_chinese.csv", "2,2\r\n0,0," + Ansi(u8"亅号") + "\r\n1,0," + Ansi(u8"億") + "\r\n0,1," +
                                 Ansi(u8"剕") + "\r\n1,1,x\r\n"},
    };
    for (const Case& c : cases) {
        grid->SetColCount(1);
        grid->SetRowCount(1);
        grid->SetCells(0, 0, "");
        std::string expected = c.cells;
        std::erase(expected, '\r');
        EXPECT_EQ(LoadFile(c.file), expected) << c.file;
    }
    grid->SetTildeLineBreaks(true);
    grid->SetMultilinecells(true);
    LoadFile("linebreaks.csv");
    EXPECT_EQ(grid->Cells(0, 0), "one\x0btwo");
    EXPECT_EQ(grid->Cells(1, 0), "x\r\ny");
}

TEST_F(CsvLoad, LargeFileRowsFootersAndProgress) {
    const auto path = std::filesystem::temp_directory_path() / "csv_2500.csv";
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 2500; ++i) out << i << ",v" << i << "\r\n";
    }
    grid->SetFixedFooters(1);
    grid->SetLoadFirstLine(true);
    grid->LoadCSVFile(path.string());
    EXPECT_EQ(grid->RowCount(), 2500 + 1);
    EXPECT_EQ(grid->Cells(1, 2499), "v2499");

    std::vector<int> progress;
    grid->SetOnFileProgress([&](TObject*, int p) { progress.push_back(p); });
    grid->SetLoadFirstLine(false);
    grid->LoadCSVFile(path.string());
    EXPECT_EQ(grid->RowCount(), 2499 + 1);
    EXPECT_EQ(grid->Cells(0, 0), "1");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(progress.size(), 101u);
    std::filesystem::remove(path);
}

TEST_F(CsvLoad, GivenDelimiterAndMissingFile) {
    grid->SetCSVDelimiter(';');
    LoadFile("quoted.csv");
    EXPECT_EQ(grid->Cells(0, 0), "a,\"b\",c") << "one field: the line has no ';'";
    EXPECT_EQ(grid->CSVDelimiter(), ';');
    grid->SetCells(0, 0, "kept");
    try {
        grid->LoadCSVFile("/nonexistent/none.csv");
        FAIL();
    } catch (const EBavGridError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file /nonexistent/none.csv");
    }
    EXPECT_EQ(grid->Cells(0, 0), "kept");
}

}  // namespace
