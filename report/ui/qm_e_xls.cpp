// The spreadsheet filter: page selection, the grid of boundaries each page
// is laid out on, the cells and pictures, and the workbook saved at the end.
#include "report/ui/qm_e_xls.h"

#include <algorithm>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/filepaths.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/win/shellapi.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_buzexcel.h"
#include "report/ui/qm_buzwriters.h"
#include "report/ui/qm_e_xlsform.h"

SERVIORA_REGISTER_CLASS(TQmXLSExport);

namespace {

double PixelsToInches(int pixels) {
    const double inches = double(std::max(pixels, 0)) / GetScreenPixelsPerInch();
    return double(Round(inches * 100)) / 100;
}

// The first boundary within `precision` of `pos`, else a new one.
template <class B>
B* FindOrAdd(std::vector<std::unique_ptr<B>>& list, int pos, int precision) {
    for (auto& b : list)
        if (std::abs(b->Pos - pos) <= precision) return b.get();
    list.push_back(std::make_unique<B>());
    list.back()->Pos = pos;
    return list.back().get();
}

template <class B>
void SortByPos(std::vector<std::unique_ptr<B>>& list) {
    std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a->Pos < b->Pos; });
}

// Boundaries of one record: left, top, right, bottom.
struct CellRec {
    TCol* left;
    TRow* top;
    TCol* right;
    TRow* bottom;
};

bool Inside(const CellRec& inner, const CellRec& outer) {
    return inner.left->Pos >= outer.left->Pos && inner.top->Pos >= outer.top->Pos &&
           inner.right->Pos <= outer.right->Pos && inner.bottom->Pos <= outer.bottom->Pos;
}

Byte LineStyleOf(TPenStyle style, Byte unchanged) {
    switch (style) {
    case psSolid: return 1;
    case psDash: return 3;
    case psDot: return 4;
    case psDashDot: return 9;
    case psDashDotDot: return 11;
    case psClear:
    case psInsideFrame: return 0;
    default: return unchanged;
    }
}

}  // namespace

void ParseExportPages(const AnsiString& pages, int pageCount, int currentPage, TStrings* list) {
    list->Clear();
    if (pages == "CURPAGE") {
        list->Add(IntToStr(currentPage));
        return;
    }
    AnsiString text = StringReplace(pages, " ", "", rfReplaceAll);
    if (text.empty()) return;
    if (text.back() == '-') text += IntToStr(pageCount);
    text += ',';
    auto number = [&](const AnsiString& digits) {
        int value = 0;
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
            !TryStrToInt(digits, value))
            throw EQmExportError("Page Number Setting Error! \"" + pages + "\"");
        return value;
    };
    AnsiString digits;
    int start = -1;
    for (char c : text) {
        if (c == '-') {
            start = number(digits);
            digits.clear();
        } else if (c == ',') {
            const int n = number(digits);
            digits.clear();
            if (start >= 0) {
                for (int page = start; page <= n; ++page) list->Add(IntToStr(page));
                start = -1;
            } else {
                list->Add(IntToStr(n));
            }
        } else {
            digits += c;
        }
    }
}

bool CheckPageListText(AnsiString& text) {
    text = Trim(text);
    if (text.empty()) return true;
    if (text[0] < '1' || text[0] > '9') return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == ',' || c == '-')) {
            Application->MessageBox("Page Number Setting Error!", LoadReportString(47437).c_str(), MB_ICONERROR);
            return false;
        }
    return true;
}

TQmXLSExport::TQmXLSExport(TComponent* owner) : TQmMainExportFilter(owner) {
    SetExportImageFormat(ifBMP);
    SetIsXLSFilter(true);
    ExportRotatedAsText = true;
    RegisterExportFilter(this, LoadReportString(47219) + " (*.xls)", "*.xls");
}

TQmXLSExport::~TQmXLSExport() = default;

Word TQmXLSExport::ShowModal() {
    if (!ShowDialog()) return mrOk;
    const std::unique_ptr<TQmXLSExportForm> form(TQmXLSExportForm::Create(nullptr));
    form->LoadFrom(this);
    const int result = form->ShowModal();
    if (result == mrOk) form->StoreInto(this);
    return Word(result);
}

void TQmXLSExport::OnBeginDoc() {
    auto pages = std::make_unique<TStringList>();
    ParseExportPages(exportPages_, PageCount, Report ? Report->EndPages()->CurPageNo : 1, pages.get());
    if (Report) Report->SetTerminated(false);
    SavedAfterExport = std::move(OnAfterExport);
    OnAfterExport = [this](const AnsiString& fileName) { AfterExport(fileName); };
    TQmMainExportFilter::OnBeginDoc();
    RowOffset = 0;
    PageInSheet = 0;
    SheetCount = 0;
    PageList = std::move(pages);
    Cols.clear();
    Rows.clear();
    Workbook = std::make_unique<TbuzXLSWorkbook>();
    Workbook->Clear();
}

