// Editing cells of the string grid through synthetic keys: the in-place
// editor's filters, validation with its refusals, the advance after Enter,
// Tab navigation and the editor controls of the separate editor types.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixture.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/testseams.h"
#include "stringgrid/BavInplaceEdit.h"
#include "stringgrid/editors/GridEditors.h"
#include "stringgrid/editors/bqgcheck.h"
#include "platform/rtl/sysutils.h"

namespace {

class EditingTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->FocusCell(1, 1, true);
        ProcessMessages();
    }
    // One key at a time, as a user types: each key's messages reach the
    // window that has the focus when it is pressed.
    static void Type(const AnsiString& text) {
        for (char ch : text) {
            SimulateTyping(AnsiString(1, ch));
            ProcessMessages();
        }
    }
    TBavInplaceEdit* Editor() const { return dynamic_cast<TBavInplaceEdit*>(grid->InplaceEditor()); }
    bool EditorShown() const { return Editor() && Editor()->Visible(); }
};

TEST_F(EditingTest, TypingOpensTheEditorAndEnterStoresTheCell) {
    std::vector<std::string> changes;
    grid->SetOnEditChange([&](TObject*, int, int, const AnsiString& value) { changes.push_back(value); });
    int done = 0;
    grid->SetOnEditingDone([&](TObject*) { ++done; });
    Type("ab");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->EditText(), "ab");
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab"}));
    Key(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "ab");
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(done, 1);
}

// The press that moves the editor to another cell refreshes it with that
// cell's text; neither cell takes the other's text on the way.
TEST_F(EditingTest, APressOnAnotherCellKeepsBothTexts) {
    grid->SetCells(2, 2, "b");
    Type("ab");
    ASSERT_TRUE(EditorShown());
    const TRect r = grid->CellRect(2, 2);
    SimulateClick(grid->Handle(), POINT{r.left + 5, r.top + 5});
    ProcessMessages();
    EXPECT_EQ(grid->Cells(1, 1), "ab");
    EXPECT_EQ(grid->Cells(2, 2), "b");
    EXPECT_EQ(grid->Col(), 2);
}

TEST_F(EditingTest, EdNoneNeverEdits) {
    EditAs(edNone);
    grid->SetCells(1, 1, "kept");
    Type("x");
    Key(VK_F2);
    Key(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "kept");
}

TEST_F(EditingTest, EscPutsTheOldTextBack) {
    grid->SetCells(1, 1, "old");
    Type("new");
    ASSERT_EQ(grid->Cells(1, 1), "new");
    Key(VK_ESCAPE);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "old");
}

// Characters typed into an empty cell of each filtering type.
TEST_F(EditingTest, TypedCharactersFollowTheEditorType) {
    struct Case {
        TEditorType type;
        AnsiString typed;
        AnsiString result;
    };
    const AnsiString sep(1, DecimalSeparator);
    const Case cases[] = {
        {edNumeric, "-12-a3", "-123"},
        {edNumeric, "1-2", "12"},
        {edPositiveNumeric, "-45", "45"},
        {edFloat, "1" + sep + "5" + sep + "2", "1" + sep + "52"},
        {edFloat, "-2-x", "-2"},
        {edUpperCase, "abc", "ABC"},
        {edCapital, "ab", "AB"},
        {edLowerCase, "AbC", "abc"},
        {edNormal, "a-1.", "a-1."},
    };
    for (const Case& c : cases) {
        EditAs(c.type);
        grid->SetCells(1, 1, "");
        Type(c.typed);
        EXPECT_EQ(Editor()->EditText(), c.result) << int(c.type) << " " << c.typed;
        Key(VK_ESCAPE);
    }
}

TEST_F(EditingTest, TheKeypadPointTypesTheLocaleSeparator) {
    grid->SetExcelStyleDecimalSeparator(true);
    const ValueRestorer separator(DecimalSeparator, ',');
    const LPARAM keypad = 1 << 22;
    SendMessage(grid->Handle(), WM_CHAR, '.', keypad);
    ProcessMessages();
    ASSERT_TRUE(EditorShown());
    SendMessage(Editor()->Handle(), WM_CHAR, '.', keypad);
    SendMessage(Editor()->Handle(), WM_CHAR, '.', 0);
    EXPECT_EQ(Editor()->EditText(), ",,.") << "only the keypad's point is the separator";
}

