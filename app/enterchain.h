// The Enter chain of the entry windows: Enter in one field moves the focus
// to the next one of a fixed list, and from the last one to the window's
// main button (focus only, or a click where the window says so).
#pragma once

#include <initializer_list>

#include "platform/ui/controls.h"

// When `key` is Enter and `sender` is one of `chain` but the last, focuses
// the control after it and uses the key up (no character follows); answers
// whether it did. The last control of the chain is the target only.
bool MoveOnEnter(TObject* sender, Word& key, std::initializer_list<TWinControl*> chain);
