#include "platform/data/aggregate_field.h"

#include "platform/data/dataset.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/formatsettings.h"
#include "platform/rtl/sysutils.h"

SERVIORA_REGISTER_CLASS(TAggregateField);

TAggregateField::TAggregateField(TComponent* owner) : TField(owner, ftUnknown, 0) {
    SetFieldKind(fkAggregate);
    SetReadOnly(true);
    SetVisible(false);
}

Variant TAggregateField::AsVariant() const {
    return DataSet() && active_ ? DataSet()->GetAggregateValue(this) : Null();
}

AnsiString TAggregateField::AsString() const { return VarToStr(AsVariant()); }

double TAggregateField::AsFloat() const {
    const Variant value = AsVariant();
    return VarIsNull(value) ? 0 : value.AsDouble();
}

TDateTime TAggregateField::AsDateTime() const { return AsFloat(); }

AnsiString TAggregateField::GetText(bool displayText) const {
    if (IsNull()) return AnsiString();
    const bool number = resultType_ == ftFloat || resultType_ == ftCurrency || resultType_ == ftBCD;
    const bool date = resultType_ == ftDate || resultType_ == ftTime || resultType_ == ftDateTime;
    if (displayText && number && !displayFormat_.empty()) return FormatFloat(displayFormat_, AsFloat());
    if (displayText && number && currency_) return FloatToStrF(AsFloat(), ffCurrency, 15, CurrencyDecimals);
    if (displayText && date && !displayFormat_.empty()) return FormatDateTime(displayFormat_, AsDateTime());
    if (date) return DateTimeToStr(AsDateTime());
    return AsString();
}

void TAggregateField::Published(TPublished<TAggregateField>& p) {
    p.Property("Active", &TAggregateField::Active, &TAggregateField::SetActive).Default(false);
    p.Property("Currency", &TAggregateField::Currency, &TAggregateField::SetCurrency).Default(false);
    p.Property("DisplayFormat", &TAggregateField::DisplayFormat, &TAggregateField::SetDisplayFormat);
    p.Property("Expression", &TAggregateField::Expression, &TAggregateField::SetExpression);
    p.Property("GroupingLevel", &TAggregateField::GroupingLevel, &TAggregateField::SetGroupingLevel).Default(0);
    p.Property("IndexName", &TAggregateField::IndexName, &TAggregateField::SetIndexName);
}
