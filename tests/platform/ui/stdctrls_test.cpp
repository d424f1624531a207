// TEdit and TComboBox on a form, driven through synthetic input: typing
// with OnChange per keystroke, OnKeyPress discarding a key, the byte limit,
// and a combo box chosen by mouse and keyboard after OnDropDown refilled it.
#include "control_fixture.h"
#include "platform/ui/commctrl.h"
#include "platform/ui/stdctrls_combo.h"

class StdCtrlsTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(320, 200);
        form->Show();
        ProcessMessages();
    }
    TForm* form = nullptr;
};

TEST_F(StdCtrlsTest, EditTypingFiresOnChangePerKeyAndOnKeyPressCanDiscard) {
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 150, 21);
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    edit->SetOnKeyPress([](TObject*, char& key) {
        if (key == 'x') key = 0;
    });
    edit->SetFocus();
    ProcessMessages();
    SimulateTyping("axb");
    SimulateCommit("中文");
    ProcessMessages();
    EXPECT_EQ(edit->Text(), AnsiString("ab中文"));
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(edit->Modified());
    edit->SetSelStart(2);
    edit->SetSelLength(2);
    EXPECT_EQ(edit->SelText(), AnsiString("中"));
    edit->CopyToClipboard();
    edit->SelectAll();
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), AnsiString("中"));
    edit->Undo();
    EXPECT_EQ(edit->Text(), AnsiString("ab中文"));
}

TEST_F(StdCtrlsTest, EditMaxLengthNeverCutsAChineseCharacter) {
    TEdit* edit = TEdit::Create(form);
    edit->SetParent(form);
    edit->SetMaxLength(5);
    edit->SetFocus();
    ProcessMessages();
    SimulateTyping("a");
    SimulateCommit("中文字");
    ProcessMessages();
    EXPECT_EQ(edit->Text(), AnsiString("a中文"));
    edit->SetText("xyz");
    edit->SelectAll();
    edit->SetSelText("一二三");
    EXPECT_EQ(edit->Text(), AnsiString("一二"));
}

TEST_F(StdCtrlsTest, ComboChosenByMouseAndKeyboardAfterOnDropDownRefills) {
    TComboBox* combo = TComboBox::Create(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    std::vector<AnsiString> log;
    combo->SetOnDropDown([&](TObject*) {
        log.push_back("dropdown");
        combo->Items()->Clear();
        for (const char* text : {"维修", "换屏", "电池"}) combo->Items()->Add(text);
    });
    combo->SetOnChange([&](TObject*) { log.push_back("change:" + combo->Text()); });
    combo->SetOnSelect([&](TObject*) { log.push_back("select"); });
    combo->SetOnCloseUp([&](TObject*) { log.push_back("closeup"); });
    EXPECT_EQ(combo->ItemIndex(), -1);

    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    SimulateClick(combo->Handle(), {info.rcButton.left + 2, info.rcButton.top + 2});
    ProcessMessages();
    ASSERT_TRUE(combo->DroppedDown());
    RECT item;
    SendMessage(info.hwndList, LB_GETITEMRECT, 2, LPARAM(&item));
    SimulateMouseMove(info.hwndList, {5, item.top + 2});
    SimulateClick(info.hwndList, {5, item.top + 2});
    ProcessMessages();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), AnsiString("电池"));
    EXPECT_EQ(log, (std::vector<AnsiString>{"dropdown", "closeup", "change:电池", "select"}));

    log.clear();
    Key(VK_UP);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<AnsiString>{"change:换屏", "select"}));
    log.clear();
    SimulateTyping("x");
    ProcessMessages();
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(combo->Text(), AnsiString("x"));
}
