// Scroll bars: the state, geometry and drawing shared by a window's own
// bars and the "ScrollBar" control (classic, or flat and outlined for a
// window's bars with flat bars initialised), the scroll-bar API, the
// press-and-track loop that sends WM_HSCROLL/WM_VSCROLL with auto-repeat
// and thumb tracking, and the hot part of flat bars under the mouse.
#include <algorithm>

#include "platform/win/commctrl_flatsb.h"
#include "platform/win/frame_internal.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"

namespace ws {
namespace {

enum ScrollPart { NoPart = -1, LineUp = 0, PageUp = 1, Thumb = 2, PageDown = 3, LineDown = 4 };

constexpr UINT_PTR repeatTimer = 0xFFF0;
constexpr UINT firstRepeatDelay = 400, repeatInterval = 50;

// The parts of a bar laid along one axis; positions relative to the bar's start.
struct BarGeometry {
    int length = 0;
    int arrow = 0;
    int thumbStart = 0;
    int thumbSize = 0;  // 0: no thumb
};

int RangeSpan(const ScrollBarState& s) { return std::max(0, s.maximum - s.minimum - std::max(int(s.page) - 1, 0)); }

bool Scrollable(const ScrollBarState& s) {
    return s.maximum > s.minimum && int(s.page) <= s.maximum - s.minimum && s.disabledArrows != ESB_DISABLE_BOTH;
}

// The lengths of a bar's arrows and of a thumb without a page.
struct BarSizes {
    int arrow = 0;
    int thumb = 0;
};

// How a bar is drawn: classic, or in a flat style with its track colour and hot part.
struct BarLook {
    int style = FSB_REGULAR_MODE;
    COLORREF track = CLR_DEFAULT;
    int hotPart = NoPart;
};

BarGeometry GeometryOf(const ScrollBarState& s, int length, BarSizes sizes, bool enabled) {
    BarGeometry g;
    g.length = length;
    g.arrow = std::min(sizes.arrow, length / 2);
    const int track = length - 2 * g.arrow;
    if (!enabled || !Scrollable(s)) return g;
    const int range = s.maximum - s.minimum + 1;
    int size = s.page ? int(std::int64_t(track) * s.page / range) : sizes.thumb;
    size = std::max(size, 8);
    if (size >= track) return g;
    const int position = s.tracking ? s.trackPosition : s.position;
    const int span = RangeSpan(s);
    g.thumbSize = size;
    g.thumbStart = g.arrow + (span ? int(std::int64_t(track - size) * (position - s.minimum) / span) : 0);
    return g;
}

int PartAt(const BarGeometry& g, int offset) {
    if (offset < 0 || offset >= g.length) return NoPart;
    if (offset < g.arrow) return LineUp;
    if (offset >= g.length - g.arrow) return LineDown;
    if (!g.thumbSize) return NoPart;
    if (offset < g.thumbStart) return PageUp;
    if (offset < g.thumbStart + g.thumbSize) return Thumb;
    return PageDown;
}

HBRUSH TrackBrush() {
    // The classic track: a checker of the highlight and face colours.
    static const HBRUSH brush = [] {
        const HBITMAP pattern = CreateBitmap(8, 8, 1, 32, nullptr);
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ old = SelectObject(dc, pattern);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) SetPixel(dc, x, y, GetSysColor((x + y) % 2 ? COLOR_3DFACE : COLOR_3DHILIGHT));
        SelectObject(dc, old);
        DeleteDC(dc);
        const HBRUSH b = CreatePatternBrush(pattern);
        DeleteObject(pattern);
        return b;
    }();
    return brush;
}

// A rectangle along the bar's axis, from `start` for `size` pixels.
RECT Along(const RECT& bar, bool vertical, int start, int size) {
    return vertical ? Rect(bar.left, bar.top + start, bar.right, bar.top + start + size)
                    : Rect(bar.left + start, bar.top, bar.left + start + size, bar.bottom);
}

// The one-pixel rim of a flat or outlined part: the part under the mouse
// rises, a held one stays sunken; otherwise a flat part has no edge and an
// outlined one a shadow line.
void DrawFlatRim(HDC dc, RECT r, const BarLook& look, bool hot, bool pressed) {
    if (pressed) return;
    if (hot) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    else FrameRect(dc, &r, GetSysColorBrush(look.style == FSB_ENCARTA_MODE ? COLOR_3DSHADOW : COLOR_3DFACE));
}

void DrawArrow(HDC dc, RECT r, UINT kind, UINT state, const BarLook& look, bool hot) {
    if (look.style == FSB_REGULAR_MODE) {
        DrawFrameControl(dc, &r, DFC_SCROLL, kind | state);
        return;
    }
    DrawFrameControl(dc, &r, DFC_SCROLL, kind | state | DFCS_FLAT);
    DrawFlatRim(dc, r, look, hot && !(state & DFCS_INACTIVE), state & DFCS_PUSHED);
}

void DrawThumb(HDC dc, RECT r, const BarLook& look, bool hot) {
    if (look.style == FSB_REGULAR_MODE) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        return;
    }
    FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    DrawFlatRim(dc, r, look, hot, false);
}

