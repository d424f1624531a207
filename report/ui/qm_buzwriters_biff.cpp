// The BIFF8 writer: the globals (fonts, formats and cell formats shared by
// byte comparison, the palette, shared strings), then each sheet's records
// with its rows in blocks of 32 indexed through DBCELL and INDEX.
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <map>

#include "platform/gdi/sysparams.h"
#include "platform/rtl/storage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/metafile.h"
#include "report/ui/qm_biffrecord.h"
#include "report/ui/qm_buzwriters.h"

using biff::Body;
using biff::WriteRecord;

namespace {

constexpr std::array<TColor, 56> kDefaultPalette = {
    0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x000080, 0x008000,
    0x800000, 0x008080, 0x800080, 0x808000, 0xC0C0C0, 0x808080, 0xFF9999, 0x663399, 0xCCFFFF, 0xFFFFCC,
    0x660066, 0x8080FF, 0xCC6600, 0xFFCCCC, 0x800000, 0xFF00FF, 0x00FFFF, 0xFFFF00, 0x800080, 0x000080,
    0x808000, 0xFF0000, 0xFFCC00, 0xFFFFCC, 0xCCFFCC, 0x99FFFF, 0xFFCC99, 0xCC99FF, 0xFF99CC, 0x99CCFF,
    0xFF6633, 0xCCCC33, 0x00CC99, 0x00CCFF, 0x0099FF, 0x0066FF, 0x996666, 0x969696, 0x663300, 0x669933,
    0x003300, 0x003333, 0x003399, 0x663399, 0x993333, 0x333333};

constexpr std::array<TColor, 16> kProtectedColours = {0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080, 0x0000FF, 0x000080,
                                                       0x00FFFF, 0x008080, 0x00FF00, 0x008000, 0xFFFF00, 0x808000,
                                                       0xFF0000, 0x800000, 0xFF00FF, 0x800080};

// The built-in number formats every workbook lists first; "\xF0" is the
// currency sign's byte, converted through the code page like the rest.
struct BuiltInFormat {
    int index;
    const char* text;
};
constexpr BuiltInFormat kBuiltInFormats[] = {
    {5, "#,##0\"\xF0.\";\\-#,##0\"\xF0.\""},
    {6, "#,##0\"\xF0.\";[Red]\\-#,##0\"\xF0.\""},
    {7, "#,##0.00\"\xF0.\";\\-#,##0.00\"\xF0.\""},
    {8, "#,##0.00\"\xF0.\";[Red]\\-#,##0.00\"\xF0.\""},
    {42, "_-* #,##0\"\xF0.\"_-;\\-* #,##0\"\xF0.\"_-;_-* \"-\"\"\xF0.\"_-;_-@_-"},
    {41, "_-* #,##0_\xF0_._-;\\-* #,##0_\xF0_._-;_-* \"-\"_\xF0_._-;_-@_-"},
    {44, "_-* #,##0.00\"\xF0.\"_-;\\-* #,##0.00\"\xF0.\"_-;_-* \"-\"??\"\xF0.\"_-;_-@_-"},
    {43, "_-* #,##0.00_\xF0_._-;\\-* #,##0.00_\xF0_._-;_-* \"-\"??_\xF0_._-;_-@_-"},
};
constexpr int kFirstAddedFormat = 50;

// The pattern code of each fill pattern: the automation constant where it
// is positive, the file format's own code for the others.
constexpr Byte kPatternCodes[] = {0, 1, 9, 16, 7, 18, 17, 4, 2, 3, 15, 5, 13, 11, 14, 12, 10, 1, 8, 6};

constexpr int kStyleXFCount = 15;
constexpr int kRowsPerBlock = 32;
constexpr Word kDefaultRowHeight = 285;

enum BorderIndex { bDiagonalDown, bDiagonalUp, bBottom, bLeft, bRight, bTop };

// An XF body: 20 bytes as the format lays them out.
using XF = std::array<Byte, 20>;

XF MakeXF(unsigned font, unsigned format, unsigned type, Byte alignment, Byte indent, Byte attributes) {
    XF xf{};
    Body b;
    b.U16(font).U16(format).U16(type).U8(alignment).U8(0).U8(indent).U8(attributes).Zeros(8).U16(0x20C0);
    std::copy_n(b.Data(), xf.size(), xf.begin());
    return xf;
}

// Equal heights at equal resolutions are equal sizes.
bool SameFont(const TFont& a, const TFont& b) {
    return a.Charset() == b.Charset() && a.Color() == b.Color() && a.Height() == b.Height() &&
           a.PixelsPerInch() == b.PixelsPerInch() && a.Pitch() == b.Pitch() && a.Style() == b.Style() &&
           a.Name() == b.Name();
}

WideString Wide(const AnsiString& s) { return StringToUTF16(s); }

// StringToUTF16 into a buffer that keeps its room from string to string.
void ToUtf16(const AnsiString& s, WideString& out) {
    if (std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        out.assign(s.begin(), s.end());
    else
        out = StringToUTF16(s);
}

// The three parts of a header or footer, each only when it has text.
WideString HeaderText(const AnsiString& left, const AnsiString& centre, const AnsiString& right) {
    AnsiString text;
    if (!left.empty()) text += "&L" + left;
    if (!centre.empty()) text += "&C" + centre;
    if (!right.empty()) text += "&R" + right;
    return Wide(text);
}

TbuzExcelWriter::CellRec& RecOf(const TbuzXLSRange* range) {
    return *static_cast<TbuzExcelWriter::CellRec*>(range->WriterData);
}

}  // namespace

// A colour once given an index keeps it: its entry is in use and so never
// replaced, which lets the index be remembered.
Integer TbuzExcelWriter::GetPaletteIndex(TColor color) {
    if (const auto known = knownIndexes_.find(color); known != knownIndexes_.end()) return known->second;
    const Integer index = PaletteIndexOf(color);
    knownIndexes_.emplace(color, index);
    return index;
}

Integer TbuzExcelWriter::PaletteIndexOf(TColor color) {
    if (color < 0) color = TColor(GetSysColor(int(color & 0xFF)));
    color &= 0xFFFFFF;
    if (std::find(usedColours_.begin(), usedColours_.end(), color) == usedColours_.end())
        usedColours_.push_back(color);
    const auto same = std::find(palette_.begin(), palette_.end(), color);
    if (same != palette_.end()) return Integer(same - palette_.begin()) + 8;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
        const TColor entry = palette_[i];
        if (std::find(kProtectedColours.begin(), kProtectedColours.end(), entry) != kProtectedColours.end()) continue;
        if (std::find(usedColours_.begin(), usedColours_.end(), entry) != usedColours_.end()) continue;
        palette_[i] = color;
        paletteModified_ = true;
        return Integer(i) + 8;
    }
    return 8;
}

