// The "msctls_statusbar32" window class: a row of parts along the bottom of
// a window, each with its text (a tab centres what follows it, a second tab
// right-aligns it), a sunken, raised or no border, or drawn by the parent
// (SBT_OWNERDRAW); a simple mode showing one text over the whole bar; and
// a size grip (SBARS_SIZEGRIP) that sizes the top-level window.
#include <algorithm>
#include <array>
#include <vector>

#include "platform/win/commctrl_statusbar.h"
#include "platform/win/controls/common.h"
#include "platform/win/userdraw.h"
#include "platform/win/winframe.h"

namespace ctl {
namespace {

// SB_GETBORDERS: no horizontal border, 2 pixels above the parts, 2 between them.
constexpr int verticalBorder = 2, partSpacing = 2;

struct Part {
    int right = -1;  // -1: to the bar's right edge
    AnsiString text;
    LPARAM ownerData = 0;
    UINT type = 0;  // SBT_ flags
};

class StatusBar {
public:
    explicit StatusBar(HWND window) : window_(window), parts_(1) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    bool ShowsGrip() const;
    int GripSize() const { return std::max(0, int(ClientRect(window_).bottom) - verticalBorder); }
    bool InGrip(POINT p) const;
    RECT PartRect(std::size_t index) const;
    void DrawPart(HDC dc, const Part& part, RECT box, UINT itemID);
    void FitToParent();
    template <class Char>
    LRESULT SetText(WPARAM wParam, const Char* text);
    template <class Char>
    LRESULT GetText(WPARAM wParam, Char* buffer);
    template <class Char>
    LRESULT TextLength(WPARAM wParam);
    // The part an SB_ message's wParam names (SB_SIMPLEID: the simple text).
    Part* PartOf(WPARAM wParam);
    void Redraw() { InvalidateRect(window_, nullptr, TRUE); }

