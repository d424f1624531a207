// The GDI's object tables: stock objects, pens, brushes, fonts, palettes,
// selecting objects into DCs, describing and deleting them.
#include <QtGlobal>
#include <algorithm>
#include <cstring>

#include "platform/rtl/programlong.h"
#include "platform/gdi/qt/gdi_internal.h"
#include "platform/gdi/sysparams.h"

namespace gdi {
namespace {

struct Tables {
    HandleTable<Pen> pens{HandleKind::Pen};
    HandleTable<Brush> brushes{HandleKind::Brush};
    HandleTable<Font> fonts{HandleKind::Font};
    HandleTable<Bitmap> bitmaps{HandleKind::Bitmap};
    HandleTable<Region> regions{HandleKind::Region};
    HandleTable<Palette> palettes{HandleKind::Palette};
    HandleTable<DeviceContext> dcs{HandleKind::DC};
    HGDIOBJ stock[DC_PEN + 1] = {};
    HBITMAP defaultBitmap = 0;
    Tables();
};

HGDIOBJ AddStockBrush(Tables& t, int index, UINT style, COLORREF color) {
    auto brush = std::make_unique<Brush>();
    brush->style = style;
    brush->color = color;
    return t.stock[index] = t.brushes.AddFixed(index + 1, std::move(brush));
}

HGDIOBJ AddStockPen(Tables& t, int index, int style, COLORREF color) {
    auto pen = std::make_unique<Pen>();
    pen->style = DWORD(style);
    pen->color = color;
    return t.stock[index] = t.pens.AddFixed(index + 1, std::move(pen));
}

HGDIOBJ AddStockFont(Tables& t, int index, int height, int weight) {
    auto font = std::make_unique<Font>();
    font->log.lfHeight = height;
    font->log.lfWeight = weight;
    font->log.lfCharSet = GB2312_CHARSET;
    std::strcpy(font->log.lfFaceName, "宋体");
    return t.stock[index] = t.fonts.AddFixed(index + 1, std::move(font));
}

// The twenty reserved colours of the default palette.
const COLORREF defaultPalette[20] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),   RGB(0, 0, 128),
    RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192), RGB(192, 220, 192), RGB(166, 202, 240),
    RGB(255, 251, 240), RGB(160, 160, 164), RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),
    RGB(255, 255, 0),   RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};

Tables::Tables() {
    AddStockBrush(*this, WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255));
    AddStockBrush(*this, LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192));
    AddStockBrush(*this, GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128));
    AddStockBrush(*this, DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64));
    AddStockBrush(*this, BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0));
    AddStockBrush(*this, NULL_BRUSH, BS_NULL, 0);
    AddStockBrush(*this, DC_BRUSH, BS_SOLID, RGB(255, 255, 255));
    AddStockPen(*this, WHITE_PEN, PS_SOLID, RGB(255, 255, 255));
    AddStockPen(*this, BLACK_PEN, PS_SOLID, RGB(0, 0, 0));
    AddStockPen(*this, NULL_PEN, PS_NULL, 0);
    AddStockPen(*this, DC_PEN, PS_SOLID, 0);
    AddStockFont(*this, OEM_FIXED_FONT, 16, FW_NORMAL);
    AddStockFont(*this, ANSI_FIXED_FONT, -12, FW_NORMAL);
    AddStockFont(*this, ANSI_VAR_FONT, -12, FW_NORMAL);
    AddStockFont(*this, SYSTEM_FONT, 16, FW_BOLD);
    AddStockFont(*this, DEVICE_DEFAULT_FONT, 16, FW_NORMAL);
    AddStockFont(*this, SYSTEM_FIXED_FONT, 16, FW_NORMAL);
    AddStockFont(*this, DEFAULT_GUI_FONT, -12, FW_NORMAL);
    auto palette = std::make_unique<Palette>();
    for (COLORREF c : defaultPalette) palette->entries.push_back({GetBValue(c), GetGValue(c), GetRValue(c), 0});
    stock[DEFAULT_PALETTE] = palettes.AddFixed(DEFAULT_PALETTE + 1, std::move(palette));
    auto mono = std::make_unique<Bitmap>();
    mono->image = QImage(1, 1, QImage::Format_RGB32);
    mono->image.fill(0xFFFFFFFFu);
    mono->bitsPixel = 1;
    defaultBitmap = bitmaps.AddFixed(1, std::move(mono));
}

