// Input routing shared by the editors with drop-down lists.
#include "datagrid/DBCtrlsVynDropDownRouting.h"

#include "platform/rtl/codepage.h"
#include "platform/win/userinput.h"
#include "platform/win/winuser.h"

int PreviousCharStart(const AnsiString& text, int pos) {
    if (pos <= 0) return 0;
    return static_cast<int>(AnsiCharStart(text, static_cast<std::size_t>(pos - 1)));
}

bool WholeCharacter(const AnsiString& bytes) {
    if (bytes.empty()) return false;
    if (!IsDBCSLeadByte(static_cast<unsigned char>(bytes[0]))) return true;
    return bytes.size() >= 4 || (bytes.size() >= 2 && AnsiCharSize(bytes, 0) == bytes.size());
}

bool TakeWholeCharacter(AnsiString& pending, char key, AnsiString& whole) {
    pending += key;
    if (!WholeCharacter(pending)) return false;
    whole = pending;
    pending.clear();
    return true;
}

bool ForwardDragIntoList(TControl* control, TWinControl* list, int x, int y) {
    if (!list || !control->MouseCapture()) return false;
    const TPoint at = list->ScreenToClient(control->ClientToScreen(TPoint{x, y}));
    const TRect client = list->ClientRect();
    if (!PtInRect(&client, at)) return false;
    control->Perform(WM_CANCELMODE, 0, 0);
    // A graphic button's capture is its window's: let go of it too.
    if (control->MouseCapture()) control->SetMouseCapture(false);
    SendMessage(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    return true;
}

bool IsWindowOfDropDown(HWND window, TWinControl* editor, TWinControl* list) {
    if (!window) return false;
    if (window == editor->Handle() || IsChild(editor->Handle(), window)) return true;
    return list && list->HandleAllocated() && (window == list->Handle() || IsChild(list->Handle(), window));
}

bool CancelModeFromOutside(const TMessage& Message, TWinControl* editor, TWinControl* list) {
    auto* sender = reinterpret_cast<TControl*>(Message.LParam);
    const bool ours = sender == editor || (sender && editor->ContainsControl(sender)) ||
                      (list && (sender == list || (sender && list->ContainsControl(sender))));
    return !ours;
}

bool PagingKeyForList(const TMessage& Message, const TEditButtonVyn* mainButton) {
    if (Message.Msg != WM_KEYDOWN && Message.Msg != WM_SYSKEYDOWN) return false;
    const WPARAM key = Message.WParam;
    TShiftState shift;
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    if (mainButton->ShortCut() == ShortCut(static_cast<Word>(key), shift)) return false;
    if (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) return true;
    return (key == VK_HOME || key == VK_END) && shift.Contains(ssCtrl);
}

bool TextPartButtonMessage(const TMessage& Message, const TCustomDBEditVyn* editor) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP:
    case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: break;
    default: return false;
    }
    const TPoint p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    const TRect buttons = editor->ButtonAreaRect();
    return !(editor->ButtonAreaWidth() > 0 && PtInRect(&buttons, p));
}

void ContextMenuForTextPart(const TMessage& Message, TWinControl* editor) {
    if (Message.Msg != WM_RBUTTONUP) return;
    const TPoint screen = editor->ClientToScreen(TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
    SendMessage(editor->Handle(), WM_CONTEXTMENU, static_cast<WPARAM>(editor->Handle()),
                MAKELPARAM(screen.x, screen.y));
}
