// What starts layout work after the first pass: the dataset scrolling, the
// left column moving, a size or scale change and the deferred-layout
// message; the view position kept around walks through the dataset, and
// fitting column widths to their contents.
#include <algorithm>
#include <cstdlib>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/DBGridVynSelection.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "platform/data/dataset.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/graphic.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

namespace {

// Scales a font's size as the platform scales controls.
void ScaleFont(TFont* font, int M, int D) { font->SetSize(MulDiv(font->Size(), M, D)); }

}  // namespace

void TCustomDBGridVyn::WMDeferredLayout(TMessage&) {
    if (BeginLayoutIfFree()) {
        EndLayout();
        return;
    }
    // Still locked: ask again, so the pass waits until the locks are free.
    BeginLayout();
    PostDeferredLayout();
}

void TCustomDBGridVyn::WMSize(TMessage& Message) {
    TCustomGrid::WMSize(Message);
    if (updateLock_ == 0) {
        if (!autoFitColWidths_) {
            RecalcRowCount();
            UpdateVertScrollBar();
            RefreshFilterEditor();
        } else {
            RequestLayout();
            InvalidateEditor();
        }
    }
    UpdateHorzScrollBar();
}

void TCustomDBGridVyn::TopLeftChanged() {
    const bool atStart = LeftCol() == FixedCols();
    if (atStart != leftColAtStart_) {
        leftColAtStart_ = atStart;
        for (int row = 0; row < topDataOffset_ && row < RowCount(); ++row) InvalidateRow(row);
    }
    TCustomGrid::TopLeftChanged();
    UpdateHorzScrollBar();
    if (MemTableMode()) MemTableFetchVisible();
    RefreshFilterEditor();
}

void TCustomDBGridVyn::DataScrolled(int distance) {
    if (MemTableMode()) return MemTableRecordChanged();
    if (!HandleAllocated()) return;
    const TRect oldRow = BoxRect(0, Row(), ColCount() - 1, Row());
    const int footerRows = footerRowCount_ > 0 ? footerRowCount_ + 1 : 0;
    const int visibleDataRows = RowCount() - topDataOffset_ - footerRows;
    if (dataLink_->ActiveRecord() >= visibleDataRows) RecalcRowCount();
    const bool barShown = GetWindowLongPtr(Handle(), GWL_STYLE) & WS_VSCROLL;
    UpdateVertScrollBar();
    if (barShown != bool(GetWindowLongPtr(Handle(), GWL_STYLE) & WS_VSCROLL) && autoFitColWidths_) {
        BeginLayout();
        PostDeferredLayout();
    }
    RecordChanged(nullptr);
    RECT old{0, oldRow.top, ClientWidth(), oldRow.bottom};
    ValidateRect(Handle(), &old);
    InvalidateRect(Handle(), &old, FALSE);
    const TRect newRow = BoxRect(0, Row(), ColCount() - 1, Row());
    RECT current{0, newRow.top, ClientWidth(), newRow.bottom};
    InvalidateRect(Handle(), &current, FALSE);
    if (distance != 0) {
        HideEditor();
        try {
            if (std::abs(distance) > visibleDataRows) {
                Invalidate();
            } else {
                const int pitch = DefaultRowHeight() + LineWidth();
                if (options_.Contains(dgIndicator) && indicatorRow_ >= 0 && indicatorRow_ < RowCount())
                    InvalidateCell(0, indicatorRow_);
                const TRect first = CellRect(0, topDataOffset_);
                const TRect last = CellRect(0, topDataOffset_ + visibleDataRows - 1);
                RECT rows{0, first.top, ClientWidth(), last.bottom + LineWidth()};
                ScrollWindowEx(Handle(), 0, -pitch * distance, &rows, &rows, 0, nullptr, SW_INVALIDATE);
                if (options_.Contains(dgIndicator)) InvalidateCell(0, Row());
            }
        } catch (...) {
            if (options_.Contains(dgAlwaysShowEditor)) ShowEditor();
            throw;
        }
        if (options_.Contains(dgAlwaysShowEditor)) ShowEditor();
    }
    InvalidateFooter();
    if (updateLock_ == 0) Update();
}

void TCustomDBGridVyn::ChangeScale(int M, int D) {
    if (M != D) {
        if (!ParentFont()) {
            ScaleFont(titleFont_.get(), M, D);
            ScaleFont(footerFont_.get(), M, D);
        }
        columns_->BeginUpdate();
        try {
            int before = 0;
            for (int i = 0; i < columns_->Count(); ++i) {
                TColumnVyn* column = columns_->Items(i);
                if (column->Owns(cvFont)) ScaleFont(column->Font(), M, D);
                if (column->Title()->FontStored()) ScaleFont(column->Title()->Font(), M, D);
                if (column->Footer()->FontStored()) ScaleFont(column->Footer()->Font(), M, D);
                for (int f = 0; f < column->Footers()->Count(); ++f)
                    if (column->Footers()->Items(f)->FontStored()) ScaleFont(column->Footers()->Items(f)->Font(), M, D);
                // Widths scale by their running sum, so the total has no rounding drift.
                const int after = before + column->Width();
                column->SetWidth(MulDiv(after, M, D) - MulDiv(before, M, D));
                before = after;
            }
        } catch (...) {
            columns_->EndUpdate();
            throw;
        }
        columns_->EndUpdate();
    }
    TCustomGrid::ChangeScale(M, D);
}

// ---- View position ------------------------------------------------------------------------------

