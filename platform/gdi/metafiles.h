// Windows-metafile handles: the bytes of a metafile (without the placeable
// header) kept in a handle table so that they can travel as clipboard data
// (CF_METAFILEPICT). The records are never played back here. Enhanced
// metafiles have their own unit.
#pragma once

#include "platform/gdi/windef.h"
#include "platform/gdi/wingdi_emf.h"

using HMETAFILE = HANDLE;

// The CF_METAFILEPICT block: the mapping mode, the picture's extent (in
// hundredths of a millimetre for MM_ANISOTROPIC) and the metafile.
struct METAFILEPICT {
    LONG mm = 0;
    LONG xExt = 0;
    LONG yExt = 0;
    HMETAFILE hMF = 0;
};

// A handle holding a copy of the bytes; 0 for no bytes.
HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* data);
// With data null, the size; otherwise copies up to `size` bytes and answers
// how many. 0 for an unknown handle.
UINT GetMetaFileBitsEx(HMETAFILE metafile, UINT size, void* data);
BOOL DeleteMetaFile(HMETAFILE metafile);
