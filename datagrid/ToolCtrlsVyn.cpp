// Edit-button and special-row settings, and the shared button and text
// routines.
#include "datagrid/ToolCtrlsVyn.h"

#include <cmath>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/controls.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winpaint.h"

SERVIORA_REGISTER_CLASS(TEditButtonVyn);
SERVIORA_REGISTER_CLASS(TVisibleEditButtonVyn);

int ComputeFlatButtonWidth() {
    const HDC dc = GetDC(0);
    TEXTMETRICA metrics{};
    GetTextMetrics(dc, &metrics);
    ReleaseDC(0, dc);
    int width = static_cast<int>(std::nearbyint(metrics.tmHeight / 3.0 * 2.0));
    if (width % 2 == 0) ++width;
    return std::min(width, GetSystemMetrics(SM_CXVSCROLL));
}

int FlatButtonWidth() {
    static const int width = ComputeFlatButtonWidth();
    return width;
}

int ButtonHeightForWidth(int buttonWidth, bool flat) {
    return flat ? static_cast<int>(std::nearbyint(buttonWidth * 3.0 / 2.0)) : buttonWidth;
}

bool SameVariantValue(const Variant& first, const Variant& second) {
    try {
        const bool firstArray = VarIsArray(first);
        if (firstArray != VarIsArray(second)) return false;
        if (firstArray && VarArrayDimCount(first) == VarArrayDimCount(second) &&
            VarArrayLowBound(first, 1) == VarArrayLowBound(second, 1) &&
            VarArrayHighBound(first, 1) == VarArrayHighBound(second, 1)) {
            for (int i = VarArrayLowBound(first, 1); i <= VarArrayHighBound(first, 1); ++i)
                if (!(first.GetElement({i}) == second.GetElement({i}))) return false;
            return true;
        }
        if (VarIsEmpty(first) != VarIsEmpty(second)) return false;
        return first == second;
    } catch (const Exception&) {
        return false;
    }
}

