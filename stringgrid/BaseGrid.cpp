// The base grid's life cycle, geometry, painting and focus handling around
// merged areas. The grid draws its own lines inside each cell; the
// platform's line width stays 0.
#include "stringgrid/BaseGrid.h"

#include <algorithm>

#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winpaint.h"
#include "stringgrid/BavUtil.h"

TBaseGrid::TBaseGrid(TComponent* owner) : TStringGrid(owner) {
    TCustomGrid::SetGridLineWidth(0);
    TCustomGrid::SetDefaultDrawing(false);
    TGridOptions options = Options();
    options.Include(goDrawFocusSelected);
    SetOptions(options);
}

TBaseGrid::~TBaseGrid() {
    if (undoRedo_) undoRedo_->SetGrid(nullptr);
    FreeAllCellObjects();
}

void TBaseGrid::Published(TPublished<TBaseGrid>& p) {
    p.Property("ActiveRowShow", &TBaseGrid::ActiveRowShow, &TBaseGrid::SetActiveRowShow).Default(false);
    p.Property("ActiveRowColor", &TBaseGrid::ActiveRowColor, &TBaseGrid::SetActiveRowColor)
        .TypeName("TColor")
        .Default(clInfoBk);
    p.Property("DefaultDrawing", &TBaseGrid::DefaultDrawing, &TBaseGrid::SetDefaultDrawing).Default(false);
    p.Property("GridLineWidth", &TBaseGrid::GridLineWidth, &TBaseGrid::SetGridLineWidth).Default(1);
    p.Property("GridLineColor", &TBaseGrid::GridLineColor, &TBaseGrid::SetGridLineColor)
        .TypeName("TColor")
        .Default(clSilver);
    p.Property("UndoRedo", &TBaseGrid::UndoRedo, &TBaseGrid::SetUndoRedo);
    p.Property("OnGetDisplText", &TBaseGrid::OnGetDisplText, &TBaseGrid::SetOnGetDisplText)
        .TypeName("TGetDisplTextEvent");
    p.Property("OnGetDisplWideText", &TBaseGrid::OnGetDisplWideText, &TBaseGrid::SetOnGetDisplWideText);
}

void TBaseGrid::SetGridLineWidth(int v) {
    gridLineWidth_ = v;
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor v) {
    gridLineColor_ = v;
    Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor v) {
    activeRowColor_ = v;
    Invalidate();
}

void TBaseGrid::SetUndoRedo(TBavGridUndoRedo* v) {
    if (undoRedo_ == v) return;
    if (undoRedo_) undoRedo_->RemoveFreeNotification(this);
    undoRedo_ = v;
    if (undoRedo_) {
        undoRedo_->FreeNotification(this);
        undoRedo_->SetGrid(this);
    }
}

void TBaseGrid::Notification(TComponent* component, TOperation operation) {
    TStringGrid::Notification(component, operation);
    if (operation == opRemove && component == undoRedo_) undoRedo_ = nullptr;
}

// ---- Geometry ------------------------------------------------------------------------------

// A scrollable cell is placed from the first cell in view, so only the
// cells between it and the view's start are summed, wherever the view is.
TRect TBaseGrid::CalcCellRect(int col, int row) const {
    auto start = [](int index, int fixed, int first, int fixedExtent, auto extent) {
        int position = 0;
        if (index < fixed) {
            for (int i = 0; i < index; ++i) position += extent(i);
            return position;
        }
        for (int i = first; i < index; ++i) position += extent(i);
        for (int i = index; i < first; ++i) position -= extent(i);
        return fixedExtent + position;
    };
    const int left = start(col, FixedCols(), LeftCol(), FixedColsWidth(), [this](int i) { return ColWidths(i); });
    const int top = start(row, FixedRows(), TopRow(), FixedRowsHeight(), [this](int i) { return RowHeights(i); });
    return Rect(left, top, left + ColWidths(col), top + RowHeights(row));
}

TRect TBaseGrid::MergedCellRect(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    if (properties && (properties->CellSpanX() != -1 || properties->CellSpanY() != -1)) {
        const TGridCoord base = properties->GetBaseCell(col, row);
        TCellProperties* baseProperties = PropertiesOf(base.X, base.Y);
        const TRect first = CalcCellRect(base.X, base.Y);
        const TRect last = CalcCellRect(base.X + std::max(0, baseProperties->CellSpanX()),
                                        base.Y + std::max(0, baseProperties->CellSpanY()));
        return Rect(first.left, first.top, last.right, last.bottom);
    }
    if (properties && properties->Control()) return CalcCellRect(col, row);
    TRect rect = CellRect(col, row);
    rect.right = rect.left + ColWidths(col);
    rect.bottom = rect.top + RowHeights(row);
    return rect;
}

