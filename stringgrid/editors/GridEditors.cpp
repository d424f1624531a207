// The grid-aware editor controls and their placing over a cell: the key
// protocol that commits or leaves the cell, combo completion and wheel
// steps, and the read-back of each control's value.
#include "stringgrid/editors/GridEditors.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"

TBavStringGrid* OwnerGrid(TComponent* owner) {
    auto* grid = dynamic_cast<TBavStringGrid*>(owner);
    if (!grid) throw EInvalidCast("Invalid class typecast");
    return grid;
}

namespace {

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// The commit step of the text editors: the text into the cell, validated;
// false (the text back to the cell's, the caret at its end) when refused.
bool CommitText(TBavStringGrid* grid, TCustomComboBox* combo) {
    const AnsiString text = combo->Text();
    grid->SetCurrentCellText(text);
    const bool valid = grid->ValidateCell(text);
    AnsiString current;
    grid->GetCurrentCellText(current);
    combo->SetText(current);
    if (!valid) {
        combo->SetSelStart(int(current.size()));
        combo->Invalidate();
    }
    return valid;
}

// The item that starts with `prefix`, -1 for none.
int FindPrefix(TStrings* items, const AnsiString& prefix, bool caseSensitive) {
    if (prefix.empty()) return -1;
    const AnsiString wanted = caseSensitive ? prefix : AnsiUpperCase(prefix);
    for (int i = 0; i < items->Count(); ++i) {
        const AnsiString item = caseSensitive ? items->Strings(i) : AnsiUpperCase(items->Strings(i));
        if (item.compare(0, wanted.size(), wanted) == 0) return i;
    }
    return -1;
}

}  // namespace

// ---- TGridCombo ----------------------------------------------------------------------------------

TGridCombo::TGridCombo(TComponent* owner) : TComboBox(owner), grid_(OwnerGrid(owner)) {}

void TGridCombo::KeyDown(Word& key, TShiftState shift) {
    const bool listMode = Style() == csDropDownList || DroppedDown();
    bool handled = false;
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: handled = true; break;
    case VK_LEFT:
    case VK_RIGHT: handled = listMode; break;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END: handled = !listMode; break;
    case VK_UP:
    case VK_DOWN: handled = !listMode && !(key == VK_DOWN && shift.Contains(ssAlt)); break;
    default: break;
    }
    if (!handled) {
        if (key == VK_BACK || key == VK_DELETE) lookupActive_ = false;
        TComboBox::KeyDown(key, shift);
        return;
    }
    const bool commits = key == VK_TAB || key == VK_RETURN || key == VK_UP || key == VK_DOWN;
    if (commits && !CommitText(grid_, this)) {
        key = 0;
        return;
    }
    if (key == VK_TAB && grid_->Options().Contains(goTabs)) {
        grid_->HideCellEditor();
        if (grid_->CanFocus()) grid_->SetFocus();
        grid_->TabNavigate(ShiftHeld());
    } else {
        if (key == VK_ESCAPE) {
            AnsiString current;
            grid_->GetCurrentCellText(current);
            SetText(current);
            const int index = Items()->IndexOf(current);
            if (index >= 0) SetItemIndex(index);
        }
        if (listMode) {
            grid_->HideCellEditor();
            if (key == VK_LEFT || key == VK_RIGHT) {
                grid_->EditorKeyNavigate(key, shift);
                key = 0;
            }
        }
        grid_->EditorKeyNavigate(key, shift);
    }
    key = 0;
    TComboBox::KeyDown(key, shift);
}

void TGridCombo::KeyPress(char& key) {
    const int before = ItemIndex();
    if (key == '\t' || key == '\r') key = 0;
    TComboBox::KeyPress(key);
    const int after = ItemIndex();
    if (after != before && grid_->OnComboChange())
        grid_->OnComboChange()(this, grid_->RealColIndex(grid_->Col()), grid_->Row(), after,
                               after >= 0 ? Items()->Strings(after) : AnsiString());
}

void TGridCombo::KeyUp(Word& key, TShiftState shift) {
    if (key != VK_RETURN) TComboBox::KeyUp(key, shift);
    if (key != VK_BACK && key != VK_DELETE && key != 0) lookupActive_ = true;
    Complete();
}

void TGridCombo::Complete() {
    if (!lookupActive_ || !grid_->Lookup() || Style() == csDropDownList) return;
    const AnsiString text = Text();
    const int caret = std::min<int>(SelStart(), int(text.size()));
    const AnsiString prefix = text.substr(0, std::size_t(caret));
    const bool caseSensitive = grid_->LookupCaseSensitive();
    int index = FindPrefix(Items(), prefix, caseSensitive);
    TStrings* source = Items();
    if (index < 0) {
        source = grid_->LookupItems();
        index = FindPrefix(source, prefix, caseSensitive);
    }
    if (index < 0) return;
    const AnsiString item = source->Strings(index);
    const AnsiString completed = (prefix + item.substr(prefix.size())).substr(0, 255);
    if (source == Items()) SetItemIndex(index);
    SetText(completed);
    SetSelStart(int(prefix.size()));
    SetSelLength(int(completed.size() - prefix.size()));
    lookupItemIndex_ = index;
    lookupChanged_ = true;
}

