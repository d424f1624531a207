// The OLE library's start and end for the calling program: counted, as the
// platform counts them, so every start is paired with an end.
#pragma once

#include <cstdint>

using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFF);

// S_OK for the first start, S_FALSE for each further one.
HRESULT OleInitialize(void* reserved);
// Ends one start; the library stops with the last.
void OleUninitialize();
// Whether a start is in force.
bool OleInitialized();
