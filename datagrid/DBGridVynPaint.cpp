// The grid's painting: the lines of each region, every cell by its type
// (indicator, title, filter, record, spacer, footer), the colours that
// selection and focus give, 3-D frames and the focus frame.
#include <algorithm>
#include <vector>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/DBGridVynLib.h"
#include "datagrid/DBGridVynSelection.h"
#include "datagrid/DBGridVynStyle.h"
#include "datagrid/ToolCtrlsVynFaces.h"
#include "datagrid/ToolCtrlsVynMemTable.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/gdi/wingdi.h"
#include "platform/rtl/valuerestorer.h"
#include "platform/ui/forms.h"
#include "platform/win/userdraw.h"
#include "platform/win/winpaint.h"
#include "platform/win/winuser.h"

namespace {

int RectWidth(const TRect& r) { return r.right - r.left; }
int RectHeight(const TRect& r) { return r.bottom - r.top; }

constexpr TColor kDarkGrey = 0x404040;

// A row read from construction to destruction.
class RowRead {
public:
    RowRead(TCustomDBGridVyn* grid, int record) : grid_(grid) { grid_->BeginRowRead(record); }
    ~RowRead() { grid_->EndRowRead(); }

private:
    TCustomDBGridVyn* grid_;
};

}  // namespace

// ---- Cell types ------------------------------------------------------------------------------------

TCellTypeVyn TCustomDBGridVyn::GetCellType(int col, int row) const {
    TCellTypeVyn type;
    type.Horz = col < indicatorOffset_ ? 0 : 1;
    type.Col = col - indicatorOffset_;
    const int footerRows = footerRowCount_ > 0 ? footerRowCount_ + 1 : 0;
    const int spacer = footerRows > 0 ? RowCount() - footerRows : -1;
    if (row < TitleRowCount()) {
        type.Vert = 0;
        type.Index = row;
    } else if (row < topDataOffset_) {
        type.Vert = 1;
        type.Index = row - TitleRowCount();
    } else if (spacer < 0 || row < spacer) {
        type.Vert = 2;
        type.Index = row - topDataOffset_;
    } else if (row == spacer) {
        type.Vert = 3;
        type.Index = 0;
    } else if (row < RowCount()) {
        type.Vert = 4;
        type.Index = row - spacer;
    } else {
        RaiseInvalidGridOperation("Algorithm error in TCustomDBGridVyn.GetCellType");
    }
    return type;
}

void TCustomDBGridVyn::BeginRowRead(int record) {
    if (memTable_) {
        memTable_->ReadRowEnter(record);
        return;
    }
    if (rowReadDepth_++ == 0) rowReadSaved_ = dataLink_->ActiveRecord();
    dataLink_->SetActiveRecord(record);
}

void TCustomDBGridVyn::EndRowRead() {
    if (memTable_) {
        memTable_->ReadRowLeave();
        return;
    }
    if (--rowReadDepth_ == 0) dataLink_->SetActiveRecord(rowReadSaved_);
}

int TCustomDBGridVyn::CurrentRecord() const {
    if (memTable_) return memTable_->CurrentRecordIndex();
    return rowReadDepth_ > 0 ? rowReadSaved_ : dataLink_->ActiveRecord();
}

// ---- Colour rules -----------------------------------------------------------------------------------

bool TCustomDBGridVyn::GridOrEditorFocused() { return IsActiveControl(); }

bool TCustomDBGridVyn::IsCurrentDataCell(int dataCol, int dataRow) const {
    const bool currentRow = dataLink_->Active() && dataRow == CurrentRecord();
    return currentRow && (options_.Contains(dgRowSelect) || DataToRawColumn(dataCol) == Col());
}

bool TCustomDBGridVyn::DataCellSelected(int dataCol, int dataRow, TGridDrawState& state, bool& highlightFocus) {
    highlightFocus = false;
    if (dataLink_->Active() && selection_->Kind() != gstNon) {
        RowRead read(this, dataRow);
        if (CellInSelection(DataToRawColumn(dataCol), dataRow + topDataOffset_, dataLink_->DataSet()->Bookmark(),
                            dataCol))
            return true;
    }
    highlightFocus = Focused() && optionsVyn_.Contains(dghHighlightFocus);
    const bool currentRow = dataLink_->Active() && dataRow == CurrentRecord();
    if (optionsVyn_.Contains(dghRowHighlight) && currentRow && selection_->Kind() == gstNon &&
        DataToRawColumn(dataCol) != Col()) {
        highlightFocus = true;
        state.Include(gdSelected);
    }
    bool selected = (state.Contains(gdSelected) || (currentRow && options_.Contains(dgRowSelect))) &&
                    (options_.Contains(dgAlwaysShowSelection) || highlightFocus);
    if (updateLock_ > 0) selected = selected && options_.Contains(dgRowSelect);
    return selected;
}