    HWND window_;
    ControlFont font_;
    std::vector<Part> parts_;
    Part simple_;
    bool simpleMode_ = false;
    int minHeight_ = 0;
};

bool StatusBar::ShowsGrip() const {
    if (!(Style(window_) & SBARS_SIZEGRIP)) return false;
    const HWND root = GetAncestor(window_, GA_ROOT);
    return root && (GetWindowLongPtr(root, GWL_STYLE) & WS_THICKFRAME) && !IsZoomed(root);
}

bool StatusBar::InGrip(POINT p) const {
    if (!ShowsGrip()) return false;
    const RECT client = ClientRect(window_);
    return p.x >= client.right - GripSize() && p.x < client.right && p.y >= client.bottom - GripSize() &&
           p.y < client.bottom;
}

RECT StatusBar::PartRect(std::size_t index) const {
    const RECT client = ClientRect(window_);
    const int left = index == 0 ? 0 : PartRect(index - 1).right + partSpacing;
    const int right = parts_[index].right < 0 ? int(client.right) : parts_[index].right;
    return {left, verticalBorder, std::max(left, right), client.bottom};
}

void StatusBar::DrawPart(HDC dc, const Part& part, RECT box, UINT itemID) {
    if (!(part.type & SBT_NOBORDERS))
        DrawEdge(dc, &box, (part.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    if (part.type & SBT_OWNERDRAW) {
        ParentDrawItem(window_, 0, itemID, 0, dc, box, ULONG_PTR(part.ownerData));
        return;
    }
    // Left, centred and right-aligned pieces, separated by tabs.
    InflateRect(&box, -2, 0);
    const AnsiString& text = part.text;
    std::size_t start = 0;
    for (const UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
        if (start > text.size()) break;
        const std::size_t tab = align == DT_RIGHT ? text.size() : std::min(text.find('\t', start), text.size());
        if (tab > start)
            DrawText(dc, text.c_str() + start, int(tab - start), &box,
                     align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        start = tab + 1;
    }
}

void StatusBar::Paint(HDC dc) {
    const RECT client = ClientRect(window_);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, font_.ForDrawing());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (simpleMode_) {
        DrawPart(dc, simple_, {0, verticalBorder, client.right, client.bottom}, UINT(SB_SIMPLEID));
    } else {
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            const RECT box = PartRect(i);
            if (box.left < client.right) DrawPart(dc, parts_[i], box, UINT(i));
        }
    }
    if (ShowsGrip()) {
        RECT grip{client.right - GripSize(), client.bottom - GripSize(), client.right, client.bottom};
        DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    SelectObject(dc, oldFont);
}

// Along the bottom of the parent, as high as the font needs, unless the
// styles leave the placing to the caller.
void StatusBar::FitToParent() {
    const DWORD style = Style(window_);
    const HWND parent = GetParent(window_);
    if ((style & (CCS_NORESIZE | CCS_NOPARENTALIGN)) || !parent) return;
    const RECT area = ClientRect(parent);
    const int height = std::max(minHeight_, font_.TextHeight() + 2 * verticalBorder + 4);
    SetWindowPos(window_, 0, 0, area.bottom - height, area.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Part* StatusBar::PartOf(WPARAM wParam) {
    const std::size_t index = wParam & 0xFF;
    if (index == SB_SIMPLEID) return &simple_;
    return index < parts_.size() ? &parts_[index] : nullptr;
}

template <class Char>
LRESULT StatusBar::SetText(WPARAM wParam, const Char* text) {
    Part* found = PartOf(wParam);
    if (!found) return FALSE;
    Part& part = *found;
    part.type = UINT(wParam & 0xFF00);
    if (part.type & SBT_OWNERDRAW) {
        part.ownerData = LPARAM(text);
        part.text = AnsiString();
    } else {
        part.text = ItemTextOf(text);
    }
    Redraw();
    return TRUE;
}

// The text's length in characters of `Char` in the low word, its drawing
// type in the high word.
template <class Char>
LRESULT StatusBar::TextLength(WPARAM wParam) {
    const Part* part = PartOf(wParam);
    if (!part) return 0;
    const std::size_t length = sizeof(Char) == 1 ? part->text.size() : AnsiToWide(part->text).size();
    return MAKELONG(WORD(length), WORD(part->type));
}

template <class Char>
LRESULT StatusBar::GetText(WPARAM wParam, Char* buffer) {
    const Part* part = PartOf(wParam);
    if (!part) return 0;
    if (part->type & SBT_OWNERDRAW) return part->ownerData;
    if (buffer) {
        if constexpr (sizeof(Char) == 1) {
            std::copy(part->text.begin(), part->text.end(), buffer);
            buffer[part->text.size()] = 0;
        } else {
            const WideString wide = AnsiToWide(part->text);
            std::copy(wide.begin(), wide.end(), buffer);
            buffer[wide.size()] = 0;
        }
    }
    return TextLength<Char>(wParam);
}

LRESULT StatusBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        FitToParent();
        return 0;
    case WM_SIZE:
        // The parent passes its own resizing on; the bar follows it.
        FitToParent();
        Redraw();
        return 0;
    case WM_SETFONT:
        FitToParent();
        return 0;
    case WM_NCHITTEST: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(window_, &p);
        if (InGrip(p)) return HTBOTTOMRIGHT;
        break;
    }
    case WM_NCLBUTTONDOWN:
        // The grip sizes the top-level window, not the bar.
        if (wParam == HTBOTTOMRIGHT) {
            SendMessage(GetAncestor(window_, GA_ROOT), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
            return 0;
        }
        break;
    case SB_SETPARTS: {
        const auto* edges = reinterpret_cast<const int*>(lParam);
        if (wParam == 0 || wParam > WPARAM(SB_MAXPARTS) || !edges) return FALSE;
        parts_.resize(wParam);
        for (std::size_t i = 0; i < wParam; ++i) parts_[i].right = edges[i];
        Redraw();
        return TRUE;
    }
    case SB_GETPARTS: {
        if (auto* edges = reinterpret_cast<int*>(lParam))
            for (std::size_t i = 0; i < std::min<std::size_t>(wParam, parts_.size()); ++i) edges[i] = parts_[i].right;
        return LRESULT(parts_.size());
    }
    case SB_SETTEXTA:
        return SetText(wParam, reinterpret_cast<const char*>(lParam));
    case SB_SETTEXTW:
        return SetText(wParam, reinterpret_cast<const WCHAR*>(lParam));
    case SB_GETTEXTA:
        return GetText(wParam, reinterpret_cast<char*>(lParam));
    case SB_GETTEXTW:
        return GetText(wParam, reinterpret_cast<WCHAR*>(lParam));
    case SB_GETTEXTLENGTHA:
        return TextLength<char>(wParam);
    case SB_GETTEXTLENGTHW:
        return TextLength<WCHAR>(wParam);
    case SB_GETRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect || simpleMode_ || wParam >= parts_.size()) return FALSE;
        *rect = PartRect(wParam);
        return TRUE;
    }
    case SB_GETBORDERS: {
        auto* borders = reinterpret_cast<int*>(lParam);
        if (!borders) return FALSE;
        borders[0] = 0;
        borders[1] = verticalBorder;
        borders[2] = partSpacing;
        return TRUE;
    }
    case SB_SETMINHEIGHT:
        minHeight_ = int(wParam);
        return 0;
    case SB_SIMPLE:
        simpleMode_ = wParam != 0;
        Redraw();
        return 0;
    case SB_ISSIMPLE:
        return simpleMode_;
    default:
        break;
    }
    return DefWindowProc(window_, message, wParam, lParam);
}

}  // namespace

void RegisterStatusBarClass() {
    RegisterControlClass(STATUSCLASSNAME, &ControlProcedure<StatusBar>, CS_DBLCLKS, 0);
}

}  // namespace ctl
