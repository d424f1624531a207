// The windowless drawing controls: TImage, TBevel, TShape and TPaintBox.
#include "platform/ui/extctrls_graphic.h"

#include <algorithm>

#include "platform/ui/graphics.h"

// ---- TImage ---------------------------------------------------------------------------

void TImage::Published(TPublished<TImage>& p) {
    p.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
    p.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    p.Property("Picture", &TImage::Picture, &TImage::SetPicture);
    p.Property("Proportional", &TImage::Proportional, &TImage::SetProportional).Default(false);
    p.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    p.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
    SetBounds(0, 0, 105, 105);
    picture_->SetOnChange(TNotifyEvent(this, &TImage::PictureChanged));
}

TImage::~TImage() = default;

void TImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}

void TImage::SetProportional(bool v) {
    proportional_ = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    transparent_ = v;
    ApplyTransparent();
    Invalidate();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    FitToPicture();
}

void TImage::ApplyTransparent() {
    if (TGraphic* graphic = picture_->Graphic(); graphic && graphic->Transparent() != transparent_)
        graphic->SetTransparent(transparent_);
}

void TImage::FitToPicture() {
    if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
        SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
}

void TImage::PictureChanged(TObject*) {
    ApplyTransparent();
    FitToPicture();
    Invalidate();
}

TRect TImage::DestRect() const {
    const int clientWidth = Width(), clientHeight = Height();
    int w = picture_->Width(), h = picture_->Height();
    const bool larger = w > clientWidth || h > clientHeight;
    if (w > 0 && h > 0 && (stretch_ || (proportional_ && larger))) {
        if (proportional_) {
            // Scale by the tighter side so the whole picture fits.
            if (double(clientWidth) / w < double(clientHeight) / h) {
                h = h * clientWidth / w;
                w = clientWidth;
            } else {
                w = w * clientHeight / h;
                h = clientHeight;
            }
        } else {
            w = clientWidth;
            h = clientHeight;
        }
    }
    const int x = center_ ? (clientWidth - w) / 2 : 0;
    const int y = center_ ? (clientHeight - h) / 2 : 0;
    return TRect{x, y, x + w, y + h};
}

void TImage::Paint() {
    TGraphic* graphic = picture_->Graphic();
    if (!graphic || graphic->Empty()) return;
    const TRect dest = DestRect();
    if (dest.right - dest.left == graphic->Width() && dest.bottom - dest.top == graphic->Height())
        Canvas()->Draw(dest.left, dest.top, graphic);
    else
        Canvas()->StretchDraw(dest, graphic);
}

// ---- TBevel ---------------------------------------------------------------------------

void TBevel::Published(TPublished<TBevel>& p) {
    p.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
    p.Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_.Exclude(csOpaque);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape v) {
    shape_ = v;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
    style_ = v;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* canvas = Canvas();
    const TColor dark = clBtnShadow, light = clBtnHighlight;
    // A lowered bevel has its shadow on the top-left, a raised one on the bottom-right.
    const TColor topLeft = style_ == bsLowered ? dark : light;
    const TColor bottomRight = style_ == bsLowered ? light : dark;
    const int w = Width(), h = Height();
    canvas->Pen()->SetWidth(1);
    auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
        canvas->Pen()->SetColor(color);
        canvas->MoveTo(x1, y1);
        canvas->LineTo(x2, y2);
    };
    auto box = [&](TColor upper, TColor lower, int left, int top, int right, int bottom) {
        line(upper, left, bottom - 1, left, top);
        line(upper, left, top, right, top);
        line(lower, right - 1, top, right - 1, bottom - 1);
        line(lower, right - 1, bottom - 1, left - 1, bottom - 1);
    };
    switch (shape_) {
        case bsBox: box(topLeft, bottomRight, 0, 0, w, h); break;
        case bsFrame:
            // Two offset boxes make the etched line.
            box(topLeft, topLeft, 0, 0, w - 1, h - 1);
            box(bottomRight, bottomRight, 1, 1, w, h);
            break;
        case bsTopLine:
            line(topLeft, 0, 0, w, 0);
            line(bottomRight, 0, 1, w, 1);
            break;
        case bsBottomLine:
            line(topLeft, 0, h - 2, w, h - 2);
            line(bottomRight, 0, h - 1, w, h - 1);
            break;
        case bsLeftLine:
            line(topLeft, 0, 0, 0, h);
            line(bottomRight, 1, 0, 1, h);
            break;
        case bsRightLine:
            line(topLeft, w - 2, 0, w - 2, h);
            line(bottomRight, w - 1, 0, w - 1, h);
            break;
        case bsSpacer: break;
    }
}

// ---- TShape ---------------------------------------------------------------------------

void TShape::Published(TPublished<TShape>& p) {
    p.Property("Brush", &TShape::Brush, &TShape::SetBrush);
    p.Property("Pen", &TShape::Pen, &TShape::SetPen);
    p.Property("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
}

TShape::TShape(TComponent* owner)
    : TGraphicControl(owner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
    controlStyle_.Include(csReplicatable);
    SetBounds(0, 0, 65, 65);
    pen_->SetOnChange([this](TObject*) { Invalidate(); });
    brush_->SetOnChange([this](TObject*) { Invalidate(); });
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType v) {
    shape_ = v;
    Invalidate();
}

void TShape::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Pen()->Assign(pen_.get());
    canvas->Brush()->Assign(brush_.get());
    // Keep a wide pen's outline inside the control.
    const int inset = pen_->Width() / 2;
    int x = inset, y = inset;
    int w = Width() - pen_->Width() + 1, h = Height() - pen_->Width() + 1;
    if (pen_->Width() == 0) {
        --w;
        --h;
    }
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        const int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    switch (shape_) {
        case stRectangle:
        case stSquare: canvas->Rectangle(x, y, x + w, y + h); break;
        case stRoundRect:
        case stRoundSquare: {
            const int corner = std::min(w, h) / 4;
            canvas->RoundRect(x, y, x + w, y + h, corner, corner);
            break;
        }
        case stEllipse:
        case stCircle: canvas->Ellipse(x, y, x + w, y + h); break;
    }
}

// ---- TPaintBox ------------------------------------------------------------------------

void TPaintBox::Published(TPublished<TPaintBox>& p) {
    p.Property("OnPaint", &TPaintBox::OnPaint, &TPaintBox::SetOnPaint);
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetColor(Color());
    if (onPaint_) onPaint_(this);
}
