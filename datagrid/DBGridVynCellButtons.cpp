// Buttons inside cells: the edit buttons a column always shows beside its
// value, and the filter row's cells with their drop-down button.
#include <algorithm>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/ToolCtrlsVynButtons.h"
#include "platform/data/field.h"
#include "platform/win/userdraw.h"
#include "platform/win/winuser.h"

namespace {

// The button a column's own editor shows, if any.
bool ColumnButtonStyle(TColumnVyn* column, TEditButtonStyleVyn& style) {
    const TInplaceEditStyle editStyle = TDBGridInplaceEdit::ColumnEditStyle(column);
    style = editStyle == iesEllipsis ? ebsEllipsisVyn : editStyle == iesUpDown ? ebsUpDownVyn : ebsDropDownVyn;
    return editStyle != iesSimple;
}

}  // namespace

void TCustomDBGridVyn::DrawEditButton(TCanvas* canvas, TEditButtonStyleVyn style, TBitmap* glyph, TColor color,
                                      bool enabled, bool active, int downButton, const TRect& cell, TRect button) {
    const HDC dc = canvas->Handle();
    SavedClipRegion clip(dc);
    if (button.left < cell.left) IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    if (flat_) {
        canvas->Pen()->SetColor(active ? clBtnFace : color);
        canvas->Pen()->SetWidth(1);
        canvas->MoveTo(button.left, button.top);
        canvas->LineTo(button.left, button.bottom);
        button.left += 1;
    }
    if (style != ebsGlyphVyn) {
        PaintEditButtonFace(dc, button, color, ButtonFaceOf(style), downButton, flat_, active, enabled, cbUnchecked);
        return;
    }
    TRect inner = button;
    if (flat_) {
        canvas->Brush()->SetColor(color);
        canvas->FrameRect(button);
        inner = {button.left + 1, button.top + 1, button.right - 1, button.bottom - 1};
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(inner);
    } else {
        RECT edge = button;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
        inner = {button.left + 2, button.top + 2, button.right - 2, button.bottom - 2};
    }
    if (glyph && !glyph->Empty()) DrawImageClipped(nullptr, glyph, canvas, inner, 0, 0, taCenter);
}

void TCustomDBGridVyn::DrawColumnEditButtons(TColumnVyn* column, const TRect& cell, TRect& textRect, bool is3D) {
    TEditButtonStyleVyn ownStyle = ebsDropDownVyn;
    const bool ownButton = ColumnButtonStyle(column, ownStyle);
    const int f = flat_ ? 1 : 0;
    std::vector<std::pair<TEditButtonVyn*, int>> extras;
    int total = ownButton ? editButtonWidth_ + f : 0;
    for (int i = 0; i < column->EditButtons()->Count(); ++i) {
        TEditButtonVyn* button = column->EditButtons()->Items(i);
        if (!button->Visible()) continue;
        const int width = (button->Width() < 1 ? editButtonWidth_ : button->Width()) + f;
        extras.emplace_back(button, width);
        total += width;
    }
    if (total == 0) return;
    textRect.right = std::max(textRect.left, textRect.right - total);
    TCanvas* canvas = Canvas();
    const TColor color = canvas->Brush()->Color();
    const bool enabled = dataLink_->Active();
    int left = textRect.right;
    const int top = is3D ? cell.top - 1 : cell.top;
    auto place = [&](int width) {
        TRect button{left, top, left + width, top + editButtonHeight_};
        if (is3D) {
            button.left += 1;
            button.right += 1;
        }
        left += width;
        return button;
    };
    auto strip = [&](const TRect& button) {
        if (flat_ && is3D) canvas->FillRect({button.left - 1, button.top, button.left, button.bottom});
        if (editButtonHeight_ < DefaultRowHeight()) canvas->FillRect({button.left, button.bottom, button.right, cell.bottom});
    };
    if (ownButton) {
        const TRect button = place(editButtonWidth_ + f);
        strip(button);
        DrawEditButton(canvas, ownStyle, nullptr, color, enabled, false, 0, cell, button);
    }
    for (auto [extra, width] : extras) {
        const TRect button = place(width);
        strip(button);
        DrawEditButton(canvas, extra->Style(), extra->Glyph(), color, enabled, false, 0, cell, button);
    }
}

void TCustomDBGridVyn::DrawFilterCell(TColumnVyn* column, int col, int row, TRect rect, TGridDrawState state,
                                      const TCellTypeVyn& type, bool& highlighted) {
    TCanvas* canvas = Canvas();
    TSTColumnFilterVyn* filter = column->STFilter();
    if (!filter->Visible()) {
        TColor background = column->Title()->Color();
        highlighted = GetFixedCellSelectionColors(col, row, canvas->Font(), background,
                                                  CellInSelection(col, row, TBookmarkStr(), type.Col), state, type);
        canvas->Brush()->SetColor(background);
        canvas->FillRect(rect);
        return;
    }
    canvas->Pen()->SetColor(clBlack);
    const bool dropDown = filter->ListSource() != nullptr;
    TRect textRect = rect;
    const int buttonWidth = flat_ ? FlatButtonWidth() + 1 : GetSystemMetrics(SM_CXVSCROLL);
    if (dropDown) textRect.right = std::max(textRect.left, textRect.right - buttonWidth);
    canvas->SetFont(Font());
    canvas->Font()->SetColor(clBlue);
    TColor background = BrightenColor(FixedColor(), 8);
    highlighted = GetFixedCellSelectionColors(col, row, canvas->Font(), background,
                                              CellInSelection(col, row, TBookmarkStr(), type.Col), state, type);
    canvas->Brush()->SetColor(background);
    WriteCellText(canvas, textRect, 1, 1, false, false, tlTop, taLeftJustify, GetColumnFilterText(column->Index()), 1,
                  1, true);
    canvas->Pen()->SetColor(background);
    if (!dropDown) return;
    TRect button{textRect.right, rect.top, rect.right, rect.top + editButtonHeight_};
    if (flat_) {
        canvas->MoveTo(button.left, rect.top);
        canvas->LineTo(button.left, rect.bottom);
    }
    DrawEditButton(canvas, ebsDropDownVyn, nullptr, background, true, false, 0, rect, button);
    if (editButtonHeight_ < DefaultRowHeight()) canvas->FillRect({button.left, button.bottom, button.right, rect.bottom});
}
