// Glyph pictures per button state in shared per-size image lists, the
// embossed disabled picture, and the process-wide cache of those lists.
#include "report/ui/qm_tbqyglyph.h"

#include <algorithm>

#include "platform/ui/graphics.h"
#include "platform/win/userdraw.h"

namespace {

std::unique_ptr<TGlyphCache>& CacheSlot() {
    static std::unique_ptr<TGlyphCache> cache;
    return cache;
}

TGlyphCache& ObtainCache() {
    if (!CacheSlot()) CacheSlot() = std::make_unique<TGlyphCache>();
    return *CacheSlot();
}

constexpr COLORREF White = RGB(255, 255, 255), Silver = RGB(192, 192, 192), Grey = RGB(128, 128, 128);

COLORREF PixelOf(TBitmap* bitmap, int x, int y) { return ColorToRGB(bitmap->Canvas()->Pixels(x, y)); }

// Whether a cell's pixel is see-through: by the mask when there is one,
// else by the strip's transparent colour.
bool IsClear(TBitmap* cell, TBitmap* mask, COLORREF transparent, int x, int y) {
    return mask ? PixelOf(mask, x, y) == White : PixelOf(cell, x, y) == transparent;
}

// A bitmap of that size filled with one colour.
std::unique_ptr<TBitmap> Filled(int width, int height, TColor color) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect(TRect{0, 0, width, height});
    return bitmap;
}

}  // namespace

TGlyphCache* GlyphCache() { return CacheSlot().get(); }

// ---- glyph lists and their cache ----------------------------------------------------------

TGlyphList::TGlyphList(int width, int height) : TImageList(nullptr) {
    SetWidth(width);
    SetHeight(height);
    SetMasked(true);
}

int TGlyphList::AllocateSlot() {
    auto free = std::find(used_.begin(), used_.end(), false);
    int slot = static_cast<int>(free - used_.begin());
    if (free == used_.end()) {
        const auto blank = Filled(Width(), Height(), clBlack);
        slot = Add(blank.get(), nullptr);
        used_.resize(std::size_t(slot) + 1, false);
    }
    used_[std::size_t(slot)] = true;
    ++usedCount_;
    return slot;
}

int TGlyphList::AddWithMask(TBitmap* image, TBitmap* mask) {
    const int slot = AllocateSlot();
    Replace(slot, image, mask);
    return slot;
}

int TGlyphList::AddWithColor(TBitmap* image, TColor maskColor) {
    const int slot = AllocateSlot();
    ReplaceMasked(slot, image, maskColor);
    return slot;
}

void TGlyphList::Release(int slot) {
    if (slot < 0 || slot >= static_cast<int>(used_.size()) || !used_[std::size_t(slot)]) return;
    used_[std::size_t(slot)] = false;
    --usedCount_;
}

TGlyphList* TGlyphCache::ListForSize(int width, int height) {
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height) return it->get();
    lists_.push_back(std::make_unique<TGlyphList>(width, height));
    return lists_.back().get();
}

void TGlyphCache::ReturnList(TGlyphList* list) {
    if (!list || list->UsedCount() > 0) return;
    std::erase_if(lists_, [list](const auto& held) { return held.get() == list; });
}

// ---- a button's glyph ------------------------------------------------------------------------

namespace Qm_TBQyCtls {

TButtonGlyph::TButtonGlyph() : strip_(std::make_unique<TBitmap>()), mask_(std::make_unique<TBitmap>()) {
    for (auto& kind : slots_) kind.fill(-1);
}

TButtonGlyph::~TButtonGlyph() {
    SetImages(nullptr);
    ReleaseGlyphs();
    if (GlyphCache() && GlyphCache()->Empty()) CacheSlot().reset();
}

void TButtonGlyph::Changed() {
    ReleaseGlyphs();
    OnChange(nullptr);
}

void TButtonGlyph::SetGlyph(TBitmap* strip) {
    strip_->Assign(strip);
    const int w = strip_->Width(), h = strip_->Height();
    numGlyphs_ = h > 0 && w % h == 0 && w / h >= 1 && w / h <= 5 ? w / h : 1;
    if (!strip_->Empty()) transparentColor_ = strip_->Canvas()->Pixels(0, h - 1);
    Changed();
}

void TButtonGlyph::SetGlyphMask(TBitmap* mask) {
    mask_->Assign(mask);
    Changed();
}

void TButtonGlyph::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 5);
    Changed();
}

