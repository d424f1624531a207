// Tdayinshezhi: the shop settings window, a child of the main window. It
// edits the shop's name, the slogan, the background picture and the
// voucher footer in the settings file; the picture chooser shows a new
// background on the main window at once.
#pragma once

#include "platform/ui/buttons.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_edit.h"

class Tdayinshezhi : public TForm {
    SERVIORA_CLASS(Tdayinshezhi, TForm)
    SERVIORA_PUBLISHED
public:
    using TForm::TForm;

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;  // hidden, with Edit2
    TLabel* Label3 = nullptr;  // hidden, with Edit3
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* Edit1 = nullptr;  // 店铺名称
    TEdit* Edit2 = nullptr;  // 软件名称 (hidden)
    TEdit* Edit3 = nullptr;  // 软件版本 (hidden)
    TEdit* Edit4 = nullptr;  // 背景
    TEdit* Edit5 = nullptr;  // 广告语
    TButton* Button1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TMemo* Memo1 = nullptr;  // 票尾
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TOpenDialog* OpenDialog2 = nullptr;

    // Records Edit4's text under "背景图片" and shows that picture as the
    // main window's background; a file that does not load leaves the main
    // window without a background, silently.
    void ApplyBackgroundPicture();

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void Button1Click(TObject* Sender);
};
