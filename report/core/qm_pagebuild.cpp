// Page building: how a template report page turns into prepared pages —
// its start on a new or the previous page, the data bands level by level
// with masters, details and groups, blank rows, new pages and columns with
// their headers and footers, the summary, outline lines and objects kept
// together on one page.
#include <algorithm>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/forms.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_structureviews.h"
#include "report/core/qm_units.h"
#include "report/core/qm_utils.h"

namespace {

Integer HeightOf(const TQmCustomBandView* band) { return band && band->Visible ? band->Height : 0; }

bool IsTrue(const Variant& value) {
    if (VarIsNull(value) || VarIsEmpty(value)) return false;
    if (VarIsStr(value)) return !value.AsString().empty() && value.AsString() != "0";
    return VarAsType(value, varDouble).AsDouble() != 0;
}

// The current prepared page.
TQmEndPage* CurrentEndPage(TQmReport* report) {
    TQmEndPages* pages = report->EndPages();
    TQmEndPage* page = pages->GetPage(report->PageNo);
    return page ? page : pages->GetPage(pages->GetCount() - 1);
}

// Copies the prepared records of `source`, from its start, to the end of
// `target`, moved by (dx, dy); answers the lowest bottom, at least `lowest`.
Integer CopyPreparedObjects(TQmReport* report, TStream* source, TStream* target, Integer dx, Integer dy,
                            Integer lowest) {
    source->SetPosition(0);
    target->SetPosition(target->Size());
    while (source->Position() < source->Size()) {
        const Byte code = ReadByte(source);
        AnsiString className;
        if (code == QmAddInTypeCode) ReadString(source, className);
        std::unique_ptr<TQmPersistent> made = CreateReportObject(code, className);
        auto* view = dynamic_cast<TQmView*>(made.get());
        if (!view) break;
        view->ParentReport = report;
        view->InPreparedPage = true;
        view->LoadFromStream(source);
        view->Left += dx;
        view->Top += dy;
        lowest = std::max(lowest, view->Top + view->Height);
        WriteByte(target, code);
        if (code == QmAddInTypeCode) WriteString(target, className);
        view->SaveToStream(target);
    }
    return lowest;
}

void ForgetRepeatedValues(const TQmCustomBandView* band) {
    for (TQmView* view : band->Objects)
        if (auto* memo = dynamic_cast<TQmCustomMemoView*>(view)) memo->LastValue.clear();
}

}  // namespace

Integer TQmReportPage::ComputeBottomLimit() const {
    const Integer footer = HeightOf(FindBand(qmbtPageFooter));
    if (SubReportObject && SubReportObject->SubReportType == qmstFixed) return SubReportObject->Height - footer;
    return PaperHeight * 100 - Margins[1] - Margins[3] - footer;
}

void TQmReportPage::CenterPreparedPage(int pageIndex) {
    TQmReport* report = ParentReport();
    TQmEndPage* prepared = report->EndPages()->GetPage(pageIndex);
    if (!prepared || !report->FinalPass || (!AutoHCenter && !AutoVCenter)) return;
    prepared->CreateObjects(report, false);
    const std::vector<TQmView*>& views = prepared->Page()->GetObjects();
    if (views.empty()) {
        prepared->FreeObjects();
        return;
    }
    Integer left = views[0]->Left, top = views[0]->Top, right = left, bottom = top;
    for (const TQmView* view : views) {
        left = std::min(left, view->Left);
        top = std::min(top, view->Top);
        right = std::max(right, view->Left + view->Width);
        bottom = std::max(bottom, view->Top + view->Height);
    }
    prepared->FreeObjects();
    const Integer width = prepared->PaperWidth * 100 - prepared->Margins[0] - prepared->Margins[2];
    const Integer height = prepared->PaperHeight * 100 - prepared->Margins[1] - prepared->Margins[3];
    const Integer dx = AutoHCenter ? (width - (right - left)) / 2 - left : 0;
    const Integer dy = AutoVCenter ? (height - (bottom - top)) / 2 - top : 0;
    TMemoryStream original;
    original.CopyFrom(prepared->Stream(), 0);
    prepared->Stream()->Clear();
    CopyPreparedObjects(report, &original, prepared->Stream(), dx, dy, 0);
}