void TbuzExcelWriter::Save(TbuzXLSWorkbook* workbook, const AnsiString& fileName) {
    std::shared_ptr<IStorage> storage;
    OleCheck(StgCreateDocfile(fileName, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, storage));
    std::shared_ptr<IStream> stream;
    OleCheck(storage->CreateStream("Workbook", STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, stream));
    workbook_ = workbook;
    try {
        TOleStream out(stream);
        WriteWorkbook(out);
    } catch (...) {
        // A save that fails leaves the file that was there.
        storage->Revert();
        Cleanup();
        throw;
    }
    Cleanup();
    OleCheck(storage->Commit(STGC_DEFAULT));
}

void TbuzExcelWriter::Cleanup() {
    if (workbook_)
        for (int s = 0; s < workbook_->SheetCount(); ++s)
            for (int r = 0; r < workbook_->Sheets(s)->RangeCount(); ++r) workbook_->Sheets(s)->Ranges(r)->WriterData = nullptr;
    compiler_.Clear();
    fonts_.clear();
    formats_.clear();
    strings_.clear();
    cellRecs_.clear();
    sheetRecs_.clear();
    imageRecs_.clear();
    usedColours_.clear();
    knownIndexes_.clear();
    workbook_ = nullptr;
}

void TbuzExcelWriter::WriteWorkbook(TStream& stream) {
    streamStart_ = stream.Position();
    std::size_t ranges = 0;
    for (int s = 0; s < workbook_->SheetCount(); ++s) ranges += std::size_t(workbook_->Sheets(s)->RangeCount());
    cellRecs_.assign(ranges, CellRec{});
    std::size_t next = 0;
    for (int s = 0; s < workbook_->SheetCount(); ++s)
        for (int r = 0; r < workbook_->Sheets(s)->RangeCount(); ++r) workbook_->Sheets(s)->Ranges(r)->WriterData = &cellRecs_[next++];
    sheetRecs_.assign(std::size_t(workbook_->SheetCount()), SheetRec{});
    imageRecs_.clear();
    palette_ = kDefaultPalette;
    paletteModified_ = false;
    usedColours_.clear();
    knownIndexes_.clear();

    WriteGlobals(stream);
    for (int s = 0; s < workbook_->SheetCount(); ++s) {
        sheetRecs_[std::size_t(s)].bof = stream.Position();
        WriteSheet(stream, workbook_->Sheets(s));
    }
    const Int64 end = stream.Position();
    for (const SheetRec& sheet : sheetRecs_) {
        stream.SetPosition(sheet.boundSheetOffset);
        const std::uint32_t bof = std::uint32_t(sheet.bof - streamStart_);
        Body offset;
        offset.U32(bof);
        offset.WriteTo(stream);
    }
    stream.SetPosition(end);
}

