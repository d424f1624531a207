// Fonts and text: the face substitution table, the classic text metrics of
// substituted faces, and TextOut/ExtTextOut drawn glyph by glyph into cells
// of those metrics, so widths computed from the metrics hold on screen.
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/rtl/codepage.h"
#include "platform/gdi/qt/gdi_glyphfit.h"
#include "platform/gdi/qt/gdi_internal.h"
#include "platform/gdi/qt/gdi_textcache.h"
#include "platform/gdi/symbolchart.h"

namespace gdi {
namespace {

// The face whose Latin letters and digits are designed for half-width
// cells; every face draws its single-byte characters from it.
const char* const halfWidthFace = "Noto Sans Mono CJK SC";

// Windows face names resolved to the CJK faces of the machine: the classic
// Song-style and sans faces have half-width Latin letters and full-width
// hanzi, which the monospaced Noto face matches; the Kai faces come from the
// Kai face Debian ships.
QString SubstituteFace(const char* face) {
    const std::string name = face;
    if (name == "黑体" || name == "SimHei" || name == "微软雅黑" || name == "Microsoft YaHei") return "Noto Sans CJK SC";
    if (name == "楷体_GB2312" || name == "楷体" || name == "KaiTi") return "AR PL UKai CN";
    if (name == "仿宋_GB2312" || name == "FangSong") return "Noto Serif CJK SC";
    if (name.rfind("Noto ", 0) == 0) return QString::fromStdString(name);
    return halfWidthFace;
}

}  // namespace

int FontEmHeight(const LOGFONTA& log) { return log.lfHeight ? std::abs(log.lfHeight) : 12; }

QFont QtFontFor(const LOGFONTA& log) {
    QFont font(SubstituteFace(log.lfFaceName));
    font.setPixelSize(std::max(1, FontEmHeight(log)));
    font.setWeight(QFont::Weight(std::clamp(log.lfWeight ? int(log.lfWeight) : 400, 100, 900)));
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    font.setStrikeOut(log.lfStrikeOut != 0);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace gdi

using namespace gdi;

namespace {

// The selected font's metrics in device pixels: the cell's height and
// ascent, and the advances of single-byte and double-byte characters.
struct Metrics {
    int height, ascent, half, full;
    LOGFONTA log;
};

Metrics MetricsOf(DeviceContext& dc) {
    Font* f = FindFont(dc.state.font);
    if (!f) f = FindFont(GetStockObject(SYSTEM_FONT));
    Metrics m;
    m.log = f->log;
    m.height = std::max(1, int(std::lround(std::abs(ScaleY(dc.state, FontEmHeight(f->log))))));
    m.ascent = int(std::lround(m.height * 0.86));
    m.half = f->log.lfWidth ? std::max(1, int(std::lround(std::abs(ScaleX(dc.state, f->log.lfWidth)))))
                            : (m.height + 1) / 2;
    // The classic faces advance an ideograph by the em, and a single-byte
    // character by half of it rounded up, so at odd heights two Latin
    // letters are a pixel wider than one hanzi (7 and 13 at 13 pixels). A
    // given character width stretches both alike.
    m.full = f->log.lfWidth ? 2 * m.half : m.height;
    return m;
}

// One character of a text: its first byte and its size in the ANSI text.
struct Glyph {
    size_t offset;
    size_t bytes;
};

// In the symbol and Marlett faces every byte is one glyph of its chart.
std::vector<Glyph> SplitGlyphs(std::string_view text, const Metrics& m) {
    const bool symbols = IsChartFace(m.log.lfFaceName);
    std::vector<Glyph> glyphs;
    for (size_t i = 0; i < text.size(); i += glyphs.back().bytes)
        glyphs.push_back({i, symbols ? 1 : AnsiCharSize(text, i)});
    return glyphs;
}

QString GlyphText(std::string_view text, const Glyph& glyph, const Metrics& m) {
    if (IsChartFace(m.log.lfFaceName))
        return QString(QChar(ChartCharToUnicode(m.log.lfFaceName, static_cast<unsigned char>(text[glyph.offset]))));
    std::string utf8 = AnsiToUtf8(text.substr(glyph.offset, glyph.bytes));
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The advance of each character in device pixels (a single-byte or a
// double-byte character's), plus the character extra.
// The cell faces have no bold design: a bold font is the regular face
// emboldened, which widens every character by one pixel (bold 宋体 at 14
// pixels advances 15 per hanzi).
std::vector<int> Advances(DeviceContext& dc, const Metrics& m, const std::vector<Glyph>& glyphs) {
    const int emboldening = m.log.lfWeight >= FW_SEMIBOLD ? 1 : 0;
    int extra = int(std::lround(ScaleX(dc.state, dc.state.charExtra))) + emboldening;
    std::vector<int> advances;
    for (const Glyph& g : glyphs) advances.push_back((g.bytes == 1 ? m.half : m.full) + extra);
    return advances;
}

TEXTMETRICA TextMetricsOf(const Metrics& m) {
    TEXTMETRICA tm;
    tm.tmHeight = m.height;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.height - m.ascent;
    tm.tmAveCharWidth = m.half;
    tm.tmMaxCharWidth = std::max(m.full, m.half);
    tm.tmWeight = m.log.lfWeight ? m.log.lfWeight : FW_NORMAL;
    tm.tmItalic = m.log.lfItalic ? 1 : 0;
    tm.tmUnderlined = m.log.lfUnderline ? 1 : 0;
    tm.tmStruckOut = m.log.lfStrikeOut ? 1 : 0;
    tm.tmPitchAndFamily = TMPF_VECTOR | TMPF_TRUETYPE | FF_MODERN;
    tm.tmCharSet = m.log.lfCharSet == DEFAULT_CHARSET ? GB2312_CHARSET : m.log.lfCharSet;
    tm.tmFirstChar = 0x1F;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    return tm;
}

// Where the underline and the strike-out run, in pixels from the baseline
// (upwards), and how thick they are.
struct Decorations {
    int underline, strikeOut, thickness;
};

Decorations DecorationsOf(const Metrics& m) {
    return {-1, m.ascent * 2 / 5, std::max(1, m.height / 12)};
}

// The coverage of a text line's glyphs, drawn through `toMask` into a mask
// of `size`. The underline and strike-out run unbroken along the line's
// `extent`, however its glyphs are placed in their advances.
QImage DrawGlyphMask(const Metrics& m, std::string_view text, const std::vector<Glyph>& glyphs,
                     const std::vector<int>& offsets, int extent, const QTransform& toMask, QSize size) {
    QImage mask(size, QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setTransform(toMask);
        QFont font = QtFontFor(m.log);
        font.setPixelSize(m.height);
        font.setUnderline(false);
        font.setStrikeOut(false);
        if (m.log.lfWidth) font.setStretch(std::clamp(int(std::lround(200.0 * m.half / m.height)), 1, 4000));
        QFont halfWidth = font;
        halfWidth.setFamily(halfWidthFace);
        // The symbol charts' pictures are not letters: they keep the em.
        const GlyphFit halfFit = IsChartFace(m.log.lfFaceName)
                                     ? GlyphFit{m.height, m.ascent, 0}
                                     : FitGlyphs(halfWidth, GlyphWidth::half, m.height, m.ascent, m.half);
        halfWidth.setPixelSize(halfFit.pixelSize);
        // Fitting measures the font's full-width glyphs once, which costs
        // enough that lines of single-byte text skip it.
        const bool anyFullWidth =
            std::any_of(glyphs.begin(), glyphs.end(), [](const Glyph& g) { return g.bytes != 1; });
        const GlyphFit fullFit = anyFullWidth ? FitGlyphs(font, GlyphWidth::full, m.height, m.ascent, m.full)
                                             : GlyphFit{};
        QFont fullWidth = font;
        if (anyFullWidth) fullWidth.setPixelSize(fullFit.pixelSize);
        p.setPen(Qt::black);
        for (size_t i = 0; i < glyphs.size(); ++i) {
            const bool half = glyphs[i].bytes == 1;
            const GlyphFit& fit = half ? halfFit : fullFit;
            p.setFont(half ? halfWidth : fullWidth);
            p.drawText(QPointF(offsets[i] + fit.indent, fit.baseline), GlyphText(text, glyphs[i], m));
        }
        const Decorations lines = DecorationsOf(m);
        const auto rule = [&](int aboveBaseline) {
            const int top = std::min(m.ascent - aboveBaseline, m.height - lines.thickness);
            p.fillRect(QRect(0, top, extent, lines.thickness), Qt::black);
        };
        if (m.log.lfUnderline) rule(lines.underline);
        if (m.log.lfStrikeOut) rule(lines.strikeOut);
    }
    return mask.convertToFormat(QImage::Format_Alpha8);
}

// Paints glyphs along a baseline rotated by `angle` degrees about the
// reference point (device pixels, before mirroring); `alignShift` moves the
// text cell's top-left from the reference point as the text alignment says,
// and `offsets` are the characters' positions along the baseline. The mask
// comes from the cache when the same line was drawn in the same place
// within its pixel before.
void PaintGlyphs(DeviceContext& dc, const Metrics& m, std::string_view text, const std::vector<Glyph>& glyphs,
                 const std::vector<int>& offsets, QPointF reference, QPointF alignShift, double angle, int extent) {
    QTransform t;
    t.translate(reference.x(), reference.y());
    t.rotate(-angle);
    t.translate(alignShift.x(), alignShift.y());
    QRectF local(-m.height, -m.height, extent + 2 * m.height, 3 * m.height);
    QRect box = t.mapRect(local).toAlignedRect();
    TextMaskKey key(m.log, m.height, m.half, m.ascent, std::string(text), offsets, extent,
                    t * QTransform::fromTranslate(-box.left(), -box.top()), box.size().expandedTo(QSize(1, 1)));
    std::optional<TextMask> mask = TextMasks().Find(key);
    if (!mask) mask = TextMasks().Insert(key, DrawGlyphMask(m, text, glyphs, offsets, extent, key.toMask, key.size));
    if (mask->coverage.isNull()) return;
    // A mirrored layout moves the mask without flipping it, so a cut mask
    // keeps its distance from the full mask's right edge.
    const int left = Mirrored(dc.state) ? mask->fullSize.width() - mask->offset.x() - mask->coverage.width()
                                        : mask->offset.x();
    PaintMask(dc, mask->coverage, box.topLeft() + QPoint(left, mask->offset.y()), SolidSource(dc.state.textColor),
              R2_COPYPEN, true);
}

// Fills the rotated text cell with the background colour.
void PaintTextBackground(DeviceContext& dc, QPointF reference, QPointF alignShift, double angle, int extent, int height) {
    QTransform t;
    t.translate(reference.x(), reference.y());
    t.rotate(-angle);
    t.translate(alignShift.x(), alignShift.y());
    QPainterPath path;
    path.addPolygon(t.map(QPolygonF(QRectF(0, 0, extent, height))));
    path.closeSubpath();
    QPoint at;
    QImage mask = FillMask(path, Qt::WindingFill, &at);
    PaintMask(dc, mask, at, SolidSource(dc.state.bkColor), R2_COPYPEN, true);
}

// Hands a drawn line to the DC's text listener when some of it lies where
// the DC may draw.
void ReportText(DeviceContext& dc, const Metrics& m, std::string_view text, QPointF topLeft, int extent) {
    const QRect cell(QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))) + dc.origin,
                     QSize(std::max(extent, 1), m.height));
    if (!EffectiveClip(dc).intersects(cell)) return;
    SurfaceText line;
    line.topLeft = POINT{cell.left(), cell.top()};
    line.size = SIZE{cell.width(), cell.height()};
    line.face = m.log.lfFaceName;
    line.bold = m.log.lfWeight >= FW_BOLD;
    line.italic = m.log.lfItalic != 0;
    line.text = AnsiString(text);
    dc.options.onText(line);
}

BOOL DrawTextLine(HDC h, int x, int y, UINT options, const RECT* rect, std::string_view text, const int* dx) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return FALSE;
    DCState& s = dc->state;
    std::optional<QRegion> savedClip = s.clip;
    QRect box;
    if (rect) box = ToDeviceRect(s, rect->left, rect->top, rect->right, rect->bottom);
    if (rect && (options & ETO_OPAQUE)) PaintRect(*dc, box, SolidSource(s.bkColor), R2_COPYPEN);
    if (rect && (options & ETO_CLIPPED)) s.clip = (s.clip ? *s.clip : QRegion(QRect(QPoint(0, 0), DeviceSize(*dc)))) & box;
    Metrics m = MetricsOf(*dc);
    std::vector<Glyph> glyphs = SplitGlyphs(text, m);
    std::vector<int> advances = Advances(*dc, m, glyphs);
    if (dx) {
        // The caller's advances are per byte of the ANSI text.
        for (size_t i = 0; i < glyphs.size(); ++i) {
            int sum = 0;
            for (size_t b = 0; b < glyphs[i].bytes; ++b) sum += dx[glyphs[i].offset + b];
            advances[i] = int(std::lround(ScaleX(s, sum)));
        }
    }
    std::vector<int> offsets;
    int extent = 0;
    for (int a : advances) {
        offsets.push_back(extent);
        extent += a;
    }
    POINT start = (s.textAlign & TA_UPDATECP) ? s.position : POINT{x, y};
    QPointF reference = ToDevice(s, start.x, start.y);
    double shiftX = 0, shiftY = 0;
    switch (s.textAlign & TA_CENTER) {
        case TA_RIGHT: shiftX = -extent; break;
        case TA_CENTER: shiftX = -extent / 2; break;
        default: break;
    }
    switch (s.textAlign & TA_BASELINE) {
        case TA_BOTTOM: shiftY = -m.height; break;
        case TA_BASELINE: shiftY = -m.ascent; break;
        default: break;
    }
    double angle = m.log.lfEscapement / 10.0;
    if (s.bkMode == OPAQUE && !(rect && (options & ETO_OPAQUE)))
        PaintTextBackground(*dc, reference, {shiftX, shiftY}, angle, extent, m.height);
    if (!glyphs.empty()) PaintGlyphs(*dc, m, text, glyphs, offsets, reference, {shiftX, shiftY}, angle, extent);
    if (dc->options.onText && !glyphs.empty() && angle == 0) ReportText(*dc, m, text, reference + QPointF(shiftX, shiftY), extent);
    s.clip = savedClip;
    if (dc->recording) {
        const LONG left = LONG(std::lround(reference.x() + shiftX)), top = LONG(std::lround(reference.y() + shiftY));
        RecordText(*dc->recording, RECT{left, top, left + std::max(extent, 1) - 1, top + m.height - 1}, start, options,
                   rect, text, advances);
    }
    if (s.textAlign & TA_UPDATECP) {
        double logicalExtent = extent * double(s.windowExt.cx) / s.viewportExt.cx;
        if ((s.textAlign & TA_CENTER) == TA_LEFT) s.position.x += LONG(std::lround(logicalExtent));
        if ((s.textAlign & TA_CENTER) == TA_RIGHT) s.position.x -= LONG(std::lround(logicalExtent));
    }
    return TRUE;
}

// The extent of the text in logical units, and the extent after each byte.
SIZE MeasureText(DeviceContext& dc, std::string_view text, std::vector<int>* perByte) {
    Metrics m = MetricsOf(dc);
    std::vector<Glyph> glyphs = SplitGlyphs(text, m);
    std::vector<int> advances = Advances(dc, m, glyphs);
    double toLogical = double(dc.state.windowExt.cx) / dc.state.viewportExt.cx;
    int total = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        total += advances[i];
        if (perByte)
            for (size_t b = 0; b < glyphs[i].bytes; ++b) perByte->push_back(int(std::lround(std::abs(total * toLogical))));
    }
    double toLogicalY = double(dc.state.windowExt.cy) / dc.state.viewportExt.cy;
    return {LONG(std::lround(std::abs(total * toLogical))), LONG(std::lround(std::abs(m.height * toLogicalY)))};
}

