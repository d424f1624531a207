// The grid's layout: the pass that rebuilds the column set and measures
// rows and titles, the distribution of widths among auto-fit columns, the
// row count with its title, filter, spacer and footer rows, and the grid's
// following of the dataset's current record.
#include <algorithm>
#include <cmath>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/gdi/measuringdc.h"
#include "platform/win/winscroll.h"
#include "platform/win/winuser.h"

using namespace GridScroll;

namespace {

struct TextMetrics {
    TEXTMETRICA metrics{};
    int wgHeight = 0;  // the height of "Wg"
};

TextMetrics Measure(TFont* font) {
    MeasuringDC dc(font->Handle());
    TextMetrics result;
    GetTextMetrics(dc.dc(), &result.metrics);
    SIZE size{};
    GetTextExtentPoint32(dc.dc(), "Wg", 2, &size);
    result.wgHeight = size.cy;
    return result;
}

}  // namespace

void TCustomDBGridVyn::LayoutPass() {
    if (Loading()) return;
    DiscardPendingMessage(WM_DEFERRED_LAYOUT_VYN);
    ValueRestorer<bool> suppress(paintSuppressed_, true);
    RemoveAutomaticColumnsAfterStored();
    indicatorOffset_ = options_.Contains(dgIndicator) ? 1 : 0;
    dataLink_->ClearFieldMap();
    if (dataLink_->Active()) BuildFieldMap();
    BindColumns();
    CountColumns();
    topDataOffset_ = CalcTopDataOffset();
    MeasureRows();
    UpdateHorzScrollBarSwitch();
    UpdateColumnTabsAndWidths();
    if (autoFitColWidths_ && HandleAllocated()) FitAutoWidths();
    MeasureTitleRow();
    UpdateColumnTabsAndWidths();
    const int leftCol = LeftCol();
    try {
        RecalcRowCount();
    } catch (...) {
        if (options_.Contains(dgRowSelect)) SetLeftCol(leftCol);
        throw;
    }
    if (options_.Contains(dgRowSelect)) SetLeftCol(leftCol);
    RecordChanged(nullptr);
    UpdateHorzScrollBar();
    Invalidate();
    if (selection_->Kind() == gstColumns) selection_->Columns()->Resync();
    RefreshFilterEditor();
}

void TCustomDBGridVyn::RemoveAutomaticColumnsAfterStored() {
    bool automaticSeen = false;
    bool storedAfter = false;
    for (int i = 0; i < columns_->Count(); ++i) {
        if (!columns_->Items(i)->UserCreated())
            automaticSeen = true;
        else if (automaticSeen)
            storedAfter = true;
    }
    if (!storedAfter) return;
    for (int i = columns_->Count() - 1; i >= 0; --i)
        if (!columns_->Items(i)->UserCreated()) delete columns_->Items(i);
}

void TCustomDBGridVyn::BuildFieldMap() {
    const bool customized = columns_->Customized();
    dataLink_->SetSparseMap(customized);
    if (customized) {
        for (int i = 0; i < columns_->Count(); ++i) dataLink_->MapField(columns_->Items(i)->FieldName());
        return;
    }
    std::vector<TField*> fields;
    GetDatasetFields(fields);
    for (TField* field : fields)
        if (field->Visible()) dataLink_->MapField(field->FieldName());
}

void TCustomDBGridVyn::BindColumns() {
    if (columns_->Customized()) {
        for (int i = 0; i < columns_->Count(); ++i) {
            TColumnVyn* column = columns_->Items(i);
            column->field_ = nullptr;
            column->BoundField();
        }
        return;
    }
    TDataSet* dataSet = dataLink_->DataSet();
    if (dataLink_->Active() || (dataSet && !dataSet->DefaultFields())) {
        for (int i = columns_->Count() - 1; i >= 0; --i) {
            TColumnVyn* column = columns_->Items(i);
            bool mapped = false;
            for (int m = 0; column->field_ && m < dataLink_->MappedCount() && !mapped; ++m)
                mapped = dataLink_->MappedField(m) == column->field_;
            if (!mapped) delete column;
        }
    } else {
        columns_->Clear();
    }
    // Without fields an empty collection still gets one column, without a field.
    for (int i = 0; i < std::max(dataLink_->MappedCount(), columns_->Count() == 0 ? 1 : 0); ++i) {
        TField* field = dataLink_->MappedField(i);
        TColumnVyn* column = nullptr;
        for (int c = i; c < columns_->Count() && !column; ++c)
            if (columns_->Items(c)->field_ == field) column = columns_->Items(c);
        if (!column) {
            column = columns_->AddAutoColumn();
            column->BindField(field);
        }
        column->TCollectionItem::SetIndex(i);
    }
}

