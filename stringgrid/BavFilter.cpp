// The filter conditions and their collection.
#include "stringgrid/BavFilter.h"

#include "stringgrid/BavGrid.h"

void TFilterData::Published(TPublished<TFilterData>& p) {
    p.Property("Column", &TFilterData::Column, &TFilterData::SetColumn).Default(0);
    p.Property("Condition", &TFilterData::Condition, &TFilterData::SetCondition);
    p.Property("CaseSensitive", &TFilterData::CaseSensitive, &TFilterData::SetCaseSensitive).Default(true);
    p.Property("Data", &TFilterData::Data, &TFilterData::SetData).Default(fcVirtual);
    p.Property("Prefix", &TFilterData::Prefix, &TFilterData::SetPrefix);
    p.Property("Suffix", &TFilterData::Suffix, &TFilterData::SetSuffix);
    p.Property("Operation", &TFilterData::Operation, &TFilterData::SetOperation).Default(foSHORT);
}

void TFilterData::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TFilterData*>(source);
    if (!other) return;
    column_ = other->column_;
    condition_ = other->condition_;
    caseSensitive_ = other->caseSensitive_;
    data_ = other->data_;
    prefix_ = other->prefix_;
    suffix_ = other->suffix_;
    operation_ = other->operation_;
}

TFilter::TFilter(TBavStringGrid* grid) : TOwnedCollection(grid, TFilterData::StaticClass()), grid_(grid) {}
