// The "SysTabControl32" window class: a row of tabs over a raised display
// area, in the classic look. Clicks and arrow keys change the tab with
// TCN_SELCHANGING (which the parent may refuse) and TCN_SELCHANGE; TCM_
// messages set and read the tabs. Tabs that do not fit are reached with a
// scroller (an up-down at the end of the row), or with TCS_MULTILINE go on
// in more rows, each stretched to the full width, the selected tab's row
// moved next to the display area. The tabs stand above the display area,
// below it (TCS_BOTTOM), or at its left or right (TCS_VERTICAL, with
// TCS_RIGHT), their captions turned; TCS_BUTTONS shows them as buttons over
// an unframed area (flat ones with TCS_FLATBUTTONS). Layouts are worked
// out for tabs on top and then turned to their side.
#include <algorithm>
#include <vector>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr int tabPadding = 6;

struct Tab {
    AnsiString text;
    int image = -1;
    LPARAM data = 0;
    DWORD state = 0;
};

class TabControl {
public:
    explicit TabControl(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    // Where the tabs stand (as if on top), and in how many rows.
    struct Layout {
        std::vector<RECT> tabs;
        int rows = 1;
    };
    enum Side { onTop, onBottom, onLeft, onRight };

    bool Valid(std::intptr_t index) const { return index >= 0 && std::size_t(index) < tabs_.size(); }
    int RowHeight() const { return fixedHeight_ ? fixedHeight_ : font_.TextHeight() + 7; }
    Side TabSide() const;
    bool Buttons() const { return Style(window_) & TCS_BUTTONS; }
    // The client's extent along the row of tabs and across it.
    SIZE Strip() const;
    // A rectangle of the layout on top, turned to the tabs' side.
    RECT ToSide(const RECT& r) const;
    Layout Arrange() const;
    // The display area's edge next to the rows of tabs.
    int DisplayTop(const Layout& layout) const { return 2 + layout.rows * RowHeight(); }
    RECT TabRect(std::size_t index) const { return ToSide(Arrange().tabs[index]); }
    // The scroller shows while a single row of tabs does not fit.
    void UpdateScroller(bool overflows) const;
    void DrawCaption(HDC dc, const Tab& tab, const RECT& r) const;
    std::intptr_t TabAt(POINT p) const;
    void Choose(std::intptr_t index);
    void AdjustRect(bool larger, RECT* rect) const;
    LRESULT Insert(std::intptr_t index, const Tab& tab);
    template <class Item>
    void Read(const Tab& tab, Item& item) const;
    template <class Item>
    Tab Written(Tab tab, const Item& item) const;
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    ControlFont font_;
    std::vector<Tab> tabs_;
    std::intptr_t current_ = -1;
    std::intptr_t focusTab_ = -1;
    HANDLE imageList_ = 0;
    int fixedWidth_ = 0, fixedHeight_ = 0;
    bool focused_ = false;
    std::size_t firstTab_ = 0;  // the first tab shown in a scrolled row
    mutable HWND scroller_ = 0;
};

TabControl::Side TabControl::TabSide() const {
    const DWORD style = Style(window_);
    if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? onRight : onLeft;
    return (style & TCS_BOTTOM) ? onBottom : onTop;
}

SIZE TabControl::Strip() const {
    const RECT client = ClientRect(window_);
    const bool turned = TabSide() == onLeft || TabSide() == onRight;
    return turned ? SIZE{client.bottom, client.right} : SIZE{client.right, client.bottom};
}

RECT TabControl::ToSide(const RECT& r) const {
    const RECT client = ClientRect(window_);
    switch (TabSide()) {
    case onBottom: return RECT{r.left, client.bottom - r.bottom, r.right, client.bottom - r.top};
    case onLeft: return RECT{r.top, r.left, r.bottom, r.right};
    case onRight: return RECT{client.right - r.bottom, r.left, client.right - r.top, r.right};
    default: return r;
    }
}

void TabControl::UpdateScroller(bool overflows) const {
    if (!overflows) {
        if (scroller_) ShowWindow(scroller_, SW_HIDE);
        return;
    }
    const int height = RowHeight() - 2, width = 2 * height;
    const RECT place = ToSide(RECT{Strip().cx - width - 2, 0, Strip().cx - 2, height});
    if (!scroller_) {
        scroller_ = CreateWindowEx(0, "msctls_updown32", "", WS_CHILD | UDS_HORZ, place.left, place.top,
                                   place.right - place.left, place.bottom - place.top, window_, 0, 0, nullptr);
    } else {
        RECT now;
        GetWindowRect(scroller_, &now);
        MapWindowPoints(0, window_, reinterpret_cast<POINT*>(&now), 2);
        if (!EqualRect(&now, &place))
            SetWindowPos(scroller_, 0, place.left, place.top, place.right - place.left, place.bottom - place.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessage(scroller_, UDM_SETRANGE32, 0, LPARAM(tabs_.size() - 1));
    SendMessage(scroller_, UDM_SETPOS32, 0, LPARAM(firstTab_));
    if (!IsWindowVisible(scroller_)) ShowWindow(scroller_, SW_SHOWNOACTIVATE);
}

TabControl::Layout TabControl::Arrange() const {
    Layout layout;
    std::vector<int> widths;
    const MeasuringDC measuring(font_.ForDrawing());
    for (const Tab& tab : tabs_)
        widths.push_back(fixedWidth_ ? fixedWidth_ : TextWidth(measuring.dc(), tab.text) + 2 * tabPadding);

    // Rows fill from the left; a tab wider than a row has one to itself.
    const int available = std::max(1, int(Strip().cx) - 4);
    const bool multiline = (Style(window_) & TCS_MULTILINE) != 0;
    std::vector<std::vector<std::size_t>> rows(1);
    int x = 0;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (multiline && x > 0 && x + widths[i] > available) {
            rows.emplace_back();
            x = 0;
        }
        rows.back().push_back(i);
        x += widths[i];
    }
    layout.rows = int(rows.size());
    layout.tabs.resize(tabs_.size());
    std::size_t selectedRow = 0;
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (std::find(rows[row].begin(), rows[row].end(), std::size_t(std::max<std::intptr_t>(current_, 0))) !=
            rows[row].end())
            selectedRow = row;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // Rows keep their turn: the selected one at the bottom, the ones after it above.
        const std::size_t fromBottom = (row + rows.size() - selectedRow) % rows.size();
        const int top = 2 + int(rows.size() - 1 - fromBottom) * RowHeight();
        int used = 0;
        for (std::size_t i : rows[row]) used += widths[i];
        const int extra = rows.size() > 1 ? std::max(0, available - used) : 0;
        int left = 2;
        for (std::size_t n = 0; n < rows[row].size(); ++n) {
            const std::size_t i = rows[row][n];
            // Spread over the row: each tab takes its share of what is left.
            const int width = widths[i] + extra * int(n + 1) / int(rows[row].size()) - extra * int(n) / int(rows[row].size());
            layout.tabs[i] = {left, top, left + width, top + RowHeight()};
            left += width;
        }
    }
    // A single row too long for the room scrolls: the tabs before the first
    // shown one take no room.
    const bool overflows = !multiline && x > available && !tabs_.empty();
    if (overflows) {
        const int shift = layout.tabs[std::min(firstTab_, tabs_.size() - 1)].left - 2;
        for (std::size_t i = 0; i < tabs_.size(); ++i) {
            RECT& r = layout.tabs[i];
            OffsetRect(&r, -shift, 0);
            if (i < firstTab_) r.right = r.left;
        }
    }
    UpdateScroller(overflows);
    return layout;
}

std::intptr_t TabControl::TabAt(POINT p) const {
    const Layout layout = Arrange();
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        const RECT r = ToSide(layout.tabs[i]);
        if (PtInRect(&r, p)) return std::intptr_t(i);
    }
    return -1;
}

