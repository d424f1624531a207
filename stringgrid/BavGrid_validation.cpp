// Around an edit of a string grid cell: the checks when the current cell
// changes, validation of an edited value, the advance to the next cell, the
// typed character, Enter and Esc, and Tab navigation.
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/editors/bqgcheck.h"

bool TBavStringGrid::SelectCell(int col, int row) {
    if (selectCellBypass_) return true;
    bool allow = true;
    if (floatingFooter_->Visible()) {
        if (floatingFooter_->FooterStyle() == fsFixedLastRow && row == RowCount() - 1) return false;
        if (floatingFooter_->FooterStyle() != fsFixedLastRow) footerPanel_->Invalidate();
    }
    if (col < 0 || row < 0) return false;
    if (IsCoveredCell(col, row) && !Options().Contains(goRangeSelect)) {
        const TGridCoord base = GetBaseCell(col, row);
        MoveColRow(base.X, base.Y, true, true);
        RepaintCell(base.X, base.Y);
        if (mouseActions_->DirectEdit()) ShowEditor();
        return false;
    }
    const int oldCol = Col(), oldRow = Row();
    if (row != oldRow && onRowChanging_) onRowChanging_(this, oldRow, row, allow);
    if (col != oldCol && onColChanging_) onColChanging_(this, oldCol, col, allow);
    if ((row != oldRow || col != oldCol) && !cellChangingMuted_ && onCellChanging_)
        onCellChanging_(this, oldRow, oldCol, row, col, allow);
    if ((col == 0 && HasNodes() && !Options().Contains(goRowSelect)) || !allow) return false;
    const int realCol = RealColIndex(col);
    AnsiString text = GetDisplayText(realCol, row);
    const bool editorFocused = InplaceEditor() && InplaceEditor()->Focused();
    TGridOptions options = Options();
    if (HasCellControl(realCol, row)) {
        bool canEdit = true;
        CanEditCellHook(realCol, row, canEdit);
        editingSwitchedOff_ = false;
        if (!options.Contains(goEditing) && !options.Contains(goRowSelect) && canEdit) {
            optionsChangedByGrid_ = true;
            options.Include(goEditing);
            SetOptions(options);
        }
    } else {
        bool canEdit = options.Contains(goEditing) || editingSwitchedOff_;
        CanEditCellHook(realCol, row, canEdit);
        if (canEdit) {
            editingSwitchedOff_ = false;
            if (!options.Contains(goEditing)) {
                optionsChangedByGrid_ = true;
                if (!editPending_) SaveEditStart(col, row);
                options.Include(goEditing);
                SetOptions(options);
            }
        } else if (options.Contains(goEditing)) {
            editingSwitchedOff_ = true;
            optionsChangedByGrid_ = true;
            options.Exclude(goEditing);
            SetOptions(options);
        }
        if (editPending_ && editorActive_ && !IsInplaceEditorType(currentEditorType_)) {
            HideCellEditor();
            text = GetDisplayText(realCol, row);
        }
    }
    bool result = false;
    if (!editPending_ || editorFocused) {
        bool fixed = false;
        IsFixedCellHook(realCol, row, fixed);
        result = !fixed && TBaseGrid::SelectCell(col, row);
    } else {
        AnsiString current;
        GetCurrentCellText(current);
        result = ValidateCell(current) && TBaseGrid::SelectCell(col, row);
    }
    editStartText_ = text;
    return result;
}

