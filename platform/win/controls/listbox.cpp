// The "ListBox" window class and the "ComboLBox" list a combo box drops
// down: items with text and data, single, multiple and extended selection,
// owner-drawn items of fixed or variable height, several columns, LB_
// messages and LBN_ notifications. A list made with WS_VSCROLL keeps its
// vertical bar's range, page (the rows in view) and position on its items,
// hiding the bar while everything fits. A "ComboLBox" belongs to the combo box
// named in its creation parameter: it follows the mouse while dropped,
// reports the choice to the combo box (LBX_CHOSEN / LBX_CANCELLED) and
// draws owner-drawn items for the combo box's parent.
#include <algorithm>
#include <vector>

#include "platform/rtl/sysutils.h"
#include "platform/win/controls/common.h"

namespace ctl {
namespace {

struct Item {
    AnsiString text;
    ULONG_PTR data = 0;
    bool selected = false;
    int height = 0;
};

class ListBox {
public:
    explicit ListBox(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    DWORD StyleBits() const { return Style(window_); }
    bool Multiple() const { return (StyleBits() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
    bool OwnerDraw() const { return (StyleBits() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (StyleBits() & LBS_HASSTRINGS); }
    bool Valid(std::intptr_t index) const { return index >= 0 && std::size_t(index) < items_.size(); }
    int ItemHeightOf(std::size_t index) const {
        return (StyleBits() & LBS_OWNERDRAWVARIABLE) ? items_[index].height : itemHeight_;
    }
    int VisibleRows() const;
    // The top item within reach: a single column stops with its last page full.
    std::intptr_t ClampedTop(std::intptr_t top) const;
    void UpdateScrollBar();
    RECT ItemRect(std::size_t index) const;
    std::intptr_t ItemAt(POINT p, bool* outside = nullptr) const;
    std::intptr_t Find(std::intptr_t start, const char* text, bool exact) const;
    LRESULT Insert(std::intptr_t index, LPARAM value);
    void Measure(std::size_t index);

    void SetCurSel(std::intptr_t index);
    void SelectRange(std::size_t from, std::size_t to, bool select);
    void SetCaret(std::intptr_t index);
    void EnsureVisible(std::intptr_t index);
    void Notify(UINT code);
    void ClickAt(std::intptr_t index, WPARAM keys, bool dragging);
    // A dropped list holds the mouse: a press on its own bar is handed to
    // the bar, and the list takes the mouse back afterwards.
    bool PressOnOwnBar(POINT client);
    void KeyDown(WPARAM key);
    void Redraw() {
        UpdateScrollBar();
        InvalidateRect(window_, nullptr, TRUE);
    }
    void DrawItem(HDC dc, std::size_t index, const RECT& box);

    HWND window_;
    HWND combo_ = 0;  // the combo box a "ComboLBox" belongs to
    ControlFont font_;
    std::vector<Item> items_;
    std::intptr_t current_ = -1;  // the selection of a single-selection list
    std::intptr_t caret_ = -1;
    std::intptr_t anchor_ = -1;
    std::intptr_t top_ = 0;
    int itemHeight_ = 0;
    int columnWidth_ = 0;
    bool focused_ = false;
    bool tracking_ = false;
    bool verticalBar_ = false;  // made with WS_VSCROLL, so the bar comes and goes with the items
};

int ListBox::VisibleRows() const {
    const RECT client = ClientRect(window_);
    return std::max(1, int(client.bottom) / std::max(1, itemHeight_));
}

std::intptr_t ListBox::ClampedTop(std::intptr_t top) const {
    const auto count = std::intptr_t(items_.size());
    const std::intptr_t last = (StyleBits() & LBS_MULTICOLUMN) ? count - 1 : count - VisibleRows();
    return std::clamp<std::intptr_t>(top, 0, std::max<std::intptr_t>(0, last));
}

void ListBox::UpdateScrollBar() {
    if (!verticalBar_) return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((StyleBits() & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
    info.nMin = 0;
    info.nMax = int(items_.size()) - 1;
    info.nPage = UINT(VisibleRows());
    info.nPos = int(top_);
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

RECT ListBox::ItemRect(std::size_t index) const {
    const RECT client = ClientRect(window_);
    if (StyleBits() & LBS_MULTICOLUMN) {
        const int rows = VisibleRows();
        const int relative = int(index) - int(top_);
        const int column = relative >= 0 ? relative / rows : -1 - (-relative - 1) / rows;
        const int row = relative - column * rows;
        const int width = columnWidth_ ? columnWidth_ : client.right;
        return {column * width, row * itemHeight_, (column + 1) * width, (row + 1) * itemHeight_};
    }
    int y = 0;
    if (std::intptr_t(index) >= top_)
        for (std::intptr_t i = top_; i < std::intptr_t(index); ++i) y += ItemHeightOf(std::size_t(i));
    else
        for (std::intptr_t i = std::intptr_t(index); i < top_; ++i) y -= ItemHeightOf(std::size_t(i));
    return {0, y, client.right, y + ItemHeightOf(index)};
}

std::intptr_t ListBox::ItemAt(POINT p, bool* outside) const {
    const RECT client = ClientRect(window_);
    if (outside) *outside = !PtInRect(&client, p);
    if (items_.empty()) return -1;
    for (std::size_t i = std::size_t(std::max<std::intptr_t>(top_, 0)); i < items_.size(); ++i) {
        const RECT r = ItemRect(i);
        if (r.top >= client.bottom && !(StyleBits() & LBS_MULTICOLUMN)) break;
        if (p.y >= r.top && p.y < r.bottom && ((StyleBits() & LBS_MULTICOLUMN) ? p.x >= r.left && p.x < r.right : true))
            return std::intptr_t(i);
    }
    // Beyond the items: the nearest one, as the platform answers.
    if (outside) *outside = true;
    return p.y < 0 ? top_ : std::intptr_t(items_.size()) - 1;
}

// Items whose text starts with (or, `exact`, equals) `text`, ignoring
// ASCII case, searching from after `start` and wrapping around.
std::intptr_t ListBox::Find(std::intptr_t start, const char* text, bool exact) const {
    if (items_.empty() || !text) return LB_ERR;
    const AnsiString wanted = text;
    const std::size_t count = items_.size();
    const std::size_t first = Valid(start) ? std::size_t(start) + 1 : 0;
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t i = (first + n) % count;
        const AnsiString& candidate = items_[i].text;
        if (!HasStrings()) {
            if (items_[i].data == ULONG_PTR(reinterpret_cast<std::uintptr_t>(text))) return std::intptr_t(i);
            continue;
        }
        const AnsiString compared = exact ? candidate : candidate.substr(0, wanted.size());
        if (compared.size() == wanted.size() && SameText(compared, wanted)) return std::intptr_t(i);
    }
    return LB_ERR;
}

void ListBox::Measure(std::size_t index) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = combo_ ? ODT_COMBOBOX : ODT_LISTBOX;
    const HWND control = combo_ ? combo_ : window_;
    measure.CtlID = UINT(GetDlgCtrlID(control));
    measure.itemID = UINT(index);
    measure.itemHeight = UINT(itemHeight_);
    measure.itemData = items_[index].data;
    SendMessage(NotifyTarget(control), WM_MEASUREITEM, measure.CtlID, LPARAM(&measure));
    items_[index].height = int(measure.itemHeight);
}

LRESULT ListBox::Insert(std::intptr_t index, LPARAM value) {
    Item item;
    if (HasStrings())
        item.text = value ? reinterpret_cast<const char*>(value) : "";
    else
        item.data = ULONG_PTR(value);
    if (!Valid(index)) index = std::intptr_t(items_.size());
    items_.insert(items_.begin() + index, std::move(item));
    if (current_ >= index) ++current_;
    if (caret_ >= index) ++caret_;
    if (StyleBits() & LBS_OWNERDRAWVARIABLE) Measure(std::size_t(index));
    Redraw();
    return index;
}

void ListBox::SetCurSel(std::intptr_t index) {
    if (!Valid(index)) index = -1;
    current_ = index;
    caret_ = index;
    anchor_ = index;
    EnsureVisible(index);
    Redraw();
}

void ListBox::SelectRange(std::size_t from, std::size_t to, bool select) {
    if (from > to) std::swap(from, to);
    for (std::size_t i = from; i <= to && i < items_.size(); ++i) items_[i].selected = select;
    Redraw();
}

void ListBox::SetCaret(std::intptr_t index) {
    caret_ = index;
    EnsureVisible(index);
    Redraw();
}

void ListBox::EnsureVisible(std::intptr_t index) {
    if (!Valid(index)) return;
    const RECT client = ClientRect(window_);
    if (index < top_) {
        top_ = index;
        return;
    }
    if (StyleBits() & LBS_MULTICOLUMN) {
        const int width = columnWidth_ ? columnWidth_ : client.right;
        const int columns = std::max(1, int(client.right) / std::max(1, width));
        while (index >= top_ + columns * VisibleRows()) top_ += VisibleRows();
        return;
    }
    while (top_ < index && ItemRect(std::size_t(index)).bottom > client.bottom) ++top_;
}

void ListBox::Notify(UINT code) {
    if (combo_) {
        SendMessage(combo_, WM_COMMAND, MAKEWPARAM(0, int(code)), LPARAM(window_));
        return;
    }
    if ((StyleBits() & LBS_NOTIFY) || code == LBN_SELCHANGE) NotifyCommand(window_, code);
}

// A press (or a drag over) `index` with the mouse keys `keys`.
void ListBox::ClickAt(std::intptr_t index, WPARAM keys, bool dragging) {
    if (!Valid(index) || (StyleBits() & LBS_NOSEL)) return;
    if (!Multiple()) {
        if (current_ == index) return;
        SetCurSel(index);
        Notify(LBN_SELCHANGE);
        return;
    }
    if (StyleBits() & LBS_MULTIPLESEL) {
        if (dragging) return;
        items_[std::size_t(index)].selected = !items_[std::size_t(index)].selected;
    } else if ((keys & MK_SHIFT) || dragging) {
        if (!(keys & MK_CONTROL))
            for (auto& item : items_) item.selected = false;
        SelectRange(std::size_t(std::max<std::intptr_t>(anchor_, 0)), std::size_t(index), true);
    } else if (keys & MK_CONTROL) {
        items_[std::size_t(index)].selected = !items_[std::size_t(index)].selected;
        anchor_ = index;
    } else {
        for (auto& item : items_) item.selected = false;
        items_[std::size_t(index)].selected = true;
        anchor_ = index;
    }
    SetCaret(index);
    Notify(LBN_SELCHANGE);
}

bool ListBox::PressOnOwnBar(POINT client) {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    const LPARAM at = MAKELPARAM(screen.x, screen.y);
    if (SendMessage(window_, WM_NCHITTEST, 0, at) != HTVSCROLL) return false;
    const bool held = GetCapture() == window_;
    SendMessage(window_, WM_NCLBUTTONDOWN, HTVSCROLL, at);
    if (held && IsWindowVisible(window_)) SetCapture(window_);
    return true;
}

void ListBox::KeyDown(WPARAM key) {
    if (items_.empty()) return;
    const std::intptr_t last = std::intptr_t(items_.size()) - 1;
    const std::intptr_t from = Multiple() ? caret_ : current_;
    std::intptr_t to = from;
    switch (key) {
    case VK_UP: to = from - 1; break;
    case VK_DOWN: to = from + 1; break;
    case VK_PRIOR: to = from - VisibleRows() + 1; break;
    case VK_NEXT: to = from + VisibleRows() - 1; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = last; break;
    case VK_SPACE:
        if (Multiple() && Valid(caret_)) ClickAt(caret_, MK_CONTROL, false);
        return;
    default: return;
    }
    to = std::clamp<std::intptr_t>(to, 0, last);
    if (to == from) return;
    if (Multiple() && (StyleBits() & LBS_MULTIPLESEL)) {
        SetCaret(to);
        return;
    }
    ClickAt(to, ShiftDown() ? MK_SHIFT : 0, false);
}

void ListBox::DrawItem(HDC dc, std::size_t index, const RECT& box) {
    const bool selected = Multiple() ? items_[index].selected : std::intptr_t(index) == current_;
    const bool focus = focused_ && std::intptr_t(index) == caret_ && !combo_;
    if (OwnerDraw()) {
        ParentDrawItem(combo_ ? combo_ : window_, combo_ ? ODT_COMBOBOX : ODT_LISTBOX, UINT(index),
                       (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) | (Enabled(window_) ? 0 : ODS_DISABLED),
                       dc, box, items_[index].data);
        return;
    }
    if (selected) FillRect(dc, &box, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, !Enabled(window_) ? GetSysColor(COLOR_GRAYTEXT)
                     : selected        ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                       : GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    RECT text = box;
    text.left += 2;
    const AnsiString& caption = items_[index].text;
    DrawText(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
    if (focus) DrawFocusRect(dc, &box);
}

void ListBox::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    FillRect(dc, &client, ControlBrush(combo_ ? combo_ : window_, dc, WM_CTLCOLORLISTBOX));
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    for (std::size_t i = std::size_t(std::max<std::intptr_t>(top_, 0)); i < items_.size(); ++i) {
        const RECT box = ItemRect(i);
        if (box.left >= client.right || (box.top >= client.bottom && !(StyleBits() & LBS_MULTICOLUMN))) break;
        if (box.top >= client.bottom) continue;
        DrawItem(dc, i, box);
    }
    if (focused_ && !Valid(caret_) && !combo_) {
        RECT box{0, 0, client.right, itemHeight_};
        DrawFocusRect(dc, &box);
    }
    SelectObject(dc, oldFont);
}

LRESULT ListBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (ClassNameOf(window_) == "ComboLBox" && cs) combo_ = HWND(reinterpret_cast<std::uintptr_t>(cs->lpCreateParams));
        // A list box tells the window it was created in, also after SetParent
        // moves it (a list floating above everything keeps its owner-draw).
        if (cs && cs->hwndParent) SetNotifyTarget(window_, cs->hwndParent);
        itemHeight_ = font_.TextHeight() + 2;
        if (StyleBits() & LBS_OWNERDRAWFIXED) {
            items_.push_back({});
            Measure(0);
            itemHeight_ = items_[0].height;
            items_.clear();
        }
        verticalBar_ = (StyleBits() & WS_VSCROLL) && !(StyleBits() & LBS_MULTICOLUMN);
        UpdateScrollBar();
        return 0;
    }
    case WM_SETFONT:
        if (!OwnerDraw()) itemHeight_ = font_.TextHeight() + 2;
        UpdateScrollBar();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ENABLE:
    case WM_SIZE:
        Redraw();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        focused_ = message == WM_SETFOCUS;
        Redraw();
        Notify(focused_ ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    case WM_MOUSEACTIVATE:
        return combo_ ? MA_NOACTIVATE : DefWindowProc(window_, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        bool outside = false;
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const std::intptr_t index = ItemAt(p, &outside);
        if (combo_) {
            if (outside && PressOnOwnBar(p)) return 0;
            // A press outside the dropped list ends the choice without one.
            if (outside) SendMessage(combo_, LBX_CANCELLED, 0, 0);
            else ClickAt(index, 0, false);
            return 0;
        }
        SetFocus(window_);
        SetCapture(window_);
        tracking_ = true;
        if (!outside || Multiple()) ClickAt(index, wParam, false);
        if (message == WM_LBUTTONDBLCLK && !outside) Notify(LBN_DBLCLK);
        return 0;
    }
    case WM_MOUSEMOVE: {
        bool outside = false;
        const std::intptr_t index = ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &outside);
        if (combo_ && !outside && index != current_) SetCurSel(index);
        if (tracking_ && !(StyleBits() & LBS_MULTIPLESEL)) ClickAt(index, wParam, Multiple());
        return 0;
    }
    case WM_LBUTTONUP: {
        if (combo_) {
            bool outside = false;
            ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &outside);
            if (!outside) SendMessage(combo_, LBX_CHOSEN, WPARAM(current_), 0);
            return 0;
        }
        if (tracking_) {
            tracking_ = false;
            ReleaseCapture();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        tracking_ = false;
        return 0;
    case WM_VSCROLL: {
        // The requests of a scroll bar beside the list, as for its own bar.
        const std::intptr_t last = ClampedTop(std::intptr_t(items_.size()));
        std::intptr_t top = top_;
        switch (LOWORD(wParam)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= VisibleRows(); break;
        case SB_PAGEDOWN: top += VisibleRows(); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: top = HIWORD(wParam); break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = last; break;
        default: return 0;
        }
        top_ = ClampedTop(top);
        Redraw();
        return 0;
    }
    case WM_MOUSEWHEEL: {
        const int steps = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        top_ = ClampedTop(top_ - steps * 3);
        Redraw();
        return 0;
    }
    case WM_KEYDOWN:
        KeyDown(wParam);
        return 0;
    case WM_CHAR: {
        // A typed character jumps to the next item starting with it.
        if (!HasStrings() || wParam < 0x20) return 0;
        const char text[2] = {char(wParam), 0};
        const std::intptr_t found = Find(Multiple() ? caret_ : current_, text, false);
        if (found != LB_ERR) ClickAt(found, 0, false);
        return 0;
    }
    case LB_ADDSTRING: {
        std::intptr_t index = -1;
        if ((StyleBits() & LBS_SORT) && HasStrings()) {
            const AnsiString text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            index = std::intptr_t(std::upper_bound(items_.begin(), items_.end(), text,
                                                   [](const AnsiString& t, const Item& item) {
                                                       return CompareText(t, item.text) < 0;
                                                   }) -
                                  items_.begin());
        }
        return Insert(index, lParam);
    }
    case LB_INSERTSTRING:
        if (std::intptr_t(wParam) > std::intptr_t(items_.size())) return LB_ERR;
        return Insert(std::intptr_t(wParam), lParam);
    case LB_DELETESTRING: {
        const auto index = std::intptr_t(wParam);
        if (!Valid(index)) return LB_ERR;
        items_.erase(items_.begin() + index);
        for (std::intptr_t* at : {&current_, &caret_, &anchor_}) {
            if (*at == index) *at = -1;
            else if (*at > index) --*at;
        }
        top_ = ClampedTop(top_);
        Redraw();
        return LRESULT(items_.size());
    }
    case LB_RESETCONTENT:
        items_.clear();
        current_ = caret_ = anchor_ = -1;
        top_ = 0;
        Redraw();
        return 0;
    case LB_GETCOUNT:
        return LRESULT(items_.size());
    case LB_SETCURSEL:
        if (Multiple()) return LB_ERR;
        SetCurSel(std::intptr_t(wParam));
        return Valid(std::intptr_t(wParam)) ? LRESULT(wParam) : LB_ERR;
    case LB_GETCURSEL:
        return Multiple() ? caret_ : current_;
    case LB_SETSEL: {
        if (!Multiple()) return LB_ERR;
        const auto index = std::intptr_t(lParam);
        if (index == -1) {
            if (!items_.empty()) SelectRange(0, items_.size() - 1, wParam != 0);
            return 0;
        }
        if (!Valid(index)) return LB_ERR;
        items_[std::size_t(index)].selected = wParam != 0;
        SetCaret(index);
        return 0;
    }
    case LB_GETSEL: {
        const auto index = std::intptr_t(wParam);
        if (!Valid(index)) return LB_ERR;
        return Multiple() ? items_[std::size_t(index)].selected : index == current_;
    }
    case LB_SELITEMRANGE:
        if (!Multiple() || items_.empty()) return LB_ERR;
        SelectRange(std::min<std::size_t>(LOWORD(lParam), items_.size() - 1),
                    std::min<std::size_t>(HIWORD(lParam), items_.size() - 1), wParam != 0);
        return 0;
    case LB_GETSELCOUNT:
        if (!Multiple()) return LB_ERR;
        return std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; });
    case LB_GETSELITEMS: {
        if (!Multiple()) return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        LRESULT n = 0;
        for (std::size_t i = 0; i < items_.size() && std::size_t(n) < wParam; ++i)
            if (items_[i].selected) out[n++] = int(i);
        return n;
    }
    case LB_GETTEXT: {
        const auto index = std::intptr_t(wParam);
        if (!Valid(index)) return LB_ERR;
        if (!HasStrings()) {
            *reinterpret_cast<ULONG_PTR*>(lParam) = items_[std::size_t(index)].data;
            return sizeof(ULONG_PTR);
        }
        const AnsiString& text = items_[std::size_t(index)].text;
        char* out = reinterpret_cast<char*>(lParam);
        std::copy(text.begin(), text.end(), out);
        out[text.size()] = 0;
        return LRESULT(text.size());
    }
    case LB_GETTEXTLEN:
        if (!Valid(std::intptr_t(wParam))) return LB_ERR;
        return HasStrings() ? LRESULT(items_[wParam].text.size()) : LRESULT(sizeof(ULONG_PTR));
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return Find(std::intptr_t(wParam), reinterpret_cast<const char*>(lParam), message == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
        const std::intptr_t found = Find(std::intptr_t(wParam), reinterpret_cast<const char*>(lParam), false);
        if (found == LB_ERR) return LB_ERR;
        if (Multiple()) {
            items_[std::size_t(found)].selected = true;
            SetCaret(found);
        } else {
            SetCurSel(found);
        }
        return found;
    }
    case LB_GETTOPINDEX:
        return top_;
    case LB_SETTOPINDEX:
        if (!Valid(std::intptr_t(wParam))) return LB_ERR;
        top_ = ClampedTop(std::intptr_t(wParam));
        Redraw();
        return 0;
    case LB_GETITEMRECT: {
        if (!Valid(std::intptr_t(wParam))) return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(wParam);
        return 1;
    }
    case LB_GETITEMDATA:
        return Valid(std::intptr_t(wParam)) ? LRESULT(items_[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(std::intptr_t(wParam))) return LB_ERR;
        items_[wParam].data = ULONG_PTR(lParam);
        return 0;
    case LB_SETANCHORINDEX:
        anchor_ = std::intptr_t(wParam);
        return 0;
    case LB_GETANCHORINDEX:
        return anchor_;
    case LB_SETCARETINDEX:
        if (!Valid(std::intptr_t(wParam))) return LB_ERR;
        SetCaret(std::intptr_t(wParam));
        return 0;
    case LB_GETCARETINDEX:
        return Multiple() ? caret_ : current_;
    case LB_SETITEMHEIGHT:
        if (LOWORD(lParam) == 0 || LOWORD(lParam) > 255) return LB_ERR;
        if ((StyleBits() & LBS_OWNERDRAWVARIABLE) && Valid(std::intptr_t(wParam)))
            items_[wParam].height = LOWORD(lParam);
        else
            itemHeight_ = LOWORD(lParam);
        Redraw();
        return 0;
    case LB_GETITEMHEIGHT:
        if ((StyleBits() & LBS_OWNERDRAWVARIABLE) && Valid(std::intptr_t(wParam))) return items_[wParam].height;
        return itemHeight_;
    case LB_SETCOLUMNWIDTH:
        columnWidth_ = int(wParam);
        Redraw();
        return 0;
    case LB_ITEMFROMPOINT: {
        bool outside = false;
        const std::intptr_t index = ItemAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &outside);
        return MAKELONG(WORD(index), WORD(outside ? 1 : 0));
    }
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterListBoxClasses() {
    RegisterControlClass("ListBox", &ControlProcedure<ListBox>, CS_DBLCLKS, 0);
    RegisterControlClass("ComboLBox", &ControlProcedure<ListBox>, CS_DBLCLKS | CS_SAVEBITS, 0);
}

}  // namespace ctl
