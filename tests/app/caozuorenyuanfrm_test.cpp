// The operators window and the add-operator dialog through synthetic
// input: the lists without the administrator, grants saved in one
// transaction and read back by the next login, deleting an operator with
// his grants, and the checks of the add dialog.
#include <gtest/gtest.h>

#include "app/caozuorenyuanfrm.h"
#include "app/operators.h"
#include "app/xincaozuofrm.h"
#include "grid_probe.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "skin/SkinManage.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSubClassEdit.h"
#include "skin/WinSubClassScroll.h"
#include "skin/WinSubClassTabs.h"
#include "support/temp_dir.h"
#include "workflow_fixture.h"

namespace {

class OperatorsWindowTest : public WorkflowWindowTest {
protected:
    void SetUp() override {
        WorkflowWindowTest::SetUp();
        AddOperator("0002", "王明", "pw'2");
        AddOperator("0003", "李丽", "");
        Run("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('20','0003','提醒')");
        Run("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('5','0002','报表查询')");
    }

    Tcaozuorenyuan* Open() {
        main_->N2->Click();
        ProcessMessages();
        return OnlyChild<Tcaozuorenyuan>();
    }

    void ShowGrants(Tcaozuorenyuan* window) {
        window->PageControl1->SetActivePage(window->TabSheet2);
        window->PageControl1Change(window->PageControl1);
        ProcessMessages();
    }

    static std::vector<bool> Ticks(Tcaozuorenyuan* window) {
        std::vector<bool> ticks;
        for (TCheckBox* box : window->PermissionBoxes()) ticks.push_back(box->Checked());
        return ticks;
    }

    AnsiString Grants(const AnsiString& id) {
        return Scalar("select group_concat(xuhao||':'||quanxianming, ',') from (select * from 权限清单 where bianhao='" +
                      id + "' order by xuhao)");
    }
};

TEST_F(OperatorsWindowTest, TheAdministratorIsListedNowhereAndTheBoxesAreThePermissions) {
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Caption(), "操作人员设置");
    EXPECT_EQ(ChildPosition(window).x, 300);
    EXPECT_EQ(window->PageControl1->ActivePage(), window->TabSheet1);
    EXPECT_EQ(DM1->ADOQuery1->RecordCount(), 2);
    EXPECT_EQ(GridFields(window->DBGridVyn1), (std::vector<AnsiString>{"操作员", "姓名", "密码"}));
    EXPECT_EQ(GridTitle(window->DBGridVyn1, 0), "操作员编号");
    EXPECT_EQ(window->ComboBox1->Items()->Count(), 2);
    EXPECT_EQ(window->ComboBox1->Items()->IndexOf("0001"), -1);
    EXPECT_EQ(window->ComboBox1->Text(), "0002");
    for (std::size_t i = 0; i < PermissionGates.size(); ++i)
        EXPECT_EQ(window->PermissionBoxes()[i]->Caption(), PermissionGates[i].Permission) << i;
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-caozuorenyuan.png"));
}

TEST_F(OperatorsWindowTest, TheOperatorsWindowsTabsGridAndComboWearTheSkin) {
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    // The controls are skinned from the manager's timer after the window shows.
    auto skinOf = [window] { return SkinManager() ? SkinManager()->FindForm(window->Handle()) : nullptr; };
    for (int i = 0; i < 100 && !(skinOf() && skinOf()->FindPainter(window->ComboBox1->Handle())); ++i) {
        Sleep(20);
        ProcessMessages();
    }
    TWinSkinForm* skin = skinOf();
    ASSERT_NE(skin, nullptr);
    EXPECT_NE(dynamic_cast<TSkinTab*>(skin->FindPainter(window->PageControl1->Handle())), nullptr);
    auto* grid = dynamic_cast<TWinControl*>(window->FindComponent("DBGridVyn1"));
    ASSERT_NE(grid, nullptr);
    EXPECT_NE(dynamic_cast<TSkinScrollbar*>(skin->FindPainter(grid->Handle())), nullptr);
    EXPECT_NE(dynamic_cast<TSkinComBox*>(skin->FindPainter(window->ComboBox1->Handle())), nullptr);
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "skin-operators.png"));
}