bool TCustomDBGridVyn::GetDataCellColors(int dataCol, int dataRow, TFont* font, TColor& background,
                                          TGridDrawState& state, const AnsiString& text) {
    if (style_) return style_->GetDataCellColors(this, dataCol, dataRow, font, background, state, text);
    bool highlightFocus = false;
    if (!DataCellSelected(dataCol, dataRow, state, highlightFocus)) return false;
    if (GridOrEditorFocused()) {
        background = clHighlight;
        font->SetColor(clHighlightText);
    } else if (IsCurrentDataCell(dataCol, dataRow) &&
               (highlightFocus || options_.Contains(dgAlwaysShowSelection))) {
        background = clBtnShadow;
        font->SetColor(clHighlightText);
    } else {
        background = clBtnFace;
    }
    return true;
}

bool TCustomDBGridVyn::GetFixedCellSelectionColors(int col, int row, TFont* font, TColor& background, bool selected,
                                                    TGridDrawState state, const TCellTypeVyn& type) {
    if (!selected) return false;
    const bool darkCell = (type.Horz == 0 && type.Vert != 3) || (type.Horz == 1 && type.Vert <= 1);
    if (darkCell) {
        background = kDarkGrey;
        font->SetColor(clWhite);
        return true;
    }
    if (style_) return style_->GetFixedCellSelectionColors(this, col, row, font, background, state);
    if (Focused()) {
        background = clHighlight;
        font->SetColor(clHighlightText);
    } else {
        background = clBtnFace;
    }
    return true;
}

bool TCustomDBGridVyn::CellInSelection(int col, int row, const TBookmarkStr& bookmark, int dataCol) {
    const TDBGridVynSelectionType kind = selection_->Kind();
    if (kind == gstAll) return true;
    const TCellTypeVyn type = GetCellType(col, row);
    if (type.Horz == 0) return type.Vert == 2 && kind == gstRecordBookmarks && bookmarks_->IndexOfBookmark(bookmark) >= 0;
    if (type.Vert != 2)
        return kind == gstColumns && dataCol < columns_->Count() &&
               selection_->Columns()->IndexOf(columns_->Items(dataCol)) >= 0;
    return selection_->ContainsCell(dataCol, bookmark);
}

bool TCustomDBGridVyn::CellIs3D(int col, int row, TGridDrawState state, const TRect&) const {
    const TCellTypeVyn type = GetCellType(col, row);
    if (type.Vert == 1 && type.Horz == 1 && stFilter_->Visible()) return false;
    const bool fixed = state.Contains(gdFixed);
    const bool footer = type.Vert == 4;
    const bool spacer = type.Vert == 3;
    if (fixed && optionsVyn_.Contains(dghFixed3D) && !spacer && (type.Horz == 0 || type.Vert < 2)) return true;
    if (optionsVyn_.Contains(dghFooter3D) && footer) return true;
    if (optionsVyn_.Contains(dghData3D) && !fixed && !footer) return true;
    if (optionsVyn_.Contains(dghFixed3D) &&
        (optionsVyn_.Contains(dghData3D) || optionsVyn_.Contains(dghFrozen3D)) && spacer && type.Horz == 0)
        return true;
    return optionsVyn_.Contains(dghFrozen3D) && fixed && type.Horz == 1 && type.Vert == 2;
}

bool TCustomDBGridVyn::RowFocusRectVisible() {
    return options_.Contains(dgRowSelect) && dataLink_->Active() && Focused() && !Loading() && updateLock_ == 0;
}

void TCustomDBGridVyn::PaintFlatBorder() {
    if (!flat_ || BorderStyle() != bsSingle || !Ctl3D() || !HandleAllocated()) return;
    const HDC dc = GetWindowDC(Handle());
    RECT window{};
    GetWindowRect(Handle(), &window);
    RECT edge{0, 0, window.right - window.left, window.bottom - window.top};
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    ReleaseDC(Handle(), dc);
}

void TCustomDBGridVyn::WMNCPaint(TMessage& Message) {
    Inherited::Dispatch(Message);
    PaintFlatBorder();
}

TRect TCustomDBGridVyn::UnmirroredRect(TCanvas* canvas, const TRect& rect) {
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    LPtoDP(canvas->Handle(), corners, 2);
    ChangeGridOrientation(false);
    // Mirrored, the logical right edge is the device's left one.
    return {corners[1].x + 1, corners[0].y, corners[0].x + 1, corners[1].y};
}

