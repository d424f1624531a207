// TWinSkinForm: the skin of one top-level window. It subclasses the window
// (and hooks a class-library form's WindowProc) so that it sees every
// message first, follows the window's state, shows the skinned copy of the
// system menu and gives the window back when it is unskinned.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/ui/controls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/menus.h"
#include "skin/WinSkinData.h"
#include "skin/WinSkinMenu.h"

class TSkinControl;

// The form skin's own messages.
constexpr UINT WM_SKINNCPAINT = 0x3502, WM_SKINBUTTONCLICK = 0x3514, WM_SKINBUTTONVISIBLE = 0x3515,
               WM_SKINMDIREDRAW = 0x3516, WM_SKINREATTACH = 0x3517, WM_SKINOPENMENU = 0x3518,
               WM_SKINREFRESH = 0x3401, WM_SKINPAINTBORDER = 0xBC4B, WM_SKINPROBE = 0xBC4D,
               WM_SKINNOTICE = 0xBC4E;
// The value the border-painting and probe messages carry and answer.
constexpr LPARAM kSkinMagic = 0x41A2;
// The skinned system menu's Tag.
constexpr Integer kSystemMenuTag = 33333;

// One caption button of one window, showing a caption-button element.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm* form, TDataSkinSysButton* element) : TNCObject(form), Element(element) {}
    void Paint() override;

    TDataSkinSysButton* Element;
};

class TWinSkinForm : public TComponent {
    SERVIORA_CLASS(TWinSkinForm, TComponent)
public:
    // State
    static constexpr int kAttached = 0, kSkinned = 1, kRefreshing = 3, kBeingDestroyed = 4, kResizing = 5,
                         kWindowDestroyed = 6;
    // Kind
    static constexpr int kOrdinary = 0, kMDIFrame = 1, kMDIChild = 2;
    // FrameType
    static constexpr int kSizeable = 0, kSingle = 1, kNoFrame = 2, kDialogFrame = 3;
    // WindowState
    static constexpr int kNormal = 0, kMaximized = 1, kMinimized = 2;
    // Buttons
    static constexpr int kMaximizeBox = 1, kMinimizeBox = 2, kContextHelp = 4, kSystemMenuBox = 8,
                         kKeepSysMenuStyle = 16;

    explicit TWinSkinForm(TComponent* owner);
    ~TWinSkinForm() override;

    void AttachForm(TSkinData* skinData, TControl* form);
    void AttachWindow(TSkinData* skinData);

    void SkinWndProc(TMessage& message);
    void FormWndProc(TMessage& message);
    void ClientWndProc(TMessage& message);
    void CallDefault(TMessage& message);
    void CallClientDefault(TMessage& message);

    void Restore();
    void Release();
    void Unhook();
    void Refresh();
    void RefreshFrame();
    void Repaint();
    void ReadMetrics();
    void ReadWindowState();
    void FindMDIClient();
    void NotifySkinned();
    void SetSysMenuStyle(bool remove);

    void ToggleMaximize();
    void DoRestore();
    void ToggleMinimize();
    void SendToActiveChild(UINT command);
    bool HasMaximizedChild() const;

    void ShowSystemMenu(TPoint point);
    void BuildSystemMenu();
    void BuildFixedSystemMenu();
    bool HasSystemClose() const;
    POINT ScreenToFrame(POINT point) const;
    TWinSysButton* CaptionButtonAt(POINT framePoint) const;
    void ResizeForFrame(bool useCurrentClient);

    // ---- the skinned frame ----
    void LoadCaptionButtons();
    void FreeCaptionButtons();
    void CaptureIcon();
    void DrawWindowIcon(HDC dc, const TRect& rect);
    // Paints borders, title bar and menu bar into DC (the window's DC when 0).
    void PaintFrame(HDC dc = 0);
    void PaintTitleBar(HDC dc);
    void PaintTitle(TCanvas* canvas, const TRect& rect);
    void DrawFrameBorder(int index, const TRect& rect, HDC dc);
    void LayoutCaptionButtons();
    void PaintCaptionButtons(TCanvas* canvas);
    bool IsCaptionButtonVisible(int index);
    void CaptionButtonClick(POINT point);
    void UpdateRegion();
    void RemoveRegion();