TEST_F(OperatorsWindowTest, GrantsAreShownToggledAndSavedAboveTheLargestSerialNumber) {
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    ShowGrants(window);
    std::vector<bool> expected(14, false);
    expected[9] = true;
    EXPECT_EQ(Ticks(window), expected) << "0002 holds 报表查询";
    window->ComboBox1->SetFocus();
    SimulateKey(VK_DOWN, true);
    SimulateKey(VK_DOWN, false);
    ProcessMessages();
    EXPECT_EQ(window->ComboBox1->Text(), "0003");
    expected = std::vector<bool>(14, false);
    expected[13] = true;
    EXPECT_EQ(Ticks(window), expected) << "choosing another operator shows his grants";

    Click(window->Button1);
    EXPECT_EQ(Ticks(window), std::vector<bool>(14, true));
    EXPECT_EQ(window->Button1->Caption(), "全清");
    Click(window->Button1);
    EXPECT_EQ(Ticks(window), std::vector<bool>(14, false));
    EXPECT_EQ(window->Button1->Caption(), "全选");

    Click(window->CheckBox1);
    Click(window->CheckBox3);
    EXPECT_TRUE(SaveWindowScreenshot(window->Handle(), ScreenshotDir() + "app-caozuorenyuan-grants.png"));
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn2);
    EXPECT_TRUE(AskedAt(0, "权限修改成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(Grants("0003"), "21:操作人员设置,23:数据库备份") << "maxnum 20 plus the box numbers";
    EXPECT_EQ(Grants("0002"), "5:报表查询");

    Click(window->CheckBox1);
    Click(window->CheckBox3);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn2);
    EXPECT_EQ(Grants("0003"), "") << "nothing ticked removes every grant";
}

TEST_F(OperatorsWindowTest, SavedGrantsGateTheMenuAtTheOperatorsNextLogin) {
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    ShowGrants(window);
    EXPECT_EQ(window->ComboBox1->Text(), "0002");
    Click(window->Button1);  // 全选
    Click(window->Button1);  // 全清: his 报表查询 goes
    Click(window->CheckBox6);
    Click(window->CheckBox8);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn2);
    ResetModalResponder();

    // A fresh start, logged in as 0002 with his password, quote and all.
    while (main_->MDIChildCount() > 0) delete main_->MDIChildren(0);
    Application->SetMainForm(nullptr);
    main_.reset();
    delete loginform;
    loginform = nullptr;
    StartWithLogin([this] { LogIn("0002", "pw'2"); });
    ASSERT_TRUE(main_->Visible());
    Application->SetMainForm(main_.get());
    for (const TPermissionGate& gate : PermissionGates) {
        const bool granted = gate.MenuItem == AnsiString("N10") || gate.MenuItem == AnsiString("N30");
        EXPECT_EQ(static_cast<TMenuItem*>(main_->FindComponent(gate.MenuItem))->Enabled(), granted) << gate.MenuItem;
    }
    main_->VxToolButton10->Click();
    EXPECT_EQ(main_->MDIChildCount(), 1) << "手机返回 opens its window";
    main_->VxToolButton12->Click();
    EXPECT_EQ(main_->MDIChildCount(), 1) << "报表查询 does nothing";
}

TEST_F(OperatorsWindowTest, ARefusedInsertKeepsTheOldGrants) {
    Run("create trigger refuse before insert on 权限清单 when new.quanxianming='数据库备份' "
        "begin select raise(abort, 'grant refused'); end");
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    ShowGrants(window);
    Click(window->CheckBox1);
    Click(window->CheckBox3);
    PushModalAnswer({IDOK, ""});
    Click(window->BitBtn2);
    ASSERT_EQ(ModalQuestions().size(), 1u);
    EXPECT_NE(ModalQuestions()[0].text.find("grant refused"), AnsiString::npos);
    EXPECT_EQ(Grants("0002"), "5:报表查询") << "rolled back";
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
}

TEST_F(OperatorsWindowTest, DeletingAsksRemovesTheOperatorWithHisGrantsOrNothing) {
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    PushModalAnswer({IDCANCEL, ""});
    window->BtnDeleteClick(nullptr);
    EXPECT_TRUE(AskedAt(0, "确实删除当前操作人员？该操作不可恢复！", "删除提示", MB_ICONQUESTION));
    EXPECT_EQ(Scalar("select count(*) from 操作员"), "3");

    Run("create trigger keep before delete on 操作员 begin select raise(abort, 'operator kept'); end");
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    window->BtnDeleteClick(nullptr);
    EXPECT_NE(ModalQuestions()[2].text.find("operator kept"), AnsiString::npos);
    EXPECT_EQ(Grants("0002"), "5:报表查询") << "his grants stay with him";
    EXPECT_EQ(DM1->ADOQuery1->RecordCount(), 2) << "the grid shows what is stored";

    Run("drop trigger keep");
    PushModalAnswer({IDOK, ""});
    PushModalAnswer({IDOK, ""});
    window->BtnDeleteClick(nullptr);
    EXPECT_TRUE(AskedAt(4, "删除当前操作人员成功！", "提示", MB_ICONINFORMATION));
    EXPECT_EQ(Scalar("select count(*) from 操作员 where 操作员='0002'"), "0");
    EXPECT_EQ(Grants("0002"), "");
    EXPECT_EQ(DM1->ADOQuery1->RecordCount(), 1);
}

