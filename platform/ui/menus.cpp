// TMenuItem, TMenu, TMainMenu, TPopupMenu and the short-cut routines.
#include "platform/ui/menus.h"

#include <algorithm>
#include <cctype>

#include "platform/rtl/codepage.h"
#include "platform/rtl/programlong.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/ui/imagelist.h"
#include "platform/win/winpaint.h"

namespace {

std::vector<TMenu*>& LiveMenus() {
    static ProgramLong<std::vector<TMenu*>> menus;
    return *menus;
}

UINT NextCommand() {
    static UINT next = 0x100;
    return next++;
}

struct KeyName {
    Word key;
    const char* name;
};
constexpr KeyName keyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

AnsiString KeyText(Word key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return AnsiString(1, char(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
    for (const KeyName& k : keyNames)
        if (k.key == key) return k.name;
    return {};
}

}  // namespace

TShortCut ShortCut(Word key, TShiftState shift) {
    if (key & 0xFF00) return 0;
    TShortCut result = key;
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = {};
    if (shortCut & scShift) shift.Include(ssShift);
    if (shortCut & scCtrl) shift.Include(ssCtrl);
    if (shortCut & scAlt) shift.Include(ssAlt);
}

AnsiString ShortCutToText(TShortCut shortCut) {
    const AnsiString name = KeyText(shortCut & 0xFF);
    if (name.empty()) return {};
    AnsiString text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(const AnsiString& text) {
    TShortCut modifiers = 0;
    AnsiString rest = text;
    for (bool found = true; found;) {
        found = false;
        for (auto [prefix, flag] : {std::pair{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}}) {
            const std::size_t n = std::char_traits<char>::length(prefix);
            if (rest.size() > n && SameText(rest.substr(0, n), prefix)) {
                modifiers |= flag;
                rest.erase(0, n);
                found = true;
            }
        }
    }
    for (int key = 8; key < 256; ++key) {
        const AnsiString name = KeyText(Word(key));
        if (!name.empty() && SameText(name, rest)) return TShortCut(key | modifiers);
    }
    return 0;
}

bool IsAccel(Word key, const AnsiString& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(caption[i]))) {
            ++i;
            continue;
        }
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(key & 0xFF);
    }
    return false;
}

AnsiString StripHotkey(const AnsiString& caption) {
    AnsiString result;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<BYTE>(caption[i])) && i + 1 < caption.size()) {
            result += caption.substr(i, 2);
            ++i;
        } else if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') result += caption[++i];
        } else {
            result += caption[i];
        }
    }
    return result;
}

// ---- TMenuItem --------------------------------------------------------------------

void TMenuItem::SetSubMenuImages(TCustomImageList* v) {
    if (subMenuImages_) subMenuImages_->RemoveFreeNotification(this);
    subMenuImages_ = v;
    if (v) v->FreeNotification(this);
}

TCustomImageList* TMenuItem::GetImageList() const {
    if (parent_ && parent_->subMenuImages_) return parent_->subMenuImages_;
    const TMenu* menu = GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == subMenuImages_) subMenuImages_ = nullptr;
}

