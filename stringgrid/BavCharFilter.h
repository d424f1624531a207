// The typing rules of the number editor types, shared by the in-place editor
// and the button edit: which characters an integer, a positive integer or a
// number may take at the caret.
#pragma once

#include "platform/rtl/types.h"

enum class TNumberChars { Integer, PositiveInteger, Float };

// Whether `ch` may be typed into `text` with the caret at `selStart` and
// `selected` selected. Refusals of a digit rule beep; a second decimal or a
// thousand separator is dropped silently; with Ctrl held a float editor
// lets other characters through (the edit shortcuts).
bool AcceptNumberChar(TNumberChars kind, char ch, const AnsiString& text, int selStart, const AnsiString& selected,
                      bool ctrlHeld);
