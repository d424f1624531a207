// The band engine: a band's data sources for a build, and printing one
// band onto the current prepared page — its events, keep rules, the fit
// test with columns, stretching, moving whole or splitting across pages,
// its child band and the totals it keeps.
#include <algorithm>
#include <limits>
#include <map>

#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "report/core/qm_calcmemoview.h"
#include "report/core/qm_datafield.h"
#include "report/core/qm_dictionary.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_resourcestrings.h"
#include "report/core/qm_structureviews.h"
#include "report/core/qm_utils.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

bool IsDataBand(const TQmCustomBandView* band) {
    return band->BandType == qmbtMasterData || band->BandType == qmbtDetailData;
}

// Bands that stay where their design puts them.
bool KeepsOwnTop(const TQmCustomBandView* band) {
    return band->BandType == qmbtPageFooter || band->BandType == qmbtOverlay || band->BandType == qmbtNone;
}

TQmReportPage* PageOf(const TQmReport* report) { return dynamic_cast<TQmReportPage*>(report->CurrentPage); }

Integer HeightOf(const TQmCustomBandView* band) { return band && band->Visible ? band->Height : 0; }

// A group header whose visible footer is to stay with the rows above it.
bool KeepsGroupFooter(const TQmCustomBandView* header) {
    return header && header->KeepFlag(QmKeepFlag::KeepFooter) && header->GroupFooter && header->GroupFooter->Visible;
}

// The footers, with their children, of the group headers from `header`
// inwards; with `withHeaders` the headers and their children as well.
Integer GroupChainHeight(const TQmCustomBandView* header, bool withHeaders) {
    Integer height = 0;
    for (; header; header = header->NextGroupHeader) {
        if (header->GroupFooter && header->GroupFooter->Visible) height += header->GroupFooter->ChainHeight();
        if (withHeaders) height += header->ChainHeight();
    }
    return height;
}

// What a band's aggregate variable name holds, field by field.
constexpr char kAggregateSeparator = '\x01';

}  // namespace

// ---- Data sources --------------------------------------------------------

void TQmCustomBandView::NarrowRange(TQmDataset* source, std::optional<SavedRange>& saved) {
    saved.reset();
    if (!source || (RangeBegin == qmrbDefault && RangeEnd == qmreDefault)) return;
    saved = SavedRange{source->RangeBegin(), source->RangeEnd(), source->RangeEndCount()};
    if (RangeBegin != qmrbDefault) source->SetRangeBegin(RangeBegin);
    if (RangeEnd != qmreDefault && !privateDataset_) source->SetRangeEnd(RangeEnd);
    if (RangeEndCount > 0) source->SetRangeEndCount(RangeEndCount);
}

void TQmCustomBandView::Prepare() {
    TQmReport* report = ParentReport;
    if (!report) return;
    CurrentColumn = 1;
    LastPageNo = -1;
    RowNo = RowCount = LineCount = 0;
    AggregateSource = nullptr;
    aggregates_->Clear();
    averageCounts_.clear();
    GroupValueStored = false;
    Dataset = CrossDataset = nullptr;
    privateDataset_ = privateCrossDataset_ = false;
    SetNewPageCondition(NewPageCondition());
    SetOutlineText(OutlineText());
    TQmDictionary* dictionary = report->Dictionary();
    if (BandType == qmbtGroupHeader) {
        SetPrintCondition(dictionary->RealDataSetName(PrintCondition()));
    } else {
        SetPrintCondition(PrintCondition());
        if (!DataSetName().empty()) {
            CreateBandDataset(report, dictionary->RealDataSetName(DataSetName()), DataSetIsCount(), Dataset);
            privateDataset_ = DataSetIsCount() && Dataset;
        }
        if (!CrossDataSetName().empty()) {
            CreateBandDataset(report, dictionary->RealDataSetName(CrossDataSetName()), CrossDataSetIsCount(),
                              CrossDataset);
            privateCrossDataset_ = CrossDataSetIsCount() && CrossDataset;
        }
    }
    if (BandType == qmbtMasterData && !Dataset && report->Dataset()) {
        Dataset = report->Dataset();
        Dataset->Init();
    }
    NarrowRange(Dataset, savedRange_);
    NarrowRange(CrossDataset, savedCrossRange_);
}

