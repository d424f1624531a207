// TQmXLSExportForm: the spreadsheet export's options dialog (file, pages,
// pages per sheet, frames, opening afterwards, and the picture options),
// built from its form description with the engine's texts.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/comctrls_updown.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"

class TQmXLSExport;

class TQmXLSExportForm : public TForm {
    SERVIORA_CLASS(TQmXLSExportForm, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TLabel* Label1 = nullptr;
    TEdit* edtExportFileName = nullptr;
    TSpeedButton* btnFileName = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TRadioButton* rdbPrintAll = nullptr;
    TRadioButton* rbdPrintCurPage = nullptr;
    TRadioButton* rbdPrintPages = nullptr;
    TEdit* edtPages = nullptr;
    TLabel* Label2 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* edPages = nullptr;
    TUpDown* UpDown2 = nullptr;
    TCheckBox* chkExportImages = nullptr;
    TCheckBox* chkExportFrames = nullptr;
    TCheckBox* chkShowAfterGenerate = nullptr;
    TGroupBox* gbExportImages = nullptr;
    TLabel* lblExportImageFormat = nullptr;
    TComboBox* cmbImageFormat = nullptr;
    TLabel* lblJPEGQuality = nullptr;
    TEdit* edJPEGQuality = nullptr;
    TUpDown* UpDown1 = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* cmbPixelFormat = nullptr;
    TSaveDialog* SaveDialog = nullptr;

    // The filter's settings into the controls, and back on OK.
    void LoadFrom(TQmXLSExport* filter);
    void StoreInto(TQmXLSExport* filter) const;
    // "CURPAGE", the typed list or "" (all pages).
    AnsiString PageSelection() const;

    // The engine's font and texts, and the image formats offered.
    void FormCreate(TObject* Sender);
    void btnFileNameClick(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void rbdPrintPagesClick(TObject* Sender);
    void edtPagesEnter(TObject* Sender);
    void chkExportImagesClick(TObject* Sender);
    void cmbImageFormatChange(TObject* Sender);
    // Backspace and the digits only.
    void DigitsKeyPress(TObject* Sender, char& Key);
};
