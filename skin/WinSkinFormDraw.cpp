// Skin drawing routines. Frames are composed in scratch bitmaps and copied
// to the destination once.
#include "skin/WinSkinFormDraw.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "platform/rtl/sysutils.h"

namespace {

int Width(const TRect& r) { return r.right - r.left; }
int Height(const TRect& r) { return r.bottom - r.top; }

std::unique_ptr<TBitmap> ScratchBitmap(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    SetStretchBltMode(bitmap->Canvas()->Handle(), HALFTONE);
    return bitmap;
}

// The monochrome mask of the key pixels of an image.
std::unique_ptr<TBitmap> KeyMask(TBitmap* image, COLORREF keyColour) {
    auto mask = std::make_unique<TBitmap>();
    mask->Assign(image);
    mask->Mask(static_cast<TColor>(keyColour));
    return mask;
}

// Where the mask is set (key pixels) the destination stays.
void MaskedCopy(HDC dc, const TRect& rect, TBitmap* image, TBitmap* mask) {
    MaskBlt(dc, rect.left, rect.top, Width(rect), Height(rect), image->Canvas()->Handle(), 0, 0, mask->Handle(), 0, 0,
            MAKEROP4(0x00AA0029, SRCCOPY));
}

// Finished cells of the skin's own images, by image, drawing, cell,
// margins and size: the skin's images change only with a new skin, which
// empties the cache, so a cached cell has the pixels a new build would.
using TCellKey = std::tuple<const TBitmap*, int, int, int, int, int, int, int, bool, bool, int, int>;
constexpr std::size_t kMostCachedCells = 4096;

// A cached cell, and whether any of its pixels has the key colour: a cell
// without one is drawn opaque, which gives the same pixels for less.
struct TCachedCell {
    std::unique_ptr<TBitmap> picture;
    bool keyed = true;
};

std::map<TCellKey, TCachedCell>& CellCache() {
    static std::map<TCellKey, TCachedCell> cache;
    return cache;
}

bool HasKeyPixels(TBitmap* picture) {
    const int w = picture->Width(), h = picture->Height();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(std::size_t(w) * std::size_t(h));
    if (GetDIBits(picture->Canvas()->Handle(), picture->Handle(), 0, UINT(h), pixels.data(), &info, DIB_RGB_COLORS) != h)
        return true;
    // 0x00RRGGBB in memory order blue, green, red.
    const std::uint32_t key = (GetRValue(kSkinKeyColour) << 16) | (GetGValue(kSkinKeyColour) << 8) | GetBValue(kSkinKeyColour);
    return std::any_of(pixels.begin(), pixels.end(), [key](std::uint32_t p) { return (p & 0xFFFFFF) == key; });
}

std::set<const TBitmap*>& CachedImages() {
    static std::set<const TBitmap*> images;
    return images;
}

// Draws the picture Build makes for Key at Rect, from the cache when the
// image is one of the skin's own.
void DrawCell(HDC dc, const TRect& rect, const TCellKey& key, bool transparent,
              const std::function<std::unique_ptr<TBitmap>()>& build);

// The finished picture onto DC at Rect, transparent or opaque.
void Present(HDC dc, const TRect& rect, TBitmap* picture, bool transparent) {
    if (transparent) {
        DrawTransparent(dc, rect, picture, kSkinKeyColour);
    } else {
        BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), picture->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
}

void DrawCell(HDC dc, const TRect& rect, const TCellKey& key, bool transparent,
              const std::function<std::unique_ptr<TBitmap>()>& build) {
    if (!CachedImages().count(std::get<0>(key))) {
        Present(dc, rect, build().get(), transparent);
        return;
    }
    auto& cache = CellCache();
    auto found = cache.find(key);
    if (found == cache.end()) {
        if (cache.size() >= kMostCachedCells) cache.clear();
        TCachedCell made{build()};
        made.keyed = !transparent || HasKeyPixels(made.picture.get());
        found = cache.emplace(key, std::move(made)).first;
    }
    HDC cell = found->second.picture->Canvas()->Handle();
    if (transparent && found->second.keyed)
        TransparentBlt(dc, rect.left, rect.top, Width(rect), Height(rect), cell, 0, 0, Width(rect), Height(rect),
                       kSkinKeyColour);
    else
        BitBlt(dc, rect.left, rect.top, Width(rect), Height(rect), cell, 0, 0, SRCCOPY);
}

}  // namespace

