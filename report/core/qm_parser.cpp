// The named values of reports, and the search for function calls in
// expressions.
#include "report/core/qm_parser.h"

#include <string_view>

#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_utils.h"

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

void TQmFunctionSplitter::Split(const AnsiString& expression) {
    const AnsiString text = Trim(expression);
    if (text.empty() || text.front() == '\'') return;
    const int length = static_cast<int>(text.size());
    for (int position = 1; position <= length;) {
        if (text[static_cast<std::size_t>(position - 1)] == '[') {
            int start = position, end = position;
            AnsiString content = ExtractBracketedText(text, start, end);
            if (const int index = variables_->IndexOf(content); index >= 0) content = VarToStr(variables_->GetValue(index));
            Split(content);
            position = end + 1;
            continue;
        }
        const int start = position;
        const AnsiString name = TQmParser::ReadName(text, position);
        const char next = position <= length ? text[static_cast<std::size_t>(position - 1)] : '\0';
        if (next == '(') {
            const std::vector<AnsiString> arguments = TQmParser::ReadArguments(text, position, QmMaxArguments - 1);
            for (std::size_t i = 0; i < 3; ++i) Split(arguments[i]);
            if (matchNames_->IndexOf(name) >= 0)  // letter case ignored
                found_->Add(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(position - start)));
            continue;
        }
        if (const int index = variables_->IndexOf(name); index >= 0) Split(VarToStr(variables_->GetValue(index)));
        if (next != '\0' && std::string_view("\r *+-/<=>").find(next) != std::string_view::npos)
            ++position;
        else if (name.empty())
            break;
    }
}
