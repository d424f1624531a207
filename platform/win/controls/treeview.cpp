// The "SysTreeView32" window class: a tree of text items in the classic
// look, with expand buttons (TVS_HASBUTTONS), dotted lines (TVS_HASLINES)
// and buttons on the root items (TVS_LINESATROOT). A click on a button, a
// double click or the arrow keys expand and collapse items, and a click or
// the arrow keys select one; the parent hears of both through TVN_
// notifications (TVN_SELCHANGING and TVN_ITEMEXPANDING may refuse), of
// clicks through NM_CLICK after the button is released, and of every item
// deleted through TVN_DELETEITEM. TVM_EXPAND sent by the program expands
// without notifications, as the platform's does. The view scrolls a row
// at a time with its vertical scroll bar, the wheel and the keys.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/win/commctrl_treeview.h"
#include "platform/win/controls/common.h"
#include "platform/win/userdraw.h"

struct TREEITEM {
    TREEITEM* parent = nullptr;
    std::vector<std::unique_ptr<TREEITEM>> children;
    AnsiString text;
    LPARAM data = 0;
    UINT state = 0;
    int image = 0, selectedImage = 0;
    int depth = -1;  // the hidden root is -1
};

namespace ctl {
namespace {

constexpr int defaultIndent = 19, buttonSize = 9;

class TreeView {
public:
    explicit TreeView(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    int RowHeight() const { return font_.TextHeight() + 4; }
    int VisibleRows() const { return std::max(1, int(ClientRect(window_).bottom) / RowHeight()); }
    bool ButtonsAtRoot() const { return (Style(window_) & TVS_LINESATROOT) != 0; }
    // The expanded part of the tree, in display order.
    std::vector<TREEITEM*> Rows() const;
    int RowOf(const TREEITEM* item) const;
    int ItemLeft(const TREEITEM* item) const;
    RECT LabelRect(HDC dc, const TREEITEM* item, int row) const;
    HTREEITEM HitTest(POINT p, UINT* flags) const;
    bool Known(const TREEITEM* item) const;
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, std::unique_ptr<TREEITEM> item);
    void DeleteChildren(TREEITEM* item);
    void Delete(TREEITEM* item);
    LRESULT Notify(UINT code, TREEITEM* oldItem, TREEITEM* newItem, UINT action);
    bool Expand(TREEITEM* item, WPARAM code, bool byUser);
    bool Select(TREEITEM* item, UINT action);
    void EnsureVisible(TREEITEM* item);
    HTREEITEM NextItem(HTREEITEM item, WPARAM relation) const;
    void ScrollTo(int top);
    void UpdateScrollBar();
    void Changed() {
        UpdateScrollBar();
        InvalidateRect(window_, nullptr, TRUE);
    }
    template <class Char>
    LRESULT GetItem(TVITEMT<Char>& item) const;
    template <class Char>
    LRESULT SetItem(const TVITEMT<Char>& item);
    template <class Char>
    LRESULT InsertItem(const TVINSERTSTRUCTT<Char>& insert);
    bool KeyDown(WPARAM key);

