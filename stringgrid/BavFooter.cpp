// The floating footer panel and its options. The panel paints the grid's
// columns at the grid's scroll position, so a footer row stays in view.
#include "stringgrid/BavFooter.h"

#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/win/userdraw.h"
#include "stringgrid/html/BqgHTMLE.h"

// ---- Panel ------------------------------------------------------------------------------------

TFooterPanel::TFooterPanel(TComponent* owner) : TCustomPanel(owner), grid_(dynamic_cast<TBavStringGrid*>(owner)) {
    if (!grid_) throw EInvalidCast("Invalid class typecast");
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
    SetBevelOuter(bvNone);
}

void TFooterPanel::CreateWnd() {
    TCustomPanel::CreateWnd();
    TFloatingFooter* footer = grid_->FloatingFooter();
    SetHeight(footer && footer->Visible() ? footer->FooterHeight() : 0);
}

int TFooterPanel::PaintedWidth() const {
    int width = 0;
    for (int col = 0; col < grid_->FixedCols(); ++col) width += grid_->ColWidths(col);
    for (int col = grid_->LeftCol(); col < grid_->ColCount(); ++col) width += grid_->ColWidths(col);
    return width;
}

TRect TFooterPanel::FooterRect() const {
    TRect rect = ClientRect();
    const int width = PaintedWidth();
    if (grid_->UseRightToLeftAlignment())
        rect.left = rect.right - width;
    else
        rect.right = width;
    return rect;
}

TRect TFooterPanel::MirrorRect(bool rightToLeft, const TRect& rect) const {
    if (!rightToLeft) return rect;
    const int width = ClientWidth();
    return Rect(width - rect.left, rect.top, width - rect.right, rect.bottom);
}

void TFooterPanel::FillRest(int right) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(grid_->Color());
    canvas->Pen()->SetColor(grid_->Color());
    const TRect client = ClientRect();
    if (grid_->UseRightToLeftAlignment())
        canvas->FillRect(Rect(0, 0, client.right - right, client.bottom));
    else
        canvas->FillRect(Rect(right, 0, client.right, client.bottom));
}

void TFooterPanel::DrawPreviewFrame(const TRect& rect) {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(grid_->FloatingFooter()->Color());
    canvas->FillRect(rect);
    canvas->Pen()->SetColor(TColor(0x808080));
    canvas->MoveTo(rect.left, rect.bottom - 1);
    canvas->LineTo(rect.right - 1, rect.bottom - 1);
    canvas->LineTo(rect.right - 1, rect.top);
    canvas->Pen()->SetColor(clWhite);
    canvas->LineTo(rect.left, rect.top);
    canvas->LineTo(rect.left, rect.bottom - 1);
}

void TFooterPanel::Paint() {
    TFloatingFooter* footer = grid_->FloatingFooter();
    if (!footer) return;
    SetBiDiMode(grid_->BiDiMode());
    int right = Width();
    switch (footer->FooterStyle()) {
    case fsFixedLastRow:
        right = PaintFixedLastRow();
        break;
    case fsColumnPreview:
        right = PaintColumnPreview();
        break;
    case fsCustomPreview:
        right = PaintCustomPreview();
        break;
    }
    if (footer->BorderColor() != clNone) {
        Canvas()->Pen()->SetColor(footer->BorderColor());
        Canvas()->MoveTo(0, 0);
        Canvas()->LineTo(right, 0);
    }
}

