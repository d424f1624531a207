// The room a cell's graphic takes: beside the cell's text for auto-sizing,
// and at its natural size for scaled output.
#include <algorithm>
#include <cmath>

#include "platform/gdi/measuringdc.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavGridGraphic.h"

namespace {

TSize RadioGroupSize(HFONT font, TStrings* items, bool across) {
    if (!items) return {0, 0};
    const MeasuringDC measuring(font);
    auto extent = [&](const AnsiString& text) {
        SIZE size{};
        GetTextExtentPoint32(measuring.dc(), text.data(), int(text.size()), &size);
        return size;
    };
    const int lineHeight = extent("gh").cy;
    int total = 0, widest = 12;
    for (int i = 0; i < items->Count(); ++i) {
        const int width = extent(items->Strings(i)).cx + 12;
        total += width;
        widest = std::max(widest, width);
    }
    return across ? TSize{total, lineHeight} : TSize{widest, lineHeight * items->Count()};
}

}  // namespace

// The size of what the graphic shows, before any text or placement rule;
// none for the types whose size depends on where they are drawn.
TSize TBavStringGrid::GraphicOwnSize(const TCellGraphic& graphic) {
    const TImageList* images = gridImages_;
    switch (graphic.CellType()) {
    case ctBitmap:
        if (auto* bitmap = dynamic_cast<TBitmap*>(graphic.CellContent())) return {bitmap->Width(), bitmap->Height()};
        return {0, 0};
    case ctIcon:
        if (auto* icon = dynamic_cast<TIcon*>(graphic.CellExtra())) return {icon->Width(), icon->Height()};
        return {0, 0};
    case ctImageList:
    case ctDataImage:
        return images ? TSize{images->Width(), images->Height()} : TSize{0, 0};
    case ctImages: {
        if (!images) return {0, 0};
        auto* indexes = dynamic_cast<TIntList*>(graphic.CellContent());
        const int count = indexes ? indexes->Count() : 0;
        return graphic.CellBoolean() ? TSize{count * images->Width(), images->Height()}
                                     : TSize{images->Width(), count * images->Height()};
    }
    case ctRadio:
        return RadioGroupSize(Canvas()->Font()->Handle(), dynamic_cast<TStrings*>(graphic.CellContent()), graphic.CellBoolean());
    case ctButton:
    case ctBitButton:
        return {LOWORD(graphic.CellIndex()), HIWORD(graphic.CellIndex())};
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        return {controlLook_->CheckSize(), controlLook_->CheckSize()};
    case ctProgressPie:
        return {20, 20};
    default:
        return {0, 0};
    }
}

namespace {

// An image takes room from a text only placed beside, above or under it.
TSize BesideText(TSize size, const TCellGraphic& graphic, bool noText) {
    const TCellHAlign hAlign = graphic.CellHAlign();
    const TCellVAlign vAlign = graphic.CellVAlign();
    if (hAlign != haBeforeText && hAlign != haAfterText && !noText) size.cx = 0;
    if (vAlign != vaUnderText && vAlign != vaAboveText && !noText) size.cy = 0;
    return size;
}

}  // namespace

TSize TBavStringGrid::GetCellGraphicSize(int col, int row) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    if (!graphic) return {0, 0};
    const TCellHAlign hAlign = graphic->CellHAlign();
    const TCellVAlign vAlign = graphic->CellVAlign();
    const bool noText = GetDisplayText(col, row).empty();
    const TSize cell = MergedCellSize(col, row);
    TSize size = GraphicOwnSize(*graphic);
    switch (graphic->CellType()) {
    case ctBitmap:
    case ctIcon:
    case ctImageList:
    case ctDataImage:
        size = BesideText(size, *graphic, noText);
        break;
    case ctButton:
    case ctBitButton:
        if (!noText && (hAlign == haCenter || hAlign == haFull)) size.cx = 0;
        if (!noText && vAlign != vaUnderText && vAlign != vaAboveText) size.cy = 0;
        break;
    case ctPicture:
    case ctFilePicture:
        size = graphic->GetPictureSize(cell.cx, cell.cy);
        break;
    default:
        break;
    }
    if (hAlign == haFull) size.cx = cell.cx;
    if (vAlign == vaFull) size.cy = cell.cy;
    return size;
}

TSize TBavStringGrid::GetCellGraphicSizeScaled(int col, int row, double scale, int width, int height) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    if (!graphic) return {0, 0};
    switch (graphic->CellType()) {
    case ctImageList:
        return BesideText(GraphicOwnSize(*graphic), *graphic, GetDisplayText(col, row).empty());
    case ctPicture:
    case ctFilePicture: {
        const TSize size = graphic->GetPictureSize(width, height);
        if (scale == 0) return size;
        return {int(std::lround(size.cx / scale)), int(std::lround(size.cy / scale))};
    }
    case ctProgress:
    case ctXPProgress:
        return {ColWidths(col), RowHeights(row)};
    default:
        return GraphicOwnSize(*graphic);
    }
}
