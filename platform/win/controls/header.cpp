// The "SysHeader32" window class: column headings in the classic look,
// with clickable buttons (HDS_BUTTONS) and dividers dragged to size the
// columns. HDM_ messages; HDN_ notifications (the ANSI forms, as the
// platform is ANSI), with HDN_ITEMCHANGING and HDN_BEGINTRACK refusable.
#include <algorithm>
#include <numeric>
#include <vector>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr int dividerGrip = 4;

struct Column {
    AnsiString text;
    int width = 0;
    int format = HDF_LEFT | HDF_STRING;
    LPARAM data = 0;
    int image = 0;
    HBITMAP bitmap = 0;
};

class Header {
public:
    explicit Header(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool Valid(std::intptr_t index) const { return index >= 0 && std::size_t(index) < columns_.size(); }
    // Display position -> column index.
    std::size_t ColumnAt(std::size_t position) const { return order_[position]; }
    RECT ItemRect(std::size_t index) const;
    int HitTest(POINT p, UINT* flags) const;
    LRESULT Notify(UINT code, int index, HDITEMA* item = nullptr);
    bool ChangeWidth(std::size_t index, int width);
    template <class Item>
    void Read(const Column& column, std::size_t index, Item& item) const;
    template <class Item>
    Column Written(Column column, const Item& item) const;
    template <class Item>
    LRESULT Insert(std::intptr_t index, const Item& item);
    template <class Item>
    LRESULT Set(std::size_t index, const Item& item);
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    ControlFont font_;
    std::vector<Column> columns_;
    std::vector<std::size_t> order_;
    HANDLE imageList_ = 0;
    int pressed_ = -1;      // the button held down
    bool pressedInside_ = false;
    int tracking_ = -1;     // the column whose divider is dragged
    int trackStartX_ = 0, trackStartWidth_ = 0;
};

RECT Header::ItemRect(std::size_t index) const {
    const RECT client = ClientRect(window_);
    int x = 0;
    for (std::size_t position = 0; position < order_.size(); ++position) {
        const std::size_t column = ColumnAt(position);
        if (column == index) return {x, 0, x + columns_[column].width, client.bottom};
        x += columns_[column].width;
    }
    return {};
}

// The column at a point, and whether the point is on its right divider.
int Header::HitTest(POINT p, UINT* flags) const {
    const RECT client = ClientRect(window_);
    *flags = HHT_NOWHERE;
    if (p.y < 0 || p.y >= client.bottom) return -1;
    // Dividers first, from the right: a zero-width column is still reachable.
    for (std::size_t position = order_.size(); position-- > 0;) {
        const RECT r = ItemRect(ColumnAt(position));
        if (p.x >= r.right - dividerGrip && p.x < r.right + dividerGrip) {
            *flags = HHT_ONDIVIDER;
            return int(ColumnAt(position));
        }
    }
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        const RECT r = ItemRect(column);
        if (p.x >= r.left && p.x < r.right) {
            *flags = HHT_ONHEADER;
            return int(column);
        }
    }
    return -1;
}

LRESULT Header::Notify(UINT code, int index, HDITEMA* item) {
    NMHEADERA header;
    header.iItem = index;
    header.pitem = item;
    return NotifyParent(window_, header.hdr, code);
}

bool Header::ChangeWidth(std::size_t index, int width) {
    HDITEMA item;
    item.mask = HDI_WIDTH;
    item.cxy = std::max(0, width);
    return Set(index, item) != FALSE;
}

template <class Item>
void Header::Read(const Column& column, std::size_t index, Item& item) const {
    if (item.mask & HDI_WIDTH) item.cxy = column.width;
    if (item.mask & HDI_TEXT) CopyItemText(column.text, item.pszText, item.cchTextMax);
    if (item.mask & HDI_FORMAT) item.fmt = column.format;
    if (item.mask & HDI_LPARAM) item.lParam = column.data;
    if (item.mask & HDI_IMAGE) item.iImage = column.image;
    if (item.mask & HDI_BITMAP) item.hbm = column.bitmap;
    if (item.mask & HDI_ORDER)
        item.iOrder = int(std::find(order_.begin(), order_.end(), index) - order_.begin());
}

template <class Item>
Column Header::Written(Column column, const Item& item) const {
    if (item.mask & HDI_WIDTH) column.width = std::max(0, item.cxy);
    if ((item.mask & HDI_TEXT) && item.pszText) column.text = ItemTextOf(item.pszText);
    if (item.mask & HDI_FORMAT) column.format = item.fmt;
    if (item.mask & HDI_LPARAM) column.data = item.lParam;
    if (item.mask & HDI_IMAGE) column.image = item.iImage;
    if (item.mask & HDI_BITMAP) column.bitmap = item.hbm;
    return column;
}