int TFooterPanel::PaintFixedLastRow() {
    TCanvas* canvas = Canvas();
    const TRect footerRect = FooterRect();
    const bool rightToLeft = grid_->UseRightToLeftAlignment();
    canvas->Brush()->SetColor(grid_->FloatingFooter()->Color());
    canvas->FillRect(footerRect);
    FillRest(footerRect.right - footerRect.left);

    const TGridOptions options = grid_->Options();
    const bool soft = grid_->Look() == glSoft && !grid_->Flat();
    std::vector<int> columns;
    for (int col = 0; col < grid_->FixedCols(); ++col) columns.push_back(col);
    for (int col = grid_->LeftCol(); col < grid_->ColCount(); ++col) columns.push_back(col);

    int x = 0;
    const int bottom = footerRect.bottom, top = footerRect.top;
    for (int col : columns) {
        canvas->Pen()->SetColor(clWhite);
        if (options.Contains(goFixedVertLine) && soft) {
            const TRect r = MirrorRect(rightToLeft, Rect(x, bottom, x, top));
            canvas->MoveTo(r.left, r.top);
            canvas->LineTo(r.right, r.bottom);
        }
        const int next = x + grid_->ColWidths(col);
        if (options.Contains(goFixedHorzLine) && soft) {
            const TRect r = MirrorRect(rightToLeft, Rect(x, top, next - 1, top));
            canvas->MoveTo(r.left, r.top);
            canvas->LineTo(r.right, r.bottom);
        }
        x = next;
        canvas->Pen()->SetColor(TColor(0x808080));
        if (options.Contains(goFixedVertLine)) {
            const TRect r = MirrorRect(rightToLeft, Rect(x - 1, top, x - 1, bottom));
            canvas->MoveTo(r.left, r.top);
            canvas->LineTo(r.right, r.bottom);
        }
    }

    grid_->SetExternalPaint(true);
    const int lastRow = grid_->RowCount() - 1;
    int left = 0;
    TGridDrawState fixedState;
    fixedState.Include(gdFixed);
    for (int col : columns) {
        TRect cell;
        if (grid_->IsMergedCell(col, lastRow)) {
            const TRect merged = grid_->MergedCellRect(col, lastRow);
            cell = Rect(merged.left, top, merged.right - 1, bottom);
        } else {
            cell = Rect(left, top, left + grid_->ColWidths(col) - 1, bottom);
        }
        const bool scrolled = col >= grid_->FixedCols();
        if (scrolled) {
            canvas->Brush()->SetColor(clNone);
            if (grid_->OnGetCellColor())
                grid_->OnGetCellColor()(grid_, lastRow, grid_->RealColIndex(col), fixedState, canvas->Brush(),
                                        canvas->Font());
            if (canvas->Brush()->Color() != clNone) canvas->FillRect(MirrorRect(rightToLeft, cell));
            if (grid_->HasCellProperties(col, lastRow)) {
                const TColor color = grid_->GetCellProperties(col, lastRow)->BrushColor();
                if (color != clNone) {
                    canvas->Brush()->SetColor(color);
                    canvas->FillRect(MirrorRect(rightToLeft, cell));
                }
            }
        }
        if (grid_->IsBaseCell(col, lastRow)) {
            if (scrolled && onFooterPaint_) {
                onFooterPaint_(this, col, canvas, MirrorRect(rightToLeft, cell));
            } else {
                canvas->Font()->Assign(grid_->Font());
                grid_->DrawGridCell(canvas, col, lastRow, cell, fixedState);
            }
        }
        left = cell.right + 1;
    }
    grid_->SetExternalPaint(false);
    return footerRect.right;
}

int TFooterPanel::PaintColumnPreview() {
    TCanvas* canvas = Canvas();
    const TRect footerRect = FooterRect();
    DrawPreviewFrame(footerRect);
    grid_->SetExternalPaint(true);
    const TColor selectionText = grid_->SelectionTextColor();
    grid_->SetSelectionTextColor(clBlack);
    TFloatingFooter* footer = grid_->FloatingFooter();
    if (onFooterPaint_)
        onFooterPaint_(this, footer->Column(), canvas, MirrorRect(grid_->UseRightToLeftAlignment(), footerRect));
    else
        grid_->DrawGridCell(canvas, footer->Column(), grid_->Row(), footerRect, TGridDrawState());
    grid_->SetSelectionTextColor(selectionText);
    FillRest(footerRect.right - footerRect.left);
    grid_->SetExternalPaint(false);
    return footerRect.right;
}

int TFooterPanel::PaintCustomPreview() {
    TCanvas* canvas = Canvas();
    TRect footerRect = FooterRect();
    DrawPreviewFrame(footerRect);
    const TColor selectionText = grid_->SelectionTextColor();
    grid_->SetSelectionTextColor(clBlack);
    const AnsiString& templateText = grid_->FloatingFooter()->CustomTemplate();
    if (ComponentState().Contains(csDesigning)) {
        AnsiString text = templateText;
        DrawText(canvas->Handle(), text.data(), int(text.size()), &footerRect, 0);
    } else {
        THTMLDrawParams params;
        params.Canvas = canvas;
        params.HTMLText = ExpandTemplate(templateText);
        params.Rect = Rect(footerRect.left, footerRect.top + 2, footerRect.right, footerRect.bottom);
        params.PictureCache = grid_->PictureCache();
        params.WindowHandle = HandleAllocated() ? Handle() : 0;
        params.URLColor = grid_->URLColor();
        params.ShadowColor = TColor(0x808080);
        THTMLDrawResult result;
        canvas->Brush()->SetStyle(bsClear);
        DrawHTMLText(params, result);
        canvas->Brush()->SetStyle(bsSolid);
    }
    grid_->SetSelectionTextColor(selectionText);
    FillRest(footerRect.right - footerRect.left);
    return footerRect.right;
}

int TFooterPanel::ColumnAt(int x) const {
    int right = 0;
    for (int col = 0; col < grid_->ColCount(); ++col) {
        right += grid_->ColWidths(col);
        if (x < right) return col;
    }
    return -1;
}

bool TFooterPanel::FooterHint(THintInfo& info) {
    const int col = ColumnAt(info.CursorPos.x);
    const bool showHint = grid_->FloatingFooter()->ShowHint();
    if (col >= 0 && grid_->OnGridHint()) grid_->OnGridHint()(grid_, grid_->RowCount() - 1, col, info.HintStr);
    hoveredColumn_ = showHint ? col : -1;
    return showHint;
}

