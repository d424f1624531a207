// Qm_e_main: the export filter that turns each prepared page into records,
// one per report object: bounds scaled to export pixels, the text runs a
// text object draws, or the object rendered into a bitmap. A descendant
// writes the records of a page out in WritePage.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_class.h"

class TQmView;

SERVIORA_ENUM(TQmEFImageFormat, ifGIF, ifJPG, ifBMP)

// Display names of the image formats, in their order.
inline constexpr const char* QmEFImageFormatNames[] = {"GIF", "JPG", "BMP"};

// One output line of a text object: where it starts, its text and its size
// in the object's font.
struct TQmEFTextRec {
    int X = 0, Y = 0;
    AnsiString Text;
    int Width = 0, Height = 0;
};

// One exported report object.
class TQmEFDataRec {
public:
    std::vector<TQmEFTextRec> TextRuns;
    // Export pixels; a text object's Width is one pixel larger.
    int Left = 0, Top = 0, Width = 0, Height = 0;
    TQmView* Obj = nullptr;  // not owned
    // False for a text object, True for every other.
    bool IsPicture = false;
    // The rendered object; none for text objects or without ExportImages.
    std::unique_ptr<TBitmap> Bitmap;
    // The whole text's width in the object's font (text objects).
    int TextWidth = 0;
    // The object's name's index in ObjectNames.
    int NameIndex = 0;
};

class TQmMainExportFilter : public TQmExportFilter {
    SERVIORA_CLASS(TQmMainExportFilter, TQmExportFilter)
    SERVIORA_PUBLISHED
public:
    explicit TQmMainExportFilter(TComponent* owner);
    // Unregisters the class as the object goes (while it is still whole, so
    // by its own class name): destroying any instance removes its entry.
    void BeforeDestruction() override;

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

    void OnBeginDoc() override;
    void OnEndDoc() override;
    void OnBeginPage() override;
    void OnEndPage() override;
    void OnExportPage(TQmEndPage* page) override;
    // Appends the line to CurDataRec's runs, measured in its object's font.
    void OnText(const TRect& drawRect, int x, int y, const AnsiString& text, TQmView* view) override;
    // Called at the end of OnExportPage with every record of the page.
    virtual void WritePage(TQmEndPage* /*page*/) {}

    // The bitmap, at PixelFormat, into `picture`: as it is for ifBMP, else
    // as JPEG (at JPEGQuality for ifJPG, the default quality for ifGIF:
    // there is no GIF encoder). `quality` is not used.
    void BitmapToGraphic(TBitmap* bitmap, TQmEFImageFormat format, int quality, TPicture* picture);
    void ClearDataRecs();

    // Every distinct object name of the document, in order of first meeting.
    std::unique_ptr<TStringList> ObjectNames;
    TQmEFDataRec* CurDataRec = nullptr;
    // False: a rotated text object is exported as a picture.
    bool ExportRotatedAsText = false;
    // The current page's records.
    std::vector<std::unique_ptr<TQmEFDataRec>> DataRecs;
    // Pages finished in this document.
    int PageNo = 0;
    // The current page in export pixels.
    int PageWidth = 0, PageHeight = 0;

private:
    void AddTextRecord(TQmEFDataRec& rec);
    void RenderPicture(TQmEFDataRec& rec);

    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    bool exportFrames_ = true;
    bool exportImages_ = true;
    Integer jpegQuality_ = 100;
    TQmEFImageFormat exportImageFormat_ = ifJPG;
    TPixelFormat pixelFormat_ = pf24bit;
};

// `s` with every occurrence of `oldPattern`, case aside, replaced; replaced
// text is not scanned again.
AnsiString ReplaceAllNoCase(const AnsiString& s, const AnsiString& oldPattern, const AnsiString& newPattern);
// The text's size in the font on the screen; 0 x 0 for an empty text.
void GetTextExtent(TFont* font, const AnsiString& text, SIZE& size);