void TbuzExcelWriter::WriteGlobals(TStream& stream) {
    WriteRecord(stream, 0x0809, Body().U16(0x0600).U16(0x0005).U16(3515).U16(1997).U32(0).U32(0x0600));
    WriteRecord(stream, 0x00E1, Body().U16(1200));
    WriteRecord(stream, 0x00C1, Body().U16(0));
    WriteRecord(stream, 0x00E2, Body());
    // The title as far as count, option byte and characters fit 112 bytes.
    WideString title = Wide(workbook_->Title());
    if (title.size() > 54) title.resize(54);
    Body access;
    access.String16(title);
    access.PadTo(112, ' ');
    WriteRecord(stream, 0x005C, access);
    WriteRecord(stream, 0x0042, Body().U16(1200));
    WriteRecord(stream, 0x0161, Body().U16(0));
    WriteRecord(stream, 0x01C0, Body());
    Body tabs;
    for (int s = 0; s < workbook_->SheetCount(); ++s) tabs.U16(unsigned(s + 1));
    WriteRecord(stream, 0x013D, tabs);
    WriteRecord(stream, 0x009C, Body().U16(14));
    for (Word id : {0x0019, 0x0012, 0x0013, 0x01AF, 0x01BC}) WriteRecord(stream, id, Body().U16(0));
    WriteRecord(stream, 0x003D, Body().U16(360).U16(30).U16(7455).U16(6240).U16(0x0038).U16(0).U16(0).U16(1).U16(600));
    WriteRecord(stream, 0x0040, Body().U16(0));
    WriteRecord(stream, 0x008D, Body().U16(0));
    WriteRecord(stream, 0x0022, Body().U16(0));
    WriteRecord(stream, 0x000E, Body().U16(1));
    WriteRecord(stream, 0x01B7, Body().U16(0));
    WriteRecord(stream, 0x00DA, Body().U16(0));
    PrepareRanges();
    WriteFonts(stream);
    WriteFormats(stream);
    WriteXFs(stream);
    for (auto [xf, style] : {std::pair{16, 4}, {17, 7}, {0, 0}, {18, 5}, {19, 3}, {20, 6}})
        WriteRecord(stream, 0x0293, Body().U16(unsigned(xf) | 0x8000).U8(unsigned(style)).U8(0xFF));
    for (int s = 0; s < workbook_->SheetCount(); ++s) {
        const TbuzImages& images = workbook_->Sheets(s)->Images;
        for (int i = 0; i < images.Count(); ++i)
            imageRecs_.push_back({GetPaletteIndex(images[i]->BorderColor), GetPaletteIndex(0xFFFFFF),
                                  GetPaletteIndex(0xFFFFFF)});
    }
    if (paletteModified_) {
        Body palette;
        palette.U16(56);
        for (TColor c : palette_) palette.U8(c & 0xFF).U8((c >> 8) & 0xFF).U8((c >> 16) & 0xFF).U8(0);
        WriteRecord(stream, 0x0092, palette);
    }
    WriteRecord(stream, 0x0160, Body().U16(0));
    for (int s = 0; s < workbook_->SheetCount(); ++s) {
        sheetRecs_[std::size_t(s)].boundSheetOffset = stream.Position() + 4;
        WriteRecord(stream, 0x0085, Body().U32(0).U8(0).U8(0).String8(Wide(workbook_->Sheets(s)->Name())));
    }
    WriteRecord(stream, 0x008C, Body().U16(86).U16(86));

    const TbuzExtRefs& refs = compiler_.ExtRefs();
    if (!refs.Refs().empty()) {
        // SUPBOOK records: this workbook first, then the others in order.
        std::vector<unsigned> supbookOf(refs.Workbooks().size(), 0);
        WriteRecord(stream, 0x01AE, Body().U16(unsigned(workbook_->SheetCount())).U16(0x0401));
        unsigned written = 1;
        for (std::size_t b = 0; b < refs.Workbooks().size(); ++b) {
            const TbuzExtWorkbook& book = *refs.Workbooks()[b];
            if (book.Name.empty()) continue;
            supbookOf[b] = written++;
            const WideString name = Wide(book.Name);
            Body supbook;
            supbook.U16(unsigned(book.Sheets.size())).U16(unsigned(name.size() + 1)).U8(1).U16(1).Utf16(name);
            for (const TbuzExtSheet* sheet : book.Sheets) supbook.String16(Wide(sheet->Name));
            WriteRecord(stream, 0x01AE, supbook);
        }
        Body externs;
        externs.U16(unsigned(refs.Refs().size()));
        for (const auto& ref : refs.Refs()) {
            const bool own = refs.Workbooks()[std::size_t(ref->BookIndex)]->Name.empty();
            const unsigned sheet = own ? unsigned(workbook_->IndexOfSheet(ref->Name)) : unsigned(ref->SheetIndex);
            externs.U16(supbookOf[std::size_t(ref->BookIndex)]).U16(sheet).U16(sheet);
        }
        WriteRecord(stream, 0x0017, externs);
    }
    WriteStrings(stream);
    WriteRecord(stream, 0x000A, Body());
}