void DrawBar(HDC dc, const ScrollBarState& s, const RECT& bar, bool vertical, bool enabled, BarSizes sizes,
             const BarLook& look = BarLook()) {
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const BarGeometry g = GeometryOf(s, length, sizes, enabled);
    const bool scrollable = enabled && Scrollable(s);
    auto arrowState = [&](int part, UINT disabledBit) {
        UINT state = s.pressedPart == part ? DFCS_PUSHED | DFCS_FLAT : 0;
        if (!scrollable || (s.disabledArrows & disabledBit)) state |= DFCS_INACTIVE;
        return state;
    };
    DrawArrow(dc, Along(bar, vertical, 0, g.arrow), vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT,
              arrowState(LineUp, ESB_DISABLE_LTUP), look, look.hotPart == LineUp);
    DrawArrow(dc, Along(bar, vertical, length - g.arrow, g.arrow), vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
              arrowState(LineDown, ESB_DISABLE_RTDN), look, look.hotPart == LineDown);
    HBRUSH ownTrack = look.track == CLR_DEFAULT ? 0 : CreateSolidBrush(look.track);
    const HBRUSH track = ownTrack ? ownTrack : TrackBrush();
    const int trackEnd = length - g.arrow;
    if (!g.thumbSize) {
        RECT all = Along(bar, vertical, g.arrow, trackEnd - g.arrow);
        FillRect(dc, &all, track);
    } else {
        RECT before = Along(bar, vertical, g.arrow, g.thumbStart - g.arrow);
        RECT after = Along(bar, vertical, g.thumbStart + g.thumbSize, trackEnd - g.thumbStart - g.thumbSize);
        FillRect(dc, &before, s.pressedPart == PageUp ? GetSysColorBrush(COLOR_3DDKSHADOW) : track);
        FillRect(dc, &after, s.pressedPart == PageDown ? GetSysColorBrush(COLOR_3DDKSHADOW) : track);
        DrawThumb(dc, Along(bar, vertical, g.thumbStart, g.thumbSize), look,
                  look.hotPart == Thumb || s.pressedPart == Thumb);
    }
    if (ownTrack) DeleteObject(ownTrack);
}

// What a scroll bar is: a window's own bar (in its frame) or a control (its client area).
struct BarRef {
    HWND window = 0;
    int bar = SB_CTL;

