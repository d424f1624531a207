// The text mask cache: look-up by everything that decides a mask's pixels,
// masks cut to their set pixels, least recently used dropped over budget.
#include "platform/gdi/qt/gdi_textcache.h"

#include <cstring>
#include <functional>

#include "platform/rtl/programlong.h"

namespace gdi {
namespace {

// Masks of a screenful of grid cells many times over.
constexpr std::size_t textMaskBudget = 8 << 20;

// A copy of the font whose face name holds nothing after its end, so two
// fonts of the same face compare equal byte for byte.
LOGFONTA Normalised(const LOGFONTA& font) {
    LOGFONTA copy = font;
    const std::size_t length = strnlen(copy.lfFaceName, sizeof copy.lfFaceName);
    std::memset(copy.lfFaceName + length, 0, sizeof copy.lfFaceName - length);
    return copy;
}

void Mix(std::size_t& hash, std::size_t value) { hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2); }

// The smallest rectangle holding the mask's set pixels (at least 128, as
// they are painted); empty when none is set.
QRect SetPixelBounds(const QImage& mask) {
    QRect bounds;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* row = mask.constScanLine(y);
        int first = 0, last = mask.width() - 1;
        while (first <= last && row[first] < 128) ++first;
        if (first > last) continue;
        while (row[last] < 128) --last;
        bounds |= QRect(first, y, last - first + 1, 1);
    }
    return bounds;
}

}  // namespace

TextMaskKey::TextMaskKey(const LOGFONTA& font, int height, int half, int ascent, std::string text,
                         std::vector<int> offsets, int extent, const QTransform& toMask, QSize size)
    : font(Normalised(font)), height(height), half(half), ascent(ascent), text(std::move(text)),
      offsets(std::move(offsets)), extent(extent), toMask(toMask), size(size) {}

bool TextMaskKey::operator==(const TextMaskKey& other) const {
    return std::memcmp(&font, &other.font, sizeof font) == 0 && height == other.height && half == other.half &&
           ascent == other.ascent && text == other.text && offsets == other.offsets && extent == other.extent &&
           toMask == other.toMask &&
           size == other.size;
}

std::size_t TextMaskCache::KeyHash::operator()(const TextMaskKey& key) const {
    std::size_t hash = std::hash<std::string>()(key.text);
    Mix(hash, std::hash<std::string_view>()(std::string_view(key.font.lfFaceName)));
    for (int v : {int(key.font.lfWeight), int(key.font.lfEscapement), key.height, key.half, key.extent, key.size.width(),
                  key.size.height()})
        Mix(hash, std::size_t(v));
    for (int offset : key.offsets) Mix(hash, std::size_t(offset));
    for (double v : {key.toMask.m11(), key.toMask.m12(), key.toMask.m21(), key.toMask.m22(), key.toMask.dx(),
                     key.toMask.dy()})
        Mix(hash, std::hash<double>()(v));
    return hash;
}

std::optional<TextMask> TextMaskCache::Find(const TextMaskKey& key) {
    std::lock_guard lock(mutex_);
    auto found = index_.find(key);
    if (found == index_.end()) return std::nullopt;
    order_.splice(order_.begin(), order_, found->second);
    return found->second->second;
}

TextMask TextMaskCache::Insert(const TextMaskKey& key, const QImage& fullMask) {
    const QRect bounds = SetPixelBounds(fullMask);
    TextMask mask{bounds.isEmpty() ? QImage() : fullMask.copy(bounds), bounds.topLeft(), fullMask.size()};
    std::lock_guard lock(mutex_);
    if (auto found = index_.find(key); found != index_.end()) return found->second->second;
    bytes_ += std::size_t(mask.coverage.sizeInBytes()) + sizeof(Entry);
    order_.emplace_front(key, std::move(mask));
    index_[key] = order_.begin();
    while (bytes_ > budget_ && order_.size() > 1) {
        const Entry& last = order_.back();
        bytes_ -= std::size_t(last.second.coverage.sizeInBytes()) + sizeof(Entry);
        index_.erase(last.first);
        order_.pop_back();
    }
    return order_.front().second;
}

TextMaskCache& TextMasks() {
    static ProgramLong<TextMaskCache> cache(textMaskBudget);
    return *cache;
}

}  // namespace gdi
