// Tfanchang: the send-to-factory window, a child of the main window. It
// lists every received order that has not gone to the factory yet, oldest
// first, with a check box per order; the ticked ones are marked sent in one
// transaction with the day, the operator and one remark, and the window
// closes.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls_listview.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

class Tfanchang : public TForm {
    SERVIORA_CLASS(Tfanchang, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox3 = nullptr;
    TListView* ListView1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);

private:
    void TickAll(bool ticked);
};
