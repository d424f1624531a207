// Prepared pages: setup, rebuilding and storing objects, compression,
// drawing and exporting one page, and the list's page operations.
#include "report/core/qm_endpages.h"

#include "platform/ui/forms.h"
#include "report/core/qm_compressthread.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_event.h"
#include "script/qm_kpinterpreter_fm.h"

namespace {

// Restores the report's current page when a page operation leaves.
class CurrentPageScope {
public:
    explicit CurrentPageScope(TQmReport* report) : report_(report), saved_(report->CurrentPage) {}
    ~CurrentPageScope() { report_->CurrentPage = saved_; }

private:
    TQmReport* report_;
    TQmCustomPage* saved_;
};

}  // namespace

TZCompressionLevel ZLevelOf(TQmReport* report) { return static_cast<TZCompressionLevel>(report->CompressLevel()); }

TQmBkPicture::TQmBkPicture(Integer left, Integer top, Integer width, Integer height, TPicture* picture)
    : Left(left), Top(top), Width(width), Height(height), picture_(TPicture::Create()) {
    if (picture) picture_->Assign(picture);
}

// ---- TQmEndPage

TQmEndPage::TQmEndPage(TQmEndPages* owner) : owner_(owner), stream_(TMemoryStream::Create()) {}

TQmEndPage::~TQmEndPage() {
    WaitReady();
    DropObjects();
}

void TQmEndPage::DropObjects() {
    handlers_.clear();
    page_.reset();
}

void TQmEndPage::WaitReady() const {
    // The worker's OnTerminate runs inside the message processing and sets
    // Ready; waiting whatever CompressThread says now keeps the stream safe
    // even when the option was turned off while a worker ran.
    while (!Ready) {
        CheckSynchronize(10);
        if (Application) Application->ProcessMessages();
    }
}

void TQmEndPage::SetupFromPage(TQmReportPage* page, int bkPictureIndex) {
    WaitReady();
    stream_->Clear();
    Compressed = false;
    PaperSize = static_cast<Word>(page->PaperSize);
    Orientation = page->Orientation;
    Bin = page->Bin;
    PageInfo = page->PageInfo;
    Margins = page->Margins;
    PaperWidth = page->PaperWidth;
    PaperHeight = page->PaperHeight;
    Duplex = static_cast<Byte>(page->Duplex);
    NewPrintJob = page->NewPrintJob;
    TemplatePageNo = static_cast<Byte>(page->TemplatePageNo);
    BkPictureIndex = static_cast<Byte>(page->ShowBackPicture ? bkPictureIndex : owner_->EmptyBkPictureIndex());
}

void TQmEndPage::SetupFromPage(const TQmEndPage& source) {
    WaitReady();
    stream_->Clear();
    Compressed = false;
    PaperSize = source.PaperSize;
    Orientation = source.Orientation;
    Bin = source.Bin;
    PageInfo = source.PageInfo;
    Margins = source.Margins;
    PaperWidth = source.PaperWidth;
    PaperHeight = source.PaperHeight;
    Duplex = source.Duplex;
    NewPrintJob = source.NewPrintJob;
    TemplatePageNo = source.TemplatePageNo;
    BkPictureIndex = source.BkPictureIndex;
}

TStream* TQmEndPage::ObjectSource(std::unique_ptr<TMemoryStream>& inflated) const {
    if (!(owner_->Compressed && Compressed)) return stream_.get();
    inflated.reset(TMemoryStream::Create());
    DecompressStream(stream_.get(), inflated.get());
    return inflated.get();
}