void SplitCellsText(TStrings* strings, const AnsiString& text) {
    strings->BeginUpdate();
    try {
        strings->Clear();
        const std::size_t n = text.size();
        std::size_t i = 0;
        auto skipControls = [&] {
            while (i < n && Byte(text[i]) >= 1 && Byte(text[i]) < ' ') ++i;
        };
        while (i < n) {
            skipControls();
            if (i >= n) break;
            AnsiString item;
            if (text[i] == '"') {
                ++i;
                while (i < n) {
                    if (text[i] == '"') {
                        if (i + 1 < n && text[i + 1] == '"') {
                            item += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    const std::size_t size = AnsiCharSize(text, i);
                    item.append(text, i, size);
                    i += size;
                }
            } else {
                while (i < n && text[i] != ';' && Byte(text[i]) >= ' ') {
                    const std::size_t size = AnsiCharSize(text, i);
                    item.append(text, i, size);
                    i += size;
                }
            }
            strings->Add(item);
            skipControls();
            if (i < n && text[i] == ';') ++i;
        }
    } catch (...) {
        strings->EndUpdate();
        throw;
    }
    strings->EndUpdate();
}

// ---- TEditButtonVyn ----------------------------------------------------------

void TEditButtonVyn::Published(TPublished<TEditButtonVyn>& p) {
    p.Property("DropdownMenu", &TEditButtonVyn::DropdownMenu, &TEditButtonVyn::SetDropdownMenu);
    p.Property("Glyph", &TEditButtonVyn::Glyph, &TEditButtonVyn::SetGlyph);
    p.Property("Hint", &TEditButtonVyn::Hint, &TEditButtonVyn::SetHint);
    p.Property("NumGlyphs", &TEditButtonVyn::NumGlyphs, &TEditButtonVyn::SetNumGlyphs).Default(1);
    p.Property("ShortCut", &TEditButtonVyn::ShortCut, &TEditButtonVyn::SetShortCut).TypeName("TShortCut").Default(0);
    p.Property("Style", &TEditButtonVyn::Style, &TEditButtonVyn::SetStyle).Default(ebsDropDownVyn);
    p.Property("Visible", &TEditButtonVyn::Visible, &TEditButtonVyn::SetVisible).Default(false);
    p.Property("Width", &TEditButtonVyn::Width, &TEditButtonVyn::SetWidth).Default(0);
    p.Property("OnClick", &TEditButtonVyn::OnClick, &TEditButtonVyn::SetOnClick);
    p.Property("OnDown", &TEditButtonVyn::OnDown, &TEditButtonVyn::SetOnDown);
}

// The collection hears of the new item once it is constructed, with its
// settings in place.
TEditButtonVyn::TEditButtonVyn(TCollection* collection) : TCollectionItem(collection) { Initialize(); }

TEditButtonVyn::TEditButtonVyn(TWinControl* editControl) : TCollectionItem(nullptr), editControl_(editControl) {
    Initialize();
}

TEditButtonVyn::~TEditButtonVyn() = default;

void TEditButtonVyn::Initialize() {
    glyph_ = std::make_unique<TBitmap>();
    glyph_->SetTransparent(true);
}

void TEditButtonVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TEditButtonVyn*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetDropdownMenu(other->DropdownMenu());
    SetGlyph(other->Glyph());
    SetHint(other->Hint());
    SetNumGlyphs(other->NumGlyphs());
    SetShortCut(other->ShortCut());
    SetStyle(other->Style());
    SetVisible(other->Visible());
    SetWidth(other->Width());
    SetOnClick(other->OnClick());
    SetOnDown(other->OnDown());
}

void TEditButtonVyn::SetGlyph(TBitmap* v) {
    glyph_->Assign(v);
    NotifyChanged();
}

void TEditButtonVyn::SetHint(const AnsiString& v) { Store(hint_, v); }
void TEditButtonVyn::SetNumGlyphs(int v) { Store(numGlyphs_, std::clamp(v, 1, 4)); }
void TEditButtonVyn::SetStyle(TEditButtonStyleVyn v) { Store(style_, v); }
void TEditButtonVyn::SetVisible(bool v) { Store(visible_, v); }
void TEditButtonVyn::SetWidth(int v) { Store(width_, v); }

void TEditButtonVyn::NotifyChanged() {
    if (onChangeNotify_)
        onChangeNotify_(this);
    else if (Collection())
        Changed(false);
}

// ---- TVisibleEditButtonVyn ------------------------------------------------------

void TVisibleEditButtonVyn::Published(TPublished<TVisibleEditButtonVyn>& p) {
    p.Property("ShortCut", &TVisibleEditButtonVyn::ShortCut, &TVisibleEditButtonVyn::SetShortCut)
        .TypeName("TShortCut")
        .Default(32808);
    p.Property("Visible", &TVisibleEditButtonVyn::Visible, &TVisibleEditButtonVyn::SetVisible).Default(true);
}

TVisibleEditButtonVyn::TVisibleEditButtonVyn(TCollection* collection) : TEditButtonVyn(collection) {
    SetShortCut(::ShortCut(VK_DOWN, TShiftState{ssAlt}));
    SetVisible(true);
}

TVisibleEditButtonVyn::TVisibleEditButtonVyn(TWinControl* editControl) : TEditButtonVyn(editControl) {
    SetShortCut(::ShortCut(VK_DOWN, TShiftState{ssAlt}));
    SetVisible(true);
}

// ---- TEditButtonsVyn -----------------------------------------------------------

TEditButtonsVyn::TEditButtonsVyn(TPersistent* owner, TCollectionItemClass itemClass)
    : TCollection(itemClass), owner_(owner) {}

void TEditButtonsVyn::Update(TCollectionItem* item) {
    TCollection::Update(item);
    onItemChanged_(static_cast<TEditButtonVyn*>(item));
}

// ---- TSpecRowVyn ---------------------------------------------------------------

void TSpecRowVyn::Published(TPublished<TSpecRowVyn>& p) {
    p.Property("CellsText", &TSpecRowVyn::CellsText, &TSpecRowVyn::SetCellsText);
    p.Property("Color", &TSpecRowVyn::Color, &TSpecRowVyn::SetColor)
        .TypeName("TColor")
        .Stored(&TSpecRowVyn::ColorAssigned);
    p.Property("Font", &TSpecRowVyn::Font, &TSpecRowVyn::SetFont).Stored(&TSpecRowVyn::FontAssigned);
    p.Property("ShortCut", &TSpecRowVyn::ShortCut, &TSpecRowVyn::SetShortCut).TypeName("TShortCut").Default(32814);
    p.Property("ShowIfNotInKeyList", &TSpecRowVyn::ShowIfNotInKeyList, &TSpecRowVyn::SetShowIfNotInKeyList)
        .Default(true);
    p.Property("Value", &TSpecRowVyn::Value, &TSpecRowVyn::SetValue).Stored(&TSpecRowVyn::ValueStored);
    p.Property("Visible", &TSpecRowVyn::Visible, &TSpecRowVyn::SetVisible).Default(false);
}

TSpecRowVyn::TSpecRowVyn(TPersistent* owner)
    : owner_(owner), cells_(std::make_unique<TStringList>()), font_(std::make_unique<TFont>()) {
    if (TFont* ownerFont = OwnerFont()) font_->Assign(ownerFont);
    font_->SetOnChange(TNotifyEvent(this, &TSpecRowVyn::FontChanged));
}

TSpecRowVyn::~TSpecRowVyn() = default;

void TSpecRowVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TSpecRowVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    LockChanges();
    try {
        SetCellsText(other->CellsText());
        SetColor(other->Color());
        if (other->FontAssigned()) SetFont(other->Font());
        SetShortCut(other->ShortCut());
        SetShowIfNotInKeyList(other->ShowIfNotInKeyList());
        SetValue(other->Value());
        SetVisible(other->Visible());
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

TFont* TSpecRowVyn::OwnerFont() const {
    auto* control = dynamic_cast<TControl*>(owner_);
    return control ? control->Font() : nullptr;
}

TColor TSpecRowVyn::OwnerColor() const {
    auto* control = dynamic_cast<TCustomControl*>(owner_);
    return control ? control->Color() : color_;
}

void TSpecRowVyn::SetCellsText(const AnsiString& v) {
    cellsText_ = v;
    SplitCellsText(cells_.get(), v);
    Changed();
}

TColor TSpecRowVyn::Color() const { return colorAssigned_ ? color_ : OwnerColor(); }

void TSpecRowVyn::SetColor(TColor v) {
    color_ = v;
    colorAssigned_ = true;
    Changed();
}

TFont* TSpecRowVyn::Font() const {
    TFont* ownerFont = OwnerFont();
    if (!fontAssigned_ && ownerFont && ownerFont->Handle() != font_->Handle()) {
        const TNotifyEvent handler = font_->OnChange();
        font_->SetOnChange(nullptr);
        font_->Assign(ownerFont);
        font_->SetOnChange(handler);
    }
    return font_.get();
}

void TSpecRowVyn::FontChanged(TObject*) {
    Changed();
    fontAssigned_ = true;
}

void TSpecRowVyn::SetShowIfNotInKeyList(bool v) {
    if (v == showIfNotInKeyList_) return;
    showIfNotInKeyList_ = v;
    Changed();
}

void TSpecRowVyn::SetValue(const Variant& v) {
    if (SameVariantValue(v, value_)) return;
    value_ = v;
    Changed();
}

void TSpecRowVyn::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed();
}

AnsiString TSpecRowVyn::CellText(int index) const {
    return index >= 0 && index < cells_->Count() ? cells_->Strings(index) : AnsiString();
}

bool TSpecRowVyn::MatchesKey(const Variant& keyValue) const { return visible_ && SameVariantValue(value_, keyValue); }

void TSpecRowVyn::UnlockChanges() {
    if (changeLock_ > 0) --changeLock_;
    Changed();
}

void TSpecRowVyn::Changed() {
    if (changeLock_ == 0) onChangeNotify_(this);
}
