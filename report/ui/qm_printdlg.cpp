// The print dialog: its controls, the printer list without the virtual
// printer, the printer's status, the scale papers, the offsets the user
// changed, and the page-list check before closing with OK.
#include "report/ui/qm_printdlg.h"

#include <cmath>
#include <memory>
#include <vector>

#include "platform/print/winspool.h"
#include "platform/rtl/format.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_printer.h"
#include "report/core/qm_resourcestrings.h"
#include "report/ui/qm_formcontrols.h"

namespace {

constexpr TColor GlyphBackground = static_cast<TColor>(0x008080);

// A small printer on the glyph's see-through background.
void DrawPrinterGlyph(TBitmap* bitmap) {
    bitmap->SetSize(18, 16);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(GlyphBackground);
    canvas->FillRect(TRect{0, 0, 18, 16});
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clWhite);
    canvas->Rectangle(5, 1, 13, 8);
    canvas->Brush()->SetColor(clSilver);
    canvas->Rectangle(1, 7, 17, 14);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(TRect{13, 9, 15, 11});
}

// Pages in the order copies come out: 1 2 3, 1 2 3 collated, 1 1 2 2 3 3 not.
void DrawCollate(TBitmap* bitmap, bool collated) {
    bitmap->SetSize(76, 40);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(TRect{0, 0, 76, 40});
    canvas->Font()->SetSize(7);
    const char* const order = collated ? "123123" : "112233";
    for (int i = 0; i < 6; ++i) {
        const int stack = i / 3, place = i % 3;
        const int x = 2 + stack * 38 + place * 6, y = 2 + place * 6;
        canvas->Brush()->SetColor(clWhite);
        canvas->Rectangle(x, y, x + 20, y + 26);
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(x + 11, y + 13, AnsiString(1, order[i]));
        canvas->Brush()->SetStyle(bsSolid);
    }
}

// The status texts of the single status bits, lowest bit first.
constexpr int StatusStrings[] = {46848, 46835, 46849, 46845, 46846, 46838, 46847, 46841, 46837, 46833, 46850, 46843,
                                 46840, qmsPrinterWaiting, 46851, 46836, 46855, 46852, 46839, 46844, 46853, 46842,
                                 46834};

}  // namespace

TQmPrintDialogForm::TQmPrintDialogForm(TComponent* owner) : TForm(owner, 0) {
    SetUpReportDialog(this, 512, 320, 45040);
    CreateControls();
    SetOnShow([this](TObject*) { FormShow(); });
    SetOnCloseQuery([this](TObject*, bool& canClose) { FormCloseQuery(canClose); });
    SetOnClose([this](TObject*, TCloseAction&) { FormClose(); });
}