void TGridCombo::Change() {
    TComboBox::Change();
    if (grid_->OnEditChange()) grid_->OnEditChange()(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridCombo::DoExit() {
    const AnsiString text = Text();
    if (grid_->LookupHistory() && !text.empty() && Items()->IndexOf(text) < 0) Items()->Add(text);
    grid_->HideCellEditor();
    TComboBox::DoExit();
}

void TGridCombo::WheelStep(bool down) {
    const int index = ItemIndex();
    if (down && index < Items()->Count() - 1) SetItemIndex(index + 1);
    if (!down && index > 0) SetItemIndex(index - 1);
    const int now = ItemIndex();
    if (now < 0) return;
    const AnsiString item = Items()->Strings(now);
    const int col = grid_->RealColIndex(grid_->Col());
    if (grid_->OnComboChange()) grid_->OnComboChange()(grid_, col, grid_->Row(), now, item);
    if (grid_->OnComboObjectChange())
        grid_->OnComboObjectChange()(grid_, col, grid_->Row(), now, item, Items()->Objects(now));
}

void TGridCombo::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEWHEEL:
        WheelStep(short(HIWORD(message.WParam)) < 0);
        message.Result = 0;
        return;
    case WM_GETDLGCODE:
        TComboBox::WndProc(message);
        if (grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
        return;
    case CM_WANTSPECIALKEY:
        if (message.WParam == VK_RETURN) {
            message.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TComboBox::WndProc(message);
}

// Each item measured in the grid's font, with room for the scroll bar when
// the list scrolls.
void TGridCombo::SizeDropDownToItems() {
    if (!HandleAllocated()) return;
    int width = Width();
    const bool overflow = Items()->Count() > DropDownCount();
    TCanvas* canvas = grid_->Canvas();
    for (int i = 0; i < Items()->Count(); ++i) {
        const int w = canvas->TextWidth(Items()->Strings(i));
        if (overflow && width - 25 < w) width = w + 25;
        if (!overflow && width - 5 < w) width = w + 8;
    }
    SendMessage(Handle(), CB_SETDROPPEDWIDTH, WPARAM(width), 0);
}

// ---- TGridCheckBox -------------------------------------------------------------------------------

TGridCheckBox::TGridCheckBox(TComponent* owner) : TCheckBox(owner), grid_(OwnerGrid(owner)) {}

void TGridCheckBox::KeyDown(Word& key, TShiftState shift) {
    switch (key) {
    case VK_RETURN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: break;
    default: TCheckBox::KeyDown(key, shift); return;
    }
    grid_->HideCellEditor();
    if (grid_->CanFocus()) grid_->SetFocus();
    if (key == VK_RETURN && grid_->Navigation()->AdvanceOnEnter())
        grid_->AdvanceEdit(grid_->Col(), grid_->Row(), false, false, true, false, false);
    if (key == VK_UP || key == VK_DOWN) grid_->EditorKeyNavigate(key, shift);
    key = 0;
}

void TGridCheckBox::DoExit() {
    grid_->HideCellEditor();
    TCheckBox::DoExit();
}

// ---- TGridButton ---------------------------------------------------------------------------------

TGridButton::TGridButton(TComponent* owner) : TButton(owner), grid_(OwnerGrid(owner)) {}

void TGridButton::HideButton() {
    SetVisible(false);
    SetEnabled(false);
    grid_->HideCellEditor();
    if (grid_->CanFocus()) grid_->SetFocus();
}

void TGridButton::TakeCaption() {
    SetCaption(grid_->DoEllipsClick(Caption()));
    grid_->SetCurrentCellText(Caption());
}

void TGridButton::KeyDown(Word& key, TShiftState shift) {
    const bool arrow = key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
    if (arrow) {
        const Word sent = key;
        SendMessage(grid_->Handle(), WM_KEYDOWN, sent, 0);
        HideButton();
        SendMessage(grid_->Handle(), WM_KEYUP, sent, 0);
        key = 0;
        return;
    }
    if (key == VK_ESCAPE) {
        HideButton();
        grid_->RestoreCellText();
        SendMessage(grid_->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        key = 0;
        return;
    }
    TButton::KeyDown(key, shift);
}

void TGridButton::KeyUp(Word& key, TShiftState shift) {
    if (key == VK_SPACE) {
        TakeCaption();
        if (CanFocus()) SetFocus();
        Invalidate();
    }
    TButton::KeyUp(key, shift);
}

void TGridButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && x >= 0 && y >= 0 && x < Width() && y < Height()) TakeCaption();
    TButton::MouseUp(button, shift, x, y);
}

void TGridButton::DoExit() {
    grid_->HideCellEditor();
    TButton::DoExit();
}

void TGridButton::WndProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE) {
        TButton::WndProc(message);
        message.Result |= DLGC_WANTARROWS;
        return;
    }
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_ESCAPE) {
        message.Result = 1;
        return;
    }
    TButton::WndProc(message);
}