void TQmCustomBandView::Unprepare() {
    auto release = [](TQmDataset*& source, std::optional<SavedRange>& saved, bool& owned) {
        if (!source) return;
        if (saved) {
            source->SetRangeBegin(saved->begin);
            source->SetRangeEnd(saved->end);
            source->SetRangeEndCount(saved->count);
            saved.reset();
        }
        source->Exit();
        if (owned) delete source;
        owned = false;
        source = nullptr;
    };
    release(Dataset, savedRange_, privateDataset_);
    release(CrossDataset, savedCrossRange_, privateCrossDataset_);
}

// ---- Script names and aggregates --------------------------------------------

bool TQmCustomBandView::GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                                     const std::vector<Variant>& arguments) {
    const AnsiString name = UpperCase(path);
    if (name == "ROWNO") value = RowNo;
    else if (name == "ROWCOUNT") value = RowCount;
    else if (name == "CURRENTCOLUMN") value = CurrentColumn;
    else if (name == "COLUMNS") value = Columns;
    else if (name == "DATASET") value = ObjectToVariant(Dataset);
    else return TQmReportView::GetPropValue(object, path, value, arguments);
    return true;
}

namespace {

constexpr char kAvg = 10, kCount = 11, kMax = 12, kMin = 13;

// The fields of an aggregate variable name, each ended by character 1:
// [column,] band, kind, expression, flag.
std::vector<AnsiString> AggregateFields(const AnsiString& name) {
    std::vector<AnsiString> fields;
    for (std::size_t start = 0, end; (end = name.find(kAggregateSeparator, start)) != AnsiString::npos; start = end + 1)
        fields.push_back(name.substr(start, end - start));
    if (fields.size() == 5) fields.erase(fields.begin());
    return fields;
}

char KindOf(const AnsiString& name) {
    const std::vector<AnsiString> fields = AggregateFields(name);
    return fields.size() == 4 && fields[1].size() == 1 ? fields[1][0] : 0;
}

// A maximum starts below every value, so that one of negative values is
// not 0.
Variant InitialAggregate(char kind) {
    return kind == kMin ? Variant(1e300) : kind == kMax ? Variant(-1e300) : Variant(0);
}

AnsiString ArgumentText(const std::vector<Variant>& arguments, std::size_t index) {
    return index < arguments.size() ? Trim(VarToStr(arguments[index])) : AnsiString();
}

}  // namespace

Variant QmAggregateFunction(TQmReport* report, char kind, const std::vector<Variant>& arguments) {
    auto* band = dynamic_cast<TQmCustomBandView*>(report->CurrentBand);
    if (!band) return AnsiString("0");
    const std::size_t first = kind == kCount ? 0 : 1;
    const AnsiString expression = kind == kCount ? AnsiString() : ArgumentText(arguments, 0);
    const AnsiString flag = ArgumentText(arguments, first + 1);
    auto name = [&](const AnsiString& bandName) {
        return bandName + kAggregateSeparator + AnsiString(1, kind) + kAggregateSeparator + expression +
               kAggregateSeparator + flag + kAggregateSeparator;
    };
    if (TQmCustomBandView* collecting = report->AggregateBand) {
        AnsiString target = ArgumentText(arguments, first);
        if (target.empty()) target = collecting->Name();
        if (!AnsiSameText(target, collecting->Name())) return AnsiString("0");
        collecting->SetAggregate(name(band->Name()), InitialAggregate(kind));
        band->AggregateSource = collecting;
        return AnsiString("0");
    }
    Variant value;
    if (!band->AggregateSource || !band->AggregateSource->GetAggregate(name(band->Name()), value))
        return AnsiString("0");
    return value;
}

