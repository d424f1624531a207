// The in-place editor as the user sees it: in an ellipsis cell with two
// extra buttons and in an up-down cell with an image, on 3-D and flat grids.
#include "support/temp_dir.h"
#include "tests/datagrid/editable_grid_fixture.h"
#include "tests/platform/win/window_fixture.h"

namespace {

using EditorPictureTest = EditableGridTest;

TEST_F(EditorPictureTest, EllipsisAndUpDownCellsFlatAnd3D) {
    TForm* form = NewForm(560, 220);
    form->SetCaption("编辑器");
    std::vector<TEditGrid*> grids;
    for (int i = 0; i < 4; ++i) {
        const bool flat = i >= 2;
        TEditGrid* grid = Place<TEditGrid>(form, (i % 2) * 275, (i / 2) * 95, 270, 90);
        grid->SetFlat(flat);
        for (EditColumn index : {kNumber, kRemark, kQuantity}) {
            TColumnVyn* column = grid->Columns()->Add();
            column->Assign(Col(index));
            column->SetWidth(index == kNumber ? 50 : 95);
        }
        grid->SetDataSource(&source_);
        grids.push_back(grid);
    }
    form->Show();
    ProcessMessages();
    for (int i = 0; i < 4; ++i) {
        TEditGrid* grid = grids[static_cast<std::size_t>(i)];
        grid->SetSelectedIndex(i % 2 == 0 ? 1 : 2);
        grid->ShowEditor();
    }
    ProcessMessages();
    for (int i = 0; i < 4; ++i) {
        TDBGridInplaceEdit* editor = grids[static_cast<std::size_t>(i)]->DBInplaceEditor();
        ASSERT_TRUE(editor && editor->Visible()) << i;
        EXPECT_EQ(editor->EditButtonControls().size(), i % 2 == 0 ? 3u : 1u);
        EXPECT_EQ(editor->EditStyle(), i % 2 == 0 ? iesEllipsis : iesUpDown);
        EXPECT_EQ(editor->ImageIndex(), i % 2 == 0 ? -1 : 1);
        // The text ends before the buttons and starts after the image.
        EXPECT_LE(editor->TextArea().right, editor->Width() - editor->ButtonsWidth());
        if (i % 2 == 1) {
            EXPECT_GE(editor->TextArea().left, images_.Width() + 5);
        }
    }
    EXPECT_TRUE(SaveWindowScreenshot(form->Handle(), ScreenshotDir() + "dbgrid-editor.png"));
}

}  // namespace