void SetSkinCellImages(const std::vector<TBitmap*>& images) {
    CellCache().clear();
    CachedImages() = std::set<const TBitmap*>(images.begin(), images.end());
}

TRect SkinCellRect(TBitmap* image, int index, int frames, bool vertical) {
    frames = std::max(frames, 1);
    index = std::clamp(index, 1, frames);
    if (vertical) {
        const int height = image->Height() / frames;
        return TRect{0, (index - 1) * height, image->Width(), index * height};
    }
    const int width = image->Width() / frames;
    return TRect{(index - 1) * width, 0, index * width, image->Height()};
}

TBitmap* SkinWorkBitmap() {
    static const std::unique_ptr<TBitmap> workBitmap = ScratchBitmap(0, 0);
    return workBitmap.get();
}

std::unique_ptr<TBitmap> BuildSkinCell(const TRect& size, TBitmap* image, const TRect& margins, int index,
                                       int frames, bool tile, bool vertical) {
    const TRect cell = SkinCellRect(image, index, frames, vertical);
    const int w = Width(size), h = Height(size);
    const int cx = cell.left, cy = cell.top, cw = Width(cell), ch = Height(cell);
    auto result = ScratchBitmap(w, h);
    // Margins that do not fit the target or the cell are dropped, so the
    // cell is stretched whole rather than cut into overlapping pieces.
    int l = margins.left, t = margins.top, r = margins.right, b = margins.bottom;
    if (w < l + r || cw < l + r) l = r = 0;
    if (h < t + b || ch < t + b) t = b = 0;

    TCanvas* target = result->Canvas();
    TCanvas* source = image->Canvas();
    auto piece = [&](bool wanted, const TRect& to, const TRect& from) {
        if (wanted) target->CopyRect(to, source, from);
    };
    piece(l > 0 && t > 0, {0, 0, l, t}, {cx, cy, cx + l, cy + t});
    piece(l > 0 && b > 0, {0, h - b, l, h}, {cx, cy + ch - b, cx + l, cy + ch});
    piece(r > 0 && t > 0, {w - r, 0, w, t}, {cx + cw - r, cy, cx + cw, cy + t});
    piece(l > 0, {0, t, l, h - b}, {cx, cy + t, cx + l, cy + ch - b});
    piece(t > 0, {l, 0, w - r, t}, {cx + l, cy, cx + cw - r, cy + t});
    const TRect centre{l, t, w - r, h - b};
    const TRect centreSource{cx + l, cy + t, cx + cw - r, cy + ch - b};
    if (tile) {
        TileBitmap(target, centre, image, centreSource);
    } else {
        StretchBlt(target->Handle(), centre.left, centre.top, Width(centre), Height(centre), source->Handle(),
                   centreSource.left, centreSource.top, Width(centreSource), Height(centreSource), SRCCOPY);
    }
    // Drawn last: they cover whatever part of a tile ran past the centre.
    piece(r > 0 && b > 0, {w - r, h - b, w, h}, {cx + cw - r, cy + ch - b, cx + cw, cy + ch});
    piece(r > 0, {w - r, t, w, h - b}, {cx + cw - r, cy + t, cx + cw, cy + ch - b});
    piece(b > 0, {l, h - b, w - r, h}, {cx + l, cy + ch - b, cx + cw - r, cy + ch});
    return result;
}

void DrawSkinCell(HDC dc, const TRect& rect, TBitmap* image, const TRect& margins, int index, int frames,
                  bool transparent, bool tile, bool vertical) {
    if (Width(rect) <= 0 || Height(rect) <= 0) return;
    const TCellKey key{image, 0, index, frames, margins.left, margins.top, margins.right, margins.bottom, tile,
                       vertical, Width(rect), Height(rect)};
    DrawCell(dc, rect, key, transparent,
             [&] { return BuildSkinCell(rect, image, margins, index, frames, tile, vertical); });
}

