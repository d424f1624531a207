// Enhanced metafiles: a DC that records what is drawn on it, the records
// read back in order (EnumEnhMetaFile), the bytes, and playing a metafile
// into another DC. The DC draws into a raster of the frame's size at 96
// pixels per inch, as a memory DC does, and records each line of text as
// an EMR_EXTTEXTOUTW record (UTF-16 text, its device bounds); closing it
// leaves the header, the raster as one EMR_STRETCHDIBITS record, the text
// records in the order they were drawn, and the end record.
#pragma once

#include <string>

#include "platform/gdi/wingdi.h"

using HENHMETAFILE = HANDLE;
using FLOAT = float;

struct RECTL {
    LONG left = 0, top = 0, right = 0, bottom = 0;
};
struct POINTL {
    LONG x = 0, y = 0;
};
struct SIZEL {
    LONG cx = 0, cy = 0;
};

constexpr DWORD EMR_HEADER = 1, EMR_EOF = 14, EMR_STRETCHDIBITS = 81, EMR_EXTTEXTOUTA = 83, EMR_EXTTEXTOUTW = 84;
constexpr DWORD ENHMETA_SIGNATURE = 0x464D4520;
constexpr DWORD GM_COMPATIBLE = 1;

struct EMR {
    DWORD iType = 0;
    DWORD nSize = 0;
};
// A record as handed out: its type, its size in bytes, then its own fields.
struct ENHMETARECORD {
    DWORD iType = 0;
    DWORD nSize = 0;
    DWORD dParm[1] = {};
};
struct ENHMETAHEADER {
    DWORD iType = EMR_HEADER;
    DWORD nSize = 88;
    RECTL rclBounds;  // device units, inclusive
    RECTL rclFrame;   // hundredths of a millimetre
    DWORD dSignature = ENHMETA_SIGNATURE;
    DWORD nVersion = 0x10000;
    DWORD nBytes = 0;
    DWORD nRecords = 0;
    WORD nHandles = 1;
    WORD sReserved = 0;
    DWORD nDescription = 0;  // UTF-16 units
    DWORD offDescription = 0;
    DWORD nPalEntries = 0;
    SIZEL szlDevice;
    SIZEL szlMillimeters;
};
struct EMRTEXT {
    POINTL ptlReference;
    DWORD nChars = 0;
    DWORD offString = 0;  // from the start of the record
    DWORD fOptions = 0;
    RECTL rcl;
    DWORD offDx = 0;
};
struct EMREXTTEXTOUTW {
    EMR emr;
    RECTL rclBounds;  // device units, inclusive
    DWORD iGraphicsMode = GM_COMPATIBLE;
    FLOAT exScale = 0;
    FLOAT eyScale = 0;
    EMRTEXT emrtext;
};
using EMREXTTEXTOUTA = EMREXTTEXTOUTW;
struct EMRSTRETCHDIBITS {
    EMR emr;
    RECTL rclBounds;
    LONG xDest = 0, yDest = 0, xSrc = 0, ySrc = 0, cxSrc = 0, cySrc = 0;
    DWORD offBmiSrc = 0, cbBmiSrc = 0, offBitsSrc = 0, cbBitsSrc = 0;
    DWORD iUsageSrc = 0, dwRop = 0;
    LONG cxDest = 0, cyDest = 0;
};

// The objects a record refers to while it is played (none are kept here).
struct HANDLETABLE {
    HGDIOBJ objectHandle[1] = {};
};
// The last argument is the caller's data (an LPARAM).
using ENHMFENUMPROC = int (*)(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int objects,
                              std::intptr_t data);

// `frame` in hundredths of a millimetre (nullptr: the reference device's
// size); `description` is "creator\0title\0\0" (may be nullptr). The file
// name must be nullptr: metafiles are kept in memory.
HDC CreateEnhMetaFile(HDC reference, const char* fileName, const RECT* frame, const char* description);
HENHMETAFILE CloseEnhMetaFile(HDC dc);
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
// Hands each record to `proc` in order until it answers 0; answers whether
// every record was handed out.
BOOL EnumEnhMetaFile(HDC dc, HENHMETAFILE metafile, ENHMFENUMPROC proc, void* data, const RECT* rect);
// The metafile's bytes: copies up to `size` into `buffer`, or answers the
// size without one.
UINT GetEnhMetaFileBits(HENHMETAFILE metafile, UINT size, BYTE* buffer);
HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data);
UINT GetEnhMetaFileHeader(HENHMETAFILE metafile, UINT size, ENHMETAHEADER* header);
// Draws the metafile's raster into `rect` (its text is part of the raster).
BOOL PlayEnhMetaFile(HDC dc, HENHMETAFILE metafile, const RECT* rect);