bool TQmCustomBandView::GetAggregate(const AnsiString& name, Variant& value) const {
    const int index = aggregates_->IndexOf(name);
    if (index < 0) return false;
    value = aggregates_->GetValue(index);
    if (KindOf(name) == kAvg) {
        const auto counted = averageCounts_.find(name);
        const Integer count = counted == averageCounts_.end() ? 0 : counted->second;
        value = count > 0 ? VarAsType(value, varDouble).AsDouble() / count : 0.0;
    }
    return true;
}

void TQmCustomBandView::SetAggregate(const AnsiString& name, const Variant& value) {
    aggregates_->SetVariable(name, value);
}

void TQmCustomBandView::ResetAggregates(const AnsiString& bandName) {
    for (int i = 0; i < aggregates_->Count(); ++i) {
        const AnsiString name = aggregates_->GetName(i);
        const std::vector<AnsiString> fields = AggregateFields(name);
        if (fields.empty() || !AnsiSameText(fields[0], bandName)) continue;
        aggregates_->SetValue(i, InitialAggregate(KindOf(name)));
        averageCounts_.erase(name);
    }
}

void TQmCustomBandView::Accumulate() {
    TQmReport* report = ParentReport;
    lastExpression_.clear();
    for (int i = 0; i < aggregates_->Count(); ++i) {
        const std::vector<AnsiString> fields = AggregateFields(aggregates_->GetName(i));
        if (fields.size() != 4) continue;
        const char kind = KindOf(aggregates_->GetName(i));
        const AnsiString& expression = fields[2];
        if (!Visible && fields[3] != "1") continue;
        double v = 0;
        if (kind != kCount) {
            if (expression != lastExpression_) {
                lastExpression_ = expression;
                lastExpressionValue_ = report->Parser()->Calc(Variant(expression));
            }
            const Variant& value = lastExpressionValue_;
            v = VarIsNull(value) || VarIsEmpty(value) || (VarIsStr(value) && value.AsString().empty())
                    ? 0.0
                    : VarAsType(value, varDouble).AsDouble();
        }
        const double current = VarAsType(aggregates_->GetValue(i), varDouble).AsDouble();
        if (kind == kCount) aggregates_->SetValue(i, current + 1);
        else if (kind == kMax) aggregates_->SetValue(i, std::max(current, v));
        else if (kind == kMin) aggregates_->SetValue(i, std::min(current, v));
        else aggregates_->SetValue(i, current + v);
        if (kind == kAvg) ++averageCounts_[aggregates_->GetName(i)];
    }
    if (auto* page = PageOf(report))
        for (TQmView* view : page->GetObjects())
            if (auto* calc = dynamic_cast<TQmCalcMemoView*>(view)) calc->Accumulate();
}

// ---- Printing ----------------------------------------------------------------

Integer TQmCustomBandView::ChainHeight() const {
    Integer height = 0;
    for (const TQmCustomBandView* band = this; band; band = band->ChildBandView) height += HeightOf(band);
    return height;
}