void DrawSkinStrip(TCanvas* canvas, const TRect& rect, TBitmap* image, const TRect& margins, int index, int frames,
                   bool transparent, bool vertical) {
    const int w = Width(rect), h = Height(rect);
    if (w <= 0 || h <= 0) return;
    auto strip = ScratchBitmap(w, h);
    const TRect cell = SkinCellRect(image, index, frames, vertical);
    const int l = margins.left, r = margins.right;
    const int middle = Width(cell) - l - r;
    TCanvas* target = strip->Canvas();
    TCanvas* source = image->Canvas();
    target->CopyRect({0, 0, l, h}, source, {cell.left, cell.top, cell.left + l, cell.bottom});
    if (middle > 0) {
        for (int x = l; x < w - r; x += middle) {
            target->CopyRect({x, 0, x + middle, h}, source, {cell.left + l, cell.top, cell.left + l + middle, cell.bottom});
        }
    }
    target->CopyRect({w - r, 0, w, h}, source, {cell.right - r, cell.top, cell.right, cell.bottom});
    if (transparent) {
        strip->SetTransparentColor(static_cast<TColor>(kSkinKeyColour));
        strip->SetTransparent(true);
        canvas->Draw(rect.left, rect.top, strip.get());
    } else {
        BitBlt(canvas->Handle(), rect.left, rect.top, w, h, target->Handle(), 0, 0, SRCCOPY);
    }
}

void DrawSkinFrame(HDC dc, const TRect& rect, TBitmap* image, int index, int frames, bool transparent) {
    if (Width(rect) <= 0 || Height(rect) <= 0) return;
    const TCellKey key{image, 1, index, frames, 0, 0, 0, 0, false, false, Width(rect), Height(rect)};
    DrawCell(dc, rect, key, transparent, [&] {
        auto frame = ScratchBitmap(Width(rect), Height(rect));
        frame->Canvas()->CopyRect({0, 0, Width(rect), Height(rect)}, image->Canvas(),
                                  SkinCellRect(image, index, frames, false));
        return frame;
    });
}

void DrawSkinGlyph(HDC dc, const TRect& rect, TBitmap* image, int index, int frames, bool transparent) {
    if (Width(rect) <= 0 || Height(rect) <= 0) return;
    const TRect cell = SkinCellRect(image, index, frames, false);
    const int cw = Width(cell), ch = Height(cell);
    if (cw <= 0 || ch <= 0) return;
    const int x = rect.left + (Width(rect) - cw) / 2, y = rect.top + (Height(rect) - ch) / 2;
    const TCellKey key{image, 2, index, frames, 0, 0, 0, 0, false, false, cw, ch};
    DrawCell(dc, {x, y, x + cw, y + ch}, key, transparent, [&] {
        auto glyph = ScratchBitmap(cw, ch);
        BitBlt(glyph->Canvas()->Handle(), 0, 0, cw, ch, image->Canvas()->Handle(), cell.left, cell.top, SRCCOPY);
        return glyph;
    });
}

void DrawSkinBar(HDC dc, const TRect& rect, TBitmap* image, const TRect& margins, int index, int frames,
                 bool vertical) {
    const TRect cell = SkinCellRect(image, index, frames, vertical);
    HDC source = image->Canvas()->Handle();
    const int cw = Width(cell), ch = Height(cell), h = Height(rect);
    auto part = [&](int x, int width, int sourceX, int sourceWidth) {
        StretchBlt(dc, x, rect.top, width, h, source, sourceX, cell.top, sourceWidth, ch, SRCCOPY);
    };
    if (cw > Width(rect)) {
        part(rect.left, Width(rect), cell.left, cw);
        return;
    }
    const int l = margins.left, r = margins.right;
    part(rect.left, l, cell.left, l);
    part(rect.left + l, Width(rect) - l - r, cell.left + l, cw - l - r);
    part(rect.right - r, r, cell.right - r, r);
}

void DrawTransparent(HDC dc, const TRect& rect, TBitmap* image, COLORREF keyColour) {
    const int w = Width(rect), h = Height(rect);
    if (w <= 0 || h <= 0) return;
    const auto mask = KeyMask(image, keyColour);
    HDC source = image->Canvas()->Handle();
    if (Win32Platform == VER_PLATFORM_WIN32_NT) {
        MaskedCopy(dc, rect, image, mask.get());
        return;
    }
    // Without MaskBlt: destination XOR image, cleared outside the key, XOR
    // image again.
    const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, rect.left, rect.top, w, h, source, 0, 0, SRCINVERT);
    BitBlt(dc, rect.left, rect.top, w, h, mask->Canvas()->Handle(), 0, 0, SRCAND);
    BitBlt(dc, rect.left, rect.top, w, h, source, 0, 0, SRCINVERT);
    SetBkColor(dc, background);
    SetTextColor(dc, text);
}

