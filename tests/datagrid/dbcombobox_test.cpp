// The data-aware combo box: typing in key mode and free mode, Delete to
// Null, more items than keys, a bound key that is no item, the list's
// width and its user size, and the up-down button's halves.
#include "datagrid/DBCtrlsVynComboBox.h"

#include "platform/data/field.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/commctrl.h"
#include "platform/win/testseams.h"
#include "platform/win/winuser.h"
#include "support/memory_dataset.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class TTestComboBox : public TDBComboBoxVyn {
    SERVIORA_CLASS(TTestComboBox, TDBComboBoxVyn)
public:
    using TDBComboBoxVyn::TDBComboBoxVyn;
    using TDBComboBoxVyn::ButtonDropDown;
    using TDBComboBoxVyn::CloseUpButton;
    using TDBComboBoxVyn::DropDownStart;
};

class DBComboBoxTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        box = Place<TTestComboBox>(form, 10, 10, 150, 21);
    }
    void Fill(std::initializer_list<const char*> items, std::initializer_list<const char*> keys = {}) {
        for (const char* item : items) box->Items()->Add(item);
        for (const char* key : keys) box->KeyItems()->Add(key);
    }
    void Focus() {
        box->SetFocus();
        ProcessMessages();
    }
    // Text, selection start and length.
    std::tuple<AnsiString, int, int> Shown() { return {box->EditText(), box->SelStart(), box->SelLength()}; }

    TTestComboBox* box = nullptr;
};

TEST_F(DBComboBoxTest, KeyModeTypingSelectsItemsAndDeleteGivesNull) {
    Fill({"Up", "Down", "All"}, {"Up", "Down", "All"});
    EXPECT_TRUE(box->KeyItemsMode());
    Focus();
    Key('D', "d");
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(Shown(), (std::tuple<AnsiString, int, int>{"Down", 1, 3}));
    EXPECT_EQ(box->Value().AsString(), "Down");
    Key('X', "x");  // begins no item
    EXPECT_EQ(Shown(), (std::tuple<AnsiString, int, int>{"Down", 1, 3}));
    Key(VK_BACK);  // widens the selection leftwards, deletes nothing
    EXPECT_EQ(Shown(), (std::tuple<AnsiString, int, int>{"Down", 0, 4}));
    Key(VK_BACK);  // the whole text selected: the last character
    EXPECT_EQ(Shown(), (std::tuple<AnsiString, int, int>{"Down", 3, 1}));
    Key(VK_DELETE);
    EXPECT_EQ(box->EditText(), "");
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_TRUE(VarIsNull(box->Value()));
    box->UpdateData(box);
    EXPECT_TRUE(VarIsNull(box->DataLink()->OwnValue()));
}

TEST_F(DBComboBoxTest, UpAndDownKeysStepThroughTheItems) {
    Fill({"Up", "Down", "All"}, {"Up", "Down", "All"});
    Focus();
    Key(VK_UP);  // from no item the last one
    EXPECT_EQ(box->ItemIndex(), 2);
    Key(VK_DOWN);  // the last one stays
    EXPECT_EQ(box->ItemIndex(), 2);
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_UP);  // the first one stays
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->EditText(), "Up");
}

TEST_F(DBComboBoxTest, OnlyItemsWithKeysCanBeChosenButTheListShowsThemAll) {
    Fill({"诺基亚", "摩托罗拉", "三星", "索爱"}, {"N", "M"});
    EXPECT_EQ(box->ItemsCount(), 2);
    box->SetItemIndex(3);
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetText("三星");
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetText("摩托罗拉");
    EXPECT_EQ(box->Value().AsString(), "M");
    box->DropDownStart();
    EXPECT_EQ(box->PopupList()->Items()->Count(), 4);
    box->CloseUpButton(false);
}

TEST_F(DBComboBoxTest, FreeModeCompletesTheTypedStartButNeverAfterAFullStop) {
    Fill({"Down", "3.5"});
    Focus();
    Key('D', "D");
    EXPECT_EQ(Shown(), (std::tuple<AnsiString, int, int>{"Down", 1, 3}));
    EXPECT_EQ(box->ItemIndex(), 0);
    box->SetText("");
    Key('3', "3");
    EXPECT_EQ(Shown(), (std::tuple<AnsiString, int, int>{"3.5", 1, 2}));
    Key(0xBE, ".");
    EXPECT_EQ(box->EditText(), "3.");
    EXPECT_EQ(box->ItemIndex(), -1);
    box->SetText("3.5");
    EXPECT_EQ(box->ItemIndex(), 1);
}

TEST_F(DBComboBoxTest, ABoundKeyThatIsNoItemShowsNothingAndPostsThroughOnNotInList) {
    auto* data = new TMemoryDataSet(form);
    data->AddColumn("Maker", ftString, 10);
    data->AddRow({Variant("Z")});
    data->Open();
    auto* source = new TDataSource(form);
    source->SetDataSet(data);
    Fill({"诺基亚", "摩托罗拉"}, {"N", "M"});
    box->SetDataSource(source);
    box->SetDataField("Maker");
    EXPECT_EQ(box->EditText(), "");
    EXPECT_EQ(box->Value().AsString(), "Z");
    std::vector<AnsiString> notInList;
    box->SetOnNotInList(TNotInListEventVyn([&](TObject*, const AnsiString& text, bool& recheck) {
        notInList.push_back(text);
        EXPECT_FALSE(recheck);
    }));
    data->Edit();
    box->DataLink()->SetModified();
    data->Post();
    EXPECT_EQ(notInList, (std::vector<AnsiString>{""}));
    data->Edit();
    data->FieldByName("Maker")->SetAsString("M");
    EXPECT_EQ(box->EditText(), "摩托罗拉");
    data->Cancel();
}