// One pass over every range, in sheet and range order: its font, number
// format and shared string found or added, its formula compiled.
void TbuzExcelWriter::PrepareRanges() {
    fonts_.clear();
    for (int i = 0; i < 4; ++i) {
        fonts_.push_back(std::make_unique<TFont>());
        fonts_.back()->SetName("Arial");
        fonts_.back()->SetSize(10);
        fonts_.back()->SetColor(0);
    }
    formats_.clear();
    for (const BuiltInFormat& f : kBuiltInFormats) formats_.push_back({f.index, f.text});
    int nextFormat = kFirstAddedFormat;
    strings_.clear();
    for (int s = 0; s < workbook_->SheetCount(); ++s)
        for (int r = 0; r < workbook_->Sheets(s)->RangeCount(); ++r) {
            TbuzXLSRange* range = workbook_->Sheets(s)->Ranges(r);
            CellRec& rec = RecOf(range);
            auto font = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return SameFont(*f, range->Font); });
            if (font == fonts_.end()) {
                fonts_.push_back(std::make_unique<TFont>());
                fonts_.back()->Assign(&range->Font);
                font = fonts_.end() - 1;
            }
            rec.FontIndex = Integer(font - fonts_.begin()) + 1;  // there is no font 4
            if (!range->NumberFormat.empty()) {
                auto format = std::find_if(formats_.begin(), formats_.end(),
                                           [&](const FormatEntry& f) { return SameText(f.text, range->NumberFormat); });
                if (format == formats_.end()) {
                    formats_.push_back({nextFormat++, range->NumberFormat});
                    format = formats_.end() - 1;
                }
                rec.FormatIndex = format->index;
            }
            switch (range->CellType()) {
            case 1:
                if (AnsiString text = VarToStr(range->Value); !text.empty()) {
                    rec.SSTIndex = Integer(strings_.size());
                    strings_.push_back(std::move(text));
                }
                break;
            case 2: compiler_.Compile(range->Formula, rec.Tokens); break;
            default: break;
            }
        }
}

void TbuzExcelWriter::WriteFonts(TStream& stream) {
    for (const auto& font : fonts_) {
        const TFontStyles style = font->Style();
        const bool bold = style.Contains(fsBold);
        unsigned options = bold ? 0x0001 : 0;
        if (style.Contains(fsItalic)) options |= 0x0002;
        if (style.Contains(fsStrikeOut)) options |= 0x0008;
        Body record;
        record.U16(unsigned(font->Size() * 20)).U16(options).U16(unsigned(GetPaletteIndex(font->Color())));
        record.U16(bold ? 700 : 400).U16(0).U8(style.Contains(fsUnderline) ? 1 : 0);
        record.U8(font->LogFont().lfPitchAndFamily).U8(unsigned(font->Charset())).U8(0);
        record.String8(Wide(font->Name()));
        WriteRecord(stream, 0x0031, record);
    }
}

void TbuzExcelWriter::WriteFormats(TStream& stream) {
    for (const FormatEntry& f : formats_) WriteRecord(stream, 0x041E, Body().U16(unsigned(f.index)).String16(Wide(f.text)));
}

