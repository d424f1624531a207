// The page-setup dialog: its controls, the paper and orientation rules,
// the margin check against the printer, and the page miniature.
#include "report/ui/qm_pagesetup.h"

#include <cmath>

#include "platform/rtl/sysutils.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/graphics.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/dialogs.h"
#include "report/core/qm_customprinter.h"
#include "report/core/qm_printer.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_formcontrols.h"

namespace {

// A sheet standing up, or lying on its side, as the orientation pictures.
void DrawOrientation(TImage* image, bool landscape) {
    TBitmap* bitmap = image->Picture()->Bitmap();
    bitmap->SetSize(32, 32);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(TRect{0, 0, 32, 32});
    canvas->Brush()->SetColor(clWindow);
    canvas->Pen()->SetColor(clBlack);
    const TRect sheet = landscape ? TRect{2, 7, 30, 25} : TRect{7, 2, 25, 30};
    canvas->Rectangle(sheet);
    for (int y = sheet.top + 4; y < sheet.bottom - 3; y += 3) {
        canvas->MoveTo(sheet.left + 3, y);
        canvas->LineTo(sheet.right - 3, y);
    }
}

}  // namespace

// ---- the miniature ----------------------------------------------------------------------

TQmPageImage::TQmPageImage(TComponent* owner, TQmPageSetupForm* form)
    : TShape(owner), form_(form), bitmap_(std::make_unique<TBitmap>()) {
    SetColor(clBtnFace);
}

TQmPageImage::~TQmPageImage() = default;

void TQmPageImage::Redraw() {
    const TQmPageSetting* setting = form_->PageSetting();
    const int w = setting->PaperWidth, h = setting->PaperHeight;
    const int W = Width(), H = Height();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return;
    int ph = H, pw = int(std::nearbyint(double(ph) * w / h));
    while (pw >= W && ph > 20) {
        ph -= 20;
        pw = int(std::nearbyint(double(ph) * w / h));
    }
    const double sx = double(pw) / w, sy = double(ph) / h;
    const int top = int(SpinValue(form_->MarginSpin(0)) * 100 * sy);
    const int bottom = int(SpinValue(form_->MarginSpin(1)) * 100 * sy);
    const int left = int(SpinValue(form_->MarginSpin(2)) * 100 * sx);
    const int right = int(SpinValue(form_->MarginSpin(3)) * 100 * sx);
    bitmap_->SetSize(W, H);
    TCanvas* canvas = bitmap_->Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(TRect{0, 0, W, H});
    const int x = (W - pw) / 2, y = (H - ph) / 2, R = x + pw, B = y + ph;
    canvas->Pen()->SetColor(clBlack);
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetColor(clWindow);
    canvas->Rectangle(x, y, R - 5, B - 5);
    canvas->Brush()->SetColor(static_cast<TColor>(0x808080));
    canvas->FillRect(TRect{x + 6, B - 5, R, B});
    canvas->FillRect(TRect{R - 5, y + 6, R, B});
    canvas->Pen()->SetStyle(psDot);
    canvas->Brush()->SetColor(clWindow);
    canvas->Rectangle(x + left + 1, y + top + 1, R - right - 6, B - bottom - 6);
    canvas->Pen()->SetStyle(psSolid);
    Invalidate();
}

void TQmPageImage::Paint() {
    if (bitmap_->Width() == 0) return;
    const TRect clip = Canvas()->ClipRect();
    Canvas()->CopyRect(clip, bitmap_->Canvas(), clip);
}

// ---- the dialog -------------------------------------------------------------------------

TQmPageSetupForm::TQmPageSetupForm(TComponent* owner)
    : TForm(owner, 0), setting_(std::make_unique<TQmPageSetting>()) {
    SetUpReportDialog(this, 494, 280, 45390);
    CreateControls();
    SetOnShow([this](TObject*) { FormShow(); });
    SetOnCloseQuery([this](TObject*, bool& canClose) { FormCloseQuery(canClose); });
}

