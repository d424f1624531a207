// An application's edit control linked to edCustom cells, in place and in
// pop-up forms, through synthetic keys; the overlay edit; wide cell text.
#include <gtest/gtest.h>

#include "grid_fixture.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_combo.h"
#include "stringgrid/BavEditLink.h"
#include "stringgrid/BavOptions.h"

namespace {

// Links a plain edit, its key-down event going to EditKeyDown.
class TEditControlLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return edit; }
    void CreateEditor(TWinControl* parent) override {
        if (!edit) {
            edit = new TEdit(parent);
            edit->SetOnKeyDown([this](TObject* sender, Word& key, TShiftState shift) { EditKeyDown(sender, key, shift); });
        }
        edit->SetParent(parent);
        ++created;
    }
    void DestroyEditor() override {
        delete edit;
        edit = nullptr;
    }
    AnsiString GetEditorValue() override {
        if (onRead) onRead(this);
        return edit->Text();
    }
    void SetEditorValue(const AnsiString& value) override { edit->SetText(value); }
    TEdit* edit = nullptr;
    int created = 0;
    TNotifyEvent onRead;  // told each time the value is read
};

class EditLinkTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        EditAs(edCustom);
        link = new TEditControlLink(form);
        grid->SetEditLink(link);
        grid->FocusCell(1, 1, true);
        ProcessMessages();
    }
    TEditControlLink* link = nullptr;
};

TEST_F(EditLinkTest, InPlaceEditCommitsAndKeysFollowTheWantFlags) {
    grid->SetCells(1, 1, "old");
    Key(VK_F2);
    ASSERT_TRUE(link->edit && link->edit->Focused());
    EXPECT_EQ(link->edit->Text(), "old");
    EXPECT_EQ(link->Grid(), grid);
    EXPECT_EQ(link->EditCell(), (TGridCoord{1, 1}));
    EXPECT_EQ(link->edit->Left(), grid->CellRect(1, 1).left);
    link->edit->SetText("new");
    Key(VK_DOWN);
    EXPECT_EQ(grid->Cells(1, 1), "new");
    EXPECT_EQ(grid->Row(), 2) << "Down leaves the cell through the grid";
    EXPECT_TRUE(grid->Focused());

    link->SetWantKeyUpDown(true);
    Key(VK_F2);
    Key(VK_UP);
    EXPECT_TRUE(link->edit->Focused()) << "the control keeps Up";
    EXPECT_EQ(grid->Row(), 2);
    Key(VK_HOME);
    EXPECT_TRUE(link->edit->Focused()) << "Home is never the link's";
    link->edit->SetText("changed");
    Key(VK_ESCAPE);
    EXPECT_EQ(grid->Cells(1, 2), "") << "Esc puts the starting text back";
    EXPECT_TRUE(grid->Focused());
}

