// TMAIN: the main window, the multiple-document frame of every other
// window. While it is created (hidden) it reads the settings, connects to
// the database and runs the login; its menu and toolbar open the child
// windows, one per caption; closing it asks first and backs the database up.
#pragma once

#include <memory>

#include "app/programfolder.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/menus.h"
#include "platform/ui/stdctrls.h"
#include "skin/WinSkinData.h"
#include "styled/VxButton.h"
#include "styled/VxStatus.h"

class MDIClientBackground;

class TMAIN : public TForm {
    SERVIORA_CLASS(TMAIN, TForm)
    SERVIORA_PUBLISHED
public:
    explicit TMAIN(TComponent* owner);
    TMAIN(TComponent* owner, int dummy);
    ~TMAIN() override;

    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TVxToolbar* VxToolbar2 = nullptr;
    TVxToolButton* VxToolButton9 = nullptr;
    TVxToolButton* VxToolButton11 = nullptr;
    TVxToolButton* VxToolButton10 = nullptr;
    TVxToolButton* VxToolButton4 = nullptr;
    TVxToolButton* VxToolButton12 = nullptr;
    TVxToolButton* VxToolButton14 = nullptr;
    TVxToolButton* VxToolButton5 = nullptr;
    TVxToolButton* VxToolButton6 = nullptr;
    TVxStatusBar* VxStatusBar1 = nullptr;
    TVxStatusPane* VxStatusPane1 = nullptr;
    TVxMarqueeStatus* VxMarqueeStatus1 = nullptr;
    TVxClockStatus* VxClockStatus1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* N11 = nullptr;
    TMenuItem* N7 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* N12 = nullptr;
    TMenuItem* N4 = nullptr;
    TMenuItem* N8 = nullptr;
    TMenuItem* N9 = nullptr;
    TMenuItem* N10 = nullptr;
    TMenuItem* N29 = nullptr;
    TMenuItem* N30 = nullptr;
    TMenuItem* N31 = nullptr;
    TMenuItem* N5 = nullptr;
    TMenuItem* N6 = nullptr;
    TMenuItem* N13 = nullptr;
    TMenuItem* N14 = nullptr;
    TMenuItem* N15 = nullptr;
    TMenuItem* N16 = nullptr;
    TMenuItem* N26 = nullptr;
    TMenuItem* N27 = nullptr;
    TMenuItem* N28 = nullptr;
    TVxMenuController* VxMenuController1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TImageList* ImageList2 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSkinData* SkinData1 = nullptr;

    // The settings switch "提醒", read at creation.
    bool RemindOnStart = true;
    // The background picture's path.
    AnsiString BackgroundFile;

    // Brings back the first child window captioned exactly `caption`
    // (restored, enabled, shown, focused); false when none is open.
    bool ActivateChildByCaption(const AnsiString& caption);
    // Shows the picture in `fileName` as the background (Image1). A file
    // that cannot be loaded leaves the background hidden, without a message.
    void LoadBackground(const AnsiString& fileName);

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormResize(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void N8Click(TObject* Sender);
    void N27Click(TObject* Sender);
    // The manual backup: the database copied to the name chosen + ".bak".
    void N3Click(TObject* Sender);
    void N11Click(TObject* Sender);
    void N10Click(TObject* Sender);
    void N29Click(TObject* Sender);
    void N30Click(TObject* Sender);
    void N31Click(TObject* Sender);
    void N2Click(TObject* Sender);
    void N14Click(TObject* Sender);
    void N15Click(TObject* Sender);
    void N16Click(TObject* Sender);
    void N5Click(TObject* Sender);
    void N6Click(TObject* Sender);
    void N7Click(TObject* Sender);
    void N12Click(TObject* Sender);
    void N4Click(TObject* Sender);
    void N28Click(TObject* Sender);
    void VxToolButton9Click(TObject* Sender);
    void VxToolButton11Click(TObject* Sender);
    void VxToolButton10Click(TObject* Sender);
    void VxToolButton4Click(TObject* Sender);
    void VxToolButton12Click(TObject* Sender);
    void VxToolButton14Click(TObject* Sender);
    void VxToolButton2Click(TObject* Sender);
    void VxToolButton6Click(TObject* Sender);

protected:
    void CreateHandle() override;

private:
    std::unique_ptr<MDIClientBackground> clientBackground_;
};

extern TMAIN* MAIN;
