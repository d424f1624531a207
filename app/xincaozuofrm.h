// Txincaozuo: the add-operator dialog, created once at start-up and shown
// modally by the operators window. It stays open for the next operator
// after each one it adds.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

class Txincaozuo : public TForm {
    SERVIORA_CLASS(Txincaozuo, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~Txincaozuo() override;

    TGroupBox* GroupBox1 = nullptr;
    TEdit* Edit1 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit2 = nullptr;
    TBitBtn* BitBtn4 = nullptr;
    TBitBtn* BitBtn5 = nullptr;

    void FormShow(TObject* Sender);
    // Edit1KeyDown, Edit3KeyDown: Enter moves on; Edit2KeyDown: Enter saves.
    void InputKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void Edit2KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    // Leaving the id field refuses the administrator's and a stored id.
    void Edit1Exit(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void BitBtn5Click(TObject* Sender);

private:
    // Refuses the id with `message`: emptied and focused again.
    void RefuseId(const char* message);
    // Refuses "0001" and a stored id; answers whether the id may be added.
    bool IdAvailable();
};

extern Txincaozuo* xincaozuo;
