// Export of what a grid shows (its visible columns, titles, all records or
// the selection, and its footer rows) into a stream or file, in one of the
// exporter classes' formats: tab-separated text, CSV, an HTML 3.2 table, an
// RTF table, the bare worksheet record stream spreadsheet programs open as
// an XLS file, or the library's interchange format "VCLDBIF". An exporter
// object serves one run: the framework walks the records and columns and
// calls its operations, which write the bytes.
// Texts are written as their ANSI (GB18030) bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "datagrid/DBGridVyn.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/stringlist.h"

class TDBGridVynExport : public TObject {
    SERVIORA_HIERARCHY(TDBGridVynExport, TObject)
public:
    TDBGridVynExport();
    ~TDBGridVynExport() override;

    TCustomDBGridVyn* Grid() const { return grid_; }
    void SetGrid(TCustomDBGridVyn* grid) { grid_ = grid; }
    TStream* Stream() const { return stream_; }
    // The columns of every row, chosen by SaveToStream.
    TColumnsVynList* ExportedColumns() const { return exportedColumns_.get(); }
    // The exporter's sums and counts of the exported records, ×10,000, one
    // per footer row and exported column (row by row).
    std::vector<std::int64_t>& FooterTotals() { return footerTotals_; }
    TColCellParamsVyn* CellParams() const { return cellParams_.get(); }

    virtual void BeginExport() {}
    virtual void EndExport() {}
    virtual void PutTitleRow(TColumnsVynList*) {}
    // Fills CellParams for each column and hands it to PutDataCell.
    virtual void PutDataRow(TColumnsVynList* columns);
    virtual void PutDataCell(TColumnVyn*, TColCellParamsVyn*) {}
    // Computes each footer's text and hands it to PutFooterCell.
    virtual void PutFooterRow(TColumnsVynList* columns, int footerRow);
    // Whether PutDataCell reads the cell's font, colour, alignment, image
    // and check state, and whether it reads the column's text in the current
    // record. PutDataRow fills what is read, and everything for a grid or
    // column whose cell-parameter event is set.
    virtual bool ReadsCellLook() const { return true; }
    virtual bool ReadsCellText(TColumnVyn*) const { return true; }
    virtual void PutFooterCell(int colIndex, int footerRow, const AnsiString& text, TAlignment alignment,
                               TColor background, TFont* font, TColumnVyn* column);
    // All rows, or the grid's selection; nothing for an empty selection.
    // The stream is written from its position.
    virtual void SaveToStream(TStream* stream, bool allRows);
    // Creates (or overwrites) the file; it is closed also on failure.
    virtual void SaveToFile(const AnsiString& fileName, bool allRows);

protected:
    void SetStream(TStream* stream) { stream_ = stream; }
    // What a run exports: everything with allRows, else the selection's
    // kind; a rectangle without both corners is no selection.
    TDBGridVynSelectionType ExportKind(bool allRows) const;
    // Writes the bytes of a text.
    void Put(const AnsiString& text);
    void PutLine(const AnsiString& text) { Put(text + "\r\n"); }
    void PutBytes(const void* bytes, std::size_t count);
    // Adds the current record to the totals of the sum and count footers.
    void AccumulateFooters();
    // A sum or count footer's total as its field's type shows it.
    AnsiString FooterTotalText(int footerRow, int colIndex);
    std::int64_t& FooterTotal(int footerRow, int colIndex);
    // The field a footer totals: its own FieldName, else its column's.
    TField* FooterField(TColumnFooterVyn* footer, TColumnVyn* column) const;

private:
    // The export of SaveToStream on the grid's dataset, into Stream.
    void ExportRecords(TDBGridVynSelectionType kind);
    void Prepare();

    TCustomDBGridVyn* grid_ = nullptr;
    TStream* stream_ = nullptr;
    std::unique_ptr<TColumnsVynList> exportedColumns_;
    std::vector<std::int64_t> footerTotals_;
    std::unique_ptr<TColCellParamsVyn> cellParams_;
};
using TDBGridVynExportClass = const TDBGridVynExport::MetaClassType*;