void TbuzExcelWriter::WriteXFs(TStream& stream) {
    for (int i = 0; i < kStyleXFCount; ++i) {
        const unsigned font = i == 1 || i == 2 ? 1 : i == 3 || i == 4 ? 2 : 0;
        const XF xf = MakeXF(font, 0, 0xFFF5, 0x20, 0, i == 0 ? 0x00 : 0xF4);
        WriteRecord(stream, 0x00E0, Body().Raw(xf.data(), xf.size()));
    }
    std::vector<XF> cellXFs = {MakeXF(0, 0, 0x0001, 0x20, 0, 0x00)};
    for (unsigned format : {44, 42, 9, 43, 41}) cellXFs.push_back(MakeXF(1, format, 0xFFF5, 0x20, 0, 0xF8));
    std::map<XF, int> indexOf;  // shared by byte comparison
    XF lastXF = cellXFs.front();  // neighbours mostly share theirs
    int lastIndex = 0;
    Body b;
    for (std::size_t i = 0; i < cellXFs.size(); ++i) indexOf.emplace(cellXFs[i], int(i));
    for (int s = 0; s < workbook_->SheetCount(); ++s)
        for (int r = 0; r < workbook_->Sheets(s)->RangeCount(); ++r) {
            const TbuzXLSRange* range = workbook_->Sheets(s)->Ranges(r);
            CellRec& rec = RecOf(range);
            const TbuzXLSBorders& borders = range->Borders;
            const auto colour = [&](int border) {
                return borders[border].LineStyle ? unsigned(GetPaletteIndex(borders[border].Color)) & 0x7F : 0u;
            };
            const TbuzXLSBorder& diagonal =
                borders[bDiagonalUp].LineStyle ? borders[bDiagonalUp] : borders[bDiagonalDown];
            const unsigned left = colour(bLeft), right = colour(bRight), top = colour(bTop), bottom = colour(bBottom);
            const unsigned diagonalColour =
                diagonal.LineStyle ? unsigned(GetPaletteIndex(diagonal.Color)) & 0x7F : 0u;
            const unsigned foreground = unsigned(GetPaletteIndex(range->ForegroundColor)) & 0x7F;
            const unsigned background = unsigned(GetPaletteIndex(range->BackgroundColor)) & 0x7F;
            const bool merged = range->Left != range->Right || range->Top != range->Bottom;
            b.Clear();
            b.U16(unsigned(rec.FontIndex)).U16(unsigned(rec.FormatIndex)).U16(1);
            b.U8((range->HorizontalAlignment & 7u) | (range->WrapText ? 8u : 0u) | ((range->VerticalAlignment & 7u) << 4));
            b.U8(range->Rotation).U16(0x7C00u | (merged ? 0x0020u : 0u));
            b.U16((borders[bLeft].LineStyle & 15u) | ((borders[bRight].LineStyle & 15u) << 4) |
                  ((borders[bTop].LineStyle & 15u) << 8) | ((borders[bBottom].LineStyle & 15u) << 12));
            b.U16(left | (right << 7) | (borders[bDiagonalDown].LineStyle ? 0x4000u : 0u) |
                  (borders[bDiagonalUp].LineStyle ? 0x8000u : 0u));
            b.U32(top | (bottom << 7) | (diagonalColour << 14) | ((diagonal.LineStyle & 15u) << 21) |
                  (std::uint32_t(kPatternCodes[range->FillPattern] & 63u) << 26));
            b.U16(foreground | (background << 7));
            XF xf{};
            std::copy_n(b.Data(), xf.size(), xf.begin());
            if (xf != lastXF) {
                const auto [found, added] = indexOf.try_emplace(xf, int(cellXFs.size()));
                if (added) cellXFs.push_back(xf);
                lastXF = xf;
                lastIndex = found->second;
            }
            rec.XFIndex = Integer(lastIndex) + kStyleXFCount;
        }
    for (const XF& xf : cellXFs) WriteRecord(stream, 0x00E0, Body().Raw(xf.data(), xf.size()));
}

// One entry per text range with text, equal texts not merged. Records hold
// at most 8224 bytes of data; a string split over two records goes on
// with its option byte again. Every eighth entry is a bucket of EXTSST.
void TbuzExcelWriter::WriteStrings(TStream& stream) {
    const std::vector<AnsiString>& strings = strings_;
    if (strings.empty()) return;

    constexpr std::size_t kMaxRecord = biff::kMaxRecordData + 4;
    Body sst;
    std::size_t recordStart = 0;
    const auto finishRecord = [&] {
        const std::size_t length = sst.Size() - recordStart - 4;
        sst.Patch16(recordStart + 2, unsigned(length));
    };
    const auto startContinue = [&] {
        finishRecord();
        recordStart = sst.Size();
        sst.U16(biff::kContinue).U16(0);
    };
    const auto room = [&] { return kMaxRecord - (sst.Size() - recordStart); };
    sst.U16(0x00FC).U16(0).U32(std::uint32_t(strings.size())).U32(std::uint32_t(strings.size()));
    const Int64 sstPosition = stream.Position();
    Body buckets;
    buckets.U16(8);
    WideString text;
    for (std::size_t i = 0; i < strings.size(); ++i) {
        if (room() <= 4) startContinue();
        if (i % 8 == 0)
            buckets.U32(std::uint32_t(sstPosition + Int64(sst.Size()))).U16(unsigned(sst.Size() - recordStart)).U16(0);
        ToUtf16(strings[i], text);
        sst.U16(unsigned(text.size())).U8(1);
        std::size_t done = 0;
        for (;;) {
            const std::size_t fits = std::min(text.size() - done, room() / 2);
            sst.Utf16(std::u16string_view(text).substr(done, fits));
            done += fits;
            if (done == text.size()) break;
            startContinue();
            sst.U8(1);
        }
    }
    finishRecord();
    sst.WriteTo(stream);
    WriteRecord(stream, 0x00FF, buckets);
}