std::string_view Span(const char* text, int length) {
    if (!text) return {};
    return std::string_view(text, length < 0 ? std::strlen(text) : size_t(length));
}

AnsiString WideText(const WCHAR* text, int length) {
    if (!text) return {};
    size_t n = length < 0 ? std::char_traits<char16_t>::length(text) : size_t(length);
    return WideToAnsi(std::u16string_view(text, n));
}

}  // namespace

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length, const int* dx) {
    return DrawTextLine(dc, x, y, options, rect, Span(text, int(length)), dx);
}

BOOL TextOut(HDC dc, int x, int y, const char* text, int length) {
    return DrawTextLine(dc, x, y, 0, nullptr, Span(text, length), nullptr);
}

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, const WCHAR* text, UINT length, const int* dx) {
    AnsiString ansi = WideText(text, int(length));
    std::vector<int> perByte;
    if (dx) {
        // One advance per UTF-16 unit becomes one per ANSI byte (the whole
        // advance on the character's first byte).
        size_t unit = 0;
        for (size_t i = 0; i < ansi.size();) {
            size_t n = AnsiCharSize(ansi, i);
            WideString w = AnsiToWide(std::string_view(ansi).substr(i, n));
            int sum = 0;
            for (size_t k = 0; k < w.size() && unit < length; ++k) sum += dx[unit++];
            perByte.push_back(sum);
            for (size_t k = 1; k < n; ++k) perByte.push_back(0);
            i += n;
        }
    }
    return DrawTextLine(dc, x, y, options, rect, ansi, dx ? perByte.data() : nullptr);
}

