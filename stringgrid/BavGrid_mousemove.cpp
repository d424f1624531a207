// The mouse moving over the string grid: the cursor it shows, what a move
// does in order (range and header drags, fixed sizing, the OLE drag start,
// enhanced moves, links, hints withdrawn from cells left behind, the size
// hint), and the mouse leaving the grid.
#include "platform/ui/forms.h"
#include "platform/win/commctrl.h"
#include "stringgrid/BavGrid.h"

void TBavStringGrid::WMSetCursor(TMessage& message) {
    if (CursorKindCursor())
        message.Result = 1;
    else
        TBaseGrid::WndProc(message);
    if (FixedSizingCursor()) message.Result = 1;
}

void TBavStringGrid::CMMouseLeave(TMessage& message) {
    TBaseGrid::WndProc(message);
    DisarmFixedSizing();
    TrackHotFixedCell({-1, -1});
}

void TBavStringGrid::MouseMove(TShiftState shift, int x, int y) {
    ButtonDownMoveStart();
    const TGridRect before = Selection();
    MoveFixedSizing(x, y);
    if (OleDragMove(x, y)) return;
    AskMoveAllowed();
    EnhancedMoveStep(x, y);
    HeaderSelectDrag(x, y);
    UpdateCursorKind(x, y);
    ShowLinkCursor(HoverLink(x, y));
    const TGridCoord cell = MouseCoord(x, y);
    TrackHotFixedCell(cell);
    if (hintCell_.X != -1 && (cell.X != hintCell_.X || cell.Y != hintCell_.Y)) {
        Application->CancelHint();
        hintCell_ = {-1, -1};
    }
    if (balloon_->Enable() && tooltip_ && balloonCell_.X != -1 &&
        (cell.X != balloonCell_.X || cell.Y != balloonCell_.Y)) {
        SendMessage(tooltip_, TTM_POP, 0, 0);
        balloonCell_ = {-1, -1};
    }
    ReframeSelection(false);
    TBaseGrid::MouseMove(shift, x, y);
    KeepPressScroll();
    ShowSizeHint(x, y);
    SelectionChangedSince(before);
}
