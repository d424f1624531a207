#include "datagrid/DBGridVynSelection.h"

#include "datagrid/DBGridVyn.h"

void TDBGridVynSelectionRect::Clear() {
    anchor_ = {};
    end_ = {};
}

TDBGridVynSelection::TDBGridVynSelection(TCustomDBGridVyn* grid)
    : grid_(grid),
      columns_(std::make_unique<TDBGridVynSelectionCols>(grid)),
      rect_(std::make_unique<TDBGridVynSelectionRect>(grid)) {}

TDBGridVynSelection::~TDBGridVynSelection() = default;

void TDBGridVynSelection::SetKind(TDBGridVynSelectionType kind) {
    if (kind == kind_) return;
    kind_ = kind;
    grid_->InvalidateEditor();
}

void TDBGridVynSelection::Reset() {
    auto finish = [this] {
        kind_ = gstNon;
        if (grid_->Options().Contains(dgAlwaysShowEditor) && grid_->EditorAlwaysVisible()) grid_->ShowEditorNow();
    };
    try {
        switch (kind_) {
        case gstRecordBookmarks: grid_->SelectedRows()->ClearAll(); break;
        case gstRectangle: rect_->Clear(); break;
        case gstColumns: columns_->Clear(); break;
        case gstAll: grid_->Invalidate(); break;
        case gstNon: break;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TDBGridVynSelection::MarkAll() {
    if (kind_ == gstAll) return;
    if (kind_ != gstNon) Reset();
    kind_ = gstAll;
    grid_->Invalidate();
}

void TDBGridVynSelection::DropIfEmpty() {
    const bool empty = (kind_ == gstRecordBookmarks && grid_->SelectedRows()->Count() == 0) ||
                       (kind_ == gstColumns && columns_->Count() == 0);
    if (!empty) return;
    kind_ = gstNon;
    grid_->Invalidate();
}

void TDBGridVynSelection::DataLinkActiveChanged(bool active) {
    grid_->SelectedRows()->SetLinkActive(active);
    Reset();
}
