#include "platform/rtl/stringlist.h"

#include <algorithm>
#include <string_view>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/quicksort.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/updatescope.h"
#include "platform/rtl/writer.h"

namespace {

constexpr const char* kLineBreak = "\r\n";

// A reader over delimited text that moves one character at a time.
class CharCursor {
public:
    explicit CharCursor(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::size_t Pos() const { return pos_; }
    std::size_t CharSize() const { return AnsiCharSize(text_, pos_); }
    // True when the current character is the single byte `c`.
    bool At(char c) const { return !AtEnd() && text_[pos_] == c && CharSize() == 1; }
    // Spaces and control characters, which separate unquoted items.
    bool AtBlank() const { return !AtEnd() && static_cast<unsigned char>(text_[pos_]) <= ' '; }
    void Next() { pos_ += CharSize(); }
    void SkipBlanks() {
        while (AtBlank()) Next();
    }
    std::string_view Slice(std::size_t from) const { return text_.substr(from, pos_ - from); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool NeedsQuotes(const AnsiString& s, char delimiter, char quote) {
    for (CharCursor c(s); !c.AtEnd(); c.Next())
        if (c.AtBlank() || c.At(delimiter) || c.At(quote)) return true;
    return false;
}

// The quoted item at the cursor (which is on the opening quote), with
// doubled quotes made single; the cursor ends after the closing quote. An
// item without a closing quote runs to the end of the text.
AnsiString ExtractQuoted(CharCursor& c, char quote) {
    AnsiString result;
    c.Next();
    while (!c.AtEnd()) {
        if (c.At(quote)) {
            c.Next();
            if (!c.At(quote)) return result;
        }
        std::size_t start = c.Pos();
        c.Next();
        result += c.Slice(start);
    }
    return result;
}

AnsiString JoinDelimited(const TStrings& list, char delimiter, char quote) {
    if (list.Count() == 1 && list[0].empty()) return AnsiString{quote, quote};
    AnsiString result;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0) result += delimiter;
        AnsiString s = list[i];
        result += NeedsQuotes(s, delimiter, quote) ? AnsiQuotedStr(s, quote) : s;
    }
    return result;
}

void SplitDelimited(TStrings& list, const AnsiString& text, char delimiter, char quote) {
    WithinUpdate(list, [&] {
        list.Clear();
        CharCursor c(text);
        c.SkipBlanks();
        while (!c.AtEnd()) {
            if (c.At(quote)) {
                list.Add(ExtractQuoted(c, quote));
            } else {
                std::size_t start = c.Pos();
                while (!c.AtEnd() && !c.AtBlank() && !c.At(delimiter)) c.Next();
                list.Add(AnsiString(c.Slice(start)));
            }
            c.SkipBlanks();
            if (c.At(delimiter)) {
                c.Next();
                if (c.AtEnd()) list.Add("");
                c.SkipBlanks();
            }
        }
    });
}

}  // namespace

// ---- TStrings

int TStrings::Add(const AnsiString& s) {
    int index = GetCount();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const AnsiString& s, TObject* object) {
    int index = Add(s);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings* strings) {
    const int count = strings->Count();
    WithinUpdate(*this, [&] {
        for (int i = 0; i < count; ++i) AddObject(strings->Get(i), strings->GetObject(i));
    });
}

void TStrings::Assign(TPersistent* source) {
    auto* strings = dynamic_cast<TStrings*>(source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    WithinUpdate(*this, [&] {
        Clear();
        AddStrings(strings);
    });
}

void TStrings::DefineProperties(TFiler* filer) {
    TPersistent::DefineProperties(filer);
    filer->DefineProperty(
        "Strings",
        [this](TReader* reader) {
            reader->ReadListBegin();
            WithinUpdate(*this, [&] {
                Clear();
                while (!reader->EndOfList()) Add(reader->ReadString());
            });
            reader->ReadListEnd();
        },
        [this](TWriter* writer) {
            writer->WriteListBegin();
            for (int i = 0; i < GetCount(); ++i) writer->WriteString(Get(i));
            writer->WriteListEnd();
        },
        GetCount() > 0);
}

void TStrings::InsertObject(int index, const AnsiString& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Exchange(int index1, int index2) {
    WithinUpdate(*this, [&] {
        AnsiString s = Get(index1);
        TObject* object = GetObject(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, s);
        PutObject(index2, object);
    });
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    WithinUpdate(*this, [&] {
        AnsiString s = Get(curIndex);
        TObject* object = GetObject(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    });
}

bool TStrings::Equals(const TStrings* strings) const {
    if (Count() != strings->Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != strings->Get(i)) return false;
    return true;
}

int TStrings::IndexOf(const AnsiString& s) const {
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const AnsiString& name) const {
    for (int i = 0; i < GetCount(); ++i) {
        AnsiString s = Get(i);
        std::size_t separator = SeparatorPos(s);
        if (separator != AnsiString::npos && CompareStrings(s.substr(0, separator), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

void TStrings::BeginUpdate() {
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream* stream) {
    AnsiString text(static_cast<std::size_t>(std::max<Int64>(stream->Size() - stream->Position(), 0)), '\0');
    text.resize(static_cast<std::size_t>(stream->Read(text.data(), static_cast<Integer>(text.size()))));
    WithinUpdate(*this, [&] { SetTextStr(text); });
}

void TStrings::SaveToStream(TStream* stream) const {
    AnsiString text = GetTextStr();
    stream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

void TStrings::LoadFromFile(const AnsiString& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

void TStrings::SaveToFile(const AnsiString& fileName) const {
    TStringStream bytes;
    SaveToStream(&bytes);
    SaveBytesToFile(fileName, bytes.DataString());
}

AnsiString TStrings::DelimitedText() const { return JoinDelimited(*this, delimiter_, quoteChar_); }

void TStrings::SetDelimitedText(const AnsiString& text) { SplitDelimited(*this, text, delimiter_, quoteChar_); }

AnsiString TStrings::CommaText() const { return JoinDelimited(*this, ',', '"'); }

void TStrings::SetCommaText(const AnsiString& text) { SplitDelimited(*this, text, ',', '"'); }

std::size_t TStrings::SeparatorPos(const AnsiString& s) const {
    for (CharCursor c(s); !c.AtEnd(); c.Next())
        if (c.At(nameValueSeparator_)) return c.Pos();
    return AnsiString::npos;
}

AnsiString TStrings::Names(int index) const {
    AnsiString s = Get(index);
    std::size_t separator = SeparatorPos(s);
    return separator == AnsiString::npos ? AnsiString() : s.substr(0, separator);
}

AnsiString TStrings::Values(const AnsiString& name) const {
    int index = IndexOfName(name);
    return index < 0 ? AnsiString() : ValueFromIndex(index);
}

void TStrings::SetValues(const AnsiString& name, const AnsiString& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    if (index < 0) index = Add("");
    Put(index, name + nameValueSeparator_ + value);
}

AnsiString TStrings::ValueFromIndex(int index) const {
    if (index < 0) return AnsiString();
    AnsiString s = Get(index);
    std::size_t separator = SeparatorPos(s);
    return separator == AnsiString::npos ? AnsiString() : s.substr(separator + 1);
}

void TStrings::SetValueFromIndex(int index, const AnsiString& value) {
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    if (index < 0) index = Add("");
    Put(index, Names(index) + nameValueSeparator_ + value);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int index, const AnsiString& s) {
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::SetCapacityTo(int) {}

AnsiString TStrings::GetTextStr() const {
    AnsiString text;
    for (int i = 0; i < GetCount(); ++i) {
        text += Get(i);
        text += kLineBreak;
    }
    return text;
}

// CR and LF are below every byte of a multi-byte character, so a plain byte
// search for them never lands inside one.
void TStrings::SetTextStr(const AnsiString& text) {
    WithinUpdate(*this, [&] {
        Clear();
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = text.find_first_of(kLineBreak, pos);
            if (end == AnsiString::npos) end = text.size();
            Add(text.substr(pos, end - pos));
            pos = end;
            if (pos < text.size() && text[pos] == '\r') ++pos;
            if (pos < text.size() && text[pos] == '\n') ++pos;
        }
    });
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const AnsiString& s1, const AnsiString& s2) const { return AnsiCompareText(s1, s2); }

// ---- TStringList

namespace {

[[noreturn]] void ListIndexError(int index) {
    throw EStringListError("List index out of bounds (%d)", {index});
}

[[noreturn]] void SortedListError() { throw EStringListError("Operation not allowed on sorted list"); }

}  // namespace

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= GetCount()) ListIndexError(index);
}

int TStringList::Add(const AnsiString& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const AnsiString& s, TObject* object) {
    int index = GetCount();
    if (sorted_ && Find(s, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_ = {};
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Insert(int index, const AnsiString& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const AnsiString& s, TObject* object) {
    if (sorted_) SortedListError();
    if (index < 0 || index > GetCount()) ListIndexError(index);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const AnsiString& s, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(items_[index1], items_[index2]);
    Changed();
}

int TStringList::IndexOf(const AnsiString& s) const {
    if (!sorted_) return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& s, int& index) const {
    bool found = false;
    int low = 0;
    int high = GetCount() - 1;
    while (low <= high) {
        int middle = low + (high - low) / 2;
        int c = CompareStrings(items_[middle].string, s);
        if (c < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept) low = middle;
            }
        }
    }
    index = low;
    return found;
}

int TStringList::CompareItems(TStringList* list, int index1, int index2) {
    return list->CompareStrings(list->items_[index1].string, list->items_[index2].string);
}

void TStringList::Sort() { CustomSort(CompareItems); }

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (!sorted_) SortItems(compare);
}

void TStringList::SortItems(const TStringListSortCompare& compare) {
    if (GetCount() < 2) return;
    Changing();
    QuickSortPositions(
        0, GetCount() - 1, [&](int i, int j) { return compare(this, i, j); },
        [&](int i, int j) { std::swap(items_[i], items_[j]); });
    Changed();
}

void TStringList::SetSorted(bool value) {
    if (value == sorted_) return;
    if (value) Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == caseSensitive_) return;
    caseSensitive_ = value;
    if (sorted_) SortItems(CompareItems);
}

AnsiString TStringList::Get(int index) const {
    CheckIndex(index);
    return items_[index].string;
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return items_[index].object;
}

void TStringList::Put(int index, const AnsiString& s) {
    if (sorted_) SortedListError();
    CheckIndex(index);
    Changing();
    items_[index].string = s;
    Changed();
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    items_[index].object = object;
    Changed();
}

void TStringList::SetCapacityTo(int capacity) {
    if (capacity < GetCount())
        throw EStringListError("List capacity out of bounds (%d)", {capacity});
    if (capacity < GetCapacity()) items_.shrink_to_fit();
    items_.reserve(static_cast<std::size_t>(capacity));
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(const AnsiString& s1, const AnsiString& s2) const {
    return caseSensitive_ ? AnsiCompareStr(s1, s2) : AnsiCompareText(s1, s2);
}

void TStringList::Changing() {
    if (UpdateCount() == 0) onChanging_(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0) onChange_(this);
}
