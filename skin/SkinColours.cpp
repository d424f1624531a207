// Skin colour routines and the colour-ramp ring, which lives for the whole
// run so that repeated gradients of one size and pair of colours are
// computed once.
#include "skin/SkinColours.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/gdi/sysparams.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/userdraw.h"

namespace {

struct TColourRampRing {
    std::array<std::vector<COLORREF>, kColourRampSlots> ramps;
    int next = 0;
};

TColourRampRing& Ring() {
    static TColourRampRing ring;
    return ring;
}

COLORREF ResolveSystemColour(TColor colour) {
    return colour < 0 ? GetSysColor(colour & 0xFF) : static_cast<COLORREF>(colour);
}

}  // namespace

COLORREF BlendColours(TColor c1, TColor c2, Integer weight) {
    const COLORREF first = ResolveSystemColour(c1), second = ResolveSystemColour(c2);
    const int scale = weight < 100 ? 100 : 1000;
    COLORREF result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (first >> shift) & 0xFF, b = (second >> shift) & 0xFF;
        const int channel = (a * weight + b * (scale - weight) + scale / 2) / scale;
        result |= static_cast<COLORREF>(channel & 0xFF) << shift;
    }
    return result;
}

Integer ColourSaturation(COLORREF colour) {
    const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    if (r < 160 && g < 160 && b < 160) return 200;
    const int high = std::max({r, g, b}), low = std::min({r, g, b});
    const double saturation = high == 0 ? 0.0 : static_cast<double>(high - low) / high;
    return static_cast<Integer>(std::lrint(saturation * 255));
}

int FindColourRamp(int count, COLORREF startColour, COLORREF endColour) {
    const auto& ramps = Ring().ramps;
    for (int slot = kColourRampSlots - 1; slot >= 0; --slot) {
        const std::vector<COLORREF>& ramp = ramps[slot];
        if (static_cast<int>(ramp.size()) == count && count > 0 && ramp.front() == startColour &&
            ramp.back() == endColour)
            return slot;
    }
    return -1;
}

int MakeColourRamp(int count, COLORREF startColour, COLORREF endColour) {
    TColourRampRing& ring = Ring();
    const int slot = ring.next;
    ring.next = (ring.next + 1) % kColourRampSlots;
    std::vector<COLORREF>& ramp = ring.ramps[slot];
    ramp.assign(count, 0);
    const int d = count - 1;
    for (int i = 0; i < count; ++i) {
        COLORREF entry = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const int start = (startColour >> shift) & 0xFF;
            const int delta = static_cast<int>((endColour >> shift) & 0xFF) - start;
            const int channel = d > 0 ? start + (i * delta + d / 2) / d : start + delta / 2;
            entry |= static_cast<COLORREF>(channel & 0xFF) << shift;
        }
        ramp[i] = entry;
    }
    return slot;
}

int GetColourRamp(int count, COLORREF startColour, COLORREF endColour) {
    const int slot = FindColourRamp(count, startColour, endColour);
    return slot >= 0 ? slot : MakeColourRamp(count, startColour, endColour);
}

const std::vector<COLORREF>& ColourRamp(int slot) { return Ring().ramps[slot]; }

void GradientFill(HDC dc, const TRect& rect, TColor startColour, TColor endColour, bool vertical) {
    if (!RectVisible(dc, &rect)) return;
    const int count = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    if (count < 1) return;
    const std::vector<COLORREF>& ramp =
        ColourRamp(GetColourRamp(count, ColorToRGB(startColour), ColorToRGB(endColour)));
    RECT clip{};
    GetClipBox(dc, &clip);
    for (int i = 0; i < count; ++i) {
        const RECT band = vertical ? RECT{rect.left, rect.top + i, rect.right, rect.top + i + 1}
                                   : RECT{rect.left + i, rect.top, rect.left + i + 1, rect.bottom};
        const bool outside = vertical ? band.bottom <= clip.top || band.top >= clip.bottom
                                      : band.right <= clip.left || band.left >= clip.right;
        if (outside) continue;
        HBRUSH brush = CreateSolidBrush(ramp[i]);
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
}