TSize TBaseGrid::MergedCellSize(int col, int row) const {
    TCellProperties* properties = PropertiesOf(col, row);
    const bool merged = properties && (properties->CellSpanX() != -1 || properties->CellSpanY() != -1);
    const TRect rect = merged ? MergedCellRect(col, row) : CalcCellRect(col, row);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int TBaseGrid::FixedColsWidth() const {
    int width = 0;
    for (int i = 0; i < FixedCols(); ++i) width += ColWidths(i);
    return width;
}

int TBaseGrid::FixedRowsHeight() const {
    int height = 0;
    for (int i = 0; i < FixedRows(); ++i) height += RowHeights(i);
    return height;
}

void TBaseGrid::RepaintCell(int col, int row) {
    // Cell properties repaint at the place they were made, which rows
    // moved since may have left.
    if (!HandleAllocated() || col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return;
    const TRect rect = MergedCellRect(col, row);
    InvalidateRect(Handle(), &rect, TRUE);
}

// ---- Painting ------------------------------------------------------------------------------

void TBaseGrid::Paint() {
    TStringGrid::Paint();
    ++paintCycle_;
}

void TBaseGrid::DrawCell(int col, int row, TRect rect, TGridDrawState state) {
    TCanvas* canvas = Canvas();
    if (hideLastRow_ && row == RowCount() - 1) {
        canvas->Brush()->SetColor(Color());
        canvas->Pen()->SetColor(Color());
        canvas->FillRect(rect);
        return;
    }
    if (IsCoveredCell(col, row)) {
        const TGridCoord base = GetBaseCell(col, row);
        TCellProperties* baseProperties = PropertiesOf(base.X, base.Y);
        if (baseProperties && baseProperties->PaintCycle() != paintCycle_) {
            baseProperties->SetPaintCycle(paintCycle_);
            DrawCell(base.X, base.Y, rect, state);
        }
        return;
    }
    const bool fixed = IsFixedCell(col, row) || state.Contains(gdFixed);
    if (IsFixedCell(col, row)) {
        state.Include(gdFixed);
        state.Exclude(gdSelected);
    }
    rect = MergedCellRect(col, row);
    // A merged area scrolled under the fixed cells must not paint over them.
    const HDC dc = canvas->Handle();
    const int fixedWidth = FixedColsWidth(), fixedHeight = FixedRowsHeight();
    const bool clip = (col >= FixedCols() && FixedCols() > 0 && rect.left < fixedWidth) ||
                      (row >= FixedRows() && FixedRows() > 0 && rect.top < fixedHeight);
    const int saved = clip ? SaveDC(dc) : 0;
    if (clip)
        IntersectClipRect(dc, col < FixedCols() ? 0 : fixedWidth, row < FixedRows() ? 0 : fixedHeight, Width(),
                          Height());
    canvas->Pen()->SetWidth(1);
    canvas->Font()->Assign(Font());
    TColor colorTo = clNone;
    TCellGradientDirection direction = GradientVertical;
    GetCellColor(col, row, state, canvas->Brush(), canvas->Font(), colorTo, direction, false, true, true);
    canvas->Pen()->SetColor(canvas->Brush()->Color());
    if (activeRowShow_ && row == Row() && col != Col()) canvas->Brush()->SetColor(activeRowColor_);
    if (colorTo == clNone)
        canvas->Rectangle(rect);
    else
        DrawGradient(canvas, canvas->Brush()->Color(), colorTo, 64, rect, direction == GradientHorizontal);
    DrawCellLines(col, row, rect, fixed);
    DrawGridCell(canvas, col, row, InsideGridLines(rect, fixed), state);
    if (clip) RestoreDC(dc, saved);
}

TRect TBaseGrid::InsideGridLines(const TRect& rect, bool fixed) const {
    const int shrink = fixed ? 1 : gridLineWidth_;
    return Rect(rect.left + shrink, rect.top + shrink, rect.right - shrink, rect.bottom - shrink);
}

void TBaseGrid::DrawCellLines(int col, int row, const TRect& rect, bool fixed) {
    TCanvas* canvas = Canvas();
    int w;
    if (fixed) {
        canvas->Pen()->SetColor(clGray);
        canvas->Pen()->SetWidth(1);
        w = 1;
    } else {
        if (gridLineWidth_ > 0) canvas->Pen()->SetColor(gridLineColor_);
        canvas->Pen()->SetWidth(gridLineWidth_);
        w = (gridLineWidth_ + 1) / 2;
    }
    const TGridOptions options = Options();
    const TGridCoord base = GetBaseCell(col, row);
    if ((base.X != 0 || !HasNodes()) && options.Contains(fixed ? goFixedHorzLine : goHorzLine)) {
        canvas->MoveTo(rect.left - w + 1, rect.bottom - w);
        canvas->LineTo(rect.right - w + 1, rect.bottom - w);
    }
    if (options.Contains(fixed ? goFixedVertLine : goVertLine)) {
        const int x = UseRightToLeftAlignment() ? rect.right - w + 1 : rect.right - w;
        canvas->MoveTo(x, rect.bottom - w);
        canvas->LineTo(x, rect.top - w);
    }
}

void TBaseGrid::DrawGridCell(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState) {
    const AnsiString text = GetDisplayText(col, row);
    DrawText(canvas->Handle(), text.data(), int(text.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// ---- Focus around merged areas ---------------------------------------------------------------

bool TBaseGrid::SelectCell(int col, int row) {
    RepaintCell(Col(), Row());
    const bool allowed = TStringGrid::SelectCell(col, row);
    RepaintCell(col, row);
    return allowed;
}

void TBaseGrid::MoveToBaseCell() {
    if (!HasCellProperties(Col(), Row())) return;
    const TGridCoord base = GetBaseCell(Col(), Row());
    if (base.X != Col()) SetCol(base.X);
    if (base.Y != Row()) SetRow(base.Y);
}

void TBaseGrid::KeyDown(Word& key, TShiftState shift) {
    if (TCellProperties* properties = PropertiesOf(Col(), Row())) {
        const TGridCoord base = properties->GetBaseCell(Col(), Row());
        TCellProperties* b = PropertiesOf(base.X, base.Y);
        const int spanX = b ? std::max(0, b->CellSpanX()) : 0, spanY = b ? std::max(0, b->CellSpanY()) : 0;
        switch (key) {
        case VK_RIGHT:
            if (base.X + spanX >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1)
                SetCol(std::min(base.X + spanX, ColCount() - 1));
            break;
        case VK_DOWN:
            if (base.Y + spanY >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1)
                SetRow(std::min(base.Y + spanY, RowCount() - 1));
            break;
        // From a covered cell the focus first goes to the area's edge, so
        // the platform's step leaves the area towards the left or the top.
        case VK_LEFT:
            if (Col() > base.X && base.X > FixedCols() - 1 && base.X > 0) SetCol(base.X);
            break;
        case VK_UP:
            if (Row() > base.Y && base.Y > FixedRows() - 1 && base.Y > 0) SetRow(base.Y);
            break;
        default:
            break;
        }
    }
    if (key == VK_NEXT && TopRow() + VisibleRowCount() - FixedRows() == RowCount() - 1 && hideLastRow_ &&
        RowCount() > 1)
        SetRow(RowCount() - 2);
    TStringGrid::KeyDown(key, shift);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    const bool result = TStringGrid::DoMouseWheelDown(shift, mousePos);
    if (Row() > TopRow() + VisibleRowCount() && Row() != RowCount() - 1 && hideLastRow_) SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    const bool result = TStringGrid::DoMouseWheelUp(shift, mousePos);
    MoveToBaseCell();
    return result;
}

void TBaseGrid::TopLeftChanged() {
    TStringGrid::TopLeftChanged();
    RepaintMergedFixedCols();
    RepaintMergedFixedRows();
}

void TBaseGrid::RepaintMergedFixedCols() {
    for (int row = TopRow(); row <= std::min(TopRow() + VisibleRowCount(), RowCount() - 1); ++row)
        for (int col = 0; col < FixedCols(); ++col)
            if (IsMergedCell(col, row)) RepaintCell(col, row);
}

void TBaseGrid::RepaintMergedFixedRows() {
    for (int col = LeftCol(); col <= std::min(LeftCol() + VisibleColCount(), ColCount() - 1); ++col)
        for (int row = 0; row < FixedRows(); ++row)
            if (IsMergedCell(col, row)) RepaintCell(col, row);
}
