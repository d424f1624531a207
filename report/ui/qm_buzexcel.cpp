// The workbook model: naming, the sorted range list with its replacement
// rule, dimensions and the screen-based size conversions.
#include "report/ui/qm_buzexcel.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"

namespace {

// At most `count` characters of `s` (a double-byte character is one),
// with surrounding blanks removed.
AnsiString FirstCharacters(const AnsiString& s, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t n = 0; n < count && end < s.size(); ++n) end += AnsiCharSize(s, end);
    return Trim(s.substr(0, end));
}

// Whether two rectangles share a cell (inclusive bounds).
bool Overlap(const TbuzXLSRange& r, Integer left, Integer top, Integer right, Integer bottom) {
    return r.Left <= right && left <= r.Right && r.Top <= bottom && top <= r.Bottom;
}

}  // namespace

WideString StringToUTF16(const AnsiString& s) { return AnsiToWide(s); }

int FillPatternConstant(TbuzXLSFillPattern pattern) {
    static constexpr int constants[] = {0,  -4105, 9,  16, -4121, 18, 17, -4124, -4125, -4126,
                                        15, -4128, 13, 11, 14,    12, 10, 1,     -4162, -4166};
    return constants[pattern];
}

TbuzXLSRange::TbuzXLSRange(TbuzXLSWorksheet* worksheet) : Worksheet(worksheet) {
    Font.SetName("Arial");
    Font.SetSize(10);
    Font.SetColor(0);
}

void TbuzXLSRange::SetValue(const Variant& value) {
    const TVarType type = VarType(value) & varTypeMask;
    if (type != varString && type != varOleStr) {
        Value = value;
        return;
    }
    AnsiString text = VarToStr(value);
    for (std::size_t at; (at = text.find("\r\n")) != AnsiString::npos;) text.erase(at, 1);
    Value = text;
}

int TbuzXLSRange::CellType() const {
    if (!Formula.empty()) return 2;
    switch (VarType(Value) & varTypeMask) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varByte: return 0;
    default: return 1;
    }
}

Integer TbuzXLSRow::HeightPixels() const { return MulDiv(GetScreenPixelsPerInch(), Height, 1440); }

void TbuzXLSRow::SetHeightInches(double inches) { Height = Integer(std::lround(inches * 1440)); }

Integer TbuzXLSCol::WidthPixels() const { return MulDiv(GetAvgCharWidth(), Width, 256); }

void TbuzXLSCol::SetWidthInches(double inches) {
    Width = Integer(std::lround(double(GetScreenPixelsPerInch()) * 256 * inches / GetAvgCharWidth()));
}

TbuzImage::TbuzImage(TPicture* picture, bool copy) : Picture(picture), OwnsPicture(copy) {
    if (!copy) return;
    Picture = new TPicture;
    Picture->Assign(picture);
}

TbuzImage::~TbuzImage() {
    if (OwnsPicture) delete Picture;
}

TbuzImage* TbuzImages::Add(std::unique_ptr<TbuzImage> image) {
    items_.push_back(std::move(image));
    return items_.back().get();
}

TbuzXLSWorksheet::TbuzXLSWorksheet(TbuzXLSWorkbook* workbook) : workbook_(workbook) {
    int n = workbook ? workbook->SheetCount() + 1 : 1;
    const auto taken = [&](const AnsiString& name) {
        for (int i = 0; workbook && i < workbook->SheetCount(); ++i)
            if (SameText(workbook->Sheets(i)->Name(), name)) return true;
        return false;
    };
    while (taken("Sheet" + IntToStr(n))) ++n;
    name_ = "Sheet" + IntToStr(n);
}

void TbuzXLSWorksheet::SetName(const AnsiString& name) { name_ = FirstCharacters(name, 31); }

int TbuzXLSWorksheet::Index() const {
    if (!workbook_) return -1;
    for (int i = 0; i < workbook_->SheetCount(); ++i)
        if (workbook_->Sheets(i) == this) return i;
    return -1;
}

void TbuzXLSWorksheet::Widen(Integer left, Integer top, Integer right, Integer bottom) {
    const auto lower = [](Integer& bound, Integer value) { bound = bound == -1 ? value : std::min(bound, value); };
    const auto upper = [](Integer& bound, Integer value) { bound = bound == -1 ? value : std::max(bound, value); };
    if (left != -1) lower(Dimensions.Left, left);
    if (top != -1) lower(Dimensions.Top, top);
    if (right != -1) upper(Dimensions.Right, right);
    if (bottom != -1) upper(Dimensions.Bottom, bottom);
}

TbuzXLSCol* TbuzXLSWorksheet::FindCol(Integer index) const {
    for (const auto& col : cols_)
        if (col->Index == index) return col.get();
    return nullptr;
}

TbuzXLSRow* TbuzXLSWorksheet::FindRow(Integer index) const {
    for (const auto& row : rows_)
        if (row->Index == index) return row.get();
    return nullptr;
}

