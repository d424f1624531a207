// The grid's find dialog: its form, the column choice, the three match
// modes, the directions (and Ctrl reversing them), Match Case and Match
// Format, the not-found message with the grid left where it was, and Ctrl+F
// in a list grid over the service orders opening it modally.
#include "datagrid/DBGridVynFindDlgs.h"

#include <fstream>

#include "platform/data/field.h"
#include "platform/gdi/imagecodecs.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/extctrls.h"
#include "platform/win/testseams.h"
#include "platform/win/winuser.h"
#include "support/memory_dataset.h"
#include "tests/datagrid/grid_fixture.h"
#include "tests/datagrid/list_grid_fixture.h"
#include "tests/platform/ui/control_fixture.h"

namespace {

class FindDialogTest : public FormControlTest {
protected:
    void SetUp() override {
        FormControlTest::SetUp();
        data = new TMemoryDataSet(form);
        data->AddColumn("Model", ftString, 10);
        data->AddColumn("Maker", ftString, 20);
        data->AddColumn("Sold", ftDate);
        data->AddRow({Variant("X100"), Variant("Acme"), Variant("2026-03-04")});
        data->AddRow({Variant("Z9"), Variant("Brio"), Variant("2025-12-31")});
        data->AddRow({Variant("abc"), Variant("Cato"), Variant("2024-01-02")});
        data->AddRow({Variant("Q5"), Variant("Dora ABC"), Variant("2023-05-06")});
        data->AddRow({Variant("P1"), Variant("Acme"), Variant("2022-07-08")});
        data->Open();
        static_cast<TDateTimeField*>(data->FieldByName("Sold"))->SetDisplayFormat("yyyy\"年\"mm\"月\"dd\"日\"");
        source = new TDataSource(form);
        source->SetDataSet(data);
        grid = Place<TProbeGrid>(form, 0, 0, 300, 150);
        for (const char* name : {"Model", "Maker", "Sold"}) grid->Columns()->Add()->SetFieldName(name);
        grid->SetDataSource(source);
        ProcessMessages();
    }

    // The dialog shown (not modally) for the grid, searching `text`.
    TDBGridVynFindDlg* Open(const AnsiString& text = AnsiString()) {
        ExecuteDBGridVynFindDialog(grid, text, AnsiString(), false, {});
        ProcessMessages();
        return DBGridVynFindDlg();
    }
    void Direction(TDBGridVynFindDlg* dialog, const char* direction) { dialog->cbFindDirection->SetText(direction); }
    // Find next; a not-found message is answered and its text returned.
    AnsiString FindNext(TDBGridVynFindDlg* dialog) {
        ResetModalResponder();
        PushModalAnswer({mrOk});
        dialog->bFindClick(dialog->bFind);
        const AnsiString asked = ModalQuestions().empty() ? AnsiString() : ModalQuestions().back().text;
        ResetModalResponder();
        return asked;
    }
    // Where the grid stands: record number and current column.
    std::pair<int, int> At() const { return {data->RecNo(), grid->SelectedIndex()}; }

    TMemoryDataSet* data = nullptr;
    TDataSource* source = nullptr;
    TProbeGrid* grid = nullptr;
};

TEST_F(FindDialogTest, TheFormHoldsItsComponentsAndOneDialogServesEveryGrid) {
    TDBGridVynFindDlg* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Caption(), "Find text");
    EXPECT_EQ(dialog->ClientWidth(), 505);
    EXPECT_EQ(dialog->ClientHeight(), 124);
    EXPECT_TRUE(dialog->KeyPreview());
    EXPECT_EQ(dialog->Owner(), Application);
    EXPECT_EQ(dialog->cbMatchType->Caption(), "Matc&h:");
    EXPECT_EQ(dialog->cbMatchinType->ItemIndex(), 0);
    EXPECT_EQ(dialog->cbMatchinType->Items()->Strings(2), "From beging of field");
    EXPECT_EQ(dialog->cbFindDirection->Text(), "All");
    EXPECT_EQ(dialog->cbFindDirection->ItemIndex(), 2);
    EXPECT_EQ(dialog->cbText->DropDownBox()->Rows(), 17);
    EXPECT_TRUE(dialog->cbFindIn->DropDownBox()->Sizable());
    EXPECT_FALSE(dialog->cbCharCase->Checked());
    EXPECT_TRUE(dialog->cbUseFormat->Checked());
    EXPECT_EQ(AnsiString(dialog->cbText->ClassName()), "TDBComboBoxVyn");
    EXPECT_EQ(AnsiString(dialog->cbCharCase->ClassName()), "TDBCheckBoxVyn");
    EXPECT_EQ(dialog->cbText->TabOrder(), 0);
    EXPECT_EQ(dialog->bCancel->TabOrder(), 7);
    EXPECT_EQ(Open(), dialog);
}

