// Qm_e_main: the export filter that turns prepared pages into records of
// scaled bounds, text runs and rendered pictures for its descendants. This
// version holds its published settings; the page walk arrives with the
// engine.
#pragma once

#include "platform/ui/graphic.h"
#include "report/core/qm_class.h"

SERVIORA_ENUM(TQmEFImageFormat, ifGIF, ifJPG, ifBMP)

class TQmMainExportFilter : public TQmExportFilter {
    SERVIORA_CLASS(TQmMainExportFilter, TQmExportFilter)
    SERVIORA_PUBLISHED
public:
    using TQmExportFilter::TQmExportFilter;

    // Factors from page pixels to export pixels.
    double ScaleX() const { return scaleX_; }
    void SetScaleX(double v) { scaleX_ = v; }
    double ScaleY() const { return scaleY_; }
    void SetScaleY(double v) { scaleY_ = v; }
    bool ExportFrames() const { return exportFrames_; }
    void SetExportFrames(bool v) { exportFrames_ = v; }
    bool ExportImages() const { return exportImages_; }
    void SetExportImages(bool v) { exportImages_ = v; }
    // 1..100.
    Integer JPEGQuality() const { return jpegQuality_; }
    void SetJPEGQuality(Integer v) { jpegQuality_ = v; }
    TQmEFImageFormat ExportImageFormat() const { return exportImageFormat_; }
    void SetExportImageFormat(TQmEFImageFormat v) { exportImageFormat_ = v; }
    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat v) { pixelFormat_ = v; }

private:
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    bool exportFrames_ = true;
    bool exportImages_ = true;
    Integer jpegQuality_ = 100;
    TQmEFImageFormat exportImageFormat_ = ifJPG;
    TPixelFormat pixelFormat_ = pf24bit;
};
