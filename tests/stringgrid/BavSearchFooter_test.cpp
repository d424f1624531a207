// The search footer: its options applied to the panel, the automatic
// search with its red edit, find next and previous from the last match,
// highlighting that survives its own tags, closing, and copying options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavSearchFooter.h"

namespace {

class SearchFooterTest : public ShownGridTest {
protected:
    void SetUp() override {
        ShownGridTest::SetUp();
        grid->SearchFooter()->SetVisible(true);
        ProcessMessages();
        panel = grid->SearchPanel();
    }
    void Type(const AnsiString& text) {
        panel->SearchEdit()->SetText(text);
        ProcessMessages();
    }
    // A press and release in the middle of one of the panel's buttons.
    void Click(TControl* button) {
        const int x = button->Left() + button->Width() / 2, y = button->Top() + button->Height() / 2;
        SendMessage(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessage(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        ProcessMessages();
    }
    TSearchPanel* panel = nullptr;
};

TEST_F(SearchFooterTest, TheOptionsShapeThePanel) {
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Height(), 32);
    EXPECT_EQ(panel->Top(), grid->ClientHeight()) << "the cells end where the panel begins";
    EXPECT_EQ(panel->FindNextButton()->Caption(), "Find next");
    EXPECT_EQ(panel->FindPrevButton()->Hint(), "Find previous occurence");
    EXPECT_FALSE(panel->FindNextButton()->Enabled());
    grid->SearchFooter()->SetFindPrevCaption("上一个");
    EXPECT_EQ(panel->FindPrevButton()->Width(), 90);
    EXPECT_EQ(panel->HighlightButton()->Left(), 330);
    EXPECT_EQ(panel->MatchCaseBox()->Left(), 425);
    grid->SearchFooter()->SetShowHighLight(false);
    EXPECT_FALSE(panel->HighlightButton()->Visible());
    EXPECT_EQ(panel->HighlightButton()->Height(), 0);
    EXPECT_EQ(panel->MatchCaseBox()->Left(), 330);
    grid->SearchFooter()->SetShowHighLight(true);
    grid->SearchFooter()->SetHintClose("");
    EXPECT_FALSE(panel->CloseButton()->ShowHint());
    grid->SearchFooter()->SetFindNextCaption("下一个");
    EXPECT_EQ(panel->FindNextButton()->Caption(), "下一个");
    Click(panel->CloseButton());
    EXPECT_FALSE(grid->SearchFooter()->Visible());
    EXPECT_EQ(panel->Height(), 0);
}

// The gradient shows behind the match-case box's caption as beside it.
TEST_F(SearchFooterTest, TheMatchCaseBoxShowsThePanelsGradient) {
    grid->SetWidth(580);
    panel->SetColorTo(clBtnFace);
    panel->Invalidate();
    ProcessMessages();
    const HBITMAP shot = CaptureWindow(panel->Handle());
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    const TControl* box = panel->MatchCaseBox();
    const int right = box->Left() + box->Width() - 2;
    for (const int y : {box->Top() + 1, box->Top() + box->Height() - 2}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(GetPixel(dc, right, y), GetPixel(dc, box->Left() - 2, y));
    }
    EXPECT_NE(GetPixel(dc, right, box->Top() + 1), GetPixel(dc, right, box->Top() + box->Height() - 2))
        << "a gradient, not one colour";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
}

// A caption wider than the button's 90 pixels widens it, and what follows
// moves along so that nothing overlaps.
TEST_F(SearchFooterTest, AButtonGrowsToItsCaption) {
    grid->SearchFooter()->SetFindPrevCaption("Find the previous occurrence");
    TBavGridButton* prev = panel->FindPrevButton();
    TBitmap measure;
    measure.Canvas()->Font()->Assign(panel->Font());
    const int text = measure.Canvas()->TextWidth(prev->Caption());
    EXPECT_GE(prev->Width(), prev->Glyph()->Width() + prev->Spacing() + text);
    EXPECT_EQ(prev->Left(), 235);
    EXPECT_EQ(panel->HighlightButton()->Left(), prev->Left() + prev->Width() + 5);
    EXPECT_EQ(panel->MatchCaseBox()->Left(), panel->HighlightButton()->Left() + 95);
    grid->SearchFooter()->SetFindPrevCaption("Prev");
    EXPECT_EQ(prev->Width(), 90);
    EXPECT_EQ(panel->MatchCaseBox()->Left(), 425);
}

TEST_F(SearchFooterTest, TypingSearchesAndPaintsTheEditRedWhenNothingMatches) {
    Type("2:3");
    EXPECT_TRUE(panel->FindNextButton()->Enabled());
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(panel->SearchEdit()->Color(), clWindow);
    Type("zz");
    EXPECT_EQ(panel->SearchEdit()->Color(), clRed);
    EXPECT_EQ(grid->LastFoundCell().X, -1);
    Type("");
    EXPECT_EQ(panel->SearchEdit()->Color(), clWindow);
    EXPECT_FALSE(panel->HighlightButton()->Enabled());
    // The match-case box takes part in the automatic search.
    grid->SetCells(3, 4, "Case");
    panel->MatchCaseBox()->SetChecked(true);
    Type("case");
    EXPECT_EQ(panel->SearchEdit()->Color(), clRed);
    grid->SearchFooter()->SetSearchColumn(3);
    Type("Case");
    EXPECT_EQ(grid->Col(), 3);
}

TEST_F(SearchFooterTest, FindNextAfterTheLastMatchStartsAgain) {
    grid->SearchFooter()->SetAutoSearch(false);
    Type("1:");
    std::vector<int> rows;
    for (int i = 0; i < 6; ++i) {
        Click(panel->FindNextButton());
        rows.push_back(grid->LastFoundCell().Y);
    }
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, 4, -1, 1}));
    EXPECT_EQ(grid->Row(), 1);
    Click(panel->FindNextButton());
    Click(panel->FindPrevButton());
    EXPECT_EQ(grid->LastFoundCell().Y, 1);
    // A changed text starts from the first cell again.
    Type("3:");
    Click(panel->FindNextButton());
    EXPECT_EQ(grid->LastFoundCell().X, 3);
    EXPECT_EQ(grid->LastFoundCell().Y, 1);
}

