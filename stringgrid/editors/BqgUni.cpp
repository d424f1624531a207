// The wide list, its ANSI view, the combo's items, wide buffers and the
// wide comparisons.
#include "stringgrid/editors/BqgUni.h"

#include <cstdlib>
#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/rtl/exceptions.h"
#include "platform/rtl/reader.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/updatescope.h"
#include "platform/rtl/writer.h"
#include "platform/ui/stdctrls_combo.h"

// ---- Wide buffers ----------------------------------------------------------------------------

int WideCharCount(const char16_t* p) { return p ? int(std::char_traits<char16_t>::length(p)) : 0; }

char16_t* WideCharMove(char16_t* dest, const char16_t* source, int count) {
    if (count > 0) std::memmove(dest, source, std::size_t(count) * sizeof(char16_t));
    return dest;
}

char16_t* WideBufferAlloc(int units) {
    const std::int32_t bytes = units * 2 + 4;
    auto* block = static_cast<unsigned char*>(std::calloc(1, std::size_t(bytes)));
    if (!block) throw EOutOfMemory("Out of memory");
    std::memcpy(block, &bytes, sizeof bytes);
    return reinterpret_cast<char16_t*>(block + 4);
}

char16_t* WideBufferDup(const char16_t* p) {
    if (!p) return nullptr;
    const int length = WideCharCount(p);
    return WideCharMove(WideBufferAlloc(length + 1), p, length + 1);
}

void WideBufferFree(char16_t* p) {
    if (p) std::free(reinterpret_cast<unsigned char*>(p) - 4);
}

// ---- Locale and comparison -------------------------------------------------------------------

Cardinal AnsiCodePageOfLocale(LCID locale) {
    char buffer[8] = {};
    GetLocaleInfo(locale, LOCALE_IDEFAULTANSICODEPAGE, buffer, sizeof buffer);
    int codePage;
    return TryStrToInt(buffer, codePage) ? Cardinal(codePage) : GetACP();
}

int CompareWideTextDirect(const WideString& s1, const WideString& s2, LCID locale) {
    return CompareStringW(locale, NORM_IGNORECASE, s1.data(), int(s1.size()), s2.data(), int(s2.size())) - 2;
}

int CompareWideTextViaAnsi(const WideString& s1, const WideString& s2, LCID locale) {
    const Cardinal codePage = AnsiCodePageOfLocale(locale);
    auto toAnsi = [codePage](const WideString& s) {
        AnsiString ansi(std::size_t(WideCharToMultiByte(codePage, 0, s.data(), int(s.size()), nullptr, 0, nullptr, nullptr)), '\0');
        WideCharToMultiByte(codePage, 0, s.data(), int(s.size()), ansi.data(), int(ansi.size()), nullptr, nullptr);
        return ansi;
    };
    const AnsiString a = toAnsi(s1), b = toAnsi(s2);
    return CompareStringA(locale, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) - 2;
}

TWideTextCompare WideTextCompare() {
    static const TWideTextCompare chosen =
        Win32Platform == VER_PLATFORM_WIN32_NT ? CompareWideTextDirect : CompareWideTextViaAnsi;
    return chosen;
}

// ---- TAnsiStringsForWideStrings --------------------------------------------------------------

void TAnsiStringsForWideStrings::Clear() { wideStrings_->Clear(); }
void TAnsiStringsForWideStrings::Delete(int index) { wideStrings_->Delete(index); }
void TAnsiStringsForWideStrings::Insert(int index, const AnsiString& s) { wideStrings_->Insert(index, AnsiToWide(s)); }
AnsiString TAnsiStringsForWideStrings::Get(int index) const { return WideToAnsi(wideStrings_->Strings(index)); }
int TAnsiStringsForWideStrings::GetCount() const { return wideStrings_->Count(); }

// ---- TWideStrings ----------------------------------------------------------------------------

TWideStrings::~TWideStrings() { delete ansiStrings_; }

