// Tfanhui: the list of the phones at the factory, a child of the main
// window; a double click on an order opens the back-from-factory dialog
// on it.
#pragma once

#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"

// Declared only: the main window includes this header beside the report
// and styled headers, whose names the grid library's would meet.
class TDBGridVyn;

class Tfanhui : public TForm {
    SERVIORA_CLASS(Tfanhui, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox3 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void DBGridVyn1DblClick(TObject* Sender);

    // The current order into the dialog, shown modally; nothing on an
    // empty list.
    void OpenReturnDialog();
};
