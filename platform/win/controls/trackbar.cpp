// The "msctls_trackbar32" window class in the classic look: a sunken
// channel, a raised thumb and tick marks below it (right of it with
// TBS_VERT, where the low end is at the top). The thumb is dragged, the
// channel clicked a page towards the press, and keys move by lines and
// pages; every move is told to the parent with WM_HSCROLL or WM_VSCROLL.
// Painting goes through NM_CUSTOMDRAW: the parent may draw the tick
// marks, the channel or the thumb itself (CDRF_SKIPDEFAULT) or all of it.
// TBM_GETCHANNELRECT answers a vertical bar's channel turned, as it is
// measured along a horizontal one.
#include <algorithm>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr int thumbLength = 11, channelInset = 8, channelThickness = 4, tickRoom = 6;

class TrackBar {
public:
    explicit TrackBar(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool Vertical() const { return Style(window_) & TBS_VERT; }
    bool Ticks() const { return !(Style(window_) & TBS_NOTICKS); }
    // Extent along the bar and across it.
    int Along() const {
        const RECT r = ClientRect(window_);
        return Vertical() ? r.bottom : r.right;
    }
    int Across() const {
        const RECT r = ClientRect(window_);
        return Vertical() ? r.right : r.bottom;
    }
    int ThumbThickness() const { return std::clamp(Across() - 4 - (Ticks() ? tickRoom : 0), 6, 21); }
    // Rectangles as a horizontal bar has them; Turned gives a vertical bar's.
    RECT FlatChannel() const;
    RECT FlatThumb() const;
    RECT Turned(RECT r) const { return Vertical() ? RECT{r.top, r.left, r.bottom, r.right} : r; }
    int PixelOf(int position) const;
    int PositionAt(int pixel) const;
    void MoveTo(int position, WORD code);
    void Tell(WORD code);
    // NM_CUSTOMDRAW to the parent for one stage of painting.
    LRESULT CustomDraw(HDC dc, DWORD stage, DWORD_PTR item, const RECT& rect);
    void DrawTicks(HDC dc);

    HWND window_;
    ControlFont font_;
    int low_ = 0, high_ = 100, position_ = 0, line_ = 1, page_ = 20, frequency_ = 1;
    bool dragging_ = false;
    int grabOffset_ = 0;
};

RECT TrackBar::FlatChannel() const {
    const int top = 2 + ThumbThickness() / 2 - channelThickness / 2;
    return RECT{channelInset, top, std::max(channelInset, Along() - channelInset), top + channelThickness};
}

RECT TrackBar::FlatThumb() const {
    const int centre = PixelOf(position_);
    return RECT{centre - thumbLength / 2, 2, centre - thumbLength / 2 + thumbLength, 2 + ThumbThickness()};
}

int TrackBar::PixelOf(int position) const {
    const RECT channel = FlatChannel();
    if (high_ <= low_) return channel.left;
    return channel.left + int(std::int64_t(channel.right - channel.left) * (position - low_) / (high_ - low_));
}

int TrackBar::PositionAt(int pixel) const {
    const RECT channel = FlatChannel();
    const int length = channel.right - channel.left;
    if (length <= 0 || high_ <= low_) return low_;
    const int along = std::clamp(pixel - int(channel.left), 0, length);
    return low_ + int((std::int64_t(along) * (high_ - low_) + length / 2) / length);
}

void TrackBar::Tell(WORD code) {
    SendMessage(NotifyTarget(window_), Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, position_),
                LPARAM(window_));
}

void TrackBar::MoveTo(int position, WORD code) {
    position = std::clamp(position, low_, std::max(low_, high_));
    if (position != position_) {
        position_ = position;
        InvalidateRect(window_, nullptr, TRUE);
    }
    Tell(code);
}

LRESULT TrackBar::CustomDraw(HDC dc, DWORD stage, DWORD_PTR item, const RECT& rect) {
    NMCUSTOMDRAW draw;
    draw.dwDrawStage = stage;
    draw.hdc = dc;
    draw.rc = rect;
    draw.dwItemSpec = item;
    draw.uItemState = GetFocus() == window_ ? CDIS_FOCUS : 0;
    return NotifyParent(window_, draw.hdr, NM_CUSTOMDRAW);
}