class THeadTreeNode;

// The multi-level titles of the exported columns as rows of merged cells:
// level 0 holds each column's leaf, each higher level the nodes the
// columns reach when the lowest of them step to their parents; the root
// never forms a level. Entries covered by a merged cell are cleared.
class TTitleLevelsVyn {
public:
    // nullptr when the grid shows no multi-level titles.
    static std::unique_ptr<TTitleLevelsVyn> Build(TCustomDBGridVyn* grid, TColumnsVynList* columns);
    int LevelCount() const { return static_cast<int>(levels_.size()); }
    int ColumnCount() const { return static_cast<int>(levels_.front().size()); }
    THeadTreeNode* Entry(int level, int column) const;
    // The merged cell at an entry: how many columns and levels it spans;
    // the entries it covers are cleared.
    void TitleCellSpan(int level, int column, int& colSpan, int& rowSpan);

private:
    std::vector<std::vector<THeadTreeNode*>> levels_;
};

// Tab-separated lines: CR LF between lines, none after the last, nothing
// quoted or escaped. A line is gathered and written whole.
class TDBGridVynExportAsText : public TDBGridVynExport {
    SERVIORA_CLASS(TDBGridVynExportAsText, TDBGridVynExport)
public:
    TDBGridVynExportAsText() = default;
    void EndExport() override;
    void PutTitleRow(TColumnsVynList* columns) override;
    void PutDataRow(TColumnsVynList* columns) override;
    void PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) override;
    void PutFooterRow(TColumnsVynList* columns, int footerRow) override;
    void PutFooterCell(int colIndex, int footerRow, const AnsiString& text, TAlignment alignment, TColor background,
                       TFont* font, TColumnVyn* column) override;
    void SaveToStream(TStream* stream, bool allRows) override;

protected:
    // Line breaks before every line but the first.
    virtual void StartLine();
    // The separator before every cell of a line but the first.
    virtual void StartCell();
    // Adds a cell's text to the line as the format writes it.
    virtual void PutCellText(const AnsiString& text) { line_ += text; }
    virtual char SeparatorChar() const { return '\t'; }
    bool ReadsCellLook() const override { return false; }
    void PutGatheredLine();

    bool AtLineStart = true;
    bool AtCellStart = true;
    // The line being gathered, with the line break before it.
    AnsiString line_;
};

// The separator new CSV exporters take (";" at start).
extern char ExportCsvSeparator;

// Text with Separator between cells and every text in double quotes.
class TDBGridVynExportAsCSV : public TDBGridVynExportAsText {
    SERVIORA_CLASS(TDBGridVynExportAsCSV, TDBGridVynExportAsText)
public:
    TDBGridVynExportAsCSV() : Separator(ExportCsvSeparator) {}
    char Separator;

protected:
    void PutCellText(const AnsiString& text) override;
    char SeparatorChar() const override { return Separator; }
};

// The worksheet record stream: BOF, one record per cell row by row, EOF.
class TDBGridVynExportAsXLS : public TDBGridVynExport {
    SERVIORA_CLASS(TDBGridVynExportAsXLS, TDBGridVynExport)
public:
    TDBGridVynExportAsXLS() = default;
    void BeginExport() override;
    void EndExport() override;
    void PutTitleRow(TColumnsVynList* columns) override;
    void PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) override;
    void PutFooterCell(int colIndex, int footerRow, const AnsiString& text, TAlignment alignment, TColor background,
                       TFont* font, TColumnVyn* column) override;
    void SaveToStream(TStream* stream, bool allRows) override;
    bool ReadsCellLook() const override { return false; }
    bool ReadsCellText(TColumnVyn* column) const override;

    // The next cell's place.
    int Row = 0;
    int Col = 0;

