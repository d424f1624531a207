// The grid as an OLE drop target and drag source: text and rich text go
// into cells from the drop cell on, columns are reported, one dropped CSV
// or workbook file is loaded, and the drag-over shows where a drop lands.
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGridDragDrop.h"
#include "stringgrid/BavObj.h"
#include "stringgrid/BavOptions.h"

namespace {

enum TArrow { kColumnBelow = 0, kColumnAbove = 1, kRowArrow = 2 };

void HideArrows(TBavStringGrid* grid) {
    for (int direction : {kColumnBelow, kColumnAbove, kRowArrow})
        if (TArrowWindow* arrow = grid->ArrowWindow(direction)) arrow->SetVisible(false);
}

void ShowArrow(TBavStringGrid* grid, int direction, POINT client) {
    TArrowWindow* arrow = grid->ArrowWindow(direction);
    if (!arrow) return;
    ClientToScreen(grid->Handle(), &client);
    arrow->SetBounds(client.x, client.y, 10, 10);
    arrow->SetVisible(true);
}

}  // namespace

TGridCoord TBavStringGrid::ScreenToCell(POINT screen) {
    ::ScreenToClient(Handle(), &screen);
    const TGridCoord cell = MouseCoord(screen.x, screen.y);
    return cell.X < 0 || cell.Y < 0 ? TGridCoord{-1, -1} : cell;
}

void TBavStringGrid::UpdateOleDropTarget() {
    if (oleDropWindow_) RevokeDragDrop(std::exchange(oleDropWindow_, HWND(0)));
    if (!dragDropSettings_->OleDropTarget() || ComponentState().Contains(csDesigning) || !HandleAllocated()) return;
    if (!oleDropTarget_) oleDropTarget_ = std::make_shared<TGridDropTarget>(this);
    oleDropTarget_->SetAcceptText(dragDropSettings_->OleAcceptText());
    oleDropTarget_->SetAcceptFiles(dragDropSettings_->OleAcceptFiles());
    if (RegisterDragDrop(Handle(), oleDropTarget_) == S_OK) oleDropWindow_ = Handle();
}

