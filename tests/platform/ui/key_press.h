// Keyboard input for the control tests: a key pressed and released through
// the input seam, and the messages it caused handled.
#pragma once

#include "platform/ui/testseams.h"

// A key pressed and released (with the text it types), and handled.
inline void Key(int vk, const AnsiString& text = AnsiString()) {
    SimulateKey(vk, true, text);
    SimulateKey(vk, false);
    ProcessMessages();
}
