// The spreadsheet filter's construction and published table.
#include "report/ui/qm_e_xls.h"

#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(TQmXLSExport);

TQmXLSExport::TQmXLSExport(TComponent* owner) : TQmMainExportFilter(owner) { SetIsXLSFilter(true); }

void TQmXLSExport::Published(TPublished<TQmXLSExport>& p) {
    p.Property("PixelFormat", &TQmXLSExport::PixelFormat, &TQmXLSExport::SetPixelFormat);
    p.Property("ExportPrecision", &TQmXLSExport::ExportPrecision, &TQmXLSExport::SetExportPrecision);
    p.Property("ExportPages", &TQmXLSExport::ExportPages, &TQmXLSExport::SetExportPages);
    p.Property("ShowAfterExport", &TQmXLSExport::ShowAfterExport, &TQmXLSExport::SetShowAfterExport);
    p.Property("PagesOfSheet", &TQmXLSExport::PagesOfSheet, &TQmXLSExport::SetPagesOfSheet);
}
