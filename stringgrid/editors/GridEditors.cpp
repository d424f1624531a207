// The grid-aware editor controls and their placing over a cell: the key
// protocol that commits or leaves the cell, combo completion and wheel
// steps, and the read-back of each control's value.
#include "stringgrid/editors/GridEditors.h"

#include <algorithm>
#include <functional>

#include "platform/rtl/datetime.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "stringgrid/BavCharFilter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavRichEdit.h"
#include "stringgrid/BavUtil.h"

TBavStringGrid* OwnerGrid(TComponent* owner) {
    auto* grid = dynamic_cast<TBavStringGrid*>(owner);
    if (!grid) throw EInvalidCast("Invalid class typecast");
    return grid;
}

namespace {

// The leading digits (and sign) of a text as an integer; 0 without any.
int LeadingInteger(const AnsiString& text) {
    std::size_t end = text.find_first_not_of(' ');
    if (end == AnsiString::npos) return 0;
    const std::size_t start = end;
    if (text[end] == '-' || text[end] == '+') ++end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    int value = 0;
    return TryStrToInt(text.substr(start, end - start), value) ? value : 0;
}

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// The commit step of the text editors: the text into the cell, validated;
// false (the text back to the cell's, the caret at its end) when refused.
template <class Editor>
bool CommitText(TBavStringGrid* grid, Editor* editor) {
    const AnsiString text = editor->Text();
    grid->SetCurrentCellText(text);
    const bool valid = grid->ValidateCell(text);
    AnsiString current;
    grid->GetCurrentCellText(current);
    editor->SetText(current);
    if (!valid) {
        editor->SetSelStart(int(current.size()));
        editor->Invalidate();
    }
    return valid;
}

}  // namespace

// Tab with goTabs leaves through the grid's Tab navigation; other keys
// leave as the grid's own keys would.
void LeaveCellFromEditor(TBavStringGrid* grid, Word key, TShiftState shift) {
    if (key == VK_TAB && grid->Options().Contains(goTabs)) {
        grid->HideCellEditor();
        if (grid->CanFocus()) grid->SetFocus();
        grid->TabNavigate(ShiftHeld());
        return;
    }
    grid->EditorKeyNavigate(key, shift);
}

