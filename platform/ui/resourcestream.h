// A read-only stream over one of the program's embedded resources, as the
// class library offers it for RCDATA and other raw resources.
#pragma once

#include "platform/rtl/formresources.h"
#include "platform/rtl/streams.h"
#include "platform/gdi/windef.h"

inline const char* const RT_RCDATA = "RCDATA";

class TResourceStream : public TCustomMemoryStream {
    SERVIORA_CLASS(TResourceStream, TCustomMemoryStream)
public:
    // Raises EResNotFound "Resource <name> not found" when the module has no
    // resource of that type and name.
    TResourceStream(HINSTANCE instance, const AnsiString& name, const char* type);

    // The resource is the program's own: writing raises EStreamError.
    Integer Write(const void* buffer, Integer count) override;
};
