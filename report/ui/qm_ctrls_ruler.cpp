// Ruler geometry: the screen's pixels per inch decide the tick spacing and
// the band's thickness; labels thin out to "k" from ten thousand on.
#include "report/ui/qm_ctrls_ruler.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/forms.h"

namespace {

int ScreenPpi() { return Screen->PixelsPerInch(); }

}  // namespace

TQmDesignerRuler::TQmDesignerRuler(TComponent* owner) : TPaintBox(owner) {
    SetColor(clBtnFace);
    Font()->SetColor(clBtnText);
    SetTickGeometry(units_);
}

void TQmDesignerRuler::SetTickGeometry(TQmUnitType units) {
    const double ppi = ScreenPpi();
    switch (units) {
    case qmutScreenPixels:
        ticksPerLabel_ = static_cast<int>(std::lround(ppi / 10));
        pixelsPerTick_ = ppi / ticksPerLabel_;
        valuePerTick_ = static_cast<float>(ppi / ticksPerLabel_);
        halfTicks_ = true;
        break;
    case qmutInches:
        ticksPerLabel_ = 8;
        pixelsPerTick_ = ppi * 0.125;
        valuePerTick_ = 0.125f;
        halfTicks_ = true;
        break;
    case qmutMillimeters:
    case qmutMMThousandths:
        ticksPerLabel_ = 5;
        pixelsPerTick_ = ppi / 2.54 / 5;
        valuePerTick_ = units == qmutMillimeters ? 2.0f : 2000.0f;
        halfTicks_ = false;
        break;
    }
}

void TQmDesignerRuler::SetUnits(TQmUnitType v) {
    if (v == units_) return;
    units_ = v;
    SetTickGeometry(v);
    Invalidate();
}

void TQmDesignerRuler::SetOrientation(int v) {
    if (v == orientation_) return;
    orientation_ = v;
    Invalidate();
}

void TQmDesignerRuler::SetOffset(int v) {
    if (v == scrollOffset_) return;
    scrollOffset_ = std::max(v, 0);
    Invalidate();
}

AnsiString TQmDesignerRuler::LabelText(int tick) const {
    const long value = std::lround(tick * static_cast<double>(valuePerTick_));
    const AnsiString text = value >= 10000 ? std::to_string(value / 1000) + "k" : std::to_string(value);
    return text.substr(0, 10);
}

int TQmDesignerRuler::BandThickness() const { return static_cast<int>(std::lround(ScreenPpi() * 0.1354)); }

int TQmDesignerRuler::TickHeight(int tick) const {
    const int t = BandThickness();
    if (tick % ticksPerLabel_ == 0) return t;
    const int half = ticksPerLabel_ / 2;
    if (halfTicks_ && half > 0 && tick % half == 0) return t / 2;
    return t / 4;
}

void TQmDesignerRuler::Paint() {
    if (!Visible() || !Enabled()) return;
    const int ppi = ScreenPpi();
    const int t = BandThickness();
    const bool horizontal = orientation_ == 0;
    bandOffset_ = ((horizontal ? Height() : Width()) - t) / 2;
    markLength_[0] = static_cast<int>(std::lround(ppi * 0.1354));
    markLength_[1] = static_cast<int>(std::lround(ppi * 0.1458));
    std::fill(std::begin(pointer_), std::end(pointer_), -1);

    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
    band_ = horizontal ? TRect(0, bandOffset_, Width(), Height() - bandOffset_)
                       : TRect(bandOffset_, 0, Width() - bandOffset_, Height());
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(band_);
    canvas->Font()->SetName("Small Fonts");
    canvas->Font()->SetSize(6);
    canvas->Font()->SetStyle({});
    canvas->Font()->SetColor(Font()->Color());
    canvas->Pen()->SetColor(Font()->Color());
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetMode(pmCopy);

    const int length = horizontal ? Width() : Height();
    for (int i = 0;; ++i) {
        const int p = static_cast<int>(std::lround(i * pixelsPerTick_ * Scale));
        if (p >= scrollOffset_ + length) break;
        const int along = p - scrollOffset_;
        if (i % ticksPerLabel_ == 0) PaintLabel(i, along + 2, band_);
        if (i == 0 || along < 0) continue;
        const int h = TickHeight(i);
        if (horizontal) {
            canvas->MoveTo(along, band_.top);
            canvas->LineTo(along, band_.top + h);
        } else {
            canvas->MoveTo(band_.left, along);
            canvas->LineTo(band_.left + h, along);
        }
    }
}

void TQmDesignerRuler::PaintLabel(int tick, int along, const TRect& band) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    const AnsiString text = LabelText(tick);
    const int textHeight = canvas->TextHeight("0");
    if (orientation_ == 0) {
        canvas->TextOut(along, band.bottom - textHeight, text);
        return;
    }
    const int x = band.right - 2 - canvas->TextWidth("0");
    for (size_t c = 0; c < text.size(); ++c)
        canvas->TextOut(x, along + static_cast<int>(c) * (textHeight - 2), text.substr(c, 1));
}

void TQmDesignerRuler::DrawPointer() {
    const int pos = pointer_[orientation_];
    if (pos < 0) return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetMode(pmNot);
    const int mark = markLength_[orientation_];
    if (orientation_ == 0) {
        canvas->MoveTo(pos, bandOffset_);
        canvas->LineTo(pos, bandOffset_ + mark);
    } else {
        canvas->MoveTo(bandOffset_, pos);
        canvas->LineTo(bandOffset_ + mark, pos);
    }
    canvas->Pen()->SetMode(pmCopy);
}

void TQmDesignerRuler::ShowPointer(int pos) {
    if (!Visible() || !Enabled()) return;
    DrawPointer();
    pointer_[orientation_] = orientation_ == 0 ? std::max(pos, band_.left) : std::min(pos, band_.bottom);
    DrawPointer();
}

void TQmDesignerRuler::MouseMove(TShiftState shift, int x, int y) {
    TPaintBox::MouseMove(shift, x, y);
    ShowPointer(orientation_ == 0 ? x : y);
}
