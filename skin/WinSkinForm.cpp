// Form skinning: attaching to a window, the three-stage window procedure,
// the form and multiple-document client hooks, and giving the window back.
#include "skin/WinSkinForm.h"

#include "platform/rtl/clock.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "platform/win/screens.h"
#include "platform/win/userinput.h"
#include "platform/win/winmdi.h"
#include "platform/win/winmenu.h"
#include "platform/win/winpaint.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSubClass.h"

namespace {


bool IsIconAction(int action) { return action == 3 || action == 11; }

// Every item of the menu and of its sub-menus is drawn by the skin.
void AddOwnerDraw(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFO info;
        info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfo(menu, UINT(i), TRUE, &info)) continue;
        info.fMask = MIIM_FTYPE;
        info.fType |= MFT_OWNERDRAW;
        SetMenuItemInfo(menu, UINT(i), TRUE, &info);
        if (info.hSubMenu) AddOwnerDraw(info.hSubMenu);
    }
}

bool IsSystemCommand(UINT id) {
    switch (id) {
    case SC_SIZE: case SC_MOVE: case SC_MINIMIZE: case SC_MAXIMIZE: case SC_NEXTWINDOW: case SC_PREVWINDOW:
    case SC_CLOSE: case SC_RESTORE:
        return true;
    default:
        return false;
    }
}

TSkinManage& Manager() { return *CreateSkinManager(); }

}  // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner), SharedCanvas(std::make_unique<TCanvas>()) {
    MakeCaptionFont();
    DoubleClickTime = GetDoubleClickTime();
}

TWinSkinForm::~TWinSkinForm() {
    // The form may be gone already: only the link is cut.
    if (formLink_) *formLink_ = nullptr;
    FreePainters();
    FreeCaptionButtons();
    MenuBar.reset();
    Timer.reset();
    SystemMenu.reset();
    if (objectInstance_) FreeObjectInstance(objectInstance_);
    if (clientInstance_) FreeObjectInstance(clientInstance_);
    if (TSkinManage* manager = SkinManager()) manager->RemoveForm(Window);
}

void TWinSkinForm::MakeCaptionFont() {
    NONCLIENTMETRICS metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
    captionFont_ = std::make_unique<TFont>();
    captionFont_->SetHandle(CreateFontIndirect(&metrics.lfCaptionFont));
}

// ---- attaching --------------------------------------------------------------