BOOL TextOutW(HDC dc, int x, int y, const WCHAR* text, int length) {
    return ExtTextOutW(dc, x, y, 0, nullptr, text, UINT(length < 0 ? std::char_traits<char16_t>::length(text) : length), nullptr);
}

BOOL GetTextExtentPoint32(HDC h, const char* text, int length, SIZE* size) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !size || length < 0) return FALSE;
    *size = MeasureText(*dc, Span(text, length), nullptr);
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC h, const WCHAR* text, int length, SIZE* size) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !size || length < 0) return FALSE;
    *size = MeasureText(*dc, WideText(text, length), nullptr);
    return TRUE;
}

BOOL GetTextExtentExPoint(HDC h, const char* text, int length, int maxExtent, int* fit, int* dx, SIZE* size) {
    DeviceContext* dc = FindDC(h);
    if (!dc || length < 0) return FALSE;
    std::string_view s = Span(text, length);
    std::vector<int> perByte;
    SIZE total = MeasureText(*dc, s, &perByte);
    if (size) *size = total;
    if (dx) std::copy(perByte.begin(), perByte.end(), dx);
    if (fit) {
        // Whole characters only: a character's bytes fit together or not at all.
        int n = 0;
        for (size_t i = 0; i < s.size();) {
            size_t bytes = AnsiCharSize(s, i);
            if (perByte[i + bytes - 1] > maxExtent) break;
            i += bytes;
            n = int(i);
        }
        *fit = n;
    }
    return TRUE;
}