// A change of tab by the user: the parent may refuse it.
void TabControl::Choose(std::intptr_t index) {
    if (!Valid(index) || index == current_) return;
    NMHDR header;
    if (NotifyParent(window_, header, TCN_SELCHANGING)) return;
    current_ = focusTab_ = index;
    Redraw();
    NotifyParent(window_, header, TCN_SELCHANGE);
}

// The display area for a window rectangle, or (larger) the window
// rectangle for a display area.
void TabControl::AdjustRect(bool larger, RECT* rect) const {
    // The insets on the tabs' side and on the others, as if the tabs were on top.
    const int tabSide = DisplayTop(Arrange()) + (Buttons() ? 1 : 2), side = Buttons() ? 0 : 2 + 2;
    RECT inset{side, tabSide, side, side};
    switch (TabSide()) {
    case onBottom: inset = {side, side, side, tabSide}; break;
    case onLeft: inset = {tabSide, side, side, side}; break;
    case onRight: inset = {side, side, tabSide, side}; break;
    default: break;
    }
    const int sign = larger ? -1 : 1;
    rect->left += sign * inset.left;
    rect->top += sign * inset.top;
    rect->right -= sign * inset.right;
    rect->bottom -= sign * inset.bottom;
}

LRESULT TabControl::Insert(std::intptr_t index, const Tab& tab) {
    if (index < 0) return -1;
    index = std::min<std::intptr_t>(index, std::intptr_t(tabs_.size()));
    tabs_.insert(tabs_.begin() + index, tab);
    if (current_ >= index) ++current_;
    if (current_ < 0) current_ = 0;
    if (focusTab_ < 0 || focusTab_ >= index) focusTab_ = current_;
    Redraw();
    return index;
}

