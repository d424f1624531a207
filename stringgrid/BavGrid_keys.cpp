// The string grid's keyboard: its WM_KEYDOWN handler with the key map over
// the platform's navigation (F2, Enter and Space on cell controls, Home and
// End, nodes, Tab, fixed cells, appending rows, the clipboard keys, Insert,
// Delete, Ctrl+A and the disjunct selections) and the key release.
//
// The grid's own steps run around the platform's WM_KEYDOWN handling, which
// fires OnKeyDown: what runs before it cannot be stopped by a handler that
// takes the key, what runs after it can. So the loop's early offer of a key
// (CN_KEYDOWN) is left to the form's dialog keys alone.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/ui/forms.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"

namespace {

bool IsArrow(Word key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

bool IsMoveKey(Word key) {
    return key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME || IsArrow(key);
}

}  // namespace

void TBavStringGrid::KeyOffered(TMessage& message) {
    const Word key = Word(message.WParam);
    TCustomForm* form = IsDialogKey(key) ? GetParentForm() : nullptr;
    message.Result = form && form->Perform(CM_DIALOGKEY, key, LPARAM(message.LParam)) ? 1 : 0;
}

void TBavStringGrid::WMKeyDown(TMessage& message) {
    // The modifiers as the keyboard holds them now, not as the message says.
    const TShiftState shift = KeyDataToShiftState(0);
    const bool ctrl = shift.Contains(ssCtrl), shiftHeld = shift.Contains(ssShift), alt = shift.Contains(ssAlt);
    Word key = Word(message.WParam);
    auto fireKeyDown = [&] {
        if (OnKeyDown()) OnKeyDown()(this, key, shift);
    };
    // Handled: the grid acted; OnKeyDown hears of it and the platform does not.
    auto handled = [&] {
        fireKeyDown();
        message.Result = 0;
    };
    // Swallowed: OnKeyDown hears the key, which then goes nowhere.
    auto swallowed = [&] {
        fireKeyDown();
        message.WParam = 0;
        message.Result = 1;
    };

    framedSelection_ = Selection();
    const int leftCol = LeftCol(), keyRow = Row(), realCol = RealColIndex(Col());
    const bool downArrow = key == VK_DOWN;
    std::unique_ptr<TGridUpdateLock> keepLeft;
    if ((key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) && Options().Contains(goRowSelect) &&
        navigation_->KeepHorizScroll())
        keepLeft = std::make_unique<TGridUpdateLock>(this);

    if (key == VK_F2) {
        if (mouseActions_->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
            if (!IsEditableCell(Col(), Row())) return swallowed();
            TGridOptions options = Options();
            options.Include(goEditing);
            SetOptions(options);
            ShowCellEditor();
        } else if (Options().Contains(goEditing) && !IsEditableCell(Col(), Row())) {
            return swallowed();
        }
        // A cell of form controls is never edited as text: F2 goes to its
        // first edit control instead.
        const AnsiString text = GetDisplayText(realCol, Row());
        if (GetCellTextKind(text, true) == ctkHTML && HasHTMLControls(text)) {
            message.Result = 1;
            SaveEditStart(Col(), Row());
            FocusNextHTMLControl(Col(), Row(), "");
            return;
        }
    }
    if (key == VK_RETURN && !IsEditableCell(Col(), Row())) return swallowed();
    if ((key == VK_RETURN || key == VK_SPACE) && HasCellControl(realCol, Row())) ControlCellKey(key);
    if ((key == VK_HOME || key == VK_END) && !(fixedRowAlways_ && RowCount() == 1) &&
        HomeEndKey(key, shiftHeld, keyRow, leftCol))
        return handled();
    if ((key == VK_RIGHT || key == VK_LEFT) && IsNodeRow(Row()) && IsMergedCell(Col(), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    if (key == VK_TAB && Options().Contains(goTabs)) {
        TabNavigate(shiftHeld);
        return;
    }
    // A jump over fixed cells is handled, and the key is spent for the rest
    // of the message; appending on Down still follows it.
    if (navigation_->SkipFixedCells() && IsArrow(key) && JumpOverFixedCells(key)) {
        handled();
        key = 0;
    }
    if (downArrow && navigation_->AppendOnArrowDown()) AppendOnArrowDown();
    if (selectionRectangle_ && !(Selection() == framedSelection_)) {
        RepaintMergedCorners(framedSelection_);
        framedSelection_ = Selection();
    }

    message.WParam = key;
    if (key != 0 && !DoKeyDown(message)) DefaultHandler(message);
    key = Word(message.WParam);
    if (keepLeft) {
        SetLeftCol(leftCol);
        keepLeft.reset();
    }

    const int selectionRow = mouseActions_->DisjunctRowSelect() && mouseActions_->RowSelectPersistent()
                                 ? RealRowIndex(Row())
                                 : Row();
    if (navigation_->AllowClipboardShortCuts() && ClipboardKey(key, ctrl, shiftHeld)) return;
    if (key == VK_INSERT && !ctrl && !shiftHeld && !alt && navigation_->AllowInsertRow()) return InsertRowKey();
    if (ctrl && key == 'A' && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect)))
        return SelectAllKey();
    if (IsMoveKey(key)) DisjunctSelectionMove(ctrl, shiftHeld, selectionRow);
    if (key == VK_SPACE && mouseActions_->DisjunctRowSelect())
        SetRowSelect(selectionRow, !GetRowSelect(selectionRow));
    if (key == VK_SPACE && mouseActions_->DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
    if (key == VK_DELETE && !alt && navigation_->AllowDeleteRow() &&
        RowCount() - TBaseGrid::FixedRows() - fixedFooters_ > 0 && !DeleteRowKey())
        return;
    if (key == VK_F2) SaveEditStart(Col(), Row());
    SelectionChangedSince(framedSelection_);
}

void TBavStringGrid::RepaintMergedCorners(const TGridRect& rect) {
    if (!HandleAllocated() || rect.Left < 0 || rect.Top < 0) return;
    const TRect first = MergedCellRect(rect.Left, rect.Top), last = MergedCellRect(rect.Right, rect.Bottom);
    TRect both;
    UnionRect(&both, &first, &last);
    InvalidateRect(Handle(), &both, TRUE);
}

void TBavStringGrid::ControlCellKey(Word key) {
    const int col = RealColIndex(Col()), row = Row();
    bool allowed = Options().Contains(goEditing) || mouseActions_->RangeSelectAndEdit();
    CanEditCellHook(col, row, allowed);
    int radioIndex = 0;
    if (key == VK_SPACE && IsCheckBoxCell(col, row) && (allowed || controlLook_->CheckAlwaysActive())) {
        ToggleCheckBox(col, row, true);
        if (showModified_->Enabled()) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        bool state = false;
        GetCheckBoxState(col, row, state);
        if (onCheckBoxClick_) onCheckBoxClick_(this, col, row, state);
    } else if (key == VK_SPACE && IsRadioCell(col, row, radioIndex) &&
               (allowed || controlLook_->RadioAlwaysActive())) {
        SelectNextRadio(col, row, true);
        IsRadioCell(col, row, radioIndex);
        if (onRadioClick_) onRadioClick_(this, col, row, radioIndex);
    } else if (allowed && IsButtonCell(col, row)) {
        if (onButtonClick_) onButtonClick_(this, col, row);
    }
    RepaintCell(Col(), row);
}

bool TBavStringGrid::HomeEndKey(Word key, bool shift, int keyRow, int leftCol) {
    const int fixedRows = TBaseGrid::FixedRows();
    auto selectRows = [&](int from, int to) {
        if (mouseActions_->DisjunctRowSelect() && !shift) {
            ClearRowSelect();
            SelectionToRowSelect(false);
        }
        if (shift) {
            SetSelection(TGridRect(0, std::min(from, to), ColCount() - 1, std::max(from, to)));
            if (mouseActions_->DisjunctRowSelect()) SelectionToRowSelect(false);
        }
    };
    if (navigation_->HomeEndKey() == heFirstLastRow) {
        if (key == VK_HOME) {
            SetRowEx(fixedRows);
            MoveToBaseCell();
            selectRows(keyRow, fixedRows);
        } else {
            const bool footer = floatingFooter_->Visible();
            SetRowEx(footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - fixedFooters_ - 1);
            if (fixedFooters_ > 0 && !footer) SetTopRow(std::max(fixedRows, RowCount() - VisibleRowCount()));
            MoveToBaseCell();
            selectRows(keyRow, Row());
            if (footer) SetTopRow(std::max(fixedRows, RowCount() - VisibleRowCount()));
        }
        if (Options().Contains(goRowSelect) && navigation_->KeepHorizScroll()) {
            SuppressPaint();
            SetLeftCol(leftCol);
            ResetPaintLock();
        }
        return true;
    }
    if (!Options().Contains(goRowSelect)) return false;
    if (key == VK_HOME) {
        SetCol(FirstNavigableCol());
        SetLeftCol(FirstNavigableCol());
    } else {
        SetCol(ColCount() - 1);
        SetLeftCol(std::max(TBaseGrid::FixedCols(), ColCount() - VisibleColCount()));
    }
    MoveToBaseCell();
    return true;
}

bool TBavStringGrid::JumpOverFixedCells(Word key) {
    const bool rtl = UseRightToLeftAlignment();
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const int col = Col(), row = Row();
    if ((key == VK_LEFT && !rtl) || (key == VK_RIGHT && rtl)) {
        if (col <= fixedCols || !IsFixedCell(col - 1, row)) return false;
        int c = col - 1;
        while (c >= fixedCols && IsFixedCell(c, row)) --c;
        if (c >= fixedCols) SetCol(c);
        return true;
    }
    if (key == VK_LEFT || key == VK_RIGHT) {
        const int limit = ColCount() - fixedRightCols_;
        if (col + 1 >= ColCount() || !IsFixedCell(col + 1, row)) return false;
        int c = col + 1;
        while (c < limit && IsFixedCell(c, row)) ++c;
        if (c < limit) SetCol(c);
        return true;
    }
    if (key == VK_UP) {
        if (row <= fixedRows || !IsFixedCell(col, row - 1)) return false;
        int r = row - 1;
        while (r >= fixedRows && IsFixedCell(col, r)) --r;
        if (r >= fixedRows) SetRowEx(r);
        return true;
    }
    const int limit = RowCount() - fixedFooters_;
    if (row >= limit || row + 1 >= RowCount() || !IsFixedCell(col, row + 1)) return false;
    int r = row + 1;
    while (r < limit && IsFixedCell(col, r)) ++r;
    if (r < limit) SetRowEx(r);
    return true;
}

void TBavStringGrid::AppendOnArrowDown() {
    const bool footer = floatingFooter_->Visible();
    const bool lastDataRow = Row() + 1 == RowCount() - fixedFooters_ || (footer && Row() + 2 == RowCount());
    if (!lastDataRow) return;
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!canAdd) return;
    if (footer) {
        // The footer stays the last row: its texts move down with it.
        std::vector<AnsiString> saved;
        for (int c = 0; c < AllColCount(); ++c) saved.push_back(Cells(c, RowCount() - 1));
        AddRow();
        for (int c = 0; c < AllColCount(); ++c) {
            SetCells(c, RowCount() - 2, "");
            SetObjects(c, RowCount() - 2, nullptr);
            SetCells(c, RowCount() - 1, saved[std::size_t(c)]);
        }
    } else {
        AddRow();
    }
    if (footer || fixedFooters_ > 0) SetRowEx(Row() + 1);
    if (footer) RecalcFooter(-1);
    if (onAutoAddRow_) onAutoAddRow_(this, Row());
}

bool TBavStringGrid::ClipboardKey(Word key, bool ctrl, bool shift) {
    const TClipboardEvent* event = nullptr;
    if (ctrl && key == 'X') event = &onClipboardCut_;
    else if (ctrl && key == 'V') event = &onClipboardPaste_;
    else if (ctrl && (key == VK_INSERT || key == 'C')) event = &onClipboardCopy_;
    else if (shift && key == VK_INSERT) event = &onClipboardPaste_;
    else if (shift && key == VK_DELETE) event = &onClipboardCut_;
    if (!event) return false;
    bool allow = true;
    if (*event) (*event)(this, allow);
    if (!allow) return true;
    if (event == &onClipboardCut_)
        CutSelection();
    else if (event == &onClipboardPaste_)
        PasteFromClipboard();
    else
        CopySelection();
    return true;
}

void TBavStringGrid::InsertRowKey() {
    bool allow = true;
    DoCanInsertRow(Row(), allow);
    if (!allow) return;
    if (navigation_->InsertPosition() == pInsertAfter) {
        if (fixedRowAlways_ && RowCount() == TBaseGrid::FixedRows()) {
            AutoInsertRow(Row());
            SetRowEx(1);
        } else {
            AutoInsertRow(Row() + 1);
            if (Row() + 1 < RowCount()) SetRowEx(Row() + 1);
        }
    } else {
        AutoInsertRow(Row());
    }
    RecalcFooter(-1);
}

void TBavStringGrid::SelectAllKey() {
    const TGridRect all(FirstNavigableCol(), TBaseGrid::FixedRows(), ColCount() - fixedRightCols_ - 1,
                        RowCount() - fixedFooters_ - 1);
    if (mouseActions_->DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r) SetRowSelect(r, true);
    else
        SelectionHook(all);
    SetSelectionRect(all);
}

bool TBavStringGrid::DeleteRowKey() {
    bool canDelete = true;
    if (onCanDeleteRow_) onCanDeleteRow_(this, Row(), canDelete);
    if (!canDelete) return false;
    AutoDeleteRow(Row());
    if (floatingFooter_->Visible() && Row() == RowCount() - 1) SetRowEx(RowCount() - 2);
    SaveEditStart(Col(), Row());
    RecalcFooter(-1);
    return true;
}

void TBavStringGrid::DisjunctSelectionMove(bool ctrl, bool shift, int selectionRow) {
    if (mouseActions_->DisjunctRowSelect()) {
        if (!shift && !ctrl) ClearRowSelect();
        if (shift)
            SelectionToRowSelect(false);
        else
            SetRowSelect(selectionRow, true);
    }
    if (mouseActions_->DisjunctColSelect()) {
        if (!shift && !ctrl) ClearColSelect();
        if (shift)
            SelectionToColSelect(false);
        else
            SetColSelect(Col(), true);
    }
}

void TBavStringGrid::KeyUp(Word& key, TShiftState shift) {
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || IsArrow(key) || key == VK_INSERT || key == VK_DELETE)
        gotoText_.clear();
    TBaseGrid::KeyUp(key, shift);
    if (navigation_->AlwaysEdit() && (IsArrow(key) || (key == VK_TAB && Options().Contains(goTabs))))
        ShowCellEditor();
    if (key == VK_SPACE && mouseActions_->DisjunctCellSelect() && !Options().Contains(goEditing))
        PickDisjunctCell(Col(), Row(), shift.Contains(ssCtrl), true);
}
