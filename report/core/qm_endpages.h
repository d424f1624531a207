// Prepared pages: one TQmEndPage per output page, holding the page's paper
// and the objects that print on it as a byte stream (compressed with zlib
// when the report asks), rebuilt into objects only while the page is drawn,
// printed or exported; TQmEndPages, the report's list of them with the
// background pictures and the outline, and the prepared-report file (".qmp")
// it is saved to and loaded from.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_common.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_zlibex.h"

class TQmReport;
class TQmReportPage;
class TQmEndPages;
class TQmCompressThread;
class TCanvas;

// The background picture of a template report page, as pages of the build
// show it; sizes in screen pixels, -1 without a picture.
class TQmBkPicture : public TObject {
    SERVIORA_CLASS(TQmBkPicture, TObject)
public:
    TQmBkPicture(Integer left, Integer top, Integer width, Integer height, TPicture* picture);

    Integer Left, Top, Width, Height;
    TPicture* Picture() const { return picture_.get(); }

private:
    std::unique_ptr<TPicture> picture_;
};

class TQmEndPage : public TObject {
    SERVIORA_CLASS(TQmEndPage, TObject)
public:
    explicit TQmEndPage(TQmEndPages* owner);
    // Waits for a running compression first.
    ~TQmEndPage() override;

    // Takes the paper, page info, margins, duplex, new-print-job flag and
    // template page number (the build numbers its pages) of a template page; the background index is the
    // given one when the page shows its picture, else that of an empty one.
    void SetupFromPage(TQmReportPage* page, int bkPictureIndex);
    // The same fields from another prepared page.
    void SetupFromPage(const TQmEndPage& source);

    // Rebuilds the objects from the stream into the object page (a
    // throw-away report page), binding script events when asked.
    void CreateObjects(TQmReport* report, bool bindEvents);
    // Writes the objects of the object page back into the stream (then
    // compresses it); the object page stays.
    void StoreObjects(TQmReport* report);
    void FreeObjects();
    // Compresses the stream when the list's pages are compressed and this
    // one is not yet, at once or in a worker thread.
    void Compress();
    // Draws the objects into the rectangle of the canvas, scaled to it;
    // on the printer's canvas during a print job only printable objects
    // unless the report prints everything.
    void Draw(TQmReport* report, TCanvas* canvas, const TRect& rect);
    // Hands the rebuilt objects to the report's export filter.
    void ExportObjects(TQmReport* report);
    // 0 left, 1 top, 2 right, 3 bottom; screen pixels.
    Integer GetspMargin(int index) const;
    // Loops, processing messages, while a compression of the page runs.
    void WaitReady() const;

    Word PaperSize = 0;
    Integer PaperWidth = 0, PaperHeight = 0;
    Byte Orientation = 0;
    Integer Bin = QmDefaultBinCode;
    std::array<Integer, 4> Margins{};  // left, top, right, bottom (thousandths)
    Byte Duplex = 0;
    bool NewPrintJob = false;
    Byte BkPictureIndex = 0;
    // 1-based; 0 for pages read from a file.
    Byte TemplatePageNo = 0;
    TQmPageInfo PageInfo;
    // The objects, raw or compressed.
    TMemoryStream* Stream() const { return stream_.get(); }
    bool Compressed = false;
    // False while a worker thread compresses the stream.
    bool Ready = true;
    // The rebuilt objects; nullptr while none are.
    TQmReportPage* Page() const { return page_.get(); }
    TQmEndPages* Owner() const { return owner_; }
    // Written by the preview: where the page lies in its layout.
    TRect PreviewRect{};
    bool Visible = false;

private:
    friend class TQmCompressThread;
    // The worker's OnTerminate: swaps its output in, or keeps the raw
    // stream when it failed.
    void CompressionDone(TQmCompressThread* thread);
    // The stream to read objects from: inflated into `inflated` when it
    // holds compressed data.
    TStream* ObjectSource(std::unique_ptr<TMemoryStream>& inflated) const;
    // Frees the rebuilt objects and the script handlers bound to them.
    void DropObjects();

    TQmEndPages* owner_;
    std::unique_ptr<TMemoryStream> stream_;
    std::unique_ptr<TMemoryStream> threadOutput_;
    TQmCompressThread* thread_ = nullptr;
    std::unique_ptr<TQmReportPage> page_;
    TQmEventHandlers handlers_;
};

class TQmEndPages {
public:
    static constexpr const char* Signature = "Tamberquistor Prepared Report File";
    static constexpr Byte Version = 62;

    explicit TQmEndPages(TQmReport* report);
    ~TQmEndPages();
    TQmEndPages(const TQmEndPages&) = delete;
    TQmEndPages& operator=(const TQmEndPages&) = delete;

    TQmReport* Report() const { return report_; }
    // Calls OnClear instead when it is assigned.
    void Clear();
    void Delete(int index);
    // At or past the end appends. The template page's background record is
    // the last one added.
    TQmEndPage* InsertPage(int index, TQmReportPage* page);
    TQmEndPage* InsertPageFromInfo(int index, const TQmEndPage& source);
    // Compresses the last page, fires the report's and the template page's
    // OnBeginPage, then appends a page for the template page.
    TQmEndPage* AddPage(TQmReportPage* page);
    // Swaps two pages (page-by-page order).
    void Exchange(int first, int second);
    void AddBkPicture(Integer left, Integer top, Integer width, Integer height, TPicture* picture);
    // nullptr outside the list.
    TQmEndPage* GetPage(int index) const;
    TQmBkPicture* GetBkPicture(int index) const;
    int GetCount() const { return static_cast<int>(pages_.size()); }
    int BkPictureCount() const { return static_cast<int>(bkPictures_.size()); }

    // Whether the report wants compressed pages, and its marker byte.
    bool ReportCompressed() const;
    Byte ReportCompressionMarker() const { return 1; }
    // Takes both from the report (a build starts with it).
    void TakeCompression();

    // The ".qmp" layout of version 62. Loading checks the signature first
    // (a wrong one is reported and reads nothing), reads versions 53 to 62
    // and converts the pages' compression to the report's.
    void SaveToStream(TStream* stream);
    void LoadFromStream(TStream* stream);
    void AppendFromStream(TStream* stream);

    bool Compressed = false;
    Byte CompressionMarker = 1;
    TStringList* Outline() const { return outline_.get(); }
    TNotifyEvent OnClear;
    // Set while the pages came from a file: saving them re-encodes them.
    bool ReadFromFile = false;
    // 1-based; the preview keeps it.
    Integer CurPageNo = 1;

private:
    void ReadFile(TStream* stream, bool clearFirst);
    void ReadPages(TStream* stream, Byte version);
    void ConvertCompression(TQmEndPage& page, bool fileCompressed);
    // The index of a background record with no picture, made when missing.
    int EmptyBkPictureIndex();
    friend class TQmEndPage;

    TQmReport* report_;
    std::vector<std::unique_ptr<TQmEndPage>> pages_;
    std::vector<std::unique_ptr<TQmBkPicture>> bkPictures_;
    std::unique_ptr<TStringList> outline_;
};

// The level a report's CompressLevel stands for.
TZCompressionLevel ZLevelOf(TQmReport* report);
