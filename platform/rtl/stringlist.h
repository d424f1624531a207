// TStrings, the class library's abstract list of strings with attached
// objects, and TStringList, its plain in-memory form with sorting and change
// events.
//
// Strings are ANSI (GB18030) bytes. Every scan for a delimiter, a quote or
// the name-value separator steps by character, so a trail byte such as "|"
// or "\" inside a Chinese character is never taken for one; CR and LF never
// occur inside a character.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/rtl/events.h"
#include "platform/rtl/persistent.h"
#include "platform/rtl/types.h"

class TStream;
class IInterface;

// In a form description a list is the property "Strings", a list of
// strings ("Lines.Strings = ('a' 'b')").
class TStrings : public TPersistent {
    SERVIORA_CLASS(TStrings, TPersistent)

public:
    // Appends and answers the new string's index (a sorted list answers
    // where the string went).
    virtual int Add(const AnsiString& s);
    virtual int AddObject(const AnsiString& s, TObject* object);
    void Append(const AnsiString& s) { Add(s); }
    virtual void AddStrings(const TStrings* strings);
    // From another list: replaces the strings and objects with its own.
    void Assign(TPersistent* source) override;
    virtual void Clear() = 0;
    virtual void Delete(int index) = 0;
    virtual void Insert(int index, const AnsiString& s) = 0;
    virtual void InsertObject(int index, const AnsiString& s, TObject* object);
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    // Same count and the same bytes in every line.
    bool Equals(const TStrings* strings) const;

    // The first line comparing equal (CompareStrings); -1 when none does.
    virtual int IndexOf(const AnsiString& s) const;
    // The first "name=value" line whose name compares equal.
    int IndexOfName(const AnsiString& name) const;
    int IndexOfObject(const TObject* object) const;

    // While an update is open, a list holds back its change notifications;
    // the outermost EndUpdate delivers one.
    void BeginUpdate();
    void EndUpdate();

    // The bytes of the stream from its position, split as by SetText.
    virtual void LoadFromStream(TStream* stream);
    // Text as stored (CR LF after each line), byte for byte.
    virtual void SaveToStream(TStream* stream) const;
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName) const;

    AnsiString Strings(int index) const { return Get(index); }
    void SetStrings(int index, const AnsiString& s) { Put(index, s); }
    AnsiString operator[](int index) const { return Get(index); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }
    int Count() const { return GetCount(); }
    int Capacity() const { return GetCapacity(); }
    void SetCapacity(int capacity) { SetCapacityTo(capacity); }

    // Every line followed by CR LF.
    AnsiString Text() const { return GetTextStr(); }
    // Lines end at CR, LF or CR LF; a last line needs no break.
    void SetText(const AnsiString& text) { SetTextStr(text); }

    // The lines joined by Delimiter; a line that is empty in a list of one,
    // or holds a space, a control character, QuoteChar or Delimiter, is
    // quoted with QuoteChar, doubling QuoteChar inside.
    AnsiString DelimitedText() const;
    // Splits at Delimiter and at spaces and control characters outside
    // quotes; a delimiter at the very end adds an empty line.
    void SetDelimitedText(const AnsiString& text);
    // DelimitedText with "," and '"'.
    AnsiString CommaText() const;
    void SetCommaText(const AnsiString& text);
    char Delimiter() const { return delimiter_; }
    void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
    char QuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char quoteChar) { quoteChar_ = quoteChar; }

    // "name=value" lines. A line without the separator has an empty name
    // and an empty value.
    char NameValueSeparator() const { return nameValueSeparator_; }
    void SetNameValueSeparator(char separator) { nameValueSeparator_ = separator; }
    AnsiString Names(int index) const;
    AnsiString Values(const AnsiString& name) const;
    // Replaces or appends the line; an empty value deletes it.
    void SetValues(const AnsiString& name, const AnsiString& value);
    AnsiString ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const AnsiString& value);

    // The list's automation face; no server supplies one on this platform,
    // so it stays whatever was set (empty at first).
    const std::shared_ptr<IInterface>& StringsAdapter() const { return stringsAdapter_; }
    void SetStringsAdapter(std::shared_ptr<IInterface> adapter) { stringsAdapter_ = std::move(adapter); }

