// Pop-up menu windows under a skin: the window's border and background
// painted from the skin's MenuBackground element, on screen and in prints.
#include "skin/WinSkinPopMenu.h"

#include "platform/win/winpaint.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinFormDraw.h"

namespace {

// The items lie 3 pixels inside the window on every side.
constexpr int kMenuFrame = 3;

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() : FrameBitmap(std::make_unique<TBitmap>()) {}

TWinSkinPopMenu::~TWinSkinPopMenu() {
    Detach();
    if (objectInstance_) FreeObjectInstance(objectInstance_);
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, HMENU menu) {
    Window = window;
    SkinData = skinData;
    Menu = menu;
    objectInstance_ = MakeObjectInstance(TWndMethod(this, &TWinSkinPopMenu::WindowProc));
    oldWndProc_ = WNDPROC(SetWindowLongPtr(window, GWL_WNDPROC, LONG_PTR(objectInstance_)));
}

void TWinSkinPopMenu::Detach() {
    if (!objectInstance_ || detached_) return;
    if (IsWindow(Window) && WNDPROC(GetWindowLongPtr(Window, GWL_WNDPROC)) == objectInstance_)
        SetWindowLongPtr(Window, GWL_WNDPROC, LONG_PTR(oldWndProc_));
    // The thunk may be running (WM_DESTROY detaches from inside it), so it
    // goes with the object.
    FrameBitmap->Assign(nullptr);
    detached_ = true;
}

void TWinSkinPopMenu::CallDefault(TMessage& message) {
    message.Result = CallWindowProc(oldWndProc_, Window, message.Msg, message.WParam, message.LParam);
}

bool TWinSkinPopMenu::CanPaint() const {
    TDataSkinObject* background = SkinData ? SkinData->MenuBackground() : nullptr;
    return SkinData && !SkinData->NoSkin() && background && !background->Bitmap->Empty();
}

void TWinSkinPopMenu::BuildFrame(int width, int height) {
    TDataSkinObject* background = SkinData->MenuBackground();
    std::unique_ptr<TBitmap> cell = BuildSkinCell(TRect{0, 0, width, height}, background->Bitmap.get(),
                                                  background->Margins(), 1, 1, background->Tile != 0, false);
    if (cell) FrameBitmap->Assign(cell.get());
}

void TWinSkinPopMenu::WindowProc(TMessage& message) {
    if (message.Msg == WM_SKINQUERY) {
        message.Result = 1;
        return;
    }
    TSkinManage* manager = SkinManager();
    if (detached_ || !manager || !manager->Active) {
        CallDefault(message);
        return;
    }
    switch (message.Msg) {
    case WM_DESTROY:
        Detach();
        CallDefault(message);
        return;
    case WM_ERASEBKGND:
        if (SkinVersionWord & 0x80000000u) {
            message.Result = 0;
            return;
        }
        if (!SkinData->Options().Contains(xoMenuBG)) CallDefault(message);
        message.Result = 1;
        return;
    case WM_NCPAINT:
        PaintFrame(message);
        return;
    case WM_PRINT:
        PrintFrame(message);
        return;
    default:
        CallDefault(message);
        return;
    }
}

void TWinSkinPopMenu::PaintFrame(TMessage& message) {
    if (!CanPaint()) {
        CallDefault(message);
        return;
    }
    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    const int major = int(version & 0xFF), minor = int((version >> 8) & 0xFF);
    const HDC dc = SkinIsNT && major >= 5 && minor > 1
                       ? GetWindowDC(Window)
                       : GetDCEx(Window, HRGN(message.WParam), DCX_WINDOW | DCX_INTERSECTRGN | DCX_USESTYLE);
    RECT window;
    GetWindowRect(Window, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    BuildFrame(width, height);
    BitBlt(dc, 0, 0, width, height, FrameBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
    ReleaseDC(Window, dc);
    message.Result = 0;
}

void TWinSkinPopMenu::PrintFrame(TMessage& message) {
    RECT window;
    if (!CanPaint() || !GetWindowRect(Window, &window)) {
        CallDefault(message);
        return;
    }
    const HDC dc = HDC(message.WParam);
    const int width = window.right - window.left, height = window.bottom - window.top;
    const HRGN inner = CreateRectRgn(kMenuFrame, kMenuFrame, width - kMenuFrame, height - kMenuFrame);
    BuildFrame(width, height);
    BitBlt(dc, 0, 0, width, height, FrameBitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
    const int mode = SetBkMode(dc, TRANSPARENT);
    SelectClipRgn(dc, inner);
    CallDefault(message);
    SelectClipRgn(dc, 0);
    DeleteObject(inner);
    SetBkMode(dc, mode);
}