template <class Item>
LRESULT Header::Insert(std::intptr_t index, const Item& item) {
    if (index < 0) return -1;
    index = std::min<std::intptr_t>(index, std::intptr_t(columns_.size()));
    columns_.insert(columns_.begin() + index, Written(Column{}, item));
    for (auto& column : order_)
        if (column >= std::size_t(index)) ++column;
    std::size_t position = std::size_t(index);
    if ((item.mask & HDI_ORDER) && item.iOrder >= 0) position = std::size_t(item.iOrder);
    order_.insert(order_.begin() + std::ptrdiff_t(std::min(position, order_.size())), std::size_t(index));
    Redraw();
    return index;
}

// Changes an item after asking the parent (HDN_ITEMCHANGING may refuse).
template <class Item>
LRESULT Header::Set(std::size_t index, const Item& item) {
    HDITEMA asked;
    asked.mask = item.mask;
    asked.cxy = item.cxy;
    asked.fmt = item.fmt;
    asked.lParam = item.lParam;
    if (Notify(HDN_ITEMCHANGING, int(index), &asked)) return FALSE;
    columns_[index] = Written(columns_[index], item);
    if ((item.mask & HDI_ORDER) && item.iOrder >= 0) {
        order_.erase(std::find(order_.begin(), order_.end(), index));
        order_.insert(order_.begin() + std::ptrdiff_t(std::min<std::size_t>(std::size_t(item.iOrder), order_.size())), index);
    }
    Redraw();
    Notify(HDN_ITEMCHANGED, int(index), &asked);
    return TRUE;
}

