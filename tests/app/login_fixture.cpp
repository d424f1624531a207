#include "login_fixture.h"

#include "app/operators.h"
#include "app/statements.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/testseams.h"

void LoginTest::SetUp() {
    AppTest::SetUp();
    // A shop name of its own and no reminders: no start-up questions.
    WriteSettings("[程序参数]\r\n店铺名称=恒通手机维修\r\n提醒=0\r\n");
    dm_.reset(TDM1::Create(nullptr));
    DM1 = dm_.get();
    DM1->ADOConnection1->SetConnectionString("Data Source=" + DatabaseFileName());
    DM1->ADOConnection1->SetConnected(true);
}

void LoginTest::TearDown() {
    driver_.reset();
    AppTest::TearDown();
}

void LoginTest::Execute(const AnsiString& statement) { RunStatement(DM1->ADOall, statement); }

void LoginTest::AddOperator(const AnsiString& id, const AnsiString& name, const AnsiString& password) {
    Execute("insert into 操作员([操作员],[姓名],[密码]) values(" + QuotedStr(id) + "," + QuotedStr(name) + "," +
            QuotedStr(password) + ")");
}

void LoginTest::Grant(const AnsiString& id, const AnsiString& permission) {
    Execute("insert into 权限清单([xuhao],[bianhao],[quanxianming]) values('1'," + QuotedStr(id) + "," +
            QuotedStr(permission) + ")");
}

AnsiString LoginTest::StoredPassword(const AnsiString& id) { return OperatorPassword(DM1->ADOall, id); }

void LoginTest::RunWhenShown(std::function<TCustomForm*()> form, std::function<void()> steps) {
    driver_ = std::make_unique<TTimer>(nullptr);
    driver_->SetInterval(1);
    driver_->SetOnTimer(TNotifyEvent([this, form, steps](TObject*) {
        TCustomForm* shown = form();
        if (!shown || !shown->Visible()) return;
        driver_->SetEnabled(false);
        steps();
    }));
}

void LoginTest::StartWithLogin(std::function<void()> atLogin) {
    RunWhenShown([] { return static_cast<TCustomForm*>(loginform); }, std::move(atLogin));
    CreateMainWindow();
    driver_.reset();
}

void LoginTest::LogIn(const AnsiString& id, const AnsiString& password) {
    TComboBox* combo = loginform->cbusername;
    combo->SetItemIndex(combo->Items()->IndexOf(id));
    Type(loginform->edtpassword, password);
    PressKey(VK_RETURN);
}

void LoginTest::Click(TWinControl* control) {
    ASSERT_TRUE(SimulateClick(control->Handle(), POINT{control->Width() / 2, control->Height() / 2}))
        << control->Name();
    ProcessMessages();
}

void LoginTest::Type(TWinControl* control, const AnsiString& text) {
    Click(control);
    SimulateTyping(text);
    ProcessMessages();
}

void LoginTest::PressKey(int key) {
    SimulateKey(key, true);
    SimulateKey(key, false);
    ProcessMessages();
}

::testing::AssertionResult LoginTest::AskedAt(std::size_t index, const AnsiString& text, const AnsiString& caption,
                                            unsigned icon) {
    if (ModalQuestions().size() <= index)
        return ::testing::AssertionFailure() << "only " << ModalQuestions().size() << " questions";
    const ModalQuestion& q = ModalQuestions()[index];
    if (q.text != text || q.caption != caption || (q.flags & MB_ICONMASK) != icon)
        return ::testing::AssertionFailure() << "asked \"" << AnsiToUtf8(q.text) << "\" captioned \""
                                             << AnsiToUtf8(q.caption) << "\" with icon " << (q.flags & MB_ICONMASK);
    return ::testing::AssertionSuccess();
}