void TCustomDBGridVyn::CountColumns() {
    visibleColumns_->Clear();
    for (int i = 0; i < columns_->Count(); ++i)
        if (columns_->Items(i)->Visible()) visibleColumns_->Add(columns_->Items(i));
    // Hidden columns inside the frozen span widen it, and so do hidden
    // columns right after a span there is.
    int span = frozenCols_;
    for (int i = 0; i < columns_->Count() && i < span; ++i)
        if (!columns_->Items(i)->Visible()) ++span;
    while (frozenCols_ > 0 && span < columns_->Count() && !columns_->Items(span)->Visible()) ++span;
    const int hiddenInSpan = span - frozenCols_;
    const bool frozenCount = dataLink_->Active() || columns_->Customized();
    SetColCount(columns_->Count() + indicatorOffset_);
    int fixed = indicatorOffset_ + (frozenCount ? frozenCols_ : 0) + hiddenInSpan;
    if (visibleColumns_->Count() == 0) --fixed;
    // Setting the count, even unchanged, sends the view back to the start.
    fixed = std::clamp(fixed, 0, ColCount() - 1);
    if (fixed != FixedCols()) SetFixedCols(fixed);
}

int TCustomDBGridVyn::LineWidth() const { return options_.Contains(dgRowLines) ? GridLineWidth() : 0; }

int TCustomDBGridVyn::EditButtonHeightFor(int rowHeight) const {
    return rowHeight <= static_cast<int>(std::nearbyint(editButtonWidth_ * 1.5))
               ? rowHeight
               : ButtonHeightForWidth(editButtonWidth_, flat_);
}

void TCustomDBGridVyn::MeasureRows() {
    const TextMetrics text = Measure(Font());
    const int k = (flat_ ? 1 : 3) + LineWidth();
    const int h = std::max(text.wgHeight, 1);
    int height = rowHeight_ > 0 || rowLines_ > 0
                     ? rowHeight_ + (text.metrics.tmExternalLeading + text.metrics.tmHeight) * rowLines_
                     : h + k;
    if (optionsVyn_.Contains(dghFitRowHeightToText)) {
        const int e = height - k;
        const int f = e / h;
        const int r = e % h;
        height = (r <= h / 2 && f > 0 ? f : f + 1) * h + k;
        rowLines_ = (height - k) / h;
        rowHeight_ = k;
    }
    SetDefaultRowHeight(height);
    editButtonHeight_ = EditButtonHeightFor(height);
    wordWrapAllowed_ = text.metrics.tmExternalLeading + text.metrics.tmHeight + text.metrics.tmInternalLeading +
                           titleTextMargin_ <
                       height;
    if (!options_.Contains(dgTitles)) return;
    int titleHeight = 0;
    if (columns_->Count() == 0) titleHeight = Measure(titleFont_.get()).wgHeight + titleTextMargin_;
    for (int i = 0; i < columns_->Count(); ++i)
        titleHeight = std::max(titleHeight, Measure(columns_->Items(i)->Title()->Font()).wgHeight + titleTextMargin_);
    computedTitleHeight_ = titleHeight;
}

void TCustomDBGridVyn::UpdateHorzScrollBarSwitch() {
    const bool show = !autoFitColWidths_ && horzScrollBar_->Visible() && !horzScrollBar_->ExtScrollBar();
    const TScrollStyle wanted = show ? ssHorizontal : ssNone;
    if (wanted != ScrollBars()) TCustomGrid::SetScrollBars(wanted);
}

