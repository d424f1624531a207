// The class library's test seams: the window system's synthetic input and
// screenshots, and a message loop that runs the queue dry as the
// application's loop does.
#pragma once

#include "platform/win/testseams.h"

// Runs the waiting messages as the application's loop does (key messages to
// their control first, then TranslateMessage and DispatchMessage) until
// nothing waits; paints and due timers included. Answers the number of
// messages handled.
int ProcessMessages();