void TQmReportPage::BuildFreeSubReports() {
    TQmReport* report = ParentReport();
    subReportPages_.clear();
    for (TQmSubReportView* sub : SubReports) {
        auto* subPage = dynamic_cast<TQmReportPage*>(sub->GetSubPage());
        if (!subPage || subPage == this || !subPage->Visible()) continue;
        auto pages = std::make_unique<TQmEndPages>(report);
        const ValueRestorer<TQmEndPages*> into(report->BuildingInto, pages.get());
        const ValueRestorer<Integer> counter(report->PageNo, 0);
        const ValueRestorer<TQmCustomPage*> current(report->CurrentPage, subPage);
        const ValueRestorer<bool> continuing(report->ContinueOnPreviousPage, false);
        const ValueRestorer<Integer> lastY(report->PreviousLastY, report->PreviousLastY);
        const ValueRestorer<Integer> bottom(report->PreviousBottomLimit, report->PreviousBottomLimit);
        subPage->BuildPage();
        subReportPages_.push_back({sub, std::move(pages)});
    }
}

void TQmReportPage::MergeSubReportPages(int pageIndex) {
    TQmReport* report = ParentReport();
    TQmEndPage* target = report->EndPages()->GetPage(pageIndex);
    if (!target) return;
    const int k = pageIndex - mergeBase_;
    for (auto& [sub, pages] : subReportPages_) {
        TQmEndPage* source = pages->GetPage(k);
        if (!source && sub->ReprintLastPage() && k >= pages->GetCount()) source = pages->GetPage(pages->GetCount() - 1);
        if (source) CopyPreparedObjects(report, source->Stream(), target->Stream(), sub->Left, sub->Top, 0);
    }
}

void TQmReportPage::AppendPagesForSubReports() {
    TQmReport* report = ParentReport();
    auto left = [this, report] {
        const int k = report->EndPages()->GetCount() - mergeBase_;
        return std::any_of(subReportPages_.begin(), subReportPages_.end(),
                           [k](const auto& entry) { return entry.second->GetCount() > k; });
    };
    while (!subReportPages_.empty() && left()) {
        report->EndPages()->AddPage(this);
        MergeSubReportPages(report->EndPages()->GetCount() - 1);
    }
}

TQmCustomBandView* TQmReportPage::FindBandByName(const AnsiString& name) const {
    for (const auto& list : bandLists_)
        if (list)
            for (TQmCustomBandView* band : *list)
                if (AnsiSameText(band->Name(), name)) return band;
    return nullptr;
}

void TQmReportPage::ShowBand(TQmCustomBandView* band) {
    if (band && ParentReport()->DoBeforePrintBand(band)) band->Print();
}

void TQmReportPage::AddOutline(const AnsiString& text, Integer top, Integer level) {
    TQmReport* report = ParentReport();
    const auto pixels = static_cast<Integer>(Round(FromInternalUnits(top, qmutScreenPixels)));
    const AnsiString line = text + '\x01' + IntToStr(report->PageNo) + '\x01' + IntToStr(pixels) + '\x01' +
                            IntToStr(outlineBase_ + level);
    if (keepLevel_ > 0) keptOutline_.push_back(line);
    else report->EndPages()->Outline()->Add(line);
}