    HWND window_;
    ControlFont font_;
    TREEITEM root_;
    TREEITEM* selected_ = nullptr;
    int top_ = 0;  // the first row shown
    int indent_ = defaultIndent;
    bool focused_ = false;
    HTREEITEM pressed_ = nullptr;  // the item a left press selected, for NM_CLICK
};

std::vector<TREEITEM*> TreeView::Rows() const {
    std::vector<TREEITEM*> rows;
    const auto add = [&rows](const auto& self, const TREEITEM& parent) -> void {
        for (const auto& child : parent.children) {
            rows.push_back(child.get());
            if (child->state & TVIS_EXPANDED) self(self, *child);
        }
    };
    add(add, root_);
    return rows;
}

int TreeView::RowOf(const TREEITEM* item) const {
    const std::vector<TREEITEM*> rows = Rows();
    const auto at = std::find(rows.begin(), rows.end(), item);
    return at == rows.end() ? -1 : int(at - rows.begin());
}

// Where the item's label starts: one indent per level, one more for the
// buttons and lines of root items.
int TreeView::ItemLeft(const TREEITEM* item) const {
    return (item->depth + (ButtonsAtRoot() ? 1 : 0)) * indent_ + 2;
}

RECT TreeView::LabelRect(HDC dc, const TREEITEM* item, int row) const {
    const int left = ItemLeft(item);
    const int top = (row - top_) * RowHeight();
    return {left, top, left + TextWidth(dc, item->text) + 4, top + RowHeight()};
}

HTREEITEM TreeView::HitTest(POINT p, UINT* flags) const {
    const RECT client = ClientRect(window_);
    *flags = TVHT_NOWHERE;
    if (p.x < 0 || p.y < 0 || p.x >= client.right || p.y >= client.bottom) return nullptr;
    const std::vector<TREEITEM*> rows = Rows();
    const int row = top_ + p.y / RowHeight();
    if (row >= int(rows.size())) return nullptr;
    TREEITEM* item = rows[std::size_t(row)];
    const MeasuringDC measuring(font_.ForDrawing());
    const RECT label = LabelRect(measuring.dc(), item, row);
    const int buttonCentre = label.left - 2 - indent_ / 2;
    if (p.x >= label.right)
        *flags = TVHT_ONITEMRIGHT;
    else if (p.x >= label.left)
        *flags = TVHT_ONITEMLABEL;
    else if (!item->children.empty() && (Style(window_) & TVS_HASBUTTONS) && std::abs(p.x - buttonCentre) <= buttonSize / 2 + 1 &&
             (item->depth > 0 || ButtonsAtRoot()))
        *flags = TVHT_ONITEMBUTTON;
    else
        *flags = TVHT_ONITEMINDENT;
    return item;
}

bool TreeView::Known(const TREEITEM* item) const {
    for (const TREEITEM* at = item; at; at = at->parent)
        if (at == &root_) return item != &root_;
    return false;
}

HTREEITEM TreeView::Insert(HTREEITEM parent, HTREEITEM after, std::unique_ptr<TREEITEM> item) {
    TREEITEM* owner = parent == TVI_ROOT || !parent ? &root_ : parent;
    if (owner != &root_ && !Known(owner)) return nullptr;
    auto& children = owner->children;
    auto at = children.end();
    if (after == TVI_FIRST) {
        at = children.begin();
    } else if (after != TVI_LAST && after) {
        const auto found = std::find_if(children.begin(), children.end(), [after](const auto& c) { return c.get() == after; });
        if (found != children.end()) at = found + 1;
    }
    item->parent = owner;
    item->depth = owner->depth + 1;
    item->state &= ~TVIS_SELECTED;
    const HTREEITEM made = children.insert(at, std::move(item))->get();
    Changed();
    return made;
}

// Tells the parent of each item as it goes, the children first.
void TreeView::DeleteChildren(TREEITEM* item) {
    while (!item->children.empty()) Delete(item->children.back().get());
}

void TreeView::Delete(TREEITEM* item) {
    DeleteChildren(item);
    if (item == selected_) selected_ = nullptr;
    if (item == pressed_) pressed_ = nullptr;
    if (IsWindow(window_)) Notify(TVN_DELETEITEM, item, nullptr, TVC_UNKNOWN);
    auto& siblings = item->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [item](const auto& c) { return c.get() == item; }));
}

LRESULT TreeView::Notify(UINT code, TREEITEM* oldItem, TREEITEM* newItem, UINT action) {
    NMTREEVIEWA notice;
    notice.action = action;
    for (auto [record, item] : {std::pair{&notice.itemOld, oldItem}, std::pair{&notice.itemNew, newItem}}) {
        if (!item) continue;
        record->mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
        record->hItem = item;
        record->state = item->state;
        record->lParam = item->data;
    }
    return NotifyParent(window_, notice.hdr, code);
}

