// The filter row: one editor per grid, hosted over the filter cell of the
// column being filtered. Typed texts go into the columns' filters when the
// editor hides or moves on; Enter applies every column's condition to the
// dataset, through OnApplyFilter or the library's data service.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataService.h"
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/DBGridVynFilterEdit.h"
#include "datagrid/DBGridVynSelection.h"
#include "datagrid/DBGridVynStyle.h"
#include "platform/data/dataset.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"

// ---- The editor -------------------------------------------------------------------------------------

TRect TInplaceFilterEditVyn::GetEditRect() const {
    TRect rect = TCustomDBEditVyn::GetEditRect();
    rect.top += 1;
    return rect;
}

void TInplaceFilterEditVyn::SelectWholeText() {
    if (HandleAllocated()) SendMessage(Handle(), EM_SETSEL, 0, -1);
}

void TInplaceFilterEditVyn::ShowKeyWithText(const Variant& value, const AnsiString& text) {
    // The editor keeps its value itself: the text goes there too, so that
    // taking the focus (which reloads the value) shows it again.
    DataLink()->SetOwnValueIsText(true);
    DataLink()->WriteText(text);
    AssignKeyQuietly(value);
    ShowText(text);
}

namespace {

bool WindowShown(TWinControl* control) {
    return control && control->HandleAllocated() && (GetWindowLong(control->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

// ---- Starting, showing and ending -------------------------------------------------------------------

TInplaceFilterEditVyn* TCustomDBGridVyn::NewFilterEditor() { return TInplaceFilterEditVyn::Create(this); }

bool TCustomDBGridVyn::FilterEditorAllowed() const { return filterRowEditing_ && selection_->Kind() == gstNon; }

bool TCustomDBGridVyn::FilterColumnEditable(int index) const {
    if (index < 0 || index >= columns_->Count()) return false;
    TColumnVyn* column = columns_->Items(index);
    return column->Visible() && column->STFilter()->Visible();
}

AnsiString TCustomDBGridVyn::GetColumnFilterText(int index) const {
    if (index < 0 || index >= columns_->Count()) return {};
    TColumnVyn* column = columns_->Items(index);
    return column->FieldName().empty() ? AnsiString() : column->STFilter()->ExpressionText();
}

void TCustomDBGridVyn::SetFilterRowEditing(bool on) {
    if (on)
        StartFilterEdit(SelectedIndex());
    else
        StopFilterEdit();
}

void TCustomDBGridVyn::StartFilterEdit(int index) {
    if (!stFilter_->Visible() || !FilterColumnEditable(index)) return;
    if (dataLink_->Active()) dataLink_->DataSet()->CheckBrowseMode();
    if (!filterEditor_) {
        filterEditor_ = NewFilterEditor();
        filterEditor_->SetVisible(false);
        filterEditor_->SetParent(this);
        IInplaceEditVyn* editor = filterEditor_;
        editor->SetInplaceEditHolder(this);
        editor->SetBorderStyle(bsNone);
        TFont font;
        font.Assign(Font());
        font.SetColor(clBlue);
        editor->SetFont(&font);
        editor->SetColor(BrightenColor(FixedColor(), 8));
        editor->AssignKeyPressHandler([this](TObject* sender, char& key) { FilterEditorKeyPress(sender, key); });
        editor->AssignExitHandler({});
        filterEditor_->SetFlat(flat_);
    }
    const int filterRow = CalcTopDataOffset() - 1;
    int oldCol = -1;
    if (filterColumn_ != index && WindowShown(filterEditor_)) {
        oldCol = DataToRawColumn(filterColumn_);
        HideFilterEditor();
    }
    filterColumn_ = index;
    filterRowEditing_ = true;
    HideEditor();
    {
        ValueRestorer<bool> suppress(paintSuppressed_, true);
        const int col = DataToRawColumn(index);
        if (options_.Contains(dgRowSelect)) {
            if (col < LeftCol())
                SetLeftCol(std::max(col, FixedCols()));
            while (col > LeftCol() + VisibleColCount() - 1 && LeftCol() < col) SetLeftCol(LeftCol() + 1);
        } else {
            MoveToColumn(col, 0, false);
        }
        InvalidateCell(col, filterRow);
        if (oldCol >= 0) InvalidateCell(oldCol, filterRow);
    }
    ShowFilterEditor(true);
}

void TCustomDBGridVyn::ShowFilterEditor(bool prepare) {
    if (stFilter_->Updating()) return;
    if (!stFilter_->Visible() || !FilterColumnEditable(filterColumn_) || !filterRowEditing_) {
        SetFilterRowEditing(false);
        return;
    }
    if (!filterEditor_ || !HandleAllocated()) return;
    TRect rect = CellRect(DataToRawColumn(filterColumn_), CalcTopDataOffset() - 1);
    rect.left += 1;
    if (!FilterEditorAllowed()) {
        filterEditor_->HideEditor();
        return;
    }
    if (prepare) SetupFilterEditor(filterColumn_);
    if (!filterEditor_->Visible()) {
        // Made hidden; from now on only its window shows and hides.
        filterEditor_->SetBoundsRect(rect);
        filterEditor_->SetVisible(true);
    }
    filterEditor_->ShowAtRect(rect);
    if (WindowShown(filterEditor_) && filterEditor_->CanFocus()) filterEditor_->SetFocus();
    if (prepare) filterEditor_->SelectWholeText();
    if (filterEditor_->HandleAllocated()) SendMessage(filterEditor_->Handle(), EM_SCROLLCARET, 0, 0);
}

void TCustomDBGridVyn::SetupFilterEditor(int index) {
    // A column with a list source picks from it: by its keys (the editor
    // shows the chosen texts and keeps the keys) or, without a key field,
    // by its texts; any other column takes typed text.
    TSTColumnFilterVyn* filter = columns_->Items(index)->STFilter();
    TInplaceFilterEditVyn* editor = filterEditor_;
    if (filter->ListSource()) {
        editor->SetOnCloseUp([this](TObject* sender, bool accept) { FilterEditorCloseUp(sender, accept); });
        editor->ShowKeyWithText(Null(), AnsiString());
        editor->SetOnButtonClick({});
        editor->SetListSource(nullptr);
        editor->SetListField(filter->ListField());
        const bool byKey = !filter->KeyField().empty();
        editor->SetStyle(byKey ? csDropDownListVyn : csDropDownVyn);
        editor->SetKeyField(byKey ? filter->KeyField() : filter->ListField());
        editor->SetListSource(filter->ListSource());
        editor->EditButton()->SetVisible(true);
        editor->DropDownBox()->SetSizable(true);
        if (byKey)
            editor->ShowKeyWithText(filter->KeyValues(), filter->ExpressionText());
        else
            editor->ShowKeyWithText(Null(), filter->ExpressionText());
        return;
    }
    editor->SetOnCloseUp({});
    editor->SetStyle(csDropDownVyn);
    editor->SetOnButtonClick([](TObject*, bool&) {});
    editor->SetListSource(nullptr);
    editor->SetListField(AnsiString());
    editor->SetKeyField(AnsiString());
    editor->EditButton()->SetVisible(false);
    editor->ShowKeyWithText(Null(), GetColumnFilterText(index));
}

void TCustomDBGridVyn::StoreFilterEditorValue(int index) {
    if (index < 0 || index >= columns_->Count() || !filterEditor_) return;
    TColumnVyn* column = columns_->Items(index);
    if (column->FieldName().empty()) return;
    TSTColumnFilterVyn* filter = column->STFilter();
    // Copies: storing redraws the filter row, which prepares the editor anew.
    const Variant keys = filterEditor_->KeyValue();
    if (!filter->KeyField().empty())
        filter->AssignKeyValues(filterEditor_->Text(), keys);
    else
        filter->KeepExpressionText(filterEditor_->Text());
}

void TCustomDBGridVyn::HideFilterEditor() {
    if (!WindowShown(filterEditor_)) return;
    filterEditor_->HideEditor();
    if (filterColumn_ < 0) return;
    StoreFilterEditorValue(filterColumn_);
    InvalidateCell(DataToRawColumn(filterColumn_), CalcTopDataOffset() - 1);
}

void TCustomDBGridVyn::StopFilterEdit() {
    if (stFilter_->Updating()) return;
    try {
        HideFilterEditor();
    } catch (...) {
        // The editor is gone whatever its text was; editing ends with it.
        filterRowEditing_ = false;
        throw;
    }
    filterRowEditing_ = false;
    AfterFilterEdit();
}

void TCustomDBGridVyn::AfterFilterEdit() {
    if (options_.Contains(dgAlwaysShowEditor))
        ShowEditorNow();
    else
        HideEditor();
}

void TCustomDBGridVyn::RefreshFilterEditor() {
    if (filterRowEditing_ && WindowShown(filterEditor_)) ShowFilterEditor(false);
}

void TCustomDBGridVyn::StoreCurrentFilterEdit() {
    if (filterColumn_ >= 0) StoreFilterEditorValue(filterColumn_);
}

// ---- Applying ---------------------------------------------------------------------------------------

void TCustomDBGridVyn::ApplyFilterViaService() {
    ValueRestorer<bool> suppress(paintSuppressed_, true);
    if (TDBGridVynDataService* service = DBGridVynDataService()) service->ApplyFilter(this);
}

void TCustomDBGridVyn::ApplyFilterFromRow() {
    if (filterColumn_ >= 0 && WindowShown(filterEditor_)) StoreFilterEditorValue(filterColumn_);
    const int left = LeftCol();
    // The grid comes back to where it was also when applying fails.
    auto restore = [this, left] {
        if (left < ColCount()) SetLeftCol(left);
        ShowFilterEditor(true);
        if (sumList_->Active()) sumList_->RecountAll();
        Invalidate();
    };
    try {
        if (OnApplyFilter_)
            OnApplyFilter_(this);
        else
            ApplyFilterViaService();
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TCustomDBGridVyn::FilterEditorCloseUp(TObject*, bool accept) {
    if (accept && DefaultGridStyle()->ApplyFilterOnListCloseUp()) ApplyFilterFromRow();
}

void TCustomDBGridVyn::FilterEditorKeyPress(TObject*, char& key) {
    if (key != '\r') return;
    key = 0;
    ApplyFilterFromRow();
}

// ---- Keys and presses -------------------------------------------------------------------------------

void TCustomDBGridVyn::FilterEditKeyDown(TWinControl*, Word& key, TShiftState shift) {
    if (!filterEditor_ || filterEditor_->DroppedDown()) return;
    TInplaceFilterEditVyn* editor = filterEditor_;
    const bool ctrl = shift.Contains(ssCtrl);
    const bool plain = (shift * TShiftState{ssShift, ssCtrl, ssAlt}).Empty();
    const int length = static_cast<int>(editor->Text().size());
    const int start = editor->SelStart();
    const int selected = editor->SelLength();
    const bool atStart = start == 0 && (selected == 0 || selected == length);
    const bool atEnd = start + selected == length && (selected == 0 || start == 0);
    auto move = [&](bool forward, bool toEnd) {
        MoveToFilterColumn(forward, toEnd);
        key = 0;
    };
    switch (key) {
        case VK_LEFT:
            if (ctrl || atStart) move(false, ctrl);
            break;
        case VK_RIGHT:
            if (ctrl || atEnd) move(true, ctrl);
            break;
        case VK_HOME:
            if (ctrl || atStart) move(false, true);
            break;
        case VK_END:
            if (ctrl || atEnd) move(true, true);
            break;
        case VK_TAB:
            if (options_.Contains(dgTabs)) move(!shift.Contains(ssShift), false);
            break;
        case VK_UP:
            if (plain) key = 0;
            break;
        case VK_DOWN:
            if (plain || shift == TShiftState{ssCtrl}) {
                if (dataLink_->Active()) {
                    MoveToColumn(DataToRawColumn(filterColumn_), 0, false);
                    if (!ctrl) dataLink_->DataSet()->MoveBy(-dataLink_->ActiveRecord());
                }
                key = 0;
                StopFilterEdit();
            }
            break;
        case VK_F2:
            editor->SetSelStart(length);
            editor->SetSelLength(0);
            key = 0;
            break;
        default: break;
    }
}

void TCustomDBGridVyn::MoveToFilterColumn(bool forward, bool toEnd) {
    const int count = columns_->Count();
    if (count == 0) return;
    const int step = forward ? 1 : -1;
    auto inRange = [count](int index) { return index >= 0 && index < count; };
    int index;
    if (toEnd) {
        index = forward ? count - 1 : 0;
        while (inRange(index) && !FilterColumnEditable(index)) index -= step;
    } else {
        index = filterColumn_ + step;
        if (index >= count) index = 0;
        if (index < 0) index = count - 1;
        if (index == filterColumn_) return;
        while (inRange(index) && !FilterColumnEditable(index)) index += step;
    }
    if (inRange(index) && index != filterColumn_) StartFilterEdit(index);
}

bool TCustomDBGridVyn::OpenFilterRowFromData(TShiftState shift) {
    if (!stFilter_->Visible() || !dataLink_->Active()) return false;
    if (!dataLink_->DataSet()->Bof() && !shift.Contains(ssCtrl)) return false;
    int index = SelectedIndex();
    if (options_.Contains(dgRowSelect)) {
        // The remembered column while it is in view, else the first one in view.
        const int first = RawToDataColumn(LeftCol());
        const int last = RawToDataColumn(LeftCol() + VisibleColCount() - 1);
        index = filterColumn_ >= first && filterColumn_ <= last ? filterColumn_ : first;
        while (index < columns_->Count() && !FilterColumnEditable(index)) ++index;
    }
    StartFilterEdit(index);
    return true;
}

bool TCustomDBGridVyn::FilterRowPress(UINT message, int x, int y) {
    if (ComponentState().Contains(csDesigning) || !stFilter_->Visible()) return false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.Y != CalcTopDataOffset() - 1 || cell.X < indicatorOffset_) return false;
    const int index = RawToDataColumn(cell.X);
    if (!FilterColumnEditable(index)) return false;
    ClearSelection();
    StartFilterEdit(index);
    if (message == WM_LBUTTONDOWN && WindowShown(filterEditor_)) {
        const TPoint at{x - filterEditor_->Left(), y - filterEditor_->Top()};
        filterEditor_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    lastMouseDown_ = {x, y};
    lastMouseDownTime_ = GetMessageTime();
    return true;
}
