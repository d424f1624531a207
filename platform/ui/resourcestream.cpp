// The resource stream points at the embedded bytes themselves: they live as
// long as the program, so nothing is copied.
#include "platform/ui/resourcestream.h"

#include "platform/win/resources.h"

TResourceStream::TResourceStream(HINSTANCE, const AnsiString& name, const char* type) {
    const EmbeddedResource* resource = FindEmbeddedResource(type, name.c_str());
    if (!resource) throw EResNotFound("Resource " + name + " not found");
    SetPointer(const_cast<unsigned char*>(resource->data), Int64(resource->size));
}

Integer TResourceStream::Write(const void*, Integer) {
    throw EStreamError("Can't write to a read-only resource stream");
}
