// The top of a report build: one or two passes over the template, the
// template kept as it was, errors turned into the report's error text, the
// prepared pages put in page-by-page order, and the events the page and
// band builders fire.
#include <algorithm>

#include "platform/rtl/datetime.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_reportwindows.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_fm.h"

void TQmReport::BuildAndPreview() {
    BuildPreparedPages();
    PreviewPreparedPages();
}

bool TQmReport::BuildPreparedPages() {
    if (Building) return false;
    Building = true;
    const TQmCompressionLevel compressLevel = compressLevel_;
    MasterReport = this;
    ErrorFlag = false;
    ErrorText.clear();
    SetTerminated(false);
    PrintEverything = true;
    Measuring = AppendBlanking = false;
    BuildDateTime = Now();
    BuildDate = Date();
    BuildTime = Time();
    SetPrinterName(printerName_);
    ContinueOnPreviousPage = false;
    PageNo = 0;
    endPages_->Clear();
    TMemoryStream snapshot;
    SaveToStream(&snapshot);
    try {
        if (compressLevel_ != qmzcNone)
            for (int i = 0; i < pages_->GetCount(); ++i)
                for (TQmView* view : pages_->GetPage(i)->GetObjects())
                    if (view->IsNoCompress() || view->IsCrossBand) compressLevel_ = qmzcNone;
        endPages_->TakeCompression();
        if (OnBeginDoc) OnBeginDoc(this);
        const int passes = DoublePass ? 2 : 1;
        for (int pass = 1; pass <= passes && !Terminated() && !ErrorFlag; ++pass) {
            endPages_->Clear();
            FinalPass = pass == passes;
            BuildReport(pass == 1, FinalPass);
        }
        if (OnEndDoc) OnEndDoc(this);
    } catch (const std::exception& e) {
        ErrorFlag = true;
        if (ErrorText.empty()) ErrorText = e.what();
    }
    progress_.reset();
    {
        const bool error = ErrorFlag;
        const AnsiString text = ErrorText;
        snapshot.SetPosition(0);
        LoadFromStream(&snapshot);
        ErrorFlag = error;
        ErrorText = text;
    }
    compressLevel_ = compressLevel;
    if (ErrorFlag) {
        endPages_->Clear();
        if (ShowErrorBox) Application->MessageBox(ErrorText, LoadReportString(qmsErrorCaption), MB_ICONERROR);
    } else if (PageOrder == 1 && endPages_->GetCount() > 0 && pages_->GetCount() > 1) {
        InterleavePages();
    }
    Building = false;
    return !ErrorFlag;
}

void TQmReport::InterleavePages() {
    // Each page goes to the place of its number within its template page,
    // template pages in their order for the same number.
    struct Place {
        int ordinal, templateNo;
        std::size_t original;
    };
    std::vector<Place> places;
    std::vector<int> seen(256, 0);
    for (int i = 0; i < endPages_->GetCount(); ++i) {
        const int templateNo = endPages_->GetPage(i)->TemplatePageNo;
        places.push_back({seen[static_cast<std::size_t>(templateNo)]++, templateNo, static_cast<std::size_t>(i)});
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.ordinal != b.ordinal ? a.ordinal < b.ordinal : a.templateNo < b.templateNo;
    });
    // Put each page in its place by exchanges, following where pages went.
    std::vector<std::size_t> at(places.size()), holder(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) at[i] = holder[i] = i;
    for (std::size_t target = 0; target < places.size(); ++target) {
        const std::size_t from = at[places[target].original];
        if (from == target) continue;
        endPages_->Exchange(static_cast<int>(target), static_cast<int>(from));
        const std::size_t displaced = holder[target];
        holder[from] = displaced;
        at[displaced] = from;
        holder[target] = places[target].original;
        at[places[target].original] = target;
    }
}

void TQmReport::BuildReport(bool firstPass, bool finalPass) {
    Measuring = AppendBlanking = false;
    PassList.clear();
    CurrentBand = nullptr;
    CurrentPage = nullptr;
    OnScriptBeginReport = nullptr;
    OnScriptEndReport = nullptr;
    try {
        RunScript(firstPass);
        DialogCancelled = false;
        CurrentBand = nullptr;
        CurrentPage = nullptr;
        Application->ProcessMessages();
        const ValueRestorer<Byte> mode(DrawMode, 2);
        FinalPass = finalPass;
        endPages_->Clear();
        PageNo = 0;
        dictionary_->ClearCache();
        if (OnScriptBeginReport) OnScriptBeginReport(this);
        const int stepText = firstPass && !finalPass ? qmsFirstPass : qmsProcessingPage;
        if (progress_) progress_->Start(stepText);
        else progress_ = std::make_unique<TQmProgressWindow>(this, stepText);
        BuildAllPages(finalPass);
        MasterReport->TotalPages = endPages_->GetCount();
        if (OnScriptEndReport) OnScriptEndReport(this);
    } catch (const EKpInterpreterError& e) {
        SetTerminated(true);
        ErrorFlag = true;
        ErrorText = "Script Error:\r\n" + IntToStr(e.Code) + ": " + e.Message();
        if (e.Position >= 0) ErrorText += "\r\nat Postion:" + IntToStr(e.Position);
    } catch (const std::exception& e) {
        SetTerminated(true);
        ErrorFlag = true;
        if (interpreter_->LastError().Code > 0)
            ErrorText = "Script Error:\r\n" + interpreter_->LastError().Message();
        else if (ErrorText.empty())
            ErrorText = e.what();
    }
    PassList.clear();
    OnScriptBeginReport = nullptr;
    OnScriptEndReport = nullptr;
}

