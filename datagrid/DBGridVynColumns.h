// The column model of the grid: columns (TColumnVyn, published as
// TDBGridColumnVyn), their titles and footers, the grid-wide defaults
// (ColumnDefValues) and the collection.
//
// Most column settings follow a default (the grid's, ColumnDefValues', or
// the bound field's) until a value is assigned to the column itself; the
// column then owns it, recorded in OwnValues, and only owned values that
// differ from the default are stored in form descriptions.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "datagrid/DBGridVynSettings.h"
#include "datagrid/DBGridVynTypes.h"
#include "datagrid/ToolCtrlsVyn.h"
#include "platform/rtl/collection.h"
#include "platform/ui/graphics.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls_buttons.h"

class TCustomDBGridVyn;
class TPopupDataGridVyn;
class TColumnVyn;
class TDBGridColumnsVyn;
class TColumnDefValuesVyn;
class TField;
class TDataSet;
class TDBSum;
class TColCellParamsVyn;

// A list of columns that does not own them.
SERVIORA_ENUM(TColumnValueKindVyn, cvkPlain, cvkPickList, cvkLookup, cvkKeyList, cvkImageList, cvkCheckbox)

// A field's value as text by `format`: the field's display text without a
// format, empty for a null value, number and date formats by field type
// (an aggregate field's by its result type).
AnsiString FormatFieldValue(TField* field, const AnsiString& format);
// Whether one of the ";"-separated values of a key-list entry equals
// `text`, ASCII letter case ignored.
bool KeyListEntryMatches(const AnsiString& entry, const AnsiString& text);

class TColumnsVynList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TColumnVyn* Items(int index) const { return items_[static_cast<std::size_t>(index)]; }
    int IndexOf(const TColumnVyn* column) const;
    void Add(TColumnVyn* column) { items_.push_back(column); }
    void Remove(const TColumnVyn* column);
    void Exchange(int a, int b);
    void Clear() { items_.clear(); }

private:
    std::vector<TColumnVyn*> items_;
};

// The bits of TColumnVyn::OwnValues.
enum TColumnOwnValue : std::uint32_t {
    cvColor, cvWidth, cvFont, cvAlignment, cvReadOnly,
    cvTitleColor, cvTitleCaption, cvTitleAlignment, cvTitleFont, cvTitleButton, cvTitleEndEllipsis,
    cvTitleToolTips, cvTitleOrientation,
    cvImeMode, cvImeName, cvWordWrap, cvLookupDisplayFields, cvCheckboxes, cvAlwaysShowEditButton,
    cvEndEllipsis, cvAutoDropDown, cvDblClickNextVal, cvToolTips, cvDropDownSizing, cvDropDownShowTitles
};

// A font object that holds either its owner's own font or a copy of a
// default: refreshed from the default on reading while not own.
class TFollowingFont {
public:
    explicit TFollowingFont(TNotifyEvent changed);
    TFont* Font() const { return font_.get(); }
    // The object, first refreshed from `defaultFont` when that is given and
    // differs in handle or colour.
    TFont* Follow(TFont* defaultFont) const;

private:
    std::unique_ptr<TFont> font_;
};

