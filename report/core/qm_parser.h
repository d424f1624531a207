// Qm_Parser: the named values of reports — the global variables, a
// report's and its dictionary's variables, the event bindings of every
// report object — in TQmVariables.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/metaclass.h"
#include "platform/rtl/variant.h"

// An ordered list of named Variant values. Names match without regard to
// letter case; the first match wins; entries keep the order in which their
// names were first stored.
class TQmVariables : public TObject {
    SERVIORA_CLASS(TQmVariables, TObject)
public:
    // Stores the value under the name; an absent name is appended.
    void SetVariable(const AnsiString& name, const Variant& value);
    // Null when the name is absent.
    Variant GetVariable(const AnsiString& name) const;
    // -1 when absent.
    int IndexOf(const AnsiString& name) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    // "" outside 0..Count()-1.
    AnsiString GetName(int index) const;
    // Integer 0 outside 0..Count()-1.
    Variant GetValue(int index) const;
    // Ignored outside 0..Count()-1.
    void SetValue(int index, const Variant& value);
    void Delete(int index);
    void Clear() { entries_.clear(); }
    // Clear, then every entry of the other list in its order.
    void Assign(const TQmVariables* other);

private:
    struct Entry {
        AnsiString name;
        Variant value;
    };
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    std::vector<Entry> entries_;
};