void TQmReport::BuildAllPages(bool finalPass) {
    const bool multiple = reportType_ == qmrtMultiple && dataset_;
    if (multiple) {
        dataset_->Init();
        dataset_->First();
    }
    if (!finalPass) {
        PassList.clear();
        DialogCancelled = false;
        for (int i = 0; i < pages_->GetCount(); ++i) pages_->GetPage(i)->IsSubReportPage = false;
    }
    for (int i = 0; i < pages_->GetCount() && !DialogCancelled; ++i)
        if (pages_->GetPage(i)->IsDialogPage()) pages_->GetPage(i)->Prepare();
    if (!DialogCancelled) {
        for (int i = 0; i < pages_->GetCount() && !ErrorFlag; ++i)
            if (!pages_->GetPage(i)->IsDialogPage()) pages_->GetPage(i)->Prepare();
        for (int i = 0; i < pages_->GetCount() && !ErrorFlag; ++i)
            if (auto* page = dynamic_cast<TQmReportPage*>(pages_->GetPage(i))) page->PrepareCalcObjects();
    }
    TQmReportPage* lastPage = nullptr;
    for (int i = 0; i < pages_->GetCount(); ++i)
        if (auto* page = dynamic_cast<TQmReportPage*>(pages_->GetPage(i))) lastPage = page;
    while (!DialogCancelled && !ErrorFlag) {
        DoProgress(PageNo + 1);
        for (int i = 0; i < pages_->GetCount() && !Terminated() && !ErrorFlag; ++i) {
            TQmCustomPage* custom = pages_->GetPage(i);
            CurrentPage = custom;
            auto* page = dynamic_cast<TQmReportPage*>(custom);
            if (page) page->TemplatePageNo = i + 1;
            if (!custom->Visible() && custom->OnActivate()) custom->OnActivate()(custom);
            if (!page || !custom->Visible() || custom->IsSubReportPage) continue;
            endPages_->AddBkPicture(
                static_cast<Integer>(Round(FromInternalUnits(page->BackPictureLeft, qmutScreenPixels))),
                static_cast<Integer>(Round(FromInternalUnits(page->BackPictureTop, qmutScreenPixels))),
                page->BackPictureWidth, page->BackPictureHeight, page->BackPicture());
            page->StartPageNo = PageNo;
            page->BuildPage();
            TQmReportPage* next = nullptr;
            for (int j = i + 1; j < pages_->GetCount() && !next; ++j)
                next = dynamic_cast<TQmReportPage*>(pages_->GetPage(j));
            if (next && next->PrintToPrevPage) {
                PageNo = std::max(0, endPages_->GetCount() - 1);
                ContinueOnPreviousPage = true;
            } else {
                ContinueOnPreviousPage = false;
                PageNo = endPages_->GetCount();
            }
            DoProgress(PageNo + 1);
        }
        if (!multiple) break;
        dataset_->Next();
        if (Terminated() || dataset_->Eof()) break;
    }
    if (endPages_->GetCount() > 0 && GetReportFlag(0) && lastPage) {
        TQmEndPage* last = endPages_->GetPage(endPages_->GetCount() - 1);
        last->CreateObjects(this, false);
        Integer bottom = 0;
        for (TQmView* view : last->Page()->GetObjects()) bottom = std::max(bottom, view->Top + view->Height);
        last->FreeObjects();
        const Integer height = bottom + last->Margins[1] + ToInternalUnits(qmutScreenPixels, 1);
        last->PaperSize = 256;
        last->PaperHeight = height / 100;
        last->PageInfo.ScreenHeight = static_cast<int>(Round(FromInternalUnits(height, qmutScreenPixels)));
    }
    if (endPages_->GetCount() > 0 && lastPage) lastPage->CenterPreparedPage(endPages_->GetCount() - 1);
    // Compressed after cutting and centring, which rewrite its objects.
    if (endPages_->GetCount() > 0) endPages_->GetPage(endPages_->GetCount() - 1)->Compress();
    for (int i = 0; i < pages_->GetCount(); ++i) pages_->GetPage(i)->Unprepare();
    if (multiple) dataset_->Exit();
}

void TQmReport::DoAfterPrint(TQmReportView* view) {
    if (OnAfterPrint) OnAfterPrint(view);
}

void TQmReport::DoBeginColumn(TQmCustomBandView* band) {
    if (OnBeginColumn) OnBeginColumn(static_cast<TQmBand*>(band));
}

void TQmReport::DoPrintColumn(Integer column, Integer& width) {
    if (!OnPrintColumn) return;
    auto pixels = static_cast<Integer>(Round(FromInternalUnits(width, qmutScreenPixels)));
    OnPrintColumn(column, pixels);
    width = ToInternalUnits(qmutScreenPixels, pixels);
}

bool TQmReport::DoBeforePrintBand(TQmCustomBandView* band) {
    bool print = true;
    if (OnBeforePrintBand) OnBeforePrintBand(static_cast<TQmBand*>(band), print);
    return print;
}

void TQmReport::DoProgress(Integer pageNo) {
    if (progress_) {
        progress_->Step(pageNo, DoublePass && FinalPass);
        return;
    }
    if (OnProgress) OnProgress(pageNo);
    Application->ProcessMessages();
}

void TQmReport::ShowProgressText(const AnsiString& text) {
    if (progress_) progress_->SetSecondLabel(text);
    Application->ProcessMessages();
}
