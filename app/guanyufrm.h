// Tguanyu: the About window with the program's picture and name, created
// at start-up and shown modally by the main window; a click closes it.
#pragma once

#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"

class Tguanyu : public TForm {
    SERVIORA_CLASS(Tguanyu, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;
    ~Tguanyu() override;

    TImage* Image1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;

    void FormClick(TObject* Sender);
    void Label1Click(TObject* Sender);
};

extern Tguanyu* guanyu;
