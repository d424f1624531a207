// A grid's selection: marked records (the grid's bookmark list), a
// rectangle of cells, a set of columns, or everything.
#pragma once

#include <memory>

#include "platform/ui/grids.h"

#include "datagrid/DBGridVynColumns.h"
#include "datagrid/DBGridVynTypes.h"

class TCustomDBGridVyn;

// The columns of a column selection, in collection order, with what the
// running Shift-extension changed so that walking back undoes only that.
class TDBGridVynSelectionCols : public TColumnsVynList {
public:
    explicit TDBGridVynSelectionCols(TCustomDBGridVyn* grid) : grid_(grid) {}

    TColumnVyn* ShiftAnchor() const { return shiftAnchor_; }
    TColumnVyn* ShiftEnd() const { return shiftEnd_; }
    const TColumnsVynList& ShiftAdded() const { return shiftAdded_; }

    void InsertOrdered(TColumnVyn* column);
    void RemoveAllColumns();
    void ToggleColumn(TColumnVyn* column);
    void SelectColumn(TColumnVyn* column, bool keepOthers);
    // Shift-extension from the anchor to `column`.
    void ExtendTo(TColumnVyn* column);
    // Drops columns that left the collection and restores collection order.
    void Resync();
    TGridRect ToGridRect() const;

private:
    void ResetUnlessColumns();
    // One step of a walk; `adding` extends, otherwise it undoes.
    void StepColumn(int index, bool adding);
    void SettleKind();

    TCustomDBGridVyn* grid_;
    TColumnVyn* shiftAnchor_ = nullptr;
    TColumnVyn* shiftEnd_ = nullptr;
    TColumnsVynList shiftAdded_;
};

// A cell of the rectangle selection: its data column and its record.
struct TDBCell {
    int Col = -1;
    TBookmarkStr Row;
    bool IsSet() const { return Col >= 0 && !Row.empty(); }
};

// The rectangle between two cells, held by data column and bookmark so
// that it survives scrolling.
class TDBGridVynSelectionRect {
public:
    explicit TDBGridVynSelectionRect(TCustomDBGridVyn* grid) : grid_(grid) {}
    const TDBCell& AnchorCell() const { return anchor_; }
    const TDBCell& EndCell() const { return end_; }
    // Both cells unset, the grid repainted.
    void ClearRect();
    bool Usable() const;
    TBookmarkStr TopBookmark() const;
    TBookmarkStr BottomBookmark() const;
    int LeftColumn() const;
    int RightColumn() const;
    bool ContainsCell(int column, const TBookmarkStr& bookmark) const;
    // Moves the end cell (and without `extend` the anchor too), repainting
    // only what changed.
    void ExtendTo(int column, const TBookmarkStr& bookmark, bool extend);
    TRect ScreenBox(int leftColumn, const TBookmarkStr& top, const TBookmarkStr& bottom, int rightColumn) const;
    TGridRect ToGridRect() const;
    // The first buffered record with this bookmark, or -1; moves the link's
    // active record (callers restore it).
    int FindBufferedRow(const TBookmarkStr& bookmark) const;

private:
    void RequireUsable(const char* message) const;
    int Compare(const TBookmarkStr& a, const TBookmarkStr& b) const;

    TCustomDBGridVyn* grid_;
    TDBCell anchor_;
    TDBCell end_;
};

class TDBGridVynSelection : public TObject {
    SERVIORA_CLASS(TDBGridVynSelection, TObject)
public:
    explicit TDBGridVynSelection(TCustomDBGridVyn* grid);
    ~TDBGridVynSelection() override;

    TDBGridVynSelectionType Kind() const { return kind_; }
    void SetKind(TDBGridVynSelectionType kind);
    TDBGridVynSelectionCols* Columns() const { return columns_.get(); }
    TDBGridVynSelectionRect* Rect() const { return rect_.get(); }

    bool ContainsCell(int column, const TBookmarkStr& bookmark) const;
    TGridRect ToGridRect() const;
    // Empties the selection of the current kind; the kind becomes gstNon.
    void Reset();
    void MarkAll();
    // A selection of rows or columns with nothing in it is none.
    void DropIfEmpty();
    // The data link opened or closed: the marked records go.
    void DataLinkActiveChanged(bool active);

private:
    TCustomDBGridVyn* grid_;
    TDBGridVynSelectionType kind_ = gstNon;
    std::unique_ptr<TDBGridVynSelectionCols> columns_;
    std::unique_ptr<TDBGridVynSelectionRect> rect_;
};
