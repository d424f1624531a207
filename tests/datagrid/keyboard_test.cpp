// The grid's keys: moving records and columns, Tab and Enter as Tab,
// appending and cancelling at the end, deleting with a question, the find
// key, and the incremental search with its time-out.
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "platform/rtl/clock.h"
#include "platform/rtl/datetime.h"
#include "support/temp_dir.h"
#include "tests/datagrid/list_grid_fixture.h"
#include "tests/platform/win/window_fixture.h"

namespace {

// Keys go to the focused grid with the modifiers held as a user holds them.
void Chord(std::initializer_list<int> modifiers, int vk, const AnsiString& text = AnsiString()) {
    for (int m : modifiers) SimulateKey(m, true);
    Key(vk, text);
    for (int m : modifiers) SimulateKey(m, false);
    ProcessMessages();
}

class KeyboardTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        names_ = std::make_unique<TMemoryDataSet>(nullptr);
        names_->AddColumn("品牌", ftString, 20);
        names_->AddColumn("数量", ftInteger);
        names_->AddColumn("备注", ftString, 20);
        for (const char* name : {"Banana", "apple", "Abacus", "cherry", "aBd", "诺基亚"})
            names_->AddRow({name, 1, "x"});
        names_->Open();
        names_->First();
        source_->SetDataSet(names_.get());
        grid_ = NewShownGrid(400, 200, [this](TProbeGrid* grid) { grid->SetDataSource(source_.get()); });
        grid_->SetFocus();
        ProcessMessages();
    }
    void TearDown() override {
        GridTest::TearDown();
        names_.reset();
    }
    AnsiString Current() { return names_->FieldByName("品牌")->AsString(); }
    // How many pixels of the current cell show the search highlight.
    int HighlightedPixels() {
        ProcessMessages();
        const TRect cell = grid_->CellRect(grid_->Col(), grid_->Row());
        POINT origin{cell.left, cell.top};
        ClientToScreen(grid_->Handle(), &origin);
        RECT window{};
        GetWindowRect(grid_->Handle(), &window);
        int count = 0;
        for (int y = 0; y < cell.bottom - cell.top; ++y)
            for (int x = 0; x < cell.right - cell.left; ++x)
                if (ShownPixel(grid_->Handle(), origin.x - window.left + x, origin.y - window.top + y) ==
                    ColorToRGB(DBGridVynKeySettings().IncSearchColor))
                    ++count;
        return count;
    }

    std::unique_ptr<TMemoryDataSet> names_;
    TProbeGrid* grid_ = nullptr;
};

TEST_F(KeyboardTest, TypedLettersSearchTheReadOnlyColumnUntilTheTimeOut) {
    FrozenClockScope clock(EncodeDate(2026, 12, 10));
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghIncSearch});
    grid_->SetReadOnly(true);
    Key('A', "a");
    EXPECT_EQ(Current(), "apple");
    Key('B', "b");
    EXPECT_EQ(Current(), "Abacus");
    EXPECT_EQ(grid_->IncSearchText(), "Ab");  // the record's letters
    EXPECT_GT(HighlightedPixels(), 20);
    SaveWindowScreenshot(grid_->Handle(), ScreenshotDir() + "dbgrid_incsearch.png");
    Key('X', "x");                            // matches nothing: prefix and record stay
    EXPECT_EQ(Current(), "Abacus");
    EXPECT_EQ(grid_->IncSearchText(), "Ab");
    Chord({VK_CONTROL}, VK_RETURN);
    EXPECT_EQ(Current(), "aBd");
    Chord({VK_CONTROL}, VK_RETURN);  // no further match below
    EXPECT_EQ(Current(), "aBd");
    Chord({VK_CONTROL, VK_SHIFT}, VK_RETURN);
    EXPECT_EQ(Current(), "Abacus");
    AdvanceClock(1499);
    ProcessMessages();
    EXPECT_TRUE(grid_->IncSearchActive());
    AdvanceClock(1);
    ProcessMessages();
    EXPECT_FALSE(grid_->IncSearchActive());
    EXPECT_EQ(grid_->IncSearchText(), "");
    EXPECT_EQ(HighlightedPixels(), 0);
}

TEST_F(KeyboardTest, ADoubleByteCharacterJoinsTheSearchOnce) {
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghIncSearch});
    grid_->SetReadOnly(true);
    int presses = 0;
    grid_->SetOnKeyPress(TKeyPressEvent([&](TObject*, char&) { ++presses; }));
    SimulateTyping("诺");
    ProcessMessages();
    EXPECT_EQ(Current(), "诺基亚");
    EXPECT_EQ(grid_->IncSearchText(), "诺");
    EXPECT_EQ(presses, 1);
}

TEST_F(KeyboardTest, TabWrapsIntoTheNextAndPreviousRecordWithAndWithoutIndicator) {
    for (bool indicator : {true, false}) {
        if (!indicator) grid_->SetOptions(grid_->Options() - TDBGridOptions{dgIndicator});
        const int first = grid_->IndicatorOffset();
        names_->SetRecNo(2);
        grid_->MoveToColumn(first + 2, 0, false);
        Key(VK_TAB);
        EXPECT_EQ(names_->RecNo(), 3);
        EXPECT_EQ(grid_->Col(), first);
        Chord({VK_SHIFT}, VK_TAB);
        EXPECT_EQ(names_->RecNo(), 2);
        EXPECT_EQ(grid_->Col(), first + 2);
    }
}

