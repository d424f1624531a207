// What the window system's own Qt code (surfaces, the desktop overlay,
// screenshots, cursors) sees of the GDI's objects: the image behind a bitmap
// handle and the region behind a region handle. The objects themselves stay
// private to the device layer.
#pragma once

#include <QImage>
#include <QRegion>

#include "platform/gdi/wingdi.h"

namespace gdi {

// The pixels of a bitmap (RGB32), or nullptr when the handle is no bitmap.
QImage* BitmapImage(HBITMAP bitmap);
// The area of a region handle, or nullptr when the handle is no region.
const QRegion* RegionArea(HRGN region);

}  // namespace gdi