void TButtonGlyph::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ && imagesLink_) images_->UnRegisterChanges(imagesLink_.get());
    images_ = images;
    if (images_) {
        if (!imagesLink_) {
            imagesLink_ = std::make_unique<TChangeLink>();
            imagesLink_->SetOnChange([this](TObject*) { Changed(); });
        }
        images_->RegisterChanges(imagesLink_.get());
    }
    Changed();
}

void TButtonGlyph::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed();
}

void TButtonGlyph::SetOldDisabledStyle(bool v) {
    if (v == oldDisabledStyle_) return;
    oldDisabledStyle_ = v;
    Changed();
}

TPoint TButtonGlyph::Size() const {
    if (images_) return TPoint{images_->Width(), images_->Height()};
    if (strip_->Empty()) return TPoint{0, 0};
    return TPoint{strip_->Width() / numGlyphs_, strip_->Height()};
}

void TButtonGlyph::ReleaseGlyphs() {
    for (int kind = 0; kind < 2; ++kind) {
        for (int& slot : slots_[std::size_t(kind)]) {
            if (slot >= 0 && lists_[std::size_t(kind)]) lists_[std::size_t(kind)]->Release(slot);
            slot = -1;
        }
        if (lists_[std::size_t(kind)] && GlyphCache()) GlyphCache()->ReturnList(lists_[std::size_t(kind)]);
        lists_[std::size_t(kind)] = nullptr;
    }
}

void TButtonGlyph::SourceCell(int cell, TBitmap* picture, std::unique_ptr<TBitmap>& mask) const {
    const TPoint size = Size();
    const int w = size.x, h = size.y;
    picture->SetSize(w, h);
    picture->Canvas()->Brush()->SetColor(clBtnFace);
    picture->Canvas()->FillRect(TRect{0, 0, w, h});
    mask.reset();
    if (images_) {
        images_->DrawEx(picture->Canvas()->Handle(), 0, 0, imageIndex_, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
        mask = Filled(w, h, clWhite);
        images_->DrawEx(mask->Canvas()->Handle(), 0, 0, imageIndex_, CLR_NONE, CLR_NONE, ILD_MASK);
        return;
    }
    const TRect source{cell * w, 0, cell * w + w, h};
    picture->Canvas()->CopyRect(TRect{0, 0, w, h}, strip_->Canvas(), source);
    if (mask_->Empty()) return;
    mask = Filled(w, h, clWhite);
    mask->Canvas()->CopyRect(TRect{0, 0, w, h}, mask_->Canvas(), source);
}

int TButtonGlyph::BuildNormal(TGlyphList* list, int cell) {
    TBitmap picture;
    std::unique_ptr<TBitmap> mask;
    SourceCell(cell, &picture, mask);
    if (mask) return list->AddWithMask(&picture, mask.get());
    return list->AddWithColor(&picture, picture.Canvas()->Pixels(0, picture.Height() - 1));
}

int TButtonGlyph::BuildDisabledCell(TGlyphList* list) {
    TBitmap cell;
    std::unique_ptr<TBitmap> mask;
    SourceCell(tbsDisabled, &cell, mask);
    const int w = cell.Width(), h = cell.Height();
    const COLORREF transparent = ColorToRGB(transparentColor_);
    auto picture = Filled(w + 1, h + 1, clBtnFace);
    auto fullMask = Filled(w + 1, h + 1, clWhite);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const COLORREF c = PixelOf(&cell, x, y);
            TColor shown = static_cast<TColor>(c);
            if (c == White) shown = clBtnHighlight;
            if (c == Grey) shown = clBtnShadow;
            picture->Canvas()->SetPixels(x, y, shown);
            if (!IsClear(&cell, mask.get(), transparent, x, y)) fullMask->Canvas()->SetPixels(x, y, clBlack);
        }
    }
    fullMask->SetMonochrome(true);
    return list->AddWithMask(picture.get(), fullMask.get());
}