int TWideStrings::Add(const WideString& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TWideStrings::AddObject(const WideString& s, TObject* object) {
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

void TWideStrings::AddStrings(const TStrings* strings) {
    WithinUpdate(*this, [&] {
        for (int i = 0; i < strings->Count(); ++i) AddObject(AnsiToWide(strings->Strings(i)), strings->Objects(i));
    });
}

void TWideStrings::AddStrings(const TWideStrings* strings) {
    WithinUpdate(*this, [&] {
        for (int i = 0; i < strings->Count(); ++i) AddObject(strings->Strings(i), strings->Objects(i));
    });
}

void TWideStrings::Assign(TPersistent* source) {
    if (auto* wide = dynamic_cast<TWideStrings*>(source)) {
        WithinUpdate(*this, [&] {
            Clear();
            AddStrings(wide);
        });
    } else if (auto* ansi = dynamic_cast<TStrings*>(source)) {
        WithinUpdate(*this, [&] {
            Clear();
            AddStrings(ansi);
        });
    } else {
        TPersistent::Assign(source);
    }
}

void TWideStrings::AssignTo(TPersistent* dest) {
    if (auto* ansi = dynamic_cast<TStrings*>(dest)) {
        WithinUpdate(*ansi, [&] {
            ansi->Clear();
            for (int i = 0; i < Count(); ++i) ansi->AddObject(WideToAnsi(Strings(i)), Objects(i));
        });
    } else if (auto* wide = dynamic_cast<TWideStrings*>(dest)) {
        WithinUpdate(*wide, [&] {
            wide->Clear();
            wide->AddStrings(this);
        });
    } else {
        TPersistent::AssignTo(dest);
    }
}

void TWideStrings::DefineProperties(TFiler* filer) {
    TPersistent::DefineProperties(filer);
    // The system writes no inherited descriptions, so there is never an
    // ancestor to compare with: a list is stored when it holds items.
    filer->DefineProperty(
        "WideStrings",
        [this](TReader* reader) {
            reader->ReadListBegin();
            WithinUpdate(*this, [&] {
                Clear();
                // ANSI and wide values alike arrive as text and are read wide.
                while (!reader->EndOfList()) Add(reader->ReadWideString());
            });
            reader->ReadListEnd();
        },
        [this](TWriter* writer) {
            writer->WriteListBegin();
            for (int i = 0; i < Count(); ++i) writer->WriteWideString(Strings(i));
            writer->WriteListEnd();
        },
        Count() > 0);
}

void TWideStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TWideStrings::EndUpdate() {
    if (--updateCount_ == 0) SetUpdateState(false);
}

bool TWideStrings::Equals(const TWideStrings* other) const {
    if (!other || other->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != other->Strings(i)) return false;
    return true;
}

void TWideStrings::Exchange(int index1, int index2) {
    WithinUpdate(*this, [&] {
        const WideString text = Strings(index1);
        TObject* object = Objects(index1);
        Put(index1, Strings(index2));
        PutObject(index1, Objects(index2));
        Put(index2, text);
        PutObject(index2, object);
    });
}

char16_t* TWideStrings::GetText() const { return WideBufferDup(GetTextStr().c_str()); }

int TWideStrings::IndexOf(const WideString& s) const {
    for (int i = 0; i < Count(); ++i)
        if (WideTextCompare()(Strings(i), s, compareLocale_) == 0) return i;
    return -1;
}

void TWideStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    WithinUpdate(*this, [&] {
        const WideString text = Strings(curIndex);
        TObject* object = Objects(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, text, object);
    });
}

void TWideStrings::SetText(const char16_t* text) { SetTextStr(text ? WideString(text) : WideString()); }

void TWideStrings::InsertObject(int index, const WideString& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

TObject* TWideStrings::GetObject(int) const { return nullptr; }

WideString TWideStrings::GetTextStr() const {
    WideString text;
    for (int i = 0; i < Count(); ++i) text += Strings(i) + u"\r\n";
    return text;
}

void TWideStrings::Put(int index, const WideString& s) {
    TObject* object = Objects(index);
    Delete(index);
    InsertObject(index, s, object);
}

void TWideStrings::PutObject(int, TObject*) {}
void TWideStrings::SetCapacityTo(int) {}
void TWideStrings::SetUpdateState(bool) {}

void TWideStrings::SetTextStr(const WideString& text) {
    auto isBreak = [](char16_t c) { return (c >= 10 && c <= 13) || c == 0x2028 || c == 0x2029; };
    WithinUpdate(*this, [&] {
        Clear();
        const std::size_t end = std::min(text.size(), text.find(u'\0'));
        std::size_t i = 0;
        while (i < end) {
            std::size_t start = i;
            while (i < end && !isBreak(text[i])) ++i;
            Add(text.substr(start, i - start));
            if (i < end && text[i] == u'\r' && i + 1 < end && text[i + 1] == u'\n') ++i;
            if (i < end) ++i;
        }
    });
}

// ---- TComboBoxStrings ------------------------------------------------------------------------

TComboBoxStrings::TComboBoxStrings() {
    CreateAnsiStrings();
    SetCompareLocale(GetUserDefaultLCID());
}

TStrings* TComboBoxStrings::Items() const { return comboBox_->Items(); }

int TComboBoxStrings::GetCount() const { return Items()->Count(); }
WideString TComboBoxStrings::Get(int index) const { return AnsiToWide(Items()->Strings(index)); }
TObject* TComboBoxStrings::GetObject(int index) const { return Items()->Objects(index); }
void TComboBoxStrings::PutObject(int index, TObject* object) { Items()->SetObjects(index, object); }
int TComboBoxStrings::Add(const WideString& s) { return Items()->Add(WideToAnsi(s)); }
void TComboBoxStrings::Insert(int index, const WideString& s) { Items()->Insert(index, WideToAnsi(s)); }
void TComboBoxStrings::Delete(int index) { Items()->Delete(index); }
int TComboBoxStrings::IndexOf(const WideString& s) const { return Items()->IndexOf(WideToAnsi(s)); }

void TComboBoxStrings::Clear() {
    const AnsiString text = comboBox_->Text();
    Items()->Clear();
    comboBox_->SetText(text);
}

void TComboBoxStrings::SetUpdateState(bool updating) {
    if (updating)
        Items()->BeginUpdate();
    else
        Items()->EndUpdate();
}