void TQmCustomBandView::Print() {
    TQmReport* report = ParentReport;
    TQmReportPage* page = PageOf(report);
    if (!report || !page) return;
    report->CurrentObject = this;
    report->CurrentBand = this;
    StretchedNow = false;
    if (report->OnBeginBand) report->OnBeginBand(dynamic_cast<TQmBand*>(this));
    if (!page->ReprintingHeaders && page->LastBand && page->LastBand != this && page->LastBand->CurrentColumn > 1)
        page->CurX = page->LastBand->ColumnStartX;
    if (!Reprinting && OnBeforePrint()) OnBeforePrint()(this);
    if (report->Terminated()) return;
    if (BandType == qmbtReportSummary && Flag(QmBandFlag::AlignToBottom) && Visible) {
        if (page->CurY + Height > page->BottomLimit) page->NewPage();
        page->CurY = page->BottomLimit - Height;
    }
    if (BandType == qmbtGroupHeader && KeepFlag(QmKeepFlag::KeepTogether) && !Flag(QmBandFlag::NewPageAfter)) {
        if (FirstGroup) FirstGroup = false;
        else page->BeginKeep();
    }
    if (Visible) {
        DrawBand();
        if (ChildBandView) {
            const ValueRestorer<bool> reprinting(page->ReprintingHeaders, true);
            ChildBandView->Print();
        }
        if (Flag(QmBandFlag::NewPageAfter) && !IsDataBand(this) && BandType != qmbtGroupHeader) page->NewPage();
    } else {
        if (Flag(QmBandFlag::PrintChildIfInvisible) && ChildBandView) {
            const ValueRestorer<bool> reprinting(page->ReprintingHeaders, true);
            ChildBandView->Print();
        }
        if (IsDataBand(this)) Accumulate();
    }
    if (BandType == qmbtGroupHeader) {
        for (TQmCustomBandView* header = this; header; header = header->NextGroupHeader) {
            header->GroupValue = report->Parser()->CalcPostfix(header->PrintCondition());
            header->GroupValueStored = true;
        }
        for (TQmView* view : page->GetObjects())
            if (auto* calc = dynamic_cast<TQmCalcMemoView*>(view); calc && calc->ResetBand == this) calc->Reset();
    } else if (AggregateSource) {
        AggregateSource->ResetAggregates(Name());
    }
    if (!Reprinting && OnAfterPrint()) OnAfterPrint()(this);
    if (report->OnEndBand) report->OnEndBand(dynamic_cast<TQmBand*>(this));
}

void TQmCustomBandView::ReprintColumnHeaders() {
    TQmReportPage* page = PageOf(ParentReport);
    std::vector<TQmCustomBandView*> headers = {page->FindBand(qmbtPageHeader), page->FindBand(qmbtColumnHeader),
                                               HeaderBand};
    for (TQmCustomBandView* group = FirstGroupHeader; group; group = group->NextGroupHeader) headers.push_back(group);
    const Integer y = page->CurY;
    for (TQmCustomBandView* header : headers) {
        if (!header || !header->Flag(QmBandFlag::ReprintOnNewColumn) || header->CurrentColumn >= Columns) continue;
        const bool pageHeader = header->BandType == qmbtPageHeader || header->BandType == qmbtColumnHeader;
        if (header->LastPageNo != ParentReport->PageNo && !pageHeader &&
            !header->Flag(QmBandFlag::ReprintOnNewPage))
            continue;
        page->CurY = header->ColumnBeginY;
        const Integer x = page->CurX;
        {
            const ValueRestorer<bool> reprinting(page->ReprintingHeaders, true);
            const ValueRestorer<bool> mark(header->Reprinting, true);
            header->Print();
        }
        page->CurX = x;
        ++header->CurrentColumn;
    }
    page->CurY = y;
}

bool TQmCustomBandView::Fits(Integer top, Integer height, bool columnAware) {
    TQmReportPage* page = PageOf(ParentReport);
    if (KeepsOwnTop(this) || BandType == qmbtColumnFooter) return true;
    const TQmCustomBandView* columnFooter = page->FindBand(qmbtColumnFooter);
    Integer limit = page->BottomLimit;
    const TQmCustomBandView* pageFooter = page->FindBand(qmbtPageFooter);
    if (page->InSummary && pageFooter && !pageFooter->Flag(QmBandFlag::PrintOnLastPage)) limit += HeightOf(pageFooter);
    const Integer lines = LinesPerPage * (Flag(QmBandFlag::PrintColumnFirst) ? Columns : 1);
    const bool full = (LinesPerPage > 0 && RowNo >= lines) ||
                      top + height + (BandType == qmbtReportSummary ? 0 : HeightOf(columnFooter)) > limit;
    if (!full) return true;
    if (columnAware && Columns > 1 && !Flag(QmBandFlag::PrintColumnFirst)) {
        if (CurrentColumn < Columns) {
            page->CurX = ColumnStartX + CurrentColumn * (ColumnWidth + ColumnGap);
            ++CurrentColumn;
            ReprintColumnHeaders();
            page->CurY = ColumnStartY;
            RowNo = 0;
            return true;
        }
        page->CurX = ColumnStartX;
        CurrentColumn = 1;
    }
    return false;
}

