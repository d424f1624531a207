// PNG and icon decoding and PNG encoding through QImage.
#include <QBuffer>
#include <QImage>
#include <cstring>

#include "platform/gdi/imagecodecs.h"
#include "platform/gdi/qt/gdi_internal.h"

HBITMAP DecodeImage(const void* data, std::size_t size) {
    QImage image;
    if (!data || !image.loadFromData(static_cast<const uchar*>(data), int(size))) return 0;
    image = image.convertToFormat(QImage::Format_ARGB32);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -image.height();
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!bitmap) return 0;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(static_cast<uchar*>(bits) + size_t(y) * image.width() * 4, image.constScanLine(y), size_t(image.width()) * 4);
    return bitmap;
}

std::string EncodePng(HBITMAP h) {
    gdi::Bitmap* b = gdi::FindBitmap(h);
    if (!b) return {};
    b->PullFromDib();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!b->image.save(&buffer, "PNG")) return {};
    return std::string(bytes.constData(), size_t(bytes.size()));
}
