// The windowless drawing controls: TImage, TBevel, TShape and TPaintBox.
#pragma once

#include <memory>

#include "platform/ui/controls.h"
#include "platform/ui/graphic.h"

// Shows a TPicture: at its natural size from the top-left corner, centred,
// stretched to the control, or scaled keeping its proportions.
class TImage : public TGraphicControl {
    SERVIORA_CLASS(TImage, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* v) { picture_->Assign(v); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Proportional() const { return proportional_; }
    void SetProportional(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject* sender);
    void ApplyTransparent();
    void FitToPicture();

    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool proportional_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

SERVIORA_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
SERVIORA_ENUM(TBevelStyle, bsLowered, bsRaised)

// A 3-D box, frame or line drawn in the button face's shadow and highlight.
class TBevel : public TGraphicControl {
    SERVIORA_CLASS(TBevel, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TBevel(TComponent* owner);

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape v);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle v);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

SERVIORA_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

// A geometric shape outlined with Pen and filled with Brush.
class TShape : public TGraphicControl {
    SERVIORA_CLASS(TShape, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TShape(TComponent* owner);
    ~TShape() override;

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType v);
    TPen* Pen() const { return pen_.get(); }
    void SetPen(TPen* v) { pen_->Assign(v); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(TBrush* v) { brush_->Assign(v); }

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
};

// A surface the application paints in OnPaint through Canvas.
class TPaintBox : public TGraphicControl {
    SERVIORA_CLASS(TPaintBox, TGraphicControl)
    SERVIORA_PUBLISHED
public:
    explicit TPaintBox(TComponent* owner);

    const TNotifyEvent& OnPaint() const { return onPaint_; }
    void SetOnPaint(TNotifyEvent v) { onPaint_ = std::move(v); }

protected:
    void Paint() override;

private:
    TNotifyEvent onPaint_;
};