class TColumnTitleVyn : public TPersistent {
    SERVIORA_CLASS(TColumnTitleVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TColumnTitleVyn(TColumnVyn* column);
    ~TColumnTitleVyn() override;
    void Assign(TPersistent* source) override;

    TColumnVyn* Column() const { return column_; }
    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    AnsiString Caption() const;
    virtual void SetCaption(const AnsiString& v);
    TColor Color() const;
    void SetColor(TColor v);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool v);
    TFont* Font() const;
    void SetFont(TFont* v);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& v) { hint_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    TTextOrientationVyn Orientation() const;
    void SetOrientation(TTextOrientationVyn v);
    int SortIndex() const { return sortIndex_; }
    void SetSortIndex(int v);
    TSortMarkerVyn SortMarker() const { return sortMarker_; }
    void SetSortMarker(TSortMarkerVyn v);
    bool TitleButton() const;
    void SetTitleButton(bool v);
    bool ToolTips() const;
    void SetToolTips(bool v);

    // The marker a title click sets: plain clicks cycle none, down, up,
    // down, ...; Ctrl-clicks none, down, up, none.
    void ToggleSortMarker(bool ctrlDown);
    // The width the title keeps at its right for the marker and the index.
    int SortMarkerAreaWidth() const;
    virtual void ClearOwnValues();

    TAlignment DefaultAlignment() const;
    AnsiString DefaultCaption() const;
    TColor DefaultColor() const;
    bool DefaultEndEllipsis() const;
    TFont* DefaultFont() const;
    TTextOrientationVyn DefaultOrientation() const;
    bool DefaultTitleButton() const;
    bool DefaultToolTips() const;

    // Stored predicates of the published table.
    bool AlignmentStored() const;
    bool CaptionStored() const;
    bool ColorStored() const;
    bool FontStored() const;
    bool EndEllipsisStored() const;
    bool OrientationStored() const;
    bool TitleButtonStored() const;
    bool ToolTipsStored() const;

protected:
    TPersistent* GetOwner() const override;

private:
    bool Owns(TColumnOwnValue bit) const;
    void Own(TColumnOwnValue bit);
    void FontChanged(TObject* sender);
    TColumnDefValuesVyn* DefValues() const;

    TColumnVyn* column_;
    TAlignment alignment_ = taLeftJustify;
    AnsiString caption_;
    TColor color_ = clBtnFace;
    bool endEllipsis_ = false;
    TFollowingFont font_;
    AnsiString hint_;
    int imageIndex_ = -1;
    TTextOrientationVyn orientation_ = tohHorizontal;
    int sortIndex_ = 0;
    bool toolTips_ = false;
    TSortMarkerVyn sortMarker_ = smNoneVyn;
    bool titleButton_ = false;
};

// The footer of a column, or of one footer row of it.
class TColumnFooterVyn : public TCollectionItem {
    SERVIORA_CLASS(TColumnFooterVyn, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    // An item of a column's Footers.
    explicit TColumnFooterVyn(TCollection* collection);
    // A column's single Footer.
    explicit TColumnFooterVyn(TColumnVyn* column);
    ~TColumnFooterVyn() override;
    void Assign(TPersistent* source) override;

    enum OwnBit : std::uint8_t { fvAlignment, fvFont, fvColor, fvToolTips };

    TColumnVyn* Column() const { return column_; }
    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    TColor Color() const;
    void SetColor(TColor v);
    const AnsiString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const AnsiString& v);
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool v);
    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& v);
    TFont* Font() const;
    void SetFont(TFont* v) { font_.Font()->Assign(v); }
    bool ToolTips() const;
    void SetToolTips(bool v);
    const AnsiString& Value() const { return value_; }
    void SetValue(const AnsiString& v);
    TFooterValueType ValueType() const { return valueType_; }
    void SetValueType(TFooterValueType v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    virtual void ClearOwnValues();
    // Gives the footer the sum-list item its value type needs (a sum,
    // average or count over its field), or frees the one it no longer needs.
    void SyncSum();
    TDBSum* Sum() const { return sum_; }

    TAlignment DefaultAlignment() const;
    TColor DefaultColor() const;
    TFont* DefaultFont() const;
    bool DefaultToolTips() const;
    bool AlignmentStored() const { return Owns(fvAlignment) && Alignment() != DefaultAlignment(); }
    bool ColorStored() const { return Owns(fvColor) && Color() != DefaultColor(); }
    bool FontStored() const { return Owns(fvFont); }
    bool ToolTipsStored() const { return Owns(fvToolTips) && ToolTips(); }

protected:
    TPersistent* GetOwner() const override;

private:
    bool Owns(OwnBit bit) const { return (ownValues_ >> bit) & 1u; }
    void Own(OwnBit bit) { ownValues_ |= static_cast<std::uint8_t>(1u << bit); }
    void NotifyColumn(bool allItems);
    void FontChanged(TObject* sender);

    TColumnVyn* column_;
    std::uint8_t ownValues_ = 0;
    TAlignment alignment_ = taLeftJustify;
    TColor color_ = clWindow;
    AnsiString displayFormat_;
    bool endEllipsis_ = false;
    AnsiString fieldName_;
    TFollowingFont font_;
    bool toolTips_ = false;
    AnsiString value_;
    TFooterValueType valueType_ = fvtNon;
    bool wordWrap_ = false;
    TDBSum* sum_ = nullptr;
};

