// The print dialog: the printer (with its status, driver, port and
// comment, and the driver's properties), the page range, copies and
// collation, all/odd/even pages, a scale by percent or to a paper, the
// print offsets and two switches. The report's printer follows the chosen
// printer while the dialog is open and goes back when it is cancelled; the
// caller reads the choices and prints.
#pragma once

#include "platform/ui/forms.h"
#include "report/ui/qm_ctrls_spinedit.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TRadioButton;
class TQmPrinter;
class TQmPrinterList;

class TQmPrintDialogForm : public TForm {
    SERVIORA_CLASS(TQmPrintDialogForm, TForm)
public:
    explicit TQmPrintDialogForm(TComponent* owner);

    // The report's printer; set by the caller before showing. The printers
    // offered are the process's shared list unless another is set.
    TQmPrinter* Printer = nullptr;
    TQmPrinterList* PrinterList = nullptr;
    // Thousandths of a millimetre. Only a field the user changed writes its
    // value back; a text that is no number leaves the offset as it was.
    int OffsetTop = 0, OffsetLeft = 0;

    void SetCopies(int copies);
    int GetCopies() const;
    // The scale percentage: 1 or more, 100 when the field holds no number.
    int GetScale() const;
    // The chosen paper to scale to, or -1 (size left alone) for none.
    void GetScalePaper(int& paperWidth, int& paperHeight, int& paperSize) const;
    // 0 all pages, 1 odd, 2 even; -1 when the dialog was not shown.
    int Parity() const;

    // Printer-list index of a combo index and back: the list's second
    // entry (the virtual printer) is not offered.
    static int ListIndexOf(int comboIndex) { return comboIndex <= 0 ? 0 : comboIndex + 1; }
    static int ComboIndexOf(int listIndex) { return listIndex > 1 ? listIndex - 1 : 0; }
    // The status line for a printer's status bits and queued jobs.
    static AnsiString StatusText(DWORD status, DWORD jobs);

    void FormShow();
    void cmbPrintersChange();
    void ShowPrinterInfo();
    void FillScalePapers();
    void OffsetChange(TQmSpinEdit* spin);
    void FormCloseQuery(bool& canClose);
    void FormClose();

    TGroupBox* GroupBox2 = nullptr;
    TRadioButton *rdbPrintAll = nullptr, *rbdPrintCurPage = nullptr, *rbdPrintPapges = nullptr;
    TEdit* edtPages = nullptr;
    TLabel* Label2 = nullptr;
    TButton *btnOK = nullptr, *btnCancel = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TComboBox* cmbPrinters = nullptr;
    TButton* btnPrinterProp = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel* Label1 = nullptr;
    TCheckBox* chkCollate = nullptr;
    TLabel *Label4 = nullptr, *Label5 = nullptr;
    TImage* Image1 = nullptr;
    TComboBox* cmbPrintAll = nullptr;
    TLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    TImage* imgCollate = nullptr;
    TLabel *lblStatus = nullptr, *lblType = nullptr, *lblPosition = nullptr, *lblCommon = nullptr;
    TImage *Image3 = nullptr, *Image2 = nullptr;
    TCheckBox* chkTaoda = nullptr;
    TGroupBox* GroupBox4 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* cmbScalePapers = nullptr;
    TLabel* lblScale = nullptr;
    TGroupBox* GroupBox5 = nullptr;
    TLabel *Label10 = nullptr, *Label11 = nullptr;
    TCheckBox* chkColorPrint = nullptr;
    TQmSpinEdit *ScaleSpin = nullptr, *OffsetTopSpin = nullptr, *OffsetLeftSpin = nullptr, *CopiesSpin = nullptr;

private:
    void CreateControls();
    void ShowCollateImage();

    int savedPrinterIndex_ = 0;
    bool propertiesConfirmed_ = false;
    // While FormShow fills the offset fields, their changes are not the user's.
    bool loadingOffsets_ = false;
};
