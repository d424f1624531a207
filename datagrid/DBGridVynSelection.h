// A grid's selection: marked records (the grid's bookmark list), a
// rectangle of cells, a set of columns, or everything.
#pragma once

#include <memory>

#include "datagrid/DBGridVynColumns.h"
#include "datagrid/DBGridVynTypes.h"

class TCustomDBGridVyn;

// The columns of a column selection, in collection order.
class TDBGridVynSelectionCols : public TColumnsVynList {
public:
    explicit TDBGridVynSelectionCols(TCustomDBGridVyn* grid) : grid_(grid) {}

private:
    TCustomDBGridVyn* grid_;
};

// A cell of the rectangle selection: its data column and its record.
struct TDBCell {
    int Col = -1;
    TBookmarkStr Row;
    bool IsSet() const { return Col >= 0 && !Row.empty(); }
};

class TDBGridVynSelectionRect {
public:
    explicit TDBGridVynSelectionRect(TCustomDBGridVyn* grid) : grid_(grid) {}
    const TDBCell& AnchorCell() const { return anchor_; }
    const TDBCell& EndCell() const { return end_; }
    void Clear();

private:
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