void TWinSkinForm::AttachForm(TSkinData* skinData, TControl* form) {
    Form = form;
    if (skinData->OnBeforeSkinForm()) skinData->OnBeforeSkinForm()(form, Window, ClassNameText);
    if (skinData->SkinControls().Contains(xcMenuItem)) SetPropByName(form, "AutoScroll", "False");
    AttachWindow(skinData);
    if (FrameSkinned) {
        savedWindowProc_ = form->WindowProc();
        formLink_ = std::make_shared<TWinSkinForm*>(this);
        formHook_ = TWndMethod([link = formLink_, saved = savedWindowProc_](TMessage& message) {
            if (*link)
                (*link)->FormWndProc(message);
            else
                saved(message);
        });
        form->SetWindowProc(formHook_);
    }
    SavedColor = form->Color();
    form->SetColor(skinData->Colour(TSkinData::kButtonFaceIndex));
    if (skinData->SkinControls().Contains(xcMenuItem)) SetMainMenuOwnerDraw(form, true);
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) {
    if (subclassed_) return;
    Manager().Started = true;
    SkinData = skinData;
    Timer = std::make_unique<TTimer>(nullptr);
    Timer->SetEnabled(false);
    Timer->SetInterval(250);
    Timer->SetOnTimer(TNotifyEvent(this, &TWinSkinForm::FormTimer));

    FrameSkinned = skinData->SkinControls().Contains(xcMainMenu);
    Style = GetWindowLong(Window, GWL_STYLE);
    const LONG exStyle = GetWindowLong(Window, GWL_EXSTYLE);
    RightToLeft = exStyle & WS_EX_LEFTSCROLLBAR;
    IsChild = Style & WS_CHILD;
    ClassName = ClassNameOf(Window);
    OwnerWindow = GetWindow(Window, GW_OWNER);

    Buttons = (Style & WS_SYSMENU) || SystemMenuHandle ? kSystemMenuBox : 0;
    if (Style & WS_MINIMIZEBOX) Buttons |= kMinimizeBox;
    if (Style & WS_MAXIMIZEBOX) Buttons |= kMaximizeBox;
    if (exStyle & WS_EX_CONTEXTHELP) Buttons |= kContextHelp;

    ReadWindowState();
    Sizeable = Style & WS_THICKFRAME;
    FindMDIClient();
    if (exStyle & WS_EX_MDICHILD) {
        Kind = kMDIChild;
        if (skinData->Options().Contains(xoMDIChildBorder)) FrameSkinned = false;
    }

    if ((Style & WS_CAPTION) != WS_CAPTION)
        FrameType = kNoFrame;
    else if (Style & WS_THICKFRAME)
        FrameType = kSizeable;
    else if (Style & DS_MODALFRAME)
        FrameType = kDialogFrame;
    else
        FrameType = kSingle;
    if (exStyle & WS_EX_DLGMODALFRAME) FrameType = kDialogFrame;
    if (ClassName == "#32770" || ClassName == "TMessageForm") {
        FrameType = kDialogFrame;
        IsDialog = true;
    }

    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    const int major = int(version & 0xFF), minor = int((version >> 8) & 0xFF);
    if (SkinIsNT && major >= 5 && minor == 0 &&
        ((exStyle & WS_EX_APPWINDOW) || (!OwnerWindow && Kind != kMDIChild)))
        Buttons |= kKeepSysMenuStyle;

    UnicodeWindow = IsWindowUnicode(Window);
    if (version & 0x80000000u) {
        TSkinControlTypes kinds = skinData->SkinControls();
        kinds.Exclude(xcSystemMenu);
        skinData->SetSkinControls(kinds);
    }

    if (Kind == kMDIFrame) {
        SavedMenuUpdate = skinData->MenuUpdate();
        clientInstance_ = MakeObjectInstance(TWndMethod(this, &TWinSkinForm::ClientWndProc));
        oldClientProc_ = WNDPROC(SetWindowLongPtr(MDIClientWindow, GWL_WNDPROC, LONG_PTR(clientInstance_)));
    }
    objectInstance_ = MakeObjectInstance(TWndMethod(this, &TWinSkinForm::SkinWndProc));
    oldWndProc_ = WNDPROC(SetWindowLongPtr(Window, GWL_WNDPROC, LONG_PTR(objectInstance_)));
    subclassed_ = true;

    if (FrameSkinned) {
        MenuHandle = GetMenu(Window);
        if (MenuHandle && Kind != kMDIChild) {
            MenuBar = std::make_unique<TWinSkinMenu>(nullptr);
            MenuBar->SkinData = skinData;
            MenuBar->Form = this;
            MenuHeight = GetSystemMetrics(SM_CYMENU);
            if (auto* form = dynamic_cast<TCustomForm*>(Form)) MenuBar->Menu = form->Menu();
            MenuBar->LoadItems();
        }
        LoadCaptionButtons();
    } else {
        State = kSkinned;
    }
    if (Kind == kMDIChild && FrameTop < GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME))
        MenuHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME) - FrameTop;

    if (Kind == kMDIChild && IsZoomed(Window) && !Manager().MaximizedMDIChild) Manager().SetMaximizedMDIChild(true);
}

// Activation: the form skin completes its set-up once the window is shown.
void TWinSkinForm::Activate() {
    Activated = true;
    SystemMenuHandle = GetSystemMenu(Window, FALSE);
    CaptureIcon();
    ReadMetrics();
    if (auto* form = dynamic_cast<TWinControl*>(Form))
        SkinControls(form);
    else
        SkinChildWindows(Window);
    if (State == kAttached) {
        if (Kind == kMDIChild) {
            if (WindowState == kMaximized && Manager().MDIClient) {
                PostMessage(Manager().MDIClient, WM_SKINMDIREDRAW, WPARAM(Window), 0);
            } else if (WindowState == kNormal) {
                State = kResizing;
                ResizeForFrame(false);
                State = kSkinned;
                UpdateRegion();
            }
        } else if (!IsChild && FrameType != kNoFrame && WindowState != kMinimized) {
            State = kResizing;
            ResizeForFrame(false);
            State = kSkinned;
            if (WindowState == kNormal)
                UpdateRegion();
            else
                RefreshFrame();
        }
    }
    NotifySkinned();
    State = kSkinned;
    Timer->SetEnabled(true);
}

// ---- the window procedure -----------------------------------------------------

void TWinSkinForm::CallDefault(TMessage& message) {
    message.Result = UnicodeWindow
                         ? CallWindowProcW(oldWndProc_, Window, message.Msg, message.WParam, message.LParam)
                         : CallWindowProc(oldWndProc_, Window, message.Msg, message.WParam, message.LParam);
}

void TWinSkinForm::CallClientDefault(TMessage& message) {
    message.Result = CallWindowProc(oldClientProc_, MDIClientWindow, message.Msg, message.WParam, message.LParam);
}

void TWinSkinForm::SkinWndProc(TMessage& message) {
    if (SkinStage1(message)) return;
    if (!FrameSkinned) {
        CallDefault(message);
        return;
    }
    if (SkinStage2(message)) return;
    SkinStage3(message);
}