// A column's footers, one per footer row.
class TColumnFootersVyn : public TCollection {
    SERVIORA_CLASS(TColumnFootersVyn, TCollection)
public:
    explicit TColumnFootersVyn(TColumnVyn* column);
    TColumnVyn* Column() const { return column_; }
    TColumnFooterVyn* Items(int index) const { return static_cast<TColumnFooterVyn*>(TCollection::Items(index)); }
    TColumnFooterVyn* Add() { return static_cast<TColumnFooterVyn*>(TCollection::Add()); }

protected:
    TPersistent* GetOwner() const override;

private:
    TColumnVyn* column_;
};

// What a lookup column's drop-down box reaches of its column.
class IDropDownBoxOwnerVyn {
public:
    virtual void FreeNotificationTo(TComponent* component) = 0;
    virtual TPopupDataGridVyn* DropDownGrid() = 0;
    // The drop-down grid when it was made: reading settings makes none.
    virtual TPopupDataGridVyn* ExistingDropDownGrid() const = 0;
    virtual TDBLookupGridVynOptions DropDownGridOptions() = 0;
    virtual void SetDropDownGridOptions(TDBLookupGridVynOptions options) = 0;

protected:
    ~IDropDownBoxOwnerVyn() = default;
};

class TColumnVyn : public TCollectionItem, public IDropDownBoxOwnerVyn {
    SERVIORA_CLASS(TColumnVyn, TCollectionItem)
public:
    explicit TColumnVyn(TCollection* collection);
    ~TColumnVyn() override;
    void Assign(TPersistent* source) override;

    std::uint32_t OwnValues() const { return ownValues_; }
    bool Owns(TColumnOwnValue bit) const { return (ownValues_ >> bit) & 1u; }
    void Own(TColumnOwnValue bit) { ownValues_ |= 1u << bit; }
    // The grid of the collection, or nullptr outside a grid's columns.
    TCustomDBGridVyn* OwnerGrid() const;
    TColumnDefValuesVyn* DefValues() const;

    // ---- Field ----------------------------------------------------------------------
    // Asked for many times per cell: a bound field answers inline.
    TField* BoundField() const { return field_ ? field_ : FindBoundField(); }
    virtual void BindField(TField* field);