void TbuzExcelWriter::WriteSheet(TStream& stream, TbuzXLSWorksheet* sheet) {
    const TbuzXLSPageSetup& page = sheet->PageSetup;
    const TbuzDimensions& d = sheet->Dimensions;
    const bool rowsSet = d.Top != -1 && d.Bottom != -1;
    const bool allSet = rowsSet && d.Left != -1 && d.Right != -1;
    const std::uint32_t blocks = rowsSet ? std::uint32_t((d.Bottom - d.Top + kRowsPerBlock) / kRowsPerBlock) : 0;

    WriteRecord(stream, 0x0809, Body().U16(0x0600).U16(0x0010).U16(3515).U16(1997).U32(0).U32(0));
    const Int64 indexPosition = stream.Position();
    Body index;
    index.U32(0).U32(rowsSet ? std::uint32_t(d.Top) : 0).U32(rowsSet ? std::uint32_t(d.Bottom + 1) : 0).U32(0);
    index.Zeros(4 * std::size_t(blocks));
    WriteRecord(stream, 0x020B, index);
    WriteRecord(stream, 0x000D, Body().U16(1));
    WriteRecord(stream, 0x000C, Body().U16(100));
    WriteRecord(stream, 0x000F, Body().U16(1));
    WriteRecord(stream, 0x0011, Body().U16(0));
    biff::WriteHex(stream, "10 00 08 00 fc a9 f1 d2 4d 62 50 3f");
    WriteRecord(stream, 0x005F, Body().U16(1));
    WriteRecord(stream, 0x002A, Body().U16(page.PrintHeadings ? 1 : 0));
    WriteRecord(stream, 0x002B, Body().U16(page.PrintGridlines ? 1 : 0));
    WriteRecord(stream, 0x0082, Body().U16(1));
    WriteRecord(stream, 0x0080, Body().Zeros(8));
    WriteRecord(stream, 0x0225, Body().U16(0).U16(kDefaultRowHeight));
    if (sheet->PageBreakCount() > 0) {
        Body breaks;
        breaks.U16(unsigned(sheet->PageBreakCount()));
        for (int i = 0; i < sheet->PageBreakCount(); ++i) breaks.U16(unsigned(sheet->PageBreaks(i))).U16(0).U16(255);
        WriteRecord(stream, 0x001B, breaks);
    }
    WriteRecord(stream, 0x0081, Body().U16(0x04C1));
    for (auto [id, text] : {std::pair{Word(0x0014), HeaderText(page.LeftHeader, page.CenterHeader, page.RightHeader)},
                            {Word(0x0015), HeaderText(page.LeftFooter, page.CenterFooter, page.RightFooter)}}) {
        Body record;
        if (!text.empty()) record.String16(text);
        WriteRecord(stream, id, record);
    }
    WriteRecord(stream, 0x0083, Body().U16(page.CenterHorizontally ? 1 : 0));
    WriteRecord(stream, 0x0084, Body().U16(page.CenterVertically ? 1 : 0));
    WriteRecord(stream, 0x0026, Body().F64(page.LeftMargin));
    WriteRecord(stream, 0x0027, Body().F64(page.RightMargin));
    WriteRecord(stream, 0x0028, Body().F64(page.TopMargin));
    WriteRecord(stream, 0x0029, Body().F64(page.BottomMargin));
    unsigned setupOptions = 0;
    if (page.Order == 1) setupOptions |= 0x01;
    if (page.Orientation == 0) setupOptions |= 0x02;
    if (page.BlackAndWhite) setupOptions |= 0x08;
    if (page.Draft) setupOptions |= 0x10;
    if (page.PrintNotes) setupOptions |= 0x20;
    if (page.FirstPageNumber != 1) setupOptions |= 0x80;
    WriteRecord(stream, 0x00A1,
                Body().U16(page.PaperSize).U16(unsigned(page.Zoom)).U16(unsigned(page.FirstPageNumber))
                    .U16(unsigned(page.FitToPagesWide)).U16(unsigned(page.FitToPagesTall)).U16(setupOptions)
                    .U16(0).U16(0).F64(page.HeaderMargin).F64(page.FooterMargin).U16(unsigned(page.Copies)));
    WriteRecord(stream, 0x0055, Body().U16(8));
    for (int i = 0; i < sheet->ColCount(); ++i) {
        const TbuzXLSCol* col = sheet->Cols(i);
        WriteRecord(stream, 0x007D, Body().U16(unsigned(col->Index)).U16(unsigned(col->Index)).U16(unsigned(col->Width))
                                        .U16(15).U16(col->Width == 0 ? 3 : 2).U16(2));
    }
    Body dimensions;
    if (allSet)
        dimensions.U32(std::uint32_t(d.Top)).U32(std::uint32_t(d.Bottom + 1)).U16(unsigned(d.Left)).U16(unsigned(d.Right + 1)).U16(0);
    else
        dimensions.Zeros(14);
    WriteRecord(stream, 0x0200, dimensions);

    std::vector<Cardinal> dbcells;
    if (rowsSet) WriteRowBlocks(stream, sheet, dbcells);
    WritePictures(stream, sheet);
    if (!dbcells.empty()) {
        const Int64 end = stream.Position();
        Body positions;
        for (Cardinal p : dbcells) positions.U32(p);
        stream.SetPosition(indexPosition + 4 + 16);
        positions.WriteTo(stream);
        stream.SetPosition(end);
    }

    WriteRecord(stream, 0x023E, Body().U16(0x04B6u | (sheet->Index() == 0 ? 0x0200u : 0u)).U16(0).U16(0).U32(64)
                                    .U16(0).U16(0).U32(0));
    WriteRecord(stream, 0x001D, Body().U8(3).U16(0).U16(0).U16(0).U16(1).U16(0).U16(0).U8(0).U8(0));
    for (int r = 0; r < sheet->RangeCount(); ++r) {
        const TbuzXLSRange* range = sheet->Ranges(r);
        if (range->Left == range->Right && range->Top == range->Bottom) continue;
        WriteRecord(stream, 0x00E5, Body().U16(1).U16(unsigned(range->Top)).U16(unsigned(range->Bottom))
                                        .U16(unsigned(range->Left)).U16(unsigned(range->Right)));
    }
    WriteRecord(stream, 0x000A, Body());
}