void TQmCustomBandView::BreakBand() {
    TQmReportPage* page = PageOf(ParentReport);
    // A header that breaks is printed on the new page by itself, not again
    // by the new page.
    const bool header = BandType == qmbtPageHeader || BandType == qmbtColumnHeader;
    const ValueRestorer<bool> printingHeader(page->ReprintingHeaders, page->ReprintingHeaders || header);
    page->NewColumn(this);
    // The headers printed on the way made themselves current.
    ParentReport->CurrentBand = this;
    RowNo = 0;
    ColumnStartX = page->CurX;
    ColumnStartY = page->CurY;
}

Integer TQmCustomBandView::StretchedHeight() {
    Integer height = Height;
    std::map<AnsiString, Integer> growth;
    for (TQmView* view : Objects) {
        auto* stretchable = dynamic_cast<TQmStretcheableView*>(view);
        auto* memo = dynamic_cast<TQmCustomMemoView*>(view);
        if (!stretchable || !memo || !stretchable->Stretched() || !view->Visible) continue;
        const Integer computed = memo->CalcHeight();
        growth[UpperCase(view->Name())] = computed - view->Height;
        view->Height = stretchable->StretchedMax() ? std::max(computed, view->Height) : computed;
        height = std::max(height, view->Top - Top + view->Height);
    }
    for (TQmView* view : Objects) {
        auto* linked = dynamic_cast<TQmReportView*>(view);
        if (!linked) continue;
        if (const auto shift = growth.find(UpperCase(linked->ShiftWith())); shift != growth.end()) {
            view->Top += std::max(0, shift->second);
            height = std::max(height, view->Top - Top + view->Height);
        }
        if (const auto stretch = growth.find(UpperCase(linked->StretchWith())); stretch != growth.end())
            view->Height += std::max(0, stretch->second);
    }
    return height;
}

void TQmCustomBandView::DrawObjects(const std::vector<TQmView*>& views) {
    TQmReport* report = ParentReport;
    TQmReportPage* page = PageOf(report);
    TQmEndPage* target = report->EndPages()->GetPage(report->PageNo);
    if (!target) target = report->EndPages()->GetPage(report->EndPages()->GetCount() - 1);
    if (!target) return;
    const Integer x = page->CurX;
    TQmView* current = nullptr;
    try {
        for (TQmView* view : views) {
            auto* reportView = dynamic_cast<TQmReportView*>(view);
            if (!reportView || dynamic_cast<TQmSubReportView*>(view)) continue;
            current = view;
            report->CurrentObject = view;
            const Integer left = view->Left, top = view->Top;
            view->Left = x + left;
            view->Top = Top + (top - designTop_);
            view->InPreparedPage = true;
            struct Restore {
                TQmView* view;
                Integer left, top;
                ~Restore() {
                    view->InPreparedPage = false;
                    view->Left = left;
                    view->Top = top;
                }
            } restore{view, left, top};
            reportView->Print(target->Stream());
            if (view->Visible) LowestBottom = std::max(LowestBottom, view->Top + view->Height);
            report->DoAfterPrint(reportView);
        }
    } catch (const std::exception& e) {
        report->ErrorFlag = true;
        report->MasterReport->SetTerminated(true);
        AnsiString text = LoadReportString(qmsCalcError);
        if (current)
            for (int i = 0; i < current->Memo->Count(); ++i) text += "\r" + current->Memo->Strings(i);
        text += "\r\r" + LoadReportString(qmsReportLabel) + " " + report->Name() + "\r";
        if (current) text += LoadReportString(qmsObjectLabel) + " " + current->Name() + "\r";
        report->ErrorText = text + "\r" + e.what();
    }
}