void TrackBar::DrawTicks(HDC dc) {
    if (!Ticks() || high_ <= low_) return;
    const int base = 2 + ThumbThickness() + 1;
    const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    const HGDIOBJ old = SelectObject(dc, pen);
    const int step = std::max(1, frequency_);
    for (int position = low_;; position = std::min(position + step, high_)) {
        const int at = PixelOf(position);
        const int length = position == low_ || position == high_ ? 4 : 3;
        if (Vertical()) {
            MoveToEx(dc, base, at, nullptr);
            LineTo(dc, base + length, at);
        } else {
            MoveToEx(dc, at, base, nullptr);
            LineTo(dc, at, base + length);
        }
        if (position == high_) break;
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void TrackBar::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    FillRect(dc, &client, ControlBrush(window_, dc, WM_CTLCOLORSTATIC));
    const LRESULT wanted = CustomDraw(dc, CDDS_PREPAINT, 0, client);
    if (wanted & CDRF_SKIPDEFAULT) return;
    const bool perItem = wanted & CDRF_NOTIFYITEMDRAW;
    const RECT channel = Turned(FlatChannel()), thumb = Turned(FlatThumb());
    auto part = [&](DWORD_PTR item, const RECT& rect, auto draw) {
        const LRESULT answer = perItem ? CustomDraw(dc, CDDS_ITEMPREPAINT, item, rect) : CDRF_DODEFAULT;
        if (!(answer & CDRF_SKIPDEFAULT)) draw();
        if (answer & CDRF_NOTIFYPOSTPAINT) CustomDraw(dc, CDDS_ITEMPOSTPAINT, item, rect);
    };
    part(TBCD_TICS, client, [&] { DrawTicks(dc); });
    part(TBCD_CHANNEL, channel, [&] {
        RECT r = channel;
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    });
    if (!(Style(window_) & TBS_NOTHUMB))
        part(TBCD_THUMB, thumb, [&] {
            RECT r = thumb;
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        });
    if (GetFocus() == window_) {
        RECT focus = client;
        DrawFocusRect(dc, &focus);
    }
    if (wanted & CDRF_NOTIFYPOSTPAINT) CustomDraw(dc, CDDS_POSTPAINT, 0, client);
}

LRESULT TrackBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus(window_);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const POINT flat = Vertical() ? POINT{p.y, p.x} : p;
        const RECT thumb = FlatThumb();
        if (PtInRect(&thumb, flat)) {
            dragging_ = true;
            grabOffset_ = flat.x - PixelOf(position_);
            SetCapture(window_);
            return 0;
        }
        // A press beside the thumb moves a page towards it.
        const bool before = flat.x < thumb.left;
        MoveTo(position_ + (before ? -page_ : page_), before ? TB_PAGEUP : TB_PAGEDOWN);
        Tell(TB_ENDTRACK);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_) {
            const int along = Vertical() ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam);
            MoveTo(PositionAt(along - grabOffset_), TB_THUMBTRACK);
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (!dragging_) return 0;
        dragging_ = false;
        if (GetCapture() == window_) ReleaseCapture();
        Tell(TB_THUMBPOSITION);
        Tell(TB_ENDTRACK);
        return 0;
    case WM_KEYDOWN: {
        WORD code;
        int next;
        switch (wParam) {
        case VK_LEFT: case VK_UP: code = TB_LINEUP; next = position_ - line_; break;
        case VK_RIGHT: case VK_DOWN: code = TB_LINEDOWN; next = position_ + line_; break;
        case VK_PRIOR: code = TB_PAGEUP; next = position_ - page_; break;
        case VK_NEXT: code = TB_PAGEDOWN; next = position_ + page_; break;
        case VK_HOME: code = TB_TOP; next = low_; break;
        case VK_END: code = TB_BOTTOM; next = high_; break;
        default: return DefWindowProc(window_, message, wParam, lParam);
        }
        MoveTo(next, code);
        return 0;
    }
    case WM_KEYUP:
        if (wParam == VK_LEFT || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR ||
            wParam == VK_NEXT || wParam == VK_HOME || wParam == VK_END)
            Tell(TB_ENDTRACK);
        return 0;
    case TBM_GETPOS:
        return position_;
    case TBM_SETPOS:
        position_ = std::clamp(int(lParam), low_, std::max(low_, high_));
        if (wParam) InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case TBM_SETRANGE:
        low_ = short(LOWORD(lParam));
        high_ = short(HIWORD(lParam));
        position_ = std::clamp(position_, low_, std::max(low_, high_));
        if (wParam) InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
        (message == TBM_SETRANGEMIN ? low_ : high_) = int(lParam);
        position_ = std::clamp(position_, low_, std::max(low_, high_));
        if (wParam) InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case TBM_GETRANGEMIN:
        return low_;
    case TBM_GETRANGEMAX:
        return high_;
    case TBM_SETTICFREQ:
        frequency_ = int(wParam);
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case TBM_SETPAGESIZE:
    case TBM_SETLINESIZE: {
        int& size = message == TBM_SETPAGESIZE ? page_ : line_;
        const int previous = size;
        size = int(lParam);
        return previous;
    }
    case TBM_GETPAGESIZE:
        return page_;
    case TBM_GETLINESIZE:
        return line_;
    case TBM_GETTHUMBRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = Turned(FlatThumb());
        return 0;
    case TBM_GETCHANNELRECT:
        if (lParam) *reinterpret_cast<RECT*>(lParam) = FlatChannel();
        return 0;
    default:
        return DefWindowProc(window_, message, wParam, lParam);
    }
}

}  // namespace

void RegisterTrackBarClass() {
    RegisterControlClass("msctls_trackbar32", &ControlProcedure<TrackBar>, CS_HREDRAW | CS_VREDRAW, 0);
}

}  // namespace ctl
