// Column footers: what a footer cell shows (a static text, a field's value
// or a sum, average or count), with own values over the grid's defaults.
#include "datagrid/DBGridVyn.h"
#include "platform/data/field.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

// ---- TColumnFooterVyn -------------------------------------------------------------------

void TColumnFooterVyn::Published(TPublished<TColumnFooterVyn>& p) {
    p.Property("Alignment", &TColumnFooterVyn::Alignment, &TColumnFooterVyn::SetAlignment)
        .Stored(&TColumnFooterVyn::AlignmentStored);
    p.Property("Color", &TColumnFooterVyn::Color, &TColumnFooterVyn::SetColor)
        .TypeName("TColor")
        .Stored(&TColumnFooterVyn::ColorStored);
    p.Property("DisplayFormat", &TColumnFooterVyn::DisplayFormat, &TColumnFooterVyn::SetDisplayFormat);
    p.Property("EndEllipsis", &TColumnFooterVyn::EndEllipsis, &TColumnFooterVyn::SetEndEllipsis).Default(false);
    p.Property("FieldName", &TColumnFooterVyn::FieldName, &TColumnFooterVyn::SetFieldName);
    p.Property("Font", &TColumnFooterVyn::Font, &TColumnFooterVyn::SetFont).Stored(&TColumnFooterVyn::FontStored);
    p.Property("ToolTips", &TColumnFooterVyn::ToolTips, &TColumnFooterVyn::SetToolTips)
        .Stored(&TColumnFooterVyn::ToolTipsStored);
    p.Property("Value", &TColumnFooterVyn::Value, &TColumnFooterVyn::SetValue);
    p.Property("ValueType", &TColumnFooterVyn::ValueType, &TColumnFooterVyn::SetValueType).Default(fvtNon);
    p.Property("WordWrap", &TColumnFooterVyn::WordWrap, &TColumnFooterVyn::SetWordWrap).Default(false);
}

TColumnFooterVyn::TColumnFooterVyn(TCollection* collection)
    : TCollectionItem(collection), font_(TNotifyEvent(this, &TColumnFooterVyn::FontChanged)) {
    auto* footers = dynamic_cast<TColumnFootersVyn*>(collection);
    column_ = footers ? footers->Column() : nullptr;
    font_.Follow(DefaultFont());
    if (column_)
        if (TCustomDBGridVyn* grid = column_->OwnerGrid()) grid->InvalidateFooter();
}

TColumnFooterVyn::TColumnFooterVyn(TColumnVyn* column)
    : TCollectionItem(nullptr), column_(column), font_(TNotifyEvent(this, &TColumnFooterVyn::FontChanged)) {
    font_.Follow(DefaultFont());
}

TColumnFooterVyn::~TColumnFooterVyn() {
    if (column_)
        if (TCustomDBGridVyn* grid = column_->OwnerGrid()) grid->InvalidateFooter();
    delete sum_;
}

void TColumnFooterVyn::SyncSum() {
    TCustomDBGridVyn* grid = column_ ? column_->OwnerGrid() : nullptr;
    if (!grid) return;
    const bool aggregate = valueType_ == fvtSum || valueType_ == fvtAvg || valueType_ == fvtCount;
    if (!aggregate) {
        delete sum_;
        sum_ = nullptr;
        return;
    }
    TDBSumCollection* sums = grid->SumList()->SumCollection();
    if (!sum_) {
        sums->BeginUpdate();
        try {
            sum_ = sums->Add();
            SyncSum();
        } catch (...) {
            sums->EndUpdate();
            throw;
        }
        sums->EndUpdate();
        return;
    }
    // A count counts records, whatever field it names.
    const TGroupOperation operation = valueType_ == fvtSum ? goSum : valueType_ == fvtAvg ? goAvg : goCount;
    sum_->SetGroupOperation(operation);
    sum_->SetFieldName(operation == goCount ? AnsiString() : !fieldName_.empty() ? fieldName_ : column_->FieldName());
}

TPersistent* TColumnFooterVyn::GetOwner() const {
    return Collection() ? static_cast<TPersistent*>(Collection()) : static_cast<TPersistent*>(column_);
}

