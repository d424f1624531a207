// The grid's tooltips: a title, data cell or footer whose text the cell
// cuts shows its full text at once, in a TToolTipsWindow laid over the
// cell in the cell's font; a title with a Hint shows that hint instead.
#include <memory>

#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynDrawing.h"
#include "datagrid/DBGridVynTitleTree.h"
#include "datagrid/DBGridVynToolTips.h"
#include "platform/data/dataset.h"
#include "platform/ui/forms.h"
#include "platform/win/userinput.h"

namespace {

bool StepsOnClick(const TColumnVyn* column) {
    return column->ValueKind() == cvkCheckbox || column->ValueKind() == cvkImageList;
}

}  // namespace

AnsiString TCustomDBGridVyn::CellHintText(TColumnVyn* column) {
    TField* field = column->BoundField();
    if (!field) return AnsiString();
    if (!StepsOnClick(column)) return field->DisplayText();
    const int index = column->ValueKind() == cvkImageList ? column->KeyList()->IndexOf(field->Text())
                                                          : static_cast<int>(column->CheckState());
    TStrings* picks = column->PickList();
    return index >= 0 && index < picks->Count() ? picks->Strings(index) : AnsiString();
}

void TCustomDBGridVyn::CMHintShowPause(TMessage& Message) {
    POINT p;
    GetCursorPos(&p);
    p = ScreenToClient(p);
    const TGridCoord cell = MouseCoord(p.x, p.y);
    const int index = RawToDataColumn(cell.X);
    bool atOnce = false;
    if (cell.Y >= 0 && index >= 0 && index < columns_->Count()) {
        TColumnVyn* column = columns_->Items(index);
        const TCellTypeVyn type = GetCellType(cell.X, cell.Y);
        if (type.Vert == 4)
            atOnce = column->FooterForRow(type.Index - 1)->ToolTips();
        else if (type.Vert == 2)
            atOnce = dataLink_->Active() && type.Index < dataLink_->RecordCount() && column->ToolTips();
        else if (type.Vert == 0)
            atOnce = column->Title()->ToolTips() && column->Title()->Hint().empty();
    }
    int* pause = reinterpret_cast<int*>(Message.LParam);
    *pause = atOnce ? 0 : Application->HintPause();
}

