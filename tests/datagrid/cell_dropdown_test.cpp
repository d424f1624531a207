// The in-place editor's drop-downs as a user opens and closes them: the pick
// list by Alt+Down, Enter, Escape and the button, its height by rows, its
// place over the cell when there is no room below, its size kept from the
// grip; the calendar and the calculator writing their values.
#include "datagrid/CalculatorVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "datagrid/ToolCtrlsVynCalendar.h"
#include "datagrid/ToolCtrlsVynListbox.h"
#include "platform/data/dataset.h"
#include "platform/rtl/datetime.h"
#include "platform/win/userinput.h"
#include "tests/datagrid/editable_grid_fixture.h"

namespace {

// A key with modifiers held, as the keyboard gives it.
void Chord(std::initializer_list<int> modifiers, int vk) {
    for (int m : modifiers) ws::InputKey(m, true, "");
    ws::InputKey(vk, true, "");
    ws::InputKey(vk, false, "");
    for (int m : modifiers) ws::InputKey(m, false, "");
    ProcessMessages();
}

class CellDropDownTest : public EditableGridTest {
protected:
    void TearDown() override {
        SetWorkAreaForTesting(nullptr);
        EditableGridTest::TearDown();
    }
    TPopupListboxVyn* PickList() { return Editor()->PickList(); }
};

TEST_F(CellDropDownTest, AltDownOpensEnterAcceptsEscapeRestoresAltUpAccepts) {
    TDBGridInplaceEdit* editor = OpenEditor(kState);
    ASSERT_EQ(editor->EditStyle(), iesPickList);
    Chord({VK_MENU}, VK_DOWN);
    ASSERT_TRUE(editor->ListVisible());
    EXPECT_TRUE(editor->DroppedDown());
    EXPECT_TRUE(PickList()->Visible());
    EXPECT_EQ(PickList()->ItemIndex(), 0);  // 待修
    EXPECT_EQ(PickList()->Height(), PickList()->ItemHeight() * 3 + 4);
    EXPECT_TRUE(editor->EditButtonControls()[0].second->HeldDown());
    Key(VK_DOWN);
    EXPECT_EQ(editor->EditText(), "修好");
    Key(VK_ESCAPE);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_FALSE(PickList()->Visible());
    EXPECT_EQ(editor->EditText(), "待修");

    Chord({VK_MENU}, VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->EditText(), "退回");
    Chord({VK_MENU}, VK_DOWN);
    Key(VK_UP);
    Chord({VK_MENU}, VK_UP);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->EditText(), "修好");
    Key(VK_RETURN);
    EXPECT_EQ(Field("状态")->AsString(), "修好");
}

TEST_F(CellDropDownTest, TheButtonOpensAndASecondClickClosesWithoutAccepting) {
    TDBGridInplaceEdit* editor = OpenEditor(kColour);
    ClickButton(0);
    ASSERT_TRUE(editor->ListVisible());  // released over the button: still open
    Key(VK_DOWN);
    EXPECT_EQ(editor->EditText(), "蓝");
    ClickButton(0);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->EditText(), "绿");
}

TEST_F(CellDropDownTest, SevenEntriesWithSevenRowsTakeSevenRows) {
    Col(kState)->PickList()->SetCommaText("一,二,三,四,五,六,七,八");
    Col(kState)->SetDropDownRows(7);
    TDBGridInplaceEdit* editor = OpenEditor(kState);
    editor->OpenDropDown();
    EXPECT_EQ(PickList()->Height(), PickList()->ItemHeight() * 7 + 4);
    editor->CloseDropDown(false);
    Col(kState)->PickList()->SetCommaText("一,二,三,四,五,六,七");
    editor->OpenDropDown();
    EXPECT_EQ(PickList()->Height(), PickList()->ItemHeight() * 7 + 4);
}