bool TreeView::Expand(TREEITEM* item, WPARAM code, bool byUser) {
    const bool expanded = item->state & TVIS_EXPANDED;
    const bool expand = (code & TVE_TOGGLE) == TVE_TOGGLE ? !expanded : (code & TVE_EXPAND) != 0;
    if (expand == expanded || (expand && item->children.empty())) return false;
    const UINT action = expand ? UINT(TVE_EXPAND) : UINT(TVE_COLLAPSE);
    if (byUser && Notify(TVN_ITEMEXPANDING, nullptr, item, action)) return false;
    item->state ^= TVIS_EXPANDED;
    // A selection inside a collapsed branch moves up to it.
    if (!expand && selected_)
        for (TREEITEM* at = selected_->parent; at; at = at->parent)
            if (at == item) {
                Select(item, TVC_UNKNOWN);
                break;
            }
    top_ = std::clamp(top_, 0, std::max(0, int(Rows().size()) - VisibleRows()));
    Changed();
    if (byUser) Notify(TVN_ITEMEXPANDED, nullptr, item, action);
    return true;
}

bool TreeView::Select(TREEITEM* item, UINT action) {
    if (item == selected_) return true;
    if (Notify(TVN_SELCHANGING, selected_, item, action)) return false;
    TREEITEM* old = selected_;
    if (old) old->state &= ~TVIS_SELECTED;
    selected_ = item;
    if (item) {
        item->state |= TVIS_SELECTED;
        EnsureVisible(item);
    }
    Changed();
    Notify(TVN_SELCHANGED, old, item, action);
    return true;
}

// Expands the item's ancestors and scrolls it into view.
void TreeView::EnsureVisible(TREEITEM* item) {
    for (TREEITEM* at = item->parent; at && at != &root_; at = at->parent) at->state |= TVIS_EXPANDED;
    const int row = RowOf(item);
    if (row < top_)
        ScrollTo(row);
    else if (row >= top_ + VisibleRows())
        ScrollTo(row - VisibleRows() + 1);
    Changed();
}

HTREEITEM TreeView::NextItem(HTREEITEM item, WPARAM relation) const {
    const auto sibling = [](const TREEITEM* of, int step) -> HTREEITEM {
        const auto& siblings = of->parent->children;
        const auto at = std::find_if(siblings.begin(), siblings.end(), [of](const auto& c) { return c.get() == of; });
        const auto index = (at - siblings.begin()) + step;
        return index >= 0 && index < std::ptrdiff_t(siblings.size()) ? siblings[std::size_t(index)].get() : nullptr;
    };
    switch (relation) {
    case TVGN_ROOT:
        return root_.children.empty() ? nullptr : root_.children.front().get();
    case TVGN_CARET:
        return selected_;
    case TVGN_FIRSTVISIBLE: {
        const std::vector<TREEITEM*> rows = Rows();
        return top_ < int(rows.size()) ? rows[std::size_t(top_)] : nullptr;
    }
    default:
        break;
    }
    if (!Known(item)) return nullptr;
    switch (relation) {
    case TVGN_NEXT:
        return sibling(item, 1);
    case TVGN_PREVIOUS:
        return sibling(item, -1);
    case TVGN_PARENT:
        return item->parent == &root_ ? nullptr : item->parent;
    case TVGN_CHILD:
        return item->children.empty() ? nullptr : item->children.front().get();
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
        const std::vector<TREEITEM*> rows = Rows();
        const int row = RowOf(item) + (relation == TVGN_NEXTVISIBLE ? 1 : -1);
        return row >= 0 && row < int(rows.size()) && RowOf(item) >= 0 ? rows[std::size_t(row)] : nullptr;
    }
    default:
        return nullptr;
    }
}

void TreeView::ScrollTo(int top) {
    top_ = std::clamp(top, 0, std::max(0, int(Rows().size()) - VisibleRows()));
    Changed();
}

void TreeView::UpdateScrollBar() {
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = std::max(0, int(Rows().size()) - 1);
    info.nPage = UINT(VisibleRows());
    info.nPos = top_;
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
}