bool TWinSkinForm::SkinStage1(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        if (State != kAttached) return false;
        message.Result = 0;
        return true;
    case WM_ERASEBKGND:
        CallDefault(message);
        if (!Form) {
            RECT client;
            GetClientRect(Window, &client);
            FillRect(HDC(message.WParam), &client, SkinData->FaceBrush());
            message.Result = 1;
        }
        return true;
    case WM_NCDESTROY:
        State = kBeingDestroyed;
        Release();
        CallDefault(message);
        State = kWindowDestroyed;
        return true;
    case WM_NCACTIVATE:
        if (State != kAttached || Kind == kMDIChild) return false;
        message.Result = 0;
        return true;
    case WM_NCUAHDRAWCAPTION:
        message.Result = 0;
        return true;
    case WM_INITMENUPOPUP:
        Manager().MenuKind = HMENU(message.WParam) == SystemMenuHandle ? 2 : 1;
        CallDefault(message);
        return true;
    case WM_CTLCOLORBTN:
        CallDefault(message);
        if (!Form) SetBkMode(HDC(message.WParam), TRANSPARENT);
        return true;
    case WM_CTLCOLORSTATIC:
        CallDefault(message);
        if (!Form) {
            SetBkMode(HDC(message.WParam), TRANSPARENT);
            message.Result = LRESULT(SkinData->FaceBrush());
        }
        return true;
    case WM_SKINSTART:
        Activate();
        return true;
    case WM_SKINQUERY:
        message.Result = 1;
        PostMessage(Window, WM_SKINNOTICE, 0, kSkinMagic);
        return true;
    default:
        return false;
    }
}

