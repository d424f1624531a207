// Columns: own values over their defaults, the bound field, widths, and the
// automatic columns' write-through to their fields.
#include "datagrid/DBGridVynColumns.h"

#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "platform/data/dataset.h"
#include "platform/rtl/classregistry.h"
#include "platform/ui/forms.h"
#include "platform/gdi/measuringdc.h"
#include "platform/win/userdraw.h"

SERVIORA_REGISTER_CLASS(TDBGridColumnVyn);

// ---- TColumnsVynList --------------------------------------------------------------

int TColumnsVynList::IndexOf(const TColumnVyn* column) const {
    const auto it = std::find(items_.begin(), items_.end(), column);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TColumnsVynList::Remove(const TColumnVyn* column) { std::erase(items_, column); }

void TColumnsVynList::Exchange(int a, int b) {
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
}

// ---- TFollowingFont ---------------------------------------------------------------

TFollowingFont::TFollowingFont(TNotifyEvent changed) : font_(std::make_unique<TFont>()) {
    font_->SetOnChange(std::move(changed));
}

TFont* TFollowingFont::Follow(TFont* defaultFont) const {
    if (defaultFont && (defaultFont->Handle() != font_->Handle() || defaultFont->Color() != font_->Color())) {
        // The refresh is no assignment: the owner must not take the font as its own.
        const TNotifyEvent handler = font_->OnChange();
        font_->SetOnChange(nullptr);
        font_->Assign(defaultFont);
        font_->SetOnChange(handler);
    }
    return font_.get();
}

// ---- TColumnVyn: life ---------------------------------------------------------------

TColumnVyn::TColumnVyn(TCollection* collection)
    : TCollectionItem(collection), font_(TNotifyEvent(this, &TColumnVyn::FontChanged)) {
    auto* columns = dynamic_cast<TDBGridColumnsVyn*>(collection);
    TCustomDBGridVyn* grid = columns ? columns->Grid() : nullptr;
    if (grid) grid->BeginLayout();
    try {
        font_.Follow(DefaultFont());
        imeName_ = Screen->DefaultIme();
        title_ = std::make_unique<TColumnTitleVyn>(this);
        footer_ = std::make_unique<TColumnFooterVyn>(this);
        footers_ = std::make_unique<TColumnFootersVyn>(this);
        autoFitBaseWidth_ = Width();
        editButtons_ = std::make_unique<TEditButtonsVyn>(this, TVisibleEditButtonVyn::StaticClass());
        editButtons_->SetOnItemChanged(TEditButtonVynItemChanged([this](TEditButtonVyn*) { Changed(false); }));
        dropDownSpecRow_ = std::make_unique<TSpecRowVyn>(this);
        dropDownSpecRow_->SetOnChangeNotify(TNotifyEvent(this, &TColumnVyn::SpecRowChanged));
        dropDownBox_ = std::make_unique<TColumnDropDownBoxVyn>(this);
        mruList_ = std::make_unique<TMRUListVyn>(this);
        stFilter_ = std::make_unique<TSTColumnFilterVyn>(this);
        imageLink_ = std::make_unique<TChangeLink>();
        imageLink_->SetOnChange(TNotifyEvent(this, &TColumnVyn::ImageListChanged));
    } catch (...) {
        if (grid) grid->EndLayout();
        throw;
    }
    if (grid) grid->EndLayout();
}

TColumnVyn::~TColumnVyn() {
    if (TCustomDBGridVyn* grid = OwnerGrid()) grid->SortMarkedColumns()->Remove(this);
}

TCustomDBGridVyn* TColumnVyn::OwnerGrid() const {
    // Asked for several times per painted or exported cell: the class chain is cheaper than a dynamic cast.
    TCollection* collection = Collection();
    if (!collection || !collection->InheritsFrom(TDBGridColumnsVyn::StaticClass())) return nullptr;
    return static_cast<TDBGridColumnsVyn*>(collection)->Grid();
}

TColumnDefValuesVyn* TColumnVyn::DefValues() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    return grid ? grid->ColumnDefValues() : nullptr;
}

TPersistent* TColumnVyn::GetOwner() const { return Collection(); }

AnsiString TColumnVyn::GetDisplayName() const {
    return fieldName_.empty() ? TCollectionItem::GetDisplayName() : fieldName_;
}

void TColumnVyn::InvalidateGrid() const {
    if (TCustomDBGridVyn* grid = OwnerGrid()) grid->Invalidate();
}

