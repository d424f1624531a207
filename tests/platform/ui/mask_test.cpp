// Edit masks: FormatMaskText over a table of masks and values, and a masked
// edit on a form typed into through synthetic input (refused keys, literals
// stepped over, Chinese characters as one position), pasted into, cut from
// and validated.
#include "tests/platform/ui/control_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/clipbrd.h"
#include "platform/ui/mask.h"

struct FormatCase {
    const char* mask;
    const char* value;
    const char* expected;
};

TEST(FormatMaskTextTest, FormatsValuesByTheMask) {
    const FormatCase cases[] = {
        {"000-0000;0;_", "5551234", "555-1234"},
        {"000-0000;1;_", "555-1234", "555-1234"},
        {"000-0000;0;_", "55", "55 -    "},
        {"(999)000;0;*", "12a456", "(12 )456"},
        {">LL<ll;0", "abCD", "ABcd"},
        {">LL<>ll;0", "abCD", "ABCD"},
        {"\\A\\0-00;0", "12", "A0-12"},
        {"00:00;0", "1230", "12:30"},
        {"0000/00/00;0", "20261210", "2026-12-10"},
        {"00_00;0", "1234", "12 34"},
        {"!9999;0", "12", "  12"},
        {"#000;0", "-12x", "-12 "},
        {"CC-cc;0", "中a文", "中a-文 "},
        {"AA;0", "中1", "中1"},
        {"LL0;0", "中ab", " a "},
        {"", "free text", "free text"},
        {"货号00;0", "12", "货号12"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatMaskText(c.mask, c.value), AnsiString(c.expected)) << c.mask << " / " << c.value;
}

class MaskEditTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = NewForm(320, 200);
        form->Show();
        edit = TMaskEdit::Create(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        ProcessMessages();
    }
    void Focus() {
        edit->SetFocus();
        ProcessMessages();
        edit->SetSelStart(0);
    }
    static void Backspace() {
        SimulateKey(VK_BACK, true, "\b");
        SimulateKey(VK_BACK, false);
        ProcessMessages();
    }
    TForm* form = nullptr;
    TMaskEdit* edit = nullptr;
};

TEST_F(MaskEditTest, TypingRefusesKeysThatDoNotFitAndStepsOverLiterals) {
    edit->SetEditMask("(000)0000;0;_");
    EXPECT_TRUE(edit->IsMasked());
    EXPECT_EQ(edit->EditText(), AnsiString("(___)____"));
    Focus();
    const int beeps = BeepCount();
    SimulateTyping("12x34");
    ProcessMessages();
    EXPECT_EQ(edit->EditText(), AnsiString("(123)4___"));
    EXPECT_EQ(edit->Text(), AnsiString("1234   "));
    EXPECT_EQ(BeepCount() - beeps, 1);
    EXPECT_TRUE(edit->Modified());
    Backspace();
    Backspace();
    EXPECT_EQ(edit->EditText(), AnsiString("(12_)____"));
    EXPECT_EQ(edit->SelStart(), 3);
    Key(VK_LEFT);
    Key(VK_DELETE);
    EXPECT_EQ(edit->EditText(), AnsiString("(1__)____"));
}

TEST_F(MaskEditTest, ChineseCharacterTakesOnePosition) {
    edit->SetEditMask(">CC-L;1;_");
    Focus();
    SimulateCommit("中");
    SimulateTyping("a");
    SimulateCommit("文");
    SimulateTyping("b");
    ProcessMessages();
    EXPECT_EQ(edit->EditText(), AnsiString("中A-B"));  // 文 refused by L
    EXPECT_EQ(edit->Text(), AnsiString("中A-B"));
    edit->SetText("中文-z");
    EXPECT_EQ(edit->EditText(), AnsiString("中文-Z"));
}

TEST_F(MaskEditTest, TextAndEditTextFollowTheMask) {
    edit->SetText("5551234");
    edit->SetEditMask("000-0000;0;_");
    EXPECT_EQ(edit->EditText(), AnsiString("555-1234"));
    EXPECT_EQ(edit->Text(), AnsiString("5551234"));
    edit->SetEditText("123-45");
    EXPECT_EQ(edit->Text(), AnsiString("12345  "));
    edit->SetEditMask("");
    EXPECT_FALSE(edit->IsMasked());
    EXPECT_EQ(edit->Text(), AnsiString("123-45__"));
}