int TButtonGlyph::BuildEmbossed(TGlyphList* list) {
    TBitmap cell;
    std::unique_ptr<TBitmap> mask;
    SourceCell(tbsUp, &cell, mask);
    const int w = cell.Width(), h = cell.Height();
    const COLORREF transparent = ColorToRGB(transparentColor_);
    std::vector<bool> shape(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const COLORREF c = IsClear(&cell, mask.get(), transparent, x, y) ? White : PixelOf(&cell, x, y);
            shape[std::size_t(y) * std::size_t(w) + std::size_t(x)] =
                oldDisabledStyle_ ? c == RGB(0, 0, 0) : c != White && c != Silver;
        }
    }
    auto picture = Filled(w + 1, h + 1, clBtnFace);
    for (const auto& [colour, offset] : {std::pair{clBtnHighlight, 1}, std::pair{clBtnShadow, 0}})
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (shape[std::size_t(y) * std::size_t(w) + std::size_t(x)])
                    picture->Canvas()->SetPixels(x + offset, y + offset, colour);
    return list->AddWithColor(picture.get(), static_cast<TColor>(ColorToRGB(clBtnFace)));
}

bool TButtonGlyph::Built(TToolbarButtonState state, TGlyphList*& list, int& slot) {
    if (state != tbsDisabled && state >= numGlyphs_) state = tbsUp;
    const std::size_t s = std::size_t(state);
    for (const int kind : {1, 0}) {
        if (slots_[std::size_t(kind)][s] >= 0) {
            list = lists_[std::size_t(kind)];
            slot = slots_[std::size_t(kind)][s];
            return true;
        }
    }
    if (images_ ? imageIndex_ < 0 || imageIndex_ >= images_->Count() : strip_->Empty()) return false;
    const TPoint size = Size();
    if (size.x <= 0 || size.y <= 0) return false;
    const bool disabled = state == tbsDisabled;
    TGlyphList*& target = lists_[disabled ? 0 : 1];
    if (!target) target = ObtainCache().ListForSize(size.x + (disabled ? 1 : 0), size.y + (disabled ? 1 : 0));
    const int built = !disabled ? BuildNormal(target, state)
                      : numGlyphs_ >= 2 && !images_ ? BuildDisabledCell(target)
                                                    : BuildEmbossed(target);
    slots_[disabled ? 0 : 1][s] = built;
    list = target;
    slot = built;
    return true;
}

void TButtonGlyph::Draw(TCanvas* canvas, TPoint at, TToolbarButtonState state) {
    TGlyphList* list = nullptr;
    int slot = -1;
    if (Built(state, list, slot)) list->DrawEx(canvas->Handle(), at.x, at.y, slot, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
}

}  // namespace Qm_TBQyCtls

// ---- layout ---------------------------------------------------------------------------------

