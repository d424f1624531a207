// The main window: start-up, menu and toolbar commands, child windows by
// caption, the two start-up timers, closing and the automatic backup.
#include "app/mainfrm.h"

#include <memory>

#include "app/beiyongshoujifrm.h"
#include "app/caozuorenyuanfrm.h"
#include "app/clientbackground.h"
#include "app/databasecommands.h"
#include "app/dayinshezhifrm.h"
#include "app/dm1frm.h"
#include "app/fanchangfrm.h"
#include "app/fanhuifrm.h"
#include "app/footertext.h"
#include "app/guanyufrm.h"
#include "app/guaqi1.h"
#include "app/jiaofufrm.h"
#include "app/jiedaifrm.h"
#include "app/lingyongfrm.h"
#include "app/login.h"
#include "app/programfolder.h"
#include "app/shoujifanhuanfrm.h"
#include "app/tixingfrm.h"
#include "app/xiangxijilufrm.h"
#include "app/xiugaimimafrm.h"
#include "platform/data/database_backup.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/inifiles.h"
#include "platform/ui/dialogs.h"
#include "platform/win/shellapi.h"
#include "platform/win/winframe.h"

TMAIN* MAIN = nullptr;

SERVIORA_REGISTER_CLASS(TMAIN);

namespace {

const char kDefaultShopName[] = "Kavendi手机店";

// A backup of the database's committed state that overwrites; an exception
// counts as a failed copy.
bool CopiedOver(const AnsiString& from, const AnsiString& to) {
    try {
        BackupDatabaseFile(from, to);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

}  // namespace

// Defined here, where MDIClientBackground is complete.
TMAIN::TMAIN(TComponent* owner) : TForm(owner) {}

TMAIN::TMAIN(TComponent* owner, int dummy) : TForm(owner, dummy) {}

TMAIN::~TMAIN() {
    if (MAIN == this) MAIN = nullptr;
}

void TMAIN::CreateHandle() {
    clientBackground_.reset();
    TForm::CreateHandle();
    if (ClientHandle()) clientBackground_ = std::make_unique<MDIClientBackground>(this);
}

void TMAIN::FormCreate(TObject*) {
    SaveDialog1->SetFileName(FormatDateTime("yyyy-mm-dd", Date()));
    AnsiString shopName, slogan;
    {
        TIniFile ini(SettingsFileName());
        RemindOnStart = ini.ReadBool(kSettingsSection, "提醒", true);
        shopName = ini.ReadString(kSettingsSection, "店铺名称", kDefaultShopName);
        slogan = ini.ReadString(kSettingsSection, "广告语", "请修改滚动字幕");
        const AnsiString defaultBackground = AppFolder() + "image/001.jpg";
        BackgroundFile = ini.ReadString(kSettingsSection, "背景", defaultBackground);
        if (BackgroundFile.empty()) BackgroundFile = defaultBackground;
    }
    SetCaption(shopName + "Serviora");
    Label1->SetCaption(shopName);
    LoadBackground(BackgroundFile);
    VxMarqueeStatus1->SetCaption(slogan);

    TADOConnection* connection = DM1->ADOConnection1;
    try {
        connection->SetConnected(false);
        connection->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + DatabaseFileName() +
                                        ";Persist Security Info=False;Jet OLEDB:Database Password=mobrenquaystile");
        connection->SetConnected(true);
    } catch (const Exception&) {
        MessageBox(Handle(), "无法连接到指定的数据库！请重试！", "错误", MB_ICONERROR);
        Application->Terminate();
        return;
    }

    loginform = Tloginform::Create(Application);
    if (loginform->ShowModal() == mrOk)
        Show();
    else
        Application->Terminate();
}

void TMAIN::FormShow(TObject*) {
    if (RemindOnStart) Timer1->SetEnabled(true);
    Timer2->SetEnabled(true);
}

void TMAIN::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    N6->Click();
}