TEST_F(MaskEditTest, ValidateEditRaisesForAnUnfilledRequiredPosition) {
    edit->SetEditMask("00-99;0;_");
    edit->SetText("1");
    Focus();
    try {
        edit->ValidateEdit();
        FAIL() << "no error";
    } catch (const EDBEditError& e) {
        EXPECT_EQ(AnsiString(e.Message()), AnsiString("Invalid input value. Use escape key to abandon changes"));
    }
    EXPECT_EQ(edit->SelStart(), 1);
    edit->SetText("12");
    EXPECT_NO_THROW(edit->ValidateEdit());
}

TEST_F(MaskEditTest, LeavingAnIncompleteChangedEditFailsBeforeOnExit) {
    edit->SetEditMask("00-99;0;_");
    int exits = 0;
    edit->SetOnExit([&](TObject*) { ++exits; });
    Focus();
    EXPECT_NO_THROW(edit->Perform(CM_EXIT, 0, 0));  // untouched: nothing to validate
    EXPECT_EQ(exits, 1);
    SimulateTyping("1");
    ProcessMessages();
    EXPECT_THROW(edit->Perform(CM_EXIT, 0, 0), EDBEditError);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(edit->Focused());
    SimulateTyping("2");
    ProcessMessages();
    EXPECT_NO_THROW(edit->Perform(CM_EXIT, 0, 0));
    EXPECT_EQ(exits, 2);
}

TEST_F(MaskEditTest, PastedTextGoesThroughTheMaskAsIfTyped) {
    struct PasteCase {
        const char* mask;
        const char* shown;  // the edit text before, all of it selected when `overAll`
        bool overAll;
        const char* pasted;
        const char* expected;
        int beeps;
    };
    const PasteCase cases[] = {
        {"(000)0000;1;_", "", false, "(12a)3456", "(123)456_", 1},
        {"(000)0000;1;_", "(123)4567", true, "99", "(99_)____", 0},
        {">CC-L;1;_", "", false, "中文-x", "中文-X", 0},
        {"0000;1;_", "", false, "12\r\n34", "12__", 0},
        {"00-00;1;_", "", false, "1234567", "12-34", 1},
    };
    // Ctrl+V, Shift+Insert and WM_PASTE all paste through the mask.
    const std::function<void()> pastes[] = {
        [] {
            SimulateKey(VK_CONTROL, true);
            SimulateKey('V', true, "\x16");
            SimulateKey('V', false);
            SimulateKey(VK_CONTROL, false);
        },
        [] {
            SimulateKey(VK_SHIFT, true);
            SimulateKey(VK_INSERT, true);
            SimulateKey(VK_INSERT, false);
            SimulateKey(VK_SHIFT, false);
        },
        [this] { edit->PasteFromClipboard(); },
    };
    for (const PasteCase& c : cases)
        for (const auto& paste : pastes) {
            SCOPED_TRACE(AnsiToUtf8(c.mask) + " / " + AnsiToUtf8(c.pasted));
            edit->SetEditMask(c.mask);
            edit->SetEditText(c.shown);
            Focus();
            if (c.overAll) edit->SelectAll();
            Clipboard()->SetAsText(c.pasted);
            const int beeps = BeepCount();
            paste();
            ProcessMessages();
            EXPECT_EQ(edit->EditText(), AnsiString(c.expected));
            EXPECT_EQ(BeepCount() - beeps, c.beeps);
            edit->SetEditMask("");
        }
}

TEST_F(MaskEditTest, CuttingBlanksThePositionsAndKeepsTheLiterals) {
    edit->SetEditMask("(000)0000;1;_");
    edit->SetEditText("(123)4567");
    Focus();
    edit->SetSelStart(1);
    edit->SetSelLength(5);
    SimulateKey(VK_SHIFT, true);
    Key(VK_DELETE);
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_EQ(Clipboard()->AsText(), AnsiString("123)4"));
    EXPECT_EQ(edit->EditText(), AnsiString("(___)_567"));
    EXPECT_EQ(edit->SelStart(), 1);
}
