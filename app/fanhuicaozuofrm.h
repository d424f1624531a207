// Tfanhuicaozuo: the back-from-factory dialog, created once at start-up
// and shown modally by the list of the phones at the factory with the
// order's data. The operator records a refund, a repair, or an exchange
// with the replacement's data; saving books the list's current order.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"

class Tfanhuicaozuo : public TForm {
    SERVIORA_CLASS(Tfanhuicaozuo, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~Tfanhuicaozuo() override;

    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit4 = nullptr;
    TEdit* Edit5 = nullptr;
    TEdit* Edit6 = nullptr;
    TEdit* Edit7 = nullptr;
    TEdit* Edit8 = nullptr;
    TEdit* Edit9 = nullptr;
    TEdit* Edit10 = nullptr;
    TEdit* Edit11 = nullptr;
    TEdit* Edit12 = nullptr;
    TEdit* Edit13 = nullptr;
    TEdit* Edit14 = nullptr;
    TEdit* Edit15 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TEdit* Edit16 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TEdit* Edit17 = nullptr;
    TEdit* Edit18 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn4 = nullptr;

    void FormShow(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    // ComboBox1DropDown..ComboBox4DropDown: the stored values of the
    // column the list offers.
    void ComboBoxDropDown(TObject* Sender);
    // Edit16KeyDown, ComboBox4KeyDown, ... Edit18KeyDown: Enter moves on,
    // from Edit18 to 保存.
    void InputKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void Edit17KeyPress(TObject* Sender, char& Key);
    void BitBtn1Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
};

extern Tfanhuicaozuo* fanhuicaozuo;
