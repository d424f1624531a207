// Editing cells of the grid as a user does: typed text reaches the field on
// Enter and on leaving the cell, list columns show and complete their texts,
// lookups complete from their dataset, buttons fire their events and step
// values, and the grid decides which cells edit at all.
#include "datagrid/DBGridVynLib.h"
#include "platform/data/dataset.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/msgqueue.h"
#include "support/temp_dir.h"
#include "tests/datagrid/editable_grid_fixture.h"

namespace {

void Chord(std::initializer_list<int> modifiers, int vk, const AnsiString& text = AnsiString()) {
    for (int m : modifiers) SimulateKey(m, true);
    SimulateKey(vk, true, text);
    SimulateKey(vk, false);
    for (int m : modifiers) SimulateKey(m, false);
    ProcessMessages();
}

// Text typed as the user types it, and handled.
void Type(const AnsiString& text) {
    SimulateTyping(text);
    ProcessMessages();
}

using CellEditingTest = EditableGridTest;

TEST_F(CellEditingTest, TypingEnterAndLeavingACellWriteTheField) {
    OpenEditor(kRemark);
    ASSERT_TRUE(Editor() && Editor()->Visible() && Editor()->Focused());
    EXPECT_EQ(Editor()->EditText(), "屏幕");
    Key(VK_END);
    Type("碎了");
    Key(VK_RETURN);
    EXPECT_EQ(Field("备注")->AsString(), "屏幕碎了");
    EXPECT_EQ(orders_.State(), dsEdit);

    OpenEditor(kNumber);
    Key(VK_END);
    Type("X");
    Key(VK_TAB);  // the next column: the cell is written on the way
    EXPECT_EQ(Field("编号")->AsString(), "0001X");
    Key(VK_DOWN);  // the next record posts
    EXPECT_EQ(orders_.State(), dsBrowse);
    orders_.First();
    EXPECT_EQ(Field("编号")->AsString(), "0001X");
}

TEST_F(CellEditingTest, KeyListAndSpecialRowTexts) {
    const int row = grid_->Row();
    const int colour = grid_->DataToRawColumn(kColour);
    EXPECT_EQ(grid_->GetEditText(colour, row), "绿");  // key 2
    orders_.Next();
    EXPECT_EQ(grid_->GetEditText(colour, row + 1), "");  // key 9 is in no list
    EXPECT_TRUE(VarIsNull(grid_->EditedValue()));

    TSpecRowVyn* special = Col(kBrand)->DropDownSpecRow();
    special->SetCellsText("（未知）");
    special->SetValue("M");
    special->SetVisible(true);
    EXPECT_EQ(grid_->GetEditText(grid_->DataToRawColumn(kBrand), row + 1), "（未知）");
    EXPECT_EQ(grid_->EditedValue().AsString(), "M");
    orders_.First();
    EXPECT_EQ(grid_->GetEditText(grid_->DataToRawColumn(kBrand), row), "Nokia");
    EXPECT_EQ(grid_->EditedValue().AsString(), "N");
}

TEST_F(CellEditingTest, CancelOnExitDropsAnUntouchedInsertAndPostsATouchedOne) {
    ASSERT_TRUE(grid_->Options().Contains(dgCancelOnExit));
    orders_.Append();
    edit_->SetFocus();
    ProcessMessages();
    EXPECT_EQ(orders_.State(), dsBrowse);
    EXPECT_EQ(orders_.RecordCount(), 3);

    grid_->SetFocus();
    orders_.Append();
    OpenEditor(kNumber);
    Type("0009");
    edit_->SetFocus();
    ProcessMessages();
    EXPECT_EQ(orders_.State(), dsInsert);  // touched: the text is written, the row stays to be posted
    EXPECT_EQ(Field("编号")->AsString(), "0009");
    orders_.Post();
    EXPECT_EQ(orders_.RecordCount(), 4);
}

TEST_F(CellEditingTest, WhichCellsEditAndShowTheEditor) {
    grid_->SetSelectedIndex(kPhoto);
    EXPECT_FALSE(grid_->CanEditModify());  // a blob without a text handler
    Field("照片")->SetOnSetText([](TField* field, const AnsiString& text) { field->SetAsString(text); });
    EXPECT_TRUE(grid_->CanEditModify());
    orders_.Cancel();
    grid_->SetSelectedIndex(kNote);
    EXPECT_FALSE(grid_->CanEditModify());
    grid_->SetDrawMemoText(true);
    EXPECT_TRUE(grid_->CanEditModify());
    orders_.Cancel();

    for (EditColumn column : {kPicture, kDelivered}) {
        OpenEditor(column);
        EXPECT_FALSE(Editor() && Editor()->Visible()) << column;
        EXPECT_FALSE(grid_->CanEditShow());
    }
    OpenEditor(kRemark);
    EXPECT_TRUE(Editor()->Visible());
}

TEST_F(CellEditingTest, LookupTypingCompletesBackspaceShortensDeleteClearsTheKey) {
    Col(kBrand)->SetOnNotInList([](TObject*, const AnsiString&, bool&) {});
    TDBGridInplaceEdit* editor = OpenEditor(kBrand);
    ASSERT_EQ(editor->EditStyle(), iesDataList);
    Key(VK_HOME);
    Key('M', "m");
    EXPECT_EQ(editor->EditText(), "Motorola");
    EXPECT_EQ(editor->SelStart(), 1);
    EXPECT_EQ(editor->SelLength(), 7);
    EXPECT_EQ(grid_->EditedValue().AsString(), "M");
    Key('O', "o");
    EXPECT_EQ(editor->SelStart(), 2);
    Key(VK_BACK);  // the completion and one more character
    EXPECT_EQ(editor->EditText(), "M");
    EXPECT_TRUE(VarIsNull(grid_->EditedValue()));  // "M" names no brand
    Key('O', "o");
    EXPECT_EQ(editor->EditText(), "Motorola");
    editor->SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ(editor->EditText(), "");
    EXPECT_TRUE(VarIsNull(grid_->EditedValue()));
    Key(VK_RETURN);
    EXPECT_TRUE(Field("品牌代码")->IsNull());
}

TEST_F(CellEditingTest, AChineseCharacterFromTheInputMethodCompletesAsOneUnit) {
    TDBGridInplaceEdit* editor = OpenEditor(kBrand);
    editor->SelectAll();
    SimulateCommit("三");
    ProcessMessages();
    EXPECT_EQ(editor->EditText(), "三星");
    EXPECT_EQ(grid_->EditedValue().AsString(), "S");
    Key(VK_RETURN);
    EXPECT_EQ(Field("品牌代码")->AsString(), "S");
}

TEST_F(CellEditingTest, PasteIntoALookupColumnCompletes) {
    TDBGridInplaceEdit* editor = OpenEditor(kBrand);
    editor->SelectAll();
    Clipboard()->SetAsText("no");
    SendMessage(editor->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(editor->EditText(), "Nokia");
    EXPECT_EQ(editor->SelStart(), 2);
    Clipboard()->SetAsText("苹果");
    editor->SelectAll();
    SendMessage(editor->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(editor->EditText(), "Nokia");  // nothing found and no OnNotInList: refused
}

TEST_F(CellEditingTest, AKeyListWithoutNotInListRefusesWhatLeadsNowhere) {
    TDBGridInplaceEdit* editor = OpenEditor(kColour);
    EXPECT_EQ(editor->EditText(), "绿");
    editor->SelectAll();
    Key('X', "x");
    EXPECT_EQ(editor->EditText(), "绿");
    Key(VK_END);
    Key(VK_BACK);  // only moves the caret
    EXPECT_EQ(editor->EditText(), "绿");
    EXPECT_EQ(editor->SelStart(), 0);
    editor->SetSelStart(0);
    editor->SetSelLength(1);
    Key(VK_DELETE);  // a partial deletion is refused
    EXPECT_EQ(editor->EditText(), "绿");
    editor->SelectAll();
    Type("蓝");
    EXPECT_EQ(editor->EditText(), "蓝");
    Key(VK_RETURN);
    EXPECT_EQ(Field("颜色")->AsString(), "3");
}

TEST_F(CellEditingTest, EllipsisButtonsFireTheirEvents) {
    std::vector<AnsiString> events;
    Col(kRemark)->SetOnEditButtonDown([&](TObject*, bool top, bool&, bool&) {
        events.push_back(top ? "column down" : "column down bottom");
    });
    Col(kRemark)->SetOnEditButtonClick([&](TObject*, bool&) { events.push_back("column click"); });
    grid_->SetOnEditButtonClick([&](TObject*) { events.push_back("grid click"); });
    Col(kRemark)->EditButtons()->Items(0)->SetOnClick([&](TObject*, bool&) { events.push_back("plus click"); });
    TDBGridInplaceEdit* editor = OpenEditor(kRemark);
    ASSERT_EQ(editor->EditStyle(), iesEllipsis);
    ASSERT_EQ(editor->EditButtonControls().size(), 3u);
    ClickButton(0);
    EXPECT_EQ(events, (std::vector<AnsiString>{"column down", "grid click", "column click"}));
    events.clear();
    ClickButton(1);
    EXPECT_EQ(events, std::vector<AnsiString>{"plus click"});
    events.clear();
    Chord({VK_CONTROL}, VK_RETURN);
    EXPECT_EQ(events, std::vector<AnsiString>{"grid click"});
    EXPECT_EQ(editor->EditText(), "屏幕");  // no line feed
}

TEST_F(CellEditingTest, AnExtraButtonsMenuShowsBelowItAndTheNextPressOnlyClosesIt) {
    int popups = 0;
    menu_->SetOnPopup([&](TObject*) { ++popups; });
    TDBGridInplaceEdit* editor = OpenEditor(kRemark);
    TEditButtonControlVyn* control = editor->EditButtonControls()[2].second;
    SimulateKey(VK_ESCAPE, true);  // ends the menu loop
    SimulateKey(VK_ESCAPE, false);
    bool autoRepeat = false, handled = false;
    control->OnButtonDown()(control, true, autoRepeat, handled);
    EXPECT_EQ(popups, 1);
    const TPoint below = control->ClientToScreen(TPoint{0, control->Height()});
    EXPECT_EQ(menu_->PopupPoint().x, below.x);
    EXPECT_EQ(menu_->PopupPoint().y, below.y);
    control->OnButtonDown()(control, true, autoRepeat, handled);  // the press that closed the menu
    EXPECT_EQ(popups, 1);
    SimulateKey(VK_ESCAPE, true);
    SimulateKey(VK_ESCAPE, false);
    control->OnButtonDown()(control, true, autoRepeat, handled);
    ProcessMessages();
    EXPECT_EQ(popups, 2);
}

TEST_F(CellEditingTest, UpDownButtonsStepByTheIncrementAndThroughLists) {
    TDBGridInplaceEdit* editor = OpenEditor(kQuantity);
    ASSERT_EQ(editor->EditStyle(), iesUpDown);
    ClickButton(0);
    EXPECT_EQ(Field("数量")->AsInteger(), 6);
    EXPECT_EQ(editor->EditText(), "6");
    ClickButton(0, true);
    ClickButton(0, true);
    EXPECT_EQ(Field("数量")->AsInteger(), -4);

    editor = OpenEditor(kGrade);  // 中 (B) between 高 (A) and 低 (C)
    EXPECT_EQ(editor->EditText(), "中");
    ClickButton(0, true);
    EXPECT_EQ(Field("等级")->AsString(), "C");
    EXPECT_EQ(editor->EditText(), "低");
    ClickButton(0);
    EXPECT_EQ(Field("等级")->AsString(), "B");
}

TEST_F(CellEditingTest, EnterAsTabMovesToTheNextCell) {
    grid_->SetOptionsVyn(grid_->OptionsVyn() + TDBGridVynOptions{dghEnterAsTab});
    grid_->SetOptions(grid_->Options() + TDBGridOptions{dgAlwaysShowEditor});
    OpenEditor(kNumber);
    Key(VK_END);
    Type("7");
    Key(VK_RETURN);
    EXPECT_EQ(grid_->SelectedIndex(), kState);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_EQ(Field("编号")->AsString(), "00017");
}

TEST_F(CellEditingTest, CtrlFOpensTheFindDialogWithTheSelectedText) {
    AnsiString searched;
    const auto library = DBGridVynFindDialogHook();
    DBGridVynFindDialogHook() = [&](TCustomDBGridVyn*, const AnsiString& text, const AnsiString&, bool,
                                    const TDBGridVynFindColumns&) { searched = text; };
    TDBGridInplaceEdit* editor = OpenEditor(kRemark);
    editor->SetSelStart(0);
    editor->SetSelLength(AnsiString("屏").size());
    const TShortCut saved = DBGridVynKeySettings().FindDialogShortCut;
    DBGridVynKeySettings().FindDialogShortCut = ShortCut('F', TShiftState{ssCtrl});
    Chord({VK_CONTROL}, 'F');
    DBGridVynKeySettings().FindDialogShortCut = saved;
    DBGridVynFindDialogHook() = library;
    EXPECT_EQ(searched, "屏");
}

}  // namespace
