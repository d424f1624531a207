// Tlingyong: lending a spare phone, a child of the main window. The phone
// is taken by its IMEI or from a fuzzy search on brand, model, colour or
// accessories; the loan and the phone's lent state are written in one
// transaction.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_edit.h"

// Declared only, as in the other list windows' headers.
class TDBGridVyn;

class Tlingyong : public TForm {
    SERVIORA_CLASS(Tlingyong, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit4 = nullptr;
    TEdit* Edit5 = nullptr;
    TEdit* Edit6 = nullptr;
    TBitBtn* BitBtn5 = nullptr;
    TBitBtn* BitBtn6 = nullptr;
    TBitBtn* BitBtn7 = nullptr;
    TBitBtn* BitBtn8 = nullptr;
    TEdit* Edit7 = nullptr;
    TEdit* Edit8 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TEdit* Edit9 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;

    // The phone under the search grid's cursor into the form; an empty
    // result only hides the search.
    void TakeSpareFromSearch();

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Edit1KeyPress(TObject* Sender, char& Key);
    // BitBtn5Click..BitBtn8Click: the fuzzy search by brand, model, colour
    // or accessories.
    void SearchClick(TObject* Sender);
    // Edit3KeyPress..Edit6KeyPress: Enter clicks the field's search.
    void SearchKeyPress(TObject* Sender, char& Key);
    void DBGridVyn1DblClick(TObject* Sender);
    void DBGridVyn1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void BitBtn3Click(TObject* Sender);
    void ComboBox1DropDown(TObject* Sender);
    // Enter moves Edit7 → Edit8 → ComboBox1 → Edit9 → the picker → 确定领用.
    void InputKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);

private:
    // Takes the phone of `imei` into Edit1..Edit6 when it is in stock.
    void TakeSpare(const AnsiString& imei);
    // Empties every field and puts the picker on today.
    void ResetFields();
};