void TMenuItem::Published(TPublished<TMenuItem>& p) {
    p.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    p.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
    p.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault);
    p.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    p.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex);
    p.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    p.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).Default(-1);
    p.Property("SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages);
    p.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
    p.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).TypeName("TShortCut");
    p.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    p.Property("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick);
    p.Property("OnDrawItem", &TMenuItem::OnDrawItem, &TMenuItem::SetOnDrawItem);
    p.Property("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem, &TMenuItem::SetOnAdvancedDrawItem);
    p.Property("OnMeasureItem", &TMenuItem::OnMeasureItem, &TMenuItem::SetOnMeasureItem);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() = default;

void TMenuItem::BeforeDestruction() {
    TComponent::BeforeDestruction();
    Clear();
    if (parent_) parent_->Remove(this);
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::SetCaption(const AnsiString& v) {
    if (v == caption_) return;
    caption_ = v;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut v) {
    shortCut_ = v;
    Changed();
}

void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    // A checked radio item unchecks the others of its group.
    if (v && radioItem_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
    Changed();
}

void TMenuItem::SetDefault(bool v) {
    if (v == default_) return;
    if (v && parent_)
        for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
    default_ = v;
    Changed();
}

void TMenuItem::SetImageIndex(Integer v) {
    imageIndex_ = v;
    Changed();
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) throw EMenuError("Menu inserted twice");
    if (index < 0 || index > Count()) throw EMenuError("Menu index out of range");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index < 0) throw EMenuError("Sub-menu is not in menu");
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Changed();
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
    delete items_[std::size_t(index)];
}

void TMenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

TMenuItem* TMenuItem::Find(const AnsiString& caption) const {
    const AnsiString wanted = StripHotkey(caption);
    for (TMenuItem* item : items_)
        if (SameText(StripHotkey(item->caption_), wanted)) return item;
    return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->menu_;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    onClick_(this);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
    // A menu bar's item is as wide as its caption; a drop-down item leaves
    // room for its glyph before the caption and its short cut after it.
    if (IsLine()) {
        height = 5;
    } else if (dynamic_cast<TMainMenu*>(GetParentComponent())) {
        width = canvas->TextWidth(StripHotkey(caption_));
    } else {
        const TCustomImageList* images = GetImageList();
        const int glyph = images ? images->Width() : 16;
        const SIZE text = canvas->TextExtent(StripHotkey(caption_));
        width = glyph + 8 + text.cx;
        if (shortCut_) width += canvas->TextWidth(ShortCutToText(shortCut_)) + 15;
        height = std::max(int(text.cy) + 4, (images ? images->Height() : 16) + 3);
    }
    onMeasureItem_(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas* canvas, const TRect& rect, TOwnerDrawState state) {
    if (onAdvancedDrawItem_) {
        onAdvancedDrawItem_(this, canvas, rect, state);
        return;
    }
    if (onDrawItem_) {
        onDrawItem_(this, canvas, rect, state.Contains(odSelected));
        return;
    }
    canvas->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : clMenu);
    canvas->FillRect(rect);
    canvas->Font()->SetColor(!enabled_ ? clGrayText : state.Contains(odSelected) ? clHighlightText : clMenuText);
    TRect text = rect;
    text.left += 18;
    const AnsiString caption = caption_;
    DrawText(canvas->Handle(), caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (parent_) parent_->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent*) {
    for (TMenuItem* item : items_) proc(item);
}

// ---- TMenu -----------------------------------------------------------------------

void TMenu::Published(TPublished<TMenu>& p) {
    p.Property("Images", &TMenu::Images, &TMenu::SetImages);
    p.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw);
    p.Property("BiDiMode", &TMenu::BiDiMode, &TMenu::SetBiDiMode);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(TMenuItem::Create(this)) {
    items_->menu_ = this;
    items_->SetComponentStyle(items_->ComponentStyle() + TComponentStyle{csSubComponent});
    LiveMenus().push_back(this);
}

TMenu::~TMenu() {
    std::erase(LiveMenus(), this);
    DestroyHandle();
}

HMENU TMenu::Handle() {
    if (!handle_) {
        handle_ = CreateMenuHandle();
        FillMenu(handle_, items_);
    }
    return handle_;
}

void TMenu::DestroyHandle() {
    if (handle_) DestroyMenu(handle_);
    handle_ = 0;
}

void TMenu::FillMenu(HMENU menu, TMenuItem* parent) const {
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        item->handle_ = 0;
        if (!item->Visible()) continue;
        if (item->IsLine()) {
            // Owner-drawn menus draw their lines too; the command finds the item.
            if (ownerDraw_)
                AppendMenu(menu, MF_SEPARATOR | MF_OWNERDRAW, item->Command(), nullptr);
            else
                AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING;
        if (!item->Enabled()) flags |= MF_GRAYED;
        if (item->Checked()) flags |= MF_CHECKED;
        if (item->Default()) flags |= MF_DEFAULT;
        if (ownerDraw_) flags |= MF_OWNERDRAW;
        AnsiString text = item->Caption();
        if (item->ShortCut()) text += "\t" + ShortCutToText(item->ShortCut());
        UINT_PTR id = item->Command();
        if (item->Count() > 0) {
            const HMENU sub = CreatePopupMenu();
            FillMenu(sub, item);
            item->handle_ = sub;
            flags |= MF_POPUP;
            id = UINT_PTR(sub);
        }
        AppendMenu(menu, flags, id, text.c_str());
    }
}

void TMenu::MenuChanged() {
    if (handle_) {
        DestroyHandle();
        Handle();
    }
}

void TMenu::SetImages(TCustomImageList* v) {
    if (images_) images_->RemoveFreeNotification(this);
    images_ = v;
    if (v) v->FreeNotification(this);
    MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
}

TMenuItem* TMenu::FindItem(UINT value, TFindItemKind kind) const {
    auto matches = [&](const TMenuItem* item) {
        switch (kind) {
            case fkCommand: return item->Command() == value;
            case fkHandle: return item->Handle() && UINT(item->Handle()) == value;
            case fkShortCut: return item->ShortCut() == value;
        }
        return false;
    };
    std::vector<TMenuItem*> pending{items_};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item != items_ && matches(item)) return item;
        for (int i = 0; i < item->Count(); ++i) pending.push_back(item->Items(i));
    }
    return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command);
    if (!item) return false;
    item->Click();
    return true;
}