void TCustomDBGridVyn::SaveViewPosition() {
    TDataSet* dataSet = dataLink_->DataSet();
    const int active = dataLink_->ActiveRecord();
    const int count = dataLink_->RecordCount();
    viewOffset_ = active + ((count + 1) % 2) - count / 2;
    dataSet->MoveBy(-viewOffset_);
    viewBookmark_ = dataSet->Bookmark();
    dataSet->MoveBy(viewOffset_);
}

void TCustomDBGridVyn::RestoreViewPosition() {
    TDataSet* dataSet = dataLink_->DataSet();
    if (!dataSet->BookmarkValid(viewBookmark_)) return;
    dataSet->GotoBookmark(viewBookmark_);
    dataSet->MoveBy(viewOffset_);
}

// ---- Column widths by content ---------------------------------------------------------------------

void TCustomDBGridVyn::OptimizeColumnWidths(TColumnVyn* column) {
    std::vector<TColumnVyn*> columns;
    if (selection_->Kind() == gstColumns)
        for (int i = 0; i < selection_->Columns()->Count(); ++i) columns.push_back(selection_->Columns()->Items(i));
    else if (selection_->Kind() == gstAll)
        for (int i = 0; i < columns_->Count(); ++i) columns.push_back(columns_->Items(i));
    if (std::find(columns.begin(), columns.end(), column) == columns.end()) columns.push_back(column);
    FitColumnsToContent(columns);
}

void TCustomDBGridVyn::FitColumnsToContent(const std::vector<TColumnVyn*>& columns) {
    constexpr int kMargin = 4;
    // Measured off screen: the grid may have no window yet.
    TBitmap measuring;
    TCanvas* canvas = measuring.Canvas();
    const bool wrapTitles = useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0;
    const bool multiLineRows = rowLines_ > 1;
    auto measure = [&](TFont* font, const AnsiString& text, bool wrap, int width) {
        canvas->SetFont(font);
        int textWidth = 0;
        int textHeight = 0;
        TextOverflowsCell(canvas, 0, 0, text, wrap, TRect{0, 0, std::max(width, 1), 0}, false, textWidth,
                          textHeight);
        return textWidth;
    };
    std::vector<int> widths;
    for (TColumnVyn* column : columns) {
        TColumnTitleVyn* title = column->Title();
        const int markerWidth = title->SortMarkerAreaWidth();
        const int margin = markerWidth >= 3 ? markerWidth + 2 : kMargin;
        int width = margin;
        if (TitleImages() && title->ImageIndex() != -1) {
            width = margin + TitleImages()->Width();
        } else {
            THeadTreeNode* leaf = useMultiTitle_ ? LeafNode(column->Index()) : nullptr;
            const AnsiString caption = leaf ? leaf->NodeText : title->Caption();
            if (title->Orientation() == tohVertical) {
                canvas->SetFont(title->Font());
                width = margin + DrawCellTextVertical(canvas, TRect{0, 0, 1, 1}, false, 0, 0, caption, taLeftJustify,
                                                      tlTop, true);
            } else {
                width = measure(title->Font(), caption, wrapTitles, column->Width() - margin) + margin;
            }
        }
        widths.push_back(width);
    }
    if (dataLink_->Active()) {
        TDataSet* dataSet = dataLink_->DataSet();
        dataSet->DisableControls();
        SaveViewPosition();
        try {
            for (dataSet->First(); !dataSet->Eof(); dataSet->Next()) {
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    TColumnVyn* column = columns[i];
                    int need = kMargin;
                    if (column->AlwaysShowEditButton()) need += editButtonWidth_;
                    const TColumnValueKindVyn kind = column->ValueKind();
                    if (kind == cvkImageList && column->ImageList()) {
                        need += column->ImageList()->Width();
                    } else if (kind == cvkCheckbox) {
                        need += CheckGlyphWidth();
                    } else {
                        column->FillCellParams(cellParams_.get());
                        column->FireGetCellParams(false, cellParams_.get());
                        TColor background = cellParams_->Background;
                        GetCellParams(column, cellParams_->Font, background, TGridDrawState());
                        need += measure(column->Font(), cellParams_->Text, column->WordWrap() && multiLineRows,
                                        column->Width());
                    }
                    widths[i] = std::max(widths[i], need);
                }
                if (dataSet->IsSequenced() && dataSet->RecNo() >= dataSet->RecordCount()) break;
            }
        } catch (...) {
            RestoreViewPosition();
            dataSet->EnableControls();
            throw;
        }
        RestoreViewPosition();
        dataSet->EnableControls();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            TColumnVyn* column = columns[i];
            for (int row = 0; row < footerRowCount_; ++row) {
                TColumnFooterVyn* footer = column->FooterForRow(row);
                TColor background = footer->Color();
                TAlignment alignment = footer->Alignment();
                AnsiString text = FooterCellText(row, column);
                GetFooterParams(column->Index(), row, column, footer->Font(), background, alignment, TGridDrawState(),
                                text);
                widths[i] = std::max(widths[i], measure(footer->Font(), text, footer->WordWrap() && multiLineRows,
                                                        column->Width()) +
                                                    5);
            }
        }
    }
    const bool bracket = !autoFitColWidths_;
    if (bracket) BeginLayout();
    try {
        for (std::size_t i = 0; i < columns.size(); ++i) columns[i]->SetWidth(widths[i]);
    } catch (...) {
        if (bracket) EndLayout();
        throw;
    }
    if (bracket) EndLayout();
}