TEST_F(DBComboBoxTest, TheListFitsTheWidestItemAndReopensAtTheUsersSize) {
    box->SetWidth(40);
    TImageList images(nullptr);
    FillWithSquares(images, 12, {clGreen});
    box->SetImages(&images);
    Fill({"短", "一个很长的项目文字", "中等长度"});
    box->DropDownBox()->SetWidth(-1);
    box->DropDownStart();
    TPopupListboxVyn* list = box->PopupList();
    EXPECT_EQ(list->ClientWidth(), box->ListWidth());
    TBitmap measure;
    measure.Canvas()->Font()->Assign(box->Font());
    EXPECT_EQ(box->ListWidth(), measure.Canvas()->TextWidth("一个很长的项目文字") + 5 + 12 + 4);
    list->SetBounds(list->Left(), list->Top(), 300, 100);
    box->CloseUpButton(false);
    EXPECT_EQ(box->DropDownBox()->Width(), 300);
    const int rows = box->DropDownBox()->Rows();
    box->DropDownStart();
    EXPECT_EQ(list->Width(), 300);
    EXPECT_EQ(list->RowCount(), std::min(rows, 3));
    box->CloseUpButton(false);
}

TEST_F(DBComboBoxTest, TheUpDownButtonsHalvesStepBackAndForth) {
    Fill({"Up", "Down", "All"}, {"Up", "Down", "All"});
    box->EditButton()->SetStyle(ebsUpDownVyn);
    box->ButtonDropDown(false);  // the upper half from no item: the last
    EXPECT_EQ(box->ItemIndex(), 2);
    box->ButtonDropDown(false);
    EXPECT_EQ(box->ItemIndex(), 1);
    box->ButtonDropDown(true);
    EXPECT_EQ(box->ItemIndex(), 2);
}

TEST_F(DBComboBoxTest, EnterInTheOpenListAcceptsItsItem) {
    Fill({"Up", "Down", "All"}, {"Up", "Down", "All"});
    Focus();
    box->DropDownStart();
    ASSERT_TRUE(box->ListDropped());
    EXPECT_EQ(box->Perform(CM_WANTSPECIALKEY, VK_RETURN, 0), 1);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(box->ListDropped());
    EXPECT_EQ(box->EditText(), "Down");
}

TEST_F(DBComboBoxTest, APressOnTheButtonDraggedIntoTheListChoosesTheItemWhereItIsReleased) {
    Fill({"Up", "Down", "All"}, {"Up", "Down", "All"});
    const TRect button = box->ButtonAreaRect();
    const POINT onButton{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SimulateMouseButton(box->Handle(), onButton, VK_LBUTTON, true);
    ProcessMessages();
    ASSERT_TRUE(box->ListDropped());
    TPopupListboxVyn* list = box->PopupList();
    const TRect row = list->ItemRect(1);
    const TPoint inList = box->ScreenToClient(list->ClientToScreen(TPoint{(row.left + row.right) / 2, (row.top + row.bottom) / 2}));
    SimulateMouseMove(box->Handle(), POINT{inList.x, inList.y});
    ProcessMessages();
    const TPoint inListClient{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    SimulateMouseButton(list->Handle(), POINT{inListClient.x, inListClient.y}, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_FALSE(box->ListDropped());
    EXPECT_EQ(box->EditText(), "Down");
}

// Right to left the button sits at the left edge, where a press opens the
// list; the text keeps clear of it.
TEST_F(DBComboBoxTest, RightToLeftTheButtonSitsAtTheLeftAndOpensTheList) {
    Fill({"Up", "Down", "All"}, {"Up", "Down", "All"});
    const TRect leftToRight = box->ButtonAreaRect();
    box->SetBiDiMode(bdRightToLeft);
    ProcessMessages();
    const TRect button = box->ButtonAreaRect();
    EXPECT_EQ(button.left, 0);
    EXPECT_EQ(button.right - button.left, leftToRight.right - leftToRight.left);
    EXPECT_EQ(leftToRight.right, box->ClientWidth());
    RECT text{};
    SendMessage(box->Handle(), EM_GETRECT, 0, LPARAM(&text));
    EXPECT_GE(text.left, button.right);
    const POINT onButton{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    SimulateMouseButton(box->Handle(), onButton, VK_LBUTTON, true);
    ProcessMessages();
    SimulateMouseButton(box->Handle(), onButton, VK_LBUTTON, false);
    ProcessMessages();
    EXPECT_TRUE(box->ListDropped());
    box->CloseUpButton(false);
}

TEST_F(DBComboBoxTest, KeyModeTakesAWholeDoubleByteCharacterTheWheelAndPastedText) {
    Fill({"诺基亚", "摩托罗拉", "三星"}, {"N", "M", "S"});
    Focus();
    SimulateTyping("摩");
    ProcessMessages();
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(box->SelStart(), static_cast<int>(AnsiString("摩").size()));
    SimulateWheel(box->Handle(), POINT{20, 10}, -120);
    ProcessMessages();
    EXPECT_EQ(box->ItemIndex(), 2);
    SimulateWheel(box->Handle(), POINT{20, 10}, 120);
    ProcessMessages();
    EXPECT_EQ(box->ItemIndex(), 1);
    Clipboard()->SetAsText("诺基");
    box->SelectAll();
    box->Perform(WM_PASTE, 0, 0);
    EXPECT_EQ(box->EditText(), "诺基亚");
    EXPECT_EQ(box->Value().AsString(), "N");
}

}  // namespace