void TQmXLSExport::OnEndDoc() {
    Cols.clear();
    Rows.clear();
    PageList.reset();
    TQmMainExportFilter::OnEndDoc();
}

void TQmXLSExport::AfterExport(const AnsiString& fileName) {
    struct Restore {
        TQmXLSExport* filter;
        ~Restore() {
            filter->Workbook.reset();
            filter->OnAfterExport = std::move(filter->SavedAfterExport);
            filter->SavedAfterExport = nullptr;
        }
    } restore{this};
    if (Workbook) {
        if (SameText(ExtractFileExt(fileName), ".xls")) {
            TbuzExcelWriter().Save(Workbook.get(), fileName);
        } else {
            TbuzHTMLWriter().Save(Workbook.get(), fileName);
        }
        Workbook.reset();
    }
    if (showAfterExport_) ShellExecute(0, "open", fileName.c_str(), "", "", SW_SHOWNORMAL);
    if (SavedAfterExport) SavedAfterExport(fileName);
}

TbuzXLSWorksheet* TQmXLSExport::ChooseSheet(TQmEndPage* page) {
    if (PageInSheet != 0) return Workbook->Sheets(Workbook->SheetCount() - 1);
    TbuzXLSWorksheet* sheet = Workbook->AddSheet();
    TbuzXLSPageSetup& setup = sheet->PageSetup;
    if (page->PaperSize < 66) {
        setup.PaperSize = Byte(page->PaperSize);
        setup.FitToPagesWide = 1;
        setup.FitToPagesTall = 1;
    }
    setup.Orientation = page->Orientation == 1 ? 1 : 0;
    setup.LeftMargin = std::max(0.0, PixelsToInches(page->GetspMargin(0)) - 0.18);
    setup.TopMargin = PixelsToInches(page->GetspMargin(1));
    setup.RightMargin = std::max(0.0, PixelsToInches(page->GetspMargin(2)) - 0.18);
    setup.BottomMargin = PixelsToInches(page->GetspMargin(3));
    setup.HeaderMargin = 0;
    setup.FooterMargin = 0;
    ++SheetCount;
    sheet->SetName(Format("Sheet%d", {SheetCount}));
    for (int k = 0; k < int(Cols.size()); ++k) {
        const int width = k == 0 ? Cols[0]->Pos : Cols[std::size_t(k)]->Pos - Cols[std::size_t(k - 1)]->Pos - 2;
        sheet->GetCol(k)->SetWidthInches(PixelsToInches(width));
    }
    return sheet;
}

void TQmXLSExport::WritePage(TQmEndPage* page) {
    if (PageList && PageList->Count() > 0 && PageList->IndexOf(IntToStr(PageNo + 1)) < 0) return;
    const int precision = exportPrecision_;
    std::vector<CellRec> cells;
    cells.reserve(DataRecs.size());
    for (const auto& rec : DataRecs) {
        Application->ProcessMessages();
        cells.push_back(CellRec{FindOrAdd(Cols, rec->Left, precision), FindOrAdd(Rows, rec->Top, precision),
                                FindOrAdd(Cols, rec->Left + rec->Width, precision),
                                FindOrAdd(Rows, rec->Top + rec->Height, precision)});
    }
    SortByPos(Cols);
    SortByPos(Rows);
    if (!Cols.empty() && Cols[0]->Pos < 0) {
        const int shift = -Cols[0]->Pos;
        for (auto& col : Cols) col->Pos += shift;
    }

    TbuzXLSWorksheet* sheet = ChooseSheet(page);
    for (std::size_t i = 0; i < Cols.size(); ++i) Cols[i]->Index = int(i);
    for (std::size_t i = 0; i < Rows.size(); ++i) Rows[i]->Index = int(i) + RowOffset;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int height = i == 0 ? Rows[0]->Pos : Rows[i]->Pos - Rows[i - 1]->Pos;
        sheet->GetRow(Rows[i]->Index)->SetHeightInches(PixelsToInches(height));
    }
    if (++PageInSheet < pagesOfSheet_) {
        RowOffset += int(Rows.size());
        sheet->AddPageBreak(RowOffset);
    } else {
        PageInSheet = 0;
        RowOffset = 0;
    }

    for (std::size_t i = 0; i < DataRecs.size(); ++i) {
        Application->ProcessMessages();
        bool covers = false;
        for (std::size_t j = i + 1; j < DataRecs.size() && !covers; ++j) covers = Inside(cells[j], cells[i]);
        if (covers) continue;
        const CellRec& c = cells[i];
        const int cell[4] = {c.left->Index, c.top->Index, c.right->Index, c.bottom->Index};
        if (DataRecs[i]->IsPicture)
            WritePicture(sheet, *DataRecs[i], cell);
        else
            WriteText(sheet, *DataRecs[i], cell);
    }
    Cols.clear();
    Rows.clear();
}

