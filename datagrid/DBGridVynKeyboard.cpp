// The grid's keys: record and column movement with and without extending a
// selection, the record and clipboard operations, Tab, the find-dialog key, and the
// incremental search that typed characters run in columns that cannot be
// edited.
#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynClipboard.h"
#include "datagrid/DBGridVynFilterEdit.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynLib.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/clipbrd.h"
#include "platform/win/msgqueue.h"

namespace {

constexpr UINT_PTR kIncSearchTimer = 2;

bool Printable(char key) { return static_cast<unsigned char>(key) >= ' '; }

// Whether `shown` begins with `typed` in any letter case.
bool BeginsWith(const AnsiString& shown, const AnsiString& typed) {
    return shown.size() >= typed.size() && AnsiUpperCase(shown.substr(0, typed.size())) == AnsiUpperCase(typed);
}

}  // namespace

// ---- Selection while moving ------------------------------------------------------------------------

void TCustomDBGridVyn::ClearSelection() {
    if (options_.Contains(dgMultiSelect) && optionsVyn_.Contains(dghClearSelection)) bookmarks_->ClearAll();
    selectingRows_ = false;
    if (selection_->Kind() == gstNon || !optionsVyn_.Contains(dghClearSelection)) return;
    selection_->Reset();
    Invalidate();
    InvalidateEditor();
}