TEST_F(FindDialogTest, TheColumnChoiceListsVisibleColumnsInDisplayOrderAndStartsOnTheCurrentOne) {
    grid->Columns()->Items(2)->SetIndex(0);  // Sold, Model, Maker
    grid->SelectColumnByIndex(2);            // Maker
    TDBGridVynFindDlg* dialog = Open();
    TStrings* items = dialog->cbFindIn->Items();
    ASSERT_EQ(items->Count(), 4);
    EXPECT_EQ(items->Strings(0), "Sold");
    EXPECT_EQ(items->Strings(1), "Model");
    EXPECT_EQ(items->Strings(2), "Maker");
    EXPECT_EQ(items->Strings(3), "<All>");
    EXPECT_EQ(dialog->cbFindIn->ItemIndex(), 2);
    ASSERT_EQ(dialog->FindColumns().Count(), 1);
    EXPECT_EQ(dialog->FindColumns().Items(0)->FieldName(), "Maker");

}

TEST_F(FindDialogTest, AnInvisibleCurrentColumnChoosesAllOverTheVisibleOnes) {
    grid->Columns()->Items(1)->SetVisible(false);  // Maker
    grid->SetCol(grid->DataToRawColumn(1));
    ASSERT_EQ(grid->SelectedIndex(), 1);
    TDBGridVynFindDlg* dialog = Open();
    EXPECT_EQ(dialog->cbFindIn->Items()->Count(), 3);
    EXPECT_EQ(dialog->cbFindIn->Text(), "<All>");
    ASSERT_EQ(dialog->FindColumns().Count(), 2);
    EXPECT_EQ(dialog->FindColumns().Items(0)->FieldName(), "Model");
    EXPECT_EQ(dialog->FindColumns().Items(1)->FieldName(), "Sold");
}

TEST_F(FindDialogTest, AllFindsTheThirdRecordsSecondColumnThenContinuesAfterIt) {
    data->First();
    TDBGridVynFindDlg* dialog = Open("at");
    dialog->cbFindIn->SetText("<All>");
    EXPECT_EQ(FindNext(dialog), "");
    EXPECT_EQ(At(), (std::pair{3, 1}));  // Cato
    EXPECT_FALSE(dialog->FirstTry());
    dialog->cbText->SetText("o");
    dialog->cbMatchinType->SetText("From any part of field");
    EXPECT_EQ(FindNext(dialog), "");
    EXPECT_EQ(At(), (std::pair{2, 1}));  // a new text starts from the first record again: Brio
    EXPECT_EQ(FindNext(dialog), "");
    EXPECT_EQ(At(), (std::pair{3, 1}));  // Cato
    EXPECT_EQ(FindNext(dialog), "");
    EXPECT_EQ(At(), (std::pair{4, 1}));  // Dora ABC
}

TEST_F(FindDialogTest, DownIncludesTheCurrentRecordAndANotFoundSearchLeavesTheGridWhereItWas) {
    data->MoveBy(1);  // Z9
    grid->SelectColumnByIndex(0);
    TDBGridVynFindDlg* dialog = Open("Z9");
    Direction(dialog, "Down");
    EXPECT_EQ(FindNext(dialog), "");
    EXPECT_EQ(At(), (std::pair{2, 0}));

    data->MoveBy(1);  // abc: nothing below holds X100
    dialog->cbText->SetText("X100");
    EXPECT_EQ(AnsiToUtf8(FindNext(dialog)), Utf8(u8"字符 \"X100\" 没有找到。"));
    EXPECT_EQ(At(), (std::pair{3, 0}));
    EXPECT_EQ(dialog->cbText->Items()->IndexOf("X100"), 1);  // the history keeps both texts
}