void TCustomDBGridVyn::CMSysColorChange(TMessage& Message) {
    Inherited::Dispatch(Message);
    FlushButtonFaceCache();
}

void TCustomDBGridVyn::WriteCellText(TCanvas* canvas, TRect rect, int rightMargin, int leftMargin, bool endEllipsis,
                                     bool wordWrap, TTextLayout layout, TAlignment alignment,
                                     const AnsiString& text, int dy, int dx, bool fillRect) {
    if (!mirroredPaint_) {
        DrawCellText(canvas, rect, fillRect, dx, dy, text, alignment, layout, wordWrap, endEllipsis, leftMargin,
                     rightMargin, UseRightToLeftReading());
        return;
    }
    // Text is drawn unmirrored, so it reads the right way round.
    const TRect device = UnmirroredRect(canvas, rect);
    const TAlignment mirrored = alignment == taLeftJustify    ? taRightJustify
                                : alignment == taRightJustify ? taLeftJustify
                                                              : alignment;
    try {
        DrawCellText(canvas, device, fillRect, dx, dy, text, mirrored, layout, wordWrap, endEllipsis, rightMargin,
                     leftMargin, UseRightToLeftReading());
    } catch (...) {
        ChangeGridOrientation(true);
        throw;
    }
    ChangeGridOrientation(true);
}

void TCustomDBGridVyn::PaintButtonMirrored(TCanvas* canvas, TRect rect, TColor parentColor, TButtonFaceStyle style,
                                           int downButton, bool active, bool enabled, TCheckBoxState state) {
    if (!mirroredPaint_) {
        PaintEditButtonFace(canvas->Handle(), rect, parentColor, style, downButton, flat_, active, enabled, state);
        return;
    }
    const TRect device = UnmirroredRect(canvas, rect);
    try {
        PaintEditButtonFace(canvas->Handle(), device, parentColor, style, downButton, flat_, active, enabled, state);
    } catch (...) {
        ChangeGridOrientation(true);
        throw;
    }
    ChangeGridOrientation(true);
}

// ---- Paint ----------------------------------------------------------------------------------------

void TCustomDBGridVyn::DrawRegionLines(const TRect& region, int startCol, int startRow, bool horzLines,
                                       bool vertLines, TColor background, TColor lineColor,
                                       const TGridLayoutInfo& info) {
    if (region.left >= region.right || region.top >= region.bottom) return;
    TCanvas* canvas = Canvas();
    const int lineWidth = GridLineWidth();
    const int half = lineWidth / 2;
    auto drawAxis = [&](bool vertical, bool wanted) {
        const TGridAxisLayout& axis = vertical ? info.Horz : info.Vert;
        if (axis.EffectiveLineWidth == 0) return;
        std::vector<POINT> points;
        std::vector<DWORD> counts;
        int at = vertical ? region.left : region.top;
        const int end = vertical ? region.right : region.bottom;
        for (int cell = vertical ? startCol : startRow; cell < axis.GridCellCount && at < end; ++cell) {
            const int extent = axis.Extent(cell);
            if (extent < 0) continue;
            at += extent;
            const int line = at + half;
            if (vertical) {
                points.push_back({line, region.top});
                points.push_back({line, region.bottom});
            } else {
                points.push_back({region.left, line});
                points.push_back({region.right, line});
            }
            counts.push_back(2);
            at += axis.EffectiveLineWidth;
        }
        if (points.empty()) return;
        const TColor color = ColorToRGB(wanted ? lineColor : background);
        LOGBRUSH brush{BS_SOLID, static_cast<COLORREF>(color), 0};
        const HPEN pen = lineWidth > 1 ? ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_SOLID,
                                                      static_cast<DWORD>(lineWidth), &brush, 0, nullptr)
                                       : CreatePen(PS_SOLID, 1, color);
        const HGDIOBJ old = SelectObject(canvas->Handle(), pen);
        PolyPolyline(canvas->Handle(), points.data(), counts.data(), static_cast<DWORD>(counts.size()));
        SelectObject(canvas->Handle(), old);
        DeleteObject(pen);
    };
    drawAxis(true, vertLines);
    drawAxis(false, horzLines);
}