    Window* Owner() const { return Find(window); }
    ScrollBarState* State() const {
        Window* w = Owner();
        return w ? &FrameOf(*w).bars[bar] : nullptr;
    }
    FlatBarLook* Flat() const {
        Window* w = Owner();
        return w && bar != SB_CTL && w->frame && w->frame->flatBars ? &*w->frame->flatBars : nullptr;
    }
    BarSizes Sizes() const {
        if (const FlatBarLook* flat = Flat()) return {flat->arrow[bar], flat->thumb[bar]};
        const RECT area = Area();
        const int thickness = Vertical() ? area.right - area.left : area.bottom - area.top;
        return {thickness, GetSystemMetrics(SM_CXHTHUMB)};
    }
    BarLook Look() const {
        const FlatBarLook* flat = Flat();
        return flat ? BarLook{flat->style[bar], flat->track[bar], flat->hotPart[bar]} : BarLook();
    }
    int Length() const {
        const RECT area = Area();
        return Vertical() ? area.bottom - area.top : area.right - area.left;
    }
    bool Vertical() const {
        if (bar != SB_CTL) return bar == SB_VERT;
        Window* w = Owner();
        return w && (w->style & SBS_VERT);
    }
    // The bar's rectangle in window coordinates (empty when not shown).
    RECT Area() const {
        Window* w = Owner();
        if (!w) return RECT{};
        if (bar == SB_CTL) return w->client;
        const FrameLayout f = LayoutFrame(*w);
        return bar == SB_VERT ? f.vertical : f.horizontal;
    }
    bool Enabled() const {
        Window* w = Owner();
        return w && !(w->style & WS_DISABLED);
    }
    void Redraw() const {
        Window* w = Owner();
        ScrollBarState* s = State();
        if (!w || !s || !IsWindowVisible(window)) return;
        const RECT area = Area();
        if (IsRectEmpty(&area)) return;
        const HDC dc = GetWindowDC(window);
        if (!dc) return;
        DrawBar(dc, *s, area, Vertical(), Enabled(), Sizes(), Look());
        ReleaseDC(window, dc);
    }
    // A window's own bar belongs to its frame: a bar changed through the API
    // is repainted with the frame, so the window (and whoever subclasses it)
    // sees WM_NCPAINT before its next WM_PAINT, however the change was made.
    void InvalidateFrame() const {
        RECT none{};
        RedrawWindow(window, &none, 0, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
    }
    // WM_HSCROLL / WM_VSCROLL go to the window itself, or to a control's parent.
    void Notify(int code, int position) const {
        Window* w = Owner();
        if (!w) return;
        const UINT message = Vertical() ? WM_VSCROLL : WM_HSCROLL;
        const WPARAM wParam = MAKEWPARAM(code, position);
        if (bar == SB_CTL) SendMessage(w->parent, message, wParam, LPARAM(window));
        else SendMessage(window, message, wParam, 0);
    }
};

BarRef RefOf(HWND window, int bar) { return BarRef{window, bar}; }

int Clamped(const ScrollBarState& s, int position) {
    return std::clamp(position, s.minimum, s.minimum + RangeSpan(s));
}

int SetInfo(const BarRef& ref, const SCROLLINFO& info, bool redraw) {
    ScrollBarState* s = ref.State();
    if (!s) return 0;
    if (info.fMask & SIF_RANGE) s->minimum = info.nMin, s->maximum = info.nMax;
    if (info.fMask & SIF_PAGE) s->page = std::min<UINT>(info.nPage, UINT(std::max(0, s->maximum - s->minimum + 1)));
    if (info.fMask & SIF_POS) s->position = info.nPos;
    s->position = Clamped(*s, s->position);
    const int position = s->position;
    if (ref.bar != SB_CTL && (info.fMask & (SIF_RANGE | SIF_PAGE))) {
        // A window's bar without anything to scroll goes away, or is
        // disabled when the caller asks to keep it.
        const bool nothing = !Scrollable(ScrollBarState{s->minimum, s->maximum, s->page});
        if (info.fMask & SIF_DISABLENOSCROLL) {
            s->disabledArrows = nothing ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH;
            if (!nothing) ShowScrollBar(ref.window, ref.bar, TRUE);
        } else {
            ShowScrollBar(ref.window, ref.bar, !nothing);
        }
    }
    if (redraw) {
        if (ref.bar == SB_CTL) {
            InvalidateRect(ref.window, nullptr, TRUE);
            UpdateWindow(ref.window);
        } else {
            ref.InvalidateFrame();
        }
    }
    return position;
}

bool GetInfo(const BarRef& ref, SCROLLINFO& info) {
    ScrollBarState* s = ref.State();
    if (!s) return false;
    if (info.fMask & SIF_RANGE) info.nMin = s->minimum, info.nMax = s->maximum;
    if (info.fMask & SIF_PAGE) info.nPage = s->page;
    if (info.fMask & SIF_POS) info.nPos = s->position;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = s->tracking ? s->trackPosition : s->position;
    return true;
}

void FillBarInfo(const BarRef& ref, SCROLLBARINFO& info) {
    Window* w = ref.Owner();
    ScrollBarState* s = ref.State();
    if (!w || !s) return;
    const RECT area = ref.Area();
    const POINT origin = ScreenOrigin(*w);
    info.rcScrollBar = area;
    OffsetRect(&info.rcScrollBar, origin.x, origin.y);
    const BarGeometry g = GeometryOf(*s, ref.Length(), ref.Sizes(), ref.Enabled());
    info.dxyLineButton = g.arrow;
    info.xyThumbTop = g.thumbStart;
    info.xyThumbBottom = g.thumbStart + g.thumbSize;
    std::fill(std::begin(info.rgstate), std::end(info.rgstate), 0);
    if (IsRectEmpty(&area)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!ref.Enabled() || !Scrollable(*s)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    if (s->disabledArrows & ESB_DISABLE_LTUP) info.rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
    if (s->disabledArrows & ESB_DISABLE_RTDN) info.rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
    if (s->pressedPart >= 0) info.rgstate[1 + s->pressedPart] |= STATE_SYSTEM_PRESSED;
}

// The press-and-track loop: arrows and page areas repeat while held, the
// thumb follows the mouse with SB_THUMBTRACK and lands with SB_THUMBPOSITION.
void Track(const BarRef& ref, POINT screen) {
    Window* w = ref.Owner();
    ScrollBarState* s = ref.State();
    if (!w || !s || !ref.Enabled()) return;
    const RECT area = ref.Area();
    const bool vertical = ref.Vertical();
    auto offsetOf = [&](POINT p) {
        Window* owner = ref.Owner();
        const POINT origin = owner ? ScreenOrigin(*owner) : POINT{};
        return vertical ? p.y - origin.y - area.top : p.x - origin.x - area.left;
    };
    const int length = ref.Length();
    const BarSizes sizes = ref.Sizes();
    const BarGeometry start = GeometryOf(*s, length, sizes, true);
    const int part = PartAt(start, offsetOf(screen));
    if (part == NoPart || !Scrollable(*s)) return;
    if ((part == LineUp && (s->disabledArrows & ESB_DISABLE_LTUP)) ||
        (part == LineDown && (s->disabledArrows & ESB_DISABLE_RTDN)))
        return;
    const int grab = offsetOf(screen) - start.thumbStart;
    const int code = part == LineUp ? SB_LINEUP : part == PageUp ? SB_PAGEUP : part == PageDown ? SB_PAGEDOWN : SB_LINEDOWN;
    s->pressedPart = part;
    if (part == Thumb) s->tracking = true, s->trackPosition = s->position;
    ref.Redraw();
    SetCapture(ref.window);
    POINT mouse = screen;
    // Whether the held part still lies under the mouse (the page areas end at the thumb).
    auto stillOver = [&] {
        ScrollBarState* now = ref.State();
        return now && PartAt(GeometryOf(*now, length, sizes, true), offsetOf(mouse)) == part;
    };
    if (part != Thumb) {
        ref.Notify(code, 0);
        SetTimer(ref.window, repeatTimer, firstRepeatDelay);
    }
    MSG msg;
    while (GetCapture() == ref.window) {
        if (ButtonReleasedUnseen()) break;
        if (!GetMessage(&msg, 0, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (CallMsgFilter(&msg, MSGF_SCROLLBAR)) continue;
        // Input queued before the capture arrives in its non-client form.
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) break;
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            mouse = msg.pt;
            if (part != Thumb) {
                if ((s = ref.State()) == nullptr) break;
                const int drawn = stillOver() ? part : NoPart;
                if (s->pressedPart != drawn) s->pressedPart = drawn, ref.Redraw();
                continue;
            }
            if ((s = ref.State()) == nullptr) break;
            const int track = length - 2 * start.arrow - start.thumbSize;
            const int pixel = std::clamp(offsetOf(mouse) - grab - start.arrow, 0, std::max(track, 0));
            const int position = s->minimum + (track > 0 ? int(std::int64_t(pixel) * RangeSpan(*s) / track) : 0);
            if (position != s->trackPosition) {
                s->trackPosition = position;
                ref.Redraw();
                ref.Notify(SB_THUMBTRACK, position);
            }
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == ref.window && msg.wParam == repeatTimer) {
            SetTimer(ref.window, repeatTimer, repeatInterval);
            if (stillOver()) ref.Notify(code, 0);
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) break;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (GetCapture() == ref.window) ReleaseCapture();
    KillTimer(ref.window, repeatTimer);
    if ((s = ref.State()) == nullptr) return;
    const bool thumb = s->tracking;
    const int landed = s->trackPosition;
    s->pressedPart = NoPart;
    s->tracking = false;
    if (thumb) ref.Notify(SB_THUMBPOSITION, landed);
    ref.Notify(SB_ENDSCROLL, 0);
    ref.Redraw();
}

// ---- The "ScrollBar" control --------------------------------------------------------

bool IsGrip(const Window& w) { return w.style & (SBS_SIZEGRIP | SBS_SIZEBOX); }

LRESULT ScrollBarProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(handle);
    if (!w) return 0;
    const BarRef ref = RefOf(handle, SB_CTL);
    switch (message) {
    case WM_PAINT: {
        // A subclassing control hands in the DC of its own BeginPaint.
        PAINTSTRUCT ps;
        const HDC dc = wParam ? HDC(wParam) : BeginPaint(handle, &ps);
        RECT r;
        GetClientRect(handle, &r);
        if (IsGrip(*w)) DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        else DrawBar(dc, FrameOf(*w).bars[SB_CTL], r, w->style & SBS_VERT, ref.Enabled(), ref.Sizes());
        if (!wParam) EndPaint(handle, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (IsGrip(*w) && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursor(0, IDC_SIZENWSE));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(handle, &screen);
        if (IsGrip(*w)) {
            // The grip sizes its top-level window from the lower-right corner.
            SendMessage(GetAncestor(handle, GA_ROOT), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT,
                        MAKELPARAM(screen.x, screen.y));
            return 0;
        }
        Track(ref, screen);
        return 0;
    }
    case WM_KEYDOWN: {
        // The control's keyboard: lines, pages and the two ends.
        int code = -1;
        switch (wParam) {
        case VK_UP: case VK_LEFT: code = SB_LINEUP; break;
        case VK_DOWN: case VK_RIGHT: code = SB_LINEDOWN; break;
        case VK_PRIOR: code = SB_PAGEUP; break;
        case VK_NEXT: code = SB_PAGEDOWN; break;
        case VK_HOME: code = SB_TOP; break;
        case VK_END: code = SB_BOTTOM; break;
        default: break;
        }
        if (code < 0 || IsGrip(*w) || !ref.Enabled()) break;
        ref.Notify(code, 0);
        ref.Notify(SB_ENDSCROLL, 0);
        return 0;
    }
    case WM_ENABLE:
        InvalidateRect(handle, nullptr, TRUE);
        return 0;
    case SBM_SETSCROLLINFO:
        return lParam ? SetInfo(ref, *reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0) : 0;
    case SBM_GETSCROLLINFO:
        return lParam && GetInfo(ref, *reinterpret_cast<SCROLLINFO*>(lParam));
    case SBM_SETPOS: {
        const int old = FrameOf(*w).bars[SB_CTL].position;
        SCROLLINFO info;
        info.fMask = SIF_POS;
        info.nPos = int(wParam);
        SetInfo(ref, info, lParam != 0);
        return old;
    }
    case SBM_GETPOS:
        return FrameOf(*w).bars[SB_CTL].position;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        SCROLLINFO info;
        info.fMask = SIF_RANGE;
        info.nMin = int(wParam), info.nMax = int(lParam);
        SetInfo(ref, info, message == SBM_SETRANGEREDRAW);
        return FrameOf(*w).bars[SB_CTL].position;
    }
    case SBM_GETRANGE:
        if (wParam) *reinterpret_cast<int*>(wParam) = FrameOf(*w).bars[SB_CTL].minimum;
        if (lParam) *reinterpret_cast<int*>(lParam) = FrameOf(*w).bars[SB_CTL].maximum;
        return 0;
    case SBM_ENABLE_ARROWS:
        FrameOf(*w).bars[SB_CTL].disabledArrows = UINT(wParam);
        InvalidateRect(handle, nullptr, TRUE);
        return TRUE;
    case SBM_GETSCROLLBARINFO:
        if (!lParam) return FALSE;
        FillBarInfo(ref, *reinterpret_cast<SCROLLBARINFO*>(lParam));
        return TRUE;
    default:
        break;
    }
    return DefWindowProc(handle, message, wParam, lParam);
}

const ATOM scrollBarClass = [] {
    WNDCLASS wc;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW | CS_GLOBALCLASS;
    wc.lpfnWndProc = &ScrollBarProc;
    wc.lpszClassName = "ScrollBar";
    return RegisterClass(&wc);
}();

}  // namespace

void PaintWindowScrollBar(HDC dc, Window& w, int bar, const RECT& rect) {
    const BarRef ref = RefOf(w.handle, bar);
    DrawBar(dc, FrameOf(w).bars[bar], rect, bar == SB_VERT, !(w.style & WS_DISABLED), ref.Sizes(), ref.Look());
}

void TrackWindowScrollBar(HWND window, int bar, POINT screen) { Track(RefOf(window, bar), screen); }

void HoverWindowScrollBars(HWND window, LRESULT hit, POINT screen) {
    // The window whose flat bar shows a hot part, so that leaving it cools the part.
    static HWND hotWindow = 0;
    int hot[2] = {NoPart, NoPart};
    const int bar = hit == HTVSCROLL ? SB_VERT : hit == HTHSCROLL ? SB_HORZ : -1;
    Window* w = Find(window);
    if (bar >= 0 && w && RefOf(window, bar).Flat()) {
        const BarRef ref = RefOf(window, bar);
        const RECT area = ref.Area();
        const POINT origin = ScreenOrigin(*w);
        const int offset = ref.Vertical() ? screen.y - origin.y - area.top : screen.x - origin.x - area.left;
        if (ref.Enabled()) hot[bar] = PartAt(GeometryOf(*ref.State(), ref.Length(), ref.Sizes(), true), offset);
    }
    auto cool = [](HWND handle, const int parts[2]) {
        FlatBarLook* flat = RefOf(handle, SB_VERT).Flat();
        if (!flat || (flat->hotPart[SB_HORZ] == parts[SB_HORZ] && flat->hotPart[SB_VERT] == parts[SB_VERT])) return;
        flat->hotPart[SB_HORZ] = parts[SB_HORZ];
        flat->hotPart[SB_VERT] = parts[SB_VERT];
        InvalidateWindowScrollBars(handle);
    };
    const int none[2] = {NoPart, NoPart};
    if (hotWindow && hotWindow != window) cool(hotWindow, none);
    cool(window, hot);
    hotWindow = hot[SB_HORZ] != NoPart || hot[SB_VERT] != NoPart ? window : 0;
}

void InvalidateWindowScrollBars(HWND window) { RefOf(window, SB_VERT).InvalidateFrame(); }

FlatBarLook::FlatBarLook()
    : thickness{GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CXVSCROLL)},
      arrow{GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYVSCROLL)},
      thumb{GetSystemMetrics(SM_CXHTHUMB), GetSystemMetrics(SM_CYVTHUMB)} {}

}  // namespace ws

