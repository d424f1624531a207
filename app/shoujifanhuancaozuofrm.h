// Tshoujifanhuancaozuo: the return dialog of a spare phone, created once at
// start-up and shown modally by the loan list with the loan's data. The
// return closes the list's current loan and puts the phone back into
// stock, both in one transaction.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_edit.h"

class Tshoujifanhuancaozuo : public TForm {
    SERVIORA_CLASS(Tshoujifanhuancaozuo, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~Tshoujifanhuancaozuo() override;

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
    TDateTimePicker* DateTimePicker1 = nullptr;
    TEdit* Edit11 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn4 = nullptr;

    void FormShow(TObject* Sender);
    // DateTimePicker1KeyDown, Edit11KeyDown: Enter moves on to 确定返还.
    void InputKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    // A failure rolls both writes back, shows its message and leaves the
    // dialog open on the same loan, which the list shows open again.
    void BitBtn1Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
};

extern Tshoujifanhuancaozuo* shoujifanhuancaozuo;
