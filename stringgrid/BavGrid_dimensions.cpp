// The grid's own accessors of the platform's counts and fixed sizes, and
// the column widths kept in an ini file or the registry.
#include <algorithm>
#include <memory>

#include "platform/rtl/inifiles.h"
#include "platform/rtl/registry.h"
#include "platform/rtl/sysutils.h"
#include "platform/rtl/valuerestorer.h"
#include "stringgrid/BavGrid.h"

void TBavStringGrid::SetRowCount(int value) {
    TBaseGrid::SetRowCount(value);
    if (fixedRowAlways_ && rememberedFixedRows_ < value && TBaseGrid::FixedRows() != rememberedFixedRows_)
        TBaseGrid::SetFixedRows(rememberedFixedRows_);
    allocatedRows_ = std::max(allocatedRows_, value);
    SetDataRowCount(value);
    UpdateScrollBarsAlways(false);
}

void TBavStringGrid::SetColCount(int value) {
    TBaseGrid::SetColCount(value);
    if (fixedColAlways_ && rememberedFixedCols_ < value && TBaseGrid::FixedCols() != rememberedFixedCols_)
        TBaseGrid::SetFixedCols(rememberedFixedCols_);
    allocatedCols_ = std::max(allocatedCols_, value);
    SetBounds(Left(), Top(), Width(), Height());
    UpdateScrollBarsAlways(false);
}

int TBavStringGrid::FixedRows() const {
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && fixedRowAlways_ ? 1 : fixed;
}

void TBavStringGrid::SetFixedRows(int value) {
    TBaseGrid::SetFixedRows(value);
    if (!ComponentState().Contains(csLoading)) rememberedFixedRows_ = value;
}

int TBavStringGrid::FixedCols() const {
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && fixedColAlways_ ? 1 : fixed;
}

void TBavStringGrid::SetFixedCols(int value) {
    TBaseGrid::SetFixedCols(value);
    if (!ComponentState().Contains(csLoading)) rememberedFixedCols_ = value;
}

void TBavStringGrid::SetFixedColWidth(int value) {
    if (ComponentState().Contains(csLoading) || value == DefaultColWidth()) return;
    for (int col = 0; col < TBaseGrid::FixedCols(); ++col) SetColWidths(col, value);
}

void TBavStringGrid::SetFixedRowHeight(int value) {
    fixedRowHeight_ = value;
    if (ComponentState().Contains(csLoading)) return;
    if (value == DefaultRowHeight()) {
        SetDefaultRowHeight(value);
        return;
    }
    for (int row = 0; row < TBaseGrid::FixedRows(); ++row) SetRowHeights(row, value);
}

void TBavStringGrid::StretchColumn(int col) {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    if (col == -1) col = ColCount() - 1;
    if (col >= ColCount()) throw Exception("Stretch column index out of range");
    if (ColCount() == 0 || !columnSize_->Stretch() || stretching_) return;
    const ValueRestorer guard(stretching_, true);
    if (ColCount() == 1) {
        SetColWidths(col, ClientWidth());
        return;
    }
    int others = 0;
    for (int i = 0; i < ColCount(); ++i)
        if (i != col) others += ColWidths(i);
    if (others < ClientWidth())
        SetColWidths(col, ClientWidth() - others - 1);
    else if (LeftCol() == FixedCols())
        SetColWidths(col, DefaultColWidth());
}

namespace {

// Calls `use(read, write)` with the store ColumnSize names: an ini file or
// a registry key, both read and written by section and name.
template <class Use>
void WithColumnStore(TColumnSize* settings, Use use) {
    if (settings->Location() == clIniFile) {
        TIniFile ini(settings->Key());
        use([&](const AnsiString& name, int fallback) { return ini.ReadInteger(settings->Section(), name, fallback); },
            [&](const AnsiString& name, int value) { ini.WriteInteger(settings->Section(), name, value); });
        ini.UpdateFile();
    } else {
        TRegIniFile registry(settings->Key());
        use([&](const AnsiString& name, int fallback) { return registry.ReadInteger(settings->Section(), name, fallback); },
            [&](const AnsiString& name, int value) { registry.WriteInteger(settings->Section(), name, value); });
    }
}

}  // namespace

void TBavStringGrid::SaveColumnSizes() {
    if (columnSize_->Key().empty() || columnSize_->Section().empty() || ComponentState().Contains(csDesigning)) return;
    WithColumnStore(columnSize_.get(), [this](auto, auto write) {
        for (int col = 0; col < ColCount(); ++col) write("Col" + IntToStr(col), ColWidths(col));
    });
}

void TBavStringGrid::LoadColumnSizes() {
    if (columnSize_->Key().empty() || columnSize_->Section().empty() || ComponentState().Contains(csDesigning)) return;
    WithColumnStore(columnSize_.get(), [this](auto read, auto) {
        for (int col = 0; col < ColCount(); ++col) {
            const int width = read("Col" + IntToStr(col), ColWidths(col));
            if (width != ColWidths(col)) SetColWidths(col, width);
        }
    });
}
