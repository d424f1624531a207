// Copy, cut and paste: the clipboard text against golden files, smart paste
// and its series, growth, the paste hook, and the cell-object format
// between two grids, with malformed blocks refused.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "grid_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/graphic.h"
#include "stringgrid/BavGridGraphic.h"
#include "stringgrid/BavOptions.h"

namespace {

AnsiString Ansi(const char8_t* utf8) { return Utf8ToAnsi(Utf8(utf8)); }

AnsiString Golden(const char* name) {
    std::ifstream in(std::string(STRINGGRID_GOLDEN_DIR) + "transfer/" + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A grid that edits, recording its paste hook.
class HookedGrid : public TBavStringGrid {
public:
    using TBavStringGrid::TBavStringGrid;
    void PasteHook(TGridCoord origin, const TGridRect& range, bool copied) override {
        hooks.push_back({origin, range, copied});
    }
    struct Hook {
        TGridCoord origin;
        TGridRect range;
        bool copied;
    };
    std::vector<Hook> hooks;
};

class ClipboardTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(600, 400);
        grid = NewGrid();
        form->Show();
        ProcessMessages();
    }
    HookedGrid* NewGrid() {
        auto* g = new HookedGrid(form);
        g->SetParent(form);
        g->SetColCount(5);
        g->SetRowCount(8);
        TGridOptions options = g->Options();
        options.Include(goEditing);
        g->SetOptions(options);
        return g;
    }
    void Select(int left, int top, int right, int bottom) { grid->SetSelection(TGridRect{left, top, right, bottom}); }
    TForm* form = nullptr;
    HookedGrid* grid = nullptr;
};

TEST_F(ClipboardTest, CopiedTextMatchesTheGoldenFiles) {
    const char* texts[2][3] = {{"a", "b", "c"}, {"d", "e", "f"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) grid->SetCells(c + 1, r + 1, texts[r][c]);
    struct Case {
        TGridRect range;
        const char* golden;
    } cases[] = {
        {{1, 1, 3, 2}, "cftext_block.txt"},
        {{1, 1, 3, 1}, "cftext_row.txt"},
        {{1, 1, 1, 1}, "cftext_cell.txt"},
    };
    for (const Case& c : cases) {
        grid->SetSelection(c.range);
        grid->CopySelection();
        EXPECT_EQ(Clipboard()->AsText(), Golden(c.golden)) << c.golden;
    }
    EXPECT_EQ(grid->CopyOrigin(), (TGridCoord{1, 1}));
    EXPECT_TRUE(grid->Copied());

    grid->SetCells(1, 4, "one\r\ntwo");
    Select(1, 4, 1, 4);
    grid->CopySelection();
    EXPECT_EQ(Clipboard()->AsText(), Golden("cftext_twoline.txt"));
    grid->PasteText(2, 5, Clipboard()->AsText());
    EXPECT_EQ(grid->Cells(2, 5), "one\ntwo") << "only LF between the lines";

    grid->SetCells(1, 6, "<b>bold</b>");
    grid->SetCells(2, 6, Ansi(u8"维修"));
    Select(1, 6, 2, 6);
    grid->Navigation()->SetCopyHTMLTagsToClipboard(false);
    grid->CopySelection();
    EXPECT_EQ(Clipboard()->AsText(), Golden("cftext_html.txt"));
    grid->Navigation()->SetCopyHTMLTagsToClipboard(true);
    grid->CopySelection();
    EXPECT_EQ(Clipboard()->AsText(), "<b>bold</b>\t" + Ansi(u8"维修"));
}

TEST_F(ClipboardTest, SmartPasteRepeatsAndContinuesSeries) {
    grid->Navigation()->SetAllowSmartClipboard(true);
    grid->SetRowCount(12);
    auto column = [&](int col, int rows) {
        std::vector<AnsiString> out;
        for (int r = 1; r <= rows; ++r) out.push_back(grid->Cells(col, r));
        return out;
    };
    Clipboard()->SetAsText("x");
    Select(1, 1, 1, 5);
    grid->PasteFromClipboard();
    EXPECT_EQ(column(1, 5), std::vector<AnsiString>(5, "x"));

    struct Case {
        AnsiString first, second;
        std::vector<AnsiString> expected;
    } cases[] = {
        {"1", "2", {"1", "2", "3", "4", "5", "6"}},
        {"1.5", "2", {"1.50", "2.00", "2.50", "3.00", "3.50", "4.00"}},
        {"a", "b", {"a", "b", "a", "b", "a", "b"}},
        {"2024-01-15", "2024-02-15",
         {"2024-01-15", "2024-02-15", "2024-03-15", "2024-04-15", "2024-05-15", "2024-06-15"}},
    };
    grid->SetFloatFormat("%.2f");
    for (const Case& c : cases) {
        Clipboard()->SetAsText(c.first + "\r\n" + c.second + "\r\n");
        Select(2, 1, 2, 6);
        grid->PasteFromClipboard();
        EXPECT_EQ(column(2, 6), c.expected) << c.first;
    }
}

TEST_F(ClipboardTest, PasteGrowsOrDropsAndTellsTheHook) {
    Clipboard()->SetAsText("p\tq\tr");
    grid->PasteText(4, 1, Clipboard()->AsText());
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->Cells(6, 1), "r");
    grid->Navigation()->SetAllowClipboardColGrow(false);
    grid->PasteText(6, 2, "s\tt\tu");
    EXPECT_EQ(grid->ColCount(), 7);
    EXPECT_EQ(grid->Cells(6, 2), "s");

    int cols = 0, rows = 0;
    grid->MeasureClipboardText("a\tb\r\n\r\nc\r\n", cols, rows);
    EXPECT_EQ(cols, 2);
    EXPECT_EQ(rows, 1) << "non-empty lines less one";
    EXPECT_EQ(grid->PasteText(1, 1, "a\r\nb\r\n"), 3) << "two cells from a column paste as three fields";

    grid->hooks.clear();
    grid->SetCells(1, 2, "v");
    Select(1, 2, 1, 2);
    grid->CopySelection();
    Select(3, 3, 3, 3);
    grid->PasteFromClipboard();
    ASSERT_EQ(grid->hooks.size(), 1u);
    EXPECT_EQ(grid->hooks[0].origin, (TGridCoord{1, 2}));
    EXPECT_TRUE(grid->hooks[0].copied);
}

TEST_F(ClipboardTest, CutSparesReadOnlyCells) {
    grid->SetCells(1, 1, "keep");
    grid->SetCells(2, 1, "go");
    grid->SetOnCanEditCell([](TObject*, int, int col, bool& can) { can = col != 1; });  // (ARow, ACol)
    Select(1, 1, 2, 1);
    grid->CutSelection();
    EXPECT_EQ(Clipboard()->AsText(), "keep\tgo");
    EXPECT_EQ(grid->Cells(1, 1), "keep");
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_FALSE(grid->Copied());
    grid->Navigation()->SetAllowClipboardAlways(true);
    grid->CutSelection();
    EXPECT_EQ(grid->Cells(1, 1), "");
}

TEST_F(ClipboardTest, CellObjectsTravelBetweenGrids) {
    grid->Navigation()->SetAllowFmtClipboard(true);
    grid->SetCells(1, 1, "red");
    grid->GetCellProperties(1, 1)->SetBrushColor(clRed);
    grid->MergeCells(2, 1, 2, 2);
    grid->SetCells(2, 1, "merged");
    TCellGraphic* check = grid->CreateCellGraphic(1, 2);
    check->SetCellType(ctCheckBox);
    check->SetCellBoolean(true);
    auto* items = new TStringList;
    items->SetCommaText("one,two");
    TCellGraphic* radio = grid->CreateCellGraphic(1, 3);
    radio->SetCellType(ctRadio);
    radio->SetCellContent(items);
    radio->SetCellCreated(true);
    radio->SetCellIndex(1);
    auto* picture = new TPicture;
    TBitmap bitmap;
    bitmap.SetSize(7, 5);
    picture->SetBitmap(&bitmap);
    TCellGraphic* pic = grid->CreateCellGraphic(3, 3);
    pic->SetCellType(ctPicture);
    pic->SetCellContent(picture);
    pic->SetCellCreated(true);
    Select(1, 1, 3, 3);
    grid->CopySelection();

    HookedGrid* other = NewGrid();
    other->Navigation()->SetAllowFmtClipboard(true);
    other->SetSelection(TGridRect{0, 3, 0, 3});
    other->PasteFromClipboard();
    EXPECT_EQ(other->Cells(0, 3), "red");
    EXPECT_EQ(other->GetCellProperties(0, 3)->BrushColor(), clRed);
    EXPECT_EQ(other->Cells(1, 3), "merged");
    EXPECT_EQ(other->GetCellSpan(1, 3).X, 1);
    EXPECT_EQ(other->GetCellType(0, 4), ctCheckBox);
    bool state = false;
    EXPECT_TRUE(other->GetCheckBoxState(0, 4, state) && state);
    ASSERT_EQ(other->GetCellType(0, 5), ctRadio);
    EXPECT_EQ(static_cast<TStrings*>(other->GetCellGraphic(0, 5)->CellContent())->CommaText(), "one,two");
    EXPECT_EQ(other->GetCellGraphic(0, 5)->CellIndex(), 1);
    ASSERT_EQ(other->GetCellType(2, 5), ctPicture);
    EXPECT_EQ(static_cast<TPicture*>(other->GetCellGraphic(2, 5)->CellContent())->Width(), 7);
    ASSERT_EQ(other->hooks.size(), 1u);
    EXPECT_EQ(other->hooks[0].origin, (TGridCoord{-1, -1})) << "from another grid";
    EXPECT_EQ(other->hooks[0].range, (TGridRect{0, 3, 2, 5}));

    grid->hooks.clear();
    Select(0, 5, 0, 5);
    grid->PasteFromClipboard();
    ASSERT_EQ(grid->hooks.size(), 1u);
    EXPECT_EQ(grid->hooks[0].origin, (TGridCoord{1, 1})) << "from this grid: the copy origin";
}

TEST_F(ClipboardTest, MalformedCellBlocksAreRefusedBeforeTheGridChanges) {
    grid->Navigation()->SetAllowFmtClipboard(true);
    grid->SetCells(1, 1, "a");
    grid->SetCells(2, 1, "b");
    Select(1, 1, 2, 1);
    grid->CopySelection();
    Clipboard()->Open();
    const HGLOBAL block = Clipboard()->GetAsHandle(CellsClipboardFormat());
    const AnsiString good(static_cast<const char*>(GlobalLock(block)), GlobalSize(block));
    GlobalUnlock(block);
    Clipboard()->Close();

    auto paste = [&](const AnsiString& data) {
        const HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, data.size());
        std::copy(data.begin(), data.end(), static_cast<char*>(GlobalLock(copy)));
        GlobalUnlock(copy);
        Clipboard()->Open();
        Clipboard()->Clear();
        Clipboard()->SetAsHandle(CellsClipboardFormat(), copy);
        Clipboard()->Close();
        grid->PasteClipboardAt(3, 4);
    };
    AnsiString badCount = good;
    const std::size_t count = badCount.find("ColCount");
    ASSERT_NE(count, AnsiString::npos);
    badCount[count + 9] = char(0xFF);  // the count's type byte
    const std::vector<AnsiString> malformed = {good.substr(0, good.size() - 7), good.substr(0, 12), badCount,
                                               AnsiString(40, '\xFF')};
    for (const AnsiString& data : malformed) {
        EXPECT_THROW(paste(data), EStreamError);
        EXPECT_EQ(grid->Cells(3, 4), "");
    }
    paste(good);
    EXPECT_EQ(grid->Cells(4, 4), "b");
}

}  // namespace