namespace {

// Enter is always the editor's (Tab is asked through WM_GETDLGCODE).
bool ClaimKey(TMessage& message) {
    if (message.Msg == CM_WANTSPECIALKEY && message.WParam == VK_RETURN) {
        message.Result = 1;
        return true;
    }
    return false;
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

bool ComboKeyGoesToGrid(Word key, bool listMode) {
    switch (key) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE: return true;
    case VK_LEFT:
    case VK_RIGHT: return listMode;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_UP:
    case VK_DOWN: return !listMode;
    default: return false;
    }
}

TGridCombo::TGridCombo(TComponent* owner) : TBQGComboBox(owner), grid_(OwnerGrid(owner)) { SetButtonWidth(16); }

void TGridCombo::KeyDown(Word& key, TShiftState shift) {
    const bool listMode = Style() == csDropDownList || DroppedDown();
    const bool handled = ComboKeyGoesToGrid(key, listMode) && !(key == VK_DOWN && shift.Contains(ssAlt));
    if (!handled) {
        if (key == VK_BACK || key == VK_DELETE) lookupActive_ = false;
        TBQGComboBox::KeyDown(key, shift);
        return;
    }
    const bool commits = key == VK_TAB || key == VK_RETURN || key == VK_UP || key == VK_DOWN;
    if (commits && !CommitText(grid_, this)) {
        key = 0;
        return;
    }
    if (key == VK_TAB && grid_->Options().Contains(goTabs)) {
        LeaveCellFromEditor(grid_, key, shift);
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
    TBQGComboBox::KeyDown(key, shift);
}

void TGridCombo::KeyPress(char& key) {
    const int before = ItemIndex();
    if (key == '\t' || key == '\r') key = 0;
    TBQGComboBox::KeyPress(key);
    const int after = ItemIndex();
    if (after != before && grid_->OnComboChange())
        grid_->OnComboChange()(this, grid_->RealColIndex(grid_->Col()), grid_->Row(), after,
                               after >= 0 ? Items()->Strings(after) : AnsiString());
}

void TGridCombo::KeyUp(Word& key, TShiftState shift) {
    if (key != VK_RETURN) TBQGComboBox::KeyUp(key, shift);
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
    TBQGComboBox::Change();
    if (grid_->OnEditChange()) grid_->OnEditChange()(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridCombo::DoExit() {
    const AnsiString text = Text();
    if (grid_->LookupHistory() && !text.empty() && Items()->IndexOf(text) < 0) Items()->Add(text);
    grid_->HideCellEditor();
    TBQGComboBox::DoExit();
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
        TBQGComboBox::WndProc(message);
        if (grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
        return;
    default:
        if (ClaimKey(message)) return;
        break;
    }
    TBQGComboBox::WndProc(message);
}

// Each item measured in the grid's font, with room for the scroll bar when
// the list scrolls.
void SizeComboDropDown(TCustomComboBox* combo, TCanvas* canvas) {
    if (!combo->HandleAllocated()) return;
    int width = combo->Width();
    TStrings* items = combo->Items();
    const bool overflow = items->Count() > combo->DropDownCount();
    for (int i = 0; i < items->Count(); ++i) {
        const int w = canvas->TextWidth(items->Strings(i));
        if (overflow && width - 25 < w) width = w + 25;
        if (!overflow && width - 5 < w) width = w + 8;
    }
    SendMessage(combo->Handle(), CB_SETDROPPEDWIDTH, WPARAM(width), 0);
}

// ---- TGridSpin -----------------------------------------------------------------------------------

TGridSpin::TGridSpin(TComponent* owner) : TBqgSpinEdit(owner), grid_(OwnerGrid(owner)) {
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::ReportStep(bool up) {
    const int col = grid_->Col(), row = grid_->Row();
    switch (SpinType()) {
    case sptNormal:
        if (grid_->OnSpinClick()) grid_->OnSpinClick()(grid_, col, row, Value(), up);
        break;
    case sptFloat:
        if (grid_->OnFloatSpinClick()) grid_->OnFloatSpinClick()(grid_, col, row, FloatValue(), up);
        break;
    case sptDate:
        if (grid_->OnDateSpinClick()) grid_->OnDateSpinClick()(grid_, col, row, DateValue(), up);
        break;
    case sptTime:
        if (grid_->OnTimeSpinClick()) grid_->OnTimeSpinClick()(grid_, col, row, TimeValue(), up);
        break;
    }
}

void TGridSpin::UpClick() {
    TBqgSpinEdit::UpClick();
    ReportStep(true);
}

void TGridSpin::DownClick() {
    TBqgSpinEdit::DownClick();
    ReportStep(false);
}

void TGridSpin::KeyDown(Word& key, TShiftState shift) {
    if (key == VK_HOME || key == VK_END) {
        const bool home = key == VK_HOME;
        if (SpinType() == sptNormal) SetValue(home ? MaxValue() : MinValue());
        if (SpinType() == sptFloat) SetFloatValue(home ? MaxFloatValue() : MinFloatValue());
        if (grid_->OnSpinClick()) grid_->OnSpinClick()(grid_, grid_->Col(), grid_->Row(), Value(), home);
        TBqgSpinEdit::KeyDown(key, shift);
        return;
    }
    if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) {
        TBqgSpinEdit::KeyDown(key, shift);
        return;
    }
    if (key != VK_ESCAPE && !CommitText(grid_, this)) {
        key = 0;
        return;
    }
    if (key == VK_ESCAPE) {
        SetText(grid_->EditStartText());
        if (SpinType() == sptNormal) SetValue(Value());
        if (SpinType() == sptFloat) SetFloatValue(FloatValue());
    }
    LeaveCellFromEditor(grid_, key, shift);
    key = 0;
    TBqgSpinEdit::KeyDown(key, shift);
}

void TGridSpin::KeyPress(char& key) {
    if (key == '\r') key = 0;
    TBqgSpinEdit::KeyPress(key);
}

void TGridSpin::Change() {
    TBqgSpinEdit::Change();
    if (grid_->OnEditChange()) grid_->OnEditChange()(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridSpin::DoExit() {
    grid_->HideCellEditor();
    TBqgSpinEdit::DoExit();
}

void TGridSpin::WndProc(TMessage& message) {
    if (message.Msg == CN_CHAR && (message.WParam == '\r' || message.WParam == '\t')) {
        message.Result = 1;
        return;
    }
    if (message.Msg == WM_GETDLGCODE) {
        TBqgSpinEdit::WndProc(message);
        if (grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
        return;
    }
    if (ClaimKey(message)) return;
    TBqgSpinEdit::WndProc(message);
}

// ---- TGridEditBtn --------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TComponent* owner) : TBqgEditBtn(owner), grid_(OwnerGrid(owner)) {
    SetButtonCaption("...");
    SetOnClickBtn([this](TObject*) {
        SetText(grid_->DoEllipsClick(Text()));
        SelectAll();
        Invalidate();
    });
}

// The keys both button edits take for themselves (without Ctrl): the
// commit step for Tab, Enter, Up and Down, `escape` for Esc, then the
// cell is left. False for a key that is not theirs.
template <class Editor, class Escape>
bool ButtonEditKey(TBavStringGrid* grid, Editor* editor, Word& key, TShiftState shift, Escape escape) {
    const bool handled = !shift.Contains(ssCtrl) &&
                         (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR ||
                          key == VK_NEXT || key == VK_UP || key == VK_DOWN);
    if (!handled) return false;
    const bool commits = key == VK_TAB || key == VK_RETURN || key == VK_UP || key == VK_DOWN;
    if (commits && !CommitText(grid, editor)) {
        key = 0;
        return true;
    }
    if (key == VK_ESCAPE) escape();
    LeaveCellFromEditor(grid, key, shift);
    key = 0;
    return true;
}

void TGridEditBtn::KeyDown(Word& key, TShiftState shift) {
    if (!shift.Contains(ssCtrl) && OnKeyDown()) OnKeyDown()(this, key, shift);
    if (!ButtonEditKey(grid_, this, key, shift, [this] { SetText(grid_->EditStartText()); }))
        TBqgEditBtn::KeyDown(key, shift);
}

void TGridEditBtn::KeyPress(char& key) {
    const AnsiString text = Text();
    bool accept = true;
    switch (grid_->CurrentEditorType()) {
    case edEditBtn: accept = key != '\r'; break;
    case edNumericEditBtn:
        accept = key != '\r' && AcceptNumberChar(TNumberChars::Integer, key, text, SelStart(), SelText(), false);
        break;
    case edFloatEditBtn:
        accept = key != '\r' &&
                 AcceptNumberChar(TNumberChars::Float, key, text, SelStart(), SelText(), GetKeyState(VK_CONTROL) < 0);
        break;
    default: accept = false; break;
    }
    if (!accept) key = 0;
    TBqgEditBtn::KeyPress(key);
}

// The clipboard events may refuse the paste or change what is pasted.
void TGridEditBtn::Paste() {
    if (!Clipboard()->HasFormat(CF_TEXT) || !EditorEnabled() || ReadOnly()) return;
    AnsiString value = Clipboard()->AsText();
    bool allow = true;
    if (grid_->OnClipboardPaste()) grid_->OnClipboardPaste()(this, allow);
    if (allow && grid_->OnClipboardBeforePasteCell())
        grid_->OnClipboardBeforePasteCell()(this, grid_->Col(), grid_->Row(), value, allow);
    if (allow) SetSelText(value);
}

void TGridEditBtn::Change() {
    TBqgEditBtn::Change();
    if (grid_->OnEditChange()) grid_->OnEditChange()(grid_, grid_->Col(), grid_->Row(), Text());
}

void TGridEditBtn::DoExit() {
    grid_->HideCellEditor();
    TBqgEditBtn::DoExit();
}

void TGridEditBtn::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_CHAR:
        if (message.WParam == '\r') {
            message.Result = 1;
            return;
        }
        break;
    case WM_PASTE: Paste(); return;
    case WM_GETDLGCODE:
        TBqgEditBtn::WndProc(message);
        if (grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
        return;
    default:
        if (ClaimKey(message)) return;
        break;
    }
    TBqgEditBtn::WndProc(message);
}

// ---- TGridDatePicker -----------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* owner) : TDateTimePicker(owner), grid_(OwnerGrid(owner)) {}

AnsiString TGridDatePicker::CellText() { return Checked() && HandleAllocated() ? WindowTextOf(Handle()) : AnsiString(); }

void TGridDatePicker::KeyDown(Word& key, TShiftState shift) {
    const bool handled = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_PRIOR ||
                         key == VK_NEXT || key == VK_END;
    if (!handled) {
        TDateTimePicker::KeyDown(key, shift);
        return;
    }
    if (DroppedDown()) return;
    if (key == VK_ESCAPE) {
        AnsiString text;
        grid_->GetCurrentCellText(text);
        TDateTime value = 0;
        if (Kind() == dtkTime)
            SetTime(TryStrToTime(text, value) ? value : Now());
        else
            SetDate(TryStrToDate(text, value) ? value : Now());
    }
    LeaveCellFromEditor(grid_, key, shift);
    key = 0;
}

void TGridDatePicker::DoExit() {
    grid_->HideCellEditor();
    TDateTimePicker::DoExit();
}

// Two frames in the window colour cover the picker's 3D border, so that it
// sits flat in the cell. The platform's picker draws its border with its
// contents, so the frames follow every paint.
void TGridDatePicker::CoverBorder() {
    const HDC dc = GetWindowDC(Handle());
    RECT r;
    GetWindowRect(Handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    const HBRUSH brush = CreateSolidBrush(ColorToRGB(clWindow));
    FrameRect(dc, &r, brush);
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(Handle(), dc);
}

void TGridDatePicker::WndProc(TMessage& message) {
    if (message.Msg == WM_NCPAINT || message.Msg == WM_PAINT) {
        TDateTimePicker::WndProc(message);
        CoverBorder();
        return;
    }
    if (message.Msg == WM_GETDLGCODE) {
        TDateTimePicker::WndProc(message);
        if (grid_->Options().Contains(goTabs)) message.Result |= DLGC_WANTTAB;
        return;
    }
    if (ClaimKey(message)) return;
    TDateTimePicker::WndProc(message);
}

// ---- TGridUnitEditBtn ----------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* owner) : TBqgUnitEditBtn(owner), grid_(OwnerGrid(owner)) {}

void TGridUnitEditBtn::KeyDown(Word& key, TShiftState shift) {
    const bool handled = ButtonEditKey(grid_, this, key, shift, [this] {
        SetUnitID("");
        AnsiString text;
        grid_->GetCurrentCellText(text);
        SetText(text);
    });
    if (!handled) TBqgUnitEditBtn::KeyDown(key, shift);
}

void TGridUnitEditBtn::KeyPress(char& key) {
    if (key == '\r') key = 0;
    TBqgUnitEditBtn::KeyPress(key);
}

void TGridUnitEditBtn::DoExit() {
    grid_->HideCellEditor();
    TBqgUnitEditBtn::DoExit();
}

// ---- HTML control editors ------------------------------------------------------------------------

namespace {

// Enter ends a form control's edit and gives the grid the focus; Tab ends
// it and opens the cell's next control, or with AdvanceAuto moves on to the
// next cell.
bool HTMLControlKey(TWinControl* editor, char& key) {
    if (key != '\r' && key != '\t') return false;
    const bool tab = key == '\t';
    key = 0;
    TBavStringGrid* grid = OwnerGrid(editor->Owner());
    const AnsiString id = grid->ControlEditID();
    grid->HTMLControlEditExit();
    if (!tab) {
        grid->SetFocus();
    } else if (grid->Navigation()->AdvanceAuto()) {
        grid->SetFocus();
        grid->AdvanceEdit(grid->Col(), grid->Row(), true, false, true, false, true);
    } else {
        grid->FocusNextHTMLControl(grid->Col(), grid->Row(), id);
    }
    return true;
}

// Both form-control editors keep Tab for themselves.
bool ClaimTab(TMessage& message, const std::function<void(TMessage&)>& inherited) {
    if (message.Msg != WM_GETDLGCODE) return false;
    inherited(message);
    message.Result |= DLGC_WANTTAB;
    return true;
}

}  // namespace

TControlEdit::TControlEdit(TComponent* owner) : TMaskEdit(owner) {}

void TControlEdit::DoExit() {
    OwnerGrid(Owner())->HTMLControlEditExit();
    TMaskEdit::DoExit();
}

void TControlEdit::KeyPress(char& key) {
    if (!HTMLControlKey(this, key)) TMaskEdit::KeyPress(key);
}

void TControlEdit::WndProc(TMessage& message) {
    if (!ClaimTab(message, [this](TMessage& m) { TMaskEdit::WndProc(m); })) TMaskEdit::WndProc(message);
}

TControlCombo::TControlCombo(TComponent* owner) : TBQGComboBox(owner) {}

void TControlCombo::DoExit() {
    OwnerGrid(Owner())->HTMLControlEditExit();
    TBQGComboBox::DoExit();
}

void TControlCombo::KeyPress(char& key) {
    if (!HTMLControlKey(this, key)) TBQGComboBox::KeyPress(key);
}

void TControlCombo::WndProc(TMessage& message) {
    if (!ClaimTab(message, [this](TMessage& m) { TBQGComboBox::WndProc(m); })) TBQGComboBox::WndProc(message);
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
    : grid_(grid),
      combo_(new TGridCombo(grid)),
      spin_(new TGridSpin(grid)),
      uniEdit_(new TGridUniEdit(grid)),
      uniMemo_(new TGridUniMemo(grid)),
      uniEditBtn_(new TGridUniEditBtn(grid)),
      uniCombo_(new TGridUniCombo(grid)),
      editBtn_(new TGridEditBtn(grid)),
      datePicker_(new TGridDatePicker(grid)),
      unitEditBtn_(new TGridUnitEditBtn(grid)),
      controlEdit_(new TControlEdit(grid)),
      controlCombo_(new TControlCombo(grid)),
      checkBox_(new TGridCheckBox(grid)),
      button_(new TGridButton(grid)) {
    for (TWinControl* control : {static_cast<TWinControl*>(combo_), static_cast<TWinControl*>(spin_),
                                 static_cast<TWinControl*>(uniEdit_), static_cast<TWinControl*>(uniMemo_),
                                 static_cast<TWinControl*>(uniEditBtn_), static_cast<TWinControl*>(uniCombo_),
                                 static_cast<TWinControl*>(editBtn_), static_cast<TWinControl*>(datePicker_),
                                 static_cast<TWinControl*>(unitEditBtn_),
                                 static_cast<TWinControl*>(controlEdit_), static_cast<TWinControl*>(controlCombo_),
                                                                                                   static_cast<TWinControl*>(checkBox_), static_cast<TWinControl*>(button_)}) {
        control->SetVisible(false);
        control->SetEnabled(false);
        control->SetParent(grid);
    }
}

TWinControl* TGridEditors::ControlOf(TEditorType type) const {
    switch (type) {
    case edComboEdit:
    case edComboList: return combo_;
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: return spin_;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn: return editBtn_;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: return datePicker_;
    case edUnitEditBtn: return unitEditBtn_;
    case edCheckBox: return checkBox_;
    case edButton: return button_;
    case edUniEdit: return uniEdit_;
    case edUniMemo: return uniMemo_;
    case edUniEditBtn: return uniEditBtn_;
    case edUniComboEdit:
    case edUniComboList: return uniCombo_;
    case edRichEdit: return grid_->EditingRichEdit();
    default: return nullptr;
    }
}

bool TGridEditors::TakesTypedChar(TEditorType type) {
    return type != edCheckBox && type != edButton && type != edUniComboEdit && type != edUniComboList;
}

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

// The soft looks show the combos flat with an etched button. Flat changes
// the 3D look, which makes the window anew, so it is set before the show.
void TGridEditors::SetComboFlat(TFlatComboLook* look) {
    const TGridLook gridLook = grid_->Look();
    const bool flat = gridLook == glSoft || gridLook == glQuarn || gridLook == glXP || gridLook == glListView;
    look->SetFlat(flat);
    look->SetEtched(flat);
}

// The list is as wide as its items or as the combo's own drop width.
void TGridEditors::SetComboDropWidth(TCustomComboBox* combo, TFlatComboLook* look) {
    if (grid_->Navigation()->AutoComboDropSize())
        SizeComboDropDown(combo, grid_->Canvas());
    else
        look->SetDropWidth(look->DropWidth());
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
        SetComboFlat(combo_);
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
        SetComboDropWidth(combo_, combo_);
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
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: {
        Place(spin_, place, true);
        spin_->SetExcelStyleDecimalSeparator(grid_->ExcelStyleDecimalSeparator());
        if (type == edSpinEdit) {
            spin_->SetSpinType(sptNormal);
            spin_->SetValue(LeadingInteger(text));
        } else if (type == edFloatSpinEdit) {
            spin_->SetSpinType(sptFloat);
            double value = 0;
            TryStrToFloat(NormalizeNumberText(text), value);
            spin_->SetFloatValue(value);
        } else if (type == edTimeSpinEdit) {
            spin_->SetSpinType(sptTime);
            spin_->SetText(grid_->Cells(realCol, row));
        } else {
            TDateTime date = 0;
            spin_->SetDateValue(TryStrToDate(text, date) ? date : Now());
            spin_->SetSpinType(sptDate);
        }
        return spin_;
    }
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
        editBtn_->SetMaxLength(grid_->MaxEditLength());
        editBtn_->SetText(text);
        Place(editBtn_, place, true);
        editBtn_->SelectAll();
        return editBtn_;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: {
        TDateTime value = 0;
        if (type == edTimeEdit) {
            datePicker_->SetKind(dtkTime);
            datePicker_->SetTime(TryStrToTime(text, value) ? value : Now());
        } else {
            datePicker_->SetKind(dtkDate);
            datePicker_->SetDate(TryStrToDate(text, value) ? value : Now());
            datePicker_->SetDateMode(type == edDateEditUpDown ? dmUpDown : dmComboBox);
        }
        // A date picker grows to the cell's height but never shrinks below its own.
        TGridEditorPlace tall = place;
        if (type != edTimeEdit) tall.height = std::max(place.height, datePicker_->Height());
        Place(datePicker_, tall, true);
        if (type != edTimeEdit && grid_->MouseActions()->DirectDateDrop())
            PostMessage(datePicker_->Handle(), WM_KEYDOWN, VK_F4, 0);
        return datePicker_;
    }
    case edUnitEditBtn: {
        // Digits and number signs are the value, everything else the unit.
        AnsiString value, unit;
        for (char ch : text) ((ch >= '0' && ch <= '9') || ch == ',' || ch == '-' || ch == '.' ? value : unit) += ch;
        unitEditBtn_->SetMaxLength(grid_->MaxEditLength());
        unitEditBtn_->SetText(value);
        unitEditBtn_->SetUnitID(unit);
        Place(unitEditBtn_, place, true);
        return unitEditBtn_;
    }
    case edUniEdit:
    case edUniMemo:
    case edUniEditBtn: {
        auto* edit = static_cast<TCustomEdit*>(ControlOf(type));
        SetWideText(edit, grid_->EditWideText(realCol, row));
        Place(edit, place, true);
        if (!grid_->Navigation()->EditSelectAll()) edit->SetSelStart(int(edit->Text().size()));
        return edit;
    }
    case edUniComboEdit:
    case edUniComboList: {
        const WideString cell = grid_->EditWideText(realCol, row);
        uniCombo_->SetStyle(type == edUniComboEdit ? csDropDown : csDropDownList);
        if (place.font) uniCombo_->Font()->Assign(place.font);
        SetComboFlat(uniCombo_);
        Place(uniCombo_, place, true);
        uniCombo_->SetText(cell);
        const int index = uniCombo_->WideItems()->IndexOf(cell);
        if (index >= 0 || type == edUniComboList) uniCombo_->SetItemIndex(std::max(index, 0));
        SetComboDropWidth(uniCombo_, uniCombo_);
        uniCombo_->SetDroppedDown(grid_->MouseActions()->DirectComboDrop());
        return uniCombo_;
    }
    case edRichEdit: {
        TBavRichEdit* rich = grid_->EditingRichEdit();
        rich->SetParent(grid_);
        rich->SetBorderStyle(bsNone);
        rich->SetHideSelection(false);
        Place(rich, place, true);
        // Loading must not grow the row: only typing does.
        rich->Lock();
        grid_->LoadCellRichText(realCol, row, rich);
        rich->Unlock();
        if (grid_->Navigation()->EditSelectAll()) rich->SelectAll();
        TRect format(2, 2, place.rect.right - place.rect.left - 2, place.rect.bottom - place.rect.top - 2);
        SendMessage(rich->Handle(), EM_SETRECT, 0, LPARAM(&format));
        return rich;
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
    bool takes = (control == combo_ || control == editBtn_) && active;
    if (takes) text = control == combo_ ? combo_->Text() : editBtn_->Text();
    if (control == unitEditBtn_) {
        takes = true;
        text = unitEditBtn_->Text() + unitEditBtn_->UnitID();
    }
    if (control == datePicker_) {
        takes = true;
        text = datePicker_->CellText();
    }
    if (control == uniEdit_ || control == uniMemo_ || control == uniEditBtn_ || control == uniCombo_) {
        takes = true;
        const WideString wide = GetWideText(control);
        if (grid_->OnSetEditWideText())
            grid_->OnSetEditWideText()(grid_, grid_->RealColIndex(grid_->Col()), grid_->Row(), wide);
        text = WideToCellText(wide);
    }
    if (control == grid_->EditingRichEdit()) {
        takes = true;
        grid_->RichEditToText(grid_->EditingRichEdit(), text);
    }
    if (control == spin_) {
        takes = true;
        switch (type) {
        case edSpinEdit: text = IntToStr(spin_->Value()); break;
        case edFloatSpinEdit: text = FloatToStr(spin_->FloatValue()); break;
        case edDateSpinEdit: text = DateToStr(spin_->DateValue()); break;
        default: text = spin_->Text(); break;
        }
    }
    control->SetEnabled(false);
    control->SetVisible(false);
    return takes;
}