void TCustomDBGridVyn::CMHintShow(TMessage& Message) {
    Inherited::Dispatch(Message);
    if (Message.Result != 0) return;
    THintInfo& info = *reinterpret_cast<THintInfo*>(Message.LParam);
    TPoint at = info.CursorPos;
    const TGridCoord cell = MouseCoord(at.x, at.y);
    const int index = RawToDataColumn(cell.X);
    if (cell.Y < 0 || index < 0 || index >= columns_->Count()) return;
    TColumnVyn* column = columns_->Items(index);
    const TCellTypeVyn type = GetCellType(cell.X, cell.Y);
    TRect rect = CellRect(cell.X, cell.Y);
    if (type.Vert == 0 && !column->Title()->Hint().empty()) {
        info.HintStr = GetShortHint(column->Title()->Hint());
        info.CursorRect = rect;
        return;
    }
    const bool title = type.Vert == 0 && column->Title()->ToolTips();
    const bool data = type.Vert == 2 && dataLink_->Active() && column->ToolTips() &&
                      type.Index < dataLink_->RecordCount();
    const bool footer = type.Vert == 4 && column->FooterForRow(type.Index - 1)->ToolTips();
    info.CursorRect = rect;
    info.HintStr = AnsiString();
    if ((!title && !data && !footer) || GetCapture() != 0 || (GetKeyState(VK_CONTROL) & 0x8000) != 0) return;
    // Measured in left-to-right coordinates; right to left the cell and the
    // hint point are mirrored there and the results mirrored back.
    const bool mirrored = UseRightToLeftAlignment();
    auto mirror = [this](const TRect& r) { return TRect{ClientWidth() - r.right, r.top, ClientWidth() - r.left, r.bottom}; };
    if (mirrored) {
        rect = mirror(rect);
        at.x = ClientWidth() - 1 - at.x;
    }
    int end = rect.left + column->Width();
    AnsiString text;
    TAlignment alignment = taLeftJustify;
    bool wrap = false;
    bool turned = false;  // a vertical title: its text runs up the cell
    TFont* font = Font();
    if (title) {
        TColumnTitleVyn* columnTitle = column->Title();
        const int marker = columnTitle->SortMarkerAreaWidth();
        if (marker > 2) {
            rect.right -= marker - 2;
            end -= marker - 2;
        }
        text = columnTitle->Caption();
        if (useMultiTitle_) {
            const THeadTreeNode* leaf = LeafNode(index);
            if (leaf) {
                rect.top = rect.bottom - leaf->NodeHeight + 1;
                text = leaf->NodeText;
            }
            if (at.y < rect.top) return;
        }
        turned = columnTitle->Orientation() == tohVertical;
        wrap = !turned && (useMultiTitle_ || titleHeight_ > 0 || titleLines_ > 0);
        alignment = columnTitle->Alignment();
        font = columnTitle->Font();
    } else if (footer) {
        TColumnFooterVyn* columnFooter = column->FooterForRow(type.Index - 1);
        text = FooterCellText(type.Index - 1, column);
        alignment = columnFooter->Alignment();
        font = columnFooter->Font();
    } else {
        TColor background = Color();
        BeginRowRead(type.Index);
        try {
            text = CellHintText(column);
            if (column->AlwaysShowEditButton()) {
                end = rect.left + column->Width() - column->ButtonAreaWidth();
                rect.right = std::min(static_cast<int>(rect.right), end);
                if (at.x > rect.right) text = AnsiString();
            }
            if (TreeNodeColumn(column)) rect.left += TreeNodeAreaWidth();
            if (column->ImageList() && column->ShowImageAndText()) rect.left += column->ImageList()->Width() + 5;
            alignment = StepsOnClick(column) ? taLeftJustify : column->Alignment();
            wrap = column->WordWrap() && rowLines_ > 1;
            font = column->Font();
            column->FillCellParams(cellParams_.get());
            cellParams_->Text = text;
            cellParams_->Alignment = alignment;
            cellParams_->Font = hintFont_.get();
            hintFont_->Assign(font);
            GetCellParams(column, hintFont_.get(), background, TGridDrawState{});
            column->FireGetCellParams(false, cellParams_.get());
            text = cellParams_->Text;
            alignment = cellParams_->Alignment;
        } catch (...) {
            EndRowRead();
            throw;
        }
        EndRowRead();
        font = hintFont_.get();
    }
    if (font != hintFont_.get()) hintFont_->Assign(font);
    int width = 0, height = 0;
    // Measured off screen: the grid's canvas draws only while it paints.
    TBitmap measuring;
    measuring.Canvas()->SetFont(hintFont_.get());
    const bool overflows = TextOverflowsCell(measuring.Canvas(), titleTextMargin_, 2, text, wrap,
                                             turned ? SwapRectExtent(rect) : rect, UseRightToLeftAlignment(),
                                             width, height);
    const bool cutByEdge = alignment == taRightJustify && rect.right < end - 2;
    if (text.empty() || !(overflows || cutByEdge || (data && StepsOnClick(column)))) return;
    info.HintStr = text;
    info.CursorRect = mirrored ? mirror(rect) : rect;
    info.HintWindowClass = TToolTipsWindow::StaticClass();
    info.HintData = hintFont_.get();
    if (wrap) info.HintMaxWidth = rect.right - rect.left - 4;
    const int lift = flat_ ? 2 : 1;
    int x = rect.left - 1;
    if (alignment == taRightJustify)
        x = end - width - 6;
    else if (alignment == taCenter)
        x = end - (width - width / 2) - (end - rect.left - 4) / 2 - 5;
    if (mirrored) x = ClientWidth() - x - width;
    info.HintPos = ClientToScreen(TPoint{x, static_cast<int>(rect.top) - lift});
}