    // How the field's value shows and changes: as text, pick-list text,
    // key-list text, lookup value, image or check box.
    TColumnValueKindVyn ValueKind() const;
    // The text a cell shows for the current record.
    AnsiString CellDisplayText() const;
    // The image a cell shows: the value's place in the key or pick list, or
    // a number field's value; NotInKeyListIndex for a value in neither.
    int CellImageIndex() const;
    TCheckBoxState CheckState() const;
    void SetCheckState(TCheckBoxState state);
    // Whether the value may change now; with tryEdit the dataset is put
    // into edit state and the answer is whether it got there.
    bool CanEditValue(bool tryEdit);
    // Writes a new value through OnUpdateData, else into the field (as
    // text with useText, else as a value).
    void WriteValue(AnsiString text, Variant value, bool useText);
    // Moves the value to the next (delta 1) or previous list entry, lookup
    // record, check state or number (by delta).
    void StepValue(double delta);
    void FillCellParams(TColCellParamsVyn* params) const;
    // The dataset a lookup column picks from: the drop-down box's list
    // source, else the field's lookup dataset (nullptr for neither).
    TDataSet* ListDataSet() const;
    void FireGetCellParams(bool editMode, TColCellParamsVyn* params);
    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& v);
    // Made by the grid from the dataset's fields, not by the user.
    virtual bool IsAutoColumn() const;
    bool UserCreated() const { return userCreated_; }
    void SetUserCreated(bool v) { userCreated_ = v; }

    // ---- Settings with own values ------------------------------------------------------
    TAlignment Alignment() const;
    virtual void SetAlignment(TAlignment v);
    bool AlwaysShowEditButton() const;
    void SetAlwaysShowEditButton(bool v);
    bool AutoDropDown() const;
    void SetAutoDropDown(bool v);
    bool Checkboxes() const;
    void SetCheckboxes(bool v);
    TColor Color() const;
    void SetColor(TColor v);
    bool DblClickNextVal() const;
    void SetDblClickNextVal(bool v);
    bool DropDownShowTitles() const;
    void SetDropDownShowTitles(bool v);
    bool DropDownSizing() const;
    void SetDropDownSizing(bool v);
    bool EndEllipsis() const;
    void SetEndEllipsis(bool v);
    TFont* Font() const;
    void SetFont(TFont* v) { font_.Font()->Assign(v); }
    TImeMode ImeMode() const;
    virtual void SetImeMode(TImeMode v);
    TImeName ImeName() const;
    virtual void SetImeName(const TImeName& v);
    AnsiString LookupDisplayFields() const;
    virtual void SetLookupDisplayFields(const AnsiString& v);
    bool ReadOnly() const;
    virtual void SetReadOnly(bool v);
    bool ToolTips() const;
    void SetToolTips(bool v);
    int Width() const;
    virtual void SetWidth(int v);
    bool WordWrap() const;
    virtual void SetWordWrap(bool v);

    // ---- Plain settings -----------------------------------------------------------------
    bool AutoFitColWidth() const { return autoFitColWidth_; }
    virtual void SetAutoFitColWidth(bool v);
    int AutoFitBaseWidth() const { return autoFitBaseWidth_; }
    void SetAutoFitBaseWidth(int v) { autoFitBaseWidth_ = v; }
    TColumnButtonStyleVyn ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TColumnButtonStyleVyn v);
    const AnsiString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const AnsiString& v);
    TColumnDropDownBoxVyn* DropDownBox() const { return dropDownBox_.get(); }
    void SetDropDownBox(TColumnDropDownBoxVyn* v) { dropDownBox_->Assign(v); }
    Cardinal DropDownRows() const { return dropDownRows_; }
    void SetDropDownRows(Cardinal v) { dropDownRows_ = v; }
    TSpecRowVyn* DropDownSpecRow() const { return dropDownSpecRow_.get(); }
    void SetDropDownSpecRow(TSpecRowVyn* v) { dropDownSpecRow_->Assign(v); }
    int DropDownWidth() const { return dropDownWidth_; }
    void SetDropDownWidth(int v);
    TEditButtonsVyn* EditButtons() const { return editButtons_.get(); }
    void SetEditButtons(TEditButtonsVyn* v) { editButtons_->Assign(v); }
    const AnsiString& EditMask() const { return editMask_; }
    void SetEditMask(const AnsiString& v);
    TColumnFooterVyn* Footer() const { return footer_.get(); }
    void SetFooter(TColumnFooterVyn* v) { footer_->Assign(v); }
    TColumnFootersVyn* Footers() const { return footers_.get(); }
    void SetFooters(TColumnFootersVyn* v) { footers_->Assign(v); }
    TCustomImageList* ImageList() const { return imageLink_->Sender(); }
    void SetImageList(TCustomImageList* v);
    double Increment() const { return increment_; }
    void SetIncrement(double v) { increment_ = v; }
    TStrings* KeyList() const;
    void SetKeyList(TStrings* v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v);
    TMRUListVyn* MRUList() const { return mruList_.get(); }
    void SetMRUList(TMRUListVyn* v) { mruList_->Assign(v); }
    int NotInKeyListIndex() const { return notInKeyListIndex_; }
    void SetNotInKeyListIndex(int v);
    TStrings* PickList() const;
    void SetPickList(TStrings* v);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* v);
    bool ShowImageAndText() const { return showImageAndText_; }
    void SetShowImageAndText(bool v);
    TSTColumnFilterVyn* STFilter() const { return stFilter_.get(); }
    void SetSTFilter(TSTColumnFilterVyn* v) { stFilter_->Assign(v); }
    Integer Tag() const { return tag_; }
    void SetTag(Integer v) { tag_ = v; }
    TColumnTitleVyn* Title() const { return title_.get(); }
    void SetTitle(TColumnTitleVyn* v) { title_->Assign(v); }
    bool Visible() const { return visible_; }
    void SetVisible(bool v);

    // ---- Events -------------------------------------------------------------------------
    const TButtonClickEventVyn& OnEditButtonClick() const { return onEditButtonClick_; }
    void SetOnEditButtonClick(TButtonClickEventVyn v) { onEditButtonClick_ = std::move(v); }
    const TButtonDownEventVyn& OnEditButtonDown() const { return onEditButtonDown_; }
    void SetOnEditButtonDown(TButtonDownEventVyn v) { onEditButtonDown_ = std::move(v); }
    const TGetColCellParamsEventVyn& OnGetCellParams() const { return onGetCellParams_; }
    void SetOnGetCellParams(TGetColCellParamsEventVyn v);
    const TNotInListEventVyn& OnNotInList() const { return onNotInList_; }
    void SetOnNotInList(TNotInListEventVyn v) { onNotInList_ = std::move(v); }
    const TColCellUpdateDataEventVyn& OnUpdateData() const { return onUpdateData_; }
    void SetOnUpdateData(TColCellUpdateDataEventVyn v) { onUpdateData_ = std::move(v); }

    // ---- Geometry and helpers --------------------------------------------------------------
    // The room of the column's buttons at the right of its cells.
    int ButtonAreaWidth() const;
    // Fits the width to the title, every record and the footers.
    void FitWidthToData();
    int ClampWidth(int width) const;
    // The width that fits the bound field's DisplayWidth in the column font.
    int NaturalWidth() const;
    TColumnFooterVyn* FooterForRow(int row) const;
    // Every footer's sum-list item follows the column's field and the footers' types.
    void SyncFooterSums();
    // The lookup grid the column drops down, made on first use.
    TPopupDataGridVyn* DropDownGrid() override;
    // The drop-down grid when it was made, else nullptr.
    TPopupDataGridVyn* ExistingDropDownGrid() const override { return dropDownGrid_.get(); }
    void FreeNotificationTo(TComponent* component) override;
    TDBLookupGridVynOptions DropDownGridOptions() override;
    void SetDropDownGridOptions(TDBLookupGridVynOptions options) override;
    virtual void ClearOwnValues();
    // Moves the column; an automatic column first moves its field to the
    // place of the field shown at the target.
    void SetIndex(int index) override;

    // The defaults while the own value is not set.
    TAlignment DefaultAlignment() const;
    bool DefaultCheckboxes() const;
    TColor DefaultColor() const;
    TFont* DefaultFont() const;
    TImeMode DefaultImeMode() const;
    TImeName DefaultImeName() const;
    AnsiString DefaultLookupDisplayFields() const;
    bool DefaultReadOnly() const;
    bool DefaultWordWrap() const;
    // The ColumnDefValues default of a Boolean own value (false outside a grid).
    bool DefaultFlag(TColumnOwnValue bit) const;

    // Stored when own and different from the default.
    template <TColumnOwnValue Bit>
    bool OwnStored() const {
        return Owns(Bit) && OwnDiffers(Bit);
    }
    // Stored whenever own.
    template <TColumnOwnValue Bit>
    bool OwnFlagged() const {
        return Owns(Bit);
    }
    bool IncrementStored() const { return increment_ != 1.0; }