bool TWinSkinForm::SkinStage2(TMessage& message) {
    if ((Style & WS_CHILD) && Kind != kMDIChild) {
        CallDefault(message);
        return true;
    }
    switch (message.Msg) {
    case WM_SIZE:
        WMSize(message);
        return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        Active = (message.WParam & 0xFF) != 0;
        return false;
    case WM_GETMINMAXINFO:
        CallDefault(message);
        ReadWindowState();
        return true;
    case WM_WINDOWPOSCHANGED:
        ReadWindowState();
        CallDefault(message);
        return true;
    case WM_COMMAND: {
        const UINT id = LOWORD(message.WParam);
        if (IsSystemCommand(id))
            PostMessage(Window, WM_SYSCOMMAND, id, 0);
        else
            CallDefault(message);
        return true;
    }
    case WM_SETICON:
        CallDefault(message);
        CaptureIcon();
        return true;
    case WM_SYSCOMMAND:
        WMSysCommand(message);
        return true;
    case WM_SKINOPENMENU: {
        const POINT point = ScreenToFrame(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
        if (!CaptionButtonAt(point) && MenuBar) DropDown(MenuBar->ButtonAt(point));
        message.Result = 0;
        return true;
    }
    case CM_MENUCHANGED: {
        const bool painting = SkinData->FramePainting();
        SkinData->SetFramePainting(false);
        CallDefault(message);
        SkinData->SetFramePainting(painting);
        if (const HMENU menu = GetMenu(Window)) {
            if (MenuBar) {
                MenuBar->MenuHandle = menu;
                if (SkinData->MenuUpdate()) MenuBar->LoadItems();
            }
            SetMenu(Window, 0);
        }
        return true;
    }
    default:
        return false;
    }
}

void TWinSkinForm::SkinStage3(TMessage& message) {
    const bool maximizedChild = Kind == kMDIChild && WindowState == kMaximized;
    if (State == kAttached || maximizedChild) {
        CallDefault(message);
        return;
    }
    switch (message.Msg) {
    case WM_NCACTIVATE:
        WMNCActivate(message);
        return;
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        return;
    case WM_NCHITTEST:
        WMNCHitTest(message);
        return;
    case WM_NCPAINT:
        WMNCPaint(message);
        return;
    case WM_SKINNCPAINT:
        PaintFrame();
        return;
    case WM_MEASUREITEM:
        WMMeasureItem(message);
        return;
    case WM_DRAWITEM:
        WMDrawItem(message);
        return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        if (!NonClientMouse(message)) CallDefault(message);
        return;
    default:
        CallDefault(message);
        return;
    }
}

void TWinSkinForm::WMSize(TMessage& message) {
    CallDefault(message);
    switch (message.WParam) {
    case SIZE_RESTORED: WindowState = kNormal; break;
    case SIZE_MINIMIZED: WindowState = kMinimized; break;
    case SIZE_MAXIMIZED: WindowState = kMaximized; break;
    default: break;
    }
    if (WindowState == kMinimized) return;
    if (Kind == kMDIChild && (Manager().MaximizedMDIChild || WindowState != kNormal)) return;
    if (State == kSkinned || State == kRefreshing) UpdateRegion();
}

void TWinSkinForm::WMNCActivate(TMessage& message) {
    Active = message.WParam != 0;
    Timer->SetEnabled(Active);
    if (Kind == kMDIFrame && MDIClientWindow)
        SendMessage(MDIClientWindow, WM_NCACTIVATE, message.WParam, 0);
    else if (Kind == kMDIChild)
        CallDefault(message);
    if (!(Kind == kMDIChild && WindowState == kMaximized)) PaintFrame();
    message.Result = 1;
}

void TWinSkinForm::WMSysCommand(TMessage& message) {
    const UINT command = UINT(message.WParam) & 0xFFF0;
    if (!Tracking && command == SC_KEYMENU) {
        if (message.LParam != ' ' && message.LParam != '-' && !GetCapture()) {
            // Alt alone or F10 opens the menu bar's first drop-down, Alt+letter
            // the matching one; a window without a skinned menu bar opens nothing.
            TMenuBtn* button = nullptr;
            if (message.LParam != 0)
                button = MenuButtonForKey(Word(message.LParam));
            else if (MenuBar && !MenuBar->Buttons.empty())
                button = MenuBar->Buttons.front().get();
            if (message.LParam == 0 || button) {
                if (button) DropDown(button);
                message.Result = 1;
                return;
            }
        } else if (message.LParam == ' ') {
            RECT client;
            GetClientRect(Window, &client);
            POINT corner{client.left, client.top};
            ClientToScreen(Window, &corner);
            ShowSystemMenu(corner);
            message.Result = 0;
            return;
        }
    }
    switch (command) {
    case SC_MINIMIZE: WindowState = kMinimized; break;
    case SC_MAXIMIZE: WindowState = kMaximized; break;
    case SC_RESTORE:
        WindowState = kNormal;
        if (Kind == kMDIChild && Manager().MaximizedMDIChild) Manager().SetMaximizedMDIChild(false);
        break;
    default: break;
    }
    CallDefault(message);
}

POINT TWinSkinForm::ScreenToFrame(POINT point) const {
    ScreenToClient(Window, &point);
    if (!(Kind == kMDIChild && WindowState == kMinimized)) {
        point.x += FrameLeft;
        point.y += FrameTop + MenuHeight;
    }
    return point;
}

TWinSysButton* TWinSkinForm::CaptionButtonAt(POINT framePoint) const {
    for (const auto& button : CaptionButtons)
        if (button->Visible && button->Element->Action >= 0 && PtInRect(&button->Rect, framePoint))
            return button.get();
    return nullptr;
}

bool TWinSkinForm::NonClientMouse(TMessage& message) {
    const POINT screen{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    const POINT point = ScreenToFrame(screen);
    TWinSysButton* captionButton = CaptionButtonAt(point);
    TMenuBtn* menuButton = !captionButton && MenuBar ? MenuBar->ButtonAt(point) : nullptr;
    TNCObject* element = captionButton ? static_cast<TNCObject*>(captionButton) : menuButton;
    switch (message.Msg) {
    case WM_NCMOUSEMOVE:
        if (!Active) return true;
        if (element) {
            element->MouseMove();
            message.Result = 0;
            return true;
        }
        if (HotButton) HotButton->MouseLeave();
        HotButton = nullptr;
        return false;
    case WM_NCLBUTTONDOWN:
        if (element) {
            if (!Active) SetForegroundWindow(Window);
            element->MouseDown();
            if (menuButton) {
                DropDown(menuButton);
                HotButton = menuButton;
            }
            message.Result = 0;
            return true;
        }
        if (WindowState == kMaximized && Active && message.WParam == HTCAPTION) message.WParam = HTMENU;
        return false;
    case WM_NCLBUTTONUP:
        if (element) {
            if (captionButton && captionButton == HotButton) {
                captionButton->MouseUp();
                CaptionButtonClick(screen);
            }
            message.Result = 0;
            return true;
        }
        return false;
    case WM_NCLBUTTONDBLCLK:
        if (captionButton) {
            if (IsIconAction(captionButton->Element->Action)) {
                Timer->SetEnabled(false);
                PostMessage(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return true;
        }
        if (WindowState != kNormal) {
            DoRestore();
            return true;
        }
        if (Buttons & kMaximizeBox) {
            ToggleMaximize();
            return true;
        }
        return false;
    case WM_NCRBUTTONDOWN:
        if (message.WParam != HTCAPTION || Kind == kMDIChild) return false;
        ShowSystemMenu(screen);
        message.Result = 0;
        return true;
    default:
        return false;
    }
}

// ---- window states --------------------------------------------------------------

void TWinSkinForm::ToggleMaximize() {
    if (WindowState == kMaximized) {
        DoRestore();
        return;
    }
    if (Kind == kMDIChild) Manager().SetMaximizedMDIChild(true);
    WindowState = kMaximized;
    PostMessage(Window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    HotButton = nullptr;
}

void TWinSkinForm::DoRestore() {
    WindowState = kNormal;
    PostMessage(Window, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMinimize() {
    if (WindowState == kMinimized) {
        DoRestore();
        return;
    }
    WindowState = kMinimized;
    SetSysMenuStyle(false);
    PostMessage(Window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::SendToActiveChild(UINT command) {
    if (Kind != kMDIFrame || !MDIClientWindow) return;
    if (const HWND child = HWND(SendMessage(MDIClientWindow, WM_MDIGETACTIVE, 0, 0)))
        SendMessage(child, WM_SYSCOMMAND, command, 0);
}

bool TWinSkinForm::HasMaximizedChild() const {
    if (Kind != kMDIFrame || !MDIClientWindow) return false;
    BOOL maximized = FALSE;
    const HWND child = HWND(SendMessage(MDIClientWindow, WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
    return child && maximized;
}

void TWinSkinForm::ReadMetrics() {
    RECT client, window;
    GetClientRect(Window, &client);
    GetWindowRect(Window, &window);
    ClientRect = TRect(client.left, client.top, client.right, client.bottom);
    NativeFrame = TRect(0, 0, (window.right - window.left) - (client.right - client.left),
                        (window.bottom - window.top) - (client.bottom - client.top));
}

void TWinSkinForm::ReadWindowState() {
    WINDOWPLACEMENT placement;
    GetWindowPlacement(Window, &placement);
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED: case SW_MINIMIZE: case SW_SHOWMINNOACTIVE: WindowState = kMinimized; break;
    case SW_SHOWMAXIMIZED: WindowState = kMaximized; break;
    default: WindowState = kNormal; break;
    }
}

void TWinSkinForm::FindMDIClient() {
    Kind = kOrdinary;
    for (HWND child = GetTopWindow(Window); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassNameOf(child) != "MDIClient") continue;
        Kind = kMDIFrame;
        MDIClientWindow = child;
        Manager().MDIClient = child;
        Manager().MDIFrame = Form;
        return;
    }
}

void TWinSkinForm::NotifySkinned() {
    SendMessage(Window, WM_SKINNOTICE, 0, kSkinMagic);
    if (SkinData->OnAfterSkinForm()) SkinData->OnAfterSkinForm()(Form, Window, ClassNameText);
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
    if (Buttons & kKeepSysMenuStyle) return;
    Style = GetWindowLong(Window, GWL_STYLE);
    if (remove)
        Style &= ~LONG(WS_SYSMENU);
    else if (SystemMenuHandle)
        Style |= WS_SYSMENU;
    SetWindowLong(Window, GWL_STYLE, Style);
}

void TWinSkinForm::RefreshFrame() {
    SetWindowPos(Window, 0, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::Repaint() {
    InvalidateRect(Window, nullptr, TRUE);
    UpdateWindow(Window);
}

// ---- the form's and the client's hooks ---------------------------------------

void TWinSkinForm::FormWndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT:
        savedWindowProc_(message);
        if (IsWindowVisible(Window)) {
            if (WindowState == kMaximized && Manager().MDIClient)
                PostMessage(Manager().MDIClient, WM_SKINMDIREDRAW, WPARAM(Window), 0);
            if (WindowState == kMinimized)
                PaintFrame();
            else
                RefreshFrame();
        }
        return;
    case WM_SKINREFRESH:
        Refresh();
        return;
    case WM_SKINREATTACH:
        ResetScrollPainter(HWND(message.WParam));
        return;
    case CM_DIALOGKEY:
        DialogKey(message);
        return;
    case WM_SKINPAINTBORDER:
        if (message.LParam != kSkinMagic) return;
        if (message.WParam) PaintFrame(HDC(message.WParam));
        message.Result = kSkinMagic;
        return;
    case WM_SKINPROBE:
        message.Result = message.LParam == kSkinMagic ? kSkinMagic : 1;
        return;
    default:
        savedWindowProc_(message);
        return;
    }
}

void TWinSkinForm::DialogKey(TMessage& message) {
    savedWindowProc_(message);
    if (message.Result != 0) return;
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const bool altOnly = (keys[VK_MENU] & 0x80) && !(keys[VK_SHIFT] & 0x80) && !(keys[VK_CONTROL] & 0x80);
    if (altOnly) {
        if (TMenuBtn* button = MenuButtonForKey(Word(message.WParam))) {
            POINT corner{button->Rect.left + 1, button->Rect.top + 1};
            RECT window;
            GetWindowRect(Window, &window);
            PostMessage(Window, WM_NCLBUTTONDOWN, 1, MAKELPARAM(window.left + corner.x, window.top + corner.y));
            message.Result = 1;
            return;
        }
    }
    if (Kind == kMDIChild) {
        if (Manager().MDIFrame && Manager().MDIFrame->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0)
            return;
    } else if (auto* form = dynamic_cast<TCustomForm*>(Form)) {
        TForm* mainForm = Application ? Application->MainForm() : nullptr;
        if (mainForm && form != mainForm && !form->FormState().Contains(fsModal))
            mainForm->Perform(CM_DIALOGKEY, message.WParam, message.LParam);
    }
    message.Result = 0;
}

void TWinSkinForm::ClientWndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCDESTROY:
        CallClientDefault(message);
        UnhookClient();
        return;
    case WM_NCCALCSIZE:
        if (FrameSkinned && !SkinData->Options().Contains(xoMDIScrollbar)) {
            const LONG style = GetWindowLong(MDIClientWindow, GWL_STYLE);
            SetWindowLong(MDIClientWindow, GWL_STYLE, style & ~LONG(WS_HSCROLL | WS_VSCROLL));
        }
        CallClientDefault(message);
        return;
    case WM_MDICREATE:
        SkinData->SetMenuUpdate(false);
        CallClientDefault(message);
        return;
    case WM_MDIDESTROY:
        CallClientDefault(message);
        if (FrameSkinned) {
            Manager().SetMaximizedMDIChild(HasMaximizedChild());
            if (!SendMessage(MDIClientWindow, WM_MDIGETACTIVE, 0, 0) && MenuBar) {
                SkinData->SetMenuUpdate(SavedMenuUpdate);
                MenuBar->LoadItems();
            }
        }
        return;
    case WM_MDISETMENU:
        CallClientDefault(message);
        if (FrameSkinned) {
            if (message.WParam && MenuBar) MenuBar->LoadMDIItems();
            SetMenu(Window, 0);
        }
        return;
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (FrameSkinned && Manager().MaximizedMDIChild) Manager().SetMaximizedMDIChild(false);
        CallClientDefault(message);
        return;
    case WM_SKINMDIREDRAW:
        RedrawWindow(Window, nullptr, 0,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    default:
        CallClientDefault(message);
        return;
    }
}

// ---- refresh, restore, release --------------------------------------------------

void TWinSkinForm::Refresh() {
    if (Form) {
        const TColor face = SkinData->Colour(TSkinData::kButtonFaceIndex);
        Form->SetColor(face);
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (auto* owned = dynamic_cast<TCustomForm*>(Form->Components(i))) owned->SetColor(face);
    }
    for (TSkinControl* painter : Painters) painter->SkinChanged();
    State = kRefreshing;
    if (FrameSkinned && Form) {
        SetPopupMenusOwnerDraw(Form, true);
        ResizeForFrame(true);
        Form->SetHeight(Form->Height() + 1);
        Form->SetHeight(Form->Height() - 1);
    }
    NotifySkinned();
    State = kSkinned;
}

void TWinSkinForm::ResizeForFrame(bool useCurrentClient) {
    if (WindowState == kMaximized) {
        RefreshFrame();
        return;
    }
    RECT window, client;
    GetWindowRect(Window, &window);
    GetClientRect(Window, &client);
    if (IsDialog || State == kRefreshing) ClientRect = client;
    int width = ClientRect.right + FrameLeft + FrameRight;
    if (useCurrentClient) {
        ClientRect = client;
    } else if (Form) {
        width = Form->ClientWidth() + FrameLeft + FrameRight;
        ClientRect.bottom = Kind == kMDIChild ? Form->ClientHeight() : Form->ClientHeight() - MenuHeight;
    }
    const int height = ClientRect.bottom + FrameTop + FrameBottom + MenuHeight;
    if (IsDialog && !useCurrentClient) {
        TDataSkinTitle* title = SkinData->Title();
        char text[1000] = {};
        SendMessage(Window, WM_GETTEXT, sizeof text, LPARAM(text));
        TBitmap measure;
        measure.SetSize(1, 1);
        if (CaptionFont()) measure.Canvas()->Font()->Assign(CaptionFont());
        const int titleWidth = measure.Canvas()->TextWidth(text);
        const int needed = title->LeftWidth + titleWidth + title->RightWidth;
        if (width < needed) {
            const int shift = (needed - width) / 2;
            for (HWND child = GetTopWindow(Window); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r;
                GetWindowRect(child, &r);
                POINT corner{r.left, r.top};
                ScreenToClient(Window, &corner);
                SetWindowPos(child, 0, corner.x + shift, corner.y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
            }
            width = needed;
        }
    }
    SetWindowPos(Window, 0, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The form's procedure is put back before anything of the skin is freed.
void TWinSkinForm::UnhookWindow() {
    UnhookForm();
    FreePainters();
    if (!subclassed_) return;
    if (IsWindow(Window) && WNDPROC(GetWindowLongPtr(Window, GWL_WNDPROC)) == objectInstance_)
        SetWindowLongPtr(Window, GWL_WNDPROC, LONG_PTR(oldWndProc_));
    subclassed_ = false;
}

// A hook set on the form after ours stays in place; our copy in its chain
// then passes messages straight on.
void TWinSkinForm::UnhookForm() {
    if (!formLink_) return;
    *formLink_ = nullptr;
    if (Form && Form->WindowProc() == formHook_) Form->SetWindowProc(savedWindowProc_);
    formLink_.reset();
    formHook_ = TWndMethod();
    savedWindowProc_ = TWndMethod();
}

void TWinSkinForm::UnhookClient() {
    if (!clientInstance_ || !MDIClientWindow) return;
    if (IsWindow(MDIClientWindow) && WNDPROC(GetWindowLongPtr(MDIClientWindow, GWL_WNDPROC)) == clientInstance_)
        SetWindowLongPtr(MDIClientWindow, GWL_WNDPROC, LONG_PTR(oldClientProc_));
    MDIClientWindow = 0;
}

void TWinSkinForm::Restore() {
    if (!FrameSkinned) {
        Unhook();
        return;
    }
    SystemMenu.reset();
    if (Timer) Timer->SetEnabled(false);
    UnhookWindow();
    if (Form) {
        SetPopupMenusOwnerDraw(Form, false);
        if (SkinData->SkinControls().Contains(xcMenuItem)) SetMainMenuOwnerDraw(Form, false);
        if (State != kBeingDestroyed) Form->SetColor(SavedColor);
    }
    SetSysMenuStyle(false);
    if (MenuBar) {
        SetMenu(Window, MenuBar->MenuHandle);
        MenuBar.reset();
    }
    UnhookClient();
    if (State != kBeingDestroyed && (!IsChild || Kind == kMDIChild)) {
        RECT window;
        GetWindowRect(Window, &window);
        POINT corner{window.left, window.top};
        if (Kind == kMDIChild && Manager().MDIClient) ScreenToClient(Manager().MDIClient, &corner);
        const int width = window.right - window.left + NativeFrame.right - FrameLeft - FrameRight;
        const int height = window.bottom - window.top + NativeFrame.bottom - FrameTop - FrameBottom;
        SetWindowPos(Window, 0, corner.x, corner.y, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    SetWindowRgn(Window, 0, TRUE);
    Region = 0;
    HasRegion = false;
}

void TWinSkinForm::Release() {
    if (!FrameSkinned) {
        Unhook();
        return;
    }
    SystemMenu.reset();
    if (Timer) Timer->SetEnabled(false);
    UnhookWindow();
    MenuBar.reset();
}

void TWinSkinForm::Unhook() {
    if (Timer) Timer->SetEnabled(false);
    if (Form) {
        SetPopupMenusOwnerDraw(Form, false);
        if (SkinData->SkinControls().Contains(xcMenuItem)) SetMainMenuOwnerDraw(Form, false);
        if (State != kBeingDestroyed) Form->SetColor(SavedColor);
    }
    UnhookWindow();
    UnhookClient();
    if (Form && State != kBeingDestroyed) {
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (auto* control = dynamic_cast<TControl*>(Form->Components(i))) control->Invalidate();
    }
}

// ---- the menu bar's drop-downs --------------------------------------------------------

bool TWinSkinForm::DropDown(TMenuBtn* button) {
    if (!button) return false;
    PostMessage(Window, WM_COMMAND, button->Command, 0);
    if (!button->SubMenu) return false;
    RECT window;
    GetWindowRect(Window, &window);
    WindowRect = window;
    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    if (!(SkinIsNT && (version & 0xFF) < 5)) AddOwnerDraw(button->SubMenu);
    Tracking = true;
    POINT corner{window.left + (RightToLeft ? button->Rect.right : button->Rect.left),
                 window.top + button->Rect.bottom};
    Manager().MenuKind = 1;
    DroppedMenu = button->SubMenu;
    StartMenuTracking(this, button->Index);
    if (button->ItemEnabled)
        TrackPopupMenu(button->SubMenu, TPM_RIGHTBUTTON | TPM_NONOTIFY | (RightToLeft ? TPM_RIGHTALIGN : 0), corner.x,
                       corner.y, 0, Window, nullptr);
    EndMenuTracking();
    Tracking = false;
    if (HotButton == button) button->MouseLeave();
    return true;
}

void TWinSkinForm::ClickMenuButton(TMenuBtn* button) {
    RECT window;
    GetWindowRect(Window, &window);
    PostMessage(Window, WM_NCLBUTTONDOWN, 1,
                MAKELPARAM(window.left + button->Rect.left + 1, window.top + button->Rect.top + 1));
}

TMenuBtn* TWinSkinForm::MenuButtonForKey(Word key) const {
    if (!MenuBar) return nullptr;
    for (const auto& button : MenuBar->Buttons)
        if (button->ItemEnabled && button->Visible && IsAccel(key, WideToAnsi(button->Caption))) return button.get();
    return nullptr;
}

void TWinSkinForm::FormTimer(TObject*) {
    if (Tracking || !HotButton) return;
    POINT cursor;
    GetCursorPos(&cursor);
    const POINT point = ScreenToFrame(cursor);
    if (!PtInRect(&HotButton->Rect, point)) {
        HotButton->MouseLeave();
        HotButton = nullptr;
    }
}

// ---- the system menu ------------------------------------------------------------

void TWinSkinForm::ShowSystemMenu(TPoint point) {
    const DWORD now = GetTickCount();
    if (now - LastMenuClick > DoubleClickTime) {
        Manager().MenuKind = 2;
        LastMenuClick = now;
        BuildSystemMenu();
        if (SystemMenu) SystemMenu->Popup(point.x, point.y);
    } else if (HotButton) {
        Timer->SetEnabled(false);
        PostMessage(Window, WM_CLOSE, 0, 0);
    }
}

TMenuItem* TWinSkinForm::AddSystemMenuItem(const AnsiString& caption, Integer tag, Integer image,
                                           TNotifyEvent onClick) {
    TMenuItem* item = TMenuItem::Create(SystemMenu.get());
    item->SetCaption(caption);
    item->SetTag(tag);
    item->SetImageIndex(image);
    item->SetOnClick(std::move(onClick));
    item->SetOnDrawItem(TMenuDrawItemEvent(this, &TWinSkinForm::DrawMenuItem));
    item->SetOnMeasureItem(TMenuMeasureItemEvent(this, &TWinSkinForm::MeasurePopupItem));
    SystemMenu->Items()->Add(item);
    return item;
}

void TWinSkinForm::BuildSystemMenu() {
    SystemMenu.reset();
    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    if (SkinIsNT && (version & 0xFF) < 5) {
        BuildFixedSystemMenu();
        return;
    }
    if (!SystemMenuHandle) return;
    SystemMenu.reset(TPopupMenu::Create(nullptr));
    SystemMenu->SetTag(kSystemMenuTag);
    SystemMenu->SetOwnerDraw(true);
    SystemMenu->SetImages(SkinData->MenuGlyphs());
    const int count = GetMenuItemCount(SystemMenuHandle);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFO info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        if (!GetMenuItemInfo(SystemMenuHandle, UINT(i), TRUE, &info)) continue;
        int image = -1;
        bool enabled = true;
        switch (info.wID) {
        case SC_SIZE: case SC_MOVE: enabled = WindowState != kMaximized; break;
        case SC_MINIMIZE: image = 2; enabled = WindowState != kMinimized && (Buttons & kMinimizeBox); break;
        case SC_MAXIMIZE: image = 1; enabled = WindowState != kMaximized && (Buttons & kMaximizeBox); break;
        case SC_CLOSE: image = 3; break;
        case SC_RESTORE: image = 0; enabled = WindowState != kNormal; break;
        default: break;
        }
        TMenuItem* item = AddSystemMenuItem(text[0] ? AnsiString(text) : AnsiString("-"), Integer(info.wID), image,
                                            TNotifyEvent(this, &TWinSkinForm::SystemMenuClick));
        if (info.fState == (MFS_DISABLED | MFS_GRAYED)) enabled = false;
        item->SetEnabled(enabled);
        if (info.fState & MFS_CHECKED) item->SetChecked(true);
    }
}

void TWinSkinForm::BuildFixedSystemMenu() {
    SystemMenu.reset(TPopupMenu::Create(nullptr));
    SystemMenu->SetTag(kSystemMenuTag);
    SystemMenu->SetOwnerDraw(true);
    SystemMenu->SetImages(SkinData->MenuGlyphs());
    const TNotifyEvent click(this, &TWinSkinForm::FixedSystemMenuClick);
    AddSystemMenuItem(" Restore ", 0, 0, click);
    if (Buttons & kMaximizeBox) AddSystemMenuItem(" Maximize ", 1, 1, click);
    if (Buttons & kMinimizeBox) AddSystemMenuItem(" Minimize ", 2, 2, click);
    AddSystemMenuItem("-", 100, 100, click);
    AddSystemMenuItem(" Close ", 3, 3, click)->SetShortCut(TextToShortCut("ALT+F4"));
}

void TWinSkinForm::SystemMenuClick(TObject* sender) {
    if (auto* item = dynamic_cast<TMenuItem*>(sender)) PostMessage(Window, WM_SYSCOMMAND, WPARAM(item->Tag()), 0);
}

void TWinSkinForm::FixedSystemMenuClick(TObject* sender) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item) return;
    switch (item->Tag()) {
    case 0: DoRestore(); break;
    case 1: ToggleMaximize(); break;
    case 2: ToggleMinimize(); break;
    case 3:
        Timer->SetEnabled(false);
        PostMessage(Window, WM_CLOSE, 0, 0);
        break;
    default: break;
    }
}

bool TWinSkinForm::HasSystemClose() const {
    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    if ((SkinIsNT && (version & 0xFF) < 5) || (version & 0x80000000u)) return true;
    MENUITEMINFO info;
    info.fMask = MIIM_ID;
    return SystemMenuHandle && GetMenuItemInfo(SystemMenuHandle, SC_CLOSE, FALSE, &info);
}
