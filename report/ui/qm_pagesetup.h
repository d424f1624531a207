// The page-setup dialog: printer, paper (a named size or a custom width and
// height), orientation, paper source, margins, columns, title and print
// options of one page-setting record, with a miniature of the page. Before
// closing with OK it moves the shared printer to the chosen paper and
// offers to widen margins that reach into the printer's unprintable edge.
#pragma once

#include <memory>

#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/forms.h"
#include "report/ui/qm_ctrls_spinedit.h"

class TBitmap;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TListBox;
class TPageControl;
class TRadioButton;
class TTabSheet;
class TQmPageSetting;
class TQmPageSetupForm;
class TQmPrinter;
class TQmPrinterInfo;
class TQmPrinterList;

// The miniature: the sheet with its shadow and the printable area dotted,
// drawn into a bitmap and copied on painting.
class TQmPageImage : public TShape {
    SERVIORA_CLASS(TQmPageImage, TShape)
public:
    TQmPageImage(TComponent* owner, TQmPageSetupForm* form);
    ~TQmPageImage() override;
    // Draws the page again into the bitmap; nothing while the paper's
    // height or width is 0 or less.
    void Redraw();
    TBitmap* Image() const { return bitmap_.get(); }

protected:
    void Paint() override;

private:
    TQmPageSetupForm* form_;
    std::unique_ptr<TBitmap> bitmap_;
};

class TQmPageSetupForm : public TForm {
    SERVIORA_CLASS(TQmPageSetupForm, TForm)
public:
    explicit TQmPageSetupForm(TComponent* owner);
    ~TQmPageSetupForm() override;

    // Shows the dialog over the record; True when it closed with OK.
    bool Execute();
    TQmPageSetting* PageSetting() const { return setting_.get(); }
    // The printers the dialog offers and the printer it switches; the
    // process's shared ones unless set before showing.
    TQmPrinterList* PrinterList = nullptr;
    TQmPrinter* Printer = nullptr;

    void FormShow();
    void PrinterChanged();
    void UpdateControls();
    void cmbPaperNamesChange();
    void rdbPortraitClick();
    void ApplyPaperSize();
    void RefreshImage();
    void lstBinNamesClick();
    void edtTitleExit();
    void LoadControls();
    void btnOKClick();
    void FormCloseQuery(bool& canClose);

    // The spin values: paper width and height, margins top, bottom, left,
    // right (centimetres), columns and their gap.
    TQmSpinEdit* PaperWidthSpin() const { return spins_[0]; }
    TQmSpinEdit* PaperHeightSpin() const { return spins_[1]; }
    TQmSpinEdit* MarginSpin(int side) const { return spins_[std::size_t(2 + side)]; }  // 0 top, 1 bottom, 2 left, 3 right
    TQmSpinEdit* ColumnCountSpin() const { return spins_[6]; }
    TQmSpinEdit* ColumnGapSpin() const { return spins_[7]; }
    TQmPageImage* PageImage() const { return pageImage_; }

    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr, *TabSheet4 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TImage *imgLandScape = nullptr, *imgPortrait = nullptr;
    TRadioButton *rdbPortrait = nullptr, *rdbLandscape = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TCheckBox* chkPrintToPrevPage = nullptr;
    TCheckBox* chkUnlimitedHeight = nullptr;
    TComboBox* cmbPaperNames = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr, *lblPaperSize = nullptr;
    TListBox* lstBinNames = nullptr;
    TLabel* lblPaperTray = nullptr;
    TGroupBox* grbPreview = nullptr;
    TLabel* lblPrinterName = nullptr;
    TComboBox* cmbPrinterNames = nullptr;
    TCheckBox *chkDoublePass = nullptr, *chkTaoda = nullptr, *chkColorPrint = nullptr;
    TLabel* Label9 = nullptr;
    TEdit* edtTitle = nullptr;
    TCheckBox* chkNewPage = nullptr;
    TGroupBox* GroupBox5 = nullptr;
    TLabel *Label7 = nullptr, *Label8 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel *Label4 = nullptr, *Label6 = nullptr, *Label3 = nullptr, *Label5 = nullptr;
    TCheckBox* chkConvertNulls = nullptr;

private:
    void CreateControls();
    // Leaving a field for Cancel changes nothing.
    bool Cancelling() const;

    TQmPageImage* pageImage_ = nullptr;
    std::unique_ptr<TQmPageSetting> setting_;
    bool updating_ = false;
    TQmPrinterInfo* printerInfo_ = nullptr;
    std::array<TQmSpinEdit*, 8> spins_{};
};
