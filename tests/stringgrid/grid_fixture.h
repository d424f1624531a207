// A string grid on a fresh form, for the grid's tests.
#pragma once

#include <string>

#include "platform/ui/control_fixture.h"
#include "stringgrid/BavGrid.h"

class StringGridTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(600, 400);
        grid = new TBavStringGrid(form);
        grid->SetParent(form);
    }
    TForm* form = nullptr;
    TBavStringGrid* grid = nullptr;
};

// A shown, focused grid of four columns and five rows, cell (c, r) holding
// "c:r", for the tests driven by synthetic input.
class ShownGridTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c) grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        form->Show();
        grid->SetFocus();
        ProcessMessages();
    }
};

// Three columns of `rows` rows, column 1 of row r holding "r<r>" and row r
// r + 20 pixels high.
inline void FillNumberedRows(TBavStringGrid* grid, int rows) {
    grid->SetColCount(3);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        grid->SetCells(1, r, "r" + std::to_string(r));
        grid->SetRowHeights(r, 20 + r);
    }
}

// A shown, focused grid that edits its cells, for the editor tests.
class EditingGridTest : public StringGridTest {
protected:
    void SetUp() override {
        StringGridTest::SetUp();
        grid->SetBounds(0, 0, 500, 300);
        TGridOptions options = grid->Options();
        options.Include(goEditing);
        grid->SetOptions(options);
        form->Show();
        grid->SetFocus();
        ProcessMessages();
    }
    // Every cell edits with `type`.
    void EditAs(TEditorType type) {
        grid->SetOnGetEditorType([type](TObject*, int, int, TEditorType& editor) { editor = type; });
    }
};
