#include "app_fixture.h"

#include <chrono>

#include "app/programfolder.h"
#include "datagrid/DBGridVynLib.h"
#include "platform/data/sqlite_database.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/fileutils.h"
#include "platform/rtl/streams.h"
#include "platform/ui/testseams.h"
#include "tools/createdb/create_database.h"

void AppTest::SetUp() {
    SetAppFolder(dir_.path());
    serviora::CreateApplicationDatabase(AnsiToUtf8(dir_.file("database/database.mdb")));
    ForceDirectories(dir_.file("backup"));
    ResetModalResponder();
    // As the program does before its first window.
    InitializeDataGridLibrary();
}

void AppTest::TearDown() {
    StopMainWindow();
    FinalizeDataGridLibrary();
    ResetModalResponder();
    SetAppFolder("");
    ProcessMessages();
}

void AppTest::WriteSettings(const AnsiString& text) {
    TFileStream file(dir_.file("myini.ini"), fmCreate);
    file.WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

void AppTest::StartMainWindow() {
    dm_.reset(TDM1::Create(nullptr));
    DM1 = dm_.get();
    // The login shows modally inside the main window's creation; a timer
    // presses its 登陆 as soon as it shows.
    loginAnswer_ = std::make_unique<TTimer>(nullptr);
    loginAnswer_->SetInterval(1);
    loginAnswer_->SetOnTimer(TNotifyEvent([](TObject*) {
        if (loginform && loginform->Visible()) loginform->button1->Click();
    }));
    CreateMainWindow();
    loginAnswer_.reset();
}

void AppTest::StopMainWindow() {
    // Child windows belong to the application; those a test left open go
    // with its main window.
    for (int i = Screen->CustomFormCount() - 1; i >= 0; --i)
        if (Screen->CustomForms(i)->FormStyle() == fsMDIChild) delete Screen->CustomForms(i);
    if (Application->MainForm() == main_.get()) Application->SetMainForm(nullptr);
    main_.reset();
    if (loginform) {
        delete loginform;
        loginform = nullptr;
    }
    dm_.reset();
    DM1 = nullptr;
    ProcessMessages();
}

void AppTest::CreateMainWindow() {
    MAIN = new TMAIN(nullptr);
    main_.reset(CreateInstance(MAIN));
}

void AppTest::RunFor(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) ProcessMessages();
}

int AppTest::Asked(const AnsiString& text) const {
    int count = 0;
    for (const ModalQuestion& question : ModalQuestions())
        if (question.text == text) ++count;
    return count;
}

AnsiString DatabaseRows(const AnsiString& databaseFile) {
    SqliteDatabase database;
    database.Open(databaseFile);
    AnsiString rows;
    for (const char* table : {"流水记录", "备用机库", "领用记录", "操作员", "权限清单"}) {
        QueryResult result = database.Query(AnsiString("select * from ") + table);
        for (std::size_t row = 0; row < result.rows.RowCount(); ++row) {
            rows += table;
            for (const CellValue& cell : result.rows.Row(row)) rows += "|" + cell.bytes + std::to_string(cell.integer) + std::to_string(cell.real);
            rows += "\n";
        }
    }
    return rows;
}
