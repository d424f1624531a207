// The grid's filter conditions: which column, which text of its cells, the
// condition and how it joins the conditions before it; and the small
// condition language they are written in, which the search shares.
#pragma once

#include "platform/rtl/collection.h"
#include "platform/rtl/datetime.h"

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

// The condition language: parts split at & ; ^ | outside double quotes,
// joined strictly left to right (& is and, the others or); a leading "="
// asks for the plain pattern; blanks outside quotes do not count.
bool MatchFilterCondition(const AnsiString& condition, const AnsiString& text, bool caseSensitive);
// One part, both sides upper-cased first unless case-sensitive.
bool MatchFilterPart(const AnsiString& part, const AnsiString& text, bool caseSensitive);
// Comparisons (>, >=, <, <=, numbers, then dates, then strings), else a
// wildcard pattern anchored at both ends: * ? \ escapes, ! negates, quotes
// are ignored. A pattern ending in a lone backslash matches nothing.
bool MatchFilterPattern(const AnsiString& pattern, const AnsiString& text);
AnsiString StripBlanksOutsideQuotes(const AnsiString& text);
// Decimal separators become ".", thousand separators go.
AnsiString PlainDecimalText(const AnsiString& text);
// Day, month and year in the order of the short date format, no century
// added; false for anything else.
bool ParseLocaleDate(const AnsiString& text, TDateTime& date);
