// TSkinManage: the program's one skin driver. It watches window creation,
// destruction and activation on the user-interface thread, decides which
// top-level windows and pop-up menu windows get a skin, and runs the skin
// components' skin, unskin and refresh requests from a one-shot timer.
#pragma once

#include <vector>

#include "platform/rtl/object.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/win/winmenu.h"
#include "skin/WinSkinData.h"

class TWinSkinForm;
class TWinSkinPopMenu;

// Answered 1 by every window that already carries a skin object.
constexpr UINT WM_SKINQUERY = 0x3523;
// Posted to a window just given a form skin: it completes its set-up.
constexpr UINT WM_SKINSTART = 0x3503;

class TSkinManage : public TObject {
    SERVIORA_CLASS(TSkinManage, TObject)
public:
    // The commands a skin component queues.
    static constexpr int kSkinAll = 1, kUnskinAll = 2, kRefresh = 3;

    TSkinManage();
    ~TSkinManage() override;

    void InstallHook();
    void AddSkinData(TSkinData* skinData);
    void RemoveSkinData(TSkinData* skinData);
    // Attaches a form skin when the window qualifies; True when one was.
    bool SkinWindow(HWND handle);
    void SkinForm(TCustomForm* form);
    TSkinData* FindSkinData(HWND handle) const;
    bool ShouldSkinWindow(HWND handle, const AnsiString& className) const;
    TWinSkinForm* FindForm(HWND handle) const;
    TControl* FormOfWindow(HWND handle) const;
    // Forgets the window's form skin without freeing it (its destructor calls this).
    void RemoveForm(HWND handle);
    // Frees the form skins whose windows are gone.
    void PurgeForms();
    // Gives every window procedure back and frees the form skins.
    void ReleaseAll();

    void SkinPopupMenu(HWND handle);
    bool ReleasePopupMenu(HWND handle);
    bool IsPopupMenuSkinned(HWND handle) const;
    void AssignPopupMenuHandle(HMENU menu);
    TBitmap* PopupMenuBitmap(HMENU menu) const;
    void FreePopupMenus();

    void SetMaximizedMDIChild(bool value);
    // Runs Command from the timer after Delay ms once started; before that
    // commands 1 and 2 only switch Active.
    void PostCommand(int command, int delay);
    // Marks the forms skinned with CommandSkinData as needing the refresh
    // command (their skin elements are about to be replaced).
    void RefreshSkinnedForms();
    void DoCommand(TObject* sender);

    std::unique_ptr<TTimer> Timer;
    std::vector<TWinSkinForm*> Forms;
    std::vector<TWinSkinPopMenu*> PopupMenus;
    std::vector<TSkinData*> SkinDatas;
    bool Active = false;
    bool SkinningAll = false;
    bool Started = false;
    bool ShuttingDown = false;
    // 0 a context menu, 1 a menu-bar drop-down, 2 a system menu.
    int MenuKind = 0;
    bool MaximizedMDIChild = false;
    HWND MDIClient = 0;
    TControl* MDIFrame = nullptr;
    int Command = 0;
    TSkinData* CommandSkinData = nullptr;
    TSkinData* MainSkinData = nullptr;

private:
    void WindowCreated(const WindowCreation& creation);
    void WindowActivated(HWND window);
    void DropForm(TWinSkinForm* form);
    void RepaintRestored(TWinSkinForm* form);
    std::vector<int> observers_;
};

// The manager, or nullptr before the first skin component loaded.
TSkinManage* SkinManager();
// Creates the manager when there is none yet; it lives until program exit.
TSkinManage* CreateSkinManager();
// Frees the manager (program exit; tests).
void FreeSkinManager();

// The platform's version word, saved when the hook was installed; its top
// bit marks the platform that lacks several frame features.
extern DWORD SkinVersionWord;
// Set from the platform at start-up; tests flip them.
extern bool SkinIsNT;
extern bool SkinIsPreVista;
// The module instance windows of the program carry.
extern HINSTANCE SkinModuleInstance;
// The code page SkinAnsiToWide converts with (0: the system's ANSI one).
extern UINT SkinCodePage;
// The control atom's text: "ControlOfs" with instance and thread id.
AnsiString SkinControlAtomName();