TQmPageSetupForm::~TQmPageSetupForm() = default;

void TQmPageSetupForm::CreateControls() {
    PageControl1 = PlaceControl<TPageControl>(this, this, 8, 8, 316, 232);
    const auto sheet = [this](int textId) {
        auto* tab = new TTabSheet(this);
        tab->SetPageControl(PageControl1);
        tab->SetCaption(LoadReportString(textId));
        return tab;
    };
    TabSheet1 = sheet(45391);
    TabSheet2 = sheet(45398);
    TabSheet4 = sheet(45411);
    TabSheet3 = sheet(45405);
    // Paper sizes never go below 0; margins and the gap step by a millimetre.
    const auto size = [this](int top) { return PlaceSpinEdit(TabSheet1, this, 79, top, 86, qmvtFloat, 0, 1); };
    const auto length = [this](TWinControl* parent, int top) {
        return PlaceSpinEdit(parent, this, 119, top, 105, qmvtFloat, -2147483647, 0.1);
    };

    lblPrinterName = PlaceControl<TLabel>(TabSheet1, this, 8, 12, 68, 13, 45371);
    cmbPrinterNames = PlaceControl<TComboBox>(TabSheet1, this, 79, 8, 220, 21);
    cmbPrinterNames->SetStyle(csDropDownList);
    cmbPrinterNames->SetOnChange([this](TObject*) { PrinterChanged(); });
    lblPaperSize = PlaceControl<TLabel>(TabSheet1, this, 8, 40, 68, 13, 45395);
    cmbPaperNames = PlaceControl<TComboBox>(TabSheet1, this, 79, 36, 220, 21);
    cmbPaperNames->SetStyle(csDropDownList);
    cmbPaperNames->SetOnChange([this](TObject*) { cmbPaperNamesChange(); });
    Label1 = PlaceControl<TLabel>(TabSheet1, this, 8, 90, 68, 13, 45396);
    Label2 = PlaceControl<TLabel>(TabSheet1, this, 8, 114, 68, 13, 45397);
    spins_[0] = size(86);
    spins_[1] = size(110);
    GroupBox2 = PlaceControl<TGroupBox>(TabSheet1, this, 8, 140, 291, 60, 45392);
    imgPortrait = PlaceControl<TImage>(GroupBox2, this, 12, 20, 32, 32);
    imgLandScape = PlaceControl<TImage>(GroupBox2, this, 12, 20, 32, 32);
    DrawOrientation(imgPortrait, false);
    DrawOrientation(imgLandScape, true);
    rdbPortrait = PlaceControl<TRadioButton>(GroupBox2, this, 60, 16, 100, 17, 45393);
    rdbPortrait->SetTag(2);
    rdbLandscape = PlaceControl<TRadioButton>(GroupBox2, this, 60, 36, 100, 17, 45394);
    rdbLandscape->SetTag(1);
    for (TRadioButton* button : {rdbPortrait, rdbLandscape}) button->SetOnClick([this](TObject*) { rdbPortraitClick(); });

    GroupBox3 = PlaceControl<TGroupBox>(TabSheet2, this, 8, 8, 291, 122, 45398);
    Label4 = PlaceControl<TLabel>(GroupBox3, this, 12, 25, 100, 13, 45401);
    Label6 = PlaceControl<TLabel>(GroupBox3, this, 12, 48, 100, 13, 45403);
    Label3 = PlaceControl<TLabel>(GroupBox3, this, 12, 72, 100, 13, 45400);
    Label5 = PlaceControl<TLabel>(GroupBox3, this, 12, 96, 100, 13, 45402);
    for (int side = 0; side < 4; ++side) spins_[std::size_t(2 + side)] = length(GroupBox3, 21 + side * 24);
    GroupBox5 = PlaceControl<TGroupBox>(TabSheet2, this, 8, 134, 291, 66, 45408);
    Label7 = PlaceControl<TLabel>(GroupBox5, this, 12, 25, 100, 13, 45409);
    Label8 = PlaceControl<TLabel>(GroupBox5, this, 12, 44, 100, 13, 45410);
    spins_[6] = PlaceSpinEdit(GroupBox5, this, 119, 21, 105, qmvtInteger, 1, 1);
    spins_[7] = length(GroupBox5, 41);

    lblPaperTray = PlaceControl<TLabel>(TabSheet4, this, 8, 8, 100, 13, 45412);
    lstBinNames = PlaceControl<TListBox>(TabSheet4, this, 8, 26, 291, 170);
    lstBinNames->SetOnClick([this](TObject*) { lstBinNamesClick(); });

    Label9 = PlaceControl<TLabel>(TabSheet3, this, 8, 12, 40, 13, 45372);
    edtTitle = PlaceControl<TEdit>(TabSheet3, this, 50, 8, 249, 21);
    edtTitle->SetOnExit([this](TObject*) { edtTitleExit(); });
    chkDoublePass = PlaceControl<TCheckBox>(TabSheet3, this, 8, 36, 140, 17, 45374);
    chkTaoda = PlaceControl<TCheckBox>(TabSheet3, this, 156, 36, 140, 17, 45375);
    chkColorPrint = PlaceControl<TCheckBox>(TabSheet3, this, 8, 58, 140, 17, 45369);
    chkNewPage = PlaceControl<TCheckBox>(TabSheet3, this, 8, 80, 291, 17, 45368);
    chkConvertNulls = PlaceControl<TCheckBox>(TabSheet3, this, 8, 102, 291, 17, 45415);
    GroupBox1 = PlaceControl<TGroupBox>(TabSheet3, this, 8, 126, 291, 70, 45406);
    chkPrintToPrevPage = PlaceControl<TCheckBox>(GroupBox1, this, 12, 20, 270, 17, 45407);
    chkUnlimitedHeight = PlaceControl<TCheckBox>(GroupBox1, this, 12, 42, 270, 17, 45413);

    grbPreview = PlaceControl<TGroupBox>(this, this, 332, 8, 154, 232, 45399);
    pageImage_ = new TQmPageImage(this, this);
    pageImage_->SetParent(grbPreview);
    pageImage_->SetBounds(5, 20, grbPreview->Width() - 10, grbPreview->Height() - 30);

    std::tie(btnOK, btnCancel) = PlaceDialogButtons(this, 326, 248);
    btnOK->SetOnClick([this](TObject*) { btnOKClick(); });

    const TNotifyEvent applySize = [this](TObject*) { ApplyPaperSize(); };
    const TNotifyEvent refresh = [this](TObject*) { RefreshImage(); };
    for (std::size_t i = 0; i < spins_.size(); ++i) {
        const TNotifyEvent& rule = i < 2 ? applySize : refresh;
        spins_[i]->SetOnExit(rule);
        if (i < 6) spins_[i]->OnTopClick = spins_[i]->OnBottomClick = rule;
    }
    PageControl1->SetActivePage(TabSheet1);
}