// Rows in blocks of 32: the block's ROW records, then its cells, then a
// DBCELL giving the way back to the first ROW and to each row's cells.
void TbuzExcelWriter::WriteRowBlocks(TStream& stream, TbuzXLSWorksheet* sheet, std::vector<Cardinal>& dbcells) {
    const TbuzDimensions& d = sheet->Dimensions;
    Body rows, cells;
    std::vector<std::size_t> firstCell;  // per row of the block, its offset in `cells`
    std::vector<const TbuzXLSRange*> covering;
    int scanFrom = 0;  // ranges before it end above the row
    for (Integer row = d.Top; row <= d.Bottom; ++row) {
        while (scanFrom < sheet->RangeCount() && sheet->Ranges(scanFrom)->Top < row - sheet->MaxRangeRows() + 1) ++scanFrom;
        covering.clear();
        for (int i = scanFrom; i < sheet->RangeCount() && sheet->Ranges(i)->Top <= row; ++i)
            if (sheet->Ranges(i)->Bottom >= row) covering.push_back(sheet->Ranges(i));
        std::sort(covering.begin(), covering.end(), [](auto* a, auto* b) { return a->Left < b->Left; });

        const TbuzXLSRow* rowObject = sheet->FindRow(row);
        const unsigned height = rowObject ? unsigned(rowObject->Height) : kDefaultRowHeight;
        const unsigned options = rowObject ? 0x0140u | (rowObject->Height == 0 ? 0x0020u : 0u) : 0u;
        const unsigned first = covering.empty() ? 0 : unsigned(covering.front()->Left);
        const unsigned last = covering.empty() ? 0 : unsigned(covering.back()->Right + 1);
        const std::size_t rowRecord = rows.Begin(0x0208);
        rows.U16(unsigned(row)).U16(first).U16(last).U16(height).U16(0).U16(0).U16(options).U16(15);
        rows.End(rowRecord);

        firstCell.push_back(cells.Size());
        for (const TbuzXLSRange* range : covering) WriteCells(cells, *range, row);

        if ((row - d.Top) % kRowsPerBlock == kRowsPerBlock - 1 || row == d.Bottom) {
            const Int64 blockStart = stream.Position();
            rows.WriteTo(stream);
            const Int64 cellsStart = stream.Position();
            cells.WriteTo(stream);
            const Int64 dbcell = stream.Position();
            // From the end of the first ROW record to the first row's cells,
            // then from each row's cells to the next row's.
            const Int64 firstRowEnd = blockStart + 4 + 16;
            Body offsets;
            offsets.U32(std::uint32_t(dbcell - blockStart));
            for (std::size_t i = 0; i < firstCell.size(); ++i)
                offsets.U16(unsigned(i == 0 ? cellsStart + Int64(firstCell[0]) - firstRowEnd
                                            : Int64(firstCell[i] - firstCell[i - 1])));
            WriteRecord(stream, 0x00D7, offsets);
            dbcells.push_back(Cardinal(dbcell - streamStart_));
            rows.Clear();
            cells.Clear();
            firstCell.clear();
        }
    }
}

