// Qm_e_Xls: the spreadsheet export filter. Placed on a form it offers the
// preview's save-as-spreadsheet button; this version holds its published
// settings, the workbook writers arrive with the engine.
#pragma once

#include "report/ui/qm_e_main.h"

class TQmXLSExport : public TQmMainExportFilter {
    SERVIORA_CLASS(TQmXLSExport, TQmMainExportFilter)
    SERVIORA_PUBLISHED
public:
    explicit TQmXLSExport(TComponent* owner);

    // Largest distance in pixels at which two edges are one boundary.
    Integer ExportPrecision() const { return exportPrecision_; }
    void SetExportPrecision(Integer v) { exportPrecision_ = v; }
    // Empty: all pages; "CURPAGE": the page shown; else "1,3,5-12".
    const AnsiString& ExportPages() const { return exportPages_; }
    void SetExportPages(const AnsiString& v) { exportPages_ = v; }
    // Open the file with its associated program afterwards.
    bool ShowAfterExport() const { return showAfterExport_; }
    void SetShowAfterExport(bool v) { showAfterExport_ = v; }
    Integer PagesOfSheet() const { return pagesOfSheet_; }
    void SetPagesOfSheet(Integer v) { pagesOfSheet_ = v; }

private:
    Integer exportPrecision_ = 1;
    AnsiString exportPages_;
    bool showAfterExport_ = true;
    Integer pagesOfSheet_ = 10;
};