void TMAIN::Timer2Timer(TObject*) {
    Timer2->SetEnabled(false);
    if (Label1->Caption() != kDefaultShopName) return;
    MessageBox(Handle(), "请修改您的店铺名称！", "提示", MB_ICONERROR);
    N7->Click();
}

void TMAIN::FormResize(TObject*) {
    Label1->SetLeft((Width() - Label1->Width()) / 2);
    Label1->SetTop((Height() - 4 * Label1->Height()) / 2);
    Label2->SetLeft((Width() - Label2->Width()) / 2);
    Label2->SetTop((Height() - Label2->Height()) / 2);
}

void TMAIN::LoadBackground(const AnsiString& fileName) {
    Image1->SetVisible(false);
    try {
        Image1->Picture()->LoadFromFile(fileName);
        Image1->SetVisible(true);
    } catch (const Exception&) {
        // A missing or unreadable picture leaves the background empty.
    }
    if (clientBackground_) clientBackground_->Invalidate();
}

bool TMAIN::ActivateChildByCaption(const AnsiString& caption) {
    for (int i = 0; i < MDIChildCount(); ++i) {
        TCustomForm* child = MDIChildren(i);
        if (!child || child->Caption() != caption) continue;
        child->Perform(WM_SYSCOMMAND, SC_RESTORE, 0);
        child->SetEnabled(true);
        child->Show();
        child->SetFocus();
        return true;
    }
    return false;
}

