// The preview's ruler: ticks and labelled values in screen pixels, inches
// or millimetres along a white band, with an inverted mark following the
// pointer.
#pragma once

#include "platform/ui/extctrls_graphic.h"
#include "report/core/qm_common.h"

class TQmDesignerRuler : public TPaintBox {
    SERVIORA_CLASS(TQmDesignerRuler, TPaintBox)
public:
    explicit TQmDesignerRuler(TComponent* owner);

    TQmUnitType Units() const { return units_; }
    void SetUnits(TQmUnitType v);
    // 0 horizontal, 1 vertical.
    int Orientation() const { return orientation_; }
    void SetOrientation(int v);
    int Offset() const { return scrollOffset_; }
    void SetOffset(int v);
    void ShowPointer(int pos);
    // Written directly by the preview as it zooms.
    double Scale = 1.0;

    int TicksPerLabel() const { return ticksPerLabel_; }
    double PixelsPerTick() const { return pixelsPerTick_; }
    float ValuePerTick() const { return valuePerTick_; }
    // The text written at label tick `tick`.
    AnsiString LabelText(int tick) const;

protected:
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    void SetTickGeometry(TQmUnitType units);
    // The band's thickness, and its offset across the ruler.
    int BandThickness() const;
    int TickHeight(int tick) const;
    void DrawPointer();
    void PaintLabel(int tick, int along, const TRect& band);

    TRect band_{};
    int pointer_[4] = {-1, -1, -1, -1};
    int markLength_[2] = {};
    bool halfTicks_ = true;
    int bandOffset_ = 0;
    int orientation_ = 0;
    double pixelsPerTick_ = 0;
    int scrollOffset_ = 0;
    int ticksPerLabel_ = 0;
    float valuePerTick_ = 0;
    TQmUnitType units_ = qmutScreenPixels;
};
