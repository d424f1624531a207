// Qm_buzWriters: the workbook writers. TbuzExcelWriter saves a workbook as
// a BIFF8 spreadsheet: a compound file with one stream "Workbook" holding
// the globals and one substream per sheet. TbuzHTMLWriter saves it as a
// frameset with a tab strip and a page per sheet.
#pragma once

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "report/ui/qm_buzexcel.h"
#include "report/ui/qm_buzformula.h"

class TStream;
namespace biff {
class Body;
}

class TbuzExcelWriter : public TbuzCustomWriter {
public:
    // Raises the platform's OLE error when the file cannot be made, and the
    // formula compiler's error for a malformed formula.
    void Save(TbuzXLSWorkbook* workbook, const AnsiString& fileName) override;

    // Per range while saving; the range's WriterData points at it.
    struct CellRec {
        Integer XFIndex = 0;
        Integer SSTIndex = -1;
        Integer FontIndex = 0;
        Integer FormatIndex = 0;
        std::vector<Byte> Tokens;
    };

    // The palette index of the colour, giving it a palette entry when none
    // has it yet (system colours resolved first).
    Integer GetPaletteIndex(TColor color);

private:
    Integer PaletteIndexOf(TColor color);
    void WriteWorkbook(TStream& stream);
    void WriteGlobals(TStream& stream);
    void PrepareRanges();
    void WriteFonts(TStream& stream);
    void WriteFormats(TStream& stream);
    void WriteXFs(TStream& stream);
    void WriteStrings(TStream& stream);
    void WriteSheet(TStream& stream, TbuzXLSWorksheet* sheet);
    void WriteRowBlocks(TStream& stream, TbuzXLSWorksheet* sheet, std::vector<Cardinal>& dbcells);
    void WriteCells(biff::Body& cells, const TbuzXLSRange& range, Integer row);
    void WritePictures(TStream& stream, TbuzXLSWorksheet* sheet);
    void Cleanup();

    Int64 streamStart_ = 0;
    TbuzXLSWorkbook* workbook_ = nullptr;
    std::vector<TColor> usedColours_;
    std::unordered_map<TColor, Integer> knownIndexes_;
    std::vector<CellRec> cellRecs_;
    std::array<TColor, 56> palette_{};
    bool paletteModified_ = false;
    struct SheetRec {
        Int64 bof = 0;
        Int64 boundSheetOffset = 0;
    };
    std::vector<SheetRec> sheetRecs_;
    struct ImageRec {
        Integer border = 0, foreground = 0, background = 0;
    };
    std::vector<ImageRec> imageRecs_;
    TbuzExcelFormulaCompiler compiler_;
    std::vector<std::unique_ptr<TFont>> fonts_;
    struct FormatEntry {
        int index;
        AnsiString text;
    };
    std::vector<FormatEntry> formats_;
    std::vector<AnsiString> strings_;  // the shared strings, in SST order
};

class TbuzHTMLWriter : public TbuzCustomWriter {
public:
    // Writes <name>, <base>_files/header.htm, <base>_files/Sheet<i>.htm and
    // the sheets' pictures as <base>_files/Sheet<i>_p<k>.bmp; raises
    // EFCreateError when a file cannot be written.
    void Save(TbuzXLSWorkbook* workbook, const AnsiString& fileName) override;
};

// Text for HTML: markup characters as entities, line breaks as <BR>, runs
// of spaces kept with &nbsp;.
AnsiString HTMLEncode(const AnsiString& text);
// "#rrggbb" of the colour's lowest three bytes.
AnsiString ColorToHTML(TColor color);
