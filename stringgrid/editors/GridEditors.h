// The string grid's editor controls: thin grid-aware wrappers of a combo
// box, a check box and a button that the grid shows over a cell whose
// editor type asks for one, and the set of them the grid owns.
#pragma once

#include "platform/ui/comctrls.h"
#include "platform/ui/mask.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "stringgrid/BaseGrid.h"
#include "stringgrid/editors/BQGEdit.h"
#include "stringgrid/editors/GridUniEditors.h"
#include "stringgrid/editors/bqgcombo.h"
#include "stringgrid/editors/bqgspin.h"

class TBavStringGrid;

// Where and how the grid shows an editor: the cell's rectangle, the
// editor's width and height, and the cell's colour and font.
struct TGridEditorPlace {
    TRect rect;
    int width = 0;
    int height = 0;
    TColor color = clWindow;
    TFont* font = nullptr;
};

// The grid that owns a wrapper; an owner of another class fails with
// EInvalidCast.
TBavStringGrid* OwnerGrid(TComponent* owner);
// Leaves the cell from an editor control: Tab with goTabs through the
// grid's Tab navigation, other keys as the grid's own keys would.
void LeaveCellFromEditor(TBavStringGrid* grid, Word key, TShiftState shift);
// Whether a cell's combo box hands `key` to the grid rather than keeping
// it: in list mode the arrows across the cell, otherwise the keys that
// move in the list.
bool ComboKeyGoesToGrid(Word key, bool listMode);
// Widens a combo's list to its longest item in `canvas`'s font.
void SizeComboDropDown(TCustomComboBox* combo, TCanvas* canvas);

// The combo box of edComboEdit and edComboList: the navigation keys commit
// or leave the cell, typing completes from the items and the grid's lookup
// list, the wheel steps through the items.
class TGridCombo : public TBQGComboBox {
    SERVIORA_CLASS(TGridCombo, TBQGComboBox)

public:
    explicit TGridCombo(TComponent* owner);
    TBavStringGrid* Grid() const { return grid_; }
    int LookupItemIndex() const { return lookupItemIndex_; }
    bool LookupChanged() const { return lookupChanged_; }

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void Change() override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    void Complete();
    void WheelStep(bool down);

    TBavStringGrid* grid_;
    bool lookupActive_ = true;
    int lookupItemIndex_ = -1;
    bool lookupChanged_ = false;
};

// The spin editor of edSpinEdit, edFloatSpinEdit, edTimeSpinEdit and
// edDateSpinEdit: Tab and Enter commit and leave, Esc puts the start text
// back, Home and End jump to the limits, each step is reported.
class TGridSpin : public TBqgSpinEdit {
    SERVIORA_CLASS(TGridSpin, TBqgSpinEdit)

public:
    explicit TGridSpin(TComponent* owner);
    void UpClick() override;
    void DownClick() override;

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void Change() override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    void ReportStep(bool up);

    TBavStringGrid* grid_;
};

// The button edit of edEditBtn, edNumericEditBtn and edFloatEditBtn: its
// button (and F4) puts the text through OnEllipsClick; typing follows the
// editor type; the navigation keys commit or leave the cell.
class TGridEditBtn : public TBqgEditBtn {
    SERVIORA_CLASS(TGridEditBtn, TBqgEditBtn)

public:
    explicit TGridEditBtn(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void Change() override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    void Paste();

    TBavStringGrid* grid_;
};

// The date-time picker of edDateEdit, edDateEditUpDown and edTimeEdit:
// Tab, Enter and the page keys leave the cell while no calendar is open,
// Esc puts the cell's value back.
class TGridDatePicker : public TDateTimePicker {
    SERVIORA_CLASS(TGridDatePicker, TDateTimePicker)

public:
    explicit TGridDatePicker(TComponent* owner);
    // The picker's value as the cell's text: empty while unchecked.
    AnsiString CellText();

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    void CoverBorder();