void TCustomDBGridVyn::PaintCellRange(const TRect& region, int startCol, int startRow, int x, int y,
                                      TGridDrawState state, const TGridLayoutInfo& info) {
    const bool active = IsActiveControl();
    const TGridRect selection = TCustomGrid::Selection();
    const bool editorShown = InplaceEditor() && InplaceEditor()->Visible() && TCustomGrid::Options().Contains(goEditing);
    for (int row = startRow, top = y; row < RowCount() && top < region.bottom; ++row) {
        const int height = RowHeights(row);
        if (height < 0) continue;
        for (int col = startCol, left = x; col < ColCount() && left < region.right; ++col) {
            const int width = ColWidths(col);
            if (width < 0) continue;
            TRect rect{left, top, std::min(left + width, region.right), std::min(top + height, region.bottom)};
            left += width + info.Horz.EffectiveLineWidth;
            if (width == 0 || !RectVisible(Canvas()->Handle(), &rect)) continue;
            TGridDrawState cellState = state;
            const bool current = col == Col() && row == Row();
            if (active && current) cellState.Include(gdFocused);
            if (col >= selection.Left && col <= selection.Right && row >= selection.Top && row <= selection.Bottom)
                cellState.Include(gdSelected);
            if (current && editorShown) continue;
            DrawCell(col, row, rect, cellState);
        }
        top += height + info.Vert.EffectiveLineWidth;
    }
}

void TCustomDBGridVyn::Paint() {
    if (paintSuppressed_) return;
    TCanvas* canvas = Canvas();
    mirroredPaint_ = UseRightToLeftAlignment();
    if (mirroredPaint_) ChangeGridOrientation(true);
    const TColor lineColor = flat_ ? clGray : clBlack;
    const TGridLayoutInfo info = CalcGridLayoutInfo();
    const TGridOptions gridOptions = TCustomGrid::Options();
    const int fixedW = info.Horz.FixedBoundary;
    const int fixedH = info.Vert.FixedBoundary;
    const int gridW = info.Horz.GridBoundary;
    const int gridH = info.Vert.GridBoundary;
    const bool footerLines = optionsVyn_.Contains(dghFooter3D) || footerColor_ == clBtnFace;
    const int footerH = footerLines ? info.Vert.FooterExtent : 0;
    if (info.Horz.EffectiveLineWidth > 0 || info.Vert.EffectiveLineWidth > 0) {
        const TColor gridLineColor = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
        const bool fixedH_ = gridOptions.Contains(goFixedHorzLine);
        const bool fixedV = gridOptions.Contains(goFixedVertLine);
        DrawRegionLines({0, 0, fixedW, fixedH}, 0, 0, fixedH_, fixedV, FixedColor(), lineColor, info);
        DrawRegionLines({fixedW, 0, gridW, fixedH}, LeftCol(), 0, fixedH_, fixedV, FixedColor(), lineColor, info);
        DrawRegionLines({0, fixedH, fixedW, gridH}, 0, TopRow(), fixedH_, fixedV, FixedColor(), lineColor, info);
        if (frozenCols_ > 0 && !optionsVyn_.Contains(dghFrozen3D))
            DrawRegionLines({fixedW - info.Horz.FrozenExtent, fixedH, fixedW - 1, gridH - footerH},
                            FixedCols() - frozenCols_, TopRow(), fixedH_, fixedV, Color(), gridLineColor, info);
        DrawRegionLines({fixedW, fixedH, gridW, gridH}, LeftCol(), TopRow(), gridOptions.Contains(goHorzLine),
                        gridOptions.Contains(goVertLine), Color(), gridLineColor, info);
        if (footerLines && footerH > 0) {
            const int footerRow = RowCount() - footerRowCount_;
            DrawRegionLines({fixedW, gridH - footerH, gridW, gridH}, LeftCol(), footerRow,
                            gridOptions.Contains(goHorzLine), gridOptions.Contains(goVertLine), FixedColor(),
                            lineColor, info);
            if (gridOptions.Contains(goHorzLine)) {
                canvas->Pen()->SetColor(lineColor);
                canvas->Pen()->SetWidth(1);
                canvas->MoveTo(0, gridH - footerH - 1);
                canvas->LineTo(gridW, gridH - footerH - 1);
            }
        }
    }
    TGridDrawState fixed;
    fixed.Include(gdFixed);
    PaintCellRange({0, 0, fixedW, fixedH}, 0, 0, 0, 0, fixed, info);
    PaintCellRange({fixedW, 0, gridW, fixedH}, LeftCol(), 0, fixedW, 0, fixed, info);
    PaintCellRange({0, fixedH, fixedW, gridH}, 0, TopRow(), 0, fixedH, fixed, info);
    PaintCellRange({fixedW, fixedH, gridW, gridH}, LeftCol(), TopRow(), fixedW, fixedH, TGridDrawState(), info);
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    if (gridW < info.Horz.GridExtent) canvas->FillRect({gridW, 0, info.Horz.GridExtent, gridH});
    if (gridH < info.Vert.GridExtent) canvas->FillRect({0, gridH, info.Horz.GridExtent, info.Vert.GridExtent});
    if (RowFocusRectVisible() && (!style_ || style_->ShowFocusFrame())) {
        const int row = Row();
        TRect first = CellRect(std::max(LeftCol() - frozenCols_, indicatorOffset_), row);
        TRect last = CellRect(std::max(info.Horz.LastFullVisibleCell, Col()), row);
        if (first.right > first.left) {
            canvas->Font()->SetColor(clWindowText);
            canvas->Brush()->SetColor(clWindow);
            canvas->DrawFocusRect({first.left, first.top, std::max(last.right, first.right), first.bottom});
        }
    }
    if (mirroredPaint_) ChangeGridOrientation(false);
    mirroredPaint_ = false;
    if (useMultiTitle_ && options_.Contains(dgTitles))
        THeadTreeNode::ForEachNode(TitleRoot(), [](THeadTreeNode* node) { node->Drawn = false; });
}