DWORD TBavStringGrid::StartOleDrag(int col, int row) {
    auto source = std::make_shared<TGridDropSource>(this);
    if (onOleDragStart_) onOleDragStart_(this, row, col);
    DWORD effect = DROPEFFECT_NONE;
    HRESULT result;
    // Whether a column or cells go is decided where the press was.
    const TGridCoord pressed = MouseCoord(mouseDownPoint_.x, mouseDownPoint_.y);
    const bool column = pressed.Y >= 0 && pressed.Y < TBaseGrid::FixedRows() && dragDropSettings_->OleColumnDragDrop();
    if (column) {
        result = StartColumnDrag(source, pressed.X, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    } else {
        oleDragRect_ = Selection();
        result = StartTextDrag(source, SelectionToDragText(), GetDisplayText(col, row), effect,
                               DROPEFFECT_COPY | DROPEFFECT_MOVE);
    }
    if (result == DRAGDROP_S_CANCEL) return DROPEFFECT_NONE;
    if (!column && effect == DROPEFFECT_MOVE) RemoveMovedCells();
    if (onOleDragStop_) onOleDragStop_(this, int(effect));
    return effect;
}

// ---- TGridDropTarget -------------------------------------------------------------------------

void TGridDropTarget::DropText(POINT point, const AnsiString& text) {
    TBavStringGrid* g = grid_;
    const TGridCoord cell = g->ScreenToCell(point);
    int col = cell.X, row = cell.Y;
    int fields = 0, lines = 0;
    g->MeasureClipboardText(text, fields, lines);
    const bool rowSelect = g->Options().Contains(goRowSelect);
    if (rowSelect) col = g->DragDropSettings()->OleEntireRows() ? 0 : g->FixedCols();
    bool allow = true;
    if (g->OnOleDrop()) g->OnOleDrop()(g, row, col, text, allow);
    TGridRect dropped{-1, -1, -1, -1};
    if (allow) {
        const int count = lines + 1;
        TGridRect dragRect = g->OleDragRect();
        if (dragRect.Top >= row && g->DragDropSettings()->OleRemoveRows()) {
            dragRect.Top += count;
            dragRect.Bottom += count;
            g->SetOleDragRect(dragRect);
        }
        if (row == 0 && g->FixedRowAlways() && g->RowCount() == 1) row = 1;
        if (g->DragDropSettings()->OleInsertRows()) {
            const int top = g->TopRow();
            g->InsertRows(row, count);
            g->SetTopRow(top > g->FixedRows() ? top + 1 : top);
        }
        g->PasteText(col, row, text);
        dropped.Left = std::max(col, g->FixedCols());
        dropped.Top = row;
        dropped.Bottom = row + lines;
        dropped.Right = dropped.Left + fields - (rowSelect ? g->FixedCols() : 1);
        g->SetSelectionRect(dropped);
    }
    HideArrows(g);
    if (g->OnOleDropped()) g->OnOleDropped()(g, dropped);
}

void TGridDropTarget::DropRichText(POINT point, const AnsiString& richText) {
    const TGridCoord cell = grid_->ScreenToCell(point);
    bool allow = true;
    if (grid_->OnOleDrop()) grid_->OnOleDrop()(grid_, cell.Y, cell.X, richText, allow);
    if (allow && cell.X >= 0) grid_->SetCellText(cell.X, cell.Y, richText);
    HideArrows(grid_);
}

void TGridDropTarget::DropColumn(POINT point, int column) {
    const TGridCoord cell = grid_->ScreenToCell(point);
    HideArrows(grid_);
    if (grid_->OnOleDropCol()) grid_->OnOleDropCol()(grid_, cell.Y, cell.X, column);
}

void TGridDropTarget::DropFiles(POINT point, TStrings* files) {
    if (files->Count() != 1) return;
    const AnsiString name = files->Strings(0);
    const TGridCoord cell = grid_->ScreenToCell(point);
    bool allow = true;
    if (grid_->OnOleDropFile()) grid_->OnOleDropFile()(grid_, cell.Y, cell.X, name, allow);
    if (allow) {
        const AnsiString upper = UpperCase(name);
        auto asked = [&] {
            bool load = true;
            if (grid_->OnOleDrop()) grid_->OnOleDrop()(grid_, -1, -1, name, load);
            return load;
        };
        if (upper.find(".CSV") != AnsiString::npos && asked()) {
            const char delimiter = grid_->CSVDelimiter();
            grid_->SetCSVDelimiter('\0');
            grid_->LoadCSVFile(name);
            grid_->SetCSVDelimiter(delimiter);
        }
        if (upper.find(".XLS") != AnsiString::npos && asked()) grid_->ImportExcelSheet(name, "");
    }
    HideArrows(grid_);
}

void TGridDropTarget::DragOverPoint(POINT point, bool& allow, TDropFormats formats) {
    TBavStringGrid* g = grid_;
    const TGridCoord cell = g->ScreenToCell(point);
    const bool column = formats & dfColumn;
    allow = allow && cell.X >= 0 && cell.Y >= 0;
    if (allow && !column) {
        if (cell.Y == 0 && g->TopRow() > g->FixedRows())
            g->SetTopRow(g->TopRow() - 1);
        else if (cell.Y == g->TopRow() + g->VisibleRowCount() && cell.Y < g->RowCount())
            g->SetTopRow(g->TopRow() + 1);
    }
    const bool headerRow = cell.Y >= 0 && cell.Y < g->FixedRows();
    if (!column && headerRow && !(g->FixedRowAlways() && g->RowCount() == 1)) allow = false;
    if (column && !(headerRow && cell.X >= g->FixedCols())) allow = false;
    if (g->OnOleDragOver()) g->OnOleDragOver()(g, cell.Y, cell.X, allow);
    allow = allow && cell.X >= 0 && cell.Y >= 0;
    if (!allow) return HideArrows(g);
    if (column) {
        const TRect r = g->MergedCellRect(cell.X, cell.Y);
        ShowArrow(g, kColumnAbove, {r.left - 5, r.top - 8});
        ShowArrow(g, kColumnBelow, {r.left - 5, r.bottom});
        return;
    }
    const int col = g->DragDropSettings()->OleEntireRows() ? g->FixedCols() : cell.X;
    // With FixedRowAlways the header row's drop lands in row 1, which a
    // grid of only its header row does not have yet: just below the header.
    const bool belowHeader = cell.Y == 0 && g->FixedRowAlways();
    const TRect r = g->MergedCellRect(col, belowHeader && g->RowCount() > 1 ? 1 : cell.Y);
    ShowArrow(g, kRowArrow, {r.left - 10, belowHeader && g->RowCount() == 1 ? r.bottom : r.top});
}

void TGridDropTarget::DoDragLeave() { HideArrows(grid_); }

// ---- TGridDropSource -------------------------------------------------------------------------

void TGridDropSource::EffectChanged(DWORD effect) {
    if (effect == DROPEFFECT_COPY || effect == DROPEFFECT_MOVE) lastEffect_ = effect;
}
