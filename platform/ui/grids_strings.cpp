// TStringGrid's cell storage: rows of cells grown as cells are written,
// and the column and row lists that view it.
#include <algorithm>

#include "platform/ui/grids.h"
#include "platform/ui/grids_internal.h"

using grids_internal::MoveItem;

// One column (or row) of the grid as a list: line i is the cell at
// position i along it.
class TStringGrid::LineStrings : public TStrings {
public:
    LineStrings(TStringGrid* grid, bool isColumn, int index) : grid_(grid), isColumn_(isColumn), index_(index) {}

    void Assign(TPersistent* source) override {
        auto* strings = dynamic_cast<TStrings*>(source);
        if (!strings) {
            TStrings::Assign(source);
            return;
        }
        const int count = GetCount();
        for (int i = 0; i < count; ++i) {
            const bool inSource = i < strings->Count();
            Put(i, inSource ? strings->Strings(i) : AnsiString());
            PutObject(i, inSource ? strings->Objects(i) : nullptr);
        }
    }

    int Add(const AnsiString& s) override { return AddObject(s, nullptr); }
    int AddObject(const AnsiString& s, TObject* object) override {
        const int count = GetCount();
        for (int i = 0; i < count; ++i) {
            if (Get(i).empty() && !GetObject(i)) {
                Put(i, s);
                PutObject(i, object);
                return i;
            }
        }
        RaiseInvalidGridOperation("Grid line is full");
    }
    void Clear() override {
        const int count = GetCount();
        for (int i = 0; i < count; ++i) {
            Put(i, {});
            PutObject(i, nullptr);
        }
    }
    void Delete(int) override { RaiseInvalidGridOperation("Grid lines cannot delete cells"); }
    void Insert(int, const AnsiString&) override { RaiseInvalidGridOperation("Grid lines cannot insert cells"); }

protected:
    AnsiString Get(int index) const override { return grid_->Cells(Col(index), Row(index)); }
    int GetCount() const override { return isColumn_ ? grid_->RowCount() : grid_->ColCount(); }
    TObject* GetObject(int index) const override { return grid_->Objects(Col(index), Row(index)); }
    void Put(int index, const AnsiString& s) override { grid_->SetCells(Col(index), Row(index), s); }
    void PutObject(int index, TObject* object) override { grid_->SetObjects(Col(index), Row(index), object); }

private:
    int Col(int i) const { return isColumn_ ? index_ : i; }
    int Row(int i) const { return isColumn_ ? i : index_; }

    TStringGrid* grid_;
    bool isColumn_;
    int index_;
};

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckCell(int col, int row) const {
    if (col < 0 || row < 0)
        RaiseInvalidGridOperation("Grid index out of range");
}

const TStringGrid::Cell* TStringGrid::FindCell(int col, int row) const {
    CheckCell(col, row);
    if (row >= static_cast<int>(rows_.size()))
        return nullptr;
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    if (col >= static_cast<int>(cells.size()))
        return nullptr;
    return &cells[static_cast<std::size_t>(col)];
}

TStringGrid::Cell& TStringGrid::CellForWrite(int col, int row) {
    CheckCell(col, row);
    if (row >= static_cast<int>(rows_.size()))
        rows_.resize(static_cast<std::size_t>(row) + 1);
    auto& cells = rows_[static_cast<std::size_t>(row)];
    if (col >= static_cast<int>(cells.size()))
        cells.resize(static_cast<std::size_t>(col) + 1);
    return cells[static_cast<std::size_t>(col)];
}

AnsiString TStringGrid::Cells(int col, int row) const {
    return CellText(col, row);
}

const AnsiString& TStringGrid::CellText(int col, int row) const {
    static const AnsiString empty;
    const Cell* cell = FindCell(col, row);
    return cell ? cell->text : empty;
}

void TStringGrid::SetCells(int col, int row, const AnsiString& value) {
    CellForWrite(col, row).text = value;
    InvalidateCell(col, row);
}

TObject* TStringGrid::Objects(int col, int row) const {
    const Cell* cell = FindCell(col, row);
    return cell ? cell->object : nullptr;
}

void TStringGrid::SetObjects(int col, int row, TObject* value) {
    CellForWrite(col, row).object = value;
}

TStrings* TStringGrid::Cols(int index) {
    CheckCell(index, 0);
    auto& list = cols_[index];
    if (!list)
        list = std::make_unique<LineStrings>(this, true, index);
    return list.get();
}

void TStringGrid::SetCols(int index, TStrings* value) {
    Cols(index)->Assign(value);
}

TStrings* TStringGrid::Rows(int index) {
    CheckCell(0, index);
    auto& list = rowLists_[index];
    if (!list)
        list = std::make_unique<LineStrings>(this, false, index);
    return list.get();
}

void TStringGrid::SetRows(int index, TStrings* value) {
    Rows(index)->Assign(value);
}

void TStringGrid::ExchangeRows(int rowA, int rowB) {
    CheckCell(0, rowA);
    CheckCell(0, rowB);
    if (rowA == rowB)
        return;
    const auto needed = static_cast<std::size_t>(std::max(rowA, rowB)) + 1;
    if (rows_.size() < needed)
        rows_.resize(needed);
    rows_[static_cast<std::size_t>(rowA)].swap(rows_[static_cast<std::size_t>(rowB)]);
    InvalidateRow(rowA);
    InvalidateRow(rowB);
}

void TStringGrid::PermuteRows(int first, const std::vector<int>& order) {
    const int count = static_cast<int>(order.size());
    CheckCell(0, first);
    std::vector<char> taken(order.size(), 0);
    for (const int from : order) {
        if (from < first || from >= first + count || taken[static_cast<std::size_t>(from - first)])
            RaiseInvalidGridOperation("Grid index out of range");
        taken[static_cast<std::size_t>(from - first)] = 1;
    }
    if (count == 0)
        return;
    const auto end = static_cast<std::size_t>(first + count);
    if (rows_.size() < end)
        rows_.resize(end);
    std::vector<std::vector<Cell>> moved(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        moved[i] = std::move(rows_[static_cast<std::size_t>(order[i])]);
    std::move(moved.begin(), moved.end(), rows_.begin() + first);
    InvalidateGridRect({0, first, ColCount() - 1, first + count - 1});
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex) {
    for (auto& cells : rows_)
        MoveItem(cells, fromIndex, toIndex);
    TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(int fromIndex, int toIndex) {
    MoveItem(rows_, fromIndex, toIndex);
    TDrawGrid::RowMoved(fromIndex, toIndex);
}

// The deleted line ends up just past the new count; it is cleared there so
// that it does not come back when the count grows again.
void TStringGrid::DeleteColumn(int col) {
    const int oldCount = ColCount();
    TDrawGrid::DeleteColumn(col);
    if (ColCount() < oldCount)
        ClearColumnStorage(ColCount());
}

void TStringGrid::DeleteRow(int row) {
    const int oldCount = RowCount();
    TDrawGrid::DeleteRow(row);
    if (RowCount() < oldCount)
        ClearRowStorage(RowCount());
}

void TStringGrid::ClearColumnStorage(int col) {
    for (auto& cells : rows_)
        if (col < static_cast<int>(cells.size()))
            cells[static_cast<std::size_t>(col)] = Cell{};
}

void TStringGrid::ClearRowStorage(int row) {
    if (row < static_cast<int>(rows_.size()))
        rows_[static_cast<std::size_t>(row)].clear();
}

AnsiString TStringGrid::GetEditText(int col, int row) {
    return Cells(col, row);
}

void TStringGrid::SetEditText(int col, int row, const AnsiString& value) {
    SetCells(col, row, value);
}
