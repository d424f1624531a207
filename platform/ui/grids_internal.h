// Helpers shared by the grid's source files.
#pragma once

#include <algorithm>
#include <vector>

namespace grids_internal {

// Moves the item at `from` to `to`, shifting those between. A vector that
// ends before the lower index is left alone; one that ends inside the range
// grows to hold it.
template <class T>
void MoveItem(std::vector<T>& items, int from, int to) {
    if (static_cast<int>(items.size()) <= std::min(from, to))
        return;
    const int needed = std::max(from, to) + 1;
    if (static_cast<int>(items.size()) < needed)
        items.resize(static_cast<std::size_t>(needed));
    auto at = [&](int i) { return items.begin() + i; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
}

}  // namespace grids_internal
