// The standard edit actions run on the focused edit, or on their Control
// only, and enable themselves from its selection, text and the clipboard.
#include <gtest/gtest.h>

#include "platform/ui/clipbrd.h"
#include "platform/ui/stdactns.h"
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class EditActionsTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        edit = Place<TEdit>(form, 10, 10, 150, 21);
        other = Place<TEdit>(form, 10, 40, 150, 21);
        edit->SetText("0000000001");
        edit->SetFocus();
        ProcessMessages();
        edit->SetSelStart(0);
        edit->SetSelLength(4);
    }
    TEdit* edit = nullptr;
    TEdit* other = nullptr;
};

}  // namespace

TEST_F(EditActionsTest, RunOnTheFocusedEdit) {
    TEditCopy copy(nullptr);
    TEditDelete erase(nullptr);
    TEditSelectAll selectAll(nullptr);
    EXPECT_FALSE(other->ExecuteAction(&copy));
    EXPECT_TRUE(edit->ExecuteAction(&copy));
    EXPECT_EQ(Clipboard()->AsText(), "0000");
    EXPECT_TRUE(edit->ExecuteAction(&erase));
    EXPECT_EQ(edit->Text(), "000001");
    EXPECT_TRUE(edit->ExecuteAction(&selectAll));
    EXPECT_EQ(edit->SelLength(), 6);
}

TEST_F(EditActionsTest, AControlNarrowsTheTarget) {
    TEditCut cut(nullptr);
    cut.SetControl(other);
    EXPECT_FALSE(edit->ExecuteAction(&cut));
    EXPECT_EQ(edit->Text(), "0000000001");
    cut.SetControl(edit);
    EXPECT_TRUE(edit->ExecuteAction(&cut));
    EXPECT_EQ(edit->Text(), "000001");
}

TEST_F(EditActionsTest, UpdatesEnableFromTheEdit) {
    TEditCopy copy(nullptr);
    TEditPaste paste(nullptr);
    EXPECT_TRUE(edit->UpdateAction(&copy));
    EXPECT_TRUE(copy.Enabled());
    edit->SetSelLength(0);
    EXPECT_TRUE(edit->UpdateAction(&copy));
    EXPECT_FALSE(copy.Enabled());
    Clipboard()->SetAsText("x");
    EXPECT_TRUE(edit->UpdateAction(&paste));
    EXPECT_TRUE(paste.Enabled());
    Clipboard()->Clear();
    EXPECT_TRUE(edit->UpdateAction(&paste));
    EXPECT_FALSE(paste.Enabled());
}

TEST_F(EditActionsTest, AnUnansweredActionReachesTheFocusedControl) {
    TEditCopy copy(nullptr);
    TActionList list(nullptr);
    copy.SetActionList(&list);
    EXPECT_TRUE(copy.Execute());
    EXPECT_EQ(Clipboard()->AsText(), "0000");
    edit->SetSelLength(0);
    copy.Update();
    EXPECT_FALSE(copy.Enabled());
    list.SetOnExecute([](TBasicAction*, bool& handled) { handled = true; });
    edit->SetSelLength(4);
    Clipboard()->Clear();
    EXPECT_TRUE(copy.Execute());
    EXPECT_EQ(Clipboard()->AsText(), "");
}

namespace {

// Shows the application's hint, as a status pane would.
class THintShower : public TPanel {
public:
    using TPanel::TPanel;
    bool ExecuteAction(TBasicAction* action) override {
        auto* hint = dynamic_cast<THintAction*>(action);
        if (!hint) return TPanel::ExecuteAction(action);
        shown = hint->Hint();
        return true;
    }
    AnsiString shown;
};

}  // namespace

// Without an OnHint handler the hint travels as an action past the focused
// control and the form to whichever visible control of the form answers it.
TEST_F(EditActionsTest, TheApplicationsHintReachesAControlOfTheActiveFormThatShowsIt) {
    TPanel* box = Place<TPanel>(form, 10, 70, 200, 40);
    auto* shower = new THintShower(form);
    shower->SetParent(box);
    Application->SetHint("保存维修单");
    EXPECT_EQ(shower->shown, AnsiString("保存维修单"));
    shower->SetVisible(false);
    Application->SetHint("打印凭证");
    EXPECT_EQ(shower->shown, AnsiString("保存维修单")) << "a hidden control hears nothing";
}

// A control linked to an action takes its values, follows its changes while
// it still shows the action's value, and forgets a freed action.
TEST_F(EditActionsTest, AControlFollowsItsActionWhileItSharesItsValues) {
    TButton* button = Place<TButton>(form, 10, 120, 80, 25);
    auto action = std::make_unique<TAction>(nullptr);
    action->SetCaption("保存");
    action->SetHint("保存维修单");
    button->SetAction(action.get());
    EXPECT_EQ(button->Caption(), AnsiString("保存"));
    EXPECT_EQ(button->Hint(), AnsiString("保存维修单"));
    action->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    action->SetCaption("另存");
    EXPECT_EQ(button->Caption(), AnsiString("另存"));
    button->SetCaption("自己的");
    action->SetCaption("再存");
    EXPECT_EQ(button->Caption(), AnsiString("自己的")) << "a value of its own is kept";
    action.reset();
    EXPECT_EQ(button->Action(), nullptr);
    EXPECT_EQ(button->ActionLink(), nullptr);
}
