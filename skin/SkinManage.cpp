// The skin manager: window observers, the qualification tests for top-level
// and pop-up menu windows, and the deferred command timer.
#include "skin/SkinManage.h"

#include <algorithm>

#include "platform/gdi/graphicsplatform.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/thread.h"
#include "platform/win/msgqueue.h"
#include "platform/win/screens.h"
#include "platform/win/winpaint.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinPopMenu.h"

DWORD SkinVersionWord = 0;
bool SkinIsNT = Win32Platform == VER_PLATFORM_WIN32_NT;
bool SkinIsPreVista = Win32MajorVersion != 6;
HINSTANCE SkinModuleInstance = HInstance;
UINT SkinCodePage = 0;

namespace {

TSkinManage* manager = nullptr;
// Set once the manager has gone: the observers then only pass events on.
bool shutDown = false;

// The fixed Tag that keeps a form unskinned, whatever DisableTag says.
constexpr Integer kNeverSkinTag = 99;
// Other libraries' windows that must keep their own look: pop-up editors,
// effect windows and pop-up tree views.
constexpr const char* kForeignPopupEditor = "TPopupEditorWindow";
constexpr const char* kForeignEffectWindow = "TEffectRenderWindow";
constexpr const char* kForeignPopupTree = "tpopuptreeview";

bool Contains(const AnsiString& text, const AnsiString& part) { return text.find(part) != AnsiString::npos; }

template <class List, class Item>
void Erase(List& list, Item item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

AnsiString SkinControlAtomName() {
    return Format("ControlOfs%.8X%.8X", {Integer(SkinModuleInstance), Integer(GetCurrentThreadId())});
}

TSkinManage* SkinManager() { return manager; }

TSkinManage* CreateSkinManager() {
    if (!manager) {
        manager = new TSkinManage;
        static bool exitStepAdded = false;
        if (!std::exchange(exitStepAdded, true)) AtGraphicsPlatformExit(&FreeSkinManager);
    }
    return manager;
}

void FreeSkinManager() {
    delete std::exchange(manager, nullptr);
    shutDown = true;
}

TSkinManage::TSkinManage() : Timer(std::make_unique<TTimer>(nullptr)) {
    shutDown = false;
    Timer->SetEnabled(false);
    Timer->SetInterval(100);
    Timer->SetOnTimer(TNotifyEvent(this, &TSkinManage::DoCommand));
    GlobalAddAtom(SkinControlAtomName().c_str());
}

TSkinManage::~TSkinManage() {
    ShuttingDown = true;
    Active = false;
    Timer.reset();
    if (!Forms.empty()) ReleaseAll();
    FreePopupMenus();
    SkinDatas.clear();
    for (int observer : observers_) RemoveObserver(observer);
}

void TSkinManage::InstallHook() {
    SkinVersionWord = GetVersion();
    if (!observers_.empty()) return;
    observers_.push_back(AddCreationObserver([this](const WindowCreation& creation) { WindowCreated(creation); }));
    observers_.push_back(AddDestructionObserver([this](HWND window) {
        if (!shutDown) ReleasePopupMenu(window);
    }));
    observers_.push_back(AddActivationObserver([this](HWND window, HWND) { WindowActivated(window); }));
}

void TSkinManage::WindowCreated(const WindowCreation& creation) {
    if (shutDown || !creation.create) return;
    const CREATESTRUCT& create = *creation.create;
    const AnsiString className = ClassNameOf(creation.window);
    if (className == "ScrollBar" && (create.style & SBS_SIZEGRIP)) {
        if (TWinSkinForm* form = FindForm(create.hwndParent)) form->SkinChildWindow(creation.window);
    }
    if (!(create.style & WS_CHILD) && className == "#32768") SkinPopupMenu(creation.window);
    if (create.dwExStyle & WS_EX_MDICHILD) SkinWindow(creation.window);
}

void TSkinManage::WindowActivated(HWND window) {
    if (shutDown) return;
    Started = true;
    SkinWindow(window);
}

void TSkinManage::AddSkinData(TSkinData* skinData) {
    SkinDatas.push_back(skinData);
    if (!MainSkinData && skinData->SkinFormtype() == sfMainform) MainSkinData = skinData;
}

void TSkinManage::RemoveSkinData(TSkinData* skinData) {
    Erase(SkinDatas, skinData);
    if (MainSkinData == skinData) MainSkinData = nullptr;
    if (CommandSkinData == skinData) CommandSkinData = nullptr;
}

bool TSkinManage::SkinWindow(HWND handle) {
    if (!Active) return false;
    PurgeForms();
    if (SendMessage(handle, WM_SKINQUERY, 0, 0) == 1 || FindForm(handle)) return false;
    TControl* form = FormOfWindow(handle);
    const LONG style = GetWindowLong(handle, GWL_STYLE);
    const LONG exStyle = GetWindowLong(handle, GWL_EXSTYLE);
    const bool mdiChild = exStyle & WS_EX_MDICHILD;
    if (!SkinningAll && (style & WS_CHILD) && !mdiChild &&
        LowerCase(ClassNameOf(GetParent(handle))) != "mdiclient")
        return false;
    const AnsiString className = ClassNameOf(handle);
    if (!form && HINSTANCE(GetWindowLongPtr(handle, GWL_HINSTANCE)) != SkinModuleInstance && className != "#32770")
        return false;
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    if (!mdiChild && (bounds.right - bounds.left) * (bounds.bottom - bounds.top) == 0) return false;
    if (form && form->Tag() == kNeverSkinTag) return false;
    if (className == "TApplication" || Contains(className, kForeignPopupEditor) ||
        Contains(className, kForeignEffectWindow))
        return false;
    if (!ShouldSkinWindow(handle, className)) return false;
    TSkinData* skinData = FindSkinData(handle);
    if (!skinData || skinData->NoSkin()) return false;

    auto* skin = new TWinSkinForm(form);
    skin->Window = handle;
    skin->ClassNameText = className;
    if (form)
        skin->AttachForm(skinData, form);
    else
        skin->AttachWindow(skinData);
    Forms.push_back(skin);
    PostMessage(handle, WM_SKINSTART, 0, 1000);
    return true;
}

void TSkinManage::SkinForm(TCustomForm* form) {
    if (form->Visible() && !(GetWindowLong(form->Handle(), GWL_STYLE) & WS_CHILD)) SkinWindow(form->Handle());
}

TSkinData* TSkinManage::FindSkinData(HWND handle) const {
    const auto lastOf = [this](auto&& matches) -> TSkinData* {
        for (auto it = SkinDatas.rbegin(); it != SkinDatas.rend(); ++it)
            if (matches(*it)) return *it;
        return nullptr;
    };
    if (TSkinData* own = lastOf([handle](TSkinData* data) {
            auto* owner = dynamic_cast<TWinControl*>(data->Owner());
            return data->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() &&
                   owner->Handle() == handle;
        }))
        return own;
    const AnsiString className = LowerCase(ClassNameOf(handle));
    if (className == "tmessageform" || className == "#32770") {
        if (TSkinData* dialog = lastOf([](TSkinData* data) { return data->SkinFormtype() == sfDialog; }))
            return dialog;
    }
    if (TSkinData* main = lastOf([](TSkinData* data) { return data->SkinFormtype() == sfMainform; })) return main;
    return SkinDatas.empty() ? nullptr : SkinDatas.front();
}

bool TSkinManage::ShouldSkinWindow(HWND handle, const AnsiString& className) const {
    bool answer = true;
    if (!MainSkinData) return answer;
    const AnsiString lower = LowerCase(className);
    if (!MainSkinData->Options().Contains(xoPreview) && Contains(lower, "preview")) answer = false;
    if (className == "#32770" && (GetWindowLong(handle, GWL_STYLE) & DS_SETFOREGROUND)) answer = false;
    if (lower == kForeignPopupTree) answer = false;
    MainSkinData->DoFormSkin(handle, className, answer);
    return answer;
}

TWinSkinForm* TSkinManage::FindForm(HWND handle) const {
    for (TWinSkinForm* form : Forms)
        if (form->Window == handle) return form;
    return nullptr;
}

TControl* TSkinManage::FormOfWindow(HWND handle) const {
    if (Screen) {
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TForm* form = Screen->Forms(i);
            if (form->HandleAllocated() && form->Handle() == handle) return form;
        }
    }
    return ControlOfWindow(handle);
}

void TSkinManage::RemoveForm(HWND handle) {
    if (ShuttingDown) return;
    const auto it = std::find_if(Forms.begin(), Forms.end(), [handle](TWinSkinForm* f) { return f->Window == handle; });
    if (it != Forms.end()) Forms.erase(it);
}

void TSkinManage::DropForm(TWinSkinForm* form) {
    Erase(Forms, form);
    delete form;
}

void TSkinManage::PurgeForms() {
    if (ShuttingDown) return;
    for (int i = int(Forms.size()) - 1; i >= 0; --i) {
        if (i < int(Forms.size()) && Forms[i]->State == TWinSkinForm::kWindowDestroyed) DropForm(Forms[i]);
    }
}

void TSkinManage::ReleaseAll() {
    Active = false;
    while (!Forms.empty()) {
        TWinSkinForm* form = Forms.back();
        Forms.pop_back();
        form->Release();
        delete form;
    }
}

void TSkinManage::SkinPopupMenu(HWND handle) {
    if (!Active) return;
    if (SendMessage(handle, WM_SKINQUERY, 0, 0) == 1 || IsPopupMenuSkinned(handle)) return;
    TSkinData* skinData = FindSkinData(handle);
    if (!skinData || skinData->NoSkin()) return;
    const TSkinControlTypes kinds = skinData->SkinControls();
    switch (MenuKind) {
    case 0:
        if (!kinds.Contains(xcPopupMenu)) return;
        break;
    case 1:
        if (!kinds.Contains(xcMainMenu) && !kinds.Contains(xcMenuItem)) return;
        break;
    case 2:
        if (!kinds.Contains(xcSystemMenu)) return;
        break;
    default: break;
    }
    auto* menu = new TWinSkinPopMenu;
    menu->Attach(handle, skinData, 0);
    PopupMenus.push_back(menu);
}

bool TSkinManage::ReleasePopupMenu(HWND handle) {
    const auto it =
        std::find_if(PopupMenus.begin(), PopupMenus.end(), [handle](TWinSkinPopMenu* m) { return m->Window == handle; });
    const bool found = it != PopupMenus.end();
    if (found) {
        TWinSkinPopMenu* menu = *it;
        menu->Detach();
        PopupMenus.erase(it);
        delete menu;
    }
    if (PopupMenus.empty()) MenuKind = 0;
    return found;
}

bool TSkinManage::IsPopupMenuSkinned(HWND handle) const {
    return std::any_of(PopupMenus.begin(), PopupMenus.end(), [handle](TWinSkinPopMenu* m) { return m->Window == handle; });
}

void TSkinManage::AssignPopupMenuHandle(HMENU menu) {
    for (auto it = PopupMenus.rbegin(); it != PopupMenus.rend(); ++it) {
        if (!(*it)->Menu) {
            (*it)->Menu = menu;
            return;
        }
    }
}

TBitmap* TSkinManage::PopupMenuBitmap(HMENU menu) const {
    for (TWinSkinPopMenu* popup : PopupMenus)
        if (popup->Menu == menu) return popup->FrameBitmap.get();
    return nullptr;
}

void TSkinManage::FreePopupMenus() {
    for (TWinSkinPopMenu* menu : PopupMenus) delete menu;
    PopupMenus.clear();
}

void TSkinManage::SetMaximizedMDIChild(bool value) {
    if (value == MaximizedMDIChild) return;
    MaximizedMDIChild = value;
    if (MainSkinData && MainSkinData->Options().Contains(xoMDIChildBorder)) return;
    for (TWinSkinForm* form : Forms) {
        if (form->Kind != TWinSkinForm::kMDIChild) continue;
        if (value) {
            if (form->HasRegion) form->RemoveRegion();
        } else if (form->WindowState != TWinSkinForm::kMinimized) {
            form->WindowState = TWinSkinForm::kNormal;
            form->UpdateRegion();
            if (!form->HasRegion) form->RefreshFrame();
        }
    }
}

void TSkinManage::PostCommand(int command, int delay) {
    Command = command;
    Timer->SetInterval(Cardinal(delay));
    if (Started) {
        Timer->SetEnabled(false);
        Timer->SetEnabled(true);
    } else if (command == kSkinAll) {
        Active = true;
    } else if (command == kUnskinAll) {
        Active = false;
    }
}

void TSkinManage::RefreshSkinnedForms() {
    for (TWinSkinForm* form : Forms)
        if (form->SkinData == CommandSkinData) form->FreeCaptionButtons();
}

void TSkinManage::RepaintRestored(TWinSkinForm* form) {
    form->Restore();
    InvalidateRect(form->Window, nullptr, TRUE);
    UpdateWindow(form->Window);
    DropForm(form);
}

void TSkinManage::DoCommand(TObject*) {
    Timer->SetEnabled(false);
    TSkinData* skinData = CommandSkinData;
    if (!skinData) return;
    const auto usesSkin = [skinData](TWinSkinForm* form) { return form->SkinData == skinData; };
    if (skinData->SkinFormtype() == sfOnlyThisForm) {
        switch (Command) {
        case kSkinAll:
            Active = true;
            SkinningAll = true;
            for (int i = Screen->FormCount() - 1; i >= 0; --i) {
                if (Screen->Forms(i) == skinData->Owner()) {
                    SkinForm(Screen->Forms(i));
                    break;
                }
            }
            SkinningAll = false;
            break;
        case kUnskinAll: {
            Active = false;
            PurgeForms();
            const auto it = std::find_if(Forms.rbegin(), Forms.rend(), usesSkin);
            if (it != Forms.rend()) RepaintRestored(*it);
            break;
        }
        case kRefresh: {
            PurgeForms();
            const auto it = std::find_if(Forms.begin(), Forms.end(), usesSkin);
            if (it != Forms.end()) {
                (*it)->FreeCaptionButtons();
                (*it)->LoadCaptionButtons();
                (*it)->Refresh();
            }
            break;
        }
        default: break;
        }
    } else {
        switch (Command) {
        case kSkinAll:
            Active = true;
            SkinningAll = true;
            PurgeForms();
            for (int i = Screen->FormCount() - 1; i >= 0; --i) SkinForm(Screen->Forms(i));
            SkinningAll = false;
            break;
        case kUnskinAll:
            Active = false;
            PurgeForms();
            while (!Forms.empty()) RepaintRestored(Forms.front());
            break;
        case kRefresh: {
            PurgeForms();
            // Every form has its caption buttons again before any repaints.
            const std::vector<TWinSkinForm*> forms = Forms;
            for (TWinSkinForm* form : forms) {
                if (!usesSkin(form)) continue;
                form->FreeCaptionButtons();
                form->LoadCaptionButtons();
            }
            for (TWinSkinForm* form : forms)
                if (usesSkin(form)) form->Refresh();
            break;
        }
        default: break;
        }
    }
    skinData->DoSkinChanged();
    CommandSkinData = nullptr;
}
