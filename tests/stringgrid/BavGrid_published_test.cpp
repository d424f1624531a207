// The string grid's published interface: a form description written from a
// grid with changed properties reads back into a new grid that writes the
// same description; values equal to their defaults are not written.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/rtl/writer.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavOptions.h"
#include "stringgrid/BavSearchFooter.h"

namespace {

class PublishedTest : public StringGridTest {};

TEST_F(PublishedTest, AWrittenGridReadsBackEqual) {
    form->SetName("GridForm");
    grid->SetName("Grid");
    grid->SetLook(glSoft);
    grid->SetFlat(true);
    grid->Bands()->SetActive(true);
    grid->FloatingFooter()->SetColumn(2);
    grid->SearchFooter()->SetVisible(true);
    grid->SearchFooter()->SetFindNextCaption("下一个");
    grid->SearchFooter()->SetSearchColumn(1);
    grid->SearchFooter()->SetShowHighLight(false);
    grid->SearchFooter()->Font()->SetSize(11);
    grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    grid->SortSettings()->SetShow(true);
    grid->ColumnHeaders()->SetCommaText("型号,状态");
    const std::string written = ComponentToText(form);
    for (const char* line : {"SearchFooter.FindNextCaption", "SearchFooter.SearchColumn = 1",
                             "SearchFooter.ShowHighLight = False", "SearchFooter.Visible = True",
                             "MouseActions.FixedRowsEdit = fceDblClick", "Look = glSoft"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;

    form->SetName("Original");
    TForm* copyForm = NewForm(600, 400);
    ReadComponentFromString(written, copyForm);
    EXPECT_EQ(ComponentToText(copyForm), written);
    auto* copy = dynamic_cast<TBavStringGrid*>(copyForm->FindComponent("Grid"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->SearchFooter()->FindNextCaption(), "下一个");
    EXPECT_EQ(copy->SearchPanel()->Height(), 32);
    EXPECT_FALSE(copy->SearchPanel()->HighlightButton()->Visible());
    EXPECT_EQ(copy->SearchFooter()->Font()->Size(), 11);
}

TEST_F(PublishedTest, DefaultsAreNotWritten) {
    form->SetName("GridForm");
    grid->SetName("Grid");
    const std::string written = ComponentToText(form);
    for (const char* name : {"SearchFooter.AutoSearch", "SearchFooter.Visible", "SearchFooter.SearchColumn",
                             "SearchFooter.Color ", "Look =", "Flat =", "MouseActions.FixedRowsEdit"})
        EXPECT_EQ(written.find(name), std::string::npos) << name << "\n" << written;
}

}  // namespace