protected:
    AnsiString GetDisplayName() const override;
    TPersistent* GetOwner() const override;
    bool OwnDiffers(TColumnOwnValue bit) const;
    // Sets a Boolean own value unless it is own and equal; answers whether it stored.
    bool StoreFlag(TColumnOwnValue bit, bool& field, bool value);
    void SpecRowChanged(TObject* sender);

private:
    friend class TColumnTitleVyn;
    friend class TColumnFooterVyn;
    friend class TSTColumnFilterVyn;
    friend class TCustomDBGridVyn;
    void FontChanged(TObject* sender);
    void ImageListChanged(TObject* sender);
    // Repaints the grid (when in one).
    void InvalidateGrid() const;
    TField* AutoColumnField() const;
    // The field named by FieldName in the grid's open dataset, kept once found.
    TField* FindBoundField() const;
    // The column font's width of "0", overhang and average character width.
    struct FontMetrics {
        int zeroWidth;
        int overhang;
        int averageWidth;
    };
    FontMetrics MeasureFont() const;
    void NotifyChanged(bool allItems) { Changed(allItems); }

    std::uint32_t ownValues_ = 0;
    TAlignment alignment_ = taLeftJustify;
    TColumnButtonStyleVyn buttonStyle_ = cbsAuto;
    bool checkboxes_ = false;
    TColor color_ = clWindow;
    bool dblClickNextVal_ = false;
    AnsiString displayFormat_;
    std::unique_ptr<TColumnDropDownBoxVyn> dropDownBox_;
    Cardinal dropDownRows_ = 7;
    bool dropDownShowTitles_ = false;
    bool dropDownSizing_ = false;
    std::unique_ptr<TSpecRowVyn> dropDownSpecRow_;
    std::unique_ptr<TEditButtonsVyn> editButtons_;
    AnsiString editMask_;
    mutable TField* field_ = nullptr;
    mutable AnsiString fieldName_;
    TFollowingFont font_;
    std::unique_ptr<TColumnFooterVyn> footer_;
    std::unique_ptr<TColumnFootersVyn> footers_;
    std::unique_ptr<TChangeLink> imageLink_;
    TImeMode imeMode_ = imDontCare;
    TImeName imeName_;
    double increment_ = 1.0;
    mutable std::unique_ptr<TStringList> keyList_;
    int maxWidth_ = 0;
    int minWidth_ = 0;
    std::unique_ptr<TMRUListVyn> mruList_;
    int notInKeyListIndex_ = -1;
    bool userCreated_ = true;
    mutable std::unique_ptr<TStringList> pickList_;
    TPopupMenu* popupMenu_ = nullptr;
    bool readOnly_ = false;
    bool showImageAndText_ = false;
    Integer tag_ = 0;
    std::unique_ptr<TColumnTitleVyn> title_;
    bool toolTips_ = false;
    bool visible_ = true;
    int width_ = 0;
    std::unique_ptr<TSTColumnFilterVyn> stFilter_;
    bool alwaysShowEditButton_ = false;
    bool autoDropDown_ = false;
    bool autoFitColWidth_ = true;
    std::unique_ptr<TPopupDataGridVyn> dropDownGrid_;
    int dropDownWidth_ = 0;
    bool endEllipsis_ = false;
    int autoFitBaseWidth_ = 0;
    AnsiString lookupDisplayFields_;
    bool wordWrap_ = false;
    TButtonClickEventVyn onEditButtonClick_;
    TButtonDownEventVyn onEditButtonDown_;
    TGetColCellParamsEventVyn onGetCellParams_;
    TNotInListEventVyn onNotInList_;
    TColCellUpdateDataEventVyn onUpdateData_;
};

