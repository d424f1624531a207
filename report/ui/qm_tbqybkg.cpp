// The dock's background picture: tiled from the client origin of the
// dock's parent, so that neighbouring docks and the tool windows docked on
// them show one continuous image.
#include "platform/win/winpaint.h"
#include "report/ui/qm_tbqy.h"

void TDockQy::SetBackground(TBitmap* v) {
    if (!background_) {
        background_ = std::make_unique<TBitmap>();
        background_->SetOnChange([this](TObject*) { BackgroundChanged(); });
    }
    background_->Assign(v);
}

void TDockQy::SetBackgroundOnToolbars(bool v) {
    backgroundOnToolbars_ = v;
    InvalidateBackgrounds();
}

void TDockQy::SetBackgroundTransparent(bool v) {
    backgroundTransparent_ = v;
    if (HasBackground()) BackgroundChanged();
}

bool TDockQy::HasBackground() const {
    return background_ && background_->Width() != 0 && background_->Height() != 0;
}

void TDockQy::BackgroundChanged() {
    backgroundCache_.reset();
    InvalidateBackgrounds();
}

void TDockQy::InvalidateBackgrounds() {
    Invalidate();
    for (TCustomToolWindowQy* bar : visibleBars_) {
        if (bar->Parent() != this || !bar->HandleAllocated()) continue;
        bar->RequestDockedFrameRepaint();
        bar->Invalidate();
    }
}

TPoint TDockQy::TileOrigin(TWinControl* control, bool windowCoordinates) const {
    TWinControl* host = Parent() ? Parent() : const_cast<TDockQy*>(this);
    const TPoint origin = host->ClientToScreen(TPoint{0, 0});
    POINT at{0, 0};
    if (windowCoordinates) {
        RECT window;
        GetWindowRect(control->Handle(), &window);
        at = {window.left, window.top};
    } else {
        at = control->ClientToScreen(TPoint{0, 0});
    }
    return TPoint{origin.x - at.x, origin.y - at.y};
}

void TDockQy::PaintBackgroundTiles(HDC dc, const RECT* clip, const RECT& tile, const RECT* exclude) {
    if (!HasBackground()) return;
    if (backgroundTransparent_ && !backgroundCache_) {
        backgroundCache_ = std::make_unique<TBitmap>();
        backgroundCache_->SetWidth(background_->Width());
        backgroundCache_->SetHeight(background_->Height());
        backgroundCache_->Canvas()->Brush()->SetColor(Color());
        backgroundCache_->Canvas()->FillRect(TRect(0, 0, background_->Width(), background_->Height()));
        TBitmap see;
        see.Assign(background_.get());
        see.SetTransparentColor(background_->Canvas()->Pixels(0, background_->Height() - 1));
        see.SetTransparent(true);
        backgroundCache_->Canvas()->Draw(0, 0, &see);
    }
    TBitmap* picture = backgroundTransparent_ ? backgroundCache_.get() : background_.get();
    const int saved = SaveDC(dc);
    if (clip) IntersectClipRect(dc, clip->left, clip->top, clip->right, clip->bottom);
    if (exclude) ExcludeClipRect(dc, exclude->left, exclude->top, exclude->right, exclude->bottom);
    const int w = picture->Width(), h = picture->Height();
    const HDC source = picture->Canvas()->Handle();
    for (int x = tile.left; x < tile.right; x += w)
        for (int y = tile.top; y < tile.bottom; y += h) BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

void TDockQy::WMMove(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (HasBackground()) InvalidateBackgrounds();
}

void TDockQy::CMColorChanged(TMessage& Message) {
    if (HasBackground()) BackgroundChanged();
    TCustomControl::Dispatch(Message);
}

void TDockQy::CMSysColorChange(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (HasBackground()) BackgroundChanged();
}