// ---- Field ------------------------------------------------------------------------

TField* TColumnVyn::FindBoundField() const {
    if (fieldName_.empty()) return field_;
    TCustomDBGridVyn* grid = OwnerGrid();
    if (!grid) return field_;
    TDataSet* dataSet = grid->DataLink()->DataSet();
    if (!dataSet || !(dataSet->Active() || !dataSet->DefaultFields())) return field_;
    if (TField* found = dataSet->FindField(fieldName_)) {
        field_ = found;
        fieldName_ = found->FieldName();
    }
    return field_;
}

void TColumnVyn::BindField(TField* field) {
    if (field == field_) return;
    field_ = field;
    if (field) fieldName_ = field->FieldName();
    if (IsAutoColumn()) {
        if (!field) fieldName_.clear();
        ClearOwnValues();
        autoFitBaseWidth_ = Width();
    }
    SyncFooterSums();
    Changed(false);
}

void TColumnVyn::SetFieldName(const AnsiString& v) {
    TField* field = nullptr;
    TCustomDBGridVyn* grid = OwnerGrid();
    if (grid && grid->DataLink()->DataSet() && !v.empty() && !grid->Loading())
        field = grid->DataLink()->DataSet()->FindField(v);
    fieldName_ = v;
    BindField(field);
    SyncFooterSums();
    autoFitBaseWidth_ = Width();
    Changed(false);
}

bool TColumnVyn::IsAutoColumn() const { return !userCreated_ && OwnerGrid(); }

TField* TColumnVyn::AutoColumnField() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    if (!IsAutoColumn() || !grid->DataLink()->Active()) return nullptr;
    return BoundField();
}

// ---- Defaults -----------------------------------------------------------------------

TAlignment TColumnVyn::DefaultAlignment() const {
    TField* field = BoundField();
    return field ? field->Alignment() : taLeftJustify;
}

bool TColumnVyn::DefaultCheckboxes() const {
    TField* field = BoundField();
    return field && field->DataType() == ftBoolean;
}

TColor TColumnVyn::DefaultColor() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    return grid ? grid->Color() : clWindow;
}

TFont* TColumnVyn::DefaultFont() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    return grid ? grid->Font() : nullptr;
}

TImeMode TColumnVyn::DefaultImeMode() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    return grid ? grid->ImeMode() : imeMode_;
}

TImeName TColumnVyn::DefaultImeName() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    return grid ? grid->ImeName() : imeName_;
}

AnsiString TColumnVyn::DefaultLookupDisplayFields() const {
    TField* field = BoundField();
    return field ? field->LookupResultField() : AnsiString();
}

bool TColumnVyn::DefaultReadOnly() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    TField* field = BoundField();
    return (grid && grid->ReadOnly()) || (field && field->ReadOnly());
}

bool TColumnVyn::DefaultWordWrap() const {
    TField* field = BoundField();
    if (!OwnerGrid() || !field) return false;
    const TFieldType type = field->DataType();
    return type == ftString || type == ftMemo || type == ftFmtMemo || type == ftWideString;
}

bool TColumnVyn::DefaultFlag(TColumnOwnValue bit) const {
    TColumnDefValuesVyn* defaults = DefValues();
    if (!defaults) return false;
    switch (bit) {
    case cvAlwaysShowEditButton: return defaults->AlwaysShowEditButton();
    case cvEndEllipsis: return defaults->EndEllipsis();
    case cvAutoDropDown: return defaults->AutoDropDown();
    case cvDblClickNextVal: return defaults->DblClickNextVal();
    case cvToolTips: return defaults->ToolTips();
    case cvDropDownSizing: return defaults->DropDownSizing();
    case cvDropDownShowTitles: return defaults->DropDownShowTitles();
    default: return false;
    }
}

bool TColumnVyn::OwnDiffers(TColumnOwnValue bit) const {
    switch (bit) {
    case cvColor: return color_ != DefaultColor();
    case cvWidth: return width_ != NaturalWidth();
    case cvAlignment: return alignment_ != DefaultAlignment();
    case cvReadOnly: return readOnly_ != DefaultReadOnly();
    case cvImeMode: return imeMode_ != DefaultImeMode();
    case cvImeName: return imeName_ != DefaultImeName();
    case cvWordWrap: return wordWrap_ != DefaultWordWrap();
    case cvLookupDisplayFields: return lookupDisplayFields_ != DefaultLookupDisplayFields();
    case cvCheckboxes: return checkboxes_ != DefaultCheckboxes();
    case cvAlwaysShowEditButton: return alwaysShowEditButton_ != DefaultFlag(bit);
    case cvEndEllipsis: return endEllipsis_ != DefaultFlag(bit);
    case cvAutoDropDown: return autoDropDown_ != DefaultFlag(bit);
    case cvDblClickNextVal: return dblClickNextVal_ != DefaultFlag(bit);
    case cvToolTips: return toolTips_ != DefaultFlag(bit);
    case cvDropDownSizing: return dropDownSizing_ != DefaultFlag(bit);
    case cvDropDownShowTitles: return dropDownShowTitles_ != DefaultFlag(bit);
    default: return true;
    }
}

