// Menus of the class library: TMenuItem, TMainMenu and TPopupMenu, short
// cuts and their text.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/win/winmenu.h"

SERVIORA_EXCEPTION(EMenuError, Exception);

class TCustomForm;
class TCustomImageList;
class TMenuItem;

using TShortCut = Word;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

TShortCut ShortCut(Word key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift);
// "Ctrl+S", "F5", "Shift+Del"; "" for none.
AnsiString ShortCutToText(TShortCut shortCut);
// 0 for text that names no short cut.
TShortCut TextToShortCut(const AnsiString& text);
// Whether `key` selects the "&" letter of `caption` (ASCII case ignored).
bool IsAccel(Word key, const AnsiString& caption);
// The caption without its "&" markers ("&&" stays one "&").
AnsiString StripHotkey(const AnsiString& caption);

SERVIORA_ENUM(TOwnerDrawState_, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
              odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawState_>;
// The state of an owner-drawn item from its record's ODS_ bits.
TOwnerDrawState OwnerDrawStateOf(UINT itemState);
SERVIORA_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
SERVIORA_ENUM(TFindItemKind, fkCommand, fkHandle, fkShortCut)

using TMenuDrawItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;
using TMenuMeasureItemEvent = TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
    SERVIORA_CLASS(TMenuItem, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    void BeforeDestruction() override;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& v);
    bool IsLine() const { return caption_ == "-"; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v) { radioItem_ = v; }
    Byte GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(Byte v) { groupIndex_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    Integer ImageIndex() const { return imageIndex_; }
    void SetImageIndex(Integer v);
    // The images of this item's sub-menu items.
    TCustomImageList* SubMenuImages() const { return subMenuImages_; }
    void SetSubMenuImages(TCustomImageList* v);
    // The images this item draws from: its parent's SubMenuImages, else the
    // menu's Images.
    TCustomImageList* GetImageList() const;
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v) { hint_ = v; }
    // The command id the window system reports for this item.
    UINT Command() const { return command_; }
    // The window system's menu of this item's sub-items (0 when it has none
    // or its menu's handle is not made).
    HMENU Handle() const { return handle_; }

    // ---- the tree ----
    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(std::size_t(index)); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out (it is not freed).
    void Remove(TMenuItem* item);
    // Frees the item at index.
    void Delete(int index);
    // Frees every sub-item.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Find(const AnsiString& caption) const;
    class TMenu* GetParentMenu() const;

    // Fires OnClick (nothing while the item is disabled).
    virtual void Click();
    const TNotifyEvent& OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent v) { onClick_ = std::move(v); }

    // Owner drawing (the menu's OwnerDraw): measuring and drawing an item.
    // MeasureItem sizes the item for its caption, short cut and glyph in
    // the canvas's font (a line: 5 pixels high), then asks OnMeasureItem.
    void MeasureItem(TCanvas* canvas, int& width, int& height);
    void DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state);
    const TMenuMeasureItemEvent& OnMeasureItem() const { return onMeasureItem_; }
    void SetOnMeasureItem(TMenuMeasureItemEvent v) { onMeasureItem_ = std::move(v); }
    const TMenuDrawItemEvent& OnDrawItem() const { return onDrawItem_; }
    void SetOnDrawItem(TMenuDrawItemEvent v) { onDrawItem_ = std::move(v); }
    const TAdvancedMenuDrawItemEvent& OnAdvancedDrawItem() const { return onAdvancedDrawItem_; }
    void SetOnAdvancedDrawItem(TAdvancedMenuDrawItemEvent v) { onAdvancedDrawItem_ = std::move(v); }

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Changed();

    AnsiString caption_;
    TShortCut shortCut_ = 0;
    bool enabled_ = true, visible_ = true, checked_ = false, radioItem_ = false, default_ = false;
    Byte groupIndex_ = 0;
    Integer imageIndex_ = -1;
    TCustomImageList* subMenuImages_ = nullptr;
    AnsiString hint_;
    UINT command_ = 0;
    HMENU handle_ = 0;
    TMenuItem* parent_ = nullptr;
    class TMenu* menu_ = nullptr;
    std::vector<TMenuItem*> items_;
    TNotifyEvent onClick_;
    TMenuMeasureItemEvent onMeasureItem_;
    TMenuDrawItemEvent onDrawItem_;
    TAdvancedMenuDrawItemEvent onAdvancedDrawItem_;

    friend class TMenu;
};

class TMenu : public TComponent {
    SERVIORA_CLASS(TMenu, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TMenu(TComponent* owner);

    ~TMenu() override;
    TMenuItem* Items() const { return items_; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* v);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v) { ownerDraw_ = v; }
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode v) { biDiMode_ = v; }

    // The window system's menu built from the items (made on first use,
    // rebuilt when an item changes).
    HMENU Handle();
    bool HandleAllocated() const { return handle_ != 0; }
    // The item with that command id, sub-menu handle or short cut (nullptr
    // when none).
    TMenuItem* FindItem(UINT value, TFindItemKind kind = fkCommand) const;
    // Clicks the item whose command it is; answers whether one was found.
    bool DispatchCommand(UINT command);
    // Clicks the enabled item with that short cut; answers whether one was.
    bool IsShortCut(Word key, TShiftState shift);

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual void MenuChanged();
    virtual HMENU CreateMenuHandle() const = 0;

private:
    friend class TMenuItem;
    void FillMenu(HMENU menu, TMenuItem* parent) const;
    void DestroyHandle();

    HMENU handle_ = 0;
    TMenuItem* items_ = nullptr;
    TCustomImageList* images_ = nullptr;
    bool ownerDraw_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
};

class TMainMenu : public TMenu {
    SERVIORA_CLASS(TMainMenu, TMenu)
    SERVIORA_PUBLISHED
public:
    explicit TMainMenu(TComponent* owner);
    // The form shows this menu in its menu bar.
    void AttachTo(TCustomForm* form);
    TCustomForm* Form() const { return form_; }
    bool AutoMerge() const { return autoMerge_; }
    void SetAutoMerge(bool v) { autoMerge_ = v; }

protected:
    HMENU CreateMenuHandle() const override { return CreateMenu(); }
    void MenuChanged() override;

private:
    TCustomForm* form_ = nullptr;
    bool autoMerge_ = false;
};

class TPopupMenu : public TMenu {
    SERVIORA_CLASS(TPopupMenu, TMenu)
    SERVIORA_PUBLISHED
public:
    explicit TPopupMenu(TComponent* owner);

    // Fires OnPopup, then shows the menu at the screen point.
    virtual void Popup(int x, int y);
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment v) { alignment_ = v; }
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* v) { popupComponent_ = v; }
    const TPoint& PopupPoint() const { return popupPoint_; }
    const TNotifyEvent& OnPopup() const { return onPopup_; }
    void SetOnPopup(TNotifyEvent v) { onPopup_ = std::move(v); }

protected:
    HMENU CreateMenuHandle() const override { return CreatePopupMenu(); }

private:
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_;
    TNotifyEvent onPopup_;
};

// WM_MEASUREITEM/WM_DRAWITEM of an owner-drawn menu item of any live menu:
// the item measures or draws itself. Answers whether the message was one.
bool DispatchMenuOwnerDraw(TMessage& Message);
