// Cell utilities: highlighting a text in the cells with the "hi" tag, the
// fixed and password queries, the control on a cell, the rich text of a
// cell through a rich edit, zooming all sizes by a step, the version text
// and the header texts with "\n".
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/graphics.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/BavRichEdit.h"
#include "stringgrid/html/BqgHTMLE.h"

namespace {

constexpr int kZoomLimit = 10;

const AnsiString kHighlightTag = "hi";

}  // namespace

// ---- Highlighting ----------------------------------------------------------------------------

TGridRect TBavStringGrid::HighlightRange(bool all) const {
    if (all) return TGridRect{0, 0, ColCount() - 1, RowCount() - 1};
    return TGridRect{TBaseGrid::FixedCols(), TBaseGrid::FixedRows(), ColCount() - fixedRightCols_ - 1,
                     RowCount() - fixedFooters_ - 1};
}

void TBavStringGrid::HighlightInRange(const TGridRect& range, bool caseSensitive, const AnsiString& text) {
    for (int row = range.Top; row <= range.Bottom; ++row)
        for (int col = range.Left; col <= range.Right; ++col)
            SetCells(col, row, HighlightHTMLText(Cells(col, row), text, kHighlightTag, caseSensitive));
}

void TBavStringGrid::UnHighlightInRange(const TGridRect& range) {
    for (int row = range.Top; row <= range.Bottom; ++row)
        for (int col = range.Left; col <= range.Right; ++col)
            SetCells(col, row, RemoveHTMLTag(Cells(col, row), kHighlightTag));
}

void TBavStringGrid::HighlightAllCells(bool all, bool caseSensitive, const AnsiString& text) {
    HighlightInRange(HighlightRange(all), caseSensitive, text);
}

void TBavStringGrid::UnHighlightAllCells(bool all) { UnHighlightInRange(HighlightRange(all)); }

// ---- Cell queries ----------------------------------------------------------------------------

bool TBavStringGrid::IsFixedCell(int col, int row) {
    const TGridCoord base = GetBaseCell(RealColIndex(col), row);
    if (base.Y >= RowCount() - fixedFooters_ || DisplayColIndex(base.X) >= ColCount() - fixedRightCols_) return true;
    bool fixed = false;
    IsFixedCellHook(base.X, base.Y, fixed);
    return fixed;
}

bool TBavStringGrid::IsPasswordCell(int col, int row) {
    bool password = false;
    DoIsPasswordCell(col, row, password);
    return password;
}

TControl* TBavStringGrid::GetCellControl(int col, int row) {
    return HasCellProperties(col, row) ? GetCellProperties(col, row)->Control() : nullptr;
}

TInplaceEdit* TBavStringGrid::GetInplaceEditor() const { return InplaceEditor(); }

void TBavStringGrid::SetFixedGradientFromRGB(TColor color) { SetFixedGradientFrom(TColor(ColorToRGB(color))); }

void TBavStringGrid::SetFixedGradientToRGB(TColor color) { SetFixedGradientTo(TColor(ColorToRGB(color))); }

AnsiString TBavStringGrid::Version() const { return VersionNumberText(GetVersionNr()); }

// ---- Rich text -------------------------------------------------------------------------------

void TBavStringGrid::LoadCellRichText(int col, int row, TRichEdit* richEdit) {
    const AnsiString text = GetDisplayText(col, row);
    if (text.empty()) {
        richEdit->Clear();
        return;
    }
    TStringStream stream(text);
    richEdit->Lines()->LoadFromStream(&stream);
}

void TBavStringGrid::RichEditToText(TRichEdit* richEdit, AnsiString& text) {
    TStringStream stream("");
    richEdit->Lines()->SaveToStream(&stream);
    text = stream.DataString();
}

void TBavStringGrid::RichEditSelectionChanged() {
    if (onRichEditSelectionChange_) onRichEditSelectionChange_(this);
}

// ---- Zoom ------------------------------------------------------------------------------------

void TBavStringGrid::Zoom(int delta) {
    if (zoomLevel_ + delta < -kZoomLimit || zoomLevel_ + delta > kZoomLimit) return;
    {
        const ValueRestorer zooming(zooming_, true);
        zoomLevel_ += delta;
        for (int col = 0; col < ColCount(); ++col)
            if (ColWidths(col) + delta > 0) SetColWidths(col, ColWidths(col) + delta);
        for (int row = 0; row < RowCount(); ++row)
            if (RowHeights(row) + delta > 0) SetRowHeights(row, RowHeights(row) + delta);
    }
    if (scrollProportional_) {
        UpdateVertScrollProportional();
        UpdateHorzScrollProportional();
    }
}

// ---- Header texts ----------------------------------------------------------------------------

AnsiString TBavStringGrid::HeaderText(AnsiString text) {
    for (std::size_t at = text.find("\\n"); at != AnsiString::npos; at = text.find("\\n", at + 1))
        text.replace(at, 2, 1, '\r');
    return text;
}
