// The string grid's window procedure: painting held by the update lock,
// the look's window border, scroll messages, the wheel, middle-button
// panning and the grid's 500 ms timer (hovering and blinking text), and the
// selection changes they cause.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/rtl/sysutils.h"
#include "platform/ui/oledragdrop.h"
#include "platform/win/msgqueue.h"
#include "platform/win/resources.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "stringgrid/BavEditLink.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/editors/GridEditors.h"

namespace {

// The direction of a coordinate from the origin, with a dead zone.
int PanDirection(int position, int origin) {
    if (position < origin - 5) return -1;
    if (position > origin + 5) return 1;
    return 0;
}

}  // namespace

void TBavStringGrid::WndProc(TMessage& message) {
    const UINT msg = message.Msg;
    const TGridRect selectionBefore = Selection();
    if ((msg == WM_SIZE || msg == WM_LBUTTONUP || msg == CM_UIACTIVATE) && !ComponentState().Contains(csDesigning)) {
        UpdateVertScrollProportional();
        UpdateHorzScrollProportional();
    }
    if (msg == WM_THEMECHANGED && autoThemeAdapt_) ApplyThemeColorScheme();
    if (msg == WM_DESTROY) {
        if (oleDropWindow_) RevokeDragDrop(std::exchange(oleDropWindow_, HWND(0)));
        KillTimer(Handle(), kGridTimer);
        if (panning_) StopPanning();
    }
    if (panning_ && (msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_KEYDOWN)) {
        StopPanning();
        if (msg == WM_MBUTTONDOWN) return;
    } else if (msg == WM_MBUTTONDOWN && intelliPan_ != ipNone && RowCount() > TBaseGrid::FixedRows()) {
        StartPanning(message);
        return;
    }
    switch (msg) {
    case WM_TIMER:
        if (message.WParam == kPanTimer && panning_) {
            PanStep();
            SelectionChangedSince(selectionBefore);
            return;
        }
        if (message.WParam == kGridTimer) {
            GridTimerTick();
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        if (!panning_ && !WheelMessage(message)) return;
        SelectionChangedSince(selectionBefore);
        break;
    case WM_PAINT:
        if (updateCount_ > 0) {
            // Validated, so a lock held without WM_SETREDRAW does not bring
            // the same paint request back at once; EndUpdate repaints all.
            ValidateRect(Handle(), nullptr);
            message.Result = 0;
            return;
        }
        break;
    case WM_SIZE:
        SizeMessage(message);
        return;
    case WM_SETFOCUS:
        WMSetFocus(message);
        return;
    case WM_KILLFOCUS:
        WMKillFocus(message);
        return;
    case WM_NOTIFY:
        if (WMNotify(message)) return;
        break;
    case WM_COMMAND:
        // A child's notification goes back to the child that sent it.
        if (message.LParam && HWND(message.LParam) != Handle())
            SendMessage(HWND(message.LParam), WM_COMMAND, message.WParam, message.LParam);
        ComboEditorCommand(message);
        break;
    case WM_LBUTTONDOWN:
        WMLButtonDown(message);
        return;
    case WM_LBUTTONUP:
        WMLButtonUp(message);
        return;
    case WM_SETCURSOR:
        WMSetCursor(message);
        return;
    case CM_MOUSELEAVE:
        CMMouseLeave(message);
        return;
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(message);
        return;
    case WM_CANCELMODE:
        if (EnhancedMoveShowing()) CancelEnhancedMove();
        break;
    case WM_RBUTTONUP:
        if (EnhancedMoveShowing()) {
            message.Result = 0;
            return;
        }
        break;
    case WM_RBUTTONDOWN:
        TBaseGrid::WndProc(message);
        RightButtonDown(short(LOWORD(message.LParam)), short(HIWORD(message.LParam)));
        return;
    case CN_KEYDOWN:
        KeyOffered(message);
        return;
    case WM_KEYDOWN:
        WMKeyDown(message);
        return;
    case CN_CHAR:
        if (WMChar(message)) {
            message.Result = 1;
            return;
        }
        break;
    case CM_HINTSHOW:
        GetCellHint(*reinterpret_cast<THintInfo*>(message.LParam));
        message.Result = 0;
        return;
    case CM_DIALOGCHAR:
        // Only Alt mnemonics reach the form; other characters are the grid's.
        if (!(message.LParam & (1 << 29))) {
            message.WParam = 0;
            message.Result = 0;
            return;
        }
        break;
    case CM_CURSORCHANGED:
        // Someone else set the grid's cursor: it shows instead of a kind.
        TBaseGrid::WndProc(message);
        if (!changingOwnCursor_) cursorKind_ = TCursorKind::None;
        return;
    case CM_COLORCHANGED:
        TBaseGrid::WndProc(message);
        if (floatingFooter_->Visible()) floatingFooter_->Invalidate();
        return;
    case WM_ERASEBKGND:
        message.Result = 0;
        return;
    case WM_NCPAINT:
        WMNCPaint(message);
        return;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollMessage(message, msg == WM_VSCROLL);
        return;
    default:
        break;
    }
    TBaseGrid::WndProc(message);
}

// ---- The combo editor's notifications ------------------------------------------------------------

// A change typed into the combo editor is told twice: as the editor's
// change with its item, and as an edit change of any combo with index -1;
// the editor's list closing is told too.
void TBavStringGrid::ComboEditorCommand(const TMessage& message) {
    const WORD code = HIWORD(message.WParam);
    LinkedComboCommand(message);
    TGridCombo* combo = editors_->Combo();
    if (!combo || !combo->HandleAllocated()) return;
    if (HWND(message.LParam) == combo->Handle() && (code == CBN_SELCHANGE || code == CBN_EDITCHANGE)) {
        const int index = combo->ItemIndex();
        const AnsiString item = index >= 0 ? combo->Items()->Strings(index) : AnsiString();
        const int col = RealColIndex(Col());
        if (onComboChange_) onComboChange_(this, col, Row(), index, item);
        if (onComboObjectChange_)
            onComboObjectChange_(this, col, Row(), index, item, index >= 0 ? combo->Items()->Objects(index) : nullptr);
    }
    if (code == CBN_EDITCHANGE && onComboChange_) onComboChange_(this, Col(), Row(), -1, combo->Text());
    if (HWND(message.LParam) == combo->Handle() && code == CBN_CLOSEUP && onComboCloseUp_)
        onComboCloseUp_(this, Row(), RealColIndex(Col()));
}

// A combo box of the application's, linked to the cell while it edits,
// tells its changes as the grid's own combo does.
void TBavStringGrid::LinkedComboCommand(const TMessage& message) {
    const WORD code = HIWORD(message.WParam);
    if (!onComboChange_ || !editLink_ || !editorActive_ || currentEditorType_ != edCustom) return;
    if (code != CBN_SELCHANGE && code != CBN_EDITCHANGE) return;
    TWinControl* control = editLink_->GetEditControl();
    if (!control || !control->HandleAllocated() || HWND(message.LParam) != control->Handle()) return;
    const int index = int(SendMessage(control->Handle(), CB_GETCURSEL, 0, 0));
    AnsiString text;
    if (index >= 0) {
        const int length = int(SendMessage(control->Handle(), CB_GETLBTEXTLEN, WPARAM(index), 0));
        if (length > 0) {
            text.resize(std::size_t(length) + 1);
            SendMessage(control->Handle(), CB_GETLBTEXT, WPARAM(index), LPARAM(text.data()));
            text.resize(std::strlen(text.c_str()));
        }
    }
    onComboChange_(this, Col(), Row(), index, text);
}

// ---- Focus and clicks ----------------------------------------------------------------------------

// The focus passes through the grid while validation reopens the editor;
// that is no entry, and the cell remembered for the edit stays.
void TBavStringGrid::DoEnter() {
    if (editorNavigating_ || validating_) return;
    TBaseGrid::DoEnter();
    SelectCell(Col(), Row());
    SaveEditStart(Col(), Row());
}

void TBavStringGrid::Click() {
    TBaseGrid::Click();
    SaveEditStart(Col(), Row());
}

// ---- Wheel ----------------------------------------------------------------------------------------

bool TBavStringGrid::WheelMessage(TMessage& message) {
    const bool down = short(HIWORD(message.WParam)) < 0;
    UINT lines = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    if (GetKeyState(VK_CONTROL) < 0 && intelliZoom_) {
        Zoom(down ? int(lines) : -int(lines));
        return true;
    }
    if (!enableWheel_) return true;
    if (fixedRowAlways_ && RowCount() == 1) return false;
    const int increment = mouseActions_->WheelIncrement() < 1 ? int(lines) : mouseActions_->WheelIncrement();
    const int fixedRows = TBaseGrid::FixedRows();
    if (mouseActions_->WheelAction() == waScroll) {
        if (down && TopRow() < RowCount() - VisibleRowCount())
            SetTopRow(std::min(TopRow() + increment, RowCount() - VisibleRowCount()));
        if (!down && TopRow() > fixedRows && TopRow() - increment >= fixedRows) SetTopRow(TopRow() - increment);
        message.Result = 1;
        return true;
    }
    const int target = std::clamp(Row() + (down ? increment : -increment), fixedRows,
                                  std::max(fixedRows, RowCount() - fixedFooters_ - 1));
    SetCol(std::clamp(Col(), TBaseGrid::FixedCols(), ColCount() - 1));
    const int left = LeftCol();
    const int from = Row();
    SuppressPaint();
    SetRowEx(target);
    if (Row() != target && target != from) {
        SetRowEx(from + int(std::nearbyint((target - from) / 2.0)));
        if (!down && TopRow() > fixedRows) SetTopRow(TopRow() - 1);
    }
    if (Options().Contains(goRowSelect) && navigation_->KeepHorizScroll()) SetLeftCol(left);
    ResetPaintLock();
    Invalidate();
    message.Result = 1;
    return true;
}

// With waScroll the window procedure has scrolled already.
bool TBavStringGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    return BaseWheelStep(true, shift, mousePos);
}

