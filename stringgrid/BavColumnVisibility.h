// Which real columns of the string grid are shown, and the widths the hidden
// ones had while shown. Real indexes count every column; display indexes
// count the shown ones only. Columns from kMappedColumns on are never hidden.
#pragma once

#include <vector>

class TColumnVisibility {
public:
    static constexpr int kMappedColumns = 512;

    TColumnVisibility();

    bool IsHidden(int realCol) const;
    int HiddenCount() const { return hiddenCount_; }
    // Clearing or setting a flag keeps the hidden count in step.
    void SetShown(int realCol, bool shown);
    int StoredWidth(int realCol) const;
    void SetStoredWidth(int realCol, int width);

    int RealIndex(int displayCol) const;
    int DisplayIndex(int realCol) const;

    // The flag and stored width of a column travel with the column.
    void Move(int fromCol, int toCol);
    // New columns are shown.
    void Insert(int col, int count);
    void Remove(int col, int count);

private:
    struct Entry {
        bool shown = true;
        int width = 0;
    };
    void GrowTo(int count);
    void Recount();

    std::vector<Entry> entries_;
    int hiddenCount_ = 0;
};
