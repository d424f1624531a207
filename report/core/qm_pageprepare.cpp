// The report page before a build: bands sorted by kind and top, objects
// given to the bands they lie in, header/footer, group and master/detail
// links, data-field links of text objects and the calculated objects'
// prepared expressions.
#include "report/core/qm_pages.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_datafield.h"
#include "report/core/qm_dataset.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_factory.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_structureviews.h"

void TQmCustomBandView::ClearLinks() {
    HeaderBand = FooterBand = DataBand = nullptr;
    FirstGroupHeader = LastGroupHeader = NextGroupHeader = PrevGroupHeader = nullptr;
    GroupFooter = GroupHeader = MasterBand = ChildBandView = nullptr;
    Level = 0;
    FirstGroup = false;
    Objects.clear();
    SubReports.clear();
}

namespace {

bool IsCrossKind(TQmBandType kind) { return kind >= qmbtCrossHeader && kind <= qmbtCrossFooter; }
bool IsDataKind(TQmBandType kind) { return kind == qmbtMasterData || kind == qmbtDetailData; }

std::vector<TQmCustomBandView*> BandsOf(const std::vector<TQmView*>& objects) {
    std::vector<TQmCustomBandView*> bands;
    for (TQmView* view : objects)
        if (auto* band = dynamic_cast<TQmCustomBandView*>(view)) bands.push_back(band);
    return bands;
}

bool LiesWithin(Integer top, Integer bottom, const TQmView* band) {
    return top >= band->Top && bottom <= band->Top + band->Height;
}

}  // namespace

void TQmReportPage::Prepare() {
    TQmReport* report = ParentReport();
    LastBand = nullptr;
    ReprintingHeaders = false;
    if (report->DoublePass && report->FinalPass) {
        // The structure of the first pass stays; the data starts again.
        for (const auto& list : bandLists_)
            if (list)
                for (TQmCustomBandView* band : *list) {
                    band->LastPageNo = -1;
                    if (band->Dataset) band->Dataset->Init();
                }
        return;
    }
    report->WriteEveryPass = false;
    for (TQmView* view : GetObjects()) {
        if (view->IsBand || dynamic_cast<TQmSubReportView*>(view)) continue;
        view->Prepare();
        if (auto* memo = dynamic_cast<TQmCustomMemoView*>(view);
            memo && memo->RepeatedOptions()->MergeStretchedHeight())
            report->WriteEveryPass = true;
        if (view->Flag(QmFlag::ToldOfEveryPrint)) {
            report->PassList.push_back(view);
            if (view->Flag(QmFlag::WriteEveryPass)) report->WriteEveryPass = true;
        }
    }
    PrepareStructure();
    CurrentRow = CurrentColumn = 1;
    PrepareObjects();
    CollectAggregates();
}

void TQmReportPage::PrepareStructure() {
    for (auto& list : bandLists_) list = std::make_unique<TSortList>();
    madeBands_.clear();
    SubReports.clear();
    const std::vector<TQmCustomBandView*> bands = BandsOf(GetObjects());
    for (TQmCustomBandView* band : bands) band->ClearLinks();
    for (TQmView* view : GetObjects())
        if (auto* subReport = dynamic_cast<TQmSubReportView*>(view)) {
            subReport->Prepare();
            if (subReport->SubReportType != qmstChild) SubReports.push_back(subReport);
        }
    AssignCrossObjects();
    std::vector<TQmView*> assigned;
    auto isAssigned = [&assigned](TQmView* view) { return std::find(assigned.begin(), assigned.end(), view) != assigned.end(); };
    for (int kind = 0; kind <= qmbtChild; ++kind) {
        if (IsCrossKind(TQmBandType(kind))) continue;
        for (TQmCustomBandView* band : bands) {
            if (band->BandType != kind) continue;
            bandLists_[static_cast<std::size_t>(kind)]->Add(band);
            band->Prepare();
            for (TQmView* view : GetObjects()) {
                if (view->IsBand || isAssigned(view) || !LiesWithin(view->Top, view->Top + view->Height, band)) continue;
                auto* subReport = dynamic_cast<TQmSubReportView*>(view);
                if (subReport) {
                    if (!IsDataKind(band->BandType) || subReport->SubReportType != qmstChild) continue;
                    band->SubReports.push_back(subReport);
                }
                band->Objects.push_back(view);
                assigned.push_back(view);
                if (auto* calc = dynamic_cast<TQmCalcMemoView*>(view)) calc->OwnBand = band;
                auto* stretchable = dynamic_cast<TQmStretcheableView*>(view);
                if (stretchable && !band->Flag(QmFlag::Stretched)) stretchable->SetStretched(false);
            }
        }
    }
    // Objects in no band print through a hidden band at the top of each page.
    auto hidden = std::unique_ptr<TQmCustomBandView>(static_cast<TQmCustomBandView*>(CreateBandByType(qmbtMasterData).release()));
    hidden->BandType = qmbtNone;
    hidden->Top = 0;
    hidden->ParentReport = ParentReport();
    for (TQmView* view : GetObjects())
        if (!view->IsBand && !isAssigned(view) && !dynamic_cast<TQmSubReportView*>(view) &&
            std::none_of(bands.begin(), bands.end(), [view](TQmCustomBandView* b) {
                return std::find(b->Objects.begin(), b->Objects.end(), view) != b->Objects.end();
            }))
            hidden->Objects.push_back(view);
    bandLists_[qmbtNone]->Add(hidden.get());
    madeBands_.push_back(std::move(hidden));
    for (TQmCustomBandView* band : bands)
        if (!band->ChildBand().empty())
            band->ChildBandView = dynamic_cast<TQmCustomBandView*>(FindObject(band->ChildBand()));
    LinkHeadersAndFooters();
    LinkGroups();
    LinkMasterDetail();
    if (bandLists_[qmbtCrossData]->Count() > 0)
        for (TQmCustomBandView* band : bands)
            if (band->BandType >= qmbtHeader && band->BandType <= qmbtChild)
                band->SetCrossDataSetName(ParentReport()->Dictionary()->RealDataSetName(band->CrossDataSetName()));
}