// ---- Settings with own values --------------------------------------------------------------

TAlignment TColumnVyn::Alignment() const { return Owns(cvAlignment) ? alignment_ : DefaultAlignment(); }

void TColumnVyn::SetAlignment(TAlignment v) {
    if (TField* field = AutoColumnField()) {
        field->SetAlignment(v);
        Changed(false);
        return;
    }
    if (Owns(cvAlignment) && v == alignment_) return;
    alignment_ = v;
    Own(cvAlignment);
    Changed(false);
}

bool TColumnVyn::ReadOnly() const { return Owns(cvReadOnly) ? readOnly_ : DefaultReadOnly(); }

void TColumnVyn::SetReadOnly(bool v) {
    if (TField* field = AutoColumnField()) {
        field->SetReadOnly(v);
        Changed(false);
        return;
    }
    if (Owns(cvReadOnly) && v == readOnly_) return;
    readOnly_ = v;
    Own(cvReadOnly);
    Changed(false);
}

TColor TColumnVyn::Color() const { return Owns(cvColor) ? color_ : DefaultColor(); }

void TColumnVyn::SetColor(TColor v) {
    if (Owns(cvColor) && v == color_) return;
    color_ = v;
    Own(cvColor);
    Changed(false);
}

bool TColumnVyn::Checkboxes() const { return Owns(cvCheckboxes) ? checkboxes_ : DefaultCheckboxes(); }

void TColumnVyn::SetCheckboxes(bool v) {
    if (StoreFlag(cvCheckboxes, checkboxes_, v)) Changed(false);
}

bool TColumnVyn::StoreFlag(TColumnOwnValue bit, bool& field, bool value) {
    if (Owns(bit) && field == value) return false;
    field = value;
    Own(bit);
    return true;
}

bool TColumnVyn::AlwaysShowEditButton() const {
    return Owns(cvAlwaysShowEditButton) ? alwaysShowEditButton_ : DefaultFlag(cvAlwaysShowEditButton);
}

void TColumnVyn::SetAlwaysShowEditButton(bool v) {
    if (StoreFlag(cvAlwaysShowEditButton, alwaysShowEditButton_, v)) Changed(false);
}

bool TColumnVyn::EndEllipsis() const { return Owns(cvEndEllipsis) ? endEllipsis_ : DefaultFlag(cvEndEllipsis); }

void TColumnVyn::SetEndEllipsis(bool v) {
    if (StoreFlag(cvEndEllipsis, endEllipsis_, v)) Changed(false);
}

bool TColumnVyn::AutoDropDown() const { return Owns(cvAutoDropDown) ? autoDropDown_ : DefaultFlag(cvAutoDropDown); }
void TColumnVyn::SetAutoDropDown(bool v) { StoreFlag(cvAutoDropDown, autoDropDown_, v); }

bool TColumnVyn::DblClickNextVal() const {
    return Owns(cvDblClickNextVal) ? dblClickNextVal_ : DefaultFlag(cvDblClickNextVal);
}
void TColumnVyn::SetDblClickNextVal(bool v) { StoreFlag(cvDblClickNextVal, dblClickNextVal_, v); }

bool TColumnVyn::ToolTips() const { return Owns(cvToolTips) ? toolTips_ : DefaultFlag(cvToolTips); }
void TColumnVyn::SetToolTips(bool v) { StoreFlag(cvToolTips, toolTips_, v); }

bool TColumnVyn::DropDownSizing() const {
    return Owns(cvDropDownSizing) ? dropDownSizing_ : DefaultFlag(cvDropDownSizing);
}
void TColumnVyn::SetDropDownSizing(bool v) { StoreFlag(cvDropDownSizing, dropDownSizing_, v); }

