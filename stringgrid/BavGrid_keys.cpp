// The string grid's keyboard: the key map over the platform's navigation
// (F2, Enter and Space on cell controls, Home and End, nodes, Tab, fixed
// cells, appending rows, the clipboard keys, Insert, Delete, Ctrl+A and the
// disjunct selections) and the key release.
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/rtl/valuerestorer.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

namespace {

bool Held(int vk) { return GetKeyState(vk) < 0; }

bool IsArrow(Word key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

}  // namespace

void TBavStringGrid::KeyDown(Word& key, TShiftState shift) {
    const bool ctrl = Held(VK_CONTROL), shiftHeld = Held(VK_SHIFT), alt = Held(VK_MENU);
    auto fireKeyDown = [&] {
        if (OnKeyDown()) OnKeyDown()(this, key, shift);
    };
    // Handled: the grid acted; OnKeyDown hears of it and nothing else runs.
    auto handled = [&] {
        fireKeyDown();
        key = 0;
    };
    const TGridRect before = Selection();
    const int leftCol = LeftCol();
    const int realCol = RealColIndex(Col());
    const bool keepLeft = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                          Options().Contains(goRowSelect) && navigation_->KeepHorizScroll();
    if (key == VK_F2) {
        if (mouseActions_->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
            if (!IsEditableCell(Col(), Row())) return handled();
            TGridOptions options = Options();
            options.Include(goEditing);
            SetOptions(options);
            ShowCellEditor();
        } else if (Options().Contains(goEditing) && !IsEditableCell(realCol, Row())) {
            return handled();
        }
        const AnsiString text = GetDisplayText(realCol, Row());
        if (GetCellTextKind(text, true) == ctkHTML && AnsiUpperCase(text).find("<CONTROL") != AnsiString::npos) {
            key = 0;
            SaveEditStart(Col(), Row());
            FocusNextHTMLControl(Col(), Row(), "");
            return;
        }
    }
    if (key == VK_RETURN && !IsEditableCell(Col(), Row()) && !HasCellControl(realCol, Row())) return handled();
    if ((key == VK_RETURN || key == VK_SPACE) && HasCellControl(realCol, Row())) ControlCellKey(key);
    if ((key == VK_HOME || key == VK_END) && !(fixedRowAlways_ && RowCount() == 1) && HomeEndKey(key, shiftHeld))
        return handled();
    if ((key == VK_RIGHT || key == VK_LEFT) && IsNodeRow(Row()) && IsMergedCell(Col(), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    if (key == VK_TAB && Options().Contains(goTabs)) {
        TabNavigate(shiftHeld);
        key = 0;
        return;
    }
    if (navigation_->SkipFixedCells() && IsArrow(key) && JumpOverFixedCells(key)) return handled();
    if (key == VK_DOWN && navigation_->AppendOnArrowDown()) AppendOnArrowDown();
    {
        std::optional<TGridUpdateLock> lock;
        if (keepLeft) lock.emplace(this);
        TBaseGrid::KeyDown(key, shift);
        if (keepLeft) SetLeftCol(leftCol);
    }
    if (key == 0) return;
    if (navigation_->AllowClipboardShortCuts() && ClipboardKey(key, ctrl, shiftHeld)) return;
    if (InsertDeleteKey(key, ctrl, shiftHeld, alt)) return;
    DisjunctSelectionKey(key, ctrl, shiftHeld);
    if (key == VK_F2) SaveEditStart(Col(), Row());
    SelectionChangedSince(before);
}

bool TBavStringGrid::ControlCellKey(Word key) {
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
    return true;
}

bool TBavStringGrid::HomeEndKey(Word key, bool shift) {
    const int fixedRows = TBaseGrid::FixedRows();
    const int startRow = Row();
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
        const int left = LeftCol();
        if (key == VK_HOME) {
            SetRowEx(fixedRows);
            MoveToBaseCell();
            selectRows(startRow, fixedRows);
        } else {
            const bool footer = floatingFooter_->Visible();
            SetRowEx(footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - fixedFooters_ - 1);
            if (fixedFooters_ > 0 && !footer) SetTopRow(std::max(fixedRows, RowCount() - VisibleRowCount()));
            MoveToBaseCell();
            selectRows(startRow, Row());
            if (footer) SetTopRow(std::max(fixedRows, RowCount() - VisibleRowCount()));
        }
        if (Options().Contains(goRowSelect) && navigation_->KeepHorizScroll()) SetLeftCol(left);
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
    auto fixedAt = [this](int col, int row) {
        bool fixed = false;
        IsFixedCellHook(RealColIndex(col), row, fixed);
        return fixed;
    };
    const bool rtl = UseRightToLeftAlignment();
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const int col = Col(), row = Row();
    if ((key == VK_LEFT && !rtl) || (key == VK_RIGHT && rtl)) {
        if (col <= fixedCols || !fixedAt(col - 1, row)) return false;
        int c = col - 1;
        while (c >= fixedCols && fixedAt(c, row)) --c;
        if (c >= fixedCols) SetCol(c);
        return true;
    }
    if (key == VK_LEFT || key == VK_RIGHT) {
        const int limit = ColCount() - fixedRightCols_;
        if (col + 1 >= limit || !fixedAt(col + 1, row)) return false;
        int c = col + 1;
        while (c < limit && fixedAt(c, row)) ++c;
        if (c < limit) SetCol(c);
        return true;
    }
    if (key == VK_UP) {
        if (row <= fixedRows || !fixedAt(col, row - 1)) return false;
        int r = row - 1;
        while (r >= fixedRows && fixedAt(col, r)) --r;
        if (r >= fixedRows) SetRowEx(r);
        return true;
    }
    const int limit = RowCount() - fixedFooters_;
    if (row >= limit || row + 1 >= RowCount() || !fixedAt(col, row + 1)) return false;
    int r = row + 1;
    while (r < limit && fixedAt(col, r)) ++r;
    if (r < limit) SetRowEx(r);
    return true;
}

void TBavStringGrid::AppendOnArrowDown() {
    const bool footer = floatingFooter_->Visible();
    const bool lastDataRow = footer ? Row() + 2 == RowCount() : Row() + 1 == RowCount() - fixedFooters_;
    if (!lastDataRow) return;
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!canAdd) return;
    if (footer) {
        // The footer stays the last row: its texts move down with it.
        std::vector<AnsiString> saved;
        for (int c = 0; c < ColCount(); ++c) saved.push_back(Cells(c, RowCount() - 1));
        AddRow();
        for (int c = 0; c < ColCount(); ++c) {
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

bool TBavStringGrid::InsertDeleteKey(Word key, bool ctrl, bool shift, bool alt) {
    if (key == VK_INSERT && !ctrl && !shift && !alt && navigation_->AllowInsertRow()) {
        bool allow = true;
        DoCanInsertRow(Row(), allow);
        if (!allow) return true;
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
        return true;
    }
    if (ctrl && key == 'A' && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) {
        const TGridRect all(FirstNavigableCol(), TBaseGrid::FixedRows(), ColCount() - fixedRightCols_ - 1,
                            RowCount() - fixedFooters_ - 1);
        if (mouseActions_->DisjunctRowSelect())
            for (int r = all.Top; r <= all.Bottom; ++r) SetRowSelect(r, true);
        else
            SelectionHook(all);
        SetSelectionRect(all);
        return true;
    }
    if (key == VK_DELETE && !alt && navigation_->AllowDeleteRow() &&
        RowCount() - TBaseGrid::FixedRows() - fixedFooters_ > 0) {
        bool canDelete = true;
        if (onCanDeleteRow_) onCanDeleteRow_(this, Row(), canDelete);
        if (!canDelete) return true;
        AutoDeleteRow(Row());
        if (floatingFooter_->Visible() && Row() == RowCount() - 1) SetRowEx(RowCount() - 2);
        SaveEditStart(Col(), Row());
        RecalcFooter(-1);
    }
    return false;
}

void TBavStringGrid::DisjunctSelectionKey(Word key, bool ctrl, bool shift) {
    const bool moves = key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME || IsArrow(key);
    const int selectionRow = mouseActions_->DisjunctRowSelect() && mouseActions_->RowSelectPersistent()
                                 ? RealRowIndex(Row())
                                 : Row();
    if (moves && mouseActions_->DisjunctRowSelect()) {
        if (!shift && !ctrl) ClearRowSelect();
        if (shift)
            SelectionToRowSelect(false);
        else
            SetRowSelect(selectionRow, true);
    }
    if (moves && mouseActions_->DisjunctColSelect()) {
        if (!shift && !ctrl) ClearColSelect();
        if (shift)
            SelectionToColSelect(false);
        else
            SetColSelect(Col(), true);
    }
    if (key == VK_SPACE && mouseActions_->DisjunctRowSelect())
        SetRowSelect(selectionRow, !GetRowSelect(selectionRow));
    if (key == VK_SPACE && mouseActions_->DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
}

void TBavStringGrid::KeyUp(Word& key, TShiftState shift) {
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || IsArrow(key) || key == VK_INSERT || key == VK_DELETE)
        gotoText_.clear();
    TBaseGrid::KeyUp(key, shift);
    if (key == VK_SPACE && mouseActions_->DisjunctCellSelect() && !Options().Contains(goEditing))
        PickDisjunctCell(Col(), Row(), shift.Contains(ssCtrl), true);
    if (navigation_->AlwaysEdit() && (IsArrow(key) || (key == VK_TAB && Options().Contains(goTabs))))
        ShowCellEditor();
}
