// Prepared pages in memory: made page by page while a report builds, and
// turned back into objects whenever one is drawn.
#include "report/core/qm_endpages.h"

#include "platform/rtl/stringlist.h"
#include "platform/ui/graphic.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

TQmEndPage::TQmEndPage(TQmEndPages* owner) : owner_(owner), stream_(TMemoryStream::Create()) {}

TQmEndPage::~TQmEndPage() = default;

void TQmEndPage::SetupFrom(const TQmReportPage* page, int templatePageNo) {
    stream_->Clear();
    PaperSize = page->PaperSize;
    PaperWidth = page->PaperWidth;
    PaperHeight = page->PaperHeight;
    Orientation = page->Orientation;
    Bin = page->Bin;
    Margins = page->Margins;
    PageInfo = page->PageInfo;
    TemplatePageNo = static_cast<Byte>(templatePageNo);
}

Integer TQmEndPage::GetspMargin(int index) const {
    return static_cast<Integer>(Round(FromInternalUnits(Margins[static_cast<std::size_t>(index)], qmutScreenPixels)));
}

void TQmEndPage::CreateObjects(TQmReport* report) {
    objectPage_.reset();
    auto page = std::make_unique<TQmReportPage>(report, PaperSize, PaperWidth, PaperHeight, Orientation, Bin);
    page->Margins = Margins;
    stream_->SetPosition(0);
    while (stream_->Position() < stream_->Size()) {
        const Byte code = ReadByte(stream_.get());
        AnsiString className;
        if (code == QmAddInTypeCode) ReadString(stream_.get(), className);
        if (code > QmAddInTypeCode) break;
        std::unique_ptr<TQmPersistent> made = CreateReportObject(code, className);
        auto* view = dynamic_cast<TQmView*>(made.get());
        if (!view) break;
        made.release();
        view->AutoNameOnPlace = false;
        view->InPreparedPage = true;
        view->SetParentPage(page.get());
        view->LoadFromStream(stream_.get());
        view->InPreparedPage = false;
    }
    objectPage_ = std::move(page);
}

void TQmEndPage::FreeObjects() { objectPage_.reset(); }

void TQmEndPage::Draw(TQmReport* report, TCanvas* canvas, const TRect& rect) {
    if (!objectPage_) CreateObjects(report);
    TQmCustomPage* previousPage = report->CurrentPage;
    report->CurrentPage = objectPage_.get();
    const double kx = PageInfo.ScreenWidth > 0 ? double(rect.right - rect.left) / PageInfo.ScreenWidth : 1.0;
    const double ky = PageInfo.ScreenHeight > 0 ? double(rect.bottom - rect.top) / PageInfo.ScreenHeight : 1.0;
    const auto marginX = static_cast<Integer>(Round(GetspMargin(0) * kx));
    const auto marginY = static_cast<Integer>(Round(GetspMargin(1) * ky));
    for (TQmView* view : objectPage_->GetObjects()) {
        view->ScaleX = kx;
        view->ScaleY = ky;
        view->OffsetX = rect.left + marginX;
        view->OffsetY = rect.top + marginY;
        view->Draw(canvas);
    }
    report->CurrentPage = previousPage;
}

TQmEndPages::TQmEndPages(TQmReport* report) : report_(report), outline_(TStringList::Create()) {}

TQmEndPages::~TQmEndPages() = default;

void TQmEndPages::Clear() {
    pages_.clear();
    outline_->Clear();
}

TQmEndPage* TQmEndPages::GetPage(int index) const {
    return index >= 0 && index < GetCount() ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

TQmEndPage* TQmEndPages::AddPage(TQmReportPage* templatePage, int templatePageNo) {
    if (report_->OnBeginPage) report_->OnBeginPage(report_->PageNo);
    if (templatePage->OnBeginPage()) templatePage->OnBeginPage()(report_->PageNo);
    auto page = std::make_unique<TQmEndPage>(this);
    page->SetupFrom(templatePage, templatePageNo);
    pages_.push_back(std::move(page));
    return pages_.back().get();
}

void TQmEndPages::Delete(int index) {
    if (GetPage(index)) pages_.erase(pages_.begin() + index);
}

void TQmEndPages::Exchange(int first, int second) {
    std::swap(pages_[static_cast<std::size_t>(first)], pages_[static_cast<std::size_t>(second)]);
}
