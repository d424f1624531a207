// The skinned menu bar: a skinned window's top-level menu items drawn as
// buttons in its frame, their drop-downs opened with TrackPopupMenu, and a
// message filter that lets the mouse and the arrow keys move from one
// top-level item to the next while a drop-down is open.
#pragma once

#include <memory>
#include <vector>

#include "platform/data/db_types.h"
#include "platform/rtl/component.h"
#include "platform/ui/graphics.h"
#include "platform/ui/menus.h"

class TWinSkinForm;
class TSkinData;

// One clickable element of a skinned frame (a caption button or a menu-bar
// button). Rect is in frame coordinates (relative to the window's corner).
class TNCObject {
public:
    static constexpr int kNormal = 1, kPressed = 2, kHot = 3;

    explicit TNCObject(TWinSkinForm* form) : Form(form) {}
    // The form forgets a hot object that goes (a menu bar rebuilt under the mouse).
    virtual ~TNCObject();
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseMove();
    virtual void MouseLeave();
    virtual void Paint() {}

    TWinSkinForm* Form;
    TRect Rect{};
    bool Visible = false;
    int State = kNormal;
    bool Enabled = true;
};

// One top-level item of the bar.
class TMenuBtn : public TNCObject {
public:
    using TNCObject::TNCObject;
    void Paint() override;

    TMenuItem* MenuItem = nullptr;
    TSkinData* SkinData = nullptr;
    int Index = 0;
    WideString Caption;
    bool ItemEnabled = true;
    HMENU SubMenu = 0;
    UINT Command = 0;
};

class TWinSkinMenu : public TComponent {
    SERVIORA_CLASS(TWinSkinMenu, TComponent)
public:
    explicit TWinSkinMenu(TComponent* owner);
    ~TWinSkinMenu() override;

    // Builds the buttons from the window's menu and takes the menu off the window.
    void LoadItems();
    void LoadItemsFromMenu();
    void LoadMDIItems();
    // Draws the bar into Rect (frame coordinates) of the window's DC.
    void Paint(HDC dc, const TRect& rect);
    void Layout();
    TMenuBtn* ButtonAt(POINT point) const;

    std::vector<std::unique_ptr<TMenuBtn>> Buttons;
    TMenu* Menu = nullptr;
    TRect BarRect{};
    TSkinData* SkinData = nullptr;
    TWinSkinForm* Form = nullptr;
    std::unique_ptr<TBitmap> Background;
    int ItemCount = 0;
    bool Painting = false;
    HMENU MenuHandle = 0;

private:
    // The first button's start, the buttons' widths, and each visible
    // button's place within a bar of that size (bar coordinates).
    void PlaceButtons(HDC measuringDC, const TRect& bar);
    int StartOffset(int barWidth) const;
    bool RightToLeft() const;
    TMenuBtn* NewButton(int index);
    TMenuBtn* NewButtonOfEntry(int index, MENUITEMINFO& info, char (&text)[80]);
};

// Draws Text centred in Rect on one line (grey when not Enabled).
void DrawCentredCaption(TCanvas* canvas, const TRect& rect, const WideString& text, bool enabled,
                        TAlignment alignment);

// The drop-down tracking of the skinned menu bars (one at a time).
void StartMenuTracking(TWinSkinForm* form, int buttonIndex);
void EndMenuTracking();
