// The grid's cell graphics: creation and lookup, queries by type, check
// boxes of the four kinds, radio groups, and the integer, float and date
// values of cells.
#include <cmath>

#include "platform/rtl/datetime.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"
#include "stringgrid/BavGrid.h"
#include "stringgrid/BavObj.h"
#include "stringgrid/BavUtil.h"

namespace {

bool IsCheckBoxType(TCellType type) {
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
}

}  // namespace

TCellGraphic* TBavStringGrid::GetCellGraphic(int col, int row) {
    if (col == 0 && mouseActions_->HotmailRowSelect()) {
        sharedGraphic_->SetCellType(ctRowCheckBox);
        sharedGraphic_->SetCellTransparent(controlLook_->ControlStyle() == csFlat);
        // The disjunct row selection that checks the box arrives with the
        // selection model.
        sharedGraphic_->SetCellBoolean(false);
        return sharedGraphic_.get();
    }
    if (col < 0 || row < 0) return nullptr;
    return GetGraphicObject(col, row);
}

TCellType TBavStringGrid::GetCellType(int col, int row) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    return graphic ? graphic->CellType() : ctEmpty;
}

TCellGraphic* TBavStringGrid::CreateCellGraphic(int col, int row) {
    TCellGraphic* old = GetGraphicObject(col, row);
    if (old && old->OwnedByCell()) delete old;
    if (old) GetCellProperties(col, row)->SetGraphicObject(nullptr);
    auto* graphic = new TCellGraphic;
    SetGraphicObject(col, row, graphic);
    if (DisplayColOf(col) != col) RepaintCell(DisplayColOf(col), row);
    return graphic;
}

bool TBavStringGrid::RemoveCellGraphic(int col, int row) {
    TCellGraphic* graphic = GetGraphicObject(col, row);
    if (!graphic) return false;
    if (graphic->OwnedByCell()) delete graphic;
    GetCellProperties(col, row)->SetGraphicObject(nullptr);
    return true;
}

bool TBavStringGrid::RemoveCellGraphicOfType(int col, int row, TCellType type) {
    return GetCellType(col, row) == type && RemoveCellGraphic(col, row);
}

bool TBavStringGrid::IsCheckBoxCell(int col, int row) {
    const TGridCoord base = GetBaseCell(col, row);
    return IsCheckBoxType(GetCellType(base.X, base.Y));
}

bool TBavStringGrid::IsCheckBoxHit(int col, int row, int x, int y) {
    if (!IsCheckBoxCell(RealColIndex(col), row)) return false;
    const TRect cell = MergedCellRect(col, row);
    if (!mouseActions_->PreciseCheckBoxCheck()) return PtInRect(&cell, POINT{x, y});
    const int size = controlLook_->CheckSize();
    int top = cell.top + 2;
    const TCellVAlign vAlign = GetCellGraphic(RealColIndex(col), row)->CellVAlign();
    if (vAlign == vaBottom) top = cell.bottom - size - 2;
    if (vAlign == vaCenter) top = cell.top + (cell.bottom - cell.top - size) / 2;
    TAlignment horizontal;
    TVAlignment vertical;
    GetCellAlignment(col, row, horizontal, vertical);
    int left = cell.left + 2;
    if (horizontal == taRightJustify) left = cell.right - size - 2;
    if (horizontal == taCenter) left = cell.left + (cell.right - cell.left - size) / 2;
    const TRect box = Rect(left, top, left + size, top + size);
    return PtInRect(&box, POINT{x, y});
}

bool TBavStringGrid::HasRadioButtons(int col, int row) { return GetRadioItems(col, row) != nullptr; }

TStrings* TBavStringGrid::GetRadioItems(int col, int row) {
    const TGridCoord base = GetBaseCell(col, row);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && graphic->CellType() == ctRadio ? dynamic_cast<TStrings*>(graphic->CellContent()) : nullptr;
}