// A new operator typed into the add dialog, saved by Enter in the password.
struct AddCase {
    const char* name;
    const char* id;
    const char* password;
};

class AddOperatorTest : public OperatorsWindowTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddOperatorTest, IsStoredAsTypedAndListedAtOnce) {
    const AddCase& c = GetParam();
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    WhenShown(xincaozuo, [&] {
        Txincaozuo* d = xincaozuo;
        EXPECT_TRUE(d->Edit1->Focused());
        SimulateTyping(c.id);
        PressKey(VK_RETURN);
        EXPECT_TRUE(d->Edit3->Focused());
        SimulateTyping("新人");
        PressKey(VK_RETURN);
        EXPECT_TRUE(d->Edit2->Focused());
        SimulateTyping(c.password);
        ProcessMessages();
        EXPECT_TRUE(SaveWindowScreenshot(d->Handle(), ScreenshotDir() + "app-xincaozuo.png"));
        PushModalAnswer({IDOK, ""});
        PressKey(VK_RETURN);  // presses 保存
        ASSERT_EQ(ModalQuestions().size(), 1u);
        EXPECT_EQ(ModalQuestions()[0].text.substr(0, std::string("新增操作员成功！").size()), "新增操作员成功！");
        EXPECT_EQ(d->Edit1->Text(), "");
        EXPECT_EQ(d->Edit2->Text(), "");
        EXPECT_TRUE(d->Edit1->Focused()) << "ready for the next operator";
        EXPECT_EQ(DM1->ADOQuery1->RecordCount(), 3) << "at once in the grid";
        Click(d->BitBtn5);
    });
    Click(window->TabSheet1);
    window->BtnNewClick(nullptr);
    EXPECT_TRUE(OperatorExists(DM1->ADOall, c.id));
    EXPECT_EQ(StoredPassword(c.id), c.password);
    ShowGrants(window);
    EXPECT_GE(window->ComboBox1->Items()->IndexOf(c.id), 0) << "in the grants page's combo";
}

INSTANTIATE_TEST_SUITE_P(Cases, AddOperatorTest,
                         ::testing::Values(AddCase{"WithAQuote", "0'9", "p'w"}, AddCase{"WithoutPassword", "0010", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OperatorsWindowTest, TheAddDialogRefusesAnEmptyTheAdministratorsAndAStoredId) {
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    WhenShown(xincaozuo, [&] {
        Txincaozuo* d = xincaozuo;
        PushModalAnswer({IDOK, ""});
        d->BitBtn4->Click();
        EXPECT_TRUE(AskedAt(0, "操作员编号不能为空！", "提示", MB_ICONERROR));
        for (const char* id : {"0001", "0002"}) {
            d->Edit1->SetFocus();
            SimulateTyping(id);
            PushModalAnswer({IDOK, ""});
            PressKey(VK_RETURN);  // leaves the field
            EXPECT_EQ(d->Edit1->Text(), "") << id;
            EXPECT_TRUE(d->Edit1->Focused()) << id;
        }
        EXPECT_TRUE(AskedAt(1, "0001编号为系统管理员专用，请选用其他编号！", "提示", MB_ICONERROR));
        EXPECT_TRUE(AskedAt(2, "该操作员编号已经存在！请重新设定一个新的操作员编号！", "提示", MB_ICONERROR));
        d->Edit1->SetText("0002");
        PushModalAnswer({IDOK, ""});
        d->BitBtn4->Click();
        EXPECT_TRUE(AskedAt(3, "该操作员编号已经存在！请重新设定一个新的操作员编号！", "提示", MB_ICONERROR));
        Click(d->BitBtn5);
    });
    window->BtnNewClick(nullptr);
    EXPECT_EQ(Scalar("select count(*) from 操作员"), "3");
}

TEST_F(OperatorsWindowTest, ARejectedInsertRollsBackAndShowsItsMessage) {
    Run("create trigger refuse before insert on 操作员 begin select raise(abort, 'no more operators'); end");
    Tcaozuorenyuan* window = Open();
    ASSERT_NE(window, nullptr);
    WhenShown(xincaozuo, [&] {
        xincaozuo->Edit1->SetText("0011");
        PushModalAnswer({IDOK, ""});
        xincaozuo->BitBtn4->Click();
        ASSERT_EQ(ModalQuestions().size(), 1u);
        EXPECT_NE(ModalQuestions()[0].text.find("no more operators"), AnsiString::npos);
        EXPECT_EQ(xincaozuo->Edit1->Text(), "0011");
        Click(xincaozuo->BitBtn5);
    });
    window->BtnNewClick(nullptr);
    EXPECT_FALSE(DM1->ADOConnection1->InTransaction());
    EXPECT_FALSE(OperatorExists(DM1->ADOall, "0011"));
}

}  // namespace
