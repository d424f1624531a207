// Global memory blocks: the platform's movable memory behind clipboard
// data, as handles of their own kind.
#pragma once

#include <cstddef>

#include "platform/gdi/windef.h"

using HGLOBAL = HANDLE;
constexpr UINT GMEM_FIXED = 0, GMEM_MOVEABLE = 2, GMEM_ZEROINIT = 0x40, GMEM_DDESHARE = 0x2000,
               GHND = GMEM_MOVEABLE | GMEM_ZEROINIT, GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// Blocks are always zero-filled. 0 when the size is impossible.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, UINT flags);
// The block's bytes until GlobalUnlock (nullptr for an invalid handle).
void* GlobalLock(HGLOBAL block);
BOOL GlobalUnlock(HGLOBAL block);
std::size_t GlobalSize(HGLOBAL block);
// Answers 0 on success, the handle when it was invalid.
HGLOBAL GlobalFree(HGLOBAL block);
