// Tbeiyongshouji: the spare-phone register, a child of the main window:
// registers a phone, deletes the one under the grid's cursor and narrows
// the list by a "contains" search on a chosen column.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"

// Declared only, as in the other list windows' headers.
class TDBGridVyn;

class Tbeiyongshouji : public TForm {
    SERVIORA_CLASS(Tbeiyongshouji, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TEdit* Edit1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    TComboBox* ComboBox5 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* BitBtn4 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TEdit* Edit7 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Registers the phone in a transaction; a failure keeps the inputs.
    void BitBtn1Click(TObject* Sender);
    void Edit1Exit(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void Edit7Change(TObject* Sender);
    // ComboBox1/2/4/5DropDown: the stored brands, models, colours and
    // accessories.
    void ComboBoxDropDown(TObject* Sender);
    // Enter moves Edit1 → ComboBox1 → ComboBox2 → ComboBox4 → ComboBox5 → 保存.
    void InputKeyDown(TObject* Sender, Word& Key, TShiftState Shift);

private:
    // Empties the entry fields and the search.
    void ResetInputs();
};
