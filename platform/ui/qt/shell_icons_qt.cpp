// File-type icons from the desktop's icon theme, by the type the name says;
// where the theme has none (as offscreen), a page or a folder drawn here.
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <cstdint>

#include "platform/rtl/codepage.h"
#include "platform/ui/shellicons.h"

namespace {

QImage DrawnIcon(bool folder, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(96, 96, 96));
    const double s = size / 16.0;
    if (folder) {
        painter.setBrush(QColor(240, 200, 80));
        painter.drawRect(QRectF(1 * s, 4 * s, 13 * s, 9 * s));
        painter.drawRect(QRectF(1 * s, 3 * s, 5 * s, 1 * s));
    } else {
        painter.setBrush(Qt::white);
        const QPointF page[] = {{3 * s, 1 * s}, {10 * s, 1 * s}, {13 * s, 4 * s}, {13 * s, 14 * s}, {3 * s, 14 * s}};
        painter.drawPolygon(page, 5);
        painter.drawLine(QPointF(10 * s, 1 * s), QPointF(10 * s, 4 * s));
        painter.drawLine(QPointF(10 * s, 4 * s), QPointF(13 * s, 4 * s));
    }
    return image;
}

}  // namespace

AnsiString FileTypeIconName(const AnsiString& path) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromStdString(AnsiToUtf8(path)),
                                                           QMimeDatabase::MatchExtension);
    return Utf8ToAnsi(type.iconName().toStdString());
}

HBITMAP FileTypeIconBitmap(const AnsiString& iconName, int size) {
    const bool folder = iconName == "folder";
    const QIcon icon = QIcon::fromTheme(QString::fromStdString(AnsiToUtf8(iconName)));
    QImage image = icon.isNull() ? QImage() : icon.pixmap(size, size).toImage();
    if (image.isNull()) image = DrawnIcon(folder, size);
    image = image.convertToFormat(QImage::Format_ARGB32).scaled(size, size);
    // Transparent pixels take the key colour the image lists mask out.
    const QRgb key = qRgb(255, 0, 255);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    if (!bitmap) return 0;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            out[y * size + x] = qAlpha(pixel) < 128 ? (key | 0xFF000000u) : (pixel | 0xFF000000u);
        }
    return bitmap;
}