void TreeView::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const HBRUSH background = ControlBrush(window_, dc, WM_CTLCOLOREDIT);
    FillRect(dc, &client, background);
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    const std::vector<TREEITEM*> rows = Rows();
    const DWORD style = Style(window_);
    const HPEN linePen = CreatePen(PS_DOT, 1, GetSysColor(COLOR_GRAYTEXT));
    const HGDIOBJ oldPen = SelectObject(dc, linePen);
    SetBkMode(dc, TRANSPARENT);
    for (int row = top_; row < int(rows.size()) && (row - top_) * RowHeight() < client.bottom; ++row) {
        const TREEITEM* item = rows[std::size_t(row)];
        const RECT label = LabelRect(dc, item, row);
        const int middle = (label.top + label.bottom) / 2;
        const bool rooted = item->depth > 0 || ButtonsAtRoot();
        const int buttonCentre = label.left - 2 - indent_ / 2;
        if ((style & TVS_HASLINES) && rooted) {
            // To the label, and up to the item above; down when a sibling follows.
            MoveToEx(dc, buttonCentre, middle, nullptr);
            LineTo(dc, label.left, middle);
            // The first item of the tree has nothing above it.
            const bool topmost = item == root_.children.front().get();
            MoveToEx(dc, buttonCentre, topmost ? middle : int(label.top), nullptr);
            LineTo(dc, buttonCentre, item->parent->children.back().get() == item ? middle : label.bottom);
            int ancestorX = buttonCentre - indent_;
            for (const TREEITEM* at = item->parent; at && at->depth >= (ButtonsAtRoot() ? 0 : 1); at = at->parent) {
                if (at->parent->children.back().get() != at) {
                    MoveToEx(dc, ancestorX, label.top, nullptr);
                    LineTo(dc, ancestorX, label.bottom);
                }
                ancestorX -= indent_;
            }
        }
        if ((style & TVS_HASBUTTONS) && rooted && !item->children.empty()) {
            RECT box{buttonCentre - buttonSize / 2, middle - buttonSize / 2, buttonCentre + buttonSize / 2 + 1,
                     middle + buttonSize / 2 + 1};
            FillRect(dc, &box, background);
            FrameRect(dc, &box, GetSysColorBrush(COLOR_GRAYTEXT));
            const HGDIOBJ dotted = SelectObject(dc, GetStockObject(BLACK_PEN));
            MoveToEx(dc, box.left + 2, middle, nullptr);
            LineTo(dc, box.right - 2, middle);
            if (!(item->state & TVIS_EXPANDED)) {
                MoveToEx(dc, buttonCentre, box.top + 2, nullptr);
                LineTo(dc, buttonCentre, box.bottom - 2);
            }
            SelectObject(dc, dotted);
        }
        const bool selected = item == selected_ && (focused_ || (style & TVS_SHOWSELALWAYS));
        if (selected) FillRect(dc, &label, GetSysColorBrush(focused_ ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(!Enabled(window_) ? COLOR_GRAYTEXT
                                     : selected && focused_ ? COLOR_HIGHLIGHTTEXT
                                                            : COLOR_WINDOWTEXT));
        RECT text = label;
        text.left += 2;
        DrawText(dc, item->text.c_str(), int(item->text.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (item == selected_ && focused_) DrawFocusRect(dc, &label);
    }
    SelectObject(dc, oldPen);
    DeleteObject(linePen);
    SelectObject(dc, oldFont);
}

template <class Char>
LRESULT TreeView::GetItem(TVITEMT<Char>& item) const {
    const TREEITEM* node = item.hItem;
    if (!Known(node)) return FALSE;
    if (item.mask & TVIF_TEXT) CopyItemText(node->text, item.pszText, item.cchTextMax);
    if (item.mask & TVIF_PARAM) item.lParam = node->data;
    if (item.mask & TVIF_STATE) item.state = node->state & (item.stateMask ? item.stateMask : ~0u);
    if (item.mask & TVIF_IMAGE) item.iImage = node->image;
    if (item.mask & TVIF_SELECTEDIMAGE) item.iSelectedImage = node->selectedImage;
    if (item.mask & TVIF_CHILDREN) item.cChildren = node->children.empty() ? 0 : 1;
    return TRUE;
}

template <class Char>
LRESULT TreeView::SetItem(const TVITEMT<Char>& item) {
    TREEITEM* node = item.hItem;
    if (!Known(node)) return FALSE;
    if ((item.mask & TVIF_TEXT) && item.pszText) node->text = ItemTextOf(item.pszText);
    if (item.mask & TVIF_PARAM) node->data = item.lParam;
    if (item.mask & TVIF_IMAGE) node->image = item.iImage;
    if (item.mask & TVIF_SELECTEDIMAGE) node->selectedImage = item.iSelectedImage;
    // Selection goes through TVM_SELECTITEM; the expanded state is kept.
    if (item.mask & TVIF_STATE) {
        const UINT kept = TVIS_SELECTED;
        const UINT mask = item.stateMask & ~kept;
        node->state = (node->state & ~mask) | (item.state & mask);
    }
    Changed();
    return TRUE;
}

template <class Char>
LRESULT TreeView::InsertItem(const TVINSERTSTRUCTT<Char>& insert) {
    auto item = std::make_unique<TREEITEM>();
    TVITEMT<Char> values = insert.item;
    const HTREEITEM parent = insert.hParent;
    const HTREEITEM made = Insert(parent, insert.hInsertAfter, std::move(item));
    if (!made) return 0;
    values.hItem = made;
    SetItem(values);
    return LRESULT(made);
}

bool TreeView::KeyDown(WPARAM key) {
    const std::vector<TREEITEM*> rows = Rows();
    if (rows.empty()) return false;
    const int row = selected_ ? RowOf(selected_) : -1;
    const auto selectRow = [&](int to) { Select(rows[std::size_t(std::clamp(to, 0, int(rows.size()) - 1))], TVC_BYKEYBOARD); };
    switch (key) {
    case VK_UP: selectRow(row - 1); return true;
    case VK_DOWN: selectRow(row + 1); return true;
    case VK_HOME: selectRow(0); return true;
    case VK_END: selectRow(int(rows.size()) - 1); return true;
    case VK_PRIOR: selectRow(row - VisibleRows() + 1); return true;
    case VK_NEXT: selectRow(row + VisibleRows() - 1); return true;
    case VK_LEFT:
        if (!selected_) return true;
        // Collapses an open item, or goes up to its parent.
        if (!Expand(selected_, TVE_COLLAPSE, true) && selected_->parent != &root_) Select(selected_->parent, TVC_BYKEYBOARD);
        return true;
    case VK_RIGHT:
        if (!selected_) return true;
        if (!Expand(selected_, TVE_EXPAND, true) && !selected_->children.empty() && (selected_->state & TVIS_EXPANDED))
            Select(selected_->children.front().get(), TVC_BYKEYBOARD);
        return true;
    case VK_ADD: if (selected_) Expand(selected_, TVE_EXPAND, true); return true;
    case VK_SUBTRACT: if (selected_) Expand(selected_, TVE_COLLAPSE, true); return true;
    default: return false;
    }
}

LRESULT TreeView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
    case WM_SETFONT:
    case WM_ENABLE:
        ScrollTo(top_);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        focused_ = message == WM_SETFOCUS;
        Changed();
        NMHDR header;
        NotifyParent(window_, header, focused_ ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        SetFocus(window_);
        UINT flags = 0;
        const HTREEITEM item = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &flags);
        pressed_ = nullptr;
        if (!item || message == WM_RBUTTONDOWN) {
            if (message == WM_RBUTTONDOWN) {
                NMHDR header;
                NotifyParent(window_, header, NM_RCLICK);
            }
            return 0;
        }
        if (flags == TVHT_ONITEMBUTTON) {
            Expand(item, TVE_TOGGLE, true);
            return 0;
        }
        if (flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT | TVHT_ONITEMINDENT)) Select(item, TVC_BYMOUSE);
        if (message == WM_LBUTTONDBLCLK) {
            NMHDR header;
            if (!NotifyParent(window_, header, NM_DBLCLK)) Expand(item, TVE_TOGGLE, true);
            return 0;
        }
        pressed_ = item;
        SetCapture(window_);
        return 0;
    }
    case WM_LBUTTONUP: {
        const bool clicked = pressed_ != nullptr;
        pressed_ = nullptr;
        if (GetCapture() == window_) ReleaseCapture();
        if (clicked) {
            NMHDR header;
            NotifyParent(window_, header, NM_CLICK);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = nullptr;
        return 0;
    case WM_KEYDOWN:
        if (KeyDown(wParam)) return 0;
        break;
    case WM_MOUSEWHEEL:
        ScrollTo(top_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3);
        return 0;
    case WM_VSCROLL: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window_, SB_VERT, &info);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollTo(top_ - 1); break;
        case SB_LINEDOWN: ScrollTo(top_ + 1); break;
        case SB_PAGEUP: ScrollTo(top_ - VisibleRows()); break;
        case SB_PAGEDOWN: ScrollTo(top_ + VisibleRows()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
        case SB_TOP: ScrollTo(0); break;
        case SB_BOTTOM: ScrollTo(int(Rows().size())); break;
        default: break;
        }
        return 0;
    }
    case TVM_INSERTITEMA:
        return lParam ? InsertItem(*reinterpret_cast<const TVINSERTSTRUCTA*>(lParam)) : 0;
    case TVM_INSERTITEMW:
        return lParam ? InsertItem(*reinterpret_cast<const TVINSERTSTRUCTW*>(lParam)) : 0;
    case TVM_GETITEMA:
        return lParam ? GetItem(*reinterpret_cast<TVITEMA*>(lParam)) : FALSE;
    case TVM_GETITEMW:
        return lParam ? GetItem(*reinterpret_cast<TVITEMW*>(lParam)) : FALSE;
    case TVM_SETITEMA:
        return lParam ? SetItem(*reinterpret_cast<const TVITEMA*>(lParam)) : FALSE;
    case TVM_SETITEMW:
        return lParam ? SetItem(*reinterpret_cast<const TVITEMW*>(lParam)) : FALSE;
    case TVM_DELETEITEM: {
        const HTREEITEM item = HTREEITEM(lParam);
        if (!item || item == TVI_ROOT) {
            DeleteChildren(&root_);
        } else {
            if (!Known(item)) return FALSE;
            Delete(item);
        }
        ScrollTo(top_);
        return TRUE;
    }
    case TVM_EXPAND: {
        const HTREEITEM item = HTREEITEM(lParam);
        return Known(item) && Expand(item, wParam, false);
    }
    case TVM_GETCOUNT: {
        std::size_t count = 0;
        const auto add = [&count](const auto& self, const TREEITEM& parent) -> void {
            for (const auto& child : parent.children) {
                ++count;
                self(self, *child);
            }
        };
        add(add, root_);
        return LRESULT(count);
    }
    case TVM_GETINDENT:
        return indent_;
    case TVM_SETINDENT:
        indent_ = std::max(int(wParam), buttonSize + 2);
        Changed();
        return 0;
    case TVM_GETITEMHEIGHT:
        return RowHeight();
    case TVM_GETNEXTITEM:
        return LRESULT(NextItem(HTREEITEM(lParam), wParam));
    case TVM_SELECTITEM: {
        if (wParam == TVGN_FIRSTVISIBLE) {
            const int row = RowOf(HTREEITEM(lParam));
            if (row >= 0) ScrollTo(row);
            return row >= 0;
        }
        if (wParam != TVGN_CARET) return FALSE;
        const HTREEITEM item = HTREEITEM(lParam);
        return (!item || Known(item)) && Select(item, TVC_UNKNOWN);
    }
    case TVM_ENSUREVISIBLE: {
        const HTREEITEM item = HTREEITEM(lParam);
        if (!Known(item)) return FALSE;
        EnsureVisible(item);
        return TRUE;
    }
    case TVM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect) return FALSE;
        HTREEITEM item = nullptr;
        std::memcpy(&item, static_cast<const void*>(rect), sizeof item);
        const int row = Known(item) ? RowOf(item) : -1;
        if (row < 0) return FALSE;
        const MeasuringDC measuring(font_.ForDrawing());
        *rect = LabelRect(measuring.dc(), item, row);
        // Without wParam, the whole row.
        if (!wParam) {
            rect->left = 0;
            rect->right = ClientRect(window_).right;
        }
        return TRUE;
    }
    case TVM_HITTEST: {
        auto* info = reinterpret_cast<TVHITTESTINFO*>(lParam);
        if (!info) return 0;
        info->hItem = HitTest(info->pt, &info->flags);
        return LRESULT(info->hItem);
    }
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterTreeViewClass() {
    RegisterControlClass(WC_TREEVIEW, &ControlProcedure<TreeView>, CS_DBLCLKS, 0);
}

}  // namespace ctl