// ---- TGridEditors --------------------------------------------------------------------------------

TGridEditors::TGridEditors(TBavStringGrid* grid)
    : grid_(grid), combo_(new TGridCombo(grid)), checkBox_(new TGridCheckBox(grid)), button_(new TGridButton(grid)) {
    for (TWinControl* control : {static_cast<TWinControl*>(combo_), static_cast<TWinControl*>(checkBox_),
                                 static_cast<TWinControl*>(button_)}) {
        control->SetVisible(false);
        control->SetEnabled(false);
        control->SetParent(grid);
    }
}

TWinControl* TGridEditors::ControlOf(TEditorType type) const {
    switch (type) {
    case edComboEdit:
    case edComboList: return combo_;
    case edCheckBox: return checkBox_;
    case edButton: return button_;
    default: return nullptr;
    }
}

bool TGridEditors::TakesTypedChar(TEditorType type) { return type == edComboEdit || type == edComboList; }

void TGridEditors::PostChar(TEditorType type, char ch) {
    TWinControl* control = ControlOf(type);
    if (!control || !control->HandleAllocated()) return;
    // A combo box with an edit takes characters in its edit.
    HWND target = GetWindow(control->Handle(), GW_CHILD);
    if (!target) target = control->Handle();
    PostMessage(target, WM_CHAR, WPARAM(static_cast<unsigned char>(ch)), 0);
}

void TGridEditors::Place(TWinControl* control, const TGridEditorPlace& place, bool coloured) {
    control->RecreateWnd();
    control->SetBounds(place.rect.left, place.rect.top, place.width, place.height);
    control->SetVisible(true);
    control->SetEnabled(true);
    if (coloured) control->SetColor(place.color);
    control->BringToFront();
    if (control->CanFocus()) control->SetFocus();
}

TControl* TGridEditors::Show(TEditorType type, int realCol, int row, const TGridEditorPlace& place,
                             const AnsiString& text) {
    switch (type) {
    case edComboEdit:
    case edComboList: {
        combo_->SetStyle(type == edComboEdit ? csDropDown : csDropDownList);
        if (place.font) combo_->Font()->Assign(place.font);
        combo_->SetBounds(place.rect.left, place.rect.top, 0, 0);
        combo_->SetEnabled(true);
        combo_->SetDroppedDown(false);
        combo_->SetText(text);
        Place(combo_, place, true);
        // The platform's combo box is as high as its selection field and
        // sizes its list by DropDownCount itself.
        if (type == edComboEdit) SendMessage(combo_->Handle(), CB_SETITEMHEIGHT, WPARAM(-1), place.height - 6);
        combo_->SetBounds(place.rect.left, place.rect.top, place.width, place.height);
        if (type == edComboEdit) {
            combo_->SetText(text);
            combo_->SetSelStart(0);
            combo_->SetSelLength(int(text.size()));
        }
        if (grid_->Navigation()->AutoComboDropSize()) combo_->SizeDropDownToItems();
        int index = combo_->Items()->IndexOf(grid_->GetDisplayText(realCol, row));
        const bool unknown = type == edComboList && index < 0;
        if (type == edComboList) combo_->SetItemIndex(unknown ? 0 : index);
        combo_->SetDroppedDown(grid_->MouseActions()->DirectComboDrop());
        if (unknown && combo_->Items()->Count() > 0) {
            const AnsiString item = combo_->Items()->Strings(0);
            if (grid_->OnComboChange()) grid_->OnComboChange()(grid_, realCol, row, 0, item);
            if (grid_->OnComboObjectChange())
                grid_->OnComboObjectChange()(grid_, realCol, row, 0, item, combo_->Items()->Objects(0));
        }
        return combo_;
    }
    case edCheckBox:
        checkBox_->SetCaption(text);
        checkBox_->SetChecked(false);
        Place(checkBox_, place, false);
        return checkBox_;
    case edButton: {
        const TGridEditorPlace larger{TRect(place.rect.left - 1, place.rect.top - 1, place.rect.right, place.rect.bottom),
                                      place.width + 2, place.height + 2, place.color, place.font};
        button_->SetCaption(text);
        Place(button_, larger, false);
        return button_;
    }
    default: return nullptr;
    }
}

bool TGridEditors::ReadBack(TEditorType type, bool active, AnsiString& text) {
    TWinControl* control = ControlOf(type);
    if (!control) return false;
    const bool takes = (type == edComboEdit || type == edComboList) && active;
    if (takes) text = combo_->Text();
    control->SetEnabled(false);
    control->SetVisible(false);
    return takes;
}
