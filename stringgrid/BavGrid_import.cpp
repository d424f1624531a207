// A worksheet imported through the spreadsheet application's automation
// server, reached only by late-bound calls. Without a server the import
// fails with its not-found message.
#include <cctype>

#include "platform/rtl/automation.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "stringgrid/BavGrid.h"

namespace {

struct TSheetCell {
    int Col = 1, Row = 1;
};

// A reference of a used-range address ("$B$2", "B$2" or a row number):
// columns read as letters with A = 1, a row that does not read gives -1.
TSheetCell ParseReference(AnsiString reference, int wholeRowCol) {
    if (reference.starts_with('$')) reference.erase(0, 1);
    TSheetCell cell;
    const std::size_t dollar = reference.find('$');
    AnsiString row = reference;
    if (dollar == AnsiString::npos) {
        cell.Col = wholeRowCol;
    } else {
        cell.Col = 0;
        for (std::size_t i = 0; i < dollar; ++i) cell.Col = cell.Col * 26 + (std::toupper(reference[i]) - 'A' + 1);
        row = reference.substr(dollar + 1);
    }
    cell.Row = StrToIntDef(row, -1);
    return cell;
}

AnsiString ColumnLetters(int col) {
    if (col <= 26) return AnsiString(1, char('A' + col - 1));
    return AnsiString(1, char('A' + (col - 1) / 26 - 1)) + char('A' + (col - 1) % 26);
}

// Restores the screen cursor when the import ends, however it ends.
class TCursorScope {
public:
    TCursorScope() : saved_(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~TCursorScope() { Screen->SetCursor(saved_); }
    TCursorScope(const TCursorScope&) = delete;
    TCursorScope& operator=(const TCursorScope&) = delete;

private:
    TCursor saved_;
};

}  // namespace

void TBavStringGrid::ImportExcelSheet(const AnsiString& fileName, const AnsiString& sheetName) {
    TCursorScope cursor;
    Variant app;
    try {
        app = DispatchToVariant(CreateOleObject("excel.application"));
    } catch (const EOleError&) {
        throw EBavGridError("Excel OLE server not found");
    }
    auto signalChanges = [this] {
        CellsChanged(TRect(0, 0, ColCount(), RowCount()));
        AllCellsChanged();
    };
    try {
        const Variant workbook = OleCall(OleGet(app, "WorkBooks"), "Open", {Variant(fileName)});
        Variant sheet;
        if (sheetName.empty()) {
            sheet = OleGet(workbook, "ActiveSheet");
        } else {
            const int count = OleGet(OleGet(workbook, "Sheets"), "Count").AsInteger();
            for (int i = 1; i <= count; ++i) {
                const Variant candidate = OleGet(workbook, "Sheets", {Variant(i)});
                if (OleGet(candidate, "Name") == Variant(sheetName)) sheet = candidate;
            }
            if (VarIsEmpty(sheet)) throw EBavGridError("Excel worksheet " + sheetName + " not found");
        }

        const AnsiString address = VarToStr(OleGet(OleGet(sheet, "UsedRange"), "Address"));
        TSheetCell first, last;
        if (const std::size_t colon = address.find(':'); colon != AnsiString::npos) {
            first = ParseReference(address.substr(0, colon), 1);
            last = ParseReference(address.substr(colon + 1, 255), 256);
        }
        if (first.Row > 0 && last.Row > 0 && first.Col > 0 && last.Col > 0) {
            SetColCount(last.Col - first.Col + 1);
            SetRowCount(last.Row - first.Row + 1);
        }
        const AnsiString range = ColumnLetters(first.Col) + IntToStr(first.Row) + ":" + ColumnLetters(last.Col) +
                                 IntToStr(last.Row);
        const Variant values = OleGet(OleGet(sheet, "Range", {Variant(range)}), "Value");

        int colOffset = 0, rowOffset = 0;
        if (!saveFixedCells_) {
            const int fixedCols = FixedCols(), fixedRows = FixedRows();
            colOffset = fixedCols;
            rowOffset = fixedRows;
            SetColCount(ColCount() + colOffset);
            SetRowCount(RowCount() + rowOffset);
            if (fixedCols < ColCount()) SetFixedCols(fixedCols);
            if (fixedRows < RowCount()) SetFixedRows(fixedRows);
        }
        for (int r = 1; r <= RowCount() - rowOffset; ++r)
            for (int c = 1; c <= ColCount() - colOffset; ++c) {
                // A one-cell range answers its value rather than an array.
                const Variant value = VarIsArray(values) ? VarArrayGet(values, {r, c}) : values;
                const TVarType type = value.VarType();
                if (type == varNull || type == varDispatch || type == varUnknown || type == varError) continue;
                LoadCellText(c + colOffset - 1, r + rowOffset - 1, VarIsEmpty(value) ? AnsiString() : VarToStr(value));
            }
        OleCall(workbook, "Close", {}, {{"SaveChanges", Variant(false)}});
        OleCall(app, "Quit");
    } catch (...) {
        try {
            OleCall(app, "Quit");
        } catch (const Exception&) {
            // The failure that ended the import is the one reported.
        }
        app = Variant();
        signalChanges();
        throw;
    }
    app = Variant();
    signalChanges();
}