namespace {

// Whether a field can take a new value; a lookup field only through all
// its key fields.
bool FieldWritable(TField* field) {
    if (!field->Lookup()) return !field->ReadOnly();
    TDataSet* dataSet = field->DataSet();
    if (!dataSet || field->KeyFields().empty()) return false;
    for (TField* key : dataSet->GetFieldList(field->KeyFields()))
        if (key->ReadOnly()) return false;
    return true;
}

}  // namespace

void TCustomDBGridVyn::UpdateColumnTabsAndWidths() {
    const int hidden = options_.Contains(dgColLines) ? -1 : 0;
    for (int i = 0; i < columns_->Count() && i + indicatorOffset_ < ColCount(); ++i) {
        TColumnVyn* column = columns_->Items(i);
        TField* field = column->BoundField();
        SetTabStops(i + indicatorOffset_, column->Visible() && !column->ReadOnly() && dataLink_->Active() && field &&
                                              field->FieldKind() != fkCalculated && FieldWritable(field));
        SetColWidths(i + indicatorOffset_, column->Visible() ? column->Width() : hidden);
    }
    if (indicatorOffset_ > 0) SetColWidths(0, 11);
}

void TCustomDBGridVyn::FitAutoWidths() {
    std::vector<TColumnVyn*> visible;
    for (int i = 0; i < visibleColumns_->Count(); ++i) visible.push_back(visibleColumns_->Items(i));
    // A column whose limits refused its share is limited and leaves the
    // next rounds to the others.
    std::vector<bool> limited(visible.size(), false);
    auto free = [&](std::size_t i) { return visible[i]->AutoFitColWidth() && !limited[i]; };
    int avail = 0;
    int total = 0;
    for (std::size_t round = 0; round < visible.size(); ++round) {
        int fitSum = 0;
        int other = 0;
        for (std::size_t i = 0; i < visible.size(); ++i) free(i) ? fitSum += visible[i]->AutoFitBaseWidth()
                                                                  : other += visible[i]->Width();
        avail = std::max(std::max(ClientWidth(), minAutoFitWidth_) - other, 0);
        if (options_.Contains(dgIndicator)) avail -= ColWidths(0);
        if (options_.Contains(dgColLines)) avail -= static_cast<int>(visible.size());
        if (options_.Contains(dgIndicator) && options_.Contains(dgColLines)) --avail;
        bool anotherRound = false;
        total = 0;
        for (std::size_t i = 0; i < visible.size(); ++i) {
            if (!free(i) || fitSum <= 0) continue;
            const int share = MulDiv(visible[i]->AutoFitBaseWidth(), avail, fitSum);
            visible[i]->SetWidth(share);
            if (visible[i]->Width() != share) {
                limited[i] = true;
                anotherRound = true;
            }
            total += visible[i]->Width();
        }
        if (!anotherRound) break;
    }
    if (total == avail) return;
    for (std::size_t i = visible.size(); i-- > 0;)
        if (free(i)) {
            visible[i]->SetWidth(std::max(visible[i]->Width() + avail - total, 0));
            return;
        }
}

void TCustomDBGridVyn::MeasureTitleRow() {
    if (!options_.Contains(dgTitles)) return;
    if (titleHeight_ > 0 || titleLines_ > 0) {
        TFont* tallest = titleFont_.get();
        TextMetrics best = Measure(tallest);
        for (int i = 0; i < columns_->Count(); ++i) {
            const TextMetrics m = Measure(columns_->Items(i)->Title()->Font());
            if (m.metrics.tmHeight > best.metrics.tmHeight) best = m;
        }
        computedTitleHeight_ =
            titleLines_ * best.metrics.tmHeight + best.metrics.tmExternalLeading + titleHeight_ + 2 + LineWidth();
    }
    if (useMultiTitle_) {
        BuildTitleTree();
        computedTitleHeight_ =
            MeasureTitleTree(TitleRoot()) - (optionsVyn_.Contains(dghFixed3D) ? 1 : 3);
    }
    if (topDataOffset_ > 0 && RowCount() > 0) SetRowHeights(0, computedTitleHeight_);
}

