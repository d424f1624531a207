// The column-visibility table: flags and stored widths by real column, and
// the mapping between real and display columns.
#include "stringgrid/BavColumnVisibility.h"

#include <algorithm>

TColumnVisibility::TColumnVisibility() : entries_(std::size_t(kMappedColumns) + 1) {}

void TColumnVisibility::GrowTo(int count) {
    if (count > int(entries_.size())) entries_.resize(std::size_t(count));
}

// A flag moved past the mapped columns no longer hides its column.
void TColumnVisibility::Recount() {
    hiddenCount_ = int(std::count_if(entries_.begin(), entries_.begin() + kMappedColumns,
                                     [](const Entry& e) { return !e.shown; }));
}

bool TColumnVisibility::IsHidden(int realCol) const {
    return realCol >= 0 && realCol < kMappedColumns && !entries_[std::size_t(realCol)].shown;
}

void TColumnVisibility::SetShown(int realCol, bool shown) {
    if (realCol < 0 || realCol >= kMappedColumns || IsHidden(realCol) == !shown) return;
    entries_[std::size_t(realCol)].shown = shown;
    hiddenCount_ += shown ? -1 : 1;
}

int TColumnVisibility::StoredWidth(int realCol) const {
    return realCol >= 0 && realCol < int(entries_.size()) ? entries_[std::size_t(realCol)].width : 0;
}

void TColumnVisibility::SetStoredWidth(int realCol, int width) {
    if (realCol < 0) return;
    GrowTo(realCol + 1);
    entries_[std::size_t(realCol)].width = width;
}

int TColumnVisibility::RealIndex(int displayCol) const {
    if (displayCol >= kMappedColumns || hiddenCount_ == 0) return displayCol;
    int shownBefore = 0;
    for (int col = 0; col < kMappedColumns; ++col) {
        if (!entries_[std::size_t(col)].shown) continue;
        if (shownBefore == displayCol) return col;
        ++shownBefore;
    }
    return 0;
}

int TColumnVisibility::DisplayIndex(int realCol) const {
    if (realCol >= kMappedColumns || hiddenCount_ == 0) return realCol;
    int hiddenBefore = 0;
    for (int col = 0; col < realCol; ++col)
        if (!entries_[std::size_t(col)].shown) ++hiddenBefore;
    return realCol - hiddenBefore;
}

void TColumnVisibility::Move(int fromCol, int toCol) {
    if (fromCol < 0 || toCol < 0 || fromCol == toCol) return;
    GrowTo(std::max(fromCol, toCol) + 1);
    const auto from = entries_.begin() + fromCol, to = entries_.begin() + toCol;
    if (fromCol < toCol)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    Recount();
}

void TColumnVisibility::Insert(int col, int count) {
    if (col < 0 || count <= 0) return;
    GrowTo(col);
    entries_.insert(entries_.begin() + col, std::size_t(count), Entry{});
    Recount();
}

void TColumnVisibility::Remove(int col, int count) {
    if (col < 0 || count <= 0 || col >= int(entries_.size())) return;
    count = std::min(count, int(entries_.size()) - col);
    entries_.erase(entries_.begin() + col, entries_.begin() + col + count);
    GrowTo(kMappedColumns + 1);
    Recount();
}