TbuzXLSCol* TbuzXLSWorksheet::GetCol(Integer index) {
    if (TbuzXLSCol* found = FindCol(index)) return found;
    cols_.push_back(std::make_unique<TbuzXLSCol>());
    cols_.back()->Index = index;
    Widen(index, -1, index, -1);
    return cols_.back().get();
}

TbuzXLSRow* TbuzXLSWorksheet::GetRow(Integer index) {
    if (TbuzXLSRow* found = FindRow(index)) return found;
    rows_.push_back(std::make_unique<TbuzXLSRow>());
    rows_.back()->Index = index;
    Widen(-1, index, -1, index);
    return rows_.back().get();
}

// Ranges stay sorted by Top, and no range starts more than MaxRangeRows - 1
// rows above one it overlaps, so the search starts there.
TbuzXLSRange* TbuzXLSWorksheet::GetRange(Integer left, Integer top, Integer right, Integer bottom) {
    const Integer firstTop = top - maxRangeRows_ + 1;
    auto scan = std::lower_bound(ranges_.begin(), ranges_.end(), firstTop,
                                 [](const std::unique_ptr<TbuzXLSRange>& r, Integer t) { return r->Top < t; });
    TbuzXLSRange* result = nullptr;
    bool removed = false;
    while (scan != ranges_.end() && (*scan)->Top <= bottom) {
        TbuzXLSRange& r = **scan;
        if (r.Left == left && r.Top == top && r.Right == right && r.Bottom == bottom) {
            result = &r;
            break;
        }
        if (Overlap(r, left, top, right, bottom)) {
            scan = ranges_.erase(scan);
            removed = true;
        } else {
            ++scan;
        }
    }
    if (!result) {
        auto range = std::make_unique<TbuzXLSRange>(this);
        range->Left = left;
        range->Top = top;
        range->Right = right;
        range->Bottom = bottom;
        result = range.get();
        const auto at = std::upper_bound(ranges_.begin(), ranges_.end(), top,
                                         [](Integer t, const std::unique_ptr<TbuzXLSRange>& r) { return t < r->Top; });
        ranges_.insert(at, std::move(range));
    }
    if (removed) {
        maxRangeRows_ = 1;
        for (const auto& r : ranges_) maxRangeRows_ = std::max(maxRangeRows_, r->Bottom - r->Top + 1);
    } else {
        maxRangeRows_ = std::max(maxRangeRows_, bottom - top + 1);
    }
    Widen(left, top, right, bottom);
    return result;
}

TbuzImage* TbuzXLSWorksheet::AddImage(Integer left, Integer top, Integer right, Integer bottom, TPicture* picture,
                                      bool copy) {
    auto image = std::make_unique<TbuzImage>(picture, copy);
    image->Left = left;
    image->Top = top;
    image->Right = right;
    image->Bottom = bottom;
    return Images.Add(std::move(image));
}

void TbuzXLSWorksheet::AddPageBreak(Integer row) {
    if (std::find(pageBreaks_.begin(), pageBreaks_.end(), row) == pageBreaks_.end()) pageBreaks_.push_back(row);
}

Integer TbuzXLSWorksheet::DefaultColWidthPixels() const { return GetAvgCharWidth() * 9; }

Integer TbuzXLSWorksheet::DefaultRowHeightPixels() const { return MulDiv(285, GetScreenPixelsPerInch(), 1440); }

Integer TbuzXLSWorksheet::ColWidthPixels(Integer index) const {
    const TbuzXLSCol* col = FindCol(index);
    return col ? col->WidthPixels() : DefaultColWidthPixels();
}

Integer TbuzXLSWorksheet::RowHeightPixels(Integer index) const {
    const TbuzXLSRow* row = FindRow(index);
    return row ? row->HeightPixels() : DefaultRowHeightPixels();
}

void TbuzXLSWorkbook::SetTitle(const AnsiString& title) { title_ = FirstCharacters(title, 66); }

TbuzXLSWorksheet* TbuzXLSWorkbook::AddSheet() {
    sheets_.push_back(std::make_unique<TbuzXLSWorksheet>(this));
    return sheets_.back().get();
}

int TbuzXLSWorkbook::IndexOfSheet(const AnsiString& name) const {
    for (int i = 0; i < SheetCount(); ++i)
        if (sheets_[std::size_t(i)]->Name() == name) return i;
    return -1;
}

namespace {

Integer MeasureAvgCharWidth() {
    HDC dc = CreateCompatibleDC(0);
    const HFONT font = CreateFont(-MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                  DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetrics(dc, &metrics);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return metrics.tmAveCharWidth + metrics.tmOverhang + 1;
}

Integer ReadScreenPixelsPerInch() {
    HDC dc = CreateCompatibleDC(0);
    const Integer dpi = GetDeviceCaps(dc, LOGPIXELSX);
    DeleteDC(dc);
    return dpi;
}

}  // namespace

Integer GetAvgCharWidth() {
    static const Integer width = MeasureAvgCharWidth();
    return width;
}

Integer GetScreenPixelsPerInch() {
    static const Integer dpi = ReadScreenPixelsPerInch();
    return dpi;
}
