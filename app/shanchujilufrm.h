// Tshanchujilu: the order-deletion dialog, created once at start-up and
// shown modally by the reception window. The operator types an order
// number and presses Enter; the order is shown, and a confirmed deletion
// removes exactly that order. Editing the number afterwards disables the
// deletion until the next look-up.
#pragma once

#include <array>
#include <memory>

#include "app/orderdeletion.h"
#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

class Tshanchujilu : public TForm {
    SERVIORA_CLASS(Tshanchujilu, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~Tshanchujilu() override;

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
    TEdit* Edit1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
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
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;

    void FormShow(TObject* Sender);
    void Edit1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void Edit1Change(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);

private:
    // The read-only edits of the looked-up order, in kDeletionColumns' order.
    std::array<TEdit*, 12> OrderEdits() const;
    // Back to idle: every edit empty, the focus in the number, no deletion.
    void Reset();

    std::unique_ptr<TOrderDeletion> deletion_;
};

extern Tshanchujilu* shanchujilu;
