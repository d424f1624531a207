// Flat scroll bars: the look a window's own bars take once initialised,
// kept with the window's frame beside the bars' scroll state; the scroll
// functions themselves are the ordinary ones, for the state is one.
#include "platform/win/commctrl_flatsb.h"
#include "platform/win/frame_internal.h"

using namespace ws;

namespace {

FlatBarLook* FlatOf(HWND window) {
    FrameState* frame = FrameOf(window);
    return frame && frame->flatBars ? &*frame->flatBars : nullptr;
}

// The bars are laid out again when their thickness changes.
void LayOutBars(HWND window) {
    SetWindowPos(window, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The field a property names and whether setting it lays the frame out.
struct PropertySlot {
    int* field;
    bool layout;
};

PropertySlot SlotOf(FlatBarLook& look, UINT property) {
    switch (property) {
    case WSB_PROP_CYVSCROLL: return {&look.arrow[SB_VERT], false};
    case WSB_PROP_CXHSCROLL: return {&look.arrow[SB_HORZ], false};
    case WSB_PROP_CYHSCROLL: return {&look.thickness[SB_HORZ], true};
    case WSB_PROP_CXVSCROLL: return {&look.thickness[SB_VERT], true};
    case WSB_PROP_CXHTHUMB: return {&look.thumb[SB_HORZ], false};
    case WSB_PROP_CYVTHUMB: return {&look.thumb[SB_VERT], false};
    case WSB_PROP_VSTYLE: return {&look.style[SB_VERT], false};
    case WSB_PROP_HSTYLE: return {&look.style[SB_HORZ], false};
    default: return {nullptr, false};
    }
}

bool IsStyle(LONG_PTR value) {
    return value == FSB_REGULAR_MODE || value == FSB_ENCARTA_MODE || value == FSB_FLAT_MODE;
}

}  // namespace

BOOL InitializeFlatSB(HWND window) {
    FrameState* frame = FrameOf(window);
    if (!frame) return FALSE;
    if (!frame->flatBars) frame->flatBars.emplace();
    return TRUE;
}

HRESULT UninitializeFlatSB(HWND window) {
    FrameState* frame = FrameOf(window);
    if (!frame) return E_FAIL;
    if (!frame->flatBars) return S_OK;
    frame->flatBars.reset();
    LayOutBars(window);
    InvalidateWindowScrollBars(window);
    return S_OK;
}

BOOL FlatSB_SetScrollProp(HWND window, UINT property, LONG_PTR value, BOOL redraw) {
    FlatBarLook* look = FlatOf(window);
    if (!look || !property || (property & ~WSB_PROP_MASK) || (property & WSB_PROP_WINSTYLE)) return FALSE;
    bool layout = false;
    for (UINT bit = 1; bit <= WSB_PROP_MASK; bit <<= 1) {
        if (!(property & bit)) continue;
        if (bit == WSB_PROP_VBKGCOLOR || bit == WSB_PROP_HBKGCOLOR) {
            look->track[bit == WSB_PROP_VBKGCOLOR ? SB_VERT : SB_HORZ] = COLORREF(value);
            continue;
        }
        const PropertySlot slot = SlotOf(*look, bit);
        const bool style = bit == WSB_PROP_VSTYLE || bit == WSB_PROP_HSTYLE;
        if (!slot.field || (style ? !IsStyle(value) : value <= 0)) return FALSE;
        layout |= slot.layout && *slot.field != int(value);
        *slot.field = int(value);
    }
    if (layout) LayOutBars(window);
    if (redraw) InvalidateWindowScrollBars(window);
    return TRUE;
}

BOOL FlatSB_GetScrollProp(HWND window, int property, int* value) {
    const FlatBarLook* look = FlatOf(window);
    if (!look || !value) return FALSE;
    switch (UINT(property)) {
    case WSB_PROP_VBKGCOLOR: *value = int(look->track[SB_VERT]); return TRUE;
    case WSB_PROP_HBKGCOLOR: *value = int(look->track[SB_HORZ]); return TRUE;
    case WSB_PROP_WINSTYLE: *value = int(GetWindowLong(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)); return TRUE;
    default: break;
    }
    const PropertySlot slot = SlotOf(*const_cast<FlatBarLook*>(look), UINT(property));
    if (!slot.field) return FALSE;
    *value = *slot.field;
    return TRUE;
}

int FlatSB_SetScrollInfo(HWND window, int bar, SCROLLINFO* info, BOOL redraw) {
    return SetScrollInfo(window, bar, info, redraw);
}

BOOL FlatSB_GetScrollInfo(HWND window, int bar, SCROLLINFO* info) { return GetScrollInfo(window, bar, info); }

BOOL FlatSB_ShowScrollBar(HWND window, int bar, BOOL show) { return ShowScrollBar(window, bar, show); }