TEST_F(SearchFooterTest, HighlightingIgnoresItsOwnTags) {
    Type("2:");
    Click(panel->HighlightButton());
    EXPECT_TRUE(panel->HighlightButton()->Down());
    EXPECT_NE(grid->Cells(2, 1).find("<hi>"), AnsiString::npos);
    Type("2:4");
    EXPECT_EQ(panel->SearchEdit()->Color(), clWindow);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_NE(grid->Cells(2, 4).find("<hi>"), AnsiString::npos);
    EXPECT_EQ(grid->Cells(2, 1), "2:1");
    Click(panel->HighlightButton());
    EXPECT_FALSE(panel->HighlightButton()->Down());
    EXPECT_EQ(grid->Cells(2, 4), "2:4");
}

TEST_F(SearchFooterTest, AssignCopiesAllButAutoSearchWithoutChangeEvents) {
    TSearchFooter source;
    source.SetAutoSearch(false);
    source.SetSearchColumn(2);
    source.SetMatchCaseCaption("区分大小写");
    source.SetVisible(false);
    int changes = 0;
    TSearchFooter target;
    target.SetOnChange([&](TObject*) { ++changes; });
    target.Assign(&source);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(target.AutoSearch());
    EXPECT_EQ(target.SearchColumn(), 2);
    EXPECT_EQ(target.MatchCaseCaption(), "区分大小写");
    TFont font;
    target.Assign(&font);
    EXPECT_EQ(target.SearchColumn(), 2);
    target.SetShowClose(true);
    target.SetShowFindNext(true);
    EXPECT_EQ(changes, 1);
}

// Whatever a find selects is shown above the panel, not under it.
TEST_F(SearchFooterTest, AFoundCellIsShownAboveThePanel) {
    grid->SetRowCount(40);
    for (int r = 1; r < 40; ++r) grid->SetCells(1, r, "row" + std::to_string(r) + ";");
    auto shownAbovePanel = [&] {
        const TRect cell = grid->CellRect(grid->Col(), grid->Row());
        return cell.bottom > cell.top && cell.bottom <= panel->Top();
    };
    for (int r = 1; r < 40; ++r) {
        Type("row" + std::to_string(r) + ";");
        ASSERT_EQ(grid->Row(), r);
        EXPECT_TRUE(shownAbovePanel()) << "typed, row " << r;
    }
    grid->SearchFooter()->SetAutoSearch(false);
    Type("row");
    for (int r = 1; r < 40; ++r) {
        Click(panel->FindNextButton());
        ASSERT_EQ(grid->Row(), r);
        EXPECT_TRUE(shownAbovePanel()) << "find next, row " << r;
    }
    for (int r = 38; r >= 1; --r) {
        Click(panel->FindPrevButton());
        ASSERT_EQ(grid->Row(), r);
        EXPECT_TRUE(shownAbovePanel()) << "find previous, row " << r;
    }
}

}  // namespace
