// The grid's references to other components of its form (the image list
// and the picture container its cells draw from) and the column sizing
// switch of its published interface.
#include "stringgrid/BavGrid.h"

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