bool TQmPageSetupForm::Cancelling() const { return ActiveControl() == btnCancel; }

bool TQmPageSetupForm::Execute() {
    for (TQmSpinEdit* columns : {ColumnCountSpin(), ColumnGapSpin()}) columns->SetEnabled(false);
    chkUnlimitedHeight->SetVisible(false);
    LoadControls();
    return ShowModal() == mrOk;
}

void TQmPageSetupForm::FormShow() {
    if (setting_->ColumnCount <= 0) setting_->SetColumnCount(1);
    TQmPrinterList* list = PrinterList ? PrinterList : GlobalPrinterList();
    TQmPrinter* printer = Printer ? Printer : GlobalPrinter();
    cmbPrinterNames->Items()->Assign(const_cast<TStrings*>(list->Printers()));
    cmbPrinterNames->SetItemIndex(printer->PrinterIndex());
    edtTitle->SetText(setting_->Title);
    PrinterChanged();
}

void TQmPageSetupForm::PrinterChanged() {
    TQmPrinterList* list = PrinterList ? PrinterList : GlobalPrinterList();
    printerInfo_ = list->GetPrinterInfo(std::max(0, cmbPrinterNames->ItemIndex()));
    cmbPaperNames->Items()->Assign(const_cast<TStrings*>(printerInfo_->PaperNames()));
    lstBinNames->Items()->Assign(const_cast<TStrings*>(printerInfo_->BinNames()));
    // Lying on its side, the record's sheet is compared turned upright.
    const bool portrait = setting_->Orientation == 0;
    const int width = portrait ? setting_->PaperWidth : setting_->PaperHeight;
    const int height = portrait ? setting_->PaperHeight : setting_->PaperWidth;
    const int count = printerInfo_->GetPaperCount();
    int chosen = count - 1;
    for (int i = 0; i < count; ++i)
        if (std::abs(printerInfo_->GetPaperWidth(i) - width) <= 1 && std::abs(printerInfo_->GetPaperHeight(i) - height) <= 1) {
            chosen = i;
            break;
        }
    if (chosen >= 0) setting_->PaperSize = Word(printerInfo_->GetPaperSize(chosen));
    UpdateControls();
}

