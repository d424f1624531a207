// Qm_ShapeView: a report object that draws one of thirteen shapes with its
// own pen and brush.
#pragma once

#include <memory>

#include "report/core/qm_view.h"

SERVIORA_ENUM(TQmShapeType, qmskRectangle, qmskRoundRectangle, qmskEllipse, qmskTriangle, qmskDiagonal1,
              qmskDiagonal2, qmskSquare, qmskRoundSquare, qmskCircle, qmHorLine, qmRightAndLeft, qmTopAndBottom,
              qmVertLine)

class TQmShapeView : public TQmReportView {
    SERVIORA_CLASS(TQmShapeView, TQmReportView)
    SERVIORA_PUBLISHED
public:
    TQmShapeView();
    ~TQmShapeView() override;

    bool IsInsertable() const override { return false; }
    AnsiString GetDescription() const override { return "[Shape]"; }
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    void Draw(TCanvas* canvas) override;

    TQmShapeType Shape = qmskRectangle;
    TPen* Pen() const { return pen_.get(); }
    void SetPen(TPen* v) { pen_->Assign(v); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(TBrush* v) { brush_->Assign(v); }

private:
    void DrawShape(HDC dc);

    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
};
