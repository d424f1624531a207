// The painters of cell graphics: check boxes, radio groups, comment marks,
// rotated text and the progress indicators, placed in the cell by the
// graphic's horizontal and vertical placement.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/userdraw.h"
#include "stringgrid/BavCellPaint.h"
#include "stringgrid/BavObj.h"
#include "stringgrid/BavUtil.h"
#include "stringgrid/themes/BavXPVS.h"

namespace {

bool IsCheckBoxType(TCellType type) {
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
}

TColor Inverted(TColor color) { return TColor(ColorToRGB(color) ^ 0xFFFFFF); }

// The graphic's box in the cell by its placements.
TRect PlaceBox(const TRect& cell, int width, int height, TCellHAlign hAlign, TCellVAlign vAlign,
               TAlignment textAlign, int textWidth) {
    const int cellWidth = cell.right - cell.left, cellHeight = cell.bottom - cell.top;
    int left = cell.left + 1;
    switch (hAlign) {
    case haRight:
        left = cell.right - width - 1;
        break;
    case haCenter:
        if (width < cellWidth) left = cell.left + (cellWidth - width) / 2;
        break;
    case haBeforeText:
        if (textAlign == taRightJustify) left = std::max(cell.left + 1, cell.right - textWidth - width);
        if (textAlign == taCenter) left = std::max(cell.left + 1, cell.left + (cellWidth - textWidth - width) / 2);
        break;
    case haAfterText:
        if (textAlign == taLeftJustify) left = cell.left + textWidth;
        if (textAlign == taRightJustify) left = cell.right - width - 1;
        if (textAlign == taCenter)
            left = std::max(cell.left + 1, cell.left + textWidth + (cellWidth - textWidth - width) / 2);
        break;
    case haFull:
        left = cell.left;
        width = cellWidth;
        break;
    default:
        break;
    }
    int top = cell.top + 1;
    switch (vAlign) {
    case vaBottom:
        top = cell.bottom - height - 1;
        break;
    case vaCenter:
        if (height < cellHeight) top = cell.top + (cellHeight - height) / 2;
        break;
    case vaUnderText:
        top = cell.bottom - height;
        break;
    case vaFull:
        top = cell.top;
        height = cellHeight;
        break;
    default:
        break;
    }
    return Rect(left, top, left + width, top + height);
}

// The bar with its text split between the done and the rest colours. A
// maximum of 0 shows an empty bar rather than dividing by it.
void DrawProgressBar(TCanvas* canvas, TRect r, TColor doneColor, TColor doneTextColor, TColor restColor,
                     TColor restTextColor, int value, int marginX, int marginY, int minimum, int maximum,
                     const AnsiString& formatText, TColor borderColor) {
    const TColor savedBrush = canvas->Brush()->Color();
    AnsiString text;
    int percent;
    if (!formatText.empty()) {
        text = Format(formatText, {value});
        percent = maximum == 0 ? 0 : int(std::lround((value - minimum) * 100.0 / maximum));
    } else {
        text = IntToStr(value) + "%";
        percent = value;
    }
    percent = std::clamp(percent, std::min(minimum, maximum), std::max(minimum, maximum));
    r = Rect(r.left + marginX, r.top + marginY, r.right - marginX, r.bottom - marginY);
    const int doneRight = r.left + int(std::lround(percent * (r.right - r.left) / 100.0));
    const TSize extent = canvas->TextExtent(text);
    const int x = r.left + (r.right - r.left - extent.cx) / 2, y = r.top + (r.bottom - r.top - extent.cy) / 2;
    SetBkMode(canvas->Handle(), TRANSPARENT);
    const TRect done = Rect(r.left, r.top, doneRight, r.bottom), rest = Rect(doneRight, r.top, r.right, r.bottom);
    canvas->Brush()->SetColor(doneColor);
    canvas->FillRect(done);
    canvas->Font()->SetColor(doneTextColor);
    canvas->TextRect(done, x, y, text);
    canvas->Brush()->SetColor(restColor);
    canvas->FillRect(rest);
    canvas->Font()->SetColor(restTextColor);
    canvas->TextRect(rest, x, y, text);
    r = Rect(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
    if (borderColor != clNone) {
        canvas->Brush()->SetColor(borderColor);
        canvas->FrameRect(r);
    }
    r = Rect(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
    canvas->Brush()->SetColor(savedBrush);
    canvas->FrameRect(r);
}

// The pie from the top middle, clockwise, over `percent` of the circle.
// The visual style's progress bar inside the margins, its chunk `percent`
// of the inner width (not limited to it).
void DrawThemedProgress(HWND window, TCanvas* canvas, TRect r, int marginX, int marginY, int percent) {
    r = Rect(r.left + marginX, r.top + marginY, r.right - marginX, r.bottom - marginY);
    xpvs::DrawPart(window, canvas->Handle(), u"Progress", PP_BAR, 0, r);
    r = Rect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
    const int width = int(std::lround(percent * double(r.right - r.left) / 100.0));
    xpvs::DrawPart(window, canvas->Handle(), u"Progress", PP_CHUNK, 1, RECT{r.left, r.top, r.left + width, r.bottom});
}

void DrawProgressPie(TCanvas* canvas, const TRect& r, TColor color, int percent) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int cx = r.left + w / 2, cy = r.top + h / 2;
    canvas->Pen()->SetColor(TColor(0x808080));
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(r);
    canvas->Brush()->SetStyle(bsSolid);
    const double a = percent / 100.0 * 2 * M_PI;
    const int ex = cx + int(std::lround((w + 1) / 2.0 * std::sin(a))), ey = cy - int(std::lround((h + 1) / 2.0 * std::cos(a)));
    if (percent > 0) {
        canvas->Brush()->SetColor(color);
        if (percent >= 100)
            canvas->Ellipse(r);
        else
            canvas->Pie(r.left, r.top, r.right, r.bottom, ex, ey, cx, r.top);
    }
    canvas->MoveTo(cx, r.top);
    canvas->LineTo(cx, cy);
    canvas->LineTo(ex, ey);
}

// A bar from the middle: left for negative values, right for positive
// ones. A range of 0 draws an empty bar.
void DrawRangeIndicator(TCanvas* canvas, TRect r, int value, TColor negative, TColor positive, bool showValue,
                        int range) {
    r = Rect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
    const int half = (r.right - r.left) / 2;
    const int limited = std::clamp(value, -std::abs(range), std::abs(range));
    const int bar = range == 0 ? 0 : int(std::lround(half * double(limited) / range));
    const TColor brush = canvas->Brush()->Color();
    if (limited < 0) {
        canvas->Brush()->SetColor(negative);
        canvas->FillRect(Rect(r.left + half + bar, r.top, r.left + half, r.bottom));
    } else {
        canvas->Brush()->SetColor(positive);
        canvas->FillRect(Rect(r.left + half, r.top, r.left + half + bar, r.bottom));
    }
    canvas->Pen()->SetColor(clBlack);
    canvas->MoveTo(r.left + half, r.top);
    canvas->LineTo(r.left + half, r.bottom);
    canvas->Brush()->SetColor(brush);
    if (showValue) {
        SetBkMode(canvas->Handle(), TRANSPARENT);
        const AnsiString text = IntToStr(value);
        canvas->TextOut(r.left + (r.right - r.left - canvas->TextWidth(text)) / 2,
                        r.top + (r.bottom - r.top - canvas->TextHeight(text)) / 2, text);
    }
}

// The bar of levels: segments of the level colours up to `percent`, stacked
// by the levels or in the colour of the level reached, smooth or in blocks.
void DrawProgressAppearanceBar(TCanvas* canvas, TRect r, int percent, const TGridProgressAppearance& look,
                               TFont* font, TColor background) {
    const TColor outline = look.ShowBorder() ? look.BorderColor() : background;
    canvas->Brush()->SetColor(background);
    canvas->FillRect(r);
    auto frame = [&] {
        canvas->Brush()->SetColor(outline);
        canvas->FrameRect(r);
    };
    frame();
    const int inner = r.right - r.left - 2;
    int x = r.left + 1;
    auto segment = [&](int length, TColor color, TColor colorTo) {
        if (length <= 0) return;
        const TRect part = Rect(x, r.top + 1, x + length, r.bottom - 1);
        if (look.ShowGradient()) {
            const int middle = part.top + (part.bottom - part.top) / 2;
            DrawGradient(canvas, colorTo, color, look.Steps(), Rect(part.left, part.top, part.right, middle), false);
            DrawGradient(canvas, color, colorTo, look.Steps(), Rect(part.left, middle, part.right, part.bottom), false);
        } else {
            canvas->Brush()->SetColor(color);
            canvas->FillRect(part);
        }
        x += length;
    };
    const int l1 = look.Level1Perc(), l2 = look.Level2Perc();
    if (percent > 0 && look.Stacked()) {
        const int first = int(std::lround(std::min(percent, l1) / 100.0 * inner));
        segment(first, look.Level0Color(), look.Level0ColorTo());
        int second = 0;
        if (percent >= l1) {
            second = int(std::lround((std::min(percent, l2) - l1) / 100.0 * inner));
            segment(second, look.Level1Color(), look.Level1ColorTo());
        }
        if (percent >= l2)
            segment(percent == 100 ? inner - first - second : int(std::lround((percent - l2) / 100.0 * inner)),
                    look.Level3Color(), look.Level3ColorTo());
    } else if (percent > 0) {
        TColor color = look.Level2Color(), colorTo = look.Level2ColorTo();
        if (percent < l1) {
            color = look.Level0Color();
            colorTo = look.Level0ColorTo();
        } else if (percent < l2) {
            color = look.Level1Color();
            colorTo = look.Level1ColorTo();
        } else if (percent > 99) {
            color = look.Level3Color();
            colorTo = look.Level3ColorTo();
        }
        if (look.CompletionSmooth()) {
            segment(int(std::lround(percent / 100.0 * inner)), color, colorTo);
        } else {
            const int e = int(std::lround(percent * inner / 100.0));
            auto block = [&](int left, int width) {
                canvas->Brush()->SetColor(color);
                canvas->FillRect(Rect(left, r.top + 2, left + width, r.bottom - 2));
            };
            if (e < 10) {
                if (e > 1) block(r.left + 2, e);
            } else {
                int left = r.left + 2;
                block(left, 7);
                for (int i = 0; i < e / 9 - 1; ++i) {
                    left += 9;
                    block(left, 7);
                }
                if (e % 9 > 2) block(left + 9, e % 9 - 1);
            }
        }
    }
    if (look.ShowPercentage()) {
        canvas->Font()->Assign(font);
        canvas->Font()->SetColor(look.CompleteFontColor());
        SetBkMode(canvas->Handle(), TRANSPARENT);
        const AnsiString text = IntToStr(percent) + "%";
        canvas->TextOut(r.left + (r.right - r.left) / 2 - canvas->TextWidth(text) / 2,
                        r.top + (r.bottom - r.top) / 2 - canvas->TextHeight(text) / 2, text);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetColor(outline);
    canvas->Rectangle(r);
    canvas->Brush()->SetStyle(bsSolid);
}

}  // namespace

int TBavStringGrid::CellInteger(int col, int row) {
    // A cell whose text is not a number shows as 0 rather than failing the paint.
    try {
        return GetCellInteger(col, row);
    } catch (const EBavGridError&) {
        return 0;
    }
}

namespace {

// One of four state pictures (checked or not, enabled or not) numbered
// from `first`, transparent by its bottom-left pixel.
void DrawStateBitmap(TCanvas* canvas, const TRect& rect, const char* prefix, int first, bool checked, bool enabled) {
    const int index = first + (checked ? 0 : 1) + (enabled ? 0 : 2);
    char name[16];
    std::snprintf(name, sizeof name, "%s%02d", prefix, index);
    TBitmap bitmap;
    bitmap.LoadFromResourceName(HInstance, name);
    bitmap.SetTransparent(true);
    canvas->Draw(rect.left, rect.top, &bitmap);
}

// The visual style's check-box and radio-button states.
int CheckState(bool checked, bool enabled) {
    if (checked) return enabled ? CBS_CHECKEDNORMAL : CBS_CHECKEDDISABLED;
    return enabled ? CBS_UNCHECKEDNORMAL : CBS_UNCHECKEDDISABLED;
}

}  // namespace

void TBavStringGrid::DrawCheckBox(TCanvas* canvas, const TRect& rect, bool checked, bool enabled) {
    if (controlLook_->NoDisabledCheckRadioLook() || controlLook_->CheckAlwaysActive()) enabled = true;
    const int size = controlLook_->CheckSize();
    switch (controlLook_->ControlStyle()) {
    case csTheme:
        // Without visual styles a themed box is not drawn at all.
        if (themes_)
            xpvs::DrawPart(Handle(), canvas->Handle(), u"button", BP_CHECKBOX, CheckState(checked, enabled),
                           RECT{rect.left, rect.top, rect.left + size, rect.top + size});
        return;
    case csClassic:
    case csFlat: {
        RECT box = {rect.left, rect.top, rect.left + size, rect.top + size};
        UINT state = DFCS_BUTTONCHECK;
        if (checked) state |= DFCS_CHECKED;
        if (!enabled) state |= DFCS_INACTIVE;
        if (controlLook_->ControlStyle() == csFlat) state |= DFCS_FLAT;
        DrawFrameControl(canvas->Handle(), &box, DFC_BUTTON, state);
        return;
    }
    case csVelmorth: {
        const TRect r = Rect(rect.left, rect.top, rect.left + size, rect.top + size);
        canvas->Brush()->SetColor(enabled ? clBtnFace : clBtnShadow);
        canvas->FillRect(r);
        DrawRaisedFrame(canvas, r, clBtnHighlight, clBtnShadow);
        if (checked) {
            canvas->Pen()->SetColor(enabled ? controlLook_->Color() : clGray);
            canvas->MoveTo(r.left + 2, r.top + size / 2);
            canvas->LineTo(r.left + 2, r.bottom - 2);
            canvas->MoveTo(r.left + 3, r.top - 1 + size / 2);
            canvas->LineTo(r.left + 3, r.bottom - 3);
            canvas->MoveTo(r.left + 2, r.bottom - 2);
            canvas->LineTo(r.right - 2, r.top + 2);
            canvas->MoveTo(r.left + 3, r.bottom - 2);
            canvas->LineTo(r.right - 1, r.top + 2);
        }
        return;
    }
    case csWinXP:
    case csQuarn:
        DrawStateBitmap(canvas, rect, "BQGCHK", controlLook_->ControlStyle() == csQuarn ? 1 : 5, checked, enabled);
        return;
    case csGlyph: {
        TBitmap* glyph = checked ? controlLook_->CheckedGlyph() : controlLook_->UnCheckedGlyph();
        if (!glyph->Empty()) DrawTransparentBitmap(canvas, glyph, canvas->Brush()->Color(), rect);
        return;
    }
    default:
        return;
    }
}

void TBavStringGrid::DrawRadioGroup(TCanvas* canvas, const TRect& rect, TStrings* items, bool horizontal,
                                    int checkedIndex, bool enabled) {
    if (!items) return;
    if (controlLook_->NoDisabledCheckRadioLook() || controlLook_->RadioAlwaysActive()) enabled = true;
    const TGridControlStyle style = controlLook_->ControlStyle();
    const bool pictures = style == csWinXP || style == csQuarn;
    const int size = pictures || style == csTheme ? 16 : controlLook_->RadioSize();
    const int lineHeight = canvas->TextHeight("gh");
    SetBkMode(canvas->Handle(), TRANSPARENT);
    int x = rect.left + 2;
    for (int i = 0; i < items->Count(); ++i) {
        const AnsiString text = items->Strings(i);
        const int top = horizontal ? rect.top + (rect.bottom - rect.top - size) / 2 : rect.top + i * lineHeight + 2;
        const int left = horizontal ? x : rect.left + 2;
        if (pictures) {
            DrawStateBitmap(canvas, Rect(left, top, left + size, top + size), "BQGRAD", style == csQuarn ? 1 : 5,
                            i == checkedIndex, enabled);
        } else if (style == csTheme) {
            if (themes_)
                xpvs::DrawPart(Handle(), canvas->Handle(), u"button", BP_RADIOBUTTON,
                               CheckState(i == checkedIndex, enabled), RECT{left, top, left + size, top + size});
        } else {
            RECT box = {left, top, left + size, top + size};
            UINT state = DFCS_BUTTONRADIO;
            if (i == checkedIndex) state |= DFCS_CHECKED;
            if (!enabled) state |= DFCS_INACTIVE;
            if (style == csFlat) state |= DFCS_FLAT;
            DrawFrameControl(canvas->Handle(), &box, DFC_BUTTON, state);
        }
        if (horizontal) {
            canvas->TextOut(left + size + 2, top - 2, text);
            x = left + size + 2 + canvas->TextWidth(text) + 8;
        } else {
            canvas->TextOut(left + size + 4, rect.top + i * lineHeight, text);
        }
    }
}

void TBavStringGrid::DrawSortGlyph(TCanvas* canvas, int x, int y) {
    const bool descending = sortSettings_->Direction() == sdDescending;
    TBitmap* glyph = descending ? sortSettings_->DownGlyph() : sortSettings_->UpGlyph();
    if (!sortSettings_->UpGlyph()->Empty() && !sortSettings_->DownGlyph()->Empty()) {
        DrawTransparentBitmap(canvas, glyph, FixedColor(), Rect(x - 4, y - 4, x - 4 + glyph->Width(), y - 4 + glyph->Height()));
        canvas->Brush()->SetColor(FixedColor());
        return;
    }
    // A raised triangle of side 8: lit on its upper left, shaded below.
    canvas->Pen()->SetWidth(1);
    if (descending) {
        canvas->Pen()->SetColor(clWhite);
        canvas->MoveTo(x + 4, y - 4);
        canvas->LineTo(x, y + 4);
        canvas->Pen()->SetColor(clGray);
        canvas->LineTo(x - 4, y - 4);
        canvas->LineTo(x + 4, y - 4);
    } else {
        canvas->Pen()->SetColor(clWhite);
        canvas->MoveTo(x - 4, y + 4);
        canvas->LineTo(x + 4, y + 4);
        canvas->LineTo(x, y - 4);
        canvas->Pen()->SetColor(clGray);
        canvas->LineTo(x - 4, y + 4);
    }
}

void TBavStringGrid::DrawNodeGlyph(TCanvas* canvas, CellPaint& cell) {
    const TRect& r = cell.rect;
    const int indent = GetNodeIndent(cell.row), nodeIndent = cellNode_->NodeIndent();
    const bool contracted = cell.graphic->CellBoolean();
    int left = r.left + indent - nodeIndent;
    if (cellNode_->ShowTree() && cell.row >= TBaseGrid::FixedRows()) {
        const int x = left + nodeIndent / 2 + 2;
        canvas->Pen()->SetColor(cellNode_->TreeColor());
        canvas->Pen()->SetWidth(1);
        const bool next = cell.row + 1 < RowCount();
        const int nextIndent = next ? GetNodeIndent(cell.row + 1) : 0;
        if (next && nextIndent > 0 && !(contracted && nextIndent < indent)) {
            canvas->MoveTo(x, r.top + 6);
            canvas->LineTo(x, r.bottom);
        }
        if (cell.row > 0 && GetNodeIndent(cell.row - 1) >= indent) {
            canvas->MoveTo(x, r.top);
            canvas->LineTo(x, r.top + 6);
        }
    }
    const bool shifted = cell.col < TBaseGrid::FixedCols() && !flat_ && look_ != glStandard && look_ != glClassic;
    if (shifted) ++left;
    const int boxLeft = r.left + indent - nodeIndent / 2 - 4 + (shifted ? 1 : 0);
    TColor back = canvas->Brush()->Color();
    if (back == clNone) back = TBaseGrid::FixedCols() == 0 ? Color() : FixedColor();
    const int height = r.bottom - r.top;
    switch (cellNode_->NodeType()) {
    case cnLeaf: {
        const int top = r.top + (height - 12) / 2;
        DrawTransparentResourceBitmap(canvas, back, Rect(boxLeft, top, boxLeft + 16, top + 16),
                                      contracted ? "BQGLEAFCLOSE" : "BQGLEAFOPEN");
        return;
    }
    case cnXP: {
        const int top = r.top + (height - 10) / 2;
        DrawTransparentResourceBitmap(canvas, back, Rect(boxLeft + 4, top, boxLeft + 13, top + 9),
                                      contracted ? "XPNODEC" : "XPNODEO");
        return;
    }
    case cnGlyph:
        if (!cellNode_->ExpandGlyph()->Empty() && !cellNode_->ContractGlyph()->Empty()) {
            TBitmap* glyph = contracted ? cellNode_->ContractGlyph() : cellNode_->ExpandGlyph();
            const int top = r.top + (height - cellNode_->ContractGlyph()->Height()) / 2;
            DrawTransparentBitmap(canvas, glyph, back, Rect(boxLeft, top, boxLeft + glyph->Width(), top + glyph->Height()));
            return;
        }
        break;
    default:
        break;
    }
    // The plain box: raised while contracted and sunken while expanded, or
    // flat with a minus and, contracted, a plus.
    const int x = boxLeft + 4, y = r.top + (height - 8) / 2;
    TRect box = Rect(x, y, x + 8, y + 8);
    const TColor brush = canvas->Brush()->Color();
    canvas->Brush()->SetColor(cellNode_->Color());
    if (cellNode_->NodeType() == cnFlat) {
        canvas->Pen()->SetColor(cellNode_->NodeColor());
        canvas->Rectangle(Rect(x - 1, y - 1, x + 9, y + 9));
        canvas->MoveTo(x + 1, y + 3);
        canvas->LineTo(x + 6, y + 3);
        if (contracted) {
            canvas->MoveTo(x + 3, y + 1);
            canvas->LineTo(x + 3, y + 6);
        }
    } else {
        canvas->FillRect(box);
        DrawEdge(canvas->Handle(), &box, contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
    }
    canvas->Brush()->SetColor(brush);
}

void TBavStringGrid::DrawCellGraphic(TCanvas* canvas, CellPaint& cell) {
    TCellGraphic* graphic = cell.graphic;
    const TCellType type = graphic->CellType();
    const TRect r = cell.rect;
    const int textWidth = cell.textWidth > 0 ? cell.textWidth + 2 : 0;
    TCellVAlign vAlign = cell.graphicVAlign;
    if (IsCheckBoxType(type)) vAlign = vAlignment_ == vtaCenter ? vaCenter : vAlignment_ == vtaBottom ? vaBottom : vaTop;
    TRect box = PlaceBox(r, cell.graphicWidth, cell.graphicHeight, cell.graphicHAlign, vAlign, cell.hAlign, textWidth);
    bool enabled = true;
    switch (type) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: {
        const int width = cell.graphicWidth;
        const int ownText = type == ctCheckBox ? textWidth : 0;
        int left = r.left + 1;
        if (cell.hAlign == taRightJustify)
            left = r.right - 1 - width - ownText;
        else if (cell.hAlign == taCenter)
            left = ownText > 0 ? r.left + std::max(0, (r.right - r.left - ownText) / 2 - width)
                               : r.left + std::max(0, (r.right - r.left - width) / 2);
        box = Rect(std::max(left, r.left + 1), box.top, std::max(left, r.left + 1) + width, box.bottom);
        CanEditCellHook(cell.realCol, cell.row, enabled);
        bool checked = graphic->CellBoolean();
        if (type == ctDataCheckBox || type == ctVirtCheckBox) {
            AnsiString trueText;
            GetCheckTrueText(cell.realCol, cell.row, trueText);
            checked = GetDisplayText(cell.col, cell.row) == trueText;
        }
        DrawCheckBox(canvas, box, checked, enabled);
        break;
    }
    case ctBitmap:
        if (auto* bitmap = dynamic_cast<TBitmap*>(graphic->CellContent())) {
            if (graphic->CellTransparent()) {
                const bool selectedRow = showSelection_ && cell.state.Contains(gdSelected);
                DrawTransparentBitmap(canvas, bitmap, selectedRow ? selectionColor_ : canvas->Brush()->Color(), box);
            } else {
                canvas->Draw(box.left, box.top, bitmap);
            }
        }
        break;
    case ctIcon:
        if (auto* icon = dynamic_cast<TIcon*>(graphic->CellExtra())) canvas->Draw(box.left, box.top, icon);
        break;
    case ctImageList:
    case ctDataImage: {
        // A data image whose text is no integer shows nothing.
        int value = 0;
        if (!gridImages_ || (type == ctDataImage && !TryStrToInt(GetDisplayText(cell.col, cell.row), value))) break;
        const int index = graphic->CellIndex() + value;
        if (index >= 0 && index < gridImages_->Count()) gridImages_->Draw(canvas, box.left, box.top, index);
        break;
    }
    case ctImages:
        if (auto* indexes = dynamic_cast<TIntList*>(graphic->CellContent()); indexes && gridImages_) {
            const bool across = graphic->CellBoolean();
            for (int i = 0; i < indexes->Count(); ++i) {
                const int step = across ? i * gridImages_->Width() : i * gridImages_->Height();
                gridImages_->Draw(canvas, box.left + (across ? step : 0), box.top + (across ? 0 : step),
                                  indexes->GetItem(i));
            }
        }
        break;
    case ctPicture:
        if (auto* picture = dynamic_cast<TPicture*>(graphic->CellContent())) {
            if (graphic->CellAngle() != 0)
                canvas->StretchDraw(box, picture->Graphic());
            else
                canvas->Draw(box.left, box.top, picture->Graphic());
        }
        break;
    case ctFilePicture:
        if (auto* picture = dynamic_cast<TFilePicture*>(graphic->CellContent())) picture->Draw(canvas, box);
        break;
    case ctRadio:
        CanEditCellHook(cell.realCol, cell.row, enabled);
        DrawRadioGroup(canvas, r, dynamic_cast<TStrings*>(graphic->CellContent()), graphic->CellBoolean(),
                       graphic->CellIndex(), enabled);
        break;
    case ctNode:
        DrawNodeGlyph(canvas, cell);
        break;
    case ctRotated:
        DrawRotatedText(canvas, r, graphic->CellAngle(), cell.vAlign, cell.hAlign, GetDisplayText(cell.col, cell.row));
        break;
    case ctComment: {
        const TColor color = TColor(graphic->CellAngle()) != clNone && graphic->CellAngle() != 0
                                 ? TColor(graphic->CellAngle())
                                 : controlLook_->CommentColor();
        if (controlLook_->CommentColor() == clNone) break;
        const TPoint points[] = {{r.right - 7, r.top + 1}, {r.right - 2, r.top + 1}, {r.right - 2, r.top + 6}};
        canvas->Brush()->SetColor(color);
        canvas->Pen()->SetColor(color);
        canvas->Polygon(points, 3);
        break;
    }
    case ctProgress: {
        const TGridControlStyle style = controlLook_->ControlStyle();
        if ((style == csWinXP || style == csTheme) && themes_ && controlLook_->ProgressXP()) {
            DrawThemedProgress(Handle(), canvas, r, controlLook_->ProgressMarginX(), controlLook_->ProgressMarginY(),
                               CellInteger(cell.realCol, cell.row));
            break;
        }
        const TColor done = graphic->CellContentColor(), rest = graphic->CellExtraColor();
        const bool ownText = graphic->CellBoolean();
        DrawProgressBar(canvas, Rect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2), done,
                        ownText ? TColor(graphic->CellIndex()) : Inverted(done), rest,
                        ownText ? TColor(graphic->CellAngle()) : Inverted(rest), CellInteger(cell.realCol, cell.row),
                        controlLook_->ProgressMarginX(), controlLook_->ProgressMarginY(), graphic->CellErrFrom(),
                        graphic->CellErrLen(), graphic->CellText(), controlLook_->ProgressBorderColor());
        break;
    }
    case ctButton:
    case ctBitButton: {
        // The box's place in the cell, for the mouse to find it.
        graphic->SetCellValue(double(MAKELONG(WORD(box.left - r.left), WORD(box.top - r.top))));
        bool enabledButton = true;
        if (!controlLook_->NoDisabledButtonLook()) CanEditCellHook(cell.realCol, cell.row, enabledButton);
        RECT face = {box.left, box.top, box.right, box.bottom};
        const TColor brush = canvas->Brush()->Color();
        if (themes_ && xpvs::ThemesActive()) {
            const int state = !enabledButton ? PBS_DISABLED : graphic->CellBoolean() ? PBS_PRESSED : PBS_NORMAL;
            xpvs::DrawPart(Handle(), canvas->Handle(), u"button", BP_PUSHBUTTON, state, face);
        } else {
            UINT state = DFCS_BUTTONPUSH;
            if (graphic->CellBoolean()) state |= DFCS_PUSHED;
            if (!enabledButton) state |= DFCS_INACTIVE;
            if (controlLook_->FlatButton()) state |= DFCS_FLAT;
            DrawFrameControl(canvas->Handle(), &face, DFC_BUTTON, state);
        }
        const int inset = graphic->CellBoolean() ? 3 : 2;
        TRect caption = Rect(box.left + inset, box.top + inset, box.right - inset, box.bottom - inset);
        auto* bitmap = dynamic_cast<TBitmap*>(graphic->CellContent());
        if (type == ctBitButton && bitmap && !bitmap->Empty()) {
            DrawTransparentBitmap(canvas, bitmap, clBtnFace,
                                  Rect(caption.left, caption.top, caption.left + bitmap->Width(),
                                       caption.top + bitmap->Height()));
            caption.left += bitmap->Width() + 2;
        }
        SetBkMode(canvas->Handle(), TRANSPARENT);
        canvas->Font()->SetColor(enabledButton ? clBtnText : clGrayText);
        AnsiString text = graphic->CellText();
        DrawText(canvas->Handle(), text.data(), int(text.size()), &caption, DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
        canvas->Brush()->SetColor(brush);
        break;
    }
    case ctProgressPie:
        DrawProgressPie(canvas, Rect(box.left, box.top, box.left + 20, box.top + 20), graphic->CellContentColor(),
                        graphic->CellAngle());
        break;
    case ctRangeIndicator:
        DrawRangeIndicator(canvas,
                           Rect(r.left + controlLook_->ProgressMarginX(), r.top + controlLook_->ProgressMarginY(),
                                r.right - controlLook_->ProgressMarginX(), r.bottom - controlLook_->ProgressMarginY()),
                           CellInteger(cell.realCol, cell.row), graphic->CellContentColor(),
                           graphic->CellExtraColor(), graphic->CellBoolean(), graphic->CellIndex());
        break;
    case ctXPProgress: {
        // An empty span shows an empty bar rather than dividing by it.
        const int span = graphic->CellErrLen() - graphic->CellErrFrom();
        const int percent = span == 0 ? 0 : int(std::lround(CellInteger(cell.realCol, cell.row) * 100.0 / span));
        const TRect bar = Rect(r.left + controlLook_->ProgressMarginX(), r.top + controlLook_->ProgressMarginY(),
                               r.right - controlLook_->ProgressMarginX() - 1,
                               r.bottom - controlLook_->ProgressMarginY() - 1);
        const TColor brush = canvas->Brush()->Color();
        const TColor background =
            progressAppearance_->UnCompleteColor() == clNone ? Color() : progressAppearance_->UnCompleteColor();
        DrawProgressAppearanceBar(canvas, bar, percent, *progressAppearance_, Font(), background);
        canvas->Brush()->SetColor(brush);
        break;
    }
    default:
        break;
    }
}
