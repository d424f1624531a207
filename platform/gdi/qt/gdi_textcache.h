// The coverage masks of drawn text lines, kept per font, text and placement
// so that repainting the same cells does not shape and rasterise their text
// again. Bounded by the bytes its masks take; the least recently used go
// first. Safe to use from several threads, as the GDI's handle tables are.
// Private to platform/gdi.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QTransform>
#include <cstddef>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/wingdi.h"

namespace gdi {

// Everything a text line's mask depends on: the font as drawn (its face
// name compared up to its end), the cell metrics, the ANSI text, each
// character's position along the baseline and the line's extent, and the
// transform from the text cell to the mask's pixels with the mask's size.
struct TextMaskKey {
    TextMaskKey(const LOGFONTA& font, int height, int half, int ascent, std::string text, std::vector<int> offsets,
                int extent, const QTransform& toMask, QSize size);
    bool operator==(const TextMaskKey& other) const;

    LOGFONTA font;
    int height, half, ascent;
    std::string text;
    std::vector<int> offsets;
    int extent;
    QTransform toMask;
    QSize size;
};

// A line's mask (Alpha8) cut to its set pixels, with the cut's top-left
// inside the full mask and the full mask's size.
struct TextMask {
    QImage coverage;
    QPoint offset;
    QSize fullSize;
};

class TextMaskCache {
public:
    explicit TextMaskCache(std::size_t byteBudget) : budget_(byteBudget) {}
    // The mask stored under `key` (now the most recently used), if any.
    std::optional<TextMask> Find(const TextMaskKey& key);
    // Stores a full mask under `key`, cut to its set pixels, dropping the
    // least recently used masks beyond the budget; answers the stored mask.
    TextMask Insert(const TextMaskKey& key, const QImage& fullMask);

private:
    struct KeyHash {
        std::size_t operator()(const TextMaskKey& key) const;
    };
    using Entry = std::pair<TextMaskKey, TextMask>;

    std::mutex mutex_;
    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::list<Entry> order_;  // most recently used first
    std::unordered_map<TextMaskKey, std::list<Entry>::iterator, KeyHash> index_;
};

// The program's cache of text masks.
TextMaskCache& TextMasks();

}  // namespace gdi
