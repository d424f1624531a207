// TWinSkinPopMenu: the skin of one pop-up menu window ("#32768") while it is
// open. It subclasses the window, so the engine recognises it as skinned.
#pragma once

#include <memory>

#include "platform/ui/graphics.h"
#include "platform/win/winmenu.h"
#include "platform/win/winuser.h"

class TSkinData;

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu();
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    void Attach(HWND window, TSkinData* skinData, HMENU menu);
    // Gives the window procedure back.
    void Detach();

    HWND Window = 0;
    HMENU Menu = 0;
    TSkinData* SkinData = nullptr;
    // The frame image the items are drawn over.
    std::unique_ptr<TBitmap> FrameBitmap;

private:
    void WindowProc(TMessage& message);
    void CallDefault(TMessage& message);

    WNDPROC oldWndProc_;
    WNDPROC objectInstance_;
};
