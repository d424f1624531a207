// The preview's find dialog: the text to find, case sensitivity, whole
// words, and whether to start at the first page or the current one. The
// preview fills the controls, shows it and reads them back.
#pragma once

#include "platform/ui/forms.h"

class TButton;
class TCheckBox;
class TEdit;
class TGroupBox;
class TLabel;
class TRadioButton;

class TQmPreviewSearchForm : public TForm {
    SERVIORA_CLASS(TQmPreviewSearchForm, TForm)
public:
    explicit TQmPreviewSearchForm(TComponent* owner);

    TLabel* Label1 = nullptr;
    TEdit* edtSearchTxt = nullptr;
    TButton* btnOK = nullptr;
    TButton* btnCancel = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TCheckBox* chkCaseSensitive = nullptr;
    TCheckBox* chkWholewords = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TRadioButton* rdbFromFirst = nullptr;
    TRadioButton* rdbFromCursor = nullptr;
};
