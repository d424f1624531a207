// Column titles: own values over ColumnDefValues.Title, the sort marker
// cycle and the bookkeeping of sort indexes; and the grid-wide title defaults.
#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/data/field.h"
#include "platform/rtl/sysutils.h"
#include "platform/gdi/measuringdc.h"

namespace {
// The room of the sort-marker glyph in a title.
constexpr int kSortMarkerWidth = 16;
}  // namespace

// ---- TColumnTitleVyn ------------------------------------------------------------------

void TColumnTitleVyn::Published(TPublished<TColumnTitleVyn>& p) {
    p.Property("Alignment", &TColumnTitleVyn::Alignment, &TColumnTitleVyn::SetAlignment)
        .Stored(&TColumnTitleVyn::AlignmentStored);
    p.Property("Caption", &TColumnTitleVyn::Caption, &TColumnTitleVyn::SetCaption)
        .Stored(&TColumnTitleVyn::CaptionStored);
    p.Property("Color", &TColumnTitleVyn::Color, &TColumnTitleVyn::SetColor)
        .TypeName("TColor")
        .Stored(&TColumnTitleVyn::ColorStored);
    p.Property("EndEllipsis", &TColumnTitleVyn::EndEllipsis, &TColumnTitleVyn::SetEndEllipsis)
        .Stored(&TColumnTitleVyn::EndEllipsisStored);
    p.Property("Font", &TColumnTitleVyn::Font, &TColumnTitleVyn::SetFont).Stored(&TColumnTitleVyn::FontStored);
    p.Property("Hint", &TColumnTitleVyn::Hint, &TColumnTitleVyn::SetHint);
    p.Property("ImageIndex", &TColumnTitleVyn::ImageIndex, &TColumnTitleVyn::SetImageIndex).Default(-1);
    p.Property("Orientation", &TColumnTitleVyn::Orientation, &TColumnTitleVyn::SetOrientation)
        .Stored(&TColumnTitleVyn::OrientationStored);
    p.Property("SortIndex", &TColumnTitleVyn::SortIndex, &TColumnTitleVyn::SetSortIndex).Default(0);
    p.Property("SortMarker", &TColumnTitleVyn::SortMarker, &TColumnTitleVyn::SetSortMarker).Default(smNoneVyn);
    p.Property("TitleButton", &TColumnTitleVyn::TitleButton, &TColumnTitleVyn::SetTitleButton)
        .Stored(&TColumnTitleVyn::TitleButtonStored);
    p.Property("ToolTips", &TColumnTitleVyn::ToolTips, &TColumnTitleVyn::SetToolTips)
        .Stored(&TColumnTitleVyn::ToolTipsStored);
}

TColumnTitleVyn::TColumnTitleVyn(TColumnVyn* column)
    : column_(column), font_(TNotifyEvent(this, &TColumnTitleVyn::FontChanged)) {
    font_.Follow(DefaultFont());
}

TColumnTitleVyn::~TColumnTitleVyn() = default;

TPersistent* TColumnTitleVyn::GetOwner() const { return column_; }

bool TColumnTitleVyn::Owns(TColumnOwnValue bit) const { return column_->Owns(bit); }
void TColumnTitleVyn::Own(TColumnOwnValue bit) { column_->Own(bit); }

TColumnDefValuesVyn* TColumnTitleVyn::DefValues() const { return column_->DefValues(); }

TAlignment TColumnTitleVyn::DefaultAlignment() const {
    TColumnDefValuesVyn* defaults = DefValues();
    return defaults ? defaults->Title()->Alignment() : taLeftJustify;
}

AnsiString TColumnTitleVyn::DefaultCaption() const {
    TField* field = column_->BoundField();
    return field ? field->DisplayName() : column_->FieldName();
}

TColor TColumnTitleVyn::DefaultColor() const {
    TColumnDefValuesVyn* defaults = DefValues();
    return defaults ? defaults->Title()->Color() : clBtnFace;
}

bool TColumnTitleVyn::DefaultEndEllipsis() const {
    TColumnDefValuesVyn* defaults = DefValues();
    return defaults && defaults->Title()->EndEllipsis();
}

TFont* TColumnTitleVyn::DefaultFont() const {
    TCustomDBGridVyn* grid = column_->OwnerGrid();
    return grid ? grid->TitleFont() : column_->Font();
}

TTextOrientationVyn TColumnTitleVyn::DefaultOrientation() const {
    TColumnDefValuesVyn* defaults = DefValues();
    return defaults ? defaults->Title()->Orientation() : tohHorizontal;
}

bool TColumnTitleVyn::DefaultTitleButton() const {
    TColumnDefValuesVyn* defaults = DefValues();
    return defaults && defaults->Title()->TitleButton();
}