bool TBavStringGrid::ValidateCell(const AnsiString& value) {
    if (!editPending_ || validating_) return true;
    editPending_ = false;
    validating_ = true;
    bool valid = true;
    const int col = RealColIndex(editCol_), row = editRow_;
    validatedText_ = value;
    // The remembered cell follows the current one whatever happens.
    struct Finish {
        TBavStringGrid* grid;
        ~Finish() {
            grid->SaveEditStart(grid->Col(), grid->Row());
            grid->validating_ = false;
        }
    } finish{this};
    if (value == editOriginalText_) return true;
    AnsiString v = value;
    {
        const bool advance = navigation_->AdvanceOnEnter();
        navigation_->SetAdvanceOnEnter(false);
        const struct RestoreAdvance {
            TNavigation* navigation;
            bool advance;
            ~RestoreAdvance() { navigation->SetAdvanceOnEnter(advance); }
        } restoreAdvance{navigation_.get(), advance};
        if (cellChecker_ && cellChecker_->AutoCorrect()) v = cellChecker_->Correct(col, row, v);
        if (onCellValidate_) onCellValidate_(this, col, row, v, valid);
        if (showModified_->Enabled() && TBaseGrid::FixedCols() > 0 && v != editOriginalText_) {
            SetRowModified(Row(), true);
            RepaintCell(0, Row());
        }
        if (valid) CellChanged(col);
        if (cellChecker_ && cellChecker_->AutoMarkError()) v = cellChecker_->MarkError(col, row, v);
        if (valid && UndoRedo()) UndoRedo()->AddChange(col, row, editOriginalText_, v);
        if (valid) CellsChanged(TRect(col, row, col, row));
    }
    validatedText_ = v;
    if (valid) {
        SetCellText(col, row, v);
        if (IsCoveredCell(col, row)) {
            const TGridCoord base = GetBaseCell(col, row);
            SetCellText(base.X, base.Y, v);
        }
    } else {
        editAccepted_ = false;
        HideEditor();
        SetCellText(col, row, v != value ? v : editOriginalText_);
        MoveColRow(editCol_, editRow_, true, true);
        validating_ = false;
        editPending_ = true;
        ShowCellEditor();
        if (editCol_ != Col()) InvalidateEditor();
    }
    editOriginalText_ = GetRawCellText(col, row);
    return valid;
}

