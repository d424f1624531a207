// Tshoujifanhuan: the loans of spare phones, a child of the main window:
// by state and lending day, or by a part of the spare phone's IMEI; a
// double click on an open loan opens the return dialog on it.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

// Declared only, as in the other list windows' headers.
class TDBGridVyn;

class Tshoujifanhuan : public TForm {
    SERVIORA_CLASS(Tshoujifanhuan, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TDateTimePicker* DateTimePicker1 = nullptr;
    TDateTimePicker* DateTimePicker2 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn6 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TEdit* Edit7 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BitBtn2Click(TObject* Sender);
    void Edit7Change(TObject* Sender);
    // The current loan into the return dialog, shown modally; a returned
    // loan is refused, and nothing happens at end of data.
    void DBGridVyn1DblClick(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    // EXCEL: the list to a file.
    void BitBtn6Click(TObject* Sender);
};
