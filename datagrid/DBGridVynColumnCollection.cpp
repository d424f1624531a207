// The grid's column collection, its ColumnDefValues, and the published
// table of TDBGridColumnVyn.
#include "datagrid/DBGridVyn.h"
#include "datagrid/PopupDataGridVyn.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"

SERVIORA_REGISTER_CLASS(TDBGridVynColumnDefValuesVyn);

// ---- TColumnDefValuesVyn ------------------------------------------------------------------

TColumnDefValuesVyn::TColumnDefValuesVyn(TCustomDBGridVyn* grid)
    : grid_(grid),
      title_(std::make_unique<TColumnTitleDefValuesVyn>(this)),
      footer_(std::make_unique<TColumnFooterDefValuesVyn>(this)) {}

TColumnDefValuesVyn::~TColumnDefValuesVyn() = default;

TPersistent* TColumnDefValuesVyn::GetOwner() const { return grid_; }

void TColumnDefValuesVyn::SetAlwaysShowEditButton(bool v) {
    if (v == alwaysShowEditButton_) return;
    alwaysShowEditButton_ = v;
    if (grid_) grid_->Invalidate();
}

void TColumnDefValuesVyn::SetEndEllipsis(bool v) {
    if (v == endEllipsis_) return;
    endEllipsis_ = v;
    if (grid_) grid_->Invalidate();
}

void TColumnDefValuesVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TColumnDefValuesVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    title_->Assign(other->Title());
    SetAlwaysShowEditButton(other->AlwaysShowEditButton());
    SetEndEllipsis(other->EndEllipsis());
    autoDropDown_ = other->autoDropDown_;
    dblClickNextVal_ = other->dblClickNextVal_;
    dropDownShowTitles_ = other->dropDownShowTitles_;
    dropDownSizing_ = other->dropDownSizing_;
    toolTips_ = other->toolTips_;
}

