// TAggregateField: a summary over a dataset's records (a sum, a count, an
// average of an expression), which the dataset maintains and the field
// reads; it is no column of the records and cannot be written.
#pragma once

#include "platform/data/field.h"

class TAggregateField : public TField {
    SERVIORA_CLASS(TAggregateField, TField)
    SERVIORA_PUBLISHED
public:
    explicit TAggregateField(TComponent* owner);

    const AnsiString& Expression() const { return expression_; }
    void SetExpression(const AnsiString& value) { expression_ = value; }
    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    // The type of the aggregate's value: ftFloat, ftCurrency, ftDate, ... .
    TFieldType ResultType() const { return resultType_; }
    void SetResultType(TFieldType value) { resultType_ = value; }
    // A FormatFloat pattern for numbers, a FormatDateTime one for dates.
    const AnsiString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const AnsiString& value) { displayFormat_ = value; }
    bool Currency() const { return currency_; }
    void SetCurrency(bool value) { currency_ = value; }
    int GroupingLevel() const { return groupingLevel_; }
    void SetGroupingLevel(int value) { groupingLevel_ = value; }
    const AnsiString& IndexName() const { return indexName_; }
    void SetIndexName(const AnsiString& value) { indexName_ = value; }

    Variant AsVariant() const override;
    AnsiString AsString() const override;
    double AsFloat() const override;
    TDateTime AsDateTime() const override;

protected:
    AnsiString GetText(bool displayText) const override;

private:
    AnsiString expression_, displayFormat_, indexName_;
    bool active_ = false;
    bool currency_ = false;
    TFieldType resultType_ = ftUnknown;
    int groupingLevel_ = 0;
};
