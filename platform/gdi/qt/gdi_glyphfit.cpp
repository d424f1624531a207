// Fitting full-width glyphs into the classic text cell: the rows that the
// everyday hanzi and full-width brackets cover as drawn are measured, and
// the largest size whose ink fits the cell's height is placed inside it.
#include "platform/gdi/qt/gdi_glyphfit.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

#include "platform/rtl/codepage.h"
#include "platform/rtl/programlong.h"

namespace gdi {
namespace {

// The hanzi of everyday text (the first level of the national character
// set) and the full-width brackets and quotes, which reach the top and
// bottom of the faces' ideographic box. Hand-drawn faces place their
// glyphs unevenly, so no short list finds the tallest.
const QString& InkSample() {
    static const QString sample = [] {
        std::string ansi = "（）《》【】“”‘’";
        for (int lead = 0xB0; lead <= 0xD7; ++lead)
            for (int trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9 : 0xFE); ++trail) ansi += {char(lead), char(trail)};
        const std::string utf8 = AnsiToUtf8(ansi);
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }();
    return sample;
}

// Larger fonts (print sizes past 12 points at 600 dots per inch) are left
// where the em puts them: measuring them costs more than a row is worth.
constexpr int largestFitted = 100;

// The rows the sample's ink covers, counted from the baseline (row 0 is
// the first row below it), or nothing when the face draws none of it.
struct Ink {
    int top, bottom;
};

std::optional<Ink> MeasureInk(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    const int baseline = pixelSize + 2;
    QImage mask(2 * pixelSize + 4, 3 * pixelSize + 4, QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setPen(Qt::black);
        // All glyphs drawn on one spot: only the rows they cover count.
        const QRawFont raw = QRawFont::fromFont(font);
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(raw.glyphIndexesForString(InkSample()));
        run.setPositions(QList<QPointF>(run.glyphIndexes().size(), QPointF(0, 0)));
        p.drawGlyphRun(QPointF(2, baseline), run);
    }
    std::optional<Ink> ink;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            if (qAlpha(row[x]) < 128) continue;
            if (!ink) ink = Ink{y - baseline, y - baseline};
            ink->bottom = y - baseline;
            break;
        }
    }
    return ink;
}

GlyphFit Fit(const QFont& font, int height, int ascent) {
    const GlyphFit asDrawn{height, ascent, 0};
    if (height > largestFitted) return asDrawn;
    // Two sizes smaller at most: past that the glyphs would look shrunk.
    for (int size = height; size >= std::max(1, height - 2); --size) {
        const std::optional<Ink> ink = MeasureInk(font, size);
        if (!ink) return asDrawn;
        if (ink->bottom - ink->top + 1 > height) continue;
        const int top = ascent + ink->top, bottom = ascent + ink->bottom;
        const int shift = top < 0 ? -top : bottom >= height ? height - 1 - bottom : 0;
        return GlyphFit{size, ascent + shift, (height - size) / 2};
    }
    return asDrawn;
}

// The fits found so far, per font, cell height and baseline; safe to use
// from several threads, as the GDI's handle tables are.
struct FitTable {
    using Key = std::tuple<QString, int, int>;
    std::mutex mutex;
    std::map<Key, GlyphFit> fits;
};

}  // namespace

GlyphFit FitFullWidthGlyphs(const QFont& font, int height, int ascent) {
    static ProgramLong<FitTable> table;
    QFont sized = font;
    sized.setPixelSize(std::max(1, height));
    const FitTable::Key key{sized.key(), height, ascent};
    {
        std::lock_guard lock(table->mutex);
        if (auto found = table->fits.find(key); found != table->fits.end()) return found->second;
    }
    const GlyphFit fit = Fit(sized, height, ascent);
    std::lock_guard lock(table->mutex);
    return table->fits.emplace(key, fit).first->second;
}

}  // namespace gdi
