// The "msctls_progress32" window class in the classic look: a sunken well
// filled from the left (from the bottom with PBS_VERTICAL) in blocks of the
// highlight colour, or in one piece with PBS_SMOOTH. PBM_ messages set and
// read the range, position and step; a range whose high end is not above
// its low end fills nothing.
#include <algorithm>

#include "platform/win/controls/common.h"

namespace ctl {
namespace {

class ProgressBar {
public:
    explicit ProgressBar(HWND window) : window_(window) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    ControlFont& Font() { return font_; }

private:
    // Sets the position kept within the range; answers the previous one.
    int MoveTo(int position) {
        const int previous = position_;
        position_ = std::clamp(position, low_, std::max(low_, high_));
        if (position_ != previous) InvalidateRect(window_, nullptr, TRUE);
        return previous;
    }
    void SetRange(int low, int high) {
        low_ = low;
        high_ = high;
        MoveTo(position_);
        InvalidateRect(window_, nullptr, TRUE);
    }

    HWND window_;
    ControlFont font_;
    int low_ = 0, high_ = 100, position_ = 0, step_ = 10;
};

void ProgressBar::Paint(HDC dc) {
    RECT well = ClientRect(window_);
    FillRect(dc, &well, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &well, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    InflateRect(&well, -1, -1);
    if (high_ <= low_ || well.right <= well.left || well.bottom <= well.top) return;
    const bool vertical = Style(window_) & PBS_VERTICAL;
    const int length = vertical ? well.bottom - well.top : well.right - well.left;
    const int filled = int(std::int64_t(length) * (position_ - low_) / (high_ - low_));
    const HBRUSH brush = GetSysColorBrush(COLOR_HIGHLIGHT);
    if (Style(window_) & PBS_SMOOTH) {
        RECT bar = well;
        if (vertical)
            bar.top = bar.bottom - filled;
        else
            bar.right = bar.left + filled;
        FillRect(dc, &bar, brush);
        return;
    }
    // Blocks two thirds as long as the bar is thick, two pixels apart; the
    // last one shows once the filled part reaches into it.
    const int thickness = vertical ? well.right - well.left : well.bottom - well.top;
    const int block = std::max(2, thickness * 2 / 3), gap = 2;
    for (int at = 0; at < filled; at += block + gap) {
        const int end = std::min(at + block, length);
        RECT piece = well;
        if (vertical) {
            piece.bottom = well.bottom - at;
            piece.top = well.bottom - end;
        } else {
            piece.left = well.left + at;
            piece.right = well.left + end;
        }
        FillRect(dc, &piece, brush);
    }
}

LRESULT ProgressBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_SETRANGE: {
        const LRESULT previous = MAKELONG(low_, high_);
        SetRange(LOWORD(lParam), HIWORD(lParam));
        return previous;
    }
    case PBM_SETRANGE32: {
        const LRESULT previous = MAKELONG(low_, high_);
        SetRange(int(wParam), int(lParam));
        return previous;
    }
    case PBM_GETRANGE:
        if (lParam) *reinterpret_cast<PBRANGE*>(lParam) = PBRANGE{low_, high_};
        return wParam ? low_ : high_;
    case PBM_SETPOS:
        return MoveTo(int(wParam));
    case PBM_GETPOS:
        return position_;
    case PBM_DELTAPOS:
        return MoveTo(position_ + int(wParam));
    case PBM_SETSTEP: {
        const int previous = step_;
        step_ = int(wParam);
        return previous;
    }
    case PBM_STEPIT: {
        // Past the high end the bar starts over from the low end.
        int next = position_ + step_;
        if (high_ > low_ && next > high_) next = low_ + (next - high_) % (high_ - low_);
        return MoveTo(next);
    }
    default:
        return DefWindowProc(window_, message, wParam, lParam);
    }
}

}  // namespace

void RegisterProgressBarClass() {
    RegisterControlClass("msctls_progress32", &ControlProcedure<ProgressBar>, CS_HREDRAW | CS_VREDRAW, 0);
}

}  // namespace ctl