Tables& tables() {
    static ProgramLong<Tables> t;
    return *t;
}

bool IsStock(HGDIOBJ h) { return (h & 0xFFFFFF) < HandleTable<Pen>::firstDynamic; }

}  // namespace

Pen* FindPen(HGDIOBJ h) { return tables().pens.Find(h); }
Brush* FindBrush(HGDIOBJ h) { return tables().brushes.Find(h); }
Font* FindFont(HGDIOBJ h) { return tables().fonts.Find(h); }
Bitmap* FindBitmap(HGDIOBJ h) { return tables().bitmaps.Find(h); }
Region* FindRegion(HGDIOBJ h) { return tables().regions.Find(h); }
Palette* FindPalette(HGDIOBJ h) { return tables().palettes.Find(h); }
DeviceContext* FindDC(HDC h) { return tables().dcs.Find(h); }

HANDLE AddRegion(QRegion region) {
    auto r = std::make_unique<Region>();
    r->region = std::move(region);
    return tables().regions.Add(std::move(r));
}

HANDLE AddBitmap(std::unique_ptr<Bitmap> bitmap) { return tables().bitmaps.Add(std::move(bitmap)); }

DCState DefaultState() {
    DCState s;
    ++tables().bitmaps.Find(tables().defaultBitmap)->selections;
    s.pen = GetStockObject(BLACK_PEN);
    s.brush = GetStockObject(WHITE_BRUSH);
    s.font = GetStockObject(SYSTEM_FONT);
    s.palette = GetStockObject(DEFAULT_PALETTE);
    s.bitmap = tables().defaultBitmap;
    return s;
}

HDC AddDC(std::unique_ptr<DeviceContext> dc) { return tables().dcs.Add(std::move(dc)); }

void RemoveDC(HDC h) {
    auto dc = tables().dcs.Remove(h);
    if (!dc) return;
    if (Bitmap* b = FindBitmap(dc->state.bitmap)) --b->selections;
    for (const DCState& saved : dc->saved)
        if (Bitmap* b = FindBitmap(saved.bitmap)) --b->selections;
    if (dc->options.onDelete) dc->options.onDelete();
}

std::size_t LiveObjectCount() {
    const Tables& t = tables();
    return t.pens.Count() + t.brushes.Count() + t.fonts.Count() + t.bitmaps.Count() + t.regions.Count() +
           t.palettes.Count() + t.dcs.Count();
}

}  // namespace gdi

using namespace gdi;

DWORD GetGuiResources(HANDLE, DWORD flags) {
    return flags == GR_GDIOBJECTS ? DWORD(LiveObjectCount() + LiveMetafileCount()) : 0;
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index > DC_PEN) return 0;
    return tables().stock[index];
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if ((style & PS_STYLE_MASK) > PS_ALTERNATE) return 0;
    auto pen = std::make_unique<Pen>();
    pen->style = DWORD(style);
    pen->width = std::max(width, 0);
    pen->color = color;
    // A wide pen with a broken style is drawn solid, as the platform does.
    if (pen->width > 1 && pen->Style() >= PS_DASH && pen->Style() <= PS_DASHDOTDOT) pen->style = PS_SOLID;
    return tables().pens.Add(std::move(pen));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    return pen ? CreatePen(int(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor) : 0;
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles) {
    if (!brush) return 0;
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->extended = true;
    pen->width = (style & PS_TYPE_MASK) == PS_GEOMETRIC ? int(width) : 1;
    pen->color = brush->lbStyle == BS_NULL ? 0 : brush->lbColor;
    if (brush->lbStyle == BS_NULL) pen->style = (style & ~DWORD(PS_STYLE_MASK)) | PS_NULL;
    if ((style & PS_STYLE_MASK) == PS_USERSTYLE && styles) pen->userStyle.assign(styles, styles + styleCount);
    return tables().pens.Add(std::move(pen));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = std::make_unique<Brush>();
    brush->color = color;
    return tables().brushes.Add(std::move(brush));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return 0;
    auto brush = std::make_unique<Brush>();
    brush->style = BS_HATCHED;
    brush->hatch = hatch;
    brush->color = color;
    return tables().brushes.Add(std::move(brush));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b) return 0;
    b->PullFromDib();
    auto brush = std::make_unique<Brush>();
    brush->style = BS_PATTERN;
    brush->pattern = b->image.copy();
    brush->monoPattern = b->bitsPixel == 1;
    return tables().brushes.Add(std::move(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush) return 0;
    switch (brush->lbStyle) {
        case BS_SOLID: return CreateSolidBrush(brush->lbColor);
        case BS_NULL: return GetStockObject(NULL_BRUSH);
        case BS_HATCHED: return CreateHatchBrush(int(brush->lbHatch), brush->lbColor);
        case BS_PATTERN: return CreatePatternBrush(HBITMAP(brush->lbHatch));
        default: return 0;
    }
}