bool TColumnVyn::DropDownShowTitles() const {
    return Owns(cvDropDownShowTitles) ? dropDownShowTitles_ : DefaultFlag(cvDropDownShowTitles);
}
void TColumnVyn::SetDropDownShowTitles(bool v) { StoreFlag(cvDropDownShowTitles, dropDownShowTitles_, v); }

TFont* TColumnVyn::Font() const { return Owns(cvFont) ? font_.Font() : font_.Follow(DefaultFont()); }

void TColumnVyn::FontChanged(TObject*) {
    Own(cvFont);
    title_->Font();  // a title that follows the column's font follows it now
    Changed(false);
}

TImeMode TColumnVyn::ImeMode() const { return Owns(cvImeMode) ? imeMode_ : DefaultImeMode(); }

void TColumnVyn::SetImeMode(TImeMode v) {
    if (Owns(cvImeMode) || v != DefaultImeMode()) {
        imeMode_ = v;
        Own(cvImeMode);
    }
    Changed(false);
}

TImeName TColumnVyn::ImeName() const { return Owns(cvImeName) ? imeName_ : DefaultImeName(); }

void TColumnVyn::SetImeName(const TImeName& v) {
    if (Owns(cvImeName) || v != DefaultImeName()) {
        imeName_ = v;
        Own(cvImeName);
    }
    Changed(false);
}

AnsiString TColumnVyn::LookupDisplayFields() const {
    return Owns(cvLookupDisplayFields) ? lookupDisplayFields_ : DefaultLookupDisplayFields();
}

void TColumnVyn::SetLookupDisplayFields(const AnsiString& v) {
    if (Owns(cvLookupDisplayFields) || v != DefaultLookupDisplayFields()) {
        lookupDisplayFields_ = v;
        Own(cvLookupDisplayFields);
    }
    if (dropDownGrid_) dropDownGrid_->SetListField(v);
    Changed(false);
}

bool TColumnVyn::WordWrap() const { return Owns(cvWordWrap) ? wordWrap_ : DefaultWordWrap(); }

void TColumnVyn::SetWordWrap(bool v) {
    TCustomDBGridVyn* grid = OwnerGrid();
    if (Owns(cvWordWrap) || v != DefaultWordWrap() || (grid && grid->Loading())) {
        wordWrap_ = v;
        Own(cvWordWrap);
    }
    Changed(false);
}

// ---- Width --------------------------------------------------------------------------------

TColumnVyn::FontMetrics TColumnVyn::MeasureFont() const {
    MeasuringDC dc(Font()->Handle());
    TEXTMETRICA metrics{};
    GetTextMetrics(dc.dc(), &metrics);
    SIZE zero{};
    GetTextExtentPoint32(dc.dc(), "0", 1, &zero);
    return {zero.cx, metrics.tmOverhang, metrics.tmAveCharWidth};
}

int TColumnVyn::NaturalWidth() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    if (!grid) return 64;
    TField* field = BoundField();
    if (!field) return grid->DefaultColWidth();
    const FontMetrics font = MeasureFont();
    return (font.zeroWidth - font.overhang) * field->DisplayWidth() + font.overhang + 4;
}

int TColumnVyn::Width() const { return Owns(cvWidth) ? width_ : NaturalWidth(); }

void TColumnVyn::SetWidth(int v) {
    TCustomDBGridVyn* grid = OwnerGrid();
    TField* field = BoundField();
    if (IsAutoColumn() && grid->HandleAllocated() && field) {
        const FontMetrics font = MeasureFont();
        if (font.zeroWidth > 0)
            field->SetDisplayWidth((v + font.averageWidth / 2 - font.overhang - 3) / font.zeroWidth);
    }
    const bool mayStore = !IsAutoColumn() || !grid->InLinkLayout() || Owns(cvWidth);
    if (mayStore && (Owns(cvWidth) || v != NaturalWidth()) && v != -1) {
        width_ = v;
        Own(cvWidth);
        if (maxWidth_ > 0 && width_ > maxWidth_) width_ = maxWidth_;
        if (minWidth_ > 0 && width_ < minWidth_) width_ = minWidth_;
    }
    Changed(false);
}

void TColumnVyn::SetMaxWidth(int v) {
    maxWidth_ = v;
    if (v > 0 && Width() > v) SetWidth(v);
}

void TColumnVyn::SetMinWidth(int v) {
    minWidth_ = v;
    if (v > 0 && Width() < v) SetWidth(v);
}