// The column class form descriptions create: every setting published.
class TDBGridColumnVyn : public TColumnVyn {
    SERVIORA_CLASS(TDBGridColumnVyn, TColumnVyn)
    SERVIORA_PUBLISHED
public:
    using TColumnVyn::TColumnVyn;

    // Events of the drop-down grid, read and written through the column.
    TCheckTitleVynBtnEvent OnDropDownBoxCheckButton() const;
    void SetOnDropDownBoxCheckButton(TCheckTitleVynBtnEvent v);
    TDrawColumnVynCellEvent OnDropDownBoxDrawColumnCell() const;
    void SetOnDropDownBoxDrawColumnCell(TDrawColumnVynCellEvent v);
    TGetCellVynParamsEvent OnDropDownBoxGetCellParams() const;
    void SetOnDropDownBoxGetCellParams(TGetCellVynParamsEvent v);
    TNotifyEvent OnDropDownBoxSortMarkingChanged() const;
    void SetOnDropDownBoxSortMarkingChanged(TNotifyEvent v);
    TTitleVynClickEvent OnDropDownBoxTitleBtnClick() const;
    void SetOnDropDownBoxTitleBtnClick(TTitleVynClickEvent v);
};

// The grid-wide defaults of titles.
class TColumnTitleDefValuesVyn : public TPersistent {
    SERVIORA_CLASS(TColumnTitleDefValuesVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TColumnTitleDefValuesVyn(TColumnDefValuesVyn* owner) : owner_(owner) {}
    void Assign(TPersistent* source) override;

    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);
    TColor Color() const;
    void SetColor(TColor v);
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool v);
    TTextOrientationVyn Orientation() const { return orientation_; }
    void SetOrientation(TTextOrientationVyn v);
    bool TitleButton() const { return titleButton_; }
    void SetTitleButton(bool v) { titleButton_ = v; }
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool v) { toolTips_ = v; }

    TAlignment DefaultAlignment() const;
    TColor DefaultColor() const;
    bool AlignmentStored() const { return (ownValues_ & 2u) && alignment_ != DefaultAlignment(); }
    bool ColorStored() const { return (ownValues_ & 1u) && color_ != DefaultColor(); }

protected:
    TPersistent* GetOwner() const override;

