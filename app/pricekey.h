// The price rules of the reception and back-from-factory windows: the key
// filter of the price edits and the check that a price is a number before
// it is written unquoted into a statement.
#pragma once

#include "platform/rtl/types.h"

// The KeyPress filter: control codes, digits, ".", "-" and the byte 255
// pass; any other byte becomes 0 (discarded). A discarded lead byte takes
// the rest of its character's WM_CHAR messages out of the queue with it,
// so the ASCII digits inside a four-byte character never arrive on their
// own. Answers whether the key passed.
bool FilterPriceKey(char& key);

// Whether `text` is a price the database can take as a number: an optional
// "-", digits and at most one ".", with at least one digit. The empty text
// is not (the caller takes it as "0" before asking).
bool IsValidPrice(const AnsiString& text);