void TQmPageSetupForm::UpdateControls() {
    if (updating_ || !printerInfo_) return;
    updating_ = true;
    const bool portrait = setting_->Orientation == 0;
    rdbPortrait->SetChecked(portrait);
    rdbLandscape->SetChecked(!portrait);
    imgPortrait->SetVisible(portrait);
    imgLandScape->SetVisible(!portrait);
    SetSpinValue(PaperWidthSpin(), setting_->PaperWidth / 100.0);
    SetSpinValue(PaperHeightSpin(), setting_->PaperHeight / 100.0);
    lstBinNames->SetItemIndex(printerInfo_->BinToIndex(setting_->Bin));
    cmbPaperNames->SetItemIndex(printerInfo_->PaperSizeToIndex(setting_->PaperSize));
    const bool custom = cmbPaperNames->ItemIndex() == cmbPaperNames->Items()->Count() - 1;
    SetControlsEnabled({PaperWidthSpin(), PaperHeightSpin(), Label1, Label2}, custom);
    // Inside the update: the size is taken from the spins without updating again.
    if (custom) ApplyPaperSize();
    pageImage_->Redraw();
    updating_ = false;
}

void TQmPageSetupForm::cmbPaperNamesChange() {
    const int index = cmbPaperNames->ItemIndex();
    if (index < 0 || !printerInfo_) return;
    setting_->PaperSize = Word(printerInfo_->GetPaperSize(index));
    if (index != cmbPaperNames->Items()->Count() - 1) {
        const int width = printerInfo_->GetPaperWidth(index), height = printerInfo_->GetPaperHeight(index);
        const bool portrait = setting_->Orientation == 0;
        setting_->PaperWidth = portrait ? width : height;
        setting_->PaperHeight = portrait ? height : width;
    }
    UpdateControls();
}

void TQmPageSetupForm::rdbPortraitClick() {
    if (updating_) return;
    setting_->SetOrientation(rdbPortrait->Checked() ? 0 : 1);
    UpdateControls();
}

void TQmPageSetupForm::ApplyPaperSize() {
    if (Cancelling()) return;
    setting_->PaperWidth = int(std::nearbyint(SpinValue(PaperWidthSpin()) * 100));
    setting_->PaperHeight = int(std::nearbyint(SpinValue(PaperHeightSpin()) * 100));
    UpdateControls();
}

void TQmPageSetupForm::RefreshImage() {
    if (Cancelling() || updating_) return;
    updating_ = true;
    pageImage_->Redraw();
    updating_ = false;
}

void TQmPageSetupForm::lstBinNamesClick() {
    if (lstBinNames->ItemIndex() >= 0 && printerInfo_) setting_->Bin = printerInfo_->GetBin(lstBinNames->ItemIndex());
}