private:
    // Adds a record to those gathered: its type and length, then `words`,
    // then `data`. The records are written a worksheet row at a time.
    void PutRecord(std::uint16_t type, std::initializer_list<std::uint16_t> words, std::string_view data = {});
    // A cell record: the cell's place and XF, `word` if any, then `data`;
    // the place advances, and the row is written when it is complete. EWriteError past the 65,536 rows the format can
    // number.
    void PutCellRecord(std::uint16_t type, std::uint16_t xf, std::optional<std::uint16_t> word,
                       std::string_view data = {});
    void PutLabel(const AnsiString& text);
    void PutNumber(double value);
    void PutBlank();
    void PutInteger(std::int64_t value);
    void PutGatheredRecords();
    // The record a data cell of the column takes in the current record:
    // by its field's type, blank for a null value. What a column takes is
    // found once per export (columnCells_, by exported column).
    enum class CellRecord { Blank, Label, Integer, Number };
    struct ColumnCells {
        CellRecord record;
        bool blankWhenNull;
    };
    static ColumnCells ColumnCellsOf(TColumnVyn* column);
    CellRecord DataCellRecord(TColumnVyn* column) const;

    std::vector<ColumnCells> columnCells_;
    // The record ReadsCellText found for the cell PutDataCell then writes.
    mutable TColumnVyn* decidedColumn_ = nullptr;
    mutable CellRecord decidedRecord_ = CellRecord::Blank;

    std::vector<std::uint8_t> records_;
};

// An HTML 3.2 page holding one table.
class TDBGridVynExportAsHTML : public TDBGridVynExport {
    SERVIORA_CLASS(TDBGridVynExportAsHTML, TDBGridVynExport)
public:
    TDBGridVynExportAsHTML() = default;
    void BeginExport() override;
    void EndExport() override;
    void PutTitleRow(TColumnsVynList* columns) override;
    void PutDataRow(TColumnsVynList* columns) override;
    void PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) override;
    void PutFooterRow(TColumnsVynList* columns, int footerRow) override;
    void PutFooterCell(int colIndex, int footerRow, const AnsiString& text, TAlignment alignment, TColor background,
                       TFont* font, TColumnVyn* column) override;

private:
    void PutCell(int width, TAlignment alignment, TColor background, TFont* font, const AnsiString& text);
    void PutTitleLevels(TColumnsVynList* columns, TTitleLevelsVyn& levels);
};

AnsiString HtmlAlign(TAlignment alignment);
// "RRGGBB"; the colour "none" (0x1FFFFFFF) gives "000000".
AnsiString HtmlColor(TColor color);
AnsiString HtmlFontText(TFont* font, const AnsiString& text);

// An RTF document holding one table.
class TDBGridVynExportAsRTF : public TDBGridVynExport {
    SERVIORA_CLASS(TDBGridVynExportAsRTF, TDBGridVynExport)
public:
    TDBGridVynExportAsRTF() = default;
    void BeginExport() override {}
    void EndExport() override;
    void PutTitleRow(TColumnsVynList* columns) override;
    void PutDataRow(TColumnsVynList* columns) override;
    void PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) override;
    void PutFooterRow(TColumnsVynList* columns, int footerRow) override;
    void PutFooterCell(int colIndex, int footerRow, const AnsiString& text, TAlignment alignment, TColor background,
                       TFont* font, TColumnVyn* column) override;
    void SaveToStream(TStream* stream, bool allRows) override;

    // Alive during SaveToStream only.
    TMemoryStream* BodyCache() const { return bodyCache_.get(); }
    TStringList* ColorTable() const { return colorTable_.get(); }
    TStringList* FontTable() const { return fontTable_.get(); }

    int RtfColorIndex(TColor color);
    int RtfFontIndex(const AnsiString& fontName);
    // The font's size and styles, its table indexes, then the text escaped.
    AnsiString RtfPutText(TFont* font, const AnsiString& text, TColor background);

