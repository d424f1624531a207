// The graphics device interface: device contexts, pens, brushes, fonts,
// bitmaps, regions, drawing, blits and text, with the platform's names,
// structures, constants and semantics. Text is ANSI (GB18030); the W forms
// take UTF-16. Everything is drawn at 96 pixels per inch.
#pragma once

#include <string>

#include "platform/gdi/windef.h"

// ---- Object kinds and stock objects --------------------------------------
constexpr DWORD OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_DC = 3, OBJ_PAL = 5, OBJ_FONT = 6, OBJ_BITMAP = 7,
                OBJ_REGION = 8, OBJ_MEMDC = 10, OBJ_EXTPEN = 11;

constexpr int WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
              NULL_BRUSH = 5, HOLLOW_BRUSH = NULL_BRUSH, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
              OEM_FIXED_FONT = 10, ANSI_FIXED_FONT = 11, ANSI_VAR_FONT = 12, SYSTEM_FONT = 13,
              DEVICE_DEFAULT_FONT = 14, DEFAULT_PALETTE = 15, SYSTEM_FIXED_FONT = 16, DEFAULT_GUI_FONT = 17,
              DC_BRUSH = 18, DC_PEN = 19;

// ---- Pens -----------------------------------------------------------------
constexpr int PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5,
              PS_INSIDEFRAME = 6, PS_USERSTYLE = 7, PS_ALTERNATE = 8, PS_STYLE_MASK = 0xF;
constexpr int PS_ENDCAP_ROUND = 0, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200, PS_ENDCAP_MASK = 0xF00;
constexpr int PS_JOIN_ROUND = 0, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000, PS_JOIN_MASK = 0xF000;
constexpr int PS_COSMETIC = 0, PS_GEOMETRIC = 0x10000, PS_TYPE_MASK = 0xF0000;

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    POINT lopnWidth;
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    UINT lbStyle = 0;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;
};

struct EXTLOGPEN {
    DWORD elpPenStyle = 0;
    DWORD elpWidth = 0;
    UINT elpBrushStyle = 0;
    COLORREF elpColor = 0;
    std::uintptr_t elpHatch = 0;
    DWORD elpNumEntries = 0;
};

// ---- Brushes --------------------------------------------------------------
constexpr UINT BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = BS_NULL, BS_HATCHED = 2, BS_PATTERN = 3, BS_DIBPATTERN = 5;
constexpr int HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4,
              HS_DIAGCROSS = 5;

// ---- Fonts ----------------------------------------------------------------
constexpr int LF_FACESIZE = 32;
struct LOGFONTA {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
using LOGFONT = LOGFONTA;
using TLogFont = LOGFONTA;

constexpr int FW_DONTCARE = 0, FW_THIN = 100, FW_LIGHT = 300, FW_NORMAL = 400, FW_MEDIUM = 500,
              FW_SEMIBOLD = 600, FW_BOLD = 700, FW_HEAVY = 900;
constexpr BYTE ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, GB2312_CHARSET = 134,
               CHINESEBIG5_CHARSET = 136, OEM_CHARSET = 255;
constexpr BYTE OUT_DEFAULT_PRECIS = 0, OUT_TT_PRECIS = 4, OUT_TT_ONLY_PRECIS = 7;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0, DEFAULT_QUALITY = 0, NONANTIALIASED_QUALITY = 3,
               ANTIALIASED_QUALITY = 4;
constexpr BYTE DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30;

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 96;
    LONG tmDigitizedAspectY = 96;
    BYTE tmFirstChar = 0x20;
    BYTE tmLastChar = 0xFF;
    BYTE tmDefaultChar = 0x1F;
    BYTE tmBreakChar = 0x20;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};
using TEXTMETRIC = TEXTMETRICA;
using TTextMetric = TEXTMETRICA;
constexpr BYTE TMPF_FIXED_PITCH = 1, TMPF_VECTOR = 2, TMPF_TRUETYPE = 4;

struct OUTLINETEXTMETRICA {
    UINT otmSize = sizeof(OUTLINETEXTMETRICA);
    TEXTMETRICA otmTextMetrics;
    UINT otmfsSelection = 0;
    UINT otmfsType = 0;
    int otmsCharSlopeRise = 1;
    int otmsCharSlopeRun = 0;
    int otmItalicAngle = 0;
    UINT otmEMSquare = 0;
    int otmAscent = 0;
    int otmDescent = 0;
    UINT otmLineGap = 0;
    UINT otmsCapEmHeight = 0;
    UINT otmsXHeight = 0;
    RECT otmrcFontBox;
    int otmMacAscent = 0;
    int otmMacDescent = 0;
    UINT otmMacLineGap = 0;
    UINT otmusMinimumPPEM = 0;
    int otmsUnderscoreSize = 0;
    int otmsUnderscorePosition = 0;
    int otmsStrikeoutSize = 0;
    int otmsStrikeoutPosition = 0;
};
using OUTLINETEXTMETRIC = OUTLINETEXTMETRICA;

