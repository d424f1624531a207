// Modal forms: ShowModal answers ModalResult, OnCloseQuery can veto, OnClose
// actions, a posted quit ends the loop with mrCancel, a form shown again
// takes its first click.
#include "platform/ui/stdctrls_edit.h"
#include "tests/platform/ui/control_fixture.h"

using ModalTest = ControlTest;

namespace {

struct Dialog {
    TForm* form;
    TButton* ok;
    TButton* cancel;
};

Dialog MakeDialog(TForm* form) {
    Dialog d{form, TButton::Create(form), TButton::Create(form)};
    d.ok->SetParent(form);
    d.ok->SetBounds(10, 10, 75, 25);
    d.ok->SetModalResult(mrOk);
    d.cancel->SetParent(form);
    d.cancel->SetBounds(100, 10, 75, 25);
    d.cancel->SetCancel(true);
    d.cancel->SetOnClick([form](TObject*) { form->Close(); });
    return d;
}

}  // namespace

TEST_F(ModalTest, ShowModalAnswersTheClickedButtonsModalResultAfterCloseQueryAgrees) {
    Dialog d = MakeDialog(NewForm());
    int queries = 0;
    std::vector<AnsiString> log;
    d.form->SetOnCloseQuery([&](TObject*, bool& canClose) { canClose = ++queries > 1; });
    d.form->SetOnClose([&](TObject*, TCloseAction& action) {
        log.push_back(action == caHide ? "close hide" : "close other");
    });
    d.form->SetOnShow([&](TObject*) { log.push_back("show"); });
    // Two clicks wait in the queue: the first is vetoed, the second closes.
    d.form->SetOnActivate([&](TObject*) {
        QueueClick(d.ok);
        QueueClick(d.ok);
    });
    EXPECT_EQ(d.form->ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(log, (std::vector<AnsiString>{"show", "close hide"}));
    EXPECT_FALSE(d.form->Visible());
    EXPECT_FALSE(d.form->FormState().Contains(fsModal));
}

TEST_F(ModalTest, CloseInsideAModalFormAndEscAnswerCancel) {
    Dialog d = MakeDialog(NewForm());
    d.form->SetOnActivate([&](TObject*) { QueueClick(d.cancel); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    d.form->SetOnActivate([&](TObject*) {
        SimulateKey(VK_ESCAPE, true);
        SimulateKey(VK_ESCAPE, false);
    });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_FALSE(Application->Terminated());
}

TEST_F(ModalTest, OtherWindowsAreDisabledWhileAModalFormRuns) {
    TForm* main = NewForm();
    main->Show();
    Dialog d = MakeDialog(NewForm());
    bool mainEnabledDuring = true;
    d.form->SetOnActivate([&](TObject*) {
        mainEnabledDuring = IsWindowEnabled(main->Handle());
        QueueClick(d.ok);
    });
    d.form->ShowModal();
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_THROW(main->ShowModal(), EInvalidOperation);
}

TEST_F(ModalTest, APostedQuitEndsShowModalWithCancelAndTerminatesTheApplication) {
    Dialog d = MakeDialog(NewForm());
    d.form->SetOnShow([](TObject*) { PostQuitMessage(0); });
    EXPECT_EQ(d.form->ShowModal(), mrCancel);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(ModalTest, CloseActionsHideFreeOrKeepTheForm) {
    struct Case {
        TCloseAction action;
        bool visible;
        bool freed;
    };
    for (const Case& c : {Case{caHide, false, false}, Case{caNone, true, false}, Case{caFree, false, true}}) {
        TForm* form = NewForm();
        form->SetOnClose([&](TObject*, TCloseAction& action) { action = c.action; });
        form->Show();
        form->Close();
        ProcessMessages();
        bool stillOwned = false;
        for (int i = 0; i < Application->ComponentCount(); ++i) stillOwned |= Application->Components(i) == form;
        EXPECT_EQ(!stillOwned, c.freed);
        if (stillOwned) {
            EXPECT_EQ(form->Visible(), c.visible);
            delete form;
        }
    }
}

namespace {

// A login-like dialog: two edits (the first focused on showing) and a
// default button that Enter presses.
struct EditDialog {
    TForm* form;
    TEdit* first;
    TEdit* second;
    TButton* ok;
};

EditDialog MakeEditDialog(TForm* form) {
    EditDialog d{form, TEdit::Create(form), TEdit::Create(form), TButton::Create(form)};
    d.first->SetParent(form);
    d.first->SetBounds(10, 10, 120, 21);
    d.second->SetParent(form);
    d.second->SetBounds(10, 40, 120, 21);
    d.ok->SetParent(form);
    d.ok->SetBounds(10, 80, 75, 25);
    d.ok->SetModalResult(mrOk);
    d.ok->SetDefault(true);
    d.form->SetOnShow([first = d.first](TObject*) { first->SetFocus(); });
    return d;
}

}  // namespace

// A modal form shown again in the same run (the same form or a new one)
// takes the first click on an edit as the first showing does. The showing
// before ended soon after a click at the same place: that press and the new
// one are not a double click, which an edit does not take as a focusing press.
TEST_F(ModalTest, AFirstClickFocusesAnEditEachTimeAModalFormIsShown) {
    TForm* main = NewForm(400, 300);
    main->Show();
    ProcessMessages();
    const EditDialog reused = MakeEditDialog(NewForm());
    TTimer driver(nullptr);
    driver.SetInterval(1);
    for (const char* round : {"first showing", "same form again", "new form"}) {
        SCOPED_TRACE(round);
        const EditDialog d = AnsiString(round) == "new form" ? MakeEditDialog(NewForm()) : reused;
        HWND focusAfterClick = 0;
        driver.SetOnTimer([&](TObject*) {
            if (!d.form->Visible()) return;
            driver.SetEnabled(false);
            Click(d.second);
            focusAfterClick = GetFocus();
            Key(VK_RETURN);
        });
        driver.SetEnabled(true);
        EXPECT_EQ(d.form->ShowModal(), mrOk);
        EXPECT_EQ(focusAfterClick, d.second->Handle());
    }
}
