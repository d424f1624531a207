// The basic value types of the window and graphics API: handles, points,
// rectangles, sizes and colour values, with the platform's names.
//
// Every handle is a 32-bit id into a per-kind table (see handles.h), so a
// script can hold it as an integer and a stale handle is detected instead of
// touching freed memory. 0 is never a valid handle.
#pragma once

#include <cstdint>

#include "platform/rtl/types.h"

using BOOL = std::int32_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using WCHAR = char16_t;
using COLORREF = std::uint32_t;

using HANDLE = std::uint32_t;
using HGDIOBJ = HANDLE;
using HDC = HANDLE;
using HPEN = HANDLE;
using HBRUSH = HANDLE;
using HFONT = HANDLE;
using HBITMAP = HANDLE;
using HRGN = HANDLE;
using HPALETTE = HANDLE;
using HICON = HANDLE;
using HCURSOR = HANDLE;
using HWND = HANDLE;
using HINSTANCE = HANDLE;
using HMODULE = HANDLE;

#ifndef TRUE
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
#endif

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};
using TPoint = POINT;

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};
using TSize = SIZE;

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};
using TRect = RECT;

constexpr POINT Point(LONG x, LONG y) { return {x, y}; }
constexpr RECT Rect(LONG left, LONG top, LONG right, LONG bottom) { return {left, top, right, bottom}; }
constexpr RECT Bounds(LONG left, LONG top, LONG width, LONG height) {
    return {left, top, left + width, top + height};
}

// Rectangle helpers of the user layer.
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* dest, const RECT* source);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL IsRectEmpty(const RECT* rect);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL EqualRect(const RECT* a, const RECT* b);
// Both answer FALSE and an empty *dest when the result is empty.
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b);

// Colour values 0x00BBGGRR.
constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) { return 0x02000000 | RGB(r, g, b); }
constexpr COLORREF PALETTEINDEX(WORD i) { return 0x01000000 | i; }
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;
