// Txiangxijilu: the service history, a child of the main window: orders of
// any state, by state and a range of one of the four step dates, or by a
// part of the IMEI typed into the search field.
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

class Txiangxijilu : public TForm {
    SERVIORA_CLASS(Txiangxijilu, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox3 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TDateTimePicker* DateTimePicker2 = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TEdit* Edit1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn6 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BitBtn2Click(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    // EXCEL: the list to a file.
    void BitBtn6Click(TObject* Sender);
};
