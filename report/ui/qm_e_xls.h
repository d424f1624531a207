// Qm_e_Xls: the spreadsheet export filter. It lays each page's objects out
// on a grid of sheet columns and rows cut at the objects' edges: a text
// object becomes one (merged) cell range, any other a picture. Every
// PagesOfSheet pages start a new sheet. At the end the workbook is saved as
// BIFF8 (".xls") or HTML and, when asked, opened. Placed on a form it
// offers the preview's save-as-spreadsheet button.
#pragma once

#include <memory>
#include <vector>

#include "report/ui/qm_e_main.h"

class TbuzXLSWorkbook;
class TbuzXLSWorksheet;

// A column boundary: x in export pixels and its sheet column.
class TCol {
public:
    int Index = 0;
    int Pos = 0;
};

// A row boundary: y in export pixels and its sheet row.
class TRow {
public:
    int Index = 0;
    int Pos = 0;
};

class TQmXLSExport : public TQmMainExportFilter {
    SERVIORA_CLASS(TQmXLSExport, TQmMainExportFilter)
    SERVIORA_PUBLISHED
public:
    // Registers the filter as "Excel 文件 (*.xls)".
    explicit TQmXLSExport(TComponent* owner);
    ~TQmXLSExport() override;

    // Largest distance in pixels at which two edges are one boundary.
    Integer ExportPrecision() const { return exportPrecision_; }
    void SetExportPrecision(Integer v) { exportPrecision_ = v; }
    // Empty: all pages; "CURPAGE": the page shown; else "1,3,5-12".
    const AnsiString& ExportPages() const { return exportPages_; }
    void SetExportPages(const AnsiString& v) { exportPages_ = v; }
    // Open the file with its associated program afterwards.
    bool ShowAfterExport() const { return showAfterExport_; }
    void SetShowAfterExport(bool v) { showAfterExport_ = v; }
    Integer PagesOfSheet() const { return pagesOfSheet_; }
    void SetPagesOfSheet(Integer v) { pagesOfSheet_ = v; }

    // The options dialog when ShowDialog is set; its modal result.
    Word ShowModal() override;
    // Installs the filter's own after-export handler (it saves the
    // workbook) and starts an empty workbook; raises EQmExportError when
    // ExportPages is no page list.
    void OnBeginDoc() override;
    void OnEndDoc() override;
    void WritePage(TQmEndPage* page) override;

    // The user's OnAfterExport while an export runs.
    TQmAfterExportEvent SavedAfterExport;
    std::vector<std::unique_ptr<TCol>> Cols;
    std::vector<std::unique_ptr<TRow>> Rows;
    int PageInSheet = 0;
    int SheetCount = 0;
    int RowOffset = 0;
    // The selected page numbers as decimal texts; empty for every page.
    std::unique_ptr<TStringList> PageList;
    std::unique_ptr<TbuzXLSWorkbook> Workbook;

private:
    // Saves and frees the workbook, opens the file when asked, then calls
    // the user's handler; OnAfterExport is the user's again whatever
    // happens.
    void AfterExport(const AnsiString& fileName);
    // A new sheet set up from the page, or the last one.
    TbuzXLSWorksheet* ChooseSheet(TQmEndPage* page);
    void WriteText(TbuzXLSWorksheet* sheet, const TQmEFDataRec& rec, const int cell[4]);
    void WritePicture(TbuzXLSWorksheet* sheet, TQmEFDataRec& rec, const int cell[4]);

    Integer exportPrecision_ = 1;
    AnsiString exportPages_;
    bool showAfterExport_ = true;
    Integer pagesOfSheet_ = 10;
};

SERVIORA_EXCEPTION(EQmExportError, Exception);

// The page numbers a selection names, as decimal texts: "CURPAGE" the
// current page, "" none (every page), "5-" 5 to the last page, "1,3,5-12";
// blanks ignored. Raises EQmExportError for anything else.
void ParseExportPages(const AnsiString& pages, int pageCount, int currentPage, TStrings* list);

// Whether a page list typed into a dialog may be used, as the print dialog
// checks it: trimmed, empty or starting with a digit 1 to 9; else False. A
// character other than a digit, "," or "-" shows "Page Number Setting
// Error!" too.
bool CheckPageListText(AnsiString& text);
