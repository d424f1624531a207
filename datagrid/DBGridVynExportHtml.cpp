// The HTML 3.2 exporter: one table with the columns' widths, alignments,
// fonts and colours.
#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynTitleTree.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"

namespace {

constexpr TColor kNoColor = static_cast<TColor>(0x1FFFFFFF);

AnsiString HtmlEntities(const AnsiString& text) {
    AnsiString result = StringReplace(text, "&", "&amp", rfReplaceAll);
    result = StringReplace(result, "<", "&lt", rfReplaceAll);
    result = StringReplace(result, ">", "&gt", rfReplaceAll);
    return StringReplace(result, "\"", "&quot", rfReplaceAll);
}

}  // namespace

AnsiString HtmlAlign(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify:
            return "RIGHT";
        case taCenter:
            return "CENTER";
        default:
            return "LEFT";
    }
}

AnsiString HtmlColor(TColor color) {
    if (color == kNoColor) return "000000";
    const COLORREF rgb = ColorToRGB(color);
    return Format("%.2X%.2X%.2X", {int(GetRValue(rgb)), int(GetGValue(rgb)), int(GetBValue(rgb))});
}

AnsiString HtmlFontText(TFont* font, const AnsiString& text) {
    static constexpr struct {
        TFontStyle style;
        const char* tag;
    } kStyles[] = {{fsBold, "B"}, {fsItalic, "I"}, {fsUnderline, "U"}, {fsStrikeOut, "STRIKE"}};
    AnsiString result = "<FONT STYLE=\"font-family: " + font->Name() + "; font-size: " + IntToStr(font->Size()) +
                        "pt; color: #" + HtmlColor(font->Color()) + "\">";
    for (const auto& s : kStyles)
        if (font->Style().Contains(s.style)) result += AnsiString("<") + s.tag + ">";
    result += text.empty() ? AnsiString("&nbsp") : HtmlEntities(text);
    for (const auto& s : kStyles)
        if (font->Style().Contains(s.style)) result += AnsiString("</") + s.tag + ">";
    return result + "</FONT>";
}

void TDBGridVynExportAsHTML::BeginExport() {
    TCustomDBGridVyn* grid = Grid();
    PutLine("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">");
    for (const char* line : {"<HTML>", "<HEAD>", "<TITLE>"}) PutLine(line);
    PutLine(grid->Name());
    for (const char* line : {"</TITLE>", "</HEAD>", "<BODY>"}) PutLine(line);
    const TDBGridOptions options = grid->Options();
    AnsiString border;
    if (!options.Contains(dgColLines) && !options.Contains(dgRowLines))
        border = "BORDER=0 CELLSPACING=0 CELLPADDING=";
    else if (grid->Ctl3D())
        border = "BORDER=1 CELLSPACING=0 CELLPADDING=";
    else
        border = "BORDER=0 CELLSPACING=1 CELLPADDING=";
    PutLine("<TABLE " + border + (grid->Flat() ? "1" : "2") + " BGCOLOR=#" + HtmlColor(grid->FixedColor()) +
            ">\r\n");
}

void TDBGridVynExportAsHTML::EndExport() {
    for (const char* line : {"</TABLE>", "</BODY>", "</HTML>"}) PutLine(line);
}

void TDBGridVynExportAsHTML::PutCell(int width, TAlignment alignment, TColor background, TFont* font,
                                     const AnsiString& text) {
    Put("  <TD WIDTH=" + IntToStr(width) + " ALIGN=\"" + HtmlAlign(alignment) + "\" BGCOLOR=#" +
        HtmlColor(background) + ">" + HtmlFontText(font, text));
    PutLine("</TD>");
}

void TDBGridVynExportAsHTML::PutTitleLevels(TColumnsVynList* columns, TTitleLevelsVyn& levels) {
    for (int level = levels.LevelCount() - 1; level >= 0; --level) {
        PutLine("<TR>");
        for (int i = 0; i < columns->Count(); ++i) {
            THeadTreeNode* node = levels.Entry(level, i);
            if (!node) continue;
            int colSpan = 1, rowSpan = 1;
            levels.TitleCellSpan(level, i, colSpan, rowSpan);
            AnsiString cell = level > 0 ? AnsiString("  <TD ALIGN=\"CENTER\"")
                                        : "  <TD WIDTH=" + IntToStr(columns->Items(i)->Width()) + " ALIGN=\"CENTER\"";
            if (colSpan > 1) cell += " COLSPAN = \"" + IntToStr(colSpan) + "\"";
            if (rowSpan > 1) cell += " ROWSPAN = \"" + IntToStr(rowSpan) + "\"";
            TFont* font = level > 0 ? Grid()->TitleFont() : columns->Items(i)->Title()->Font();
            Put(cell + ">" + HtmlFontText(font, node->NodeText));
            PutLine("</TD>");
        }
        PutLine("</TR>");
    }
}

void TDBGridVynExportAsHTML::PutTitleRow(TColumnsVynList* columns) {
    if (columns->Count() == 0) return;
    if (std::unique_ptr<TTitleLevelsVyn> levels = TTitleLevelsVyn::Build(Grid(), columns))
        return PutTitleLevels(columns, *levels);
    PutLine("<TR>");
    for (int i = 0; i < columns->Count(); ++i) {
        TColumnTitleVyn* title = columns->Items(i)->Title();
        Put("  <TD WIDTH=" + IntToStr(columns->Items(i)->Width()) + " ALIGN=\"" + HtmlAlign(title->Alignment()) +
            "\">" + HtmlFontText(title->Font(), title->Caption()));
        PutLine("</TD>");
    }
    PutLine("</TR>");
}

void TDBGridVynExportAsHTML::PutDataRow(TColumnsVynList* columns) {
    PutLine("<TR>");
    TDBGridVynExport::PutDataRow(columns);
    PutLine("</TR>");
}

void TDBGridVynExportAsHTML::PutDataCell(TColumnVyn* column, TColCellParamsVyn* params) {
    PutCell(column->Width(), params->Alignment, params->Background, params->Font, params->Text);
}

void TDBGridVynExportAsHTML::PutFooterRow(TColumnsVynList* columns, int footerRow) {
    PutLine("<TR>");
    TDBGridVynExport::PutFooterRow(columns, footerRow);
    PutLine("</TR>");
}

void TDBGridVynExportAsHTML::PutFooterCell(int, int footerRow, const AnsiString& text, TAlignment, TColor background,
                                           TFont* font, TColumnVyn* column) {
    PutCell(column->Width(), column->FooterForRow(footerRow)->Alignment(), background, font, text);
}
