// Objects that carry the structure of a report rather than content: one
// entry of a prepared report's outline, and a sub-report that places
// another template page inside its own.
#pragma once

#include "report/core/qm_view.h"

class TQmOutlineView : public TQmReportView {
    SERVIORA_CLASS(TQmOutlineView, TQmReportView)
public:
    TQmOutlineView();

    // A record of its own, without the object record.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    void Draw(TCanvas* /*canvas*/) override {}
    void Print(TStream* stream) override;
    // The outline list's line: caption, page, top in screen pixels and
    // level, each after character 1.
    AnsiString GetOutlineText() const;

    AnsiString Caption;
    Integer PageNo = 0;
    Integer Level = 0;
};

SERVIORA_ENUM(TQmSubReportType, qmstFixed, qmstChild)

class TQmSubReportView : public TQmReportView {
    SERVIORA_CLASS(TQmSubReportView, TQmReportView)
    SERVIORA_PUBLISHED
public:
    TQmSubReportView();

    AnsiString GetDescription() const override { return "[SubReport]"; }
    // The sub-page index is stored as a word: -1 comes back as 65535, which
    // names no page either.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    // Sub-reports are drawn only by a designer, which this system has not.
    void Draw(TCanvas* /*canvas*/) override {}

    TQmSubReportType SubReportType = qmstChild;
    Integer SubPage = -1;
    // The template page the sub-report prints; nullptr outside the pages.
    TQmCustomPage* GetSubPage() const;
    // Marks the sub-page as built by this object, within the page holding
    // it (first pass only).
    void Prepare() override;
    bool ReprintLastPage() const { return Flag(0x1); }
    void SetReprintLastPage(bool v) { SetFlag(0x1, v); }
};
