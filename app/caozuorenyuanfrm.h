// Tcaozuorenyuan: the operators window, a child of the main window. Page 1
// lists the operators (the administrator 0001 never) with a toolbar to add
// and delete one; page 2 shows and saves the grants of the operator chosen
// in its combo, one check box per permission.
#pragma once

#include <array>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"

// Declared only, as in the other list windows' headers. The toolbar's
// styled controls are not fields at all: their names and the grid
// library's meet, and the window reaches them only through their events.
class TDBGridVyn;

class Tcaozuorenyuan : public TForm {
    SERVIORA_CLASS(Tcaozuorenyuan, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TCheckBox* CheckBox4 = nullptr;
    TCheckBox* CheckBox5 = nullptr;
    TCheckBox* CheckBox6 = nullptr;
    TCheckBox* CheckBox7 = nullptr;
    TCheckBox* CheckBox8 = nullptr;
    TCheckBox* CheckBox9 = nullptr;
    TCheckBox* CheckBox10 = nullptr;
    TCheckBox* CheckBox11 = nullptr;
    TCheckBox* CheckBox12 = nullptr;
    TCheckBox* CheckBox13 = nullptr;
    TCheckBox* CheckBox14 = nullptr;
    TButton* Button1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TImageList* ImageList1 = nullptr;

    // The permission boxes in their order, CheckBox1 to CheckBox14.
    std::array<TCheckBox*, 14> PermissionBoxes() const;
    // Ticks exactly the boxes whose permission the combo's operator holds.
    void LoadPermissionChecks();

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void PageControl1Change(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void Button1Click(TObject* Sender);
    // Saves the grants in one transaction: a failure keeps the old ones.
    void BitBtn2Click(TObject* Sender);
    void BtnNewClick(TObject* Sender);
    // Deletes the current operator and his grants in one transaction.
    void BtnDeleteClick(TObject* Sender);
    void CloseClick(TObject* Sender);

private:
    // The operators other than the administrator into the combo, the
    // first chosen.
    void RefillOperators();
};