private:
    // The row head: the borders, right edges and shading of each column;
    // `excluded` leaves out borders inside merged title cells.
    void PutRowLayout(TColumnsVynList* columns, const std::vector<TColor>& shading,
                      const std::vector<unsigned>* excluded = nullptr);
    void PutTitleLevels(TColumnsVynList* columns, TTitleLevelsVyn& levels);
    void GatherCell(TColor shading, const AnsiString& head, TFont* font, const AnsiString& text, TColor background);
    // A cell's opening: paragraph in the table, alignment, spacing.
    AnsiString CellHead(TAlignment alignment) const;
    AnsiString CellPadding() const;
    int PixelsPerInch() const;

    std::unique_ptr<TMemoryStream> bodyCache_;
    std::unique_ptr<TStringList> colorTable_;
    std::unique_ptr<TStringList> fontTable_;
    // A row's shading and cells, gathered first: the row's head with the
    // shading comes before the cells (and takes its colour indexes first).
    struct GatheredCell {
        AnsiString head;
        std::unique_ptr<TFont> font;
        AnsiString text;
        TColor background;
    };
    std::vector<TColor> rowShading_;
    std::vector<GatheredCell> rowCells_;
    void PutGatheredRow(TColumnsVynList* columns, const std::vector<unsigned>* excluded = nullptr);
};

// RTF text: "\", "{", "}" escaped, a non-ASCII character as \'hh per byte
// (GBK) or as \uN? per UTF-16 unit when outside GBK.
AnsiString RtfEscape(const AnsiString& text);

// The interchange format "VCLDBIF": a 12-byte head (magic, version,
// column count), an entry per column, tagged values record by record, and
// an end mark; little-endian.
namespace vcldbif {
constexpr char kMagic[7] = {'V', 'C', 'L', 'D', 'B', 'I', 'F'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeadSize = 12;
enum Tag : std::uint8_t { EndOfData = 0, Unassigned = 1, Null = 2, Integer = 3, Float = 4, String = 5, Binary = 6 };
}  // namespace vcldbif

// The values of the exported columns in the interchange format; titles and
// footers are not part of it.
class TDBGridVynExportAsVCLDBIF : public TDBGridVynExport {
    SERVIORA_CLASS(TDBGridVynExportAsVCLDBIF, TDBGridVynExport)
public:
    TDBGridVynExportAsVCLDBIF() = default;
    void BeginExport() override;
    void EndExport() override;
    void PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) override;

private:
    void PutTag(vcldbif::Tag tag);
    void PutInt32(std::int32_t value);
};

// The field that takes a column's value when it is exchanged: its own, or
// for a lookup field the dataset's field named by its KeyFields (nullptr
// when there is none).
TField* ExchangedField(TField* field);
TField* ExchangedField(TColumnVyn* column);
// The exchanged field of a column that can be edited, ready for a value:
// its dataset put into edit mode when it can be modified. nullptr when the
// column cannot take a value now.
TField* WritableExchangedField(TColumnVyn* column);

// The walks over a selection's records that export, import and delete
// share. The visible columns a rectangle spans, in display order:
void AddRectangleColumns(TCustomDBGridVyn* grid, TColumnsVynList* into);
// From the rectangle's top record to its bottom one, or the end of data.
void ForEachRectangleRecord(TCustomDBGridVyn* grid, const std::function<void()>& visit);
// The selected records, in bookmark order.
void ForEachSelectedRow(TCustomDBGridVyn* grid, const std::function<void()>& visit);
// Every record from the first.
void ForEachRecord(TDataSet* dataSet, const std::function<void()>& visit);

// Exports the grid with a new exporter of the class, freed however it ends.
void ExportDBGridVynToStream(TDBGridVynExportClass exportClass, TCustomDBGridVyn* grid, TStream* stream,
                             bool allRows);
void ExportDBGridVynToFile(TDBGridVynExportClass exportClass, TCustomDBGridVyn* grid, const AnsiString& fileName,
                           bool allRows);
