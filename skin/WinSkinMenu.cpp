// The skinned menu bar: its buttons, layout and painting, opening a
// button's drop-down, and the message filter that moves between drop-downs.
#include "skin/WinSkinMenu.h"

#include <algorithm>

#include "platform/ui/forms.h"
#include "platform/win/msgqueue.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"

// ---- frame elements -----------------------------------------------------------------

TNCObject::~TNCObject() {
    if (Form && Form->HotButton == this) Form->HotButton = nullptr;
}

void TNCObject::MouseDown() {
    if (Form->HotButton && Form->HotButton != this) Form->HotButton->MouseLeave();
    if (!Visible) return;
    Form->HotButton = this;
    State = kPressed;
    Paint();
}

void TNCObject::MouseUp() {
    if (!Visible) return;
    State = kHot;
    Paint();
}

void TNCObject::MouseMove() {
    if (Form->HotButton == this) return;
    if (Form->HotButton) Form->HotButton->MouseLeave();
    if (!Visible) return;
    Form->HotButton = this;
    State = kHot;
    Paint();
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    Form->HotButton = nullptr;
    State = kNormal;
    Paint();
}

void DrawCentredCaption(TCanvas* canvas, const TRect& rect, const WideString& text, bool enabled,
                        TAlignment alignment) {
    const HDC dc = canvas->Handle();
    SetBkMode(dc, TRANSPARENT);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetStyle(TFontStyles{});
    const UINT align = alignment == taLeftJustify ? DT_LEFT : alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    RECT measured = rect;
    SkinDrawText(canvas->Handle(), text, &measured, align | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    const int w = measured.right - measured.left, h = measured.bottom - measured.top;
    RECT placed{rect.left + (rect.right - rect.left - w) / 2, rect.top + (rect.bottom - rect.top - h) / 2, 0, 0};
    placed.right = placed.left + w;
    placed.bottom = placed.top + h;
    if (!enabled) canvas->Font()->SetColor(clBtnShadow);
    SetTextColor(canvas->Handle(), ColorToRGB(canvas->Font()->Color()));
    SkinDrawText(canvas->Handle(), text, &placed, align | DT_EXPANDTABS | DT_SINGLELINE);
}

namespace {

// The class library's item of a bar entry: by its command, or, for an entry
// that opens a sub-menu, by that sub-menu's handle.
TMenuItem* ItemOf(TMenu* menu, const MENUITEMINFO& info) {
    if (!menu) return nullptr;
    if (TMenuItem* item = menu->FindItem(info.wID)) return item;
    return info.hSubMenu ? menu->FindItem(UINT(info.hSubMenu), fkHandle) : nullptr;
}


TColor CaptionColour(const TMenuBtn& button) {
    return button.SkinData->Colour(button.ItemEnabled ? TSkinData::kMenuBarTextIndex : TSkinData::kButtonShadowIndex);
}

TFont* MenuFont() { return Screen ? Screen->MenuFont() : nullptr; }

}  // namespace

void TMenuBtn::Paint() {
    TWinSkinMenu* bar = Form->MenuBar.get();
    if (!bar || !bar->Background || bar->Background->Empty()) return;
    const HDC dc = GetWindowDC(Form->Window);
    TCanvas canvas;
    canvas.SetHandle(dc);
    const TRect& barRect = bar->BarRect;
    BitBlt(dc, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top, bar->Background->Canvas()->Handle(),
           Rect.left - barRect.left, Rect.top - barRect.top, SRCCOPY);
    if (State == kHot || State == kPressed) {
        canvas.Brush()->SetColor(SkinData->Colour(TSkinData::kButtonHilightIndex));
        canvas.FrameRect(Rect);
    }
    if (TFont* font = MenuFont()) canvas.Font()->Assign(font);
    canvas.Font()->SetColor(CaptionColour(*this));
    DrawCentredCaption(&canvas, Rect, Caption, ItemEnabled, taCenter);
    canvas.SetHandle(0);
    ReleaseDC(Form->Window, dc);
}

// ---- the bar ------------------------------------------------------------------------

TWinSkinMenu::TWinSkinMenu(TComponent* owner) : TComponent(owner), Background(std::make_unique<TBitmap>()) {}

TWinSkinMenu::~TWinSkinMenu() = default;

TMenuBtn* TWinSkinMenu::NewButton(int index) {
    auto button = std::make_unique<TMenuBtn>(Form);
    button->SkinData = SkinData;
    button->Index = index;
    button->Visible = true;
    Buttons.push_back(std::move(button));
    return Buttons.back().get();
}

// A button for the bar's entry at `index` as the menu handle reports it;
// `info` and `text` keep what was read.
TMenuBtn* TWinSkinMenu::NewButtonOfEntry(int index, MENUITEMINFO& info, char (&text)[80]) {
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfo(MenuHandle, UINT(index), TRUE, &info);
    TMenuBtn* button = NewButton(index);
    button->SubMenu = info.hSubMenu;
    button->ItemEnabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
    button->Command = info.wID;
    button->Caption = SkinAnsiToWide(text);
    return button;
}

void TWinSkinMenu::LoadItems() {
    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    const int major = int(version & 0xFF), minor = int((version >> 8) & 0xFF);
    if ((SkinIsNT && major < 5) || (major == 4 && minor == 0)) {
        LoadItemsFromMenu();
        return;
    }
    if (const HMENU menu = GetMenu(Form->Window)) MenuHandle = menu;
    if (!MenuHandle) return;
    if (auto* form = dynamic_cast<TCustomForm*>(Form->Form)) {
        Menu = form->Menu();
        if (!Menu) return;
    }
    Buttons.clear();
    ItemCount = GetMenuItemCount(MenuHandle);
    if (ItemCount <= 0) return;
    for (int i = 0; i < ItemCount; ++i) {
        char text[80] = {};
        MENUITEMINFO info;
        TMenuBtn* button = NewButtonOfEntry(i, info, text);
        if (TMenuItem* item = ItemOf(Menu, info)) {
            button->Caption = GetTextPropByName(item, "Caption");
            button->ItemEnabled = item->Enabled();
            button->MenuItem = item;
            if (item->Count() == 0) button->SubMenu = 0;
        }
    }
    SetMenu(Form->Window, 0);
}

void TWinSkinMenu::LoadItemsFromMenu() {
    Buttons.clear();
    if (!Menu) return;
    TMenuItem* items = Menu->Items();
    ItemCount = items->Count();
    for (int i = 0; i < ItemCount; ++i) {
        TMenuItem* item = items->Items(i);
        TMenuBtn* button = NewButton(i);
        button->Visible = item->Visible();
        button->ItemEnabled = item->Enabled();
        button->Command = item->Command();
        button->Caption = GetTextPropByName(item, "Caption");
        button->MenuItem = item;
        if (item->Count() > 0 && MenuHandle) button->SubMenu = GetSubMenu(MenuHandle, i);
    }
    SetMenu(Form->Window, 0);
}

void TWinSkinMenu::LoadMDIItems() {
    if (const HMENU menu = GetMenu(Form->Window)) MenuHandle = menu;
    if (!MenuHandle) return;
    if (auto* form = dynamic_cast<TCustomForm*>(Form->Form)) Menu = form->Menu();
    Buttons.clear();
    ItemCount = GetMenuItemCount(MenuHandle);
    for (int i = 0; i < ItemCount; ++i) {
        char text[80] = {};
        MENUITEMINFO info;
        TMenuBtn* button = NewButtonOfEntry(i, info, text);
        if (text[0] || !Menu) continue;
        if (TMenuItem* item = ItemOf(Menu, info)) {
            button->Caption = GetTextPropByName(item, "Caption");
            button->ItemEnabled = item->Enabled();
            button->MenuItem = item;
            button->Command = item->Command();
        }
    }
    SetMenu(Form->Window, 0);
    Layout();
}

bool TWinSkinMenu::RightToLeft() const { return Menu && Menu->BiDiMode() == bdRightToLeft; }

int TWinSkinMenu::StartOffset(int barWidth) const {
    TDataSkinObject* element = SkinData->MenuBar();
    if (!element) return 6;
    const int start = RightToLeft() ? element->RightWidth + 8 : element->LeftWidth + 4;
    return barWidth < start ? 12 : start;
}

void TWinSkinMenu::PlaceButtons(HDC measuringDC, const TRect& bar) {
    const int barWidth = bar.right - bar.left, barHeight = bar.bottom - bar.top;
    int x = StartOffset(barWidth);
    if (RightToLeft()) {
        x = barWidth - x;
        if (Form->Kind == TWinSkinForm::kMDIFrame && Form->HasMaximizedChild()) {
            for (const auto& caption : Form->CaptionButtons)
                if (caption->Element->Visibility == 100 && !caption->Element->Bitmap->Empty())
                    x = std::min(x, int(caption->Rect.left - bar.left) - 5);
        }
    }
    for (const auto& button : Buttons) {
        if (!button->Visible) {
            button->Rect = TRect{};
            continue;
        }
        int width = 0;
        if (!button->Caption.empty()) {
            RECT measured{0, 0, 0, 0};
            SkinDrawText(measuringDC, button->Caption, &measured, DT_CALCRECT | DT_NOCLIP);
            width = measured.right - measured.left + 10;
        }
        const int left = RightToLeft() ? x - width : x;
        button->Rect = TRect{bar.left + left, bar.top, bar.left + left + width, bar.top + barHeight - 1};
        x = RightToLeft() ? x - width : x + width;
    }
}

void TWinSkinMenu::Layout() {
    TBitmap measure;
    measure.SetSize(1, 1);
    if (TFont* font = MenuFont()) measure.Canvas()->Font()->Assign(font);
    PlaceButtons(measure.Canvas()->Handle(), BarRect);
}

void TWinSkinMenu::Paint(HDC dc, const TRect& rect) {
    TBitmap* work = SkinWorkBitmap();
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!work || w <= 0 || h <= 0) return;
    work->SetSize(w, h);
    const TRect local{0, 0, w, h};
    if (TDataSkinObject* element = SkinData->MenuBar(); element && !element->Bitmap->Empty()) {
        const int frame = Form->Active ? 1 : 2;
        if (element->Tile == 1)
            DrawSkinCell(work->Canvas()->Handle(), local, element->Bitmap.get(), element->Margins(), frame, 2, false,
                         false, true);
        else
            DrawSkinStrip(work->Canvas(), local, element->Bitmap.get(), element->Margins(), frame, 2, false, true);
    } else {
        TColor colour = SkinData->Colour(TSkinData::kMenubarIndex);
        if (colour == clNone) colour = SkinData->Colour(TSkinData::kButtonFaceIndex);
        work->Canvas()->Brush()->SetColor(colour);
        work->Canvas()->FillRect(local);
    }
    BarRect = rect;
    Background->Assign(work);
    TCanvas* canvas = work->Canvas();
    if (TFont* font = MenuFont()) canvas->Font()->Assign(font);
    canvas->Brush()->SetStyle(bsClear);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    Painting = true;
    PlaceButtons(canvas->Handle(), rect);
    for (const auto& button : Buttons) {
        if (!button->Visible || button->Caption.empty()) continue;
        TRect place = button->Rect;
        OffsetRect(&place, -rect.left, -rect.top);
        canvas->Font()->SetColor(CaptionColour(*button));
        DrawCentredCaption(canvas, place, button->Caption, button->ItemEnabled, taCenter);
    }
    Painting = false;
    if (Form->Kind == TWinSkinForm::kMDIFrame && Form->HasMaximizedChild()) {
        for (const auto& caption : Form->CaptionButtons) {
            TDataSkinSysButton* e = caption->Element;
            if (e->Visibility != 100 || e->Bitmap->Empty()) continue;
            TRect place = caption->Rect;
            OffsetRect(&place, -Form->FrameLeft, -Form->FrameTop);
            DrawSkinFrame(canvas->Handle(), place, e->Bitmap.get(), 1, std::max(1, int(e->Frame)), true);
        }
        if (!SkinManager()->MaximizedMDIChild) SkinManager()->SetMaximizedMDIChild(true);
    }
    BitBlt(dc, rect.left, rect.top, w, h, canvas->Handle(), 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT point) const {
    for (const auto& button : Buttons)
        if (!button->Caption.empty() && PtInRect(&button->Rect, point)) return button.get();
    return nullptr;
}

// ---- tracking a drop-down -------------------------------------------------------------

namespace {

// The current item is known by the menu that holds it and, for an item
// with sub-items, by its sub-menu.
struct MenuTracking {
    int filter = 0;
    TWinSkinForm* form = nullptr;
    bool hasCurrentItem = false;
    HMENU currentParent = 0;
    HMENU currentSubMenu = 0;
    int buttonIndex = -1;
    bool firstMessageSeen = false;
    bool switching = false;
    POINT lastCursor{};
};

MenuTracking tracking;

bool MenuFilter(int code, MSG& msg) {
    TWinSkinForm* form = tracking.form;
    if (code != MSGF_MENU || !form || !form->MenuBar) return false;
    TWinSkinMenu* bar = form->MenuBar.get();
    if (tracking.hasCurrentItem && bar->Menu && bar->Menu->BiDiMode() == bdRightToLeft &&
        msg.message == WM_KEYDOWN) {
        if (msg.wParam == VK_LEFT)
            msg.wParam = VK_RIGHT;
        else if (msg.wParam == VK_RIGHT)
            msg.wParam = VK_LEFT;
    }
    if (!tracking.firstMessageSeen) {
        tracking.firstMessageSeen = true;
        PostMessage(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    const int count = int(bar->Buttons.size());
    TMenuBtn* target = nullptr;
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) tracking.switching = false;
        if (count == 0) break;
        if (msg.wParam == VK_RIGHT && (!tracking.hasCurrentItem || !tracking.currentSubMenu))
            target = bar->Buttons[(tracking.buttonIndex + 1) % count].get();
        if (msg.wParam == VK_LEFT) {
            const bool ownLevel = !tracking.hasCurrentItem || tracking.currentParent == form->DroppedMenu ||
                                  (tracking.currentSubMenu && tracking.currentSubMenu == form->DroppedMenu);
            if (ownLevel) target = bar->Buttons[(tracking.buttonIndex + count - 1) % count].get();
        }
        break;
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU) form->EndTracking();
        return false;
    case WM_MENUSELECT: {
        const HMENU menu = HMENU(msg.lParam);
        if (HIWORD(msg.wParam) == 0xFFFF && !menu) {
            if (!tracking.switching) form->EndTracking();
            return false;
        }
        tracking.switching = false;
        tracking.hasCurrentItem = true;
        tracking.currentParent = menu;
        tracking.currentSubMenu = (HIWORD(msg.wParam) & MF_POPUP) ? GetSubMenu(menu, LOWORD(msg.wParam)) : 0;
        break;
    }
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {  // the bar is the window's frame: moves over it come as non-client moves
        POINT cursor = msg.pt;
        if (cursor.x != tracking.lastCursor.x || cursor.y != tracking.lastCursor.y) {
            target = bar->ButtonAt(form->ScreenToFrame(cursor));
            tracking.lastCursor = cursor;
        }
        break;
    }
    default: break;
    }
    if (target && target->Index != tracking.buttonIndex) {
        tracking.switching = true;
        form->ClickMenuButton(target);
    }
    return false;
}

}  // namespace

void StartMenuTracking(TWinSkinForm* form, int buttonIndex) {
    tracking.form = form;
    tracking.buttonIndex = buttonIndex;
    tracking.switching = false;
    tracking.firstMessageSeen = false;
    GetCursorPos(&tracking.lastCursor);
    if (!tracking.filter) tracking.filter = AddMessageFilter(&MenuFilter);
}

void EndMenuTracking() {
    if (tracking.filter) RemoveObserver(std::exchange(tracking.filter, 0));
    tracking.hasCurrentItem = false;
    tracking.currentParent = tracking.currentSubMenu = 0;
    tracking.buttonIndex = -1;
    tracking.firstMessageSeen = false;
}