void TQmReportPage::BuildPage() {
    TQmReport* report = ParentReport();
    if (const TSortList* masters = Bands(qmbtMasterData))
        for (TQmCustomBandView* band : *masters)
            if (band->Dataset) band->Dataset->First();
    outlineBase_ = 0;
    keepLevel_ = 0;
    keptObjects_.reset();
    keptOutline_.clear();
    InSummary = ReprintingHeaders = false;
    BuildFreeSubReports();
    CurrentColumn = 1;
    if (OnActivate()) OnActivate()(this);
    report->CurrentRecordNo = 0;

    if (report->ContinueOnPreviousPage && report->PreviousLastY >= report->PreviousBottomLimit)
        report->ContinueOnPreviousPage = false;
    if (!SubReportObject || SubReportObject->SubReportType != qmstChild) CurX = 0;
    auto pageOutline = [this, report] {
        if (OutlineText().empty()) return;
        AddOutline(VarToStr(report->Parser()->Calc(Variant(OutlineText()))), CurY, 0);
        outlineBase_ = 1;
    };
    const bool inBand = SubReportObject && SubReportObject->SubReportType == qmstChild;
    if (inBand) {
        // Printed inside a band: the band placed X and Y on its page.
        BottomLimit = ComputeBottomLimit();
        pageOutline();
    } else if (report->ContinueOnPreviousPage && report->EndPages()->GetCount() > 0) {
        BottomLimit = report->PreviousBottomLimit;
        CurY = report->PreviousLastY;
        pageOutline();
    } else {
        BottomLimit = ComputeBottomLimit();
        report->EndPages()->AddPage(this);
        CurY = 0;
        pageOutline();
        ShowBand(FindBand(qmbtOverlay));
        ShowBand(Bands(qmbtNone) && Bands(qmbtNone)->Count() > 0 ? (*Bands(qmbtNone))[0] : nullptr);
    }
    mergeBase_ = report->EndPages()->GetCount() - 1;
    const bool manual = static_cast<bool>(report->OnManualBuild);
    if (manual) {
        report->OnManualBuild(this);
    } else {
        ShowBand(FindBand(qmbtReportTitle));
        TQmCustomBandView* header = FindBand(qmbtPageHeader);
        if (header && header->Flag(QmBandFlag::PrintOnFirstPage)) ShowBand(header);
        ColumnTop = CurY;
        ShowBand(FindBand(qmbtColumnHeader));
        ProcessDataBands(qmbtMasterData, nullptr, 1);
    }
    InSummary = true;
    LastBand = nullptr;
    if (!manual) {
        TQmCustomBandView* columnFooter = FindBand(qmbtColumnFooter);
        TQmCustomBandView* summary = FindBand(qmbtReportSummary);
        if (columnFooter && columnFooter->Flag(QmBandFlag::PrintBeforeSummaryBand)) {
            ShowBand(summary);
            ShowBand(columnFooter);
        } else {
            ShowBand(columnFooter);
            ShowBand(summary);
        }
    }
    InSummary = false;
    const Integer pageCounter = report->PageNo;
    if (!inBand) {
        report->PreviousLastY = CurY;
        report->PreviousBottomLimit = BottomLimit;
    }
    CurX = 0;
    CurrentColumn = 1;
    if (!manual) EndPage(true);
    MergeSubReportPages(report->EndPages()->GetCount() - 1);
    AppendPagesForSubReports();
    if (report->OnEndPage) report->OnEndPage(report->PageNo);
    if (OnEndPage()) OnEndPage()(report->PageNo);
    if (!inBand) report->PageNo = pageCounter + 1;
    LastBand = nullptr;
    keepLevel_ = 0;
    keptObjects_.reset();
    subReportPages_.clear();
}

void TQmReportPage::ProcessDataBands(TQmBandType kind, TQmCustomBandView* master, Integer level) {
    TQmReport* report = ParentReport();
    const TSortList* bands = Bands(kind);
    if (!bands) return;
    std::vector<TQmCustomBandView*> ofLevel;
    for (TQmCustomBandView* band : *bands)
        if (band->Level == level && (!master || band->MasterBand == master)) ofLevel.push_back(band);
    for (std::size_t i = 0; i < ofLevel.size(); ++i) {
        TQmCustomBandView* band = ofLevel[i];
        if (report->Terminated() || report->ErrorFlag) break;
        if (!band->Dataset) continue;
        band->Dataset->First();
        band->RowNo = 0;
        band->RowCount = band->LineCount = 1;
        for (TQmCustomBandView* group = band->FirstGroupHeader; group; group = group->NextGroupHeader) {
            group->RowNo = group->RowCount = 0;
            group->GroupValueStored = false;
            ForgetRepeatedValues(group);
        }
        if (band->Dataset->Eof() && !band->Flag(QmBandFlag::PrintIfEmpty)) continue;
        const bool keep = band->KeepFlag(QmKeepFlag::KeepTogether) && !band->Flag(QmBandFlag::NewPageAfter) &&
                          !(level == 1 && i == 0);
        if (keep) BeginKeep();
        PrintRecords(band, i + 1 == ofLevel.size());
        if (keep) EndKeep();
    }
}

void TQmReportPage::PrintPending() {
    const std::vector<TQmCustomBandView*> bands = std::move(pending_);
    pending_.clear();
    for (TQmCustomBandView* band : bands) ShowBand(band);
}

