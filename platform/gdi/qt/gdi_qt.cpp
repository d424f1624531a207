// The window system's view of bitmaps and regions (gdi_qt.h).
#include "platform/gdi/qt/gdi_qt.h"

#include "platform/gdi/qt/gdi_internal.h"

namespace gdi {

QImage* BitmapImage(HBITMAP bitmap) {
    Bitmap* b = FindBitmap(bitmap);
    return b ? &b->image : nullptr;
}

const QRegion* RegionArea(HRGN region) {
    const Region* r = FindRegion(region);
    return r ? &r->region : nullptr;
}

}  // namespace gdi