// The range's cells on the row: its value on its first cell of its first
// row, blanks carrying its format over the rest.
void TbuzExcelWriter::WriteCells(Body& cells, const TbuzXLSRange& range, Integer row) {
    const CellRec& rec = RecOf(&range);
    const unsigned xf = unsigned(rec.XFIndex);
    unsigned c = unsigned(range.Left);
    if (range.Top == row) {
        switch (range.CellType()) {
        case 0: {
            const std::size_t at = cells.Begin(0x0203);
            cells.U16(unsigned(row)).U16(c++).U16(xf).F64(range.Value.AsDouble());
            cells.End(at);
            break;
        }
        case 1:
            if (rec.SSTIndex != -1) {
                const std::size_t at = cells.Begin(0x00FD);
                cells.U16(unsigned(row)).U16(c++).U16(xf).U32(std::uint32_t(rec.SSTIndex));
                cells.End(at);
            }
            break;
        default: {
            Body formula;
            formula.U16(unsigned(row)).U16(c++).U16(xf).Zeros(8).U16(1).U32(0).U16(unsigned(rec.Tokens.size()));
            formula.Raw(rec.Tokens.data(), rec.Tokens.size());
            biff::AppendRecord(cells, 0x0006, formula);
        }
        }
    }
    const unsigned right = unsigned(range.Right);
    if (c > right) return;
    const std::size_t at = cells.Begin(c < right ? 0x00BE : 0x0201);
    cells.U16(unsigned(row)).U16(c);
    for (unsigned k = c; k <= right; ++k) cells.U16(xf);
    if (c < right) cells.U16(right);
    cells.End(at);
}

namespace {

// The far corner of a scaled picture along one axis: the picture's extent
// plus the near offset, walked over column widths (row heights) from the
// near cell; the offset is in `units` of the cell it ends in.
std::pair<Integer, Integer> ScaledCorner(Integer nearCell, Integer nearOffset, int extent, Integer scale, int units,
                                         const std::function<Integer(Integer)>& size) {
    Integer cell = nearCell;
    Integer rest = Integer(extent) * scale / 100 + MulDiv(nearOffset, size(nearCell), units);
    while (rest > 0) {
        const Integer s = size(cell);
        if (s == 0) break;
        rest -= s;
        ++cell;
    }
    if (rest >= 0) return {cell, 0};
    --cell;
    const Integer s = size(cell);
    return {cell, MulDiv(rest + s, units, s)};
}

// The picture as the platform saves a metafile canvas it was drawn on.
std::string MetafileOf(TPicture& picture) {
    TMetafile metafile;
    metafile.SetWidth(picture.Width());
    metafile.SetHeight(picture.Height());
    {
        TMetafileCanvas canvas(&metafile, 0);
        canvas.SetCopyMode(cmSrcCopy);
        if (picture.Graphic()) canvas.Draw(0, 0, picture.Graphic());
    }
    TMemoryStream stream;
    metafile.SaveToStream(&stream);
    return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

}  // namespace

// OBJ and IMDATA for each picture, its colours from the palette indexes
// the globals took for it.
void TbuzExcelWriter::WritePictures(TStream& stream, TbuzXLSWorksheet* sheet) {
    std::size_t first = 0;
    for (int s = 0; s < sheet->Index(); ++s) first += std::size_t(workbook_->Sheets(s)->Images.Count());
    const auto width = [sheet](Integer col) { return sheet->ColWidthPixels(col); };
    const auto height = [sheet](Integer row) { return sheet->RowHeightPixels(row); };
    const TbuzImages& images = sheet->Images;
    for (int k = 0; k < images.Count(); ++k) {
        TbuzImage& image = *images[k];
        auto [right, rightOffset] = std::pair{image.Right, image.RightOffset};
        auto [bottom, bottomOffset] = std::pair{image.Bottom, image.BottomOffset};
        if (image.ScaleX > 0)
            std::tie(right, rightOffset) =
                ScaledCorner(image.Left, image.LeftOffset, image.Picture->Width(), image.ScaleX, 1024, width);
        if (image.ScaleY > 0)
            std::tie(bottom, bottomOffset) =
                ScaledCorner(image.Top, image.TopOffset, image.Picture->Height(), image.ScaleY, 256, height);
        const ImageRec& colours = imageRecs_[first + std::size_t(k)];
        Body obj;
        obj.U32(std::uint32_t(images.Count())).U16(8).U16(unsigned(k + 1)).U16(0x0614);
        obj.U16(unsigned(image.Left)).U16(unsigned(image.LeftOffset)).U16(unsigned(image.Top)).U16(unsigned(image.TopOffset));
        obj.U16(unsigned(right)).U16(unsigned(rightOffset)).U16(unsigned(bottom)).U16(unsigned(bottomOffset));
        obj.U16(0).Zeros(6);
        obj.U8(unsigned(colours.background)).U8(unsigned(colours.foreground)).U8(1).U8(0);
        obj.U8(unsigned(colours.border)).U8(image.BorderLineStyle).U8(image.BorderWeight).U8(0);
        obj.U16(0).U16(2).Zeros(14);
        WriteRecord(stream, 0x005D, obj);
        const std::string metafile = MetafileOf(*image.Picture);
        Body imdata;
        imdata.U16(2).U16(1).U32(std::uint32_t(metafile.size())).Raw(metafile.data(), metafile.size());
        WriteRecord(stream, 0x007F, imdata);
    }
}