void TQmReportPage::ReprintHeaders(TQmCustomBandView* band) {
    std::vector<TQmCustomBandView*> chain;
    for (TQmCustomBandView* b = band; b; b = b->MasterBand) chain.insert(chain.begin(), b);
    for (TQmCustomBandView* b : chain) {
        std::vector<TQmCustomBandView*> headers = {b->HeaderBand};
        for (TQmCustomBandView* group = b->FirstGroupHeader; group; group = group->NextGroupHeader)
            headers.push_back(group);
        for (TQmCustomBandView* header : headers) {
            if (!header || !header->Flag(QmBandFlag::ReprintOnNewPage)) continue;
            const ValueRestorer<bool> reprint(header->Reprinting, true);
            ShowBand(header);
        }
    }
}

void TQmReportPage::PrintRecords(TQmCustomBandView* band, bool lastOfLevel) {
    TQmReport* report = ParentReport();
    TQmDataset* source = band->Dataset;
    if (band->HeaderBand) pending_.push_back(band->HeaderBand);
    for (TQmCustomBandView* group = band->FirstGroupHeader; group; group = group->NextGroupHeader) {
        pending_.push_back(group);
        ++group->RowCount;
        ++group->LineCount;
        group->CurrentColumn = 1;
    }
    if (band->FooterBand) band->ResetAggregates(band->FooterBand->Name());
    bool isMaster = false;
    if (const TSortList* details = Bands(qmbtDetailData))
        for (TQmCustomBandView* detail : *details)
            if (detail->MasterBand == band && detail->Level == band->Level + 1) isMaster = true;
    bool emptyOnce = source->Eof();
    int passed = 0;
    bool finalGroupBreak = false;
    while ((!source->Eof() || emptyOnce) && !report->Terminated() && !report->ErrorFlag) {
        Application->ProcessMessages();
        bool skip = false;
        if (!emptyOnce && !band->PrintCondition().empty()) {
            const Variant condition = report->Parser()->CalcPostfix(band->PrintCondition());
            skip = !VarIsNull(condition) && !IsTrue(condition);
        }
        bool printed = false;
        if (!skip) {
            ++passed;
            ++report->CurrentRecordNo;
            pending_.push_back(band);
            if (band->Flag(QmBandFlag::PrintIfSubsetEmpty) && MaxLevel > band->Level) PrintPending();
            if (isMaster) {
                ProcessDataBands(qmbtDetailData, band, band->Level + 1);
                if (!pending_.empty() && pending_.back() == band) {
                    if (band->Flag(QmBandFlag::PrintIfSubsetEmpty)) {
                        PrintPending();
                        printed = true;
                    } else {
                        pending_.pop_back();
                    }
                } else {
                    printed = true;
                }
            } else {
                PrintPending();
                printed = true;
            }
        }
        if (emptyOnce) break;
        source->Next();
        bool endOfData = false;
        const bool broke = GroupBreak(band, endOfData);
        if (broke && endOfData) {
            finalGroupBreak = true;
            break;
        }
        if (!broke && !band->NewPageCondition().empty() &&
            IsTrue(report->Parser()->CalcPostfix(band->NewPageCondition()))) {
            if (band->Flag(QmBandFlag::AutoAppendBlank)) AppendBlankRows(band, 0, false);
            PrintPending();
            band->RowNo = 0;
            NewPage();
            ReprintHeaders(band);
        }
        if (printed) {
            ++CurrentRow;
            ++band->LineCount;
            ++band->RowCount;
            if (band->Flag(QmBandFlag::NewPageAfter) && band->Visible && !source->Eof()) {
                NewPage();
                ReprintHeaders(band);
            }
        }
    }
    if (passed > 0 && !pending_.empty()) {
        pending_.pop_back();
        return;
    }
    PrintPending();
    if (!finalGroupBreak && band->Flag(QmBandFlag::AutoAppendBlank)) {
        Integer reserve = HeightOf(band->FooterBand);
        if (lastOfLevel && band->Level == 1) reserve += HeightOf(FindBand(qmbtReportSummary));
        AppendBlankRows(band, reserve, true);
    }
    if (band->BandType == qmbtDetailData && band->MasterBand && !report->FinalPass && band->MasterBand->HeaderBand)
        for (TQmView* view : band->MasterBand->HeaderBand->Objects)
            if (auto* calc = dynamic_cast<TQmCalcMemoView*>(view)) calc->StoreTotal(true);
    ShowBand(band->FooterBand);
}

