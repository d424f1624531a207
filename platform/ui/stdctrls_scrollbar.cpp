// TScrollBar over the "ScrollBar" control.
#include "platform/ui/stdctrls_scrollbar.h"

#include <algorithm>

#include "platform/rtl/exceptions.h"
#include "platform/win/winscroll.h"

void TScrollBar::Published(TPublished<TScrollBar>& p) {
    p.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
    p.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
    p.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
    p.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
    p.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
    p.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
    p.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
    p.Property("OnChange", &TScrollBar::OnChange, &TScrollBar::SetOnChange);
    p.Property("OnScroll", &TScrollBar::OnScroll, &TScrollBar::SetOnScroll);
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    controlStyle_.Exclude(csCaptureMouse);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "ScrollBar");
    params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateWindow();
}

void TScrollBar::UpdateWindow() {
    if (!HandleAllocated()) return;
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = UINT(pageSize_);
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (kind_ == v) return;
    kind_ = v;
    SetBounds(Left(), Top(), Height(), Width());
    if (HandleAllocated()) Perform(CM_RECREATEWND, 0, 0);
}

void TScrollBar::SetPageSize(Integer v) {
    pageSize_ = std::clamp<Integer>(v, 0, std::max<Integer>(0, max_ - min_ + 1));
    UpdateWindow();
}

void TScrollBar::SetParams(Integer position, Integer min, Integer max) {
    if (max < min) throw EInvalidOperation("Scroll bar property out of range");
    min_ = min;
    max_ = max;
    const Integer last = std::max(min_, max_ - std::max<Integer>(pageSize_ - 1, 0));
    position = std::clamp(position, min_, last);
    const bool moved = position != position_;
    position_ = position;
    UpdateWindow();
    if (moved) Change();
}

void TScrollBar::Change() { onChange_(this); }

void TScrollBar::Scroll(TScrollCode code, int& position) { onScroll_(this, code, position); }

void TScrollBar::CNScroll(TMessage& Message) {
    const int request = LOWORD(Message.WParam);
    int position = position_;
    switch (request) {
    case SB_LINEUP: position -= smallChange_; break;
    case SB_LINEDOWN: position += smallChange_; break;
    case SB_PAGEUP: position -= largeChange_; break;
    case SB_PAGEDOWN: position += largeChange_; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_CTL, &info);
        position = info.nTrackPos;
        break;
    }
    case SB_TOP: position = min_; break;
    case SB_BOTTOM: position = max_; break;
    default: break;
    }
    static constexpr TScrollCode codes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition,
                                            scTrack,  scTop,      scBottom, scEndScroll};
    Scroll(codes[std::clamp(request, 0, 8)], position);
    SetPosition(position);
}