void TQmPrintDialogForm::CreateControls() {
    GroupBox1 = PlaceControl<TGroupBox>(this, this, 8, 4, 496, 110, 45041);
    Label4 = PlaceControl<TLabel>(GroupBox1, this, 12, 22, 56, 13, 45049);
    cmbPrinters = PlaceControl<TComboBox>(GroupBox1, this, 72, 18, 324, 22);
    cmbPrinters->SetStyle(csOwnerDrawFixed);
    cmbPrinters->SetItemHeight(16);
    cmbPrinters->SetOnChange([this](TObject*) { cmbPrintersChange(); });
    cmbPrinters->SetOnDrawItem([this](TWinControl*, int index, TRect rect, TOwnerDrawState) {
        TCanvas* canvas = cmbPrinters->Canvas();
        canvas->FillRect(rect);
        canvas->BrushCopy(TRect{rect.left + 2, rect.top, rect.left + 20, rect.top + 16}, Image1->Picture()->Bitmap(),
                          TRect{0, 0, 18, 16}, GlyphBackground);
        if (index >= 0) canvas->TextOut(rect.left + 24, rect.top + 1, cmbPrinters->Items()->Strings(index));
    });
    btnPrinterProp = PlaceControl<TButton>(GroupBox1, this, 410, 17, 75, 25, 45042);
    btnPrinterProp->SetOnClick([this](TObject*) {
        if (Printer && Printer->ShowPropertiesDialog()) propertiesConfirmed_ = true;
        ShowPrinterInfo();
    });
    Label6 = PlaceControl<TLabel>(GroupBox1, this, 12, 46, 56, 13, 45056);
    lblStatus = PlaceControl<TLabel>(GroupBox1, this, 72, 46, 410, 13);
    Label7 = PlaceControl<TLabel>(GroupBox1, this, 12, 61, 56, 13, 45057);
    lblType = PlaceControl<TLabel>(GroupBox1, this, 72, 61, 410, 13);
    Label8 = PlaceControl<TLabel>(GroupBox1, this, 12, 76, 56, 13, 45058);
    lblPosition = PlaceControl<TLabel>(GroupBox1, this, 72, 76, 410, 13);
    Label9 = PlaceControl<TLabel>(GroupBox1, this, 12, 91, 56, 13, 46831);
    lblCommon = PlaceControl<TLabel>(GroupBox1, this, 72, 91, 410, 13);
    Image1 = PlaceControl<TImage>(this, this, 0, 0, 18, 16);
    Image1->SetVisible(false);
    DrawPrinterGlyph(Image1->Picture()->Bitmap());

    GroupBox2 = PlaceControl<TGroupBox>(this, this, 8, 118, 248, 100, 45044);
    rdbPrintAll = PlaceControl<TRadioButton>(GroupBox2, this, 12, 16, 100, 17, 45045);
    rdbPrintAll->SetChecked(true);
    rbdPrintCurPage = PlaceControl<TRadioButton>(GroupBox2, this, 12, 34, 100, 17, 45046);
    rbdPrintPapges = PlaceControl<TRadioButton>(GroupBox2, this, 12, 53, 56, 17, 45047);
    rbdPrintPapges->SetOnClick([this](TObject*) { edtPages->SetFocus(); });
    edtPages = PlaceControl<TEdit>(GroupBox2, this, 70, 51, 166, 21);
    edtPages->SetOnEnter([this](TObject*) { rbdPrintPapges->SetChecked(true); });
    Label2 = PlaceControl<TLabel>(GroupBox2, this, 12, 74, 228, 24, 45048);
    Label2->SetWordWrap(true);

    GroupBox3 = PlaceControl<TGroupBox>(this, this, 264, 118, 240, 100, 45043);
    Label1 = PlaceControl<TLabel>(GroupBox3, this, 12, 19, 100, 13, 45050);
    CopiesSpin = PlaceSpinEdit(GroupBox3, this, 126, 15, 64, qmvtInteger, 1, 1);
    imgCollate = PlaceControl<TImage>(GroupBox3, this, 12, 44, 76, 40);
    chkCollate = PlaceControl<TCheckBox>(GroupBox3, this, 126, 56, 100, 17, 45051);
    chkCollate->SetChecked(true);
    chkCollate->SetOnClick([this](TObject*) { ShowCollateImage(); });
    Image2 = PlaceControl<TImage>(this, this, 0, 0, 76, 40);
    Image3 = PlaceControl<TImage>(this, this, 0, 0, 76, 40);
    for (TImage* hidden : {Image2, Image3}) hidden->SetVisible(false);
    DrawCollate(Image2->Picture()->Bitmap(), true);
    DrawCollate(Image3->Picture()->Bitmap(), false);

    GroupBox4 = PlaceControl<TGroupBox>(this, this, 8, 222, 248, 62, 46860);
    lblScale = PlaceControl<TLabel>(GroupBox4, this, 12, 16, 80, 13, 46863);
    ScaleSpin = PlaceSpinEdit(GroupBox4, this, 95, 12, 136, qmvtInteger, 1, 1);
    ScaleSpin->SetText("100");
    Label3 = PlaceControl<TLabel>(GroupBox4, this, 12, 39, 80, 13, 46861);
    cmbScalePapers = PlaceControl<TComboBox>(GroupBox4, this, 95, 35, 136, 21);
    cmbScalePapers->SetStyle(csDropDownList);

    GroupBox5 = PlaceControl<TGroupBox>(this, this, 264, 222, 240, 62, 45414);
    Label10 = PlaceControl<TLabel>(GroupBox5, this, 12, 16, 100, 13, 45370);
    OffsetTopSpin = PlaceSpinEdit(GroupBox5, this, 119, 12, 83, qmvtFloat, -2147483647, 0.1);
    OffsetTopSpin->SetTag(1);
    Label11 = PlaceControl<TLabel>(GroupBox5, this, 12, 39, 100, 13, 45404);
    OffsetLeftSpin = PlaceSpinEdit(GroupBox5, this, 119, 35, 83, qmvtFloat, -2147483647, 0.1);
    OffsetLeftSpin->SetTag(2);
    for (TQmSpinEdit* offset : {OffsetTopSpin, OffsetLeftSpin})
        offset->SetOnChange([this, offset](TObject*) { OffsetChange(offset); });

    Label5 = PlaceControl<TLabel>(this, this, 8, 294, 32, 13, 45052);
    cmbPrintAll = PlaceControl<TComboBox>(this, this, 51, 290, 80, 21);
    cmbPrintAll->SetStyle(csDropDownList);
    for (int id : {45053, 45054, 45055}) cmbPrintAll->Items()->Add(LoadReportString(id));
    chkTaoda = PlaceControl<TCheckBox>(this, this, 140, 292, 100, 17, 45375);
    chkColorPrint = PlaceControl<TCheckBox>(this, this, 244, 292, 80, 17, 45369);
    std::tie(btnOK, btnCancel) = PlaceDialogButtons(this, 344, 288);
}

void TQmPrintDialogForm::SetCopies(int copies) { CopiesSpin->SetText(IntToStr(copies)); }

int TQmPrintDialogForm::GetCopies() const { return int(SpinValue(CopiesSpin)); }

int TQmPrintDialogForm::GetScale() const {
    Integer scale = 0;
    if (!TryStrToInt(Trim(ScaleSpin->Text()), scale)) return 100;
    return scale > 0 ? scale : 1;
}