void TFooterPanel::WndProc(TMessage& message) {
    if (message.Msg == CM_HINTSHOW) {
        message.Result = FooterHint(*reinterpret_cast<THintInfo*>(message.LParam)) ? 0 : 1;
        return;
    }
    if (message.Msg == CM_MOUSELEAVE) hoveredColumn_ = -1;
    TCustomPanel::WndProc(message);
}

void TFooterPanel::MouseMove(TShiftState shift, int x, int y) {
    TCustomPanel::MouseMove(shift, x, y);
    const int col = ColumnAt(x);
    if (grid_->FloatingFooter()->ShowHint() && col != hoveredColumn_ && hoveredColumn_ != -1) {
        Application->CancelHint();
        hoveredColumn_ = col;
    }
}

AnsiString TFooterPanel::ExpandTemplate(const AnsiString& templateText) const {
    AnsiString result, rest = templateText;
    for (std::size_t open = rest.find("<#"); open != AnsiString::npos; open = rest.find("<#")) {
        const std::size_t close = rest.find('>', open);
        if (close == AnsiString::npos) break;
        result += rest.substr(0, open);
        const AnsiString field = rest.substr(open + 2, close - open - 2);
        rest.erase(0, close + 1);
        int col = 0;
        if (TryStrToInt(field, col)) result += grid_->GetDisplayText(col, grid_->Row());
    }
    return result + rest;
}

// ---- Options ----------------------------------------------------------------------------------

TFloatingFooter::TFloatingFooter(TBavStringGrid* grid) : grid_(grid) {}

void TFloatingFooter::Published(TPublished<TFloatingFooter>& p) {
    p.Property("BorderColor", &TFloatingFooter::BorderColor, &TFloatingFooter::SetBorderColor)
        .TypeName("TColor")
        .Default(clNone);
    p.Property("CalculateHiddenRows", &TFloatingFooter::CalculateHiddenRows,
               &TFloatingFooter::SetCalculateHiddenRows)
        .Default(false);
    p.Property("Color", &TFloatingFooter::Color, &TFloatingFooter::SetColor).TypeName("TColor").Default(clBtnFace);
    p.Property("Column", &TFloatingFooter::Column, &TFloatingFooter::SetColumn).Default(0);
    p.Property("CustomTemplate", &TFloatingFooter::CustomTemplate, &TFloatingFooter::SetCustomTemplate);
    p.Property("FooterStyle", &TFloatingFooter::FooterStyle, &TFloatingFooter::SetFooterStyle)
        .Default(fsFixedLastRow);
    p.Property("ShowHint", &TFloatingFooter::ShowHint, &TFloatingFooter::SetShowHint).Default(false);
    p.Property("Visible", &TFloatingFooter::Visible, &TFloatingFooter::SetVisible).Default(false);
    p.Property("OnCalcFooter", &TFloatingFooter::OnCalcFooter, &TFloatingFooter::SetOnCalcFooter);
}

int TFloatingFooter::FooterHeight() const { return grid_->DefaultRowHeight(); }

void TFloatingFooter::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TFloatingFooter*>(source);
    if (!other) return;
    calculateHiddenRows_ = other->calculateHiddenRows_;
    color_ = other->color_;
    column_ = other->column_;
    customTemplate_ = other->customTemplate_;
    footerStyle_ = other->footerStyle_;
    SetVisible(other->visible_);
    SetShowHint(other->showHint_);
}

void TFloatingFooter::Invalidate() {
    if (TFooterPanel* panel = grid_->FooterPanel()) panel->Invalidate();
}

void TFloatingFooter::SetColor(TColor v) {
    color_ = v;
    Invalidate();
}

void TFloatingFooter::SetColumn(int v) {
    column_ = v;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const AnsiString& v) {
    customTemplate_ = v;
    Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor v) {
    if (borderColor_ == v) return;
    borderColor_ = v;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool v) {
    showHint_ = v;
    if (TFooterPanel* panel = grid_->FooterPanel()) panel->SetShowHint(v);
}

void TFloatingFooter::UpdateGrid() {
    grid_->SetHideLastRow(visible_ && footerStyle_ == fsFixedLastRow);
    grid_->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle v) {
    footerStyle_ = v;
    UpdateGrid();
    Invalidate();
}

void TFloatingFooter::SetVisible(bool v) {
    visible_ = v;
    if (TFooterPanel* panel = grid_->FooterPanel()) {
        panel->SetHeight(v ? FooterHeight() - 1 : 0);
        panel->SetVisible(v);
    }
    grid_->SetFixedFooters(v && footerStyle_ == fsFixedLastRow ? 1 : 0);
    UpdateGrid();
}

// ---- The grid's published footer painting ----------------------------------------------------

const TFooterPaintEvent& TBavStringGrid::OnFooterPaint() const { return footerPanel_->OnFooterPaint(); }

void TBavStringGrid::SetOnFooterPaint(TFooterPaintEvent v) { footerPanel_->SetOnFooterPaint(std::move(v)); }