TEST_F(EditingTest, UpInsideATwoLineTextMovesTheCaretFirst) {
    grid->FocusCell(1, 2, true);
    Type("a");
    Editor()->SetEditText("one\r\ntwo");
    Editor()->SetSelStart(8);
    Key(VK_UP);
    EXPECT_EQ(grid->Row(), 2) << "the caret went to the first line";
    EXPECT_TRUE(EditorShown());
    Key(VK_UP);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Cells(1, 2), "one\r\ntwo");
}

TEST_F(EditingTest, LengthLimitDropsTheSixthCharacterButNotBackspace) {
    grid->SetMaxEditLength(5);
    Type("abcde");
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->LengthLimit(), 5);
    Type("f");
    EXPECT_EQ(Editor()->EditText(), "abcde");
    Key(VK_BACK);
    EXPECT_EQ(Editor()->EditText(), "abcd");
}

TEST_F(EditingTest, ValidationSeesChangesOnlyAndMayRefuse) {
    std::vector<std::string> validated;
    bool refuse = false;
    AnsiString replacement;
    grid->SetOnCellValidate([&](TObject*, int, int, AnsiString& value, bool& valid) {
        validated.push_back(value);
        if (refuse) valid = false;
        if (!replacement.empty()) value = replacement;
    });
    grid->SetCells(1, 1, "abc");
    Key(VK_F2);
    Key(VK_RETURN);
    EXPECT_TRUE(validated.empty()) << "the same text is no change";

    Key(VK_F2);
    Type("ABC");
    Key(VK_RETURN);
    EXPECT_EQ(validated, (std::vector<std::string>{"ABC"})) << "a change of case is a change";
    EXPECT_EQ(grid->Cells(1, 1), "ABC");

    refuse = true;
    Key(VK_F2);
    Type("bad");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "ABC");
    ASSERT_TRUE(EditorShown()) << "the editor stays open on a refused value";
    EXPECT_EQ(Editor()->EditText(), "ABC");
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_FALSE(grid->EditAccepted());

    replacement = "fixed";
    Type("worse");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "fixed") << "a refusal that changed the value stores it";
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(EditingTest, TabAfterARefusalRestoresAndStillMovesOn) {
    TGridOptions options = grid->Options();
    options.Include(goTabs);
    grid->SetOptions(options);
    grid->SetOnCellValidate([](TObject*, int, int, AnsiString&, bool& valid) { valid = false; });
    grid->SetCells(1, 1, "orig");
    Type("xyz");
    Key(VK_TAB);
    EXPECT_EQ(grid->Cells(1, 1), "orig");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(EditingTest, EnterAdvancesAndAppendsRowsOrColumns) {
    grid->Navigation()->SetAdvanceOnEnter(true);
    Type("a");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);

    grid->Navigation()->SetAdvanceInsert(true);
    std::vector<int> added;
    grid->SetOnAutoAddRow([&](TObject*, int row) { added.push_back(row); });
    grid->FocusCell(3, 3, true);
    Type("z");
    Key(VK_RETURN);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(added, (std::vector<int>{4}));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 4);

    grid->SetOnCanAddRow([](TObject*, bool& canAdd) { canAdd = false; });
    grid->FocusCell(3, 4, true);
    Type("q");
    Key(VK_RETURN);
    EXPECT_EQ(grid->RowCount(), 5) << "a refused row leaves the count";
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 4);

    grid->Navigation()->SetAdvanceDirection(adTopBottom);
    std::vector<int> columns;
    grid->SetOnAutoInsertCol([&](TObject*, int col) { columns.push_back(col); });
    grid->FocusCell(3, 4, true);
    Type("w");
    Key(VK_RETURN);
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(columns, (std::vector<int>{4}));
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(EditingTest, EachCellChoosesItsEditorAfterEnter) {
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->SetOnGetEditorType([](TObject*, int col, int, TEditorType& editor) {
        if (col == 2) editor = edNumeric;
    });
    Type("a");
    Key(VK_RETURN);
    ASSERT_EQ(grid->Col(), 2);
    Type("x7");
    EXPECT_EQ(Editor()->EditText(), "7");
}