void TQmReportPage::AssignCrossObjects() {
    for (TQmCustomBandView* band : BandsOf(GetObjects())) {
        if (!IsCrossKind(band->BandType)) continue;
        bandLists_[static_cast<std::size_t>(band->BandType)]->Add(band);
        band->Prepare();
        for (TQmView* view : GetObjects())
            if (!view->IsBand && view->Left >= band->Left && view->Left + view->Width <= band->Left + band->Width) {
                view->Left -= band->Left;
                band->Objects.push_back(view);
            }
    }
}

void TQmReportPage::LinkHeadersAndFooters() {
    std::vector<TQmCustomBandView*> data;
    for (int kind : {qmbtMasterData, qmbtDetailData})
        for (TQmCustomBandView* band : *bandLists_[static_cast<std::size_t>(kind)]) data.push_back(band);
    std::stable_sort(data.begin(), data.end(), [](auto* a, auto* b) { return a->Top < b->Top; });
    auto named = [&data](const AnsiString& name) -> TQmCustomBandView* {
        for (TQmCustomBandView* band : data)
            if (AnsiSameText(band->Name(), name)) return band;
        return nullptr;
    };
    for (TQmCustomBandView* header : *bandLists_[qmbtHeader]) {
        TQmCustomBandView* target = named(header->DataBandName());
        for (auto it = data.begin(); !target && it != data.end(); ++it)
            if (!(*it)->HeaderBand && (*it)->Top >= header->Top + header->Height) target = *it;
        if (!target) continue;
        target->HeaderBand = header;
        header->DataBand = target;
    }
    for (TQmCustomBandView* footer : *bandLists_[qmbtFooter]) {
        TQmCustomBandView* target = named(footer->DataBandName());
        for (auto it = data.rbegin(); !target && it != data.rend(); ++it)
            if (!(*it)->FooterBand && (*it)->Top + (*it)->Height <= footer->Top) target = *it;
        if (!target) continue;
        target->FooterBand = footer;
        footer->DataBand = target;
    }
}

void TQmReportPage::LinkGroups() {
    const TSortList& headers = *bandLists_[qmbtGroupHeader];
    const TSortList& footers = *bandLists_[qmbtGroupFooter];
    int next = 0;
    for (int f = footers.Count() - 1; f >= 0; --f) {
        TQmCustomBandView* footer = footers[f];
        TQmCustomBandView* header = nullptr;
        if (!footer->MasterBandName().empty()) {
            header = dynamic_cast<TQmCustomBandView*>(FindObject(footer->MasterBandName()));
        } else {
            while (next < headers.Count() && headers[next]->GroupFooter) ++next;
            if (next < headers.Count()) header = headers[next++];
        }
        if (!header) continue;
        header->GroupFooter = footer;
        footer->GroupHeader = header;
    }
    const TSortList& masters = *bandLists_[qmbtMasterData];
    if (masters.Count() == 0) return;
    TQmCustomBandView* previous = nullptr;
    for (int i = 0; i < headers.Count(); ++i) {
        TQmCustomBandView* header = headers[i];
        header->Level = i;
        header->FirstGroup = i == 0;
        if (!header->GroupFooter) {
            auto invisible = std::unique_ptr<TQmCustomBandView>(
                static_cast<TQmCustomBandView*>(CreateBandByType(qmbtGroupFooter).release()));
            invisible->Height = 0;
            invisible->Visible = false;
            invisible->ParentReport = ParentReport();
            invisible->GroupHeader = header;
            header->GroupFooter = invisible.get();
            madeBands_.push_back(std::move(invisible));
        }
        auto* data = dynamic_cast<TQmCustomBandView*>(FindObject(header->MasterBandName()));
        header->DataBand = data && data->IsBand ? data : masters[0];
        TQmCustomBandView* band = header->DataBand;
        if (!band->FirstGroupHeader) band->FirstGroupHeader = header;
        if (previous && previous->DataBand == band) {
            previous->NextGroupHeader = header;
            header->PrevGroupHeader = previous;
        }
        band->LastGroupHeader = header;
        previous = header;
    }
}