int TColumnVyn::ClampWidth(int width) const {
    if (maxWidth_ > 0 && maxWidth_ < width) return maxWidth_;
    if (minWidth_ > 0 && minWidth_ > width) return minWidth_;
    return width;
}

int TColumnVyn::ButtonAreaWidth() const {
    TCustomDBGridVyn* grid = OwnerGrid();
    const bool flat = grid && grid->Flat();
    const int defaultWidth = flat ? FlatButtonWidth() + 1 : GetSystemMetrics(SM_CXVSCROLL);
    int width = TDBGridInplaceEdit::ColumnEditStyle(this) == iesSimple ? 0 : defaultWidth;
    for (int i = 0; i < editButtons_->Count(); ++i) {
        TEditButtonVyn* button = editButtons_->Items(i);
        if (!button->Visible()) continue;
        width += button->Width() > 0 ? button->Width() : defaultWidth;
        if (flat) ++width;
    }
    return width;
}

void TColumnVyn::SetAutoFitColWidth(bool v) {
    autoFitColWidth_ = v;
    TCustomDBGridVyn* grid = OwnerGrid();
    if (grid && grid->AutoFitColWidths() && !grid->Loading()) SetWidth(autoFitBaseWidth_);
    Changed(false);
}

// ---- Plain settings ---------------------------------------------------------------------------

void TColumnVyn::SetButtonStyle(TColumnButtonStyleVyn v) {
    if (v == buttonStyle_) return;
    buttonStyle_ = v;
    Changed(false);
}

void TColumnVyn::SetDisplayFormat(const AnsiString& v) {
    if (v == displayFormat_) return;
    displayFormat_ = v;
    Changed(false);
}

void TColumnVyn::SetDropDownWidth(int v) {
    if (v == dropDownWidth_) return;
    dropDownWidth_ = v;
    Changed(false);
}

void TColumnVyn::SetEditMask(const AnsiString& v) {
    if (v == editMask_) return;
    editMask_ = v;
    Changed(false);
}

void TColumnVyn::SetShowImageAndText(bool v) {
    if (v == showImageAndText_) return;
    showImageAndText_ = v;
    Changed(false);
}

void TColumnVyn::SetVisible(bool v) {
    visible_ = v;
    Changed(true);
}

TStrings* TColumnVyn::PickList() const {
    if (!pickList_) pickList_ = std::make_unique<TStringList>();
    return pickList_.get();
}

void TColumnVyn::SetPickList(TStrings* v) {
    if (!v) {
        pickList_.reset();
        return;
    }
    PickList()->Assign(v);
}

TStrings* TColumnVyn::KeyList() const {
    if (!keyList_) keyList_ = std::make_unique<TStringList>();
    return keyList_.get();
}

void TColumnVyn::SetKeyList(TStrings* v) {
    if (v)
        KeyList()->Assign(v);
    else
        keyList_.reset();
    InvalidateGrid();
}

void TColumnVyn::SetNotInKeyListIndex(int v) {
    notInKeyListIndex_ = v;
    InvalidateGrid();
}

void TColumnVyn::SetImageList(TCustomImageList* v) {
    imageLink_->SetSender(v);
    if (v)
        if (TCustomDBGridVyn* grid = OwnerGrid()) v->FreeNotification(grid);
    InvalidateGrid();
}

void TColumnVyn::ImageListChanged(TObject*) { InvalidateGrid(); }

void TColumnVyn::SetOnGetCellParams(TGetColCellParamsEventVyn v) {
    const bool differs = !(v == onGetCellParams_);
    onGetCellParams_ = std::move(v);
    if (differs) InvalidateGrid();
}

void TColumnVyn::SetPopupMenu(TPopupMenu* v) {
    popupMenu_ = v;
    if (v)
        if (TCustomDBGridVyn* grid = OwnerGrid()) v->FreeNotification(grid);
}

void TColumnVyn::SpecRowChanged(TObject*) {
    Changed(false);
    if (dropDownGrid_) dropDownGrid_->SetSpecRow(dropDownSpecRow_.get());
}

TColumnFooterVyn* TColumnVyn::FooterForRow(int row) const {
    return row < footers_->Count() ? footers_->Items(row) : footer_.get();
}

void TColumnVyn::SyncFooterSums() {
    footer_->SyncSum();
    for (int i = 0; i < footers_->Count(); ++i) footers_->Items(i)->SyncSum();
}

TPopupDataGridVyn* TColumnVyn::DropDownGrid() {
    if (!dropDownGrid_) dropDownGrid_.reset(TPopupDataGridVyn::Create(nullptr));
    return dropDownGrid_.get();
}