void TCustomDBGridVyn::RecalcRowCount() {
    if (!dataLink_) return;
    ValueRestorer<bool> counting(countingRows_, true);
    if (RowCount() <= topDataOffset_) SetRowCount(topDataOffset_ + 1);
    if (FixedRows() != topDataOffset_) SetFixedRows(topDataOffset_);
    const int line = LineWidth();
    const int pitch = DefaultRowHeight() + line;
    int used = 0;
    if (options_.Contains(dgTitles)) used += computedTitleHeight_ + line;
    used += FilterRowCount() * pitch;
    if (footerRowCount_ > 0) used += footerRowCount_ * pitch + line;
    const int oldRowCount = RowCount();
    SetDefaultRowHeight(DefaultRowHeight());  // resets every row, then the title takes its height again
    if (options_.Contains(dgTitles)) SetRowHeights(0, computedTitleHeight_);
    if (MemTableMode()) return MemTableRecalcRowCount();
    SetTopRow(FixedRows());
    const int footerRows = footerRowCount_ > 0 ? footerRowCount_ + 1 : 0;
    int data = 1;
    if (dataLink_->Active() && dataLink_->RecordCount() > 0 && HandleAllocated()) {
        dataLink_->SetBufferCount(std::max((ClientHeight() - used) / pitch, 1));
        data = dataLink_->RecordCount();
    } else if (!HandleAllocated()) {
        // Without a window every record the link holds is a row.
        data = dataLink_->Active() ? std::max(dataLink_->RecordCount(), 1) : 1;
    }
    used += data * pitch;
    const bool withFooters = footerRows > 0 && (HandleAllocated() || dataLink_->Active());
    SetRowCount(topDataOffset_ + data + (withFooters ? footerRows : 0));
    if (withFooters && HandleAllocated())
        SetRowHeights(topDataOffset_ + data, std::max(ClientHeight() - used, 0));
    if (RowCount() != oldRowCount) Invalidate();
    if (dataLink_->Active() && HandleAllocated()) RecordChanged(nullptr);
}

void TCustomDBGridVyn::RowHeightsChanged() {
    if (!countingRows_ && !paintSuppressed_ && dataLink_) {
        const int footerRows = footerRowCount_ > 0 ? footerRowCount_ + 1 : 0;
        for (int row = topDataOffset_; row < RowCount() - footerRows; ++row) {
            const int height = RowHeights(row);
            if (height == DefaultRowHeight()) continue;
            rowLines_ = 0;
            SetRowHeight(height);
            UpdateVertScrollBar();
            break;
        }
    }
    TCustomGrid::RowHeightsChanged();
}

void TCustomDBGridVyn::RebuildLayout() {
    if (!HandleAllocated() || rebuilding_) return;
    ValueRestorer<bool> guard(rebuilding_, true);
    RecalcRowCount();
    const bool barShown = GetWindowLongPtr(Handle(), GWL_STYLE) & WS_VSCROLL;
    UpdateVertScrollBar();
    const bool barShownNow = GetWindowLongPtr(Handle(), GWL_STYLE) & WS_VSCROLL;
    if (barShown != barShownNow && autoFitColWidths_) {
        BeginLayout();
        PostDeferredLayout();
    }
    RecordChanged(nullptr);
    InvalidateEditor();
    Invalidate();
}