void TDBGridVynColumnDefValuesVyn::Published(TPublished<TDBGridVynColumnDefValuesVyn>& p) {
    using C = TDBGridVynColumnDefValuesVyn;
    p.Property("AlwaysShowEditButton", &C::AlwaysShowEditButton, &C::SetAlwaysShowEditButton).Default(false);
    p.Property("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown).Default(false);
    p.Property("DblClickNextVal", &C::DblClickNextVal, &C::SetDblClickNextVal).Default(false);
    p.Property("DropDownShowTitles", &C::DropDownShowTitles, &C::SetDropDownShowTitles).Default(false);
    p.Property("DropDownSizing", &C::DropDownSizing, &C::SetDropDownSizing).Default(false);
    p.Property("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).Default(false);
    p.Property("Footer", &C::Footer, &C::SetFooter);
    p.Property("Title", &C::Title, &C::SetTitle);
    p.Property("ToolTips", &C::ToolTips, &C::SetToolTips).Default(false);
}

// ---- TDBGridColumnsVyn ----------------------------------------------------------------------

TDBGridColumnsVyn::TDBGridColumnsVyn(TCustomDBGridVyn* grid, TCollectionItemClass columnClass)
    : TCollection(columnClass), grid_(grid) {}

TPersistent* TDBGridColumnsVyn::GetOwner() const { return grid_; }

TColumnVyn* TDBGridColumnsVyn::Add() { return static_cast<TColumnVyn*>(TCollection::Add()); }

TColumnVyn* TDBGridColumnsVyn::AddAutoColumn() {
    TColumnVyn* column = Add();
    column->SetUserCreated(false);
    return column;
}

void TDBGridColumnsVyn::Update(TCollectionItem* item) {
    if (!grid_ || grid_->Loading()) return;
    if (item)
        ColumnChanged(static_cast<TColumnVyn*>(item));
    else {
        grid_->RebuildSortMarkedColumns();
        grid_->RequestLayout();
    }
    if (Count() > 0 && grid_->Col() >= grid_->IndicatorOffset()) {
        const int current = grid_->SelectedIndex();
        if (current < Count() && !Items(current)->Visible())
            for (int i = 0; i < Count(); ++i)
                if (Items(i)->Visible()) {
                    grid_->SelectColumnByIndex(i);
                    break;
                }
    }
    if (grid_->LayoutLock() == 0) grid_->InvalidateEditor();
}

void TDBGridColumnsVyn::ColumnChanged(TColumnVyn* column) {
    const int col = column->Index() + grid_->IndicatorOffset();
    if (col >= grid_->ColCount()) {
        grid_->RequestLayout();
        return;
    }
    grid_->InvalidateCol(col);
    if (!grid_->AutoFitColWidths()) {
        if (grid_->ColWidths(col) == column->Width()) {
            if (grid_->UseMultiTitle()) grid_->RequestLayout();
            return;
        }
        const int hidden = grid_->Options().Contains(dgColLines) ? -1 : 0;
        grid_->SetColWidths(col, column->Visible() ? column->Width() : hidden);
        return;
    }
    const int gridWidth = grid_->ColWidths(col);
    if (gridWidth == -1) return;
    const int oldBase = column->AutoFitBaseWidth();
    const int newBase = MulDiv(oldBase, column->Width(), gridWidth);
    column->SetAutoFitBaseWidth(newBase);
    if (col < grid_->ColCount() - 1 && column->Index() + 1 < Count()) {
        TColumnVyn* next = Items(column->Index() + 1);
        next->SetAutoFitBaseWidth(std::max(next->AutoFitBaseWidth() + oldBase - newBase, 0));
    }
    grid_->RequestLayout();
}

// ---- TDBGridColumnVyn ---------------------------------------------------------------------------

void TDBGridColumnVyn::Published(TPublished<TDBGridColumnVyn>& p) {
    using C = TDBGridColumnVyn;
    p.Property("Alignment", &C::Alignment, &C::SetAlignment).Stored(&C::OwnStored<cvAlignment>);
    p.Property("AlwaysShowEditButton", &C::AlwaysShowEditButton, &C::SetAlwaysShowEditButton)
        .Stored(&C::OwnStored<cvAlwaysShowEditButton>);
    p.Property("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown).Stored(&C::OwnStored<cvAutoDropDown>);
    p.Property("AutoFitColWidth", &C::AutoFitColWidth, &C::SetAutoFitColWidth).Default(true);
    p.Property("ButtonStyle", &C::ButtonStyle, &C::SetButtonStyle).Default(cbsAuto);
    p.Property("Checkboxes", &C::Checkboxes, &C::SetCheckboxes).Stored(&C::OwnFlagged<cvCheckboxes>);
    p.Property("Color", &C::Color, &C::SetColor).TypeName("TColor").Stored(&C::OwnStored<cvColor>);
    p.Property("DblClickNextVal", &C::DblClickNextVal, &C::SetDblClickNextVal)
        .Stored(&C::OwnStored<cvDblClickNextVal>);
    p.Property("DisplayFormat", &C::DisplayFormat, &C::SetDisplayFormat);
    p.Property("DropDownBox", &C::DropDownBox, &C::SetDropDownBox);
    p.Property("DropDownRows", &C::DropDownRows, &C::SetDropDownRows).Default(7);
    p.Property("DropDownShowTitles", &C::DropDownShowTitles, &C::SetDropDownShowTitles)
        .Stored(&C::OwnStored<cvDropDownShowTitles>);
    p.Property("DropDownSizing", &C::DropDownSizing, &C::SetDropDownSizing).Stored(&C::OwnStored<cvDropDownSizing>);
    p.Property("DropDownSpecRow", &C::DropDownSpecRow, &C::SetDropDownSpecRow);
    p.Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
    p.Property("EditButtons", &C::EditButtons, &C::SetEditButtons);
    p.Property("EditMask", &C::EditMask, &C::SetEditMask);
    p.Property("EndEllipsis", &C::EndEllipsis, &C::SetEndEllipsis).Stored(&C::OwnStored<cvEndEllipsis>);
    p.Property("FieldName", &C::FieldName, &C::SetFieldName);
    p.Property("Font", &C::Font, &C::SetFont).Stored(&C::OwnFlagged<cvFont>);
    p.Property("Footer", &C::Footer, &C::SetFooter);
    p.Property("Footers", &C::Footers, &C::SetFooters);
    p.Property("ImageList", &C::ImageList, &C::SetImageList);
    p.Property("ImeMode", &C::ImeMode, &C::SetImeMode).Stored(&C::OwnStored<cvImeMode>);
    p.Property("ImeName", &C::ImeName, &C::SetImeName).Stored(&C::OwnStored<cvImeName>);
    p.Property("Increment", &C::Increment, &C::SetIncrement).Stored(&C::IncrementStored);
    p.Property("KeyList", &C::KeyList, &C::SetKeyList);
    p.Property("LookupDisplayFields", &C::LookupDisplayFields, &C::SetLookupDisplayFields)
        .Stored(&C::OwnStored<cvLookupDisplayFields>);
    p.Property("MaxWidth", &C::MaxWidth, &C::SetMaxWidth).Default(0);
    p.Property("MinWidth", &C::MinWidth, &C::SetMinWidth).Default(0);
    p.Property("MRUList", &C::MRUList, &C::SetMRUList);
    p.Property("NotInKeyListIndex", &C::NotInKeyListIndex, &C::SetNotInKeyListIndex).Default(-1);
    p.Property("PickList", &C::PickList, &C::SetPickList);
    p.Property("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
    p.Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Stored(&C::OwnStored<cvReadOnly>);
    p.Property("ShowImageAndText", &C::ShowImageAndText, &C::SetShowImageAndText).Default(false);
    p.Property("STFilter", &C::STFilter, &C::SetSTFilter);
    p.Property("Tag", &C::Tag, &C::SetTag).Default(0);
    p.Property("Title", &C::Title, &C::SetTitle);
    p.Property("ToolTips", &C::ToolTips, &C::SetToolTips).Stored(&C::OwnStored<cvToolTips>);
    p.Property("Visible", &C::Visible, &C::SetVisible).Default(true);
    p.Property("Width", &C::Width, &C::SetWidth).Stored(&C::OwnStored<cvWidth>);
    p.Property("WordWrap", &C::WordWrap, &C::SetWordWrap).Stored(&C::OwnStored<cvWordWrap>);
    p.Property("OnDropDownBoxCheckButton", &C::OnDropDownBoxCheckButton, &C::SetOnDropDownBoxCheckButton)
        .Stored(false);
    p.Property("OnDropDownBoxDrawColumnCell", &C::OnDropDownBoxDrawColumnCell, &C::SetOnDropDownBoxDrawColumnCell)
        .Stored(false);
    p.Property("OnDropDownBoxGetCellParams", &C::OnDropDownBoxGetCellParams, &C::SetOnDropDownBoxGetCellParams)
        .Stored(false);
    p.Property("OnDropDownBoxSortMarkingChanged", &C::OnDropDownBoxSortMarkingChanged,
               &C::SetOnDropDownBoxSortMarkingChanged)
        .Stored(false);
    p.Property("OnDropDownBoxTitleBtnClick", &C::OnDropDownBoxTitleBtnClick, &C::SetOnDropDownBoxTitleBtnClick)
        .Stored(false);
    p.Property("OnEditButtonClick", &C::OnEditButtonClick, &C::SetOnEditButtonClick);
    p.Property("OnEditButtonDown", &C::OnEditButtonDown, &C::SetOnEditButtonDown);
    p.Property("OnGetCellParams", &C::OnGetCellParams, &C::SetOnGetCellParams);
    p.Property("OnNotInList", &C::OnNotInList, &C::SetOnNotInList).TypeName("TNotInListEventVyn");
    p.Property("OnUpdateData", &C::OnUpdateData, &C::SetOnUpdateData);
}

// Reading the drop-down grid's events makes no grid (writing a form reads them all).
#define SERVIORA_DROPDOWN_EVENT(Name, Type)                                   \
    Type TDBGridColumnVyn::OnDropDownBox##Name() const {                      \
        TPopupDataGridVyn* grid = ExistingDropDownGrid();                     \
        return grid ? grid->On##Name() : Type();                              \
    }                                                                         \
    void TDBGridColumnVyn::SetOnDropDownBox##Name(Type v) { DropDownGrid()->SetOn##Name(std::move(v)); }
SERVIORA_DROPDOWN_EVENT(CheckButton, TCheckTitleVynBtnEvent)
SERVIORA_DROPDOWN_EVENT(DrawColumnCell, TDrawColumnVynCellEvent)
SERVIORA_DROPDOWN_EVENT(GetCellParams, TGetCellVynParamsEvent)
SERVIORA_DROPDOWN_EVENT(SortMarkingChanged, TNotifyEvent)
SERVIORA_DROPDOWN_EVENT(TitleBtnClick, TTitleVynClickEvent)
#undef SERVIORA_DROPDOWN_EVENT