TEST_F(CellDropDownTest, AListThatFitsOnlyAboveOpensAboveOneThatFitsNowhereTakesTheLargerSide) {
    TDBGridInplaceEdit* editor = OpenEditor(kState);
    const TPoint top = editor->ClientToScreen(TPoint{0, 0});
    const int height = editor->Height();
    RECT work{0, top.y - 200, 2000, top.y + height + 10};
    SetWorkAreaForTesting(&work);
    editor->OpenDropDown();
    RECT list{};
    GetWindowRect(PickList()->Handle(), &list);
    EXPECT_EQ(list.bottom, top.y);
    editor->CloseDropDown(false);

    work = RECT{0, top.y - 20, 2000, top.y + height + 30};
    SetWorkAreaForTesting(&work);
    editor->OpenDropDown();
    GetWindowRect(PickList()->Handle(), &list);
    EXPECT_EQ(list.top, top.y + height);  // 30 below against 20 above
    EXPECT_LE(list.bottom, work.bottom);  // shortened, to whole rows
}

TEST_F(CellDropDownTest, APickListResizedWithItsGripReopensAtThatSize) {
    Col(kState)->SetDropDownSizing(true);
    TDBGridInplaceEdit* editor = OpenEditor(kState);
    editor->OpenDropDown();
    ASSERT_TRUE(PickList()->SizeGrip()->Visible());
    const int rowHeight = PickList()->ItemHeight();
    PickList()->SetBounds(PickList()->Left(), PickList()->Top(), 140, rowHeight * 2 + 4);
    editor->CloseDropDown(false);
    EXPECT_EQ(Col(kState)->DropDownWidth(), 140);
    EXPECT_EQ(Col(kState)->DropDownRows(), 2u);
    editor->OpenDropDown();
    EXPECT_EQ(PickList()->Height(), rowHeight * 2 + 4);
}

TEST_F(CellDropDownTest, TheCalendarWritesTheAcceptedDay) {
    TDBGridInplaceEdit* editor = OpenEditor(kDate);
    ASSERT_EQ(editor->EditStyle(), iesDateCalendar);
    Chord({VK_MENU}, VK_DOWN);
    auto* calendar = dynamic_cast<TPopupMonthCalendarVyn*>(editor->ActiveList());
    ASSERT_TRUE(calendar && calendar->Visible());
    EXPECT_EQ(calendar->Date(), EncodeDate(2026, 12, 1));
    calendar->SetDate(EncodeDate(2026, 12, 24));
    Key(VK_RETURN);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(Field("日期")->AsDateTime(), EncodeDate(2026, 12, 24));
    EXPECT_EQ(editor->EditText(), Field("日期")->Text());
}

TEST_F(CellDropDownTest, TheCalculatorComputesAndWritesItsResult) {
    Col(kQuantity)->SetButtonStyle(cbsDropDown);
    TDBGridInplaceEdit* editor = OpenEditor(kQuantity);
    ASSERT_EQ(editor->EditStyle(), iesDropDown);
    ClickButton(0);
    ASSERT_TRUE(editor->ListVisible());
    ASSERT_TRUE(dynamic_cast<TPopupCalculatorVyn*>(editor->ActiveList()));
    Key(VK_ESCAPE);
    EXPECT_FALSE(editor->ListVisible());
    ClickButton(0);
    for (const char* typed : {"1", "2", "+", "7"}) Key(typed[0] == '+' ? VK_ADD : typed[0], typed);
    Key(VK_RETURN);
    EXPECT_TRUE(editor->ListVisible());
    Key(VK_RETURN);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->EditText(), "19");
    Key(VK_RETURN);
    EXPECT_EQ(Field("数量")->AsInteger(), 19);
}

