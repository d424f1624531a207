// TWinSkinPopMenu: the skin of one pop-up menu window ("#32768") while it is
// open: it subclasses the window and paints its frame from the skin.
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
    void PaintFrame(TMessage& message);
    void PrintFrame(TMessage& message);
    bool CanPaint() const;
    void BuildFrame(int width, int height);

    WNDPROC oldWndProc_;
    WNDPROC objectInstance_;
    bool detached_ = false;
};
