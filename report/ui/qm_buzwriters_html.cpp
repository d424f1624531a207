// The HTML writer: a frameset, a tab strip and one page per sheet that lays
// the cells out as a table, merged areas and pictures as spans, fonts and
// cell formats as numbered style classes shared within the page.
#include <algorithm>
#include <memory>

#include "platform/rtl/filepaths.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/format.h"
#include "platform/rtl/streams.h"
#include "platform/rtl/sysutils.h"
#include "report/ui/qm_buzwriters.h"

namespace {

const char* const kDoctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">";

const char* const kBorderStyles[] = {"none",          ".5pt solid",         "1.0pt solid",           ".5pt dashed",
                                     ".5pt dotted",   "1.5pt solid",        "2.0pt double",          ".5pt hairline",
                                     "1.0pt dashed",  ".5pt dot-dash",      "1.0pt dot-dash",        ".5pt dot-dot-dash",
                                     "1.0pt dot-dot-dash", "1.0pt dot-dash-slanted"};

const char* const kPictureBorderStyles[] = {".5pt solid",        ".5pt dashed",     ".5pt dotted",
                                            ".5pt dot-dash",     ".5pt dot-dot-dash", "none",
                                            ".5pt solid DarkGray", ".5pt solid MediumGray", ".5 pt solid LightGray"};

// An HTML file built line by line; each line indented and ended as the
// writers' text is.
class Page {
public:
    void Line(const AnsiString& text, int indent = 0) {
        text_ += AnsiString(std::size_t(std::clamp(indent, 0, 32)), ' ') + text + buzCRLF;
    }
    void Open(const char* tag, int indent = 0) { Line(AnsiString("<") + tag + ">", indent); }
    void Close(const char* tag, int indent = 0) { Line(AnsiString("</") + tag + ">", indent); }
    void OpenWithClass(const AnsiString& tag, int classNumber, int indent) {
        Line(Format("%s%s class=%s %s", {"<", tag, "c" + IntToStr(classNumber), ">"}), indent);
    }
    void Head(const AnsiString& title) {
        Line(kDoctype);
        Open("HTML");
        Open("HEAD");
        Open("TITLE", 1);
        Line(HTMLEncode(title), 2);
        Close("TITLE", 1);
    }
    void Save(const AnsiString& fileName) const { SaveBytesToFile(fileName, text_); }

private:
    AnsiString text_;
};

AnsiString FontDeclaration(const TFont& font) {
    const TFontStyles style = font.Style();
    AnsiString decoration = "none";
    if (style.Contains(fsUnderline))
        decoration = style.Contains(fsStrikeOut) ? "underline line-through " : "underline";
    else if (style.Contains(fsStrikeOut))
        decoration = "line-through ";
    return Format("font-family : '%s'; font-size : %dpt; font-weight : %s; font-style : %s;  text-decoration : %s ; "
                  "color : %s",
                  {font.Name(), font.Size(), style.Contains(fsBold) ? "bold" : "normal",
                   style.Contains(fsItalic) ? "italic" : "normal", decoration, ColorToHTML(font.Color())});
}

AnsiString CellDeclaration(const TbuzXLSRange& range) {
    static const char* const sides[] = {"bottom", "left", "right", "top"};
    const TbuzXLSBorders& b = range.Borders;
    AnsiString borders;
    const TbuzXLSBorder& first = b[2];
    bool uniform = first.LineStyle != 0;
    for (int i = 3; i <= 5; ++i) uniform = uniform && b[i].LineStyle == first.LineStyle && b[i].Color == first.Color;
    const auto style = [](Byte lineStyle) { return kBorderStyles[std::min<Byte>(lineStyle, 13)]; };
    if (uniform) {
        borders = AnsiString("border:") + style(first.LineStyle) + " " + ColorToHTML(first.Color) + ";";
    } else {
        for (int i = 0; i < 4; ++i) {
            const TbuzXLSBorder& side = b[i + 2];
            if (side.LineStyle == 0) continue;
            borders += AnsiString("border-") + sides[i] + ": " + style(side.LineStyle) + " " + ColorToHTML(side.Color) + ";";
        }
    }
    const AnsiString background =
        range.FillPattern != fpNone ? "background-color:" + ColorToHTML(range.ForegroundColor) + ";" : AnsiString();
    static const char* const vertical[] = {"text-top", "middle", "text-bottom"};
    const AnsiString valign =
        range.VerticalAlignment < 3 ? AnsiString("vertical-align:") + vertical[range.VerticalAlignment] + ";" : AnsiString();
    AnsiString halign;
    switch (range.HorizontalAlignment) {
    case 1: halign = "text-align:left;"; break;
    case 2: halign = "text-align:center;"; break;
    case 3: halign = "text-align:right;"; break;
    case 5: halign = "text-align:justify;"; break;
    default: break;
    }
    return Format("%s %s %s %s", {borders, background, valign, halign});
}

AnsiString PictureDeclaration(const TbuzImage& image) {
    const auto size = [](int pixels, Integer scale) {
        return scale != 0 ? Format("%dpx", {Integer(pixels * scale / 100)}) : AnsiString("100%");
    };
    return "width:" + size(image.Picture->Width(), image.ScaleX) + ";height:" + size(image.Picture->Height(), image.ScaleY) +
           ";border:" + ColorToHTML(image.BorderColor) + " " + kPictureBorderStyles[std::min<Byte>(image.BorderLineStyle, 8)];
}

// A bitmap as it stands, any other graphic drawn at its size onto one.
void SavePictureAsBitmap(TPicture& picture, const AnsiString& fileName) {
    if (auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic())) {
        bitmap->SaveToFile(fileName);
        return;
    }
    TBitmap bitmap;
    bitmap.SetSize(picture.Width(), picture.Height());
    if (picture.Graphic()) bitmap.Canvas()->Draw(0, 0, picture.Graphic());
    bitmap.SaveToFile(fileName);
}