    // ---- skinned menu items ----
    void SetPopupMenusOwnerDraw(TComponent* owner, bool value);
    void SetMainMenuOwnerDraw(TComponent* owner, bool value);
    void MeasureItem(TMenuItem* item, TCanvas* canvas, int& width, int& height);
    void MeasurePopupItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawMenuItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected);
    void DrawRawItem(HMENU menu, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected);
    void DrawPlainItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected);
    void DrawSeparator(TCanvas* canvas, const TRect& rect);
    void LayoutItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected);
    // Measures (DT_CALCRECT) or draws Text in Rect.
    void DrawItemText(TMenuItem* item, TCanvas* canvas, WideString text, TRect& rect, bool selected, UINT flags);
    // A temporary item standing for a raw menu's item.
    std::unique_ptr<TMenuItem> MenuItemFromHandle(HMENU menu, UINT id);

    // ---- the skinned menu bar ----
    bool DropDown(TMenuBtn* button);
    void ClickMenuButton(TMenuBtn* button);
    TMenuBtn* MenuButtonForKey(Word key) const;
    void EndTracking() { Tracking = false; }

    // ---- the control painters ----
    void SkinControls(TWinControl* form);
    void SkinComponents(TComponent* owner);
    void SkinChildren(TWinControl* parent);
    void SkinControl(TControl* control, TWinControl* parent);
    // True when the class is listed in the skin's Skin3rd, painted or not.
    bool SkinOtherLibrary(const AnsiString& className, TControl* control);
    void SkinChildWindows(HWND window);
    void SkinChildWindow(HWND window);
    // True when the painter was listed already.
    bool AddPainter(TSkinControl* painter);
    void RemovePainter(TSkinControl* painter);
    TSkinControl* FindPainter(HWND window) const;
    // A scrolled control re-created its window: its painter is made again.
    void ResetScrollPainter(HWND window);
    void FreeDestroyedPainters();
    void FreePainters();
    bool IsControlSkinned(TControl* control) const;

    // ---- fields ----
    std::vector<TSkinControl*> Painters;
    std::unique_ptr<TCanvas> SharedCanvas;
    TFont* CaptionFont() const { return captionFont_.get(); }
    bool Activated = false;
    std::unique_ptr<TTimer> Timer;
    WideString TitlePrefix = u"  ", TitleSuffix = u" ";
    AnsiString ClassName;
    bool SavedMenuUpdate = false;
    bool FrameSkinned = false;
    TRect ClientRect;
    DWORD LastMenuClick = 0;
    UINT DoubleClickTime = 0;
    HWND OwnerWindow = 0;
    HICON Icon = 0;
    int IconSize = 0;
    int FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
    TRect NativeFrame;
    int MenuHeight = 0;
    bool Tracking = false;
    bool RightToLeft = false;
    bool Sizeable = false;
    bool UnicodeWindow = false;
    bool IsDialog = false;
    bool IsChild = false;
    std::unique_ptr<TPopupMenu> SystemMenu;
    HWND MDIClientWindow = 0;
    HMENU MenuHandle = 0;
    HMENU SystemMenuHandle = 0;
    TColor SavedColor = clBtnFace;
    LONG Style = 0;
    TNCObject* HotButton = nullptr;
    HMENU DroppedMenu = 0;
    int RightButtonsWidth = 0;
    TRect TitleTextRect{};
    TRect WindowRect{};
    SIZE FrameSize{};
    SIZE RegionSize{};
    HRGN Region = 0;
    std::unique_ptr<TBitmap> IconBitmap;
    std::unique_ptr<TBitmap> TitleBitmap;
    std::unique_ptr<TWinSkinMenu> MenuBar;
    std::vector<std::unique_ptr<TWinSysButton>> CaptionButtons;
    bool HasRegion = false;
    TControl* Form = nullptr;
    HWND Window = 0;
    TSkinData* SkinData = nullptr;
    bool Active = true;
    int Kind = kOrdinary;
    int FrameType = kSizeable;
    int Buttons = 0;
    int WindowState = kNormal;
    int State = kAttached;
    AnsiString ClassNameText;

private:
    void MakeCaptionFont();
    void Activate();
    bool SkinStage1(TMessage& message);
    bool SkinStage2(TMessage& message);
    void SkinStage3(TMessage& message);
    void WMSize(TMessage& message);
    void WMNCCalcSize(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMMeasureItem(TMessage& message);
    void WMDrawItem(TMessage& message);
    // The item's background over the frame image of the pop-up window that
    // shows Menu (or the Menu colour), then the MenuItem cell and the item.
    void DrawSkinnedItem(HMENU menu, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected,
                         bool separatorFromSkin);
    // The border element of Index (1 left, 2 right, 3 top, 4 bottom).
    TDataSkinBorder* Border(int index) const;
    void WMNCActivate(TMessage& message);
    void WMSysCommand(TMessage& message);
    bool NonClientMouse(TMessage& message);
    void DialogKey(TMessage& message);
    void FormTimer(TObject* sender);
    void UnhookWindow();
    void UnhookForm();
    void UnhookClient();
    void SystemMenuClick(TObject* sender);
    void FixedSystemMenuClick(TObject* sender);
    TMenuItem* AddSystemMenuItem(const AnsiString& caption, Integer tag, Integer image, TNotifyEvent onClick);

    std::unique_ptr<TFont> captionFont_;
    TWndMethod savedWindowProc_;
    // The form's WindowProc hook passes messages to the skin through this
    // link while the skin is attached, and straight to the saved procedure
    // after: a hook set on top of ours keeps a copy of it, which must never
    // reach a freed skin.
    std::shared_ptr<TWinSkinForm*> formLink_;
    TWndMethod formHook_;
    WNDPROC oldWndProc_;
    WNDPROC objectInstance_;
    WNDPROC oldClientProc_;
    WNDPROC clientInstance_;
    bool subclassed_ = false;
};