void TMAIN::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = MessageBox(Handle(), "确实要退出本系统吗？", "系统提示", MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

// The automatic backup: the database file copied to backup/<today>.bak.
void TMAIN::FormClose(TObject*, TCloseAction&) {
    if (!CopiedOver(DatabaseFileName(), AutomaticBackupFileName())) {
        MessageBox(Handle(), "备份数据失败，请重试！", "错误", MB_ICONERROR);
        return;
    }
    if (MessageBox(Handle(),
                   "退出系统前软件已经自动进行数据备份！备份文件名称为当前日期，备份文件存放地址为软件安装目录下的"
                   "“backup”文件夹下。您还需要再次手动备份，以便保留备份文件副本吗？点击“确定”再次进行备份，点击“取"
                   "消”不再次备份！",
                   "提示", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        N3->Click();
}

void TMAIN::N8Click(TObject*) { Close(); }

void TMAIN::N3Click(TObject*) {
    if (!SaveDialog1->Execute() || SaveDialog1->FileName().empty()) return;
    if (CopiedOver(DatabaseFileName(), SaveDialog1->FileName() + ".bak"))
        MessageBox(Handle(), "备份数据成功！", "提示", MB_ICONINFORMATION);
    else
        MessageBox(Handle(), "备份数据失败，请重试！!", "错误", MB_ICONERROR);
}

// The help file opens through the desktop; whether that worked is not
// examined.
void TMAIN::N27Click(TObject*) {
    Application->SetHelpFile(AppFolder() + "help.chm");
    ShellExecute(Handle(), "open", Application->HelpFile().c_str(), nullptr, nullptr, SW_SHOW);
}

void TMAIN::N11Click(TObject*) {
    if (ActivateChildByCaption("修改密码")) return;
    Txiugaimima::Create(Application)->SetCaption("修改密码");
}

void TMAIN::N10Click(TObject*) {
    if (ActivateChildByCaption("售后接待")) return;
    Tjiedai::Create(Application)->SetCaption("售后接待");
}

void TMAIN::N29Click(TObject*) {
    if (ActivateChildByCaption("手机返厂")) return;
    Tfanchang::Create(Application)->SetCaption("手机返厂");
}

void TMAIN::N30Click(TObject*) {
    if (ActivateChildByCaption("手机由厂家返回")) return;
    Tfanhui::Create(Application)->SetCaption("手机由厂家返回");
}

void TMAIN::N31Click(TObject*) {
    if (ActivateChildByCaption("手机交付给顾客")) return;
    Tjiaofu::Create(Application)->SetCaption("手机交付给顾客");
}

void TMAIN::N2Click(TObject*) {
    if (ActivateChildByCaption("操作人员设置")) return;
    Tcaozuorenyuan::Create(Application)->SetCaption("操作人员设置");
}

void TMAIN::N14Click(TObject*) {
    if (ActivateChildByCaption("备用手机档案管理")) return;
    Tbeiyongshouji::Create(Application)->SetCaption("备用手机档案管理");
}

void TMAIN::N15Click(TObject*) {
    if (ActivateChildByCaption("备用手机领用")) return;
    Tlingyong::Create(Application)->SetCaption("备用手机领用");
}

void TMAIN::N16Click(TObject*) {
    if (ActivateChildByCaption("备用手机使用情况/返还")) return;
    Tshoujifanhuan::Create(Application)->SetCaption("备用手机使用情况/返还");
}

void TMAIN::N5Click(TObject*) {
    if (ActivateChildByCaption("手机售后服务历史记录查询")) return;
    Txiangxijilu::Create(Application)->SetCaption("手机售后服务历史记录查询");
}

void TMAIN::N6Click(TObject*) {
    if (ActivateChildByCaption("提醒")) return;
    Ttixing::Create(Application)->SetCaption("提醒");
}

void TMAIN::N7Click(TObject*) {
    if (ActivateChildByCaption("店铺名称及小票打印设置")) return;
    Tdayinshezhi::Create(Application)->SetCaption("店铺名称及小票打印设置");
}

// A successful restore ends the run; the next start opens the restored file.
void TMAIN::N12Click(TObject*) {
    RestoreDatabaseCommand(*DM1->ADOConnection1,
                           [this] { return OpenDialog1->Execute() ? OpenDialog1->FileName() : AnsiString(); });
}

void TMAIN::N4Click(TObject*) { InitialiseDatabaseCommand(*DM1->ADOall); }

void TMAIN::N28Click(TObject*) { guanyu->ShowModal(); }

void TMAIN::VxToolButton9Click(TObject*) { N10->Click(); }
void TMAIN::VxToolButton11Click(TObject*) { N29->Click(); }
void TMAIN::VxToolButton10Click(TObject*) { N30->Click(); }
void TMAIN::VxToolButton4Click(TObject*) { N31->Click(); }
void TMAIN::VxToolButton12Click(TObject*) { N5->Click(); }
void TMAIN::VxToolButton14Click(TObject*) { N27->Click(); }
// The lock window lives only while it is shown.
void TMAIN::VxToolButton2Click(TObject*) {
    const std::unique_ptr<Tguaqi> lock(Tguaqi::Create(nullptr));
    lock->ShowModal();
}
void TMAIN::VxToolButton6Click(TObject*) { Close(); }

void TMAIN::Published(TPublished<TMAIN>& p) {
    p.Field("Image1", &TMAIN::Image1);
    p.Field("Label1", &TMAIN::Label1);
    p.Field("Label2", &TMAIN::Label2);
    p.Field("VxToolbar2", &TMAIN::VxToolbar2);
    p.Field("VxToolButton9", &TMAIN::VxToolButton9);
    p.Field("VxToolButton11", &TMAIN::VxToolButton11);
    p.Field("VxToolButton10", &TMAIN::VxToolButton10);
    p.Field("VxToolButton4", &TMAIN::VxToolButton4);
    p.Field("VxToolButton12", &TMAIN::VxToolButton12);
    p.Field("VxToolButton14", &TMAIN::VxToolButton14);
    p.Field("VxToolButton5", &TMAIN::VxToolButton5);
    p.Field("VxToolButton6", &TMAIN::VxToolButton6);
    p.Field("VxStatusBar1", &TMAIN::VxStatusBar1);
    p.Field("VxStatusPane1", &TMAIN::VxStatusPane1);
    p.Field("VxMarqueeStatus1", &TMAIN::VxMarqueeStatus1);
    p.Field("VxClockStatus1", &TMAIN::VxClockStatus1);
    p.Field("MainMenu1", &TMAIN::MainMenu1);
    p.Field("N1", &TMAIN::N1);
    p.Field("N2", &TMAIN::N2);
    p.Field("N11", &TMAIN::N11);
    p.Field("N7", &TMAIN::N7);
    p.Field("N3", &TMAIN::N3);
    p.Field("N12", &TMAIN::N12);
    p.Field("N4", &TMAIN::N4);
    p.Field("N8", &TMAIN::N8);
    p.Field("N9", &TMAIN::N9);
    p.Field("N10", &TMAIN::N10);
    p.Field("N29", &TMAIN::N29);
    p.Field("N30", &TMAIN::N30);
    p.Field("N31", &TMAIN::N31);
    p.Field("N5", &TMAIN::N5);
    p.Field("N6", &TMAIN::N6);
    p.Field("N13", &TMAIN::N13);
    p.Field("N14", &TMAIN::N14);
    p.Field("N15", &TMAIN::N15);
    p.Field("N16", &TMAIN::N16);
    p.Field("N26", &TMAIN::N26);
    p.Field("N27", &TMAIN::N27);
    p.Field("N28", &TMAIN::N28);
    p.Field("VxMenuController1", &TMAIN::VxMenuController1);
    p.Field("SaveDialog1", &TMAIN::SaveDialog1);
    p.Field("Timer1", &TMAIN::Timer1);
    p.Field("Timer2", &TMAIN::Timer2);
    p.Field("ImageList2", &TMAIN::ImageList2);
    p.Field("OpenDialog1", &TMAIN::OpenDialog1);
    p.Field("SkinData1", &TMAIN::SkinData1);
    p.Method("FormCreate", &TMAIN::FormCreate);
    p.Method("FormShow", &TMAIN::FormShow);
    p.Method("FormCloseQuery", &TMAIN::FormCloseQuery);
    p.Method("FormClose", &TMAIN::FormClose);
    p.Method("FormResize", &TMAIN::FormResize);
    p.Method("Timer1Timer", &TMAIN::Timer1Timer);
    p.Method("Timer2Timer", &TMAIN::Timer2Timer);
    p.Method("N8Click", &TMAIN::N8Click);
    p.Method("N27Click", &TMAIN::N27Click);
    p.Method("N3Click", &TMAIN::N3Click);
    p.Method("N11Click", &TMAIN::N11Click);
    p.Method("N7Click", &TMAIN::N7Click);
    p.Method("N12Click", &TMAIN::N12Click);
    p.Method("N4Click", &TMAIN::N4Click);
    p.Method("N28Click", &TMAIN::N28Click);
    p.Method("N10Click", &TMAIN::N10Click);
    p.Method("N29Click", &TMAIN::N29Click);
    p.Method("N30Click", &TMAIN::N30Click);
    p.Method("N31Click", &TMAIN::N31Click);
    p.Method("N2Click", &TMAIN::N2Click);
    p.Method("N14Click", &TMAIN::N14Click);
    p.Method("N15Click", &TMAIN::N15Click);
    p.Method("N5Click", &TMAIN::N5Click);
    p.Method("N6Click", &TMAIN::N6Click);
    p.Method("N16Click", &TMAIN::N16Click);
    p.Method("VxToolButton9Click", &TMAIN::VxToolButton9Click);
    p.Method("VxToolButton11Click", &TMAIN::VxToolButton11Click);
    p.Method("VxToolButton10Click", &TMAIN::VxToolButton10Click);
    p.Method("VxToolButton4Click", &TMAIN::VxToolButton4Click);
    p.Method("VxToolButton12Click", &TMAIN::VxToolButton12Click);
    p.Method("VxToolButton14Click", &TMAIN::VxToolButton14Click);
    p.Method("VxToolButton2Click", &TMAIN::VxToolButton2Click);
    p.Method("VxToolButton6Click", &TMAIN::VxToolButton6Click);
}
