// The named values of reports.
#include "report/core/qm_parser.h"

#include "platform/rtl/sysutils.h"

void TQmVariables::SetVariable(const AnsiString& name, const Variant& value) {
    const int index = IndexOf(name);
    if (index >= 0)
        entries_[static_cast<std::size_t>(index)].value = value;
    else
        entries_.push_back({name, value});
}

Variant TQmVariables::GetVariable(const AnsiString& name) const {
    const int index = IndexOf(name);
    return index >= 0 ? entries_[static_cast<std::size_t>(index)].value : Null();
}

int TQmVariables::IndexOf(const AnsiString& name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (AnsiSameText(entries_[i].name, name)) return static_cast<int>(i);
    return -1;
}

AnsiString TQmVariables::GetName(int index) const {
    return InRange(index) ? entries_[static_cast<std::size_t>(index)].name : AnsiString();
}

Variant TQmVariables::GetValue(int index) const {
    return InRange(index) ? entries_[static_cast<std::size_t>(index)].value : Variant(0);
}

void TQmVariables::SetValue(int index, const Variant& value) {
    if (InRange(index)) entries_[static_cast<std::size_t>(index)].value = value;
}

void TQmVariables::Delete(int index) {
    if (InRange(index)) entries_.erase(entries_.begin() + index);
}

void TQmVariables::Assign(const TQmVariables* other) {
    if (other == this) return;
    Clear();
    for (const Entry& entry : other->entries_) SetVariable(entry.name, entry.value);
}
