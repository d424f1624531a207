// The class library's in-place quicksort over positions, shared by TList and
// TStringList. It is not stable: items that compare equal may change order,
// as they do on the platform.
#pragma once

// Sorts positions [low, high]. `compare(i, j)` compares the items at two
// positions (<0, 0, >0); `exchange(i, j)` swaps them. The pivot is followed
// by position, so the comparison never sees a copied item. Both scans stay
// inside [low, high] even when `compare` is inconsistent.
template <class Compare, class Exchange>
void QuickSortPositions(int low, int high, Compare&& compare, Exchange&& exchange) {
    while (low < high) {
        int i = low;
        int j = high;
        int pivot = low + (high - low) / 2;
        do {
            while (i < high && compare(i, pivot) < 0) ++i;
            while (j > low && compare(j, pivot) > 0) --j;
            if (i <= j) {
                if (i != j) {
                    exchange(i, j);
                    if (pivot == i)
                        pivot = j;
                    else if (pivot == j)
                        pivot = i;
                }
                ++i;
                --j;
            }
        } while (i <= j);
        if (low < j) QuickSortPositions(low, j, compare, exchange);
        low = i;
    }
}
