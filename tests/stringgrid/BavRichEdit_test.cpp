// The grid's rich edits: the measuring one keeps its content's size, the
// editing one grows the current row only while the cell still fits.
#include "stringgrid/BavRichEdit.h"

#include "grid_fixture.h"
#include "platform/rtl/streams.h"
#include "platform/win/testseams.h"

namespace {

using GridRichEditTest = StringGridTest;

void Load(TBavRichEdit* edit, const std::string& rtf) {
    TStringStream stream(rtf);
    edit->Lines()->LoadFromStream(&stream);
}

TEST_F(GridRichEditTest, TheMeasuringEditKeepsTheRequestedSize) {
    grid->HandleNeeded();
    TBavRichEdit* measuring = grid->MeasuringRichEdit();
    ASSERT_EQ(measuring->Parent(), grid);
    Load(measuring, "{\\rtf1\\fs20 one\\par two\\par}");
    SendMessage(measuring->Handle(), EM_REQUESTRESIZE, 0, 0);
    EXPECT_GT(measuring->RequiredHeight(), 0);
    const int twoLines = measuring->RequiredHeight();
    Load(measuring, "{\\rtf1\\fs20 one\\par}");
    SendMessage(measuring->Handle(), EM_REQUESTRESIZE, 0, 0);
    EXPECT_EQ(measuring->RequiredHeight() * 2, twoLines);
}

TEST_F(GridRichEditTest, TheEditingEditGrowsTheRowWhileItFits) {
    grid->HandleNeeded();
    grid->SizeWhileTyping()->SetHeight(true);
    TBavRichEdit* editing = grid->EditingRichEdit();
    editing->SetParent(grid);
    std::vector<int> sized;
    grid->SetOnEndRowSize([&](TObject*, int row) { sized.push_back(row); });
    grid->SetRow(2);
    Load(editing, "{\\rtf1\\fs20 a\\par b\\par c\\par}");
    SendMessage(editing->Handle(), EM_REQUESTRESIZE, 0, 0);
    EXPECT_GT(grid->RowHeights(2), 21);
    EXPECT_EQ(sized, std::vector<int>{2});
    const int grown = grid->RowHeights(2);

    editing->Lock();
    Load(editing, "{\\rtf1\\fs20 a\\par b\\par c\\par d\\par e\\par}");
    SendMessage(editing->Handle(), EM_REQUESTRESIZE, 0, 0);
    EXPECT_EQ(grid->RowHeights(2), grown) << "locked";
    editing->Unlock();
    grid->SetHeight(60);
    SendMessage(editing->Handle(), EM_REQUESTRESIZE, 0, 0);
    EXPECT_EQ(grid->RowHeights(2), grown) << "the grown cell would not fit";
}

}  // namespace

class RichEditEditorTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(3);
        grid->SetCells(1, 1, "{\\rtf1{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 bold {\\b word}\\par}");
        EditAs(edRichEdit);
        grid->FocusCell(1, 1, true);
        ProcessMessages();
    }
};

// An edRichEdit cell opens the editing rich edit over the cell with the
// cell's rich text, a typed letter arrives in it, and the grid taking the
// focus stores the edited content as rich text.
TEST_F(RichEditEditorTest, OpensOverTheCellAndStoresRichTextWhenTheGridTakesTheFocus) {
    grid->Navigation()->SetEditSelectAll(false);
    SimulateTyping("x");
    ProcessMessages();
    TBavRichEdit* rich = grid->EditingRichEdit();
    ASSERT_TRUE(rich->Visible());
    EXPECT_EQ(rich->Parent(), grid);
    const TRect cell = grid->CellRect(1, 1);
    EXPECT_EQ(rich->BoundsRect(), TRect(cell.left, cell.top, cell.right - 1, cell.bottom - 1));
    EXPECT_EQ(rich->BorderStyle(), bsNone);
    EXPECT_FALSE(rich->HideSelection());
    EXPECT_EQ(rich->Text(), "xbold word");
    TRect format;
    SendMessage(rich->Handle(), EM_GETRECT, 0, LPARAM(&format));
    EXPECT_EQ(format, TRect(2, 2, cell.right - cell.left - 2, cell.bottom - cell.top - 2));

    grid->SetFocus();
    ProcessMessages();
    EXPECT_FALSE(rich->Visible());
    EXPECT_FALSE(grid->EditorActive());
    const AnsiString stored = grid->Cells(1, 1);
    EXPECT_EQ(stored.substr(0, 5), "{\\rtf");
    EXPECT_NE(stored.find("xbold"), AnsiString::npos);
    EXPECT_NE(stored.find("\\b"), AnsiString::npos) << "the bold word keeps its format";
}

TEST_F(RichEditEditorTest, SelectsEverythingWithEditSelectAll) {
    grid->Navigation()->SetEditSelectAll(true);
    Key(VK_F2);
    TBavRichEdit* rich = grid->EditingRichEdit();
    ASSERT_TRUE(rich->Visible());
    EXPECT_EQ(rich->SelStart(), 0);
    EXPECT_EQ(rich->SelLength(), int(rich->Text().size()));
}