BOOL GetTextMetrics(HDC h, TEXTMETRICA* metrics) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !metrics) return FALSE;
    TEXTMETRICA tm = TextMetricsOf(MetricsOf(*dc));
    double sy = std::abs(double(dc->state.windowExt.cy) / dc->state.viewportExt.cy);
    double sx = std::abs(double(dc->state.windowExt.cx) / dc->state.viewportExt.cx);
    if (sx != 1 || sy != 1) {
        auto y = [&](LONG v) { return LONG(std::lround(v * sy)); };
        auto x = [&](LONG v) { return LONG(std::lround(v * sx)); };
        tm.tmHeight = y(tm.tmHeight);
        tm.tmAscent = y(tm.tmAscent);
        tm.tmDescent = tm.tmHeight - tm.tmAscent;
        tm.tmAveCharWidth = x(tm.tmAveCharWidth);
        tm.tmMaxCharWidth = x(tm.tmMaxCharWidth);
    }
    *metrics = tm;
    return TRUE;
}

UINT GetOutlineTextMetrics(HDC h, UINT size, OUTLINETEXTMETRICA* metrics) {
    DeviceContext* dc = FindDC(h);
    if (!dc) return 0;
    if (!metrics) return sizeof(OUTLINETEXTMETRICA);
    if (size < sizeof(OUTLINETEXTMETRICA)) return 0;
    Metrics m = MetricsOf(*dc);
    OUTLINETEXTMETRICA o;
    GetTextMetrics(h, &o.otmTextMetrics);
    o.otmEMSquare = UINT(m.height);
    o.otmAscent = m.ascent;
    o.otmDescent = -(m.height - m.ascent);
    o.otmsCharSlopeRise = m.log.lfItalic ? 100 : 1;
    o.otmsCharSlopeRun = m.log.lfItalic ? 21 : 0;
    o.otmItalicAngle = m.log.lfItalic ? -120 : 0;
    o.otmsCapEmHeight = UINT(std::lround(m.height * 0.7));
    o.otmsXHeight = UINT(std::lround(m.height * 0.5));
    o.otmrcFontBox = {0, m.ascent, std::max(m.full, m.half), -(m.height - m.ascent)};
    const Decorations lines = DecorationsOf(m);
    o.otmsUnderscoreSize = UINT(lines.thickness);
    o.otmsUnderscorePosition = lines.underline;
    o.otmsStrikeoutSize = UINT(lines.thickness);
    o.otmsStrikeoutPosition = lines.strikeOut;
    *metrics = o;
    return sizeof(OUTLINETEXTMETRICA);
}

BOOL GetCharWidth(HDC h, UINT first, UINT last, int* widths) {
    DeviceContext* dc = FindDC(h);
    if (!dc || !widths || last < first) return FALSE;
    for (UINT c = first; c <= last; ++c) {
        char ch = char(c);
        widths[c - first] = MeasureText(*dc, std::string_view(&ch, 1), nullptr).cx;
    }
    return TRUE;
}

BOOL GetCharWidth32(HDC dc, UINT first, UINT last, int* widths) { return GetCharWidth(dc, first, last, widths); }

int GetTextFace(HDC h, int size, char* face) {
    DeviceContext* dc = FindDC(h);
    Font* f = dc ? FindFont(dc->state.font) : nullptr;
    if (!f) return 0;
    int n = int(std::strlen(f->log.lfFaceName));
    if (!face) return n + 1;
    if (size <= 0) return 0;
    n = std::min(n, size - 1);
    std::memcpy(face, f->log.lfFaceName, size_t(n));
    face[n] = 0;
    return n;
}

DWORD GetFontLanguageInfo(HDC h) { return FindDC(h) ? 0x00000002 /* GCP_DBCS */ : 0x8000 /* GCP_ERROR */; }
