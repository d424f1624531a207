// The pop-up month calendar.
#include "datagrid/ToolCtrlsVynCalendar.h"

#include "datagrid/ToolCtrlsVynListbox.h"

#include "platform/win/commctrl.h"
#include "platform/win/msgqueue.h"

TPopupMonthCalendarVyn::TPopupMonthCalendarVyn(TComponent* owner) : TMonthCalendar(owner) {
    controlStyle_.Include(csReplicatable);
    SetAutoSize(true);
    SetParentCtl3D(false);
    SetCtl3D(true);
}

void TPopupMonthCalendarVyn::CreateParams(TCreateParams& params) {
    TMonthCalendar::CreateParams(params);
    params.Style |= WS_POPUP;
    if (!Ctl3D()) params.Style |= WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WindowClass.style = CS_SAVEBITS;
}

void TPopupMonthCalendarVyn::CreateWnd() {
    TMonthCalendar::CreateWnd();
    FitToMinimumSize();
}

void TPopupMonthCalendarVyn::FitToMinimumSize() {
    int width = Width(), height = Height();
    if (CanAutoSize(width, height)) SetBounds(Left(), Top(), width, height);
}

bool TPopupMonthCalendarVyn::CanAutoSize(int& newWidth, int& newHeight) {
    if (!TMonthCalendar::CanAutoSize(newWidth, newHeight)) return false;
    newWidth += 2 * borderWidth_;
    newHeight += 2 * borderWidth_;
    return true;
}

void TPopupMonthCalendarVyn::KeyDown(Word& key, TShiftState shift) {
    TMonthCalendar::KeyDown(key, shift);
    if (key == VK_RETURN || key == VK_ESCAPE) {
        CloseDropDownOfOwner(this, key == VK_RETURN);
        key = 0;
    }
}

void TPopupMonthCalendarVyn::CMWantSpecialKey(TMessage& Message) {
    if (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE) {
        CloseDropDownOfOwner(this, Message.WParam == VK_RETURN);
        Message.Result = 1;
        return;
    }
    TMonthCalendar::Dispatch(Message);
}

void TPopupMonthCalendarVyn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TMonthCalendar::MouseDown(button, shift, x, y);
    const RECT inside{0, 0, Width(), Height()};
    if (!PtInRect(&inside, POINT{x, y})) CloseDropDownOfOwner(this, false);
}

void TPopupMonthCalendarVyn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TMonthCalendar::MouseUp(button, shift, x, y);
    const RECT inside{0, 0, Width(), Height()};
    if (!PtInRect(&inside, POINT{x, y}) || !HandleAllocated()) return;
    MCHITTESTINFO hit;
    hit.pt = POINT{x, y};
    SendMessage(Handle(), MCM_HITTEST, 0, LPARAM(&hit));
    // A day (of this or an adjacent month), the background, a week number,
    // the month's name or the today link accept; the day names and the
    // month buttons do not.
    if ((hit.uHit & MCHT_CALENDARDATE) != 0 && hit.uHit != MCHT_CALENDARDAY && hit.uHit != MCHT_TITLEBTNNEXT &&
        hit.uHit != MCHT_TITLEBTNPREV)
        CloseDropDownOfOwner(this, true);
}

bool TPopupMonthCalendarVyn::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (!TMonthCalendar::DoMouseWheelDown(shift, mousePos)) SetDate(Date() + 1);
    return true;
}

bool TPopupMonthCalendarVyn::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (!TMonthCalendar::DoMouseWheelUp(shift, mousePos)) SetDate(Date() - 1);
    return true;
}

void TPopupMonthCalendarVyn::WMGetDlgCode(TMessage& Message) {
    TMonthCalendar::Dispatch(Message);
    Message.Result |= DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

void TPopupMonthCalendarVyn::WMKillFocus(TMessage& Message) {
    TMonthCalendar::Dispatch(Message);
    const HWND gaining = static_cast<HWND>(Message.WParam);
    if (!gaining || !HandleAllocated() || !IsChild(Handle(), gaining)) QueueCloseUp(false);
}

void TPopupMonthCalendarVyn::QueueCloseUp(bool accept) {
    if (HandleAllocated()) PostMessage(Handle(), QueuedCloseUpMessage, accept, 0);
}

void TPopupMonthCalendarVyn::QueuedCloseUp(TMessage&) { CloseDropDownOfOwner(this, false); }

void TPopupMonthCalendarVyn::CMCtl3DChanged(TMessage& Message) {
    TMonthCalendar::Dispatch(Message);
    borderWidth_ = Ctl3D() ? 2 : 0;
    RecreateWnd();
}

void TPopupMonthCalendarVyn::WMNCCalcSize(TMessage& Message) {
    TMonthCalendar::Dispatch(Message);
    InsetClientForFrame(Message, borderWidth_);
}

void TPopupMonthCalendarVyn::WMNCPaint(TMessage& Message) {
    TMonthCalendar::Dispatch(Message);
    DrawNonClientBorder();
}

void TPopupMonthCalendarVyn::DrawNonClientBorder() { DrawRaisedPopupBorder(this); }
