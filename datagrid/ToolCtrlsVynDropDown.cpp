// Placement of drop-down windows against their editors.
#include "datagrid/ToolCtrlsVynDropDown.h"

#include "platform/win/screens.h"
#include "platform/win/winuser.h"

TPoint PlaceDropDownAtRect(const TRect& masterAbsRect, TWinControl* dropDown, TDropDownAlign align) {
    const TRect& master = masterAbsRect;
    MONITORINFO monitor;
    monitor.cbSize = sizeof monitor;
    GetMonitorInfo(MonitorFromRect(&master, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    TPoint position{0, 0};
    const int height = dropDown->Height();
    const bool noRoomBelow = master.bottom + height > work.bottom;
    const bool noRoomAbove = master.top - height < work.top;
    if ((noRoomBelow && !noRoomAbove) || (noRoomAbove && work.bottom - master.bottom < master.top - work.top)) {
        if (noRoomAbove) dropDown->SetHeight(master.top - work.top);
        position.y = master.top - dropDown->Height();
        dropDown->Perform(GripSideMessage, 2, 0);
    } else {
        if (noRoomBelow) dropDown->SetHeight(work.bottom - master.bottom);
        position.y = master.bottom;
        dropDown->Perform(GripSideMessage, 3, 0);
    }
    position.x = master.left;
    if (align == daRight)
        position.x = master.right - dropDown->Width();
    else if (align == daCenter)
        position.x -= (dropDown->Width() - (master.right - master.left)) / 2;
    if (work.right - work.left < dropDown->Width()) dropDown->SetWidth(work.right - work.left);
    if (position.x + dropDown->Width() > work.right) {
        position.x = work.right - dropDown->Width();
        dropDown->Perform(GripSideMessage, 0, 0);
    } else if (position.x < work.left) {
        position.x = work.left;
        dropDown->Perform(GripSideMessage, 1, 0);
    } else {
        dropDown->Perform(GripSideMessage, align == daRight ? 0 : 1, 0);
    }
    return position;
}

TPoint PlaceDropDownAtControl(TWinControl* master, TWinControl* dropDown, TDropDownAlign align) {
    TPoint topLeft{master->Left(), master->Top()};
    if (master->Parent()) topLeft = master->Parent()->ClientToScreen(topLeft);
    const TRect bounds{topLeft.x, topLeft.y, topLeft.x + master->Width(), topLeft.y + master->Height()};
    return PlaceDropDownAtRect(bounds, dropDown, align);
}

void CloseDropDownOfOwner(TComponent* popup, bool accept) {
    if (auto* host = dynamic_cast<IDropDownHostVyn*>(popup->Owner())) host->CloseDropDown(accept);
}

void InsetClientForFrame(TMessage& Message, int width) {
    RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(Message.LParam);
    InflateRect(r, -width, -width);
}

void ShowDropDownAt(TWinControl* dropDown, TPoint position) {
    SetWindowPos(dropDown->Handle(), HWND_TOP, position.x, position.y, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}

void HideDropDown(TWinControl* dropDown) {
    if (dropDown->HandleAllocated())
        SetWindowPos(dropDown->Handle(), 0, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dropDown->SetVisible(false);
}
