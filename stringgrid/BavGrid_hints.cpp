// The grid's cell hints: what the platform's hint shows for the cell under
// the mouse, and where.
#include "platform/rtl/codepage.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"

void TBavStringGrid::GetCellHint(THintInfo& info) {
    const TGridCoord cell = MouseCoord(info.CursorPos.x, info.CursorPos.y);
    if (cell.X < 0 || cell.Y < 0) {
        info.HintColor = hintColor_;
        return;
    }
    hintCell_ = cell;
    const TRect rect = MergedCellRect(cell.X, cell.Y);
    const int realCol = RealColIndex(cell.X);
    const AnsiString display = GetDisplayText(cell.X, cell.Y);

    if (anchorHint_ && GetCellTextKind(display, enableHTML_) == ctkHTML) {
        THTMLDrawResult result;
        HitTestCellHTML(cell.X, cell.Y, POINT{info.CursorPos.x, info.CursorPos.y}, result);
        if (!result.Anchor.empty()) {
            AnsiString anchor = result.AnchorTitle.empty() ? result.Anchor : result.AnchorTitle;
            if (onAnchorHint_) onAnchorHint_(this, cell.Y, cell.X, anchor);
            info.HintStr = anchor;
        }
    }

    AnsiString comment;
    if (GetCellComment(realCol, cell.Y, comment)) {
        info.HintStr = comment;
        info.HintPos = {rect.right, rect.top};
    } else {
        info.HintPos = {rect.left, rect.bottom + 6};
    }

    auto showCellText = [&] {
        info.HintPos = {rect.left, rect.top};
        if (GetCellTextKind(display, false) == ctkWide)
            info.HintStr = WideToAnsi(CellTextToWide(display));
        else
            info.HintStr = htmlHint_ ? display : StripHTMLTags(display);
    };
    const bool dataCell = cell.X >= TBaseGrid::FixedCols() && cell.Y >= TBaseGrid::FixedRows() &&
                          cell.X < ColCount() - fixedRightCols_ && cell.Y < RowCount() - fixedFooters_;
    if (hintShowCells_ && dataCell) showCellText();
    if (hintShowLargeText_) {
        const TSize needed = GetCellTextExtent(cell.X, cell.Y, false);
        if (needed.cx > rect.right - rect.left || needed.cy > rect.bottom - rect.top) showCellText();
    }
    if (!(cell.Y == RowCount() - 1 && floatingFooter_->Visible())) DoGridHint(cell.X, cell.Y, info.HintStr);
    POINT position = {info.HintPos.x, info.HintPos.y};
    ::ClientToScreen(Handle(), &position);
    info.HintPos = {position.x, position.y};
    info.HintColor = hintColor_;
}