void TQmEndPage::CreateObjects(TQmReport* report, bool bindEvents) {
    WaitReady();
    DropObjects();
    auto page = std::make_unique<TQmReportPage>(report, PaperSize, PaperWidth, PaperHeight, Orientation, Bin);
    page->Margins = Margins;
    std::unique_ptr<TMemoryStream> inflated;
    TStream* source = ObjectSource(inflated);
    source->SetPosition(0);
    while (source->Position() < source->Size()) {
        const Byte code = ReadByte(source);
        AnsiString className;
        if (code == QmAddInTypeCode) ReadString(source, className);
        if (code > QmAddInTypeCode) break;
        std::unique_ptr<TQmPersistent> object = CreateReportObject(code, className);
        auto* view = dynamic_cast<TQmView*>(object.get());
        // A code without a class has no record length to skip by.
        if (!view) break;
        view->AutoNameOnPlace = false;
        view->InPreparedPage = true;
        view->SetParentPage(page.get());
        object.release();
        view->LoadFromStream(source);
        view->InPreparedPage = false;
        if (auto* memo = dynamic_cast<TQmCustomMemoView*>(view); memo && memo->Flag(QmFlag::AutoWidth)) {
            memo->Canvas = report->MeasuringCanvas();
            memo->AutoSizeWidth();
        }
    }
    page_ = std::move(page);
    if (bindEvents)
        for (TQmView* view : page_->GetObjects()) view->InstallEventHandlers(handlers_, report->Interpreter());
}

void TQmEndPage::StoreObjects(TQmReport* /*report*/) {
    if (!page_) return;
    WaitReady();
    Compressed = false;
    stream_->Clear();
    for (TQmView* view : page_->GetObjects()) {
        view->InPreparedPage = true;
        WriteByte(stream_.get(), view->TypeCode);
        if (view->TypeCode == QmAddInTypeCode) WriteString(stream_.get(), view->ClassName());
        view->Memo1->Assign(view->Memo.get());
        view->SaveToStream(stream_.get());
    }
    Compress();
}

void TQmEndPage::FreeObjects() {
    WaitReady();
    DropObjects();
}

void TQmEndPage::Compress() {
    if (!owner_->Compressed || Compressed) return;
    Compressed = true;
    TQmReport* report = owner_->Report();
    if (report->CompressThread()) {
        Ready = false;
        threadOutput_.reset(TMemoryStream::Create());
        // The thread frees itself after its OnTerminate.
        thread_ = new TQmCompressThread(stream_.get(), ZLevelOf(report), threadOutput_.get());
        thread_->SetOnTerminate([this](TObject* sender) { CompressionDone(static_cast<TQmCompressThread*>(sender)); });
        thread_->Start();
        return;
    }
    auto packed = std::unique_ptr<TMemoryStream>(TMemoryStream::Create());
    CompressStream(stream_.get(), packed.get(), ZLevelOf(report));
    stream_->LoadFromStream(packed.get());
}

void TQmEndPage::CompressionDone(TQmCompressThread* thread) {
    thread_ = nullptr;
    if (thread->Failed()) Compressed = false;
    else stream_->LoadFromStream(threadOutput_.get());
    threadOutput_.reset();
    Ready = true;
}

void TQmEndPage::Draw(TQmReport* report, TCanvas* canvas, const TRect& rect) {
    WaitReady();
    TQmPrinter* printer = report->GetPrinter();
    const bool printing = printer->Printing() && canvas == printer->GetCanvas();
    report->DrawMode = printing && report->PrintScale == 100 && report->TargetPaper == -1 ? 1 : 2;
    if (!page_) CreateObjects(report, !printing);
    report->CurrentPage = page_.get();
    const double kx = PageInfo.ScreenWidth > 0 ? double(rect.right - rect.left) / PageInfo.ScreenWidth : 1.0;
    const double ky = PageInfo.ScreenHeight > 0 ? double(rect.bottom - rect.top) / PageInfo.ScreenHeight : 1.0;
    const auto marginX = static_cast<Integer>(Round(GetspMargin(0) * kx));
    const auto marginY = static_cast<Integer>(Round(GetspMargin(1) * ky));
    const std::vector<TQmView*> objects = page_->GetObjects();
    for (TQmView* view : objects) {
        if (!printing) {
            const auto at = [](Integer v, double k) { return static_cast<LONG>(Round(v * k)); };
            const TRect bounds{rect.left + marginX + at(view->GetspBound(0), kx) - 10,
                               rect.top + marginY + at(view->GetspBound(1), ky) - 10,
                               rect.left + marginX + at(view->GetspBound(4), kx) + 10,
                               rect.top + marginY + at(view->GetspBound(5), ky) + 10};
            if (!RectVisible(canvas->Handle(), &bounds)) continue;
        }
        if (printing && !report->PrintEverything && !view->Flag(QmFlag::Printable)) continue;
        view->ScaleX = kx;
        view->ScaleY = ky;
        view->OffsetX = rect.left + marginX;
        view->OffsetY = rect.top + marginY;
        view->Draw(canvas);
    }
}

