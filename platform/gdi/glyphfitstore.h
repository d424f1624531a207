// Glyph placements kept across runs. Measuring where a font's glyphs fall
// once rasterised costs FreeType loading thousands of glyphs per font size,
// so the results are kept in a small file of the user's cache folder and
// read back by the next run.
//
// The file is a text file of our own: a header line naming the format and
// the `version` of what produced the placements (a program that rasterises
// differently writes another), then one line per placement,
// "key<TAB>pixel size<TAB>baseline<TAB>indent". The key names the font as
// resolved (face, its file's revision, size, cell metrics), so a font that
// changed on the machine is measured again. A file of another version, or
// one with any line that does not read as a placement, is ignored as a
// whole; every addition rewrites it through an atomic replace, keeping what
// another instance wrote in between.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/rtl/types.h"

struct StoredGlyphFit {
    int pixelSize, baseline, indent;
    bool operator==(const StoredGlyphFit&) const = default;
};

class GlyphFitStore {
public:
    GlyphFitStore(AnsiString fileName, std::string version);

    // The placement stored under `key`, if any.
    std::optional<StoredGlyphFit> Find(const std::string& key);
    // Stores a placement and writes the file (silently skipped when it
    // cannot be written: the placement is then measured again next run).
    void Add(const std::string& key, StoredGlyphFit fit);

private:
    using Fits = std::map<std::string, StoredGlyphFit>;
    // The placements in the file now; nothing when it is missing, stale or
    // corrupt.
    Fits ReadFile() const;

    std::mutex mutex_;
    AnsiString fileName_;
    std::string version_;
    bool read_ = false;
    Fits fits_;
};
