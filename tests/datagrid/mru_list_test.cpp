// The most-recently-used list: remembering, the limit, filtering by the
// typed text and giving way to a waiting key, and a column remembering the
// texts it writes.
#include "platform/win/msgqueue.h"
#include "tests/datagrid/list_grid_fixture.h"

namespace {

std::vector<AnsiString> Lines(TStrings* strings) {
    std::vector<AnsiString> lines;
    for (int i = 0; i < strings->Count(); ++i) lines.push_back(strings->Strings(i));
    return lines;
}

}  // namespace

TEST(MRUList, RemembersTheMostRecentLastWithinItsLimit) {
    TMRUListVyn list(nullptr);
    for (const char* text : {"abc", "Def", "  ", "ghi", "abc"}) list.RememberText(text);
    EXPECT_EQ(Lines(list.Items()), (std::vector<AnsiString>{"Def", "ghi", "abc"}));
    list.RememberText("DEF");  // another letter case: the known spelling moves
    EXPECT_EQ(Lines(list.Items()), (std::vector<AnsiString>{"ghi", "abc", "Def"}));
    list.SetCaseSensitive(true);
    list.RememberText("DEF");
    EXPECT_EQ(Lines(list.Items()), (std::vector<AnsiString>{"ghi", "abc", "Def", "DEF"}));
    list.RememberText("j ");
    list.SetLimit(3);
    EXPECT_EQ(Lines(list.Items()), (std::vector<AnsiString>{"Def", "DEF", "j "}));
    list.RememberText("k");
    EXPECT_EQ(Lines(list.Items()), (std::vector<AnsiString>{"DEF", "j ", "k"}));

    TMRUListVyn copy(nullptr);
    copy.SetAutoAdd(false);
    copy.Assign(&list);
    EXPECT_FALSE(copy.AutoAdd());
    EXPECT_TRUE(copy.CaseSensitive());
    EXPECT_EQ(copy.Limit(), 3);
    EXPECT_EQ(Lines(copy.Items()), Lines(list.Items()));
}

TEST(MRUList, FiltersByTheTypedCharacters) {
    TMRUListVyn list(nullptr);
    for (const char* text : {"张三", "张三丰", "\x81\x5C机", "\x81\x41", "\x81\x61", "Zhang", "zhao"}) list.RememberText(text);
    TStringList target;
    EXPECT_TRUE(list.FilterInto(&target, "张三"));
    EXPECT_EQ(Lines(&target), (std::vector<AnsiString>{"张三", "张三丰"}));
    EXPECT_TRUE(list.FilterInto(&target, "\x81\x5C"));
    EXPECT_EQ(Lines(&target), (std::vector<AnsiString>{"\x81\x5C机"}));
    // A trail byte that is a letter is no letter: no case folding inside a character.
    EXPECT_TRUE(list.FilterInto(&target, "\x81\x41"));
    EXPECT_EQ(Lines(&target), (std::vector<AnsiString>{"\x81\x41"}));
    EXPECT_TRUE(list.FilterInto(&target, "z"));
    EXPECT_EQ(Lines(&target), (std::vector<AnsiString>{"Zhang", "zhao"}));
    list.SetOnFilterItem(TAcceptEventVyn([](TObject*, bool& accept) { accept = !accept; }));
    EXPECT_TRUE(list.FilterInto(&target, "z"));
    EXPECT_EQ(target.Count(), 5);
}

using MRUListOnFormTest = ListGridTest;

TEST_F(MRUListOnFormTest, AWaitingKeyStopsTheFilterAtTheNextHundredthItem) {
    TMRUListVyn list(nullptr);
    list.SetLimit(1000);
    for (int i = 0; i < 300; ++i) list.RememberText(Format("a%.3d", {i}));
    ProcessMessages();
    TStringList target;
    EXPECT_TRUE(list.FilterInto(&target, "a"));
    EXPECT_EQ(target.Count(), 300);
    PostMessage(edit_->Handle(), WM_KEYDOWN, 'B', 0);
    EXPECT_FALSE(list.FilterInto(&target, "a"));
    EXPECT_EQ(target.Count(), 1);
    MSG waiting;
    EXPECT_TRUE(PeekMessage(&waiting, 0, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    ProcessMessages();
    // A key pressed while item 50 is looked at stops the filter at item 100.
    int looked = 0;
    list.SetOnFilterItem(TAcceptEventVyn([&](TObject*, bool&) {
        if (++looked == 51) PostMessage(edit_->Handle(), WM_KEYDOWN, 'B', 0);
    }));
    EXPECT_FALSE(list.FilterInto(&target, "a"));
    EXPECT_EQ(target.Count(), 101);
    EXPECT_TRUE(PeekMessage(&waiting, 0, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE));
    list.SetStopOnPendingKey(false);
    EXPECT_TRUE(list.FilterInto(&target, "a"));
    EXPECT_EQ(target.Count(), 300);
    ProcessMessages();
}

TEST_F(MRUListOnFormTest, AColumnWithAnActiveListRemembersWhatItWrites) {
    TColumnVyn* column = grid_->Columns()->Items(2);
    column->MRUList()->SetActive(true);
    grid_->SetSelectedIndex(2);
    query_->Edit();
    column->WriteValue("X9", Null(), true);  // the editor is not showing
    EXPECT_EQ(column->MRUList()->Items()->Count(), 0);
    grid_->SetEditorMode(true);
    ProcessMessages();
    ASSERT_TRUE(grid_->InplaceEditor()->Showing());
    column->WriteValue("X9", Null(), true);
    EXPECT_EQ(Lines(column->MRUList()->Items()), (std::vector<AnsiString>{"X9"}));
    column->MRUList()->SetAutoAdd(false);
    column->WriteValue("X8", Null(), true);
    EXPECT_EQ(column->MRUList()->Items()->Count(), 1);
    query_->Cancel();
}