// One sheet's page; class numbers start anew on every page.
class SheetPage {
public:
    SheetPage(TbuzXLSWorksheet& sheet, AnsiString fileName) : sheet_(sheet), fileName_(std::move(fileName)) {}

    void Write() {
        SizeGrid();
        PlacePictures();
        PlaceRanges();
        const int start = hasSpans_ ? -1 : 0;
        page_.Head(sheet_.Name());
        page_.Open("STYLE", 2);
        for (std::size_t i = 0; i < styles_.size(); ++i) page_.Line(Format(".c%d { %s } ", {Integer(i), styles_[i]}));
        page_.Close("STYLE", 2);
        page_.Close("HEAD");
        page_.Open("BODY");
        page_.Open("FORM");
        Integer width = 0, height = 0;
        for (int j = 0; j < cols_; ++j) width += sheet_.ColWidthPixels(j);
        for (int i = 0; i < rows_; ++i) height += sheet_.RowHeightPixels(i);
        page_.OpenWithClass(Format("TABLE style=\"width:%dpx;height:%dpx\"", {width, height}), 0, 0);
        for (int i = start; i < rows_; ++i) {
            page_.Line(Format("%s%s style=\"%s:%dpx\" %s", {"<", "TR", "height", i < 0 ? 0 : sheet_.RowHeightPixels(i), ">"}), 1);
            for (int j = start; j < cols_; ++j) {
                if (j < 0) continue;
                const bool onFirstRow = i == start;
                if (i >= 0 && !Cell(i, j).covered) {
                    WriteCell(i, j, onFirstRow);
                } else if (onFirstRow) {
                    page_.Line(OpeningTag(nullptr, j, true), 2);
                    page_.Close("TD", 2);
                }
            }
            page_.Close("TR", 1);
        }
        page_.Close("TABLE", 1);
        page_.Close("FORM");
        page_.Close("BODY");
        page_.Close("HTML");
        page_.Save(fileName_);
    }

private:
    struct GridCell {
        TbuzImage* image = nullptr;
        TbuzXLSRange* range = nullptr;
        int fontClass = 0;
        bool covered = false;
        int imageIndex = 0;
        int cellClass = 0;
    };