    TBavStringGrid* grid_;
};

// The unit edit of edUnitEditBtn: the number in the text, the unit beside
// the button; the keys as in the button edit, Esc puts the whole cell text
// into the number and empties the unit.
class TGridUnitEditBtn : public TBqgUnitEditBtn {
    SERVIORA_CLASS(TGridUnitEditBtn, TBqgUnitEditBtn)

public:
    explicit TGridUnitEditBtn(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;

private:
    TBavStringGrid* grid_;
};

// The check box of edCheckBox: Space toggles it, the navigation keys leave.
class TGridCheckBox : public TCheckBox {
    SERVIORA_CLASS(TGridCheckBox, TCheckBox)

public:
    explicit TGridCheckBox(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void DoExit() override;

private:
    TBavStringGrid* grid_;
};

// The button of edButton: released, its caption goes through OnEllipsClick
// into the cell; the arrows and Esc hand the keys back to the grid.
class TGridButton : public TButton {
    SERVIORA_CLASS(TGridButton, TButton)

public:
    explicit TGridButton(TComponent* owner);

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoExit() override;
    void WndProc(TMessage& message) override;

private:
    // Invisible, disabled, the grid's editor closed and the grid focused.
    void HideButton();
    void TakeCaption();

    TBavStringGrid* grid_;
};

// The small editors of the EDIT, PASSWORD and MASK controls and of the
// COMBO controls in HTML cells; leaving one writes its text back, Tab goes
// on to the cell's next control.
class TControlEdit : public TMaskEdit {
    SERVIORA_CLASS(TControlEdit, TMaskEdit)

public:
    explicit TControlEdit(TComponent* owner);

protected:
    void DoExit() override;
    void KeyPress(char& key) override;
    void WndProc(TMessage& message) override;
};

class TControlCombo : public TBQGComboBox {
    SERVIORA_CLASS(TControlCombo, TBQGComboBox)

public:
    explicit TControlCombo(TComponent* owner);

protected:
    void DoExit() override;
    void KeyPress(char& key) override;
    void WndProc(TMessage& message) override;
};

// The editor controls of one grid, created hidden and disabled, shown over
// a cell by editor type and read back when the edit ends.
class TGridEditors {
public:
    explicit TGridEditors(TBavStringGrid* grid);

    // Shows the type's control over the cell with the cell's text; the
    // control, or nullptr for a type with none.
    TControl* Show(TEditorType type, int realCol, int row, const TGridEditorPlace& place, const AnsiString& text);
    // Hides the type's control; true with the text to store in the cell.
    bool ReadBack(TEditorType type, bool active, AnsiString& text);
    // Whether the character that started the edit goes on to the control.
    static bool TakesTypedChar(TEditorType type);
    void PostChar(TEditorType type, char ch);

    TGridCombo* Combo() const { return combo_; }
    TGridSpin* Spin() const { return spin_; }
    TGridEditBtn* EditBtn() const { return editBtn_; }
    TGridDatePicker* DatePicker() const { return datePicker_; }
    TGridUnitEditBtn* UnitEditBtn() const { return unitEditBtn_; }
    TControlEdit* ControlEdit() const { return controlEdit_; }
    TControlCombo* ControlCombo() const { return controlCombo_; }
    TGridCheckBox* CheckBox() const { return checkBox_; }
    TGridButton* Button() const { return button_; }
    TGridUniEdit* UniEdit() const { return uniEdit_; }
    TGridUniMemo* UniMemo() const { return uniMemo_; }
    TGridUniEditBtn* UniEditBtn() const { return uniEditBtn_; }
    TGridUniCombo* UniCombo() const { return uniCombo_; }
    // The control that edits the type, nullptr for none.
    TWinControl* ControlOf(TEditorType type) const;

private:
    void Place(TWinControl* control, const TGridEditorPlace& place, bool coloured);
    void SetComboFlat(TFlatComboLook* look);
    void SetComboDropWidth(TCustomComboBox* combo, TFlatComboLook* look);

    TBavStringGrid* grid_;
    TGridCombo* combo_;
    TGridSpin* spin_;
    TGridUniEdit* uniEdit_;
    TGridUniMemo* uniMemo_;
    TGridUniEditBtn* uniEditBtn_;
    TGridUniCombo* uniCombo_;
    TGridEditBtn* editBtn_;
    TGridDatePicker* datePicker_;
    TGridUnitEditBtn* unitEditBtn_;
    TControlEdit* controlEdit_;
    TControlCombo* controlCombo_;
    TGridCheckBox* checkBox_;
    TGridButton* button_;
};