HFONT CreateFontIndirect(const LOGFONTA* log) {
    if (!log) return 0;
    auto font = std::make_unique<Font>();
    font->log = *log;
    font->log.lfFaceName[LF_FACESIZE - 1] = 0;
    return tables().fonts.Add(std::move(font));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charset, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* face) {
    LOGFONTA log;
    log.lfHeight = height;
    log.lfWidth = width;
    log.lfEscapement = escapement;
    log.lfOrientation = orientation;
    log.lfWeight = weight;
    log.lfItalic = BYTE(italic);
    log.lfUnderline = BYTE(underline);
    log.lfStrikeOut = BYTE(strikeOut);
    log.lfCharSet = BYTE(charset);
    log.lfOutPrecision = BYTE(outPrecision);
    log.lfClipPrecision = BYTE(clipPrecision);
    log.lfQuality = BYTE(quality);
    log.lfPitchAndFamily = BYTE(pitchAndFamily);
    if (face) std::strncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirect(&log);
}

HPALETTE CreateHalftonePalette(HDC) {
    auto palette = std::make_unique<Palette>();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette->entries.push_back({BYTE(b * 51), BYTE(g * 51), BYTE(r * 51), 0});
    return tables().palettes.Add(std::move(palette));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL) {
    DeviceContext* d = FindDC(dc);
    if (!d || !FindPalette(palette)) return 0;
    return std::exchange(d->state.palette, palette);
}

UINT RealizePalette(HDC dc) { return FindDC(dc) ? 0 : UINT(-1); }

DWORD GetObjectType(HGDIOBJ h) {
    switch (KindOfHandle(h)) {
        case HandleKind::Pen: {
            Pen* p = FindPen(h);
            return p ? (p->extended ? OBJ_EXTPEN : OBJ_PEN) : 0;
        }
        case HandleKind::Brush: return FindBrush(h) ? OBJ_BRUSH : 0;
        case HandleKind::Font: return FindFont(h) ? OBJ_FONT : 0;
        case HandleKind::Bitmap: return FindBitmap(h) ? OBJ_BITMAP : 0;
        case HandleKind::Region: return FindRegion(h) ? OBJ_REGION : 0;
        case HandleKind::Palette: return FindPalette(h) ? OBJ_PAL : 0;
        case HandleKind::DC: {
            DeviceContext* d = FindDC(h);
            return d ? (d->memory ? OBJ_MEMDC : OBJ_DC) : 0;
        }
        default: return 0;
    }
}

namespace {

template <class T>
int CopyOut(const T& value, int size, void* buffer) {
    if (!buffer) return int(sizeof(T));
    int n = std::min(size, int(sizeof(T)));
    if (n <= 0) return 0;
    std::memcpy(buffer, &value, size_t(n));
    return n;
}

int DescribeBitmap(Bitmap& b, int size, void* buffer) {
    BITMAP bm;
    bm.bmWidth = b.image.width();
    bm.bmHeight = b.image.height();
    bm.bmBitsPixel = WORD(b.bitsPixel);
    bm.bmWidthBytes = b.dibSection ? DibRowBytes(bm.bmWidth, b.bitsPixel) : ((bm.bmWidth * b.bitsPixel + 15) / 16) * 2;
    bm.bmBits = b.dibSection ? b.bits.data() : nullptr;
    if (b.dibSection && size >= int(sizeof(DIBSECTION))) {
        DIBSECTION ds;
        ds.dsBm = bm;
        ds.dsBmih = b.header;
        return CopyOut(ds, size, buffer);
    }
    return CopyOut(bm, size, buffer);
}

}  // namespace

