// The shop settings window over the settings file.
#include "app/dayinshezhifrm.h"

#include "app/mainfrm.h"
#include "app/shopsettings.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(Tdayinshezhi);

void Tdayinshezhi::FormCreate(TObject*) {
    SetTop(0);
    SetLeft(330);
}

void Tdayinshezhi::FormShow(TObject*) {
    TIniFile ini(SettingsFileName());
    const TShopSettings settings = ReadShopSettings(ini);
    Edit1->SetText(settings.ShopName);
    Edit2->SetText(settings.SoftwareName);
    Edit3->SetText(settings.SoftwareVersion);
    Edit4->SetText(settings.Background);
    Edit5->SetText(settings.Slogan);
    Memo1->SetText(settings.Footer);
}

void Tdayinshezhi::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tdayinshezhi::BitBtn1Click(TObject*) {
    TShopSettings settings;
    settings.ShopName = Edit1->Text();
    settings.SoftwareName = Edit2->Text();
    settings.SoftwareVersion = Edit3->Text();
    settings.Background = Edit4->Text();
    settings.Slogan = Edit5->Text();
    settings.Footer = Memo1->Text();
    SaveShopSettingsCommand(SettingsFileName(), settings);
}

void Tdayinshezhi::BitBtn2Click(TObject*) { Close(); }

// Cancelling the chooser still re-applies the picture Edit4 names.
void Tdayinshezhi::Button1Click(TObject*) {
    if (OpenDialog2->Execute() && !OpenDialog2->FileName().empty()) Edit4->SetText(OpenDialog2->FileName());
    ApplyBackgroundPicture();
}

void Tdayinshezhi::ApplyBackgroundPicture() {
    TIniFile ini(SettingsFileName());
    WriteChosenBackground(ini, Edit4->Text());
    MAIN->LoadBackground(Edit4->Text());
}

void Tdayinshezhi::Published(TPublished<Tdayinshezhi>& p) {
    p.Field("GroupBox1", &Tdayinshezhi::GroupBox1);
    p.Field("Label1", &Tdayinshezhi::Label1);
    p.Field("Label2", &Tdayinshezhi::Label2);
    p.Field("Label3", &Tdayinshezhi::Label3);
    p.Field("Label4", &Tdayinshezhi::Label4);
    p.Field("Label5", &Tdayinshezhi::Label5);
    p.Field("Edit1", &Tdayinshezhi::Edit1);
    p.Field("Edit2", &Tdayinshezhi::Edit2);
    p.Field("Edit3", &Tdayinshezhi::Edit3);
    p.Field("Edit4", &Tdayinshezhi::Edit4);
    p.Field("Edit5", &Tdayinshezhi::Edit5);
    p.Field("Button1", &Tdayinshezhi::Button1);
    p.Field("GroupBox2", &Tdayinshezhi::GroupBox2);
    p.Field("Memo1", &Tdayinshezhi::Memo1);
    p.Field("BitBtn1", &Tdayinshezhi::BitBtn1);
    p.Field("BitBtn2", &Tdayinshezhi::BitBtn2);
    p.Field("OpenDialog2", &Tdayinshezhi::OpenDialog2);
    p.Method("FormCreate", &Tdayinshezhi::FormCreate);
    p.Method("FormShow", &Tdayinshezhi::FormShow);
    p.Method("FormClose", &Tdayinshezhi::FormClose);
    p.Method("BitBtn1Click", &Tdayinshezhi::BitBtn1Click);
    p.Method("BitBtn2Click", &Tdayinshezhi::BitBtn2Click);
    p.Method("Button1Click", &Tdayinshezhi::Button1Click);
}