void TQmEndPage::ExportObjects(TQmReport* report) {
    WaitReady();
    CreateObjects(report, false);
    struct FreeAfter {
        TQmEndPage* page;
        ~FreeAfter() { page->DropObjects(); }
    } freeAfter{this};
    CurrentPageScope scope(report);
    report->CurrentPage = page_.get();
    if (report->CurrentFilter) report->CurrentFilter->OnExportPage(this);
}

Integer TQmEndPage::GetspMargin(int index) const {
    if (index < 0 || index > 3) return 0;
    return static_cast<Integer>(Round(FromInternalUnits(Margins[static_cast<std::size_t>(index)], qmutScreenPixels)));
}

// ---- TQmEndPages

TQmEndPages::TQmEndPages(TQmReport* report) : report_(report), outline_(TStringList::Create()) {}

TQmEndPages::~TQmEndPages() {
    OnClear = nullptr;
    Clear();
}

void TQmEndPages::Clear() {
    if (OnClear) {
        OnClear(nullptr);
        return;
    }
    pages_.clear();
    bkPictures_.clear();
    outline_->Clear();
    ReadFromFile = false;
}

void TQmEndPages::Delete(int index) {
    if (index < 0 || index >= GetCount()) return;
    pages_.erase(pages_.begin() + index);
}

namespace {

template <class Pages>
TQmEndPage* InsertAt(Pages& pages, int index, std::unique_ptr<TQmEndPage> page) {
    TQmEndPage* result = page.get();
    if (index < 0 || index >= static_cast<int>(pages.size())) pages.push_back(std::move(page));
    else pages.insert(pages.begin() + index, std::move(page));
    return result;
}

}  // namespace

TQmEndPage* TQmEndPages::InsertPage(int index, TQmReportPage* page) {
    auto endPage = std::make_unique<TQmEndPage>(this);
    endPage->SetupFromPage(page, BkPictureCount() - 1);
    return InsertAt(pages_, index, std::move(endPage));
}

TQmEndPage* TQmEndPages::InsertPageFromInfo(int index, const TQmEndPage& source) {
    auto endPage = std::make_unique<TQmEndPage>(this);
    endPage->SetupFromPage(source);
    return InsertAt(pages_, index, std::move(endPage));
}

TQmEndPage* TQmEndPages::AddPage(TQmReportPage* page) {
    if (!pages_.empty()) pages_.back()->Compress();
    if (report_->OnBeginPage) report_->OnBeginPage(report_->PageNo);
    if (page->OnBeginPage()) page->OnBeginPage()(report_->PageNo);
    return InsertPage(GetCount(), page);
}

void TQmEndPages::Exchange(int first, int second) {
    if (!GetPage(first) || !GetPage(second)) return;
    std::swap(pages_[static_cast<std::size_t>(first)], pages_[static_cast<std::size_t>(second)]);
}

void TQmEndPages::AddBkPicture(Integer left, Integer top, Integer width, Integer height, TPicture* picture) {
    bkPictures_.push_back(std::make_unique<TQmBkPicture>(left, top, width, height, picture));
}

int TQmEndPages::EmptyBkPictureIndex() {
    for (int i = 0; i < BkPictureCount(); ++i)
        if (!bkPictures_[static_cast<std::size_t>(i)]->Picture()->Graphic()) return i;
    AddBkPicture(0, 0, -1, -1, nullptr);
    return BkPictureCount() - 1;
}

TQmEndPage* TQmEndPages::GetPage(int index) const {
    return index >= 0 && index < GetCount() ? pages_[static_cast<std::size_t>(index)].get() : nullptr;
}

TQmBkPicture* TQmEndPages::GetBkPicture(int index) const {
    return index >= 0 && index < BkPictureCount() ? bkPictures_[static_cast<std::size_t>(index)].get() : nullptr;
}

bool TQmEndPages::ReportCompressed() const { return report_->CompressLevel() != qmzcNone; }

void TQmEndPages::TakeCompression() {
    Compressed = ReportCompressed();
    CompressionMarker = ReportCompressionMarker();
}
