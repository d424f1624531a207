// The drawing services of the user layer: filling and framing rectangles,
// DrawText, 3-D edges, frame controls, focus rectangles and icons; the
// system bitmaps. All are built on the GDI of wingdi.h; the system colours
// and metrics they use come from sysparams.h.
#pragma once

#include "platform/gdi/sysparams.h"

// ---- Rectangles -----------------------------------------------------------
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
BOOL DrawFocusRect(HDC dc, const RECT* rect);

// ---- Text -----------------------------------------------------------------
constexpr UINT DT_TOP = 0, DT_LEFT = 0, DT_CENTER = 1, DT_RIGHT = 2, DT_VCENTER = 4, DT_BOTTOM = 8,
               DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_TABSTOP = 0x80,
               DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
               DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000,
               DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000, DT_RTLREADING = 0x20000,
               DT_WORD_ELLIPSIS = 0x40000, DT_NOFULLWIDTHCHARBREAK = 0x80000, DT_HIDEPREFIX = 0x100000,
               DT_PREFIXONLY = 0x200000;

struct DRAWTEXTPARAMS {
    UINT cbSize = sizeof(DRAWTEXTPARAMS);
    int iTabLength = 8;
    int iLeftMargin = 0;
    int iRightMargin = 0;
    UINT uiLengthDrawn = 0;
};

// Answers the height of the text drawn (or measured with DT_CALCRECT), 0 on
// failure. With DT_MODIFYSTRING and an ellipsis the buffer receives the
// shortened text (it must hold `length` + 4 bytes).
int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format);
// DrawText as a disabled control shows its text, in the classic embossed
// grey: a highlight copy one pixel down and right under the grey text.
int DrawDisabledText(HDC dc, const char* text, int length, RECT* rect, UINT format);
int DrawTextEx(HDC dc, char* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
int DrawTextW(HDC dc, const WCHAR* text, int length, RECT* rect, UINT format);
int DrawTextExW(HDC dc, WCHAR* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params);

// ---- 3-D edges and frame controls ----------------------------------------
constexpr UINT BDR_RAISEDOUTER = 1, BDR_SUNKENOUTER = 2, BDR_RAISEDINNER = 4, BDR_SUNKENINNER = 8,
               BDR_OUTER = 3, BDR_INNER = 0xC, BDR_RAISED = 5, BDR_SUNKEN = 0xA;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
               EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8, BF_TOPLEFT = 3, BF_TOPRIGHT = 6,
               BF_BOTTOMLEFT = 9, BF_BOTTOMRIGHT = 0xC, BF_RECT = 0xF, BF_DIAGONAL = 0x10,
               BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000;
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);

constexpr UINT DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4, DFC_POPUPMENU = 5;
constexpr UINT DFCS_CAPTIONCLOSE = 0, DFCS_CAPTIONMIN = 1, DFCS_CAPTIONMAX = 2, DFCS_CAPTIONRESTORE = 3,
               DFCS_CAPTIONHELP = 4, DFCS_MENUARROW = 0, DFCS_MENUCHECK = 1, DFCS_MENUBULLET = 2,
               DFCS_MENUARROWRIGHT = 4, DFCS_SCROLLUP = 0, DFCS_SCROLLDOWN = 1, DFCS_SCROLLLEFT = 2,
               DFCS_SCROLLRIGHT = 3, DFCS_SCROLLCOMBOBOX = 5, DFCS_SCROLLSIZEGRIP = 8,
               DFCS_SCROLLSIZEGRIPRIGHT = 0x10, DFCS_BUTTONCHECK = 0, DFCS_BUTTONRADIOIMAGE = 1,
               DFCS_BUTTONRADIOMASK = 2, DFCS_BUTTONRADIO = 4, DFCS_BUTTON3STATE = 8, DFCS_BUTTONPUSH = 0x10,
               DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_TRANSPARENT = 0x800,
               DFCS_HOT = 0x1000, DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000;
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);

