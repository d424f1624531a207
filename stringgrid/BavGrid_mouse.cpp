// The string grid's mouse buttons: what a left press does before and after
// the platform's own press (cell events, node glyphs, buttons and check
// boxes in cells, direct editing), the release of a pressed cell button,
// the double click and the right button.
#include <algorithm>
#include <utility>

#include "platform/rtl/valuerestorer.h"
#include "platform/ui/graphics.h"
#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavGridGraphic.h"
#include "stringgrid/BavUtil.h"

namespace {

bool Held(int vk) { return GetKeyState(vk) < 0; }

TShiftState HeldShift() {
    TShiftState shift;
    if (Held(VK_SHIFT)) shift.Include(ssShift);
    if (Held(VK_CONTROL)) shift.Include(ssCtrl);
    if (Held(VK_MENU)) shift.Include(ssAlt);
    return shift;
}

}  // namespace

void TBavStringGrid::WMLButtonDown(TMessage& message) {
    if (LeftButtonDown(message)) {
        message.Result = 0;
        return;
    }
    OrdinaryPress(message);
    AfterLeftButtonDown(short(LOWORD(message.LParam)), short(HIWORD(message.LParam)));
}

void TBavStringGrid::WMLButtonUp(TMessage& message) {
    if (LeftButtonUp(message)) {
        message.Result = 0;
        return;
    }
    TBaseGrid::WndProc(message);
    EndGripResize();
    HeaderReleaseSort(short(LOWORD(message.LParam)), short(HIWORD(message.LParam)),
                      (message.WParam & MK_SHIFT) ? TShiftState{ssShift} : TShiftState{},
                      std::exchange(movedOrSized_, false));
}

void TBavStringGrid::WMLButtonDblClk(TMessage& message) {
    const int x = short(LOWORD(message.LParam)), y = short(HIWORD(message.LParam));
    if (HeaderEdgeDoubleClick(x, y)) return;
    TBaseGrid::WndProc(message);
    DoubleClick(x, y);
}

void TBavStringGrid::FireClickCell(int row, int col) {
    if (onClickCell_) onClickCell_(this, row, col);
}

// A press more than 3 pixels inside the cell's left and right edges, or any
// press when columns do not size.
bool TBavStringGrid::InsideSizingEdges(int col, int row, int x) {
    const TRect r = MergedCellRect(col, row);
    return (x > r.left + 3 && x < r.right - 3) || !Options().Contains(goColSizing);
}

