#include "workflow_fixture.h"

#include "app/fanhuicaozuofrm.h"
#include "app/jiaofucaozuofrm.h"
#include "app/shanchujilufrm.h"
#include "app/shoujifanhuancaozuofrm.h"
#include "app/xincaozuofrm.h"
#include "app/statements.h"
#include "platform/data/field.h"
#include "platform/rtl/datetime.h"
#include "platform/ui/testseams.h"
#include "received_phone.h"

void WorkflowWindowTest::SetUp() {
    LoginTest::SetUp();
    StartWithLogin([this] { LogIn("0001", ""); });
    ASSERT_TRUE(main_->Visible());
    // Children find their frame as the application's main form.
    Application->SetMainForm(main_.get());
    // The reused dialogs, in the program's order.
    shanchujilu = Tshanchujilu::Create(nullptr);
    fanhuicaozuo = Tfanhuicaozuo::Create(nullptr);
    jiafucaozuo = Tjiafucaozuo::Create(nullptr);
    shoujifanhuancaozuo = Tshoujifanhuancaozuo::Create(nullptr);
    xincaozuo = Txincaozuo::Create(nullptr);
    ProcessMessages();
}

void WorkflowWindowTest::TearDown() {
    while (main_ && main_->MDIChildCount() > 0) delete main_->MDIChildren(0);
    delete shanchujilu;
    delete fanhuicaozuo;
    delete jiafucaozuo;
    delete shoujifanhuancaozuo;
    delete xincaozuo;
    clock_.reset();
    LoginTest::TearDown();
}

void WorkflowWindowTest::FreezeToday() { clock_.emplace(EncodeDate(2026, 12, 10) + 0.5); }

void WorkflowWindowTest::AddOrder(const AnsiString& number, const AnsiString& imei, const AnsiString& date) {
    InsertReception(DM1->ADO123, ReceivedPhone(number, imei, date));
}

AnsiString WorkflowWindowTest::Scalar(const AnsiString& sql) {
    OpenStatement(DM1->ADO123, sql);
    return DM1->ADO123->Fields()->Fields(0)->AsString();
}

POINT WorkflowWindowTest::ChildPosition(TCustomForm* child) const {
    RECT bounds;
    GetWindowRect(child->Handle(), &bounds);
    POINT corner{bounds.left, bounds.top};
    ScreenToClient(main_->ClientHandle(), &corner);
    return corner;
}

void WorkflowWindowTest::Choose(TRadioGroup* group, int index) {
    Click(static_cast<TWinControl*>(group->Controls(index)));
}

void WorkflowWindowTest::WhenShown(TCustomForm* dialog, std::function<void()> steps) {
    WhenShown([dialog] { return dialog; }, std::move(steps));
}

void WorkflowWindowTest::WhenShown(std::function<TCustomForm*()> find, std::function<void()> steps) {
    Application->SetOnIdle(TIdleEvent([find, steps](TObject*, bool& done) {
        TCustomForm* dialog = find();
        if (!dialog || !dialog->Visible()) return;
        // The handler goes before the steps run: they may show the dialog
        // again. The modal loop then looks at its result before it waits.
        const std::function<void()> run = steps;
        Application->SetOnIdle(TIdleEvent());
        run();
        done = false;
    }));
}

std::vector<AnsiString> WorkflowWindowTest::ListedValues(TDataSet* list, const char* column) {
    std::vector<AnsiString> numbers;
    for (list->First(); !list->Eof(); list->Next()) numbers.push_back(list->FieldByName(column)->AsString());
    list->First();
    return numbers;
}