void TQmPrintDialogForm::GetScalePaper(int& paperWidth, int& paperHeight, int& paperSize) const {
    const int index = cmbScalePapers->ItemIndex();
    if (index <= 0 || !Printer) {
        paperSize = -1;
        return;
    }
    TQmPrinterInfo* info = Printer->GetPrinterInfo();
    paperSize = info->GetPaperSize(index - 1);
    paperWidth = info->GetPaperWidth(index - 1);
    paperHeight = info->GetPaperHeight(index - 1);
}

int TQmPrintDialogForm::Parity() const { return cmbPrintAll->ItemIndex(); }

AnsiString TQmPrintDialogForm::StatusText(DWORD status, DWORD jobs) {
    AnsiString text = LoadReportString(jobs > 0 ? 46864 : 46865);
    for (std::size_t bit = 0; bit < std::size(StatusStrings); ++bit)
        if (status == (DWORD(1) << bit)) text = LoadReportString(StatusStrings[bit]);
    if (jobs > 0) {
        if (!text.empty()) text += ":";
        text += Format(LoadReportString(46856), {Integer(jobs)});
    }
    return text;
}

void TQmPrintDialogForm::FormShow() {
    const TStrings* printers = (PrinterList ? PrinterList : GlobalPrinterList())->Printers();
    cmbPrinters->Items()->Clear();
    for (int i = 0; i < printers->Count(); ++i)
        if (i != 1) cmbPrinters->Items()->Add(printers->Strings(i));
    savedPrinterIndex_ = Printer ? Printer->PrinterIndex() : 0;
    cmbPrinters->SetItemIndex(ComboIndexOf(savedPrinterIndex_));
    ShowCollateImage();
    cmbPrintAll->SetItemIndex(0);
    cmbPrintAll->SetLeft(Label5->Left() + Label5->Width() + 11);
    cmbScalePapers->SetItemIndex(-1);
    cmbPrintersChange();
    loadingOffsets_ = true;
    SetSpinValue(OffsetTopSpin, OffsetTop / 10000.0);
    SetSpinValue(OffsetLeftSpin, OffsetLeft / 10000.0);
    loadingOffsets_ = false;
}

void TQmPrintDialogForm::cmbPrintersChange() {
    if (Printer) Printer->SetPrinterIndex(ListIndexOf(cmbPrinters->ItemIndex()));
    ShowPrinterInfo();
    FillScalePapers();
}

void TQmPrintDialogForm::FillScalePapers() {
    cmbScalePapers->Items()->Clear();
    cmbScalePapers->Items()->Add(LoadReportString(46862));
    if (Printer) {
        const TStrings* papers = Printer->GetPrinterInfo()->PaperNames();
        for (int i = 0; i + 1 < papers->Count(); ++i) cmbScalePapers->Items()->Add(papers->Strings(i));
    }
    cmbScalePapers->SetItemIndex(0);
}

void TQmPrintDialogForm::ShowPrinterInfo() {
    for (TLabel* label : {lblStatus, lblType, lblPosition, lblCommon}) label->SetCaption("");
    if (!Printer) return;
    HANDLE handle = 0;
    if (!OpenPrinter(Printer->GetPrinterInfo()->Device.c_str(), &handle, nullptr)) return;
    DWORD needed = 0;
    GetPrinter(handle, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed && GetPrinter(handle, 2, buffer.data(), needed, &needed)) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
        lblType->SetCaption(info->pDriverName ? info->pDriverName : "");
        lblPosition->SetCaption(info->pPortName ? info->pPortName : "");
        lblCommon->SetCaption(info->pComment ? info->pComment : "");
        lblStatus->SetCaption(StatusText(info->Status, info->cJobs));
    }
    ClosePrinter(handle);
}

void TQmPrintDialogForm::ShowCollateImage() {
    imgCollate->Picture()->Assign((chkCollate->Checked() ? Image2 : Image3)->Picture());
}

void TQmPrintDialogForm::OffsetChange(TQmSpinEdit* spin) {
    if (loadingOffsets_) return;
    double value = 0;
    if (!TryStrToFloat(Trim(spin->Text()), value)) return;
    (spin->Tag() == 2 ? OffsetLeft : OffsetTop) = int(std::nearbyint(value * 10000));
}

void TQmPrintDialogForm::FormCloseQuery(bool& canClose) {
    if (ModalResult() != mrOk) return;
    const AnsiString pages = Trim(edtPages->Text());
    edtPages->SetText(pages);
    if (pages.empty()) return;
    const auto refuse = [&] {
        canClose = false;
        if (edtPages->CanFocus()) edtPages->SetFocus();
    };
    // A list must start with a digit 1 to 9 (refused quietly otherwise);
    // any character but digits, "," and "-" is reported.
    if (pages[0] < '1' || pages[0] > '9') refuse();
    for (const char c : pages)
        if (!((c >= '0' && c <= '9') || c == ',' || c == '-')) {
            Application->MessageBox("Page Number Setting Error!", LoadReportString(47437), MB_ICONERROR);
            refuse();
            return;
        }
}

void TQmPrintDialogForm::FormClose() {
    if (ModalResult() != mrOk && Printer) Printer->SetPrinterIndex(savedPrinterIndex_);
}
