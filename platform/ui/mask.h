// The platform's edit masks and the masked edit over them.
//
// An edit mask has up to three fields separated by ';': the mask itself,
// whether Text keeps the literals ('0' drops them, anything else keeps
// them) and the character shown in unfilled positions (default '_'). Mask
// characters: L/l letter, A/a letter or digit, C/c any character, 0/9 digit,
// # digit or sign (upper case required, lower case optional); > upper-cases
// and < lower-cases what follows (<> ends either); \ takes the next
// character as a literal; : and / stand for the time and date separators;
// _ stands for a space; ! fills optional positions from the right; any other
// character is a literal. Text is ANSI and a position holds one whole
// character: a Chinese character fits C/c/A/a positions and nothing else.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "platform/ui/stdctrls_edit.h"

SERVIORA_EXCEPTION(EDBEditError, Exception);

// A parsed edit mask: one entry per position of the edited text.
class EditMaskLayout {
public:
    explicit EditMaskLayout(const AnsiString& editMask = AnsiString());

    bool Empty() const { return positions_.empty(); }
    std::size_t Size() const { return positions_.size(); }
    bool SavesLiterals() const { return saveLiterals_; }
    char Blank() const { return blank_; }
    bool IsLiteral(std::size_t i) const { return positions_[i].kind == 0; }
    const AnsiString& Literal(std::size_t i) const { return positions_[i].literal; }
    // Whether position i must be filled for the text to be valid.
    bool Required(std::size_t i) const;
    // The character `ch` (one ANSI character) as position i holds it, case
    // applied; empty when the position refuses it or is a literal.
    AnsiString Fit(std::size_t i, const AnsiString& ch) const;

    // The edited text (literals in place, unfilled positions as `blank`) for
    // `value`, which holds the literals in their places when `withLiterals`.
    // Spaces and `blank` in the value leave a position unfilled; characters a
    // position refuses leave it unfilled too.
    AnsiString Format(const AnsiString& value, bool withLiterals, char blank) const;
    // Text for an edited text: literals kept when SavesLiterals, unfilled positions as spaces.
    AnsiString TextOf(const AnsiString& editText) const;
    // The edited text split into one character per position (unfilled ones
    // given as Blank() where the text is short).
    std::vector<AnsiString> Cells(const AnsiString& editText) const;

private:
    struct Position {
        char kind = 0;  // the mask character; 0 for a literal
        AnsiString literal;
        int charCase = 0;  // -1 lower, 0 as typed, 1 upper
    };
    std::vector<Position> positions_;
    bool saveLiterals_ = true;
    bool rightAligned_ = false;
    char blank_ = '_';
};

// `value` formatted by `editMask` (unchanged for an empty mask), unfilled
// positions as spaces; `value` holds the literals when the mask saves them.
AnsiString FormatMaskText(const AnsiString& editMask, const AnsiString& value);

// An edit whose text follows an edit mask: keys that do not fit the
// position at the caret are refused, the caret steps over literals and
// ValidateEdit checks that every required position is filled. Pasted text
// goes in as if typed (characters the mask refuses are skipped); cutting
// blanks the positions it takes. EditText is
// the text as shown (with literals and blanks); Text drops the literals when
// the mask says so. Without a mask it is a plain edit.
class TCustomMaskEdit : public TCustomEdit {
    SERVIORA_CLASS(TCustomMaskEdit, TCustomEdit)
    SERVIORA_PUBLISHED
public:
    explicit TCustomMaskEdit(TComponent* owner);

    const AnsiString& EditMask() const { return editMask_; }
    // Takes a new mask and formats the current text by it.
    void SetEditMask(const AnsiString& v);
    bool IsMasked() const { return !layout_.Empty(); }
    AnsiString EditText() const;
    // Sets the shown text; `v` holds the literals in their places.
    void SetEditText(const AnsiString& v);
    // Raises EDBEditError, with the caret on the first unfilled required
    // position, when the mask is not satisfied.
    virtual void ValidateEdit();

protected:
    const AnsiString& GetText() const override;
    void TextChanged(const AnsiString& text) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    // Leaving an edit changed by the user validates it; on failure the focus
    // stays and the error goes on.
    void CMExit(TMessage& Message);
    void WMPaste(TMessage& Message);
    void WMCut(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(CM_EXIT, CMExit)
        SERVIORA_MESSAGE(WM_PASTE, WMPaste)
        SERVIORA_MESSAGE(WM_CUT, WMCut)
    SERVIORA_MESSAGES_END(TCustomEdit)

private:
    // The positions [first, second) the selection covers.
    std::pair<std::size_t, std::size_t> SelectedPositions(const std::vector<AnsiString>& cells);
    std::size_t NextEditable(std::size_t i) const;
    void EnterCharacters(const std::vector<AnsiString>& chars);
    void ClearPositions(std::vector<AnsiString>& cells, std::size_t from, std::size_t to) const;
    // Shows `cells` with the caret before position `caret`.
    void Apply(const std::vector<AnsiString>& cells, std::size_t caret);
    void SetCaretPosition(const std::vector<AnsiString>& cells, std::size_t caret);

    AnsiString editMask_;
    EditMaskLayout layout_;
    AnsiString pending_;  // the first bytes of a multi-byte character being typed
    mutable AnsiString maskedText_;
};

class TMaskEdit : public TCustomMaskEdit {
    SERVIORA_CLASS(TMaskEdit, TCustomMaskEdit)
public:
    using TCustomMaskEdit::TCustomMaskEdit;
};