void Header::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(Enabled(window_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    int right = 0;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        RECT r = ItemRect(column);
        right = std::max<int>(right, r.right);
        if (r.right <= r.left) continue;
        const Column& c = columns_[column];
        const bool down = int(column) == pressed_ && pressedInside_;
        if (c.format & HDF_OWNERDRAW) {
            ParentDrawItem(window_, ODT_HEADER, UINT(column), down ? ODS_SELECTED : 0, dc, r, ULONG_PTR(c.data));
            continue;
        }
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED | DFCS_FLAT : 0));
        RECT text = r;
        InflateRect(&text, -6, 0);
        if (down) OffsetRect(&text, 1, 1);
        const UINT align = (c.format & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                           : (c.format & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                        : DT_LEFT;
        DrawText(dc, c.text.c_str(), int(c.text.size()), &text,
                 align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    // The empty part right of the last column is a button face too.
    RECT rest{right, 0, std::max<LONG>(client.right, right + 2) + 2, client.bottom};
    if (rest.left < client.right) DrawEdge(dc, &rest, EDGE_RAISED, BF_RECT | BF_SOFT | BF_MIDDLE);
    SelectObject(dc, oldFont);
}

LRESULT Header::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_SETCURSOR: {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(window_, &p);
        UINT flags = 0;
        HitTest(p, &flags);
        if (tracking_ >= 0 || flags == HHT_ONDIVIDER) {
            SetCursor(LoadCursor(0, IDC_SIZEWE));
            return TRUE;
        }
        break;
    }
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        UINT flags = 0;
        const int index = HitTest(p, &flags);
        if (index < 0) return 0;
        if (flags == HHT_ONDIVIDER) {
            HDITEMA item;
            item.mask = HDI_WIDTH;
            item.cxy = columns_[std::size_t(index)].width;
            if (Notify(HDN_BEGINTRACK, index, &item)) return 0;
            tracking_ = index;
            trackStartX_ = p.x;
            trackStartWidth_ = item.cxy;
        } else if (Style(window_) & HDS_BUTTONS) {
            pressed_ = index;
            pressedInside_ = true;
            Redraw();
        } else {
            return 0;
        }
        SetCapture(window_);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        UINT flags = 0;
        const int index = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &flags);
        if (index < 0) return 0;
        Notify(flags == HHT_ONDIVIDER ? HDN_DIVIDERDBLCLICK : HDN_ITEMDBLCLICK, index);
        return 0;
    }
    case WM_MOUSEMOVE: {
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (tracking_ >= 0) {
            HDITEMA item;
            item.mask = HDI_WIDTH;
            item.cxy = std::max(0, trackStartWidth_ + p.x - trackStartX_);
            if (Notify(HDN_TRACK, tracking_, &item)) return 0;
            if (Style(window_) & HDS_FULLDRAG) {
                ChangeWidth(std::size_t(tracking_), item.cxy);
            } else {
                columns_[std::size_t(tracking_)].width = item.cxy;
                Redraw();
            }
        } else if (pressed_ >= 0) {
            const RECT r = ItemRect(std::size_t(pressed_));
            const bool inside = PtInRect(&r, p) != FALSE;
            if (inside != pressedInside_) {
                pressedInside_ = inside;
                Redraw();
            }
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        const int tracked = tracking_, pressed = pressed_;
        const bool inside = pressedInside_;
        tracking_ = pressed_ = -1;
        if (GetCapture() == window_) ReleaseCapture();
        if (tracked >= 0) {
            HDITEMA item;
            item.mask = HDI_WIDTH;
            item.cxy = columns_[std::size_t(tracked)].width;
            Notify(HDN_ENDTRACK, tracked, &item);
            columns_[std::size_t(tracked)].width = trackStartWidth_;
            ChangeWidth(std::size_t(tracked), item.cxy);
        } else if (pressed >= 0) {
            Redraw();
            if (inside) Notify(HDN_ITEMCLICK, pressed);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (pressed_ >= 0) Redraw();
        pressed_ = tracking_ = -1;
        return 0;
    case HDM_GETITEMCOUNT:
        return LRESULT(columns_.size());
    case HDM_INSERTITEMA:
        return lParam ? Insert(std::intptr_t(wParam), *reinterpret_cast<const HDITEMA*>(lParam)) : -1;
    case HDM_INSERTITEMW:
        return lParam ? Insert(std::intptr_t(wParam), *reinterpret_cast<const HDITEMW*>(lParam)) : -1;
    case HDM_GETITEMA:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        Read(columns_[wParam], wParam, *reinterpret_cast<HDITEMA*>(lParam));
        return TRUE;
    case HDM_GETITEMW:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        Read(columns_[wParam], wParam, *reinterpret_cast<HDITEMW*>(lParam));
        return TRUE;
    case HDM_SETITEMA:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        return Set(wParam, *reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_SETITEMW:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        return Set(wParam, *reinterpret_cast<const HDITEMW*>(lParam));
    case HDM_DELETEITEM: {
        if (!Valid(std::intptr_t(wParam))) return FALSE;
        columns_.erase(columns_.begin() + std::ptrdiff_t(wParam));
        order_.erase(std::find(order_.begin(), order_.end(), std::size_t(wParam)));
        for (auto& column : order_)
            if (column > wParam) --column;
        Redraw();
        return TRUE;
    }
    case HDM_GETITEMRECT:
        if (!Valid(std::intptr_t(wParam)) || !lParam) return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(wParam);
        return TRUE;
    case HDM_HITTEST: {
        auto* info = reinterpret_cast<HDHITTESTINFO*>(lParam);
        if (!info) return -1;
        info->iItem = HitTest(info->pt, &info->flags);
        return info->iItem;
    }
    case HDM_LAYOUT: {
        auto* layout = reinterpret_cast<HDLAYOUT*>(lParam);
        if (!layout || !layout->prc || !layout->pwpos) return FALSE;
        const int height = (Style(window_) & HDS_HIDDEN) ? 0 : font_.TextHeight() + 6;
        RECT& area = *layout->prc;
        *layout->pwpos = WINDOWPOS{window_, 0, area.left, area.top, area.right - area.left, height, SWP_NOZORDER};
        area.top += height;
        return TRUE;
    }
    case HDM_ORDERTOINDEX:
        return wParam < order_.size() ? LRESULT(order_[wParam]) : LRESULT(wParam);
    case HDM_GETORDERARRAY: {
        if (wParam != order_.size() || !lParam) return FALSE;
        auto* out = reinterpret_cast<int*>(lParam);
        for (std::size_t i = 0; i < order_.size(); ++i) out[i] = int(order_[i]);
        return TRUE;
    }
    case HDM_SETORDERARRAY: {
        if (wParam != order_.size() || !lParam) return FALSE;
        const auto* in = reinterpret_cast<const int*>(lParam);
        std::vector<std::size_t> order(in, in + wParam);
        std::vector<std::size_t> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        std::vector<std::size_t> expected(order_.size());
        std::iota(expected.begin(), expected.end(), 0);
        if (sorted != expected) return FALSE;
        order_ = order;
        Redraw();
        return TRUE;
    }
    case HDM_SETIMAGELIST: {
        const HANDLE previous = imageList_;
        imageList_ = HANDLE(lParam);
        return LRESULT(previous);
    }
    case HDM_GETIMAGELIST:
        return LRESULT(imageList_);
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterHeaderClass() {
    RegisterControlClass("SysHeader32", &ControlProcedure<Header>, CS_DBLCLKS, 0);
}

}  // namespace ctl