TEST_F(KeyboardTest, EnterAsTabMovesLikeTab) {
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghEnterAsTab});
    grid_->MoveToColumn(grid_->IndicatorOffset() + 2, 0, false);
    Key(VK_RETURN);
    EXPECT_EQ(names_->RecNo(), 2);
    EXPECT_EQ(grid_->Col(), grid_->IndicatorOffset());
    Chord({VK_SHIFT}, VK_RETURN);
    EXPECT_EQ(names_->RecNo(), 1);
    EXPECT_EQ(grid_->Col(), grid_->IndicatorOffset() + 2);
}

TEST_F(KeyboardTest, DownAtTheEndAppendsAndUpCancelsTheUntouchedRecord) {
    names_->Last();
    Key(VK_DOWN);
    EXPECT_EQ(names_->State(), dsInsert);
    Key(VK_UP);
    EXPECT_EQ(names_->State(), dsBrowse);
    EXPECT_EQ(names_->RecordCount(), 6);
    grid_->SetAllowedOperations(grid_->AllowedOperations() - TDBGridVynAllowedOperations{alopAppendVyn});
    Key(VK_DOWN);
    EXPECT_EQ(names_->State(), dsBrowse);
}

TEST_F(KeyboardTest, CtrlDeleteAsksAboutTheSelectedRowsAndCancelDeletesNothing) {
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect});
    for (int recNo : {1, 2, 3}) {
        names_->SetRecNo(recNo);
        grid_->SelectedRows()->SetCurrentRowMarked(true);
    }
    PushModalAnswer({mrCancel});
    Chord({VK_CONTROL}, VK_DELETE);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_EQ(ModalQuestions()[0].text, "Delete all selected records?");
    EXPECT_EQ(names_->RecordCount(), 6);
    EXPECT_EQ(grid_->SelectedRows()->Count(), 3);
    grid_->SelectedRows()->ClearAll();
    PushModalAnswer({mrOk});
    Chord({VK_CONTROL}, VK_DELETE);
    EXPECT_EQ(ModalQuestions().back().text, "Delete record?");
    EXPECT_EQ(names_->RecordCount(), 5);
}

TEST_F(KeyboardTest, ShiftMovesSelectRowsAndMovingBackUnselects) {
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect, dgRowSelect});
    Chord({VK_SHIFT}, VK_DOWN);
    Chord({VK_SHIFT}, VK_DOWN);
    EXPECT_EQ(grid_->SelectedRows()->Count(), 3);
    Chord({VK_SHIFT}, VK_UP);
    EXPECT_EQ(grid_->SelectedRows()->Count(), 2);
    EXPECT_EQ(grid_->Selection()->Kind(), gstRecordBookmarks);
    Key(VK_DOWN);  // a plain move clears under dghClearSelection
    EXPECT_EQ(grid_->SelectedRows()->Count(), 0);
}

TEST_F(KeyboardTest, ShiftArrowsSpanARectangle) {
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgMultiSelect});
    Chord({VK_SHIFT}, VK_RIGHT);
    Chord({VK_SHIFT}, VK_DOWN);
    EXPECT_EQ(grid_->Selection()->Kind(), gstRectangle);
    EXPECT_TRUE(grid_->Selection()->ContainsCell(0, names_->Bookmark()));
    Chord({VK_CONTROL}, 'A');  // select-all wants geaSelectAllVyn
    EXPECT_EQ(grid_->Selection()->Kind(), gstRectangle);
    grid_->SetEditActions({geaSelectAllVyn});
    Chord({VK_CONTROL}, 'A');
    EXPECT_EQ(grid_->Selection()->Kind(), gstAll);
}

using ListKeyboardTest = ListGridTest;

TEST_F(ListKeyboardTest, TheListGridsKeysReachOnKeyDownMoveRecordsAndOpenTheFindDialog) {
    grid_->SetReadOnly(true);
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgRowSelect} - TDBGridOptions{dgEditing});
    std::vector<Word> seen;
    grid_->SetOnKeyDown(TKeyEvent([&](TObject*, Word& key, TShiftState) { seen.push_back(key); }));
    Key(VK_RETURN);
    EXPECT_EQ(seen, (std::vector<Word>{VK_RETURN}));
    Key(VK_DOWN);
    EXPECT_EQ(query_->RecNo(), 2);
    Key(VK_DOWN);
    Key(VK_DOWN);  // read-only: nothing appended
    EXPECT_EQ(query_->RecNo(), 3);
    EXPECT_EQ(query_->State(), dsBrowse);
    Chord({VK_CONTROL}, VK_HOME);
    EXPECT_EQ(query_->RecNo(), 1);

    TCustomDBGridVyn* asked = nullptr;
    bool modal = false;
    const TDBGridVynFindDialogProc installed = DBGridVynFindDialogHook();
    DBGridVynFindDialogHook() = [&](TCustomDBGridVyn* grid, const AnsiString&, const AnsiString&, bool isModal,
                                    const TDBGridVynFindColumns&) {
        asked = grid;
        modal = isModal;
    };
    Chord({VK_CONTROL}, 'F');
    DBGridVynFindDialogHook() = installed;
    EXPECT_EQ(asked, grid_);
    EXPECT_TRUE(modal);
}

}  // namespace