bool TColumnTitleVyn::DefaultToolTips() const {
    TColumnDefValuesVyn* defaults = DefValues();
    return defaults && defaults->Title()->ToolTips();
}

bool TColumnTitleVyn::AlignmentStored() const { return Owns(cvTitleAlignment) && alignment_ != DefaultAlignment(); }
bool TColumnTitleVyn::CaptionStored() const { return Owns(cvTitleCaption) && caption_ != DefaultCaption(); }
bool TColumnTitleVyn::ColorStored() const { return Owns(cvTitleColor) && color_ != DefaultColor(); }
bool TColumnTitleVyn::FontStored() const { return Owns(cvTitleFont); }
bool TColumnTitleVyn::EndEllipsisStored() const {
    return Owns(cvTitleEndEllipsis) && endEllipsis_ != DefaultEndEllipsis();
}
bool TColumnTitleVyn::OrientationStored() const {
    return Owns(cvTitleOrientation) && orientation_ != DefaultOrientation();
}
bool TColumnTitleVyn::TitleButtonStored() const {
    return Owns(cvTitleButton) && titleButton_ != DefaultTitleButton();
}
bool TColumnTitleVyn::ToolTipsStored() const { return Owns(cvTitleToolTips) && toolTips_ != DefaultToolTips(); }

TAlignment TColumnTitleVyn::Alignment() const { return Owns(cvTitleAlignment) ? alignment_ : DefaultAlignment(); }

void TColumnTitleVyn::SetAlignment(TAlignment v) {
    if (Owns(cvTitleAlignment) && v == alignment_) return;
    alignment_ = v;
    Own(cvTitleAlignment);
    column_->NotifyChanged(false);
}

AnsiString TColumnTitleVyn::Caption() const { return Owns(cvTitleCaption) ? caption_ : DefaultCaption(); }

void TColumnTitleVyn::SetCaption(const AnsiString& v) {
    if (column_->IsAutoColumn()) {
        if (TField* field = column_->AutoColumnField()) field->SetDisplayLabel(v);
        return;
    }
    if (Owns(cvTitleCaption) && v == caption_) return;
    caption_ = v;
    Own(cvTitleCaption);
    column_->NotifyChanged(false);
}

TColor TColumnTitleVyn::Color() const { return Owns(cvTitleColor) ? color_ : DefaultColor(); }

void TColumnTitleVyn::SetColor(TColor v) {
    if (Owns(cvTitleColor) && v == color_) return;
    color_ = v;
    Own(cvTitleColor);
    column_->NotifyChanged(false);
}

bool TColumnTitleVyn::EndEllipsis() const { return Owns(cvTitleEndEllipsis) ? endEllipsis_ : DefaultEndEllipsis(); }

void TColumnTitleVyn::SetEndEllipsis(bool v) {
    if (Owns(cvTitleEndEllipsis) && v == endEllipsis_) return;
    endEllipsis_ = v;
    Own(cvTitleEndEllipsis);
    column_->NotifyChanged(false);
}

TTextOrientationVyn TColumnTitleVyn::Orientation() const {
    return Owns(cvTitleOrientation) ? orientation_ : DefaultOrientation();
}

void TColumnTitleVyn::SetOrientation(TTextOrientationVyn v) {
    if (Owns(cvTitleOrientation) && v == orientation_) return;
    orientation_ = v;
    Own(cvTitleOrientation);
    column_->NotifyChanged(false);
}

bool TColumnTitleVyn::TitleButton() const { return Owns(cvTitleButton) ? titleButton_ : DefaultTitleButton(); }

void TColumnTitleVyn::SetTitleButton(bool v) {
    if (Owns(cvTitleButton) && v == titleButton_) return;
    titleButton_ = v;
    Own(cvTitleButton);
    column_->NotifyChanged(false);
}

bool TColumnTitleVyn::ToolTips() const { return Owns(cvTitleToolTips) ? toolTips_ : DefaultToolTips(); }

void TColumnTitleVyn::SetToolTips(bool v) {
    if (Owns(cvTitleToolTips) && v == toolTips_) return;
    toolTips_ = v;
    Own(cvTitleToolTips);
}

TFont* TColumnTitleVyn::Font() const {
    return Owns(cvTitleFont) ? font_.Font() : font_.Follow(DefaultFont());
}

void TColumnTitleVyn::SetFont(TFont* v) { font_.Font()->Assign(v); }

void TColumnTitleVyn::FontChanged(TObject*) {
    Own(cvTitleFont);
    column_->NotifyChanged(true);
}

void TColumnTitleVyn::SetImageIndex(int v) {
    imageIndex_ = v;
    if (TCustomDBGridVyn* grid = column_->OwnerGrid()) grid->RequestLayout();
}

