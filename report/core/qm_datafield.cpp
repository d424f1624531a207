// Resolving data-field references to a data source and a field.
#include "report/core/qm_datafield.h"

#include <memory>
#include <vector>

#include "platform/rtl/moduleregistry.h"
#include "platform/rtl/stringlist.h"
#include "report/core/qm_class.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_utils.h"

namespace {

// Parts between the dots that come before the first double quote; from
// the quote on the text is one part.
std::vector<AnsiString> ReferenceParts(const AnsiString& reference) {
    const std::size_t quote = reference.find('"');
    std::vector<AnsiString> parts;
    std::size_t begin = 0;
    for (std::size_t dot = reference.find('.'); dot != AnsiString::npos && dot < quote; dot = reference.find('.', begin)) {
        parts.push_back(reference.substr(begin, dot - begin));
        begin = dot + 1;
    }
    parts.push_back(reference.substr(begin));
    return parts;
}

TQmDataset* SourceIn(TComponent* container, const AnsiString& name) {
    return container ? dynamic_cast<TQmDataset*>(container->FindComponent(name)) : nullptr;
}

}  // namespace

AnsiString ParseDataField(TQmReport* report, const AnsiString& reference, TQmDataset*& source) {
    const std::vector<AnsiString> parts = ReferenceParts(reference);
    switch (parts.size()) {
    case 1: break;
    case 2: source = SourceIn(report ? report->Owner() : nullptr, parts[0]); break;
    case 3: source = SourceIn(FindGlobalComponent(parts[0]), parts[1]); break;
    case 4: {
        TComponent* form = FindGlobalComponent(parts[0]);
        source = SourceIn(form ? form->FindComponent(parts[1]) : nullptr, parts[2]);
        break;
    }
    default: return {};
    }
    return source ? FindDatasetField(source, RemoveQuotes(parts.back())) : AnsiString();
}

AnsiString FindDatasetField(TQmDataset* source, const AnsiString& name) {
    auto fields = std::unique_ptr<TStringList>(TStringList::Create());
    source->GetFieldsList(fields.get());
    return fields->IndexOf(name) >= 0 ? name : AnsiString();
}

void CreateBandDataset(TQmReport* report, const AnsiString& text, bool isCount, TQmDataset*& source) {
    if (isCount) {
        auto* counted = TQmUserDataset::Create(nullptr);
        counted->SetRangeEnd(qmreCount);
        counted->SetRangeEndCount(StrToInt(text));
        source = counted;
    } else {
        TComponent* owner = report->Owner();
        source = owner ? dynamic_cast<TQmDataset*>(owner->FindComponent(text)) : nullptr;
    }
    if (!source) return;
    try {
        source->Init();
    } catch (const Exception& e) {
        report->ErrorFlag = true;
        report->ErrorText = e.Message();
    }
}

TQmDataset* GetBandDataset(TQmReport* report) {
    const auto* band = dynamic_cast<const TQmCustomBandView*>(report->CurrentBand);
    const auto* page = dynamic_cast<const TQmReportPage*>(report->CurrentPage);
    if (!band || !page) return nullptr;
    auto sourceOf = [page](TQmBandType kind) -> TQmDataset* {
        const TQmCustomBandView* found = page->FindBand(kind);
        return found ? found->Dataset : nullptr;
    };
    TQmDataset* source = nullptr;
    switch (band->BandType) {
    case qmbtReportTitle: case qmbtReportSummary: case qmbtPageHeader: case qmbtPageFooter: case qmbtMasterData:
    case qmbtColumnHeader: case qmbtColumnFooter: case qmbtGroupHeader: case qmbtGroupFooter:
        source = sourceOf(qmbtMasterData);
        break;
    case qmbtDetailData: source = sourceOf(qmbtDetailData); break;
    case qmbtCrossData: case qmbtCrossFooter: source = sourceOf(qmbtCrossData); break;
    default: source = report->Dataset();
    }
    return dynamic_cast<TQmDBDataSet*>(source);
}