void TQmXLSExport::WriteText(TbuzXLSWorksheet* sheet, const TQmEFDataRec& rec, const int cell[4]) {
    const auto* memo = static_cast<const TQmCustomMemoView*>(rec.Obj);
    // An object no wider (higher) than the precision has one boundary on
    // both sides; it still takes its one cell.
    TbuzXLSRange* range = sheet->GetRange(cell[0] + 1, cell[1] + 1, std::max(cell[2], cell[0] + 1),
                                          std::max(cell[3], cell[1] + 1));
    AnsiString text;
    for (int i = 0; i < memo->Memo->Count(); ++i) {
        if (i > 0) text += buzCRLF;
        text += memo->Memo->Strings(i);
    }
    text.erase(std::remove(text.begin(), text.end(), '\x01'), text.end());
    if (text.empty() || text == buzCRLF) {
        range->SetValue(Variant(AnsiString(" ")));
        range->WrapText = false;
    } else {
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, buzCRLF) == 0) text.resize(text.size() - 2);
        text = StringReplace(text, "m~2|", "㎡", rfReplaceAll);
        range->SetValue(Variant(text));
        double number = 0;
        if (memo->Flag(QmFlag::ExportAsNumber) && TryStrToFloat(text, number)) range->SetValue(Variant(number));
        range->WrapText = text.find('\n') != AnsiString::npos;
    }
    range->Font.Assign(memo->Font());
    if (ExportFrames()) {
        static constexpr int borderOf[4] = {3, 5, 4, 2};  // left, top, right, bottom
        for (int side = qmfsLeft; side <= qmfsBottom; ++side) {
            const TQmFrameLine* frame = memo->Frame(side);
            if (!frame->Visible()) continue;
            TbuzXLSBorder& border = range->Borders[borderOf[side]];
            border.LineStyle = LineStyleOf(frame->Style(), border.LineStyle);
            border.Color = frame->Color();
            border.Weight = 1;
        }
    }
    if (memo->FillColor != QmNoColor && memo->FillColor != TColor(0xFFFFFF)) {
        range->ForegroundColor = memo->FillColor;
        range->BackgroundColor = TColor(0xFFFFFF);
        range->FillPattern = fpSolid;
    }
    range->Rotation = memo->RotationType == qmrt90 ? 90 : memo->RotationType == qmrt270 ? 180 : 0;
    // Top, centre and bottom are the file's 0, 1 and 2 already.
    range->VerticalAlignment = Byte(memo->VAlign);
    static constexpr Byte horizontal[] = {1, 2, 3, 5};  // left, centre, right, justified
    range->HorizontalAlignment = horizontal[memo->HAlign];
}

void TQmXLSExport::WritePicture(TbuzXLSWorksheet* sheet, TQmEFDataRec& rec, const int cell[4]) {
    if (!ExportImages() || !rec.Bitmap) return;
    const std::unique_ptr<TPicture> picture(new TPicture);
    BitmapToGraphic(rec.Bitmap.get(), ExportImageFormat(), JPEGQuality(), picture.get());
    sheet->AddImage(cell[0] + 1, cell[1] + 1, cell[2] + 1, cell[3] + 1, picture.get(), true);
    rec.Bitmap.reset();
}

void TQmXLSExport::Published(TPublished<TQmXLSExport>& p) {
    p.Property("PixelFormat", &TQmXLSExport::PixelFormat, &TQmXLSExport::SetPixelFormat);
    p.Property("ExportPrecision", &TQmXLSExport::ExportPrecision, &TQmXLSExport::SetExportPrecision);
    p.Property("ExportPages", &TQmXLSExport::ExportPages, &TQmXLSExport::SetExportPages);
    p.Property("ShowAfterExport", &TQmXLSExport::ShowAfterExport, &TQmXLSExport::SetShowAfterExport);
    p.Property("PagesOfSheet", &TQmXLSExport::PagesOfSheet, &TQmXLSExport::SetPagesOfSheet);
}