constexpr UINT DC_ACTIVE = 0x1, DC_SMALLCAP = 0x2, DC_ICON = 0x4, DC_TEXT = 0x8, DC_INBUTTON = 0x10,
               DC_GRADIENT = 0x20;
// A window's caption bar in `rect`: the (active or inactive) caption colour,
// running into its gradient colour with DC_GRADIENT, and with DC_TEXT the
// window's text in the caption font (the small one with DC_SMALLCAP), cut
// with "..." when too long.
BOOL DrawCaption(HWND window, HDC dc, const RECT* rect, UINT flags);

// ---- Icons ----------------------------------------------------------------
struct ICONINFO {
    BOOL fIcon = TRUE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = 0;
    HBITMAP hbmColor = 0;
};
constexpr UINT DI_MASK = 1, DI_IMAGE = 2, DI_NORMAL = 3, DI_COMPAT = 4, DI_DEFAULTSIZE = 8;
// The icon keeps copies of the bitmaps; the caller keeps its own.
HICON CreateIconIndirect(const ICONINFO* info);
// Copies of the icon's bitmaps, owned by the caller.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DestroyIcon(HICON icon);
HICON CopyIcon(HICON icon);
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH flicker, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// A new image of the same kind, stretched to cx x cy (0 keeps that side).
// Icons hold a single image here, so LR_COPYFROMRESOURCE stretches it too.
constexpr UINT IMAGE_BITMAP = 0, IMAGE_ICON = 1;
constexpr UINT LR_DEFAULTCOLOR = 0, LR_COPYDELETEORG = 0x0008, LR_COPYFROMRESOURCE = 0x4000;
HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags);
// An icon of the program's embedded icons (resources.h) by name or id; 0
// when there is none. The system icons (instance 0) come with the window
// system.
HICON LoadIcon(HINSTANCE instance, const char* name);
constexpr std::uintptr_t IDI_APPLICATION = 32512, IDI_HAND = 32513, IDI_QUESTION = 32514, IDI_EXCLAMATION = 32515,
                         IDI_ASTERISK = 32516, IDI_ERROR = IDI_HAND, IDI_WARNING = IDI_EXCLAMATION,
                         IDI_INFORMATION = IDI_ASTERISK;
inline HICON LoadIcon(HINSTANCE instance, std::uintptr_t id) {
    return LoadIcon(instance, reinterpret_cast<const char*>(id));
}

// ---- System bitmaps -------------------------------------------------------
constexpr int OBM_CLOSE = 32754, OBM_UPARROW = 32753, OBM_DNARROW = 32752, OBM_RGARROW = 32751,
              OBM_LFARROW = 32750, OBM_REDUCE = 32749, OBM_ZOOM = 32748, OBM_RESTORE = 32747,
              OBM_REDUCED = 32746, OBM_ZOOMD = 32745, OBM_RESTORED = 32744, OBM_UPARROWD = 32743,
              OBM_DNARROWD = 32742, OBM_RGARROWD = 32741, OBM_LFARROWD = 32740, OBM_MNARROW = 32739,
              OBM_COMBO = 32738, OBM_UPARROWI = 32737, OBM_DNARROWI = 32736, OBM_RGARROWI = 32735,
              OBM_LFARROWI = 32734, OBM_SIZE = 32766, OBM_BTSIZE = 32761, OBM_CHECK = 32760,
              OBM_CHECKBOXES = 32759, OBM_BTNCORNERS = 32758;
// With instance 0: a new copy of the system bitmap (OBM_CHECKBOXES is the
// 4 x 3 grid of 13 x 13 check-box images). Other instances look the name up
// among the program's embedded bitmaps (see resources.h). 0 when unknown.
HBITMAP LoadBitmap(HINSTANCE instance, const char* name);
inline HBITMAP LoadBitmap(HINSTANCE instance, int id) {
    return LoadBitmap(instance, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(id)));
}
