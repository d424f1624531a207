// The shared drop-down side of the most-recently-used list.
#include "datagrid/DBCtrlsVynMRUDropDown.h"

#include "datagrid/ToolCtrlsVynDropDown.h"
#include "platform/ui/controls.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

bool PlaceMRUList(TMRUListVyn* mru, TMRUListboxVyn* list, TCustomMaskEdit* editor, const RECT& reference, int width,
                  const TNotifyEvent& onResize) {
    const bool userResized = list->UserResized();
    const bool open = mru->DroppedDown();
    TPopupListboxVyn::SetRowsHeight(list, std::min(list->Items()->Count(), mru->Rows()));
    if (open) {
        ShowDropDownAt(list, PlaceDropDownAtRect(reference, list, daLeft));
        list->SetUserResized(userResized);
    }
    if (list->Items()->Count() == 0) return !open;
    if (open) return true;
    list->SetColor(editor->Color());
    list->SetFont(editor->Font());
    list->SetItemHeight(TPopupListboxVyn::FontLineHeight(editor));
    list->SetItemIndex(-1);
    list->SetWidth(width);
    TPopupListboxVyn::SetRowsHeight(list, std::min(list->Items()->Count(), mru->Rows()));
    ShowDropDownAt(list, PlaceDropDownAtRect(reference, list, daLeft));
    list->SetVisible(true);
    list->LayoutScrollBar();
    mru->SetDroppedDown(true);
    list->SetUserResized(false);
    list->SizeGrip()->SetOnParentResize(onResize);
    return true;
}

void HideMRUList(TMRUListVyn* mru, TMRUListboxVyn* list, TCustomMaskEdit* editor) {
    if (HWND capture = GetCapture(); capture && (capture == list->Handle() || IsChild(list->Handle(), capture)))
        SendMessage(capture, WM_CANCELMODE, 0, 0);
    const bool listHadFocus = list->Focused();
    list->SetVisible(false);
    HideDropDown(list);
    if (listHadFocus && editor->CanFocus()) editor->SetFocus();
    mru->SetDroppedDown(false);
}

bool RouteKeyToMRUList(TMessage& Message, TMRUListboxVyn* list, const std::function<void(bool)>& close) {
    // A key is offered to the control (as a CN_ message, answered 1 when
    // used) before its window sees it.
    const bool offered = Message.Msg >= CN_BASE;
    const UINT msg = offered ? Message.Msg - CN_BASE : Message.Msg;
    const bool keyMessage = msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_SYSKEYDOWN;
    if (!keyMessage) return false;
    const WPARAM key = Message.WParam;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    if (msg != WM_CHAR && (key == VK_RETURN || key == VK_ESCAPE)) {
        close(key == VK_RETURN);
        Message.Result = offered ? 1 : 0;
        return true;
    }
    if (msg == WM_CHAR && (key == '\r' || key == 27)) {
        Message.Result = offered ? 1 : 0;
        return true;
    }
    const bool paging = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) && !alt;
    const bool ends = (key == VK_HOME || key == VK_END) && ctrl;
    if (msg == WM_CHAR || !(paging || ends)) return false;
    SendMessage(list->Handle(), msg, Message.WParam, Message.LParam);
    Message.Result = offered ? 1 : 0;
    return true;
}
