// The program: one instance per user, the data module first, then the main
// window (whose creation runs the login) and the dialogs reused by other
// windows, then the message loop.
#include <cstdlib>

#include "app/dm1frm.h"
#include "app/fanhuicaozuofrm.h"
#include "app/guanyufrm.h"
#include "app/jiaofucaozuofrm.h"
#include "app/mainfrm.h"
#include "app/shanchujilufrm.h"
#include "app/shoujifanhuancaozuofrm.h"
#include "app/xincaozuofrm.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/rtl/kernel.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/guiplatform.h"
#include "report/core/qm_class.h"
#include "report/ui/qm_previewform.h"

int main(int argc, char** argv) {
    SetCommandLine(argc, argv);
    Application->Initialize();
    Application->SetTitle("Serviora");
    Application->SetShowMainForm(false);
    // A second start ends before it touches the display: nothing is shown
    // and nothing printed.
    const HANDLE mutex = CreateMutex(nullptr, false, "Serviora");
    if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;
    // Under a Wayland desktop the program runs through XWayland.
    setenv("QT_QPA_PLATFORM", "xcb", 0);
    StartGuiPlatform(argc, argv);
    InitializeDataGridLibrary();
    // The report engine's shared pieces (script bindings, function library,
    // the dialog host) exist before any form streams its report in.
    StartReportUnit();
    RegisterReportWindows();
    Application->CreateForm(DM1);
    Application->CreateForm(MAIN);
    Application->CreateForm(guanyu);
    Application->CreateForm(shanchujilu);
    Application->CreateForm(fanhuicaozuo);
    Application->CreateForm(jiafucaozuo);
    Application->CreateForm(shoujifanhuancaozuo);
    Application->CreateForm(xincaozuo);
    Application->Run();
    FinalizeDataGridLibrary();
    CloseHandle(mutex);
    return 0;
}