void TQmCustomBandView::DrawBand() {
    TQmReport* report = ParentReport;
    TQmReportPage* page = PageOf(report);
    const bool reprintingHeaders = page->ReprintingHeaders;
    TQmCustomBandView* last = page->LastBand;
    if (!reprintingHeaders && last && last != this && last->Columns > 1 && !last->Flag(QmBandFlag::PrintColumnFirst))
        page->CurY = std::max(page->CurY, last->HighestBottom);
    if (last != this) {
        CurrentColumn = 1;
        ColumnStartX = page->CurX;
        ColumnStartY = page->CurY;
        HighestBottom = page->CurY;
    } else if (Columns > 1 && Flag(QmBandFlag::PrintColumnFirst)) {
        if (CurrentColumn >= Columns) {
            page->CurX = ColumnStartX;
            CurrentColumn = 1;
            ColumnStartY = page->CurY;
        } else {
            page->CurX = ColumnStartX + CurrentColumn * (ColumnWidth + ColumnGap);
            ++CurrentColumn;
            ReprintColumnHeaders();
            page->CurY = ColumnStartY;
        }
    }
    if (last != this || CurrentColumn == 1) ColumnBeginY = page->CurY;
    designTop_ = Top;
    const Integer savedTop = Top;
    if (BandType == qmbtPageFooter) Top = page->BottomLimit;
    else if (!KeepsOwnTop(this)) Top = page->CurY;
    std::vector<std::pair<TQmView*, std::pair<Integer, Integer>>> designSizes;
    for (TQmView* view : Objects) designSizes.push_back({view, {view->Top, view->Height}});
    Integer h = Height;
    if (Flag(QmFlag::Stretched)) {
        // Heights are measured at the design top; objects keep design tops.
        const Integer top = Top;
        Top = designTop_;
        h = std::max(Height, StretchedHeight());
        Top = top;
        StretchedNow = h > Height;
    }
    LowestBottom = 0;
    bool broke = false;
    if (!KeepsOwnTop(this)) {
        Integer need = 0;
        if (KeepFlag(QmKeepFlag::KeepChild) && ChildBandView) need = h + ChildBandView->ChainHeight();
        if (IsDataBand(this) && KeepFlag(QmKeepFlag::KeepFooter) && FooterBand && FooterBand->Visible)
            need = std::max(need, h + (ChildBandView ? ChildBandView->ChainHeight() : 0) + FooterBand->ChainHeight());
        // The last row of a group goes along with the group's footers; a
        // group header goes along with its first row and the footers.
        if (IsDataBand(this) && KeepsGroupFooter(FirstGroupHeader))
            need = std::max(need, h + (ChildBandView ? ChildBandView->ChainHeight() : 0) +
                                      GroupChainHeight(FirstGroupHeader, false));
        if (BandType == qmbtGroupHeader && KeepsGroupFooter(this) && DataBand)
            need = std::max(need, h - Height + GroupChainHeight(this, true) + DataBand->ChainHeight());
        if (need > 0 && !Fits(Top, need, false)) {
            BreakBand();
            Top = page->CurY;
            broke = true;
        }
    }
    auto drawWhole = [&](Integer height) {
        if (!OutlineText().empty()) {
            const Variant text = report->Parser()->CalcPostfix(OutlineText());
            page->AddOutline(VarIsNull(text) || VarToStr(text).empty() ? AnsiString("[None]") : VarToStr(text), Top,
                             BandType == qmbtGroupHeader ? Level + 1 : 0);
        }
        DrawObjects(OwnObjects());
        if (Columns == 1 && !CrossObjects(page->FindBand(qmbtCrossData)).empty()) PrintCrossTab();
        if (!SubReports.empty()) PrintSubReports(height);
        if (!KeepsOwnTop(this)) page->CurY += height;
    };
    if (Fits(Top, h, true)) {
        if (!KeepsOwnTop(this)) Top = page->CurY;
        drawWhole(h);
    } else {
        const bool whole = !Flag(QmBandFlag::PageBreaked) &&
                           (!StretchedNow || LastPageNo != report->PageNo || last == this);
        if (whole || page->InSummary || broke) {
            BreakBand();
            Top = page->CurY;
            if (Fits(Top, h, false)) drawWhole(h);
            else SplitBand();
        } else {
            SplitBand();
        }
    }
    if (Columns > 1 && !Flag(QmBandFlag::PrintColumnFirst)) HighestBottom = std::max(HighestBottom, page->CurY);
    if (!reprintingHeaders) page->LastBand = this;
    Top = savedTop;
    for (auto& [view, size] : designSizes) {
        view->Top = size.first;
        view->Height = size.second;
    }
    LastPageNo = report->PageNo;
    if (IsDataBand(this)) {
        if (!report->AppendBlanking) Accumulate();
        ++RowNo;
    }
}

