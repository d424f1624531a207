// Edit masks: their parsing and formatting, and TCustomMaskEdit.
#include "platform/ui/mask.h"

#include <algorithm>
#include <cctype>

#include "platform/rtl/codepage.h"
#include "platform/rtl/formatsettings.h"
#include "platform/ui/clipbrd.h"

namespace {

// The mask's fields split at ';' outside escapes.
std::vector<AnsiString> SplitFields(const AnsiString& editMask) {
    std::vector<AnsiString> fields(1);
    for (std::size_t i = 0; i < editMask.size();) {
        const std::size_t size = AnsiCharSize(editMask, i);
        if (editMask[i] == ';') {
            fields.emplace_back();
        } else {
            fields.back() += editMask.substr(i, size);
            if (editMask[i] == '\\' && i + 1 < editMask.size()) {
                const std::size_t next = AnsiCharSize(editMask, i + 1);
                fields.back() += editMask.substr(i + 1, next);
                i += next;
            }
        }
        i += size;
    }
    return fields;
}

std::vector<AnsiString> SplitCharacters(const AnsiString& s) {
    std::vector<AnsiString> chars;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t size = AnsiCharSize(s, i);
        chars.push_back(s.substr(i, size));
        i += size;
    }
    return chars;
}

bool IsAsciiLetter(const AnsiString& ch) { return ch.size() == 1 && std::isalpha(static_cast<unsigned char>(ch[0])); }
bool IsAsciiDigit(const AnsiString& ch) { return ch.size() == 1 && std::isdigit(static_cast<unsigned char>(ch[0])); }

AnsiString Joined(const std::vector<AnsiString>& cells) {
    AnsiString text;
    for (const AnsiString& cell : cells) text += cell;
    return text;
}

// The position whose character starts at byte `offset` of the text.
std::size_t PositionAt(const std::vector<AnsiString>& cells, Integer offset) {
    std::size_t i = 0;
    for (Integer at = 0; i < cells.size() && at + Integer(cells[i].size()) <= offset; ++i) at += Integer(cells[i].size());
    return i;
}

const char* const kInvalidInput = "Invalid input value. Use escape key to abandon changes";

}  // namespace

EditMaskLayout::EditMaskLayout(const AnsiString& editMask) {
    const std::vector<AnsiString> fields = SplitFields(editMask);
    if (fields.size() > 1) saveLiterals_ = fields[1] != "0";
    if (fields.size() > 2 && !fields[2].empty()) blank_ = fields[2][0];
    const AnsiString& mask = fields[0];
    int charCase = 0;
    for (std::size_t i = 0; i < mask.size();) {
        const std::size_t size = AnsiCharSize(mask, i);
        const char c = mask[i];
        Position position;
        position.charCase = charCase;
        if (size > 1) {
            position.literal = mask.substr(i, size);
        } else if (c == '!') {
            rightAligned_ = true;
            position.literal.clear();
        } else if (c == '<' && i + 1 < mask.size() && mask[i + 1] == '>') {
            charCase = 0;
            i += 2;
            continue;
        } else if (c == '>' || c == '<') {
            charCase = c == '>' ? 1 : -1;
            i += 1;
            continue;
        } else if (c == '\\' && i + 1 < mask.size()) {
            const std::size_t next = AnsiCharSize(mask, i + 1);
            position.literal = mask.substr(i + 1, next);
            i += next;
        } else if (AnsiString("LlAaCc09#").find(c) != AnsiString::npos) {
            position.kind = c;
        } else if (c == ':') {
            position.literal = AnsiString(1, TimeSeparator);
        } else if (c == '/') {
            position.literal = AnsiString(1, DateSeparator);
        } else if (c == '_') {
            position.literal = " ";
        } else {
            position.literal = AnsiString(1, c);
        }
        i += size;
        if (position.kind || !position.literal.empty()) positions_.push_back(position);
    }
}

bool EditMaskLayout::Required(std::size_t i) const {
    const char kind = positions_[i].kind;
    return kind == 'L' || kind == 'A' || kind == 'C' || kind == '0';
}

AnsiString EditMaskLayout::Fit(std::size_t i, const AnsiString& ch) const {
    const Position& position = positions_[i];
    bool fits = false;
    switch (position.kind) {
    case 'L':
    case 'l': fits = IsAsciiLetter(ch); break;
    case 'A':
    case 'a': fits = IsAsciiLetter(ch) || IsAsciiDigit(ch) || ch.size() > 1; break;
    case 'C':
    case 'c': fits = !ch.empty(); break;
    case '0':
    case '9': fits = IsAsciiDigit(ch); break;
    case '#': fits = IsAsciiDigit(ch) || ch == "+" || ch == "-"; break;
    default: break;
    }
    if (!fits) return AnsiString();
    if (ch.size() == 1 && position.charCase != 0) {
        const auto byte = static_cast<unsigned char>(ch[0]);
        return AnsiString(1, char(position.charCase > 0 ? std::toupper(byte) : std::tolower(byte)));
    }
    return ch;
}

