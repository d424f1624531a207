// The faces of edit buttons and check boxes: drop-down arrows, up-down
// halves, ellipsis, plus and minus, drawn in the classic look (the
// platform reports visual styles off), flat or 3-D. Faces are rendered
// once per size and state into a cache and copied from there.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/windef.h"
#include "platform/ui/graphics.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls_buttons.h"

SERVIORA_ENUM(TButtonFaceStyle, bfsDropDown, bfsEllipsis, bfsUpDown, bfsCheckBox, bfsPlus, bfsMinus)

// Keeps a device context's clip region and puts it back when it goes.
class SavedClipRegion {
public:
    explicit SavedClipRegion(HDC dc);
    ~SavedClipRegion();
    SavedClipRegion(const SavedClipRegion&) = delete;
    SavedClipRegion& operator=(const SavedClipRegion&) = delete;

private:
    HDC dc_;
    HRGN saved_;
    bool hadClip_;
};

void PaintDropDownButton(HDC dc, TRect rect, bool enabled, bool flat, bool active, bool down);
void PaintUpDownButton(HDC dc, TRect rect, bool enabled, bool flat, bool active, bool down, bool lowerArrow);
void PaintEllipsisButton(HDC dc, TRect rect, bool enabled, bool active, bool flat, bool down);
void PaintPlusMinusButton(HDC dc, TRect rect, bool enabled, bool active, bool flat, bool down, bool isPlus);
void PaintCheckBox(HDC dc, TRect rect, TCheckBoxState state, bool enabled, bool flat, bool down, bool active);
// One face with the flat look's border handling; nothing for bfsCheckBox.
void PaintOneButtonFace(HDC dc, TButtonFaceStyle style, TRect rect, bool enabled, bool flat, bool active, bool down,
                        bool lowerArrow);
// An edit button (downButton: 0 none, 1 the top or whole, 2 the bottom
// half) or a check box, through the face cache unless it is switched off.
void PaintEditButtonFace(HDC dc, TRect rect, TColor parentColor, TButtonFaceStyle style, int downButton, bool flat,
                         bool active, bool enabled, TCheckBoxState state);

#pragma pack(push, 1)
struct TButtonFaceKey {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint8_t Style = 0;
    bool Flat = false;
    bool Pressed = false;
    bool Active = false;
    bool Enabled = true;
    bool LowerArrow = false;
    std::uint8_t CheckState = 0;
};
#pragma pack(pop)
bool SameButtonFaceKey(const TButtonFaceKey& a, const TButtonFaceKey& b);

// Rendered faces by key, never evicted; emptied by FlushButtonFaceCache.
class TButtonsBitmapCache {
public:
    TBitmap* FaceBitmap(TButtonFaceKey key);
    int Count() const { return static_cast<int>(entries_.size()); }
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        TButtonFaceKey key;
        std::unique_ptr<TBitmap> bitmap;
    };
    std::vector<Entry> entries_;
};

TButtonsBitmapCache* ButtonFaceCache();
void FlushButtonFaceCache();
// Whether faces come from the cache (on by default) or are painted directly.
bool UseButtonFaceCache();
void SetUseButtonFaceCache(bool use);

// The check glyph: a quarter of the width and a third of the height of the
// system's check-box bitmap.
int CheckGlyphWidth();
int CheckGlyphHeight();
// Where a check box sits in a client rectangle by alignment and layout.
TRect PlaceCheckBoxRect(const TRect& client, TAlignment alignment, TTextLayout layout);
// Whether two clicks this far apart in space and time make a double click.
bool IsDoubleClickPair(TPoint first, TPoint second, unsigned intervalMs);

// Single-pixel dots on every second pixel of a line, on the pixels whose
// coordinate sum is odd (parity true) or even, in the canvas's pen.
void PaintDottedLine(TCanvas* canvas, TPoint from, int length, bool horizontal, bool parity);
// A tree-line element: 0-5 node boxes (0/3 middle, 1/4 last, 2/5 first;
// 0-2 minus, 3-5 plus) with their lines; 6-9 lines only.
void PaintTreeElement(TCanvas* canvas, const TRect& rect, int element, bool parity);

// clNone and clDefault as the image list's CLR_NONE and CLR_DEFAULT, any
// other colour as its RGB value.
COLORREF ImageListColorRef(TColor color);
// An image of the list centred in `rect`, clipped to it when larger;
// selected images are blended toward the highlight colour.
void PaintListImage(HDC dc, const TRect& rect, TCustomImageList* images, int imageIndex, bool selected);
