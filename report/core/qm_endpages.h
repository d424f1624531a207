// Qm_EndPages: the prepared pages a build produces — one page per output
// page, holding its paper, margins and the prepared records of the objects
// printed on it — and the list of them with the report's outline. Objects
// exist only while a page is drawn: the page rebuilds them from its bytes.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/streams.h"
#include "report/core/qm_customprinter.h"

class TQmReport;
class TQmReportPage;
class TQmEndPages;
class TCanvas;
class TStringList;

class TQmEndPage {
public:
    explicit TQmEndPage(TQmEndPages* owner);
    ~TQmEndPage();
    TQmEndPage(const TQmEndPage&) = delete;
    TQmEndPage& operator=(const TQmEndPage&) = delete;

    // Takes the template page's paper, margins, page information and
    // number; the object stream starts empty.
    void SetupFrom(const TQmReportPage* page, int templatePageNo);

    int PaperSize = 0, PaperWidth = 0, PaperHeight = 0;
    Byte Orientation = 0;
    int Bin = 0;
    std::array<Integer, 4> Margins{};
    // 1-based number of the template page that made the page.
    Byte TemplatePageNo = 0;
    TQmPageInfo PageInfo;
    // The prepared records of the page's objects, one after the other.
    TMemoryStream* Stream() const { return stream_.get(); }

    // Rebuilds the objects from the stream into a throw-away page.
    void CreateObjects(TQmReport* report);
    void FreeObjects();
    // The rebuilt objects' page; nullptr before CreateObjects.
    TQmReportPage* ObjectPage() const { return objectPage_.get(); }
    // Draws the objects scaled into the rectangle, offset by the margins.
    void Draw(TQmReport* report, TCanvas* canvas, const TRect& rect);
    // The margin in screen pixels (0 left, 1 top, 2 right, 3 bottom).
    Integer GetspMargin(int index) const;

private:
    TQmEndPages* owner_;
    std::unique_ptr<TMemoryStream> stream_;
    std::unique_ptr<TQmReportPage> objectPage_;
};

class TQmEndPages {
public:
    explicit TQmEndPages(TQmReport* report);
    ~TQmEndPages();
    TQmEndPages(const TQmEndPages&) = delete;
    TQmEndPages& operator=(const TQmEndPages&) = delete;

    TQmReport* Report() const { return report_; }
    void Clear();
    int GetCount() const { return static_cast<int>(pages_.size()); }
    // nullptr outside the list.
    TQmEndPage* GetPage(int index) const;
    // Fires the report's OnBeginPage, then the template page's, with the
    // report's page counter; then appends a page made from the template page.
    TQmEndPage* AddPage(TQmReportPage* templatePage, int templatePageNo);
    void Delete(int index);
    void Exchange(int first, int second);
    // One line per outline entry: caption, page, top and level after #1.
    TStringList* Outline() const { return outline_.get(); }

private:
    TQmReport* report_;
    std::vector<std::unique_ptr<TQmEndPage>> pages_;
    std::unique_ptr<TStringList> outline_;
};