TEST_F(EditingTest, AutoAdvanceRefusalKeepsTheCell) {
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->SetOnAutoAdvance([](TObject*, int, int, int&, int&, bool& allow) { allow = false; });
    Type("a");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(EditingTest, AdvanceStopsAfterOnePassWhenNothingIsEditable) {
    grid->Navigation()->SetAdvanceOnEnter(true);
    grid->SetOnCanEditCell([](TObject*, int, int col, bool& canEdit) { canEdit = col == 99; });
    grid->AdvanceEdit(1, 1, false, false, true, false, false);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(EditingTest, TabWrapsAtTheLastCellAndTabsOut) {
    TGridOptions options = grid->Options();
    options.Include(goTabs);
    grid->SetOptions(options);
    grid->Navigation()->SetTabToNextAtEnd(true);
    TFocusBox* next = new TFocusBox(form);
    next->SetParent(form);
    next->SetBounds(0, 320, 60, 20);
    grid->SetFocus();
    grid->FocusCell(3, 3, true);
    ProcessMessages();
    Key(VK_TAB);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(next->Focused()) << "the Tab posted to the parent moves the focus on";
}

TEST_F(EditingTest, TabReturnsInAGridWithoutEditableCells) {
    TGridOptions options = grid->Options();
    options.Include(goTabs);
    grid->SetOptions(options);
    grid->SetOnCanEditCell([](TObject*, int, int, bool& canEdit) { canEdit = false; });
    grid->TabNavigate(false);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(EditingTest, LookupCompletesTheTypedText) {
    grid->SetLookup(true);
    grid->LookupItems()->Add("apple");
    grid->LookupItems()->Add("abbey");
    Type("ab");
    EXPECT_EQ(Editor()->EditText(), "abbey");
    EXPECT_EQ(Editor()->SelStart(), 2);
    EXPECT_EQ(Editor()->SelLength(), 3);
    Key(VK_BACK);
    EXPECT_EQ(Editor()->EditText(), "ab") << "Backspace removes the completion and adds none";
}

TEST_F(EditingTest, PasteIntoANumericCellTakesOnlyIntegers) {
    EditAs(edNumeric);
    Type("1");
    Clipboard()->SetAsText("2a");
    SendMessage(Editor()->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(Editor()->EditText(), "1");
    Clipboard()->SetAsText("23");
    grid->SetOnClipboardBeforePasteCell([](TObject*, int, int, AnsiString& value, bool&) { value = "99"; });
    SendMessage(Editor()->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(Editor()->EditText(), "199") << "the value the event gave is pasted";
}

TEST_F(EditingTest, CursorWalkLeavesAtTheTextEdges) {
    grid->Navigation()->SetCursorWalkEditor(true);
    Type("ab");
    Key(VK_RIGHT);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "ab");
    ASSERT_TRUE(EditorShown()) << "the walk opens the next cell's editor";
    Key(VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
}

// ---- Separate editor controls ---------------------------------------------------------------

TEST_F(EditingTest, ComboEditTakesTheTypedLetterAndReadsBack) {
    EditAs(edComboEdit);
    TGridCombo* combo = grid->Editors()->Combo();
    combo->Items()->Add("Apple");
    combo->Items()->Add("Abbey");
    std::vector<std::string> changes;
    grid->SetOnEditChange([&](TObject*, int, int, const AnsiString& value) { changes.push_back(value); });
    Type("x");
    ASSERT_TRUE(combo->Visible());
    EXPECT_TRUE(grid->EditorActive());
    EXPECT_EQ(combo->Text(), "x");
    Type("y");
    EXPECT_EQ(changes, (std::vector<std::string>{"x", "xy"}));
    Key(VK_RETURN);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(grid->Cells(1, 1), "xy");
}

TEST_F(EditingTest, ComboListOnAnUnknownTextOpensOnTheFirstItem) {
    EditAs(edComboList);
    TGridCombo* combo = grid->Editors()->Combo();
    combo->Items()->Add("one");
    combo->Items()->Add("two");
    grid->SetCells(1, 1, "none");
    std::vector<int> indexes;
    grid->SetOnComboChange([&](TObject*, int, int, int index, AnsiString) { indexes.push_back(index); });
    Key(VK_F2);
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(indexes, (std::vector<int>{0}));
}

TEST_F(EditingTest, TypingIntoTheComboEditorFiresOnComboChangeTwice) {
    EditAs(edComboEdit);
    TGridCombo* combo = grid->Editors()->Combo();
    combo->Items()->Add("one");
    Key(VK_F2);
    ASSERT_TRUE(combo->Visible());
    std::vector<std::pair<int, std::string>> changes;
    grid->SetOnComboChange([&](TObject*, int, int, int index, AnsiString text) { changes.emplace_back(index, text); });
    Type("z");
    EXPECT_EQ(changes, (std::vector<std::pair<int, std::string>>{{-1, ""}, {-1, "z"}}))
        << "as the editor's change with its item, then as an edit change with the text";
}

TEST_F(EditingTest, ClosingTheComboEditorsListFiresOnComboCloseUp) {
    EditAs(edComboList);
    TGridCombo* combo = grid->Editors()->Combo();
    combo->Items()->Add("one");
    combo->Items()->Add("two");
    Key(VK_F2);
    ASSERT_TRUE(combo->Visible());
    std::vector<std::pair<int, int>> closed;
    grid->SetOnComboCloseUp([&](TObject*, int row, int col) { closed.emplace_back(row, col); });
    combo->SetDroppedDown(true);
    combo->SetDroppedDown(false);
    ProcessMessages();
    EXPECT_EQ(closed, (std::vector<std::pair<int, int>>{{grid->Row(), grid->Col()}}));
}

// Each Unicode type opens its control over the cell with the cell's wide
// text and reads back what the control holds as wide cell text.
TEST_F(EditingTest, UnicodeEditorsReadAndWriteWideCellText) {
    const WideString wide = u"中文𠀀";
    TGridOptions options = grid->Options();
    options.Include(goTabs);
    grid->SetOptions(options);
    for (TEditorType type : {edUniEdit, edUniMemo, edUniEditBtn}) {
        EditAs(type);
        grid->SetWideCell(1, 1, wide);
        grid->FocusCell(1, 1, true);
        Key(VK_F2);
        TWinControl* control = grid->Editors()->ControlOf(type);
        ASSERT_TRUE(control && control->Visible()) << int(type);
        EXPECT_EQ(GetWideText(control), wide);
        EXPECT_EQ(control->Left(), grid->CellRect(1, 1).left);
        SetWideText(control, u"新" + wide);
        Key(VK_TAB);
        EXPECT_FALSE(control->Visible());
        EXPECT_EQ(grid->GetWideCell(1, 1), u"新" + wide) << int(type);
    }
}

// The application sees the wide text as a Unicode editor opens, may change
// it, and hears what the editor holds at the read-back.
TEST_F(EditingTest, UnicodeEditorsOfferTheirTextToTheWideTextEvents) {
    EditAs(edUniEdit);
    grid->SetWideCell(1, 1, u"旧");
    std::vector<std::pair<int, WideString>> heard;
    grid->SetOnGetEditWideText([&](TObject*, int col, int, WideString& value) {
        heard.emplace_back(col, value);
        value = u"开" + value;
    });
    grid->SetOnSetEditWideText([&](TObject*, int col, int, WideString value) { heard.emplace_back(col, value); });
    grid->FocusCell(1, 1, true);
    Key(VK_F2);
    TGridUniEdit* edit = grid->Editors()->UniEdit();
    EXPECT_EQ(edit->Text(), u"开旧");
    edit->SetText(u"新");
    Key(VK_RETURN);
    ASSERT_EQ(heard.size(), 2u) << "the editor is read back once";
    EXPECT_EQ(heard.front(), (std::pair<int, WideString>{1, u"旧"}));
    EXPECT_EQ(heard.back(), (std::pair<int, WideString>{1, u"新"}));
    EXPECT_EQ(grid->GetWideCell(1, 1), u"新");
}

TEST_F(EditingTest, UnicodeEditKeepsTheCellOnARejectedValue) {
    EditAs(edUniEdit);
    grid->SetWideCell(1, 1, u"好");
    grid->SetOnCellValidateWide([](TObject*, int, int, WideString& value, bool& valid) { valid = value != u"坏"; });
    Key(VK_F2);
    TGridUniEdit* edit = grid->Editors()->UniEdit();
    edit->SetText(u"坏");
    Key(VK_RETURN);
    EXPECT_TRUE(edit->Visible()) << "the editor stays on the cell";
    EXPECT_EQ(edit->Text(), u"好");
    Key(VK_ESCAPE);
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(grid->GetWideCell(1, 1), u"好");
}

TEST_F(EditingTest, UnicodeComboOpensOnTheCellsItemAndTakesNoTypedLetter) {
    TGridUniCombo* combo = grid->Editors()->UniCombo();
    combo->WideItems()->Add(u"甲");
    combo->WideItems()->Add(u"乙𠀀");
    EditAs(edUniComboList);
    grid->SetWideCell(1, 1, u"乙𠀀");
    Key(VK_F2);
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetItemIndex(0);
    Key(VK_RETURN);
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(grid->GetWideCell(1, 1), u"甲");

    EditAs(edUniComboEdit);
    grid->SetWideCell(1, 1, u"丙");
    grid->FocusCell(1, 1, true);
    Type("q");
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Text(), u"丙") << "the typed letter does not arrive";
}

TEST_F(EditingTest, TypingIntoARangeSelectingGridOpensTheEditor) {
    TGridOptions options = grid->Options();
    options.Exclude(goEditing);
    grid->SetOptions(options);
    grid->MouseActions()->SetRangeSelectAndEdit(true);
    std::vector<char> pressed;
    grid->SetOnKeyPress([&](TObject*, char& key) { pressed.push_back(key); });
    Type("k");
    EXPECT_TRUE(grid->Options().Contains(goEditing));
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->Text(), "k");
    ASSERT_FALSE(pressed.empty());
    EXPECT_EQ(pressed.front(), 'k');
}

TEST_F(EditingTest, ComboCompletesFromItsItems) {
    EditAs(edComboEdit);
    grid->SetLookup(true);
    TGridCombo* combo = grid->Editors()->Combo();
    combo->Items()->Add("Apple");
    combo->Items()->Add("Abbey");
    Type("ab");
    EXPECT_EQ(combo->Text(), "abbey");
    EXPECT_EQ(combo->SelStart(), 2);
    EXPECT_EQ(combo->SelLength(), 3);
}

TEST_F(EditingTest, DateCellsEditInThePickerOfTheirMode) {
    const struct {
        TEditorType type;
        TDTDateMode mode;
    } cases[] = {{edDateEdit, dmComboBox}, {edDateEditUpDown, dmUpDown}};
    TGridDatePicker* picker = grid->Editors()->DatePicker();
    for (const auto& c : cases) {
        EditAs(c.type);
        grid->SetCells(1, 1, DateToStr(EncodeDate(2026, 3, 4)));
        Key(VK_F2);
        ASSERT_TRUE(picker->Visible());
        EXPECT_EQ(picker->DateMode(), c.mode);
        EXPECT_EQ(picker->Date(), EncodeDate(2026, 3, 4));
        picker->SetDate(EncodeDate(2026, 5, 6));
        Key(VK_RETURN);
        EXPECT_FALSE(picker->Visible());
        EXPECT_EQ(grid->Cells(1, 1), DateToStr(EncodeDate(2026, 5, 6)));
    }
    EditAs(edDateEdit);
    grid->SetCells(1, 1, "no date");
    Key(VK_F2);
    EXPECT_EQ(picker->Date(), Date()) << "a text that is no date opens on today";
    picker->SetChecked(false);
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "") << "an unchecked picker holds no date";
    picker->SetChecked(true);
}

// The picker sits flat in its cell: the two outer rings of its window, where
// its 3D border was, show the window colour only.
TEST_F(EditingTest, TheDatePickerShowsNoBorderInTheCell) {
    EditAs(edDateEdit);
    Key(VK_F2);
    TGridDatePicker* picker = grid->Editors()->DatePicker();
    ASSERT_TRUE(picker->Visible());
    const int w = picker->Width(), h = picker->Height();
    const std::set<COLORREF> window{ColorToRGB(clWindow)};
    for (const TRect& ring : {TRect(0, 0, w, 2), TRect(0, h - 2, w, h), TRect(0, 0, 2, h), TRect(w - 2, 0, w, h)})
        EXPECT_EQ(ColoursIn(picker->Handle(), ring), window);
}

// A checker that corrects to upper case and marks a value with an "x".
class TUpperChecker : public TBavStringGridCheck {
public:
    using TBavStringGridCheck::TBavStringGridCheck;
    AnsiString Correct(int, int, const AnsiString& value) override { return AnsiUpperCase(value); }
    AnsiString MarkError(int, int, const AnsiString& value) override { return value + "!"; }
};

TEST_F(EditingTest, TheCellCheckerCorrectsAndMarksTheValue) {
    auto* checker = new TUpperChecker(form);
    grid->SetCellChecker(checker);
    checker->SetAutoCorrect(true);
    std::vector<std::string> validated;
    grid->SetOnCellValidate([&](TObject*, int, int, AnsiString& value, bool&) { validated.push_back(value); });
    Type("abc");
    Key(VK_RETURN);
    EXPECT_EQ(validated, (std::vector<std::string>{"ABC"})) << "corrected before the event";
    EXPECT_EQ(grid->Cells(1, 1), "ABC");
    checker->SetAutoMarkError(true);
    Type("d");
    Key(VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "D!");
    delete checker;
    EXPECT_EQ(grid->CellChecker(), nullptr);
}

TEST_F(EditingTest, WrappersNeedAGridOwner) {
    EXPECT_THROW(TGridCombo combo(form), EInvalidCast);
}

}  // namespace