bool TMenu::IsShortCut(Word key, TShiftState shift) {
    const TShortCut wanted = ::ShortCut(key, shift);
    if (!wanted) return false;
    std::vector<TMenuItem*> pending{items_};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item != items_ && item->ShortCut() == wanted && item->Enabled() && item->Visible()) {
            item->Click();
            return true;
        }
        for (int i = 0; i < item->Count(); ++i) pending.push_back(item->Items(i));
    }
    return false;
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { items_->GetChildren(proc, root); }

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

void TMainMenu::AttachTo(TCustomForm* form) {
    form_ = form;
    if (form && form->HandleAllocated()) ::SetMenu(form->Handle(), Handle());
}

void TMainMenu::MenuChanged() {
    TMenu::MenuChanged();
    if (form_ && form_->HandleAllocated() && form_->Menu() == this) {
        ::SetMenu(form_->Handle(), Handle());
        DrawMenuBar(form_->Handle());
        // Those who draw the form's menu themselves learn of the new handles.
        SendMessage(form_->Handle(), CM_MENUCHANGED, 0, 0);
    }
}

void TMainMenu::Published(TPublished<TMainMenu>& p) {
    p.Property("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Published(TPublished<TPopupMenu>& p) {
    p.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    p.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    p.Property("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = Point(x, y);
    onPopup_(this);
    static constexpr UINT alignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
    const UINT command = UINT(TrackPopupMenu(Handle(), alignments[alignment_] | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                             x, y, 0, Application->Handle(), nullptr));
    if (command) DispatchCommand(command);
}

TOwnerDrawState OwnerDrawStateOf(UINT itemState) {
    static constexpr std::pair<UINT, TOwnerDrawState_> states[] = {
        {ODS_SELECTED, odSelected},  {ODS_GRAYED, odGrayed},     {ODS_DISABLED, odDisabled},
        {ODS_CHECKED, odChecked},    {ODS_FOCUS, odFocused},     {ODS_DEFAULT, odDefault},
        {ODS_HOTLIGHT, odHotLight},  {ODS_INACTIVE, odInactive}, {ODS_NOACCEL, odNoAccel},
        {ODS_NOFOCUSRECT, odNoFocusRect}, {ODS_COMBOBOXEDIT, odComboBoxEdit}};
    TOwnerDrawState state;
    for (auto [bit, s] : states)
        if (itemState & bit) state.Include(s);
    return state;
}

bool DispatchMenuOwnerDraw(TMessage& Message) {
    if (Message.Msg != WM_MEASUREITEM && Message.Msg != WM_DRAWITEM) return false;
    const UINT* type = reinterpret_cast<const UINT*>(Message.LParam);
    if (!type || *type != ODT_MENU) return false;
    const UINT id = Message.Msg == WM_DRAWITEM ? reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->itemID
                                               : reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemID;
    // An item that opens a sub-menu is reported by the sub-menu's handle.
    TMenuItem* item = nullptr;
    for (TMenu* menu : LiveMenus())
        if ((item = menu->FindItem(id)) != nullptr || (item = menu->FindItem(id, fkHandle)) != nullptr) break;
    if (!item) return false;
    TControlCanvas canvas;
    canvas.SetFont(Screen->MenuFont());
    if (Message.Msg == WM_MEASUREITEM) {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
        const HDC dc = GetDC(0);
        canvas.SetHandle(dc);
        int width = int(mis->itemWidth), height = int(mis->itemHeight);
        item->MeasureItem(&canvas, width, height);
        mis->itemWidth = UINT(width);
        mis->itemHeight = UINT(height);
        canvas.SetHandle(0);
        ReleaseDC(0, dc);
    } else {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
        canvas.SetHandle(dis->hDC);
        item->DrawItem(&canvas, dis->rcItem, OwnerDrawStateOf(dis->itemState));
        canvas.SetHandle(0);
    }
    Message.Result = TRUE;
    return true;
}