bool TBavStringGrid::LeftButtonDown(TMessage& message) {
    leftButtonDown_ = true;
    if (GripPress(message)) return true;
    const int x = short(LOWORD(message.LParam)), y = short(HIWORD(message.LParam));
    const TGridCoord pressed = MouseCoord(x, y);
    if (pressed.X >= 0 && pressed.Y >= 0 && onCanClickCell_) {
        bool allow = true;
        onCanClickCell_(this, pressed.Y, pressed.X, allow);
        if (!allow) return true;
    }
    pressedButton_ = {-1, -1};
    dragArmed_ = rangeSelectPending_ = false;
    mouseDownPoint_ = TPoint(x, y);
    pressLeftCol_ = LeftCol();
    movedOrSized_ = false;
    if (pressed.X < 0 || pressed.Y < 0) {
        HideCellEditor();
        return fixedRowAlways_;
    }
    if (StartFixedSizing(x, y)) return true;
    const TGridCoord cell = GetBaseCell(pressed.X, pressed.Y);
    const int col = cell.X, row = cell.Y;
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const bool header = row < fixedRows || (col < fixedCols && row >= fixedRows);
    bool hookFixed = false;
    IsFixedCellHook(RealColIndex(col), row, hookFixed);
    hookFixed = hookFixed && !header;
    if (header || hookFixed) {
        HideCellEditor();
        PressFixedCell(col, row);
    }
    const int realCol = RealColIndex(col);
    caretPositionPending_ = mouseActions_->CaretPositioning();
    if (NodeGlyphPress(col, row, x)) return true;
    int radioIndex = 0;
    if (IsRadioCell(realCol, row, radioIndex) && (IsEditableCell(col, row) || controlLook_->RadioAlwaysActive())) {
        HideCellEditor();
        const TRect r = MergedCellRect(col, row);
        RadioClick(realCol, row, y - r.top, x - r.left);
        return true;
    }
    if (col == 0 && row >= fixedRows && HasNodes() && !mouseActions_->RowSelect()) return true;
    if (ArmOleDrag(col, row, x)) return true;
    if (IsButtonCell(realCol, row)) {
        HideCellEditor();
        SelectCell(col, row);
        const TRect button = GetCellGraphicRect(col, row);
        if (PtInRect(&button, POINT{x, y})) {
            SetGraphicBoolean(realCol, row, true);
            pressedButton_ = {realCol, row};
            SetCapture(Handle());
            FireClickCell(row, col);
            return true;
        }
    }
    DisjunctSelectPress(col, row);
    if (row >= fixedRows && col >= fixedCols && HTMLCellPress(col, row, POINT{x, y})) return true;
    HeaderSelectPress(col, row, Held(VK_SHIFT));
    bool editable = Options().Contains(goEditing) || mouseActions_->RangeSelectAndEdit();
    CanEditCellHook(realCol, row, editable);
    if ((editable || controlLook_->CheckAlwaysActive()) && IsCheckBoxHit(col, row, x, y)) {
        HideCellEditor();
        if (CanFocus()) SetFocus();
        ToggleCheckBox(realCol, row, true);
        if (showModified_->Enabled()) {
            SetRowModified(row, true);
            RepaintCell(0, row);
        }
        bool state = false;
        GetCheckBoxState(realCol, row, state);
        if (!navigation_->AlwaysEdit() && row >= fixedRows && col >= fixedCols) MoveColRow(col, row, true, true);
        if (onCheckBoxClick_) onCheckBoxClick_(this, realCol, row, state);
        if (row < fixedRows && mouseActions_->CheckAllCheck()) {
            if (state)
                CheckAll(realCol);
            else
                UnCheckAll(realCol);
        }
        if (OnMouseDown()) OnMouseDown()(this, mbLeft, HeldShift(), x, y);
        Click();
        return true;
    }
    const bool dataCell = row >= fixedRows && col >= fixedCols;
    if (dataCell && mouseActions_->DirectEdit() && IsEditableCell(col, row)) {
        HideEditor();
        if (CanFocus()) SetFocus();
    }
    RangeSelectPress(col, row, x, y, header || hookFixed);
    if (hookFixed) {
        FireClickCell(row, col);
        return true;
    }
    return false;
}

void TBavStringGrid::AfterLeftButtonDown(int x, int y) {
    const TGridCoord pressed = MouseCoord(x, y);
    if (pressed.X < 0 || pressed.Y < 0) return;
    const TGridCoord cell = GetBaseCell(pressed.X, pressed.Y);
    const bool inside = InsideSizingEdges(cell.X, cell.Y, x);
    if (inside) FireClickCell(cell.Y, cell.X);
    if (onCellValidate_) SaveEditStart(Col(), Row());
    if (!InsideCellEdges(cell.X, cell.Y, x)) return;
    const bool dataCell = cell.Y >= TBaseGrid::FixedRows() && cell.X >= TBaseGrid::FixedCols();
    if (dataCell && mouseActions_->DirectEdit() && IsEditableCell(cell.X, cell.Y) &&
        !HasCellControl(RealColIndex(cell.X), cell.Y)) {
        if (Col() != cell.X || Row() != cell.Y) MoveColRow(cell.X, cell.Y, true, true);
        SaveEditStart(Col(), Row());
        ShowEditor();
    }
    if (std::exchange(rangeSelectPending_, false)) SetGridState(gsSelecting);
}

