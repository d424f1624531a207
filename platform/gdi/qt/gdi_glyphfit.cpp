// Fitting glyphs into the classic text cell: the rows that a sample of each
// width covers as drawn (the everyday hanzi and full-width brackets, the
// Latin letters and digits) are measured, and the largest size whose ink
// fits the cell's height is placed inside it.
#include "platform/gdi/qt/gdi_glyphfit.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QStandardPaths>
#include <map>
#include <mutex>
#include <optional>
#include <tuple>

#include "platform/gdi/glyphfitstore.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/programlong.h"

namespace gdi {
namespace {

// The hanzi of everyday text (the first level of the national character
// set) and the full-width brackets and quotes, which reach the top and
// bottom of the faces' ideographic box. Hand-drawn faces place their
// glyphs unevenly, so no short list finds the tallest.
const QString& FullWidthSample() {
    static const QString sample = [] {
        std::string ansi = "（）《》【】“”‘’";
        for (int lead = 0xB0; lead <= 0xD7; ++lead)
            for (int trail = 0xA1; trail <= (lead == 0xD7 ? 0xF9 : 0xFE); ++trail) ansi += {char(lead), char(trail)};
        const std::string utf8 = AnsiToUtf8(ansi);
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }();
    return sample;
}

// The letters and digits of Latin text.
const QString& HalfWidthSample() {
    static const QString sample = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
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

std::optional<Ink> MeasureInk(QFont font, GlyphWidth width, int pixelSize) {
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
        const QString& sample = width == GlyphWidth::full ? FullWidthSample() : HalfWidthSample();
        run.setGlyphIndexes(raw.glyphIndexesForString(sample));
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

// The largest size whose ink fits the cell, placed inside it: at most two
// sizes smaller, one below 12 pixels, none below 9 (past that the glyphs
// would look shrunk, and tiny digits would lose their shape). Ideographs
// leave the cell's last row free where they can. Each size is measured once.
GlyphFit Fit(const QFont& font, GlyphWidth width, int height, int ascent, int advance) {
    const GlyphFit asDrawn{height, ascent, 0};
    if (height > largestFitted) return asDrawn;
    const int smallest = height < 9 ? height : height - (height < 12 ? 1 : 2);
    std::map<int, std::optional<Ink>> measured;
    const auto inkAt = [&](int size) -> const std::optional<Ink>& {
        auto found = measured.find(size);
        if (found == measured.end()) found = measured.emplace(size, MeasureInk(font, width, size)).first;
        return found->second;
    };
    const auto placeIn = [&](int room) -> std::optional<GlyphFit> {
        for (int size = height; size >= smallest; --size) {
            const std::optional<Ink>& ink = inkAt(size);
            if (!ink) return asDrawn;
            if (ink->bottom - ink->top + 1 > room) continue;
            const int top = ascent + ink->top, bottom = ascent + ink->bottom;
            const int shift = top < 0 ? -top : bottom >= room ? room - 1 - bottom : 0;
            // A smaller glyph is centred in the cell's advance.
            QFont sized = font;
            sized.setPixelSize(size);
            const qreal own =
                QFontMetricsF(sized).horizontalAdvance(width == GlyphWidth::full ? QChar(0x4E00) : QChar('0'));
            return GlyphFit{size, ascent + shift, std::max(0, int(std::lround((advance - own) / 2)))};
        }
        return std::nullopt;
    };
    if (width == GlyphWidth::full && height > 1)
        if (const std::optional<GlyphFit> fit = placeIn(height - 1)) return *fit;
    return placeIn(height).value_or(asDrawn);
}

// What produced the stored fits: the fitting rules here (count up when
// they change) and the Qt that rasterises.
std::string FitVersion() { return std::string("2 Qt ") + qVersion(); }

// The fits of earlier runs, in the user's cache folder; none when the
// platform names no such folder.
GlyphFitStore* StoredFits() {
    static GlyphFitStore* const store = []() -> GlyphFitStore* {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (folder.isEmpty()) return nullptr;
        static ProgramLong<GlyphFitStore> opened(Utf8ToAnsi((folder + "/serviora/glyphfits").toStdString()),
                                                 FitVersion());
        return &*opened;
    }();
    return store;
}

// The stored fit's key: the font as asked for and as resolved (its face and
// its file's revision, checksum and date from the "head" table, so a font
// replaced on the machine is measured again), the glyph width and the cell.
std::string StoredKey(const QFont& font, GlyphWidth width, int height, int ascent, int advance) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QString face = raw.familyName() + ' ' + raw.styleName() + ' ' + QString::fromLatin1(head.mid(4, 8).toHex()) +
                         QString::fromLatin1(head.mid(20, 16).toHex());
    return (font.key() + '|' + face).toStdString() + (width == GlyphWidth::full ? "|full|" : "|half|") +
           std::to_string(height) + ',' + std::to_string(ascent) + ',' + std::to_string(advance);
}

// A fit measured now, or read from the fits of earlier runs (fonts too
// large to be fitted cost nothing to place).
GlyphFit MeasuredOrStored(const QFont& font, GlyphWidth width, int height, int ascent, int advance) {
    GlyphFitStore* store = height > largestFitted ? nullptr : StoredFits();
    const std::string key = store ? StoredKey(font, width, height, ascent, advance) : std::string();
    if (store)
        if (const std::optional<StoredGlyphFit> stored = store->Find(key))
            return GlyphFit{stored->pixelSize, stored->baseline, stored->indent};
    const GlyphFit fit = Fit(font, width, height, ascent, advance);
    if (store) store->Add(key, {fit.pixelSize, fit.baseline, fit.indent});
    return fit;
}

// The fits found so far, per font, glyph width, cell height, baseline and
// advance; safe to use from several threads, as the GDI's handle tables are.
struct FitTable {
    using Key = std::tuple<QString, GlyphWidth, int, int, int>;
    std::mutex mutex;
    std::map<Key, GlyphFit> fits;
};

}  // namespace

GlyphFit FitGlyphs(const QFont& font, GlyphWidth width, int height, int ascent, int advance) {
    static ProgramLong<FitTable> table;
    QFont sized = font;
    sized.setPixelSize(std::max(1, height));
    const FitTable::Key key{sized.key(), width, height, ascent, advance};
    {
        std::lock_guard lock(table->mutex);
        if (auto found = table->fits.find(key); found != table->fits.end()) return found->second;
    }
    const GlyphFit fit = MeasuredOrStored(sized, width, height, ascent, advance);
    std::lock_guard lock(table->mutex);
    return table->fits.emplace(key, fit).first->second;
}

}  // namespace gdi