bool TQmReportPage::GroupBreak(TQmCustomBandView* band, bool& endOfData) {
    TQmReport* report = ParentReport();
    TQmDataset* source = band->Dataset;
    endOfData = source->Eof();
    TQmCustomBandView* broken = nullptr;
    for (TQmCustomBandView* group = band->FirstGroupHeader; group && !broken; group = group->NextGroupHeader)
        if (!group->GroupValueStored || endOfData ||
            !VarSameValue(report->Parser()->CalcPostfix(group->PrintCondition()), group->GroupValue))
            broken = group;
    if (!broken) return false;
    broken->RowNo = 0;
    std::vector<TQmCustomBandView*> ending;
    for (TQmCustomBandView* group = broken; group; group = group->NextGroupHeader) ending.push_back(group);
    if (band->Flag(QmBandFlag::AutoAppendBlank)) {
        Integer reserve = 0;
        for (TQmCustomBandView* group : ending) reserve += HeightOf(group->GroupFooter);
        AppendBlankRows(band, reserve, false);
    }
    if (!endOfData) source->Prior();
    for (auto it = ending.rbegin(); it != ending.rend(); ++it) {
        ShowBand((*it)->GroupFooter);
        (*it)->RowCount = (*it)->RowNo = 0;
    }
    if (endOfData) return true;
    source->Next();
    if (broken->Flag(QmBandFlag::NewPageAfter)) NewPage();
    for (TQmCustomBandView* group : ending) {
        pending_.push_back(group);
        ++group->RowCount;
    }
    band->RowCount = band->RowNo = 0;
    return true;
}

void TQmReportPage::AppendBlankRows(TQmCustomBandView* band, Integer reserve, bool fill) {
    TQmReport* report = ParentReport();
    if (!band->Visible) return;
    ValueRestorer<bool> measuring(report->Measuring, true);
    ValueRestorer<bool> blanking(report->AppendBlanking, true);
    const Integer columnFooter = HeightOf(FindBand(qmbtColumnFooter));
    reserve += columnFooter + band->Height;
    Integer startPage = report->PageNo;
    auto allowed = [&](Integer need) {
        if (report->PageNo != startPage) return false;
        const Integer room = BottomLimit - CurY;
        if (band->Columns > 1 && band->Flag(QmBandFlag::PrintColumnFirst)) {
            if (band->CurrentColumn >= band->Columns && (room < need || band->KeepFlag(QmKeepFlag::AdjustColumns)))
                return false;
            return band->LinesPerPage == 0 || band->RowNo < band->LinesPerPage * band->Columns;
        }
        if (band->Columns > 1 && band->CurrentColumn < band->Columns) return true;
        return (band->LinesPerPage == 0 || band->RowNo < band->LinesPerPage) && room >= need;
    };
    auto addRows = [&](Integer need) {
        while (!report->Terminated() && !report->ErrorFlag && allowed(need)) {
            ShowBand(band);
            ++band->LineCount;
            ++band->RowCount;
        }
    };
    if (!fill || BottomLimit - CurY >= reserve - band->Height) {
        addRows(reserve);
        return;
    }
    // The footers would not fit below the data: the page is filled with
    // rows and the footers start a new page, the last record current.
    const Integer rowReserve = band->Height + columnFooter;
    addRows(rowReserve);
    report->Measuring = report->AppendBlanking = false;
    TQmDataset* source = band->Dataset;
    const bool remaining = source && !source->Eof();
    if (remaining) source->Prior();
    NewPage();
    if (remaining) source->Next();
    const TQmCustomBandView* groupFooter = FindBand(qmbtGroupFooter);
    if (!groupFooter) return;
    report->Measuring = report->AppendBlanking = true;
    startPage = report->PageNo;
    while (!report->Terminated() && !report->ErrorFlag && report->PageNo == startPage &&
           BottomLimit - CurY - HeightOf(groupFooter) >= rowReserve) {
        ShowBand(band);
        ++band->LineCount;
        ++band->RowCount;
    }
}

void TQmReportPage::EndPage(bool lastPage) {
    TQmReport* report = ParentReport();
    CurrentColumn = 1;
    CurX = 0;
    if (report->DoublePass && !report->FinalPass)
        if (TQmCustomBandView* header = FindBand(qmbtPageHeader))
            for (TQmView* view : header->Objects)
                if (auto* calc = dynamic_cast<TQmCalcMemoView*>(view)) calc->StoreTotal(true);
    TQmCustomBandView* footer = FindBand(qmbtPageFooter);
    if (footer && !(report->PageNo == 0 && !footer->Flag(QmBandFlag::PrintOnFirstPage)) &&
        !(lastPage && !footer->Flag(QmBandFlag::PrintOnLastPage))) {
        if (report->OnEndPage) report->OnEndPage(report->PageNo);
        if (OnEndPage()) OnEndPage()(report->PageNo);
        ShowBand(footer);
    }
    report->PageNo = report->EndPages()->GetCount() - 1;
}

