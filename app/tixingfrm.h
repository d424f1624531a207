// Ttixing: the reminders, a child of the main window: on three pages the
// orders that have waited too long to be sent, to come back and to be
// delivered, read once when the window is shown, and the switch that
// opens the window after the next login.
#pragma once

#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls_buttons.h"

// Declared only, as in the other list windows' headers.
class TDBGridVyn;

class Ttixing : public TForm {
    SERVIORA_CLASS(Ttixing, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TTabSheet* TabSheet3 = nullptr;
    TDBGridVyn* DBGridVyn1 = nullptr;
    TDBGridVyn* DBGridVyn2 = nullptr;
    TDBGridVyn* DBGridVyn3 = nullptr;
    TCheckBox* CheckBox1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    // The switch is written back; a settings file that cannot be written
    // keeps the old switch, without a message.
    void FormClose(TObject* Sender, TCloseAction& Action);
};
