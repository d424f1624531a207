// The RTF exporter: one table whose rows carry the columns' widths in
// twips, borders, shading, alignment, fonts and colours. The body is
// written first into a cache, so that the colour and font tables it fills
// can head the document. Text is escaped for RTF readers: the code page is
// declared as 936 and each non-ASCII byte written in hex.
#include <cmath>

#include "datagrid/DBGridVynImpExp.h"
#include "datagrid/DBGridVynSelection.h"
#include "datagrid/DBGridVynTitleTree.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winpaint.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/format.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"

namespace {

AnsiString Hex2(unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    return AnsiString{'\\', '\'', digits[byte >> 4], digits[byte & 15]};
}

AnsiString AlignmentWord(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify:
            return "\\qr";
        case taCenter:
            return "\\qc";
        default:
            return "\\ql";
    }
}

// Borders left out of a cell inside a merged title cell.
constexpr unsigned kNoLeft = 1, kNoTop = 2, kNoRight = 4, kNoBottom = 8;

// The borders of a table cell, each set flag in the order left, top,
// bottom, right.
AnsiString RtfCellBorders(bool left, bool top, bool right, bool bottom) {
    AnsiString result;
    for (const auto& [set, word] : {std::pair{left, "\\clbrdrl"}, std::pair{top, "\\clbrdrt"},
                                    std::pair{bottom, "\\clbrdrb"}, std::pair{right, "\\clbrdrr"}})
        if (set) result += AnsiString(word) + "\\brdrs\\brdrcf0\r\n";
    return result;
}

}  // namespace

AnsiString RtfEscape(const AnsiString& text) {
    AnsiString result;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t size = AnsiCharSize(text, i);
        const auto first = static_cast<unsigned char>(text[i]);
        if (size == 1 && first < 0x80) {
            if (first == '\\' || first == '{' || first == '}') result += '\\';
            result += text[i];
        } else if (size == 4) {
            // Outside GBK: no byte form a reader of code page 936 knows.
            for (char16_t unit : AnsiToWide(std::string_view(text).substr(i, size)))
                result += "\\u" + IntToStr(static_cast<std::int16_t>(unit)) + "?";
        } else {
            for (std::size_t k = i; k < i + size; ++k) result += Hex2(static_cast<unsigned char>(text[k]));
        }
        i += size;
    }
    return result;
}

int TDBGridVynExportAsRTF::RtfColorIndex(TColor color) {
    const COLORREF rgb = ColorToRGB(color);
    const AnsiString key =
        Format("%3d%3d%3d", {int(GetRValue(rgb)), int(GetGValue(rgb)), int(GetBValue(rgb))});
    int index = colorTable_->IndexOf(key);
    if (index < 0) index = colorTable_->Add(key);
    return index;
}

int TDBGridVynExportAsRTF::RtfFontIndex(const AnsiString& fontName) {
    int index = fontTable_->IndexOf(fontName);
    if (index < 0) index = fontTable_->Add(fontName);
    return index;
}

AnsiString TDBGridVynExportAsRTF::RtfPutText(TFont* font, const AnsiString& text, TColor background) {
    AnsiString result = "\\fs" + IntToStr(font->Size() * 2);
    const TFontStyles style = font->Style();
    if (style.Contains(fsBold)) result += "\\b";
    if (style.Contains(fsItalic)) result += "\\i";
    if (style.Contains(fsStrikeOut)) result += "\\strike";
    if (style.Contains(fsUnderline)) result += "\\ul";
    result += "\\f" + IntToStr(RtfFontIndex(font->Name()));
    result += "\\cf" + IntToStr(RtfColorIndex(font->Color()));
    result += "\\cb" + IntToStr(RtfColorIndex(background));
    return result + " " + RtfEscape(text);
}

void TDBGridVynExportAsRTF::SaveToStream(TStream* stream, bool allRows) {
    // Nothing at all for an empty selection, as every format does.
    if (ExportKind(allRows) == gstNon) return;
    bodyCache_ = std::make_unique<TMemoryStream>();
    colorTable_ = std::make_unique<TStringList>();
    fontTable_ = std::make_unique<TStringList>();
    try {
        for (TColor color : {TColor(0), TColor(0xFFFFFF), clBtnFace}) RtfColorIndex(color);
        TDBGridVynExport::SaveToStream(bodyCache_.get(), allRows);
        AnsiString head = "{\\rtf0\\ansi\\ansicpg936\r\n{\\colortbl";
        for (int i = 0; i < colorTable_->Count(); ++i) {
            const AnsiString& key = colorTable_->Strings(i);
            head += "\\red" + Trim(key.substr(0, 3)) + "\\green" + Trim(key.substr(3, 3)) + "\\blue" +
                    Trim(key.substr(6, 3)) + ";";
        }
        head += "}\r\n{\\fonttbl";
        for (int i = 0; i < fontTable_->Count(); ++i)
            head += "\\f" + IntToStr(i) + "\\fnil\\fcharset134 " + RtfEscape(fontTable_->Strings(i)) + ";";
        head += "}\r\n";
        stream->WriteBuffer(head.data(), static_cast<Integer>(head.size()));
        bodyCache_->SetPosition(0);
        stream->CopyFrom(bodyCache_.get(), bodyCache_->Size());
    } catch (...) {
        bodyCache_.reset();
        colorTable_.reset();
        fontTable_.reset();
        throw;
    }
    bodyCache_.reset();
    colorTable_.reset();
    fontTable_.reset();
}

void TDBGridVynExportAsRTF::EndExport() { Put("}"); }

int TDBGridVynExportAsRTF::PixelsPerInch() const {
    // The grid's window measures as its canvas does; without a window the
    // screen does.
    const HWND window = Grid()->HandleAllocated() ? Grid()->Handle() : 0;
    const HDC dc = GetDC(window);
    const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return pixelsPerInch;
}