std::vector<TQmView*> TQmCustomBandView::CrossObjects(const TQmCustomBandView* cross) const {
    std::vector<TQmView*> views;
    if (cross)
        for (TQmView* view : Objects)
            if (std::find(cross->Objects.begin(), cross->Objects.end(), view) != cross->Objects.end())
                views.push_back(view);
    return views;
}

std::vector<TQmView*> TQmCustomBandView::OwnObjects() const {
    const TQmReportPage* page = PageOf(ParentReport);
    std::vector<TQmView*> views = Objects;
    for (int kind : {qmbtCrossHeader, qmbtCrossData, qmbtCrossFooter})
        for (TQmView* crossing : CrossObjects(page->FindBand(TQmBandType(kind))))
            views.erase(std::remove(views.begin(), views.end(), crossing), views.end());
    return views;
}

void TQmCustomBandView::PrintCrossTab() {
    TQmReport* report = ParentReport;
    TQmReportPage* page = PageOf(report);
    TQmCustomBandView* header = page->FindBand(qmbtCrossHeader);
    TQmCustomBandView* data = page->FindBand(qmbtCrossData);
    TQmCustomBandView* footer = page->FindBand(qmbtCrossFooter);
    TQmDataset* source = CrossDataset ? CrossDataset : data->Dataset;
    const Integer startPage = report->PageNo;
    const Integer limit = page->PrintableWidth();
    const ValueRestorer<Integer> x0(page->CurX, page->CurX);
    auto drawAt = [&](TQmCustomBandView* cross, Integer at) {
        page->CurX = at;
        DrawObjects(CrossObjects(cross));
    };
    // Columns past the page's width go on the next prepared page, at the
    // same height, after the cross header when it reprints there.
    Integer x = 0;
    auto fit = [&](Integer width) {
        if (x == 0 || x + width <= limit) return;
        ++report->PageNo;
        if (!report->EndPages()->GetPage(report->PageNo)) report->EndPages()->AddPage(page);
        x = 0;
        if (header && header->Flag(QmBandFlag::ReprintOnNewPage)) {
            drawAt(header, 0);
            x = header->Width;
        }
    };
    page->CrossColumn = 1;
    if (header) {
        x = header->Flag(QmBandFlag::PrintAtDesignPos) ? header->Left : 0;
        drawAt(header, x);
        x += header->Width;
    }
    if (source) {
        for (source->First(); !source->Eof() && !report->Terminated() && !report->ErrorFlag; source->Next()) {
            Integer width = data->Width;
            report->DoPrintColumn(page->CrossColumn, width);
            report->CurrentBand = data;
            if (data->OnBeforePrint()) data->OnBeforePrint()(data);
            fit(width);
            drawAt(data, x);
            data->Accumulate();
            report->CurrentBand = this;
            x += width;
            ++page->CrossColumn;
        }
    }
    if (footer) {
        fit(footer->Width);
        drawAt(footer, x);
        footer->ResetAggregates(footer->Name());
    }
    report->PageNo = startPage;
}

