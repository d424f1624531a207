// Tjiedai: the reception window, a child of the main window, known by its
// component name "jiedai" (the voucher's script reads its hidden Edit5 and
// Edit6 through it). It shows the next order number, takes the phone's and
// the customer's data, saves the order and offers the pick-up voucher; it
// also reprints a voucher and opens the order-deletion dialog. The
// workflow itself is reception.h; the window maps its controls onto it.
#pragma once

#include "app/reception.h"
#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"
#include "report/core/qm_class.h"
#include "report/ui/qm_e_xls.h"

class Tjiedai : public TForm {
    SERVIORA_CLASS(Tjiedai, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label21 = nullptr;
    TEdit* Edit1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    TComboBox* ComboBox5 = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit4 = nullptr;
    TComboBox* ComboBox6 = nullptr;
    TComboBox* ComboBox7 = nullptr;
    TMemo* Memo1 = nullptr;
    TEdit* Edit5 = nullptr;
    TEdit* Edit6 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn4 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TQmDBDataSet* QmDBDataSet1 = nullptr;
    TQmReport* QmReport1 = nullptr;
    TQmXLSExport* QmXLSExport1 = nullptr;

    // The control of an input, in tab order: Edit1, ComboBox1..ComboBox5,
    // Edit2, Edit3, Edit4, ComboBox6, ComboBox7, Memo1.
    TWinControl* Input(TReceptionInput input) const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // Coming back to the window (orders deleted or the database emptied
    // meanwhile): the number shown is the one the next save stores.
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    // ComboBox1DropDown..ComboBox7DropDown: the list offers the stored
    // values of its column afresh.
    void ComboBoxDropDown(TObject* Sender);
    // Edit1KeyDown, ComboBox1KeyDown, ... Memo1KeyDown: Enter moves on to
    // the next input, from Memo1 to 保存.
    void InputKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void Edit2KeyPress(TObject* Sender, char& Key);

private:
    // The input whose control is `control`; -1 for none.
    int InputOf(TObject* control) const;
};