protected:
    void DefineProperties(TFiler* filer) override;

    virtual AnsiString Get(int index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int index) const;
    // By default deletes the line and inserts the new one with its object.
    virtual void Put(int index, const AnsiString& s);
    virtual void PutObject(int index, TObject* object);
    virtual int GetCapacity() const { return GetCount(); }
    virtual void SetCapacityTo(int capacity);
    virtual AnsiString GetTextStr() const;
    virtual void SetTextStr(const AnsiString& text);
    // Called with true when the first update opens, false when the last closes.
    virtual void SetUpdateState(bool updating);
    // The order used by IndexOf, IndexOfName and sorting: AnsiCompareText.
    virtual int CompareStrings(const AnsiString& s1, const AnsiString& s2) const;

    int UpdateCount() const { return updateCount_; }

private:
    // Byte offset of the name-value separator in `s`, or npos.
    std::size_t SeparatorPos(const AnsiString& s) const;

    int updateCount_ = 0;
    std::shared_ptr<IInterface> stringsAdapter_;
    char delimiter_ = ',';
    char quoteChar_ = '"';
    char nameValueSeparator_ = '=';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Answers <0, 0 or >0 as the line at index1 sorts before, with or after the
// line at index2.
using TStringListSortCompare = std::function<int(TStringList* list, int index1, int index2)>;

class TStringList : public TStrings {
    SERVIORA_CLASS(TStringList, TStrings)

public:
    TStringList() = default;

    // On a sorted list, Duplicates decides what happens to a string that is
    // already there: dupIgnore answers the existing index, dupError raises.
    int Add(const AnsiString& s) override;
    int AddObject(const AnsiString& s, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    // Not allowed on a sorted list.
    void Insert(int index, const AnsiString& s) override;
    void InsertObject(int index, const AnsiString& s, TObject* object) override;
    void Exchange(int index1, int index2) override;
    int IndexOf(const AnsiString& s) const override;
    // Binary search of a sorted list: true when found; `index` is where the
    // string is (the first of equal strings when duplicates are accepted) or
    // where it would go.
    virtual bool Find(const AnsiString& s, int& index) const;
    // Sorts with CompareStrings; CustomSort with the caller's order. Neither
    // does anything to a list that keeps itself sorted.
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& compare);

    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }
    bool Sorted() const { return sorted_; }
    // Turning sorting on sorts the list.
    void SetSorted(bool value);
    // false compares with AnsiCompareText, true with AnsiCompareStr; a sorted
    // list is sorted again in the new order.
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    const TNotifyEvent& OnChanging() const { return onChanging_; }
    void SetOnChanging(TNotifyEvent handler) { onChanging_ = std::move(handler); }

protected:
    AnsiString Get(int index) const override;
    int GetCount() const override { return static_cast<int>(items_.size()); }
    TObject* GetObject(int index) const override;
    // Not allowed on a sorted list.
    void Put(int index, const AnsiString& s) override;
    void PutObject(int index, TObject* object) override;
    int GetCapacity() const override { return static_cast<int>(items_.capacity()); }
    void SetCapacityTo(int capacity) override;
    void SetUpdateState(bool updating) override;
    int CompareStrings(const AnsiString& s1, const AnsiString& s2) const override;
    // Fire OnChanging before and OnChange after each change, unless an
    // update is open.
    virtual void Changing();
    virtual void Changed();

private:
    struct Item {
        AnsiString string;
        TObject* object;
    };

    void CheckIndex(int index) const;
    void InsertItem(int index, const AnsiString& s, TObject* object);
    void SortItems(const TStringListSortCompare& compare);
    // The order of Sort: CompareStrings of the two lines.
    static int CompareItems(TStringList* list, int index1, int index2);

    std::vector<Item> items_;
    TDuplicates duplicates_ = dupIgnore;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TNotifyEvent onChange_;
    TNotifyEvent onChanging_;
};