bool TBavStringGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    return BaseWheelStep(false, shift, mousePos);
}

bool TBavStringGrid::BaseWheelStep(bool down, TShiftState shift, TPoint mousePos) {
    if (mouseActions_->WheelAction() == waScroll) return false;
    auto step = [&] {
        return down ? TBaseGrid::DoMouseWheelDown(shift, mousePos) : TBaseGrid::DoMouseWheelUp(shift, mousePos);
    };
    if (Options().Contains(goRowSelect) && navigation_->KeepHorizScroll()) {
        const int left = LeftCol();
        SuppressPaint();
        const bool handled = step();
        SetLeftCol(left);
        ResetPaintLock();
        Invalidate();
        return handled;
    }
    if (!down && (Row() >= RowCount() || Col() >= ColCount())) return true;
    const bool editing = EditorMode();
    const bool handled = step();
    // The editor kept the focus through the move: the grid takes it back.
    if (editing && CanFocus()) SetFocus();
    return handled;
}

// ---- Panning ------------------------------------------------------------------------------------

void TBavStringGrid::StartPanning(TMessage& message) {
    panning_ = true;
    panOrigin_ = {short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
    cursorBeforePanning_ = ::SetCursor(LoadCursor(HInstance, std::uintptr_t(8000)));
    SetTimer(Handle(), kPanTimer, 10);
    SetCapture(Handle());
    SetShowHint(false);
    DrawIntelliPanMarker();
}

void TBavStringGrid::DrawIntelliPanMarker() {
    static const char* const markers[] = {"INTLI3", "INTLI2", "INTLI1"};
    if (intelliPan_ == ipNone || !HandleAllocated()) return;
    const HDC dc = GetDC(Handle());
    {
        TControlCanvas canvas;
        const CanvasOnDC lend(&canvas, dc);
        DrawTransparentResourceBitmap(&canvas, clWhite, Rect(panOrigin_.x, panOrigin_.y, panOrigin_.x + 32,
                                                              panOrigin_.y + 32),
                                      markers[int(intelliPan_)]);
    }
    ReleaseDC(Handle(), dc);
}

void TBavStringGrid::InvalidateIntelliPanMarker() {
    if (!HandleAllocated()) return;
    const RECT square = {panOrigin_.x, panOrigin_.y, panOrigin_.x + 32, panOrigin_.y + 32};
    InvalidateRect(Handle(), &square, FALSE);
}

void TBavStringGrid::StopPanning() {
    ReleaseCapture();
    KillTimer(Handle(), kPanTimer);
    ::SetCursor(cursorBeforePanning_);
    SetShowHint(true);
    panning_ = false;
    InvalidateIntelliPanMarker();
}

void TBavStringGrid::PanStep() {
    POINT cursor{};
    GetCursorPos(&cursor);
    ::ScreenToClient(Handle(), &cursor);
    int dx = PanDirection(cursor.x, panOrigin_.x);
    const int dy = intelliPan_ == ipHorizontal ? 0 : PanDirection(cursor.y, panOrigin_.y);
    if (intelliPan_ == ipVertical) dx = 0;
    // The module's pan cursors: 8000 none, then down, left, right, up and
    // the four diagonals.
    static const int cursors[3][3] = {{8006, 8004, 8005}, {8002, 8000, 8003}, {8008, 8001, 8007}};
    ::SetCursor(LoadCursor(HInstance, std::uintptr_t(cursors[dy + 1][dx + 1])));
    const int lastRow = RowCount() - fixedFooters_ - 1, lastCol = ColCount() - fixedRightCols_ - 1;
    const int row = std::clamp(Row(), TBaseGrid::FixedRows(), std::max(TBaseGrid::FixedRows(), lastRow));
    const int col = std::clamp(Col(), TBaseGrid::FixedCols(), std::max(TBaseGrid::FixedCols(), lastCol));
    const bool stepCol = (dx < 0 && col > TBaseGrid::FixedCols()) || (dx > 0 && col < lastCol);
    const bool stepRow = (dy < 0 && row > TBaseGrid::FixedRows()) || (dy > 0 && row < lastRow);
    // A step that scrolls moves the marker's background with the cells.
    if ((stepCol && (col + dx < LeftCol() || col + dx >= LeftCol() + VisibleColCount())) ||
        (stepRow && (row + dy < TopRow() || row + dy >= TopRow() + VisibleRowCount())))
        InvalidateIntelliPanMarker();
    if (stepCol) SetCol(col + dx);
    if (stepRow) SetRowEx(row + dy);
    UpdateWindow(Handle());
    DrawIntelliPanMarker();
}

// ---- The grid's timer ---------------------------------------------------------------------------

void TBavStringGrid::GridTimerTick() {
    ++timerTicks_;
    ExpireGotoText();
    if (hovering_ && !ComponentState().Contains(csDesigning)) {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (WindowFromPoint(cursor) == Handle()) {
            ::ScreenToClient(Handle(), &cursor);
            const TGridCoord cell = MouseCoord(cursor.x, cursor.y);
            if (cell.X >= TBaseGrid::FixedCols() && cell.Y >= TBaseGrid::FixedRows()) {
                SetCol(cell.X);
                SetRow(cell.Y);
                if (CanFocus()) SetFocus();
            }
        }
    }
    if (!enableBlink_) return;
    blinkPhase_ = !blinkPhase_;
    auto repaintBlinking = [this](int col, int row) {
        if (UpperCase(GetDisplayText(col, row)).find("<BLI") != AnsiString::npos) RepaintCell(col, row);
    };
    const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    for (int row = TopRow(); row <= lastRow; ++row)
        for (int col = LeftCol(); col <= lastCol; ++col) repaintBlinking(col, row);
    for (int row = 0; row < TBaseGrid::FixedRows(); ++row)
        for (int col = LeftCol(); col <= lastCol; ++col) repaintBlinking(col, row);
    for (int col = 0; col < TBaseGrid::FixedCols(); ++col)
        for (int row = TopRow(); row <= lastRow; ++row) repaintBlinking(col, row);
}