// ---- DrawCell -------------------------------------------------------------------------------------

void TCustomDBGridVyn::Draw3DFrame(TRect rect, bool rightEdge, bool leftEdge, bool sunken) {
    const HDC dc = Canvas()->Handle();
    const UINT edge = sunken ? BDR_SUNKENINNER : BDR_RAISEDINNER;
    if (flat_) {
        Canvas()->Pen()->SetColor(Canvas()->Brush()->Color());
        Canvas()->Pen()->SetWidth(1);
        Canvas()->MoveTo(rect.left, rect.bottom - 1);
        Canvas()->LineTo(rect.right, rect.bottom - 1);
        if (rightEdge) {
            Canvas()->MoveTo(rect.right - 1, rect.top);
            Canvas()->LineTo(rect.right - 1, rect.bottom);
        }
        DrawEdge(dc, &rect, edge, BF_TOP | (leftEdge ? BF_LEFT : 0u));
        return;
    }
    if (rightEdge && leftEdge) {
        DrawEdge(dc, &rect, edge, BF_RECT);
        return;
    }
    DrawEdge(dc, &rect, edge, BF_TOP | (leftEdge ? BF_LEFT : 0u));
    DrawEdge(dc, &rect, edge, BF_BOTTOM | (rightEdge ? BF_RIGHT : 0u));
}

void TCustomDBGridVyn::DrawCell(int col, int row, TRect rect, TGridDrawState state) {
    cellParams_->Col = col;
    cellParams_->Row = row;
    if (rect.left >= rect.right) return;
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    if (Loading()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
        return;
    }
    const bool is3D = CellIs3D(col, row, state, rect);
    const TCellTypeVyn type = GetCellType(col, row);
    const TRect cell = rect;
    int margin = 2;
    if (is3D) {
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
        margin = 1;
    }
    bool highlighted = false;
    TColumnVyn* column = type.Horz == 1 && type.Col < columns_->Count() ? columns_->Items(type.Col) : nullptr;
    if (state.Contains(gdFixed) && type.Horz == 0) {
        DrawIndicatorCell(row, rect, type, margin, highlighted);
    } else if (!column) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    } else {
        const bool aboveData = type.Vert < 2;
        canvas->SetFont(aboveData ? column->Title()->Font() : column->Font());
        canvas->Brush()->SetColor(aboveData ? column->Title()->Color() : column->Color());
        if (type.Vert == 0) {
            DrawTitleCell(column, col, row, rect, margin, highlighted);
        } else if (type.Vert == 1) {
            DrawFilterCell(column, col, row, rect, state, type, highlighted);
        } else if (!dataLink_->Active()) {
            canvas->Brush()->SetColor(Color());
            canvas->FillRect(rect);
        } else if (type.Vert == 4) {
            DrawFooterCell(column, col, row, rect, state, type, highlighted);
        } else if (type.Vert == 3 || type.Index >= PresentedRowCount()) {
            TColor background = canvas->Brush()->Color();
            highlighted = GetFixedCellSelectionColors(col, row, canvas->Font(), background,
                                                      CellInSelection(col, row, TBookmarkStr(), type.Col), state, type);
            canvas->Brush()->SetColor(background);
            canvas->FillRect(rect);
        } else {
            DrawRecordCell(column, col, row, rect, state, margin, is3D);
        }
    }
    if (is3D) Draw3DFrame(cell, true, true, highlighted || (type.Vert == 0 && TitleButtonShownPressed(col)));
    if (column && type.Vert == 0 && useMultiTitle_)
        if (THeadTreeNode* leaf = LeafNode(column->Index()); leaf && leaf->ParentNode != TitleRoot()) {
            canvas->SetFont(titleFont_.get());
            TColor background = FixedColor();
            GetFixedCellSelectionColors(col, row, canvas->Font(), background, highlighted, state, type);
            canvas->Brush()->SetColor(background);
            DrawTitleTreeNodes(leaf, {cell.left, cell.bottom - leaf->NodeHeight, cell.right, cell.bottom},
                               column->Title()->EndEllipsis());
        }
}

