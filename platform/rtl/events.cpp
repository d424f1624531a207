// Out-of-line part of the event types.
#include "platform/rtl/events.h"

#include "platform/rtl/exceptions.h"

void RaiseEventSignatureMismatch(const AnsiString& handlerName) {
    throw EConvertError("Handler \"" + handlerName + "\" does not fit the event's signature");
}

namespace {
struct NameMarkerTag {};
}  // namespace

TMethod MakeNameMarker(const void* marker, const void* data, AnsiString name) {
    TMethod method;
    method.Code.type = &typeid(NameMarkerTag);
    std::memcpy(method.Code.bytes.data(), &marker, sizeof(marker));
    method.Data = data;
    method.Name = std::move(name);
    return method;
}

bool IsNameMarker(const TMethod& method) {
    return method.Code.type && *method.Code.type == typeid(NameMarkerTag);
}

const void* NameMarkerOf(const TMethod& method) {
    const void* marker = nullptr;
    if (IsNameMarker(method)) std::memcpy(&marker, method.Code.bytes.data(), sizeof(marker));
    return marker;
}
