// The main export filter's published table.
#include "report/ui/qm_e_main.h"

void TQmMainExportFilter::Published(TPublished<TQmMainExportFilter>& p) {
    p.Property("ScaleX", &TQmMainExportFilter::ScaleX, &TQmMainExportFilter::SetScaleX);
    p.Property("ScaleY", &TQmMainExportFilter::ScaleY, &TQmMainExportFilter::SetScaleY);
    p.Property("ExportFrames", &TQmMainExportFilter::ExportFrames, &TQmMainExportFilter::SetExportFrames).Default(true);
    p.Property("ExportImages", &TQmMainExportFilter::ExportImages, &TQmMainExportFilter::SetExportImages).Default(true);
    p.Property("JPEGQuality", &TQmMainExportFilter::JPEGQuality, &TQmMainExportFilter::SetJPEGQuality).Default(100);
    p.Property("ExportImageFormat", &TQmMainExportFilter::ExportImageFormat,
               &TQmMainExportFilter::SetExportImageFormat);
}
