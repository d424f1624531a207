// Painting of the string grid's cells: the colour, font and alignment a cell
// is drawn with, the fixed cells of the looks, the content of every text
// kind, links, the selection rectangle, the borders, the focus rectangle,
// and the window border of the looks.
#include <algorithm>
#include <cmath>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/codepage.h"
#include "platform/ui/graphic.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/userdraw.h"
#include "platform/win/userinput.h"
#include "platform/win/winpaint.h"
#include "stringgrid/BavCellPaint.h"
#include "stringgrid/themes/BavXPVS.h"
#include "stringgrid/BavFooter.h"
#include "stringgrid/BavRichEdit.h"
#include "platform/rtl/streams.h"
#include "platform/win/richedit.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/html/BqgHTMLE.h"


namespace {

UINT HorizontalFlags(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

UINT VerticalFlags(TVAlignment alignment) {
    switch (alignment) {
    case vtaCenter:
        return DT_VCENTER;
    case vtaBottom:
        return DT_BOTTOM;
    default:
        return DT_TOP;
    }
}

// Half as bright, channel by channel.
TColor Darker(TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    return TColor(RGB(GetRValue(rgb) / 2, GetGValue(rgb) / 2, GetBValue(rgb) / 2));
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2) {
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

}  // namespace

// ---- Colour, font and alignment ---------------------------------------------------------------

void TBavStringGrid::SelectionColors(TBrush* brush, TColor& colorTo, TFont* font) const {
    brush->SetColor(selectionColor_);
    colorTo = selectionColorTo_;
    font->SetColor(selectionTextColor_);
}

bool TBavStringGrid::InScrollableArea(int col, int row) const {
    return col >= TBaseGrid::FixedCols() && col < ColCount() - fixedRightCols_ && row >= TBaseGrid::FixedRows() &&
           row < RowCount() - fixedFooters_;
}

void TBavStringGrid::GetCellColor(int col, int row, TGridDrawState state, TBrush* brush, TFont* font,
                                  TColor& colorTo, TCellGradientDirection& direction, bool printing,
                                  bool rangeSelection, bool mapColumn) {
    TAlignment hAlign;
    TVAlignment vAlign;
    bool wordWrap = WordWrap();
    GetCellLook(col, row, state, printing, rangeSelection, mapColumn, brush, colorTo, font, hAlign, vAlign, wordWrap,
                direction);
}

void TBavStringGrid::GetCellLook(int col, int row, TGridDrawState& state, bool printing, bool rangeSelection,
                                 bool mapColumn, TBrush* brush, TColor& colorTo, TFont* font, TAlignment& hAlign,
                                 TVAlignment& vAlign, bool& wordWrap, TCellGradientDirection& direction) {
    const bool inFixedArea = col < TBaseGrid::FixedCols() || row < TBaseGrid::FixedRows();
    if (printing && !printSettings_->UseDisplayFont())
        font->Assign(inFixedArea ? printSettings_->FixedFont() : printSettings_->Font());
    else
        font->Assign(inFixedArea ? fixedFont_.get() : Font());
    const int realCol = mapColumn ? RealColIndex(col) : col;

    brush->SetColor(clNone);
    colorTo = clNone;
    bool controlCell = false;
    if (HasCellProperties(realCol, row)) {
        TCellProperties* properties = GetCellProperties(realCol, row);
        const TCellType type = properties->GraphicObject() ? properties->GraphicObject()->CellType() : ctNone;
        if ((type != ctNone && type != ctEmpty) || properties->BrushColor() != clNone)
            brush->SetColor(properties->BrushColor());
        controlCell = IsControlType(type);
        if (properties->FontColor() != clNone) font->SetColor(properties->FontColor());
        if (!(properties->FontStyle() == TFontStyles())) font->SetStyle(properties->FontStyle());
        if (properties->FontSize() != 0) font->SetSize(properties->FontSize());
        if (!properties->FontName().empty()) font->SetName(properties->FontName());
        wordWrap = properties->WordWrap();
        colorTo = properties->BrushColorTo();
        direction = properties->GradientDirection();
    }
    if (state.Contains(gdSelected)) direction = GradientVertical;

    if (brush->Color() == clNone || controlCell) {
        brush->SetColor(Color());
        if (bands_->Active() && (!printing || bands_->Print()) && InScrollableArea(col, row)) {
            const int period = bands_->BandPeriod();
            if (period < 1)
                brush->SetColor(Color());
            else
                brush->SetColor((row - TBaseGrid::FixedRows()) % period < bands_->PrimaryLength()
                                    ? bands_->PrimaryColor()
                                    : bands_->SecondaryColor());
        }
        if (inFixedArea || col >= ColCount() - fixedRightCols_ || row >= RowCount() - fixedFooters_)
            brush->SetColor(FixedColor());
    }

    bool fixed = false;
    IsFixedCellHook(col, row, fixed);
    if (fixed && !printing) {
        brush->SetColor(FixedColor());
        font->Assign(fixedFont_.get());
        state.Include(gdFixed);
    }
    if (printing)
        DoGetCellPrintColor(realCol, row, font, brush, state);
    else
        GetCellColorHook(realCol, row, font, brush, state);

    if (!printing && rangeSelection && showSelection_ && !fixed) {
        const bool rowMode = mouseActions_->DisjunctRowSelect(), colMode = mouseActions_->DisjunctColSelect();
        const int selectRow = rowMode && mouseActions_->RowSelectPersistent() ? RealRowIndex(row) : row;
        // While a plain drag picks anew, the range under the mouse shows
        // selected though it joins the picked rows only at the release.
        const bool platformSelected = state.Contains(gdSelected);
        if ((rowMode && (!plainDrag_ || row != Row()) && GetRowSelect(selectRow)) ||
            (colMode && !rowMode && (!plainDrag_ || col != Col()) && GetColSelect(col)) ||
            ((rowMode || colMode) && plainDrag_ && platformSelected)) {
            state = TGridDrawState();
            state.Include(gdSelected);
            SelectionColors(brush, colorTo, font);
        } else if (!rowMode && !colMode && CellInGridRect(Selection(), col, row)) {
            SelectionColors(brush, colorTo, font);
            state.Include(gdSelected);
        }
    }
    if (!printing && rangeSelection && mouseActions_->DisjunctCellSelect()) {
        if (IsDisjunctCell(col, row)) {
            SelectionColors(brush, colorTo, font);
            state.Include(gdSelected);
        } else if (col == Col() && row == Row()) {
            state.Exclude(gdSelected);
            brush->SetColor(Color());
            font->SetColor(Font()->Color());
        }
    }
    DoGetWordWrap(realCol, row, wordWrap);
    GetCellAlignment(realCol, row, hAlign, vAlign);
}

// ---- The paint pass ---------------------------------------------------------------------------

void TBavStringGrid::BeginUpdate() {
    if (!Visible()) return;
    ++updateCount_;
    if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TBavStringGrid::EndUpdate() {
    if (!Visible()) return;
    if (updateCount_ > 0) --updateCount_;
    if (updateCount_ != 0 || !HandleAllocated()) return;
    SendMessage(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, FALSE);
    DrawLookBorder();
}


void TBavStringGrid::Paint() {
    Canvas()->Pen()->SetStyle(psSolid);
    TBaseGrid::Paint();
    if (EditorMode()) {
        TCanvas* canvas = Canvas();
        TColor color = GridLineWidth() < 1 ? Color() : GridLineColor();
        if (!Options().Contains(goHorzLine) && !Options().Contains(goVertLine)) color = Color();
        canvas->Pen()->SetColor(color);
        canvas->Brush()->SetStyle(bsClear);
        canvas->Rectangle(MergedCellRect(Col(), Row()));
        canvas->Brush()->SetStyle(bsSolid);
    }
    Canvas()->Pen()->SetColor(clBlack);
    if (!backGround_->Bitmap()->Empty() || backGround_->ColorTo() != clNone) PaintBackgroundOutsideCells();
}

TCellGraphic* TBavStringGrid::GetCellGraphicInfo(int col, int row, TCellVAlign& vAlign, TCellHAlign& hAlign,
                                                 bool& drawText, int& height, int& width) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    height = width = 0;
    drawText = true;
    if (!graphic) return nullptr;
    vAlign = graphic->CellVAlign();
    hAlign = graphic->CellHAlign();
    TSize size = GraphicOwnSize(*graphic);
    switch (graphic->CellType()) {
    case ctPicture:
    case ctFilePicture: {
        const TSize cell = MergedCellSize(col, row);
        size = graphic->GetPictureSize(cell.cx, cell.cy);
        break;
    }
    case ctDataImage:
        drawText = !gridImages_;
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        drawText = false;
        break;
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
    case ctRadio:
    case ctRotated:
        size = {0, 0};
        drawText = false;
        break;
    default:
        break;
    }
    width = size.cx;
    height = size.cy;
    return graphic;
}

bool TBavStringGrid::SortedHeaderCell(int col, int row) {
    return sortSettings_->Show() && row == sortSettings_->Row() && RowCount() > 2 && TBaseGrid::FixedRows() > 0 &&
           (col == sortSettings_->Column() || sortIndexes_->FindIndex(col) >= 0) &&
           (col >= TBaseGrid::FixedCols() || sortSettings_->FixedCols());
}

void TBavStringGrid::DrawGridCell(TCanvas* canvas, int col, int row, TRect rect, TGridDrawState state) {
    SetCtl3D(!flat_);
    CellPaint cell;
    cell.col = col;
    cell.row = row;
    cell.rect = rect;
    cell.realCol = RealColIndex(col);
    cell.wordWrap = WordWrap();
    GetCellLook(col, row, state, false, false, true, canvas->Brush(), cell.colorTo, canvas->Font(), cell.hAlign,
                cell.vAlign, cell.wordWrap, cell.direction);
    cell.state = state;
    IsFixedCellHook(col, row, cell.fixed);
    cell.graphic = GetCellGraphicInfo(cell.realCol, row, cell.graphicVAlign, cell.graphicHAlign, cell.drawText,
                                      cell.graphicHeight, cell.graphicWidth);
    if (state.Contains(gdSelected) && !state.Contains(gdFocused) && selectionColor_ == clNone)
        canvas->Brush()->SetColor(clHighlight);
    cell.savedBrush = canvas->Brush()->Color();
    cell.savedFont = canvas->Font()->Color();
    cell.linkColor = urlColor_;

    if (cell.fixed && (look_ == glQuarn || look_ == glXP) && !flat_) {
        const bool active = activeCellShow_ &&
                            ((TBaseGrid::FixedCols() > 0 && col == TBaseGrid::FixedCols() - 1 && row == Row()) ||
                             (TBaseGrid::FixedRows() > 0 && row == TBaseGrid::FixedRows() - 1 && col == Col()));
        DrawGradient(canvas, active ? activeCellColor_ : fixedGradientFrom_,
                     active ? activeCellColorTo_ : fixedGradientTo_, 32, cell.rect, false);
    }
    if (cell.fixed && look_ == glListView && !flat_) DrawListViewFixedCell(canvas, cell.rect);
    if (col == 0 && IsRowModified(row) && showModified_->Enabled()) {
        canvas->Brush()->SetColor(showModified_->Color());
        canvas->FillRect(Rect(cell.rect.right - 4, cell.rect.top, cell.rect.right, cell.rect.bottom));
        canvas->Brush()->SetColor(cell.savedBrush);
    }

    int indicatorShift = 0;
    if (cell.realCol == 0 && row == Row() && TBaseGrid::FixedCols() > 0 && !rowIndicator_->Empty()) {
        const int height = rowIndicator_->Height();
        const int top = vAlignment_ == vtaTop      ? cell.rect.top
                        : vAlignment_ == vtaBottom ? cell.rect.bottom - height
                                                   : cell.rect.top + (cell.rect.bottom - cell.rect.top - height) / 2;
        rowIndicator_->SetTransparent(true);
        canvas->Draw(cell.rect.left + 2, top, rowIndicator_.get());
        indicatorShift = rowIndicator_->Width() + 2;
        cell.rect.left += indicatorShift;
    }
    const int rightBeforeButton = cell.rect.right;
    if (!cell.fixed && controlLook_->DropDownAlwaysVisible() && HasComboBox(cell.realCol, row)) {
        DrawComboDropButton(canvas, HandleAllocated() ? Handle() : 0, cell.rect, themes_);
        cell.rect.right -= 16;
    }

    const TRect cellRect = cell.rect;
    DrawCellContent(canvas, cell);
    cell.rect = cellRect;
    cell.rect.right = rightBeforeButton;
    canvas->Brush()->SetColor(cell.savedBrush);
    canvas->Font()->SetColor(cell.savedFont);
    cell.rect = Rect(cell.rect.left - 1, cell.rect.top - 1, cell.rect.right + 1, cell.rect.bottom + 1);
    DrawCellBorders(canvas, cell);
    if (cell.fixed && !flat_) DrawFixedLook(canvas, cell);
    if (flat_ && look_ != glClassic && col >= ColCount() - fixedRightCols_) {
        // A flat grid frames its fixed right columns just outside the cell.
        const TRect& r = cell.rect;
        canvas->Pen()->SetColor(clGray);
        canvas->Pen()->SetWidth(1);
        if (Options().Contains(goFixedHorzLine)) {
            Line(canvas, r.left - 1, r.top - 1, r.right + 1, r.top - 1);
            Line(canvas, r.left - 1, r.bottom + 1, r.right + 1, r.bottom + 1);
        }
        if (Options().Contains(goFixedVertLine)) {
            Line(canvas, r.left - 1, r.top - 1, r.left - 1, r.bottom + 1);
            Line(canvas, r.right + 1, r.top - 1, r.right + 1, r.bottom + 1);
        }
    }
    cell.rect = cellRect;
    cell.rect.left -= indicatorShift;
    if (cell.realCol == 0) DrawTreeLines(canvas, cell.rect, row);
    if (cell.graphic) DrawCellGraphic(canvas, cell);

    if (OnDrawCell()) {
        const TRect inner = Rect(cell.rect.left + 1, cell.rect.top + 1, cell.rect.right - GridLineWidth(),
                                 cell.rect.bottom - GridLineWidth());
        OnDrawCell()(this, cell.realCol, row, inner, state);
    }
    if (onCustomCellDraw_) onCustomCellDraw_(this, canvas, cell.realCol, row, state, cell.rect, false);

    if (!hideFocusRect_ && !externalPaint_) {
        const TGridCoord base = GetBaseCell(col, row);
        if (base.X == Col() && base.Y == Row() && Focused() && !Options().Contains(goRowSelect)) {
            const int grow = GridLineWidth() - 1;
            TRect focus = Rect(cell.rect.left - grow, cell.rect.top - grow, cell.rect.right + grow - 1,
                               cell.rect.bottom + grow - 1);
            canvas->Brush()->SetColor(cell.savedBrush);
            canvas->Font()->SetColor(clBlack);
            canvas->DrawFocusRect(focus);
        }
    }
}

// A fixed cell of the list-view look: a header item of the visual style,
// hot under the mouse and pressed while the left button is down there, or a
// button-face box without visual styles.
void TBavStringGrid::DrawListViewFixedCell(TCanvas* canvas, const TRect& rect) {
    if (themes_) {
        const TRect item = Rect(rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1);
        POINT mouse{};
        GetCursorPos(&mouse);
        ::ScreenToClient(Handle(), &mouse);
        const bool hot = PtInRect(&rect, mouse);
        const int state = !hot ? HIS_NORMAL : GetKeyState(VK_LBUTTON) < 0 ? HIS_PRESSED : HIS_HOT;
        if (xpvs::DrawPart(Handle(), canvas->Handle(), u"header", HP_HEADERITEM, state, item)) {
            canvas->Pen()->SetColor(clWhite);
            canvas->MoveTo(item.left, item.top);
            canvas->LineTo(item.right, item.top);
            return;
        }
    }
    const TColor brush = canvas->Brush()->Color();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Pen()->SetColor(clWhite);
    canvas->Rectangle(rect);
    canvas->Brush()->SetColor(brush);
}

// The header item under the mouse is drawn hot: the cells it leaves and
// enters are repainted.
void TBavStringGrid::TrackHotFixedCell(const TGridCoord& cell) {
    if (look_ != glListView || flat_ || !themes_) return;
    const bool fixed = cell.X >= 0 && cell.Y >= 0 && IsFixedCell(cell.X, cell.Y);
    const TGridCoord hot = fixed ? cell : TGridCoord{-1, -1};
    if (hot.X == hotFixedCell_.X && hot.Y == hotFixedCell_.Y) return;
    if (hotFixedCell_.X != -1) RepaintCell(hotFixedCell_.X, hotFixedCell_.Y);
    if (hot.X != -1) RepaintCell(hot.X, hot.Y);
    hotFixedCell_ = hot;
}

void TBavStringGrid::DrawFixedLook(TCanvas* canvas, CellPaint& cell) {
    TRect r = cell.rect;
    const TGridOptions options = Options();
    switch (look_) {
    case glClassic: {
        r = cell.rect;
        DrawEdge(canvas->Handle(), &r, BDR_RAISEDINNER, BF_LEFT | BF_TOP);
        DrawEdge(canvas->Handle(), &r, BDR_RAISEDOUTER | BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM);
        canvas->Pen()->SetColor(clBlack);
        canvas->MoveTo(r.right - 1, r.top);
        canvas->LineTo(r.right - 1, r.bottom - 1);
        canvas->LineTo(r.left - 1, r.bottom - 1);
        break;
    }
    case glQuarn:
    case glXP:
    case glSoft: {
        r.bottom -= 1;
        canvas->Pen()->SetWidth(1);
        if (options.Contains(goFixedHorzLine)) {
            canvas->Pen()->SetColor(Darker(FixedColor()));
            Line(canvas, r.left, r.bottom - 1, r.right - 1, r.bottom - 1);
            canvas->Pen()->SetColor(clWhite);
            Line(canvas, r.right, r.top + 1, r.left + 1, r.top + 1);
            Line(canvas, r.left + 1, r.top + 1, r.left + 1, r.bottom - 1);
        }
        if (look_ == glSoft && options.Contains(goFixedVertLine)) {
            canvas->Pen()->SetColor(Darker(FixedColor()));
            Line(canvas, r.right - 2, r.top, r.right - 2, r.bottom - 1);
            canvas->Pen()->SetColor(clWhite);
            Line(canvas, r.right - 1, r.top, r.right - 1, r.bottom - 1);
        }
        break;
    }
    default:
        break;
    }
}

// ---- Content ----------------------------------------------------------------------------------

void TBavStringGrid::DrawCellContent(TCanvas* canvas, CellPaint& cell) {
    const bool selected = cell.state.Contains(gdSelected);
    const bool focusedCell = cell.state.Contains(gdFocused);
    if (selected && (!focusedCell || Options().Contains(goDrawFocusSelected)) && !cell.fixed) {
        if (showSelection_) {
            if (selectionColor_ != clNone) canvas->Brush()->SetColor(selectionColor_);
            if (selectionTextColor_ != clNone) canvas->Font()->SetColor(selectionTextColor_);
            cell.linkColor = selectionTextColor_;
        } else if (!Focused() || (cell.graphic && cell.graphic->CellType() == ctCheckBox)) {
            canvas->Brush()->SetColor(cell.savedBrush);
            canvas->Font()->SetColor(cell.savedFont);
            cell.linkColor = urlColor_;
        }
    }
    UnpickedCellLook(canvas, cell);
    AnsiString text = GetFormattedCellText(cell.col, cell.row);
    int kind = GetCellTextKind(text, enableHTML_);
    if (kind == ctkFormula) {
        text = CalcCellValue(cell.realCol, cell.row);
        kind = GetCellTextKind(text, enableHTML_);
    }
    bool password = false;
    DoIsPasswordCell(cell.realCol, cell.row, password);
    if (password) FillWithChar(text, passwordChar_);

    if (cell.row == 0 && HasFilterButton(cell.realCol)) {
        const TRect glyph = Rect(cell.rect.right - 16, cell.rect.top, cell.rect.right, cell.rect.bottom);
        DrawTransparentResourceBitmap(canvas, FixedColor(), glyph, "BQGFILT");
    }
    DrawCellBackground(canvas, cell);

    if (selectionRectangle_ && !cell.fixed && CellInGridRect(Selection(), cell.col, cell.row)) {
        const TGridRect selection = Selection();
        const TRect& r = cell.rect;
        canvas->Pen()->SetColor(clBlack);
        canvas->Pen()->SetWidth(2);
        if (cell.col == selection.Left) Line(canvas, r.left - GridLineWidth() + 1, r.top, r.left - GridLineWidth() + 1, r.bottom);
        if (cell.col == selection.Right) Line(canvas, r.right - 1, r.top, r.right - 1, r.bottom);
        if (cell.row == selection.Top) Line(canvas, r.left, r.top - GridLineWidth() + 1, r.right, r.top - GridLineWidth() + 1);
        if (cell.row == selection.Bottom) Line(canvas, r.left, r.bottom, r.right, r.bottom);
        if (selectionResizer_ && cell.col == selection.Right && cell.row == selection.Bottom) {
            canvas->Brush()->SetColor(clBlack);
            canvas->FillRect(Rect(r.right - 4, r.bottom - 4, r.right, r.bottom));
            canvas->Brush()->SetColor(cell.savedBrush);
        }
        canvas->Pen()->SetWidth(1);
    }
    if (!cell.drawText) return;

    TRect& r = cell.rect;
    r.left += cellMarginX_;
    r.right -= cellMarginX_;
    r.top += cellMarginY_;
    if (cell.graphic) {
        if (cell.graphicHAlign == haBeforeText) r.left += cell.graphicWidth;
        if (cell.graphicHAlign == haAfterText) r.right -= cell.graphicWidth;
        if (cell.graphicVAlign == vaAboveText) r.top += cell.graphicHeight;
        if (cell.graphicVAlign == vaUnderText) r.bottom -= cell.graphicHeight;
    }
    if (cell.realCol == 0 && HasNodes()) r.left += GetNodeIndent(cell.row);

    // A mirrored canvas draws text mirrored: it is drawn left to right into
    // the mirrored rectangle. On a canvas that is not mirrored the cell's
    // own alignment is mirrored instead.
    const bool rightToLeft = UseRightToLeftAlignment();
    const bool mirror = rightToLeft && (GetLayout(canvas->Handle()) & LAYOUT_RTL);
    DWORD previousLayout = 0;
    if (mirror) {
        const int width = externalPaint_ ? 0 : ClientWidth();
        if (externalPaint_) {
            r.left -= cellMarginX_;
            r.right += cellMarginX_;
        } else {
            r = Rect(width - r.right, r.top, width - r.left, r.bottom);
        }
        previousLayout = SetLayout(canvas->Handle(), 0);
    } else if (rightToLeft) {
        if (cell.hAlign == taLeftJustify)
            cell.hAlign = taRightJustify;
        else if (cell.hAlign == taRightJustify)
            cell.hAlign = taLeftJustify;
    }
    switch (kind) {
    case ctkHTML: {
        r.left -= 1;
        if (SortedHeaderCell(cell.realCol, cell.row)) r.right -= 10;
        THTMLDrawParams params = HTMLDrawParams();
        params.Canvas = canvas;
        params.HTMLText = text;
        params.Rect = r;
        params.WindowHandle = HandleAllocated() ? Handle() : 0;
        params.URLColor = cell.linkColor;
        params.ShadowColor = TColor(0x808080);
        params.WordWrap = cell.wordWrap;
        params.Selected = selected && showSelection_ && !cell.fixed;
        params.Blink = !enableBlink_ || blinkPhase_;
        if (pressedHTMLButton_ == TGridCoord{cell.col, cell.row}) {
            // The form button under the press is drawn down.
            params.MouseDown = true;
            params.XPos = pressedHTMLPoint_.x;
            params.YPos = pressedHTMLPoint_.y;
        }
        THTMLDrawResult result;
        canvas->Brush()->SetStyle(bsClear);
        DrawHTMLText(params, result);
        canvas->Brush()->SetStyle(bsSolid);
        cell.textWidth = result.MaxLineWidth + 2;
        break;
    }
    case ctkRichText: {
        const bool highlighted = selected && !cell.state.Contains(gdFocused) && selectionColor_ == clNone;
        if (!highlighted) {
            canvas->Pen()->SetColor(canvas->Brush()->Color());
            canvas->FillRect(r);
        }
        canvas->Brush()->SetStyle(bsClear);
        DrawRichTextCell(canvas, cell.realCol, cell.row, cell.rect,
                         selected && !cell.fixed && !(cell.state.Contains(gdFocused) &&
                                                      !Options().Contains(goDrawFocusSelected)));
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Font()->SetColor(clBlack);
        break;
    }
    case ctkWide: {
        WideString wide = CellTextToWide(text);
        UINT format = VerticalFlags(cell.vAlign) | HorizontalFlags(cell.hAlign) | DT_NOPREFIX;
        format |= cell.wordWrap || multilinecells_ ? DT_WORDBREAK : DT_SINGLELINE | DT_END_ELLIPSIS;
        SetBkMode(canvas->Handle(), TRANSPARENT);
        canvas->Brush()->SetStyle(bsClear);
        DrawTextExW(canvas->Handle(), wide.data(), int(wide.size()), &r, format, nullptr);
        canvas->Brush()->SetStyle(bsSolid);
        break;
    }
    default:
        DrawPlainText(canvas, cell, text);
        break;
    }
    if (mirror) SetLayout(canvas->Handle(), previousLayout);
}

void TBavStringGrid::DrawPlainText(TCanvas* canvas, CellPaint& cell, AnsiString text) {
    TRect& r = cell.rect;
    const TRect textRect = r;
    const bool sorted = SortedHeaderCell(cell.realCol, cell.row);
    if (sorted && cell.hAlign == taCenter && cell.realCol == sortSettings_->Column()) r.left += 10;
    if (cell.row == 0 && sorted) {
        if (cell.hAlign == taLeftJustify)
            r.right -= 14;
        else
            r.left += 14;
    }
    const bool link = urlShow_ && (text.find("://") != AnsiString::npos || text.find("mailto:") != AnsiString::npos);
    const TFontStyles styleBefore = canvas->Font()->Style();
    if (link) {
        if (!urlFull_) StripURLPrefix(text);
        TFontStyles style = styleBefore;
        style.Include(fsUnderline);
        canvas->Font()->SetStyle(style);
        canvas->Font()->SetColor(cell.linkColor);
    }
    UINT format = DT_EDITCONTROL;
    if (!cell.wordWrap && CountTextLines(text, multilinecells_) <= 1) {
        AnsiString first;
        CutFirstLine(text, false, first);
        text = first;
        format = DT_SINGLELINE;
        if (enhTextSize_) format |= DT_END_ELLIPSIS;
    } else if (cell.wordWrap && !multilinecells_ && enhTextSize_) {
        format |= DT_END_ELLIPSIS;
    }
    format |= DT_NOPREFIX | DT_EXPANDTABS | HorizontalFlags(cell.hAlign) | VerticalFlags(cell.vAlign);
    if (cell.wordWrap)
        format |= DT_WORDBREAK | DT_EDITCONTROL;
    else if (!multilinecells_)
        format |= DT_SINGLELINE;
    if (cell.row == 0 && HasFilterButton(cell.realCol)) r.right -= 16;
    SetBkMode(canvas->Handle(), TRANSPARENT);
    if (cell.graphic) {
        TRect measured = r;
        DrawTextEx(canvas->Handle(), text.data(), int(text.size()), &measured, format | DT_CALCRECT, nullptr);
        cell.textWidth = measured.right - measured.left + 2;
    }
    DrawTextEx(canvas->Handle(), text.data(), int(text.size()), &r, format, nullptr);
    int errorStart = 0, errorLength = 0;
    GetCellErrorRange(cell.realCol, cell.row, errorStart, errorLength);
    if (errorLength > 0) DrawErrorUnderline(this, canvas, text, r, canvas->TextHeight("hg"), errorStart, errorLength);
    if (link) canvas->Font()->SetStyle(styleBefore);
    if (!sorted) return;
    TRect g = textRect;
    if (cell.row == 0 && HasFilterButton(cell.realCol)) g.right -= 16;
    const int offset = std::max(0, std::min(g.right - g.left - 16, canvas->TextWidth(text)));
    const bool graphicBefore = cell.graphic && (cell.graphicHAlign == haLeft || cell.graphicHAlign == haBeforeText);
    int x = g.left + 8;
    if (cell.hAlign == taLeftJustify) x = g.left + offset + (graphicBefore ? cell.graphicWidth : 0) + 10;
    if (cell.hAlign == taRightJustify) x = g.right - offset - 10;
    const int y = cell.vAlign == vtaTop ? g.top + 8 : cell.vAlign == vtaBottom ? g.bottom - 8 : (g.top + g.bottom) / 2;
    DrawSortGlyph(canvas, cell.realCol, x, y);
}

void TBavStringGrid::DrawRichTextCell(TCanvas* canvas, int col, int row, const TRect& rect, bool selected) {
    TBavRichEdit* rich = measuringRichEdit_;
    if (!rich->Parent()) return;
    TStringStream stream(GetRawCellText(col, row));
    rich->Lines()->LoadFromStream(&stream);
    if (selected && !selectionRTFKeep_) {
        rich->SelectAll();
        rich->SelAttributes()->SetColor(selectionTextColor_);
    }
    const HDC dc = canvas->Handle();
    const double dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const double mx = dpiX * cellMarginX_ / 96, my = dpiY * cellMarginY_ / 96;
    FORMATRANGE range;
    range.hdc = range.hdcTarget = dc;
    range.rc.left = LONG(std::lround((rect.left + mx) / dpiX * 1440));
    range.rc.top = LONG(std::lround((rect.top + my) / dpiY * 1440));
    range.rc.right = range.rc.left + LONG(std::lround((rect.right - rect.left - 2 * mx) / dpiX * 1440));
    range.rc.bottom = range.rc.top + LONG(std::lround((rect.bottom - rect.top - 2 * my) / dpiY * 1440));
    range.rcPage = range.rc;
    range.chrg.cpMin = 0;
    range.chrg.cpMax = -1;
    SendMessage(rich->Handle(), EM_FORMATRANGE, TRUE, LPARAM(&range));
    SendMessage(rich->Handle(), EM_FORMATRANGE, FALSE, 0);
}

// ---- Borders ----------------------------------------------------------------------------------

void TBavStringGrid::DrawCellBorders(TCanvas* canvas, CellPaint& cell) {
    TPen saved;
    saved.Assign(canvas->Pen());
    TCellBorders borders;
    GetCellBorder(cell.realCol, cell.row, borders, canvas->Pen());
    TPen left, top, right, bottom;
    for (TPen* side : {&left, &top, &right, &bottom}) side->Assign(canvas->Pen());
    if (onGetCellBorderProp_) onGetCellBorderProp_(this, cell.row, cell.realCol, &left, &top, &right, &bottom);
    auto side = [&](TPen* pen, int x1, int y1, int x2, int y2) {
        canvas->Pen()->Assign(pen);
        Line(canvas, x1, y1, x2, y2);
    };
    if (!borders.Empty()) {
        TRect r = cell.rect;
        const int inset = (canvas->Pen()->Width() + 1) / 2;
        if (Options().Contains(goVertLine)) {
            r.left += inset;
            r.right -= inset - 1;
        }
        if (Options().Contains(goHorzLine)) {
            r.top += inset;
            r.bottom -= inset - 1;
        }
        if (borders.Contains(cbLeft)) side(&left, r.left, r.top, r.left, r.bottom);
        if (borders.Contains(cbRight)) side(&right, r.right - 1, r.top, r.right - 1, r.bottom);
        if (borders.Contains(cbTop)) {
            const int y = GridLineWidth() == 0 ? r.top + 1 : r.top - GridLineWidth();
            side(&top, r.left, y, r.right, y);
        }
        if (borders.Contains(cbBottom)) side(&bottom, r.left, r.bottom - 1, r.right, r.bottom - 1);
    }
    canvas->Pen()->Assign(&saved);
}

// ---- Window border and helpers ------------------------------------------------------------------

void TBavStringGrid::WMNCPaint(TMessage& message) {
    TBaseGrid::WndProc(message);
    if (updateCount_ == 0) DrawLookBorder();
}

void TBavStringGrid::DrawLookBorder() {
    if (look_ != glSoft && look_ != glQuarn && look_ != glXP && look_ != glListView) return;
    if (BorderStyle() != bsSingle || flat_ || !HandleAllocated()) return;
    const HDC dc = GetWindowDC(Handle());
    const HBRUSH outer = CreateSolidBrush(ColorToRGB(clGray));
    RECT r = {1, 1, Width() - 1, Height() - 1};
    FrameRect(dc, &r, outer);
    DeleteObject(outer);
    const HBRUSH parent = CreateSolidBrush(ColorToRGB(Parent() ? Parent()->Color() : Color()));
    r = {0, 0, Width(), Height()};
    FrameRect(dc, &r, parent);
    DeleteObject(parent);
    ReleaseDC(Handle(), dc);
}

void TBavStringGrid::RepaintCellRange(const TGridRect& range) {
    if (!HandleAllocated()) return;
    const TRect first = CellRect(range.Left, range.Top), last = CellRect(range.Right, range.Bottom);
    const TRect r = Rect(std::min(first.left, last.left), std::min(first.top, last.top),
                         std::max(first.right, last.right), std::max(first.bottom, last.bottom));
    InvalidateRect(Handle(), &r, FALSE);
}

int TBavStringGrid::RowLineCount(int row) {
    if (!multilinecells_ || ColCount() < 1) return 1;
    int lines = 1;
    for (int col = 0; col < ColCount(); ++col) lines = std::max(lines, CountTextLines(GetDisplayText(col, row), true));
    return lines;
}

TSize TBavStringGrid::GetCellTextExtent(int col, int row, bool fixedWidth, int fontGrowth) {
    // Measured outside painting too, on a DC of the grid's window (or the
    // screen's before it has one).
    const HWND window = HandleAllocated() ? Handle() : 0;
    const HDC dc = GetDC(window);
    TControlCanvas measuring;
    TSize size{0, 0};
    {
        CanvasOnDC lend(&measuring, dc);
        size = MeasureCellText(&measuring, col, row, fixedWidth, fontGrowth);
    }
    ReleaseDC(window, dc);
    return size;
}

TSize TBavStringGrid::MeasureCellText(TCanvas* canvas, int col, int row, bool fixedWidth, int fontGrowth) {
    TGridDrawState state;
    TAlignment hAlign;
    TVAlignment vAlign;
    bool wordWrap = WordWrap();
    TColor colorTo;
    TCellGradientDirection direction = GradientVertical;
    TBrush brush;
    GetCellLook(col, row, state, false, true, true, &brush, colorTo, canvas->Font(), hAlign, vAlign, wordWrap,
                direction);
    if (fontGrowth != 0) canvas->Font()->SetSize(canvas->Font()->Size() + fontGrowth);
    AnsiString text = GetFormattedCellText(col, row);
    int kind = GetCellTextKind(text, enableHTML_);
    if (kind == ctkFormula) {
        text = CalcCellValue(col, row);
        kind = GetCellTextKind(text, enableHTML_);
    }
    TSize size{0, 0};
    const TRect cellRect = CellRect(col, row);
    if (kind == ctkHTML) {
        THTMLDrawParams params = HTMLDrawParams();
        params.Canvas = canvas;
        params.HTMLText = text;
        params.Rect = Rect(cellRect.left + cellMarginX_, cellRect.top + cellMarginY_,
                           fixedWidth ? cellRect.right - cellMarginX_ : 65535, 65535);
        params.MeasureOnly = true;
        params.WordWrap = wordWrap;
        THTMLDrawResult result;
        DrawHTMLText(params, result);
        size = {result.MaxLineWidth + 2 * cellMarginX_ + 2, result.TotalHeight + 2 * cellMarginY_ + 2};
    } else if (kind == ctkRichText && measuringRichEdit_->Parent()) {
        TBavRichEdit* rich = measuringRichEdit_;
        TStringStream stream(text);
        rich->Lines()->LoadFromStream(&stream);
        canvas->Font()->Assign(rich->SelAttributes());
        rich->SetBounds(0, 0, cellRect.right - cellRect.left, cellRect.bottom - cellRect.top);
        // Switched on and off, so the control lays its text out anew.
        rich->SetWordWrap(true);
        rich->SetWordWrap(false);
        rich->SetWordWrap(WordWrap());
        SendMessage(rich->Handle(), EM_REQUESTRESIZE, 0, 0);
        size = {rich->RequiredWidth() + 2 * cellMarginX_, rich->RequiredHeight() + 2 * cellMarginY_};
    } else if (kind == ctkWide) {
        WideString wide = CellTextToWide(text);
        RECT r = {cellRect.left + cellMarginX_, cellRect.top, cellRect.right - cellMarginX_, cellRect.bottom};
        const UINT lines = wordWrap || multilinecells_ ? DT_WORDBREAK : DT_SINGLELINE;
        DrawTextExW(canvas->Handle(), wide.data(), int(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX | lines, nullptr);
        size = {r.right - r.left + 2 * cellMarginX_, r.bottom - r.top};
    } else if (fixedWidth) {
        // An open Unicode editor shows an empty line after a closing line
        // feed; a letter on it makes that line count.
        const bool uniEditorHere = editorActive_ && col == Col() && row == Row() &&
                                   currentEditorType_ >= edUniEdit && currentEditorType_ <= edUniMemo;
        if (uniEditorHere && !text.empty() && text.back() == '\n') text += 'w';
        RECT r = {cellRect.left + cellMarginX_ + 2, cellRect.top + cellMarginY_ + 2,
                  cellRect.right - cellMarginX_ - 2, cellRect.bottom - cellMarginY_ - 2};
        DrawTextEx(canvas->Handle(), text.data(), int(text.size()), &r,
                   DT_EDITCONTROL | DT_NOPREFIX | DT_CALCRECT | DT_WORDBREAK, nullptr);
        size = {r.right - r.left + 2 * cellMarginX_, r.bottom - r.top + 2 * cellMarginY_};
    } else {
        if (urlShow_ && !urlFull_ && kind == ctkPlain) StripURLPrefix(text);
        int widest = 0, lines = 0;
        AnsiString rest = text;
        do {
            AnsiString line;
            CutFirstLine(rest, true, line);
            widest = std::max(widest, canvas->TextWidth(line));
            ++lines;
        } while (multilinecells_ && !rest.empty());
        size = {widest + 2 * cellMarginX_, canvas->TextHeight("gh") * lines + 2 * cellMarginY_};
    }
    int angle = 0;
    if (IsRotatedCell(col, row, angle)) {
        const double a = angle * M_PI / 180.0;
        const int w = size.cx, h = size.cy;
        size.cx = std::abs(int(w * std::cos(a))) + std::abs(int(h * std::sin(a))) + 12;
        size.cy = std::abs(int(w * std::sin(a))) + std::abs(int(h * std::cos(a))) + 12;
    }
    return size;
}
