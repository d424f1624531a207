// The settings objects of edit buttons and of the special row of drop-down
// lists, and the small routines they and the grid share: the flat button
// width, a button's height for its width, splitting a row's cell texts and
// comparing variant values without raising.
#pragma once

#include <memory>

#include "datagrid/DBGridVynTypes.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"
#include "platform/ui/menus.h"

class TWinControl;

SERVIORA_ENUM(TEditButtonStyleVyn, ebsDropDownVyn, ebsEllipsisVyn, ebsGlyphVyn, ebsUpDownVyn, ebsPlusVyn, ebsMinusVyn)

// The width of flat edit buttons: two thirds of the screen's text height,
// made odd, at most the vertical scroll bar's width. Computed once.
int FlatButtonWidth();
int ComputeFlatButtonWidth();
// The height a button of `buttonWidth` takes: one and a half times the
// width for a flat button (halves to even), the width itself otherwise.
int ButtonHeightForWidth(int buttonWidth, bool flat);
// Equal values, never raising: arrays compare element by element along
// their first dimension, an unassigned value equals only another.
bool SameVariantValue(const Variant& first, const Variant& second);
// The items of a ";"-separated list (quoted items may hold ";" and doubled
// quotes), control characters around them skipped, into `strings`.
void SplitCellsText(TStrings* strings, const AnsiString& text);

// One button of an editor. Stand-alone (an editor's main button) or an item
// of a TEditButtonsVyn; a change reaches the owner through OnChangeNotify,
// else the collection.
class TEditButtonVyn : public TCollectionItem {
    SERVIORA_CLASS(TEditButtonVyn, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TEditButtonVyn(TCollection* collection);
    explicit TEditButtonVyn(TWinControl* editControl);
    ~TEditButtonVyn() override;
    void Assign(TPersistent* source) override;

    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* v) { dropdownMenu_ = v; }
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(TBitmap* v);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v) { shortCut_ = v; }
    TEditButtonStyleVyn Style() const { return style_; }
    void SetStyle(TEditButtonStyleVyn v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int Width() const { return width_; }
    void SetWidth(int v);
    const TButtonClickEventVyn& OnClick() const { return onClick_; }
    void SetOnClick(TButtonClickEventVyn v) { onClick_ = std::move(v); }
    const TButtonDownEventVyn& OnDown() const { return onDown_; }
    void SetOnDown(TButtonDownEventVyn v) { onDown_ = std::move(v); }

    TWinControl* EditControl() const { return editControl_; }
    const TNotifyEvent& OnChangeNotify() const { return onChangeNotify_; }
    void SetOnChangeNotify(TNotifyEvent v) { onChangeNotify_ = std::move(v); }

protected:
    void NotifyChanged();

private:
    void Initialize();
    template <class T>
    void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        NotifyChanged();
    }

    TWinControl* editControl_ = nullptr;
    TPopupMenu* dropdownMenu_ = nullptr;
    std::unique_ptr<TBitmap> glyph_;
    AnsiString hint_;
    int numGlyphs_ = 1;
    TShortCut shortCut_ = 0;
    TEditButtonStyleVyn style_ = ebsDropDownVyn;
    bool visible_ = false;
    int width_ = 0;
    TButtonClickEventVyn onClick_;
    TButtonDownEventVyn onDown_;
    TNotifyEvent onChangeNotify_;
};

// An editor's main button: shown, and pressed by Alt+Down.
class TVisibleEditButtonVyn : public TEditButtonVyn {
    SERVIORA_CLASS(TVisibleEditButtonVyn, TEditButtonVyn)
    SERVIORA_PUBLISHED
public:
    explicit TVisibleEditButtonVyn(TCollection* collection);
    explicit TVisibleEditButtonVyn(TWinControl* editControl);
};

using TEditButtonVynItemChanged = TEvent<void(TEditButtonVyn* Item)>;

// The extra buttons of an editor or column.
class TEditButtonsVyn : public TCollection {
    SERVIORA_CLASS(TEditButtonsVyn, TCollection)
public:
    TEditButtonsVyn(TPersistent* owner, TCollectionItemClass itemClass);
    TEditButtonVyn* Items(int index) const { return static_cast<TEditButtonVyn*>(TCollection::Items(index)); }
    TEditButtonVyn* Add() { return static_cast<TEditButtonVyn*>(TCollection::Add()); }
    const TEditButtonVynItemChanged& OnItemChanged() const { return onItemChanged_; }
    void SetOnItemChanged(TEditButtonVynItemChanged v) { onItemChanged_ = std::move(v); }

protected:
    void Update(TCollectionItem* item) override;
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
    TEditButtonVynItemChanged onItemChanged_;
};

// The special first row of a drop-down list, standing for one key value
// (often "no value"). Its colour and font follow the owner control until
// assigned.
class TSpecRowVyn : public TPersistent {
    SERVIORA_CLASS(TSpecRowVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TSpecRowVyn(TPersistent* owner);
    ~TSpecRowVyn() override;
    void Assign(TPersistent* source) override;

    const AnsiString& CellsText() const { return cellsText_; }
    void SetCellsText(const AnsiString& v);
    TColor Color() const;
    void SetColor(TColor v);
    TFont* Font() const;
    void SetFont(TFont* v) { font_->Assign(v); }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v) { shortCut_ = v; }
    bool ShowIfNotInKeyList() const { return showIfNotInKeyList_; }
    void SetShowIfNotInKeyList(bool v);
    const Variant& Value() const { return value_; }
    void SetValue(const Variant& v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // The split text of cell `index`, empty outside the cells.
    AnsiString CellText(int index) const;
    bool MatchesKey(const Variant& keyValue) const;
    void LockChanges() { ++changeLock_; }
    void UnlockChanges();
    bool ColorAssigned() const { return colorAssigned_; }
    bool FontAssigned() const { return fontAssigned_; }
    bool ValueStored() const { return !VarIsNull(value_); }

    const TNotifyEvent& OnChangeNotify() const { return onChangeNotify_; }
    void SetOnChangeNotify(TNotifyEvent v) { onChangeNotify_ = std::move(v); }

protected:
    TPersistent* GetOwner() const override { return owner_; }
    TFont* OwnerFont() const;
    TColor OwnerColor() const;

private:
    void Changed();
    void FontChanged(TObject* sender);

    TPersistent* owner_;
    AnsiString cellsText_;
    std::unique_ptr<TStringList> cells_;
    TColor color_ = clWindow;
    bool colorAssigned_ = false;
    std::unique_ptr<TFont> font_;
    bool fontAssigned_ = false;
    TShortCut shortCut_ = 32814;  // Alt+Del
    bool showIfNotInKeyList_ = true;
    Variant value_ = Null();
    bool visible_ = false;
    int changeLock_ = 0;
    TNotifyEvent onChangeNotify_;
};
