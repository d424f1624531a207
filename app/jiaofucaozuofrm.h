// Tjiafucaozuo: the delivery dialog, created once at start-up and shown
// modally by the delivery search with every column of the order; the
// operator confirms the delivery with a remark.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

class Tjiafucaozuo : public TForm {
    SERVIORA_CLASS(Tjiafucaozuo, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~Tjiafucaozuo() override;

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
    TEdit* Edit16 = nullptr;
    TEdit* Edit17 = nullptr;
    TEdit* Edit18 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TEdit* Edit19 = nullptr;
    TEdit* Edit20 = nullptr;
    TEdit* Edit21 = nullptr;
    TEdit* Edit22 = nullptr;
    TEdit* Edit23 = nullptr;
    TEdit* Edit24 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn4 = nullptr;

    void FormShow(TObject* Sender);
    void Edit24KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void BitBtn1Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
};

extern Tjiafucaozuo* jiafucaozuo;