int GetObject(HGDIOBJ h, int size, void* buffer) {
    if (Pen* p = FindPen(h)) {
        if (p->extended) {
            EXTLOGPEN ext;
            ext.elpPenStyle = p->style;
            ext.elpWidth = DWORD(p->width);
            ext.elpColor = p->color;
            ext.elpNumEntries = DWORD(p->userStyle.size());
            return CopyOut(ext, size, buffer);
        }
        LOGPEN log;
        log.lopnStyle = p->style;
        log.lopnWidth.x = p->width;
        log.lopnColor = p->color;
        return CopyOut(log, size, buffer);
    }
    if (Brush* b = FindBrush(h)) {
        LOGBRUSH log;
        log.lbStyle = b->style;
        log.lbColor = b->color;
        log.lbHatch = std::uintptr_t(b->hatch);
        return CopyOut(log, size, buffer);
    }
    if (Font* f = FindFont(h)) return CopyOut(f->log, size, buffer);
    if (Bitmap* b = FindBitmap(h)) return DescribeBitmap(*b, size, buffer);
    if (Palette* p = FindPalette(h)) {
        WORD count = WORD(p->entries.size());
        return CopyOut(count, size, buffer);
    }
    return 0;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT kind) {
    DeviceContext* d = FindDC(dc);
    if (!d) return 0;
    switch (kind) {
        case OBJ_PEN: return d->state.pen;
        case OBJ_BRUSH: return d->state.brush;
        case OBJ_FONT: return d->state.font;
        case OBJ_BITMAP: return d->memory ? d->state.bitmap : d->surface;
        case OBJ_PAL: return d->state.palette;
        default: return 0;
    }
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* d = FindDC(dc);
    if (!d) return 0;
    DCState& s = d->state;
    switch (KindOfHandle(object)) {
        case HandleKind::Pen: return FindPen(object) ? std::exchange(s.pen, object) : 0;
        case HandleKind::Brush: return FindBrush(object) ? std::exchange(s.brush, object) : 0;
        case HandleKind::Font: return FindFont(object) ? std::exchange(s.font, object) : 0;
        case HandleKind::Region: return HGDIOBJ(SelectClipRgn(dc, object));
        case HandleKind::Bitmap: {
            // Unlike the original platform, a bitmap may be selected into
            // several memory DCs at once (all draw on the same pixels).
            Bitmap* b = FindBitmap(object);
            if (!b || !d->memory) return 0;
            if (Bitmap* old = FindBitmap(s.bitmap)) --old->selections;
            ++b->selections;
            // Selecting a bitmap resets the clip region to the whole bitmap.
            s.clip.reset();
            return std::exchange(s.bitmap, object);
        }
        default: return 0;
    }
}

BOOL DeleteObject(HGDIOBJ object) {
    if (object == 0) return FALSE;
    if (IsStock(object)) return GetObjectType(object) != 0;
    Tables& t = tables();
    switch (KindOfHandle(object)) {
        case HandleKind::Pen: return t.pens.Remove(object) != nullptr;
        case HandleKind::Brush: return t.brushes.Remove(object) != nullptr;
        case HandleKind::Font: return t.fonts.Remove(object) != nullptr;
        case HandleKind::Region: return t.regions.Remove(object) != nullptr;
        case HandleKind::Palette: return t.palettes.Remove(object) != nullptr;
        case HandleKind::Bitmap: {
            Bitmap* b = t.bitmaps.Find(object);
            // A bitmap selected into a DC stays until it is selected out.
            if (!b || b->selections > 0) return FALSE;
            t.bitmaps.Remove(object);
            return TRUE;
        }
        default: return FALSE;
    }
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index > COLOR_ENDCOLORS) return 0;
    // Fixed handles after the stock objects; like them, never deleted.
    HBRUSH h = (HBRUSH(HandleKind::Brush) << 24) | HBRUSH(0x40 + index);
    if (!FindBrush(h)) {
        auto brush = std::make_unique<Brush>();
        brush->color = GetSysColor(index);
        tables().brushes.AddFixed(0x40 + index, std::move(brush));
    }
    return h;
}