// ---- Bitmaps --------------------------------------------------------------
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 0;
    void* bmBits = nullptr;
};

struct BITMAPINFOHEADER {
    DWORD biSize = 40;
    LONG biWidth = 0;
    LONG biHeight = 0;
    WORD biPlanes = 1;
    WORD biBitCount = 0;
    DWORD biCompression = 0;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0;
    LONG biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};

struct RGBQUAD {
    BYTE rgbBlue = 0;
    BYTE rgbGreen = 0;
    BYTE rgbRed = 0;
    BYTE rgbReserved = 0;
};

// A header followed by up to 256 colour-table entries (or three masks for
// BI_BITFIELDS), as callers build it in one block.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[256];
};

struct DIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3] = {};
    HANDLE dshSection = 0;
    DWORD dsOffset = 0;
};

constexpr DWORD BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3;
constexpr UINT DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1;

// Bytes of one row of a DIB of the given width and depth (rows are padded
// to 32 bits), in 64 bits so that no width a file claims can wrap it.
constexpr std::int64_t DibRowBytes(std::int64_t width, std::int64_t bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// The largest bitmap the GDI makes: no side longer than MaxBitmapSide and
// no more than MaxBitmapPixels pixels in all (256 MB at 32 bits a pixel).
// Bitmap creation fails beyond that with ERROR_NOT_ENOUGH_MEMORY, so a
// picture whose header claims an absurd size can neither wrap a size
// computation nor take the machine's memory.
constexpr std::int64_t MaxBitmapSide = 65535;
constexpr std::int64_t MaxBitmapPixels = std::int64_t(1) << 26;
constexpr bool BitmapSizeAllowed(std::int64_t width, std::int64_t height) {
    if (width < 0) width = -width;
    if (height < 0) height = -height;
    return width <= MaxBitmapSide && height <= MaxBitmapSide && width * height <= MaxBitmapPixels;
}

// ---- Regions --------------------------------------------------------------
constexpr int ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3, RGN_ERROR = ERROR;
constexpr int RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5;
constexpr int ALTERNATE = 1, WINDING = 2;
constexpr DWORD RDH_RECTANGLES = 1;

struct RGNDATAHEADER {
    DWORD dwSize = 32;
    DWORD iType = RDH_RECTANGLES;
    DWORD nCount = 0;
    DWORD nRgnSize = 0;
    RECT rcBound;
};
// The header followed by nCount RECTs in one block.
struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];
};

// ---- DC state -------------------------------------------------------------
constexpr int TRANSPARENT = 1, OPAQUE = 2;
constexpr int R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5,
              R2_NOT = 6, R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11,
              R2_MERGENOTPEN = 12, R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16;
constexpr UINT TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0,
               TA_BOTTOM = 8, TA_BASELINE = 24, TA_RTLREADING = 256;
constexpr int MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5,
              MM_TWIPS = 6, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8;
constexpr DWORD LAYOUT_RTL = 1, LAYOUT_BITMAPORIENTATIONPRESERVED = 8;
constexpr int BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4;
constexpr int AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2;
constexpr int FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1;

// ---- Raster operations ----------------------------------------------------
constexpr DWORD SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
                MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021,
                PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049, DSTINVERT = 0x00550009,
                BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062;

// ---- Text output ----------------------------------------------------------
constexpr UINT ETO_OPAQUE = 2, ETO_CLIPPED = 4, ETO_RTLREADING = 0x80;

// ---- Device capabilities --------------------------------------------------
constexpr int DRIVERVERSION = 0, TECHNOLOGY = 2, HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10,
              BITSPIXEL = 12, PLANES = 14, NUMBRUSHES = 16, NUMPENS = 18, NUMFONTS = 22, NUMCOLORS = 24,
              RASTERCAPS = 38, LOGPIXELSX = 88, LOGPIXELSY = 90, SIZEPALETTE = 104, NUMRESERVED = 106,
              COLORRES = 108, PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111, PHYSICALOFFSETX = 112,
              PHYSICALOFFSETY = 113;
constexpr int DT_PLOTTER = 0, DT_RASDISPLAY = 1, DT_RASPRINTER = 2;
constexpr int RC_BITBLT = 1, RC_BITMAP64 = 8, RC_DI_BITMAP = 0x80, RC_PALETTE = 0x100,
              RC_DIBTODEV = 0x200, RC_STRETCHBLT = 0x800, RC_STRETCHDIB = 0x2000;

// ---- Objects ----------------------------------------------------------------
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT kind);
// Copies the object's description (LOGPEN, EXTLOGPEN, LOGBRUSH, LOGFONTA,
// BITMAP or DIBSECTION) into `buffer`; answers the bytes copied, or the size
// needed when `buffer` is null, or 0 for an invalid handle.
int GetObject(HGDIOBJ object, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ object);
// The process's live GDI objects for GR_GDIOBJECTS (any `process`: there is
// only this one); 0 for other kinds. A count that stays put over repeated
// work shows that the work frees what it makes.
constexpr DWORD GR_GDIOBJECTS = 0, GR_USEROBJECTS = 1;
DWORD GetGuiResources(HANDLE process, DWORD flags);

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles);

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);

