// Wide strings on a class library whose string lists are ANSI: the abstract
// wide list TWideStrings (streamed as "WideStrings"), its ANSI view, the item
// list of the Unicode combo box, zero-terminated wide buffers and the
// locale-aware wide comparisons.
#pragma once

#include "platform/rtl/persistent.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/types.h"
#include "platform/rtl/winnls.h"

class TCustomComboBox;
class TWideStrings;

// ---- Zero-terminated wide buffers ------------------------------------------------------------

int WideCharCount(const char16_t* p);
// Copies `count` units; overlapping ranges are copied correctly.
char16_t* WideCharMove(char16_t* dest, const char16_t* source, int count);
// A zero-filled buffer of `units` units; the 4 bytes before it hold the whole
// allocation's size in bytes (units * 2 + 4). Released by WideBufferFree.
char16_t* WideBufferAlloc(int units);
char16_t* WideBufferDup(const char16_t* p);
void WideBufferFree(char16_t* p);

// ---- Locale and comparison -------------------------------------------------------------------

Cardinal AnsiCodePageOfLocale(LCID locale);
// -1, 0 or 1 ignoring case (-2 when the platform call fails).
int CompareWideTextDirect(const WideString& s1, const WideString& s2, LCID locale);
int CompareWideTextViaAnsi(const WideString& s1, const WideString& s2, LCID locale);
using TWideTextCompare = int (*)(const WideString&, const WideString&, LCID);
// The comparison IndexOf uses, chosen once for the platform family.
TWideTextCompare WideTextCompare();

// ---- The ANSI view of a wide list ------------------------------------------------------------

class TAnsiStringsForWideStrings : public TStrings {
    SERVIORA_CLASS(TAnsiStringsForWideStrings, TStrings)
public:
    explicit TAnsiStringsForWideStrings(TWideStrings* wideStrings) : wideStrings_(wideStrings) {}

    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const AnsiString& s) override;

protected:
    AnsiString Get(int index) const override;
    int GetCount() const override;

private:
    TWideStrings* wideStrings_;
};

// ---- The wide list ---------------------------------------------------------------------------

class TWideStrings : public TPersistent {
    SERVIORA_CLASS(TWideStrings, TPersistent)
public:
    TWideStrings() = default;
    ~TWideStrings() override;
    TWideStrings(const TWideStrings&) = delete;
    TWideStrings& operator=(const TWideStrings&) = delete;

    void Assign(TPersistent* source) override;

    virtual int Add(const WideString& s);
    virtual int AddObject(const WideString& s, TObject* object);
    virtual void AddStrings(const TStrings* strings);
    virtual void AddStrings(const TWideStrings* strings);
    virtual void Clear() = 0;
    virtual void Delete(int index) = 0;
    virtual void Exchange(int index1, int index2);
    // A new buffer (WideBufferDup) the caller releases with WideBufferFree.
    virtual char16_t* GetText() const;
    virtual int IndexOf(const WideString& s) const;
    virtual void Insert(int index, const WideString& s) = 0;
    virtual void Move(int curIndex, int newIndex);
    virtual void SetText(const char16_t* text);
    void InsertObject(int index, const WideString& s, TObject* object);

    void BeginUpdate();
    void EndUpdate();
    // Same count and every item equal unit for unit.
    bool Equals(const TWideStrings* other) const;

    WideString Strings(int index) const { return Get(index); }
    void SetStrings(int index, const WideString& s) { Put(index, s); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }
    int Count() const { return GetCount(); }
    int Capacity() const { return GetCapacity(); }
    void SetCapacity(int capacity) { SetCapacityTo(capacity); }
    virtual WideString GetTextStr() const;
    // Cut at LF, VT, FF, CR, CR LF, U+2028 and U+2029; no empty last item.
    virtual void SetTextStr(const WideString& text);

    TStrings* AnsiStrings() const { return ansiStrings_; }
    // The view copies from `strings`, so this list receives copies.
    void SetAnsiStrings(TStrings* strings) { ansiStrings_->Assign(strings); }

    LCID CompareLocale() const { return compareLocale_; }
    virtual void SetCompareLocale(LCID locale) { compareLocale_ = locale; }

protected:
    virtual WideString Get(int index) const = 0;
    virtual int GetCapacity() const { return GetCount(); }
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int index) const;
    // Keeps the item's object.
    virtual void Put(int index, const WideString& s);
    virtual void PutObject(int index, TObject* object);
    virtual void SetCapacityTo(int capacity);
    virtual void SetUpdateState(bool updating);

    void AssignTo(TPersistent* dest) override;
    void DefineProperties(TFiler* filer) override;

    // Concrete lists create their ANSI view in their constructor.
    void CreateAnsiStrings() { ansiStrings_ = new TAnsiStringsForWideStrings(this); }

private:
    TAnsiStringsForWideStrings* ansiStrings_ = nullptr;
    int updateCount_ = 0;
    LCID compareLocale_ = 0;
};

// ---- The Unicode combo box's items -----------------------------------------------------------

// Every window here is an ANSI window, so the items always live in the
// combo's platform Items and are converted on the way.
class TComboBoxStrings : public TWideStrings {
    SERVIORA_CLASS(TComboBoxStrings, TWideStrings)
public:
    TComboBoxStrings();

    TCustomComboBox* ComboBox() const { return comboBox_; }
    void SetComboBox(TCustomComboBox* comboBox) { comboBox_ = comboBox; }

    int Add(const WideString& s) override;
    void Clear() override;
    void Delete(int index) override;
    int IndexOf(const WideString& s) const override;
    void Insert(int index, const WideString& s) override;

protected:
    WideString Get(int index) const override;
    int GetCount() const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void SetUpdateState(bool updating) override;

private:
    TStrings* Items() const;

    TCustomComboBox* comboBox_ = nullptr;
};