void TCustomDBGridVyn::MoveWithSelection(bool select, int distance, bool toEnd, bool rowMode) {
    TDataSet* dataSet = dataLink_->DataSet();
    if (rowMode || options_.Contains(dgRowSelect)) {
        select = select && SelectionKindAllowed(gstRecordBookmarks);
        BeginUpdate();
        try {
            while (distance != 0) {
                const int direction = distance > 0 ? 1 : -1;
                bool markAfterMove = false;
                if (options_.Contains(dgMultiSelect) && dataLink_->Active()) {
                    if (!select) {
                        ClearSelection();
                    } else if (!selectingRows_) {
                        selectingRows_ = true;
                        rowAnchor_ = dataSet->Bookmark();
                        rowAnchorWasSelected_ = bookmarks_->CurrentRowMarked();
                        bookmarks_->SetCurrentRowMarked(!toggleSelection_ || !rowAnchorWasSelected_);
                        markAfterMove = true;
                    } else {
                        const int side = dataSet->CompareBookmarks(dataSet->Bookmark(), rowAnchor_);
                        const bool backToAnchor = direction == -(side > 0 ? 1 : side < 0 ? -1 : 0);
                        if (backToAnchor)
                            bookmarks_->SetCurrentRowMarked(toggleSelection_ && rowAnchorWasSelected_);
                        else
                            markAfterMove = true;
                    }
                }
                if (dataSet->MoveBy(direction) == 0) break;
                if (markAfterMove) bookmarks_->SetCurrentRowMarked(!toggleSelection_ || !rowAnchorWasSelected_);
                if (!toEnd) distance -= direction;
            }
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    } else if (select && SelectionKindAllowed(gstRectangle)) {
        BeginUpdate();
        try {
            if (selection_->Kind() != gstRectangle) selection_->Rect()->ExtendTo(SelectedIndex(), dataSet->Bookmark(), false);
            if (!toEnd)
                dataSet->MoveBy(distance);
            else if (distance == 1)
                dataSet->Last();
            else
                dataSet->First();
            selection_->Rect()->ExtendTo(SelectedIndex(), dataSet->Bookmark(), true);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    } else {
        dataSet->MoveBy(distance);
    }
    if (updateLock_ == 0) Update();
}

void TCustomDBGridVyn::MoveToColumn(int col, int direction, bool extend) {
    extend = extend && !options_.Contains(dgRowSelect) && SelectionKindAllowed(gstRectangle);
    TDataSet* dataSet = dataLink_->DataSet();
    if (extend && selection_->Kind() != gstRectangle) {
        selection_->Rect()->ClearRect();
        selection_->Rect()->ExtendTo(SelectedIndex(), dataSet->Bookmark(), false);
    }
    dataLink_->UpdateRecord();
    col = std::clamp(col, indicatorOffset_, ColCount() - 1);
    if (direction != 0) {
        while (col >= indicatorOffset_ && col < ColCount() && ColWidths(col) <= 0) col += direction;
        if (col < indicatorOffset_ || col >= ColCount()) return;
    }
    if (col != Col()) {
        const int before = Col();
        ColExit();
        if (Col() != before) return;
        if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
        if (!options_.Contains(dgRowSelect)) MoveColRow(col, Row(), true, true);
        const int index = RawToDataColumn(Col());
        const bool plainColumn = index < 0 || index >= columns_->Count() ||
                                 (columns_->Items(index)->ValueKind() != cvkCheckbox &&
                                  columns_->Items(index)->ValueKind() != cvkImageList);
        if (plainColumn && options_.Contains(dgAlwaysShowEditor)) ShowEditor();
        ColEnter();
    }
    if (extend) selection_->Rect()->ExtendTo(SelectedIndex(), dataSet->Bookmark(), true);
    if (incSearchActive_) EndIncSearch();
}

// ---- Key-down ---------------------------------------------------------------------------------------

void TCustomDBGridVyn::KeyDown(Word& key, TShiftState shift) {
    toggleSelection_ = shift.Contains(ssCtrl) || !optionsVyn_.Contains(dghClearSelection);
    OnKeyDown()(this, key, shift);
    if (key == 0) return;
    if (key == VK_UP && OpenFilterRowFromData(shift)) {
        key = 0;
        return;
    }
    if (UseRightToLeftAlignment()) {
        if (key == VK_LEFT)
            key = VK_RIGHT;
        else if (key == VK_RIGHT)
            key = VK_LEFT;
    }
    if (!dataLink_->Active()) return;

    const TDBGridVynKeySettings& keys = DBGridVynKeySettings();
    const TShortCut pressed = ShortCut(key, shift * TShiftState{ssShift, ssCtrl, ssAlt});
    const bool plain = (shift * TShiftState{ssShift, ssCtrl, ssAlt}).Empty();
    if (pressed == keys.IncSearchShortCut && optionsVyn_.Contains(dghIncSearch)) {
        if (incSearchActive_ && optionsVyn_.Contains(dghDialogFind) && keys.FindDialogShortCut == pressed) {
            EndIncSearch();
            OpenFindDialog();
        } else {
            IncSearch("", -1, 0);
        }
        key = 0;
        return;
    }
    if (pressed == keys.FindDialogShortCut && optionsVyn_.Contains(dghDialogFind)) {
        OpenFindDialog();
        key = 0;
        return;
    }
    if (incSearchActive_) {
        if (plain && (key == VK_RETURN || key == VK_ESCAPE || key == VK_F2)) {
            EndIncSearch();
        } else if (plain && key == VK_BACK) {
            std::size_t cut = 1;
            // A double-byte character goes whole.
            for (std::size_t i = 0; i < incSearchText_.size(); ++i) {
                const bool lead = IsDBCSLeadByte(static_cast<unsigned char>(incSearchText_[i]));
                if (lead && i + 2 == incSearchText_.size()) cut = 2;
                if (lead) ++i;
            }
            incSearchText_.resize(incSearchText_.size() >= cut ? incSearchText_.size() - cut : 0);
            InvalidateRow(Row());
            RestartIncSearchTimer();
            key = 0;
            return;
        } else if (pressed == keys.NextMatchShortCut || pressed == keys.PriorMatchShortCut) {
            IncSearch("", incSearchTimeout_, pressed == keys.NextMatchShortCut ? 1 : 2);
            key = 0;
            return;
        }
    }
    if (shift.Contains(ssCtrl))
        CtrlKeyDown(key, shift);
    else
        PlainKeyDown(key, shift);
}

void TCustomDBGridVyn::CtrlKeyDown(Word& key, TShiftState shift) {
    TDataSet* dataSet = dataLink_->DataSet();
    const bool extend = shift.Contains(ssShift) && options_.Contains(dgMultiSelect);
    const bool moves = key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END || key == VK_UP ||
                       key == VK_DOWN;
    if (moves && !shift.Contains(ssShift)) ClearSelection();
    switch (key) {
        case VK_PRIOR:
        case VK_UP:
        case VK_NEXT:
        case VK_DOWN: {
            const bool up = key == VK_PRIOR || key == VK_UP;
            // To the first or last row in view: in the in-memory-table mode the
            // rows in view, not the link's buffer, are what the user sees.
            const int distance =
                MemTableMode()
                    ? (up ? TopRow() : std::min(TopRow() + VisibleRowCount(), RowCount()) - 1) - Row()
                    : up ? -dataLink_->ActiveRecord() : dataLink_->BufferCount() - dataLink_->ActiveRecord() - 1;
            if (extend)
                MoveWithSelection(true, distance, false, false);
            else
                dataSet->MoveBy(distance);
            break;
        }
        case VK_HOME:
        case VK_END:
            if (extend)
                MoveWithSelection(true, key == VK_HOME ? -1 : 1, true, false);
            else if (key == VK_HOME)
                dataSet->First();
            else
                dataSet->Last();
            break;
        case VK_LEFT: MoveToColumn(indicatorOffset_, 1, false); break;
        case VK_RIGHT: MoveToColumn(ColCount() - 1, -1, false); break;
        case VK_INSERT:
        case 'C':
            if (CanCopySelection() && editActions_.Contains(geaCopyVyn)) GridCopyAction(this, false);
            break;
        case VK_DELETE:
            if (editActions_.Contains(geaDeleteVyn) && selection_->Kind() != gstNon) {
                if (CanDeleteSelection()) GridDeleteAction(this, false);
            } else if (!readOnly_ && !dataSet->IsEmpty() && dataSet->CanModify() &&
                       allowedOperations_.Contains(alopDeleteVyn)) {
                DeleteWithConfirmation();
            }
            break;
        case 'A':
            if (CanSelectAll() && editActions_.Contains(geaSelectAllVyn)) selection_->MarkAll();
            break;
        case 'V':
            if (incSearchActive_)
                IncSearch(Clipboard()->AsText(), incSearchTimeout_, 0);
            else if (CanPasteFromClipboard() && editActions_.Contains(geaPasteVyn))
                GridPasteAction(this, false);
            break;
        case 'X':
            if (CanCutSelection() && editActions_.Contains(geaCutVyn)) GridCutAction(this, false);
            break;
        default: return;
    }
    key = 0;
}

void TCustomDBGridVyn::PlainKeyDown(Word& key, TShiftState shift) {
    TDataSet* dataSet = dataLink_->DataSet();
    const bool shifted = shift.Contains(ssShift);
    const bool extend = shifted && options_.Contains(dgMultiSelect);
    const bool rowMode = !SelectionKindAllowed(gstRectangle);
    const bool untouchedInsert =
        dataSet->State() == dsInsert && !dataSet->Modified() && !dataLink_->EditModified();
    switch (key) {
        case VK_TAB:
            if (shift.Contains(ssAlt)) return;
            MoveByTab(!shifted);
            break;
        case VK_RETURN:
            if (!optionsVyn_.Contains(dghEnterAsTab)) return;
            MoveByTab(!shifted);
            break;
        case VK_ESCAPE: {
            const TGridState state = GridState();
            if (state == gsRowSizing || state == gsColSizing || state == gsColMoving) {
                SendMessage(Handle(), WM_CANCELMODE, 0, 0);
                break;
            }
            dataLink_->ResetRecord();
            ClearSelection();
            if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
            break;
        }
        case VK_PRIOR:
        case VK_NEXT: {
            const int distance = key == VK_PRIOR ? -VisibleDataRowCount() : VisibleDataRowCount();
            if (extend) {
                MoveWithSelection(true, distance, false, rowMode);
            } else {
                ClearSelection();
                dataSet->MoveBy(distance);
            }
            break;
        }
        case VK_HOME:
        case VK_END:
            if (columns_->Count() > 1 && !options_.Contains(dgRowSelect)) {
                if (key == VK_HOME)
                    MoveToColumn(indicatorOffset_, 1, extend);
                else
                    MoveToColumn(ColCount() - 1, -1, extend);
            } else if (extend) {
                MoveWithSelection(true, key == VK_HOME ? -1 : 1, true, false);
            } else {
                ClearSelection();
                if (key == VK_HOME)
                    dataSet->First();
                else
                    dataSet->Last();
            }
            break;
        case VK_LEFT:
        case VK_RIGHT: {
            const int step = key == VK_LEFT ? -1 : 1;
            if (options_.Contains(dgRowSelect)) {
                if (step < 0 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
                if (step > 0 && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
            } else {
                if (!extend) ClearSelection();
                MoveToColumn(Col() + step, step, extend);
            }
            break;
        }
        case VK_UP:
            if (untouchedInsert && dataSet->Eof())
                dataSet->Cancel();
            else
                MoveWithSelection(shifted, -1, false, shifted ? rowMode : true);
            break;
        case VK_DOWN:
            if (untouchedInsert) {
                if (!dataSet->Eof()) dataSet->Cancel();
                break;
            }
            MoveWithSelection(shifted, 1, false, shifted ? rowMode : true);
            if (dataSet->Eof() && dataSet->CanModify() && !readOnly_ && options_.Contains(dgEditing) &&
                allowedOperations_.Contains(alopAppendVyn))
                dataSet->Append();
            break;
        case VK_INSERT:
            if (shifted || !dataSet->CanModify() || readOnly_ || !options_.Contains(dgEditing)) return;
            ClearSelection();
            if (allowedOperations_.Contains(alopInsertVyn))
                dataSet->Insert();
            else if (allowedOperations_.Contains(alopAppendVyn))
                dataSet->Append();
            break;
        case VK_F2: SetEditorMode(true); break;
        case VK_MULTIPLY:
        case VK_ADD:
        case VK_SUBTRACT:
            if (!MemTableMode()) return;
            MTToggleCurrentNode(key == VK_MULTIPLY ? -1 : key == VK_ADD ? 1 : 0);
            break;
        default: return;
    }
    key = 0;
}

void TCustomDBGridVyn::MoveByTab(bool forward) {
    const int start = Col();
    int col = start;
    ClearSelection();
    BeginUpdate();
    try {
        do {
            col += forward ? 1 : -1;
            if (col >= ColCount()) {
                Word down = VK_DOWN;
                PlainKeyDown(down, {});
                col = indicatorOffset_;
            } else if (col < indicatorOffset_) {
                Word up = VK_UP;
                PlainKeyDown(up, {});
                col = ColCount() - 1;
            }
        } while (col != start && !TabStops(col));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    MoveToColumn(col, 0, false);
}

void TCustomDBGridVyn::DeleteWithConfirmation() {
    if (!ConfirmSelectionDelete(this, gstRecordBookmarks)) return;
    if (bookmarks_->Count() > 0)
        bookmarks_->DeleteMarked();
    else
        dataLink_->DataSet()->Delete();
}

void TCustomDBGridVyn::OpenFindDialog() {
    if (const TDBGridVynFindDialogProc& find = DBGridVynFindDialogHook())
        find(this, "", "", FindDialogModal(), TDBGridVynFindColumns{});
}

bool TCustomDBGridVyn::CanSelectAll() const {
    return dataLink_->Active() && !dataLink_->DataSet()->IsEmpty() && allowedSelections_.Contains(gstAll);
}

bool TCustomDBGridVyn::CanCopySelection() const {
    return dataLink_->Active() && selection_->Kind() != gstNon;
}

bool TCustomDBGridVyn::CanCutSelection() const { return CanCopySelection() && CanDeleteSelection(); }

bool TCustomDBGridVyn::CanPasteFromClipboard() const {
    if (!dataLink_->Active() || readOnly_) return false;
    TDataSet* dataSet = dataLink_->DataSet();
    if (!dataSet->CanModify()) return false;
    if (dataSet->State() != dsInsert && !allowedOperations_.Contains(alopUpdateVyn)) return false;
    return Clipboard()->HasFormat(ClipboardFormatVCLDBIF) || Clipboard()->HasFormat(CF_TEXT);
}

bool TCustomDBGridVyn::CanDeleteSelection() const {
    if (!dataLink_->Active() || readOnly_) return false;
    TDataSet* dataSet = dataLink_->DataSet();
    if (dataSet->IsEmpty() || !dataSet->CanModify()) return false;
    switch (selection_->Kind()) {
        case gstRecordBookmarks:
        case gstAll: return allowedOperations_.Contains(alopDeleteVyn);
        case gstRectangle:
        case gstColumns: return allowedOperations_.Contains(alopUpdateVyn);
        case gstNon: break;
    }
    return false;
}

// ---- Typed characters -------------------------------------------------------------------------------

bool TCustomDBGridVyn::IncSearchApplies() {
    const TInplaceEdit* editor = InplaceEditor();
    const bool editorHidden = !editor || !editor->Visible();
    const bool searching = incSearchActive_ ||
                           (optionsVyn_.Contains(dghIncSearch) && !ColumnEditable(Col())) ||
                           (optionsVyn_.Contains(dghPreferIncSearch) && !options_.Contains(dgAlwaysShowEditor) &&
                            editorHidden);
    if (!searching || !dataLink_->Active()) return false;
    const TDataSetState state = dataLink_->DataSet()->State();
    return state != dsEdit && state != dsInsert && state != dsSetKey;
}

void TCustomDBGridVyn::WMChar(TMessage& Message) {
    const char key = static_cast<char>(Message.WParam);
    if (filterRowEditing_ && (Printable(key) || key == '\b')) {
        // Typing while the grid has the focus goes on in the filter editor.
        ShowFilterEditor(true);
        if (FilterEditor() && FilterEditor()->HandleAllocated() && IsWindowVisible(FilterEditor()->Handle()))
            PostMessage(FilterEditor()->Handle(), WM_CHAR, Message.WParam, Message.LParam);
        return;
    }
    if ((Printable(key) || key == '\b') && IncSearchApplies())
        DoKeyPress(Message);
    else
        TCustomGrid::WMChar(Message);
}

void TCustomDBGridVyn::KeyPress(char& key) {
    if (key == '\r' && optionsVyn_.Contains(dghEnterAsTab)) key = '\t';
    if (key == '\r' && !options_.Contains(dgAlwaysShowEditor)) dataLink_->UpdateRecord();
    const bool searching = Printable(key) && IncSearchApplies();
    if (searching)
        TWinControl::KeyPress(key);  // OnKeyPress only: the base grid would open its editor
    else
        TCustomGrid::KeyPress(key);
    if (!searching || !Printable(key)) return;
    // A double-byte character searches whole: its trail byte waits as the
    // next WM_CHAR and is taken off the queue with it.
    AnsiString typed(1, key);
    MSG next{};
    const bool trailWaits = IsDBCSLeadByte(static_cast<unsigned char>(key)) && HandleAllocated() &&
                            PeekMessage(&next, Handle(), 0, 0, PM_NOREMOVE) && next.message == WM_CHAR;
    if (trailWaits) typed += static_cast<char>(next.wParam);
    const int timeout = incSearchActive_ ? incSearchTimeout_ : DBGridVynKeySettings().IncSearchTimeout;
    IncSearch(typed, timeout, 0);
    key = 0;
    if (trailWaits) PeekMessage(&next, Handle(), WM_CHAR, WM_CHAR, PM_REMOVE);
}

// ---- Incremental search -----------------------------------------------------------------------------

void TCustomDBGridVyn::IncSearch(const AnsiString& text, int timeout, int mode) {
    if (!dataLink_->Active()) return;
    const int index = SelectedIndex();
    TColumnVyn* column = index >= 0 && index < columns_->Count() ? columns_->Items(index) : nullptr;
    AnsiString candidate = incSearchText_ + text;
    bool found = false;
    // A match takes the letters as the record shows them.
    const auto matches = [&] {
        const AnsiString shown = column ? column->CellDisplayText() : AnsiString();
        if (!BeginsWith(shown, candidate)) return false;
        candidate = shown.substr(0, candidate.size());
        return true;
    };
    if (!candidate.empty()) {
        if (mode == 0 && matches()) {
            found = true;
        } else {
            TDataSet* dataSet = dataLink_->DataSet();
            dataSet->DisableControls();
            incSearchMoving_ = true;
            try {
                SaveViewPosition();
                if (mode == 1)
                    dataSet->Next();
                else if (mode == 2)
                    dataSet->Prior();
                else
                    dataSet->First();
                while (mode == 2 ? !dataSet->Bof() : !dataSet->Eof()) {
                    if ((found = matches())) break;
                    dataSet->MoveBy(mode == 2 ? -1 : 1);
                }
                if (!found) RestoreViewPosition();
                dataSet->EnableControls();
            } catch (...) {
                dataSet->EnableControls();
                incSearchMoving_ = false;
                throw;
            }
            incSearchMoving_ = false;
        }
    }
    HideEditor();
    incSearchActive_ = true;
    if (found) incSearchText_ = candidate;
    InvalidateRow(Row());
    incSearchTimeout_ = timeout;
    RestartIncSearchTimer();
}

void TCustomDBGridVyn::EndIncSearch() {
    StopIncSearchTimer();
    incSearchActive_ = false;
    incSearchText_.clear();
    if (HandleAllocated()) InvalidateRow(Row());
    if (EditorAlwaysVisible()) ShowEditorNow();
}

void TCustomDBGridVyn::RestartIncSearchTimer() {
    StopIncSearchTimer();
    if (incSearchTimeout_ < 0 || !HandleAllocated()) return;
    SetTimer(Handle(), kIncSearchTimer, static_cast<UINT>(incSearchTimeout_));
    incSearchTimerRunning_ = true;
}

void TCustomDBGridVyn::StopIncSearchTimer() {
    if (!incSearchTimerRunning_) return;
    if (HandleAllocated()) KillTimer(Handle(), kIncSearchTimer);
    incSearchTimerRunning_ = false;
}

void TCustomDBGridVyn::WMTimerVyn(TMessage& Message) {
    if (Message.WParam == kIncSearchTimer)
        EndIncSearch();
    else if (Message.WParam == kGridSelectTimer && (mouseSelectingRows_ || selectingCells_ || MouseGesture() == 2))
        SelectionAutoScroll();
    else
        WMTimer(Message);
}