bool TBavStringGrid::IsButtonCell(int col, int row) {
    const TGridCoord base = GetBaseCell(col, row);
    const TCellType type = GetCellType(base.X, base.Y);
    return type == ctButton || type == ctBitButton;
}

bool TBavStringGrid::HasCellControl(int col, int row) {
    const TGridCoord base = GetBaseCell(col, row);
    const TCellType type = GetCellType(base.X, base.Y);
    return IsCheckBoxType(type) || type == ctRadio || type == ctButton;
}

bool TBavStringGrid::IsRotatedCell(int col, int row, int& angle) {
    if (GetCellType(col, row) != ctRotated) return false;
    angle = GetCellGraphic(col, row)->CellAngle();
    return true;
}

bool TBavStringGrid::GetCellComment(int col, int row, AnsiString& comment) {
    if (GetCellType(col, row) != ctComment) return false;
    comment = GetCellGraphic(col, row)->CellText();
    return true;
}

void TBavStringGrid::GetCellErrorRange(int col, int row, int& from, int& length) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    from = graphic ? graphic->CellErrFrom() : 0;
    length = graphic ? graphic->CellErrLen() : 0;
}

TIntList* TBavStringGrid::GetCellImageIndexes(int col, int row) {
    if (GetCellType(col, row) != ctImages) return nullptr;
    return static_cast<TIntList*>(GetCellGraphic(col, row)->CellContent());
}

std::intptr_t TBavStringGrid::GetCellGraphicHandle(int col, int row) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    switch (graphic ? graphic->CellType() : ctEmpty) {
    case ctBitmap: return reinterpret_cast<std::intptr_t>(graphic->CellContent());
    case ctIcon: return reinterpret_cast<std::intptr_t>(graphic->CellExtra());
    case ctImageList: return graphic->CellIndex();
    default: return -1;
    }
}

TRect TBavStringGrid::GetCellGraphicRect(int col, int row) {
    TCellGraphic* graphic = GetCellGraphic(RealColIndex(col), row);
    if (!graphic) return TRect{};
    // The painter records the offset from the cell's content rectangle.
    const bool fixed = col < TBaseGrid::FixedCols() || row < TBaseGrid::FixedRows() || IsFixedCell(col, row);
    const TRect cell = InsideGridLines(MergedCellRect(col, row), fixed);
    const auto offset = std::uint32_t(std::lround(graphic->CellValue()));
    const auto size = std::uint32_t(graphic->CellIndex());
    TRect rect = Rect(cell.left + int(offset & 0xFFFF), cell.top + int(offset >> 16), 0, 0);
    rect.right = rect.left + int(size & 0xFFFF);
    rect.bottom = rect.top + int(size >> 16);
    if (graphic->CellHAlign() == haFull) {
        rect.left = cell.left;
        rect.right = cell.right;
    }
    if (graphic->CellVAlign() == vaFull) {
        rect.top = cell.top;
        rect.bottom = cell.bottom;
    }
    return rect;
}

void TBavStringGrid::SetGraphicBoolean(int col, int row, bool value) {
    TCellGraphic* graphic = GetCellGraphic(col, row);
    if (!graphic) return;
    graphic->SetCellBoolean(value);
    RepaintCell(col, row);
}

bool TBavStringGrid::GetCheckBoxState(int col, int row, bool& state) {
    const TCellType type = GetCellType(col, row);
    if (type == ctCheckBox) {
        state = GetCellGraphic(col, row)->CellBoolean();
    } else if (type == ctDataCheckBox || type == ctVirtCheckBox) {
        AnsiString checkTrue;
        GetCheckTrueText(col, row, checkTrue);
        state = GetDisplayText(col, row) == checkTrue;
    } else if (type == ctRowCheckBox && col == 0) {
        state = GetCellGraphic(col, row)->CellBoolean();
    } else {
        return false;
    }
    return true;
}

