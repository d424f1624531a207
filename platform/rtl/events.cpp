// Out-of-line part of the event types.
#include "platform/rtl/events.h"

#include "platform/rtl/exceptions.h"

void RaiseEventSignatureMismatch(const AnsiString& handlerName) {
    throw EConvertError("Handler \"" + handlerName + "\" does not fit the event's signature");
}