void TColumnTitleVyn::ClearOwnValues() {
    const bool fontOwned = Owns(cvTitleFont);
    for (std::uint32_t bit = cvTitleColor; bit <= cvTitleOrientation; ++bit)
        column_->ownValues_ &= ~(1u << bit);
    caption_.clear();
    font_.Follow(DefaultFont());
    column_->NotifyChanged(fontOwned);
}

void TColumnTitleVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TColumnTitleVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other->Owns(cvTitleAlignment)) SetAlignment(other->Alignment());
    if (other->Owns(cvTitleColor)) SetColor(other->Color());
    if (other->Owns(cvTitleCaption)) SetCaption(other->Caption());
    if (other->Owns(cvTitleFont)) SetFont(other->Font());
    SetHint(other->Hint());
    SetImageIndex(other->ImageIndex());
    SetOrientation(other->Orientation());
    SetSortIndex(other->SortIndex());
    SetSortMarker(other->SortMarker());
    SetTitleButton(other->TitleButton());
    SetEndEllipsis(other->EndEllipsis());
    SetToolTips(other->ToolTips());
}

// ---- Sort markers ------------------------------------------------------------------------

void TColumnTitleVyn::ToggleSortMarker(bool ctrlDown) {
    if (!ctrlDown)
        if (TCollection* columns = column_->Collection())
            for (int i = 0; i < columns->Count(); ++i) {
                auto* other = static_cast<TColumnVyn*>(columns->Items(i));
                if (other != column_ && other->Title()->SortMarker() != smNoneVyn)
                    other->Title()->SetSortMarker(smNoneVyn);
            }
    TSortMarkerVyn next = smDownVyn;
    if (sortMarker_ == smDownVyn)
        next = smUpVyn;
    else if (sortMarker_ == smUpVyn)
        next = ctrlDown ? smNoneVyn : smDownVyn;
    SetSortMarker(next);
}

void TColumnTitleVyn::SetSortMarker(TSortMarkerVyn v) {
    if (v == sortMarker_) return;
    sortMarker_ = v;
    TCustomDBGridVyn* grid = column_->OwnerGrid();
    if (!grid || grid->Columns()->UpdateCount() > 0) return;
    TColumnsVynList* marked = grid->SortMarkedColumns();
    if (grid->OptionsVyn().Contains(dghMultiSortMarking)) {
        if (v != smNoneVyn && sortIndex_ == 0) {
            int count = 0;
            for (int i = 0; i < grid->Columns()->Count(); ++i)
                if (grid->Columns()->Items(i)->Title()->SortIndex() != 0) ++count;
            sortIndex_ = count + 1;
            marked->Add(column_);
        } else if (v == smNoneVyn && sortIndex_ != 0) {
            for (int i = 0; i < grid->Columns()->Count(); ++i) {
                TColumnTitleVyn* title = grid->Columns()->Items(i)->Title();
                if (title->sortIndex_ > sortIndex_) --title->sortIndex_;
            }
            marked->Remove(column_);
            sortIndex_ = 0;
        }
    } else if (v != smNoneVyn) {
        for (int i = 0; i < grid->Columns()->Count(); ++i) {
            TColumnVyn* other = grid->Columns()->Items(i);
            if (other != column_ && other->Title()->SortMarker() != smNoneVyn)
                other->Title()->SetSortMarker(smNoneVyn);
        }
        sortIndex_ = 1;
        marked->Clear();
        marked->Add(column_);
    } else {
        sortIndex_ = 0;
        marked->Clear();
    }
    column_->NotifyChanged(false);
}

void TColumnTitleVyn::SetSortIndex(int v) {
    v = std::max(v, 0);
    if (v == sortIndex_) return;
    TCustomDBGridVyn* grid = column_->OwnerGrid();
    if (!grid || grid->Columns()->UpdateCount() > 0) {
        sortIndex_ = v;
        return;
    }
    if (sortMarker_ == smNoneVyn) return;
    for (int i = 0; i < grid->Columns()->Count(); ++i) {
        TColumnVyn* other = grid->Columns()->Items(i);
        TColumnTitleVyn* title = other->Title();
        if (other == column_ || title->sortIndex_ == 0 || title->sortIndex_ != v) continue;
        title->sortIndex_ = sortIndex_;
        sortIndex_ = v;
        TColumnsVynList* marked = grid->SortMarkedColumns();
        const int a = marked->IndexOf(column_);
        const int b = marked->IndexOf(other);
        if (a >= 0 && b >= 0) marked->Exchange(a, b);
        column_->NotifyChanged(false);
        return;
    }
}

