// TSplitter: sizing the control beside it by dragging.
#include "platform/ui/extctrls_splitter.h"

#include <algorithm>

#include "platform/win/userdraw.h"

void TSplitter::Published(TPublished<TSplitter>& p) {
    p.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
    p.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    p.Property("OnMoved", &TSplitter::OnMoved, &TSplitter::SetOnMoved);
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool v) {
    beveled_ = v;
    Invalidate();
}

void TSplitter::Paint() {
    TRect r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    if (!beveled_) return;
    if (Horizontal())
        InflateRect(&r, -1, 2);
    else
        InflateRect(&r, 2, -1);
    DrawEdge(Canvas()->Handle(), &r, BDR_RAISEDINNER, BF_RECT);
}

TControl* TSplitter::SizedControl() const {
    TWinControl* parent = Parent();
    if (!parent) return nullptr;
    // The point just outside the splitter on the side it is aligned to.
    TPoint p{Left(), Top()};
    switch (Align()) {
    case alLeft: p.x -= 1; break;
    case alRight: p.x += Width(); break;
    case alTop: p.y -= 1; break;
    case alBottom: p.y += Height(); break;
    default: return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* control = parent->Controls(i);
        if (control == this || !control->Visible() || control->Align() != Align()) continue;
        const TRect r = control->BoundsRect();
        const bool inside = Horizontal() ? p.x >= r.left && p.x < r.right : p.y >= r.top && p.y < r.bottom;
        if (inside) return control;
    }
    return nullptr;
}

int TSplitter::ParentCoordinate(int x, int y) const { return Horizontal() ? Left() + x : Top() + y; }

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft) return;
    sized_ = SizedControl();
    if (!sized_) return;
    downAt_ = ParentCoordinate(x, y);
    startSize_ = Horizontal() ? sized_->Width() : sized_->Height();
    // The rest of the parent keeps at least MinSize too.
    const int room = Horizontal() ? Parent()->ClientWidth() : Parent()->ClientHeight();
    int others = 0;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* control = Parent()->Controls(i);
        if (control == sized_ || !control->Visible() || control->Align() == alClient || control->Align() == alNone)
            continue;
        const bool sameAxis = Horizontal() ? control->Align() == alLeft || control->Align() == alRight
                                           : control->Align() == alTop || control->Align() == alBottom;
        if (sameAxis) others += Horizontal() ? control->Width() : control->Height();
    }
    maxSize_ = room - others - minSize_;
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    SetCursor(Horizontal() ? crHSplit : crVSplit);
    if (!sized_) return;
    const int moved = ParentCoordinate(x, y) - downAt_;
    const int towards = Align() == alLeft || Align() == alTop ? moved : -moved;
    const int size = std::max<int>(minSize_, std::min(startSize_ + towards, maxSize_));
    if (Horizontal())
        sized_->SetWidth(size);
    else
        sized_->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!sized_ || button != mbLeft) return;
    sized_ = nullptr;
    onMoved_(this);
}