TGlyphLayout ComputeLayout(TCanvas* canvas, const TGlyphLayoutInput& in) {
    const TPoint c{in.Client.right - in.Client.left, in.Client.bottom - in.Client.top};
    const TPoint g = in.GlyphSize;
    const bool hasGlyph = g.x != 0 && g.y != 0;
    const TPoint a = in.DropArrow ? TPoint{in.ArrowWidth, 3} : TPoint{0, 0};
    TButtonLayout layout = in.Layout;
    bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (!hasGlyph && !horizontal) {
        layout = blGlyphLeft;
        horizontal = true;
    }
    int margin = in.Margin, spacing = in.Spacing;
    TGlyphLayout out;
    TRect& text = out.TextBounds;
    TPoint t{0, 0};
    if (!in.Caption.empty()) {
        text = TRect{0, 0, c.x, 0};
        if (horizontal) text.right -= a.x;
        if (in.WordWrap) {
            const bool besideGlyph = horizontal && hasGlyph;
            if (besideGlyph) text.right -= g.x + (spacing == -1 ? 4 : spacing);
            const int m = !besideGlyph ? 4 : margin != -1 ? margin : spacing != -1 ? spacing : 4;
            text.right -= 2 * m;
        }
        DrawText(canvas->Handle(), in.Caption.c_str(), -1, &text,
                 DT_CALCRECT | (in.WordWrap ? DT_WORDBREAK : 0));
        t = TPoint{text.right - text.left, text.bottom - text.top};
    }
    TPoint textPos{0, 0};
    TPoint& glyphPos = out.GlyphPos;
    TPoint& arrowPos = out.ArrowPos;
    if (horizontal) {
        glyphPos.y = (c.y - g.y + 1) / 2;
        textPos.y = (c.y - t.y + 1) / 2;
    } else {
        glyphPos.x = (c.x - g.x - a.x + 1) / 2;
        textPos.x = (c.x - t.x + 1) / 2;
        arrowPos.x = hasGlyph ? glyphPos.x + g.x : textPos.x + t.x;
    }
    if (t.x == 0 || !hasGlyph) spacing = 0;
    const auto along = [horizontal](TPoint p) { return horizontal ? p.x : p.y; };
    if (margin == -1 && spacing == -1) {
        const TPoint total{g.x + t.x + a.x, g.y + t.y};
        margin = spacing = (along(c) - along(total)) / 3;
    } else if (margin == -1) {
        const TPoint total{g.x + spacing + t.x + a.x, g.y + spacing + t.y};
        margin = (along(c) - along(total) + 1) / 2;
    } else if (spacing == -1) {
        const TPoint total{c.x - (margin + g.x + a.x), c.y - (margin + g.y)};
        spacing = (along(total) - along(t)) / 2;
    }
    switch (layout) {
        case blGlyphLeft:
            glyphPos.x = margin;
            textPos.x = glyphPos.x + g.x + spacing;
            arrowPos.x = textPos.x + t.x;
            break;
        case blGlyphRight:
            arrowPos.x = c.x - margin - a.x;
            glyphPos.x = arrowPos.x - g.x;
            textPos.x = glyphPos.x - spacing - t.x;
            break;
        case blGlyphTop:
            glyphPos.y = margin;
            textPos.y = glyphPos.y + g.y + spacing;
            break;
        case blGlyphBottom:
            glyphPos.y = c.y - margin - g.y;
            textPos.y = glyphPos.y - spacing - t.y;
            break;
    }
    arrowPos.x += 1;
    arrowPos.y = hasGlyph ? glyphPos.y + (g.y - a.y) / 2 : textPos.y + (t.y - a.y) / 2;
    const TPoint shift{in.Client.left + in.Offset.x, in.Client.top + in.Offset.y};
    glyphPos = TPoint{glyphPos.x + shift.x, glyphPos.y + shift.y};
    arrowPos = TPoint{arrowPos.x + shift.x, arrowPos.y + shift.y};
    OffsetRect(&text, shift.x + textPos.x, shift.y + textPos.y);
    return out;
}

void DrawDropArrow(TCanvas* canvas, int x, int y, int width, bool enabled) {
    const int cx = x + width / 2;
    const auto triangle = [canvas](int left, int top, TColor colour) {
        canvas->Pen()->SetColor(colour);
        canvas->Brush()->SetColor(colour);
        canvas->Brush()->SetStyle(bsSolid);
        const TPoint points[] = {{left, top}, {left + 4, top}, {left + 2, top + 2}};
        canvas->Polygon(points, 3);
    };
    if (!enabled) triangle(cx - 1, y + 1, clBtnHighlight);
    triangle(cx - 2, y, enabled ? canvas->Font()->Color() : clBtnShadow);
}