TEST_F(CellDropDownTest, TheLookupListShowsItsRecordsAndWritesTheAcceptedKey) {
    TDBGridInplaceEdit* editor = OpenEditor(kBrand);
    ASSERT_EQ(editor->EditStyle(), iesDataList);
    Col(kBrand)->SetDropDownWidth(-1);
    Chord({VK_MENU}, VK_DOWN);
    TPopupDataGridVyn* list = editor->DataList();
    ASSERT_TRUE(editor->ListVisible());
    ASSERT_TRUE(list && list->Visible());
    EXPECT_EQ(list->ListRowCount(), 3);  // three records under DropDownRows 7
    EXPECT_GE(list->Width(), editor->Width());
    EXPECT_EQ(list->KeyValue().AsString(), "N");
    Key(VK_DOWN);
    EXPECT_EQ(editor->EditText(), "Motorola");
    Key(VK_ESCAPE);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(editor->EditText(), "Nokia");

    Chord({VK_MENU}, VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->EditText(), "三星");
    EXPECT_EQ(grid_->EditedValue().AsString(), "S");
    Key(VK_RETURN);
    EXPECT_EQ(Field("品牌代码")->AsString(), "S");
}

TEST_F(CellDropDownTest, ALookupChoiceThatCannotBeStoredLeavesTheFieldsOwnText) {
    TDBGridInplaceEdit* editor = OpenEditor(kBrand);
    Chord({VK_MENU}, VK_DOWN);
    ASSERT_TRUE(editor->ListVisible());
    Key(VK_DOWN);
    orders_.SetBeforeEdit([](TDataSet*) { DatabaseError("refused"); });
    EXPECT_THROW(editor->CloseDropDown(true), EDatabaseError);
    orders_.SetBeforeEdit({});
    EXPECT_FALSE(editor->ListVisible());
    EXPECT_EQ(editor->EditText(), "Nokia");
    EXPECT_EQ(Field("品牌代码")->AsString(), "N");
}

TEST_F(CellDropDownTest, TypingOpensTheRememberedValuesThatBeginWithTheText) {
    TMRUListVyn* mru = Col(kRemark)->MRUList();
    for (const char* text : {"brown", "abd", "xyz", "abc", "ab"}) mru->RememberText(text);
    mru->SetActive(true);
    TDBGridInplaceEdit* editor = OpenEditor(kRemark);
    editor->SelectAll();
    Key('A', "a");
    TMRUListboxVyn* list = editor->MRUListBox();
    ASSERT_TRUE(mru->DroppedDown());
    EXPECT_TRUE(list->Visible());
    std::vector<AnsiString> shown;
    for (int i = 0; i < list->Items()->Count(); ++i) shown.push_back(list->Items()->Strings(i));
    EXPECT_EQ(shown, (std::vector<AnsiString>{"ab", "abc", "abd"}));
    Key(VK_BACK);  // an empty text closes it
    EXPECT_FALSE(mru->DroppedDown());
    Key('A', "a");
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_RETURN);  // takes the highlighted value
    EXPECT_FALSE(mru->DroppedDown());
    EXPECT_EQ(editor->EditText(), "abc");
    EXPECT_EQ(grid_->EditedText(), "abc");
    mru->SetActive(false);
}

TEST_F(CellDropDownTest, PictureOfTheFourDropDownsUnderTheirCells) {
    Col(kQuantity)->SetButtonStyle(cbsDropDown);
    Col(kBrand)->SetDropDownShowTitles(true);
    Col(kBrand)->SetDropDownSizing(true);
    std::vector<std::unique_ptr<TBitmap>> pictures;
    for (EditColumn column : {kState, kBrand, kDate, kQuantity}) {
        TDBGridInplaceEdit* editor = OpenEditor(column);
        Chord({VK_MENU}, VK_DOWN);
        if (!editor->ListVisible()) ClickButton(0);
        ASSERT_TRUE(editor->ListVisible());
        editor->ActiveList()->Invalidate();
        ProcessMessages();
        pictures.push_back(PictureWithDropDown(form_, editor->ActiveList()));
        Key(VK_ESCAPE);
        grid_->HideEditor();
    }
    std::vector<TBitmap*> sheet;
    for (auto& picture : pictures) sheet.push_back(picture.get());
    EXPECT_TRUE(SaveStackedPictures(sheet, "dbgrid-dropdowns.png"));
}

}  // namespace
