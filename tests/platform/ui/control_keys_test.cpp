// Keys from the message loop: a key the form uses (default and cancel
// buttons, Tab, an OnKeyDown that clears the key) produces no character
// afterwards; other keys give each key event exactly once, the form's
// preview first; key messages sent straight to a control still raise them.
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class KeysTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        edit = Place<TEdit>(form, 10, 10, 120, 21);
        next = Place<TEdit>(form, 10, 40, 120, 21);
        ok = AddButton(mrOk, 150);
        cancel = AddButton(mrCancel, 230);
        ok->SetDefault(true);
        cancel->SetCancel(true);
        ProcessMessages();
        edit->SetFocus();
        for (TEdit* e : {edit, next}) {
            e->SetOnKeyDown([this, e](TObject*, Word& key, TShiftState) { Log(e, "down", key); });
            e->SetOnKeyPress([this, e](TObject*, char& key) { Log(e, "press", Byte(key)); });
            e->SetOnChange([this, e](TObject*) { Log(e, "change", 0); });
        }
    }

    TButton* AddButton(int result, int left) {
        TButton* button = Place<TButton>(form, left, 10, 75, 25);
        button->SetOnClick([this, result](TObject*) { log.push_back("click " + IntToStr(result)); });
        return button;
    }
    void Log(TEdit* e, const char* what, int key) {
        log.push_back(AnsiString(e == edit ? "edit " : "next ") + what + " " + IntToStr(key));
    }
    TEdit* edit = nullptr;
    TEdit* next = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
    std::vector<AnsiString> log;
};

TEST_F(KeysTest, AKeyTheFormUsesLeavesNoCharacterForTheFocusedControl) {
    struct Case {
        int vk;
        const char* text;
        std::vector<AnsiString> expected;
        TWinControl* focusedAfter;
    };
    const Case cases[] = {
        {VK_RETURN, "\r", {"click 1"}, edit},
        {VK_ESCAPE, "\x1b", {"click 2"}, edit},
        {VK_TAB, "\t", {}, next},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vk);
        edit->SetFocus();
        ProcessMessages();
        log.clear();
        Key(c.vk, c.text);
        EXPECT_EQ(log, c.expected);
        EXPECT_EQ(form->ActiveControl(), c.focusedAfter);
        EXPECT_EQ(edit->Text(), "");
        EXPECT_EQ(next->Text(), "");
    }
}

TEST_F(KeysTest, OrdinaryTypingGivesEachEventOnceWithThePreviewFirst) {
    form->SetKeyPreview(true);
    form->SetOnKeyDown([this](TObject*, Word& key, TShiftState) { log.push_back("form down " + IntToStr(key)); });
    form->SetOnKeyPress([this](TObject*, char& key) { log.push_back("form press " + IntToStr(Byte(key))); });
    Key('A', "a");
    EXPECT_EQ(log, (std::vector<AnsiString>{"form down 65", "edit down 65", "form press 97", "edit press 97",
                                            "edit change 0"}));
    EXPECT_EQ(edit->Text(), "a");
}

TEST_F(KeysTest, KeyEventsChangeOrSuppressWhatIsTyped) {
    edit->SetOnKeyDown([](TObject*, Word& key, TShiftState) {
        if (key == 'X') key = 0;
    });
    edit->SetOnKeyPress([](TObject*, char& key) {
        if (key == 'b') key = 'B';
    });
    Key('X', "x");
    Key('B', "b");
    EXPECT_EQ(edit->Text(), "B");
}

TEST_F(KeysTest, AMemoThatWantsReturnsGetsItsLineBreakInsteadOfTheDefaultButton) {
    TMemo* memo = Place<TMemo>(form, 10, 70, 120, 60);
    memo->SetWantReturns(true);
    int presses = 0;
    memo->SetOnKeyPress([&](TObject*, char&) { ++presses; });
    ProcessMessages();
    memo->SetFocus();
    Key('A', "a");
    Key(VK_RETURN, "\r");
    Key('B', "b");
    EXPECT_EQ(memo->Text(), "a\r\nb");
    EXPECT_EQ(presses, 3);
    EXPECT_TRUE(log.empty());
}