void TQmCustomBandView::PrintSubReports(Integer& step) {
    TQmReport* report = ParentReport;
    TQmReportPage* page = PageOf(report);
    const Integer counter = report->PageNo;
    for (TQmView* view : SubReports) {
        auto* sub = dynamic_cast<TQmSubReportView*>(view);
        auto* subPage = sub ? dynamic_cast<TQmReportPage*>(sub->GetSubPage()) : nullptr;
        if (!subPage) continue;
        report->PageNo = counter;
        subPage->Margins = page->Margins;
        subPage->PageInfo = page->PageInfo;
        subPage->PaperSize = page->PaperSize;
        subPage->PaperWidth = page->PaperWidth;
        subPage->PaperHeight = page->PaperHeight;
        subPage->Orientation = page->Orientation;
        subPage->Bin = page->Bin;
        subPage->CurX = page->CurX + sub->Left;
        subPage->CurY = Top + (sub->Top - designTop_);
        subPage->TemplatePageNo = page->TemplatePageNo;
        report->CurrentPage = subPage;
        subPage->BuildPage();
        report->CurrentPage = page;
        report->CurrentBand = this;
        if (report->PageNo > counter) {
            // The band goes on below the sub-report on the last page it reached.
            page->CurY = subPage->CurY + Height - (sub->Top - designTop_) - sub->Height;
            step = 0;
        } else {
            step = std::max(step, subPage->CurY - Top);
        }
    }
}

void TQmCustomBandView::SplitBand() {
    TQmReport* report = ParentReport;
    TQmReportPage* page = PageOf(report);
    struct Part {
        TQmView* view;
        Integer top, height;  // the remaining part, relative to the band
        bool done = false;
    };
    std::vector<Part> parts;
    for (TQmView* view : Objects) {
        Integer height = view->Height;
        if (auto* memo = dynamic_cast<TQmCustomMemoView*>(view); memo && memo->Stretched()) height = memo->CalcHeight();
        parts.push_back({view, view->Top - designTop_, height});
    }
    const TQmCustomBandView* columnFooter = page->FindBand(qmbtColumnFooter);
    Integer lowest = 0;
    while (!report->Terminated()) {
        const Integer room = page->BottomLimit - HeightOf(columnFooter) - Top;
        std::vector<TQmView*> now;
        std::vector<std::pair<Part*, bool>> printed;
        lowest = 0;
        for (Part& part : parts) {
            if (part.done) continue;
            auto* memo = dynamic_cast<TQmCustomMemoView*>(part.view);
            const bool stretchable = memo && memo->Stretched();
            if (part.top >= room) {
                part.top -= room;
                continue;
            }
            const bool cut = part.top + part.height > room;
            part.view->Top = designTop_ + part.top;
            part.view->Height = cut ? room - part.top : part.height;
            if (stretchable) memo->SplitMode = 2;
            now.push_back(part.view);
            printed.push_back({&part, cut});
        }
        LowestBottom = 0;
        DrawObjects(now);
        lowest = LowestBottom - Top;
        for (auto& [part, cut] : printed) {
            auto* memo = dynamic_cast<TQmCustomMemoView*>(part->view);
            const bool more = memo && memo->Stretched() && memo->Memo1->Count() > 1;
            if (!cut && !more) {
                part->done = !part->view->Flag(QmFlag::ReprintOnOverFlow);
                if (!part->done) part->top = 0;
                continue;
            }
            if (memo && memo->Stretched()) {
                part->height = more ? memo->CalcRemainHeight() : 0;
                part->done = !more;
                if (more) memo->SplitMode = 1;
            } else {
                part->done = !part->view->Flag(QmFlag::ReprintOnOverFlow);
                part->height -= room - part->top;
            }
            part->top = 0;
        }
        if (std::all_of(parts.begin(), parts.end(), [](const Part& p) { return p.done; })) break;
        if (std::all_of(parts.begin(), parts.end(),
                        [](const Part& p) { return p.done || p.view->Flag(QmFlag::ReprintOnOverFlow); }))
            break;
        if (report->ErrorFlag) break;
        BreakBand();
        Top = page->CurY;
    }
    for (Part& part : parts)
        if (auto* memo = dynamic_cast<TQmCustomMemoView*>(part.view)) memo->SplitMode = 0;
    page->CurY = Top + std::max<Integer>(lowest, 0);
}