void TCustomDBGridVyn::DrawIndicatorCell(int row, TRect rect, const TCellTypeVyn& type, int margin,
                                         bool& highlighted) {
    TCanvas* canvas = Canvas();
    const bool spacerInColor = footerRowCount_ > 0 && type.Vert == 3 && !optionsVyn_.Contains(dghFrozen3D);
    TColor background = spacerInColor ? Color() : FixedColor();
    if (!dataLink_->Active()) {
        canvas->Brush()->SetColor(background);
        canvas->FillRect(rect);
        return;
    }
    bool selected = selection_->Kind() == gstAll;
    const bool inBuffer = type.Vert == 2 && type.Index < PresentedRowCount();
    if (!selected && inBuffer && options_.Contains(dgMultiSelect)) {
        RowRead read(this, type.Index);
        selected = bookmarks_->IndexOfBookmark(dataLink_->DataSet()->Bookmark()) >= 0;
    }
    if (selected)
        highlighted = GetFixedCellSelectionColors(0, row, canvas->Font(), background, true, TGridDrawState(), type);
    canvas->Brush()->SetColor(background);
    canvas->FillRect(rect);
    const bool current = type.Vert == 2 && type.Index == CurrentRecord();
    if (!current && !selected) return;
    int image = -1;
    switch (dataLink_->DataSet()->State()) {
        case dsBrowse:
            if (current) image = selected ? 5 : 0;
            break;
        case dsEdit:
            image = 1;
            break;
        case dsInsert:
            image = 2;
            break;
        default:
            image = 0;
            break;
    }
    if (current) indicatorRow_ = row;
    if (image < 0) return;
    TCustomImageList* images = IndicatorImages();
    images->Draw(canvas, rect.right - images->Width() - margin,
                 rect.top + (RectHeight(rect) - images->Height()) / 2, image);
}