    GridCell& Cell(int row, int col) { return grid_[std::size_t(row) * std::size_t(cols_) + std::size_t(col)]; }

    void SizeGrid() {
        rows_ = sheet_.Dimensions.Bottom + 1;
        cols_ = sheet_.Dimensions.Right + 1;
        for (int k = 0; k < sheet_.Images.Count(); ++k) {
            rows_ = std::max(rows_, sheet_.Images[k]->Bottom);
            cols_ = std::max(cols_, sheet_.Images[k]->Right);
        }
        grid_.assign(std::size_t(rows_) * std::size_t(cols_), GridCell{});
    }

    // Every cell of the area but its first is covered by it.
    void Cover(int top, int left, int bottom, int right) {
        for (int i = top; i <= bottom; ++i)
            for (int j = left; j <= right; ++j)
                if (i != top || j != left) {
                    Cell(i, j).covered = true;
                    hasSpans_ = true;
                }
    }

    void PlacePictures() {
        const AnsiString base = ChangeFileExt(fileName_, "");
        for (int k = 0; k < sheet_.Images.Count(); ++k) {
            TbuzImage* image = sheet_.Images[k];
            GridCell& first = Cell(image->Top, image->Left);
            first.image = image;
            first.imageIndex = k;
            const int bottom = image->ScaleY > 0 ? image->Top : image->Bottom - 1;
            const int right = image->ScaleX > 0 ? image->Left : image->Right - 1;
            Cover(image->Top, image->Left, bottom, right);
            SavePictureAsBitmap(*image->Picture, Format("%s_p%d.bmp", {base, Integer(k)}));
        }
    }

    int ClassOf(const AnsiString& declaration) {
        const auto same = std::find_if(styles_.begin(), styles_.end(),
                                       [&](const AnsiString& s) { return SameText(s, declaration); });
        if (same != styles_.end()) return int(same - styles_.begin());
        styles_.push_back(declaration);
        return int(styles_.size()) - 1;
    }

    void PlaceRanges() {
        for (int r = 0; r < sheet_.RangeCount(); ++r) {
            TbuzXLSRange* range = sheet_.Ranges(r);
            GridCell& first = Cell(range->Top, range->Left);
            first.range = range;
            first.fontClass = ClassOf(FontDeclaration(range->Font));
            first.cellClass = ClassOf(CellDeclaration(*range));
            Cover(range->Top, range->Left, range->Bottom, range->Right);
        }
    }

    AnsiString OpeningTag(const GridCell* cell, int col, bool onFirstRow) {
        AnsiString tag = "<TD";
        if (onFirstRow) tag += Format(" style=\"%s:%dpx\"", {"width", sheet_.ColWidthPixels(col)});
        const auto span = [&](const char* name, int count) {
            if (count > 1) tag += Format(" %s=%d", {name, Integer(count)});
        };
        if (cell && cell->image) {
            span("rowspan", cell->image->Bottom - cell->image->Top);
            span("colspan", cell->image->Right - cell->image->Left);
            tag += " CLASS=c" + IntToStr(cell->cellClass);
        }
        if (cell && cell->range) {
            span("rowspan", cell->range->Bottom - cell->range->Top + 1);
            span("colspan", cell->range->Right - cell->range->Left + 1);
            tag += " CLASS=c" + IntToStr(cell->cellClass);
        }
        return tag + ">";
    }

