// Tjiaofu: the search of the phones back from the factory and not yet
// delivered, a child of the main window; a double click on an order opens
// the delivery dialog on it.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"

// Declared only: the main window includes this header beside the report
// and styled headers, whose names the grid library's would meet.
class TDBGridVyn;
#include "platform/ui/stdctrls_edit.h"

class Tjiaofu : public TForm {
    SERVIORA_CLASS(Tjiaofu, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox1 = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit4 = nullptr;
    TEdit* Edit5 = nullptr;
    TEdit* Edit6 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void DBGridVyn1DblClick(TObject* Sender);

    // The current order into the delivery dialog, shown modally; nothing
    // on an empty list.
    void OpenDeliveryDialog();
};