TEST_F(KeysTest, EnterInAModalFormEndsItWithoutACharacterLeftForTheEdit) {
    TForm* dialog = NewForm();
    TEdit* field = Place<TEdit>(dialog, 10, 10, 120, 21);
    TButton* accept = Place<TButton>(dialog, 10, 40, 75, 25);
    accept->SetModalResult(mrOk);
    accept->SetDefault(true);
    dialog->SetActiveControl(field);
    int presses = 0;
    field->SetOnKeyPress([&](TObject*, char&) { ++presses; });
    // Typed once the dialog is up and its edit has the focus.
    TTimer driver(nullptr);
    driver.SetInterval(1);
    driver.SetOnTimer([&](TObject*) {
        if (GetFocus() != field->Handle()) return;
        driver.SetEnabled(false);
        SimulateKey(VK_RETURN, true, "\r");
        SimulateKey(VK_RETURN, false);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    ProcessMessages();
    EXPECT_EQ(presses, 0);
}

// The edit of a combo box is a platform child: its keys reach the combo box.
TEST_F(KeysTest, EnterClosesAComboBoxsOpenListAndOtherwisePressesTheDefaultButton) {
    TComboBox* combo = Place<TComboBox>(form, 10, 70, 120, 21);
    combo->Items()->Add("one");
    int downs = 0, presses = 0;
    combo->SetOnKeyDown([&](TObject*, Word&, TShiftState) { ++downs; });
    combo->SetOnKeyPress([&](TObject*, char&) { ++presses; });
    ProcessMessages();
    combo->SetFocus();
    Key('A', "a");
    EXPECT_EQ(combo->Text(), "a");
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(presses, 1);
    combo->SetDroppedDown(true);
    // The box takes this Enter: it sees the key and its character.
    Key(VK_RETURN, "\r");
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(presses, 2);
    Key(VK_RETURN, "\r");
    EXPECT_EQ(log, std::vector<AnsiString>{"click 1"});
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(presses, 2);
}

// Keys sent straight to a control skip the loop, and still reach the
// control's key events once and its window after them.
TEST_F(KeysTest, KeyMessagesSentStraightToAControlRaiseItsEvents) {
    SendMessage(edit->Handle(), WM_KEYDOWN, 'Q', 0);
    SendMessage(edit->Handle(), WM_CHAR, 'q', 0);
    edit->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(log, (std::vector<AnsiString>{"edit down 81", "edit press 113", "edit change 0", "click 1"}));
    EXPECT_EQ(edit->Text(), "q");
}

}  // namespace

// A control that answers CM_WANTSPECIALKEY for the arrows.
class TArrowBox : public TFocusBox {
    SERVIORA_CLASS(TArrowBox, TFocusBox)
public:
    using TFocusBox::TFocusBox;

protected:
    void WndProc(TMessage& message) override {
        TFocusBox::WndProc(message);
        if (message.Msg == CM_WANTSPECIALKEY && message.WParam >= VK_LEFT && message.WParam <= VK_DOWN) message.Result = 1;
    }
};

namespace {

// Arrows move the focus between controls unless the focused control wants
// them through CM_WANTSPECIALKEY.
TEST_F(FormControlTest, AControlThatWantsTheArrowsGetsThem) {
    TFocusBox* plain = Place<TFocusBox>(form, 10, 10, 60, 20);
    TArrowBox* wanting = Place<TArrowBox>(form, 10, 40, 60, 20);
    std::vector<Word> keys;
    wanting->SetOnKeyDown([&](TObject*, Word& key, TShiftState) { keys.push_back(key); });
    ProcessMessages();
    plain->SetFocus();
    Key(VK_DOWN);
    EXPECT_TRUE(wanting->Focused()) << "a plain control hands the arrow to the form";
    Key(VK_RIGHT);
    Key(VK_UP);
    EXPECT_TRUE(wanting->Focused());
    EXPECT_EQ(keys, (std::vector<Word>{VK_RIGHT, VK_UP}));
}

}  // namespace