using namespace ws;

int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw) {
    if (!info || !Find(window)) return 0;
    if (bar == SB_CTL) return int(SendMessage(window, SBM_SETSCROLLINFO, redraw, LPARAM(info)));
    if (bar != SB_HORZ && bar != SB_VERT) return 0;
    return SetInfo(RefOf(window, bar), *info, redraw != 0);
}

BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info) {
    if (!info || !Find(window)) return FALSE;
    if (bar == SB_CTL) return BOOL(SendMessage(window, SBM_GETSCROLLINFO, 0, LPARAM(info)));
    if (bar != SB_HORZ && bar != SB_VERT) return FALSE;
    return GetInfo(RefOf(window, bar), *info);
}

int SetScrollPos(HWND window, int bar, int position, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    const int old = GetScrollPos(window, bar);
    info.nPos = position;
    SetScrollInfo(window, bar, &info, redraw);
    return old;
}

int GetScrollPos(HWND window, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(window, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minimum, info.nMax = maximum;
    SetScrollInfo(window, bar, &info, redraw);
    return Find(window) != nullptr;
}

BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    if (!GetScrollInfo(window, bar, &info)) return FALSE;
    if (minimum) *minimum = info.nMin;
    if (maximum) *maximum = info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND window, int bar, BOOL show) {
    Window* w = Find(window);
    if (!w) return FALSE;
    if (bar == SB_CTL) {
        ShowWindow(window, show ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    const DWORD bits = bar == SB_HORZ ? WS_HSCROLL : bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL | WS_VSCROLL;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return TRUE;
    w->style = style;
    SetWindowPos(window, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL EnableScrollBar(HWND window, UINT bar, UINT arrows) {
    Window* w = Find(window);
    if (!w) return FALSE;
    if (bar == UINT(SB_CTL)) return BOOL(SendMessage(window, SBM_ENABLE_ARROWS, arrows, 0));
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != UINT(b) && bar != UINT(SB_BOTH)) continue;
        FrameOf(*w).bars[b].disabledArrows = arrows;
        RefOf(window, b).InvalidateFrame();
    }
    return TRUE;
}

BOOL GetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO* info) {
    if (!info || !Find(window)) return FALSE;
    if (object == OBJID_CLIENT) return BOOL(SendMessage(window, SBM_GETSCROLLBARINFO, 0, LPARAM(info)));
    if (object != OBJID_HSCROLL && object != OBJID_VSCROLL) return FALSE;
    FillBarInfo(RefOf(window, object == OBJID_HSCROLL ? SB_HORZ : SB_VERT), *info);
    return TRUE;
}
