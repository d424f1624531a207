// Every separate editor type opens its control over the cell with the cell's
// value, and the control's value goes back into the cell as the type reads
// it; the combos take the grid's look.
#include <gtest/gtest.h>

#include <functional>

#include "grid_fixture.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavRichEdit.h"
#include "stringgrid/editors/GridEditors.h"

namespace {

class EditorTypesTest : public EditingGridTest {
protected:
    void SetUp() override {
        EditingGridTest::SetUp();
        grid->SetColCount(3);
        grid->SetRowCount(3);
        grid->SetColWidths(1, 120);
        for (TGridCombo* combo : {grid->Editors()->Combo()}) {
            combo->Items()->Add("one");
            combo->Items()->Add("two");
        }
        grid->Editors()->UniCombo()->WideItems()->Add(u"一");
        grid->Editors()->UniCombo()->WideItems()->Add(u"中文");
    }
    TGridEditors* Editors() const { return grid->Editors(); }
};

TEST_F(EditorTypesTest, EachTypeOpensItsControlOverTheCellAndReadsItBack) {
    const TDateTime day = EncodeDate(2026, 1, 2), time = EncodeTime(10, 20, 30, 0);
    struct Case {
        TEditorType type;
        AnsiString cell;
        AnsiString opened;  // the control's text, when it shows the cell's
        std::function<void()> change;
        std::function<bool(const AnsiString&)> stored;
    };
    const auto equals = [](const AnsiString& expected) {
        return [expected](const AnsiString& cell) { return cell == expected; };
    };
    const auto wide = [this](const WideString& expected) {
        return [this, expected](const AnsiString&) { return grid->GetWideCell(1, 1) == expected; };
    };
    const auto setWide = [this](TEditorType type) {
        return [this, type] { SetWideText(Editors()->ControlOf(type), u"中文"); };
    };
    const Case cases[] = {
        {edSpinEdit, "7", "7", [&] { Editors()->Spin()->SetValue(9); }, equals("9")},
        {edFloatSpinEdit, "1.5", "", [&] { Editors()->Spin()->SetFloatValue(2.25); }, equals(FloatToStr(2.25))},
        {edTimeSpinEdit, TimeToStr(time), TimeToStr(time), [&] { Editors()->Spin()->SetText(TimeToStr(time / 2)); },
         equals(TimeToStr(time / 2))},
        {edDateSpinEdit, DateToStr(day), "", [&] { Editors()->Spin()->SetDateValue(day + 1); },
         equals(DateToStr(day + 1))},
        {edComboEdit, "one", "one", [&] { Editors()->Combo()->SetText("three"); }, equals("three")},
        {edComboList, "one", "one", [&] { Editors()->Combo()->SetItemIndex(1); }, equals("two")},
        {edEditBtn, "x", "x", [&] { Editors()->EditBtn()->SetText("y"); }, equals("y")},
        {edNumericEditBtn, "12", "12", [&] { Editors()->EditBtn()->SetText("13"); }, equals("13")},
        {edFloatEditBtn, "1.5", "1.5", [&] { Editors()->EditBtn()->SetText("2.5"); }, equals("2.5")},
        {edUnitEditBtn, "12.5 kg", "12.5",
         [&] {
             Editors()->UnitEditBtn()->SetText("3");
             Editors()->UnitEditBtn()->SetUnitID("m");
         },
         equals("3m")},
        {edCheckBox, "c", "c", [&] { Editors()->CheckBox()->SetChecked(true); }, equals("c")},
        {edButton, "b", "b", [] {}, equals("b")},
        {edDateEdit, DateToStr(day), DateToStr(day), [&] { Editors()->DatePicker()->SetDate(day + 2); },
         equals(DateToStr(day + 2))},
        {edDateEditUpDown, DateToStr(day), DateToStr(day), [&] { Editors()->DatePicker()->SetDate(day + 3); },
         equals(DateToStr(day + 3))},
        {edTimeEdit, TimeToStr(time), TimeToStr(time), [&] { Editors()->DatePicker()->SetTime(time / 2); },
         equals(TimeToStr(time / 2))},
        {edRichEdit, "plain", "plain", [&] { grid->EditingRichEdit()->SetText("rich"); },
         [](const AnsiString& cell) { return cell.rfind("{\\rtf", 0) == 0 && cell.find("rich") != AnsiString::npos; }},
        {edUniEdit, "a", "a", setWide(edUniEdit), wide(u"中文")},
        {edUniMemo, "a", "a", setWide(edUniMemo), wide(u"中文")},
        {edUniEditBtn, "a", "a", setWide(edUniEditBtn), wide(u"中文")},
        {edUniComboEdit, "a", "a", setWide(edUniComboEdit), wide(u"中文")},
        {edUniComboList, "一", "一", [&] { Editors()->UniCombo()->SetItemIndex(1); }, wide(u"中文")},
    };
    const TRect cell = grid->CellRect(1, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        EditAs(c.type);
        grid->SetCells(1, 1, c.cell);
        grid->FocusCell(1, 1, true);
        grid->SetFocus();
        Key(VK_F2);
        TWinControl* control = Editors()->ControlOf(c.type);
        ASSERT_TRUE(control);
        ASSERT_TRUE(control->Visible());
        EXPECT_TRUE(grid->EditorActive());
        EXPECT_GE(control->Left(), cell.left - 1);
        EXPECT_LE(control->Left(), cell.left + 4);
        EXPECT_GE(control->Top(), cell.top - 1);
        EXPECT_LE(control->Top(), cell.top + 4);
        if (!c.opened.empty() && c.type != edCheckBox && c.type != edButton) {
            EXPECT_EQ(WindowTextOf(control->Handle()).substr(0, c.opened.size()), c.opened);
        }
        c.change();
        grid->HideCellEditor();
        EXPECT_FALSE(control->Visible());
        EXPECT_FALSE(grid->EditorActive());
        EXPECT_TRUE(c.stored(grid->Cells(1, 1))) << grid->Cells(1, 1);
    }
}

TEST_F(EditorTypesTest, ScrollingClosesASeparateEditorAndKeepsItsValue) {
    grid->SetRowCount(40);
    for (TEditorType type : {edSpinEdit, edNormal}) {
        SCOPED_TRACE(int(type));
        EditAs(type);
        grid->SetTopRow(1);
        grid->SetCells(1, 2, "7");
        grid->FocusCell(1, 2, true);
        grid->SetFocus();
        Key(VK_F2);
        ASSERT_TRUE(grid->EditorActive());
        if (type == edSpinEdit) Editors()->Spin()->SetValue(9);
        grid->SetTopRow(10);
        EXPECT_EQ(grid->EditorActive(), type == edNormal) << "only the in-place editor scrolls with its cell";
        if (type == edSpinEdit) {
            EXPECT_EQ(grid->Cells(1, 2), "9");
        }
        grid->HideCellEditor();
    }
}

// The soft looks show the combo editors flat with an etched button, the
// others in the platform's 3D look.
TEST_F(EditorTypesTest, CombosTakeTheGridsLook) {
    const struct {
        TGridLook look;
        bool flat;
    } cases[] = {{glStandard, false}, {glSoft, true}, {glClassic, false},
                 {glQuarn, true},     {glXP, true},   {glListView, true}};
    for (const auto& c : cases) {
        grid->SetLook(c.look);
        for (TEditorType type : {edComboEdit, edUniComboList}) {
            EditAs(type);
            grid->FocusCell(1, 1, true);
            grid->SetFocus();
            Key(VK_F2);
            auto* look = dynamic_cast<TFlatComboLook*>(Editors()->ControlOf(type));
            ASSERT_TRUE(look);
            EXPECT_EQ(look->Flat(), c.flat) << int(c.look);
            EXPECT_EQ(look->Etched(), c.flat) << int(c.look);
            grid->HideCellEditor();
        }
    }
}

}  // namespace
