// What a report does with its prepared pages: prints them (page list,
// parity, copies, collation, a new print job for another paper or a page
// that asks for one), previews them in the preview library's window,
// exports them through an export filter, and saves and loads them as
// prepared-report files.
#include <memory>
#include <vector>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/sysutils.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_reportwindows.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

namespace {

void ProcessMessages() {
    if (Application) Application->ProcessMessages();
}

// Which of `count` pages a page list ("1,3,5-12"; blanks ignored, empty for
// all, a trailing "-" running to the last page) and a parity (1 odd page
// numbers, 2 even ones, anything else all) select. A piece that is not a
// number raises EConvertError.
std::vector<bool> SelectPages(AnsiString list, int count, int parity) {
    std::erase(list, ' ');
    std::vector<bool> selected(static_cast<std::size_t>(count), list.empty());
    if (!list.empty() && list.back() == '-') list += IntToStr(count);
    std::size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const AnsiString item = list.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        const int first = StrToInt(dash == AnsiString::npos ? item : item.substr(0, dash));
        const int last = dash == AnsiString::npos ? first : StrToInt(item.substr(dash + 1));
        for (int page = std::max(first, 1); page <= std::min(last, count); ++page)
            selected[static_cast<std::size_t>(page - 1)] = true;
        start = comma + 1;
    }
    if (parity == 1 || parity == 2)
        for (int i = 0; i < count; ++i)
            if ((i % 2 == 0) != (parity == 1)) selected[static_cast<std::size_t>(i)] = false;
    return selected;
}

// One print run: the printer's jobs and the pages drawn onto them.
class PrintRun {
public:
    PrintRun(TQmReport* report, TQmPrinter* printer) : report_(report), printer_(printer) {}

    // The printer set up for the page's paper (or the target paper).
    void SetUpPrinter(const TQmEndPage& page) {
        const Paper paper = PaperOf(page);
        printer_->ColorPrint = report_->ColorPrint;
        printer_->Duplex = page.Duplex;
        try {
            printer_->SetPaper(paper.code, paper.width, paper.height, page.Bin, page.Orientation, false);
        } catch (const Exception&) {
            printer_->SetPaper(QmCustomPaperCode, paper.width, paper.height, -1, page.Orientation, false);
        }
    }

    void PrintPage(int index, TQmProgressWindow& progress) {
        TQmEndPage* page = report_->EndPages()->GetPage(index);
        const Paper paper = PaperOf(*page);
        const bool newJob = (printedAny_ && page->TemplatePageNo != lastTemplatePage_ && page->NewPrintJob) ||
                            !printer_->IsSamePaper(paper.code, paper.width, paper.height, page->Bin,
                                                   page->Orientation, page->Duplex);
        if (newJob) {
            printer_->EndDoc();
            SetUpPrinter(*page);
            printer_->BeginDoc();
        } else if (printedAny_) {
            printer_->EndPage();
        }
        printer_->NewPage();
        TQmPageInfo info;
        printer_->GetPageInfo(info);
        const int zoom = report_->PrintScale;
        DrawBackground(*page, info, zoom);
        const double toPrinter = info.ScreenWidth > 0 ? double(info.PrinterWidth) / info.ScreenWidth : 1.0;
        // The printer's page is already the target paper when there is one,
        // so the page is drawn onto it without scaling it again.
        const auto offsetX = static_cast<LONG>(Round(report_->GetspPrintOffset(0) * toPrinter - info.OffsetLeft));
        const auto offsetY = static_cast<LONG>(Round(report_->GetspPrintOffset(1) * toPrinter - info.OffsetTop));
        const TRect rect{offsetX, offsetY, offsetX + static_cast<LONG>(Round(zoom * info.PrinterWidth / 100.0)),
                         offsetY + static_cast<LONG>(Round(zoom * info.PrinterHeight / 100.0))};
        page->Draw(report_, printer_->GetCanvas(), rect);
        page->FreeObjects();
        progress.Step(index + 1, false);
        printedAny_ = true;
        lastTemplatePage_ = page->TemplatePageNo;
    }

private:
    struct Paper {
        int code, width, height;
    };

    Paper PaperOf(const TQmEndPage& page) const {
        if (report_->TargetPaper == -1) return {page.PaperSize, page.PaperWidth, page.PaperHeight};
        if (page.Orientation == 1) return {report_->TargetPaper, report_->TargetPaperHeight, report_->TargetPaperWidth};
        return {report_->TargetPaper, report_->TargetPaperWidth, report_->TargetPaperHeight};
    }