    void WriteCell(int row, int col, bool onFirstRow) {
        const GridCell& cell = Cell(row, col);
        page_.Line(OpeningTag(&cell, col, onFirstRow), 2);
        if (cell.image) {
            const AnsiString file =
                ExtractFileName(Format("%s_p%d.bmp", {ChangeFileExt(fileName_, ""), Integer(cell.imageIndex)}));
            page_.Line("<IMG src=\"" + file + "\" style=\"" + PictureDeclaration(*cell.image) + "\">", 2);
        }
        if (cell.range)
            page_.Line("<SPAN CLASS=c" + IntToStr(cell.fontClass) + ">" + HTMLEncode(VarToStr(cell.range->Value)) + "</SPAN>", 2);
        page_.Close("TD", 2);
    }

    TbuzXLSWorksheet& sheet_;
    AnsiString fileName_;
    Page page_;
    std::vector<GridCell> grid_;
    int rows_ = 0, cols_ = 0;
    std::vector<AnsiString> styles_{"border-collapse:collapse"};
    bool hasSpans_ = false;
};

}  // namespace

AnsiString HTMLEncode(const AnsiString& text) {
    AnsiString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
        case '\n': out += i > 0 && text[i - 1] == '\r' ? "" : "<BR>"; break;
        case '\r': out += "<BR>"; break;
        case ' ': out += i == 0 || text[i - 1] == ' ' ? "&nbsp;" : " "; break;
        case '"': out += "&quot;"; break;
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

AnsiString ColorToHTML(TColor color) {
    return LowerCase(
        Format("#%.2x%.2x%.2x", {Integer(color & 0xFF), Integer((color >> 8) & 0xFF), Integer((color >> 16) & 0xFF)}));
}

void TbuzHTMLWriter::Save(TbuzXLSWorkbook* workbook, const AnsiString& fileName) {
    const AnsiString baseName = ChangeFileExt(fileName, "");
    const AnsiString filesDir = baseName + "_files";
    const AnsiString filesDirName = ExtractFileName(filesDir);
    ForceDirectories(filesDir);

    Page frameset;
    frameset.Head(baseName);
    frameset.Close("HEAD");
    frameset.Line("<FRAMESET rows=\"39,*\" border=0 width=0 frameborder=no framespacing=0>", 1);
    frameset.Line(Format("<FRAME name=\"header\" src=\"%s/header.htm\" marginwidth=0 marginheight=0>", {filesDirName}), 2);
    frameset.Line(Format("<FRAME name=\"sheet\" src=\"%s/Sheet0.htm\">", {filesDirName}), 2);
    frameset.Close("FRAMESET", 1);
    frameset.Close("HTML");
    frameset.Save(fileName);

    Page tabs;
    tabs.Head(baseName);
    tabs.Open("STYLE");
    tabs.Line("<!--", 1);
    tabs.Line("A { text-decoration:none; color:#000000; font-size:9pt; } A:Active { color : #0000E0}");
    tabs.Line("-->");
    tabs.Close("STYLE");
    tabs.Close("HEAD");
    tabs.Line("<BODY topmargin=0 leftmargin=0 bgcolor=\"#808080\">");
    tabs.Line("<TABLE border=0 cellspacing=1 height=100%>");
    tabs.Line("<TR height=10><TD>", 1);
    tabs.Line("<TR>", 1);
    for (int i = 0; i < workbook->SheetCount(); ++i)
        tabs.Line(Format("<td bgcolor=\"#FFFFFF\" nowrap><b><small><small>&nbsp;<A href=\"Sheet%d.htm\" target=sheet>"
                         "<font face=\"Arial\">%s</FONT></A>&nbsp;</small></small></b></td>",
                         {Integer(i), HTMLEncode(workbook->Sheets(i)->Name())}));
    tabs.Close("TR");
    tabs.Close("TABLE");
    tabs.Close("BODY");
    tabs.Close("HTML");
    tabs.Save(filesDir + "/header.htm");

    for (int i = 0; i < workbook->SheetCount(); ++i)
        SheetPage(*workbook->Sheets(i), filesDir + "/Sheet" + IntToStr(i) + ".htm").Write();
}
