// TDragImageList: the image shown under the mouse while dragging. What the
// image covers is kept and put back when it moves or hides, so the window
// beneath never needs repainting for it.
#include "platform/ui/imagelist.h"

#include "platform/win/winpaint.h"

TDragImageList::~TDragImageList() {
    if (visible_) Paint(false);
}

bool TDragImageList::SetDragImage(Integer index, Integer hotSpotX, Integer hotSpotY) {
    if (index < 0 || index >= Count()) return false;
    const bool shown = visible_;
    if (shown) Paint(false);
    dragIndex_ = index;
    hotSpot_ = Point(hotSpotX, hotSpotY);
    if (shown) Paint(true);
    return true;
}

bool TDragImageList::BeginDrag(HWND window, Integer x, Integer y) {
    if (dragging_ || dragIndex_ >= Count()) return false;
    dragging_ = true;
    return DragLock(window, x, y);
}

bool TDragImageList::DragLock(HWND window, Integer xPos, Integer yPos) {
    if (visible_ && window == window_) return DragMove(xPos, yPos);
    if (visible_) Paint(false);
    window_ = window;
    position_ = Point(xPos - hotSpot_.x, yPos - hotSpot_.y);
    Paint(true);
    return true;
}

void TDragImageList::DragUnlock() {
    if (visible_) Paint(false);
}

bool TDragImageList::DragMove(Integer x, Integer y) {
    if (!dragging_ && !visible_) return false;
    const bool shown = visible_;
    if (shown) Paint(false);
    position_ = Point(x - hotSpot_.x, y - hotSpot_.y);
    if (shown) Paint(true);
    return true;
}

bool TDragImageList::EndDrag() {
    if (!dragging_) return false;
    DragUnlock();
    dragging_ = false;
    window_ = 0;
    return true;
}

void TDragImageList::ShowDragImage() {
    if (dragging_ && !visible_) Paint(true);
}

void TDragImageList::HideDragImage() {
    if (visible_) Paint(false);
}

void TDragImageList::Paint(bool show) {
    HDC dc = GetDC(window_);
    const int w = Width(), h = Height();
    if (show) {
        saved_ = std::make_unique<TBitmap>();
        saved_->SetSize(w, h);
        BitBlt(saved_->Canvas()->Handle(), 0, 0, w, h, dc, position_.x, position_.y, SRCCOPY);
        DrawEx(dc, position_.x, position_.y, dragIndex_, CLR_NONE, CLR_NONE, ILD_NORMAL);
    } else if (saved_) {
        BitBlt(dc, position_.x, position_.y, w, h, saved_->Canvas()->Handle(), 0, 0, SRCCOPY);
        saved_.reset();
    }
    ReleaseDC(window_, dc);
    visible_ = show;
}