void TileBitmap(TCanvas* canvas, const TRect& rect, TBitmap* image, const TRect& sourceRect) {
    const int tileWidth = Width(sourceRect), tileHeight = Height(sourceRect);
    if (tileWidth <= 0 || tileHeight <= 0) return;
    auto tile = ScratchBitmap(tileWidth, tileHeight);
    BitBlt(tile->Canvas()->Handle(), 0, 0, tileWidth, tileHeight, image->Canvas()->Handle(), sourceRect.left,
           sourceRect.top, SRCCOPY);
    for (int y = rect.top; y < rect.bottom; y += tileHeight) {
        for (int x = rect.left; x < rect.right; x += tileWidth) canvas->Draw(x, y, tile.get());
    }
}

namespace {

// Rectangles gathered into RGNDATA blocks and turned into regions in
// batches, instead of one region per run.
class TRegionBuilder {
public:
    static constexpr DWORD kBatch = 2000;
    static constexpr DWORD kGrowth = 500;

    TRegionBuilder() { rects_.reserve(kGrowth); }

    void Add(const RECT& rect) {
        if (rects_.size() == rects_.capacity()) rects_.reserve(rects_.capacity() + kGrowth);
        rects_.push_back(rect);
        if (rects_.size() == kBatch) Flush();
    }

    HRGN Finish() {
        if (!rects_.empty() || region_ == 0) Flush();
        return region_;
    }

private:
    void Flush() {
        std::vector<Byte> buffer(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
        RGNDATAHEADER header;
        header.nCount = static_cast<DWORD>(rects_.size());
        header.nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
        header.rcBound = Bounds();
        std::memcpy(buffer.data(), &header, sizeof header);
        std::memcpy(buffer.data() + sizeof header, rects_.data(), header.nRgnSize);
        HRGN batch = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()),
                                     reinterpret_cast<const RGNDATA*>(buffer.data()));
        if (region_ == 0) {
            region_ = batch;
        } else {
            CombineRgn(region_, region_, batch, RGN_OR);
            DeleteObject(batch);
        }
        rects_.clear();
    }

    RECT Bounds() const {
        if (rects_.empty()) return RECT{0, 0, 0, 0};
        RECT bounds = rects_.front();
        for (const RECT& r : rects_) {
            bounds.left = std::min(bounds.left, r.left);
            bounds.top = std::min(bounds.top, r.top);
            bounds.right = std::max(bounds.right, r.right);
            bounds.bottom = std::max(bounds.bottom, r.bottom);
        }
        return bounds;
    }

    std::vector<RECT> rects_;
    HRGN region_ = 0;
};

}  // namespace

HRGN RegionFromBitmap(TBitmap* image, int offsetX, int offsetY, COLORREF keyColour, int toleranceR, int toleranceG,
                      int toleranceB) {
    const int keyR = GetRValue(keyColour), keyG = GetGValue(keyColour), keyB = GetBValue(keyColour);
    const int highR = MinInt(keyR + toleranceR, 255), highG = MinInt(keyG + toleranceG, 255),
              highB = MinInt(keyB + toleranceB, 255);
    image->SetPixelFormat(pf32bit);
    TRegionBuilder builder;
    for (int y = 0; y < image->Height(); ++y) {
        const auto* row = static_cast<const RGBQUAD*>(image->ScanLine(y));
        auto isKey = [&](int x) {
            const RGBQUAD& p = row[x];
            return p.rgbRed >= keyR && p.rgbRed <= highR && p.rgbGreen >= keyG && p.rgbGreen <= highG &&
                   p.rgbBlue >= keyB && p.rgbBlue <= highB;
        };
        for (int x = 0; x < image->Width(); ++x) {
            const int start = x;
            while (x < image->Width() && !isKey(x)) ++x;
            if (x > start) builder.Add(RECT{start + offsetX, y + offsetY, x + offsetX, y + offsetY + 1});
        }
    }
    return builder.Finish();
}

void DrawParentImage(TControl* control, HDC dc) {
    TWinControl* parent = control->Parent();
    if (!parent) return;
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
    const TRect client = control->ClientRect();
    IntersectClipRect(dc, client.left + control->Left(), client.top + control->Top(),
                      client.right + control->Left(), client.bottom + control->Top());
    const WPARAM wParam = static_cast<WPARAM>(dc);
    auto paintParent = [parent, wParam] {
        parent->Perform(WM_ERASEBKGND, wParam, 0);
        parent->Perform(WM_PAINT, wParam, 0);
    };
    if (parent->ComponentState().Contains(csDesigning)) {
        try {
            paintParent();
        } catch (const Exception&) {
            // The designer keeps going when a parent cannot paint itself.
        }
    } else {
        paintParent();
    }
    RestoreDC(dc, saved);
}

int MinInt(int a, int b) { return a < b ? a : b; }
