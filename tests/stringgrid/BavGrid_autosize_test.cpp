// Sizing columns and rows to their content: the font a cell is measured in
// comes from the grid's or the fixed font, the colour hook and the zoom level.
#include "grid_fixture.h"

namespace {

struct FontCase {
    const char* name;
    bool boldFromHook;
    int sizeFromHook;  // 0: unchanged
    int zoomSteps;
    bool wider;         // than the plain measurement
};

class AutoSizeTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(3);
        grid->SetRowCount(4);
        grid->SetCells(1, 2, "Measured cell text");
        form->Show();
        ProcessMessages();
    }
};

}  // namespace

TEST_F(AutoSizeTest, TheHookFontAndTheZoomWidenTheColumnAndHeightenTheRow) {
    grid->AutoSizeColumnEx(1, false);
    grid->AutoSizeRow(2, false);
    const int plainWidth = grid->ColWidths(1), plainHeight = grid->RowHeights(2);
    const FontCase cases[] = {
        {"bold from the hook", true, 0, 0, true},
        {"bigger from the hook", false, 16, 0, true},
        {"zoomed in", false, 0, 6, true},
        {"zoomed out", false, 0, -4, false},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.name);
        grid->SetOnGetCellColor([&](TObject*, int, int, TGridDrawState, TBrush*, TFont* font) {
            if (c.boldFromHook) font->SetStyle(TFontStyles{fsBold});
            if (c.sizeFromHook) font->SetSize(c.sizeFromHook);
        });
        grid->Zoom(c.zoomSteps);
        grid->AutoSizeColumnEx(1, false);
        grid->AutoSizeRow(2, false);
        if (c.wider) {
            EXPECT_GT(grid->ColWidths(1), plainWidth);
            EXPECT_GE(grid->RowHeights(2), plainHeight);
        } else {
            EXPECT_LT(grid->ColWidths(1), plainWidth);
            EXPECT_LE(grid->RowHeights(2), plainHeight);
        }
        grid->Zoom(-c.zoomSteps);
    }
}

// A radio group is measured in the canvas font that auto-sizing sets.
TEST_F(AutoSizeTest, ARadioGroupGrowsWithTheZoom) {
    auto* items = new TStringList;
    items->SetCommaText("first,second,third");
    TCellGraphic* radio = grid->CreateCellGraphic(2, 1);
    radio->SetCellType(ctRadio);
    radio->SetCellContent(items);
    radio->SetCellCreated(true);
    radio->SetCellBoolean(true);
    grid->AutoSizeColumnEx(2, false);
    const int plain = grid->ColWidths(2);
    grid->Zoom(8);
    grid->AutoSizeColumnEx(2, false);
    EXPECT_GT(grid->ColWidths(2), plain + 8);
}

// When a taller row pushes rows out of view, the open editor is shown again
// over the taller cell with the caret at the end of its text.
TEST_F(AutoSizeTest, ATallerRowShowsTheOpenEditorAgain) {
    grid->SetRowCount(20);
    TGridOptions options = grid->Options();
    options.Include(goEditing);
    grid->SetOptions(options);
    grid->SizeWhileTyping()->SetHeight(true);
    grid->SetFocus();
    grid->SetCol(1);
    grid->SetRow(2);
    grid->ShowCellEditor();
    ProcessMessages();
    ASSERT_TRUE(grid->EditorMode());
    TInplaceEdit* editor = grid->InplaceEditor();
    editor->SetSelStart(0);
    grid->SetOnGetCellColor([](TObject*, int, int, TGridDrawState, TBrush*, TFont* font) { font->SetSize(40); });
    grid->AutoSizeRow(2, false);
    EXPECT_GT(editor->Height(), grid->DefaultRowHeight());
    EXPECT_EQ(editor->SelStart(), int(editor->Text().size()));
}

namespace {

class OpenEditorMeasureTest : public EditingGridTest {};

}  // namespace

// A text ending in a line feed shows an empty last line in an open Unicode
// editor; the current cell is measured with a letter on that line, so a
// lone line feed gets a width and a second line. Other cells, and the cell
// under a plain editor, are measured as the text alone.
TEST_F(OpenEditorMeasureTest, AnOpenUnicodeEditorCountsTheEmptyLastLine) {
    grid->SetDefaultRowHeight(60);
    for (int row = 1; row <= 2; ++row) grid->SetCells(1, row, "\n");
    const TSize closed = grid->GetCellTextExtent(1, 1, true);
    for (TEditorType type : {edNormal, edUniMemo}) {
        SCOPED_TRACE(int(type));
        EditAs(type);
        grid->FocusCell(1, 1, true);
        Key(VK_F2);
        ASSERT_TRUE(grid->EditorActive());
        const TSize open = grid->GetCellTextExtent(1, 1, true);
        if (type == edUniMemo) {
            EXPECT_GT(open.cx, closed.cx);
            EXPECT_GT(open.cy, closed.cy);
        } else {
            EXPECT_EQ(open, closed);
        }
        EXPECT_EQ(grid->GetCellTextExtent(1, 2, true).cx, closed.cx);
        Key(VK_ESCAPE);
        ProcessMessages();
    }
}