int TColumnTitleVyn::SortMarkerAreaWidth() const {
    if (sortIndex_ == 0) return 0;
    int width = kSortMarkerWidth;
    int indexWidth = 0;
    TCustomDBGridVyn* grid = column_->OwnerGrid();
    if (grid && grid->SortMarkedColumns()->Count() > 1) {
        const AnsiString text = IntToStr(sortIndex_);
        MeasuringDC dc(SortIndexFont()->Handle());
        SIZE size{};
        GetTextExtentPoint32(dc.dc(), text.c_str(), static_cast<int>(text.size()), &size);
        indexWidth = size.cx;
        width += indexWidth;
    }
    const int room = column_->Width() - 4;
    if (width > room) width -= kSortMarkerWidth - 2;
    if (width > room) width -= indexWidth + 2;
    return width;
}

// ---- TColumnTitleDefValuesVyn ----------------------------------------------------------------

void TColumnTitleDefValuesVyn::Published(TPublished<TColumnTitleDefValuesVyn>& p) {
    p.Property("Alignment", &TColumnTitleDefValuesVyn::Alignment, &TColumnTitleDefValuesVyn::SetAlignment)
        .Stored(&TColumnTitleDefValuesVyn::AlignmentStored);
    p.Property("Color", &TColumnTitleDefValuesVyn::Color, &TColumnTitleDefValuesVyn::SetColor)
        .TypeName("TColor")
        .Stored(&TColumnTitleDefValuesVyn::ColorStored);
    p.Property("EndEllipsis", &TColumnTitleDefValuesVyn::EndEllipsis, &TColumnTitleDefValuesVyn::SetEndEllipsis)
        .Default(false);
    p.Property("Orientation", &TColumnTitleDefValuesVyn::Orientation, &TColumnTitleDefValuesVyn::SetOrientation)
        .Default(tohHorizontal);
    p.Property("TitleButton", &TColumnTitleDefValuesVyn::TitleButton, &TColumnTitleDefValuesVyn::SetTitleButton)
        .Default(false);
    p.Property("ToolTips", &TColumnTitleDefValuesVyn::ToolTips, &TColumnTitleDefValuesVyn::SetToolTips)
        .Default(false);
}

TPersistent* TColumnTitleDefValuesVyn::GetOwner() const { return owner_; }

TCustomDBGridVyn* TColumnTitleDefValuesVyn::Grid() const { return owner_ ? owner_->Grid() : nullptr; }

TAlignment TColumnTitleDefValuesVyn::DefaultAlignment() const {
    TCustomDBGridVyn* grid = Grid();
    return grid && grid->UseMultiTitle() ? taCenter : taLeftJustify;
}

TColor TColumnTitleDefValuesVyn::DefaultColor() const {
    TCustomDBGridVyn* grid = Grid();
    return grid ? grid->FixedColor() : clBtnFace;
}

TAlignment TColumnTitleDefValuesVyn::Alignment() const { return (ownValues_ & 2u) ? alignment_ : DefaultAlignment(); }

void TColumnTitleDefValuesVyn::SetAlignment(TAlignment v) {
    if ((ownValues_ & 2u) && v == alignment_) return;
    alignment_ = v;
    ownValues_ |= 2u;
    if (TCustomDBGridVyn* grid = Grid()) grid->RequestLayout();
}

TColor TColumnTitleDefValuesVyn::Color() const { return (ownValues_ & 1u) ? color_ : DefaultColor(); }

void TColumnTitleDefValuesVyn::SetColor(TColor v) {
    if ((ownValues_ & 1u) && v == color_) return;
    color_ = v;
    ownValues_ |= 1u;
    if (TCustomDBGridVyn* grid = Grid()) grid->Invalidate();
}

void TColumnTitleDefValuesVyn::SetEndEllipsis(bool v) {
    if (v == endEllipsis_) return;
    endEllipsis_ = v;
    if (TCustomDBGridVyn* grid = Grid()) grid->Invalidate();
}

void TColumnTitleDefValuesVyn::SetOrientation(TTextOrientationVyn v) {
    if (v == orientation_) return;
    orientation_ = v;
    if (TCustomDBGridVyn* grid = Grid()) grid->RequestLayout();
}

void TColumnTitleDefValuesVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TColumnTitleDefValuesVyn*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    // Alignment and colour follow the destination's own state: a default that
    // follows the grid keeps following it.
    if (ownValues_ & 2u) SetAlignment(other->Alignment());
    if (ownValues_ & 1u) SetColor(other->Color());
    SetEndEllipsis(other->EndEllipsis());
    SetTitleButton(other->TitleButton());
    SetToolTips(other->ToolTips());
    SetOrientation(other->Orientation());
}