TEST_F(FindDialogTest, CtrlHeldReversesTheDirection) {
    data->Last();
    grid->SelectColumnByIndex(1);
    TDBGridVynFindDlg* dialog = Open("Acme");
    Direction(dialog, "Down");
    SimulateKey(VK_CONTROL, true);
    ProcessMessages();
    EXPECT_EQ(FindNext(dialog), "");  // the current record first
    EXPECT_EQ(At(), (std::pair{5, 1}));
    EXPECT_EQ(FindNext(dialog), "");
    EXPECT_EQ(At(), (std::pair{1, 1}));
    SimulateKey(VK_CONTROL, false);
    ProcessMessages();
}

TEST_F(FindDialogTest, AllColumnsAreComparedInDisplayOrderBeforeTheNextRecord) {
    grid->Columns()->Items(1)->SetIndex(0);  // Maker, Model, Sold
    TDBGridVynFindDlg* dialog = Open("a");
    dialog->cbFindIn->SetText("<All>");
    Direction(dialog, "Down");
    std::vector<std::pair<int, int>> found;
    for (int i = 0; i < 4; ++i) {
        FindNext(dialog);
        found.push_back(At());
    }
    // Acme; Cato before abc in the same record; Dora ABC.
    EXPECT_EQ(found, (std::vector<std::pair<int, int>>{{1, 0}, {3, 0}, {3, 1}, {4, 0}}));
}