bool TBavStringGrid::LeftButtonUp(TMessage& message) {
    const int x = short(LOWORD(message.LParam)), y = short(HIWORD(message.LParam));
    cursorKind_ = TCursorKind::None;
    leftButtonDown_ = plainDrag_ = false;
    ReleaseHTMLButton();
    selectAnchor_ = -1;
    HideMoveArrows();
    HideSizeHint();
    if (EndFixedSizing(x, y)) return true;
    ReleaseFixedCell();
    if (ArmedDragRelease(x, y)) return true;
    DisjunctSelectRelease(x, y);
    if (EndEnhancedMove()) movedOrSized_ = true;
    if (pressedButton_.X < 0) return false;
    const TGridCoord released = MouseCoord(x, y);
    const TGridCoord button = pressedButton_;
    pressedButton_ = {-1, -1};
    if (GetCapture() == Handle()) ReleaseCapture();
    SetGraphicBoolean(button.X, button.Y, false);
    if (released.X >= 0 && released.Y >= 0) {
        bool allowed = Options().Contains(goEditing);
        if (!controlLook_->NoDisabledButtonLook()) CanEditCellHook(RealColIndex(released.X), released.Y, allowed);
        if ((allowed || controlLook_->NoDisabledButtonLook()) && onButtonClick_) onButtonClick_(this, button.X, button.Y);
    }
    return true;
}

void TBavStringGrid::DoubleClick(int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0) return;
    if (onDblClickCell_) onDblClickCell_(this, cell.Y, cell.X);
    if (mouseActions_->RangeSelectAndEdit() && IsEditableCell(cell.X, cell.Y)) {
        SwitchEditing(true);
        const TRect base = MergedCellRect(cell.X, cell.Y);
        MouseDown(mbLeft, TShiftState(), base.left + 4, base.top + 4);
        // The platform's press closes the editor even on the current cell,
        // so the press that was to edit the cell opens it here.
        if (!EditorMode() && GetBaseCell(cell.X, cell.Y) == TGridCoord{Col(), Row()}) ShowCellEditor();
    }
    if (FixedCellEdits(fceDblClick, cell.X, cell.Y)) EditFixedCell(cell.X, cell.Y);
}

void TBavStringGrid::RightButtonDown(int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0 || cell.Y < 0) return;
    bool fixed = false;
    IsFixedCellHook(RealColIndex(cell.X), cell.Y, fixed);
    if (mouseActions_->SelectOnRightClick() && !fixed && !IsCellSelected(cell.X, cell.Y)) {
        const TGridCoord base = GetBaseCell(cell.X, cell.Y);
        MoveColRow(base.X, base.Y, true, true);
    }
    if (onRightClickCell_) onRightClickCell_(this, cell.Y, cell.X);
    // A left click on a link opens it, so the right button edits it.
    if (urlShow_ && urlEdit_ && IsURLText(GetDisplayText(cell.X, cell.Y))) {
        if (Col() != cell.X || Row() != cell.Y) MoveColRow(cell.X, cell.Y, true, true);
        ShowCellEditor();
    }
}

void TBavStringGrid::RadioClick(int col, int row, int dy, int dx) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    auto* items = graphic ? dynamic_cast<TStrings*>(graphic->CellContent()) : nullptr;
    if (!items) return;
    const TGridCoord base = GetBaseCell(col, row);
    const int displayCol = DisplayColIndex(base.X);
    bool fixed = false;
    IsFixedCellHook(base.X, base.Y, fixed);
    if (!fixed) MoveColRow(displayCol, base.Y, true, true);
    // Items measure as they are painted: with the cell's font.
    TBitmap measure;
    TCanvas* canvas = measure.Canvas();
    TColor colorTo = clNone;
    TCellGradientDirection direction{};
    canvas->Font()->Assign(Font());
    GetCellColor(displayCol, base.Y, TGridDrawState(), canvas->Brush(), canvas->Font(), colorTo, direction, false,
                 false, true);
    const int size = controlLook_->ControlStyle() > csFlat ? 16 : controlLook_->RadioSize();
    const bool sideBySide = graphic->CellBoolean();
    const int offset = sideBySide ? dx : dy;
    int start = 0;
    for (int i = 0; i < items->Count(); ++i) {
        const int extent = sideBySide ? canvas->TextWidth(items->Strings(i)) + size
                                      : std::max(size, canvas->TextHeight("gh"));
        if (offset > start && offset < start + extent) {
            if (graphic->CellIndex() == -1)
                SetCellText(base.X, base.Y, items->Strings(i));
            else
                graphic->SetCellIndex(i);
            SetCellText(base.X, base.Y, GetDisplayText(base.X, base.Y));
            RepaintCell(displayCol, base.Y);
            if (onRadioClick_) onRadioClick_(this, displayCol, base.Y, i);
            return;
        }
        start += extent;
    }
}
