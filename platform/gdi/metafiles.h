// Metafile handles: the bytes of a Windows metafile (without the placeable
// header) or of an enhanced metafile, kept in handle tables so that they can
// travel as clipboard data. The records are never played back here.
#pragma once

#include "platform/gdi/windef.h"

using HMETAFILE = HANDLE;
using HENHMETAFILE = HANDLE;

// The CF_METAFILEPICT block: the mapping mode, the picture's extent (in
// hundredths of a millimetre for MM_ANISOTROPIC) and the metafile.
struct METAFILEPICT {
    LONG mm = 0;
    LONG xExt = 0;
    LONG yExt = 0;
    HMETAFILE hMF = 0;
};

// A handle holding a copy of the bytes; 0 for no bytes.
HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data);
// With data null, the size; otherwise copies up to `size` bytes and answers
// how many. 0 for an unknown handle.
UINT GetEnhMetaFileBits(HENHMETAFILE metafile, UINT size, BYTE* data);
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
HMETAFILE SetMetaFileBitsEx(UINT size, const BYTE* data);
UINT GetMetaFileBitsEx(HMETAFILE metafile, UINT size, void* data);
BOOL DeleteMetaFile(HMETAFILE metafile);