AnsiString TDBGridVynExportAsRTF::CellPadding() const { return Grid()->Flat() ? "12" : "24"; }

void TDBGridVynExportAsRTF::PutRowLayout(TColumnsVynList* columns, const std::vector<TColor>& shading,
                                         const std::vector<unsigned>* excluded) {
    Put("\\trowd");
    PutLine("\\trgaph40");
    const double pixelsPerInch = PixelsPerInch();
    int x = 0;
    for (int i = 0; i < columns->Count(); ++i) {
        const unsigned out = excluded ? (*excluded)[static_cast<std::size_t>(i)] : 0;
        Put(RtfCellBorders(!(out & kNoLeft), !(out & kNoTop), !(out & kNoRight), !(out & kNoBottom)));
        x += static_cast<int>(std::trunc(columns->Items(i)->Width() / pixelsPerInch * 1440));
        Put("\\clshdng10000\\clcfpat" + IntToStr(RtfColorIndex(shading[static_cast<std::size_t>(i)])));
        PutLine("\\cellx" + IntToStr(x));
    }
    PutLine("{\\trrh0");
}

void TDBGridVynExportAsRTF::GatherCell(TColor shading, const AnsiString& head, TFont* font, const AnsiString& text,
                                       TColor background) {
    auto copy = std::make_unique<TFont>();
    copy->Assign(font);
    rowShading_.push_back(shading);
    rowCells_.push_back({head, std::move(copy), text, background});
}

AnsiString TDBGridVynExportAsRTF::CellHead(TAlignment alignment) const {
    return "\\pard\\intbl{" + AlignmentWord(alignment) + "\\sb" + CellPadding() + "\\sa" + CellPadding();
}

void TDBGridVynExportAsRTF::PutGatheredRow(TColumnsVynList* columns, const std::vector<unsigned>* excluded) {
    PutRowLayout(columns, rowShading_, excluded);
    for (const GatheredCell& cell : rowCells_) {
        Put(cell.head + RtfPutText(cell.font.get(), cell.text, cell.background));
        PutLine("\\cell}");
    }
    PutLine("\\pard\\intbl\\row}");
    rowShading_.clear();
    rowCells_.clear();
}

void TDBGridVynExportAsRTF::PutTitleLevels(TColumnsVynList* columns, TTitleLevelsVyn& levels) {
    const int padding = std::abs(static_cast<int>(std::trunc(Grid()->VTitleMargin() / 2.0 / PixelsPerInch() * 1440 - 20)));
    const AnsiString spacing = "\\sb" + IntToStr(padding) + "\\sa" + IntToStr(padding);
    const TColor fixed = Grid()->FixedColor();
    // Per level and column, the borders merged cells leave out.
    std::vector<std::vector<unsigned>> excluded(static_cast<std::size_t>(levels.LevelCount()),
                                                std::vector<unsigned>(static_cast<std::size_t>(columns->Count()), 0));
    for (int level = levels.LevelCount() - 1; level >= 0; --level) {
        for (int i = 0; i < columns->Count(); ++i) {
            THeadTreeNode* node = levels.Entry(level, i);
            TColumnTitleVyn* title = columns->Items(i)->Title();
            AnsiString head = "\\pard\\intbl{\\qc";
            if (node) {
                int colSpan = 1, rowSpan = 1;
                levels.TitleCellSpan(level, i, colSpan, rowSpan);
                for (int l = level; l > level - rowSpan; --l)
                    for (int c = i; c < i + colSpan; ++c)
                        excluded[static_cast<std::size_t>(l)][static_cast<std::size_t>(c)] |=
                            (c != i ? kNoLeft : 0u) | (c != i + colSpan - 1 ? kNoRight : 0u) |
                            (l != level ? kNoTop : 0u) | (l != level - rowSpan + 1 ? kNoBottom : 0u);
                head += spacing;
            }
            const TColor background = level > 0 ? fixed : title->Color();
            GatherCell(background, head, level > 0 ? Grid()->TitleFont() : title->Font(),
                       node ? node->NodeText : AnsiString(), background);
        }
        PutGatheredRow(columns, &excluded[static_cast<std::size_t>(level)]);
    }
}

void TDBGridVynExportAsRTF::PutTitleRow(TColumnsVynList* columns) {
    if (std::unique_ptr<TTitleLevelsVyn> levels = TTitleLevelsVyn::Build(Grid(), columns))
        return PutTitleLevels(columns, *levels);
    for (int i = 0; i < columns->Count(); ++i) {
        TColumnTitleVyn* title = columns->Items(i)->Title();
        GatherCell(title->Color(), CellHead(title->Alignment()), title->Font(), title->Caption(), title->Color());
    }
    PutGatheredRow(columns);
}

void TDBGridVynExportAsRTF::PutDataRow(TColumnsVynList* columns) {
    TDBGridVynExport::PutDataRow(columns);
    PutGatheredRow(columns);
}

void TDBGridVynExportAsRTF::PutDataCell(TColumnVyn*, TColCellParamsVyn* params) {
    GatherCell(params->Background, CellHead(params->Alignment), params->Font, params->Text, params->Background);
}

void TDBGridVynExportAsRTF::PutFooterRow(TColumnsVynList* columns, int footerRow) {
    TDBGridVynExport::PutFooterRow(columns, footerRow);
    PutGatheredRow(columns);
}

void TDBGridVynExportAsRTF::PutFooterCell(int, int, const AnsiString& text, TAlignment alignment, TColor background,
                                          TFont* font, TColumnVyn*) {
    GatherCell(background, CellHead(alignment), font, text, background);
}