void TColumnFooterVyn::NotifyColumn(bool allItems) {
    if (column_) column_->NotifyChanged(allItems);
}

TAlignment TColumnFooterVyn::DefaultAlignment() const {
    TField* field = column_ ? column_->BoundField() : nullptr;
    return field ? field->Alignment() : taLeftJustify;
}

TColor TColumnFooterVyn::DefaultColor() const {
    TCustomDBGridVyn* grid = column_ ? column_->OwnerGrid() : nullptr;
    return grid ? grid->FooterColor() : clWindow;
}

TFont* TColumnFooterVyn::DefaultFont() const {
    if (!column_) return nullptr;
    TCustomDBGridVyn* grid = column_->OwnerGrid();
    return grid ? grid->FooterFont() : column_->Font();
}

bool TColumnFooterVyn::DefaultToolTips() const {
    TColumnDefValuesVyn* defaults = column_ ? column_->DefValues() : nullptr;
    return defaults && defaults->Footer()->ToolTips();
}

TAlignment TColumnFooterVyn::Alignment() const { return Owns(fvAlignment) ? alignment_ : DefaultAlignment(); }

void TColumnFooterVyn::SetAlignment(TAlignment v) {
    if (Owns(fvAlignment) && v == alignment_) return;
    alignment_ = v;
    Own(fvAlignment);
    NotifyColumn(false);
}

TColor TColumnFooterVyn::Color() const { return Owns(fvColor) ? color_ : DefaultColor(); }

void TColumnFooterVyn::SetColor(TColor v) {
    if (Owns(fvColor) && v == color_) return;
    color_ = v;
    Own(fvColor);
    NotifyColumn(false);
}

bool TColumnFooterVyn::ToolTips() const { return Owns(fvToolTips) ? toolTips_ : DefaultToolTips(); }

void TColumnFooterVyn::SetToolTips(bool v) {
    if (Owns(fvToolTips) && v == toolTips_) return;
    toolTips_ = v;
    Own(fvToolTips);
}

TFont* TColumnFooterVyn::Font() const { return Owns(fvFont) ? font_.Font() : font_.Follow(DefaultFont()); }

void TColumnFooterVyn::FontChanged(TObject*) {
    Own(fvFont);
    NotifyColumn(true);
}

void TColumnFooterVyn::SetDisplayFormat(const AnsiString& v) {
    if (v == displayFormat_) return;
    displayFormat_ = v;
    NotifyColumn(false);
}

void TColumnFooterVyn::SetEndEllipsis(bool v) {
    endEllipsis_ = v;
    NotifyColumn(false);
}

void TColumnFooterVyn::SetWordWrap(bool v) {
    wordWrap_ = v;
    NotifyColumn(false);
}

void TColumnFooterVyn::SetValue(const AnsiString& v) {
    value_ = v;
    NotifyColumn(false);
}

void TColumnFooterVyn::SetFieldName(const AnsiString& v) {
    fieldName_ = v;
    SyncSum();
    NotifyColumn(false);
}

void TColumnFooterVyn::SetValueType(TFooterValueType v) {
    if (v == valueType_) return;
    valueType_ = v;
    SyncSum();
    NotifyColumn(false);
}

void TColumnFooterVyn::ClearOwnValues() {
    const bool fontOwned = Owns(fvFont);
    ownValues_ = 0;
    font_.Follow(DefaultFont());
    NotifyColumn(fontOwned);
}

void TColumnFooterVyn::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TColumnFooterVyn*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    if (other->Owns(fvAlignment)) SetAlignment(other->Alignment());
    if (other->Owns(fvColor)) SetColor(other->Color());
    if (other->Owns(fvFont)) SetFont(other->Font());
    if (other->Owns(fvToolTips)) SetToolTips(other->ToolTips());
    SetDisplayFormat(other->DisplayFormat());
    SetEndEllipsis(other->EndEllipsis());
    SetFieldName(other->FieldName());
    SetValue(other->Value());
    SetValueType(other->ValueType());
    SetWordWrap(other->WordWrap());
}

