// Subclassing of pop-up menu windows.
#include "skin/WinSkinPopMenu.h"

#include "skin/SkinManage.h"

TWinSkinPopMenu::TWinSkinPopMenu() : FrameBitmap(std::make_unique<TBitmap>()) {}

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, HMENU menu) {
    Window = window;
    SkinData = skinData;
    Menu = menu;
    objectInstance_ = MakeObjectInstance(TWndMethod(this, &TWinSkinPopMenu::WindowProc));
    oldWndProc_ = WNDPROC(SetWindowLongPtr(window, GWL_WNDPROC, LONG_PTR(objectInstance_)));
}

void TWinSkinPopMenu::Detach() {
    if (!objectInstance_) return;
    if (IsWindow(Window) && WNDPROC(GetWindowLongPtr(Window, GWL_WNDPROC)) == objectInstance_)
        SetWindowLongPtr(Window, GWL_WNDPROC, LONG_PTR(oldWndProc_));
    FreeObjectInstance(objectInstance_);
    objectInstance_ = {};
}

void TWinSkinPopMenu::CallDefault(TMessage& message) {
    message.Result = CallWindowProc(oldWndProc_, Window, message.Msg, message.WParam, message.LParam);
}

void TWinSkinPopMenu::WindowProc(TMessage& message) {
    if (message.Msg == WM_SKINQUERY) {
        message.Result = 1;
        return;
    }
    CallDefault(message);
}
