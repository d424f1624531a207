// The grid's rich edits react to the size requests of their content.
#include "stringgrid/BavRichEdit.h"

#include "platform/win/userinput.h"
#include "stringgrid/BavGrid.h"

TBavRichEdit::TBavRichEdit(TBavStringGrid* grid) : TRichEdit(grid), grid_(grid) {}

void TBavRichEdit::RequestSize(const TRect& rect) {
    const int height = rect.bottom - rect.top;
    if (this == grid_->MeasuringRichEdit()) {
        requiredWidth_ = rect.right - rect.left;
        requiredHeight_ = height;
    } else if (this == grid_->EditingRichEdit() && grid_->SizeWhileTyping()->Height() && !locked_) {
        const int row = grid_->Row();
        const TRect cell = grid_->MergedCellRect(grid_->Col(), row);
        // The row grows only while the grown cell still fits in the grid.
        if (grid_->RowHeights(row) < height && cell.top + height < grid_->Height()) {
            SetHeight(height + 4);
            grid_->SetRowHeights(row, height + 5);
            if (grid_->OnEndRowSize()) grid_->OnEndRowSize()(grid_, row);
        }
    }
    TRichEdit::RequestSize(rect);
}

void TBavRichEdit::SelectionChange() {
    TRichEdit::SelectionChange();
    if (this == grid_->EditingRichEdit() && grid_->OnRichEditSelectionChange())
        grid_->OnRichEditSelectionChange()(grid_);
}

void TBavRichEdit::KeyDown(Word& key, TShiftState shift) {
    TRichEdit::KeyDown(key, shift);
    if ((key == VK_UP || key == VK_DOWN) && !grid_->WordWrap() && !grid_->Multilinecells()) {
        grid_->SetFocus();
        grid_->KeyDown(key, shift);
    }
}

void TBavRichEdit::WMKillFocus(TMessage& Message) {
    // An edit link's control takes the focus from the rich edit while it
    // edits; the cell is not ended by that.
    if (grid_->EditLink() && grid_->CurrentEditorType() == edCustom && grid_->EditorActive()) return;
    if (this == grid_->EditingRichEdit() && grid_->HandleAllocated() && HWND(Message.WParam) == grid_->Handle())
        grid_->HideCellEditor();
    TRichEdit::Dispatch(Message);
}