bool TBavStringGrid::SetCheckBoxState(int col, int row, bool state) {
    const TCellType type = GetCellType(col, row);
    if (type == ctCheckBox) {
        GetCellGraphic(col, row)->SetCellBoolean(state);
        RepaintCell(col, row);
    } else if (type == ctDataCheckBox || type == ctVirtCheckBox) {
        AnsiString text;
        state ? GetCheckTrueText(col, row, text) : GetCheckFalseText(col, row, text);
        SetCellText(col, row, text);
    } else if (!(type == ctRowCheckBox && col == 0)) {
        return false;
    }
    return true;
}

bool TBavStringGrid::ToggleCheckBox(int col, int row, bool fromInput) {
    const TCellType type = GetCellType(col, row);
    if (!IsCheckBoxType(type)) return false;
    if (fromInput && !controlLook_->CheckAlwaysActive()) {
        bool allow = true;
        CanEditCellHook(col, row, allow);
        if (!allow) return false;
    }
    AnsiString checkTrue, checkFalse;
    GetCheckTrueText(col, row, checkTrue);
    GetCheckFalseText(col, row, checkFalse);
    bool checked;
    if (type == ctCheckBox) {
        TCellGraphic* graphic = GetCellGraphic(col, row);
        graphic->SetCellBoolean(!graphic->CellBoolean());
        checked = graphic->CellBoolean();
    } else {
        checked = GetDisplayText(col, row) != checkTrue;
        SetCellText(col, row, checked ? checkTrue : checkFalse);
    }
    RepaintCell(DisplayColOf(col), row);
    if (UndoRedo())
        UndoRedo()->AddChange(col, row, checked ? checkFalse : checkTrue, checked ? checkTrue : checkFalse);
    return true;
}

void TBavStringGrid::CheckAll(int col) {
    for (int row = FixedRows(); row < RowCount(); ++row) SetCheckBoxState(col, row, true);
}

void TBavStringGrid::UnCheckAll(int col) {
    for (int row = FixedRows(); row < RowCount(); ++row) SetCheckBoxState(col, row, false);
}

void TBavStringGrid::SelectNextRadio(int col, int row, bool fromInput) {
    if (GetCellType(col, row) != ctRadio) return;
    if (fromInput && !controlLook_->RadioAlwaysActive()) {
        bool allow = true;
        CanEditCellHook(col, row, allow);
        if (!allow) return;
    }
    TCellGraphic* graphic = GetCellGraphic(col, row);
    auto* items = static_cast<TStrings*>(graphic->CellContent());
    const int count = items ? items->Count() : 0;
    int next = graphic->CellIndex() >= 0 ? graphic->CellIndex() + 1
                                         : (items ? items->IndexOf(GetDisplayText(col, row)) + 1 : 0);
    if (next >= count) next = 0;
    if (graphic->CellIndex() >= 0) graphic->SetCellIndex(next);
    graphic->SetCellTag(Variant(next));
    if (next < count) SetCellText(col, row, items->Strings(next));
}

// ---- Values ------------------------------------------------------------------------------

int TBavStringGrid::GetCellInteger(int col, int row) {
    AnsiString text = GetDisplayText(col, row);
    if (text.empty() || text == "-") text = "0";
    int value;
    if (!TryStrToInt(text, value)) throw EBavGridError("Cell does not contain integer value");
    return value;
}

void TBavStringGrid::SetCellInteger(int col, int row, int value) { SetCellText(col, row, IntToStr(value)); }

double TBavStringGrid::GetCellFloat(int col, int row) { return CellTextFloat(GetDisplayText(col, row)); }

double TBavStringGrid::CellTextFloat(const AnsiString& cellText) {
    AnsiString text = NormalizeNumberText(cellText);
    if (text.empty() || text == "-") text = "0";
    // The normalised text holds "." whatever the locale's separator.
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) throw EBavGridError("Cell does not contain a float value");
    return value;
}

void TBavStringGrid::SetCellFloat(int col, int row, double value) {
    SetCellText(col, row, Format(floatFormat_, {value}));
}

void TBavStringGrid::SetCellDate(int col, int row, TDateTime value) { SetCellText(col, row, DateToStr(value)); }