HFONT CreateFontIndirect(const LOGFONTA* font);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charset, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* face);

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// A bitmap whose pixels live in memory the caller reads and writes through
// *bits, in the layout the header describes (bottom-up for a positive
// biHeight). Drawing through a DC sees and updates those bytes.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage);
constexpr DWORD CBM_INIT = 4;
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage);
LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits);
LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits);
BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* size);

HPALETTE CreateHalftonePalette(HDC dc);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC dc);

// ---- Device contexts --------------------------------------------------------
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
// A negative level counts back from the most recent save.
BOOL RestoreDC(HDC dc, int level);
int GetDeviceCaps(HDC dc, int index);
COLORREF GetNearestColor(HDC dc, COLORREF color);
BOOL GdiFlush();

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC dc, POINT* origin);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
int SetArcDirection(HDC dc, int direction);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF SetDCPenColor(HDC dc, COLORREF color);

int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetWindowExtEx(HDC dc, int cx, int cy, SIZE* previous);
BOOL GetWindowExtEx(HDC dc, SIZE* extent);
BOOL SetViewportExtEx(HDC dc, int cx, int cy, SIZE* previous);
BOOL GetViewportExtEx(HDC dc, SIZE* extent);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);
DWORD SetLayout(HDC dc, DWORD layout);
DWORD GetLayout(HDC dc);

// ---- Regions and clipping ---------------------------------------------------
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const POINT* points, const int* counts, int polygons, int fillMode);
HRGN ExtCreateRegion(const void* transform, DWORD size, const RGNDATA* data);
DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data);
int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
int GetRgnBox(HRGN region, RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL InvertRgn(HDC dc, HRGN region);
BOOL PaintRgn(HDC dc, HRGN region);

int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
int GetClipBox(HDC dc, RECT* rect);
// 1 and a copy in `region` when the DC has a clip region, 0 when it has
// none, -1 on error.
int GetClipRgn(HDC dc, HRGN region);
BOOL RectVisible(HDC dc, const RECT* rect);
BOOL PtVisible(HDC dc, int x, int y);

// ---- Lines and shapes -------------------------------------------------------
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);
BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const int* counts, int polygons);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
BOOL Chord(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type);
BOOL FloodFill(HDC dc, int x, int y, COLORREF color);

// ---- Blits ------------------------------------------------------------------
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
// One rectangle of PatBltRects (logical coordinates, right and bottom
// excluded) and the brush it is painted with; 0 takes the DC's brush.
struct BrushRect {
    RECT rect;
    HBRUSH brush = 0;
};
// Paints the rectangles in order, each as PatBlt would with its brush
// selected (empty ones paint nothing), under one access to the surface:
// frames, edges and focus rectangles cost one call instead of one per side.
BOOL PatBltRects(HDC dc, const BrushRect* rects, int count, DWORD rop);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop);
// High byte of `rop4` = the ternary operation where the mask is 0 (background),
// low three bytes' operation index = where it is 1 (foreground).
BOOL MaskBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, HBITMAP mask,
             int mx, int my, DWORD rop4);
constexpr DWORD MAKEROP4(DWORD fore, DWORD back) { return ((back << 8) & 0xFF000000) | fore; }
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                    UINT transparent);
int StretchDIBits(HDC dc, int x, int y, int width, int height, int sx, int sy, int sw, int sh, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop);
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sx, int sy, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage);

// The exact result of ternary raster operation `rop` (its index byte, or the
// whole 32-bit code) on pattern, source and destination bits, applied to all
// 32 bits at once.
std::uint32_t ApplyRop3(DWORD rop, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest);
// The exact result of binary raster mode `rop2` (R2_*) on pen and destination.
std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dest);

// ---- Text -------------------------------------------------------------------
BOOL TextOut(HDC dc, int x, int y, const char* text, int length);
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                const int* dx);
BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, const WCHAR* text, UINT length,
                 const int* dx);
BOOL TextOutW(HDC dc, int x, int y, const WCHAR* text, int length);
BOOL GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size);
BOOL GetTextExtentPoint32W(HDC dc, const WCHAR* text, int length, SIZE* size);
// Fits characters into `maxExtent` (when `fit` is given) and reports the
// extent after each byte of the text in `dx` (one entry per byte, as the
// ANSI form counts).
BOOL GetTextExtentExPoint(HDC dc, const char* text, int length, int maxExtent, int* fit, int* dx, SIZE* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRICA* metrics);
UINT GetOutlineTextMetrics(HDC dc, UINT size, OUTLINETEXTMETRICA* metrics);
BOOL GetCharWidth(HDC dc, UINT first, UINT last, int* widths);
BOOL GetCharWidth32(HDC dc, UINT first, UINT last, int* widths);
int GetTextFace(HDC dc, int size, char* face);
DWORD GetFontLanguageInfo(HDC dc);