private:
    TCustomDBGridVyn* Grid() const;

    TColumnDefValuesVyn* owner_;
    std::uint8_t ownValues_ = 0;  // bit 0 Color, bit 1 Alignment
    TAlignment alignment_ = taLeftJustify;
    TColor color_ = clBtnFace;
    bool endEllipsis_ = false;
    TTextOrientationVyn orientation_ = tohHorizontal;
    bool titleButton_ = false;
    bool toolTips_ = false;
};

// The grid-wide default of footers.
class TColumnFooterDefValuesVyn : public TPersistent {
    SERVIORA_CLASS(TColumnFooterDefValuesVyn, TPersistent)
    SERVIORA_PUBLISHED
public:
    explicit TColumnFooterDefValuesVyn(TColumnDefValuesVyn* owner) : owner_(owner) {}
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool v) { toolTips_ = v; }

protected:
    TPersistent* GetOwner() const override;

private:
    TColumnDefValuesVyn* owner_;
    bool toolTips_ = false;
};

// A grid's ColumnDefValues.
class TColumnDefValuesVyn : public TPersistent {
    SERVIORA_CLASS(TColumnDefValuesVyn, TPersistent)
public:
    explicit TColumnDefValuesVyn(TCustomDBGridVyn* grid);
    ~TColumnDefValuesVyn() override;
    void Assign(TPersistent* source) override;

    TCustomDBGridVyn* Grid() const { return grid_; }
    bool AlwaysShowEditButton() const { return alwaysShowEditButton_; }
    void SetAlwaysShowEditButton(bool v);
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool v) { autoDropDown_ = v; }
    bool DblClickNextVal() const { return dblClickNextVal_; }
    void SetDblClickNextVal(bool v) { dblClickNextVal_ = v; }
    bool DropDownShowTitles() const { return dropDownShowTitles_; }
    void SetDropDownShowTitles(bool v) { dropDownShowTitles_ = v; }
    bool DropDownSizing() const { return dropDownSizing_; }
    void SetDropDownSizing(bool v) { dropDownSizing_ = v; }
    bool EndEllipsis() const { return endEllipsis_; }
    void SetEndEllipsis(bool v);
    TColumnFooterDefValuesVyn* Footer() const { return footer_.get(); }
    void SetFooter(TColumnFooterDefValuesVyn* v) { footer_->SetToolTips(v->ToolTips()); }
    TColumnTitleDefValuesVyn* Title() const { return title_.get(); }
    void SetTitle(TColumnTitleDefValuesVyn* v) { title_->Assign(v); }
    bool ToolTips() const { return toolTips_; }
    void SetToolTips(bool v) { toolTips_ = v; }

protected:
    TPersistent* GetOwner() const override;

private:
    bool alwaysShowEditButton_ = false;
    bool autoDropDown_ = false;
    bool dblClickNextVal_ = false;
    bool dropDownShowTitles_ = false;
    bool dropDownSizing_ = false;
    bool endEllipsis_ = false;
    TCustomDBGridVyn* grid_;
    std::unique_ptr<TColumnTitleDefValuesVyn> title_;
    std::unique_ptr<TColumnFooterDefValuesVyn> footer_;
    bool toolTips_ = false;
};

class TDBGridVynColumnDefValuesVyn : public TColumnDefValuesVyn {
    SERVIORA_CLASS(TDBGridVynColumnDefValuesVyn, TColumnDefValuesVyn)
    SERVIORA_PUBLISHED
public:
    using TColumnDefValuesVyn::TColumnDefValuesVyn;
};

// A grid's Columns.
class TDBGridColumnsVyn : public TCollection {
    SERVIORA_CLASS(TDBGridColumnsVyn, TCollection)
public:
    TDBGridColumnsVyn(TCustomDBGridVyn* grid, TCollectionItemClass columnClass);
    TCustomDBGridVyn* Grid() const { return grid_; }
    TColumnVyn* Items(int index) const { return static_cast<TColumnVyn*>(TCollection::Items(index)); }
    TColumnVyn* Add();
    TColumnVyn* AddAutoColumn();
    // Whether the columns were designed (read or made by the user).
    bool Customized() const { return Count() > 0 && Items(0)->UserCreated(); }

protected:
    void Update(TCollectionItem* item) override;
    TPersistent* GetOwner() const override;

private:
    void ColumnChanged(TColumnVyn* column);

    TCustomDBGridVyn* grid_;
};