    void DrawBackground(const TQmEndPage& page, const TQmPageInfo& info, int zoom) {
        if (!report_->PrintEverything) return;
        TQmBkPicture* back = report_->EndPages()->GetBkPicture(page.BkPictureIndex);
        if (!back || !back->Picture()->Graphic() || back->Picture()->Graphic()->Empty()) return;
        const double kx = page.PageInfo.ScreenWidth > 0 ? double(info.PrinterWidth) / page.PageInfo.ScreenWidth : 1.0;
        const double ky = page.PageInfo.ScreenHeight > 0 ? double(info.PrinterHeight) / page.PageInfo.ScreenHeight : 1.0;
        // Scaled with the page it lies under.
        auto x = [&](Integer v) { return static_cast<LONG>(Round(v * kx * zoom / 100)); };
        auto y = [&](Integer v) { return static_cast<LONG>(Round(v * ky * zoom / 100)); };
        const LONG left = x(back->Left) - info.OffsetLeft, top = y(back->Top) - info.OffsetTop;
        printer_->GetCanvas()->StretchDraw(TRect{left, top, left + x(back->Width), top + y(back->Height)},
                                           back->Picture()->Graphic());
    }

    TQmReport* report_;
    TQmPrinter* printer_;
    bool printedAny_ = false;
    int lastTemplatePage_ = -1;
};

}  // namespace

AnsiString ReportDisplayTitle(const TQmReport* report) {
    if (!report->ReportInfo[0].empty()) return report->ReportInfo[0];
    const AnsiString name = ExtractFileName(report->FileName);
    return name.empty() ? LoadReportString(qmsUntitled) : name;
}

TCustomForm* CreateReportWindow(const char* className, TComponent* owner) {
    const auto* cls = dynamic_cast<TComponentClass>(GetClass(className));
    if (!cls || !cls->InheritsFrom(TCustomForm::StaticClass())) return nullptr;
    return static_cast<TCustomForm*>(cls->Create(owner));
}

TQmProgressWindow::TQmProgressWindow(TQmReport* report, int stepTextId) : report_(report) {
    if (report->OnProgress || !report->ShowProgress()) return;
    form_.reset(CreateReportWindow("TQmProgressForm", nullptr));
    api_ = dynamic_cast<IQmProgressForm*>(form_.get());
    if (!api_) {
        form_.reset();
        return;
    }
    Start(stepTextId);
}

void TQmProgressWindow::Start(int stepTextId) {
    if (!api_) return;
    AnsiString caption = LoadReportString(qmsPrepareReport);
    if (!report_->ReportInfo[0].empty()) caption += " - " + report_->ReportInfo[0];
    form_->SetCaption(caption);
    api_->SetStepText(LoadReportString(stepTextId));
    api_->SetFirstLabel(api_->StepText() + "  1");
    api_->SetReport(report_);
    form_->Show();
}

TQmProgressWindow::~TQmProgressWindow() = default;

void TQmProgressWindow::Step(int n, bool withTotal) {
    if (report_->OnProgress) {
        report_->OnProgress(n);
    } else if (api_) {
        AnsiString text = api_->StepText() + "  " + IntToStr(n);
        if (withTotal) text += " 从 " + IntToStr(report_->TotalPages);
        api_->SetFirstLabel(text);
    }
    ProcessMessages();
}

void TQmProgressWindow::SetSecondLabel(const AnsiString& text) {
    if (api_) api_->SetSecondLabel(text);
}

