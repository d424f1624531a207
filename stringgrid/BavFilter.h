// The grid's filter conditions: which column, which text of its cells, the
// condition and how it joins the conditions before it. Matching and
// applying them belong to the filtering.
#pragma once

#include "platform/rtl/collection.h"

class TBavStringGrid;

SERVIORA_ENUM(TFilterCells, fcVirtual, fcNormal, fcStripHTML, fcCalculated)
SERVIORA_ENUM(TFilterOperation, foSHORT, foNONE, foAND, foXOR, foOR)

class TFilterData : public TCollectionItem {
    SERVIORA_CLASS(TFilterData, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TFilterData(TCollection* collection) : TCollectionItem(collection) {}

    // Only from another condition; anything else is ignored.
    void Assign(TPersistent* source) override;

    int Column() const { return column_; }
    void SetColumn(int v) { column_ = v; }
    const AnsiString& Condition() const { return condition_; }
    void SetCondition(const AnsiString& v) { condition_ = v; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool v) { caseSensitive_ = v; }
    TFilterCells Data() const { return data_; }
    void SetData(TFilterCells v) { data_ = v; }
    const AnsiString& Prefix() const { return prefix_; }
    void SetPrefix(const AnsiString& v) { prefix_ = v; }
    const AnsiString& Suffix() const { return suffix_; }
    void SetSuffix(const AnsiString& v) { suffix_ = v; }
    TFilterOperation Operation() const { return operation_; }
    void SetOperation(TFilterOperation v) { operation_ = v; }

private:
    int column_ = 0;
    AnsiString condition_;
    bool caseSensitive_ = true;
    TFilterCells data_ = fcVirtual;
    AnsiString prefix_, suffix_;
    TFilterOperation operation_ = foSHORT;
};

class TFilter : public TOwnedCollection {
    SERVIORA_CLASS(TFilter, TOwnedCollection)
public:
    explicit TFilter(TBavStringGrid* grid);

    TFilterData* Items(int index) const { return static_cast<TFilterData*>(TCollection::Items(index)); }
    TFilterData* Add() { return static_cast<TFilterData*>(TCollection::Add()); }
    TBavStringGrid* Grid() const { return grid_; }

private:
    TBavStringGrid* grid_;
};