TEST_F(EditLinkTest, WithGoTabsTheLinkedControlTakesTabAndArrowsThroughTheGrid) {
    Key(VK_F2);
    ASSERT_TRUE(link->edit && link->edit->Focused());
    const LRESULT own = SendMessage(link->edit->Handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_NE(own, LRESULT(DLGC_WANTARROWS | DLGC_WANTTAB)) << "without goTabs the control answers itself";
    TGridOptions options = grid->Options();
    options.Include(goTabs);
    grid->SetOptions(options);
    EXPECT_EQ(SendMessage(link->edit->Handle(), WM_GETDLGCODE, 0, 0), LRESULT(DLGC_WANTARROWS | DLGC_WANTTAB));
    EXPECT_EQ(SendMessage(link->edit->Handle(), WM_GETTEXTLENGTH, 0, 0), LRESULT(link->edit->Text().size()))
        << "other messages reach the control's own procedure";
    link->edit->SetText("tabbed");
    Key(VK_TAB);
    EXPECT_EQ(grid->Cells(1, 1), "tabbed");
    EXPECT_EQ(grid->Col(), 2) << "Tab leaves the cell through the grid";
    EXPECT_EQ(SendMessage(link->edit->Handle(), WM_GETDLGCODE, 0, 0), own)
        << "the closed control has its own procedure back";
}

TEST_F(EditLinkTest, PopupFormsAtTheCellOrAPointAndTwoLinksInTurn) {
    link->SetEditStyle(esPopup);
    link->SetPopupWidth(120);
    link->SetPopupHeight(40);
    Key(VK_F2);
    ASSERT_NE(link->PopupForm(), nullptr);
    POINT corner{grid->CellRect(1, 1).left, grid->CellRect(1, 1).top};
    ClientToScreen(grid->Handle(), &corner);
    EXPECT_EQ(link->PopupForm()->Left(), corner.x);
    EXPECT_EQ(link->PopupForm()->Top(), corner.y);
    EXPECT_EQ(link->PopupForm()->Name(), "gridform");
    link->edit->SetText("p1");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "p1");

    auto* second = new TEditControlLink(form);
    second->SetEditStyle(esPopup);
    second->SetPopupLeft(30);
    second->SetPopupTop(40);
    second->SetPopupWidth(100);
    second->SetPopupHeight(30);
    TForm* firstForm = link->PopupForm();
    grid->SetEditLink(second);
    grid->FocusCell(2, 2, true);
    Key(VK_F2);
    ASSERT_NE(second->PopupForm(), nullptr);
    EXPECT_NE(second->PopupForm(), firstForm);
    EXPECT_EQ(second->PopupForm()->Left(), 30);
    EXPECT_EQ(second->PopupForm()->Top(), 40);
    EXPECT_EQ(link->PopupForm(), firstForm) << "another link's form is never freed";
    second->edit->SetText("p2");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 2), "p2");

    grid->SetEditLink(link);
    grid->FocusCell(1, 2, true);
    Key(VK_F2);
    EXPECT_EQ(link->PopupForm(), firstForm) << "each link reuses its own form";
    link->edit->SetText("again");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 2), "again");
}

TEST_F(EditLinkTest, AfterAPopupEditAClickOpensTheEditorAgain) {
    grid->Navigation()->SetAlwaysEdit(true);
    TGridOptions options = grid->Options();
    options.Include(goAlwaysShowEditor);
    grid->SetOptions(options);
    link->SetEditStyle(esPopup);
    link->SetPopupWidth(100);
    link->SetPopupHeight(30);
    Key(VK_F2);
    ASSERT_TRUE(link->PopupForm() && link->PopupForm()->Visible());
    link->edit->SetText("done");
    form->SetFocus();
    form->Show();
    SetActiveWindow(form->Handle());
    ProcessMessages();
    EXPECT_FALSE(link->PopupForm()->Visible()) << "deactivation closes the pop-up";
    EXPECT_EQ(grid->Cells(1, 1), "done");
    const int before = link->created;
    const TRect cell = grid->CellRect(2, 2);
    SimulateClick(grid->Handle(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    ProcessMessages();
    EXPECT_FALSE(grid->PopupEditClosed());
    EXPECT_GT(link->created, before) << "the editor opens again";
}

using TransEditTest = StringGridTest;

TEST_F(TransEditTest, OverlayStaysOnARejectedValue) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    form->Show();
    auto* overlay = new TGridTransEdit(grid);
    overlay->SetParent(grid);
    overlay->SetCellCol(1);
    overlay->SetCellRow(0);
    overlay->SetVisible(true);
    overlay->SetText("bad");
    grid->SetOnCellValidate([](TObject*, int, int, AnsiString& value, bool& valid) {
        valid = value != "bad";
        value += "!";
    });
    EXPECT_FALSE(overlay->CommitText());
    EXPECT_TRUE(overlay->Visible());
    EXPECT_EQ(grid->Col(), 1);
    overlay->SetText("good");
    EXPECT_TRUE(overlay->CommitText());
    EXPECT_EQ(grid->Cells(1, 0), "good!");
    EXPECT_FALSE(overlay->Visible());
}

TEST_F(TransEditTest, WideCellTextRoundTrips) {
    const WideString texts[] = {u"中文", u"\u0100x", u"𠀀"};
    for (const WideString& text : texts) {
        grid->SetWideCell(1, 1, text);
        EXPECT_EQ(grid->GetWideCell(1, 1), text);
    }
}

}  // namespace

