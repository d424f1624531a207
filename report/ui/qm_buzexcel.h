// Qm_buzExcel: the in-memory workbook the spreadsheet export fills and the
// workbook writers save: sheets of cell ranges (a cell or a merged area,
// each with one value and one format), column widths, row heights, page
// breaks, pictures and page setup. Every code it stores (alignment, line
// style, rotation, paper) is the spreadsheet file format's own.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/rtl/variant.h"
#include "platform/ui/graphic.h"
#include "platform/ui/graphics.h"

// Line end in the writers' text.
inline constexpr const char* buzCRLF = "\r\n";

// The ANSI string as UTF-16 code units through the system code page,
// characters beyond the basic plane as two; no terminator, no length.
WideString StringToUTF16(const AnsiString& s);

// The 20 fill patterns, in the order the export and the writers number them.
enum TbuzXLSFillPattern : Byte {
    fpNone, fpAutomatic, fpChecker, fpCrissCross, fpDown, fpGray8, fpGray16, fpGray25, fpGray50, fpGray75,
    fpGrid, fpHorizontal, fpLightDown, fpLightHorizontal, fpLightUp, fpLightVertical, fpSemiGray75, fpSolid,
    fpUp, fpVertical
};
// The spreadsheet automation constant of each fill pattern.
int FillPatternConstant(TbuzXLSFillPattern pattern);

class TbuzXLSWorkbook;
class TbuzXLSWorksheet;

struct TbuzXLSBorder {
    TColor Color = 0;
    Byte LineStyle = 0;  // 0 none (not drawn), 1 thin ... 13 slanted dash-dot
    Byte Weight = 0;
};

// Diagonal down, diagonal up, bottom, left, right, top.
class TbuzXLSBorders {
public:
    // Only the index's low 7 bits count.
    TbuzXLSBorder& operator[](int index) { return borders_[std::size_t(index & 0x7F)]; }
    const TbuzXLSBorder& operator[](int index) const { return borders_[std::size_t(index & 0x7F)]; }
    static constexpr int Count = 6;

private:
    std::array<TbuzXLSBorder, Count> borders_{};
};

class TbuzXLSRange {
public:
    explicit TbuzXLSRange(TbuzXLSWorksheet* worksheet);

    TbuzXLSWorksheet* Worksheet;
    Integer Left = 0, Top = 0, Right = 0, Bottom = 0;  // inclusive, zero-based
    TbuzXLSBorders Borders;
    TFont Font;  // Arial, 10 point, black
    Byte HorizontalAlignment = 0;
    Byte VerticalAlignment = 2;
    bool WrapText = false;
    Byte Rotation = 0;
    AnsiString NumberFormat;
    Variant Value;
    TbuzXLSFillPattern FillPattern = fpNone;
    TColor ForegroundColor = 0;
    TColor BackgroundColor = 0;
    AnsiString Formula;
    void* WriterData = nullptr;  // the BIFF8 writer's record while saving

    // Strings keep their line breaks as single line feeds.
    void SetValue(const Variant& value);
    // 2 formula, 0 number, 1 text (dates, Booleans and empty values too).
    int CellType() const;
};

struct TbuzXLSRow {
    Integer Index = 0;
    Integer Height = 285;  // twips
    Integer HeightPixels() const;
    void SetHeightInches(double inches);
};

struct TbuzXLSCol {
    Integer Index = 0;
    Integer Width = 2304;  // 1/256 of a character's width
    Integer WidthPixels() const;
    void SetWidthInches(double inches);
};

struct TbuzXLSPageSetup {
    bool BlackAndWhite = false;
    AnsiString CenterFooter, CenterHeader;
    bool CenterHorizontally = false, CenterVertically = false, Draft = false;
    Integer FirstPageNumber = 1;
    Integer FitToPagesTall = 1, FitToPagesWide = 1;
    AnsiString LeftFooter, LeftHeader;
    Byte Order = 0;        // 1: over, then down
    Byte Orientation = 0;  // 0 portrait, 1 landscape
    Byte PaperSize = 9;    // A4
    bool PrintGridlines = false, PrintHeadings = false, PrintNotes = false;
    AnsiString RightFooter, RightHeader;
    double LeftMargin = 2.0, RightMargin = 2.0;  // inches
    double TopMargin = 2.5, BottomMargin = 2.5;
    double FooterMargin = 0, HeaderMargin = 0;
    Integer Zoom = 100;
    Integer Copies = 0;
};

// A picture anchored to cells; offsets in 1/1024 of the column's width and
// 1/256 of the row's height. A scale above 0 puts the far corner at the
// picture's size times the percentage instead of at its anchor.
class TbuzImage {
public:
    TbuzImage(TPicture* picture, bool copy);
    ~TbuzImage();
    TbuzImage(const TbuzImage&) = delete;
    TbuzImage& operator=(const TbuzImage&) = delete;

