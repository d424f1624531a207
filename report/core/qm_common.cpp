// The preview options' defaults, assignment and published table.
#include "report/core/qm_common.h"

TQmPreviewOptions::TQmPreviewOptions() : borderPen_(TPen::Create()) {
    borderPen_->SetColor(clBlue);
    borderPen_->SetStyle(psDash);
    borderPen_->SetWidth(1);
}

TQmPreviewOptions::~TQmPreviewOptions() = default;

void TQmPreviewOptions::Assign(TPersistent* source) {
    if (auto* options = dynamic_cast<TQmPreviewOptions*>(source)) {
        rulerUnit_ = options->rulerUnit_;
        rulerVisible_ = options->rulerVisible_;
        drawBorder_ = options->drawBorder_;
        borderPen_->Assign(options->borderPen_.get());
        return;
    }
    TPersistent::Assign(source);
}

void TQmPreviewOptions::Published(TPublished<TQmPreviewOptions>& p) {
    p.Property("RulerUnit", &TQmPreviewOptions::RulerUnit, &TQmPreviewOptions::SetRulerUnit);
    p.Property("RulerVisible", &TQmPreviewOptions::RulerVisible, &TQmPreviewOptions::SetRulerVisible);
    p.Property("DrawBorder", &TQmPreviewOptions::DrawBorder, &TQmPreviewOptions::SetDrawBorder);
    p.Property("BorderPen", &TQmPreviewOptions::BorderPen, &TQmPreviewOptions::SetBorderPen);
}