void TCustomDBGridVyn::UpdateVertScrollBar() {
    if (!dataLink_ || !HandleAllocated()) return;
    if (MemTableMode()) return MemTableUpdateVertScrollBar();
    SCROLLINFO current{};
    current.fMask = SIF_ALL;
    GetScrollInfo(Handle(), SB_VERT, &current);
    int min = 0, max = 1, page = 2, pos = 0;
    if (dataLink_->Active()) {
        TDataSet* dataSet = dataLink_->DataSet();
        if (sumList_->RecordsSequenced()) {
            const int dataRows = VisibleRowCount() - (footerRowCount_ > 0 ? footerRowCount_ + 1 : 0);
            min = 1;
            page = std::max(dataRows, 1);
            max = dataSet->RecordCount() + page - 1;
            pos = dataSet->State() >= dsInsert ? current.nPos : sumList_->VirtualRecNo();
        } else {
            page = 0;
            max = 4;
            pos = dataSet->Bof() ? 0 : dataSet->Eof() ? 4 : 2;
        }
    }
    const bool external = vertScrollBar_->ExtScrollBar() != nullptr;
    if (!vertScrollBar_->Visible() || external) max = min;
    const TScrollBarVisibleModeVyn mode = vertScrollBar_->VisibleMode();
    if (current.nMin == min && current.nMax == max && static_cast<int>(current.nPage) == page && current.nPos == pos &&
        vertBarMode_ == mode)
        return;
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (mode == sbAlwaysShowVyn) info.fMask |= SIF_DISABLENOSCROLL;
    info.nMin = min;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    info.nPos = pos;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    // The grid's own rule of a range that cannot scroll decides, after the
    // window's (which keeps a bar whose range just exceeds its page).
    const bool cannotScroll = min >= max || page >= max - min;
    if (mode == sbAlwaysShowVyn && !external) {
        EnableScrollBar(Handle(), SB_VERT, cannotScroll ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        ShowScrollBar(Handle(), SB_VERT, TRUE);
    } else {
        if (cannotScroll) EnableScrollBar(Handle(), SB_VERT, ESB_ENABLE_BOTH);
        ShowScrollBar(Handle(), SB_VERT, !cannotScroll);
    }
    vertBarMode_ = mode;
    if (TScrollBar* bar = vertScrollBar_->ExtScrollBar()) {
        const int realMax = dataLink_->Active() && sumList_->RecordsSequenced()
                                ? dataLink_->DataSet()->RecordCount() + page - 1
                                : max;
        bar->SetPageSize(0);
        bar->SetParams(pos, std::min(min, realMax), realMax);
        bar->SetPageSize(page);
    }
}

int TCustomDBGridVyn::MaxTopLeftAlongAxis(const TGridAxisDrawInfo& axis, int lastCell) {
    if (lastCell < axis.FixedCellCount) return lastCell;
    int result = lastCell;
    int room = axis.GridExtent + axis.EffectiveLineWidth;
    for (int cell = lastCell; cell >= axis.FixedCellCount; --cell) {
        const int extent = axis.Extent(cell);
        if (extent > 0) {
            room -= extent + axis.EffectiveLineWidth;
            if (room < axis.FixedBoundary) break;
        }
        result = cell;
    }
    return result;
}

void TCustomDBGridVyn::UpdateHorzScrollBar() {
    TScrollBar* bar = horzScrollBar_->ExtScrollBar();
    if (!bar) return;
    TGridDrawInfo info;
    CalcDrawInfo(info);
    const int page = VisibleColCount();
    const bool allVisible = page + FixedCols() >= ColCount();
    const int lastLeft = MaxTopLeftAlongAxis(info.Horz, ColCount() - 1);
    const int max = allVisible ? 0 : kGridScrollRange;
    const int pos = allVisible || lastLeft <= FixedCols()
                        ? 0
                        : (LeftCol() - FixedCols()) * kGridScrollRange / (lastLeft - FixedCols());
    if (bar->Position() == pos && bar->Min() == 0 && bar->Max() == max && bar->PageSize() == page) return;
    bar->SetPageSize(0);
    bar->SetParams(pos, 0, max);
    bar->SetPageSize(page);
}

void TCustomDBGridVyn::RecordChanged(TField* field) {
    if (MemTableMode()) return MemTableRecordChanged();
    if (incSearchActive_ && !incSearchMoving_) EndIncSearch();
    if (!dataLink_->Active() || !HandleAllocated() || Loading()) return;
    const int row = topDataOffset_ + dataLink_->ActiveRecord();
    const TGridRect selection = TCustomGrid::Selection();
    const bool anchored = selection.Top == row && selection.Bottom == row;
    if (row < FixedRows() || row >= RowCount() || Col() >= ColCount()) return;
    if (row == Row() && anchored) {
        // A value written under the editor shows in it.
        TField* selected = SelectedField();
        if (selected && (!field || field == selected) && FieldEditText(columns_->Items(SelectedIndex())) != editText_)
            InvalidateEditor();
        return;
    }
    if (!options_.Contains(dgAlwaysShowEditor)) HideEditor();
    MoveColRow(Col(), row, true, false);
    InvalidateEditor();
}

void TCustomDBGridVyn::ColWidthsChanged() {
    stFilter_->BeginUpdate();
    try {
        if ((dataLink_->Active() || columns_->Customized()) && BeginLayoutIfFree()) {
            try {
                TCustomGrid::ColWidthsChanged();
                for (int i = 0; i < columns_->Count() && i + indicatorOffset_ < ColCount(); ++i) {
                    TColumnVyn* column = columns_->Items(i);
                    const int col = i + indicatorOffset_;
                    if (column->Visible()) SetColWidths(col, column->ClampWidth(ColWidths(col)));
                }
                for (int i = 0; i < columns_->Count() && i + indicatorOffset_ < ColCount(); ++i) {
                    TColumnVyn* column = columns_->Items(i);
                    const int width = ColWidths(i + indicatorOffset_);
                    if (!column->Visible() || width == column->Width()) continue;
                    if (autoFitColWidths_ && optionsVyn_.Contains(dghResizeWholeRightPart)) {
                        DistributeRightPartWidths(column, width);
                        continue;
                    }
                    if (!autoFitColWidths_ || !column->AutoFitColWidth()) {
                        column->SetWidth(width);
                        continue;
                    }
                    const int base = column->AutoFitBaseWidth();
                    const int newBase = MulDiv(base, width, std::max(column->Width(), 1));
                    column->SetAutoFitBaseWidth(newBase);
                    for (int n = i + 1; n < columns_->Count(); ++n)
                        if (columns_->Items(n)->Visible()) {
                            TColumnVyn* next = columns_->Items(n);
                            next->SetAutoFitBaseWidth(std::max(next->AutoFitBaseWidth() + base - newBase, 0));
                            break;
                        }
                }
            } catch (...) {
                EndLayout();
                throw;
            }
            EndLayout();
        } else {
            TCustomGrid::ColWidthsChanged();
        }
        InvalidateEditor();
        OnColWidthsChanged_(this);
        UpdateHorzScrollBar();
    } catch (...) {
        stFilter_->EndUpdate();
        throw;
    }
    stFilter_->EndUpdate();
    RefreshFilterEditor();
}

void TCustomDBGridVyn::DistributeRightPartWidths(TColumnVyn* column, int newWidth) {
    const int oldWidth = std::max(column->Width(), 1);
    if (column->AutoFitColWidth())
        column->SetAutoFitBaseWidth(MulDiv(newWidth, column->AutoFitBaseWidth(), oldWidth));
    else
        column->SetWidth(newWidth);
    // The auto-fit columns to the right give or take the difference in
    // proportion to their widths.
    std::vector<TColumnVyn*> right;
    int rightWidth = 0;
    for (int i = column->Index() + 1; i < columns_->Count(); ++i) {
        TColumnVyn* other = columns_->Items(i);
        if (!other->Visible() || !other->AutoFitColWidth()) continue;
        right.push_back(other);
        rightWidth += other->Width();
    }
    if (rightWidth <= 0) return;
    for (TColumnVyn* other : right)
        other->SetAutoFitBaseWidth(
            std::max(MulDiv(rightWidth + oldWidth - newWidth, other->AutoFitBaseWidth(), rightWidth), 1));
}

void TCustomDBGridVyn::TimedScroll(TGridScrollDirection direction) {
    if (!dataLink_->Active()) {
        TCustomGrid::TimedScroll(direction);
        return;
    }
    TDataSet* dataSet = dataLink_->DataSet();
    if (direction.Contains(sdUp)) dataSet->MoveBy(-dataLink_->ActiveRecord() - 1);
    if (direction.Contains(sdDown)) dataSet->MoveBy(dataLink_->RecordCount() - dataLink_->ActiveRecord());
    TGridScrollDirection horizontal = direction;
    horizontal.Exclude(sdUp);
    horizontal.Exclude(sdDown);
    if (!horizontal.Empty()) TCustomGrid::TimedScroll(horizontal);
}