void TQmReportPage::NewPage() {
    TQmReport* report = ParentReport();
    report->DoProgress(report->PageNo + 2);
    CutKeep();
    if (!InSummary) ShowBand(FindBand(qmbtColumnFooter));
    EndPage(false);
    MergeSubReportPages(report->EndPages()->GetCount() - 1);
    CenterPreparedPage(report->EndPages()->GetCount() - 1);
    ++report->PageNo;
    report->EndPages()->AddPage(this);
    CurX = 0;
    CurrentColumn = 1;
    if (LastBand && LastBand->CurrentColumn > 1) CurX = LastBand->ColumnStartX;
    LastBand = nullptr;
    BottomLimit = ComputeBottomLimit();
    report->ContinueOnPreviousPage = false;
    CurY = 0;
    ShowBand(FindBand(qmbtOverlay));
    ShowBand(Bands(qmbtNone) && Bands(qmbtNone)->Count() > 0 ? (*Bands(qmbtNone))[0] : nullptr);
    if (!ReprintingHeaders) {
        ShowBand(FindBand(qmbtPageHeader));
        ColumnTop = CurY;
        ShowBand(FindBand(qmbtColumnHeader));
    }
    if (const TSortList* groups = Bands(qmbtGroupHeader))
        for (TQmCustomBandView* group : *groups) group->RowNo = 0;
    // A suppressed repeated value shows again at the top of the page.
    for (int kind : {qmbtMasterData, qmbtDetailData})
        if (const TSortList* bands = Bands(kind))
            for (TQmCustomBandView* band : *bands) ForgetRepeatedValues(band);
    PasteKeep();
}

void TQmReportPage::NewColumn(TQmCustomBandView* band) {
    if (CurrentColumn < ColumnCount()) {
        CutKeep();
        ShowBand(FindBand(qmbtColumnFooter));
        ++CurrentColumn;
        CurX += ColumnWidth + ColumnGap;
        CurY = ColumnTop;
        ShowBand(FindBand(qmbtColumnHeader));
    } else {
        NewPage();
    }
    if (const TSortList* groups = Bands(qmbtGroupHeader))
        for (TQmCustomBandView* group : *groups)
            if (group != band) group->RowNo = 0;
    if (band && (band->BandType == qmbtMasterData || band->BandType == qmbtDetailData) && !InSummary)
        ReprintHeaders(band);
    PasteKeep();
}

void TQmReportPage::BeginKeep() {
    if (keepLevel_++ > 0) return;
    keepPage_ = CurrentEndPage(ParentReport());
    keepPosition_ = keepPage_ ? keepPage_->Stream()->Size() : 0;
    keepY_ = CurY;
}

void TQmReportPage::CutKeep() {
    if (keepLevel_ == 0 || !keepPage_) return;
    TMemoryStream* stream = keepPage_->Stream();
    if (stream->Size() <= keepPosition_) {
        keepLevel_ = 0;
        return;
    }
    keptObjects_.reset(TMemoryStream::Create());
    stream->SetPosition(keepPosition_);
    keptObjects_->CopyFrom(stream, stream->Size() - keepPosition_);
    stream->SetSize(keepPosition_);
    stream->SetPosition(keepPosition_);
}

void TQmReportPage::PasteKeep() {
    TQmReport* report = ParentReport();
    TQmEndPage* target = CurrentEndPage(report);
    if (!keptObjects_ || !target) return;
    const std::unique_ptr<TMemoryStream> kept = std::move(keptObjects_);
    const Integer lowest = CopyPreparedObjects(report, kept.get(), target->Stream(), 0, CurY - keepY_, CurY);
    CurY = lowest;
    keepPage_ = target;
    keepPosition_ = target->Stream()->Size();
    keepY_ = CurY;
}

void TQmReportPage::EndKeep() {
    if (keepLevel_ == 0 || --keepLevel_ > 0) return;
    for (const AnsiString& line : keptOutline_) ParentReport()->EndPages()->Outline()->Add(line);
    keptOutline_.clear();
    keepPage_ = nullptr;
}
