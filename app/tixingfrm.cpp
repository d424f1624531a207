// The reminders window.
#include "app/tixingfrm.h"

#include "app/dm1frm.h"
#include "app/footertext.h"
#include "app/programfolder.h"
#include "app/serviceorders.h"
#include "datagrid/DBGridVyn.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/inifiles.h"

SERVIORA_REGISTER_CLASS(Ttixing);

namespace {

const char kRemindKey[] = "提醒";

}  // namespace

void Ttixing::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

void Ttixing::FormShow(TObject*) {
    CheckBox1->SetChecked(TIniFile(SettingsFileName()).ReadBool(kSettingsSection, kRemindKey, true));
    const TDateTime today = Date();
    OpenOverdueReceived(DM1->ADOQuery5, today);
    OpenOverdueAtFactory(DM1->ADOQuery6, today);
    OpenOverdueBack(DM1->ADOQuery7, today);
}

void Ttixing::FormClose(TObject*, TCloseAction& Action) {
    try {
        TIniFile(SettingsFileName()).WriteBool(kSettingsSection, kRemindKey, CheckBox1->Checked());
    } catch (const Exception&) {
        // The switch stays as it was.
    }
    Action = caFree;
}

void Ttixing::Published(TPublished<Ttixing>& p) {
    p.Field("PageControl1", &Ttixing::PageControl1);
    p.Field("TabSheet1", &Ttixing::TabSheet1);
    p.Field("TabSheet2", &Ttixing::TabSheet2);
    p.Field("TabSheet3", &Ttixing::TabSheet3);
    p.Field("DBGridVyn1", &Ttixing::DBGridVyn1);
    p.Field("DBGridVyn2", &Ttixing::DBGridVyn2);
    p.Field("DBGridVyn3", &Ttixing::DBGridVyn3);
    p.Field("CheckBox1", &Ttixing::CheckBox1);
    p.Method("FormCreate", &Ttixing::FormCreate);
    p.Method("FormShow", &Ttixing::FormShow);
    p.Method("FormClose", &Ttixing::FormClose);
}
