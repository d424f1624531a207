// Focus and tab order: Tab follows TabOrder, Shift+Tab goes back, OnExit
// already sees its successor as the form's ActiveControl, disabled and
// hidden controls are passed over.
#include "platform/ui/stdctrls_edit.h"
#include "platform/win/userinput.h"
#include "tests/platform/ui/control_fixture.h"

using FocusTest = ControlTest;

namespace {

struct FocusForm {
    TForm* form;
    std::vector<TFocusBox*> boxes;
};

// Three boxes created in one order and tabbing in another (2, 0, 1).
FocusForm MakeForm(TForm* form) {
    FocusForm result{form, {}};
    for (int i = 0; i < 3; ++i) {
        TFocusBox* box = TFocusBox::Create(form);
        box->SetName("Box" + std::to_string(i));
        box->SetParent(form);
        box->SetBounds(10, 10 + 30 * i, 60, 20);
        result.boxes.push_back(box);
    }
    result.boxes[1]->SetTabOrder(0);
    result.boxes[2]->SetTabOrder(1);
    result.boxes[0]->SetTabOrder(2);
    return result;
}

}  // namespace

TEST_F(FocusTest, TabFollowsTabOrderAndShiftTabGoesBack) {
    auto [form, boxes] = MakeForm(NewForm());
    EXPECT_EQ(boxes[0]->TabOrder(), 2);
    form->Show();
    ProcessMessages();
    // The first control in tab order gets the focus when the form is activated.
    EXPECT_TRUE(boxes[1]->Focused());
    Key(VK_TAB);
    EXPECT_TRUE(boxes[2]->Focused());
    Key(VK_TAB);
    EXPECT_TRUE(boxes[0]->Focused());
    Key(VK_TAB);
    EXPECT_TRUE(boxes[1]->Focused());
    SimulateKey(VK_SHIFT, true);
    Key(VK_TAB);
    SimulateKey(VK_SHIFT, false);
    ProcessMessages();
    EXPECT_TRUE(boxes[0]->Focused());
    EXPECT_EQ(Screen->ActiveControl(), boxes[0]);
    EXPECT_EQ(Screen->ActiveForm(), form);
}

TEST_F(FocusTest, OnExitSeesTheControlReceivingTheFocusAsActiveControl) {
    auto [form, boxes] = MakeForm(NewForm());
    std::vector<AnsiString> log;
    for (TFocusBox* box : boxes) {
        box->SetOnExit([&, box, form = form](TObject*) {
            log.push_back("exit " + box->Name() + " active " + form->ActiveControl()->Name());
        });
        box->SetOnEnter([&, box](TObject*) { log.push_back("enter " + box->Name()); });
    }
    form->Show();
    ProcessMessages();
    boxes[0]->SetFocus();
    Key(VK_TAB);
    EXPECT_EQ(log, (std::vector<AnsiString>{"enter Box1", "exit Box1 active Box0", "enter Box0",
                                            "exit Box0 active Box1", "enter Box1"}));
}

TEST_F(FocusTest, DisabledAndHiddenControlsArePassedOverAndLoseTheFocus) {
    auto [form, boxes] = MakeForm(NewForm());
    form->Show();
    ProcessMessages();
    boxes[2]->SetEnabled(false);
    Key(VK_TAB);
    EXPECT_TRUE(boxes[0]->Focused());
    boxes[0]->SetVisible(false);
    ProcessMessages();
    EXPECT_TRUE(boxes[1]->Focused());
    EXPECT_FALSE(boxes[2]->CanFocus());
    EXPECT_THROW(form->FocusControl(boxes[2]), EInvalidOperation);
}

TEST_F(FocusTest, ImeModeDisableTurnsTheInputMethodOffForTheWindowOnly) {
    TForm* form = NewForm();
    auto* edit = Place<TEdit>(form, 10, 10, 100, 20);
    auto* other = Place<TEdit>(form, 10, 40, 100, 20);
    edit->SetImeMode(imDisable);  // before the window exists: applied when it is made
    form->Show();
    EXPECT_FALSE(InputMethodAllowed(edit->Handle()));
    EXPECT_TRUE(InputMethodAllowed(other->Handle()));
    edit->SetImeMode(imChinese);
    EXPECT_TRUE(InputMethodAllowed(edit->Handle()));
    edit->SetImeMode(imDisable);
    EXPECT_FALSE(InputMethodAllowed(edit->Handle()));
    EXPECT_EQ(GetEnumProp(edit, "ImeMode"), "imDisable");
}
