// The typing rules of the number editor types.
#include "stringgrid/BavCharFilter.h"

#include <algorithm>

#include "platform/rtl/formatsettings.h"
#include "platform/win/winuser.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Backspace, Tab, Enter and Esc pass every number filter.
bool IsEditKey(char ch) { return ch == '\b' || ch == '\t' || ch == '\r' || ch == 27; }

bool Refuse() {
    MessageBeep(0);
    return false;
}

}  // namespace

bool AcceptNumberChar(TNumberChars kind, char ch, const AnsiString& text, int selStart, const AnsiString& selected,
                      bool ctrlHeld) {
    if (IsEditKey(ch) || IsDigit(ch)) return true;
    switch (kind) {
    case TNumberChars::PositiveInteger: return Refuse();
    case TNumberChars::Integer:
        return ch == '-' && text.find('-') == AnsiString::npos && selStart == 0 ? true : Refuse();
    case TNumberChars::Float: break;
    }
    if (ch != ',' && ch != '-' && ch != '.') return ctrlHeld;
    auto outsideSelection = [&](char c) {
        return std::count(text.begin(), text.end(), c) > std::count(selected.begin(), selected.end(), c);
    };
    if (ch == DecimalSeparator && outsideSelection(DecimalSeparator)) return false;
    if (ch == ThousandSeparator) return false;
    if (ch == '-' && (selStart != 0 || text.find('-') != AnsiString::npos) && selected.find('-') == AnsiString::npos)
        return Refuse();
    return true;
}