TEST_F(FindDialogTest, MatchModesCaseAndFormat) {
    data->SetRecNo(3);
    const AnsiString soldText = data->FieldByName("Sold")->AsString();
    ASSERT_EQ(soldText.find("月"), AnsiString::npos);
    struct Case {
        const char* name;
        AnsiString text;
        const char* column;
        const char* mode;
        bool matchCase;
        bool useFormat;
        int record;  // 0: not found
    };
    const Case cases[] = {
        {"any part, case ignored", "abc", "Maker", "From any part of field", false, true, 4},
        {"any part, case kept", "abc", "Maker", "From any part of field", true, true, 0},
        {"whole field", "Dora", "Maker", "Whole field", false, true, 0},
        {"whole field equal", "dora abc", "Maker", "Whole field", false, true, 4},
        {"beginning", "do", "Maker", "From beging of field", false, true, 4},
        {"beginning, empty text", "", "Maker", "From beging of field", false, true, 1},
        {"any part, empty text", "", "Maker", "From any part of field", false, true, 0},
        {"format on: the shown date", "2024年01月", "Sold", "From any part of field", false, true, 3},
        {"format off: not the shown date", "2024年01月", "Sold", "From any part of field", false, false, 0},
        {"format off: the field text", soldText, "Sold", "Whole field", false, false, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data->First();
        TDBGridVynFindDlg* dialog = Open(c.text);
        dialog->cbFindIn->SetText(c.column);
        dialog->cbMatchinType->SetText(c.mode);
        dialog->cbCharCase->SetChecked(c.matchCase);
        dialog->cbUseFormat->SetChecked(c.useFormat);
        const bool reported = !FindNext(dialog).empty();
        EXPECT_EQ(reported, c.record == 0);
        EXPECT_EQ(data->RecNo(), c.record == 0 ? 1 : c.record);
        dialog->Close();
    }
}

TEST_F(FindDialogTest, TheGridHearsNothingWhileTheScanWalks) {
    TDBGridVynFindDlg* dialog = Open("P1");
    dialog->cbFindIn->SetText("Model");
    grid->recording = true;
    FindNext(dialog);
    grid->recording = false;
    EXPECT_EQ(data->RecNo(), 5);
    int scrolls = 0;
    for (const AnsiString& call : grid->Take()) scrolls += call.compare(0, 12, "DataScrolled") == 0;
    EXPECT_LE(scrolls, 1);
}

TEST_F(FindDialogTest, EnterFindsAndEscapeClosesTheModelessDialog) {
    TDBGridVynFindDlg* dialog = Open("Brio");
    dialog->cbFindIn->SetText("Maker");
    dialog->cbText->SetFocus();
    ProcessMessages();
    Key(VK_RETURN);
    EXPECT_EQ(At(), (std::pair{2, 1}));
    EXPECT_FALSE(dialog->cbText->Modified());
    Key(VK_ESCAPE);
    EXPECT_FALSE(dialog->Visible());
}

// Ctrl+F in a list grid over the service orders, as its user would: the
// dialog opens modally on the current column, Enter finds, Esc closes.
class ListGridFindTest : public ListGridTest {};

TEST_F(ListGridFindTest, CtrlFOpensTheModalDialogOnTheCurrentColumnAndEnterFindsTheNextMatch) {
    grid_->SelectColumnByIndex(2);  // 型号
    TTimer timer(nullptr);
    timer.SetInterval(10);
    AnsiString caption, column;
    bool modal = false;
    timer.SetOnTimer(TNotifyEvent([&](TObject*) {
        timer.SetEnabled(false);
        TDBGridVynFindDlg* dialog = DBGridVynFindDlg();
        caption = dialog->Caption();
        column = dialog->cbFindIn->Text();
        modal = dialog->FormState().Contains(fsModal);
        SimulateKey(VK_CONTROL, false);
        PushModalAnswer({mrOk});  // a not-found message must not hang the test
        SimulateTyping("X2");
        SimulateKey(VK_RETURN, true);
        SimulateKey(VK_RETURN, false);
        SimulateKey(VK_ESCAPE, true);
        SimulateKey(VK_ESCAPE, false);
    }));
    timer.SetEnabled(true);
    SimulateKey(VK_CONTROL, true);
    Key('F');
    ProcessMessages();
    EXPECT_TRUE(ModalQuestions().empty());
    EXPECT_EQ(caption, "Find text");
    EXPECT_EQ(AnsiToUtf8(column), Utf8(u8"型号"));
    EXPECT_TRUE(modal);
    EXPECT_FALSE(DBGridVynFindDlg()->Visible());
    EXPECT_EQ(query_->FieldByName("型号")->AsString(), "X2");
    EXPECT_EQ(grid_->SelectedIndex(), 2);
}

// A picture for people to look at: the dialog over a list grid with its
// column list open.
TEST_F(ListGridFindTest, PictureOfTheDialogOverTheGridWithTheColumnListOpen) {
    grid_->SelectColumnByIndex(1);
    ExecuteDBGridVynFindDialog(grid_, "A牌", AnsiString(), false, {});
    TDBGridVynFindDlg* dialog = DBGridVynFindDlg();
    dialog->SetBounds(form_->Left() + 60, form_->Top() + 90, dialog->Width(), dialog->Height());
    ProcessMessages();
    dialog->bFindClick(dialog->bFind);
    ProcessMessages();
    ASSERT_EQ(query_->FieldByName("品牌")->AsString(), "A牌");
    const TRect button = dialog->cbFindIn->ButtonAreaRect();
    SimulateClick(dialog->cbFindIn->Handle(), POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    ProcessMessages();
    ASSERT_TRUE(dialog->cbFindIn->ListDropped());

    RECT formRect{};
    GetWindowRect(form_->Handle(), &formRect);
    const std::vector<HWND> windows{form_->Handle(), dialog->Handle(), dialog->cbFindIn->PopupList()->Handle()};
    RECT all = formRect;
    for (HWND window : windows) {
        RECT rect{};
        GetWindowRect(window, &rect);
        UnionRect(&all, &all, &rect);
    }
    TBitmap picture;
    picture.SetWidth(all.right - all.left);
    picture.SetHeight(all.bottom - all.top);
    picture.Canvas()->Brush()->SetColor(clWhite);
    picture.Canvas()->FillRect(TRect{0, 0, picture.Width(), picture.Height()});
    const HDC dc = CreateCompatibleDC(0);
    for (HWND window : windows) {
        const HBITMAP shot = CaptureWindow(window);
        ASSERT_NE(shot, HBITMAP(0));
        RECT rect{};
        GetWindowRect(window, &rect);
        HGDIOBJ old = SelectObject(dc, shot);
        BitBlt(picture.Canvas()->Handle(), rect.left - all.left, rect.top - all.top, rect.right - rect.left,
               rect.bottom - rect.top, dc, 0, 0, SRCCOPY);
        SelectObject(dc, old);
        DeleteObject(shot);
    }
    DeleteDC(dc);
    const std::string png = EncodePng(picture.Handle());
    ASSERT_FALSE(png.empty());
    std::ofstream(ScreenshotDir() + "dbgrid-finddlg.png", std::ios::binary) << png;
}

}  // namespace
