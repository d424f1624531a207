// The grid's rich edits: the measuring one keeps its content's size, the
// editing one grows the current row only while the cell still fits.
#include "stringgrid/BavRichEdit.h"

#include "grid_fixture.h"
#include "platform/rtl/streams.h"

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
