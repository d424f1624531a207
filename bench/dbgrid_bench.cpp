// The data-aware grid over the service-order table (100,000 rows, 35
// columns) as the application's list windows configure it, timed side by
// side with the query alone:
// - opening the query and the grid's first paint, the footer's count of
//   every record included, against opening the same query (goal: under
//   1.3 times);
// - repainting with the last record current against the first (goal:
//   under 1.2 times): only the rows in view are read;
// - a title click with its sort and repaint against the same sort through
//   a second query's Sort alone (goal: under 1.3 times);
// - the filter row: ">1000 & <60000" typed into 价格's cell and "~ab%" into
//   顾客姓名's, each with Enter, filtering in memory until the grid has
//   repainted with the recounted footer, against SQLite stepping the rows of
//   the same WHERE clauses (goal: at most 2 times); and through the SQL's
//   "/*FILTER*/" line, rewritten and reopened, against opening the rewritten
//   statement alone (goal: under 1.3 times).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/list_window.h"
#include "datagrid/DBGridVynFilterEdit.h"
#include "gui_bench_main.h"
#include "side_by_side.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"

namespace {

using namespace service_orders;

ListWindow& Window() {
    static ListWindow window;
    return window;
}

void OpenAndFirstPaint(benchmark::State& state) {
    ListWindow& window = Window();
    double counted = 0;
    TimeSideBySide(
        state,
        [&] {
            std::unique_ptr<TADOQuery> query = window.NewQuery();
            window.source->SetDataSet(query.get());
            query->Open();
            window.Paint();
            counted = std::atof(window.grid->FooterCellText(0, window.grid->Columns()->Items(1)).c_str());
            window.source->SetDataSet(nullptr);
        },
        [&] {
            std::unique_ptr<TADOQuery> query = window.NewQuery();
            query->Open();
            benchmark::DoNotOptimize(query->RecordCount());
        });
    state.counters["footer_count"] = counted;
}

void RepaintAtTheLastRecord(benchmark::State& state) {
    ListWindow atFirst;
    ListWindow atLast;
    std::unique_ptr<TADOQuery> first = atFirst.NewQuery();
    std::unique_ptr<TADOQuery> last = atLast.NewQuery();
    atFirst.source->SetDataSet(first.get());
    atLast.source->SetDataSet(last.get());
    first->Open();
    last->Open();
    last->Last();
    ProcessMessages();
    TimeSideBySide(state, [&] { atLast.Paint(); }, [&] { atFirst.Paint(); });
    atFirst.source->SetDataSet(nullptr);
    atLast.source->SetDataSet(nullptr);
}

// Clicks on the customer-name title, the sort alternating ascending and
// descending; the reference sorts its own query the same way.
void TitleClickSort(benchmark::State& state) {
    ListWindow& window = Window();
    TDBGridVyn* grid = window.grid;
    grid->ColumnDefValues()->Title()->SetTitleButton(true);
    grid->SetOptionsVyn(grid->OptionsVyn() + TDBGridVynOptions{dghAutoSortMarking, dghMultiSortMarking});
    grid->SetSortLocal(true);
    std::unique_ptr<TADOQuery> query = window.NewQuery(), reference = window.NewQuery();
    window.source->SetDataSet(query.get());
    query->Open();
    reference->Open();
    ProcessMessages();
    const TRect cell = grid->CellRect(grid->DataToRawColumn(7), 0);  // 顾客姓名
    int clicks = 0;
    TimeSideBySide(
        state,
        [&] {
            // Ten pixels apart, so that no click is a double click.
            const POINT p{(cell.left + cell.right) / 2 + (clicks % 2 ? 5 : -5), (cell.top + cell.bottom) / 2};
            SimulateClick(grid->Handle(), p);
            ProcessMessages();
        },
        [&] { reference->SetSort(clicks++ % 2 ? "顾客姓名 DESC" : "顾客姓名"); });
    if (query->Sort() != reference->Sort()) state.SkipWithError("the click did not sort the query");
    window.source->SetDataSet(nullptr);
}

// Types `text` into the filter cell of column `index` and presses Enter.
void FilterBy(TDBGridVyn* grid, int index, const AnsiString& text) {
    grid->StartFilterEdit(index);
    grid->FilterEditor()->SetText(text);
    SimulateKey(VK_RETURN, true);
    SimulateKey(VK_RETURN, false);
    ProcessMessages();
}

// Steps every row of `sql`; answers their number.
int StepRows(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), db);
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) ++rows;
    sqlite3_finalize(stmt);
    return rows;
}

constexpr int kPriceColumn = 6, kCustomerColumn = 7;

void FilterRowInMemory(benchmark::State& state) {
    ListWindow& window = Window();
    TDBGridVyn* grid = window.grid;
    grid->STFilter()->SetLocal(true);
    grid->STFilter()->SetVisible(true);
    std::unique_ptr<TADOQuery> query = window.NewQuery();
    query->SetFiltered(true);
    window.source->SetDataSet(query.get());
    query->Open();
    ProcessMessages();
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(Database().File().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db);
    const std::string byPrice = U(u8"select * from 流水记录 where 价格 > 1000 and 价格 < 60000");
    const std::string byBoth = byPrice + U(u8" and 顾客姓名 like 'ab%'");
    int counted = 0, stepped = 0;
    TimeSideBySide(
        state,
        [&] {
            // The last round's name condition goes; nothing is applied yet.
            grid->StopFilterEdit();
            grid->Columns()->Items(kCustomerColumn)->STFilter()->KeepExpressionText("");
            FilterBy(grid, kPriceColumn, ">1000 & <60000");
            counted = std::atoi(grid->FooterCellText(0, grid->Columns()->Items(1)).c_str());
            FilterBy(grid, kCustomerColumn, "~ab%");
        },
        [&] {
            stepped = StepRows(db, byPrice);
            StepRows(db, byBoth);
        });
    if (counted != stepped) state.SkipWithError("the footer does not count the filtered rows");
    state.counters["rows"] = counted;
    sqlite3_close(db);
    grid->StopFilterEdit();
    window.source->SetDataSet(nullptr);
}

void FilterRowThroughSQL(benchmark::State& state) {
    ListWindow& window = Window();
    TDBGridVyn* grid = window.grid;
    grid->STFilter()->SetLocal(false);
    grid->STFilter()->SetVisible(true);
    grid->Columns()->Items(kCustomerColumn)->STFilter()->KeepExpressionText("");
    std::unique_ptr<TADOQuery> query = window.NewQuery();
    query->SQL()->Add("where");
    query->SQL()->Add("/*FILTER*/ (1=1)");
    window.source->SetDataSet(query.get());
    query->Open();
    ProcessMessages();
    std::unique_ptr<TADOQuery> reference;
    TimeSideBySide(
        state, [&] { FilterBy(grid, kPriceColumn, ">1000 & <60000"); },
        [&] {
            reference = std::make_unique<TADOQuery>(nullptr);
            reference->SetConnection(window.connection.get());
            reference->SQL()->SetText(query->SQL()->Text());
            reference->Open();
        });
    if (reference->RecordCount() != query->RecordCount()) state.SkipWithError("the rows differ");
    state.counters["rows"] = query->RecordCount();
    grid->StopFilterEdit();
    window.source->SetDataSet(nullptr);
}

}  // namespace

BENCHMARK(OpenAndFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(RepaintAtTheLastRecord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(TitleClickSort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(FilterRowInMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(FilterRowThroughSQL)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