void TQmPageSetupForm::edtTitleExit() {
    if (!Cancelling()) setting_->Title = edtTitle->Text();
}

void TQmPageSetupForm::LoadControls() {
    chkPrintToPrevPage->SetChecked(setting_->PrintToPrevPage);
    chkDoublePass->SetChecked(setting_->DoublePass);
    chkTaoda->SetChecked(setting_->Taoda);
    chkColorPrint->SetChecked(setting_->ColorPrint);
    chkNewPage->SetChecked(setting_->AutoPageLength);
    chkConvertNulls->SetChecked(setting_->ConvertNulls);
    chkUnlimitedHeight->SetChecked(setting_->UnlimitedHeight);
    ColumnCountSpin()->SetText(IntToStr(setting_->ColumnCount));
    SetSpinValue(ColumnGapSpin(), setting_->ColumnGap / 10);
    const double* margins = setting_->Margins;  // left, top, right, bottom
    SetSpinValue(MarginSpin(0), margins[1] / 10);
    SetSpinValue(MarginSpin(1), margins[3] / 10);
    SetSpinValue(MarginSpin(2), margins[0] / 10);
    SetSpinValue(MarginSpin(3), margins[2] / 10);
}

void TQmPageSetupForm::btnOKClick() {
    setting_->PrintToPrevPage = chkPrintToPrevPage->Checked();
    setting_->DoublePass = chkDoublePass->Checked();
    setting_->Taoda = chkTaoda->Checked();
    setting_->ColorPrint = chkColorPrint->Checked();
    setting_->AutoPageLength = chkNewPage->Checked();
    setting_->ConvertNulls = chkConvertNulls->Checked();
    setting_->UnlimitedHeight = chkUnlimitedHeight->Checked();
    setting_->SetMarginValue(0, SpinValue(MarginSpin(2)) * 10);
    setting_->SetMarginValue(1, SpinValue(MarginSpin(0)) * 10);
    setting_->SetMarginValue(2, SpinValue(MarginSpin(3)) * 10);
    setting_->SetMarginValue(3, SpinValue(MarginSpin(1)) * 10);
    setting_->SetColumnCount(int(SpinValue(ColumnCountSpin())));
    setting_->ColumnGap = SpinValue(ColumnGapSpin()) * 10;
}

void TQmPageSetupForm::FormCloseQuery(bool&) {
    if (ModalResult() != mrOk) return;
    try {
        TQmPrinter* printer = Printer ? Printer : GlobalPrinter();
        printer->SetPrinterIndex(cmbPrinterNames->ItemIndex());
        printer->SetPaper(setting_->PaperSize, setting_->PaperWidth, setting_->PaperHeight, setting_->Bin,
                          setting_->Orientation, false);
        TQmPageInfo info;
        printer->GetPageInfo(info);
        // The unprintable edges in millimetres, to a tenth.
        const TRect offsets = printer->GetPhysicalOffsets();
        const TPoint ppi = printer->GetPixelsPerInch();
        const auto millimetres = [](int pixels, int perInch) {
            return perInch > 0 ? std::nearbyint(pixels / 0.03937 / perInch * 10) / 10 : 0.0;
        };
        const double minimum[4] = {millimetres(offsets.left, ppi.x), millimetres(offsets.top, ppi.y),
                                   millimetres(offsets.right, ppi.x), millimetres(offsets.bottom, ppi.y)};
        bool outside = false;
        for (int side = 0; side < 4; ++side) outside = outside || setting_->Margins[side] < minimum[side];
        if (!outside) return;
        if (Application->MessageBox(LoadReportString(45213), LoadReportString(47437), MB_YESNO | MB_ICONEXCLAMATION) !=
            IDYES)
            return;
        for (int side = 0; side < 4; ++side)
            if (setting_->Margins[side] < minimum[side]) setting_->Margins[side] = minimum[side] + 2.5;
    } catch (...) {
        // A printer that cannot take the paper leaves the dialog to close all the same.
    }
}