void TCustomDBGridVyn::DrawTitleCell(TColumnVyn* column, int col, int row, TRect rect, int margin,
                                     bool& highlighted) {
    TCanvas* canvas = Canvas();
    TColumnTitleVyn* title = column->Title();
    // Under multi-level titles the title proper is the leaf's band at the
    // bottom; the header bands above it are painted afterwards.
    THeadTreeNode* leaf = useMultiTitle_ ? LeafNode(column->Index()) : nullptr;
    if (leaf) {
        canvas->FillRect(rect);
        rect.top = std::max(rect.top, rect.bottom - leaf->NodeHeight);
    }
    AnsiString caption = leaf ? leaf->NodeText : title->Caption();
    const bool withImage = TitleImages() && title->ImageIndex() != -1;
    if (withImage) caption.clear();
    TColor background = canvas->Brush()->Color();
    TSortMarkerVyn marker = title->SortMarker();
    const bool pressed = TitleButtonShownPressed(col);
    if (column->BoundField()) OnGetBtnParams_(this, column, canvas->Font(), background, marker, pressed);
    const bool multiLine = titleHeight_ > 0 || titleLines_ > 0;
    // A held title button shows its contents pushed right and down.
    const int offset = !pressed ? 0 : multiLine || useMultiTitle_ ? 2 : 1;
    TRect textRect = rect;
    int glyphWidth = 0;
    int indexWidth = 0;
    AnsiString indexText;
    if (marker != smNoneVyn) {
        glyphWidth = SortMarkerImages()->Width();
        textRect.right -= 16;
        if (sortMarkedColumns_->Count() > 1) {
            indexText = std::to_string(title->SortIndex());
            TFont* saved = canvas->Font();
            std::unique_ptr<TFont> keep = std::make_unique<TFont>();
            keep->Assign(saved);
            canvas->SetFont(SortIndexFont());
            indexWidth = canvas->TextWidth(indexText);
            canvas->SetFont(keep.get());
            textRect.right -= indexWidth;
        }
        const int imageWidth = withImage ? TitleImages()->Width() : 0;
        if (textRect.right < rect.left + imageWidth) {
            glyphWidth = 0;
            textRect.right += 14 - indexWidth;
            if (textRect.right < rect.left + imageWidth) {
                textRect.right += indexWidth + 2;
                indexText.clear();
                indexWidth = 0;
            }
        }
    }
    if (leaf) textRect.top = std::min(rect.top + 3, rect.bottom);
    canvas->SetFont(title->Font());
    if (column->BoundField()) OnGetBtnParams_(this, column, canvas->Font(), background, marker, pressed);
    highlighted = GetFixedCellSelectionColors(col, row, canvas->Font(), background,
                                              CellInSelection(col, row, TBookmarkStr(), column->Index()),
                                              TGridDrawState(), GetCellType(col, row));
    canvas->Brush()->SetColor(background);
    if (textRect.right < rect.right) canvas->FillRect({std::max(textRect.right, rect.left), rect.top, rect.right, rect.bottom});
    textRect.right = std::max(textRect.right, rect.left);
    if (leaf && title->Orientation() == tohVertical)
        DrawCellTextVertical(canvas, textRect, true, margin, margin + 2, caption, taCenter, tlBottom, false);
    else if (leaf)
        WriteCellText(canvas, textRect, 0, 0, title->EndEllipsis(), true, tlCenter, taCenter, caption, margin,
                      margin, true);
    else if (multiLine)
        WriteCellText(canvas, textRect, 0, 0, title->EndEllipsis(), true, tlCenter, title->Alignment(), caption,
                      margin, margin, true);
    else
        WriteCellText(canvas, textRect, 0, 0, title->EndEllipsis(), false, tlTop, title->Alignment(), caption,
                      margin + offset, margin + offset, true);
    if (withImage) {
        TRect imageRect = textRect;
        OffsetRect(&imageRect, offset, offset);
        DrawImageClipped(TitleImages(), nullptr, canvas, imageRect, title->ImageIndex(), 0, title->Alignment());
    }
    // A title too narrow for the glyph keeps the index alone.
    TCustomImageList* glyphs = SortMarkerImages();
    const int glyphTop = rect.top + (RectHeight(rect) - glyphs->Height()) / 2 + offset;
    if (glyphWidth > 0)
        glyphs->Draw(canvas, rect.right + offset - glyphWidth - indexWidth - 2, glyphTop,
                     marker == smDownVyn ? 0 : 1);
    if (!indexText.empty()) {
        canvas->SetFont(SortIndexFont());
        if (highlighted) canvas->Font()->SetColor(clWhite);
        canvas->Brush()->SetStyle(bsClear);
        const int indexTop = glyphTop + glyphs->Height() / 2 - 1 - canvas->TextHeight(indexText) / 2;
        // Centred in a box of its own width, the index lands at the same
        // distance from the marker edge whether or not the grid is mirrored.
        WriteCellText(canvas, {rect.right + offset - indexWidth - 2, indexTop, rect.right + offset - 2, rect.bottom}, 0,
                      0, false, false, tlTop, taCenter, indexText, 0, 0, false);
        canvas->Brush()->SetStyle(bsSolid);
    }
    canvas->SetFont(titleFont_.get());
}

void TCustomDBGridVyn::DrawFooterCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                                      const TCellTypeVyn& type, bool& highlighted) {
    TCanvas* canvas = Canvas();
    TColumnFooterVyn* footer = column->FooterForRow(type.Index - 1);
    canvas->SetFont(footer->Font());
    TColor background = footer->Color();
    if (defaultDrawing_) {
        TAlignment alignment = footer->Alignment();
        AnsiString text = FooterCellText(type.Index - 1, column);
        GetFooterParams(type.Col, type.Index - 1, column, canvas->Font(), background, alignment, state, text);
        highlighted = GetFixedCellSelectionColors(col, row, canvas->Font(), background,
                                                  CellInSelection(col, row, TBookmarkStr(), type.Col), state, type);
        canvas->Brush()->SetColor(background);
        WriteCellText(canvas, rect, 0, 0, footer->EndEllipsis(), footer->WordWrap() && wordWrapAllowed_, tlTop,
                      alignment, text, 2, 2, true);
    }
    OnDrawFooterCell_(this, type.Col, type.Index - 1, column, rect, state);
}