    Integer Left = 0, LeftOffset = 0, Top = 0, TopOffset = 0;
    Integer Right = 0, RightOffset = 0, Bottom = 0, BottomOffset = 0;
    TPicture* Picture;
    bool OwnsPicture;
    TColor BorderColor = 0xFFFFFF;
    Byte BorderLineStyle = 0, BorderWeight = 0;
    Integer ScaleX = 0, ScaleY = 0;
};

class TbuzImages {
public:
    int Count() const { return int(items_.size()); }
    TbuzImage* operator[](int index) const { return items_[std::size_t(index)].get(); }
    TbuzImage* Add(std::unique_ptr<TbuzImage> image);
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TbuzImage>> items_;
};

struct TbuzDimensions {
    Integer Left = -1, Top = -1, Right = -1, Bottom = -1;  // -1: not set
};

class TbuzXLSWorksheet {
public:
    // Named "Sheet" + N, the first N from the workbook's count + 1 that no
    // sheet has (case aside); not yet in the workbook's list.
    explicit TbuzXLSWorksheet(TbuzXLSWorkbook* workbook);

    TbuzXLSWorkbook* Workbook() const { return workbook_; }
    const AnsiString& Name() const { return name_; }
    // Keeps the first 31 characters, trimmed.
    void SetName(const AnsiString& name);
    int Index() const;

    TbuzXLSPageSetup PageSetup;
    TbuzImages Images;
    TbuzDimensions Dimensions;
    Integer MaxRangeRows() const { return maxRangeRows_; }

    int ColCount() const { return int(cols_.size()); }
    TbuzXLSCol* Cols(int i) const { return cols_[std::size_t(i)].get(); }
    int RowCount() const { return int(rows_.size()); }
    TbuzXLSRow* Rows(int i) const { return rows_[std::size_t(i)].get(); }
    int RangeCount() const { return int(ranges_.size()); }
    TbuzXLSRange* Ranges(int i) const { return ranges_[std::size_t(i)].get(); }
    int PageBreakCount() const { return int(pageBreaks_.size()); }
    Integer PageBreaks(int i) const { return pageBreaks_[std::size_t(i)]; }

    TbuzXLSCol* GetCol(Integer index);
    TbuzXLSRow* GetRow(Integer index);
    TbuzXLSCol* FindCol(Integer index) const;
    TbuzXLSRow* FindRow(Integer index) const;
    // The range of exactly this rectangle; ranges it overlaps are freed, so
    // a later range replaces earlier ones.
    TbuzXLSRange* GetRange(Integer left, Integer top, Integer right, Integer bottom);
    TbuzImage* AddImage(Integer left, Integer top, Integer right, Integer bottom, TPicture* picture, bool copy);
    void AddPageBreak(Integer row);

    Integer DefaultColWidthPixels() const;
    Integer DefaultRowHeightPixels() const;
    // A column's (row's) width (height) in screen pixels: its object's, else
    // the default.
    Integer ColWidthPixels(Integer index) const;
    Integer RowHeightPixels(Integer index) const;

private:
    void Widen(Integer left, Integer top, Integer right, Integer bottom);

    TbuzXLSWorkbook* workbook_;
    AnsiString name_;
    std::vector<std::unique_ptr<TbuzXLSRange>> ranges_;  // ascending Top
    std::vector<std::unique_ptr<TbuzXLSCol>> cols_;
    std::vector<std::unique_ptr<TbuzXLSRow>> rows_;
    std::vector<Integer> pageBreaks_;
    Integer maxRangeRows_ = 0;
};

class TbuzXLSWorkbook {
public:
    TbuzXLSWorkbook() = default;
    TbuzXLSWorkbook(const TbuzXLSWorkbook&) = delete;
    TbuzXLSWorkbook& operator=(const TbuzXLSWorkbook&) = delete;

    const AnsiString& Title() const { return title_; }
    // Keeps the first 66 characters, trimmed.
    void SetTitle(const AnsiString& title);

    int SheetCount() const { return int(sheets_.size()); }
    TbuzXLSWorksheet* Sheets(int i) const { return sheets_[std::size_t(i)].get(); }
    TbuzXLSWorksheet* AddSheet();
    // The first sheet of exactly that name, else -1.
    int IndexOfSheet(const AnsiString& name) const;
    void Clear() { sheets_.clear(); }

private:
    AnsiString title_ = "buzReport";
    std::vector<std::unique_ptr<TbuzXLSWorksheet>> sheets_;
};

// Saves a workbook; each file format is a descendant.
class TbuzCustomWriter {
public:
    virtual ~TbuzCustomWriter() = default;
    virtual void Save(TbuzXLSWorkbook* /*workbook*/, const AnsiString& /*fileName*/) {}
};

// Average width of Arial 10 on the screen, overhang and one pixel added
// (measured once: the screen does not change while the program runs).
Integer GetAvgCharWidth();
// The screen's logical pixels per inch, across (read once).
Integer GetScreenPixelsPerInch();
