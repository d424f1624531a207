// The "SysListView32" window class. The report view: rows of items with
// sub-item columns under a "SysHeader32" child that holds the columns, in
// the classic look; check boxes (state images 1 and 2), grid lines and
// whole-row selection as extended styles. The icon and small-icon views put
// the items in rows of equal cells (an icon over or beside its label), the
// list view in columns; each scrolls across its rows or columns. LVM_
// messages; LVN_ and NM_ notifications, with LVN_ITEMCHANGING refusable.
#include <algorithm>
#include <vector>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

constexpr UINT uncheckedImage = INDEXTOSTATEIMAGEMASK(1), checkedImage = INDEXTOSTATEIMAGEMASK(2);
constexpr int checkSize = 13;
constexpr int largeIcon = 32, smallIcon = 16;

struct Row {
    std::vector<AnsiString> texts;  // by sub-item
    LPARAM data = 0;
    UINT state = 0;
    int image = 0;
    int indent = 0;
};

class ListView {
public:
    explicit ListView(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool Valid(std::intptr_t index) const { return index >= 0 && std::size_t(index) < rows_.size(); }
    DWORD View() const { return Style(window_) & LVS_TYPEMASK; }
    bool Report() const { return View() == LVS_REPORT; }
    bool Checkboxes() const { return (exStyle_ & LVS_EX_CHECKBOXES) != 0; }
    int ColumnCount() const { return int(SendMessage(header_, HDM_GETITEMCOUNT, 0, 0)); }
    int RowHeight() const { return std::max(font_.TextHeight() + 4, Checkboxes() ? checkSize + 3 : 0); }
    int HeaderHeight() const;
    int VisibleRows() const;
    RECT ColumnRect(int column) const;
    RECT RowRect(std::size_t index) const;
    RECT SubItemRect(std::size_t index, int column, int code) const;
    RECT CheckRect(std::size_t index) const;
    // The icon, small-icon and list views: the cell each item takes, how
    // many cells a row (icon views) or a column (list view) holds, and the
    // parts of an item in its cell.
    SIZE CellSize() const;
    int CellsPerLine(SIZE cell) const;
    int CellsPerLine() const { return CellsPerLine(CellSize()); }
    RECT CellRect(std::size_t index, SIZE cell) const;
    RECT CellRect(std::size_t index) const { return CellRect(index, CellSize()); }
    RECT IconRect(std::size_t index) const;
    RECT LabelRect(std::size_t index) const;
    int LabelWidth(std::size_t index) const;
    // Moving the focus by arrow key from `focus`.
    std::intptr_t ArrowTarget(std::intptr_t focus, WPARAM key) const;
    int HitTest(POINT p, UINT* flags, int* column) const;
    void LayoutHeader();

    bool SetState(std::size_t index, UINT state, UINT mask);
    void SelectOnly(std::intptr_t index);
    void FocusAndSelect(std::intptr_t index, bool extend, bool toggle);
    void EnsureVisible(std::intptr_t index);
    LRESULT NotifyItem(UINT code, std::intptr_t index, UINT newState = 0, UINT oldState = 0, UINT changed = 0);
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    LRESULT InsertItem(const LVITEMA& item);
    bool SetItem(const LVITEMA& item);
    void GetItem(LVITEMA& item) const;
    LRESULT InsertColumn(std::intptr_t index, const LVCOLUMNA& column);
    bool ColumnRecord(int index, LVCOLUMNA& column) const;
    bool SetColumn(int index, const LVCOLUMNA& column);
    int AutoWidth(int column, bool useHeader) const;
    void DrawRow(HDC dc, std::size_t index);
    void DrawCell(HDC dc, std::size_t index);

    HWND window_;
    HWND header_ = 0;
    ControlFont font_;
    std::vector<Row> rows_;
    DWORD exStyle_ = 0;
    std::intptr_t top_ = 0;
    int scrollX_ = 0;
    POINT origin_{0, 0};  // how far the icon, small-icon and list views are scrolled
    std::intptr_t mark_ = -1;
    COLORREF background_ = CLR_INVALID, text_ = CLR_INVALID, textBackground_ = CLR_INVALID;
    HANDLE imageLists_[3] = {};
    bool focused_ = false;
};

int ListView::HeaderHeight() const {
    if (!IsWindowVisible(header_)) return 0;
    RECT r;
    GetWindowRect(header_, &r);
    return r.bottom - r.top;
}

int ListView::VisibleRows() const {
    const RECT client = ClientRect(window_);
    return std::max(1, (int(client.bottom) - HeaderHeight()) / RowHeight());
}

RECT ListView::ColumnRect(int column) const {
    RECT r{};
    if (column == 0 && ColumnCount() == 0) return {0, 0, ClientRect(window_).right, 0};
    SendMessage(header_, HDM_GETITEMRECT, WPARAM(column), LPARAM(&r));
    OffsetRect(&r, -scrollX_, 0);
    return r;
}

RECT ListView::RowRect(std::size_t index) const {
    const int y = HeaderHeight() + int(std::intptr_t(index) - top_) * RowHeight();
    int right = 0;
    for (int c = 0; c < ColumnCount(); ++c) right = std::max<int>(right, ColumnRect(c).right);
    if (ColumnCount() == 0) right = ClientRect(window_).right;
    return {-scrollX_, y, right, y + RowHeight()};
}

RECT ListView::CheckRect(std::size_t index) const {
    const RECT row = RowRect(index);
    const RECT first = ColumnRect(0);
    const int top = row.top + (RowHeight() - checkSize) / 2;
    return {first.left + 2, top, first.left + 2 + checkSize, top + checkSize};
}

SIZE ListView::CellSize() const {
    const int textHeight = font_.TextHeight();
    if (View() == LVS_ICON) return {GetSystemMetrics(SM_CXICONSPACING), 2 + largeIcon + 4 + textHeight + 4};
    const MeasuringDC measuring(font_.ForDrawing());
    int widest = 0;
    for (const Row& row : rows_) widest = std::max(widest, TextWidth(measuring.dc(), row.texts[0]));
    return {2 + smallIcon + 2 + widest + 6, std::max(smallIcon, textHeight) + 2};
}

int ListView::CellsPerLine(SIZE cell) const {
    const RECT client = ClientRect(window_);
    return View() == LVS_LIST ? std::max(1, int(client.bottom / cell.cy)) : std::max(1, int(client.right / cell.cx));
}

RECT ListView::CellRect(std::size_t index, SIZE cell) const {
    const int perLine = CellsPerLine(cell);
    const int line = int(index) / perLine, place = int(index) % perLine;
    const int column = View() == LVS_LIST ? line : place, row = View() == LVS_LIST ? place : line;
    const int x = column * cell.cx - origin_.x, y = row * cell.cy - origin_.y;
    return {x, y, x + cell.cx, y + cell.cy};
}

RECT ListView::IconRect(std::size_t index) const {
    const RECT cell = CellRect(index);
    if (View() == LVS_ICON) {
        const int centre = (cell.left + cell.right) / 2;
        return {centre - largeIcon / 2, cell.top + 2, centre + largeIcon / 2, cell.top + 2 + largeIcon};
    }
    const int top = cell.top + (cell.bottom - cell.top - smallIcon) / 2;
    return {cell.left + 2, top, cell.left + 2 + smallIcon, top + smallIcon};
}

RECT ListView::LabelRect(std::size_t index) const {
    const RECT cell = CellRect(index);
    const RECT icon = IconRect(index);
    const int width = LabelWidth(index) + 4;
    if (View() == LVS_ICON) {
        const int shown = std::min(width, int(cell.right - cell.left) - 2), centre = (cell.left + cell.right) / 2;
        return {centre - shown / 2, icon.bottom + 2, centre - shown / 2 + shown, icon.bottom + 2 + font_.TextHeight() + 2};
    }
    return {icon.right + 2, cell.top, std::min<int>(icon.right + 2 + width, cell.right), cell.bottom};
}

int ListView::LabelWidth(std::size_t index) const {
    return TextWidth(MeasuringDC(font_.ForDrawing()).dc(), rows_[index].texts[0]);
}

RECT ListView::SubItemRect(std::size_t index, int column, int code) const {
    if (!Report()) {
        if (code == LVIR_ICON) return IconRect(index);
        if (code == LVIR_LABEL) return LabelRect(index);
        RECT bounds;
        const RECT icon = IconRect(index), label = LabelRect(index);
        UnionRect(&bounds, &icon, &label);
        return bounds;
    }
    const RECT row = RowRect(index);
    if (code == LVIR_BOUNDS && column == 0) return row;
    const RECT c = ColumnRect(column);
    RECT r{c.left, row.top, c.right, row.bottom};
    if (column == 0 && Checkboxes()) r.left = CheckRect(index).right + 2;
    if (code == LVIR_ICON) r.right = r.left;
    return r;
}

int ListView::HitTest(POINT p, UINT* flags, int* column) const {
    *flags = LVHT_NOWHERE;
    *column = 0;
    if (!Report()) {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const RECT icon = IconRect(i), label = LabelRect(i);
            if (PtInRect(&icon, p)) *flags = LVHT_ONITEMICON;
            else if (PtInRect(&label, p)) *flags = LVHT_ONITEMLABEL;
            else continue;
            return int(i);
        }
        return -1;
    }
    if (p.y < HeaderHeight()) return -1;
    const std::intptr_t index = top_ + (p.y - HeaderHeight()) / RowHeight();
    if (!Valid(index)) return -1;
    for (int c = 0; c < std::max(1, ColumnCount()); ++c) {
        const RECT r = ColumnRect(c);
        if (p.x >= r.left && p.x < r.right) *column = c;
    }
    const RECT check = CheckRect(std::size_t(index));
    if (Checkboxes() && p.x >= check.left && p.x < check.right) {
        *flags = LVHT_ONITEMSTATEICON;
    } else {
        const RECT row = RowRect(std::size_t(index));
        const RECT label = SubItemRect(std::size_t(index), 0, LVIR_LABEL);
        const bool onLabel = (exStyle_ & LVS_EX_FULLROWSELECT) ? p.x < row.right : (p.x >= label.left && p.x < label.right);
        if (!onLabel) return -1;
        *flags = LVHT_ONITEMLABEL;
    }
    return int(index);
}

