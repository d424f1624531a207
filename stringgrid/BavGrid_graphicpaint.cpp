// The painters of cell graphics: check boxes, radio groups, comment marks,
// rotated text and the progress indicators, placed in the cell by the
// graphic's horizontal and vertical placement.
#include <algorithm>
#include <cstdio>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/stringlist.h"
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

// A column of a multi-column sort shows its place in the sort order on a
// filled triangle (or the index glyphs) that points its way.
void TBavStringGrid::DrawSortIndexGlyph(TCanvas* canvas, int position, bool descending, int x, int y) {
    canvas->Brush()->SetColor(sortSettings_->IndexColor());
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetWidth(1);
    TBitmap* up = sortSettings_->IndexUpGlyph();
    TBitmap* down = sortSettings_->IndexDownGlyph();
    if (up->Empty() || down->Empty()) {
        const TPoint descendingPoints[] = {{x - 7, y - 5}, {x + 7, y - 5}, {x, y + 8}};
        const TPoint ascendingPoints[] = {{x - 6, y + 8}, {x + 6, y + 8}, {x, y - 4}};
        canvas->Polygon(descending ? descendingPoints : ascendingPoints, 3);
    } else {
        TBitmap* glyph = descending ? up : down;
        const int top = descending ? y - 7 : y - 5;
        DrawTransparentBitmap(canvas, glyph, FixedColor(), Rect(x - 7, top, x - 7 + glyph->Width(), top + glyph->Height()));
    }
    TFont saved;
    saved.Assign(canvas->Font());
    canvas->Font()->SetColor(clBlack);
    canvas->Font()->SetSize(6);
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(x - 2, descending ? y - 4 : y - 2, IntToStr(position + 1));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Font()->Assign(&saved);
}

void TBavStringGrid::DrawSortGlyph(TCanvas* canvas, int col, int x, int y) {
    const int position = sortSettings_->IndexShow() ? sortIndexes_->FindIndex(col) : -1;
    if (position >= 0) {
        const bool descending = unsigned(sortIndexes_->GetItem(position)) & TSortIndexList::kDescending;
        DrawSortIndexGlyph(canvas, position, descending, x, y);
        return;
    }
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
            DrawThemedProgressBar(Handle(), canvas, r, controlLook_->ProgressMarginX(), controlLook_->ProgressMarginY(),
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
                           CellInteger(cell.realCol, cell.row), graphic->CellIndex(), graphic->CellBoolean(),
                           graphic->CellContentColor(), graphic->CellExtraColor());
        break;
    case ctXPProgress: {
        // An empty span shows an empty bar rather than dividing by it.
        const int span = graphic->CellErrLen() - graphic->CellErrFrom();
        const int percent = span == 0 ? 0 : int(Round(CellInteger(cell.realCol, cell.row) * 100.0 / span));
        const TRect bar = Rect(r.left + controlLook_->ProgressMarginX(), r.top + controlLook_->ProgressMarginY(),
                               r.right - controlLook_->ProgressMarginX() - 1,
                               r.bottom - controlLook_->ProgressMarginY() - 1);
        const TColor brush = canvas->Brush()->Color();
        TFont font;
        font.Assign(Font());
        font.SetColor(progressAppearance_->CompleteFontColor());
        const TGridProgressAppearance& a = *progressAppearance_;
        const TProgressAppearanceRecord look = {
            a.Level0Color(), a.Level0ColorTo(), a.Level1Color(), a.Level1ColorTo(), a.Level2Color(),
            a.Level2ColorTo(), a.Level3Color(), a.Level3ColorTo(), a.Level1Perc(), a.Level2Perc(),
            a.BorderColor(), a.ShowBorder(), a.Stacked(), a.ShowPercentage(), &font,
            a.CompletionSmooth(), a.ShowGradient(), a.Steps(),
            a.UnCompleteColor() == clNone ? Color() : a.UnCompleteColor(), false};
        DrawProgressAppearanceBar(canvas, bar, percent, look);
        canvas->Brush()->SetColor(brush);
        break;
    }
    default:
        break;
    }
}
