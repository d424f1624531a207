// A graphic frees the objects it made for its type; pictures and lists
// given to it by the application stay the application's.
#include "stringgrid/BavGridGraphic.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/graphic.h"
#include "stringgrid/BavObj.h"

void TCellGraphic::Published(TPublished<TCellGraphic>& p) {
    p.Property("CellType", &TCellGraphic::CellType, &TCellGraphic::SetCellType).Default(ctNone);
    p.Property("CellVAlign", &TCellGraphic::CellVAlign, &TCellGraphic::SetCellVAlign).Default(vaTop);
    p.Property("CellHAlign", &TCellGraphic::CellHAlign, &TCellGraphic::SetCellHAlign).Default(haLeft);
    p.Property("CellIndex", &TCellGraphic::CellIndex, &TCellGraphic::SetCellIndex).Default(0);
    p.Property("CellTransparent", &TCellGraphic::CellTransparent, &TCellGraphic::SetCellTransparent).Default(false);
    p.Property("CellCreated", &TCellGraphic::CellCreated, &TCellGraphic::SetCellCreated).Default(false);
    p.Property("CellBoolean", &TCellGraphic::CellBoolean, &TCellGraphic::SetCellBoolean).Default(false);
    p.Property("CellAngle", &TCellGraphic::CellAngle, &TCellGraphic::SetCellAngle).Default(0);
    p.Property("CellValue", &TCellGraphic::CellValue, &TCellGraphic::SetCellValue);
    p.Property("CellErrFrom", &TCellGraphic::CellErrFrom, &TCellGraphic::SetCellErrFrom).Default(0);
    p.Property("CellErrLen", &TCellGraphic::CellErrLen, &TCellGraphic::SetCellErrLen).Default(0);
    p.Property("CellText", &TCellGraphic::CellText, &TCellGraphic::SetCellText);
}

TCellGraphic::~TCellGraphic() {
    switch (cellType_) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (created_) delete CellContent();
        break;
    case ctImages:
        delete CellContent();
        break;
    case ctIcon:
        if (created_) delete CellExtra();
        break;
    default:
        break;
    }
}

void TCellGraphic::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCellGraphic*>(source);
    if (!other) return TPersistent::Assign(source);
    cellType_ = other->cellType_;
    vAlign_ = other->vAlign_;
    hAlign_ = other->hAlign_;
    index_ = other->index_;
    transparent_ = other->transparent_;
    value_ = other->value_;
    angle_ = other->angle_;
    boolean_ = other->boolean_;
    errFrom_ = other->errFrom_;
    errLen_ = other->errLen_;
    text_ = other->text_;
    created_ = other->created_;
}

TSize TCellGraphic::GetPictureSize(int width, int height) const {
    int naturalWidth, naturalHeight;
    if (cellType_ == ctPicture) {
        auto* picture = static_cast<TPicture*>(CellContent());
        naturalWidth = picture ? picture->Width() : 0;
        naturalHeight = picture ? picture->Height() : 0;
    } else if (cellType_ == ctFilePicture) {
        auto* picture = static_cast<TFilePicture*>(CellContent());
        naturalWidth = picture ? picture->Width() : 0;
        naturalHeight = picture ? picture->Height() : 0;
    } else {
        return {0, 0};
    }
    width -= index_;
    height -= index_;
    const bool fits = naturalWidth <= width && naturalHeight <= height;
    auto aspect = [&](bool capped) -> TSize {
        double rw = naturalWidth > 0 ? double(width) / naturalWidth : 1;
        double rh = naturalHeight > 0 ? double(height) / naturalHeight : 1;
        if (capped) {
            rw = std::min(rw, 1.0);
            rh = std::min(rh, 1.0);
        }
        if (rw >= rh) return {int(std::lround(naturalWidth * rh)), capped ? int(std::lround(naturalHeight * rh)) : height};
        return {capped ? int(std::lround(naturalWidth * rw)) : width, int(std::lround(naturalHeight * rw))};
    };
    switch (TCellPictureStretch(angle_ & 0xFF)) {
    case psStretch: return {width, height};
    case psStretchAspect: return aspect(false);
    case psShrink: return fits ? TSize{naturalWidth, naturalHeight} : TSize{width, height};
    case psShrinkAspect: return fits ? TSize{naturalWidth, naturalHeight} : aspect(true);
    default: return {naturalWidth, naturalHeight};
    }
}