// ---- TColumnFootersVyn -------------------------------------------------------------------

TColumnFootersVyn::TColumnFootersVyn(TColumnVyn* column)
    : TCollection(TColumnFooterVyn::StaticClass()), column_(column) {}

TPersistent* TColumnFootersVyn::GetOwner() const { return column_; }

// ---- TColumnFooterDefValuesVyn ------------------------------------------------------------

void TColumnFooterDefValuesVyn::Published(TPublished<TColumnFooterDefValuesVyn>& p) {
    p.Property("ToolTips", &TColumnFooterDefValuesVyn::ToolTips, &TColumnFooterDefValuesVyn::SetToolTips)
        .Default(false);
}

TPersistent* TColumnFooterDefValuesVyn::GetOwner() const { return owner_; }

// ---- Footer texts --------------------------------------------------------------------------------

namespace {

// A sum or average by the field's type: the footer's or the field's format,
// else the field's own way of showing numbers.
AnsiString FormatAggregate(Currency value, TField* field, const AnsiString& footerFormat) {
    auto* numeric = dynamic_cast<TNumericField*>(field);
    const AnsiString fieldFormat = numeric ? numeric->DisplayFormat() : AnsiString();
    auto* floatField = dynamic_cast<TFloatField*>(field);
    auto* bcdField = dynamic_cast<TBCDField*>(field);
    const bool currency = floatField ? floatField->Currency() : bcdField && bcdField->Currency();
    switch (field->DataType()) {
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftAutoInc:
        case ftLargeint:
            if (!footerFormat.empty()) return FormatFloat(footerFormat, value.ToDouble());
            if (!fieldFormat.empty()) return FormatFloat(fieldFormat, value.ToDouble());
            return std::to_string(value.Scaled() / Currency::Scale);
        case ftFloat:
        case ftCurrency: {
            const AnsiString& format = !footerFormat.empty() ? footerFormat : fieldFormat;
            if (!format.empty()) return FormatFloat(format, value.ToDouble());
            if (currency) return FloatToStrF(value.ToDouble(), ffCurrency, 15, CurrencyDecimals);
            return FloatToStrF(value.ToDouble(), ffGeneral, floatField ? floatField->Precision() : 15, 0);
        }
        case ftBCD:
        case ftFMTBcd:
            if (!footerFormat.empty()) return FormatFloat(footerFormat, value.ToDouble());
            if (!fieldFormat.empty()) return FormatCurr(fieldFormat, value);
            return CurrToStrF(value, currency ? ffCurrency : ffGeneral, currency ? CurrencyDecimals : 0);
        default:
            return "0";
    }
}

}  // namespace

AnsiString TCustomDBGridVyn::FooterCellText(int footerRow, TColumnVyn* column) {
    TColumnFooterVyn* footer = column->FooterForRow(footerRow);
    TDataSet* dataSet = DataSource() ? DataSource()->DataSet() : nullptr;
    switch (footer->ValueType()) {
        case fvtSum:
        case fvtAvg: {
            const AnsiString& name = !footer->FieldName().empty() ? footer->FieldName() : column->FieldName();
            TField* field = dataSet ? dataSet->FindField(name) : nullptr;
            if (!field) return "0";
            TDBSum* sum = sumList_->SumCollection()->FindSum(footer->ValueType() == fvtSum ? goSum : goAvg,
                                                             field->FieldName());
            return FormatAggregate(sum ? sum->Amount : Currency(), field, footer->DisplayFormat());
        }
        case fvtCount: {
            TDBSum* sum = sumList_->SumCollection()->FindSum(goCount, AnsiString());
            const double count = sum ? sum->Amount.ToDouble() : 0;
            return footer->DisplayFormat().empty() ? FloatToStr(count) : FormatFloat(footer->DisplayFormat(), count);
        }
        case fvtFieldValue:
            if (!dataSet || !dataSet->Active() || footer->FieldName().empty()) return AnsiString();
            return FormatFieldValue(dataSet->FieldByName(footer->FieldName()), footer->DisplayFormat());
        case fvtStaticText:
            return footer->Value();
        default:
            return AnsiString();
    }
}