void TColumnVyn::FreeNotificationTo(TComponent* component) {
    if (!component) return;
    if (TCustomDBGridVyn* grid = OwnerGrid()) component->FreeNotification(grid);
}

TDBLookupGridVynOptions TColumnVyn::DropDownGridOptions() {
    return dropDownGrid_ ? dropDownGrid_->LookupOptions() : TDBLookupGridVynOptions{dlgColLinesVyn};
}

void TColumnVyn::SetDropDownGridOptions(TDBLookupGridVynOptions options) { DropDownGrid()->SetLookupOptions(options); }

void TColumnVyn::SetIndex(int index) {
    TCustomDBGridVyn* grid = OwnerGrid();
    TField* field = AutoColumnField();
    if (field && index >= 0 && index < Collection()->Count()) {
        if (TField* target = grid->Columns()->Items(index)->BoundField()) field->SetIndex(target->Index());
    }
    TCollectionItem::SetIndex(index);
}

void TColumnVyn::ClearOwnValues() {
    title_->ClearOwnValues();
    const bool fontOwned = Owns(cvFont);
    ownValues_ = 0;
    font_.Follow(DefaultFont());
    pickList_.reset();
    buttonStyle_ = cbsAuto;
    keyList_.reset();
    Changed(fontOwned);
}

void TColumnVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TColumnVyn*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    TCollection* collection = Collection();
    if (collection) collection->BeginUpdate();
    try {
        ClearOwnValues();
        SetFieldName(other->FieldName());
        if (other->Owns(cvColor)) SetColor(other->Color());
        if (other->Owns(cvWidth)) SetWidth(other->Width());
        if (other->Owns(cvFont)) SetFont(other->Font());
        if (other->Owns(cvImeMode)) SetImeMode(other->ImeMode());
        if (other->Owns(cvImeName)) SetImeName(other->ImeName());
        if (other->Owns(cvAlignment)) SetAlignment(other->Alignment());
        if (other->Owns(cvReadOnly)) SetReadOnly(other->ReadOnly());
        SetTitle(other->Title());
        SetDropDownRows(other->DropDownRows());
        SetButtonStyle(other->ButtonStyle());
        SetPickList(other->pickList_ ? other->PickList() : nullptr);
        SetPopupMenu(other->PopupMenu());
        SetAutoFitBaseWidth(other->AutoFitBaseWidth());
        SetAutoFitColWidth(other->AutoFitColWidth());
        if (other->Owns(cvWordWrap)) SetWordWrap(other->WordWrap());
        SetEndEllipsis(other->EndEllipsis());
        SetDropDownWidth(other->DropDownWidth());
        if (other->Owns(cvLookupDisplayFields)) SetLookupDisplayFields(other->LookupDisplayFields());
        SetAutoDropDown(other->AutoDropDown());
        SetAlwaysShowEditButton(other->AlwaysShowEditButton());
        SetWordWrap(other->WordWrap());
        SetFooter(other->Footer());
        SetKeyList(other->keyList_ ? other->KeyList() : nullptr);
        if (other->Owns(cvCheckboxes)) SetCheckboxes(other->Checkboxes());
        SetIncrement(other->Increment());
        SetToolTips(other->ToolTips());
        SetFooters(other->Footers());
        SetTag(other->Tag());
        SetVisible(other->Visible());
        SetImageList(other->ImageList());
        SetNotInKeyListIndex(other->NotInKeyListIndex());
        SetMinWidth(other->MinWidth());
        SetMaxWidth(other->MaxWidth());
        SetDblClickNextVal(other->DblClickNextVal());
        SetDropDownSizing(other->DropDownSizing());
        SetDropDownShowTitles(other->DropDownShowTitles());
        SetOnGetCellParams(other->OnGetCellParams());
        SetOnNotInList(other->OnNotInList());
        SetOnUpdateData(other->OnUpdateData());
        SetOnEditButtonClick(other->OnEditButtonClick());
        SetOnEditButtonDown(other->OnEditButtonDown());
        SetEditButtons(other->EditButtons());
        SetDropDownBox(other->DropDownBox());
        SetMRUList(other->MRUList());
        SetDisplayFormat(other->DisplayFormat());
        SetEditMask(other->EditMask());
        SetShowImageAndText(other->ShowImageAndText());
    } catch (...) {
        if (collection) collection->EndUpdate();
        throw;
    }
    if (collection) collection->EndUpdate();
}