void TQmReportPage::LinkMasterDetail() {
    MaxLevel = 0;
    const TSortList& masters = *bandLists_[qmbtMasterData];
    for (TQmCustomBandView* master : masters) {
        master->Level = 1;
        master->MasterBand = nullptr;
        MaxLevel = std::max(MaxLevel, 1);
    }
    for (TQmCustomBandView* detail : *bandLists_[qmbtDetailData]) {
        auto* named = dynamic_cast<TQmCustomBandView*>(FindObject(detail->MasterBandName()));
        detail->MasterBand = named && named != detail ? named : masters.Count() > 0 ? masters[0] : nullptr;
        detail->Level = detail->MasterBand ? detail->MasterBand->Level + 1 : 2;
        MaxLevel = std::max(MaxLevel, detail->Level);
    }
}

namespace {

// The text between a leading "[" and the last "]", double-byte
// characters stepped over whole; "" when the text is no field reference.
AnsiString BracketedReference(const AnsiString& text) {
    if (text.size() <= 2 || text[0] != '[') return {};
    std::size_t last = AnsiString::npos;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (IsDBCSLeadByte(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        if (text[i] == ']') last = i;
    }
    return last == AnsiString::npos ? AnsiString() : text.substr(1, last - 1);
}

}  // namespace

void TQmReportPage::PrepareObjects() {
    TQmReport* report = ParentReport();
    SetColumnCount(columnCount_);
    TQmPrinter* printer = GetPrinter();
    const Integer pageWidth = printer->GetPaperWidth() * 100;
    ColumnWidth = (pageWidth - Margins[0] - Margins[2] - (columnCount_ - 1) * ColumnGap) / columnCount_;
    for (TQmView* view : GetObjects()) {
        if (view->IsBand) continue;
        view->Dataset = nullptr;
        view->DataFieldName.clear();
        if (view->Memo->Count() == 0 || view->Flag(QmFlag::TextOnly)) continue;
        const AnsiString reference = BracketedReference(view->Memo->Strings(0));
        if (reference.empty()) continue;
        TQmDataset* source = nullptr;
        AnsiString field;
        if (!report->Dictionary()->FieldOf(reference, source, field)) field = ParseDataField(report, reference, source);
        if (!source || field.empty()) continue;
        view->Dataset = source;
        view->DataFieldName = field;
        view->IsBlobField = source->IsBlobField(field);
    }
}

void TQmReportPage::CollectAggregates() {
    TQmReport* report = ParentReport();
    std::vector<TQmCustomBandView*> shows;
    for (int kind : {qmbtPageFooter, qmbtColumnFooter, qmbtFooter, qmbtGroupFooter})
        for (TQmCustomBandView* band : *bandLists_[static_cast<std::size_t>(kind)])
            for (TQmCustomBandView* chained = band; chained; chained = chained->ChildBandView)
                shows.push_back(chained);
    const ValueRestorer<TQmView*> current(report->CurrentBand, nullptr);
    try {
        for (int kind : {qmbtMasterData, qmbtDetailData})
            for (TQmCustomBandView* data : *bandLists_[static_cast<std::size_t>(kind)]) {
                const ValueRestorer<TQmCustomBandView*> collecting(report->AggregateBand, data);
                for (TQmCustomBandView* band : shows) {
                    report->CurrentBand = band;
                    auto calls = std::unique_ptr<TStringList>(TStringList::Create());
                    TAggregateFunctionsSplitter splitter(calls.get(), report->Dictionary()->Variables());
                    for (TQmView* view : band->Objects)
                        if (dynamic_cast<TQmCustomMemoView*>(view) && !dynamic_cast<TQmCalcMemoView*>(view))
                            splitter.SplitMemo(view->Memo.get());
                    for (int i = 0; i < calls->Count(); ++i) report->Parser()->Calc(Variant(calls->Strings(i)));
                }
            }
    } catch (const Exception&) {
        // Aggregates not collected by now print as 0; the build goes on.
    }
}

void TQmReportPage::PrepareCalcObjects() {
    TQmReport* report = ParentReport();
    const bool finalOfTwo = report->DoublePass && report->FinalPass;
    for (TQmView* view : GetObjects()) {
        auto* calc = dynamic_cast<TQmCalcMemoView*>(view);
        if (!calc) continue;
        if (!finalOfTwo) {
            const AnsiString& group = calc->CalcOptions()->ResetGroupName;
            calc->ResetBand = group.empty() ? nullptr : FindObject(group);
        }
        calc->PrepareForPass(finalOfTwo);
    }
}

void TQmReportPage::Unprepare() {
    TQmReport* report = ParentReport();
    if (!report->FinalPass) {
        for (const auto& list : bandLists_)
            if (list)
                for (TQmCustomBandView* band : *list)
                    if (band->Dataset) band->Dataset->Exit();
        return;
    }
    for (auto& list : bandLists_) {
        if (!list) continue;
        for (TQmCustomBandView* band : *list) {
            try {
                band->Unprepare();
            } catch (const Exception&) {
                // A band that cannot let go leaves the others to do so.
            }
        }
        list.reset();
    }
    madeBands_.clear();
    for (TQmView* view : GetObjects()) view->Unprepare();
}
