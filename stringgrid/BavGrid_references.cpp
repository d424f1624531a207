// The grid's references to other components of its form (the image list
// and the picture container its cells and HTML texts draw from), the
// column sizing switch of its published interface, and the repaints of
// cell pairs and the floating footer.
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavFooter.h"

void TBavStringGrid::SetGridImages(TImageList* v) {
    ReferTo(gridImages_, v);
    Invalidate();
}

void TBavStringGrid::SetPictureContainer(TPictureContainer* v) {
    ReferTo(pictureContainer_, v);
    Invalidate();
}

void TBavStringGrid::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v) AutoSizeColumns(true, 10);
}

THTMLDrawParams TBavStringGrid::HTMLDrawParams() const {
    THTMLDrawParams params;
    params.Images = gridImages_;
    params.PictureContainer = pictureContainer_;
    params.PictureCache = pictureCache_.get();
    return params;
}

void TBavStringGrid::RepaintCellPair(int col1, int row1, int col2, int row2) {
    RepaintCell(col1, row1);
    RepaintCell(col2, row2);
}

void TBavStringGrid::InvalidateFooter() {
    if (floatingFooter_->Visible()) footerPanel_->Invalidate();
}

void TBavStringGrid::LastRowChanged() {
    TBaseGrid::LastRowChanged();
    InvalidateFooter();
}
