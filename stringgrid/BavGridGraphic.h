// TCellGraphic: what turns a cell into a check box, a radio group, a
// button, a node, a picture, an image strip, rotated text, a progress
// indicator or a comment, or marks its row as a summary row. Which field
// holds what depends on the cell type.
#pragma once

#include <cstdint>

#include "platform/rtl/persistent.h"
#include "platform/rtl/variant.h"
#include "platform/ui/colors.h"
#include "platform/gdi/windef.h"

SERVIORA_ENUM(TCellType, ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage,
              ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton,
              ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress)
SERVIORA_ENUM(TCellHAlign, haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull)
SERVIORA_ENUM(TCellVAlign, vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull)
SERVIORA_ENUM(TCellPictureStretch, psNone, psStretch, psStretchAspect, psShrink, psShrinkAspect)

class TCellGraphic : public TPersistent {
    SERVIORA_CLASS(TCellGraphic, TPersistent)
    SERVIORA_PUBLISHED
public:
    TCellGraphic() = default;
    // Frees what the graphic owns for its type.
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    // Copies every published field; neither slot nor the tag.
    void Assign(TPersistent* source) override;

    TCellType CellType() const { return cellType_; }
    void SetCellType(TCellType v) { cellType_ = v; }
    // The content slot holds the type's object, or a colour for the
    // indicator types; the extra slot an icon or a colour.
    TObject* CellContent() const { return reinterpret_cast<TObject*>(content_); }
    void SetCellContent(TObject* v) { content_ = reinterpret_cast<std::intptr_t>(v); }
    TColor CellContentColor() const { return TColor(content_); }
    void SetCellContentColor(TColor v) { content_ = std::intptr_t(v); }
    TObject* CellExtra() const { return reinterpret_cast<TObject*>(extra_); }
    void SetCellExtra(TObject* v) { extra_ = reinterpret_cast<std::intptr_t>(v); }
    TColor CellExtraColor() const { return TColor(extra_); }
    void SetCellExtraColor(TColor v) { extra_ = std::intptr_t(v); }
    TCellVAlign CellVAlign() const { return vAlign_; }
    void SetCellVAlign(TCellVAlign v) { vAlign_ = v; }
    TCellHAlign CellHAlign() const { return hAlign_; }
    void SetCellHAlign(TCellHAlign v) { hAlign_ = v; }
    int CellIndex() const { return index_; }
    void SetCellIndex(int v) { index_ = v; }
    bool CellTransparent() const { return transparent_; }
    void SetCellTransparent(bool v) { transparent_ = v; }
    bool CellCreated() const { return created_; }
    void SetCellCreated(bool v) { created_ = v; }
    bool CellBoolean() const { return boolean_; }
    void SetCellBoolean(bool v) { boolean_ = v; }
    int CellAngle() const { return angle_; }
    void SetCellAngle(int v) { angle_ = v; }
    double CellValue() const { return value_; }
    void SetCellValue(double v) { value_ = v; }
    int CellErrFrom() const { return errFrom_; }
    void SetCellErrFrom(int v) { errFrom_ = v; }
    int CellErrLen() const { return errLen_; }
    void SetCellErrLen(int v) { errLen_ = v; }
    const AnsiString& CellText() const { return text_; }
    void SetCellText(const AnsiString& v) { text_ = v; }
    const Variant& CellTag() const { return tag_; }
    void SetCellTag(const Variant& v) { tag_ = v; }

    // The drawn size of a picture cell's picture in the space given (its
    // margin taken off); (0, 0) for other types.
    TSize GetPictureSize(int width, int height) const;

    // Whether the cell, rather than a shared owner, owns this graphic.
    bool OwnedByCell() const { return cellType_ != ctVirtCheckBox && cellType_ != ctRowCheckBox; }

private:
    TCellType cellType_ = ctNone;
    std::intptr_t content_ = 0;
    std::intptr_t extra_ = 0;
    TCellVAlign vAlign_ = vaTop;
    TCellHAlign hAlign_ = haLeft;
    int index_ = 0;
    bool transparent_ = false;
    bool created_ = false;
    bool boolean_ = false;
    int angle_ = 0;
    double value_ = 0;
    int errFrom_ = 0;
    int errLen_ = 0;
    AnsiString text_;
    Variant tag_;
};
