// The service history window over 100,000 orders, logged in as the
// administrator, timed side by side with SQLite reading the same
// statements through its C API (every column as text):
// - opening the window, which lists every order, up to the painted grid
//   with its footer count (goal: under 3 times);
// - one keystroke in the IMEI field, "1" becoming "12", which leaves about
//   a tenth of the orders, up to the repainted grid (goal: under 3 times).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/dm1frm.h"
#include "app/login.h"
#include "app/mainfrm.h"
#include "app/programfolder.h"
#include "app/xiangxijilufrm.h"
#include "bench/service_orders_db.h"
#include "datagrid/DBGridVynLib.h"
#include "gui_bench_main.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/streams.h"
#include "platform/ui/testseams.h"
#include "platform/win/testseams.h"
#include "side_by_side.h"

namespace {

using namespace service_orders;

// The program folder over the filled database, the data module and the
// main window with the login answered with 登陆.
struct Program {
    Program() {
        if (!Application) Application = TApplication::Create(nullptr);
        folder = std::filesystem::path(Database().File()).parent_path() / "program";
        std::filesystem::create_directories(folder / "database");
        std::filesystem::create_symlink(Database().File(), folder / "database" / "database.mdb");
        SetAppFolder(Utf8ToAnsi(folder.string() + "/"));
        const AnsiString settings = "[程序参数]\r\n店铺名称=恒通手机维修\r\n提醒=0\r\n";
        TFileStream file(SettingsFileName(), fmCreate);
        file.WriteBuffer(settings.data(), static_cast<Integer>(settings.size()));

        InitializeDataGridLibrary();
        Application->CreateForm(DM1);
        TTimer login(nullptr);
        login.SetInterval(1);
        login.SetOnTimer(TNotifyEvent([](TObject*) {
            if (loginform && loginform->Visible()) loginform->button1->Click();
        }));
        Application->CreateForm(MAIN);
        ProcessMessages();
    }

    Txiangxijilu* OpenHistory() {
        MAIN->N5->Click();
        ProcessMessages();
        return dynamic_cast<Txiangxijilu*>(MAIN->ActiveMDIChild());
    }
    void CloseChildren() {
        while (MAIN->MDIChildCount() > 0) delete MAIN->MDIChildren(0);
        ProcessMessages();
    }

    std::filesystem::path folder;
};

Program& TheProgram() {
    static Program program;
    return program;
}

// Reads every row of `sql` with every column as text.
void ReadWithSqlite(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), db);
    const int columns = sqlite3_column_count(stmt);
    std::size_t bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            bytes += static_cast<std::size_t>(sqlite3_column_bytes(stmt, c));
        }
    benchmark::DoNotOptimize(bytes);
    sqlite3_finalize(stmt);
}

struct Reference {
    Reference() { Check(sqlite3_open_v2(Database().File().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db); }
    ~Reference() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

void OpenListingEveryOrder(benchmark::State& state) {
    Program& program = TheProgram();
    Reference reference;
    Txiangxijilu* window = nullptr;
    TimeSideBySide(
        state, [&] { window = program.OpenHistory(); },
        [&] { ReadWithSqlite(reference.db, U(u8"select * from 流水记录")); },
        [&] { program.CloseChildren(); });
    if (!window) return state.SkipWithError("the history window did not open");
    state.counters["rows"] = DM1->ADOQuery4->RecordCount();
    program.CloseChildren();
}

void KeystrokeInTheImeiField(benchmark::State& state) {
    Program& program = TheProgram();
    Reference reference;
    Txiangxijilu* window = program.OpenHistory();
    if (!window) return state.SkipWithError("the history window did not open");
    TimeSideBySide(
        state,
        [&] {
            SimulateTyping("2");
            ProcessMessages();
        },
        [&] { ReadWithSqlite(reference.db, U(u8"select * from 流水记录 where 串码 like '%12%'")); },
        [&] {
            window->Edit1->SetText("1");
            window->Edit1->SetFocus();
            window->Edit1->SetSelStart(1);
            ProcessMessages();
        });
    if (window->Edit1->Text() != "12") return state.SkipWithError("the keystroke did not reach the field");
    state.counters["rows"] = DM1->ADOQuery4->RecordCount();
    program.CloseChildren();
}

}  // namespace

BENCHMARK(OpenListingEveryOrder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(KeystrokeInTheImeiField)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