void ListView::LayoutHeader() {
    RECT area = ClientRect(window_);
    WINDOWPOS pos;
    HDLAYOUT layout{&area, &pos};
    SendMessage(header_, HDM_LAYOUT, 0, LPARAM(&layout));
    const bool shown = Report() && !(Style(window_) & LVS_NOCOLUMNHEADER);
    SetWindowPos(header_, 0, pos.x - scrollX_, pos.y, pos.cx + scrollX_, pos.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

LRESULT ListView::NotifyItem(UINT code, std::intptr_t index, UINT newState, UINT oldState, UINT changed) {
    NMLISTVIEW info;
    info.iItem = int(index);
    info.uNewState = newState;
    info.uOldState = oldState;
    info.uChanged = changed;
    if (Valid(index)) info.lParam = rows_[std::size_t(index)].data;
    return NotifyParent(window_, info.hdr, code);
}

// Changes the state bits in `mask`; the parent hears LVN_ITEMCHANGING
// (and may refuse) and LVN_ITEMCHANGED. Answers whether it changed.
bool ListView::SetState(std::size_t index, UINT state, UINT mask) {
    Row& row = rows_[index];
    const UINT wanted = (row.state & ~mask) | (state & mask);
    if (wanted == row.state) return false;
    const UINT old = row.state;
    if (NotifyItem(LVN_ITEMCHANGING, std::intptr_t(index), wanted, old, LVIF_STATE)) return false;
    if ((wanted & LVIS_FOCUSED) && !(old & LVIS_FOCUSED))
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (i != index && (rows_[i].state & LVIS_FOCUSED)) SetState(i, 0, LVIS_FOCUSED);
    if ((wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (Style(window_) & LVS_SINGLESEL))
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (i != index && (rows_[i].state & LVIS_SELECTED)) SetState(i, 0, LVIS_SELECTED);
    rows_[index].state = wanted;
    Redraw();
    NotifyItem(LVN_ITEMCHANGED, std::intptr_t(index), wanted, old, LVIF_STATE);
    return true;
}

void ListView::SelectOnly(std::intptr_t index) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (std::intptr_t(i) != index && (rows_[i].state & LVIS_SELECTED)) SetState(i, 0, LVIS_SELECTED);
}

void ListView::FocusAndSelect(std::intptr_t index, bool extend, bool toggle) {
    if (!Valid(index)) return;
    const bool single = (Style(window_) & LVS_SINGLESEL) != 0;
    if (toggle && !single) {
        const UINT selected = rows_[std::size_t(index)].state & LVIS_SELECTED;
        SetState(std::size_t(index), LVIS_FOCUSED | (selected ^ LVIS_SELECTED), LVIS_FOCUSED | LVIS_SELECTED);
        mark_ = index;
    } else if (extend && !single && Valid(mark_)) {
        const auto [from, to] = std::minmax(mark_, index);
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const bool inside = std::intptr_t(i) >= from && std::intptr_t(i) <= to;
            SetState(i, inside ? LVIS_SELECTED : 0, LVIS_SELECTED);
        }
        SetState(std::size_t(index), LVIS_FOCUSED, LVIS_FOCUSED);
    } else {
        SelectOnly(index);
        SetState(std::size_t(index), LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        mark_ = index;
    }
    EnsureVisible(index);
}

// The arrow keys step through the cells as they stand: by one along a
// row (icon views) or a column (list view), by a line across.
std::intptr_t ListView::ArrowTarget(std::intptr_t focus, WPARAM key) const {
    const bool across = View() == LVS_LIST ? (key == VK_LEFT || key == VK_RIGHT) : (key == VK_UP || key == VK_DOWN);
    const std::intptr_t step = Report() ? 1 : across ? CellsPerLine() : 1;
    const bool back = key == VK_UP || key == VK_LEFT;
    if (Report() && (key == VK_LEFT || key == VK_RIGHT)) return focus;
    const std::intptr_t to = back ? focus - step : focus + step;
    return Valid(to) ? to : focus;
}

void ListView::EnsureVisible(std::intptr_t index) {
    if (!Valid(index)) return;
    if (!Report()) {
        const RECT client = ClientRect(window_), cell = CellRect(std::size_t(index));
        if (View() == LVS_LIST) {
            if (cell.left < 0) origin_.x += cell.left;
            else if (cell.right > client.right && cell.left > 0) origin_.x += std::min(cell.left, cell.right - client.right);
        } else {
            if (cell.top < 0) origin_.y += cell.top;
            else if (cell.bottom > client.bottom && cell.top > 0) origin_.y += std::min(cell.top, cell.bottom - client.bottom);
        }
        Redraw();
        return;
    }
    if (index < top_) top_ = index;
    else if (index >= top_ + VisibleRows()) top_ = index - VisibleRows() + 1;
    Redraw();
}

LRESULT ListView::InsertItem(const LVITEMA& item) {
    if (item.iSubItem != 0 || item.iItem < 0) return -1;
    const std::size_t index = std::min<std::size_t>(std::size_t(item.iItem), rows_.size());
    Row row;
    row.texts.resize(1);
    if ((item.mask & LVIF_TEXT) && item.pszText) row.texts[0] = item.pszText;
    if (item.mask & LVIF_PARAM) row.data = item.lParam;
    if (item.mask & LVIF_IMAGE) row.image = item.iImage;
    if (item.mask & LVIF_STATE) row.state = item.state & item.stateMask;
    if (Checkboxes() && !(row.state & LVIS_STATEIMAGEMASK)) row.state |= uncheckedImage;
    rows_.insert(rows_.begin() + std::ptrdiff_t(index), std::move(row));
    if (mark_ >= std::intptr_t(index)) ++mark_;
    Redraw();
    NotifyItem(LVN_INSERTITEM, std::intptr_t(index));
    return LRESULT(index);
}

bool ListView::SetItem(const LVITEMA& item) {
    if (!Valid(item.iItem) || item.iSubItem < 0) return false;
    Row& row = rows_[std::size_t(item.iItem)];
    if ((item.mask & LVIF_TEXT) && item.pszText) {
        if (row.texts.size() <= std::size_t(item.iSubItem)) row.texts.resize(std::size_t(item.iSubItem) + 1);
        row.texts[std::size_t(item.iSubItem)] = item.pszText;
    }
    if (item.iSubItem == 0) {
        if (item.mask & LVIF_PARAM) row.data = item.lParam;
        if (item.mask & LVIF_IMAGE) row.image = item.iImage;
        if (item.mask & LVIF_INDENT) row.indent = item.iIndent;
        if (item.mask & LVIF_STATE) SetState(std::size_t(item.iItem), item.state, item.stateMask);
    }
    Redraw();
    return true;
}

void ListView::GetItem(LVITEMA& item) const {
    const Row& row = rows_[std::size_t(item.iItem)];
    if (item.mask & LVIF_TEXT) {
        const std::size_t sub = std::size_t(std::max(0, item.iSubItem));
        CopyItemText(sub < row.texts.size() ? row.texts[sub] : AnsiString(), item.pszText, item.cchTextMax);
    }
    if (item.mask & LVIF_PARAM) item.lParam = row.data;
    if (item.mask & LVIF_IMAGE) item.iImage = row.image;
    if (item.mask & LVIF_INDENT) item.iIndent = row.indent;
    if (item.mask & LVIF_STATE) item.state = row.state & item.stateMask;
}

LRESULT ListView::InsertColumn(std::intptr_t index, const LVCOLUMNA& column) {
    if (index < 0) return -1;
    index = std::min<std::intptr_t>(index, ColumnCount());
    HDITEMA item;
    item.mask = HDI_FORMAT | HDI_WIDTH | HDI_LPARAM;
    item.fmt = HDF_STRING | ((column.mask & LVCF_FMT) ? (column.fmt & LVCFMT_JUSTIFYMASK) : HDF_LEFT);
    item.cxy = (column.mask & LVCF_WIDTH) ? column.cx : 50;
    item.lParam = (column.mask & LVCF_SUBITEM) ? column.iSubItem : index;
    if ((column.mask & LVCF_TEXT) && column.pszText) {
        item.mask |= HDI_TEXT;
        item.pszText = column.pszText;
    }
    const LRESULT result = SendMessage(header_, HDM_INSERTITEMA, WPARAM(index), LPARAM(&item));
    Redraw();
    return result;
}

bool ListView::ColumnRecord(int index, LVCOLUMNA& column) const {
    HDITEMA item;
    item.mask = HDI_FORMAT | HDI_WIDTH | HDI_LPARAM | HDI_ORDER | ((column.mask & LVCF_TEXT) ? HDI_TEXT : 0);
    item.pszText = column.pszText;
    item.cchTextMax = column.cchTextMax;
    if (!SendMessage(header_, HDM_GETITEMA, WPARAM(index), LPARAM(&item))) return false;
    if (column.mask & LVCF_FMT) column.fmt = item.fmt & HDF_JUSTIFYMASK;
    if (column.mask & LVCF_WIDTH) column.cx = item.cxy;
    if (column.mask & LVCF_SUBITEM) column.iSubItem = int(item.lParam);
    if (column.mask & LVCF_ORDER) column.iOrder = item.iOrder;
    return true;
}

bool ListView::SetColumn(int index, const LVCOLUMNA& column) {
    HDITEMA item;
    item.fmt = HDF_STRING | (column.fmt & LVCFMT_JUSTIFYMASK);
    item.cxy = column.cx;
    item.lParam = column.iSubItem;
    item.pszText = column.pszText;
    if (column.mask & LVCF_FMT) item.mask |= HDI_FORMAT;
    if (column.mask & LVCF_WIDTH) item.mask |= HDI_WIDTH;
    if (column.mask & LVCF_SUBITEM) item.mask |= HDI_LPARAM;
    if ((column.mask & LVCF_TEXT) && column.pszText) item.mask |= HDI_TEXT;
    const bool done = SendMessage(header_, HDM_SETITEMA, WPARAM(index), LPARAM(&item)) != FALSE;
    Redraw();
    return done;
}

// The width that shows every text of the column (and its heading).
int ListView::AutoWidth(int column, bool useHeader) const {
    const MeasuringDC measuring(font_.ForDrawing());
    const HDC dc = measuring.dc();
    int width = 0;
    for (const Row& row : rows_)
        if (std::size_t(column) < row.texts.size()) width = std::max(width, TextWidth(dc, row.texts[std::size_t(column)]));
    width += 12 + ((column == 0 && Checkboxes()) ? checkSize + 4 : 0);
    if (useHeader) {
        char text[256] = {};
        HDITEMA item;
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessage(header_, HDM_GETITEMA, WPARAM(column), LPARAM(&item));
        width = std::max(width, TextWidth(dc, text) + 12);
    }
    return width;
}

void ListView::DrawRow(HDC dc, std::size_t index) {
    const Row& row = rows_[index];
    const bool selected = (row.state & LVIS_SELECTED) && (focused_ || (Style(window_) & LVS_SHOWSELALWAYS));
    const bool fullRow = (exStyle_ & LVS_EX_FULLROWSELECT) != 0;
    const COLORREF normalText = text_ != CLR_INVALID ? text_ : GetSysColor(COLOR_WINDOWTEXT);
    const int columns = std::max(1, ColumnCount());
    for (int c = 0; c < columns; ++c) {
        RECT cell = SubItemRect(index, c, LVIR_LABEL);
        HDITEMA item;
        item.mask = HDI_FORMAT | HDI_LPARAM;
        SendMessage(header_, HDM_GETITEMA, WPARAM(c), LPARAM(&item));
        const std::size_t sub = ColumnCount() ? std::size_t(item.lParam) : 0;
        const bool highlighted = selected && (fullRow || c == 0);
        if (highlighted) FillRect(dc, &cell, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, !Enabled(window_) ? GetSysColor(COLOR_GRAYTEXT)
                         : highlighted     ? GetSysColor(COLOR_HIGHLIGHTTEXT) : normalText);
        RECT text = cell;
        InflateRect(&text, -4, 0);
        const UINT align = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                           : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                        : DT_LEFT;
        const AnsiString& caption = sub < row.texts.size() ? row.texts[sub] : AnsiString();
        DrawText(dc, caption.c_str(), int(caption.size()), &text,
                 align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (Checkboxes()) {
        RECT check = CheckRect(index);
        const bool checked = (row.state & LVIS_STATEIMAGEMASK) == checkedImage;
        DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    }
    if (focused_ && (row.state & LVIS_FOCUSED)) {
        RECT focus = fullRow ? RowRect(index) : SubItemRect(index, 0, LVIR_LABEL);
        DrawFocusRect(dc, &focus);
    }
}

// An item of the icon, small-icon and list views: a plain page for its
// icon (the image lists are the class library's) and the label,
// highlighted when selected.
void ListView::DrawCell(HDC dc, std::size_t index) {
    const Row& row = rows_[index];
    const RECT icon = IconRect(index);
    const int inset = (icon.right - icon.left) / 6, lines = (icon.bottom - icon.top) / 5;
    RECT page{icon.left + inset, icon.top, icon.right - inset, icon.bottom};
    FillRect(dc, &page, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(dc, &page, GetSysColorBrush(Enabled(window_) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    for (int y = page.top + lines; y < page.bottom - lines / 2 - 1; y += lines) {
        RECT line{page.left + 3, y, page.right - 3, y + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    const bool selected = (row.state & LVIS_SELECTED) && (focused_ || (Style(window_) & LVS_SHOWSELALWAYS));
    RECT label = LabelRect(index);
    if (selected) FillRect(dc, &label, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, !Enabled(window_) ? GetSysColor(COLOR_GRAYTEXT)
                     : selected        ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                     : text_ != CLR_INVALID ? text_ : GetSysColor(COLOR_WINDOWTEXT));
    RECT text = label;
    InflateRect(&text, -2, 0);
    DrawText(dc, row.texts[0].c_str(), int(row.texts[0].size()), &text,
             (View() == LVS_ICON ? DT_CENTER : DT_LEFT) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (focused_ && (row.state & LVIS_FOCUSED)) DrawFocusRect(dc, &label);
}

void ListView::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    const HBRUSH brush = background_ != CLR_INVALID ? CreateSolidBrush(background_) : 0;
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    if (brush) DeleteObject(brush);
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    const int bottom = client.bottom;
    if (!Report()) {
        const SIZE size = CellSize();
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const RECT cell = CellRect(i, size);
            RECT shown;
            if (IntersectRect(&shown, &cell, &client)) DrawCell(dc, i);
        }
        SelectObject(dc, oldFont);
        return;
    }
    for (std::size_t i = std::size_t(std::max<std::intptr_t>(top_, 0)); i < rows_.size(); ++i) {
        if (RowRect(i).top >= bottom) break;
        DrawRow(dc, i);
    }
    if (exStyle_ & LVS_EX_GRIDLINES) {
        const HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE)));
        for (int y = HeaderHeight() + RowHeight() - 1; y < bottom; y += RowHeight()) {
            MoveToEx(dc, 0, y, nullptr);
            LineTo(dc, client.right, y);
        }
        for (int c = 0; c < ColumnCount(); ++c) {
            const int x = ColumnRect(c).right - 1;
            MoveToEx(dc, x, HeaderHeight(), nullptr);
            LineTo(dc, x, bottom);
        }
        DeleteObject(SelectObject(dc, oldPen));
    }
    SelectObject(dc, oldFont);
}

LRESULT ListView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        header_ = CreateWindowEx(0, "SysHeader32", "", WS_CHILD | HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG, 0, 0, 0, 0,
                                 window_, 0, 0, nullptr);
        if (!header_) return -1;
        LayoutHeader();
        return 0;
    case WM_SIZE:
    case WM_STYLECHANGED:
        LayoutHeader();
        Redraw();
        return 0;
    case WM_SETFONT:
        SendMessage(header_, WM_SETFONT, wParam, lParam);
        LayoutHeader();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ENABLE:
        Redraw();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        focused_ = message == WM_SETFOCUS;
        Redraw();
        NMHDR header;
        NotifyParent(window_, header, focused_ ? NM_SETFOCUS : NM_KILLFOCUS);
        return 0;
    }
    case WM_NOTIFY: {
        const auto* info = reinterpret_cast<const NMHEADERA*>(lParam);
        if (!info || info->hdr.hwndFrom != header_) break;
        if (info->hdr.code == HDN_ITEMCLICK && !(Style(window_) & LVS_NOSORTHEADER)) {
            NMLISTVIEW click;
            click.iItem = -1;
            click.iSubItem = info->iItem;
            NotifyParent(window_, click.hdr, LVN_COLUMNCLICK);
        }
        if (info->hdr.code == HDN_ITEMCHANGED) Redraw();
        // The list view's parent hears the header too.
        return SendMessage(GetParent(window_), WM_NOTIFY, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: {
        SetFocus(window_);
        const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        UINT flags = 0;
        int column = 0;
        const int index = HitTest(p, &flags, &column);
        if (flags == LVHT_ONITEMSTATEICON && message != WM_RBUTTONDOWN) {
            const UINT image = rows_[std::size_t(index)].state & LVIS_STATEIMAGEMASK;
            SetState(std::size_t(index), image == checkedImage ? uncheckedImage : checkedImage, LVIS_STATEIMAGEMASK);
        } else if (index >= 0) {
            FocusAndSelect(index, (wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0);
        } else if (!(wParam & (MK_SHIFT | MK_CONTROL))) {
            SelectOnly(-1);
        }
        NMHDR header;
        NotifyParent(window_, header,
                     message == WM_RBUTTONDOWN ? NM_RCLICK : message == WM_LBUTTONDBLCLK ? NM_DBLCLK : NM_CLICK);
        return 0;
    }
    case WM_MOUSEWHEEL: {
        const int steps = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        if (!Report()) {
            // A line of cells per step, up to the last line.
            const SIZE cell = CellSize();
            const RECT client = ClientRect(window_);
            const int perLine = CellsPerLine(cell);
            const int lines = (int(rows_.size()) + perLine - 1) / perLine;
            LONG& at = View() == LVS_LIST ? origin_.x : origin_.y;
            const int size = View() == LVS_LIST ? cell.cx : cell.cy;
            const int extent = View() == LVS_LIST ? client.right : client.bottom;
            at = std::clamp<LONG>(at - steps * size, 0, std::max(0, lines * size - extent));
            Redraw();
            return 0;
        }
        top_ = std::clamp<std::intptr_t>(top_ - steps * 3, 0,
                                         std::max<std::intptr_t>(0, std::intptr_t(rows_.size()) - VisibleRows()));
        Redraw();
        return 0;
    }
    case WM_KEYDOWN: {
        NMHDR header;
        NotifyParent(window_, header, LVN_KEYDOWN);
        std::intptr_t focus = -1;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].state & LVIS_FOCUSED) focus = std::intptr_t(i);
        const std::intptr_t last = std::intptr_t(rows_.size()) - 1;
        std::intptr_t to = focus;
        switch (wParam) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
            if (!Valid(focus)) to = 0;
            else if ((to = ArrowTarget(focus, wParam)) == focus) return 0;
            break;
        case VK_PRIOR: to = focus - VisibleRows(); break;
        case VK_NEXT: to = focus + VisibleRows(); break;
        case VK_HOME: to = 0; break;
        case VK_END: to = last; break;
        case VK_SPACE:
            if (Checkboxes() && Valid(focus)) {
                const UINT image = rows_[std::size_t(focus)].state & LVIS_STATEIMAGEMASK;
                SetState(std::size_t(focus), image == checkedImage ? uncheckedImage : checkedImage,
                         LVIS_STATEIMAGEMASK);
            }
            return 0;
        default: return 0;
        }
        if (last >= 0) FocusAndSelect(std::clamp<std::intptr_t>(to, 0, last), ShiftDown(), false);
        return 0;
    }
    case LVM_GETHEADER:
        return LRESULT(header_);
    case LVM_GETITEMCOUNT:
        return LRESULT(rows_.size());
    case LVM_INSERTITEMA:
        return lParam ? InsertItem(*reinterpret_cast<const LVITEMA*>(lParam)) : -1;
    case LVM_SETITEMA:
        return lParam && SetItem(*reinterpret_cast<const LVITEMA*>(lParam));
    case LVM_GETITEMA: {
        auto* item = reinterpret_cast<LVITEMA*>(lParam);
        if (!item || !Valid(item->iItem)) return FALSE;
        GetItem(*item);
        return TRUE;
    }
    case LVM_SETITEMTEXTA: {
        auto* item = reinterpret_cast<LVITEMA*>(lParam);
        if (!item) return FALSE;
        LVITEMA copy = *item;
        copy.iItem = int(wParam);
        copy.mask = LVIF_TEXT;
        return SetItem(copy);
    }
    case LVM_GETITEMTEXTA: {
        auto* item = reinterpret_cast<LVITEMA*>(lParam);
        if (!item || !Valid(std::intptr_t(wParam))) return 0;
        LVITEMA copy = *item;
        copy.iItem = int(wParam);
        copy.mask = LVIF_TEXT;
        GetItem(copy);
        return LRESULT(copy.pszText ? std::char_traits<char>::length(copy.pszText) : 0);
    }
    case LVM_DELETEITEM: {
        const auto index = std::intptr_t(wParam);
        if (!Valid(index)) return FALSE;
        NotifyItem(LVN_DELETEITEM, index);
        rows_.erase(rows_.begin() + index);
        if (mark_ == index) mark_ = -1;
        else if (mark_ > index) --mark_;
        top_ = std::min<std::intptr_t>(top_, std::max<std::intptr_t>(0, std::intptr_t(rows_.size()) - 1));
        Redraw();
        return TRUE;
    }
    case LVM_DELETEALLITEMS:
        // A parent answering TRUE needs no LVN_DELETEITEM per item.
        if (!NotifyItem(LVN_DELETEALLITEMS, -1))
            for (std::size_t i = 0; i < rows_.size(); ++i) NotifyItem(LVN_DELETEITEM, std::intptr_t(i));
        rows_.clear();
        top_ = 0;
        mark_ = -1;
        Redraw();
        return TRUE;
    case LVM_SETITEMSTATE: {
        const auto* item = reinterpret_cast<const LVITEMA*>(lParam);
        if (!item) return FALSE;
        if (std::intptr_t(wParam) == -1) {
            for (std::size_t i = 0; i < rows_.size(); ++i) SetState(i, item->state, item->stateMask);
            return TRUE;
        }
        if (!Valid(std::intptr_t(wParam))) return FALSE;
        SetState(wParam, item->state, item->stateMask);
        return TRUE;
    }
    case LVM_GETITEMSTATE:
        return Valid(std::intptr_t(wParam)) ? LRESULT(rows_[wParam].state & UINT(lParam)) : 0;
    case LVM_GETNEXTITEM: {
        const UINT flags = LOWORD(lParam);
        for (std::size_t i = std::size_t(std::intptr_t(wParam) + 1); i < rows_.size(); ++i) {
            const UINT wanted = (flags & LVNI_SELECTED ? LVIS_SELECTED : 0) | (flags & LVNI_FOCUSED ? LVIS_FOCUSED : 0);
            if ((rows_[i].state & wanted) == wanted) return LRESULT(i);
        }
        return -1;
    }
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return (r.state & LVIS_SELECTED) != 0; });
    case LVM_GETSELECTIONMARK:
        return mark_;
    case LVM_SETSELECTIONMARK: {
        const std::intptr_t previous = mark_;
        mark_ = std::intptr_t(lParam);
        return previous;
    }
    case LVM_INSERTCOLUMNA:
        return lParam ? InsertColumn(std::intptr_t(wParam), *reinterpret_cast<const LVCOLUMNA*>(lParam)) : -1;
    case LVM_SETCOLUMNA:
        return lParam && SetColumn(int(wParam), *reinterpret_cast<const LVCOLUMNA*>(lParam));
    case LVM_GETCOLUMNA:
        return lParam && ColumnRecord(int(wParam), *reinterpret_cast<LVCOLUMNA*>(lParam));
    case LVM_DELETECOLUMN: {
        const LRESULT done = SendMessage(header_, HDM_DELETEITEM, wParam, 0);
        Redraw();
        return done;
    }
    case LVM_GETCOLUMNWIDTH: {
        LVCOLUMNA column;
        column.mask = LVCF_WIDTH;
        return ColumnRecord(int(wParam), column) ? column.cx : 0;
    }
    case LVM_SETCOLUMNWIDTH: {
        LVCOLUMNA column;
        column.mask = LVCF_WIDTH;
        const int width = GET_X_LPARAM(lParam);
        column.cx = width == LVSCW_AUTOSIZE ? AutoWidth(int(wParam), false)
                    : width == LVSCW_AUTOSIZE_USEHEADER ? AutoWidth(int(wParam), true) : width;
        return SetColumn(int(wParam), column);
    }
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        const DWORD previous = exStyle_;
        const DWORD mask = wParam ? DWORD(wParam) : 0xFFFFFFFF;
        exStyle_ = (exStyle_ & ~mask) | (DWORD(lParam) & mask);
        if ((exStyle_ & LVS_EX_CHECKBOXES) && !(previous & LVS_EX_CHECKBOXES))
            for (Row& row : rows_)
                if (!(row.state & LVIS_STATEIMAGEMASK)) row.state |= uncheckedImage;
        Redraw();
        return previous;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return exStyle_;
    case LVM_GETITEMRECT:
    case LVM_GETSUBITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r || !Valid(std::intptr_t(wParam))) return FALSE;
        const int column = message == LVM_GETSUBITEMRECT ? r->top : 0;
        *r = SubItemRect(wParam, column, r->left);
        return TRUE;
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
        auto* info = reinterpret_cast<LVHITTESTINFO*>(lParam);
        if (!info) return -1;
        int column = 0;
        info->iItem = HitTest(info->pt, &info->flags, &column);
        if (message == LVM_SUBITEMHITTEST) info->iSubItem = column;
        return info->iItem;
    }
    case LVM_ENSUREVISIBLE:
        EnsureVisible(std::intptr_t(wParam));
        return TRUE;
    case LVM_GETTOPINDEX:
        return top_;
    case LVM_GETCOUNTPERPAGE:
        return VisibleRows();
    case LVM_SCROLL:
        scrollX_ = std::max(0, scrollX_ + int(std::intptr_t(wParam)));
        top_ = std::clamp<std::intptr_t>(top_ + lParam / RowHeight(), 0,
                                         std::max<std::intptr_t>(0, std::intptr_t(rows_.size()) - 1));
        LayoutHeader();
        Redraw();
        return TRUE;
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        Redraw();
        return TRUE;
    case LVM_SETBKCOLOR: background_ = COLORREF(lParam); Redraw(); return TRUE;
    case LVM_GETBKCOLOR: return background_ != CLR_INVALID ? background_ : GetSysColor(COLOR_WINDOW);
    case LVM_SETTEXTCOLOR: text_ = COLORREF(lParam); Redraw(); return TRUE;
    case LVM_GETTEXTCOLOR: return text_ != CLR_INVALID ? text_ : GetSysColor(COLOR_WINDOWTEXT);
    case LVM_SETTEXTBKCOLOR: textBackground_ = COLORREF(lParam); Redraw(); return TRUE;
    case LVM_GETTEXTBKCOLOR: return textBackground_ != CLR_INVALID ? textBackground_ : GetSysColor(COLOR_WINDOW);
    case LVM_SETIMAGELIST: {
        if (wParam > 2) return 0;
        const HANDLE previous = imageLists_[wParam];
        imageLists_[wParam] = HANDLE(lParam);
        return LRESULT(previous);
    }
    case LVM_GETIMAGELIST:
        return wParam <= 2 ? LRESULT(imageLists_[wParam]) : 0;
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterListViewClass() {
    RegisterControlClass("SysListView32", &ControlProcedure<ListView>, CS_DBLCLKS, 0);
}

}  // namespace ctl