// A control whose value, read back, moves the focus elsewhere: the focus
// moving is the read-back's doing, and the grid is not left by it.
TEST_F(EditLinkTest, FocusMovedByTheReadBackIsNoExitOfTheGrid) {
    TEdit* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(0, 320, 100, 20);
    int exits = 0;
    grid->SetOnExit([&](TObject*) { ++exits; });
    Key(VK_F2);
    ASSERT_TRUE(link->edit && link->edit->Focused());
    link->edit->SetText("typed");
    // The value is read through the control; reading it moves the focus.
    LRESULT killFocusAnswer = -1;
    link->onRead = [&](TObject*) {
        killFocusAnswer = SendMessage(grid->Handle(), WM_KILLFOCUS, 0, 0);
        other->SetFocus();
    };
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "typed");
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(killFocusAnswer, 1) << "the grid's losing of the focus is answered and left alone";
    link->onRead = nullptr;

    grid->SetFocus();
    ProcessMessages();
    other->SetFocus();
    ProcessMessages();
    EXPECT_EQ(exits, 1) << "an ordinary leaving still tells";
}

namespace {

// Links a combo box, whose changes the grid tells as its own combo's.
class TComboControlLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return combo; }
    void CreateEditor(TWinControl* parent) override {
        if (!combo) combo = new TComboBox(parent);
        combo->SetParent(parent);
        combo->Items()->SetText("one\r\ntwo\r\n");
    }
    void DestroyEditor() override {
        delete combo;
        combo = nullptr;
    }
    AnsiString GetEditorValue() override { return combo->Text(); }
    void SetEditorValue(const AnsiString& value) override { combo->SetText(value); }
    TComboBox* combo = nullptr;
};

}  // namespace

TEST_F(EditLinkTest, ALinkedComboTellsItsChoice) {
    auto* comboLink = new TComboControlLink(form);
    grid->SetEditLink(comboLink);
    std::vector<std::string> told;
    grid->SetOnComboChange([&](TObject*, int col, int row, int index, const AnsiString& text) {
        told.push_back(std::to_string(col) + "," + std::to_string(row) + " " + std::to_string(index) + " " + text);
    });
    Key(VK_F2);
    ASSERT_TRUE(comboLink->combo && comboLink->combo->HandleAllocated());
    const HWND combo = comboLink->combo->Handle();
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    SendMessage(grid->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), LPARAM(combo));
    EXPECT_EQ(told, (std::vector<std::string>{"1,1 1 two"}));
}

TEST_F(EditLinkTest, AChildsCommandIsSentBackToTheChild) {
    auto* child = new TEdit(form);
    child->SetParent(grid);
    std::vector<WPARAM> heard;
    const TWndMethod old = child->WindowProc();
    child->SetWindowProc([&](TMessage& m) {
        if (m.Msg == WM_COMMAND) heard.push_back(m.WParam);
        old(m);
    });
    ProcessMessages();
    SendMessage(grid->Handle(), WM_COMMAND, MAKEWPARAM(7, EN_UPDATE), LPARAM(child->Handle()));
    SendMessage(grid->Handle(), WM_COMMAND, MAKEWPARAM(8, 0), 0);
    EXPECT_EQ(heard, std::vector<WPARAM>{MAKEWPARAM(7, EN_UPDATE)});
    child->SetWindowProc(old);
}
