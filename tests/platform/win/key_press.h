// Keyboard input for the standard-control tests: a key pressed and released through
// the input seam, and the messages it caused handled.
#pragma once

#include "platform/win/testseams.h"

// A key pressed and released (with the text it types), and handled.
inline void Key(int vk, const AnsiString& text = AnsiString()) {
    SimulateKey(vk, true, text);
    SimulateKey(vk, false);
    DispatchQueuedMessages();
}