AnsiString EditMaskLayout::Format(const AnsiString& value, bool withLiterals, char blank) const {
    std::vector<AnsiString> chars = SplitCharacters(value);
    std::vector<std::size_t> order(positions_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    if (rightAligned_) {
        std::reverse(order.begin(), order.end());
        std::reverse(chars.begin(), chars.end());
    }
    std::vector<AnsiString> cells(positions_.size());
    std::size_t next = 0;
    for (std::size_t i : order) {
        if (IsLiteral(i)) {
            cells[i] = Literal(i);
            if (withLiterals && next < chars.size()) ++next;
            continue;
        }
        AnsiString fit;
        if (next < chars.size()) {
            const AnsiString& ch = chars[next++];
            if (ch != " " && ch != AnsiString(1, blank)) fit = Fit(i, ch);
        }
        cells[i] = fit.empty() ? AnsiString(1, blank) : fit;
    }
    return Joined(cells);
}

std::vector<AnsiString> EditMaskLayout::Cells(const AnsiString& editText) const {
    std::vector<AnsiString> cells = SplitCharacters(editText);
    cells.resize(positions_.size(), AnsiString(1, blank_));
    return cells;
}

AnsiString EditMaskLayout::TextOf(const AnsiString& editText) const {
    const std::vector<AnsiString> cells = Cells(editText);
    AnsiString text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (IsLiteral(i)) {
            if (saveLiterals_) text += cells[i];
        } else {
            text += cells[i] == AnsiString(1, blank_) ? AnsiString(" ") : cells[i];
        }
    }
    return text;
}

AnsiString FormatMaskText(const AnsiString& editMask, const AnsiString& value) {
    const EditMaskLayout layout(editMask);
    if (layout.Empty()) return value;
    return layout.Format(value, layout.SavesLiterals(), ' ');
}

// ---- TCustomMaskEdit --------------------------------------------------------------

void TCustomMaskEdit::Published(TPublished<TCustomMaskEdit>& p) {
    p.Property("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

void TCustomMaskEdit::SetEditMask(const AnsiString& v) {
    if (v == editMask_) return;
    const AnsiString value = TCustomEdit::GetText();
    editMask_ = v;
    layout_ = EditMaskLayout(v);
    pending_.clear();
    TCustomEdit::TextChanged(IsMasked() ? layout_.Format(value, layout_.SavesLiterals(), layout_.Blank()) : value);
}

AnsiString TCustomMaskEdit::EditText() const { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const AnsiString& v) {
    const AnsiString shown = IsMasked() ? layout_.Format(v, true, layout_.Blank()) : v;
    if (shown == EditText()) return;
    TCustomEdit::TextChanged(shown);
    Perform(CM_TEXTCHANGED, 0, 0);
}

const AnsiString& TCustomMaskEdit::GetText() const {
    if (!IsMasked()) return TCustomEdit::GetText();
    maskedText_ = layout_.TextOf(EditText());
    return maskedText_;
}

void TCustomMaskEdit::TextChanged(const AnsiString& text) {
    TCustomEdit::TextChanged(IsMasked() ? layout_.Format(text, layout_.SavesLiterals(), layout_.Blank()) : text);
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked()) return;
    const std::vector<AnsiString> cells = layout_.Cells(EditText());
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (layout_.Required(i) && cells[i] == AnsiString(1, layout_.Blank())) {
            if (HandleAllocated()) SetCaretPosition(cells, i);
            throw EDBEditError(kInvalidInput);
        }
}

void TCustomMaskEdit::CMExit(TMessage& Message) {
    if (IsMasked() && Modified()) {
        try {
            ValidateEdit();
        } catch (const EDBEditError&) {
            SetFocus();
            throw;
        }
    }
    Inherited::Dispatch(Message);
}

std::pair<std::size_t, std::size_t> TCustomMaskEdit::SelectedPositions(const std::vector<AnsiString>& cells) {
    const Integer start = SelStart();
    return {PositionAt(cells, start), PositionAt(cells, start + SelLength())};
}

std::size_t TCustomMaskEdit::NextEditable(std::size_t i) const {
    while (i < layout_.Size() && layout_.IsLiteral(i)) ++i;
    return i;
}

void TCustomMaskEdit::ClearPositions(std::vector<AnsiString>& cells, std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to; ++i)
        if (!layout_.IsLiteral(i)) cells[i] = AnsiString(1, layout_.Blank());
}

void TCustomMaskEdit::SetCaretPosition(const std::vector<AnsiString>& cells, std::size_t caret) {
    Integer offset = 0;
    for (std::size_t i = 0; i < caret && i < cells.size(); ++i) offset += Integer(cells[i].size());
    SetSelStart(offset);
}

void TCustomMaskEdit::Apply(const std::vector<AnsiString>& cells, std::size_t caret) {
    TCustomEdit::TextChanged(Joined(cells));
    Perform(CM_TEXTCHANGED, 0, 0);
    SetModified(true);
    SetCaretPosition(cells, caret);
}

