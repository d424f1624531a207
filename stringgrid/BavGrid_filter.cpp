// Filtering: the data rows that fail the grid's conditions go into the
// hidden-row store in one pass, and come back when the filter is switched off.
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavFilter.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"

namespace {

AnsiString WithoutAffixes(AnsiString text, const AnsiString& prefix, const AnsiString& suffix) {
    if (!prefix.empty() && text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());
    if (!suffix.empty()) {
        const std::size_t at = text.find(suffix);
        if (at != AnsiString::npos && at + suffix.size() == text.size()) text.erase(at);
    }
    return text;
}

}  // namespace

bool TBavStringGrid::MatchFilterRow(int row) {
    bool result = true;
    for (int i = 0; i < filter_->Count(); ++i) {
        const TFilterData* condition = filter_->Items(i);
        const int col = DisplayColIndex(condition->Column());
        AnsiString text;
        switch (condition->Data()) {
        case fcVirtual: text = GetDisplayText(col, row); break;
        case fcNormal: text = GetRawCellText(col, row); break;
        case fcStripHTML: text = GetStrippedCellText(col, row); break;
        case fcCalculated: text = CalcCellValue(col, row); break;
        }
        if (text.find(WideCellPrefix) != AnsiString::npos) text = WideToAnsi(CellTextToWide(text));
        text = WithoutAffixes(text, condition->Prefix(), condition->Suffix());
        bool match = false;
        try {
            match = MatchFilterCondition(condition->Condition(), text, condition->CaseSensitive());
        } catch (const std::exception&) {
            match = false;
        }
        switch (condition->Operation()) {
        case foSHORT:
            if (!match) return false;
            result = true;
            break;
        case foNONE: result = match; break;
        case foAND: result = result && match; break;
        case foXOR: result = result != match; break;
        case foOR: result = result || match; break;
        }
    }
    return result;
}

void TBavStringGrid::ApplyFilter() {
    const int first = TBaseGrid::FixedRows(), end = RowCount() - fixedFooters_;
    const int rows = end - first;
    std::vector<int> failing;
    short progress = 0;
    for (int row = first; row < end; ++row) {
        if (!MatchFilterRow(row)) failing.push_back(row);
        if (onFilterProgress_ && rows > 0) {
            progress = short(Round(double(row - first + 1) / rows * 100));
            onFilterProgress_(this, progress);
        }
    }
    HideRowList(failing);
    if (onFilterProgress_ && rows > 0) onFilterProgress_(this, progress);
}

void TBavStringGrid::SetFilterActive(bool v) {
    if (v != filterActive_) {
        filterActive_ = v;
        if (v) {
            filterFixedRows_ = FixedRows();
            {
                TGridUpdateLock lock(this);
                ApplyFilter();
            }
            selectionHidden_ = false;
        } else {
            UnHideAllRows();
            SetFixedRows(filterFixedRows_);
            if (selectionHidden_) RestoreSelection();
        }
    }
    RecalcFooter(-1);
}
