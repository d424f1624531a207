// The road from a press on a title button to the sort request: the press,
// its tracking and release, the marker change, and the request made at
// once or, after Ctrl-clicks, when Ctrl is released or the focus leaves.
#include <cstdlib>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataService.h"
#include "datagrid/DBGridVynTitleTree.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

void TCustomDBGridVyn::SortMarkingChanged() {
    if (!optionsVyn_.Contains(dghAutoSortMarking)) return;
    if (OnSortMarkingChanged_)
        OnSortMarkingChanged_(this);
    else
        ApplySortingViaService();
}

void TCustomDBGridVyn::ApplySortingViaService() {
    if (TDBGridVynDataService* service = DBGridVynDataService()) service->ApplySorting(this);
}

int TCustomDBGridVyn::TitleButtonBandTop(int col) const {
    const TRect cell = CellRect(col, 0);
    const THeadTreeNode* leaf = useMultiTitle_ ? LeafNode(RawToDataColumn(col)) : nullptr;
    return leaf ? cell.bottom - leaf->NodeHeight : cell.top;
}

bool TCustomDBGridVyn::InTitleButtonArea(int col, int x, int y) const {
    const TRect client = ClientRect();
    const POINT point{x, y};
    if (!PtInRect(&client, point)) return false;
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.Y != 0 || cell.X != col) return false;
    return !(useMultiTitle_ && options_.Contains(dgTitles)) || y >= TitleButtonBandTop(col);
}

void TCustomDBGridVyn::TrackTitleButton(int x, int y) {
    const bool over = titlePressed_ && InTitleButtonArea(pressedTitleCol_, x, y);
    if (over == titlePressedOver_) return;
    titlePressedOver_ = over;
    InvalidateRow(0);
}

void TCustomDBGridVyn::CancelTitleButtonPress() {
    StopSelectTimer();
    mouseSelectingRows_ = selectingCells_ = mouseTracking_ = false;
    mouseGesture_ = 0;
    if (titlePressedOver_) InvalidateRow(0);
    titlePressed_ = titlePressedOver_ = false;
    if (MouseCapture()) SetMouseCapture(false);
    pressedTitleCol_ = -1;
}

void TCustomDBGridVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (GesturePress(button, shift, x, y)) return;
    const TGridCoord cell = MouseCoord(x, y);
    const bool inTitle = options_.Contains(dgTitles) && cell.Y == 0 && cell.X >= indicatorOffset_ &&
                         !ComponentState().Contains(csDesigning) &&
                         (!useMultiTitle_ || y >= TitleButtonBandTop(cell.X));
    if (inTitle && button == mbRight && options_.Contains(dgColumnResize)) {
        // A right press on a title moves the column as a left press does.
        button = mbLeft;
        rightButtonMovesColumn_ = true;
    }
    if (button == mbLeft && inTitle) {
        const int index = RawToDataColumn(cell.X);
        const bool inCollection = index >= 0 && index < columns_->Count();
        bool enabled = inCollection && columns_->Items(index)->Title()->TitleButton();
        CheckTitleButton(index, enabled);
        if (enabled && InTitleButtonArea(cell.X, x, y) && MouseCapture()) {
            titlePressed_ = true;
            pressedTitleCol_ = cell.X;
            titlePressPoint_ = TPoint{x, y};
            TrackTitleButton(x, y);
            return;
        }
    }
    if (TitleAreaPress(button, shift, x, y)) return;
    if (DataAreaPress(button, shift, x, y)) return;
    TCustomGrid::MouseDown(button, shift, x, y);
}

void TCustomDBGridVyn::MouseMove(TShiftState shift, int x, int y) {
    if (titlePressed_) {
        TrackTitleButton(x, y);
        if (std::abs(x - titlePressPoint_.x) > 3 && options_.Contains(dgColumnResize)) {
            // The drag becomes the base grid's column move from the press point.
            const TPoint press = titlePressPoint_;
            CancelTitleButtonPress();
            SetMouseCapture(true);
            Canvas()->Pen()->SetColor(clSilver);
            TCustomGrid::MouseDown(mbLeft, TShiftState{ssLeft}, press.x, press.y);
        }
    }
    if (GestureMove(shift, x, y)) return;
    TCustomGrid::MouseMove(shift, x, y);
}

void TCustomDBGridVyn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (GestureRelease(button, shift, x, y)) return;
    if (titlePressed_ && pressedTitleCol_ >= 0) {
        const int col = pressedTitleCol_;
        const bool click = InTitleButtonArea(col, x, y);
        CancelTitleButtonPress();
        const int index = RawToDataColumn(col);
        if (click && index >= 0 && index < columns_->Count()) {
            TColumnVyn* column = columns_->Items(index);
            TitleBtnClick(index, column);
            pendingSortMarking_ = shift.Contains(ssCtrl);
            if (optionsVyn_.Contains(dghAutoSortMarking)) column->Title()->ToggleSortMarker(pendingSortMarking_);
            if (!pendingSortMarking_) SortMarkingChanged();
        }
    }
    const bool endsSizing = GridState() == gsColSizing || GridState() == gsRowSizing;
    TCustomGrid::MouseUp(button, shift, x, y);
    if (button != mbLeft || endsSizing) return;
    TInplaceEdit* editor = InplaceEditor();
    if (editor && editor->Visible()) {
        const TRect bounds = editor->BoundsRect();
        const POINT point{x, y};
        if (PtInRect(&bounds, point)) return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    const int index = RawToDataColumn(cell.X);
    rowResized_ = false;
    if (cell.Y < 0 || index < 0 || index >= columns_->Count()) return;
    TColumnVyn* column = columns_->Items(index);
    if (cell.Y < TitleRowCount())
        TitleClick(column);
    else if (cell.Y >= topDataOffset_)
        CellClick(column);
    // A click on a check box or an image steps its value.
    if (cell.X == pressedCheckCell_.X && cell.Y == pressedCheckCell_.Y && !column->DblClickNextVal() &&
        !shift.Contains(ssDouble) && (column->ValueKind() == cvkCheckbox || column->ValueKind() == cvkImageList) &&
        column->CanEditValue(true))
        column->StepValue(shift.Contains(ssShift) ? -1 : 1);
}

void TCustomDBGridVyn::KeyUp(Word& key, TShiftState shift) {
    if (key == VK_CONTROL && pendingSortMarking_) {
        pendingSortMarking_ = false;
        SortMarkingChanged();
    }
    TCustomGrid::KeyUp(key, shift);
}

void TCustomDBGridVyn::WMKillFocusVyn(TMessage& Message) {
    const HWND gaining = static_cast<HWND>(Message.WParam);
    TInplaceEdit* editor = InplaceEditor();
    const bool toOwnEditor = editor && editor->HandleAllocated() && gaining == editor->Handle();
    if (pendingSortMarking_ && !toOwnEditor) {
        pendingSortMarking_ = false;
        SortMarkingChanged();
    }
    // Leaving the grid gives the input method and the keyboard back to the screen's defaults.
    if (SysLocale.FarEast) {
        SetImeName(Screen->DefaultIme());
        SetImeMode(imDontCare);
    }
    WMKillFocus(Message);
    if (SysLocale.FarEast && !toOwnEditor) ActivateKeyboardLayout(Screen->DefaultKbLayout(), KLF_ACTIVATE);
}
