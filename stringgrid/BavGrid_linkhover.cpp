// Links under the mouse: a URL cell or an anchor of an HTML cell shows the
// hand, and entering and leaving an anchor are reported.
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

bool TBavStringGrid::HoverLink(int x, int y) {
    const TGridCoord cell = MouseCoord(x, y);
    AnsiString anchor;
    bool overLink = false;
    if (cell.X >= 0 && cell.Y >= 0) {
        const TGridCoord base = GetBaseCell(cell.X, cell.Y);
        const AnsiString display = GetDisplayText(RealColIndex(base.X), base.Y);
        if (GetCellTextKind(display, enableHTML_) == ctkHTML) {
            THTMLDrawResult result;
            if (HitTestCellHTML(base.X, base.Y, POINT{x, y}, result) && result.ControlID.empty())
                anchor = result.Anchor;
            overLink = !anchor.empty();
        } else {
            overLink = urlShow_ && IsURLText(display);
        }
    }
    if (!anchor.empty() && anchor != lastAnchor_) {
        if (onAnchorEnter_) onAnchorEnter_(this, cell.Y, cell.X, anchor);
        lastAnchor_ = anchor;
    } else if (anchor.empty() && !lastAnchor_.empty()) {
        if (onAnchorExit_) onAnchorExit_(this, cell.Y, cell.X, AnsiString());
        lastAnchor_.clear();
    }
    return overLink;
}

void TBavStringGrid::ShowLinkCursor(bool overLink) {
    auto setOwnCursor = [this](TCursor cursor) {
        changingOwnCursor_ = true;
        SetCursor(cursor);
        changingOwnCursor_ = false;
    };
    if (overLink && !handCursorShown_) {
        normalCursor_ = Cursor();
        handCursorShown_ = true;
        setOwnCursor(crHandPoint);
    } else if (!overLink && handCursorShown_) {
        handCursorShown_ = false;
        setOwnCursor(normalCursor_);
    }
}
