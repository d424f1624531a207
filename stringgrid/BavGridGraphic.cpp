// A graphic frees the objects it made for its type; pictures and lists
// given to it by the application stay the application's.
#include "stringgrid/BavGridGraphic.h"

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