void TQmReport::PrintPreparedPages(const AnsiString& pages, int copies, int parity, bool collate) {
    if (Printing) return;
    const int count = EndPages()->GetCount();
    if (count == 0) {
        TargetPaper = -1;
        PrintScale = 100;
        return;
    }
    SetTerminated(false);
    Printing = true;
    TQmPrinter* printer = GetPrinter();
    struct Finally {
        TQmReport* report;
        TQmPrinter* printer;
        ~Finally() {
            if (report->Terminated()) printer->Abort();
            printer->EndDoc();
            report->PrintEverything = true;
            report->TargetPaper = -1;
            report->PrintScale = 100;
            report->Printing = false;
            report->DrawMode = 3;
        }
    } finally{this, printer};
    TQmProgressWindow progress(this, qmsPrintingPage);
    const std::vector<bool> selected = SelectPages(pages, count, parity);
    printer->Title = ReportDisplayTitle(this);
    if (OnPrintReportEvent) OnPrintReportEvent(this);

    PrintRun run(this, printer);
    run.SetUpPrinter(*EndPages()->GetPage(0));
    printer->BeginDoc();
    auto endPrintPage = [&](int& index) {
        if (!OnEndPrintPage) return;
        printer->EndDoc();
        printer->BeginDoc();
        OnEndPrintPage(index);
    };
    if (collate) {
        for (int copy = 0; copy < copies && !Terminated(); ++copy)
            for (int i = 0; i < count && !Terminated(); ++i) {
                if (!selected[static_cast<std::size_t>(i)]) continue;
                run.PrintPage(i, progress);
                endPrintPage(i);
            }
    } else {
        for (int i = 0; i < count && !Terminated(); ++i) {
            if (!selected[static_cast<std::size_t>(i)]) continue;
            for (int copy = 0; copy < copies && !Terminated(); ++copy) run.PrintPage(i, progress);
            endPrintPage(i);
        }
    }
}

void TQmReport::PreviewPreparedPages() {
    PrintEverything = true;
    if (EndPages()->GetCount() == 0) return;
    CurrentPage = nullptr;
    CurrentBand = nullptr;
    DrawMode = 2;
    if (Preview()) {
        Preview()->ShowReport(this);
        return;
    }
    TCustomForm* form = CreateReportWindow("TQmPreviewForm", this);
    auto* preview = dynamic_cast<IQmPreviewForm*>(form);
    if (!preview) {
        delete form;
        return;
    }
    preview->AssignPreviewOptions(PreviewOptions());
    preview->SetInitialDir(PreviewInitialDir());
    if (MDIPreview()) {
        form->SetWindowState(wsNormal);
        form->SetFormStyle(fsMDIChild);
    }
    form->SetCaption(LoadReportString(qmsPreview) + " - " + ReportDisplayTitle(this));
    preview->Execute(this);
    ProcessMessages();
}

void TQmReport::ExportPreparedPages(TQmExportFilter* filter, const AnsiString& fileName) {
    DrawMode = 2;
    CurrentFilter = filter;
    struct ForgetFilter {
        TQmReport* report;
        ~ForgetFilter() { report->CurrentFilter = nullptr; }
    } forget{this};
    filter->FileName = fileName;
    filter->Report = this;
    SetTerminated(false);
    bool go = true;
    if (filter->OnBeforeExport) filter->OnBeforeExport(filter->FileName, go);
    const int count = EndPages()->GetCount();
    if (!go || count == 0 || filter->ShowModal() != 1) return;

    filter->PageCount = count;
    const AnsiString target = filter->FileName;
    TotalPages = count;
    std::unique_ptr<TQmProgressWindow> progress;
    // The end of the document, the window, the file and OnAfterExport come
    // whatever happened between.
    auto finish = [&] {
        filter->OnEndDoc();
        progress.reset();
        filter->Stream.reset();
        // A copy runs: the handler may put another in its place.
        const TQmAfterExportEvent afterExport = filter->OnAfterExport;
        if (afterExport) afterExport(target);
    };
    try {
        progress = std::make_unique<TQmProgressWindow>(this, qmsProcessingPage);
        if (filter->CreateFile) filter->Stream.reset(TFileStream::Create(target, fmCreate));
        filter->OnBeginDoc();
        for (int i = 0; i < count && !Terminated(); ++i) {
            filter->OnBeginPage();
            EndPages()->GetPage(i)->ExportObjects(this);
            progress->Step(i + 1, true);
            filter->OnEndPage();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TQmReport::LoadPreparedFile(const AnsiString& fileName) {
    if (!FileExists(fileName)) return;
    const std::unique_ptr<TFileStream> file(TFileStream::Create(fileName, fmOpenRead));
    EndPages()->LoadFromStream(file.get());
    EndPages()->ReadFromFile = true;
}

void TQmReport::SavePreparedFile(const AnsiString& fileName) {
    const std::unique_ptr<TFileStream> file(TFileStream::Create(fileName, fmCreate));
    EndPages()->SaveToStream(file.get());
}
