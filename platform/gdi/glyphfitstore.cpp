// The glyph placement file: read once, checked line by line, merged with
// what another instance wrote before each rewrite.
#include "platform/gdi/glyphfitstore.h"

#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/fileutils.h"

namespace {

constexpr std::string_view header = "serviora glyph fits\t";

// Past this many placements (fonts at many print sizes) the file starts
// again from this run's own.
constexpr std::size_t largestFile = 1024;

// Keys are one field of a line.
std::string OneField(std::string key) {
    for (char& c : key)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return key;
}

std::optional<int> Number(std::string_view field, int low, int high) {
    int value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) return std::nullopt;
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t next = text.find(separator, start);
        parts.push_back(text.substr(start, next == std::string_view::npos ? std::string_view::npos : next - start));
        if (next == std::string_view::npos) return parts;
        start = next + 1;
    }
}

}  // namespace

GlyphFitStore::GlyphFitStore(AnsiString fileName, std::string version)
    : fileName_(std::move(fileName)), version_(OneField(std::move(version))) {}

GlyphFitStore::Fits GlyphFitStore::ReadFile() const {
    std::string bytes;
    if (!ReadFileBytes(fileName_, bytes) || bytes.empty() || bytes.back() != '\n') return {};
    bytes.pop_back();
    const std::vector<std::string_view> lines = Split(bytes, '\n');
    if (lines.front() != std::string(header) + version_) return {};
    Fits fits;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> fields = Split(lines[i], '\t');
        if (fields.size() != 4 || fields[0].empty()) return {};
        const std::optional<int> size = Number(fields[1], 1, 1000), baseline = Number(fields[2], -1000, 1000),
                                 indent = Number(fields[3], 0, 1000);
        if (!size || !baseline || !indent) return {};
        fits[std::string(fields[0])] = {*size, *baseline, *indent};
    }
    return fits;
}

std::optional<StoredGlyphFit> GlyphFitStore::Find(const std::string& key) {
    std::lock_guard lock(mutex_);
    if (!read_) {
        fits_ = ReadFile();
        read_ = true;
    }
    const auto found = fits_.find(OneField(key));
    if (found == fits_.end()) return std::nullopt;
    return found->second;
}

void GlyphFitStore::Add(const std::string& key, StoredGlyphFit fit) {
    std::lock_guard lock(mutex_);
    read_ = true;
    Fits merged = ReadFile();
    fits_[OneField(key)] = fit;
    for (const auto& [name, placement] : fits_) merged[name] = placement;
    if (merged.size() > largestFile) merged = fits_;
    std::string bytes = std::string(header) + version_ + "\n";
    for (const auto& [name, placement] : merged)
        bytes += name + "\t" + std::to_string(placement.pixelSize) + "\t" + std::to_string(placement.baseline) + "\t" +
                 std::to_string(placement.indent) + "\n";
    const std::size_t slash = fileName_.rfind('/');
    if (slash != AnsiString::npos) ForceDirectories(fileName_.substr(0, slash));
    WriteFileAtomically(fileName_, bytes);
    fits_ = std::move(merged);
}
