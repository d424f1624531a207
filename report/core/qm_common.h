// Qm_Common: the bases of the report engine's components — TQmComponent,
// TQmCustomReport, the preview options a report hands to its preview, and
// the type under which export filters register.
#pragma once

#include <memory>

#include "platform/rtl/component.h"
#include "platform/ui/graphics.h"

SERVIORA_ENUM(TQmUnitType, qmutScreenPixels, qmutInches, qmutMillimeters, qmutMMThousandths)

class TQmComponent : public TComponent {
    SERVIORA_CLASS(TQmComponent, TComponent)
public:
    using TComponent::TComponent;
};

class TQmCustomReport : public TQmComponent {
    SERVIORA_CLASS(TQmCustomReport, TQmComponent)
public:
    using TQmComponent::TQmComponent;

    // The stop flag the report's long loops test.
    bool Terminated() const { return terminated_; }
    void SetTerminated(bool v) { terminated_ = v; }

private:
    bool terminated_ = false;
};

// Ruler and page-border settings copied into each new preview window.
class TQmPreviewOptions : public TPersistent {
    SERVIORA_CLASS(TQmPreviewOptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    TQmPreviewOptions();
    ~TQmPreviewOptions() override;

    void Assign(TPersistent* source) override;

    TQmUnitType RulerUnit() const { return rulerUnit_; }
    void SetRulerUnit(TQmUnitType v) { rulerUnit_ = v; }
    bool RulerVisible() const { return rulerVisible_; }
    void SetRulerVisible(bool v) { rulerVisible_ = v; }
    bool DrawBorder() const { return drawBorder_; }
    void SetDrawBorder(bool v) { drawBorder_ = v; }
    // Owned; the setter copies the given pen's attributes.
    TPen* BorderPen() const { return borderPen_.get(); }
    void SetBorderPen(TPen* v) { borderPen_->Assign(v); }

private:
    TQmUnitType rulerUnit_ = qmutScreenPixels;
    bool rulerVisible_ = false;
    bool drawBorder_ = false;
    std::unique_ptr<TPen> borderPen_;
};

// The type under which export filters register; TQmExportFilter adds the
// export operations.
class TQmCustomExportFilter : public TComponent {
    SERVIORA_CLASS(TQmCustomExportFilter, TComponent)
public:
    using TComponent::TComponent;
};
