// The class library's message loop for tests (testseams.h).
#include "platform/ui/testseams.h"

#include "platform/ui/controls.h"

int ProcessMessages() {
    return DispatchQueuedMessages([](MSG& msg) {
        if (!KeyMessageUsedUp(msg)) TranslateAndDispatch(msg);
    });
}