void TBavStringGrid::AppendRow() {
    if (floatingFooter_->Visible()) {
        InsertRows(RowCount() - 1, 1);
        if (floatingFooter_->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
    } else {
        InsertRows(RowCount(), 1);
        ClearRows(RowCount() - 1, 1);
    }
}

void TBavStringGrid::AdvanceEdit(int col, int row, bool showEditor, bool repeated, bool forward, bool showAlways,
                                 bool forced) {
    if (!navigation_->AdvanceOnEnter() && !forced) return;
    if (mouseActions_->RangeSelectAndEdit() && !Options().Contains(goEditing)) {
        TGridOptions options = Options();
        options.Include(goEditing);
        SetOptions(options);
    }
    if (!repeated) {
        advanceOriginCol_ = col;
        advanceOriginRow_ = row;
        advanceSteps_ = 0;
    }
    const TGridCoord start{col, row};
    typedChar_ = 0;
    const int spanX = std::max(0, GetCellSpan(col, row).X);
    const int fixedRows = TBaseGrid::FixedRows(), fixedCols = TBaseGrid::FixedCols();
    const int lastDataRow = RowCount() - fixedFooters_ - 1;
    const TAdvanceDirection direction = navigation_->AdvanceDirection();
    if (forward && direction == adLeftRight) {
        if (col + spanX < ColCount() - VisibleFixedRightCols() - 1) {
            col += spanX + 1;
        } else if (row + 1 != RowCount() - fixedFooters_) {
            ++row;
            col = FirstNavigableCol();
        } else if (navigation_->AdvanceInsert()) {
            bool canAdd = true;
            DoCanAddRow(canAdd);
            col = FirstNavigableCol();
            if (canAdd) {
                AppendRow();
                ++row;
                if (onAutoAddRow_) onAutoAddRow_(this, RowCount() - fixedFooters_ - 1);
                bool anyEditable = false;
                for (int c = fixedCols; c < ColCount() && !anyEditable; ++c) anyEditable = IsEditableCell(c, row);
                if (!anyEditable) return;
            }
        } else {
            row = fixedRows;
            col = FirstNavigableCol();
        }
    } else if (forward) {
        if (row == lastDataRow) {
            if (col + 1 != ColCount() - fixedRightCols_) {
                row = fixedRows;
                ++col;
                if (col >= ColCount()) col = FirstNavigableCol();
            } else if (navigation_->AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                col += spanX + 1;
                row = fixedRows;
                if (onAutoInsertCol_) onAutoInsertCol_(this, ColCount() - fixedRightCols_ - 1);
            } else {
                row = fixedRows;
                col = FirstNavigableCol();
            }
            Invalidate();
        } else {
            ++row;
        }
    } else if (direction == adLeftRight) {
        if (col > FirstNavigableCol()) {
            --col;
        } else {
            row = row > fixedRows ? row - 1 : lastDataRow;
            col = ColCount() - fixedRightCols_ - 1;
        }
    } else if (row > fixedRows) {
        --row;
    } else {
        col = col > FirstNavigableCol() ? col - 1 : ColCount() - fixedRightCols_ - 1;
        row = lastDataRow;
    }
    bool canEdit = true;
    CanEditCellHook(RealColIndex(col), row, canEdit);
    if (!canEdit) {
        // One pass over the grid at most: with no editable cell the walk stops.
        if (++advanceSteps_ <= ColCount() * RowCount())
            AdvanceEdit(col, row, showEditor, true, forward, showAlways, forced);
        return;
    }
    bool allow = true;
    int newRow = row, newCol = col;
    if (onAutoAdvance_) onAutoAdvance_(this, advanceOriginRow_, advanceOriginCol_, newRow, newCol, allow);
    {
        const ValueRestorer muted(cellChangingMuted_, true);
        if (allow) {
            if (onCellChanging_) onCellChanging_(this, advanceOriginRow_, advanceOriginCol_, newRow, newCol, allow);
            if (allow) {
                SetCol(newCol);
                SetRowEx(newRow);
            } else {
                SelectCell(start.X, start.Y);
            }
        } else {
            SelectCell(start.X, start.Y);
        }
    }
    if (showEditor && IsEditableCell(Col(), Row()) && (showAlways || HasCellControl(RealColIndex(Col()), Row())))
        ShowEditor();
}

void TBavStringGrid::KeyPress(char& key) {
    auto fireKeyPress = [this, &key] {
        if (OnKeyPress()) OnKeyPress()(this, key);
    };
    if (key == 27) {
        if (Options().Contains(goEditing) && editPending_) RestoreCellText();
        fireKeyPress();
        return;
    }
    if (key == '\r' && !navigation_->AdvanceOnEnter() && !IsEditableCell(Col(), Row())) {
        fireKeyPress();
        key = 0;
        return;
    }
    if (key == '\r' && (!Focused() || HasCellControl(RealColIndex(Col()), Row()))) {
        const int startCol = RealColIndex(Col());
        const bool fromEditor = !Focused();
        AdvanceEdit(Col(), Row(), editorActive_, false, true, false, false);
        if (HasCellControl(startCol, Row())) {
            fireKeyPress();
            return;
        }
        // The editor that sent Enter closes itself once the grid is done.
        if (fromEditor) return;
    }
    if (!Options().Contains(goEditing) && navigation_->AutoGotoWhenSorted()) IncrementalGoto(key);
    TBaseGrid::KeyPress(key);
}

bool TBavStringGrid::WMChar(TMessage& message) {
    char ch = char(message.WParam);
    if (navigation_->AllowClipboardShortCuts() && GetKeyState(VK_CONTROL) < 0 && (ch == 3 || ch == 22 || ch == 24))
        return true;
    // Typing into a range-selecting grid that does not edit yet switches
    // editing on and opens the cell's editor as a click into it would.
    if (mouseActions_->RangeSelectAndEdit() && !HasCellControl(RealColIndex(Col()), Row()) &&
        IsEditableCell(Col(), Row()) && ch != '\t' && ch != 27) {
        char offered = ch;
        if (OnKeyPress()) OnKeyPress()(this, offered);
        typedChar_ = ch;
        TGridOptions options = Options();
        options.Include(goEditing);
        SetOptions(options);
        ScrollCellIntoView(Col(), Row());
        const TRect cell = MergedCellRect(Col(), Row());
        MouseDown(mbLeft, TShiftState(), cell.left + 2, cell.top + 2);
        return false;
    }
    if (excelStyleDecimalSeparator_ && ch == '.' && (message.LParam & (1 << 22))) ch = DecimalSeparator;
    const bool control = HasCellControl(RealColIndex(Col()), Row());
    if (control && !(ch == '\r' && navigation_->AdvanceOnEnter())) ch = 0;
    if (Options().Contains(goEditing) && (ch == '\b' || static_cast<unsigned char>(ch) > 31)) {
        if (OnKeyPress()) OnKeyPress()(this, ch);
        typedChar_ = ch;
        if (control) return true;
        if (ch) ShowEditorChar(ch);
        return true;
    }
    message.WParam = WPARAM(static_cast<unsigned char>(ch));
    return false;
}

// ---- Tab navigation ----------------------------------------------------------------------------

bool TBavStringGrid::CanTabToCell(int col, int row) {
    if (Options().Contains(goEditing)) return IsEditableCell(col, row);
    bool fixed = false;
    IsFixedCellHook(RealColIndex(col), row, fixed);
    return !fixed;
}

int TBavStringGrid::FirstTabCol(int row) {
    for (int col = 0; col < ColCount(); ++col)
        if (CanTabToCell(col, row)) return col;
    return -1;
}

int TBavStringGrid::LastTabCol(int row) {
    for (int col = ColCount() - 1; col >= 0; --col)
        if (CanTabToCell(col, row)) return col;
    return -1;
}

void TBavStringGrid::TabOut() {
    if (Parent() && Parent()->HandleAllocated() && navigation_->TabToNextAtEnd())
        PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
}

void TBavStringGrid::TabNavigate(bool backward) {
    if (OnKeyDown()) {
        Word key = VK_TAB;
        TShiftState shift;
        if (backward) shift.Include(ssShift);
        OnKeyDown()(this, key, shift);
        if (key != VK_TAB) return;
    }
    const int limit = ColCount() - VisibleFixedRightCols();
    const int fixedRows = TBaseGrid::FixedRows();
    const int lastDataRow = RowCount() - fixedFooters_ - 1;
    // Each step lands on one cell; a grid with no cell to stop on is walked
    // once and then left where the walk ended.
    for (int pass = 0; pass <= ColCount() * RowCount(); ++pass) {
        bool tabbedOut = false;
        if (!backward && navigation_->TabAdvanceDirection() == adTopBottom) {
            const int spanY = std::max(0, GetCellSpan(Col(), Row()).Y);
            if (Row() + spanY + 1 < RowCount() - fixedFooters_) {
                SetRowEx(Row() + spanY + 1);
            } else {
                SetRowEx(fixedRows);
                if (Col() < limit - 1) {
                    SetCol(Col() + 1);
                } else {
                    SetCol(FirstNavigableCol());
                    tabbedOut = true;
                }
            }
        } else if (!backward) {
            const int spanX = std::max(0, GetCellSpan(Col(), Row()).X);
            if (Col() + spanX + 1 < limit) {
                int next = -1;
                for (int c = Col() + spanX + 1; c < limit && next < 0; ++c)
                    if (CanTabToCell(c, Row())) next = c;
                if (next >= 0) {
                    SetCol(next);
                } else if (Row() < lastDataRow) {
                    const ValueRestorer bypass(selectCellBypass_, true);
                    const int first = FirstTabCol(Row() + 1);
                    SetCol(first >= 0 ? first : TBaseGrid::FixedCols());
                    SetRowEx(Row() + 1);
                } else {
                    const ValueRestorer bypass(selectCellBypass_, true);
                    const int first = FirstTabCol(fixedRows);
                    MoveColRow(first >= 0 ? first : TBaseGrid::FixedCols(), fixedRows, true, true);
                    tabbedOut = true;
                }
            } else {
                SetCol(FirstNavigableCol());
                if (Row() < lastDataRow) {
                    SetRowEx(Row() + 1);
                } else {
                    MoveColRow(TBaseGrid::FixedCols(), fixedRows, true, true);
                    tabbedOut = true;
                }
            }
        } else if (navigation_->TabAdvanceDirection() == adTopBottom) {
            if (Row() > fixedRows) {
                SetRowEx(Row() - 1);
            } else {
                SetRowEx(lastDataRow);
                SetCol(Col() > FirstNavigableCol() ? Col() - 1 : limit - 1);
            }
        } else if (Col() > FirstNavigableCol()) {
            int previous = -1;
            for (int c = Col() - 1; c >= TBaseGrid::FixedCols() && previous < 0; --c)
                if (CanTabToCell(c, Row()) && !IsCoveredCell(c, Row())) previous = c;
            if (previous >= 0) {
                SetCol(previous);
            } else {
                const int row = Row() > fixedRows ? Row() - 1 : lastDataRow;
                const int last = LastTabCol(row);
                const TGridCoord base = GetBaseCell(last >= 0 ? last : limit - 1, row);
                MoveColRow(base.X, base.Y, true, true);
            }
        } else {
            int last = limit - 1;
            while (last > TBaseGrid::FixedCols() && !CanTabToCell(last, Row())) --last;
            SetCol(last);
            SetRowEx(Row() > fixedRows ? Row() - 1 : lastDataRow);
        }
        if (tabbedOut) TabOut();
        if (tabbedOut || !Options().Contains(goEditing) || IsEditableCell(Col(), Row())) break;
    }
    if (navigation_->AlwaysEdit() && CanFocus()) SetFocus();
}
