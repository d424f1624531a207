// The program's own resources (bitmaps, cursors, icons, raw data), embedded
// into the binary at build time by serviora_embed_resources() (see
// cmake/ServioraTargets.cmake) and looked up by type and name.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "platform/gdi/windef.h"

// The module handle of the program, for LoadBitmap and friends.
inline constexpr HINSTANCE HInstance = 0x00400000;

struct EmbeddedResource {
    const char* type;  // "BITMAP", "ICON", "CURSOR", "RCDATA", ...
    const char* name;  // upper case
    const unsigned char* data;
    std::size_t size;
};

// Called by the generated sources at start-up.
void RegisterEmbeddedResources(std::initializer_list<EmbeddedResource> resources);
// Looks a resource up by type and name, ignoring case; an integer id (a
// value up to 0xFFFF passed as the name) is looked up as "#id". Null when
// there is none.
const EmbeddedResource* FindEmbeddedResource(const char* type, const char* name);