template <class Item>
void TabControl::Read(const Tab& tab, Item& item) const {
    if (item.mask & TCIF_TEXT) CopyItemText(tab.text, item.pszText, item.cchTextMax);
    if (item.mask & TCIF_IMAGE) item.iImage = tab.image;
    if (item.mask & TCIF_PARAM) item.lParam = tab.data;
    if (item.mask & TCIF_STATE) item.dwState = tab.state & item.dwStateMask;
}

template <class Item>
Tab TabControl::Written(Tab tab, const Item& item) const {
    if ((item.mask & TCIF_TEXT) && item.pszText) tab.text = ItemTextOf(item.pszText);
    if (item.mask & TCIF_IMAGE) tab.image = item.iImage;
    if (item.mask & TCIF_PARAM) tab.data = item.lParam;
    if (item.mask & TCIF_STATE) tab.state = (tab.state & ~item.dwStateMask) | (item.dwState & item.dwStateMask);
    return tab;
}

void TabControl::DrawCaption(HDC dc, const Tab& tab, const RECT& r) const {
    const Side side = TabSide();
    if (side == onTop || side == onBottom) {
        RECT text = r;
        DrawText(dc, tab.text.c_str(), int(tab.text.size()), &text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    // Turned a quarter: up the left side, down the right one.
    LOGFONTA turned;
    GetObject(font_.ForDrawing(), sizeof turned, &turned);
    turned.lfEscapement = turned.lfOrientation = side == onLeft ? 900 : 2700;
    const HFONT font = CreateFontIndirect(&turned);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE extent;
    GetTextExtentPoint32(dc, tab.text.c_str(), int(tab.text.size()), &extent);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    if (side == onLeft)
        TextOut(dc, x - extent.cy / 2, y + extent.cx / 2, tab.text.c_str(), int(tab.text.size()));
    else
        TextOut(dc, x + extent.cy / 2, y - extent.cx / 2, tab.text.c_str(), int(tab.text.size()));
    SelectObject(dc, old);
    DeleteObject(font);
}

void TabControl::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const Layout layout = Arrange();
    const int displayTop = DisplayTop(layout);
    const Side side = TabSide();
    FillRect(dc, &client, ControlBrush(window_, dc, WM_CTLCOLORDLG));
    if (!Buttons()) {
        RECT frame = ToSide(RECT{0, displayTop, Strip().cx, Strip().cy});
        DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(Enabled(window_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    // Rows from the top down, each over the one above; the selected tab
    // last, larger, joined to the display area.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < tabs_.size(); ++i)
        if (std::intptr_t(i) != current_) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return layout.tabs[a].top < layout.tabs[b].top; });
    if (Valid(current_)) order.push_back(std::size_t(current_));
    // The edges a tab shows: all but the one towards the display area.
    const UINT open = side == onTop ? BF_BOTTOM : side == onBottom ? BF_TOP : side == onLeft ? BF_RIGHT : BF_LEFT;
    for (std::size_t i : order) {
        if (layout.tabs[i].right <= layout.tabs[i].left) continue;
        RECT flat = layout.tabs[i];
        const bool selected = std::intptr_t(i) == current_;
        if (Buttons()) {
            InflateRect(&flat, -1, -1);
            RECT r = ToSide(flat);
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            if (selected)
                DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
            else if (!(Style(window_) & TCS_FLATBUTTONS))
                DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
            DrawCaption(dc, tabs_[i], r);
            continue;
        }
        if (selected) {
            InflateRect(&flat, 2, 2);
            flat.bottom = displayTop + 1;
        }
        RECT r = ToSide(flat);
        RECT fill = ToSide(RECT{flat.left + 1, flat.top + 1, flat.right - 1, flat.bottom});
        FillRect(dc, &fill, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &r, EDGE_RAISED, (BF_RECT & ~open) | BF_SOFT);
        RECT text = ToSide(RECT{flat.left, flat.top + (selected ? 0 : 1), flat.right, flat.bottom});
        DrawCaption(dc, tabs_[i], text);
        if (selected && focused_) {
            RECT focus = r;
            InflateRect(&focus, -3, -3);
            DrawFocusRect(dc, &focus);
        }
    }
    SelectObject(dc, oldFont);
}

LRESULT TabControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_SIZE:
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_HSCROLL:
        if (HWND(lParam) == scroller_ && scroller_ && LOWORD(wParam) == SB_THUMBPOSITION) {
            firstTab_ = std::size_t(std::max(0, int(short(HIWORD(wParam)))));
            Redraw();
        }
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        focused_ = message == WM_SETFOCUS;
        Redraw();
        NMHDR header;
        NotifyParent(window_, header, focused_ ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        const std::intptr_t index = TabAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (index < 0) return 0;
        if (!(Style(window_) & TCS_FOCUSNEVER)) SetFocus(window_);
        Choose(index);
        NMHDR header;
        NotifyParent(window_, header, NM_CLICK);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_LEFT) Choose(current_ - 1);
        if (wParam == VK_RIGHT) Choose(current_ + 1);
        return 0;
    case TCM_GETITEMCOUNT:
        return LRESULT(tabs_.size());
    case TCM_INSERTITEMA:
        return lParam ? Insert(std::intptr_t(wParam), Written(Tab{}, *reinterpret_cast<const TCITEMA*>(lParam))) : -1;
    case TCM_INSERTITEMW:
        return lParam ? Insert(std::intptr_t(wParam), Written(Tab{}, *reinterpret_cast<const TCITEMW*>(lParam))) : -1;
    case TCM_GETITEMA:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        Read(tabs_[wParam], *reinterpret_cast<TCITEMA*>(lParam));
        return TRUE;
    case TCM_GETITEMW:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        Read(tabs_[wParam], *reinterpret_cast<TCITEMW*>(lParam));
        return TRUE;
    case TCM_SETITEMA:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        tabs_[wParam] = Written(tabs_[wParam], *reinterpret_cast<const TCITEMA*>(lParam));
        Redraw();
        return TRUE;
    case TCM_SETITEMW:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        tabs_[wParam] = Written(tabs_[wParam], *reinterpret_cast<const TCITEMW*>(lParam));
        Redraw();
        return TRUE;
    case TCM_DELETEITEM: {
        const auto index = std::intptr_t(wParam);
        if (!Valid(index)) return FALSE;
        tabs_.erase(tabs_.begin() + index);
        if (current_ > index || current_ >= std::intptr_t(tabs_.size())) --current_;
        if (focusTab_ > index || focusTab_ >= std::intptr_t(tabs_.size())) --focusTab_;
        Redraw();
        return TRUE;
    }
    case TCM_DELETEALLITEMS:
        tabs_.clear();
        current_ = focusTab_ = -1;
        firstTab_ = 0;
        Redraw();
        return TRUE;
    case TCM_GETCURSEL:
        return current_;
    case TCM_SETCURSEL: {
        const std::intptr_t previous = current_;
        if (!Valid(std::intptr_t(wParam))) return -1;
        current_ = focusTab_ = std::intptr_t(wParam);
        Redraw();
        return previous;
    }
    case TCM_GETCURFOCUS:
        return focusTab_;
    case TCM_SETCURFOCUS:
        if (Valid(std::intptr_t(wParam))) Choose(std::intptr_t(wParam));
        return 0;
    case TCM_GETITEMRECT:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = TabRect(wParam);
        return TRUE;
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        if (!info) return -1;
        const std::intptr_t index = TabAt(info->pt);
        info->flags = index < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
        return index;
    }
    case TCM_ADJUSTRECT:
        if (lParam) AdjustRect(wParam != 0, reinterpret_cast<RECT*>(lParam));
        return 0;
    case TCM_GETROWCOUNT:
        return tabs_.empty() ? 0 : Arrange().rows;
    case TCM_SETITEMSIZE: {
        const LRESULT previous = MAKELONG(WORD(fixedWidth_), WORD(RowHeight()));
        fixedWidth_ = (Style(window_) & TCS_FIXEDWIDTH) ? LOWORD(lParam) : 0;
        fixedHeight_ = HIWORD(lParam);
        Redraw();
        return previous;
    }
    case TCM_GETIMAGELIST:
        return LRESULT(imageList_);
    case TCM_SETIMAGELIST: {
        const HANDLE previous = imageList_;
        imageList_ = HANDLE(lParam);
        return LRESULT(previous);
    }
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterTabControlClass() {
    RegisterControlClass("SysTabControl32", &ControlProcedure<TabControl>, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, 0);
}

}  // namespace ctl