void TCustomDBGridVyn::DrawRecordCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                                      int margin, bool is3D) {
    TCanvas* canvas = Canvas();
    const int dataRow = row - topDataOffset_;
    RowRead read(this, dataRow);
    TRect textRect = rect;
    if (TreeNodeColumn(column)) {
        textRect.left = std::min(rect.left + TreeNodeAreaWidth(), rect.right);
        DrawTreeNodeArea(column->Index(), dataRow, {rect.left, rect.top, textRect.left, rect.bottom}, state);
    }
    column->FillCellParams(cellParams_.get());
    cellParams_->Col = col;
    cellParams_->Row = row;
    cellParams_->State = state;
    cellParams_->Font = canvas->Font();
    cellParams_->Background = canvas->Brush()->Color();
    TColor background = canvas->Brush()->Color();
    GetCellParams(column, canvas->Font(), background, state);
    cellParams_->Background = background;
    column->FireGetCellParams(false, cellParams_.get());
    background = cellParams_->Background;
    if (GetDataCellColors(column->Index(), dataRow, canvas->Font(), background, state, cellParams_->Text))
        state.Include(gdSelected);
    canvas->Brush()->SetColor(background);
    if (column->AlwaysShowEditButton()) DrawColumnEditButtons(column, rect, textRect, is3D);
    if (defaultDrawing_ && textRect.left < textRect.right) {
        const TColumnValueKindVyn kind = column->ValueKind();
        if (kind == cvkCheckbox) {
            canvas->FillRect(textRect);
            const int w = std::min(CheckGlyphWidth(), RectWidth(textRect));
            const int h = std::min(CheckGlyphHeight(), RectHeight(textRect));
            const int left = textRect.left + (RectWidth(textRect) - w) / 2;
            const int top = textRect.top + (RectHeight(textRect) - h) / 2;
            PaintButtonMirrored(canvas, {left, top, left + w, top + h}, background, bfsCheckBox, 0, false, true,
                                cellParams_->CheckboxState);
        } else if (kind == cvkImageList) {
            canvas->FillRect(textRect);
            DrawImageClipped(column->ImageList(), nullptr, canvas, textRect, cellParams_->ImageIndex, 0, taCenter);
        } else {
            if (column->ImageList() && column->ShowImageAndText()) {
                const int box = column->ImageList()->Width() + 4;
                const TRect imageRect{textRect.left, textRect.top, std::min(textRect.left + box, textRect.right),
                                      textRect.bottom};
                canvas->FillRect(imageRect);
                DrawImageClipped(column->ImageList(), nullptr, canvas, imageRect, cellParams_->ImageIndex, 0,
                                 taCenter);
                textRect.left = imageRect.right + 1;
            }
            WriteCellText(canvas, textRect, 0, 0, column->EndEllipsis(), column->WordWrap() && wordWrapAllowed_,
                          tlTop, cellParams_->Alignment, cellParams_->Text, margin - (flat_ ? 1 : 0), margin, true);
        }
    }
    if (!columns_->Customized()) DrawDataCell(rect, column->BoundField(), state);
    DrawColumnCell(rect, column->Index(), column, state);
    if (incSearchActive_ && !incSearchText_.empty() && dataRow == dataLink_->ActiveRecord() &&
        column->Index() == SelectedIndex() && state.Contains(gdSelected) &&
        (Focused() || options_.Contains(dgAlwaysShowSelection)) && updateLock_ == 0)
        DrawIncSearchText(canvas, textRect, cellParams_->Alignment, cellParams_->Text, margin);
    if (defaultDrawing_ && state.Contains(gdFocused) && Focused() && !options_.Contains(dgRowSelect) &&
        updateLock_ == 0 && (!style_ || style_->ShowFocusFrame()))
        canvas->DrawFocusRect(rect);
}

void TCustomDBGridVyn::DrawIncSearchText(TCanvas* canvas, const TRect& textRect, TAlignment alignment,
                                         const AnsiString& cellText, int margin) {
    const TDBGridVynKeySettings& keys = DBGridVynKeySettings();
    canvas->Brush()->SetColor(keys.IncSearchColor);
    canvas->Font()->SetColor(keys.IncSearchFontColor);
    // The prefix lands where the cell wrote the same letters: the cell text
    // starts where its alignment put it.
    const int fullWidth = canvas->TextWidth(cellText);
    const int start = alignment == taLeftJustify    ? textRect.left + margin
                      : alignment == taRightJustify ? textRect.right - fullWidth - 3
                                                    : textRect.left + RectWidth(textRect) / 2 - fullWidth / 2;
    const int top = textRect.top + margin - (flat_ ? 1 : 0);
    const TRect box{std::max(start, textRect.left), top,
                    std::min(start + canvas->TextWidth(incSearchText_), textRect.right),
                    std::min(top + canvas->TextHeight(incSearchText_), textRect.bottom)};
    if (box.left < box.right && box.top < box.bottom) canvas->TextRect(box, start, top, incSearchText_);
}