// Enters characters at the caret as typed: a character equal to a literal
// at the caret steps over it; any other fills the next editable position
// when that position takes it and is refused (skipped, with a beep) when it
// does not. The selection is blanked once something is filled.
void TCustomMaskEdit::EnterCharacters(const std::vector<AnsiString>& chars) {
    std::vector<AnsiString> cells = layout_.Cells(EditText());
    const auto [from, to] = SelectedPositions(cells);
    std::size_t caret = from;
    bool filled = false, refused = false;
    for (const AnsiString& ch : chars) {
        std::size_t i = caret;
        while (i < cells.size() && layout_.IsLiteral(i) && layout_.Literal(i) != ch) ++i;
        if (i < cells.size() && layout_.IsLiteral(i)) {
            caret = i + 1;
            continue;
        }
        const AnsiString fit = i < cells.size() ? layout_.Fit(i, ch) : AnsiString();
        if (fit.empty()) {
            refused = true;
            continue;
        }
        if (!filled) ClearPositions(cells, from, to);
        filled = true;
        cells[i] = fit;
        caret = i + 1;
    }
    if (filled)
        Apply(cells, NextEditable(caret));
    else
        SetCaretPosition(cells, NextEditable(caret));
    if (refused) MessageBeep(0);
}

void TCustomMaskEdit::WMPaste(TMessage& Message) {
    if (!IsMasked() || ReadOnly()) return Inherited::Dispatch(Message);
    AnsiString text = Clipboard()->AsText();
    text = text.substr(0, std::min(text.find('\r'), text.find('\n')));
    if (!text.empty()) EnterCharacters(SplitCharacters(text));
}

void TCustomMaskEdit::WMCut(TMessage& Message) {
    if (!IsMasked() || ReadOnly()) return Inherited::Dispatch(Message);
    if (SelLength() == 0) return;
    CopyToClipboard();
    std::vector<AnsiString> cells = layout_.Cells(EditText());
    const auto [from, to] = SelectedPositions(cells);
    ClearPositions(cells, from, to);
    Apply(cells, from);
}

void TCustomMaskEdit::KeyDown(Word& key, TShiftState shift) {
    TCustomEdit::KeyDown(key, shift);
    if (!IsMasked() || key == 0 || !HandleAllocated()) return;
    // Shift+Insert and Shift+Delete paste and cut through the mask.
    if (shift == TShiftState{ssShift} && (key == VK_INSERT || key == VK_DELETE)) {
        Perform(key == VK_INSERT ? WM_PASTE : WM_CUT, 0, 0);
        key = 0;
        return;
    }
    if (shift.Contains(ssShift)) return;
    std::vector<AnsiString> cells = layout_.Cells(EditText());
    const auto [from, to] = SelectedPositions(cells);
    if (key == VK_DELETE && !ReadOnly()) {
        ClearPositions(cells, from, std::max(to, std::min(NextEditable(from) + 1, cells.size())));
        Apply(cells, from);
        key = 0;
    } else if (key == VK_RIGHT && from < cells.size()) {
        SetCaretPosition(cells, NextEditable(from + 1));
        key = 0;
    } else if (key == VK_LEFT && from > 0) {
        std::size_t i = from - 1;
        while (i > 0 && layout_.IsLiteral(i)) --i;
        if (layout_.IsLiteral(i)) return;
        SetCaretPosition(cells, i);
        key = 0;
    }
}

void TCustomMaskEdit::KeyPress(char& key) {
    TCustomEdit::KeyPress(key);
    if (!IsMasked() || key == 0) return;
    const auto byte = static_cast<unsigned char>(key);
    // Ctrl+V and Ctrl+X go through the mask; undoing would bypass it.
    if (byte == 22 || byte == 24) Perform(byte == 22 ? WM_PASTE : WM_CUT, 0, 0);
    if (byte == 22 || byte == 24 || byte == 26) key = 0;
    if (byte < ' ' && byte != VK_BACK) return;
    key = 0;
    if (ReadOnly()) return;
    if (byte == VK_BACK) {
        std::vector<AnsiString> cells = layout_.Cells(EditText());
        const auto [from, to] = SelectedPositions(cells);
        if (from < to) {
            ClearPositions(cells, from, to);
            Apply(cells, from);
            return;
        }
        std::size_t i = from;
        while (i > 0 && layout_.IsLiteral(i - 1)) --i;
        if (i == 0) return;
        ClearPositions(cells, i - 1, i);
        Apply(cells, i - 1);
        return;
    }
    // A multi-byte character arrives a byte at a time: two bytes, or four
    // when the second is a digit.
    pending_ += char(byte);
    if (IsDBCSLeadByte(Byte(pending_[0]))) {
        if (pending_.size() < 2) return;
        const bool fourBytes = std::isdigit(static_cast<unsigned char>(pending_[1]));
        if (pending_.size() < (fourBytes ? 4u : 2u)) return;
    }
    const AnsiString ch = pending_;
    pending_.clear();
    EnterCharacters({ch});
}
